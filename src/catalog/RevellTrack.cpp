#include "RevellTrack.h"

#include "common/LogFile.h"
#include "graphics/DiagramTypes.h"

#include <utility>

namespace {

// One catalog row. L, W, offsets and lane lengths in mm; radius in inches as
// Revell states it (the piece converts it).
struct EntryRow
{
    const char *partNumber;
    const char *inventoryPartNumber;
    const char *type;
    const char *direction;
    double length;
    double width;
    double curve; // degrees; the taper length in mm for straight transition aprons
    double radiusInches;
    double lane1Offset;
    double lane2Offset;
    double apronWidth;
    bool laneSwap;
    double lane1Length;
    double lane2Length;
    const char *description;
};

// What may sit beside (or, for the banked pieces, be joined to) one track
// piece. Each field is a blank-separated list of part numbers; the ordinary
// end connections come from TrackPiece::addStandardConnections instead.
struct ConnectionRow
{
    const char *partNumber;
    const char *list0a;
    const char *list0b;
    const char *list1a;
    const char *list1b;
    const char *list1c;
    const char *list2a;
    const char *list2b;
    const char *list2c;
};

// A full straight takes aprons, fences and transition aprons on both sides;
// the chicane and the lane swap have the same cross-section.
#define STRAIGHT_SIDES                                                                             \
    "R3603L_FL F7053L_FL", "R3603R_BL F7054R_BL", "R3614_L R3628o_Ls", "R3603R_FU F7054R_FU",      \
        "R3603L_BU F7053L_BU", "R3614_U R3628o_Us"

// clang-format off
const ConnectionRow kConnectionRows[] = {
//   part         0a                     0b                     1a                     1b                     1c                                                            2a                     2b                     2c
    {"R3600",     "",                    "",                    STRAIGHT_SIDES},
    {"R3601_R",   "",                    "",                    "",                    "",                    "R3612 R3612_R R3615R_R R3615L_R",                            "",                    "",                    "R3605 R3605_R R3617g_R R3617w_R R3617g R3617w R3628o14 R3628o_R14"},
    {"R3601_L",   "",                    "",                    "",                    "",                    "R3605 R3605_L R3617g_L R3617w_L R3617g R3617w R3628o14 R3628o_L14", "",             "",                    "R3612 R3612_L R3615R_L R3615L_L"},
    {"R3602_R",   "",                    "",                    "R3603L_FL",           "R3603R_BL",           "",                                                           "R3603R_FU F7054R_FU", "R3603L_BU F7053L_BU", "R3614_U R3628o_Us"},
    {"R3602_L",   "",                    "",                    "R3603L_FL F7053L_FL", "R3603R_BL F7054R_BL", "R3614_L R3628o_Ls",                                          "R3603R_FU",           "R3603L_BU",           ""},
    {"R3604_R",   "",                    "",                    "",                    "",                    "R3612 R3612_R R3615R_R R3615L_R",                            "",                    "",                    ""},
    {"R3604_L",   "",                    "",                    "",                    "",                    "",                                                           "",                    "",                    "R3612 R3612_L R3615R_L R3615L_L"},
    {"R3608",     "",                    "",                    STRAIGHT_SIDES},
    {"R3609",     "",                    "",                    STRAIGHT_SIDES},
    {"R3610_R",   "",                    "",                    "",                    "",                    "R3613 R3613_R R3616R_R R3616L_R",                            "",                    "",                    "R3611 R3611_R R3618g_R R3618w_R R3618g R3618w R3628o21 R3628o_R21"},
    {"R3610_L",   "",                    "",                    "",                    "",                    "R3611 R3611_L R3618g_L R3618w_L R3618g R3618w R3628o21 R3628o_L21", "",             "",                    "R3613 R3613_L R3616R_L R3616L_L"},
    {"R3620",     "",                    "",                    "",                    "",                    "R3620a_L",                                                   "",                    "",                    "R3620a_U"},
    {"R3620dc",   "",                    "",                    "",                    "",                    "R3620dca_L",                                                 "",                    "",                    "R3620dca_U"},
    {"R3621_R",   "",                    "",                    "",                    "",                    "R3621i",                                                     "",                    "",                    "R3621o"},
    {"R3621_L",   "",                    "",                    "",                    "",                    "R3621o",                                                     "",                    "",                    "R3621i"},
    {"R3627_R",   "",                    "",                    "",                    "",                    "",                                                           "R3603R_FU",           "R3603L_BU",           "R3614_U"},
    {"R3627_L",   "",                    "",                    "R3603L_FL",           "R3603R_BL",           "R3614_L",                                                    "",                    "",                    ""},
    {"F8519R_L",  "R3600 R3608 R3609",   "F8517_L",             "",                    "",                    "",                                                           "",                    "",                    ""},
    {"F8517_L",   "F8519R_L F8517_L",    "F8517_L F8514L_L",    "",                    "",                    "",                                                           "",                    "",                    ""},
    {"F8514L_L",  "F8517_L",             "R3600 R3608 R3609",   "",                    "",                    "",                                                           "",                    "",                    ""},
    {"F8514L_R",  "R3600 R3608 R3609",   "F8517_R",             "",                    "",                    "",                                                           "",                    "",                    ""},
    {"F8517_R",   "F8514L_R F8517_R",    "F8517_R F8519R_R",    "",                    "",                    "",                                                           "",                    "",                    ""},
    {"F8519R_R",  "F8517_R",             "R3600 R3608 R3609",   "",                    "",                    "",                                                           "",                    "",                    ""},
};
// clang-format on

#undef STRAIGHT_SIDES

// The ordinary track pieces, from R3600 to R3627_L, are the first entries;
// they join one another end to end.
constexpr int kOrdinaryTrackCount = 17;

void addConnections(TrackPiece &aPiece, const ConnectionRow &aRow)
{
    const std::pair<const char *, const char *> lists[] = {
        {"0a", aRow.list0a}, {"0b", aRow.list0b}, {"1a", aRow.list1a}, {"1b", aRow.list1b},
        {"1c", aRow.list1c}, {"2a", aRow.list2a}, {"2b", aRow.list2b}, {"2c", aRow.list2c}};
    for (const auto &list : lists) {
        const QStringList partNumbers =
            QString::fromLatin1(list.second).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &partNumber : partNumbers)
            aPiece.addConnection(partNumber, QLatin1String(list.first));
    }
}

