// The Help menu's viewers: each is made on its first use and then kept, so
// that opening it again shows the page and history it was left with.
#include "MainWindow.h"

#include "HelpViewer.h"

namespace {

template <class Viewer> void showViewer(Viewer *&aViewer, QWidget *aParent)
{
    if (!aViewer)
        aViewer = new Viewer(aParent);
    aViewer->show();
    aViewer->raise();
    aViewer->activateWindow();
}

} // namespace

void MainWindow::on_actionHelp_triggered()
{
    mDebugLog.writeFlush("on_actionHelp_triggered()\n");
    showViewer(mHelpDialog, this);
}

void MainWindow::on_actionTutorial_triggered()
{
    mDebugLog.writeFlush("on_actionTutorial_triggered()\n");
    showViewer(mTutorialDialog, this);
}

void MainWindow::on_actionParts_triggered()
{
    mDebugLog.writeFlush("on_actionParts_triggered()\n");
    showViewer(mPartsDialog, this);
}

void MainWindow::on_actionSets_triggered()
{
    mDebugLog.writeFlush("on_actionSets_triggered()\n");
    showViewer(mSetsDialog, this);
}
