// The main window's attachments: keeping an attachment a scene drew on its
// host, the Item menu's attach command with its two choosers, and the
// attachments' part in a replay.
#include "MainWindow.h"

#include "common/Prompter.h"
#include "graphics/PieceKinds.h"
#include "graphics/R3600Dialog.h"
#include "graphics/R3601Dialog.h"
#include "layout/AttachmentRules.h"
#include "layout/DiagramScene.h"

#include <memory>

int MainWindow::layoutOfScene(const QGraphicsScene *aScene) const
{
    for (int i = 0; i < kLayoutTabCount; ++i) {
        if (aScene && mTabScreens[i].mScene == aScene)
            return i;
    }
    return -1;
}

void MainWindow::itemAttached(DiagramItem *aItem)
{
    mDebugLog.writeFlush("MainWindow::itemAttached()\n");
    if (!aItem)
        return;
    const int layout = layoutOfScene(aItem->scene());
    if (layout < 0)
        return;
    mBuildLog.write("MainWindow::itemAttached(): index %d   <%s>   dtype %d\n", aItem->mIndex,
                    LATIN1(aItem->mPartNumber), int(aItem->mDiagramType));
    LayoutRecord &record =
        PieceKinds::pairOfItemKind(aItem->type()) ? mRecordB[layout] : mRecordA[layout];
    AttachmentRules::recordAttachment(record, aItem->mIndex, aItem->mPartNumber, aItem->mDbIndex,
                                      aItem->mDiagramType);
    mBuildLog.writeFlush("   type %d   <%s>   DBindex %d   host index %d\n",
                         int(aItem->mDiagramType), LATIN1(aItem->mPartNumber), aItem->mDbIndex,
                         aItem->mIndex);
    refreshLayout(layout);
    recordEdit(layout, QStringLiteral("Attach ") + aItem->mPartNumber);
}

// The chooser shows what the piece carries; on OK the piece carries what was
// chosen, and whatever the chooser does not offer stays as it was.
void MainWindow::attachItem()
{
    QGraphicsItem *first = firstSelected("attachItem");
    if (!first)
        return;
    const int pair = PieceKinds::pairOfItemKind(first->type());
    LayoutRecord *record = pair ? mActiveRecordB : mActiveRecordA;
    const auto *host = PieceKinds::isPieceItemKind(first->type())
                           ? static_cast<const DiagramItem *>(first)
                           : nullptr;
    // An attachment item names its own part, not a host's.
    const bool isHost = host && PieceKinds::isTrackPiece(host->mDiagramType) && record &&
                        host->mIndex >= 0 && host->mIndex < record->mPieces.size();
    const QString hostPart = isHost ? record->mPieces.at(host->mIndex).mPartNumber : QString();
    const AttachmentRules::Chooser kind = AttachmentRules::chooserFor(hostPart);
    if (kind == AttachmentRules::Chooser::None) {
        prompter().titledMessage(QStringLiteral("Oops"),
                                 QStringLiteral("Cannot attach to this track piece."));
        return;
    }
    const int index = host->mIndex;

    QStringList names =
        AttachmentRules::chooserNames(hostPart, record->mPieces.at(index).mAttachments);
    const QString hostText = AttachmentRules::chooserHostText(hostPart);
    std::unique_ptr<AttachmentChooser> chooser;
    if (kind == AttachmentRules::Chooser::Straight)
        chooser = std::make_unique<R3600Dialog>(hostText, &names, this);
    else
        chooser = std::make_unique<R3601Dialog>(hostText, &names, this);
    const int result = mAttachChooserRunner ? mAttachChooserRunner(*chooser) : chooser->exec();
    chooser.reset();
    if (result != QDialog::Accepted)
        return;

    const AttachmentRules::ChooserEdit edit =
        AttachmentRules::chooserEdit(hostPart, record->mPieces.at(index).mAttachments, names);
    mActiveScene->removeAttachmentItems(pair, index);
    record->mPieces[index].mAttachments = edit.mKept;
    mActiveScene->restoreHostAttachments(*record, index);
    mHoldingSteps = true;
    for (const QString &part : edit.mAdded) {
        const int type = mDiagramTypeList.indexOf(part);
        setSceneMode(DiagramScene::Attach);
        mActiveScene->setItemType(DiagramItem::DiagramType(type));
        mActiveScene->attachPiece(type, index, pair == 1);
    }
    mHoldingSteps = false;
    refreshAfterEdit();
    markChanged(QStringLiteral("Attachments of ") + hostPart);
}

// The chain's own list holds the attachment items, so the replay has taken
// them down with the pieces by the time this runs.
void MainWindow::deleteAttachments(int aPieceKind)
{
    mBuildLog.write("deleteAttachments()   type %d\n", aPieceKind);
}

void MainWindow::restoreAttachments(DiagramScene *aScene, LayoutRecord *aRecord)
{
    mBuildLog.write("restoreAttachments()\n");
    if (aScene && aRecord)
        aScene->restoreAttachments(*aRecord);
}
