#include "SampleLayouts.h"

#include "catalog/LaneLength.h"
#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "layout/BankedTurn.h"
#include "layout/AttachmentRules.h"
#include "layout/DiagramScene.h"
#include "layout/Elevation.h"
#include "layout/LayoutRecord.h"
#include "layout/TrackPlanFile.h"

#include <QDir>
#include <QLineF>

#include <cmath>

namespace {

using D = DiagramTypeBase;

QList<int> repeated(int aType, int aCount)
{
    QList<int> types;
    for (int i = 0; i < aCount; ++i)
        types << aType;
    return types;
}

// Half of the grand circuit: a long straight, a sweeping 21 inch right-hander
// into a short chute, a 14 inch hairpin and a 21 inch left flick onto the
// next straight. It turns 180 degrees, so laying it twice returns to the
// start whatever its pieces measure.
QList<int> grandCircuitHalf()
{
    return QList<int>{D::R3600, D::R3600, D::R3620}
           << repeated(D::R3610_R, 3) << QList<int>{D::R3620, D::R3620} << repeated(D::R3601_R, 2)
           << QList<int>{D::R3610_L, D::R3600};
}

// Each sample's first point puts the middle of its drawing at the middle of
// the 5000 x 5000 scene, where a new layout starts.
QList<SampleEntry> makeSampleList()
{
    QList<SampleEntry> samples;

    // The first circuit of a starter set: a terminal in the top straight, a
    // plain straight run back and a 14 inch half circle at each end.
    samples << SampleEntry{QStringLiteral("Oval with terminal"),
                           QStringLiteral("oval-terminal.txt"),
                           QPointF(2404, 2463),
                           2,
                           QList<int>{D::R3602_L, D::R3600, D::R3600} << repeated(D::R3601_R, 3)
                                                                      << repeated(D::R3600, 3)
                                                                      << repeated(D::R3601_R, 3),
                           {},
                           {},
                           {}};

    // Two 240 degree loops, one to the right and one to the left, joined by
    // two runs of three straights that cross in the middle of the eight:
    // three straights are the length that closes two 14 inch loops (to half
    // a millimetre). The lane swap opens the first run, before both loops,
    // so each lane runs the inside of one loop and the outside of the other.
    // The second run crosses the first on a bridge: its straights at 0.75,
    // the curves either side of it half way up.
    samples << SampleEntry{QStringLiteral("Figure eight with lane swap"),
                           QStringLiteral("figure-eight.txt"),
                           QPointF(2404, 2519),
                           2,
                           QList<int>{D::R3609, D::R3600, D::R3600} << repeated(D::R3601_R, 4)
                                                                    << repeated(D::R3600, 3)
                                                                    << repeated(D::R3601_L, 4),
                           {},
                           {{6, 0.5}, {7, 0.75}, {8, 0.75}, {9, 0.75}, {10, 0.5}},
                           {}};

    samples << SampleEntry{QStringLiteral("Grand circuit"),
                           QStringLiteral("grand-circuit.txt"),
                           QPointF(2470, 2422),
                           2,
                           grandCircuitHalf() << grandCircuitHalf(),
                           {},
                           {},
                           {}};

    // Record A takes the 14 inch curves inside, record B the 21 inch ones
    // outside, two for each of A's.
    samples << SampleEntry{QStringLiteral("Four-lane oval"),
                           QStringLiteral("four-lane-oval.txt"),
                           QPointF(2372, 2463),
                           4,
                           repeated(D::R3600R3600, 4)
                               << repeated(D::R3601R3610_R, 3) << repeated(D::R3600R3600, 4)
                               << repeated(D::R3601R3610_R, 3),
                           {},
                           {},
                           {}};

    // A figure eight whose right loop is a banked turn of 240 degrees with
    // its crash fences, and whose left loop is of 21 inch curves. Five
    // straight lengths on each leg close two 21 inch loops (to 0.6 mm); the
    // transitions are the fifth lengths. The leg out of the banked turn
    // climbs over the first leg on a bridge of two straights.
    SampleEntry banked{QStringLiteral("Banked figure eight with bridge"),
                       QStringLiteral("banked-bridge.txt"),
                       QPointF(2334, 2513),
                       2,
                       repeated(D::R3600, 4)
                           << D::F8514L_R << repeated(D::F8517_R, 8) << D::F8519R_R
                           << repeated(D::R3600, 4) << repeated(D::R3610_L, 8),
                       {4},
                       {{13, 0.5}, {14, 0.75}, {15, 0.75}, {16, 0.5}},
                       {}};
    samples << banked;

    // The terminal oval dressed for a race day: straight aprons outside the
    // straights, spin-out aprons and fences round the outside of the turns,
    // spin-in and transition aprons inside them. One end turns in two half
    // curves, the terminal's straight ends in two half straights.
    SampleEntry dressed{QStringLiteral("Oval with aprons and fences"),
                        QStringLiteral("aprons-and-fences.txt"),
                        QPointF(2404, 2463),
                        2,
                        QList<int>{D::R3602_L, D::R3600, D::R3620, D::R3620, D::R3601_R, D::R3621_R,
                                   D::R3621_R, D::R3601_R}
                            << repeated(D::R3600, 3) << repeated(D::R3601_R, 3),
                        {},
                        {},
                        {}};
    // The kinds the toolbox offers: curve attachments without their hand,
    // which each takes from its curve.
    dressed.mAttachments = {
        {0, D::R3603L_FL}, {0, D::R3603R_BL}, {1, D::R3614_U},  {1, D::R3614_L},
        {2, D::R3620a_U},  {3, D::R3620a_U},  {4, D::R3605},    {4, D::R3615R_R},
        {5, D::R3621o},    {6, D::R3621o},    {7, D::R3617g},   {7, D::R3615L_R},
        {8, D::R3614_U},   {9, D::R3628o_Us}, {10, D::R3614_L}, {10, D::R3628o_Us},
        {11, D::R3612},    {12, D::R3628o14}, {13, D::R3617w}};
    samples << dressed;
    return samples;
}

LayoutRecord freshRecord(const SampleEntry &aSpec, const RevellTrack &aCatalog, bool aSecondPair)
{
    LayoutRecord record;
    record.mName = aSpec.mName;
    record.mLanes = aSpec.mLanes;
    record.mBaseWidth = aCatalog.width;
    record.mReversePt = QPointF(LayoutRecord::kStart, aCatalog.width);
    record.mFirstPair = !aSecondPair;
    record.mSecondPair = aSecondPair;
    return record;
}

bool checkClosed(const LayoutRecord &aRecord, const QString &aWhich, QString *aError)
{
    const double gap = closureGap(aRecord);
    if (gap > kClosureTolerance) {
        *aError =
            QStringLiteral("%1 ends %2 units from its first point").arg(aWhich).arg(gap, 0, 'f', 2);
        return false;
    }
    if (std::abs(aRecord.mForwardAngle) > 1e-9) {
        *aError = QStringLiteral("%1 ends at angle %2, not 0")
                      .arg(aWhich)
                      .arg(aRecord.mForwardAngle, 0, 'f', 2);
        return false;
    }
    return true;
}

// Puts the sample's attachments on record A as a click in attach mode would,
// refusing one that does not fit its piece or that the piece already carries.
bool attachAll(const SampleEntry &aSpec, const RevellTrack &aCatalog, DiagramScene &aScene,
               LayoutRecord &aA, QString *aError)
{
    for (const QPair<int, int> &attachment : aSpec.mAttachments) {
        const AttachmentRules::ClickOutcome outcome =
            AttachmentRules::decideClick(aA, aCatalog, attachment.second, attachment.first);
        const DiagramItem *item =
            (outcome.mResult == AttachmentRules::ClickOutcome::Attach && !outcome.mSubstituted)
                ? aScene.attachPiece(attachment.second, attachment.first, false)
                : nullptr;
        if (!item) {
            *aError = QStringLiteral("attachment type %1 does not go on piece %2")
                          .arg(attachment.second)
                          .arg(attachment.first);
            return false;
        }
        AttachmentRules::recordAttachment(aA, item->mIndex, item->mPartNumber, item->mDbIndex,
                                          item->mDiagramType);
    }
    return true;
}

bool layPieces(const SampleEntry &aSpec, DiagramScene &aScene, QString *aError)
{
    for (int type : aSpec.mTypes) {
        const bool laid = (aSpec.mLanes == 4)
                              ? aScene.appendFourLanePiece(type, aSpec.mFirstPt)
                              : aScene.appendTrackPiece(true, type, aSpec.mFirstPt, aScene.mElev,
                                                        false) != nullptr;
        if (!laid) {
            *aError = QStringLiteral("piece type %1 could not be laid").arg(type);
            return false;
        }
    }
    return true;
}

} // namespace

