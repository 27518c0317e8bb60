#include "ViewMath.h"

#include <QTransform>

#include <algorithm>

namespace ViewMath {

double scaleForSliderValue(int aValue)
{
    if (aValue < 50)
        return 0.1 + 0.9 * aValue / 50.0;
    return 1.0 + 1.9 * (aValue - 50) / 50.0;
}

int sliderValueForScale(double aScale)
{
    // Both halves are linear, so a search of the 101 values is exact and cheap.
    int best = kSliderMinimum;
    for (int value = kSliderMinimum; value <= kSliderMaximum; ++value) {
        // A scale computed from the same value must map back to it.
        if (scaleForSliderValue(value) <= aScale + 1e-9)
            best = value;
    }
    return best;
}

double fitScale(const QRectF &aBounds, double aAngle, const QSizeF &aViewport)
{
    if (aBounds.isEmpty() || aViewport.isEmpty())
        return 0.0;
    const QRectF turned = QTransform().rotate(-aAngle).mapRect(aBounds);
    return std::min(aViewport.width() / turned.width(), aViewport.height() / turned.height());
}

int wheelSliderSteps(int aAngleDelta)
{
    constexpr int kNotch = 120;
    constexpr int kStepsPerNotch = 5;
    if (aAngleDelta == 0)
        return 0;
    const int steps = aAngleDelta * kStepsPerNotch / kNotch;
    if (steps == 0)
        return aAngleDelta > 0 ? 1 : -1;
    return steps;
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
