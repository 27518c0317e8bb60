#include "app/MainWindow.h"
#include "app/ProportionalResizer.h"

#include "support/RecordingPrompter.h"
#include "support/TestRuntime.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const char *const kTitle = "Lanewright - Revell/Valtor v1.5 (2025-06-30)";
const QRegularExpression kTimeStamp(QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d"));

// The log's text with every time stamp replaced by "<time>"; fails the
// comparison when a stamp is malformed, since it then stays in the text.
QString stamped(const QByteArray &aLog)
{
    return QString::fromLatin1(aLog).replace(kTimeStamp, QStringLiteral("<time>"));
}

QString debugStartup(const QString &aBasePath)
{
    QString text = QStringLiteral("Lanewright Debug Log   <time>\n"
                                  "   debug mode; 0\n"
                                  "   program version: %1\n"
                                  "\n"
                                  "MainWindow() constructor <time>\n"
                                  "   window size: 1614 x 861\n"
                                  "   Windows version : 0\n"
                                  "   base path: <%2>\n"
                                  "   RevellTrack() constructor\n")
                       .arg(QLatin1String(kTitle), aBasePath);
    for (int tab = 1; tab <= 8; ++tab)
        text += QStringLiteral("LayoutScreen constructor() tab %1\n").arg(tab);
    text += QStringLiteral("buildToolBox()\n"
                           "buildToolBox() exit\n");
    for (int tab = 1; tab <= 8; ++tab) {
        if (tab > 1)
            text += QStringLiteral("tab %1 init()\n").arg(tab);
        text += QStringLiteral("   DiagramScene constructor\n"
                               "DiagramScene constructor\n"
                               "DiagramScene constructor end\n"
                               "   TabScreen constructor\n");
    }
    text += QStringLiteral("on_tabWidget_currentChanged() tab 0\n"
                           "on_tabWidget_currentChanged() mActiveIndex 0\n"
                           "\n"
                           "   MainWindow() timer\n"
                           "MainWindow() constructor exit\n"
                           "\n");
    return text;
}

const char *const kDebugClosing = "\nMainWindow() destructor\n"
                                  "MainWindow() destructor: debug log closed...\n";

QString runBlocks()
{
    QString text = QStringLiteral("Lanewright Run Log   <time>\n"
                                  "   program version: %1\n"
                                  "MainWindow() constructor\n"
                                  "   Default lane colors:\n"
                                  "   lane 1: red\n"
                                  "   lane 2: green\n"
                                  "   lane 3: blue\n"
                                  "   lane 4: yellow\n"
                                  "\n")
                       .arg(QLatin1String(kTitle));
    text += QStringLiteral("4-lane:\n"
                           "   apron3 = 394.100\n"
                           "   width2 = 356.000 ---\n"
                           "   track4 = 312.000\n"
                           "   track3 = 222.000\n"
                           "   width  = 178.000 ---\n"
                           "   track2 = 134.000\n"
                           "   track1 = 44.000\n"
                           "   base   = 0.000 ---\n"
                           "   apron1 = -38.100\n"
                           "\n"
                           "2-lane:\n"
                           "   apron2 = 216.100\n"
                           "   width  = 178.000 ---\n"
                           "   track2 = 134.000\n"
                           "   track1 = 44.000\n"
                           "   base   = 0.000 ---\n"
                           "   apron1 = -38.100\n"
                           "\n");
    text += QStringLiteral("track position legend\n"
                           "\n"
                           "      (0,W+Wa)                                (L,W+Wa)\n"
                           "  apn +.......+          2c           +.......+ 2b\n"
                           "   2a .       .         apn           .       . apn\n"
                           " (0,W)+---------------------------------------+ (L,W)\n"
                           "      |              left/upper(2)            |\n"
                           "      |                                       |\n"
                           "  lane|=======================================|\n"
                           "   2  |=======================================|\n"
                           "      |                                       |\n"
                           "      |                                       | ===>\n"
                           " (0a) |front(a)                        back(b)| (0b)\n"
                           "      |                                       |\n"
                           "      |                                       |\n"
                           "  lane|=======================================|\n"
                           "   1  |=======================================|\n"
                           "      |                                       |\n"
                           "      |             right/lower(1)            |\n"
                           " (0,0)+---------------------------------------+ (L,0)\n"
                           "  apn .       .         apn           .       . apn\n"
                           "   1a +.......+          1c           +.......+ 1b\n"
                           "      (0,-Wa)                                 (L,-Wa)\n"
                           "\n");
    text += QStringLiteral("graphics item, 2-lane: 65551\n"
                           "graphics item, 4-lane: 65552\n"
                           "graphics path item, 2-lane: 65553\n"
                           "graphics path item, 4-lane: 65554\n"
                           "\n"
                           "\n");
    text += QStringLiteral("mDiagramTypeList - 105 items, R9999 = 105\n");
    return text;
}

// The active layout is layout 1, whose scene is empty.
const char *const kRunClosing = "\nMainWindow() destructor\n"
                                "\nTab 1 current scene items (0):\n"
                                "\nlog closed...\n";

QStringList menuEntries(const QMenu *aMenu)
{
    QStringList entries;
    for (const QAction *action : aMenu->actions()) {
        if (action->isSeparator())
            entries << QStringLiteral("-");
        else
            entries << action->text() +
                           (action->isEnabled() ? QString() : QStringLiteral(" [off]"));
    }
    return entries;
}

QStringList filesUnder(const QString &aRoot)
{
    QStringList files;
    QDirIterator it(aRoot, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(aRoot).relativeFilePath(it.next());
    return files;
}

} // namespace

// Start-up, logs, window shell, menus, exit and the proportional resizer.
class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void debugLogHoldsBannerStartupAndClosingLinesExactly()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        const QString basePath = QDir::currentPath();
        {
            MainWindow window;
            QCOMPARE(stamped(rt.read("logs/debug.log")), debugStartup(basePath));
        }
        QCOMPARE(stamped(rt.read("logs/debug.log")),
                 debugStartup(basePath) + QLatin1String(kDebugClosing));
        QVERIFY(rec.mLog.isEmpty());
    }

    void runLogHoldsCrossSectionLegendAndItemTypesLineForLine()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        QByteArray runLog;
        {
            MainWindow window;
            runLog = rt.read("logs/Lanewright.log");
        }
        const QString text = stamped(runLog);
        QVERIFY2(text.startsWith(runBlocks()), qPrintable(text.left(3000)));
    }

    void runLogListsEveryDiagramTypeThenClosesExactly()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        {
            MainWindow window;
        }
        const QString text = stamped(rt.read("logs/Lanewright.log"));
        const int start = text.indexOf(QLatin1String("mDiagramTypeList - 105 items"));
        QVERIFY(start > 0);
        const QStringList lines = text.mid(start).split(QLatin1Char('\n'));
        QCOMPARE(lines.at(1), QStringLiteral("   0: R3600"));
        QCOMPARE(lines.at(10), QStringLiteral("   9: R3601_R"));
        QCOMPARE(lines.at(62), QStringLiteral("  61: R3617g_L"));
        QCOMPARE(lines.at(92), QStringLiteral("  91: R3625_L"));
        QCOMPARE(lines.at(105), QStringLiteral(" 104: R3621R3610_L"));
        QCOMPARE(lines.at(106), QString());
        const QString tail = lines.mid(107).join(QLatin1Char('\n'));
        QCOMPARE(tail, QStringLiteral("MainWindow() constructor exit\n\n") + kRunClosing);
    }

    void buildLogHoldsBannerMenuLinesAndClosingLine()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        {
            MainWindow window;
        }
        QCOMPARE(stamped(rt.read("logs/build.log")),
                 QStringLiteral("Lanewright Build Log   <time>\n"
                                "createActions()\n"
                                "createMenus()\n"
                                "\nbuild log closed...\n"));
    }

    void missingLogDirectoryCreatesNoFilesAndStillStarts()
    {
        RecordingPrompter rec;
        TestRuntime rt(TestRuntime::WithoutLogs);
        {
            MainWindow window;
            QCOMPARE(window.findChild<QLineEdit *>("piecesLineEdit")->text(), QString("77"));
            QVERIFY(window.isTimerRunning());
            QCOMPARE(window.diagramTypeList().size(), 105);
            QVERIFY(!window.debugLog().isOpen());
            QVERIFY(!window.runLog().isOpen());
            QVERIFY(!window.buildLog().isOpen());
        }
        QVERIFY(!QDir(rt.path("logs")).exists());
        // The default lane colours are the one file the program writes at exit.
        QStringList files = filesUnder(rt.root());
        files.removeAll(QStringLiteral("data/defaultLaneColors.txt"));
        QCOMPARE(files, QStringList());
        QVERIFY(rec.mLog.isEmpty());
    }

    void windowHasTitleSizeAndWindowWideFields()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        QCOMPARE(window.windowTitle(), QString(kTitle));
        QCOMPARE(MainWindow::titleText(), QString(kTitle));
        QCOMPARE(window.size(), QSize(1614, 861));

        auto *system = window.findChild<QLineEdit *>("systemLineEdit");
        QVERIFY(system);
        QCOMPARE(system->text(), QString("Revell/Valtor"));
        QVERIFY(system->isReadOnly());
        QCOMPARE(system->geometry(), QRect(52, 6, 153, 20));
        QCOMPARE(system->toolTip(),
                 QString("<html><head/><body><p>Raceway Sytem</p></body></html>"));
        QCOMPARE(window.findChild<QLabel *>("systemLabel")->text(), QString("System"));

        auto *pieces = window.findChild<QLineEdit *>("piecesLineEdit");
        QCOMPARE(pieces->text(), QString("77"));
        QVERIFY(pieces->isReadOnly());
        QCOMPARE(pieces->geometry(), QRect(318, 6, 41, 20));
        QCOMPARE(window.findChild<QLabel *>("piecesLabel")->text(), QString("Track DB Pieces"));

        auto *clock = window.findChild<QLineEdit *>("datetimeLineEdit");
        QCOMPARE(clock->geometry(), QRect(1398, 14, 200, 20));
        QVERIFY(clock->isReadOnly());
        QTRY_VERIFY(window.tickCount() >= 2);
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                     .match(clock->text())
                     .hasMatch(),
                 qPrintable(clock->text()));
    }

    void calcAndDumpStayHiddenAndDisabledExitWorks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("usable");
        QTest::newRow("calc") << "calcPushButton"
                              << "Calc" << 8 << false;
        QTest::newRow("exit") << "exitPushButton"
                              << "Exit" << 92 << true;
        QTest::newRow("dump") << "dumpPushButton"
                              << "Dump" << 216 << false;
    }

    void calcAndDumpStayHiddenAndDisabledExitWorks()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(int, x);
        QFETCH(bool, usable);
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        window.show();
        auto *button = window.findChild<QPushButton *>(name);
        QVERIFY(button);
        QCOMPARE(button->text(), text);
        QCOMPARE(button->pos(), QPoint(x, 812));
        QCOMPARE(button->isVisible(), usable);
        QCOMPARE(button->isEnabled(), usable);
    }

    void menuBarHoldsFourMenusWithEntriesInOrder()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        QStringList titles;
        for (QAction *action : window.menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, QStringList({"File", "Item", "Options", "Help"}));

        QCOMPARE(menuEntries(window.findChild<QMenu *>("menuFile")),
                 QStringList({" New Layout", "Open Layout File", "Save Layout", "Save Layout As",
                              "-", "Inventory Manager [off]", "-", "Print [off]",
                              "Print to PDF [off]", "-", "Exit"}));
        QCOMPARE(
            menuEntries(window.itemMenu()),
            QStringList({"&Append", "&Insert", "&Replace", "A&Ttach [off]", "&Banked [off]", "-",
                         "Multi-Select Start", "Multi-Select End", "-", "Set Elev 0 (lowest) [off]",
                         "Set Elev 1 (25%) [off]", "Set Elev 2 (50%) [off]",
                         "Set Elev 3 (75%) [off]", "Set Elev 4 (highest) [off]", "-", "&Delete"}));
        QCOMPARE(window.itemMenu(), window.findChild<QMenu *>("menuItem"));
        QCOMPARE(menuEntries(window.findChild<QMenu *>("menuOptions")),
                 QStringList({"Lane Colors"}));
        QCOMPARE(menuEntries(window.findChild<QMenu *>("menuHelp")),
                 QStringList({"Help... [off]", "Tutorial... [off]", "Parts... [off]",
                              "Sets... [off]", "-", "About..."}));
    }

    void menuActionsCarryTheObjectNamesTheirSlotsAreFoundBy()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        const QStringList names = {"actionNew",
                                   "actionOpen_Layout_File",
                                   "actionSave_Layout",
                                   "actionSave_Layout_As",
                                   "actionInventory_Manager",
                                   "actionPrint",
                                   "actionPrint_to_PDF",
                                   "actionExit",
                                   "actionLane_Colors",
                                   "actionHelp",
                                   "actionTutorial",
                                   "actionParts",
                                   "actionSets",
                                   "actionAbout"};
        for (const QString &name : names)
            QVERIFY2(window.findChild<QAction *>(name), qPrintable(name));
    }

    void itemActionsCarryIconsStatusTipsAndShortcuts_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("statusTip");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::newRow("delete") << int(MainWindow::DeleteAction) << "Delete item from diagram"
                                << QKeySequence(Qt::Key_Delete);
        QTest::newRow("insert") << int(MainWindow::InsertAction) << "Insert Item"
                                << QKeySequence(Qt::Key_Insert);
        QTest::newRow("replace") << int(MainWindow::ReplaceAction) << "Replace Item"
                                 << QKeySequence();
        QTest::newRow("attach") << int(MainWindow::AttachAction) << "Attach Apron Item"
                                << QKeySequence();
        QTest::newRow("banked") << int(MainWindow::BankedAction) << "Banked Track Pieces"
                                << QKeySequence();
        QTest::newRow("append") << int(MainWindow::AppendAction) << "Append Item" << QKeySequence();
        QTest::newRow("elev 3") << int(MainWindow::Elev3Action) << "Set Elevation 3"
                                << QKeySequence();
        QTest::newRow("multi end")
            << int(MainWindow::MultiSelectEndAction) << "Multi-Select End" << QKeySequence();
    }

    void itemActionsCarryIconsStatusTipsAndShortcuts()
    {
        QFETCH(int, action);
        QFETCH(QString, statusTip);
        QFETCH(QKeySequence, shortcut);
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        QAction *item = window.itemAction(MainWindow::ItemAction(action));
        QCOMPARE(item->statusTip(), statusTip);
        QCOMPARE(item->shortcut(), shortcut);
    }

    void deleteAndInsertKeysReachTheirItemActions_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("key");
        QTest::newRow("Delete") << int(MainWindow::DeleteAction) << int(Qt::Key_Delete);
        QTest::newRow("Insert") << int(MainWindow::InsertAction) << int(Qt::Key_Insert);
    }

    void deleteAndInsertKeysReachTheirItemActions()
    {
        QFETCH(int, action);
        QFETCH(int, key);
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // The command behind the action comes with the editing code; the key
        // binding is what is checked here.
        QAction *item = window.itemAction(MainWindow::ItemAction(action));
        item->setEnabled(true);
        QSignalSpy spy(item, &QAction::triggered);
        QTest::keyClick(&window, Qt::Key(key));
        QCOMPARE(spy.count(), 1);
    }

    void keyEventsSetShiftFlagAndLogTheExactLine_data()
    {
        // The platform reports a modifier key's own event with the modifier state
        // from before it (Shift is not yet held on its press, still held on its
        // release); the event's modifiers() then correct for the key itself.
        QTest::addColumn<bool>("press");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QString>("line");
        QTest::newRow("shift press") << true << int(Qt::Key_Shift) << int(Qt::NoModifier) << true
                                     << "keyPressEvent()  key code 01000020   keymod 02000000   "
                                        "mShiftKey 1\n";
        QTest::newRow("shift+ctrl A press")
            << true << int(Qt::Key_A) << int(Qt::ShiftModifier | Qt::ControlModifier) << true
            << "keyPressEvent()  key code 00000041   keymod 06000000   mShiftKey 1\n";
        QTest::newRow("plain A press")
            << true << int(Qt::Key_A) << int(Qt::NoModifier) << false
            << "keyPressEvent()  key code 00000041   keymod 00000000   mShiftKey 0\n";
        QTest::newRow("shift release")
            << false << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << false
            << "keyReleaseEvent()  key code 01000020   keymod 00000000   mShiftKey 0\n";
        QTest::newRow("release with shift held")
            << false << int(Qt::Key_B) << int(Qt::ShiftModifier) << true
            << "keyReleaseEvent()  key code 00000042   keymod 02000000   mShiftKey 1\n";
    }

    void keyEventsSetShiftFlagAndLogTheExactLine()
    {
        QFETCH(bool, press);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, shift);
        QFETCH(QString, line);
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        // Start from the opposite state so a handler that skips the update fails.
        QKeyEvent prime(press ? QEvent::KeyRelease : QEvent::KeyPress, Qt::Key_C,
                        shift ? Qt::NoModifier : Qt::ShiftModifier);
        QApplication::sendEvent(&window, &prime);
        QCOMPARE(window.shiftKey(), !shift);

        const QByteArray before = rt.read("logs/debug.log");
        QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key,
                        Qt::KeyboardModifiers(modifiers));
        QApplication::sendEvent(&window, &event);
        QCOMPARE(window.shiftKey(), shift);
        QCOMPARE(QString::fromLatin1(rt.read("logs/debug.log").mid(before.size())), line);
    }

    void exitActionLogsClosesAndStopsTheTimer()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        window.show();
        QVERIFY(window.isTimerRunning());
        const int debugBefore = rt.read("logs/debug.log").size();
        const int runBefore = rt.read("logs/Lanewright.log").size();
        window.findChild<QAction *>("actionExit")->trigger();
        QVERIFY(!window.isVisible());
        QVERIFY(!window.isTimerRunning());
        QCOMPARE(rt.read("logs/debug.log").mid(debugBefore),
                 QByteArray("\non_actionExit_triggered()\ncloseEvent()\n"));
        QCOMPARE(rt.read("logs/Lanewright.log").mid(runBefore), QByteArray("closeEvent()\n"));
        const int ticks = window.tickCount();
        QTest::qWait(300);
        QCOMPARE(window.tickCount(), ticks);
    }

    void exitButtonLogsAndClosesThroughTheCloseRequest()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        window.show();
        const int debugBefore = rt.read("logs/debug.log").size();
        QTest::mouseClick(window.findChild<QPushButton *>("exitPushButton"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(!window.isTimerRunning());
        QCOMPARE(rt.read("logs/debug.log").mid(debugBefore),
                 QByteArray("\non_exitPushButton_clicked()\ncloseEvent()\n"));
        QVERIFY(rec.mLog.isEmpty());
    }

    void aboutShowsTheToolkitBoxAndLogs()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        window.show();
        const int debugBefore = rt.read("logs/debug.log").size();
        QString title;
        QString text;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                box->accept();
            }
        });
        closer.start(20);
        window.findChild<QAction *>("actionAbout")->trigger();
        closer.stop();
        QCOMPARE(title, QString("About Lanewright"));
        QVERIFY(text.contains(QLatin1String(kTitle)));
        QCOMPARE(rt.read("logs/debug.log").mid(debugBefore), QByteArray("about()\n"));
    }

    void resizeIsLoggedAndUnregisteredWidgetsKeepTheirPlace()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int debugBefore = rt.read("logs/debug.log").size();
        window.resize(800, 500);
        QTRY_COMPARE(window.size(), QSize(800, 500));
        QVERIFY(rt.read("logs/debug.log").mid(debugBefore).contains("resizeEvent()\n"));
        QCOMPARE(window.findChild<QLineEdit *>("systemLineEdit")->geometry(),
                 QRect(52, 6, 153, 20));
        QCOMPARE(window.resizer().initialWidth(), 1614);
        QCOMPARE(window.resizer().initialHeight(), 861);
    }

    void resizerScalesAndTruncatesWithHalfSizeFloor_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QRect>("expected");
        // Designed at 1614 x 861 with the tab widget's geometry (286, 34, 1325, 801).
        QTest::newRow("unchanged") << QSize(1614, 861) << QRect(286, 34, 1325, 801);
        QTest::newRow("wider") << QSize(2000, 861) << QRect(354, 34, 1641, 801);
        QTest::newRow("taller, truncated") << QSize(1614, 1000) << QRect(286, 39, 1325, 930);
        QTest::newRow("doubled") << QSize(3228, 1722) << QRect(572, 68, 2650, 1602);
        QTest::newRow("exactly half") << QSize(807, 430) << QRect(143, 16, 662, 400);
        QTest::newRow("below half stops at half") << QSize(300, 100) << QRect(143, 16, 662, 400);
        QTest::newRow("narrow only") << QSize(100, 861) << QRect(143, 34, 662, 801);
    }

    void resizerScalesAndTruncatesWithHalfSizeFloor()
    {
        QFETCH(QSize, window);
        QFETCH(QRect, expected);
        QWidget parent;
        auto *tabs = new QWidget(&parent);
        tabs->setGeometry(286, 34, 1325, 801);
        auto *other = new QWidget(&parent);
        other->setGeometry(6, 8, 40, 16);
        ProportionalResizer resizer(1614, 861);
        QCOMPARE(resizer.minimumWidth(), 807);
        QCOMPARE(resizer.minimumHeight(), 430);
        resizer.addWidget(tabs);
        resizer.apply(window);
        QCOMPARE(tabs->geometry(), expected);
        QCOMPARE(other->geometry(), QRect(6, 8, 40, 16));
        // Scaling always starts from the registered geometry, never from the last result.
        resizer.apply(QSize(1614, 861));
        QCOMPARE(tabs->geometry(), QRect(286, 34, 1325, 801));
    }

    void resizerSkipsWidgetsDeletedAfterRegistration()
    {
        QWidget parent;
        auto *gone = new QWidget(&parent);
        auto *kept = new QWidget(&parent);
        kept->setGeometry(10, 10, 100, 100);
        ProportionalResizer resizer(200, 200);
        resizer.addWidget(gone);
        resizer.addWidget(kept);
        delete gone;
        resizer.apply(QSize(400, 400));
        QCOMPARE(kept->geometry(), QRect(20, 20, 200, 200));
    }

    void windowInstallsItsPrompterOnlyWhenNoneIsInForce()
    {
        TestRuntime rt;
        {
            RecordingPrompter rec;
            MainWindow window;
            QCOMPARE(&prompter(), static_cast<Prompter *>(&rec));
        }
        Prompter *before = setPrompter(nullptr);
        QCOMPARE(before, static_cast<Prompter *>(nullptr));
        {
            MainWindow window;
            // The window's own prompter is in force while it lives, and gone after.
            Prompter *installed = setPrompter(nullptr);
            QVERIFY(installed != nullptr);
            setPrompter(installed);
        }
        QCOMPARE(setPrompter(nullptr), static_cast<Prompter *>(nullptr));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
