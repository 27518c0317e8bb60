// The scene's attachments: the click that fixes an apron, transition apron
// or crash fence beside a piece, and the drawing of the attachments kept on
// a record's pieces. Which attachment fits where is decided by
// AttachmentRules; the scene draws what they decide.

#include "DiagramScene.h"

#include "catalog/RevellTrack.h"
#include "common/LogFile.h"
#include "common/Prompter.h"
#include "layout/AttachmentRules.h"
#include "layout/LayoutRecord.h"

#include <QTransform>

void DiagramScene::attachClick()
{
    QGraphicsItem *item = itemAt(mPressPos, QTransform());
    if (!item)
        return;
    // The toolbox's choice is the one every click starts from: a substitute
    // serves this click only.
    const DiagramItem::DiagramType chosen = mItemType;
    int host = -1;
    bool lanes34 = false;
    // An attachment item stands for its host, so a click on an apron attaches
    // beside the piece it belongs to.
    if (const DiagramItem *piece = pieceStandingFor(item)) {
        host = piece->mIndex;
        lanes34 = PieceKinds::pairOfItemKind(piece->type()) == 1;
    }
    const LayoutRecord *record = lanes34 ? mSecondRecord : mRecord;
    if (host >= 0 && record) {
        const AttachmentRules::ClickOutcome outcome =
            AttachmentRules::decideClick(*record, *mCatalog, chosen, host);
        if (outcome.mSubstituted)
            prompter().message(QStringLiteral("Attachment replaced with correct part..."));
        if (outcome.mResult == AttachmentRules::ClickOutcome::DoesNotFit) {
            prompter().message(QStringLiteral("Attachment does not work with selected part..."));
            return;
        }
        if (outcome.mResult == AttachmentRules::ClickOutcome::AlreadyPresent) {
            prompter().message(QStringLiteral("Attachment already present..."));
            return;
        }
        if (outcome.mResult == AttachmentRules::ClickOutcome::NoHost)
            host = -1;
        mItemType = static_cast<DiagramItem::DiagramType>(outcome.mType);
    }
    if (mBuildFile)
        mBuildFile->write("mousePressEvent() attach: itype %d  host index %d\n", int(mItemType),
                          host);
    if (host >= 0)
        attachPiece(mItemType, host, lanes34);
    mItemType = chosen;
}

DiagramItem *DiagramScene::attachPiece(int aType, int aHostIndex, bool aLanes34)
{
    const LayoutRecord *record = aLanes34 ? mSecondRecord : mRecord;
    if (!record)
        return nullptr;
    DiagramItem *item = drawAttachment(*record, aHostIndex, aType, aLanes34);
    if (item)
        emit itemAttached(item);
    return item;
}

void DiagramScene::restoreAttachments(const LayoutRecord &aRecord)
{
    for (int host = 0; host < aRecord.mPieces.size(); ++host)
        restoreHostAttachments(aRecord, host);
}

void DiagramScene::restoreHostAttachments(const LayoutRecord &aRecord, int aHostIndex)
{
    if (aHostIndex < 0 || aHostIndex >= aRecord.mPieces.size())
        return;
    for (const AttachmentEntry &entry : aRecord.mPieces.at(aHostIndex).mAttachments) {
        const int type = diagramTypeOf(entry.mName);
        if (PieceKinds::isAttachment(type))
            drawAttachment(aRecord, aHostIndex, type, aRecord.mSecondPair);
    }
}

void DiagramScene::removeAttachmentItems(int aPair, int aHostIndex)
{
    const int kind = PieceKinds::pieceItemKind(aPair);
    const QList<QGraphicsItem *> all = items();
    for (QGraphicsItem *item : all) {
        if (item->type() != kind)
            continue;
        auto *piece = static_cast<DiagramItem *>(item);
        if (piece->mIndex == aHostIndex && PieceKinds::isAttachment(piece->mDiagramType))
            delete piece;
    }
}

DiagramItem *DiagramScene::drawAttachment(const LayoutRecord &aRecord, int aHostIndex, int aType,
                                          bool aLanes34)
{
    if (mBuildFile && mBuildFile->isOpen())
        mBuildFile->write("attachPiece(): host index %d   aItemType %d\n", aHostIndex, aType);
    if (aHostIndex < 0 || aHostIndex >= aRecord.mPieces.size() || !PieceKinds::isAttachment(aType))
        return nullptr;
    const PlacedPiece &host = aRecord.mPieces.at(aHostIndex);
    // A piece the catalog does not know is not drawn, and nothing hangs beside it.
    if (!mCatalog->isValidIndex(host.mDbIndex) || host.mItemType < 0)
        return nullptr;
    auto type = static_cast<DiagramItem::DiagramType>(aType);
    if (type >= DiagramItem::R3605 && type <= DiagramItem::R3628os)
        type = directedAttachmentType(type, mCatalog->piece(host.mDbIndex).mDirection);
    if (type == DiagramItem::R9999)
        return nullptr;
    const PieceOutline &outline = cachedOutline(type);
    if (outline.mPolygon.isEmpty())
        return nullptr;

    const ItemPlacement placement{host.mOrigin, host.mAngle, host.mLevel};
    auto *item = new DiagramItem(mBuildFile, mDebugFile, outline, mItemMenu, mCatalog, aHostIndex,
                                 aLanes34, nullptr, cachedToolTip(type, host.mLevel), &placement);
    item->setBrush(attachmentBrush(outline.mPartNumber));
    item->mLevel = host.mLevel;
    addItem(item);
    mChainItems[aLanes34 ? 1 : 0].add(item);
    return item;
}

const QBrush &DiagramScene::attachmentBrush(const QString &aPartNumber)
{
    const QStringRef family = aPartNumber.leftRef(6);
    if (family == QLatin1String("R3617g") || family == QLatin1String("R3618g"))
        return fillBrush(mDarkFill);
    if (family == QLatin1String("R3617w") || family == QLatin1String("R3618w"))
        return fillBrush(mWhiteFill);
    if (family == QLatin1String("R3628o"))
        return fillBrush(mOrangeFill);
    return fillBrush(mPieceFill);
}
