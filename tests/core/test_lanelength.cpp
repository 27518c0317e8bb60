#include "catalog/LaneLength.h"
#include "catalog/RevellTrack.h"
#include "graphics/PieceKinds.h"
#include "layout/LayoutRecord.h"
#include "support/TestRuntime.h"

#include <QtTest>

#include <memory>

// Lane lengths summed from the catalog with lanes exchanged after a lane swap,
// and the layout size, in every display unit.
class LaneLengthTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<RevellTrack> mCatalog;

    // A record whose track list holds aPartNumbers in order, as the reader or
    // the chain would leave it (catalog index looked up, -1 when unknown).
    LayoutRecord record(const QStringList &aPartNumbers, int aLanes = 2) const
    {
        LayoutRecord r;
        r.mLanes = aLanes;
        for (const QString &partNumber : aPartNumbers)
            r.mPieces.append(
                PlacedPiece(partNumber, mCatalog->findIndex(partNumber), -1, QPointF(), 0.0, 0.25));
        r.mNextIndex = r.mPieces.size();
        return r;
    }

    static QStringList oval()
    {
        return {"R3600", "R3601_R", "R3601_R", "R3601_R", "R3600", "R3601_R", "R3601_R", "R3601_R"};
    }

private slots:
    void initTestCase()
    {
        TestRuntime runtime;
        mCatalog = std::make_unique<RevellTrack>();
        QVERIFY(mCatalog->findIndex("R3609") >= 0);
    }

    void twoLaneSums_data()
    {
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<double>("lane1");
        QTest::addColumn<double>("lane2");
        QTest::newRow("oval: right curves count inner on lane 1") << oval() << 2002.48 << 2571.04;
        QTest::newRow("left curves count inner on lane 2")
            << QStringList{"R3601_L", "R3601_L"} << 2 * 325.84 << 2 * 231.08;
        QTest::newRow("lane swap exchanges every piece after it")
            << (QStringList{"R3609"} + oval()) << 324 + 2571.04 << 324 + 2002.48;
        QTest::newRow("second lane swap restores the lanes")
            << QStringList{"R3609", "R3601_R", "R3609", "R3601_R", "R3601_R"}
            << 324 + 325.84 + 324 + 2 * 231.08 << 324 + 231.08 + 324 + 2 * 325.84;
    }
    void twoLaneSums()
    {
        QFETCH(QStringList, parts);
        QFETCH(double, lane1);
        QFETCH(double, lane2);
        LayoutRecord a = record(parts);
        a.mLaneLength = {{1.0, 2.0, 3.0, 4.0}}; // stale figures must all be overwritten
        const LayoutRecord b = record({"R3600"});
        calcLaneLengths(a, b, *mCatalog);
        QVERIFY(qAbs(a.mLaneLength[0] - lane1) < 1e-9);
        QVERIFY(qAbs(a.mLaneLength[1] - lane2) < 1e-9);
        // A two-lane layout ignores record B, whatever it holds.
        QCOMPARE(a.mLaneLength[2], 0.0);
    }

    void oneThirdStraightShowsInEveryUnit_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("shown");
        QTest::newRow("mm") << int(LengthUnit::Millimetres) << "102.67";
        QTest::newRow("m") << int(LengthUnit::Metres) << "0.10";
        QTest::newRow("ft") << int(LengthUnit::Feet) << "0.34";
    }
    void oneThirdStraightShowsInEveryUnit()
    {
        QFETCH(int, unit);
        QFETCH(QString, shown);
        LayoutRecord a = record({"R3620dc"});
        calcLaneLengths(a, LayoutRecord(), *mCatalog);
        QCOMPARE(formatLength(a.mLaneLength[0], LengthUnit(unit)), shown);
        QCOMPARE(formatLength(a.mLaneLength[1], LengthUnit(unit)), shown);
    }

    void fourLanesSumRecordBIntoLanes3And4StartingUnswapped()
    {
        // Record A ends exchanged after its lane swap; record B is its own strip
        // and must not inherit that.
        LayoutRecord a = record({"R3609", "R3601_R"}, 4);
        const LayoutRecord b = record({"R3601_R", "R3600"}, 4);
        calcLaneLengths(a, b, *mCatalog);
        QVERIFY(qAbs(a.mLaneLength[0] - (324 + 325.84)) < 1e-9);
        QVERIFY(qAbs(a.mLaneLength[1] - (324 + 231.08)) < 1e-9);
        QVERIFY(qAbs(a.mLaneLength[2] - (231.08 + 308)) < 1e-9);
        QVERIFY(qAbs(a.mLaneLength[3] - (325.84 + 308)) < 1e-9);
    }

    void invalidIndexIsReturnedPerEntryAndSkipped()
    {
        LayoutRecord a = record({"R3600", "X1234", "R3609", "R3601_R"}, 4);
        // An index beyond the catalog must not be trusted either.
        a.mPieces[2].mDbIndex = 500;
        const LayoutRecord b = record({"Q77"}, 4);
        QCOMPARE(calcLaneLengths(a, b, *mCatalog), QStringList({"X1234", "R3609", "Q77"}));
        // The skipped swap piece does not exchange the lanes after it.
        QVERIFY(qAbs(a.mLaneLength[0] - (308 + 231.08)) < 1e-9);
        QVERIFY(qAbs(a.mLaneLength[1] - (308 + 325.84)) < 1e-9);
    }

    void layoutSizeIsTheDrawingsExtentInMillimetres()
    {
        const double k = PieceKinds::kDrawScale;
        const QSizeF straight = layoutSizeMm(QRectF(2500, 2500 - 178 * k, 308 * k, 178 * k), k);
        QCOMPARE(formatLength(straight.width(), LengthUnit::Millimetres), QString("308.00"));
        QCOMPARE(formatLength(straight.height(), LengthUnit::Feet), QString("0.58"));
        QCOMPARE(layoutSizeMm(QRectF(), k), QSizeF(0, 0)); // an empty scene
    }

    void layoutSizeWithoutAScaleIsZeroNotInfinite()
    {
        const QSizeF size = layoutSizeMm(QRectF(0, 0, 100, 50), 0.0);
        QCOMPARE(size, QSizeF(0, 0));
    }
};

QTEST_GUILESS_MAIN(LaneLengthTest)
#include "test_lanelength.moc"
