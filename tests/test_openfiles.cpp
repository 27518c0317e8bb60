#include "layout/TrackPlanFile.h"

#include "support/LayoutText.h"
#include "support/WindowRig.h"

#include <QtTest>

using WindowRig::Rig;

namespace {

const QString
    kOpenPrompt("open|Open Track Plan/Layout File|../trackplans|Track Layout files (*.txt)");

void writeFile(const QString &aPath, const QByteArray &aBytes)
{
    QFile file(aPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(aBytes), qint64(aBytes.size()));
}

QStringList repeated(const QString &aPart, int aCount)
{
    QStringList parts;
    for (int i = 0; i < aCount; ++i)
        parts << aPart;
    return parts;
}

} // namespace

// What Open and Save say about bad, odd and huge layout files, and how often:
// one box per command, never one per piece.
class OpenFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Q_INIT_RESOURCE(lanewright); }

    void unknownPiecesAreOneBoxPerOpenOrEditAndNoneOnSave()
    {
        Rig rig;
        rig.activate(2);
        QStringList parts{"R3600"};
        for (int i = 1; i <= 1000; ++i)
            parts << QStringLiteral("Q%1").arg(i);
        const QString path = rig.file("unknown.txt");
        writeFile(path, layoutSection("Unknown", 2, "1001", parts));
        const QString note("message||1000 pieces have part numbers the catalog does not know and "
                           "add nothing to the lane lengths: Q1, Q2, Q3, Q4, Q5, Q6, Q7, Q8, Q9, "
                           "Q10 and others.");
        rig.open(path);
        QCOMPARE(rig.rec.mLog, (QStringList{kOpenPrompt, note}));
        QCOMPARE(rig.a(2).mPieces.size(), 1001);

        rig.rec.mLog.clear();
        rig.save(rig.file("saved.txt"));
        QCOMPARE(rig.rec.mLog.size(), 1);
        QVERIFY(rig.rec.mLog.first().startsWith("save|"));
        rig.rec.mLog.clear();
        rig.append(DiagramTypeBase::R3600);
        QCOMPARE(rig.rec.mLog, QStringList{note});
    }

    void openSaysInOneBoxWhatTheFileAndTheReplayFound_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("count below the pieces, one unknown")
            << layoutSection("Oval", 2, "1", {"R3600", "R3600", "Q7"})
            << "The file selected claims 1 piece, but 3 were read. 1 piece has a part number the "
               "catalog does not know and adds nothing to the lane lengths: Q7.";
        QTest::newRow("second strip cut short")
            << layoutSection("Club", 4, "2", repeated("R3600", 2)) +
                   layoutSection("Club", 4, "12", {"R3600"})
            << "The file selected claims 2 + 12 pieces for its two lane pairs, but 2 + 1 were "
               "read.";
        QTest::newRow("text after the layout")
            << layoutSection("Oval", 2, "1", {"R3600"}) + "notes\n"
            << "The file selected goes on after its layout; the rest was not read.";
    }
    void openSaysInOneBoxWhatTheFileAndTheReplayFound()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        Rig rig;
        rig.activate(3);
        const QString path = rig.file("odd.txt");
        writeFile(path, text);
        rig.open(path);
        QCOMPARE(rig.rec.mLog, (QStringList{kOpenPrompt, "message||" + message}));
        QCOMPARE(rig.a(3).mPath, path);
        QVERIFY(!rig.scene(3)->items().isEmpty());
    }

    void filesBeyondTheLimitsAreRefusedBeforeAnythingChanges_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        const QByteArray one = layoutSection("Oval", 2, "1", {"R3600"});
        QTest::newRow("larger than 20 MB")
            << one + QByteArray(int(kMaxTrackPlanBytes), '\n')
            << "The file selected is larger than 20 MB, too large for a layout file.";
        QTest::newRow("50001 pieces in one strip")
            << layoutSection("Big", 2, "50001", repeated("R3600", kMaxPiecesPerStrip + 1))
            << "The file selected holds more than 50000 pieces in one lane pair, more than a "
               "layout can have.";
        QTest::newRow("thirteen attachments")
            << layoutSection("Oval", 2, "1", {"R3600"}, "1000.00 1000.00",
                             QString("R3614_U ").repeated(13))
            << "The file selected has a piece with more than 12 attachments, more than any piece "
               "can carry.";
        QTest::newRow("negative count") << layoutSection("Oval", 2, "-5", {"R3600"})
                                        << "The file selected was not a valid layout file.";
    }
    void filesBeyondTheLimitsAreRefusedBeforeAnythingChanges()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        Rig rig;
        rig.activate(4);
        const QString path = rig.file("big.txt");
        writeFile(path, text);
        rig.open(path);
        QCOMPARE(rig.rec.mLog, (QStringList{kOpenPrompt, "message||" + message}));
        QVERIFY(rig.a(4).mPieces.isEmpty() && rig.a(4).mPath.isEmpty());
        QCOMPARE(rig.screen(4).mNameLineEdit->text(), QString("unnamed4"));
        QVERIFY(rig.scene(4)->items().isEmpty());
    }

    void nameTheFileCannotHoldIsRefusedWhereTyped()
    {
        Rig rig;
        rig.activate(1);
        QLineEdit *edit = rig.screen(1).mNameLineEdit;
        edit->setText(QStringLiteral("Ölring € 東京"));
        emit edit->editingFinished();
        QCOMPARE(rig.rec.mLog, QStringList{"message||The layout file cannot hold the character "
                                           "\"€\" in a name."});
        QCOMPARE(edit->text(), QString("unnamed1"));
        QCOMPARE(rig.a(1).mName, QString("unnamed1"));
    }
};

QTEST_MAIN(OpenFilesTest)
#include "test_openfiles.moc"
