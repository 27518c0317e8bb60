#pragma once

#include "graphics/DiagramTypes.h"

#include <QList>
#include <QPointF>
#include <QString>

class RevellTrack;
struct LayoutRecord;

// The arithmetic by which a chain of pieces grows: where the next piece
// starts, which way it points, how the angle is shown, and the step that lays
// one entry on a record. No widgets and no scene: the scene lays a step and
// then draws what it says.
namespace Chaining {

// What laying one entry did to the record.
struct Step
{
    // The entry was laid; false for a type or entry the catalog cannot lay,
    // which takes no room: its start and end are the previous end of the chain.
    bool mLaid = false;
    // An existing entry was rewritten in place (a replay); false when one was appended.
    bool mReplayed = false;
    int mIndex = -1;        // the entry's place in the list
    int mItemType = -1;     // its diagram type
    int mDbIndex = -1;      // its catalog index
    QPointF mStart;         // where its lower-left corner lies (scene units)
    double mAngle = 0.0;    // its rotation, the chain's angle before it
    bool mFirst = false;    // it began the chain
    bool mParityIn = false; // lane parity before it
};

// Lays the next entry of aRecord at the chain's end and advances the end by
// the piece's catalog geometry: the end point, the angle (one step toward the
// open interval (-360, 360)), the lane parity and mNextIndex. The first piece
// of a chain goes to aPos at the layout file's precision, which becomes the
// first point. aAdd appends an
// entry for aItemType at level aElev; otherwise the entry at mNextIndex is
// rewritten in place, keeping its part number, catalog index, item type and
// attachments and taking level aElev (a replay). Without an entry to rewrite
// the piece is appended, so mNextIndex never runs past the list. A type
// that names no catalog piece is not laid: appended, it changes nothing;
// replayed, its entry is passed with the end unchanged.
Step layNext(LayoutRecord &aRecord, const RevellTrack &aCatalog, int aItemType, QPointF aPos,
             double aElev, bool aAdd);

// Makes aRecord ready to be laid again from its first point: drops the
// entries marked deleted, writes every attachment's host index as its host's
// place in the list, and resets the chain (end at the first point, angle 0,
// parity clear, mNextIndex 0, lane lengths 1 and 2 zero until measured).
void prepareReplay(LayoutRecord &aRecord);

// The point where the next piece's lower-left corner goes, after a piece laid
// with its lower-left corner at aPoint and rotated by aAngleDeg (clockwise on
// screen). aLowerLeft and aLowerRight are the piece's own lower corners in
// millimetres, aScale turns millimetres into scene units.
QPointF forwardPoint(QPointF aPoint, double aAngleDeg, QPointF aLowerLeft, QPointF aLowerRight,
                     double aScale);

// How far a piece turns the chain: its curve angle, counter-clockwise on
// screen (negative) for a left-hand piece.
double turnAngle(double aCurveDeg, const QString &aDirection);

// One reduction step toward the open interval (-360, 360): 360 or more loses
// 360, -360 or less gains 360. A chain only ever adds less than a full turn,
// so one step is enough.
double normalisedAngle(double aAngleDeg);

// The angle as the layout tab shows it: truncated toward zero (29.99 -> 29,
// -29.99 -> -29).
int displayedAngle(double aAngleDeg);

// The two-lane pieces that make up one four-lane selection: record A (lanes
// 1 and 2) first, then record B (lanes 3 and 4), each in laying order. Both
// lists are empty for a type that is not a four-lane pair.
struct FourLanePlacement
{
    QList<DiagramTypeBase::DiagramType> mRecordA;
    QList<DiagramTypeBase::DiagramType> mRecordB;

    bool isEmpty() const { return mRecordA.isEmpty() && mRecordB.isEmpty(); }
};
FourLanePlacement fourLanePlacement(int aType);

// Where record B's first piece goes when record A's goes to aFirstA: one
// two-lane track width to the upper (left) side, so that the second lane
// pair runs beside the first; at the layout file's precision.
QPointF secondPairStart(QPointF aFirstA, const RevellTrack &aCatalog);

} // namespace Chaining
