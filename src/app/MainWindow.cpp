#include "MainWindow.h"

#include "QtPrompter.h"

#include "catalog/RevellTrack.h"
#include "graphics/DiagramItem.h"
#include "graphics/DiagramPathItem.h"
#include "graphics/DiagramTypes.h"
#include "layout/DiagramScene.h"
#include "layout/LaneColors.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QSysInfo>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimerEvent>
#include <QToolBox>
#include <QVBoxLayout>

namespace {

const char *const kReleaseDate = "2025-06-30";
const char *const kTimeFormat = "yyyy-MM-dd HH:mm:ss";
// Only ever written into the debug log's banner.
const int kDebugMode = 0;
const int kWindowWidth = 1614;
const int kWindowHeight = 861;
const int kTimerInterval = 100;
const int kFontPointSize = 8;
// Room between neighbouring controls.
const int kSpacing = 4;

// A straight piece with its corners, lanes and connection codes, so that a
// reader of the run log can decode the catalog's coordinates.
const char *const kLegend[] = {
    "      (0,W+Wa)                                (L,W+Wa)",
    "  apn +.......+          2c           +.......+ 2b",
    "   2a .       .         apn           .       . apn",
    " (0,W)+---------------------------------------+ (L,W)",
    "      |              left/upper(2)            |",
    "      |                                       |",
    "  lane|=======================================|",
    "   2  |=======================================|",
    "      |                                       |",
    "      |                                       | ===>",
    " (0a) |front(a)                        back(b)| (0b)",
    "      |                                       |",
    "      |                                       |",
    "  lane|=======================================|",
    "   1  |=======================================|",
    "      |                                       |",
    "      |             right/lower(1)            |",
    " (0,0)+---------------------------------------+ (L,0)",
    "  apn .       .         apn           .       . apn",
    "   1a +.......+          1c           +.......+ 1b",
    "      (0,-Wa)                                 (L,-Wa)",
};

QString now()
{
    return QDateTime::currentDateTime().toString(QLatin1String(kTimeFormat));
}

// The operating system's version code where the platform has one; 0 elsewhere.
int platformVersionCode()
{
    int code = 0;
#if defined(Q_OS_WIN)
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    code = int(QSysInfo::windowsVersion());
    QT_WARNING_POP
#endif
    return code;
}

} // namespace

// Each step completes before the next: the catalog exists before the
// inventory is read, the default lane colours before the layout records are
// made, and the records before the scenes.
MainWindow::MainWindow(QWidget *aParent) : QMainWindow(aParent)
{
    installPrompter();
    mStartTime = now();
    mTitle = titleText();
    openDebugLog();
    buildWidgetTree();
    fitToScreen();
    hideDebugButtons();
    logPlatform();
    openRunAndBuildLogs();
    showSystemName();
    setUpDefaultLaneColors();
    createCatalog();
    logCrossSection();
    buildInventory();
    readInventoryFile();
    buildLayoutScreens();
    buildLayoutRecords();
    buildDiagramTypeList();
    initStatsTables();
    createActions();
    buildToolBox();
    createMenus();
    createScenes();
    createHistory();
    // The tree leaves layout 1 current, so showing the Stats tab is a real
    // change and runs the activation, which makes layout 1 the active one.
    mActiveIndex = 0;
    if (tabWidget()->currentIndex() == 0)
        on_tabWidget_currentChanged(0);
    else
        tabWidget()->setCurrentIndex(0);
    mCurrentTab = tabWidget()->currentIndex();
    setActiveLayout(0);
    // The Stats tab is in front: the tabs take the keys, not a read-only field.
    tabWidget()->setFocus();
    startHousekeepingTimer();
    mDebugLog.writeFlush("MainWindow() constructor exit\n\n");
    mRunLog.writeFlush("MainWindow() constructor exit\n\n");
}

