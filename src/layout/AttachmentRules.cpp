#include "AttachmentRules.h"

#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "graphics/PieceKinds.h"
#include "layout/LayoutRecord.h"

#include <cstring>

namespace AttachmentRules {

namespace {

using D = DiagramTypeBase;

// A near relative placed where the requested kind does not fit: the other
// radius of a curve apron, transition or fence, the straight apron of the
// host's length, the half-curve apron of the same side.
struct Substitution
{
    D::DiagramType mRequested;
    D::DiagramType mHost;
    D::DiagramType mPlaced;
};

// clang-format off
const Substitution kSubstitutions[] = {
    {D::R3605, D::R3610_R, D::R3611},          {D::R3605, D::R3610_L, D::R3611},
    {D::R3611, D::R3601_R, D::R3605},          {D::R3611, D::R3601_L, D::R3605},
    {D::R3612, D::R3610_R, D::R3613},          {D::R3612, D::R3610_L, D::R3613},
    {D::R3613, D::R3601_R, D::R3612},          {D::R3613, D::R3601_L, D::R3612},
    {D::R3616R_R, D::R3601_R, D::R3615R_R},    {D::R3616R_L, D::R3601_L, D::R3615R_L},
    {D::R3616L_R, D::R3601_R, D::R3615L_R},    {D::R3616L_L, D::R3601_L, D::R3615L_L},
    {D::R3615R_R, D::R3610_R, D::R3616R_R},    {D::R3615R_L, D::R3610_L, D::R3616R_L},
    {D::R3615L_R, D::R3610_R, D::R3616L_R},    {D::R3615L_L, D::R3610_L, D::R3616L_L},
    {D::R3618g, D::R3601_R, D::R3617g},        {D::R3618g, D::R3601_L, D::R3617g},
    {D::R3618g_R, D::R3601_R, D::R3617g_R},    {D::R3618g_L, D::R3601_L, D::R3617g_L},
    {D::R3617g, D::R3610_R, D::R3618g},        {D::R3617g, D::R3610_L, D::R3618g},
    {D::R3617g_R, D::R3610_R, D::R3618g_R},    {D::R3617g_L, D::R3610_L, D::R3618g_L},
    {D::R3620a_U, D::R3600, D::R3614_U},       {D::R3620a_U, D::R3608, D::R3614_U},
    {D::R3620a_U, D::R3609, D::R3614_U},       {D::R3620dca_U, D::R3600, D::R3614_U},
    {D::R3620dca_U, D::R3608, D::R3614_U},     {D::R3620dca_U, D::R3609, D::R3614_U},
    {D::R3620a_L, D::R3600, D::R3614_L},       {D::R3620a_L, D::R3608, D::R3614_L},
    {D::R3620a_L, D::R3609, D::R3614_L},       {D::R3620dca_L, D::R3600, D::R3614_L},
    {D::R3620dca_L, D::R3608, D::R3614_L},     {D::R3620dca_L, D::R3609, D::R3614_L},
    {D::R3614_U, D::R3620, D::R3620a_U},       {D::R3614_U, D::R3620dc, D::R3620dca_U},
    {D::R3614_L, D::R3620, D::R3620a_L},       {D::R3614_L, D::R3620dc, D::R3620dca_L},
    {D::R3605_R, D::R3621_R, D::R3621o_R},     {D::R3611_R, D::R3621_R, D::R3621o_R},
    {D::R3605_L, D::R3621_L, D::R3621o_L},     {D::R3611_L, D::R3621_L, D::R3621o_L},
    {D::R3612_R, D::R3621_R, D::R3621i_R},     {D::R3613_R, D::R3621_R, D::R3621i_R},
    {D::R3612_L, D::R3621_L, D::R3621i_L},     {D::R3613_L, D::R3621_L, D::R3621i_L},
};
// clang-format on

bool substitute(int aRequested, int aHost, int *aPlaced)
{
    for (const Substitution &row : kSubstitutions) {
        if (row.mRequested == aRequested && row.mHost == aHost) {
            *aPlaced = row.mPlaced;
            return true;
        }
    }
    return false;
}

// A curve attachment that comes for right-hand and left-hand curves.
bool isHandedCurveAttachment(int aType)
{
    return (aType >= D::R3605_R && aType <= D::R3613_L) ||
           (aType >= D::R3615R_R && aType <= D::R3616L_L) ||
           (aType >= D::R3621o_R && aType <= D::R3621i_L) ||
           (aType >= D::R3617g_R && aType <= D::R3628o_Lb);
}

// The same curve attachment for a curve of the other hand, or -1.
int twinOf(int aType)
{
    if (!isHandedCurveAttachment(aType))
        return -1;
    const QString name = getPartNumber(D::DiagramType(aType));
    const int cut = name.lastIndexOf(QLatin1Char('_')) + 1;
    QString hand = name.mid(cut);
    hand[0] = hand.at(0) == QLatin1Char('R') ? QLatin1Char('L') : QLatin1Char('R');
    return diagramTypeOf(name.left(cut) + hand);
}

bool fitsOrSubstitutes(const RevellTrack &aCatalog, int aRequested, int aHost, int *aPlaced)
{
    const QString host = getPartNumber(D::DiagramType(aHost));
    if (aCatalog.canAttach(host, getPartNumber(D::DiagramType(aRequested)))) {
        *aPlaced = aRequested;
        return true;
    }
    return substitute(aRequested, aHost, aPlaced);
}

const TrackPiece *catalogEntry(const RevellTrack &aCatalog, int aDbIndex, const QString &aName)
{
    const int index = aCatalog.isValidIndex(aDbIndex) ? aDbIndex : aCatalog.findIndex(aName);
    return aCatalog.isValidIndex(index) ? &aCatalog.piece(index) : nullptr;
}

bool isEntryOf(const LayoutRecord &aRecord, int aIndex)
{
    return aIndex >= 0 && aIndex < aRecord.mPieces.size();
}

const QStringList &straightHosts()
{
    static const QStringList kHosts{"R3600",   "R3620",   "R3620dc", "R3608",  "R3609",
                                    "R3602_R", "R3602_L", "R3627_R", "R3627_L"};
    return kHosts;
}

const QStringList &curveHosts()
{
    static const QStringList kHosts{"R3601_R", "R3601_L", "R3604_R", "R3604_L", "R3610_R",
                                    "R3610_L", "R3621_R", "R3621_L", "F8517_R", "F8517_L"};
    return kHosts;
}

bool isBankedHost(const QString &aHostPartNumber)
{
    return aHostPartNumber.startsWith(QLatin1String("F8517"));
}

// The curve chooser's seven entries, in entry order.
const QStringList &curveEntryNames()
{
    static const QStringList kNames{"R3605",  "R3612",  "R3615R", "R3615L",
                                    "R3617g", "R3617w", "R3628o"};
    return kNames;
}

// Every name that the straight chooser shows on one of its buttons: the
// aprons of all three lengths mark the same place.
bool straightChooserShows(const QString &aName)
{
    static const QStringList kNames{"R3603R_FU",  "R3603R_BL",  "R3603L_BU", "R3603L_FL",
                                    "F7054R_FU",  "F7054R_BL",  "F7053L_BU", "F7053L_FL",
                                    "R3614_U",    "R3614_L",    "R3620a_U",  "R3620a_L",
                                    "R3620dca_U", "R3620dca_L", "R3628o_Us", "R3628o_Ls"};
    return kNames.contains(aName);
}

bool chooserOffers(const QString &aHostPartNumber, const QString &aName)
{
    switch (chooserFor(aHostPartNumber)) {
    case Chooser::Straight:
        return straightChooserShows(aName);
    case Chooser::Curve:
        return curveChooserEntries(chooserHostText(aHostPartNumber)).contains(aName);
    case Chooser::None:
        break;
    }
    return false;
}

// The parts that the curve chooser's seven entries stand for on one host,
// in entry order; empty where the host has no such part.
struct CurveParts
{
    const char *mHost;
    const char *mParts[7];
};

// clang-format off
const CurveParts kCurveParts[] = {
    {"R3601_R", {"R3605_R", "R3612_R", "R3615R_R", "R3615L_R", "R3617g_R", "R3617w_R", "R3628o_R14"}},
    {"R3604_R", {"R3605_R", "R3612_R", "R3615R_R", "R3615L_R", "R3617g_R", "R3617w_R", "R3628o_R14"}},
    {"R3601_L", {"R3605_L", "R3612_L", "R3615R_L", "R3615L_L", "R3617g_L", "R3617w_L", "R3628o_L14"}},
    {"R3604_L", {"R3605_L", "R3612_L", "R3615R_L", "R3615L_L", "R3617g_L", "R3617w_L", "R3628o_L14"}},
    {"R3610_R", {"R3611_R", "R3613_R", "R3616R_R", "R3616L_R", "R3618g_R", "R3618w_R", "R3628o_R21"}},
    {"R3610_L", {"R3611_L", "R3613_L", "R3616R_L", "R3616L_L", "R3618g_L", "R3618w_L", "R3628o_L21"}},
    {"R3621_R", {"R3621o_R", "R3621i_R", "", "", "", "", ""}},
    {"R3621_L", {"R3621o_L", "R3621i_L", "", "", "", "", ""}},
    {"F8517_R", {"", "", "", "", "R3618g_R", "R3618w_R", "R3628o_Rb"}},
    {"F8517_L", {"", "", "", "", "R3618g_L", "R3618w_L", "R3628o_Lb"}},
};
// clang-format on

} // namespace

bool canAttachType(const RevellTrack &aCatalog, int aRequested, int aHost, int *aPlaced)
{
    *aPlaced = aRequested;
    if (fitsOrSubstitutes(aCatalog, aRequested, aHost, aPlaced))
        return true;
    // A transition apron or fence picked for a curve of the other hand: its
    // twin is what the user means.
    const int twin = twinOf(aRequested);
    if (twin >= 0 && fitsOrSubstitutes(aCatalog, twin, aHost, aPlaced))
        return true;
    *aPlaced = aRequested;
    return false;
}

bool hasAttachment(const LayoutRecord &aRecord, const RevellTrack &aCatalog,
                   const QString &aPartNumber, int aHost)
{
    if (!isEntryOf(aRecord, aHost))
        return false;
    for (const AttachmentEntry &entry : aRecord.mPieces.at(aHost).mAttachments) {
        if (entry.mName == aPartNumber)
            return true;
        const TrackPiece *piece = catalogEntry(aCatalog, entry.mDbIndex, entry.mName);
        if (piece && piece->mInventoryPartNumber == aPartNumber)
            return true;
    }
    return false;
}

ClickOutcome decideClick(const LayoutRecord &aRecord, const RevellTrack &aCatalog, int aRequested,
                         int aHost)
{
    ClickOutcome outcome;
    outcome.mType = aRequested;
    if (!isEntryOf(aRecord, aHost))
        return outcome;
    const PlacedPiece &host = aRecord.mPieces.at(aHost);
    if (!canAttachType(aCatalog, aRequested, host.mItemType, &outcome.mType)) {
        outcome.mResult = ClickOutcome::DoesNotFit;
        return outcome;
    }
    outcome.mSubstituted = outcome.mType != aRequested;

    // An orange fence chosen without its side ("R3628o14") shares no
    // inventory number with the part it becomes ("R3628o_R14"): the part
    // actually placed is looked for as well.
    const auto placed = D::DiagramType(outcome.mType);
    const TrackPiece *hostPiece = catalogEntry(aCatalog, host.mDbIndex, host.mPartNumber);
    const D::DiagramType directed =
        directedAttachmentType(placed, hostPiece ? hostPiece->mDirection : QString());
    if (hasAttachment(aRecord, aCatalog, getPartNumber(placed), aHost) ||
        (directed != D::R9999 && hasAttachment(aRecord, aCatalog, getPartNumber(directed), aHost)))
        outcome.mResult = ClickOutcome::AlreadyPresent;
    else
        outcome.mResult = ClickOutcome::Attach;
    return outcome;
}

bool recordAttachment(LayoutRecord &aRecord, int aHost, const QString &aPartNumber, int aDbIndex,
                      int aType)
{
    if (!isEntryOf(aRecord, aHost))
        return false;
    QList<AttachmentEntry> &entries = aRecord.mPieces[aHost].mAttachments;
    for (AttachmentEntry &entry : entries) {
        const int type = diagramTypeOf(entry.mName);
        if (type >= 0 && entry.mName == aPartNumber && type == aType) {
            entry.mHostIndex = aHost;
            return false;
        }
    }
    entries.append(AttachmentEntry{aPartNumber, aDbIndex, aHost});
    return true;
}

Chooser chooserFor(const QString &aHostPartNumber)
{
    if (straightHosts().contains(aHostPartNumber))
        return Chooser::Straight;
    if (curveHosts().contains(aHostPartNumber))
        return Chooser::Curve;
    return Chooser::None;
}

QString chooserHostText(const QString &aHostPartNumber)
{
    switch (chooserFor(aHostPartNumber)) {
    case Chooser::Straight:
        return aHostPartNumber;
    case Chooser::Curve:
        return aHostPartNumber.section(QLatin1Char('_'), 0, 0);
    case Chooser::None:
        break;
    }
    return QString();
}

QStringList curveChooserEntries(const QString &aHostText)
{
    if (aHostText == QLatin1String("R3621"))
        return curveEntryNames().mid(0, 2);
    if (aHostText == QLatin1String("F8517"))
        return {curveEntryNames().last()};
    return curveEntryNames();
}

QString chooserName(const QString &aHostPartNumber, const QString &aPartNumber)
{
    if (chooserFor(aHostPartNumber) != Chooser::Curve)
        return aPartNumber;
    QString name = aPartNumber;
    static const char *const kHands[] = {"_R14", "_L14", "_R21", "_L21", "_R", "_L"};
    for (const char *hand : kHands) {
        if (name.endsWith(QLatin1String(hand))) {
            name.chop(int(std::strlen(hand)));
            break;
        }
    }
    // The banked curve's own orange fences are the one fence its chooser offers.
    if (isBankedHost(aHostPartNumber) &&
        (name == QLatin1String("R3628o_Rb") || name == QLatin1String("R3628o_Lb")))
        return QStringLiteral("R3628o");
    static const std::pair<const char *, const char *> kFamilies[] = {
        {"R3611", "R3605"},   {"R3621o", "R3605"},  {"R3613", "R3612"},   {"R3621i", "R3612"},
        {"R3616R", "R3615R"}, {"R3616L", "R3615L"}, {"R3618g", "R3617g"}, {"R3618w", "R3617w"}};
    for (const auto &family : kFamilies) {
        if (name == QLatin1String(family.first))
            return QLatin1String(family.second);
    }
    return name;
}

QStringList chooserNames(const QString &aHostPartNumber, const QList<AttachmentEntry> &aEntries)
{
    QStringList names;
    for (const AttachmentEntry &entry : aEntries)
        names << chooserName(aHostPartNumber, entry.mName);
    return names;
}

QString directedPartNumber(const QString &aHostPartNumber, const QString &aName)
{
    switch (chooserFor(aHostPartNumber)) {
    case Chooser::Straight:
        return straightChooserShows(aName) ? aName : QString();
    case Chooser::Curve:
        break;
    case Chooser::None:
        return QString();
    }
    const int column = curveEntryNames().indexOf(aName);
    if (column < 0)
        return QString();
    for (const CurveParts &row : kCurveParts) {
        if (aHostPartNumber == QLatin1String(row.mHost))
            return QLatin1String(row.mParts[column]);
    }
    return QString();
}

ChooserEdit chooserEdit(const QString &aHostPartNumber, const QList<AttachmentEntry> &aEntries,
                        const QStringList &aChosen)
{
    QStringList chosenParts;
    for (const QString &name : aChosen) {
        const QString part = directedPartNumber(aHostPartNumber, name);
        if (!part.isEmpty() && !chosenParts.contains(part))
            chosenParts << part;
    }

    ChooserEdit edit;
    QStringList keptNames;
    for (const AttachmentEntry &entry : aEntries) {
        const bool offered =
            chooserOffers(aHostPartNumber, chooserName(aHostPartNumber, entry.mName));
        const bool stays = !offered || chosenParts.contains(entry.mName);
        // A part the chooser hands back once is kept once.
        if (!stays || (offered && keptNames.contains(entry.mName)))
            continue;
        edit.mKept << entry;
        keptNames << entry.mName;
    }
    for (const QString &part : qAsConst(chosenParts)) {
        if (!keptNames.contains(part))
            edit.mAdded << part;
    }
    return edit;
}

} // namespace AttachmentRules
