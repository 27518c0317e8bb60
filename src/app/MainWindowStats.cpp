// The main window's inventory and usage: the inventory list and its file,
// the usage table of each layout tab and the two tables of the Stats tab,
// the check box that hides unused parts there, the Inventory Manager and the
// parts to buy.
#include "MainWindow.h"

#include "TabControls.h"
#include "UsageTables.h"
#include "inventoryDialog.h"
#include "partsToBuyDialog.h"

#include "catalog/RevellTrack.h"
#include "common/Prompter.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTableWidget>

namespace {

const char *const kInventoryFile = "../data/Inventory/RevellInventory.txt";

} // namespace

void MainWindow::buildInventory()
{
    mTrackInventory = TrackInventory(*mCatalog);
    mRunLog.write("mTrackInventory - %d items\n", mTrackInventory.size());
    for (int i = 0; i < mTrackInventory.size(); ++i) {
        const InventoryItem &item = mTrackInventory.at(i);
        mRunLog.write("   %d: %s <%s>\n", i, LATIN1(item.mPartNumber), LATIN1(item.mDescription));
    }
    mRunLog.writeFlush("\n");
    mCatalog->mNumInventoryItems = mTrackInventory.size();
    mSurface.mStats.mCatalogPiecesLineEdit->setText(QString::number(mTrackInventory.size()));
}

// A missing file is a fresh install: every count stays 0 and nobody is told.
void MainWindow::readInventoryFile()
{
    loadInventoryFile(QLatin1String(kInventoryFile), mTrackInventory, &mDebugLog);
}

QStringList MainWindow::layoutNames() const
{
    QStringList names;
    for (const LayoutRecord &record : mRecordA)
        names << record.mName;
    return names;
}

void MainWindow::initStatsTables()
{
    for (int i = 0; i < kLayoutTabCount; ++i) {
        UsageTables::setUpTrackTable(mTrackTables[i], mTrackInventory);
        mUsage[i] = QVector<int>(mTrackInventory.size(), 0);
    }
    UsageTables::setUpPieceUseTable(mSurface.mStats.mTrackTable, mTrackInventory);
    UsageTables::setUpLayoutsTable(mSurface.mStats.mLayoutsTable, mTrackInventory, layoutNames());
    // There are rows to hide now.
    mSurface.mStats.mZeroCheckBox->setEnabled(true);
}

void MainWindow::updateTrackUsage(int aIndex)
{
    mUsage[aIndex] = countUsage(mTrackInventory, *mCatalog, mRecordA[aIndex], mRecordB[aIndex]);
    UsageTables::showLayoutUsage(mTrackTables[aIndex], mUsage[aIndex]);
    refreshPartsToBuy();
}

// While the check box is ticked, the hidden rows follow the usage as it is
// now: a part that came into use since the last look is shown, one that fell
// out of use is hidden.
void MainWindow::updateStatsTables()
{
    UsageTables::showStats(mSurface.mStats.mTrackTable, mSurface.mStats.mLayoutsTable,
                           mTrackInventory, mUsage, layoutNames());
    if (mSurface.mStats.mZeroCheckBox->isChecked()) {
        unhideStatsZeroTableRows();
        hideStatsZeroTableRows();
    }
}

void MainWindow::on_zeroCheckBox_clicked(bool aChecked)
{
    if (aChecked)
        hideStatsZeroTableRows();
    else
        unhideStatsZeroTableRows();
}

void MainWindow::hideStatsZeroTableRows()
{
    mDebugLog.writeFlush("hideStatsZeroTableRows()\n");
    TabControls::setZeroRowsHidden(mSurface.mStats.mTrackTable, UsageTables::UseUsedColumn, true,
                                   mSurface.mStats.mLayoutsTable);
}

void MainWindow::unhideStatsZeroTableRows()
{
    mDebugLog.writeFlush("unhideStatsZeroTableRows()\n");
    TabControls::setZeroRowsHidden(mSurface.mStats.mTrackTable, UsageTables::UseUsedColumn, false,
                                   mSurface.mStats.mLayoutsTable);
}

void MainWindow::hideZeroTableRows()
{
    mDebugLog.writeFlush("hideZeroTableRows()\n");
    TabControls::setZeroRowsHidden(mTrackTables[mActiveIndex], UsageTables::TrackUsedColumn, true);
}

void MainWindow::unhideZeroTableRows()
{
    mDebugLog.writeFlush("unhideZeroTableRows()\n");
    TabControls::setZeroRowsHidden(mTrackTables[mActiveIndex], UsageTables::TrackUsedColumn, false);
}

void MainWindow::setInventoryDialogRunner(InventoryDialogRunner aRunner)
{
    mRunInventoryDialog = std::move(aRunner);
}

// The dialog is kept between uses but always opens on the inventory's
// counts, so counts typed and then cancelled are gone. A count the user
// accepted stays in memory even when the file cannot be written; the user
// is told, and the next OK tries again.
void MainWindow::on_actionInventory_Manager_triggered()
{
    mDebugLog.writeFlush("on_actionInventory_Manager_triggered()\n");
    if (!mInventoryDialog)
        mInventoryDialog = new inventoryDialog(&mTrackInventory, this);
    mInventoryDialog->refill();
    const int result =
        mRunInventoryDialog ? mRunInventoryDialog(*mInventoryDialog) : mInventoryDialog->exec();
    if (result == QDialog::Accepted &&
        !saveInventoryFile(QLatin1String(kInventoryFile), mTrackInventory, &mDebugLog))
        prompter().message(QStringLiteral("The inventory could not be written."));
    // "Available" is owned minus used: it moves with the counts.
    updateStatsTables();
    refreshPartsToBuy();
}

void MainWindow::on_actionParts_to_Buy_triggered()
{
    mDebugLog.writeFlush("on_actionParts_to_Buy_triggered()\n");
    if (!mPartsToBuyDialog)
        mPartsToBuyDialog = new partsToBuyDialog(&mTrackInventory, &mUsage, this);
    mPartsToBuyDialog->refill(layoutNames());
    mPartsToBuyDialog->show();
    mPartsToBuyDialog->raise();
    mPartsToBuyDialog->activateWindow();
}

void MainWindow::refreshPartsToBuy()
{
    if (mPartsToBuyDialog && mPartsToBuyDialog->isVisible())
        mPartsToBuyDialog->refill(layoutNames());
}
