// The main window's replay of a layout's chains, the refresh of a tab's
// figures after an edit, and the display options that lay a layout again
// (appearance, the inverted elevation view).
#include "MainWindow.h"

#include "layout/DiagramScene.h"

#include <QRadioButton>

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
    const int layout = layoutOf(aRecord);
    if (layout < 0)
        return;
    replayChain(aRecord, aStartIndex);
    refreshLayout(layout);
}

// The replay runs in the scene of the record's own layout, which is the
// active one for every command; a record of no layout is left alone. The
// figures are the caller's to refresh, once, after all its replays.
void MainWindow::replayChain(LayoutRecord *aRecord, int aStartIndex)
{
    const int layout = layoutOf(aRecord);
    if (layout < 0 || !mTabScreens[layout].mScene)
        return;
    mTabScreens[layout].mScene->rebuildRecord(aRecord, aStartIndex, mElevInverted);
    mLayoutScreens[layout].showChainEnd(*aRecord);
}

// Both lane pairs of a four-lane layout, the first pair alone otherwise:
// record B of a two-lane layout holds nothing to draw.
void MainWindow::replayActiveLayout()
{
    if (!mActiveRecordA)
        return;
    replayChain(mActiveRecordA, 0);
    if (mActiveRecordA->mLanes == 4)
        replayChain(mActiveRecordB, 0);
    refreshAfterEdit();
}

void MainWindow::refreshLayout(int aIndex)
{
    refreshViewTransform(aIndex);
    showLayoutSize(aIndex);
    updateTrackUsage(aIndex);
    showLaneLengths(aIndex);
    showChecks(aIndex);
}

void MainWindow::refreshAfterEdit()
{
    if (mActiveRecordA)
        refreshLayout(mActiveIndex);
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
    // The levels are kept inverted, and saved so: an edit like any other.
    mStepFlipsView = true;
    markChanged(QStringLiteral("Invert Elevations"));
    mStepFlipsView = false;
}