MainWindow::~MainWindow()
{
    mDebugLog.writeFlush("\nMainWindow() destructor\n");
    writeDefaultColors();
    if (mRunLog.isOpen()) {
        mRunLog.write("\nMainWindow() destructor\n");
        dumpActiveSceneToRunLog();
        mRunLog.flush();
    }
    stopHousekeepingTimer();
    destroyHistory();

    mRunLog.write("\nlog closed...\n");
    mRunLog.close();
    mBuildLog.write("\nbuild log closed...\n");
    mBuildLog.close();
    mDebugLog.write("MainWindow() destructor: debug log closed...\n");
    mDebugLog.close();

    // The scenes point at the records and the tab widgets point back at this
    // window's slots; both go while every member still exists. Nothing torn
    // down here may reach a slot any more.
    for (QObject *child : mCentralWidget->findChildren<QObject *>())
        disconnect(child, nullptr, this, nullptr);
    for (TabScreen &tab : mTabScreens) {
        if (tab.mScene)
            disconnect(tab.mScene, nullptr, this, nullptr);
        delete tab.mScene;
        tab.mScene = nullptr;
    }
    mActiveScene = nullptr;
    delete mCentralWidget;
    mCentralWidget = nullptr;

    if (mOwnsPrompter && &prompter() == mQtPrompter.get())
        setPrompter(nullptr);
}

QString MainWindow::titleText()
{
    return QStringLiteral("Lanewright - Revell/Valtor v1.5 (%1)").arg(QLatin1String(kReleaseDate));
}

void MainWindow::installPrompter()
{
    // Tests install a recording prompter before they make the window; keep theirs.
    mQtPrompter = std::make_unique<QtPrompter>(this);
    Prompter *previous = setPrompter(mQtPrompter.get());
    if (previous) {
        setPrompter(previous);
        mQtPrompter.reset();
        return;
    }
    mOwnsPrompter = true;
}

void MainWindow::openDebugLog()
{
    mDebugLog.open("../logs/debug.log");
    mDebugLog.writeFlush("Lanewright Debug Log   %s\n", LATIN1(mStartTime));
    mDebugLog.writeFlush("   debug mode; %d\n", kDebugMode);
    mDebugLog.writeFlush("   program version: %s\n", LATIN1(mTitle));
    mDebugLog.writeFlush("\n");
    mDebugLog.writeFlush("MainWindow() constructor %s\n", LATIN1(mStartTime));
}

void MainWindow::buildWidgetTree()
{
    setObjectName(QStringLiteral("MainWindow"));
    // One font for the whole program, set where every widget takes it from:
    // a style sheet refresh (the lane labels get one at every tab switch)
    // falls back to the application's font, never to another size.
    QFont font = QApplication::font();
    font.setPointSize(kFontPointSize);
    QApplication::setFont(font);

    mCentralWidget = new QWidget(this);
    mCentralWidget->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(mCentralWidget);
    QLayout *topRow = buildWindowWideWidgets();
    mSurface = buildTabWidget(mCentralWidget, mLayoutScreens);
    mToolBox.mToolBox = ToolBoxBuilder::createToolBox(mCentralWidget);
    arrangeCentralWidget(topRow);
    buildMenuBar();
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    QMetaObject::connectSlotsByName(this);
    setWindowTitle(mTitle);
}

