#include "app/ToolBoxBuilder.h"
#include "catalog/RevellTrack.h"
#include "layout/LaneColors.h"

#include "support/FileCommandRig.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QToolBox>
#include <QtTest>

using D = DiagramTypeBase;

static void initResources()
{
    Q_INIT_RESOURCE(lanewright);
}

namespace {

const char *const kOpenPrompt =
    "open|Open Track Plan/Layout File|../trackplans|Track Layout files (*.txt)";

QString samplePath(const QString &aName)
{
    return QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans/") + aName;
}

QByteArray fileBytes(const QString &aPath)
{
    QFile file(aPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &aPath, const QByteArray &aBytes)
{
    QFile file(aPath);
    return file.open(QIODevice::WriteOnly) && file.write(aBytes) == aBytes.size();
}

using Rig = FileCommandRig;

// The fields of a record that a save and an open carry, as text.
QStringList carried(const LayoutRecord &aRecord)
{
    QStringList fields;
    fields << aRecord.mName << QString::number(aRecord.mLanes);
    for (const QBrush &brush : aRecord.mLaneBrush)
        fields << laneColorName(brush);
    fields << QString::number(aRecord.mPieces.size()) << QString::number(aRecord.mNextIndex);
    for (const PlacedPiece &piece : aRecord.mPieces) {
        QStringList attachments;
        for (const AttachmentEntry &entry : piece.mAttachments)
            attachments << entry.mName;
        fields << QStringLiteral("%1 %2 %3 (%4,%5) %6 [%7]")
                      .arg(piece.mPartNumber)
                      .arg(piece.mDbIndex)
                      .arg(piece.mLevel, 0, 'f', 2)
                      .arg(piece.mOrigin.x(), 0, 'f', 2)
                      .arg(piece.mOrigin.y(), 0, 'f', 2)
                      .arg(piece.mAngle, 0, 'f', 2)
                      .arg(attachments.join(QLatin1Char(' ')));
    }
    return fields;
}

// The "track lengths" values of a layout file: lanes 1 and 2, then 3 and 4
// for the second section of a four-lane file.
QStringList storedLaneLengths(const QString &aPath)
{
    QStringList lengths;
    for (const QByteArray &line : fileBytes(aPath).split('\n')) {
        if (line.startsWith("track lengths: "))
            lengths << QString::fromLatin1(line.mid(15)).split(QLatin1Char(' '));
    }
    return lengths;
}

int storedPieceCount(const QString &aPath, int aSection)
{
    int section = 0;
    for (const QByteArray &line : fileBytes(aPath).split('\n')) {
        if (line.startsWith("track pieces: ") && section++ == aSection)
            return line.mid(14).toInt();
    }
    return -1;
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
        initResources();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void guardsStopEveryCommandOnTheStatsTabAndSavesOfEmptyLayouts_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("debug");
        const QString noTab = QStringLiteral("message||Please select a layout tab.");
        const QString empty = QStringLiteral("message||This layout is empty.");
        QTest::newRow("new, stats") << "actionNew" << 0 << noTab << "on_actionNew_triggered()\n";
        QTest::newRow("open, stats") << "actionOpen_Layout_File" << 0 << noTab
                                     << "on_actionOpen_Layout_File_triggered()   mActiveIndex 0\n";
        QTest::newRow("save as, stats")
            << "actionSave_Layout_As" << 0 << noTab << "on_actionSave_Layout_As_triggered()\n";
        QTest::newRow("save as, empty")
            << "actionSave_Layout_As" << 7 << empty << "on_actionSave_Layout_As_triggered()\n";
    }

    void guardsStopEveryCommandOnTheStatsTabAndSavesOfEmptyLayouts()
    {
        QFETCH(QString, action);
        QFETCH(int, tab);
        QFETCH(QString, message);
        QFETCH(QString, debug);
        Rig rig;
        rig.activate(tab);
        rig.rec.mFileNames << rig.file("never.txt");
        rig.mark();
        QVERIFY(rig.w().findChild<QAction *>(action)->isEnabled());
        rig.trigger(action.toLatin1().constData());
        QCOMPARE(rig.rec.mLog, QStringList{message});
        QCOMPARE(rig.newDebug(), debug);
        QCOMPARE(rig.newDialogRuns, 0);
        QVERIFY(!QFile::exists(rig.file("never.txt")));
    }

    void newReplacesTheLayoutWithAnEmptyOneOfTheChosenLanesAndName()
    {
        Rig rig;
        rig.activate(3);
        rig.w().findChild<QRadioButton *>("mmRadioButton")->click();
        rig.append(D::R3600);
        rig.append(D::R3601_R);
        rig.a(3).mPath = QStringLiteral("/somewhere/old.txt");
        rig.screen(3).mFilePathLineEdit->setText(rig.a(3).mPath);
        rig.a(3).mLaneBrush[0] = QBrush(Qt::white);
        rig.newLanes = 4;
        rig.newName = QStringLiteral("Big Oval");
        rig.mark();

        rig.newLayout();
        QCOMPARE(rig.newDialogRuns, 1);
        QCOMPARE(rig.newDialogStartName, QString("unnamed3"));
        QCOMPARE(rig.newDialogStartLanes, 2);
        QVERIFY(rig.rec.mLog.isEmpty());
        QCOMPARE(rig.newDebug(), QString("on_actionNew_triggered()\n"
                                         "on_toolBox_currentChanged()   index 2\n"));
        for (LayoutRecord *record : {&rig.a(3), &rig.b(3)}) {
            QCOMPARE(carried(*record),
                     carried(LayoutRecord("Big Oval", 4, 178.0, rig.w().defaultLaneBrushes())));
            QVERIFY(record->mPath.isEmpty() && record->mFirst);
        }
        QVERIFY(!rig.a(3).mChanged && !rig.a(3).mSaved);
        QVERIFY(rig.scene(3)->items().isEmpty());
        const LayoutScreen &screen = rig.screen(3);
        QCOMPARE(screen.mNameLineEdit->text(), QString("Big Oval"));
        QCOMPARE(screen.mLanesLineEdit->text(), QString("4"));
        QVERIFY(screen.mFilePathLineEdit->text().isEmpty());
        QCOMPARE(screen.mLaneLineEdit[3]->text(), QString("0.00"));
        QCOMPARE(rig.w().toolBox().mToolBox->currentIndex(), int(ToolBoxBuilder::Track4Page));
        QCOMPARE(rig.w().activeScene()->mMode, DiagramScene::Move);

        // A two-lane New goes back to the two-lane page.
        rig.newLanes = 2;
        rig.newLayout();
        QCOMPARE(rig.a(3).mLanes, 2);
        QCOMPARE(rig.w().toolBox().mToolBox->currentIndex(), int(ToolBoxBuilder::TrackPage));
    }

    void cancelledNewChangesNothing()
    {
        Rig rig;
        rig.activate(5);
        rig.append(D::R3600);
        const QStringList before = carried(rig.a(5));
        rig.newAccept = false;
        rig.newLanes = 4;
        rig.newLayout();
        QCOMPARE(rig.newDialogRuns, 1);
        QCOMPARE(carried(rig.a(5)), before);
        QVERIFY(rig.a(5).mChanged);
        QCOMPARE(rig.scene(5)->items().size(), 3);
    }

    void openingIntoAFreshTabAsksOnlyForTheFileAndLogsThePath()
    {
        Rig rig;
        rig.activate(4);
        const QString path = samplePath("figure-eight.txt");
        rig.mark();
        rig.open(path);
        QCOMPARE(rig.rec.mLog, QStringList{kOpenPrompt});
        const LayoutRecord &a = rig.a(4);
        QCOMPARE(a.mPieces.size(), storedPieceCount(path, 0));
        QCOMPARE(a.mPath, path);
        QVERIFY(!a.mChanged && a.mSaved);
        QCOMPARE(rig.screen(4).mNameLineEdit->text(), a.mName);
        QCOMPARE(rig.screen(4).mFilePathLineEdit->text(), path);

        const QString debug = rig.newDebug();
        const QString head =
            QStringLiteral("on_actionOpen_Layout_File_triggered()   mActiveIndex 3\n"
                           "   filename <%1>\n"
                           "   readTrackPlan() path <%1>\n"
                           "readTrackPlan()\n")
                .arg(path);
        QVERIFY2(debug.startsWith(head), qPrintable(debug.left(400)));
        QCOMPARE(rig.newRun(), QStringLiteral("   open: filename <%1>\n"
                                              "   readTrackPlan() path <%1>\n")
                                   .arg(path));
    }

    void openingShowsTheFourLanePageOnlyForFourLanes_data()
    {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<int>("expected");
        QTest::newRow("two lanes keep the page in use")
            << "oval-terminal.txt" << int(ToolBoxBuilder::ApronPage);
        QTest::newRow("four lanes turn to their page")
            << "four-lane-oval.txt" << int(ToolBoxBuilder::Track4Page);
    }

    void openingShowsTheFourLanePageOnlyForFourLanes()
    {
        QFETCH(QString, sample);
        QFETCH(int, expected);
        Rig rig;
        rig.activate(3);
        rig.w().toolBox().mToolBox->setCurrentIndex(ToolBoxBuilder::ApronPage);
        rig.mark();
        rig.open(samplePath(sample));
        QCOMPARE(rig.rec.mLog, QStringList{kOpenPrompt});
        QCOMPARE(rig.w().toolBox().mToolBox->currentIndex(), expected);
        // A page change resets the toolbox selection and says so in the log.
        QCOMPARE(rig.newDebug().contains("on_toolBox_currentChanged()"),
                 expected != int(ToolBoxBuilder::ApronPage));
    }

    void openingIntoARenamedEmptyTabAsksClear()
    {
        Rig rig;
        rig.activate(2);
        rig.screen(2).mNameLineEdit->setText(QStringLiteral("My track"));
        emit rig.screen(2).mNameLineEdit->editingFinished();
        rig.open(samplePath("oval-terminal.txt"));
        // No to "Clear?" keeps the layout; no file is asked for.
        QCOMPARE(rig.rec.mLog, QStringList{"question|Layout Exists|Clear?"});
        QCOMPARE(rig.a(2).mName, QString("My track"));
        QVERIFY(rig.a(2).mPieces.isEmpty());
        QCOMPARE(rig.rec.mTabsAtQuestion, QList<int>{2});
    }

    void openingOverAChangedLayoutAsksSaveThenClear_data()
    {
        QTest::addColumn<bool>("saveFirst");
        QTest::addColumn<bool>("clear");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<bool>("opened");
        QTest::newRow("no save, clear") << false << true
                                        << QStringList{"question|Layout has not been saved|Save?",
                                                       "question|Layout Exists|Clear?", kOpenPrompt}
                                        << true;
        QTest::newRow("no save, keep") << false << false
                                       << QStringList{"question|Layout has not been saved|Save?",
                                                      "question|Layout Exists|Clear?"}
                                       << false;
        QTest::newRow("save, clear")
            << true << true
            << QStringList{"question|Layout has not been saved|Save?",
                           "save|Save Layout File As|../trackplans|Text Files (*.txt)",
                           "question|Layout Exists|Clear?", kOpenPrompt}
            << true;
    }

    void openingOverAChangedLayoutAsksSaveThenClear()
    {
        QFETCH(bool, saveFirst);
        QFETCH(bool, clear);
        QFETCH(QStringList, prompts);
        QFETCH(bool, opened);
        Rig rig;
        rig.activate(6);
        rig.append(D::R3600);
        rig.append(D::R3600);
        const QStringList before = carried(rig.a(6));
        rig.rec.mAnswers << saveFirst << clear;
        if (saveFirst)
            rig.rec.mFileNames << rig.file("kept.txt");
        rig.open(samplePath("grand-circuit.txt"));
        QCOMPARE(rig.rec.mLog, prompts);
        QCOMPARE(QFile::exists(rig.file("kept.txt")), saveFirst);
        if (opened) {
            QCOMPARE(rig.a(6).mPieces.size(), storedPieceCount(samplePath("grand-circuit.txt"), 0));
            QVERIFY(!rig.a(6).mChanged && rig.a(6).mSaved);
        } else {
            QCOMPARE(carried(rig.a(6)), before);
            QCOMPARE(rig.scene(6)->items().size(), 6);
        }
    }

    void clearedLayoutWhoseFileDialogIsCancelledStaysEmptyWithItsNameAndPath()
    {
        Rig rig;
        rig.activate(3);
        const QString path = samplePath("oval-terminal.txt");
        rig.open(path);
        const QString name = rig.a(3).mName;
        rig.append(D::R3600);
        rig.rec.mLog.clear();
        rig.rec.mAnswers << false << true;     // no save, clear
        rig.trigger("actionOpen_Layout_File"); // and the file dialog is cancelled
        QCOMPARE(rig.rec.mLog, (QStringList{"question|Layout has not been saved|Save?",
                                            "question|Layout Exists|Clear?", kOpenPrompt}));
        for (LayoutRecord *record : {&rig.a(3), &rig.b(3)}) {
            QVERIFY(record->mPieces.isEmpty());
            QCOMPARE(record->mNextIndex, 0);
        }
        QCOMPARE(rig.a(3).mName, name);
        QCOMPARE(rig.a(3).mPath, path);
        QCOMPARE(rig.screen(3).mFilePathLineEdit->text(), path);
        QVERIFY(rig.scene(3)->items().isEmpty());
    }

    void unreadableInvalidOrCutFilesLeaveTheLayoutAsItWas_data()
    {
        QTest::addColumn<QString>("content"); // "missing": no file at all
        QTest::addColumn<QString>("message");
        const QString unreadable = QStringLiteral("message||The file selected cannot be read.");
        const QString invalid =
            QStringLiteral("message||The file selected was not a valid layout file.");
        const QByteArray sample = fileBytes(samplePath("oval-terminal.txt"));
        QTest::newRow("missing") << "missing" << unreadable;
        QTest::newRow("not a layout") << "shopping list\nmilk\n" << invalid;
        // The header is whole, the pieces are cut off in the middle.
        QTest::newRow("cut short")
            << QString::fromLatin1(sample.left(sample.size() / 2)) << invalid;
        const QByteArray fourLane = fileBytes(samplePath("four-lane-oval.txt"));
        const int second = fourLane.indexOf("Four-lane oval", 10);
        QTest::newRow("four lanes without record B")
            << QString::fromLatin1(fourLane.left(second)) << invalid;
    }

    void unreadableInvalidOrCutFilesLeaveTheLayoutAsItWas()
    {
        QFETCH(QString, content);
        QFETCH(QString, message);
        Rig rig;
        rig.activate(5);
        const QString path = rig.file("bad.txt");
        if (content != QLatin1String("missing"))
            QVERIFY(writeFile(path, content.toLatin1()));
        const QStringList beforeA = carried(rig.a(5));
        const QStringList beforeB = carried(rig.b(5));
        rig.open(path);
        QCOMPARE(rig.rec.mLog, (QStringList{kOpenPrompt, message}));
        QCOMPARE(carried(rig.a(5)), beforeA);
        QCOMPARE(carried(rig.b(5)), beforeB);
        QVERIFY(!rig.a(5).mSaved);
        QVERIFY(rig.screen(5).mFilePathLineEdit->text().isEmpty());
    }

    void saveAsWritesTheFileAndMarksTheLayoutSaved()
    {
        Rig rig;
        rig.activate(2);
        rig.append(D::R3600);
        rig.append(D::R3601_R);
        const QString chosen = rig.file("plan");
        const QString written = chosen + ".txt";
        rig.mark();
        rig.saveAs(chosen);
        QCOMPARE(rig.rec.mLog,
                 QStringList{"save|Save Layout File As|../trackplans|Text Files (*.txt)"});
        QVERIFY(QFile::exists(written));
        QVERIFY(fileBytes(written).startsWith("unnamed2\nlanes: 2 red green blue yellow\n"));
        QVERIFY(!rig.a(2).mChanged && rig.a(2).mSaved);
        QCOMPARE(rig.screen(2).mFilePathLineEdit->text(), written);
        // Only Open gives the record its path.
        QVERIFY(rig.a(2).mPath.isEmpty());
        QCOMPARE(rig.newDebug(), QStringLiteral("on_actionSave_Layout_As_triggered()\n"
                                                "   filename selected: <%1>\n"
                                                "   filename <%2>   exists 0\n"
                                                "writeTrackPlan()\n"
                                                "on_actionSave_Layout_As_triggered() exit\n")
                                     .arg(chosen, written));
        QCOMPARE(rig.newRun(), QStringLiteral("   save as trackplan: <%1>\n").arg(written));
    }

    void saveLayoutOverwritesWithoutAQuestionAndWritesNoExitLine()
    {
        Rig rig;
        rig.activate(2);
        rig.append(D::R3600);
        const QString path = rig.file("old.txt");
        QVERIFY(writeFile(path, "old content\n"));
        rig.mark();
        rig.save(path);
        QCOMPARE(rig.rec.mLog,
                 QStringList{"save|Save Layout File|../trackplans|Text Files (*.txt)"});
        QVERIFY(fileBytes(path).startsWith("unnamed2\n"));
        QVERIFY(rig.a(2).mSaved && !rig.a(2).mChanged);
        QCOMPARE(rig.newDebug(), QStringLiteral("on_actionSave_Layout_triggered()\n"
                                                "   filename selected: <%1>\n"
                                                "   filename <%1>   exists 1\n"
                                                "writeTrackPlan()\n")
                                     .arg(path));
        QCOMPARE(rig.newRun(), QStringLiteral("   save trackplan: <%1>\n").arg(path));
    }

    void savedNameGetsTxtUnlessItEndsInLowerCaseTxt_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("with .txt") << "plan.txt"
                                   << "plan.txt";
        QTest::newRow("no ending") << "plan"
                                   << "plan.txt";
        QTest::newRow("upper-case TXT") << "plan.TXT"
                                        << "plan.TXT.txt";
        QTest::newRow("txt inside") << "plan.txt.bak"
                                    << "plan.txt.bak.txt";
    }

