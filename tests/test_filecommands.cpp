#include "layout/TrackPlanFile.h"

#include "support/LayoutText.h"
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
// real window, what they say about odd files, and the offer to save changed
// layouts when the window closes, with the save lamps kept up while it stays
// open.
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
        // The housekeeping timer visits all eight lamps.
        for (int i = 0; i < 8; ++i)
            rig.w().housekeepingTick();
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

    // What Open and Save say about bad, odd and huge layout files, and how
    // often: one box per command, never one per piece.
    void unknownPiecesAreOneBoxPerOpenOrEditAndNoneOnSave()
    {
        Rig rig;
        rig.activate(2);
        QStringList parts{"R3600"};
        for (int i = 1; i <= 1000; ++i)
            parts << QStringLiteral("Q%1").arg(i);
        const QString path = rig.file("unknown.txt");
        QVERIFY(writeFile(path, layoutSection("Unknown", 2, "1001", parts)));
        const QString note("message||1000 pieces have part numbers the catalog does not know and "
                           "add nothing to the lane lengths: Q1, Q2, Q3, Q4, Q5, Q6, Q7, Q8, Q9, "
                           "Q10 and others.");
        rig.open(path);
        QCOMPARE(rig.rec.mLog, (QStringList{kOpenPrompt, note}));
        QCOMPARE(rig.a(2).mPieces.size(), 1001);

        rig.rec.mLog.clear();
        rig.fileCommand("actionSave_Layout", rig.file("saved.txt"));
        rig.append(DiagramTypeBase::R3600);
        QCOMPARE(rig.rec.mLog,
                 (QStringList{"save|Save Layout File|" + path + "|Text Files (*.txt)", note}));
    }

    void openSaysInOneBoxWhatTheFileHoldsOrWhyItRefusesIt_data()
    {
        QTest::addColumn<QByteArray>("text"); // null: no file at all
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("opened");
        const auto row = [](const char *aTag, const QByteArray &aText, const char *aMessage,
                            bool aOpened) {
            QTest::newRow(aTag) << aText << QString(aMessage) << aOpened;
        };
        const QByteArray one = layoutSection("Oval", 2, "1", {"R3600"});
        const char *const invalid = "The file selected was not a valid layout file.";
        const QStringList tooMany =
            QString("R3600 ").repeated(kMaxPiecesPerStrip + 1).split(' ', Qt::SkipEmptyParts);
        row("missing", QByteArray(), "The file selected cannot be read.", false);
        row("count below the pieces, one unknown",
            layoutSection("Oval", 2, "1", {"R3600", "R3600", "Q7"}),
            "The file selected claims 1 piece, but 3 were read. 1 piece has a part number the "
            "catalog does not know and adds nothing to the lane lengths: Q7.",
            true);
        row("second strip cut short",
            layoutSection("Club", 4, "2", {"R3600", "R3600"}) +
                layoutSection("Club", 4, "12", {"R3600"}),
            "The file selected claims 2 + 12 pieces for its two lane pairs, but 2 + 1 were read.",
            true);
        row("a piece broken off after the count is met",
            one + "1 part number: R3600\n   DB index: 0\n   item type: 0\n   level: 0.",
            "The file selected breaks off inside a piece; the pieces before it were read.", true);
        row("text after the layout", one + "notes\n",
            "The file selected goes on after its layout; the rest was not read.", true);
        row("larger than 20 MB", one + QByteArray(int(kMaxTrackPlanBytes), '\n'),
            "The file selected is larger than 20 MB, too large for a layout file.", false);
        row("50001 pieces in one strip", layoutSection("Big", 2, "50001", tooMany),
            "The file selected holds more than 50000 pieces in one lane pair, more than a "
            "layout can have.",
            false);
        row("thirteen attachments",
            layoutSection("Oval", 2, "1", {"R3600"}, "1000.00 1000.00",
                          QString("R3614_U ").repeated(13)),
            "The file selected has a piece with more than 12 attachments, more than any piece "
            "can carry.",
            false);
        row("negative count", layoutSection("Oval", 2, "-5", {"R3600"}), invalid, false);
        row("a name Save would refuse", layoutSection("7 part number: R3600", 2, "1", {"R3600"}),
            invalid, false);
    }
    // A refused file changes nothing: the fresh tab stays fresh, and a layout
    // the user agreed to clear for it is kept.
    void openSaysInOneBoxWhatTheFileHoldsOrWhyItRefusesIt()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        QFETCH(bool, opened);
        Rig rig;
        rig.activate(3);
        const QString path = rig.file("odd.txt");
        if (!text.isNull())
            QVERIFY(writeFile(path, text));
        rig.open(path);
        QCOMPARE(rig.rec.mLog, (QStringList{kOpenPrompt, "message||" + message}));
        QCOMPARE(rig.a(3).mPath, opened ? path : QString());
        QCOMPARE(rig.a(3).mPieces.isEmpty(), !opened);
        QCOMPARE(rig.scene(3)->items().isEmpty(), !opened);
        QCOMPARE(rig.screen(3).mNameLineEdit->text() == "unnamed3", !opened);
        if (opened)
            return;
        rig.append(DiagramTypeBase::R3620);
        rig.rec.mAnswers << false << true; // no save, clear
        rig.open(path);
        QCOMPARE(Rig::parts(rig.a(3)), QStringList{"R3620"});
        QCOMPARE(rig.scene(3)->items().size(), 3);
    }

    // The layout opened over one of four lanes is all that is drawn.
    void twoLaneFileOpenedOverAFourLaneLayoutReplacesItsDrawing()
    {
        Rig rig;
        rig.activate(5);
        rig.open(QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans/four-lane-oval.txt"));
        rig.rec.mAnswers << true; // clear
        rig.open(QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans/oval-terminal.txt"));
        QCOMPARE(rig.a().mLanes, 2);
        QCOMPARE(rig.scene()->items().size(), 3 * rig.a().mPieces.size());
    }

    void namesTheFileCannotHoldAreRefusedWhereTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("problem");
        const QString cannot("The layout file cannot hold the character \"%1\" in a name.");
        QTest::newRow("euro and kanji") << "Ölring € 東京" << cannot.arg("€");
        QTest::newRow("beyond the first plane") << "Zielflagge 🏁" << cannot.arg("🏁");
        QTest::newRow("a piece line") << "12 part number: R3600"
                                      << "A layout name cannot be a piece's \"part number:\" line.";
        QTest::newRow("Latin-1 accents, digits first") << "2024 Ölring café ½" << QString();
    }
    void namesTheFileCannotHoldAreRefusedWhereTyped()
    {
        QFETCH(QString, name);
        QFETCH(QString, problem);
        Rig rig;
        rig.activate(1);
        QLineEdit *edit = rig.screen(1).mNameLineEdit;
        edit->setText(name);
        emit edit->editingFinished();
        const QString kept = problem.isEmpty() ? name : QString("unnamed1");
        QCOMPARE(rig.rec.mLog,
                 problem.isEmpty() ? QStringList() : QStringList{"message||" + problem});
        QCOMPARE(edit->text(), kept);
        QCOMPARE(rig.a(1).mName, kept);
    }
    // Layout 7 was saved and not changed since; layout 3, emptied by its
    // edits, holds nothing a file could keep: neither is offered.
    void closeOffersChangedLayoutsInOrderWithTheirTabsInFront()
    {
        Rig rig;
        rig.w().show();
        for (int tab : {5, 2, 7, 3}) {
            rig.activate(tab);
            rig.append(D::R3600);
        }
        rig.select({rig.piece(0)});
        rig.w().itemAction(MainWindow::DeleteAction)->trigger();
        rig.activate(7);
        rig.saveAs(rig.file("seven.txt"));
        rig.activate(0);
        rig.rec.mLog.clear();
        rig.rec.mTabsAtQuestion.clear();

        // A Yes whose file dialog is cancelled keeps the window open, and
        // layout 5 is not asked about: the window is not closing.
        rig.rec.mAnswers << true;
        QVERIFY(!rig.w().close());
        QVERIFY(rig.w().isVisible());
        QCOMPARE(rig.rec.mLog.first(), QString("question|Layout Changed|Save Layout 2?"));
        QVERIFY(!rig.rec.mLog.contains("question|Layout Changed|Save Layout 5?"));
        QVERIFY(rig.a(2).mChanged && !rig.a(2).mSaved);
        // Lamp 7 painted stale: the real timer still visits every lamp
        // within 800 ms.
        rig.screen(7).mModifiedLed->showSaveStatus(true, false);
        QTRY_COMPARE_WITH_TIMEOUT(rig.lampCentre(7), QColor(0, 255, 0), 900);

        rig.rec.mLog.clear();
        QVERIFY(rig.w().close());
        QCOMPARE(rig.rec.mLog, (QStringList{"question|Layout Changed|Save Layout 2?",
                                            "question|Layout Changed|Save Layout 5?"}));
        QCOMPARE(rig.rec.mTabsAtQuestion, (QList<int>{2, 2, 5}));
        QVERIFY(!rig.w().isVisible());
        QVERIFY(!rig.w().isTimerRunning());
        QVERIFY(rig.a(2).mChanged && rig.a(5).mChanged);
    }
};

QTEST_MAIN(FileCommandsTest)
#include "test_filecommands.moc"
