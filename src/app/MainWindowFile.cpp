// The main window's layout file commands (New, Open Layout File, Save Layout,
// Save Layout As), the save-status lamps that show what they left, and the
// offer to save changed layouts when the window closes.
#include "MainWindow.h"

#include "QLedIndicator.h"
#include "TabControls.h"
#include "newLayoutDialog.h"

#include "common/Prompter.h"
#include "layout/DiagramScene.h"
#include "layout/TrackPlanFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBox>

namespace {

const char *const kLayoutFolder = "../trackplans";
const char *const kOpenCaption = "Open Track Plan/Layout File";
const char *const kOpenFilter = "Track Layout files (*.txt)";
const char *const kSaveAsCaption = "Save Layout File As";
const char *const kSaveCaption = "Save Layout File";
const char *const kSaveFilter = "Text Files (*.txt)";
const char *const kLayoutExtension = ".txt";
// How long a file command's note stays in the status bar.
const int kMessageMs = 10000;

// File names are logged as the file system spells them.
QByteArray pathText(const QString &aPath)
{
    return aPath.toLocal8Bit();
}

int toolBoxPageFor(int aLanes)
{
    return aLanes == 4 ? ToolBoxBuilder::Track4Page : ToolBoxBuilder::TrackPage;
}

// Why Open read nothing, as the one sentence the user is shown.
QString openRefusal(TrackPlanRead aResult)
{
    const QString limit = trackPlanLimitText(aResult);
    switch (aResult) {
    case TrackPlanRead::Failed:
        return QStringLiteral("The file selected cannot be read.");
    case TrackPlanRead::TooLarge:
        return QStringLiteral("The file selected is %1.").arg(limit);
    case TrackPlanRead::TooManyPieces:
        return QStringLiteral("The file selected holds %1, more than a layout can have.").arg(limit);
    case TrackPlanRead::TooManyAttachments:
        return QStringLiteral("The file selected has %1, more than any piece can carry.").arg(limit);
    case TrackPlanRead::Complete:
    case TrackPlanRead::Truncated:
    case TrackPlanRead::NotALayout:
        break;
    }
    return QStringLiteral("The file selected was not a valid layout file.");
}

// How many pieces a file's count lines claim against how many it held, one
// figure per lane pair.
QString countsNote(const TrackPlanCounts &aCounts)
{
    const bool one = aCounts.mRead.size() == 1 && aCounts.mRead.first() == 1;
    const QString claimed = aCounts.mClaimed.size() == 1 && aCounts.mClaimed.first() == 1
                                ? QStringLiteral("1 piece")
                                : TrackPlanCounts::joined(aCounts.mClaimed) + QStringLiteral(" pieces");
    const QString pairs =
        aCounts.mClaimed.size() > 1 ? QStringLiteral(" for its two lane pairs") : QString();
    return QStringLiteral("The file selected claims %1%2, but %3 %4 read.")
        .arg(claimed, pairs, TrackPlanCounts::joined(aCounts.mRead),
             one ? QStringLiteral("was") : QStringLiteral("were"));
}

} // namespace

// ------------------------------------------------------------------ guards

bool MainWindow::layoutTabShowing()
{
    if (mCurrentTab > 0 && mActiveRecordA)
        return true;
    prompter().message(QStringLiteral("Please select a layout tab."));
    return false;
}

bool MainWindow::layoutHasPieces()
{
    if (mActiveRecordA->mNextIndex > 0)
        return true;
    prompter().message(QStringLiteral("This layout is empty."));
    return false;
}

// ------------------------------------------------------------------ New

void MainWindow::setNewLayoutDialogRunner(NewLayoutDialogRunner aRunner)
{
    mRunNewLayoutDialog = std::move(aRunner);
}

