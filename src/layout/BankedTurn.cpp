#include "BankedTurn.h"

#include "catalog/RevellTrack.h"
#include "graphics/PieceKinds.h"
#include "layout/LayoutEdit.h"
#include "layout/LayoutRecord.h"

#include <QtGlobal>

namespace BankedTurn {

namespace {

const QLatin1String kRightChoice("R3625_R");
const QLatin1String kLeftChoice("R3625_L");
const QLatin1String kRight("right");
const QLatin1String kLeft("left");

// Curves added to a turn lie where a click lays a piece.
constexpr double kNewCurveLevel = 0.25;

using D = DiagramTypeBase;

int typeAt(const LayoutRecord &aRecord, int aIndex)
{
    return aRecord.mPieces.at(aIndex).mItemType;
}

bool carries(const PlacedPiece &aPiece, const QString &aName)
{
    for (const AttachmentEntry &attachment : aPiece.mAttachments) {
        if (attachment.mName == aName)
            return true;
    }
    return false;
}

// Fixes fence aName to entry aIndex unless it is there already: accepting
// the dialog twice must not stack a second fence on the first.
void addFenceOnce(LayoutRecord &aRecord, const RevellTrack &aCatalog, int aIndex,
                  const QString &aName)
{
    PlacedPiece &piece = aRecord.mPieces[aIndex];
    if (!carries(piece, aName))
        piece.mAttachments.append(AttachmentEntry{aName, aCatalog.findIndex(aName), aIndex});
}

} // namespace

bool isTurnChoice(const QString &aPartNumber)
{
    return aPartNumber == kRightChoice || aPartNumber == kLeftChoice;
}

int curveCount(const QString &aAngleText)
{
    const QString firstWord = aAngleText.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    bool ok = false;
    const int degrees = firstWord.toInt(&ok);
    if (!ok)
        return 0;
    // The chooser offers 30 to 240 degrees; anything else is held to what a
    // turn can be edited with afterwards.
    return qBound(0, degrees / 30, kMaxCurves);
}

QStringList expandChoice(const QString &aPartNumber, const QString &aAngleText)
{
    if (aPartNumber.isEmpty())
        return {};
    if (!isTurnChoice(aPartNumber))
        return {aPartNumber};

    // The two transitions are mirror pieces: the one that enters a right turn
    // is not the one that leaves it.
    const bool right = (aPartNumber == kRightChoice);
    QStringList names;
    names << (right ? QStringLiteral("F8514L_R") : QStringLiteral("F8519R_L"));
    const QString curve = right ? QStringLiteral("F8517_R") : QStringLiteral("F8517_L");
    for (int i = curveCount(aAngleText); i > 0; --i)
        names << curve;
    names << (right ? QStringLiteral("F8519R_R") : QStringLiteral("F8514L_L"));
    return names;
}

QString directionOf(int aItemType)
{
    switch (aItemType) {
    case D::F8514L_R:
    case D::F8517_R:
    case D::F8519R_R:
        return kRight;
    case D::F8519R_L:
    case D::F8517_L:
    case D::F8514L_L:
        return kLeft;
    default:
        return QString();
    }
}

Turn findTurn(const LayoutRecord &aRecord, int aIndex)
{
    Turn turn;
    if (aIndex < 0 || aIndex >= aRecord.mPieces.size())
        return turn;
    turn.mDirection = directionOf(typeAt(aRecord, aIndex));
    if (turn.mDirection.isEmpty())
        return turn;

    // Only the turn's own curves lie between any of its pieces and its
    // entry; stepping over anything else would reach into the turn before.
    int s = PieceKinds::isExitTransition(typeAt(aRecord, aIndex)) ? aIndex - 1 : aIndex;
    while (s >= 0 && PieceKinds::isBankedCurve(typeAt(aRecord, s)))
        --s;
    if (s < 0) {
        turn.mStart = 0;
        return turn;
    }
    turn.mStart = s;
    turn.mFound = PieceKinds::isEntryTransition(typeAt(aRecord, s));
    if (!turn.mFound)
        return turn;
    for (int i = s + 1; i < aRecord.mPieces.size() && PieceKinds::isBankedCurve(typeAt(aRecord, i));
         ++i)
        ++turn.mCurves;
    return turn;
}

int shownCurves(int aCurves)
{
    return qBound(0, aCurves, kMaxCurves);
}

int chosenCurves(int aCurves, int aChecked)
{
    return qMax(0, aCurves - (shownCurves(aCurves) - aChecked));
}

QString curveFence(const QString &aDirection)
{
    return aDirection == kLeft ? QStringLiteral("R3628o_Lb") : QStringLiteral("R3628o_Rb");
}

QString entryFence(const QString &aDirection)
{
    return aDirection == kLeft ? QStringLiteral("R3628o_Lbe") : QStringLiteral("R3628o_Rbe");
}

QString exitFence(const QString &aDirection)
{
    return aDirection == kLeft ? QStringLiteral("R3628o_Lbx") : QStringLiteral("R3628o_Rbx");
}

bool curvesFenced(const LayoutRecord &aRecord, const Turn &aTurn)
{
    if (!aTurn.mFound || aTurn.mCurves < 1)
        return false;
    const QString fence = curveFence(aTurn.mDirection);
    for (int i = aTurn.mStart + 1; i <= aTurn.mStart + aTurn.mCurves; ++i) {
        if (i >= aRecord.mPieces.size() || !carries(aRecord.mPieces.at(i), fence))
            return false;
    }
    return true;
}

bool applyChange(LayoutRecord &aRecord, const RevellTrack &aCatalog, const Turn &aTurn,
                 const Change &aChange)
{
    const int s = aTurn.mStart;
    if (aTurn.mDirection.isEmpty() || s < 0 || s >= aRecord.mPieces.size())
        return false;
    const bool left = aTurn.mDirection == kLeft;
    const int curves = qMax(0, aChange.mCurves);

    // The curves go and come right after the entry, so the exit and the
    // pieces beyond it keep their kinds and follow the turn.
    const int present = aTurn.mFound ? aTurn.mCurves : 0;
    if (curves < present) {
        const int first = s + 1;
        const int last = qMin(first + (present - curves), int(aRecord.mPieces.size()));
        aRecord.mPieces.erase(aRecord.mPieces.begin() + first, aRecord.mPieces.begin() + last);
    } else if (curves > present) {
        const QString curve = left ? QStringLiteral("F8517_L") : QStringLiteral("F8517_R");
        QStringList names;
        for (int i = present; i < curves; ++i)
            names << curve;
        LayoutEdit::insertPieces(aRecord, aCatalog, s, names, true, kNewCurveLevel);
    }

    const QString fence = curveFence(aTurn.mDirection);
    const int fenceIndex = aCatalog.findIndex(fence);
    for (int i = s + 1; i <= s + curves && i < aRecord.mPieces.size(); ++i) {
        QList<AttachmentEntry> &attachments = aRecord.mPieces[i].mAttachments;
        attachments.clear();
        if (aChange.mFences)
            attachments.append(AttachmentEntry{fence, fenceIndex, i});
    }

    if (aChange.mTransitions) {
        const int entry = left ? D::F8519R_L : D::F8514L_R;
        const int exit = left ? D::F8514L_L : D::F8519R_R;
        if (typeAt(aRecord, s) == entry)
            addFenceOnce(aRecord, aCatalog, s, entryFence(aTurn.mDirection));
        const int after = s + curves + 1;
        if (after < aRecord.mPieces.size() && typeAt(aRecord, after) == exit)
            addFenceOnce(aRecord, aCatalog, after, exitFence(aTurn.mDirection));
    }

    // Hosts after the turn moved with its curves.
    LayoutEdit::renumberHosts(aRecord);
    return true;
}

} // namespace BankedTurn
