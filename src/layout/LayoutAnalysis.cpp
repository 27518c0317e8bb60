#include "LayoutAnalysis.h"

#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "graphics/PieceKinds.h"
#include "graphics/PieceShapes.h"
#include "layout/LayoutRecord.h"

#include <QHash>
#include <QVector>
#include <QPainterPath>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <array>
#include <vector>
#include <cmath>
#include <tuple>

namespace LayoutAnalysis {

namespace {

constexpr double k = PieceKinds::kDrawScale;

double areaOf(const QPolygonF &aPolygon)
{
    double twice = 0.0;
    for (int i = 0; i < aPolygon.size(); ++i) {
        const QPointF &a = aPolygon.at(i);
        const QPointF &b = aPolygon.at((i + 1) % aPolygon.size());
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return std::abs(twice) / 2.0;
}

// A piece as the overlap test first sees it: where it lies, roughly, and on
// which level. Kept small, so that a large layout's pieces stay close in
// memory while the grid is searched; the exact outline is made only for the
// few pieces that come near another.
struct Footprint
{
    PieceRef mRef;
    double mLevel = 0.0;
    QRectF mBounds; // holds the piece and its attachments
};

// The outlines of the catalog's kinds, computed once per analysis.
class Outlines
{
public:
    explicit Outlines(const RevellTrack &aCatalog) : mCatalog(aCatalog) {}
    const QPolygonF &of(int aType)
    {
        QPolygonF &polygon = mPolygons[aType];
        if (!mReady[aType]) {
            polygon =
                pieceOutline(DiagramTypeBase::DiagramType(aType), &mCatalog, QString()).mPolygon;
            mBounds[aType] = polygon.boundingRect();
            mReady[aType] = true;
        }
        return polygon;
    }
    const QRectF &boundsOf(int aType)
    {
        of(aType);
        return mBounds[aType];
    }

private:
    const RevellTrack &mCatalog;
    std::array<QPolygonF, DiagramTypeBase::R9999> mPolygons;
    std::array<QRectF, DiagramTypeBase::R9999> mBounds;
    std::array<bool, DiagramTypeBase::R9999> mReady{};
};

QTransform placement(const PlacedPiece &aEntry)
{
    QTransform place;
    place.translate(aEntry.mOrigin.x(), aEntry.mOrigin.y());
    place.rotate(aEntry.mAngle);
    return place;
}

// The attachment kinds an entry carries that can be drawn.
template <class Visit> void forEachAttachment(const PlacedPiece &aEntry, Visit aVisit)
{
    for (const AttachmentEntry &attachment : aEntry.mAttachments) {
        const int type = diagramTypeOf(attachment.mName);
        if (PieceKinds::isAttachment(type))
            aVisit(type);
    }
}

void addFootprints(const LayoutRecord &aRecord, int aPair, Outlines &aOutlines,
                   std::vector<Footprint> &aOut)
{
    for (int i = 0; i < aRecord.mPieces.size(); ++i) {
        const PlacedPiece &entry = aRecord.mPieces.at(i);
        if (!PieceKinds::isTrackPiece(entry.mItemType) || entry.mDbIndex < 0)
            continue;
        const QTransform place = placement(entry);
        QRectF bounds = place.mapRect(aOutlines.boundsOf(entry.mItemType));
        forEachAttachment(entry, [&](int aType) {
            bounds |= place.mapRect(aOutlines.boundsOf(aType));
        });
        aOut.push_back(Footprint{{aPair, i}, entry.mLevel, bounds});
    }
}

// The exact outline of a piece with its attachments, in scene units.
QPainterPath outlineOf(const PlacedPiece &aEntry, Outlines &aOutlines)
{
    const QTransform place = placement(aEntry);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addPolygon(place.map(aOutlines.of(aEntry.mItemType)));
    forEachAttachment(aEntry, [&](int aType) { path.addPolygon(place.map(aOutlines.of(aType))); });
    return path;
}

// Neighbours in a chain share their joint; so do the last and first pieces
// of a chain that closes.
bool neighbours(const Footprint &aFirst, const Footprint &aSecond, const std::array<int, 2> &aCount,
                const std::array<bool, 2> &aClosed)
{
    if (aFirst.mRef.mPair != aSecond.mRef.mPair)
        return false;
    const int pair = aFirst.mRef.mPair;
    const int gap = std::abs(aFirst.mRef.mIndex - aSecond.mRef.mIndex);
    return gap == 1 || (aClosed[pair] && gap == aCount[pair] - 1);
}

// A footprint in one cell of the overlap test's grid.
struct Placed
{
    int mX;
    int mY;
    int mFootprint;
};

// The overlap test runs after every edit. Its lists keep their room from one
// run to the next: a large layout's lists are large, and memory the system
// hands out afresh costs more to touch than the test costs to run.
struct Scratch
{
    std::vector<Footprint> mFootprints;
    std::vector<QPoint> mFirstCell;
    std::vector<Placed> mPlaced;
};

Scratch &scratchSpace()
{
    static Scratch scratch;
    return scratch;
}

double perimeterOf(const QPolygonF &aPolygon)
{
    double length = 0.0;
    for (int i = 0; i < aPolygon.size(); ++i)
        length += QLineF(aPolygon.at(i), aPolygon.at((i + 1) % aPolygon.size())).length();
    return length;
}

// Twice the area over the perimeter is the width of a long thin overlap
// (and half the side of a square one).
bool collide(const QPainterPath &aFirst, const QPainterPath &aSecond)
{
    double area = 0.0;
    double perimeter = 0.0;
    for (const QPolygonF &part : aFirst.intersected(aSecond).toSubpathPolygons()) {
        area += areaOf(part);
        perimeter += perimeterOf(part);
    }
    area /= k * k;
    perimeter /= k;
    return area > kOverlapAreaMm2 && 2.0 * area > kSliverWidthMm * perimeter;
}

// The piece's own contributions to its strip's near and far lanes, as the
// chain's parity leaves them before it.
struct LaneShare
{
    double mNear = 0.0;
    double mFar = 0.0;
};

} // namespace

Closure closure(const LayoutRecord &aRecord)
{
    Closure result;
    if (aRecord.mPieces.isEmpty())
        return result;
    result.mEmpty = false;
    result.mGapMm = QLineF(aRecord.mForwardPt, aRecord.mFirstPt).length() / k;
    // The first piece is always laid at angle 0.
    double angle = std::fmod(aRecord.mForwardAngle, 360.0);
    if (angle > 180.0)
        angle -= 360.0;
    else if (angle <= -180.0)
        angle += 360.0;
    result.mAngleDeg = angle;
    result.mClosed = result.mGapMm <= kClosedGapMm && std::abs(angle) <= kClosedAngleDeg;
    return result;
}

QList<Overlap> findOverlaps(const LayoutRecord &aA, const LayoutRecord &aB,
                            const RevellTrack &aCatalog)
{
    Outlines outlines(aCatalog);
    Scratch &scratch = scratchSpace();
    std::vector<Footprint> &footprints = scratch.mFootprints;
    footprints.clear();
    addFootprints(aA, 0, outlines, footprints);
    const bool fourLanes = aA.mLanes == 4;
    if (fourLanes)
        addFootprints(aB, 1, outlines, footprints);
    const std::array<int, 2> count{{int(aA.mPieces.size()), int(aB.mPieces.size())}};
    const std::array<bool, 2> closed{{closure(aA).mClosed, fourLanes && closure(aB).mClosed}};

    // A grid of cells a little larger than the largest piece: each
    // footprint lies in a few cells, and only footprints that share one are
    // compared, each pair once, in the first cell both lie in. The cells are
    // a sorted list rather than a table of lists, which keeps a large layout
    // in a few runs through memory.
    const double cell = 600.0 * k;
    std::vector<QPoint> &firstCell = scratch.mFirstCell;
    std::vector<Placed> &placed = scratch.mPlaced;
    firstCell.assign(footprints.size(), QPoint());
    placed.clear();
    for (std::size_t n = 0; n < footprints.size(); ++n) {
        const QRectF &bounds = footprints.at(n).mBounds;
        const int x0 = int(std::floor(bounds.left() / cell));
        const int x1 = int(std::floor(bounds.right() / cell));
        const int y0 = int(std::floor(bounds.top() / cell));
        const int y1 = int(std::floor(bounds.bottom() / cell));
        firstCell[n] = QPoint(x0, y0);
        for (int x = x0; x <= x1; ++x) {
            for (int y = y0; y <= y1; ++y)
                placed.push_back(Placed{x, y, int(n)});
        }
    }
    std::sort(placed.begin(), placed.end(), [](const Placed &aL, const Placed &aR) {
        return std::tie(aL.mX, aL.mY, aL.mFootprint) < std::tie(aR.mX, aR.mY, aR.mFootprint);
    });
    const LayoutRecord *records[] = {&aA, &aB};
    QHash<quint64, QPainterPath> exact;
    const auto outline = [&](const PieceRef &aRef) -> const QPainterPath & {
        const quint64 key = (quint64(aRef.mPair) << 32) | quint32(aRef.mIndex);
        auto found = exact.find(key);
        if (found == exact.end())
            found = exact.insert(key, outlineOf(records[aRef.mPair]->mPieces.at(aRef.mIndex),
                                                    outlines));
        return found.value();
    };
    QList<Overlap> overlaps;
    for (std::size_t start = 0; start < placed.size();) {
        std::size_t end = start + 1;
        while (end < placed.size() && placed.at(end).mX == placed.at(start).mX &&
               placed.at(end).mY == placed.at(start).mY)
            ++end;
        const QPoint here(placed.at(start).mX, placed.at(start).mY);
        for (std::size_t i = start; i < end; ++i) {
            const Footprint &first = footprints.at(placed.at(i).mFootprint);
            const QPoint &firstFrom = firstCell.at(placed.at(i).mFootprint);
            for (std::size_t j = i + 1; j < end; ++j) {
                const Footprint &second = footprints.at(placed.at(j).mFootprint);
                const QPoint &secondFrom = firstCell.at(placed.at(j).mFootprint);
                if (QPoint(std::max(firstFrom.x(), secondFrom.x()),
                           std::max(firstFrom.y(), secondFrom.y())) != here ||
                    first.mLevel != second.mLevel || !first.mBounds.intersects(second.mBounds) ||
                    neighbours(first, second, count, closed))
                    continue;
                if (collide(outline(first.mRef), outline(second.mRef)))
                    overlaps.append(Overlap{first.mRef, second.mRef});
            }
        }
        start = end;
    }
    std::sort(overlaps.begin(), overlaps.end(), [](const Overlap &aL, const Overlap &aR) {
        return std::make_tuple(aL.mFirst.mPair, aL.mFirst.mIndex, aL.mSecond.mPair,
                               aL.mSecond.mIndex) < std::make_tuple(aR.mFirst.mPair,
                                                                    aR.mFirst.mIndex,
                                                                    aR.mSecond.mPair,
                                                                    aR.mSecond.mIndex);
    });
    return overlaps;
}

LaneBalance laneBalance(const LayoutRecord &aRecord, const RevellTrack &aCatalog)
{
    // Each piece's share of the near lane (lane 1 at the start) and the far
    // lane, with the parity the chain has at it.
    QList<LaneShare> shares;
    shares.reserve(aRecord.mPieces.size());
    LaneBalance result;
    bool swapped = false;
    for (const PlacedPiece &entry : aRecord.mPieces) {
        LaneShare share;
        if (aCatalog.isValidIndex(entry.mDbIndex)) {
            const TrackPiece &piece = aCatalog.piece(entry.mDbIndex);
            share = swapped ? LaneShare{piece.mLane2Length, piece.mLane1Length}
                            : LaneShare{piece.mLane1Length, piece.mLane2Length};
            if (piece.mLaneSwap)
                swapped = !swapped;
        }
        result.mLane1Mm += share.mNear;
        result.mLane2Mm += share.mFar;
        shares.append(share);
    }
    double difference = std::abs(result.mLane1Mm - result.mLane2Mm);
    if (difference < kEvenLanesMm)
        return result;

    // A swap at k exchanges the lanes of every piece after it; with the sums
    // before k known, each candidate costs nothing more.
    const int swapIndex = aCatalog.findIndex(QStringLiteral("R3609"));
    if (swapIndex < 0)
        return result;
    const TrackPiece &swap = aCatalog.piece(swapIndex);
    LaneShare before;
    for (int i = 0; i < shares.size(); ++i) {
        const PlacedPiece &entry = aRecord.mPieces.at(i);
        if (entry.mItemType == DiagramTypeBase::R3600) {
            const double after1 = result.mLane1Mm - before.mNear - shares.at(i).mNear;
            const double after2 = result.mLane2Mm - before.mFar - shares.at(i).mFar;
            const double lane1 = before.mNear + swap.mLane1Length + after2;
            const double lane2 = before.mFar + swap.mLane2Length + after1;
            if (std::abs(lane1 - lane2) < difference - kEvenLanesMm) {
                difference = std::abs(lane1 - lane2);
                result.mSwapIndex = i;
                result.mSwapLane1Mm = lane1;
                result.mSwapLane2Mm = lane2;
            }
        }
        before.mNear += shares.at(i).mNear;
        before.mFar += shares.at(i).mFar;
    }
    return result;
}

} // namespace LayoutAnalysis
