#include "ViewMath.h"

namespace ViewMath {

double scaleForSliderValue(int aValue)
{
    if (aValue < 50)
        return 0.1 + 0.9 * aValue / 50.0;
    return 1.0 + 1.9 * (aValue - 50) / 50.0;
}

QString scaleText(double aScale)
{
    return QString::asprintf("%.2lfx", aScale);
}

QString rotationText(double aAngle)
{
    // A turned-back chain can leave -0.0 behind; it must read as "0".
    if (aAngle == 0.0)
        aAngle = 0.0;
    return QString::asprintf("%.6g", aAngle);
}

QString backgroundImageName(const QString &aButtonText)
{
    if (aButtonText == QLatin1String("Blue Grid"))
        return QStringLiteral(":/images/background1.png");
    if (aButtonText == QLatin1String("White Grid"))
        return QStringLiteral(":/images/background2.png");
    if (aButtonText == QLatin1String("Gray Grid"))
        return QStringLiteral(":/images/background3.png");
    return QStringLiteral(":/images/background4.png");
}

} // namespace ViewMath
