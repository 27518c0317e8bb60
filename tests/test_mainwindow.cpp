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

// A log as its golden file holds it: every time stamp "<time>" and the
// runtime's own directory "<base>". A malformed stamp stays in the text and
// fails the comparison.
QByteArray normalised(const QByteArray &aLog, const QString &aBasePath)
{
    static const QRegularExpression kTimeStamp(
        QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d"));
    return QString::fromLatin1(aLog)
        .replace(kTimeStamp, QStringLiteral("<time>"))
        .replace(aBasePath, QStringLiteral("<base>"))
        .toLatin1();
}

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

    // Each log from start to exit, compared with its golden file.
    void shellLogsHoldTheirLinesExactly()
    {
        RecordingPrompter rec;
        TestRuntime rt;
        const QString basePath = QDir::currentPath();
        {
            MainWindow window;
        }
        for (const char *log : {"debug.log", "Lanewright.log", "build.log"}) {
            const QString why =
                fixtureDifference(QStringLiteral("startup_") + log,
                                  normalised(rt.read(QStringLiteral("logs/") + log), basePath));
            QVERIFY2(why.isEmpty(), qPrintable(why));
        }
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
