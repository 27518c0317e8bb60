#include "LayoutChecks.h"

#include "graphics/PieceKinds.h"
#include "layout/LayoutRecord.h"

#include <QTransform>

#include <cmath>

namespace LayoutChecks {

namespace {

// The arrow's proportions in millimetres of track: a shaft, then a head as
// wide as half the track, together about the length of a half straight.
constexpr double kShaftLengthMm = 70.0;
constexpr double kShaftHalfWidthMm = 16.0;
constexpr double kHeadLengthMm = 70.0;
constexpr double kHeadHalfWidthMm = 48.0;

QString lengthText(double aMillimetres, LengthUnit aUnit)
{
    return formatLength(aMillimetres, aUnit) + QLatin1Char(' ') + unitName(aUnit);
}

} // namespace

QString unitName(LengthUnit aUnit)
{
    switch (aUnit) {
    case LengthUnit::Feet:
        return QStringLiteral("ft");
    case LengthUnit::Metres:
        return QStringLiteral("m");
    case LengthUnit::Millimetres:
        return QStringLiteral("mm");
    }
    return QString();
}

QString closureText(const LayoutAnalysis::Closure &aClosure, LengthUnit aUnit)
{
    if (aClosure.mEmpty)
        return QString();
    if (aClosure.mClosed)
        return QStringLiteral("closed");
    return QStringLiteral("%1, %2%3")
        .arg(lengthText(aClosure.mGapMm, aUnit))
        .arg(std::abs(aClosure.mAngleDeg), 0, 'f', 1)
        .arg(QChar(0x00B0));
}

QString balanceText(const LayoutAnalysis::LaneBalance &aBalance, LengthUnit aUnit)
{
    const double apart = std::abs(aBalance.mLane1Mm - aBalance.mLane2Mm);
    if (apart < LayoutAnalysis::kEvenLanesMm)
        return QStringLiteral("even");
    QString text = lengthText(apart, aUnit) + QStringLiteral(" apart");
    if (aBalance.mSwapIndex >= 0)
        text += QStringLiteral(", R3609 for piece %1: %2 / %3")
                    .arg(aBalance.mSwapIndex + 1)
                    .arg(formatLength(aBalance.mSwapLane1Mm, aUnit),
                         formatLength(aBalance.mSwapLane2Mm, aUnit));
    return text;
}

QPolygonF openEndArrow(const LayoutRecord &aRecord, double aTrackWidthMm)
{
    const LayoutAnalysis::Closure closure = LayoutAnalysis::closure(aRecord);
    if (closure.mEmpty || closure.mClosed)
        return QPolygonF();
    // The chain's end point is the corner of the next piece on its lower
    // side; the centre line runs half a track width to the upper side.
    const double shaft = kShaftLengthMm;
    const double tip = kShaftLengthMm + kHeadLengthMm;
    const QPolygonF arrow({QPointF(0.0, -kShaftHalfWidthMm), QPointF(shaft, -kShaftHalfWidthMm),
                           QPointF(shaft, -kHeadHalfWidthMm), QPointF(tip, 0.0),
                           QPointF(shaft, kHeadHalfWidthMm), QPointF(shaft, kShaftHalfWidthMm),
                           QPointF(0.0, kShaftHalfWidthMm)});
    QTransform place;
    place.translate(aRecord.mForwardPt.x(), aRecord.mForwardPt.y());
    place.rotate(aRecord.mForwardAngle);
    place.scale(PieceKinds::kDrawScale, PieceKinds::kDrawScale);
    place.translate(0.0, -aTrackWidthMm / 2.0);
    return place.map(arrow);
}

} // namespace LayoutChecks
