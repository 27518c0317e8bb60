#include "support/WindowRig.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include <tuple>

using namespace WindowRig;

namespace {

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

// Start-up, logs, window shell, menus and exit.
class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // Each log from start to exit, compared with its golden file.
    void shellLogsHoldTheirLinesExactly()
    {
        Rig rig;
        // The window opens as large as the screen allows: the log names its size.
        const QString sizeLine =
            QStringLiteral("   window size: %1 x %2\n").arg(rig.w().width()).arg(rig.w().height());
        rig.window.reset();
        // As the golden files hold them: every time stamp "<time>" and the
        // runtime's own directory "<base>". A malformed stamp stays in the
        // text and fails the comparison.
        const QRegularExpression stamp("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d");
        for (const char *log : {"debug.log", "Lanewright.log", "build.log"}) {
            QString text = QString::fromLatin1(rig.rt.read(QStringLiteral("logs/") + log));
            text.replace(sizeLine, "   window size: <size>\n");
            text.replace(stamp, "<time>").replace(QDir::currentPath(), "<base>");
            const QString why =
                fixtureDifference(QStringLiteral("startup_") + log, text.toLatin1());
            QVERIFY2(why.isEmpty(), qPrintable(why));
        }
        QVERIFY(rig.rec.mLog.isEmpty());
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

    void titleAndFourMenusWithEntriesInOrder()
    {
        Rig rig;
        MainWindow &window = rig.w();
        // The title's text is held by the start-up logs' golden files.
        QCOMPARE(window.windowTitle(), MainWindow::titleText());
        QStringList titles;
        for (QAction *action : window.menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, QStringList({"File", "Item", "Options", "Help"}));

        QCOMPARE(
            menuEntries(window.findChild<QMenu *>("menuFile")),
            QStringList({" New Layout", "Open Layout File", "Save Layout", "Save Layout As", "-",
                         "Inventory Manager", "Parts to Buy", "-", "Print", "Print to PDF",
                         "Export Image...", "-", "Exit"}));
        QCOMPARE(menuEntries(window.itemMenu()),
                 QStringList({"Undo [off]", "Redo [off]", "-", "&Append", "&Insert", "&Replace",
                              "A&Ttach", "&Banked", "-", "Multi-Select Start", "Multi-Select End",
                              "-", "Set Elev 0 (lowest)", "Set Elev 1 (25%)", "Set Elev 2 (50%)",
                              "Set Elev 3 (75%)", "Set Elev 4 (highest)", "-", "&Delete"}));
        QCOMPARE(menuEntries(window.findChild<QMenu *>("menuOptions")),
                 QStringList({"Lane Colors"}));
        QCOMPARE(menuEntries(window.findChild<QMenu *>("menuHelp")),
                 QStringList({"Help...", "Tutorial...", "Parts...", "Sets...", "-", "About..."}));
    }

    void keysReachTheirActions()
    {
        Rig rig;
        MainWindow &window = rig.w();
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // The commands are tested elsewhere (the file dialogs they open are
        // answered by the rig); the bindings are checked here.
        const std::tuple<QAction *, Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {window.itemAction(MainWindow::DeleteAction), Qt::Key_Delete, Qt::NoModifier},
            {window.itemAction(MainWindow::InsertAction), Qt::Key_Insert, Qt::NoModifier},
            {rig.find<QAction>("actionOpen_Layout_File"), Qt::Key_O, Qt::ControlModifier},
            {rig.find<QAction>("actionSave_Layout_As"), Qt::Key_S,
             Qt::ControlModifier | Qt::ShiftModifier},
            {rig.find<QAction>("undoAction"), Qt::Key_Z, Qt::ControlModifier},
            {rig.find<QAction>("redoAction"), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
            {rig.find<QAction>("redoAction"), Qt::Key_Y, Qt::ControlModifier}};
        for (auto [action, key, modifiers] : keys) {
            action->setEnabled(true);
            QSignalSpy spy(action, &QAction::triggered);
            QTest::keyClick(&window, key, modifiers);
            QVERIFY2(spy.count() == 1, qPrintable(action->objectName()));
        }
    }

    void keyEventsSetShiftFlagAndLogTheExactLine()
    {
        Rig rig;
        // A modifier key's own event carries the state from before it: Shift is
        // not yet held on its press and still held on its release.
        rig.mark();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
        QApplication::sendEvent(&rig.w(), &press);
        QVERIFY(rig.w().shiftKey());
        QCOMPARE(rig.newDebug(),
                 QString("keyPressEvent()  key code 01000020   keymod 02000000   mShiftKey 1\n"));
        rig.mark();
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier);
        QApplication::sendEvent(&rig.w(), &release);
        QVERIFY(!rig.w().shiftKey());
        QCOMPARE(rig.newDebug(),
                 QString("keyReleaseEvent()  key code 01000020   keymod 00000000   mShiftKey 0\n"));
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
