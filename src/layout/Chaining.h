#pragma once

#include "graphics/DiagramTypes.h"

#include <QList>
#include <QPointF>
#include <QString>

// The arithmetic by which a chain of pieces grows: where the next piece
// starts, which way it points and how the angle is shown. No widgets and no
// scene: the scene feeds in catalog values and records the results.
namespace Chaining {

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

} // namespace Chaining