    void savedNameGetsTxtUnlessItEndsInLowerCaseTxt()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        for (const char *action : {"actionSave_Layout_As", "actionSave_Layout"}) {
            Rig rig;
            rig.activate(1);
            rig.append(D::R3600);
            rig.rec.mFileNames << rig.file(chosen);
            rig.trigger(action);
            QVERIFY2(QFile::exists(rig.file(written)), action);
            QCOMPARE(QDir(rig.rt.root()).entryList(QDir::Files), QStringList{written});
        }
    }

    void saveAsAsksBeforeReplacingAnExistingFile_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("no keeps the file") << false;
        QTest::newRow("yes replaces it") << true;
    }

    void saveAsAsksBeforeReplacingAnExistingFile()
    {
        QFETCH(bool, answer);
        Rig rig;
        rig.activate(8);
        rig.append(D::R3600);
        const QString path = rig.file("taken.txt");
        QVERIFY(writeFile(path, "keep me\n"));
        rig.rec.mAnswers << answer;
        rig.saveAs(path);
        QCOMPARE(rig.rec.mLog,
                 (QStringList{"save|Save Layout File As|../trackplans|Text Files (*.txt)",
                              "question|File Exists|Overwrite?"}));
        QCOMPARE(fileBytes(path) == "keep me\n", !answer);
        QCOMPARE(rig.a(8).mSaved, answer);
        QCOMPARE(rig.a(8).mChanged, !answer);
    }

    void saveAsIntoAFolderWritesNothing()
    {
        Rig rig;
        rig.activate(1);
        rig.append(D::R3600);
        QVERIFY(QDir(rig.rt.root()).mkdir("folder.txt"));
        rig.saveAs(rig.file("folder.txt"));
        QCOMPARE(rig.rec.mLog.size(), 1);
        QVERIFY(QFileInfo(rig.file("folder.txt")).isDir());
        QVERIFY(rig.a(1).mChanged && !rig.a(1).mSaved);
    }

    void unwritableFileIsSaidPlainlyAndKeepsTheFlags_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("target");
        QTest::newRow("save as, missing folder") << "actionSave_Layout_As"
                                                 << "no/such/folder/plan.txt";
        // Save Layout does not test for folders; the write itself must fail.
        QTest::newRow("save onto a folder") << "actionSave_Layout"
                                            << "folder.txt";
    }

    void unwritableFileIsSaidPlainlyAndKeepsTheFlags()
    {
        QFETCH(QString, action);
        QFETCH(QString, target);
        Rig rig;
        QVERIFY(QDir(rig.rt.root()).mkdir("folder.txt"));
        rig.activate(7);
        rig.append(D::R3600);
        rig.screen(7).mFilePathLineEdit->setText(QStringLiteral("before"));
        rig.rec.mFileNames << rig.file(target);
        rig.mark();
        rig.trigger(action.toLatin1().constData());
        QCOMPARE(rig.rec.mLog.size(), 2);
        QCOMPARE(rig.rec.mLog.at(1), QString("message||The file could not be written."));
        QVERIFY(rig.a(7).mChanged && !rig.a(7).mSaved);
        QCOMPARE(rig.screen(7).mFilePathLineEdit->text(), QString("before"));
        QVERIFY(!rig.newDebug().contains("exit"));
        rig.tickAllLamps();
        QCOMPARE(rig.lampCentre(7), QColor(255, 255, 0));
    }

    void saveDialogsStartAtTheFileTheLayoutWasOpenedFrom()
    {
        Rig rig;
        rig.activate(2);
        const QString copy = rig.file("oval.txt");
        QVERIFY(QFile::copy(samplePath("oval-terminal.txt"), copy));
        rig.open(copy);
        rig.append(D::R3600);
        rig.saveAs(rig.file("renamed.txt"));
        rig.save(rig.file("renamed.txt"));
        QCOMPARE(
            rig.rec.mLog,
            (QStringList{kOpenPrompt,
                         QStringLiteral("save|Save Layout File As|%1|Text Files (*.txt)").arg(copy),
                         QStringLiteral("save|Save Layout File|%1|Text Files (*.txt)").arg(copy)}));
        QCOMPARE(rig.screen(2).mFilePathLineEdit->text(), rig.file("renamed.txt"));
    }

    void layoutsSurviveSaveNewOpenOnTwoTabs_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("lanes");
        QTest::newRow("two lanes, tab 2") << 2 << 2;
        QTest::newRow("four lanes, tab 6") << 6 << 4;
    }

    void layoutsSurviveSaveNewOpenOnTwoTabs()
    {
        QFETCH(int, tab);
        QFETCH(int, lanes);
        Rig rig;
        rig.w().findChild<QRadioButton *>("mmRadioButton")->click();
        rig.activate(tab);
        rig.newLanes = lanes;
        rig.newName = QStringLiteral("Round trip %1").arg(lanes);
        rig.newLayout();
        DiagramScene *scene = rig.scene(tab);
        if (lanes == 4) {
            QVERIFY(scene->appendFourLanePiece(D::R3600R3600, QPointF(1000, 1000)));
            QVERIFY(scene->appendFourLanePiece(D::R3601R3610_R, QPointF(1000, 1000)));
            QVERIFY(scene->appendFourLanePiece(D::R3620R3620, QPointF(1000, 1000)));
        } else {
            QVERIFY(rig.append(D::R3600));
            QVERIFY(rig.append(D::R3601_R, 0.5));
            QVERIFY(rig.append(D::R3602_L, 0.75));
            QVERIFY(rig.append(D::R3620dc));
        }
        rig.a(tab).mPieces[1].mAttachments.append(
            AttachmentEntry{"R3612_R", rig.w().catalog().findIndex("R3612_R"), 1});
        const QStringList beforeA = carried(rig.a(tab));
        const QStringList beforeB = carried(rig.b(tab));
        const QString first = rig.file("first.txt");
        rig.saveAs(first);
        QVERIFY(rig.a(tab).mSaved);

        rig.newLayout();
        QVERIFY(rig.a(tab).mPieces.isEmpty());
        rig.rec.mAnswers << true; // the renamed empty layout asks "Clear?"
        rig.open(first);
        QCOMPARE(carried(rig.a(tab)), beforeA);
        if (lanes == 4)
            QCOMPARE(carried(rig.b(tab)), beforeB);
        QCOMPARE(rig.screen(tab).mLanesLineEdit->text(), QString::number(lanes));
        QCOMPARE(rig.w().toolBox().mToolBox->currentIndex(),
                 int(lanes == 4 ? ToolBoxBuilder::Track4Page : ToolBoxBuilder::TrackPage));

        const QString second = rig.file("second.txt");
        rig.saveAs(second);
        // Record B starts one track width (37.083 scene units) beside A, which
        // the file keeps to two decimals: its replay from the rounded point may
        // differ in the last digit once, and is the same from then on.
        if (lanes == 2)
            QCOMPARE(fileBytes(second), fileBytes(first));
        rig.rec.mAnswers << true;
        rig.open(second);
        const QString third = rig.file("third.txt");
        rig.saveAs(third);
        QCOMPARE(fileBytes(third), fileBytes(second));
        // Record B's section carries lanes 3 and 4.
        const QStringList stored = storedLaneLengths(first);
        QCOMPARE(stored.size(), lanes == 4 ? 4 : 2);
        for (int lane = 0; lane < stored.size(); ++lane) {
            QCOMPARE(stored.at(lane), QString::number(rig.a(tab).mLaneLength[lane], 'f', 2));
            QCOMPARE(rig.screen(tab).mLaneLineEdit[lane]->text(), stored.at(lane));
        }
        QVERIFY(rig.a(tab).mLaneLength[0] > 0.0);
    }
};

QTEST_MAIN(FileCommandsTest)
#include "test_filecommands.moc"
