// The Item menu's append, insert, replace, delete and range selection, and
// the answers to the scenes' click, double click and drag: each finds its
// piece, asks, lets a LayoutEdit rule change the record and replays it once.
#include "MainWindow.h"

#include "TabControls.h"

#include "catalog/RevellTrack.h"
#include "common/Prompter.h"
#include "graphics/DiagramPathItem.h"
#include "graphics/PieceKinds.h"
#include "layout/AddTrackDialog.h"
#include "layout/BankedTurn.h"
#include "layout/DiagramScene.h"
#include "layout/LayoutEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>

#include <algorithm>

namespace {

// Level of every piece the Item menu adds.
constexpr double kMenuLevel = 0.25;
// Start of the search for the lowest deleted index; above any real index.
constexpr int kNoIndex = 9999;

} // namespace

// What the append, insert and replace commands act on: the piece's record
// and its place in the list.
struct MainWindow::EditHost
{
    LayoutRecord *mRecord = nullptr;
    int mIndex = -1;
};

QGraphicsItem *MainWindow::firstSelected(const char *aCommand)
{
    mDebugLog.writeFlush("%s()\n", aCommand);
    if (!mActiveScene)
        return nullptr;
    const QList<QGraphicsItem *> selected = mActiveScene->selectedItems();
    mBuildLog.writeFlush("%s()  number selected: %d\n", aCommand, int(selected.size()));
    return selected.isEmpty() ? nullptr : selected.first();
}

// The common start of append, insert and replace. False when the command
// ends here; the toolbox is reset where the command refuses its host.
bool MainWindow::commandHost(const char *aCommand, bool aExitTransitions, EditHost *aHost)
{
    QGraphicsItem *first = firstSelected(aCommand);
    if (!first)
        return false;
    if (!PieceKinds::isPieceItemKind(first->type())) {
        resetToolbox();
        return false;
    }
    const auto *host = static_cast<const DiagramItem *>(first);
    const int type = host->mDiagramType;
    if (!PieceKinds::isPlainTrack(type) &&
        !(aExitTransitions && PieceKinds::isExitTransition(type))) {
        prompter().message(QStringLiteral("See specific menu item for banked track."));
        resetToolbox();
        return false;
    }
    aHost->mRecord = PieceKinds::pairOfItemKind(first->type()) ? mActiveRecordB : mActiveRecordA;
    aHost->mIndex = host->mIndex;
    return true;
}

// The chooser is made for one command and gone after it. A choice counts
// only when the chooser was accepted with a piece checked.
bool MainWindow::chooseTrack(const QString &aMode, QString *aPartNumber, QString *aAngle)
{
    AddTrackDialog chooser(aMode, nullptr, nullptr, this);
    const int result = mAddTrackRunner ? mAddTrackRunner(chooser) : chooser.exec();
    if (result != QDialog::Accepted)
        return false;
    *aPartNumber = chooser.selection();
    *aAngle = chooser.angleText();
    return !aPartNumber->isEmpty();
}

// Append (aAfter) or insert the chooser's pieces at the selected piece. A
// banked turn comes as its run of pieces, laid in order.
void MainWindow::addChosenPieces(bool aAfter)
{
    EditHost host;
    if (!commandHost(aAfter ? "appendItem" : "insertItem", aAfter, &host))
        return;
    QString partNumber, angle;
    if (!chooseTrack(aAfter ? QStringLiteral("append") : QStringLiteral("insert"), &partNumber,
                     &angle))
        return;
    if (!LayoutEdit::insertPieces(*host.mRecord, *mCatalog, host.mIndex,
                                  BankedTurn::expandChoice(partNumber, angle), aAfter, kMenuLevel))
        return;
    rebuildTrackGraphic(host.mRecord, host.mIndex);
    markChanged((aAfter ? QStringLiteral("Append ") : QStringLiteral("Insert ")) + partNumber);
    resetToolbox();
}

void MainWindow::appendItem()
{
    addChosenPieces(true);
}

void MainWindow::insertItem()
{
    addChosenPieces(false);
}

