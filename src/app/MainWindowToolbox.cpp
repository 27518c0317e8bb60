// The main window's toolbox: its pages are filled once at start-up, and a
// click on one of its buttons tells the active layout's scene what the next
// click in the drawing does.
#include "MainWindow.h"

#include "TabControls.h"

#include "common/Prompter.h"
#include "layout/DiagramScene.h"
#include "layout/ViewMath.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPixmap>

// The window's tree holds the empty toolbox; its pages and button groups are
// made here, after the actions and before the menus.
void MainWindow::buildToolBox()
{
    mDebugLog.writeFlush("buildToolBox()\n");
    mToolBox = ToolBoxBuilder::fill(mToolBox.mToolBox, this);
    connect(mToolBox.mTrackGroup, &QButtonGroup::idClicked, this,
            &MainWindow::trackButtonGroupClicked);
    connect(mToolBox.mApronGroup, &QButtonGroup::idClicked, this,
            &MainWindow::apronButtonGroupClicked);
    connect(mToolBox.mTrack4Group, &QButtonGroup::idClicked, this,
            &MainWindow::track4ButtonGroupClicked);
    connect(mToolBox.mBackgroundGroup,
            QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &MainWindow::backgroundButtonGroupClicked);
    mDebugLog.writeFlush("buildToolBox() exit\n");
}

// A checked button makes the scene lay (or attach) its piece in aMode; the
// click that unchecks it returns the scene to Move. The tab's Mode field
// follows the scene. Groups are independent:
// a click in one never unchecks buttons of another.
void MainWindow::pieceButtonClicked(QButtonGroup *aGroup, int aId, int aMode)
{
    if (!mActiveLayoutScreen)
        return;
    const bool checked = TabControls::applyPieceButtonClick(aGroup, aId, *mActiveLayoutScreen);
    if (!mActiveScene)
        return;
    if (checked) {
        mActiveScene->setItemType(DiagramItem::DiagramType(aId));
        mActiveScene->setMode(DiagramScene::Mode(aMode));
    } else {
        mActiveScene->setMode(DiagramScene::Move);
    }
}

namespace {

bool isButtonChecked(const QButtonGroup *aGroup, int aId)
{
    const QAbstractButton *button = aGroup->button(aId);
    return button && button->isChecked();
}

} // namespace

void MainWindow::trackButtonGroupClicked(int aId)
{
    mDebugLog.writeFlush("trackButtonGroupClicked()   ID = %d\n", aId);
    const bool checked = isButtonChecked(mToolBox.mTrackGroup, aId);
    mBuildLog.writeFlush("trackButtonGroupClicked()   id %d   checked %d\n", aId, int(checked));
    pieceButtonClicked(mToolBox.mTrackGroup, aId, DiagramScene::Append);
}

// Attachments are chosen here; the click that fixes one to a piece is the
// scene's.
void MainWindow::apronButtonGroupClicked(int aId)
{
    mDebugLog.writeFlush("apronButtonGroupClicked()   ID = %d\n", aId);
    const bool checked = isButtonChecked(mToolBox.mApronGroup, aId);
    mBuildLog.writeFlush("apronButtonGroupClicked()   id = %d    checked %d\n", aId, int(checked));
    pieceButtonClicked(mToolBox.mApronGroup, aId, DiagramScene::Attach);
}

void MainWindow::track4ButtonGroupClicked(int aId)
{
    mDebugLog.writeFlush("track4ButtonGroupClicked()   ID = %d\n", aId);
    if (mActiveRecordA && mActiveRecordA->mLanes != 4) {
        prompter().message(
            QStringLiteral("4-lane selections are not available for 2-lane layouts."));
        if (QAbstractButton *button = mToolBox.mTrack4Group->button(aId))
            button->setChecked(false);
        return;
    }
    const bool checked = isButtonChecked(mToolBox.mTrack4Group, aId);
    mBuildLog.writeFlush("track4ButtonGroupClicked()   id %d    checked %d\n", aId, int(checked));
    pieceButtonClicked(mToolBox.mTrack4Group, aId, DiagramScene::Append4);
}

// The background belongs to the active scene only and is not saved.
void MainWindow::backgroundButtonGroupClicked(QAbstractButton *aButton)
{
    mDebugLog.writeFlush("backgroundButtonGroupClicked()\n");
    mBuildLog.writeFlush("backgroundButtonGroupClicked()\n");
    if (!aButton || !mActiveScene)
        return;
    const QPixmap tile(ViewMath::backgroundImageName(aButton->text()));
    mActiveScene->setBackgroundBrush(QBrush(tile));
    mActiveScene->update();
    if (mActiveView)
        mActiveView->viewport()->update();
}

// A new page means a new choice: nothing stays selected. The Active and
// Last fields keep the last choice for reference.
void MainWindow::on_toolBox_currentChanged(int aIndex)
{
    mDebugLog.writeFlush("on_toolBox_currentChanged()   index %d\n", aIndex);
    mToolBox.clearPieceSelection();
    if (mActiveScene)
        mActiveScene->setMode(DiagramScene::Move);
}

void MainWindow::resetToolbox()
{
    if (!mActiveLayoutScreen)
        return;
    TabControls::resetToolSelection(*mActiveLayoutScreen, mToolBox);
    if (mActiveScene)
        mActiveScene->setMode(DiagramScene::Move);
}

// The button of aGroup recorded as the tab's active one is no longer
// checked, and the tab shows no active button.
void MainWindow::uncheckActiveButton(QButtonGroup *aGroup)
{
    if (QAbstractButton *button = aGroup->button(mActiveLayoutScreen->mActiveButton))
        button->setChecked(false);
    mActiveLayoutScreen->mBtnActiveLineEdit->clear();
    mActiveLayoutScreen->mActiveButton = 0;
}

void MainWindow::setSceneMode(int aMode)
{
    // The tab's Mode field follows the scene (see createScenes).
    mActiveScene->setMode(DiagramScene::Mode(aMode));
}
