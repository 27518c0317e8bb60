#include "BankedTurn.h"

#include <QtGlobal>

namespace BankedTurn {

namespace {

const QLatin1String kRightChoice("R3625_R");
const QLatin1String kLeftChoice("R3625_L");

} // namespace

bool isTurnChoice(const QString &aPartNumber)
{
    return aPartNumber == kRightChoice || aPartNumber == kLeftChoice;
}

int curveCount(const QString &aAngleText)
{
    const QString firstWord = aAngleText.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    bool ok = false;
    const int degrees = firstWord.toInt(&ok);
    if (!ok)
        return 0;
    // The chooser offers 30 to 240 degrees; anything else is held to what a
    // turn can be edited with afterwards.
    return qBound(0, degrees / 30, kMaxCurves);
}

QStringList expandChoice(const QString &aPartNumber, const QString &aAngleText)
{
    if (aPartNumber.isEmpty())
        return {};
    if (!isTurnChoice(aPartNumber))
        return {aPartNumber};

    // The two transitions are mirror pieces: the one that enters a right turn
    // is not the one that leaves it.
    const bool right = (aPartNumber == kRightChoice);
    QStringList names;
    names << (right ? QStringLiteral("F8514L_R") : QStringLiteral("F8519R_L"));
    const QString curve = right ? QStringLiteral("F8517_R") : QStringLiteral("F8517_L");
    for (int i = curveCount(aAngleText); i > 0; --i)
        names << curve;
    names << (right ? QStringLiteral("F8519R_R") : QStringLiteral("F8514L_L"));
    return names;
}

} // namespace BankedTurn
