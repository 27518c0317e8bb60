#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "layout/Chaining.h"
#include "layout/LayoutEdit.h"
#include "layout/LayoutRecord.h"
#include "layout/TrackPlanFile.h"

#include "support/LayoutText.h"

#include <QBuffer>
#include <QtTest>

Q_DECLARE_METATYPE(TrackPlanRead)

// Bad, odd and huge layout files: counts that disagree are read as they
// stand and told, what no layout holds is refused with both records kept,
// the first point survives a save and an open, and names the file cannot
// hold are refused.
class LayoutFilesTest : public QObject
{
    Q_OBJECT

    RevellTrack mCatalog;
    QStringList mTypes;

    TrackPlanRead load(const QByteArray &aText, LayoutRecord &aA, LayoutRecord &aB,
                       TrackPlanCounts *aCounts = nullptr)
    {
        return loadTrackPlanText(aText, aA, aB, mCatalog, mTypes, nullptr, aCounts);
    }
    static QByteArray written(const LayoutRecord &aA, const LayoutRecord &aB)
    {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        writeTrackPlan(&out, aA);
        if (aA.mLanes == 4)
            writeTrackPlan(&out, aB);
        return out.data();
    }
    // Open's replay of one chain from its first point.
    void replay(LayoutRecord &aRecord)
    {
        Chaining::prepareReplay(aRecord);
        for (int i = 0; i < aRecord.mPieces.size(); ++i)
            Chaining::layNext(aRecord, mCatalog, aRecord.mPieces.at(i).mItemType, aRecord.mFirstPt,
                              0.25, false);
    }
    // Open, an optional drag of the first piece to aDrag, and Save.
    QByteArray openAndSave(const QByteArray &aText, QPointF aDrag = QPointF())
    {
        LayoutRecord a;
        LayoutRecord b;
        if (load(aText, a, b) != TrackPlanRead::Complete)
            return QByteArray();
        if (!aDrag.isNull())
            LayoutEdit::relocate(a, b, mCatalog, aDrag);
        replay(a);
        if (a.mLanes == 4)
            replay(b);
        return written(a, b);
    }

private slots:
    void initTestCase() { initDiagramTypeList(mTypes); }

