// The main window's layout tabs: their widget records, layout records and
// scenes, the choice of the active layout, the per-tab view controls, the
// window-wide unit and appearance options and the refresh after an edit.
#include "MainWindow.h"

#include "LaneColorDialog.h"
#include "TabControls.h"

#include "catalog/RevellTrack.h"
#include "common/Prompter.h"
#include "graphics/DiagramItem.h"
#include "layout/DiagramScene.h"
#include "layout/LaneColors.h"
#include "layout/TrackPlanFile.h"
#include "layout/ViewMath.h"

#include <QCheckBox>
#include <QDial>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBox>
#include <QToolButton>
#include <QUndoGroup>
#include <QWheelEvent>

namespace {

// The toolbox page that holds a layout's pieces: 4-lane pieces for a
// 4-lane layout, else the 2-lane track page.
int toolBoxPageFor(const LayoutRecord &aRecordA)
{
    return aRecordA.mLanes == 4 ? ToolBoxBuilder::Track4Page : ToolBoxBuilder::TrackPage;
}

// How many entries the lane lengths left out, and the first part numbers
// among them. A part number from a damaged file may be a whole line of junk,
// so each is shortened to what a box can show.
QString unknownPiecesNote(const QStringList &aPartNumbers)
{
    constexpr int kListed = 10;
    constexpr int kLongest = 24;
    QStringList distinct;
    for (const QString &partNumber : aPartNumbers) {
        if (!distinct.contains(partNumber))
            distinct << partNumber;
        if (distinct.size() > kListed)
            break;
    }
    QStringList listed;
    for (int i = 0; i < qMin(kListed, distinct.size()); ++i) {
        const QString &partNumber = distinct.at(i);
        listed << (partNumber.isEmpty()           ? QStringLiteral("\"\"")
                   : partNumber.size() > kLongest ? partNumber.left(kLongest) + QChar(0x2026)
                                                  : partNumber);
    }
    QString list = listed.join(QStringLiteral(", "));
    if (distinct.size() > kListed)
        list += QStringLiteral(" and others");
    const int count = aPartNumbers.size();
    return count == 1 ? QStringLiteral("1 piece has a part number the catalog does not know and "
                                       "adds nothing to the lane lengths: %1.")
                            .arg(list)
                      : QStringLiteral("%1 pieces have part numbers the catalog does not know and "
                                       "add nothing to the lane lengths: %2.")
                            .arg(count)
                            .arg(list);
}

} // namespace

// The factory filled each record with its tab's widgets when the tree was
// built; here each starts its display and joins the window's lists.
void MainWindow::buildLayoutScreens()
{
    for (int i = 0; i < kLayoutTabCount; ++i) {
        LayoutScreen &screen = mLayoutScreens[i];
        mDebugLog.writeFlush("LayoutScreen constructor() tab %d\n", i + 1);
        screen.mScaleLineEdit->setText(QStringLiteral("1x"));
        screen.mRotateLineEdit->setText(QString::number(screen.mRotateDial->value()));
        mTrackTables[i] = screen.mTrackTable;
    }
}

// Every layout starts empty with two lanes and the default lane colours;
// record B is record A's twin for the second lane pair.
void MainWindow::buildLayoutRecords()
{
    for (int i = 0; i < kLayoutTabCount; ++i) {
        const QString name = QStringLiteral("unnamed%1").arg(i + 1);
        LayoutRecord recordA(name, 2, mCatalog->width, mDefaultLaneBrush);
        recordA.mFirstPair = true;
        recordA.mSecondPair = false;
        LayoutRecord recordB = recordA;
        recordB.mFirstPair = false;
        recordB.mSecondPair = true;
        mRecordA[i] = recordA;
        mRecordB[i] = recordB;
        mLayoutScreens[i].mNameLineEdit->setText(name);
    }
}

