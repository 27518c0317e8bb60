#pragma once

#include <functional>

class RevellTrack;
struct LayoutRecord;

// The layout checks on layouts of 1,000 to 16,000 pieces: "overlap n=<N>
// us_per_piece=<x>", the closure and balance lines. aWanted says whether a
// named measurement is to run.
void benchAnalysis(const RevellTrack &aCatalog, const std::function<bool(const char *)> &aWanted);

// A large layout of aCount pieces without collisions, laid by the core.
LayoutRecord meander(const RevellTrack &aCatalog, int aCount);