// The window-wide fields and options in one row along the top.
QLayout *MainWindow::buildWindowWideWidgets()
{
    auto label = [this](const char *aName, const char *aText) {
        auto *widget = new QLabel(QString::fromLatin1(aText), mCentralWidget);
        widget->setObjectName(QLatin1String(aName));
        return widget;
    };
    auto field = [this](const char *aName, const char *aSample, const char *aToolTip) {
        auto *widget = new QLineEdit(mCentralWidget);
        widget->setObjectName(QLatin1String(aName));
        widget->setReadOnly(true);
        widget->setFocusPolicy(Qt::ClickFocus);
        widget->setToolTip(QString::fromLatin1(aToolTip));
        fitFieldToText(widget, QString::fromLatin1(aSample));
        return widget;
    };
    auto button = [this](const char *aName, const char *aText) {
        auto *widget = new QPushButton(QString::fromLatin1(aText), mCentralWidget);
        widget->setObjectName(QLatin1String(aName));
        return widget;
    };

    mSystemLabel = label("systemLabel", "System");
    mSystemLineEdit = field("systemLineEdit", "Revell/Valtor",
                            "<html><head/><body><p>Raceway Sytem</p></body></html>");
    mPiecesLabel = label("piecesLabel", "Track DB Pieces");
    mPiecesLineEdit =
        field("piecesLineEdit", "0000",
              "<html><head/><body><p>Number of pieces in track database</p></body></html>");
    mDatetimeLineEdit = field("datetimeLineEdit", "0000-00-00 00:00:00",
                              "<html><head/><body><p>current date and time</p></body></html>");
    mActiveLabel = label("activeLabel", "Active Layout");
    mActiveLineEdit = field("activeLineEdit", "00",
                            "<html><head/><body><p>selected layout tab</p></body></html>");
    mTabLabel = label("tabLabel", "Tab");
    mTabLineEdit =
        field("tabLineEdit", "00", "<html><head/><body><p>selected layout tab</p></body></html>");
    buildOptionBoxes();
    mCalcPushButton = button("calcPushButton", "Calc");
    mExitPushButton = button("exitPushButton", "Exit");
    mDumpPushButton = button("dumpPushButton", "Dump");

    auto *row = new QHBoxLayout;
    row->setSpacing(kSpacing);
    const std::pair<QLabel *, QLineEdit *> pairs[] = {{mSystemLabel, mSystemLineEdit},
                                                      {mPiecesLabel, mPiecesLineEdit},
                                                      {mActiveLabel, mActiveLineEdit},
                                                      {mTabLabel, mTabLineEdit}};
    for (const auto &pair : pairs) {
        row->addWidget(pair.first);
        row->addWidget(pair.second);
        row->addSpacing(kSpacing * 3);
    }
    row->addStretch(1);
    row->addWidget(mElevationGroupBox);
    row->addWidget(mAppearanceGroupBox);
    row->addWidget(mMeasureGroupBox);
    row->addSpacing(kSpacing * 3);
    row->addWidget(mDatetimeLineEdit, 0, Qt::AlignVCenter);
    return row;
}

// The window-wide display options: elevation drawing, appearance and unit.
// Each box holds its radio buttons in a row; the first of each is checked.
void MainWindow::buildOptionBoxes()
{
    auto box = [this](const char *aName, const char *aTitle, const char *aToolTip) {
        auto *widget = new QGroupBox(QString::fromLatin1(aTitle), mCentralWidget);
        widget->setObjectName(QLatin1String(aName));
        if (aToolTip)
            widget->setToolTip(QString::fromLatin1(aToolTip));
        auto *row = new QHBoxLayout(widget);
        row->setContentsMargins(6, 0, 6, 2);
        row->setSpacing(kSpacing * 2);
        return widget;
    };
    auto radio = [](QGroupBox *aBox, const char *aName, const char *aText) {
        auto *widget = new QRadioButton(QString::fromLatin1(aText), aBox);
        widget->setObjectName(QLatin1String(aName));
        aBox->layout()->addWidget(widget);
        return widget;
    };

    mElevationGroupBox = box("elevationGroupBox", "Elevation", nullptr);
    mNormalRadioButton = radio(mElevationGroupBox, "normalRadioButton", "Normal");
    mInvertedRadioButton = radio(mElevationGroupBox, "invertedRadioButton", "Inverted");
    mNormalRadioButton->setChecked(true);

    mAppearanceGroupBox = box("appearanceGroupBox", "Appearance",
                              "<html><head/><body><p>track graphic appearance</p></body></html>");
    mFilledRadioButton = radio(mAppearanceGroupBox, "filledRadioButton", "Filled");
    mHollowRadioButton = radio(mAppearanceGroupBox, "hollowRadioButton", "Hollow");
    mFilledRadioButton->setChecked(true);

    mMeasureGroupBox = box("measureGroupBox", "Measurements",
                           "<html><head/><body><p>measurement options</p></body></html>");
    mFtRadioButton = radio(mMeasureGroupBox, "ftRadioButton", "ft");
    mMRadioButton = radio(mMeasureGroupBox, "mRadioButton", "m");
    mMmRadioButton = radio(mMeasureGroupBox, "mmRadioButton", "mm");
    mFtRadioButton->setChecked(true);
}

