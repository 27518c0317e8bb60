#include "BenchAnalysis.h"
#include "BenchSupport.h"

#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "layout/Chaining.h"
#include "layout/LayoutAnalysis.h"
#include "layout/LayoutRecord.h"

#include <QVector>

#include <algorithm>
#include <cstdio>
#include <limits>

using D = DiagramTypeBase;

// A large layout without collisions: rows of straights, a lane change and
// a chicane, joined by a 14 inch U-turn at one end and another at the other,
// meandering on like the longest club tracks do. Every row runs beside the
// one before it, so each piece has close neighbours to be compared with.
LayoutRecord meander(const RevellTrack &aCatalog, int aCount)
{
    static const D::DiagramType kPair[] = {
        D::R3600,   D::R3600,   D::R3609,   D::R3600,   D::R3608,   D::R3600,   D::R3620,
        D::R3600,   D::R3601_R, D::R3601_R, D::R3601_R, D::R3600,   D::R3600,   D::R3609,
        D::R3600,   D::R3608,   D::R3600,   D::R3620,   D::R3600,   D::R3601_L, D::R3601_L,
        D::R3601_L,
    };
    constexpr int kKinds = sizeof(kPair) / sizeof(kPair[0]);
    LayoutRecord record;
    for (int i = 0; i < aCount; ++i)
        Chaining::layNext(record, aCatalog, kPair[i % kKinds], QPointF(2500, 2500), 0.25, true);
    return record;
}

void benchAnalysis(const RevellTrack &aCatalog, const std::function<bool(const char *)> &aWanted)
{
    for (int n : {1000, 4000, 16000}) {
        if (!aWanted("overlap"))
            break;
        const LayoutRecord record = meander(aCatalog, n);
        double best = std::numeric_limits<double>::max();
        int found = 0;
        for (int repetition = 0; repetition < 7; ++repetition) {
            const qint64 start = cpuNow();
            found = LayoutAnalysis::findOverlaps(record, LayoutRecord(), aCatalog).size();
            best = std::min(best, double(cpuNow() - start) / 1000.0 / n);
        }
        std::printf("overlap n=%d us_per_piece=%.3f overlaps=%d\n", n, best, found);
        std::fflush(stdout);
    }
}
