#pragma once

#include <QList>

class RevellTrack;
struct LayoutRecord;

// What a layout's chain tells about itself beyond its lane lengths: whether
// the circuit closes, which pieces collide, and where one lane swap would even
// the lanes. Functions over records and the catalog's geometry, linear or
// near-linear in the size of the layout, used by the tabs and the report tool.
namespace LayoutAnalysis {

// How far the end of a chain is from its start.
struct Closure
{
    bool mEmpty = true;   // no pieces: nothing to close
    bool mClosed = false; // within kClosedGapMm and kClosedAngleDeg
    double mGapMm = 0.0;  // distance from the end of the last piece to the first point
    double mAngleDeg = 0.0; // the end's direction against the start's, -180 to 180
};

// A chain closes when its end meets its start to within these.
constexpr double kClosedGapMm = 1.0;
constexpr double kClosedAngleDeg = 0.5;

// The closure of aRecord's chain as its last replay left it.
Closure closure(const LayoutRecord &aRecord);

// One piece of a layout: its lane pair (0: record A, 1: record B) and its
// place in that record's list.
struct PieceRef
{
    int mPair = 0;
    int mIndex = -1;
    bool operator==(const PieceRef &aOther) const
    {
        return mPair == aOther.mPair && mIndex == aOther.mIndex;
    }
};

// Two pieces whose outlines (with their attachments) overlap.
struct Overlap
{
    PieceRef mFirst;
    PieceRef mSecond;
};

// Outlines may share an edge or overlap by rounding; more than this is a collision.
constexpr double kOverlapAreaMm2 = 1.0;
// Pieces that meet along a whole edge (the two strips of a four-lane
// layout) overlap by a fraction of a millimetre over a long run, more than
// kOverlapAreaMm2 in all; an overlap no wider than this is such a sliver.
constexpr double kSliverWidthMm = 1.0;

// The pairs of pieces of a layout (record A, and record B when A has four
// lanes) that lie on the same level and whose outlines, each with its own
// attachments, overlap by more than kOverlapAreaMm2 and wider than a sliver
// (kSliverWidthMm). Neighbours in a chain touch by design and are not
// compared; pieces on different levels cross freely, as a bridge does.
// Near-linear: pieces are sorted into a grid and only pieces sharing a cell
// are compared. Pairs come in order, first element before second.
QList<Overlap> findOverlaps(const LayoutRecord &aA, const LayoutRecord &aB,
                            const RevellTrack &aCatalog);

// Where a lane swap would even one strip's lanes.
struct LaneBalance
{
    double mLane1Mm = 0.0;    // the strip's lanes as they are
    double mLane2Mm = 0.0;
    int mSwapIndex = -1;      // the straight to replace with a lane swap; -1 for no hint
    double mSwapLane1Mm = 0.0; // the lanes after that replacement
    double mSwapLane2Mm = 0.0;
};

// Lanes closer than this count as even.
constexpr double kEvenLanesMm = 0.005;

// The lanes of aRecord's strip and, when they are not even, the 12 inch
// straight whose replacement by the lane swap (same length and geometry)
// brings them closest, if any does better than now.
LaneBalance laneBalance(const LayoutRecord &aRecord, const RevellTrack &aCatalog);

} // namespace LayoutAnalysis