// The options along the top; below them the toolbox with the Exit button
// under it on the left, and the tabs taking the rest.
void MainWindow::arrangeCentralWidget(QLayout *aTopRow)
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(mCalcPushButton);
    buttons->addWidget(mExitPushButton);
    buttons->addWidget(mDumpPushButton);
    buttons->addStretch(1);

    auto *toolColumn = new QVBoxLayout;
    toolColumn->setSpacing(kSpacing);
    toolColumn->addWidget(mToolBox.mToolBox, 1);
    toolColumn->addLayout(buttons);

    auto *body = new QHBoxLayout;
    body->setSpacing(kSpacing);
    body->addLayout(toolColumn);
    body->addWidget(mSurface.mTabWidget, 1);

    auto *layout = new QVBoxLayout(mCentralWidget);
    layout->setContentsMargins(kSpacing, 0, kSpacing, 0);
    layout->setSpacing(kSpacing);
    layout->addLayout(aTopRow);
    layout->addLayout(body, 1);
}

void MainWindow::fitInto(const QRect &aArea)
{
    // The controls' own needs win over a screen too small for them.
    const QSize size =
        QSize(kWindowWidth, kWindowHeight).boundedTo(aArea.size()).expandedTo(minimumSizeHint());
    resize(size);
    const QPoint offset((aArea.width() - size.width()) / 2, (aArea.height() - size.height()) / 2);
    move(aArea.topLeft() + QPoint(qMax(0, offset.x()), qMax(0, offset.y())));
}

void MainWindow::fitToScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    fitInto(screen ? screen->availableGeometry() : QRect(0, 0, kWindowWidth, kWindowHeight));
    mDebugLog.writeFlush("   window size: %d x %d\n", width(), height());
}

void MainWindow::hideDebugButtons()
{
    // Calc and Dump are developer aids; they stay hidden for the whole run.
    mDumpPushButton->hide();
    mDumpPushButton->setEnabled(false);
    mCalcPushButton->hide();
    mCalcPushButton->setEnabled(false);
}

void MainWindow::logPlatform()
{
    mDebugLog.writeFlush("   Windows version : %d\n", platformVersionCode());
    mBasePath = QDir::currentPath();
    mDebugLog.writeFlush("   base path: <%s>\n", mBasePath.toLocal8Bit().constData());
}

void MainWindow::openRunAndBuildLogs()
{
    mRunLog.open("../logs/Lanewright.log");
    mRunLog.write("Lanewright Run Log   %s\n", LATIN1(mStartTime));
    mRunLog.write("   program version: %s\n", LATIN1(mTitle));
    mRunLog.writeFlush("MainWindow() constructor\n");

    mBuildLog.open("../logs/build.log");
    mBuildLog.writeFlush("Lanewright Build Log   %s\n", LATIN1(mStartTime));
}

void MainWindow::showSystemName()
{
    mSystemName = QStringLiteral("Revell/Valtor");
    mSystemLineEdit->setText(mSystemName);
}

void MainWindow::setUpDefaultLaneColors()
{
    mDefaultLaneBrush = {
        {laneBrush("red"), laneBrush("green"), laneBrush("blue"), laneBrush("yellow")}};
    readDefaultColors();
    mRunLog.write("   Default lane colors:\n");
    for (int lane = 0; lane < 4; ++lane)
        mRunLog.write("   lane %d: %s\n", lane + 1, LATIN1(laneColorName(mDefaultLaneBrush[lane])));
    mRunLog.writeFlush("\n");
}

void MainWindow::createCatalog()
{
    mDebugLog.writeFlush("   RevellTrack() constructor\n");
    mCatalog = std::make_unique<RevellTrack>();
    mPiecesLineEdit->setText(QString::number(mCatalog->mNumEntries));
}

