#pragma once

#include <QString>
#include <QStringList>

class RevellTrack;
struct LayoutRecord;

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

// The hand of a banked piece: "right" for the pieces of a right turn (its
// entry, curves and exit), "left" for those of a left turn, empty for any
// other diagram type.
QString directionOf(int aItemType);

// A banked turn as a chain holds it: the entry transition at mStart, then
// mCurves banked curves, then the exit transition.
struct Turn
{
    QString mDirection;  // "right" or "left"; empty when the piece is not banked
    int mStart = -1;     // the entry transition, or where the search for it stopped
    bool mFound = false; // mStart is an entry transition
    int mCurves = 0;     // the curves right after mStart; 0 when mFound is false
};

// The turn that piece aIndex of aRecord belongs to, whichever of its pieces
// that is. The search steps back from the piece over the turn's own curves
// (from an exit transition, first over the exit) to the entry transition,
// and counts the curves that follow the entry up to the first piece that is
// no banked curve, so a turn laid right after another is never mistaken for
// part of it. Without an entry transition before the curves the turn is not
// found and mStart is the piece where the search stopped. mDirection is
// empty, and nothing else is set, when aIndex is no banked piece of the list.
Turn findTurn(const LayoutRecord &aRecord, int aIndex);

// The number of curve buttons the turn's editing dialog checks for a turn
// of aCurves curves: all of them, held to kMaxCurves.
int shownCurves(int aCurves);

// The curves a turn of aCurves holds after the dialog was accepted with
// aChecked of its shownCurves(aCurves) buttons checked: only what the user
// unchecked goes, and what was checked in addition comes, so a turn of more
// curves than the dialog shows keeps those it does not show.
int chosenCurves(int aCurves, int aChecked);

// What accepting the turn's dialog asks for.
struct Change
{
    int mCurves = 0;           // curves the turn holds afterwards, 0 or more
    bool mFences = false;      // every curve gets its crash fence
    bool mTransitions = false; // the entry and exit transitions get theirs
};

// The part numbers of the turn's fences: on each curve, on the entry
// transition, on the exit transition.
QString curveFence(const QString &aDirection);
QString entryFence(const QString &aDirection);
QString exitFence(const QString &aDirection);

// True when aTurn (as findTurn found it in aRecord) has curves and every one
// of them carries its curve fence.
bool curvesFenced(const LayoutRecord &aRecord, const Turn &aTurn);

// Gives aTurn (as findTurn found it in aRecord) aChange.mCurves curves:
// curves are taken away or added right after mStart, new ones at level
// 0.25. Then every curve of the turn loses its attachments and, with
// mFences, gets one curve fence; with mTransitions the entry and exit
// transitions of the turn's hand get their fences, unless they carry them
// already, and keep their other attachments. Every attachment's host index
// is its host's place in the list afterwards. False, with nothing changed,
// when the turn has no direction or mStart lies outside the list.
bool applyChange(LayoutRecord &aRecord, const RevellTrack &aCatalog, const Turn &aTurn,
                 const Change &aChange);

} // namespace BankedTurn
