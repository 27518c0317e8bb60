#include "Elevation.h"

#include "layout/LayoutRecord.h"

#include <QtGlobal>

namespace Elevation {

double levelOf(int aStep)
{
    return qBound(0, aStep, kLevelCount - 1) / double(kLevelCount - 1);
}

double replayedLevel(double aLevel, bool aInverted)
{
    return aInverted ? 1.0 - aLevel : aLevel;
}

bool setLevel(LayoutRecord &aRecord, int aIndex, double aLevel)
{
    if (aIndex < 0 || aIndex >= aRecord.mPieces.size())
        return false;
    aRecord.mPieces[aIndex].mLevel = aLevel;
    return true;
}

QString toolTip(const QString &aToolTip, double aLevel)
{
    return aToolTip.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty) +
           QLatin1String(" elev ") + QString::number(aLevel, 'f', 2);
}

} // namespace Elevation