void MainWindow::logCrossSection()
{
    if (!mRunLog.isOpen())
        return;
    const RevellTrack &t = *mCatalog;
    // Offsets from the right/lower edge, outermost first; "---" marks the track edges.
    struct Row
    {
        const char *mFormat;
        double mValue;
    };
    const Row fourLane[] = {
        {"   apron3 = %.3lf\n", t.apron3},    {"   width2 = %.3lf ---\n", t.width2},
        {"   track4 = %.3lf\n", t.track4},    {"   track3 = %.3lf\n", t.track3},
        {"   width  = %.3lf ---\n", t.width}, {"   track2 = %.3lf\n", t.track2},
        {"   track1 = %.3lf\n", t.track1},    {"   base   = %.3lf ---\n", t.base},
        {"   apron1 = %.3lf\n", t.apron1}};
    const Row twoLane[] = {
        {"   apron2 = %.3lf\n", t.apron2},   {"   width  = %.3lf ---\n", t.width},
        {"   track2 = %.3lf\n", t.track2},   {"   track1 = %.3lf\n", t.track1},
        {"   base   = %.3lf ---\n", t.base}, {"   apron1 = %.3lf\n", t.apron1}};
    mRunLog.write("4-lane:\n");
    for (const Row &row : fourLane)
        mRunLog.write(row.mFormat, row.mValue);
    mRunLog.write("\n");
    mRunLog.write("2-lane:\n");
    for (const Row &row : twoLane)
        mRunLog.write(row.mFormat, row.mValue);
    mRunLog.write("\n");

    mRunLog.write("track position legend\n\n");
    for (const char *line : kLegend)
        mRunLog.write("%s\n", line);
    mRunLog.write("\n");

    mRunLog.write("graphics item, 2-lane: %d\n", int(DiagramItem::eType));
    mRunLog.write("graphics item, 4-lane: %d\n", int(DiagramItem::eType4));
    mRunLog.write("graphics path item, 2-lane: %d\n", int(DiagramPathItem::eType));
    mRunLog.write("graphics path item, 4-lane: %d\n", int(DiagramPathItem::eType4));
    mRunLog.write("\n");
    mRunLog.writeFlush("\n");
}

void MainWindow::buildDiagramTypeList()
{
    initDiagramTypeList(mDiagramTypeList);
    if (!mRunLog.isOpen())
        return;
    mRunLog.write("mDiagramTypeList - %d items, R9999 = %d\n", int(mDiagramTypeList.size()),
                  int(DiagramTypeBase::R9999));
    for (int i = 0; i < mDiagramTypeList.size(); ++i)
        mRunLog.write(" %3d: %s\n", i, LATIN1(mDiagramTypeList.at(i)));
    mRunLog.writeFlush("\n");
}

void MainWindow::startHousekeepingTimer()
{
    mDebugLog.writeFlush("\n   MainWindow() timer\n");
    mTickCount = 0;
    mTimerId = startTimer(kTimerInterval, Qt::CoarseTimer);
}

void MainWindow::stopHousekeepingTimer()
{
    if (mTimerId == -1)
        return;
    killTimer(mTimerId);
    mTimerId = -1;
}

void MainWindow::timerEvent(QTimerEvent *aEvent)
{
    if (aEvent->timerId() != mTimerId) {
        QMainWindow::timerEvent(aEvent);
        return;
    }
    housekeepingTick();
}

void MainWindow::housekeepingTick()
{
    ++mTickCount;
    mStartTime = now();
    mDatetimeLineEdit->setText(mStartTime);
    refreshSaveStatusLamp(mTickCount % kLayoutTabCount);
}

void MainWindow::closeEvent(QCloseEvent *aEvent)
{
    mDebugLog.writeFlush("closeEvent()\n");
    mRunLog.writeFlush("closeEvent()\n");
    if (!offerToSaveChangedLayouts()) {
        // The user asked to keep a layout that could not be saved: the window
        // stays, and with it the clock and the lamps (Exit stopped the timer).
        aEvent->ignore();
        if (mTimerId == -1)
            mTimerId = startTimer(kTimerInterval, Qt::CoarseTimer);
        return;
    }
    stopHousekeepingTimer();
    aEvent->accept();
}

void MainWindow::keyPressEvent(QKeyEvent *aEvent)
{
    mShiftKey = aEvent->modifiers().testFlag(Qt::ShiftModifier);
    if (mActiveScene)
        mActiveScene->setShiftKey(mShiftKey);
    mDebugLog.writeFlush("keyPressEvent()  key code %08x   keymod %08x   mShiftKey %d\n",
                         unsigned(aEvent->key()), unsigned(aEvent->modifiers()), int(mShiftKey));
}

