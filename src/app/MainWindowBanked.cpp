// The main window's banked-turn and elevation commands: the Item menu's
// "&Banked", which edits the turn a selected piece belongs to, and the five
// "Set Elev" entries, which raise or lower the selected pieces.
#include "MainWindow.h"

#include "common/Prompter.h"
#include "graphics/DiagramPathItem.h"
#include "graphics/PieceKinds.h"
#include "layout/BankedDialog.h"
#include "layout/BankedTurn.h"
#include "layout/DiagramScene.h"
#include "layout/Elevation.h"

#include <QSet>

#include <array>

void MainWindow::setBankedDialogRunner(BankedDialogRunner aRunner)
{
    mRunBankedDialog = std::move(aRunner);
}

// Any piece of a turn opens the dialog on the whole turn; the curves come
// and go right after its entry transition, and the turn is laid again from
// there.
void MainWindow::bankedItem()
{
    QGraphicsItem *first = firstSelected("bankedItem");
    if (!first)
        return;
    if (!PieceKinds::isPieceItemKind(first->type())) {
        resetToolbox();
        return;
    }
    const auto *host = static_cast<const DiagramItem *>(first);
    LayoutRecord *record =
        PieceKinds::pairOfItemKind(first->type()) ? mActiveRecordB : mActiveRecordA;
    // An attachment carries its host's index, but is no piece of a turn.
    const BankedTurn::Turn turn = PieceKinds::isBankedPiece(host->mDiagramType)
                                      ? BankedTurn::findTurn(*record, host->mIndex)
                                      : BankedTurn::Turn{};
    if (turn.mDirection.isEmpty()) {
        prompter().message(QStringLiteral("This track piece does not support banked track."));
        resetToolbox();
        return;
    }

    BankedDialog dialog(turn.mDirection, turn.mCurves, BankedTurn::curvesFenced(*record, turn),
                        this);
    const int result = mRunBankedDialog ? mRunBankedDialog(dialog) : dialog.exec();
    if (result == QDialog::Accepted &&
        BankedTurn::applyChange(*record, *mCatalog, turn,
                                {dialog.curveCount(), dialog.fences(), dialog.transitions()})) {
        rebuildTrackGraphic(record, turn.mStart + 1);
        markChanged(QStringLiteral("Banked Turn"));
    }
    resetToolbox();
}

// The selected pieces take the level in their records, and their drawing
// takes it in place, so the selection survives for the next command. Each
// piece's lane lines and attachments are those of its own lane pair: piece t
// of the other pair is another piece.
void MainWindow::setElevLevel(double aElev)
{
    if (!mActiveScene)
        return;
    const QList<QGraphicsItem *> selected = mActiveScene->selectedItems();
    mDebugLog.writeFlush("setElevLevel()   val %.2lf   %d items selected\n", aElev,
                         int(selected.size()));
    if (selected.isEmpty())
        return;

    const auto showLevel = [aElev](DiagramItem *aItem) {
        aItem->setZValue(aElev);
        aItem->mLevel = aElev;
        aItem->setToolTip(Elevation::toolTip(aItem->toolTip(), aElev));
    };
    std::array<QSet<int>, 2> raised; // piece indexes of lanes 1 and 2, of lanes 3 and 4
    for (QGraphicsItem *item : selected) {
        if (!PieceKinds::isPieceItemKind(item->type()))
            continue;
        auto *piece = static_cast<DiagramItem *>(item);
        // An attachment lies at its host's level; it is not raised alone.
        if (!PieceKinds::isTrackPiece(piece->mDiagramType))
            continue;
        const int pair = PieceKinds::pairOfItemKind(item->type());
        if (!Elevation::setLevel(pair ? *mActiveRecordB : *mActiveRecordA, piece->mIndex, aElev))
            continue;
        raised[pair].insert(piece->mIndex);
        showLevel(piece);
    }

    if (!raised[0].isEmpty() || !raised[1].isEmpty()) {
        for (QGraphicsItem *item : mActiveScene->items()) {
            const int kind = item->type();
            const QSet<int> &pieces = raised[PieceKinds::pairOfItemKind(kind)];
            if (PieceKinds::isLaneItemKind(kind)) {
                auto *line = static_cast<DiagramPathItem *>(item);
                if (pieces.contains(line->mIndex)) {
                    line->setZValue(aElev);
                    line->mLevel = aElev;
                }
            } else if (PieceKinds::isPieceItemKind(kind)) {
                auto *attachment = static_cast<DiagramItem *>(item);
                if (PieceKinds::isAttachment(attachment->mDiagramType) &&
                    pieces.contains(attachment->mIndex))
                    showLevel(attachment);
            }
        }
    }
    // Levels decide which pieces can collide: a bridge crosses freely.
    showChecks(mActiveIndex);
    markChanged(QStringLiteral("Set Elev %1").arg(qRound(aElev * (Elevation::kLevelCount - 1))));
    resetToolbox();
}

void MainWindow::elevLevel0()
{
    setElevLevel(Elevation::levelOf(0));
}

void MainWindow::elevLevel1()
{
    setElevLevel(Elevation::levelOf(1));
}

void MainWindow::elevLevel2()
{
    setElevLevel(Elevation::levelOf(2));
}

void MainWindow::elevLevel3()
{
    setElevLevel(Elevation::levelOf(3));
}

void MainWindow::elevLevel4()
{
    setElevLevel(Elevation::levelOf(4));
}