const ConnectionRow *findConnectionRow(const QString &aPartNumber)
{
    for (const ConnectionRow &row : kConnectionRows) {
        if (aPartNumber == QLatin1String(row.partNumber))
            return &row;
    }
    return nullptr;
}

} // namespace

RevellTrack::RevellTrack()
{
    LogFile log;
    log.open("../logs/RevellTrackDB.log");

    length = 308.0;
    apron3 = 394.1;
    width2 = 356.0;
    track4 = 312.0;
    track3 = 222.0;
    apron2 = 216.1;
    width = 178.0;
    track2 = 134.0;
    track1 = 44.0;
    base = 0.0;
    apron1 = -38.1;

    mSystemName = QStringLiteral("Revell/Valtor");
    mTrackDB.clear();
    buildEntries();

    mNumEntries = mTrackDB.size();
    mNumInventoryItems = 0;
    for (int type = 0; type < DiagramTypeBase::R9999; ++type)
        mTypeIndex.append(findIndex(getPartNumber(DiagramTypeBase::DiagramType(type))));

    if (log.isOpen()) {
        writeLog(log);
        log.close();
    }
}

void RevellTrack::buildEntries()
{
    const double L = length;
    const double L2 = length / 2;
    const double L3 = length / 3;
    const double W = width;
    const double WB = width + 38.1 + 6; // banked fences: track, apron and a 6 mm gap
    const double T1 = track1;
    const double T2 = track2;
    const double Ap = 38.1;         // apron width
    const double Fe = 19.05;        // crash fence thickness
    const double RB = 577.5 / 25.4; // banked fence radius: 21 inches + apron + gap

    // clang-format off
    const EntryRow rows[] = {
//       part          inventory   type                   direction      L    W   curve radius lane1 lane2 Wa  swap   lane 1  lane 2  description
        {"R3600",      "R3600",    "straight",            "straight",    L,   W,  0,   0,  T1, T2, Ap, false, L,      L,      "12 inch straight"},
        {"R3601_R",    "R3601",    "curve",               "right",       L,   W,  60,  14, T1, T2, Ap, false, 231.08, 325.84, "14 inch radius curve, to right"},
        {"R3601_L",    "R3601",    "curve",               "left",        L,   W,  60,  14, T1, T2, Ap, false, 325.84, 231.08, "14 inch radius curve, to left"},
        {"R3602_R",    "R3602",    "terminal",            "lower",       L,   W,  0,   0,  T1, T2, Ap, false, L,      L,      "12 inch straight terminal, tab on right"},
        {"R3602_L",    "R3602",    "terminal",            "upper",       L,   W,  0,   0,  T1, T2, Ap, false, L,      L,      "12 inch straight terminal, tab on left"},
        {"R3604_R",    "R3604",    "curved terminal",     "right",       L,   W,  60,  14, T1, T2, Ap, false, 231.08, 325.84, "14 inch radius curved terminal, tab on right"},
        {"R3604_L",    "R3604",    "curved terminal",     "left",        L,   W,  60,  14, T1, T2, Ap, false, 325.84, 231.08, "14 inch radius curved terminal, tab on left"},
        {"R3608",      "R3608",    "chicane",             "straight",    L,   W,  0,   0,  T1, T2, Ap, false, 311,    311,    "12 inch straight chicane"},
        {"R3609",      "R3609",    "lane change",         "straight",    L,   W,  0,   0,  T1, T2, Ap, true,  324,    324,    "12 inch straight lane swap"},
        {"R3610_R",    "R3610",    "curve",               "right",       L,   W,  30,  21, T1, T2, Ap, false, 208.75, 255.32, "21 inch radius curve, to right"},
        {"R3610_L",    "R3610",    "curve",               "left",        L,   W,  30,  21, T1, T2, Ap, false, 255.32, 208.75, "21 inch radius curve, to left"},
        {"R3620",      "R3620",    "straight",            "straight",    L2,  W,  0,   0,  T1, T2, Ap, false, L2,     L2,     "6 inch (half) straight"},
        {"R3620dc",    "R3620dc",  "straight",            "straight",    L3,  W,  0,   0,  T1, T2, Ap, false, L3,     L3,     "custom 4 inch (1/3) straight"},
        {"R3621_R",    "R3621",    "curve",               "right",       L,   W,  30,  14, T1, T2, Ap, false, 115.54, 162.92, "14 inch radius half curve, to right"},
        {"R3621_L",    "R3621",    "curve",               "left",        L,   W,  30,  14, T1, T2, Ap, false, 162.92, 115.54, "14 inch radius half curve, to left"},
        {"R3627_R",    "R3627",    "lap counter",         "lower",       L,   W,  0,   0,  T1, T2, Ap, false, L,      L,      "12 inch straight lap counter, dials on right"},
        {"R3627_L",    "R3627",    "lap counter",         "upper",       L,   W,  0,   0,  T1, T2, Ap, false, L,      L,      "12 inch straight lap counter, dials on left"},
        {"F8519R_L",   "F8519R",   "banked straight",     "left entry",  L,   W,  0,   0,  83, 171, Ap, false, 306,   304,    "banked curve straight transition (enter)"},
        {"F8517_L",    "F8517",    "banked curve",        "left",        255, W,  30,  21, T1, T2, Ap, false, 255,    208.5,  "21 inch radius banked curve"},
        {"F8514L_L",   "F8514L",   "banked straight",     "left exit",   L,   W,  0,   0,  83, 171, Ap, false, 306,   303.5,  "banked curve straight transition (exit)"},
        {"F8514L_R",   "F8514L",   "banked straight",     "right entry", L,   W,  0,   0,  83, 171, Ap, false, 303.5, 306,    "banked curve straight transition (entry)"},
        {"F8517_R",    "F8517",    "banked curve",        "right",       255, W,  30,  21, T1, T2, Ap, false, 208.5,  255,    "21 inch radius banked curve"},
        {"F8519R_R",   "F8519R",   "banked straight",     "right exit",  L,   W,  0,   0,  83, 171, Ap, false, 304,   306,    "banked curve straight transition (exit)"},
        {"R3603R_FU",  "R3603R",   "straight transition", "front-upper", L,   W,  102, 0,  0,  0,  Ap, false, 0,      0,      "straight transition apron right, front-upper"},
        {"R3603L_FL",  "R3603L",   "straight transition", "front-lower", L,   W,  102, 0,  0,  0,  Ap, false, 0,      0,      "straight transition apron left, front-lower"},
        {"R3603R_BL",  "R3603R",   "straight transition", "back-lower",  L,   W,  102, 0,  0,  0,  Ap, false, 0,      0,      "straight transition apron right, back-lower"},
        {"R3603L_BU",  "R3603L",   "straight transition", "back-upper",  L,   W,  102, 0,  0,  0,  Ap, false, 0,      0,      "straight transition apron left, back-upper"},
        {"R3605_R",    "R3605",    "outer apron",         "right",       0,   W,  60,  14, 0,  0,  Ap, false, 0,      0,      "14 inch radius curved outer apron, to right"},
        {"R3605_L",    "R3605",    "outer apron",         "left",        0,   W,  60,  14, 0,  0,  Ap, false, 0,      0,      "14 inch radius curved outer apron, to left"},
        {"R3611_R",    "R3611",    "outer apron",         "right",       0,   W,  30,  21, 0,  0,  Ap, false, 0,      0,      "21 inch radius curved outer apron, to right"},
        {"R3611_L",    "R3611",    "outer apron",         "left",        0,   W,  30,  21, 0,  0,  Ap, false, 0,      0,      "21 inch radius curved outer apron, to left"},
        {"R3612_R",    "R3612",    "inner apron",         "right",       0,   W,  60,  14, 0,  0,  Ap, false, 0,      0,      "14 inch radius curved inner apron, to right"},
        {"R3612_L",    "R3612",    "inner apron",         "left",        0,   W,  60,  14, 0,  0,  Ap, false, 0,      0,      "14 inch radius curved inner apron, to left"},
        {"R3613_R",    "R3613",    "inner apron",         "right",       0,   W,  30,  21, 0,  0,  Ap, false, 0,      0,      "21 inch radius curved inner apron, to right"},
        {"R3613_L",    "R3613",    "inner apron",         "left",        0,   W,  30,  21, 0,  0,  Ap, false, 0,      0,      "21 inch radius curved inner apron, to left"},
        {"R3614_L",    "R3614",    "straight apron",      "right",       L,   W,  0,   0,  0,  0,  Ap, false, 0,      0,      "full straight apron, right/lower"},
        {"R3614_U",    "R3614",    "straight apron",      "left",        L,   W,  0,   0,  0,  0,  Ap, false, 0,      0,      "full straight apron, left/upper"},
        {"R3615R_R",   "R3615R",   "right transition",    "right",       L,   W,  60,  14, 0,  0,  Ap, false, 0,      0,      "right 14 inch radius curved transition, to right"},
        {"R3615R_L",   "R3615R",   "right transition",    "left",        L,   W,  60,  14, 0,  0,  Ap, false, 0,      0,      "right 14 inch radius curved transition, to left"},
        {"R3615L_R",   "R3615L",   "left transition",     "right",       L,   W,  60,  14, 0,  0,  Ap, false, 0,      0,      "left 14 inch radius curved transition, to right"},
        {"R3615L_L",   "R3615L",   "left transition",     "left",        L,   W,  60,  14, 0,  0,  Ap, false, 0,      0,      "left 14 inch radius curved transition, to left"},
        {"R3616R_R",   "R3616R",   "right transition",    "right",       L,   W,  30,  21, 0,  0,  Ap, false, 0,      0,      "right 21 inch radius curved transition, to right"},
        {"R3616R_L",   "R3616R",   "right transition",    "left",        L,   W,  30,  21, 0,  0,  Ap, false, 0,      0,      "right 21 inch radius curved transition, to left"},
        {"R3616L_R",   "R3616L",   "left transition",     "right",       L,   W,  30,  21, 0,  0,  Ap, false, 0,      0,      "left 21 inch radius curved transition, to right"},
        {"R3616L_L",   "R3616L",   "left transition",     "left",        L,   W,  30,  21, 0,  0,  Ap, false, 0,      0,      "left 21 inch radius curved transition, to left"},
        {"R3620a_U",   "R3620a",   "straight apron",      "left",        L2,  W,  0,   0,  0,  0,  Ap, false, 0,      0,      "6 inch straight apron, on left"},
        {"R3620a_L",   "R3620a",   "straight apron",      "right",       L2,  W,  0,   0,  0,  0,  Ap, false, 0,      0,      "6 inch straight apron, on right"},
        {"R3620dca_U", "R3620dca", "straight apron",      "left",        L3,  W,  0,   0,  0,  0,  Ap, false, 0,      0,      "custom 4 inch straight apron, on left"},
        {"R3620dca_L", "R3620dca", "straight apron",      "right",       L3,  W,  0,   0,  0,  0,  Ap, false, 0,      0,      "custom 4 inch straight apron, on right"},
        {"R3621o_R",   "R3621o",   "outer apron",         "right",       L2,  W,  30,  14, 0,  0,  Ap, false, 0,      0,      "half 14 inch radius curved apron, to right"},
        {"R3621o_L",   "R3621o",   "outer apron",         "left",        L2,  W,  30,  14, 0,  0,  Ap, false, 0,      0,      "half 14 inch radius curved apron, to left"},
        {"R3621i_R",   "R3621i",   "inner apron",         "right",       L2,  W,  30,  14, 0,  0,  Ap, false, 0,      0,      "half 14 inch radius curved apron, to right"},
        {"R3621i_L",   "R3621i",   "inner apron",         "left",        L2,  W,  30,  14, 0,  0,  Ap, false, 0,      0,      "half 14 inch radius curved apron, to left"},
        {"F7054R_FU",  "F7054R",   "straight transition", "front-upper", L,   W,  271, 0,  0,  0,  Ap, false, 0,      0,      "right banked transition apron, front upper"},
        {"F7053L_FL",  "F7053L",   "straight transition", "front-lower", L,   W,  271, 0,  0,  0,  Ap, false, 0,      0,      "left banked transition apron, front lower"},
        {"F7053L_BU",  "F7053L",   "straight transition", "back-upper",  L,   W,  271, 0,  0,  0,  Ap, false, 0,      0,      "left banked transition apron, back upper"},
        {"F7054R_BL",  "F7054R",   "straight transition", "back-lower",  L,   W,  271, 0,  0,  0,  Ap, false, 0,      0,      "right banked transition apron, back lower"},
        {"R3617g_R",   "R3617g",   "fence",               "right",       366, W,  60,  14, 0,  0,  Fe, false, 0,      0,      "14 inch radius curve gray crash fence, to right"},
        {"R3617g_L",   "R3617g",   "fence",               "left",        366, W,  60,  14, 0,  0,  Fe, false, 0,      0,      "14 inch radius curve gray crash fence, to left"},
        {"R3617w_R",   "R3617w",   "fence",               "right",       366, W,  60,  14, 0,  0,  Fe, false, 0,      0,      "14 inch radius curve white crash fence, to right"},
        {"R3617w_L",   "R3617w",   "fence",               "left",        366, W,  60,  14, 0,  0,  Fe, false, 0,      0,      "14 inch radius curve white crash fence, to left"},
        {"R3618g_R",   "R3618g",   "fence",               "right",       279, W,  30,  21, 0,  0,  Fe, false, 0,      0,      "21 inch radius curve gray crash fence, to right"},
        {"R3618g_L",   "R3618g",   "fence",               "left",        279, W,  30,  21, 0,  0,  Fe, false, 0,      0,      "21 inch radius curve gray crash fence, to left"},
        {"R3618w_R",   "R3618w",   "fence",               "right",       276, W,  30,  21, 0,  0,  Fe, false, 0,      0,      "21 inch radius curve white crash fence, to right"},
        {"R3618w_L",   "R3618w",   "fence",               "left",        276, W,  30,  21, 0,  0,  Fe, false, 0,      0,      "21 inch radius curve white crash fence, to left"},
        {"R3628o_R14", "R3628o",   "fence",               "right",       377, W,  60,  14, 0,  0,  Fe, false, 0,      0,      "orange curve crash fence, to right"},
        {"R3628o_L14", "R3628o",   "fence",               "left",        377, W,  60,  14, 0,  0,  Fe, false, 0,      0,      "orange curve crash fence, to left"},
        {"R3628o_R21", "R3628o",   "fence",               "right",       377, W,  30,  21, 0,  0,  Fe, false, 0,      0,      "orange curve crash fence, to right"},
        {"R3628o_L21", "R3628o",   "fence",               "left",        377, W,  30,  21, 0,  0,  Fe, false, 0,      0,      "orange curve crash fence, to left"},
        {"R3628o_Rb",  "R3628o",   "banked fence",        "right",       377, WB, 30,  RB, 0,  0,  Fe, false, 0,      0,      "orange banked curve crash fence, to right"},
        {"R3628o_Lb",  "R3628o",   "banked fence",        "left",        377, WB, 30,  RB, 0,  0,  Fe, false, 0,      0,      "orange banked curve crash fence, to left"},
        {"R3628o_Ls",  "R3628o",   "straight fence",      "lower",       L,   W,  0,   0,  0,  0,  Fe, false, 0,      0,      "orange straight crash fence, straight lower"},
        {"R3628o_Us",  "R3628o",   "straight fence",      "upper",       L,   W,  0,   0,  0,  0,  Fe, false, 0,      0,      "orange straight crash fence, straight upper"},
        {"R3628o_Rbe", "R3628o",   "banked trans fence",  "right entry", L,   W,  0,   0,  0,  0,  Fe, false, 0,      0,      "orange banked transition crash fence, right turn entry"},
        {"R3628o_Rbx", "R3628o",   "banked trans fence",  "right exit",  L,   W,  0,   0,  0,  0,  Fe, false, 0,      0,      "orange banked transition crash fence, right turn exit"},
        {"R3628o_Lbe", "R3628o",   "banked trans fence",  "left entry",  L,   W,  0,   0,  0,  0,  Fe, false, 0,      0,      "orange banked transition crash fence, left turn entry"},
        {"R3628o_Lbx", "R3628o",   "banked trans fence",  "left exit",   L,   W,  0,   0,  0,  0,  Fe, false, 0,      0,      "orange banked transition crash fence, left turn exit"},
    };
    // clang-format on

    for (const EntryRow &row : rows) {
        TrackPiece piece(QLatin1String(row.inventoryPartNumber), QLatin1String(row.partNumber),
                         QLatin1String(row.type), QLatin1String(row.direction), row.length,
                         row.width, row.curve, row.radiusInches, row.lane1Offset, row.lane2Offset,
                         row.apronWidth, row.laneSwap);
        if (mTrackDB.size() < kOrdinaryTrackCount)
            piece.addStandardConnections();
        piece.mDescription = QLatin1String(row.description);
        if (const ConnectionRow *connections = findConnectionRow(piece.mPartNumber))
            addConnections(piece, *connections);
        piece.mLane1Length = row.lane1Length;
        piece.mLane2Length = row.lane2Length;
        mTrackDB.append(piece);
    }
    // The two banked-curve fences lie alike beyond the bank, one on each side
    // of the track.
    mTrackDB[findIndex(QStringLiteral("R3628o_Lb"))].mirrorOutline(
        mTrackDB.at(findIndex(QStringLiteral("R3628o_Rb"))), -width / 2.0);
}

int RevellTrack::findIndex(const QString &aPartNumber) const
{
    for (int i = 0; i < mTrackDB.size(); ++i) {
        if (mTrackDB.at(i).mPartNumber == aPartNumber)
            return i;
    }
    return -1;
}

bool RevellTrack::canAttach(const QString &aHost, const QString &aAttachment) const
{
    const int index = findIndex(aHost);
    if (index < 0)
        return false;
    // Only the side lists: the end lists say what joins a piece, not what lies beside it.
    const TrackPiece &host = mTrackDB.at(index);
    for (const char *code : {"1a", "2a", "1b", "2b", "1c", "2c"}) {
        if (host.connections(QLatin1String(code)).contains(aAttachment))
            return true;
    }
    return false;
}
