// The main window's editing of a layout's chain: the replay that follows
// every edit, the Item menu's append, insert, replace and delete commands,
// the range selection, and the answers to the scenes' click replacement,
// double-click insertion and drag of the first piece. Every edit changes a
// record's list first and then replays that record once.
#include "MainWindow.h"

#include "TabControls.h"

#include "catalog/RevellTrack.h"
#include "common/Prompter.h"
#include "graphics/DiagramPathItem.h"
#include "layout/AddTrackDialog.h"
#include "layout/BankedTurn.h"
#include "layout/DiagramScene.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGraphicsView>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace {

// Item types by role: the plain two-lane pieces come first, then the banked
// pieces; attachments and selections follow from 23.
constexpr int kFirstBankedType = DiagramTypeBase::F8519R_R;
constexpr int kFirstAttachmentType = DiagramTypeBase::R3603R_FU;
constexpr int kFirstFourLaneType = DiagramTypeBase::R3600R3600;
// Level of every piece the Item menu adds.
constexpr double kMenuLevel = 0.25;
// Start of the search for the lowest deleted index; above any real index.
constexpr int kNoIndex = 9999;

bool isPieceItem(const QGraphicsItem *aItem)
{
    return aItem && (aItem->type() == DiagramItem::eType || aItem->type() == DiagramItem::eType4);
}

bool isLaneLine(const QGraphicsItem *aItem)
{
    return aItem &&
           (aItem->type() == DiagramPathItem::eType || aItem->type() == DiagramPathItem::eType4);
}

// The exit transitions end a banked turn on level track, so a piece may be
// appended after them; every other banked piece is edited as part of its turn.
bool isExitTransition(int aType)
{
    return aType == DiagramTypeBase::F8519R_R || aType == DiagramTypeBase::F8514L_L;
}

// An attachment's host index is its host's place in the list; a replay that
// drops deleted entries or follows an insertion moves hosts, so the indexes
// are written again before the entries are read. Deleted entries do not count.
void renumberAttachmentHosts(LayoutRecord &aRecord)
{
    int host = 0;
    for (PlacedPiece &entry : aRecord.mPieces) {
        if (entry.mDeleted)
            continue;
        for (AttachmentEntry &attachment : entry.mAttachments)
            attachment.mHostIndex = host;
        ++host;
    }
}

} // namespace

// What the append, insert and replace commands act on: the piece's record
// and its place in the list.
struct MainWindow::EditHost
{
    LayoutRecord *mRecord = nullptr;
    int mIndex = -1;
};

int MainWindow::layoutOf(const LayoutRecord *aRecord) const
{
    for (int i = 0; i < kLayoutTabCount; ++i) {
        if (aRecord == &mRecordA[i] || aRecord == &mRecordB[i])
            return i;
    }
    return -1;
}

void MainWindow::rebuildTrackGraphic(LayoutRecord *aRecord, int aStartIndex)
{
    replayRecord(aRecord, aStartIndex, true);
}

// The replay runs in the scene of the record's own layout, which is the
// active one for every command; a record of no layout is left alone.
// aMeasure false leaves the size and lane lengths to a second replay that
// follows at once, so that a layout is measured (and an unknown piece
// reported) once per command.
void MainWindow::replayRecord(LayoutRecord *aRecord, int aStartIndex, bool aMeasure)
{
    const int layout = layoutOf(aRecord);
    if (layout < 0 || !mTabScreens[layout].mScene)
        return;
    renumberAttachmentHosts(*aRecord);
    mTabScreens[layout].mScene->rebuildRecord(aRecord, aStartIndex, mElevInverted);

    refreshViewTransform(layout);
    const LayoutScreen &screen = mLayoutScreens[layout];
    screen.mCurrentPosXLineEdit->setText(QString::asprintf("%.2lf", aRecord->mForwardPt.x()));
    screen.mCurrentPosYLineEdit->setText(QString::asprintf("%.2lf", aRecord->mForwardPt.y()));
    screen.mCurrentAngLineEdit->setText(QString::number(int(aRecord->mForwardAngle)));
    screen.mCurrentIndexLineEdit->setText(QString::number(aRecord->mNextIndex));
    if (aMeasure) {
        showLayoutSize(layout);
        showLaneLengths(layout);
    }
}

