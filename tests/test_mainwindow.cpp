#include "layout/LayoutScreen.h"
#include "app/MainWindow.h"
#include "app/ProportionalResizer.h"
#include "layout/TabScreen.h"

#include "support/RecordingPrompter.h"
#include "support/TestRuntime.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
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
    text += QStringLiteral("mTrackInventory - 36 items\n");
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
            QVERIFY(!window.debugLog().isOpen());
            QVERIFY(!window.runLog().isOpen());
            QVERIFY(!window.buildLog().isOpen());
        }
        QVERIFY(!QDir(rt.path("logs")).exists());
        QVERIFY(rec.mLog.isEmpty());
    }

    void windowHasTitleAndSize()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        window.show();
        QCOMPARE(window.windowTitle(), QString(kTitle));
        QCOMPARE(window.size(), QSize(1614, 861));
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

        QCOMPARE(
            menuEntries(window.findChild<QMenu *>("menuFile")),
            QStringList({" New Layout", "Open Layout File", "Save Layout", "Save Layout As", "-",
                         "Inventory Manager", "-", "Print", "Print to PDF", "-", "Exit"}));
        QCOMPARE(
            menuEntries(window.itemMenu()),
            QStringList({"&Append", "&Insert", "&Replace", "A&Ttach [off]", "&Banked [off]", "-",
                         "Multi-Select Start", "Multi-Select End", "-", "Set Elev 0 (lowest) [off]",
                         "Set Elev 1 (25%) [off]", "Set Elev 2 (50%) [off]",
                         "Set Elev 3 (75%) [off]", "Set Elev 4 (highest) [off]", "-", "&Delete"}));
        QCOMPARE(menuEntries(window.findChild<QMenu *>("menuOptions")),
                 QStringList({"Lane Colors"}));
        QCOMPARE(menuEntries(window.findChild<QMenu *>("menuHelp")),
                 QStringList({"Help... [off]", "Tutorial... [off]", "Parts... [off]",
                              "Sets... [off]", "-", "About..."}));
    }

    void deleteAndInsertKeysReachTheirItemActions()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // The command behind each action is the editing code's; the binding is checked here.
        for (auto action : {MainWindow::DeleteAction, MainWindow::InsertAction}) {
            const Qt::Key key =
                action == MainWindow::DeleteAction ? Qt::Key_Delete : Qt::Key_Insert;
            QAction *item = window.itemAction(action);
            QCOMPARE(item->shortcut(), QKeySequence(key));
            item->setEnabled(true);
            QSignalSpy spy(item, &QAction::triggered);
            QTest::keyClick(&window, key);
            QCOMPARE(spy.count(), 1);
        }
    }

    void keyEventsSetShiftFlagAndLogTheExactLine()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        MainWindow window;
        // A modifier key's own event carries the state from before it: Shift is
        // not yet held on its press and still held on its release.
        int before = rt.read("logs/debug.log").size();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
        QApplication::sendEvent(&window, &press);
        QVERIFY(window.shiftKey());
        QCOMPARE(
            rt.read("logs/debug.log").mid(before),
            QByteArray("keyPressEvent()  key code 01000020   keymod 02000000   mShiftKey 1\n"));
        before = rt.read("logs/debug.log").size();
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier);
        QApplication::sendEvent(&window, &release);
        QVERIFY(!window.shiftKey());
        QCOMPARE(
            rt.read("logs/debug.log").mid(before),
            QByteArray("keyReleaseEvent()  key code 01000020   keymod 00000000   mShiftKey 0\n"));
    }

    void resizerScalesAndTruncatesWithHalfSizeFloor_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QRect>("expected");
        // Designed at 1614 x 861 with the tab widget's geometry (286, 34, 1325, 801).
        QTest::newRow("taller, truncated") << QSize(1614, 1000) << QRect(286, 39, 1325, 930);
        QTest::newRow("below half stops at half") << QSize(300, 100) << QRect(143, 16, 662, 400);
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

    void windowsOwnPrompterIsWithdrawnWhenItCloses()
    {
        TestRuntime rt;
        QCOMPARE(setPrompter(nullptr), static_cast<Prompter *>(nullptr));
        {
            MainWindow window;
            Prompter *installed = setPrompter(nullptr);
            QVERIFY(installed != nullptr);
            setPrompter(installed);
        }
        QCOMPARE(setPrompter(nullptr), static_cast<Prompter *>(nullptr));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
