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
#include <limits>
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
        forEachAttachment(entry,
                          [&](int aType) { bounds |= place.mapRect(aOutlines.boundsOf(aType)); });
        aOut.push_back(Footprint{{aPair, i}, entry.mLevel, bounds});
    }
}

// The exact outline of a piece with its attachments, in scene units, with
// what the quick tests before the exact intersection need.
struct Outline
{
    QPainterPath mPath;
    QVector<QLineF> mEdges;  // of the piece and of each attachment
    double mPerimeter = 0.0; // their lengths together
    QVector<QPointF> mHull;  // the convex hull of it all, counter-clockwise
    QVector<QPointF> mInner; // points well inside the piece itself
};

// The convex hull by the monotone chain, counter-clockwise in a y-up frame.
QVector<QPointF> hullOf(QVector<QPointF> aPoints)
{
    std::sort(aPoints.begin(), aPoints.end(), [](const QPointF &aL, const QPointF &aR) {
        return std::make_pair(aL.x(), aL.y()) < std::make_pair(aR.x(), aR.y());
    });
    const auto turn = [](const QPointF &aO, const QPointF &aA, const QPointF &aB) {
        return (aA.x() - aO.x()) * (aB.y() - aO.y()) - (aA.y() - aO.y()) * (aB.x() - aO.x());
    };
    QVector<QPointF> hull(2 * aPoints.size());
    int size = 0;
    for (int i = 0; i < aPoints.size(); ++i) {
        while (size >= 2 && turn(hull[size - 2], hull[size - 1], aPoints[i]) <= 0)
            --size;
        hull[size++] = aPoints[i];
    }
    for (int i = aPoints.size() - 2, lower = size + 1; i >= 0; --i) {
        while (size >= lower && turn(hull[size - 2], hull[size - 1], aPoints[i]) <= 0)
            --size;
        hull[size++] = aPoints[i];
    }
    hull.resize(std::max(0, size - 1));
    return hull;
}

Outline outlineOf(const PlacedPiece &aEntry, Outlines &aOutlines)
{
    const QTransform place = placement(aEntry);
    Outline outline;
    outline.mPath.setFillRule(Qt::WindingFill);
    QVector<QPointF> corners;
    const auto add = [&](const QPolygonF &aPolygon) {
        outline.mPath.addPolygon(aPolygon);
        for (int i = 0; i < aPolygon.size(); ++i) {
            const QLineF edge(aPolygon.at(i), aPolygon.at((i + 1) % aPolygon.size()));
            outline.mEdges.append(edge);
            outline.mPerimeter += edge.length();
            corners.append(aPolygon.at(i));
        }
    };
    const QPolygonF piece = place.map(aOutlines.of(aEntry.mItemType));
    add(piece);
    forEachAttachment(aEntry, [&](int aType) { add(place.map(aOutlines.of(aType))); });
    outline.mHull = hullOf(corners);
    // The mean of the corners lies midway across a straight and between the
    // arcs of a curve, and so do the points halfway from it to four of the
    // corners; the quick test measures how deep they really lie.
    if (!piece.isEmpty()) {
        QPointF centre;
        for (const QPointF &corner : piece)
            centre += corner;
        centre /= piece.size();
        outline.mInner << centre;
        for (int i = 0; i < 4; ++i)
            outline.mInner << (centre + piece.at(i * piece.size() / 4)) / 2;
    }
    return outline;
}

// Whether a line along one hull's edge has the whole other hull beyond it.
bool separatedByAnEdgeOf(const QVector<QPointF> &aHull, const QVector<QPointF> &aOther)
{
    for (int i = 0; i < aHull.size(); ++i) {
        const QPointF a = aHull.at(i);
        const QPointF along = aHull.at((i + 1) % aHull.size()) - a;
        bool beyond = true;
        for (const QPointF &point : aOther) {
            const QPointF to = point - a;
            if (along.x() * to.y() - along.y() * to.x() > 0.0) { // on the hull's side
                beyond = false;
                break;
            }
        }
        if (beyond)
            return true;
    }
    return false;
}

double distanceToEdges(const QPointF &aPoint, const QVector<QLineF> &aEdges)
{
    double nearest = std::numeric_limits<double>::max();
    for (const QLineF &edge : aEdges) {
        const QPointF along = edge.p2() - edge.p1();
        const double squared = QPointF::dotProduct(along, along);
        double t = squared > 0.0 ? QPointF::dotProduct(aPoint - edge.p1(), along) / squared : 0.0;
        t = std::clamp(t, 0.0, 1.0);
        nearest = std::min(nearest, QLineF(aPoint, edge.p1() + t * along).length());
    }
    return nearest;
}

// Two pieces laid on top of each other are the common case in a crowded
// layout, and the exact intersection is costly. When a disc of radius r
// lies inside both outlines, the overlap holds its area, pi r^2, and its
// edge is no longer than the outlines' edges together, counted twice for
// the seams the intersection may leave between its parts: a disc large
// enough for both limits decides the pair without the intersection.
bool deepOverlap(const Outline &aFirst, const Outline &aSecond)
{
    const double perimeterMm = (aFirst.mPerimeter + aSecond.mPerimeter) / k;
    const double areaMm2 = std::max(kOverlapAreaMm2, kOverlapDepthMm * perimeterMm) * 1.01;
    const double radius = std::sqrt(areaMm2 / M_PI) * k;
    for (const QPointF &point : aFirst.mInner + aSecond.mInner) {
        if (aFirst.mPath.contains(point) && aSecond.mPath.contains(point) &&
            distanceToEdges(point, aFirst.mEdges) > radius &&
            distanceToEdges(point, aSecond.mEdges) > radius)
            return true;
    }
    return false;
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

bool collide(const Outline &aFirst, const Outline &aSecond)
{
    // Outlines whose hulls a line parts share nothing; most pieces whose
    // bounds meet are such pairs.
    if (separatedByAnEdgeOf(aFirst.mHull, aSecond.mHull) ||
        separatedByAnEdgeOf(aSecond.mHull, aFirst.mHull))
        return false;
    if (deepOverlap(aFirst, aSecond))
        return true;
    double area = 0.0;
    double perimeter = 0.0;
    for (const QPolygonF &part : aFirst.mPath.intersected(aSecond.mPath).toSubpathPolygons()) {
        area += areaOf(part);
        for (int i = 0; i < part.size(); ++i)
            perimeter += QLineF(part.at(i), part.at((i + 1) % part.size())).length();
    }
    return area / (k * k) > kOverlapAreaMm2 && 2.0 * area / perimeter / k > kOverlapDepthMm;
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
    QHash<quint64, Outline> exact;
    const auto outline = [&](const PieceRef &aRef) -> const Outline & {
        const quint64 key = (quint64(aRef.mPair) << 32) | quint32(aRef.mIndex);
        auto found = exact.find(key);
        if (found == exact.end())
            found = exact.insert(key,
                                 outlineOf(records[aRef.mPair]->mPieces.at(aRef.mIndex), outlines));
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
                               aL.mSecond.mIndex) <
               std::make_tuple(aR.mFirst.mPair, aR.mFirst.mIndex, aR.mSecond.mPair,
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