void MainWindow::createScenes()
{
    for (int i = 0; i < kLayoutTabCount; ++i) {
        const int tab = i + 1;
        if (tab > 1)
            mDebugLog.writeFlush("tab %d init()\n", tab);
        mDebugLog.writeFlush("   DiagramScene constructor\n");
        auto *scene = new DiagramScene(mItemMenu, mCatalog.get(), &mRecordA[i], &mRecordB[i],
                                       &mLayoutScreens[i], &mBuildLog, &mDebugLog, this);
        scene->setObjectName(QStringLiteral("scene%1").arg(tab));
        scene->setSceneRect(0, 0, 5000, 5000);
        connect(scene, &DiagramScene::itemAppended, this, &MainWindow::itemAppended);
        connect(scene, &DiagramScene::itemInserted, this, &MainWindow::itemInserted);
        connect(scene, &DiagramScene::itemReplaced, this, &MainWindow::itemReplaced);
        connect(scene, &DiagramScene::itemMoved, this, &MainWindow::itemMoved);
        // The Mode field shows what a click will do: it follows every change
        // of the scene's mode, the scene's own ones included.
        QLineEdit *modeField = mLayoutScreens[i].mModeLineEdit;
        modeField->setText(DiagramScene::modeText(scene->mMode));
        connect(scene, &DiagramScene::modeChanged, modeField,
                [modeField](DiagramScene::Mode aMode) {
                    modeField->setText(DiagramScene::modeText(aMode));
                });
        connect(scene, &DiagramScene::itemAttached, this, &MainWindow::itemAttached);
        scene->mDeleteAttachments = [this](int aPieceKind) { deleteAttachments(aPieceKind); };
        scene->mRestoreAttachments = [this, scene](LayoutRecord *aRecord) {
            restoreAttachments(scene, aRecord);
        };
        // Scenes never report a selection yet; layout 1's is wired for when they do.
        if (tab == 1)
            connect(scene, &DiagramScene::itemSelected, this, &MainWindow::itemSelected);

        QGraphicsView *view = mSurface.mLayouts[i].mView;
        view->setScene(scene);
        mDebugLog.writeFlush("   TabScreen constructor\n");
        mTabScreens[i] = TabScreen{tab, view, scene, &mRecordA[i], &mRecordB[i]};
        connectTabControls(i);
    }
}

// One handler per kind of control serves all eight tabs; each connection
// carries its own tab, so a handler acts on the layout whose control moved,
// even when a focus change fires it after another tab has become active.
void MainWindow::connectTabControls(int aIndex)
{
    const LayoutScreen &screen = mLayoutScreens[aIndex];
    connect(screen.mRotateDial, &QDial::valueChanged, this,
            [this, aIndex](int aValue) { rotateDialChanged(aIndex, aValue); });
    connect(screen.mScaleSlider, &QSlider::valueChanged, this,
            [this, aIndex](int aValue) { scaleSliderChanged(aIndex, aValue); });
    connect(screen.mLockRotationCheckBox, &QCheckBox::toggled, this,
            [this, aIndex](bool aChecked) { lockRotationToggled(aIndex, aChecked); });
    connect(screen.mNameLineEdit, &QLineEdit::editingFinished, this,
            [this, aIndex] { layoutNameEditingFinished(aIndex); });
    connect(mSurface.mLayouts[aIndex].mFitButton, &QToolButton::clicked, this,
            [this, aIndex] { fitLayout(aIndex); });
    for (int pair = 0; pair < 2; ++pair)
        connect(screen.mBalanceButton[pair], &QPushButton::clicked, this,
                [this, aIndex, pair] { selectBalanceHint(aIndex, pair); });
    QWidget *viewport = mSurface.mLayouts[aIndex].mView->viewport();
    mViewportTabs.insert(viewport, aIndex);
    viewport->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject *aWatched, QEvent *aEvent)
{
    if (aEvent->type() == QEvent::Wheel) {
        auto *wheel = static_cast<QWheelEvent *>(aEvent);
        const auto tab = mViewportTabs.constFind(aWatched);
        if (tab != mViewportTabs.constEnd() && (wheel->modifiers() & Qt::ControlModifier)) {
            TabControls::zoomAbout(mLayoutScreens[*tab], mSurface.mLayouts[*tab].mView,
                                   wheel->position().toPoint(),
                                   ViewMath::wheelSliderSteps(wheel->angleDelta().y()));
            return true;
        }
    }
    return QMainWindow::eventFilter(aWatched, aEvent);
}

void MainWindow::fitActiveLayout()
{
    fitLayout(mActiveIndex);
}

void MainWindow::fitLayout(int aIndex)
{
    if (!TabControls::fitToView(mLayoutScreens[aIndex], mSurface.mLayouts[aIndex].mView,
                                mRecordA[aIndex]))
        statusBar()->showMessage(QStringLiteral("This layout is empty."), 5000);
}

void MainWindow::rotateDialChanged(int aIndex, int aValue)
{
    TabControls::rotateDialChanged(mLayoutScreens[aIndex], mSurface.mLayouts[aIndex].mView,
                                   mRecordA[aIndex], aValue);
}

void MainWindow::scaleSliderChanged(int aIndex, int aValue)
{
    mDebugLog.writeFlush("on_scale%dHorizontalSlider_valueChanged() value %d\n", aIndex + 1,
                         aValue);
    TabControls::scaleSliderChanged(mLayoutScreens[aIndex], mSurface.mLayouts[aIndex].mView,
                                    mRecordA[aIndex], aValue);
}

void MainWindow::lockRotationToggled(int aIndex, bool aChecked)
{
    Q_UNUSED(aChecked)
    mDebugLog.writeFlush("on_lock%dRotationCheckBox_toggled()\n", aIndex + 1);
    refreshViewTransform(aIndex);
}