// New does not offer to save first: the dialog's note says the screen is
// cleared on OK, and Cancel leaves everything as it was.
void MainWindow::on_actionNew_triggered()
{
    mDebugLog.writeFlush("on_actionNew_triggered()\n");
    if (!layoutTabShowing())
        return;
    int lanes = 2;
    QString name = QStringLiteral("unnamed%1").arg(mCurrentTab);
    newLayoutDialog dialog(&lanes, &name, this);
    const int result = mRunNewLayoutDialog ? mRunNewLayoutDialog(dialog) : dialog.exec();
    if (result != QDialog::Accepted)
        return;

    LayoutRecord &recordA = *mActiveRecordA;
    LayoutRecord &recordB = *mActiveRecordB;
    LayoutScreen &screen = *mActiveLayoutScreen;
    screen.mNameLineEdit->setText(name);
    screen.mLanesLineEdit->setText(QString::number(lanes));
    recordA.mLanes = lanes;
    recordB.mLanes = lanes;
    mToolBox.mToolBox->setCurrentIndex(toolBoxPageFor(lanes));
    mActiveScene->clear();
    TabControls::resetToolSelection(screen, mToolBox);
    mActiveScene->setMode(DiagramScene::Move);
    // The chain is reset as a replay would leave an empty one, so that undoing
    // and redoing the New gives the very same records.
    for (LayoutRecord *record : {&recordA, &recordB}) {
        record->mPieces.clear();
        record->resetChain();
        record->mPath.clear();
        record->mName = name;
        record->mLaneBrush = mDefaultLaneBrush;
    }
    screen.mCurrentIndexLineEdit->setText(QStringLiteral("0"));
    // The old file is no longer this layout's: showing its path would invite
    // saving the new layout over it.
    screen.mFilePathLineEdit->clear();
    refreshAfterEdit();
    restyleLaneLabels(mActiveIndex);
    markChanged(QStringLiteral("New Layout"));
    statusBar()->showMessage(QStringLiteral("New layout %1").arg(name), kMessageMs);
}

// ------------------------------------------------------------------ Open

void MainWindow::on_actionOpen_Layout_File_triggered()
{
    mDebugLog.writeFlush("on_actionOpen_Layout_File_triggered()   mActiveIndex %d\n", mActiveIndex);
    if (!layoutTabShowing())
        return;
    // A fresh tab holds nothing to lose, so it is filled without a question.
    const bool untouched =
        mActiveRecordA->mPieces.isEmpty() &&
        mActiveLayoutScreen->mNameLineEdit->text().left(7) == QLatin1String("unnamed");
    if (!untouched && !askToClearLayout())
        return;

    // The layout the user agreed to clear is cleared when no file is chosen;
    // a chosen file replaces it whole, and one that is refused leaves it as it
    // was, so a bad file never costs the user a layout.
    const QString fileName = prompter().openFileName(
        QLatin1String(kOpenCaption), QLatin1String(kLayoutFolder), QLatin1String(kOpenFilter));
    if (fileName.isEmpty()) {
        if (!untouched)
            clearActiveLayout();
        return;
    }
    if (!QFile(fileName).open(QIODevice::ReadOnly)) {
        prompter().message(QStringLiteral("The file selected cannot be read."));
        return;
    }
    mDebugLog.writeFlush("   filename <%s>\n", pathText(fileName).constData());
    mRunLog.writeFlush("   open: filename <%s>\n", pathText(fileName).constData());
    // The file is read once, and no further than the most a layout file holds.
    QByteArray text;
    const TrackPlanRead got = readTrackPlanBytes(fileName, text);
    if (got != TrackPlanRead::Complete) {
        prompter().message(openRefusal(got));
        return;
    }
    if (!isTrackPlanText(text)) {
        prompter().message(openRefusal(TrackPlanRead::NotALayout));
        return;
    }

    mDebugLog.writeFlush("   readTrackPlan() path <%s>\n", pathText(fileName).constData());
    mRunLog.writeFlush("   readTrackPlan() path <%s>\n", pathText(fileName).constData());
    // Read into copies: the layout changes only when the whole file was read,
    // so a damaged or oversized file never leaves half a layout behind.
    LayoutRecord recordA = *mActiveRecordA;
    LayoutRecord recordB = *mActiveRecordB;
    TrackPlanCounts counts;
    const TrackPlanRead result =
        loadTrackPlanText(text, recordA, recordB, *mCatalog, mDiagramTypeList, &mDebugLog, &counts);
    if (result != TrackPlanRead::Complete) {
        prompter().message(openRefusal(result));
        return;
    }
    // Moved, not copied: a copy left alive would share the piece lists, and
    // the replay's first change would copy each of them whole.
    *mActiveRecordA = std::move(recordA);
    *mActiveRecordB = std::move(recordB);
    // The drawing it replaces goes whole: the second pair of a four-lane
    // layout has no record left to take its items down.
    mActiveScene->clear();
    // Whatever the file and the replay have to say comes in one box.
    QStringList notes;
    if (!counts.agree())
        notes << countsNote(counts);
    // With the count met, the piece it broke off in would go unnoticed.
    else if (counts.mBrokenOff)
        notes << QStringLiteral(
            "The file selected breaks off inside a piece; the pieces before it were read.");
    if (counts.mTrailing)
        notes << QStringLiteral(
            "The file selected goes on after its layout; the rest was not read.");
    mHeldNotes = &notes;
    showOpenedLayout(fileName);
    mHeldNotes = nullptr;
    if (!notes.isEmpty())
        prompter().message(notes.join(QLatin1Char(' ')));
}

