#include "LaneLength.h"

#include "catalog/RevellTrack.h"
#include "layout/LayoutRecord.h"

namespace {

// Adds one strip's lane lengths to aNear (the lane on the right/lower side at
// the start) and aFar. A lane-swap piece carries each lane over to the other
// side, so every piece after an odd number of swaps counts exchanged.
void sumStrip(const LayoutRecord &aRecord, const RevellTrack &aCatalog, double &aNear, double &aFar,
              QStringList &aUnknown)
{
    bool swapped = false;
    for (const PlacedPiece &entry : aRecord.mPieces) {
        // The reader keeps part numbers the catalog does not know, with index -1;
        // an index beyond the catalog is treated the same rather than trusted.
        if (!aCatalog.isValidIndex(entry.mDbIndex)) {
            aUnknown.append(entry.mPartNumber);
            continue;
        }
        const TrackPiece &piece = aCatalog.piece(entry.mDbIndex);
        if (swapped) {
            aNear += piece.mLane2Length;
            aFar += piece.mLane1Length;
        } else {
            aNear += piece.mLane1Length;
            aFar += piece.mLane2Length;
        }
        if (piece.mLaneSwap)
            swapped = !swapped;
    }
}

} // namespace

QStringList calcLaneLengths(LayoutRecord &aA, const LayoutRecord &aB, const RevellTrack &aCatalog)
{
    QStringList unknown;
    aA.mLaneLength = {{0.0, 0.0, 0.0, 0.0}};
    sumStrip(aA, aCatalog, aA.mLaneLength[0], aA.mLaneLength[1], unknown);
    if (aA.mLanes == 4)
        sumStrip(aB, aCatalog, aA.mLaneLength[2], aA.mLaneLength[3], unknown);
    return unknown;
}

double toLengthUnit(double aMillimetres, LengthUnit aUnit)
{
    switch (aUnit) {
    case LengthUnit::Feet:
        return aMillimetres / 304.8;
    case LengthUnit::Metres:
        return aMillimetres * 0.001;
    case LengthUnit::Millimetres:
        break;
    }
    return aMillimetres;
}

QString formatLength(double aMillimetres, LengthUnit aUnit)
{
    return QString::number(toLengthUnit(aMillimetres, aUnit), 'f', 2);
}

QSizeF layoutSizeMm(const QRectF &aBoundingRect, double aScale)
{
    if (!(aScale > 0.0))
        return QSizeF(0.0, 0.0);
    const QRectF rect = aBoundingRect.normalized();
    return QSizeF(rect.width() / aScale, rect.height() / aScale);
}