// Both lane pairs of a four-lane layout, the first pair alone otherwise:
// record B of a two-lane layout holds nothing to draw.
void MainWindow::replayActiveLayout()
{
    if (!mActiveRecordA)
        return;
    const bool fourLanes = mActiveRecordA->mLanes == 4;
    replayRecord(mActiveRecordA, 0, !fourLanes);
    if (fourLanes)
        replayRecord(mActiveRecordB, 0, true);
}

void MainWindow::applyAppearance(bool aFilled)
{
    if (!mActiveScene || !mActiveLayoutScreen)
        return;
    const unsigned char flag = aFilled ? 1 : 0;
    // The second button's report of the same switch finds the layout drawn.
    if (mActiveScene->mFilled == aFilled && mActiveLayoutScreen->mFilled == flag)
        return;
    mActiveScene->setFilled(aFilled);
    mActiveLayoutScreen->mFilled = flag;
    replayActiveLayout();
}

// Every switch between Normal and Inverted replays the active layout with
// each level L laid (and kept) as 1 - L, so the stacking of crossings turns
// over and the next switch turns it back.
void MainWindow::on_normalRadioButton_toggled(bool aChecked)
{
    mDebugLog.writeFlush("on_normalRadioButton_toggled()   aChecked %d   mElevInverted %d\n",
                         int(aChecked), int(mElevInverted));
    mElevInverted = true;
    mDebugLog.writeFlush("setGraphicsElev()   inverted %d   tab %d\n", int(mElevInverted),
                         mCurrentTab);
    replayActiveLayout();
    mDebugLog.writeFlush("   on_normalRadioButton_toggled()   aChecked %d   mElevInverted %d\n",
                         int(aChecked), int(mElevInverted));
    mElevInverted = false;
}

void MainWindow::resetToolbox()
{
    if (!mActiveLayoutScreen)
        return;
    TabControls::resetToolSelection(*mActiveLayoutScreen, mToolBox);
    if (mActiveScene)
        mActiveScene->setMode(DiagramScene::Move);
}