// A name the layout file cannot hold is refused where it is typed: the
// field goes back to the name the layout has.
void MainWindow::layoutNameEditingFinished(int aIndex)
{
    LayoutRecord &record = mRecordA[aIndex];
    QLineEdit *edit = mLayoutScreens[aIndex].mNameLineEdit;
    const QString name = edit->text();
    const bool renamed = name != record.mName;
    const QString problem = layoutNameProblem(name);
    if (!problem.isEmpty()) {
        if (renamed) {
            edit->setText(record.mName);
            prompter().message(problem);
        }
        return;
    }
    // Record B's section of a four-lane file carries the name too.
    record.mName = name;
    mRecordB[aIndex].mName = name;
    mDebugLog.writeFlush("on_layout%dNameLineEdit_editingFinished() new name <%s>\n", aIndex + 1,
                         LATIN1(record.mName));
    // The file stores the name: renaming is an edit.
    if (renamed)
        recordEdit(aIndex, QStringLiteral("Rename Layout"));
}

void MainWindow::refreshViewTransform(int aIndex)
{
    TabControls::refreshViewTransform(mLayoutScreens[aIndex], mSurface.mLayouts[aIndex].mView,
                                      mRecordA[aIndex]);
}

void MainWindow::setActiveLayout(int aIndex)
{
    mActiveIndex = aIndex;
    mActiveTabScreen = &mTabScreens[aIndex];
    mActiveView = mSurface.mLayouts[aIndex].mView;
    mActiveScene = mTabScreens[aIndex].mScene;
    mActiveRecordA = &mRecordA[aIndex];
    mActiveRecordB = &mRecordB[aIndex];
    mActiveLayoutScreen = &mLayoutScreens[aIndex];
}

void MainWindow::on_tabWidget_currentChanged(int aIndex)
{
    mDebugLog.writeFlush("on_tabWidget_currentChanged() tab %d\n", aIndex);
    // Elevations are drawn inverted only for as long as Inverted is held.
    mNormalRadioButton->setChecked(true);

    mCurrentTab = aIndex;
    mTabLineEdit->setText(QString::number(aIndex));
    // The Stats tab keeps layout 1 active, so the Item menu always has a layout.
    setActiveLayout(qBound(0, aIndex - 1, kLayoutTabCount - 1));
    mActiveLineEdit->setText(QString::number(aIndex));
    // Undo and Redo act on the layout in front, and on nothing from the Stats tab.
    if (mUndoGroup)
        mUndoGroup->setActiveStack(aIndex > 0 ? mUndoStacks[mActiveIndex] : nullptr);

    // The toolbox selection belongs to the window, not to a layout.
    TabControls::resetToolSelection(*mActiveLayoutScreen, mToolBox);
    if (mActiveScene)
        mActiveScene->setMode(DiagramScene::Move);
    if (mToolBox.mToolBox)
        mToolBox.mToolBox->setCurrentIndex(toolBoxPageFor(*mActiveRecordA));

    (mActiveLayoutScreen->mFilled ? mFilledRadioButton : mHollowRadioButton)->setChecked(true);
    if (aIndex > 0) {
        restyleLaneLabels(mActiveIndex);
        // The unit may have changed while another tab was in front; the
        // figures are cheap to compute again. Unknown pieces were reported
        // when the layout was read, not at every visit.
        showLayoutSize(mActiveIndex);
        showLaneLengths(mActiveIndex, false);
        showChecks(mActiveIndex);
        // Keys and the wheel go to the drawing, unless the user is walking
        // the tabs with the keyboard (a click on a tab leaves the tab bar
        // its focus too, but comes with a mouse button held).
        const bool walkingTabs = tabWidget()->tabBar()->hasFocus() &&
                                 QGuiApplication::mouseButtons() == Qt::NoButton;
        if (!walkingTabs)
            mActiveView->setFocus();
    }
    if (aIndex == 0)
        updateStatsTables();
    mDebugLog.writeFlush("on_tabWidget_currentChanged() mActiveIndex %d\n", mActiveIndex);
}

void MainWindow::restyleLaneLabels(int aIndex)
{
    const LayoutScreen &screen = mLayoutScreens.at(aIndex);
    for (int lane = 0; lane < 4; ++lane) {
        screen.mLaneLabel[lane]->setStyleSheet(
            laneLabelStyleSheet(laneColorName(mRecordA.at(aIndex).mLaneBrush[lane])));
    }
}

LengthUnit MainWindow::lengthUnit() const
{
    if (mMRadioButton->isChecked())
        return LengthUnit::Metres;
    if (mFtRadioButton->isChecked())
        return LengthUnit::Feet;
    return LengthUnit::Millimetres;
}

