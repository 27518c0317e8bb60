#pragma once

#include <QString>
#include <QStringList>

// A banked turn is laid as ordinary catalog pieces: an entry transition, a
// number of 30 degree banked curves and an exit transition.
namespace BankedTurn {

// The most banked curves a turn holds: the turn's editing dialog has a
// button for each of eight.
constexpr int kMaxCurves = 8;

// Whether aPartNumber is one of the two banked-turn choices, "R3625_R" or
// "R3625_L", which stand for a whole turn rather than one piece.
bool isTurnChoice(const QString &aPartNumber);

// Number of banked curves for an angle text such as "90 deg": its first
// blank-separated word as a whole number of degrees, divided by 30 and
// truncated (0 when it is not a number), kept within 0 to kMaxCurves.
int curveCount(const QString &aAngleText);

// The catalog part numbers that a choice of the add-track chooser stands for,
// in laying order. "R3625_R" gives "F8514L_R", then curveCount(aAngleText)
// times "F8517_R", then "F8519R_R"; "R3625_L" gives "F8519R_L", the curves
// "F8517_L" and "F8514L_L". Any other part number stands for itself and the
// angle text is ignored; an empty one gives an empty list.
QStringList expandChoice(const QString &aPartNumber, const QString &aAngleText);

} // namespace BankedTurn
