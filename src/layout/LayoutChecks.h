#pragma once

#include "catalog/LaneLength.h"
#include "layout/LayoutAnalysis.h"

#include <QPolygonF>
#include <QString>

struct LayoutRecord;

// How a layout tab words and draws what LayoutAnalysis finds: the closure
// gap, the lane balance hint, and the arrow that marks a chain's open end.
namespace LayoutChecks {

// The unit's short name as the tab's titles show it: "ft", "m" or "mm".
QString unitName(LengthUnit aUnit);

// Empty for a chain without pieces, "closed" for one that closes, else the
// gap in aUnit and the angle between the end's direction and the start's,
// one decimal: "0.58 ft, 60.0°".
QString closureText(const LayoutAnalysis::Closure &aClosure, LengthUnit aUnit);

// "even" for even lanes; else how far apart they are, and, when one lane
// swap does better, which piece (counted from 1) to replace with it and the
// lanes that gives: "1.87 ft apart, R3609 for piece 5: 7.56 / 7.56".
QString balanceText(const LayoutAnalysis::LaneBalance &aBalance, LengthUnit aUnit);

// The arrow at the open end of aRecord's chain, in scene units: it starts on
// the track's centre line where the last piece ends and points the way the
// next piece would go. Empty for a chain without pieces or one that closes.
QPolygonF openEndArrow(const LayoutRecord &aRecord, double aTrackWidthMm);

} // namespace LayoutChecks