// The common start of append, insert and replace. False when the command
// ends here; the toolbox is reset where the command refuses its host.
bool MainWindow::commandHost(const char *aCommand, bool aExitTransitions, EditHost *aHost)
{
    mDebugLog.writeFlush("%s()\n", aCommand);
    if (!mActiveScene)
        return false;
    const QList<QGraphicsItem *> selected = mActiveScene->selectedItems();
    mBuildLog.writeFlush("%s()  number selected: %d\n", aCommand, int(selected.size()));
    if (selected.isEmpty())
        return false;

    QGraphicsItem *first = selected.first();
    if (!isPieceItem(first)) {
        resetToolbox();
        return false;
    }
    const auto *host = static_cast<const DiagramItem *>(first);
    const int type = host->mDiagramType;
    const bool allowed =
        (type >= 0 && type < kFirstBankedType) || (aExitTransitions && isExitTransition(type));
    if (!allowed) {
        prompter().message(QStringLiteral("See specific menu item for banked track."));
        resetToolbox();
        return false;
    }
    LayoutRecord *record = (first->type() == DiagramItem::eType4) ? mActiveRecordB : mActiveRecordA;
    // An item always names an entry of its record; one that does not is
    // refused rather than read past the list.
    if (host->mIndex < 0 || host->mIndex >= record->mPieces.size()) {
        resetToolbox();
        return false;
    }
    aHost->mRecord = record;
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

// A new entry laid where aNeighbour starts; the replay then places it.
PlacedPiece MainWindow::newEntry(const QString &aPartNumber, const PlacedPiece &aNeighbour,
                                 double aLevel) const
{
    return PlacedPiece(aPartNumber, mCatalog->findIndex(aPartNumber),
                       getDiagramType(aPartNumber, mDiagramTypeList), aNeighbour.mOrigin,
                       aNeighbour.mAngle, aLevel);
}

// Append (aAfter) or insert the chooser's pieces at the selected piece. A
// banked turn comes as its run of pieces, laid in order.
void MainWindow::addChosenPieces(bool aAfter)
{
    const char *command = aAfter ? "appendItem" : "insertItem";
    EditHost host;
    if (!commandHost(command, aAfter, &host))
        return;
    QString partNumber;
    QString angle;
    if (!chooseTrack(aAfter ? QStringLiteral("append") : QStringLiteral("insert"), &partNumber,
                     &angle))
        return;
    const QStringList names = BankedTurn::expandChoice(partNumber, angle);
    for (const QString &name : names) {
        if (mCatalog->findIndex(name) < 0)
            return;
    }

    QList<PlacedPiece> &pieces = host.mRecord->mPieces;
    int j = host.mIndex;
    for (const QString &name : names) {
        const PlacedPiece entry = newEntry(name, pieces.at(j), kMenuLevel);
        if (aAfter) {
            ++j;
            if (j < pieces.size())
                pieces.insert(j, entry);
            else
                pieces.append(entry);
        } else {
            pieces.insert(j, entry);
            ++j;
        }
    }
    rebuildTrackGraphic(host.mRecord, host.mIndex);
    // Here: the usage tables.
    markChanged();
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

// A replaced piece is a different piece: it is saved under its new part
// number and keeps none of the old one's attachments. A chooser closed
// without a choice leaves the layout as it was, unchanged and unmarked.
void MainWindow::replaceItem()
{
    EditHost host;
    if (!commandHost("replaceItem", false, &host))
        return;
    QString partNumber;
    QString angle;
    if (!chooseTrack(QStringLiteral("replace"), &partNumber, &angle))
        return;
    const int dbIndex = mCatalog->findIndex(partNumber);
    const int type = getDiagramType(partNumber, mDiagramTypeList);
    if (dbIndex < 0 || type < 0)
        return;

    PlacedPiece &entry = host.mRecord->mPieces[host.mIndex];
    entry.mPartNumber = partNumber;
    entry.mDbIndex = dbIndex;
    entry.mItemType = type;
    entry.mAttachments.clear();
    rebuildTrackGraphic(host.mRecord, host.mIndex);
    // Here: the usage tables.
    markChanged();
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
    bool removed = false;
    for (QGraphicsItem *item : selected) {
        if (!isPieceItem(item))
            continue;
        auto *piece = static_cast<DiagramItem *>(item);
        const int pair = (item->type() == DiagramItem::eType4) ? 1 : 0;
        LayoutRecord &record = pair ? *mActiveRecordB : *mActiveRecordA;
        const int t = piece->mIndex;
        const QString partNumber = piece->mPartNumber;
        const bool isTrack = piece->mDiagramType < kFirstAttachmentType;
        if (mBuildLog.isOpen()) {
            mBuildLog.write("   PN <%s>   tooltip <%s>   PN index %d   dtype %d\n",
                            LATIN1(partNumber), LATIN1(piece->toolTip()), piece->mDbIndex,
                            int(piece->mDiagramType));
            mBuildLog.write("   track index to remove %d\n", t);
        }
        delete piece;
        removed = true;
        if (t < 0 || t >= record.mPieces.size())
            continue;
        PlacedPiece &entry = record.mPieces[t];
        if (isTrack) {
            entry.mDeleted = true;
            lowest[pair] = std::min(lowest[pair], t);
            continue;
        }
        for (int k = 0; k < entry.mAttachments.size(); ++k) {
            const AttachmentEntry &attachment = entry.mAttachments.at(k);
            if (attachment.mName == partNumber && attachment.mHostIndex == t) {
                entry.mAttachments.removeAt(k);
                break;
            }
        }
    }

    const bool touchedA = lowest[0] != kNoIndex;
    const bool touchedB = lowest[1] != kNoIndex;
    if (touchedA)
        replayRecord(mActiveRecordA, lowest[0], !touchedB);
    if (touchedB)
        replayRecord(mActiveRecordB, lowest[1], true);
    mBuildLog.write("   returned track index %d\n", std::min(lowest[0], lowest[1]));
    mBuildLog.writeFlush("\n");

    if (removed)
        markChanged();
    // A replay has measured the layout already.
    if (!touchedA && !touchedB)
        refreshAfterEdit();
    // Here: the usage tables, after a replay.
    resetToolbox();
}

// The piece a clicked item stands for: a piece (or attachment) item for
// itself, a lane line for the track piece of its pair with its index.
DiagramItem *MainWindow::pieceStandingFor(QGraphicsItem *aItem) const
{
    if (isPieceItem(aItem))
        return static_cast<DiagramItem *>(aItem);
    if (!isLaneLine(aItem) || !aItem->scene())
        return nullptr;
    const auto *line = static_cast<const DiagramPathItem *>(aItem);
    const int kind =
        (line->type() == DiagramPathItem::eType4) ? DiagramItem::eType4 : DiagramItem::eType;
    // A lane line lies inside its piece; only the items around it are looked at.
    const QList<QGraphicsItem *> near =
        aItem->scene()->items(aItem->sceneBoundingRect(), Qt::IntersectsItemBoundingRect);
    for (QGraphicsItem *candidate : near) {
        if (candidate->type() != kind)
            continue;
        auto *piece = static_cast<DiagramItem *>(candidate);
        if (piece->mIndex == line->mIndex && piece->mDiagramType < kFirstAttachmentType)
            return piece;
    }
    return nullptr;
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
        const DiagramItem *piece = pieceStandingFor(item);
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
    DiagramItem *piece =
        pieceStandingFor(mActiveScene->itemAt(mActiveScene->mPressPos, QTransform()));
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

// A click in Append mode gave the piece the toolbox's kind; the window
// redraws its pair and leaves the toolbox's track choice for the next edit.
void MainWindow::itemReplaced(DiagramItem *aItem)
{
    mDebugLog.writeFlush("MainWindow::itemReplaced()\n");
    if (!aItem || !mActiveScene)
        return;
    const int index = aItem->mIndex;
    mBuildLog.writeFlush("MainWindow::itemReplaced(): index %d   <%s>   dtype %d\n", index,
                         LATIN1(aItem->mPartNumber), int(aItem->mDiagramType));
    mActiveScene->setMode(DiagramScene::Move);
    mActiveLayoutScreen->mModeLineEdit->setText(QStringLiteral("Move"));

    // Attachment buttons (17 to 92) stay as they are.
    const int active = mActiveLayoutScreen->mActiveButton;
    QButtonGroup *group = nullptr;
    if (active < kFirstBankedType)
        group = mToolBox.mTrackGroup;
    else if (active >= kFirstFourLaneType)
        group = mToolBox.mTrack4Group;
    if (group) {
        if (QAbstractButton *button = group->button(active))
            button->setChecked(false);
        mActiveLayoutScreen->mBtnActiveLineEdit->clear();
        mActiveLayoutScreen->mActiveButton = 0;
    }

    LayoutRecord *record = (aItem->type() == DiagramItem::eType4) ? mActiveRecordB : mActiveRecordA;
    if (index < 0 || index >= record->mPieces.size())
        return;
    record->mPieces[index].mAttachments.clear();
    rebuildTrackGraphic(record, index);
    // Here: the usage tables.
    markChanged();
}

// A double click put the toolbox's piece before the clicked one, at the
// clicked piece's level.
void MainWindow::itemInserted(DiagramItem *aItem, DiagramItem::DiagramType aType)
{
    if (!aItem || !mActiveScene)
        return;
    const int index = aItem->mIndex;
    LayoutRecord *record = (aItem->type() == DiagramItem::eType4) ? mActiveRecordB : mActiveRecordA;
    mBuildLog.writeFlush("MainWindow::itemInserted() dtype %d at track index %d\n", int(aType),
                         index);

    const int active = mActiveLayoutScreen->mActiveButton;
    if (active < kFirstAttachmentType) {
        if (QAbstractButton *button = mToolBox.mTrackGroup->button(active))
            button->setChecked(false);
        mActiveLayoutScreen->mBtnActiveLineEdit->clear();
        mActiveLayoutScreen->mActiveButton = 0;
    }

    const int type = aType;
    if (index < 0 || index >= record->mPieces.size() || type < 0 || type >= kFirstAttachmentType)
        return;
    const QString partNumber = mDiagramTypeList.at(type);
    if (mCatalog->findIndex(partNumber) < 0)
        return;
    record->mPieces.insert(index, newEntry(partNumber, record->mPieces.at(index), aItem->zValue()));
    rebuildTrackGraphic(record, index);
    // Here: the usage tables.
    markChanged();
}

// The first piece was dragged to a new place: the layout is laid again from
// there, and a four-lane layout's second pair one track width above it.
void MainWindow::itemMoved(DiagramItem *aItem)
{
    mDebugLog.writeFlush("MainWindow::itemMoved()\n");
    if (!aItem || !mActiveScene)
        return;
    mActiveScene->setMode(DiagramScene::Move);
    mActiveLayoutScreen->mModeLineEdit->setText(QStringLiteral("Move"));
    // The replay deletes the item.
    const QPointF position = aItem->pos();
    const double scale = aItem->mScale;
    const bool fourLanes = mActiveRecordA->mLanes == 4;
    mActiveRecordA->mFirstPt = position;
    replayRecord(mActiveRecordA, 0, !fourLanes);
    if (fourLanes) {
        mActiveRecordB->mFirstPt = QPointF(position.x(), position.y() - mCatalog->width * scale);
        replayRecord(mActiveRecordB, 0, true);
    }
    // Here: the usage tables.
    markChanged();
}