void MainWindow::keyReleaseEvent(QKeyEvent *aEvent)
{
    mShiftKey = aEvent->modifiers().testFlag(Qt::ShiftModifier);
    if (mActiveScene)
        mActiveScene->setShiftKey(mShiftKey);
    mDebugLog.writeFlush("keyReleaseEvent()  key code %08x   keymod %08x   mShiftKey %d\n",
                         unsigned(aEvent->key()), unsigned(aEvent->modifiers()), int(mShiftKey));
}

// The layouts place every control; the event is only logged.
void MainWindow::resizeEvent(QResizeEvent *aEvent)
{
    QMainWindow::resizeEvent(aEvent);
    mDebugLog.writeFlush("resizeEvent()\n");
}

void MainWindow::on_actionExit_triggered()
{
    mDebugLog.writeFlush("\non_actionExit_triggered()\n");
    stopHousekeepingTimer();
    close();
}

void MainWindow::on_exitPushButton_clicked()
{
    mDebugLog.writeFlush("\non_exitPushButton_clicked()\n");
    close();
}

void MainWindow::on_actionAbout_triggered()
{
    about();
}

void MainWindow::about()
{
    mDebugLog.writeFlush("about()\n");
    QMessageBox::about(
        this, QStringLiteral("About Lanewright"),
        QStringLiteral("<p><b>%1</b><br/>Plans home slot-car racing layouts built from "
                       "Revell/Valtor track: lay two- and four-lane pieces, aprons and crash "
                       "fences to scale, read lane lengths and layout size, count the parts "
                       "used against your inventory, and print or save up to eight layouts at "
                       "once.</p>")
            .arg(mTitle.toHtmlEscaped()));
}

// Only the two-lane pieces and lane lines are listed; every item still counts
// in the numbering, which follows the stacking order, topmost first.
void MainWindow::dumpActiveSceneToRunLog()
{
    if (!mActiveScene)
        return;
    const QList<QGraphicsItem *> items = mActiveScene->items(Qt::DescendingOrder);
    mRunLog.write("\nTab %d current scene items (%d):\n", mActiveIndex + 1, int(items.size()));
    for (int i = 0; i < items.size(); ++i) {
        QGraphicsItem *item = items.at(i);
        if (item->type() == DiagramItem::eType) {
            const auto *piece = static_cast<const DiagramItem *>(item);
            mRunLog.write("%2d: (polygon) type: %d  <%s> trk index %d   DB index %d\n", i,
                          int(piece->mDiagramType), LATIN1(piece->mPartNumber), piece->mIndex,
                          piece->mDbIndex);
        } else if (item->type() == DiagramPathItem::eType) {
            const auto *line = static_cast<const DiagramPathItem *>(item);
            mRunLog.write("%2d: (polyline) type: %d  <%s> trk index %d\n", i,
                          int(line->mDiagramType), LATIN1(line->mPartNumber), line->mIndex);
        }
    }
}

void MainWindow::on_dumpPushButton_clicked()
{
    mDebugLog.writeFlush("\nMainWindow::dumpSceneItemList()\n");
    if (!mActiveScene)
        return;
    const QList<QGraphicsItem *> items = mActiveScene->items(Qt::DescendingOrder);
    for (int i = 0; i < items.size(); ++i) {
        QGraphicsItem *item = items.at(i);
        const int type = item->type();
        if (type == DiagramItem::eType || type == DiagramItem::eType4) {
            const auto *piece = static_cast<const DiagramItem *>(item);
            mDebugLog.write("%d: (polygon) type %d   pn <%s>  track index %d   pos (%.2lf, %.2lf)"
                            "   elev %.2lf\n",
                            i, int(piece->mDiagramType), LATIN1(piece->mPartNumber), piece->mIndex,
                            piece->pos().x(), piece->pos().y(), piece->zValue());
        } else if (type == DiagramPathItem::eType || type == DiagramPathItem::eType4) {
            const auto *line = static_cast<const DiagramPathItem *>(item);
            mDebugLog.write("%d: (polyline) type %d   pn <%s>   trak index %d   pos (%.2lf, %.2lf)"
                            "   elev %.2lf\n",
                            i, int(line->mDiagramType), LATIN1(line->mPartNumber), line->mIndex,
                            line->pos().x(), line->pos().y(), line->zValue());
        }
    }
    mDebugLog.writeFlush("\n");
}
