#include "app/ToolBoxBuilder.h"
#include "layout/TrackPlanFile.h"

#include "support/WindowRig.h"

#include <QApplication>
#include <QBuffer>
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
        initResources();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void guardsStopEveryCommandOnTheStatsTabAndSavesOfEmptyLayouts_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("message");
        const QString noTab = QStringLiteral("message||Please select a layout tab.");
        const QString empty = QStringLiteral("message||This layout is empty.");
        QTest::newRow("new, stats") << "actionNew" << 0 << noTab;
        QTest::newRow("save as, empty") << "actionSave_Layout_As" << 7 << empty;
    }

    void guardsStopEveryCommandOnTheStatsTabAndSavesOfEmptyLayouts()
    {
        QFETCH(QString, action);
        QFETCH(int, tab);
        QFETCH(QString, message);
        Rig rig;
        rig.activate(tab);
        rig.rec.mFileNames << rig.file("never.txt");
        rig.trigger(action.toLatin1().constData());
        QCOMPARE(rig.rec.mLog, QStringList{message});
        QCOMPARE(rig.newDialogRuns, 0);
        QVERIFY(!QFile::exists(rig.file("never.txt")));
    }

    void newReplacesTheLayoutWithAnEmptyOneOfTheChosenLanesAndName()
    {
        Rig rig;
        rig.activate(3);
        rig.append(D::R3600);
        rig.append(D::R3601_R);
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
        const QString path = samplePath("figure-eight.txt");
        rig.mark();
        rig.open(path);
        QCOMPARE(rig.rec.mLog, QStringList{kOpenPrompt});
        const LayoutRecord &a = rig.a(4);
        QCOMPARE(a.mPieces.size(), 14);
        QCOMPARE(a.mPath, path);
        QVERIFY(!a.mChanged && a.mSaved);
        QCOMPARE(rig.newRun(), QStringLiteral("   open: filename <%1>\n"
                                              "   readTrackPlan() path <%1>\n")
                                   .arg(path));
    }

    void openingOverAChangedLayoutAsksSaveThenClear_data()
    {
        QTest::addColumn<bool>("saveFirst");
        QTest::addColumn<bool>("clear");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<bool>("opened");
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
        const QByteArray before = carried(rig.a(6));
        rig.rec.mAnswers << saveFirst << clear;
        if (saveFirst)
            rig.rec.mFileNames << rig.file("kept.txt");
        rig.open(samplePath("grand-circuit.txt"));
        QCOMPARE(rig.rec.mLog, prompts);
        QCOMPARE(QFile::exists(rig.file("kept.txt")), saveFirst);
        if (opened) {
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
        // The file still holds the old layout: the empty one is saved nowhere.
        QVERIFY(rig.a(3).mPath.isEmpty());
        QVERIFY(rig.screen(3).mFilePathLineEdit->text().isEmpty());
        QVERIFY(!rig.a(3).mChanged && !rig.a(3).mSaved);
        rig.tickAllLamps();
        QCOMPARE(rig.lampCentre(3), QColor(Qt::red));
        QVERIFY(rig.scene(3)->items().isEmpty());
    }

    void unreadableInvalidOrCutFilesLeaveTheLayoutAsItWas_data()
    {
        QTest::addColumn<QString>("content"); // "missing": no file at all
        QTest::addColumn<QString>("message");
        const QString unreadable = QStringLiteral("message||The file selected cannot be read.");
        const QString invalid =
            QStringLiteral("message||The file selected was not a valid layout file.");
        QTest::newRow("missing") << "missing" << unreadable;
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
        const QByteArray beforeA = carried(rig.a(5));
        const QByteArray beforeB = carried(rig.b(5));
        rig.open(path);
        QCOMPARE(rig.rec.mLog, (QStringList{kOpenPrompt, message}));
        QCOMPARE(carried(rig.a(5)), beforeA);
        QCOMPARE(carried(rig.b(5)), beforeB);
        QVERIFY(!rig.a(5).mSaved);
    }

    void saveLayoutOverwritesWithoutAQuestionAndWritesNoExitLine()
    {
        Rig rig;
        rig.activate(2);
        rig.append(D::R3600);
        const QString path = rig.file("old.txt");
        QVERIFY(writeFile(path, "old content\n"));
        rig.save(path);
        QCOMPARE(rig.rec.mLog,
                 QStringList{"save|Save Layout File|../trackplans|Text Files (*.txt)"});
        QVERIFY(fileBytes(path).startsWith("unnamed2\n"));
        QVERIFY(rig.a(2).mSaved && !rig.a(2).mChanged);
    }

    void savedNameGetsTxtUnlessItEndsInLowerCaseTxt_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no ending") << "plan"
                                   << "plan.txt";
        QTest::newRow("upper-case TXT") << "plan.TXT"
                                        << "plan.TXT.txt";
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

    // Save Layout does not test for folders; the write itself must fail.
    void unwritableFileIsSaidPlainlyAndKeepsTheFlags()
    {
        Rig rig;
        QVERIFY(QDir(rig.rt.root()).mkdir("folder.txt"));
        rig.activate(7);
        rig.append(D::R3600);
        rig.save(rig.file("folder.txt"));
        QCOMPARE(rig.rec.mLog.size(), 2);
        QCOMPARE(rig.rec.mLog.at(1), QString("message||The file could not be written."));
        QVERIFY(rig.a(7).mChanged && !rig.a(7).mSaved);
        rig.tickAllLamps();
        QCOMPARE(rig.lampCentre(7), QColor(255, 255, 0));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "test_filecommands.moc"