// The questions before a layout that holds something is replaced. False when
// the user keeps it; the caller clears it.
bool MainWindow::askToClearLayout()
{
    const LayoutRecord &recordA = *mActiveRecordA;
    if (recordA.mChanged && !recordA.mSaved &&
        prompter().question(QStringLiteral("Layout has not been saved"), QStringLiteral("Save?")))
        on_actionSave_Layout_As_triggered();
    return prompter().question(QStringLiteral("Layout Exists"), QStringLiteral("Clear?"));
}

// Empties both chains and the drawing. The name and colours stay; the file
// no longer holds this layout, so the path goes and the lamp shows a layout
// not saved anywhere, as after New: nothing claims it is saved, and a later
// Save does not start at the old file.
void MainWindow::clearActiveLayout()
{
    for (LayoutRecord *record : {mActiveRecordA, mActiveRecordB}) {
        record->mPieces.clear();
        record->resetChain();
        record->mPath.clear();
    }
    mActiveScene->clear();
    mActiveLayoutScreen->mCurrentIndexLineEdit->setText(QStringLiteral("0"));
    mActiveLayoutScreen->mFilePathLineEdit->clear();
    refreshAfterEdit();
    markChanged(QStringLiteral("Clear Layout"));
    statusBar()->showMessage(QStringLiteral("Cleared %1").arg(mActiveRecordA->mName), kMessageMs);
}

void MainWindow::showOpenedLayout(const QString &aFileName)
{
    LayoutRecord &recordA = *mActiveRecordA;
    replayActiveLayout();
    // Only a four-lane layout needs its own page; a two-lane one leaves the
    // page the user was working on (the aprons, say) and its selection alone.
    if (recordA.mLanes == 4)
        mToolBox.mToolBox->setCurrentIndex(ToolBoxBuilder::Track4Page);
    recordA.mPath = aFileName;
    LayoutScreen &screen = *mActiveLayoutScreen;
    screen.mNameLineEdit->setText(recordA.mName);
    screen.mFilePathLineEdit->setText(aFileName);
    screen.mLanesLineEdit->setText(QString::number(recordA.mLanes));
    restyleLaneLabels(mActiveIndex);
    // Opening is undone like an edit; the layout as read is the saved one.
    markChanged(QStringLiteral("Open ") + QFileInfo(aFileName).fileName());
    markClean(mActiveIndex, true);
    showFileMessage(QStringLiteral("Opened"), aFileName);
}

// ------------------------------------------------------------------ Save

void MainWindow::on_actionSave_Layout_triggered()
{
    mDebugLog.writeFlush("on_actionSave_Layout_triggered()\n");
    saveLayout(false);
}

void MainWindow::on_actionSave_Layout_As_triggered()
{
    mDebugLog.writeFlush("on_actionSave_Layout_As_triggered()\n");
    saveLayout(true);
}