// A chooser closed without a choice leaves the layout as it was, unchanged
// and unmarked.
void MainWindow::replaceItem()
{
    EditHost host;
    if (!commandHost("replaceItem", false, &host))
        return;
    QString partNumber, angle;
    if (!chooseTrack(QStringLiteral("replace"), &partNumber, &angle))
        return;
    const QString replaced = host.mRecord->mPieces.value(host.mIndex).mPartNumber;
    if (!LayoutEdit::replacePiece(*host.mRecord, *mCatalog, host.mIndex, partNumber))
        return;
    rebuildTrackGraphic(host.mRecord, host.mIndex);
    markChanged(QStringLiteral("Replace %1 with %2").arg(replaced, partNumber));
    resetToolbox();
}

// Selected pieces are marked and dropped by one replay per lane pair, from
// the lowest index deleted; attachments are taken off their hosts at once,
// and an attachment removed alone needs no replay.
void MainWindow::deleteItem()
{
    mDebugLog.writeFlush("deleteItem()\n");
    if (!mActiveScene)
        return;
    const QList<QGraphicsItem *> selected = mActiveScene->selectedItems();
    mBuildLog.writeFlush("deleteItem()  number selected: %d\n", int(selected.size()));
    if (selected.isEmpty()) {
        resetToolbox();
        return;
    }

    int lowest[2] = {kNoIndex, kNoIndex}; // record A, record B
    QStringList removed;
    for (QGraphicsItem *item : selected) {
        if (!PieceKinds::isPieceItemKind(item->type()))
            continue;
        auto *piece = static_cast<DiagramItem *>(item);
        const int pair = PieceKinds::pairOfItemKind(item->type());
        LayoutRecord &record = pair ? *mActiveRecordB : *mActiveRecordA;
        const int t = piece->mIndex;
        const QString partNumber = piece->mPartNumber;
        const bool isTrack = PieceKinds::isTrackPiece(piece->mDiagramType);
        if (mBuildLog.isOpen()) {
            mBuildLog.write("   PN <%s>   tooltip <%s>   PN index %d   dtype %d\n",
                            LATIN1(partNumber), LATIN1(piece->toolTip()), piece->mDbIndex,
                            int(piece->mDiagramType));
            mBuildLog.write("   track index to remove %d\n", t);
        }
        delete piece;
        removed << partNumber;
        if (isTrack && LayoutEdit::markDeleted(record, t))
            lowest[pair] = std::min(lowest[pair], t);
        else if (!isTrack)
            LayoutEdit::removeAttachment(record, t, partNumber);
    }

    if (lowest[0] != kNoIndex)
        replayChain(mActiveRecordA, lowest[0]);
    if (lowest[1] != kNoIndex)
        replayChain(mActiveRecordB, lowest[1]);
    mBuildLog.write("   returned track index %d\n", std::min(lowest[0], lowest[1]));
    mBuildLog.writeFlush("\n");
    refreshAfterEdit();
    if (!removed.isEmpty())
        markChanged(removed.size() == 1 ? QStringLiteral("Delete ") + removed.first()
                                        : QStringLiteral("Delete %1 Items").arg(removed.size()));
    resetToolbox();
}

// The range's ends are taken where the context menu was opened.
void MainWindow::startMultiSelect()
{
    mDebugLog.writeFlush("startMultiSelect()\n");
    if (!mActiveScene)
        return;
    // A start on something that stands for no piece clears an earlier start,
    // so that the next end cannot pair with it.
    if (QGraphicsItem *item = mActiveScene->itemAt(mActiveScene->mPressPos, QTransform())) {
        const DiagramItem *piece = mActiveScene->pieceStandingFor(item);
        mMultiSelectStart =
            piece ? RangeEnd{mActiveScene, piece->type(), piece->mIndex} : RangeEnd{};
    }
    resetToolbox();
}