    void countsThatDisagreeAreReadAsTheyStandAndTold_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<int>>("claimed");
        QTest::addColumn<QList<int>>("read");
        QTest::addColumn<bool>("trailing");
        const QStringList three{"R3600", "R3601_R", "R3600"};
        QStringList twelve;
        for (int i = 0; i < 12; ++i)
            twelve << "R3601_R";
        QTest::newRow("agreeing") << layoutSection("Oval", 2, "3", three) << QList<int>{3}
                                  << QList<int>{3} << false;
        QTest::newRow("count below the pieces")
            << layoutSection("Oval", 2, "1", twelve) << QList<int>{1} << QList<int>{12} << false;
        QTest::newRow("pieces missing at the end")
            << layoutSection("Oval", 2, "12", three) << QList<int>{12} << QList<int>{3} << false;
        QByteArray cut = layoutSection("Oval", 2, "3", three);
        cut.chop(cut.size() - cut.lastIndexOf("   next point"));
        QTest::newRow("cut inside the last piece")
            << cut << QList<int>{3} << QList<int>{2} << false;
        QTest::newRow("second strip miscounted")
            << layoutSection("Club", 4, "3", three) + layoutSection("Club", 4, "5", three)
            << QList<int>{3, 5} << QList<int>{3, 3} << false;
        QTest::newRow("text after the layout") << layoutSection("Oval", 2, "3", three) + "notes\n"
                                               << QList<int>{3} << QList<int>{3} << true;
    }
    void countsThatDisagreeAreReadAsTheyStandAndTold()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<int>, claimed);
        QFETCH(QList<int>, read);
        QFETCH(bool, trailing);
        LayoutRecord a;
        LayoutRecord b;
        TrackPlanCounts counts;
        QCOMPARE(load(text, a, b, &counts), TrackPlanRead::Complete);
        QCOMPARE(counts.mClaimed, claimed);
        QCOMPARE(counts.mRead, read);
        QCOMPARE(counts.agree(), claimed == read);
        QCOMPARE(counts.mTrailing, trailing);
        QCOMPARE(a.mPieces.size(), read.first());
        QCOMPARE(b.mPieces.size(), read.value(1));
    }

    void filesNoLayoutHoldsAreRefusedWithBothRecordsKept_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<TrackPlanRead>("result");
        const QStringList one{"R3600"};
        QTest::newRow("negative count")
            << layoutSection("Oval", 2, "-5", one) << TrackPlanRead::NotALayout;
        QTest::newRow("name Save would refuse")
            << layoutSection("lanes: 2", 2, "1", one) << TrackPlanRead::NotALayout;
        QTest::newRow("four lanes, one section")
            << layoutSection("Club", 4, "1", one) << TrackPlanRead::NotALayout;
        QTest::newRow("thirteen attachments")
            << layoutSection("Oval", 2, "1", one, "1000.00 1000.00",
                             QString("R3614_U ").repeated(13))
            << TrackPlanRead::TooManyAttachments;
        QStringList many;
        for (int i = 0; i <= kMaxPiecesPerStrip; ++i)
            many << "R3600";
        QTest::newRow("one piece too many")
            << layoutSection("Big", 2, "1", many) << TrackPlanRead::TooManyPieces;
        QTest::newRow("larger than allowed")
            << layoutSection("Oval", 2, "1", one) + QByteArray(int(kMaxTrackPlanBytes), '\n')
            << TrackPlanRead::TooLarge;
    }
    void filesNoLayoutHoldsAreRefusedWithBothRecordsKept()
    {
        QFETCH(QByteArray, text);
        QFETCH(TrackPlanRead, result);
        LayoutRecord a;
        LayoutRecord b;
        QCOMPARE(
            load(layoutSection("Kept", 4, "1", {"R3600"}) + layoutSection("Kept B", 4, "0", {}), a,
                 b),
            TrackPlanRead::Complete);
        const QByteArray before = written(a, b);
        QCOMPARE(load(text, a, b), result);
        QCOMPARE(written(a, b), before);
    }

    void firstPointKeptSoASecondSaveChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QPointF>("drag");
        QTest::addColumn<QByteArray>("firstPoints");
        const QStringList parts{"R3601_R", "R3600", "R3621_L", "R3601_R", "R3610_L", "R3602_R"};
        QTest::newRow("three decimals in the file")
            << layoutSection("Oval", 2, "6", parts, "1234.567 987.654") << QPointF()
            << QByteArray("first point: 1234.57 987.65\n");
        QTest::newRow("first piece dragged")
            << layoutSection("Oval", 2, "6", parts) << QPointF(800.123, 1000.456)
            << QByteArray("first point: 800.12 1000.46\n");
        QTest::newRow("four lanes dragged")
            << layoutSection("Club", 4, "6", parts) + layoutSection("Club", 4, "6", parts)
            << QPointF(800.004, 1000.006)
            << QByteArray("first point: 800.00 1000.01\n") + "first point: 800.00 962.93\n";
    }
    void firstPointKeptSoASecondSaveChangesNothing()
    {
        QFETCH(QByteArray, text);
        QFETCH(QPointF, drag);
        QFETCH(QByteArray, firstPoints);
        const QByteArray saved = openAndSave(text, drag);
        QCOMPARE(openAndSave(saved), saved);
        QByteArray points;
        for (const QByteArray &line : saved.split('\n')) {
            if (line.startsWith("first point: "))
                points += line + '\n';
        }
        QCOMPARE(points, firstPoints);
    }

    void namesTheFileCannotHoldAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("problem");
        const QString cannotHold("The layout file cannot hold the character \"%1\" in a name.");
        QTest::newRow("euro and kanji") << QString("Ölring € 東京") << cannotHold.arg("€");
        QTest::newRow("outside the first plane") << QString("Zielflagge 🏁") << cannotHold.arg("🏁");
        QTest::newRow("Latin-1 accents") << QString("Ölring café ½") << QString();
        QTest::newRow("digits first") << QString("2024 club") << QString();
        QTest::newRow("a piece line")
            << QString("12 part number: R3600")
            << QString("A layout name cannot be a piece's \"part number:\" line.");
    }
    void namesTheFileCannotHoldAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, problem);
        QCOMPARE(layoutNameProblem(name), problem);
    }
};

QTEST_GUILESS_MAIN(LayoutFilesTest)
#include "test_layoutfiles.moc"
