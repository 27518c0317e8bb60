#include "Chaining.h"

#include "catalog/RevellTrack.h"
#include "graphics/PieceKinds.h"
#include "layout/LayoutEdit.h"
#include "layout/LayoutRecord.h"

#include <QtMath>

namespace Chaining {

QPointF forwardPoint(QPointF aPoint, double aAngleDeg, QPointF aLowerLeft, QPointF aLowerRight,
                     double aScale)
{
    const double theta = aAngleDeg * M_PI / 180.0;
    const double dx = aScale * (aLowerRight.x() - aLowerLeft.x());
    const double dy = aScale * (aLowerRight.y() - aLowerLeft.y());
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    return QPointF(aPoint.x() + dx * c - dy * s, aPoint.y() + dx * s + dy * c);
}

double turnAngle(double aCurveDeg, const QString &aDirection)
{
    return aDirection == QLatin1String("left") ? -aCurveDeg : aCurveDeg;
}

double normalisedAngle(double aAngleDeg)
{
    if (aAngleDeg >= 360.0)
        aAngleDeg -= 360.0;
    if (aAngleDeg <= -360.0)
        aAngleDeg += 360.0;
    return aAngleDeg;
}

int displayedAngle(double aAngleDeg)
{
    return static_cast<int>(aAngleDeg);
}

FourLanePlacement fourLanePlacement(int aType)
{
    using D = DiagramTypeBase;
    // Curved pairs: the inner strip takes the tighter radius, so on a
    // right-hand turn record A is inside and on a left-hand turn record B.
    // Two R3610 (30 degrees each) match one R3601 (60 degrees).
    switch (aType) {
    case D::R3600R3600:
        return {{D::R3600}, {D::R3600}};
    case D::R3602R3600:
        return {{D::R3602_R}, {D::R3600}};
    case D::R3600R3602:
        return {{D::R3600}, {D::R3602_L}};
    case D::R3602R3602:
        return {{D::R3602_R}, {D::R3602_L}};
    case D::R3608R3608:
        return {{D::R3608}, {D::R3608}};
    case D::R3609R3609:
        return {{D::R3609}, {D::R3609}};
    case D::R3620R3620:
        return {{D::R3620}, {D::R3620}};
    case D::R3620dcR3620dc:
        return {{D::R3620dc}, {D::R3620dc}};
    case D::R3601R3610_R:
        return {{D::R3601_R}, {D::R3610_R, D::R3610_R}};
    case D::R3601R3610_L:
        return {{D::R3610_L, D::R3610_L}, {D::R3601_L}};
    case D::R3621R3610_R:
        return {{D::R3621_R}, {D::R3610_R}};
    case D::R3621R3610_L:
        return {{D::R3610_L}, {D::R3621_L}};
    default:
        return {};
    }
}

QPointF secondPairStart(QPointF aFirstA, const RevellTrack &aCatalog)
{
    // From record A's first point as kept, so that every way of placing the
    // pair (laying it, dragging it, opening it) puts record B at the same spot.
    const QPointF first = LayoutRecord::atFilePrecision(aFirstA);
    return LayoutRecord::atFilePrecision(
        QPointF(first.x(), first.y() - aCatalog.width * PieceKinds::kDrawScale));
}

Step layNext(LayoutRecord &aRecord, const RevellTrack &aCatalog, int aItemType, QPointF aPos,
             double aElev, bool aAdd)
{
    Step step;
    step.mIndex = aRecord.mNextIndex;
    step.mReplayed = !aAdd && step.mIndex >= 0 && step.mIndex < aRecord.mPieces.size();
    step.mItemType = aItemType;
    step.mDbIndex = aCatalog.indexOfType(aItemType);
    const bool unknownEntry = step.mReplayed && (aRecord.mPieces.at(step.mIndex).mItemType < 0 ||
                                                 aRecord.mPieces.at(step.mIndex).mDbIndex < 0);
    if (step.mDbIndex < 0 || unknownEntry) {
        if (!step.mReplayed)
            return step;
        // The first drawn piece still begins the chain where it was put.
        if (aRecord.mFirst)
            aRecord.mForwardPt = LayoutRecord::atFilePrecision(aPos);
        PlacedPiece &entry = aRecord.mPieces[step.mIndex];
        entry.mLevel = aElev;
        entry.mOrigin = entry.mNextPt = aRecord.mForwardPt;
        entry.mAngle = entry.mNextAngle = aRecord.mForwardAngle;
        entry.mLaneSwapIn = entry.mLaneSwapOut = aRecord.mLaneSwap;
        aRecord.mNextIndex += 1;
        return step;
    }

    // mForward is never cleared: every piece extends the chain at its end,
    // and the first piece starts it where it was put.
    step.mLaid = true;
    step.mFirst = aRecord.mFirst;
    if (step.mFirst) {
        aRecord.mFirstPt = LayoutRecord::atFilePrecision(aPos);
        aRecord.mForwardPt = aRecord.mFirstPt;
        aRecord.mFirst = false;
    }
    step.mStart = aRecord.mForwardPt;
    step.mAngle = aRecord.mForwardAngle;
    step.mParityIn = aRecord.mLaneSwap;

    const TrackPiece &piece = aCatalog.piece(step.mDbIndex);
    aRecord.mForwardPt = forwardPoint(step.mStart, step.mAngle, piece.mLowerLeft, piece.mLowerRight,
                                      PieceKinds::kDrawScale);
    aRecord.mForwardAngle =
        normalisedAngle(step.mAngle + turnAngle(piece.mCurveDeg, piece.mDirection));
    // Only the lane-change piece carries its lanes across to each other.
    aRecord.mLaneSwap = piece.mLaneSwap ? !step.mParityIn : step.mParityIn;

    if (!step.mReplayed) {
        step.mIndex = aRecord.mPieces.size();
        aRecord.mPieces.append(PlacedPiece(piece.mPartNumber, step.mDbIndex, aItemType, step.mStart,
                                           step.mAngle, aElev));
    }
    PlacedPiece &entry = aRecord.mPieces[step.mIndex];
    entry.mLevel = aElev;
    entry.mOrigin = step.mStart;
    entry.mAngle = step.mAngle;
    entry.mNextPt = aRecord.mForwardPt;
    entry.mNextAngle = aRecord.mForwardAngle;
    entry.mLaneSwapIn = step.mParityIn;
    entry.mLaneSwapOut = aRecord.mLaneSwap;
    aRecord.mNextIndex = step.mIndex + 1;
    return step;
}

void prepareReplay(LayoutRecord &aRecord)
{
    LayoutEdit::dropDeleted(aRecord);
    LayoutEdit::renumberHosts(aRecord);
    aRecord.resetChain();
}

} // namespace Chaining