// Selects the pieces from the start to this one, with their attachments, in
// one lane pair of the layout where the range was started.
void MainWindow::endMultiSelect()
{
    mDebugLog.writeFlush("endMultiSelect()\n");
    if (!mActiveScene)
        return;
    const DiagramItem *piece = mActiveScene->pieceStandingFor(
        mActiveScene->itemAt(mActiveScene->mPressPos, QTransform()));
    if (!piece || mMultiSelectStart.mScene != mActiveScene) {
        resetToolbox();
        return;
    }
    mMultiSelectEnd = RangeEnd{mActiveScene, piece->type(), piece->mIndex};
    if (mMultiSelectEnd.mKind != mMultiSelectStart.mKind) {
        resetToolbox();
        return;
    }
    const int lo = std::min(mMultiSelectStart.mIndex, mMultiSelectEnd.mIndex);
    const int hi = std::max(mMultiSelectStart.mIndex, mMultiSelectEnd.mIndex);
    for (QGraphicsItem *item : mActiveScene->items()) {
        if (item->type() != mMultiSelectStart.mKind)
            continue;
        const int index = static_cast<DiagramItem *>(item)->mIndex;
        if (index >= lo && index <= hi)
            item->setSelected(true);
    }
    resetToolbox();
}

// A click in Append mode gave the piece the toolbox's kind (and took its
// attachments off); the window redraws its pair and leaves the toolbox's
// track choice for the next edit.
void MainWindow::itemReplaced(DiagramItem *aItem)
{
    mDebugLog.writeFlush("MainWindow::itemReplaced()\n");
    if (!aItem || !mActiveScene)
        return;
    const int index = aItem->mIndex;
    mBuildLog.writeFlush("MainWindow::itemReplaced(): index %d   <%s>   dtype %d\n", index,
                         LATIN1(aItem->mPartNumber), int(aItem->mDiagramType));
    setSceneMode(DiagramScene::Move);

    // Attachment buttons (17 to 92) stay as they are.
    const int active = mActiveLayoutScreen->mActiveButton;
    QButtonGroup *group = nullptr;
    if (PieceKinds::isPlainTrack(active))
        group = mToolBox.mTrackGroup;
    else if (PieceKinds::isFourLanePair(active))
        group = mToolBox.mTrack4Group;
    if (group)
        uncheckActiveButton(group);

    LayoutRecord *record =
        PieceKinds::pairOfItemKind(aItem->type()) ? mActiveRecordB : mActiveRecordA;
    // The item still shows the piece it was; the record holds the new one.
    const QString caption = QStringLiteral("Replace %1 with %2")
                                .arg(aItem->mPartNumber, record->mPieces.value(index).mPartNumber);
    rebuildTrackGraphic(record, index);
    markChanged(caption);
}

// A double click put the toolbox's piece before the clicked one, at the
// clicked piece's level.
void MainWindow::itemInserted(DiagramItem *aItem, DiagramItem::DiagramType aType)
{
    if (!aItem || !mActiveScene)
        return;
    const int index = aItem->mIndex;
    LayoutRecord *record =
        PieceKinds::pairOfItemKind(aItem->type()) ? mActiveRecordB : mActiveRecordA;
    mBuildLog.writeFlush("MainWindow::itemInserted() dtype %d at track index %d\n", int(aType),
                         index);
    if (PieceKinds::isTrackPiece(mActiveLayoutScreen->mActiveButton))
        uncheckActiveButton(mToolBox.mTrackGroup);
    if (!PieceKinds::isTrackPiece(aType) ||
        !LayoutEdit::insertPieces(*record, *mCatalog, index, {mDiagramTypeList.at(aType)}, false,
                                  aItem->zValue()))
        return;
    rebuildTrackGraphic(record, index);
    markChanged(QStringLiteral("Insert ") + mDiagramTypeList.at(aType));
}

// The first piece was dragged to a new place: the layout is laid again from
// there, and a four-lane layout's second pair one track width beside it.
void MainWindow::itemMoved(DiagramItem *aItem)
{
    mDebugLog.writeFlush("MainWindow::itemMoved()\n");
    if (!aItem || !mActiveScene)
        return;
    setSceneMode(DiagramScene::Move);
    LayoutEdit::relocate(*mActiveRecordA, *mActiveRecordB, *mCatalog, aItem->pos());
    // The replay deletes the item.
    replayActiveLayout();
    markChanged(QStringLiteral("Move Layout"));
}
