#include "layout/TrackPlanFile.h"

#include "support/WindowRig.h"

#include <QBuffer>
#include <QToolBox>

using D = DiagramTypeBase;

namespace {

const char *const kOpenPrompt =
    "open|Open Track Plan/Layout File|../trackplans|Track Layout files (*.txt)";
const char *const kSaveQuestion = "question|Layout has not been saved|Save?";
const char *const kClearQuestion = "question|Layout Exists|Clear?";

const QString kSamples = QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans/");

using WindowRig::Rig;

// A record as a save would write it.
QByteArray carried(const LayoutRecord &aRecord)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeTrackPlan(&buffer, aRecord);
    return buffer.data();
}

} // namespace

// File > New, Open Layout File, Save Layout and Save Layout As through the
// real window.
class FileCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(lanewright);
        QApplication::setQuitOnLastWindowClosed(false);
    }

    // Neither a file nor a page is made of no layout.
    void guardsStopCommandsOnTheStatsTabAndOnAnEmptyLayout()
    {
        Rig rig;
        rig.rec.mFileNames << rig.file("never.txt");
        rig.activate(0);
        rig.newLayout();
        rig.trigger("actionPrint");
        rig.activate(7);
        rig.trigger("actionSave_Layout_As");
        rig.trigger("actionPrint_to_PDF");
        const QString noTab("message||Please select a layout tab.");
        const QString empty("message||This layout is empty.");
        QCOMPARE(rig.rec.mLog, (QStringList{noTab, noTab, empty, empty}));
        QCOMPARE(rig.newDialogRuns, 0);
        QVERIFY(!QFile::exists(rig.file("never.txt")));
    }

    void newReplacesTheLayoutWithAnEmptyOneOfTheChosenLanesAndName()
    {
        Rig rig;
        rig.activate(3);
        rig.lay({D::R3600, D::R3601_R});
        rig.a(3).mPath = QStringLiteral("/somewhere/old.txt");
        rig.a(3).mLaneBrush[0] = QBrush(Qt::white);
        rig.newLanes = 4;
        rig.newName = QStringLiteral("Big Oval");
        rig.newLayout();
        QCOMPARE(rig.newDialogRuns, 1);
        QVERIFY(rig.rec.mLog.isEmpty());
        for (LayoutRecord *record : {&rig.a(3), &rig.b(3)}) {
            QVERIFY(record->mName == "Big Oval" && record->mLanes == 4);
            QVERIFY(record->mPieces.isEmpty() && record->mNextIndex == 0);
            QCOMPARE(record->mLaneBrush, rig.w().defaultLaneBrushes());
            QVERIFY(record->mPath.isEmpty() && record->mFirst);
        }
        QVERIFY(!rig.a(3).mChanged && !rig.a(3).mSaved);
        QCOMPARE(rig.w().toolBox().mToolBox->currentIndex(), int(ToolBoxBuilder::Track4Page));
    }

    void openingIntoAFreshTabAsksOnlyForTheFileAndLogsThePath()
    {
        Rig rig;
        rig.activate(4);
        const QString path = kSamples + "figure-eight.txt";
        rig.mark();
        rig.open(path);
        QCOMPARE(rig.rec.mLog, QStringList{kOpenPrompt});
        QCOMPARE(rig.a(4).mPieces.size(), 14);
        QCOMPARE(rig.a(4).mPath, path);
        QVERIFY(!rig.a(4).mChanged && rig.a(4).mSaved);
        QCOMPARE(rig.newRun(), QStringLiteral("   open: filename <%1>\n"
                                              "   readTrackPlan() path <%1>\n")
                                   .arg(path));
    }

    // Both answers No, or both Yes.
    void openingOverAChangedLayoutAsksSaveThenClear_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("prompts");
        QTest::newRow("no save, keep") << false << QStringList{kSaveQuestion, kClearQuestion};
        const char *saveAs = "save|Save Layout File As|../trackplans|Text Files (*.txt)";
        QTest::newRow("save, clear")
            << true << QStringList{kSaveQuestion, saveAs, kClearQuestion, kOpenPrompt};
    }
    void openingOverAChangedLayoutAsksSaveThenClear()
    {
        QFETCH(bool, yes);
        QFETCH(QStringList, prompts);
        Rig rig;
        rig.activate(6);
        rig.lay({D::R3600, D::R3600});
        const QByteArray before = carried(rig.a(6));
        rig.rec.mAnswers << yes << yes;
        rig.rec.mFileNames << rig.file("kept.txt");
        rig.open(kSamples + "grand-circuit.txt");
        QCOMPARE(rig.rec.mLog, prompts);
        QCOMPARE(QFile::exists(rig.file("kept.txt")), yes);
        if (yes) {
            QCOMPARE(rig.a(6).mPieces.size(), 24);
            QVERIFY(!rig.a(6).mChanged && rig.a(6).mSaved);
        } else {
            QCOMPARE(carried(rig.a(6)), before);
            QCOMPARE(rig.scene(6)->items().size(), 6);
        }
    }

    void clearedLayoutWhoseFileDialogIsCancelledStaysEmptyNamedAndSavedNowhere()
    {
        Rig rig;
        rig.activate(3);
        rig.open(kSamples + "oval-terminal.txt");
        const QString name = rig.a(3).mName;
        rig.append(D::R3600);
        rig.rec.mLog.clear();
        rig.rec.mAnswers << false << true;     // no save, clear
        rig.trigger("actionOpen_Layout_File"); // and the file dialog is cancelled
        QCOMPARE(rig.rec.mLog, (QStringList{kSaveQuestion, kClearQuestion, kOpenPrompt}));
        for (LayoutRecord *record : {&rig.a(3), &rig.b(3)})
            QVERIFY(record->mPieces.isEmpty() && record->mNextIndex == 0);
        QCOMPARE(rig.a(3).mName, name);
        // The file still holds the old layout: the empty one is saved nowhere.
        QVERIFY(rig.a(3).mPath.isEmpty());
        QVERIFY(rig.screen(3).mFilePathLineEdit->text().isEmpty());
        QVERIFY(!rig.a(3).mChanged && !rig.a(3).mSaved);
        rig.tickAllLamps();
        QCOMPARE(rig.lampCentre(3), QColor(Qt::red));
        QVERIFY(rig.scene(3)->items().isEmpty());
    }

    // On layout 8, with "taken.txt" holding "keep me" and a folder named
    // "folder.txt" (Save Layout does not test for folders; the write itself
    // must fail). "written": the file that holds the layout afterwards, if any.
    void saveWritesTheChosenFileAskingOnlyWhenSaveAsReplacesOne_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<QString>("written");
        const QString save("save|Save Layout File|../trackplans|Text Files (*.txt)");
        const QString saveAs("save|Save Layout File As|../trackplans|Text Files (*.txt)");
        const QString overwrite("question|File Exists|Overwrite?");
        const auto row = [](const char *aTag, const char *aAction, const char *aChosen,
                            bool aAnswer, const QStringList &aPrompts, const char *aWritten) {
            QTest::newRow(aTag) << QString(aAction) << QString(aChosen) << aAnswer << aPrompts
                                << QString(aWritten);
        };
        const char *const asAction = "actionSave_Layout_As";
        row("no ending gets .txt", asAction, "plan", false, {saveAs}, "plan.txt");
        row("upper-case TXT gets .txt", "actionSave_Layout", "plan.TXT", false, {save},
            "plan.TXT.txt");
        row("save replaces unasked", "actionSave_Layout", "taken.txt", false, {save}, "taken.txt");
        row("save as, no keeps", asAction, "taken.txt", false, {saveAs, overwrite}, "");
        row("save as, yes replaces", asAction, "taken.txt", true, {saveAs, overwrite}, "taken.txt");
        row("unwritable is said plainly", "actionSave_Layout", "folder.txt", false,
            {save, "message||The file could not be written."}, "");
    }
    void saveWritesTheChosenFileAskingOnlyWhenSaveAsReplacesOne()
    {
        QFETCH(QString, action);
        QFETCH(QString, chosen);
        QFETCH(bool, answer);
        QFETCH(QStringList, prompts);
        QFETCH(QString, written);
        Rig rig;
        QVERIFY(QDir(rig.rt.root()).mkdir("folder.txt"));
        QFile taken(rig.file("taken.txt"));
        QVERIFY(taken.open(QIODevice::WriteOnly) && taken.write("keep me\n") == 8);
        taken.close();
        rig.activate(8);
        rig.append(D::R3600);
        rig.rec.mAnswers << answer;
        rig.rec.mFileNames << rig.file(chosen);
        rig.trigger(action.toLatin1().constData());
        QCOMPARE(rig.rec.mLog, prompts);
        QStringList files{written, "taken.txt"};
        files.removeAll(QString());
        files.removeDuplicates();
        QCOMPARE(QDir(rig.rt.root()).entryList(QDir::Files), files);
        QCOMPARE(rig.rt.read("taken.txt") == "keep me\n", written != "taken.txt");
        QVERIFY(written.isEmpty() || rig.rt.read(written).startsWith("unnamed8\n"));
        const bool saved = !written.isEmpty();
        QVERIFY(rig.a(8).mSaved == saved && rig.a(8).mChanged != saved);
    }
};

QTEST_MAIN(FileCommandsTest)
#include "test_filecommands.moc"