const QList<SampleEntry> &sampleList()
{
    static const QList<SampleEntry> samples = makeSampleList();
    return samples;
}

double closureGap(const LayoutRecord &aRecord)
{
    return QLineF(aRecord.mForwardPt, aRecord.mFirstPt).length();
}

bool buildSample(const SampleEntry &aSpec, const RevellTrack &aCatalog, LayoutRecord &aA,
                 LayoutRecord &aB, QString *aError)
{
    aA = freshRecord(aSpec, aCatalog, false);
    aB = freshRecord(aSpec, aCatalog, true);
    {
        // The scene only lays the chain; its items go with it.
        DiagramScene scene(nullptr, &aCatalog, &aA, &aB, nullptr, nullptr, nullptr);
        if (!layPieces(aSpec, scene, aError) || !attachAll(aSpec, aCatalog, scene, aA, aError))
            return false;
    }
    if (!checkClosed(aA, QStringLiteral("record A"), aError))
        return false;
    if (aSpec.mLanes == 4 && !checkClosed(aB, QStringLiteral("record B"), aError))
        return false;

    for (int entry : aSpec.mFencedTurns) {
        const BankedTurn::Turn turn = BankedTurn::findTurn(aA, entry);
        if (!turn.mFound || turn.mStart != entry ||
            !BankedTurn::applyChange(aA, aCatalog, turn, {turn.mCurves, true, true})) {
            *aError = QStringLiteral("piece %1 is no banked turn's entry").arg(entry);
            return false;
        }
    }
    for (const QPair<int, double> &level : aSpec.mLevels) {
        if (!Elevation::setLevel(aA, level.first, level.second)) {
            *aError = QStringLiteral("there is no piece %1 to raise").arg(level.first);
            return false;
        }
    }

    calcLaneLengths(aA, aB, aCatalog);
    // Each section's "track lengths" are the lanes of its own strip.
    aB.mLaneLength[0] = aA.mLaneLength[2];
    aB.mLaneLength[1] = aA.mLaneLength[3];
    return true;
}

bool writeSample(const SampleEntry &aSpec, const RevellTrack &aCatalog, const QString &aDir,
                 QString *aError)
{
    LayoutRecord a;
    LayoutRecord b;
    if (!buildSample(aSpec, aCatalog, a, b, aError))
        return false;
    const QString path = QDir(aDir).filePath(aSpec.mFileName);
    if (!saveTrackPlanFile(path, a, b)) {
        *aError = QStringLiteral("could not write ") + path;
        return false;
    }
    return true;
}
