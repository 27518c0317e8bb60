#pragma once

#include <QString>

struct LayoutRecord;

// The height of a placed piece: a level from 0.0 (lowest) to 1.0 (highest)
// that decides which of two overlapping pieces is drawn on top. The Item
// menu offers five levels; the inverted view shows every level L as 1 - L.
namespace Elevation {

// The Item menu's levels 0 to 4.
constexpr int kLevelCount = 5;

// Level number aStep (0 to 4) as a height: 0.0, 0.25, 0.5, 0.75, 1.0. A
// number outside 0 to 4 is held to the nearest end.
double levelOf(int aStep);

// The level a piece is laid at, and kept at, by a replay: its own, or in the
// inverted view its complement, so that inverting twice restores it.
double replayedLevel(double aLevel, bool aInverted);

// Entry aIndex of aRecord lies at aLevel from now on. False, with nothing
// changed, when aIndex is outside the list.
bool setLevel(LayoutRecord &aRecord, int aIndex, double aLevel);

// The tool tip of a piece or attachment at aLevel, made from its tool tip at
// any level (or its bare part number): the first blank-separated word,
// " elev " and the level with two decimals ("R3600 elev 0.75").
QString toolTip(const QString &aToolTip, double aLevel);

} // namespace Elevation
