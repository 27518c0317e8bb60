#include "app/LayoutScreen.h"
#include "app/MainWindow.h"
#include "app/ProportionalResizer.h"
#include "app/TabScreen.h"

#include "support/RecordingPrompter.h"
#include "support/TestRuntime.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QGraphicsView>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
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

    void shellLogsHoldTheirLinesExactly()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        const QString basePath = QDir::currentPath();
        {
            MainWindow window;
            QCOMPARE(stamped(rt.read("logs/debug.log")), debugStartup(basePath));
            const QString run = stamped(rt.read("logs/Lanewright.log"));
            QVERIFY2(run.startsWith(runBlocks()), qPrintable(run.left(3000)));
        }
        QCOMPARE(stamped(rt.read("logs/debug.log")),
                 debugStartup(basePath) + QLatin1String(kDebugClosing));
        QCOMPARE(stamped(rt.read("logs/build.log")),
                 QStringLiteral("Lanewright Build Log   <time>\n"
                                "createActions()\n"
                                "createMenus()\n"
                                "\nbuild log closed...\n"));

        // The diagram type list, spot-checked, then the run log's closing lines.
        const QString run = stamped(rt.read("logs/Lanewright.log"));
        const QStringList lines =
            run.mid(run.indexOf(QLatin1String("mDiagramTypeList - 105 items"))).split('\n');
        QCOMPARE(lines.at(1), QStringLiteral("   0: R3600"));
        QCOMPARE(lines.at(10), QStringLiteral("   9: R3601_R"));
        QCOMPARE(lines.at(62), QStringLiteral("  61: R3617g_L"));
        QCOMPARE(lines.at(105), QStringLiteral(" 104: R3621R3610_L"));
        QCOMPARE(lines.at(106), QString());
        QCOMPARE(lines.mid(107).join('\n'),
                 QStringLiteral("MainWindow() constructor exit\n\n") + kRunClosing);
        QVERIFY(rec.mLog.isEmpty());
    }

    void missingLogDirectoryCreatesNoFilesAndStillStarts()
    {
        RecordingPrompter rec;
        TestRuntime rt(TestRuntime::WithoutLogs);
        {
            MainWindow window;
            QCOMPARE(window.findChild<QLineEdit *>("piecesLineEdit")->text(), QString("77"));
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
        window.show();
        QCOMPARE(window.windowTitle(), QString(kTitle));
        QCOMPARE(window.size(), QSize(1614, 861));

        auto *system = window.findChild<QLineEdit *>("systemLineEdit");
        QCOMPARE(system->text(), QString("Revell/Valtor"));
        QVERIFY(system->isReadOnly());
        QCOMPARE(system->geometry(), QRect(52, 6, 153, 20));
        QCOMPARE(system->toolTip(),
                 QString("<html><head/><body><p>Raceway Sytem</p></body></html>"));
        auto *pieces = window.findChild<QLineEdit *>("piecesLineEdit");
        QCOMPARE(pieces->text(), QString("77"));
        QCOMPARE(pieces->geometry(), QRect(318, 6, 41, 20));
        QCOMPARE(window.findChild<QLabel *>("piecesLabel")->text(), QString("Track DB Pieces"));
        QCOMPARE(window.findChild<QLineEdit *>("activeLineEdit")->geometry(),
                 QRect(448, 6, 41, 20));
        QCOMPARE(window.findChild<QLabel *>("activeLabel")->text(), QString("Active Layout"));

        // Calc and Dump are debugging aids: hidden and disabled; Exit is usable.
        const struct
        {
            const char *mName, *mText;
            int mX;
            bool mUsable;
        } buttons[] = {{"calcPushButton", "Calc", 8, false},
                       {"exitPushButton", "Exit", 92, true},
                       {"dumpPushButton", "Dump", 216, false}};
        for (const auto &entry : buttons) {
            auto *button = window.findChild<QPushButton *>(entry.mName);
            QCOMPARE(button->text(), QString(entry.mText));
            QCOMPARE(button->pos(), QPoint(entry.mX, 812));
            QCOMPARE(button->isVisible(), entry.mUsable);
            QCOMPARE(button->isEnabled(), entry.mUsable);
        }

        // The window-wide option boxes start on their first choice.
        const QStringList boxes[] = {{"elevationGroupBox", "Normal", "Inverted"},
                                     {"appearanceGroupBox", "Filled", "Hollow"},
                                     {"measureGroupBox", "ft", "m", "mm"}};
        for (const QStringList &entry : boxes) {
            const auto buttons =
                window.findChild<QGroupBox *>(entry.first())->findChildren<QRadioButton *>();
            QStringList texts;
            for (QRadioButton *button : buttons)
                texts << button->text();
            QCOMPARE(texts, entry.mid(1));
            QVERIFY(buttons.first()->isChecked());
        }
        QCOMPARE(window.findChild<QGroupBox *>("elevationGroupBox")->geometry(),
                 QRect(914, 4, 143, 36));

        auto *clock = window.findChild<QLineEdit *>("datetimeLineEdit");
        QCOMPARE(clock->geometry(), QRect(1398, 14, 200, 20));
        QTRY_VERIFY(window.tickCount() >= 2);
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                     .match(clock->text())
                     .hasMatch(),
                 qPrintable(clock->text()));
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
        QCOMPARE(window.itemAction(MainWindow::DeleteAction)->statusTip(),
                 QString("Delete item from diagram"));
        QCOMPARE(window.itemAction(MainWindow::AppendAction)->shortcut(), QKeySequence());
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
        QAction *item = window.itemAction(MainWindow::ItemAction(action));
        QCOMPARE(item->shortcut(), QKeySequence(key));
        // The command behind the action is the editing code's; the binding is checked here.
        item->setEnabled(true);
        QSignalSpy spy(item, &QAction::triggered);
        QTest::keyClick(&window, Qt::Key(key));
        QCOMPARE(spy.count(), 1);
    }

    void keyEventsSetShiftFlagAndLogTheExactLine()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        // The platform reports a modifier key's own event with the modifier state
        // from before it (Shift is not yet held on its press, still held on its
        // release); the event's modifiers() then correct for the key itself.
        const struct
        {
            bool mPress;
            int mKey;
            Qt::KeyboardModifiers mModifiers;
            bool mShift;
            const char *mLine;
        } events[] = {
            {true, Qt::Key_Shift, Qt::NoModifier, true,
             "keyPressEvent()  key code 01000020   keymod 02000000   mShiftKey 1\n"},
            {true, Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier, true,
             "keyPressEvent()  key code 00000041   keymod 06000000   mShiftKey 1\n"},
            {true, Qt::Key_A, Qt::NoModifier, false,
             "keyPressEvent()  key code 00000041   keymod 00000000   mShiftKey 0\n"},
            {false, Qt::Key_Shift, Qt::ShiftModifier, false,
             "keyReleaseEvent()  key code 01000020   keymod 00000000   mShiftKey 0\n"},
            {false, Qt::Key_B, Qt::ShiftModifier, true,
             "keyReleaseEvent()  key code 00000042   keymod 02000000   mShiftKey 1\n"},
        };
        for (const auto &entry : events) {
            // Start from the opposite state so a handler that skips the update fails.
            QKeyEvent prime(entry.mPress ? QEvent::KeyRelease : QEvent::KeyPress, Qt::Key_C,
                            entry.mShift ? Qt::NoModifier : Qt::ShiftModifier);
            QApplication::sendEvent(&window, &prime);
            QCOMPARE(window.shiftKey(), !entry.mShift);

            const int before = rt.read("logs/debug.log").size();
            QKeyEvent event(entry.mPress ? QEvent::KeyPress : QEvent::KeyRelease, entry.mKey,
                            entry.mModifiers);
            QApplication::sendEvent(&window, &event);
            QCOMPARE(window.shiftKey(), entry.mShift);
            QCOMPARE(QString::fromLatin1(rt.read("logs/debug.log").mid(before)),
                     QString(entry.mLine));
        }
    }

    void exitLogsClosesAndStopsTheTimer_data()
    {
        QTest::addColumn<bool>("button");
        QTest::addColumn<QByteArray>("debug");
        QTest::newRow("menu") << false << QByteArray("\non_actionExit_triggered()\ncloseEvent()\n");
        QTest::newRow("button") << true
                                << QByteArray("\non_exitPushButton_clicked()\ncloseEvent()\n");
    }
    void exitLogsClosesAndStopsTheTimer()
    {
        QFETCH(bool, button);
        QFETCH(QByteArray, debug);
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        window.show();
        QVERIFY(window.isTimerRunning());
        const int debugBefore = rt.read("logs/debug.log").size();
        const int runBefore = rt.read("logs/Lanewright.log").size();
        if (button)
            QTest::mouseClick(window.findChild<QPushButton *>("exitPushButton"), Qt::LeftButton);
        else
            window.findChild<QAction *>("actionExit")->trigger();
        QVERIFY(!window.isVisible());
        QVERIFY(!window.isTimerRunning());
        QCOMPARE(rt.read("logs/debug.log").mid(debugBefore), debug);
        QCOMPARE(rt.read("logs/Lanewright.log").mid(runBefore), QByteArray("closeEvent()\n"));
        const int ticks = window.tickCount();
        QTest::qWait(300);
        QCOMPARE(window.tickCount(), ticks);
        QVERIFY(rec.mLog.isEmpty());
    }

    void aboutShowsTheToolkitBoxAndLogs()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        window.show();
        const int debugBefore = rt.read("logs/debug.log").size();
        QString title, text;
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

    void resizeScalesTheRegisteredWidgetsOnly()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int debugBefore = rt.read("logs/debug.log").size();
        window.resize(3228, 1722);
        QTRY_COMPARE(window.size(), QSize(3228, 1722));
        QVERIFY(rt.read("logs/debug.log").mid(debugBefore).contains("resizeEvent()\n"));
        QCOMPARE(window.tabWidget()->geometry(), QRect(572, 68, 2650, 1602));
        QCOMPARE(window.findChild<QTableWidget *>("trackTableWidget")->geometry(),
                 QRect(12, 76, 514, 1466));
        QCOMPARE(window.findChild<QTableWidget *>("layoutsTableWidget")->geometry(),
                 QRect(604, 76, 2026, 1466));
        for (int tab : {1, 8}) {
            QCOMPARE(window.tabScreen(tab - 1).mView->geometry(), QRect(276, 216, 2358, 1326));
            QCOMPARE(window.layoutScreen(tab - 1).mTrackTable->geometry(),
                     QRect(8, 100, 262, 1446));
        }
        // Window-wide fields are not registered and keep their place.
        QCOMPARE(window.findChild<QLineEdit *>("systemLineEdit")->geometry(),
                 QRect(52, 6, 153, 20));
        QCOMPARE(window.findChild<QGroupBox *>("measureGroupBox")->geometry(),
                 QRect(1240, 4, 145, 39));
    }

    void resizerScalesAndTruncatesWithHalfSizeFloor_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QRect>("expected");
        // Designed at 1614 x 861 with the tab widget's geometry (286, 34, 1325, 801).
        QTest::newRow("wider") << QSize(2000, 861) << QRect(354, 34, 1641, 801);
        QTest::newRow("taller, truncated") << QSize(1614, 1000) << QRect(286, 39, 1325, 930);
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
        auto *gone = new QWidget(&parent);
        ProportionalResizer resizer(1614, 861);
        resizer.addWidget(gone);
        resizer.addWidget(tabs);
        // A widget deleted after registration is skipped, not touched.
        delete gone;
        resizer.apply(window);
        QCOMPARE(tabs->geometry(), expected);
        // Scaling always starts from the registered geometry, never from the last result.
        resizer.apply(QSize(1614, 861));
        QCOMPARE(tabs->geometry(), QRect(286, 34, 1325, 801));
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
