#include "layout/TrackPlanFile.h"

#include "support/LayoutText.h"
#include "support/WindowRig.h"

#include <QtTest>

using WindowRig::Rig;

namespace {

const QString
    kOpenPrompt("open|Open Track Plan/Layout File|../trackplans|Track Layout files (*.txt)");

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
        QVERIFY(writeFile(path, layoutSection("Unknown", 2, "1001", parts)));
        const QString note("message||1000 pieces have part numbers the catalog does not know and "
                           "add nothing to the lane lengths: Q1, Q2, Q3, Q4, Q5, Q6, Q7, Q8, Q9, "
                           "Q10 and others.");
        rig.open(path);
        QCOMPARE(rig.rec.mLog, (QStringList{kOpenPrompt, note}));
        QCOMPARE(rig.a(2).mPieces.size(), 1001);

        rig.rec.mLog.clear();
        rig.save(rig.file("saved.txt"));
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
};

QTEST_MAIN(OpenFilesTest)
#include "test_openfiles.moc"