void MainWindow::on_ftRadioButton_clicked()
{
    unitChanged(QStringLiteral("ft"));
}

void MainWindow::on_mRadioButton_clicked()
{
    unitChanged(QStringLiteral("m"));
}

void MainWindow::on_mmRadioButton_clicked()
{
    unitChanged(QStringLiteral("mm"));
}

// Only the active layout's figures are recomputed; the others follow when
// their tab is next shown. The titles change on every tab at once.
void MainWindow::unitChanged(const QString &aUnit)
{
    updateLayoutSize();
    on_calcPushButton_clicked();
    if (mActiveRecordA)
        showChecks(mActiveIndex);
    for (const LayoutScreen &screen : mLayoutScreens)
        TabControls::setUnitTitles(screen, aUnit);
}

// Both appearance buttons report every switch, one checked and one not, and
// agree on the outcome; the layout is redrawn in its new fill once.
void MainWindow::on_filledRadioButton_toggled(bool aChecked)
{
    applyAppearance(aChecked);
}

void MainWindow::on_hollowRadioButton_toggled(bool aChecked)
{
    applyAppearance(!aChecked);
}

void MainWindow::on_calcPushButton_clicked()
{
    if (mActiveRecordA)
        showLaneLengths(mActiveIndex);
}

void MainWindow::showLaneLengths(int aIndex, bool aReportUnknown)
{
    LayoutRecord &recordA = mRecordA[aIndex];
    const QStringList unknown = calcLaneLengths(recordA, mRecordB[aIndex], *mCatalog);
    if (aReportUnknown)
        reportUnknownPieces(unknown);
    const LengthUnit unit = lengthUnit();
    for (int lane = 0; lane < 4; ++lane) {
        mLayoutScreens[aIndex].mLaneLineEdit[lane]->setText(
            formatLength(recordA.mLaneLength[lane], unit));
    }
}

// One box per computation, however many entries are unknown: a file full of
// them must not bury the user in boxes. A command that gathers its notes
// into one box (Open) takes the sentence instead.
void MainWindow::reportUnknownPieces(const QStringList &aPartNumbers)
{
    if (aPartNumbers.isEmpty())
        return;
    const QString text = unknownPiecesNote(aPartNumbers);
    if (mHeldNotes)
        mHeldNotes->append(text);
    else
        prompter().message(text);
}

void MainWindow::updateLayoutSize()
{
    if (mActiveScene)
        showLayoutSize(mActiveIndex);
}

void MainWindow::showLayoutSize(int aIndex)
{
    const DiagramScene *scene = mTabScreens[aIndex].mScene;
    if (!scene)
        return;
    const QSizeF size = layoutSizeMm(scene->itemsBoundingRect(), scene->mScale);
    const LengthUnit unit = lengthUnit();
    mLayoutScreens[aIndex].mWidthLineEdit->setText(formatLength(size.width(), unit));
    mLayoutScreens[aIndex].mHeightLineEdit->setText(formatLength(size.height(), unit));
}

void MainWindow::itemAppended(DiagramItem *aItem)
{
    mDebugLog.writeFlush("MainWindow::itemAppended()\n");
    if (aItem && mBuildLog.isOpen()) {
        const QString catalogPart = mCatalog->isValidIndex(aItem->mDbIndex)
                                        ? mCatalog->piece(aItem->mDbIndex).mPartNumber
                                        : QString();
        mBuildLog.write("MainWindow::itemAppended(): diagram item type %d <%s> [%d] <%s>\n",
                        int(aItem->mDiagramType), LATIN1(aItem->mPartNumber), aItem->mDbIndex,
                        LATIN1(catalogPart));
        mBuildLog.writeFlush("\n");
    }
    // A four-lane selection is one edit: its figures and its step wait for
    // its last piece.
    const auto *scene = aItem ? qobject_cast<const DiagramScene *>(aItem->scene()) : nullptr;
    if (scene && scene->mMorePiecesFollow)
        return;
    refreshAfterEdit();
    const int selection = scene ? scene->mFourLaneSelection : -1;
    const QString part = selection >= 0 ? mDiagramTypeList.value(selection)
                         : aItem        ? aItem->mPartNumber
                                        : QString();
    markChanged(QStringLiteral("Append ") + part);
}

void MainWindow::itemSelected(DiagramItem *aItem)
{
    if (!aItem)
        return;
    mDebugLog.writeFlush("MainWindow::itemSelected() type %d\n", aItem->type());
    mBuildLog.writeFlush(
        "MainWindow::itemSelected() <%s>  diagram type %d   track index %d   part num index %d\n",
        LATIN1(aItem->mPartNumber), int(aItem->mDiagramType), aItem->mIndex, aItem->mDbIndex);
}