// Both saves always ask for the file: Save Layout never writes silently to
// the last path. The dialog starts at the file the layout was opened from,
// else in the layouts folder.
void MainWindow::saveLayout(bool aSaveAs)
{
    if (!layoutTabShowing() || !layoutHasPieces())
        return;
    const LayoutRecord &recordA = *mActiveRecordA;
    const QString start = recordA.mPath.isEmpty() ? QLatin1String(kLayoutFolder) : recordA.mPath;
    QString fileName = prompter().saveFileName(
        QLatin1String(aSaveAs ? kSaveAsCaption : kSaveCaption), start, QLatin1String(kSaveFilter));
    if (fileName.isEmpty())
        return;
    mDebugLog.writeFlush("   filename selected: <%s>\n", pathText(fileName).constData());
    if (aSaveAs && QFileInfo(fileName).isDir())
        return;
    // Case-sensitive on purpose: "plan.TXT" becomes "plan.TXT.txt".
    if (!fileName.endsWith(QLatin1String(kLayoutExtension), Qt::CaseSensitive))
        fileName += QLatin1String(kLayoutExtension);
    const bool exists = QFileInfo::exists(fileName);
    mDebugLog.writeFlush("   filename <%s>   exists %d\n", pathText(fileName).constData(),
                         exists ? 1 : 0);
    mRunLog.writeFlush(aSaveAs ? "   save as trackplan: <%s>\n" : "   save trackplan: <%s>\n",
                       pathText(fileName).constData());
    if (aSaveAs && exists &&
        !prompter().question(QStringLiteral("File Exists"), QStringLiteral("Overwrite?")))
        return;

    if (!writeLayoutFile(fileName)) {
        prompter().message(QStringLiteral("The file could not be written."));
        return;
    }
    // Record A's own path stays: only Open sets it.
    mActiveLayoutScreen->mFilePathLineEdit->setText(fileName);
    markClean(mActiveIndex, true);
    showFileMessage(QStringLiteral("Saved"), fileName);
    if (aSaveAs)
        mDebugLog.writeFlush("on_actionSave_Layout_As_triggered() exit\n");
}

// Each section's "track lengths" line holds its own strip's lanes, so record
// B carries lanes 3 and 4. The lengths are those the last edit or Open
// measured (and reported on): saving changes nothing to measure again. The
// file is replaced only once it is complete.
bool MainWindow::writeLayoutFile(const QString &aFileName)
{
    const LayoutRecord &recordA = *mActiveRecordA;
    LayoutRecord &recordB = *mActiveRecordB;
    if (recordA.mLanes == 4) {
        recordB.mLaneLength[0] = recordA.mLaneLength[2];
        recordB.mLaneLength[1] = recordA.mLaneLength[3];
    }
    return saveTrackPlanFile(aFileName, recordA, recordB, &mDebugLog);
}

// The file's folder and name say which file without the full path's length.
void MainWindow::showFileMessage(const QString &aVerb, const QString &aPath)
{
    const QFileInfo file(aPath);
    statusBar()->showMessage(
        QStringLiteral("%1 %2/%3").arg(aVerb, file.absoluteDir().dirName(), file.fileName()),
        kMessageMs);
}

// ------------------------------------------------------------------ lamps

void MainWindow::refreshSaveStatusLamp(int aIndex)
{
    QLedIndicator *lamp = mLayoutScreens.at(aIndex).mModifiedLed;
    if (!lamp)
        return;
    const LayoutRecord &recordA = mRecordA.at(aIndex);
    lamp->showSaveStatus(recordA.mChanged, recordA.mSaved);
}

// ------------------------------------------------------------------ close

// Offers every changed, unsaved layout for saving, its tab brought to the
// front. False when the user asked to save a layout and it is still unsaved
// (the file dialog was cancelled or the file could not be written): closing
// then would lose the work the user just asked to keep. An empty layout has
// nothing to lose and never holds the window open.
bool MainWindow::offerToSaveChangedLayouts()
{
    for (int i = 0; i < kLayoutTabCount; ++i) {
        const LayoutRecord &recordA = mRecordA[i];
        if (!recordA.mChanged || recordA.mSaved)
            continue;
        tabWidget()->setCurrentIndex(i + 1);
        if (!prompter().question(QStringLiteral("Layout Changed"),
                                 QStringLiteral("Save Layout %1?").arg(i + 1)))
            continue;
        on_actionSave_Layout_As_triggered();
        if (recordA.mChanged && !recordA.mSaved && !recordA.mPieces.isEmpty())
            return false;
    }
    return true;
}
