// The main window's lane colours: the default colours kept between runs, the
// Options > Lane Colors command and what follows it on every layout.
#include "MainWindow.h"

#include "LaneColorDialog.h"

#include "layout/DefaultLaneColors.h"
#include "layout/LaneColors.h"

namespace {

QStringList colorNames(const std::array<QBrush, 4> &aBrushes)
{
    QStringList names;
    for (const QBrush &brush : aBrushes)
        names << laneColorName(brush);
    return names;
}

std::array<QBrush, 4> colorBrushes(const QStringList &aNames)
{
    std::array<QBrush, 4> brushes;
    for (int lane = 0; lane < 4; ++lane)
        brushes[lane] = laneBrush(aNames.value(lane));
    return brushes;
}

} // namespace

// A missing file keeps the built-in red, green, blue and yellow; nothing is said.
void MainWindow::readDefaultColors()
{
    readDefaultLaneColors(mDefaultLaneBrush);
}

// A file that cannot be written is skipped: the program is closing and has
// no one left to tell, and the previous file stays as it was.
void MainWindow::writeDefaultColors()
{
    writeDefaultLaneColors(mDefaultLaneBrush);
}

void MainWindow::setLaneColorDialogRunner(LaneColorDialogRunner aRunner)
{
    mRunLaneColorDialog = std::move(aRunner);
}

void MainWindow::on_actionLane_Colors_triggered()
{
    mDebugLog.writeFlush("on_actionLane_Colors_triggered()\n");
    if (!mActiveRecordA)
        return;
    LayoutRecord &recordA = *mActiveRecordA;
    {
        LaneColorDialog dialog(mCurrentTab, colorNames(recordA.mLaneBrush),
                               colorNames(mDefaultLaneBrush), this);
        const int result = mRunLaneColorDialog ? mRunLaneColorDialog(dialog) : dialog.exec();
        if (result == QDialog::Accepted) {
            const std::array<QBrush, 4> chosen = colorBrushes(dialog.chosenNames());
            // The colours are saved with the layout, so new ones are an edit
            // like any other, ended once the layout is drawn in them.
            if (dialog.useForLayout() && chosen != recordA.mLaneBrush)
                recordA.mLaneBrush = chosen;
            if (dialog.useAsDefault())
                mDefaultLaneBrush = chosen;
        }
    }
    // Lanes 3 and 4 are drawn from record B, which always shares A's colours.
    mActiveRecordB->mLaneBrush = recordA.mLaneBrush;

    if (mCurrentTab > 0) {
        replayActiveLayout();
        restyleLaneLabels(mActiveIndex);
    }
    markChanged(QStringLiteral("Lane Colors"));
    giveEmptyLayoutsTheDefaultColors();
}

// An empty layout has nothing drawn in its colours yet, so it follows the
// defaults; a layout with pieces keeps the colours it was laid in. The layout
// showing is left to the dialog's own choice.
void MainWindow::giveEmptyLayoutsTheDefaultColors()
{
    for (int i = 0; i < kLayoutTabCount; ++i) {
        if (i + 1 == mCurrentTab || !mRecordA[i].mPieces.isEmpty())
            continue;
        mRecordA[i].mLaneBrush = mDefaultLaneBrush;
        mRecordB[i].mLaneBrush = mDefaultLaneBrush;
        // Following the defaults is no edit of that layout: its history
        // starts from the new colours.
        takeHistoryBase(i);
    }
}
