#include "catalog/LaneLength.h"
#include "catalog/RevellTrack.h"
#include "graphics/PieceKinds.h"
#include "layout/LayoutRecord.h"
#include "support/TestRuntime.h"

#include <QtTest>

// Lane lengths summed from the catalog with lanes exchanged after a lane swap,
// and the size of an empty or unscaled scene. The one place lane lengths are
// checked; the units show in the checks' texts and the report's golden file.
class LaneLengthTest : public QObject
{
    Q_OBJECT

    TestRuntime mRuntime; // first: the catalog writes its log there
    RevellTrack mCatalog;

    // A track list as the reader or the chain leaves it: catalog index looked
    // up, -1 when unknown; "R3609!" carries an index beyond the catalog.
    LayoutRecord record(const QString &aParts, int aLanes) const
    {
        LayoutRecord r;
        r.mLanes = aLanes;
        for (QString part : aParts.split(' ', Qt::SkipEmptyParts)) {
            const bool beyond = part.endsWith('!');
            part.remove('!');
            r.mPieces.append(PlacedPiece(part, beyond ? 500 : mCatalog.findIndex(part), -1,
                                         QPointF(), 0.0, 0.25));
        }
        r.mNextIndex = r.mPieces.size();
        return r;
    }

private slots:
    // "<record A> | <record B>"; lanes 1 to 4 in millimetres.
    void laneSums_data()
    {
        QTest::addColumn<int>("lanes");
        QTest::addColumn<QString>("strips");
        QTest::addColumn<QList<double>>("lengths");
        QTest::addColumn<QStringList>("unknown");
        const double in = 231.08;
        const double out = 325.84;
        // Right curves count inner on lane 1; two lanes ignore record B.
        QTest::newRow("a lane swap exchanges the pieces after it, a second restores them")
            << 2 << "R3609 R3601_R R3609 R3601_R R3601_R | R3600"
            << QList<double>{324 + out + 324 + 2 * in, 324 + in + 324 + 2 * out, 0, 0}
            << QStringList();
        // Record A ends exchanged; record B is its own strip and must not inherit that.
        QTest::newRow("four lanes: B into lanes 3 and 4, starting unswapped")
            << 4 << "R3609 R3601_R | R3601_R R3600"
            << QList<double>{324 + out, 324 + in, in + 308, out + 308} << QStringList();
        // The skipped swap piece does not exchange the lanes after it.
        QTest::newRow("unknown entries reported, in order, and skipped")
            << 4 << "R3600 X1234 R3609! R3601_R | Q77" << QList<double>{308 + in, 308 + out, 0, 0}
            << QStringList{"X1234", "R3609", "Q77"};
    }
    void laneSums()
    {
        QFETCH(int, lanes);
        QFETCH(QString, strips);
        QFETCH(QList<double>, lengths);
        QFETCH(QStringList, unknown);
        LayoutRecord a = record(strips.section('|', 0, 0), lanes);
        a.mLaneLength = {{1.0, 2.0, 3.0, 4.0}}; // stale figures must all be overwritten
        QCOMPARE(calcLaneLengths(a, record(strips.section('|', 1), lanes), mCatalog), unknown);
        for (int lane = 0; lane < 4; ++lane)
            QVERIFY2(qAbs(a.mLaneLength[lane] - lengths.at(lane)) < 1e-9,
                     qPrintable(QString("lane %1: %2").arg(lane + 1).arg(a.mLaneLength[lane])));
    }

    // An empty scene, and a scale of zero, give a size of 0 x 0 rather than
    // infinity.
    void emptyOrUnscaledSceneHasNoSize()
    {
        const double k = PieceKinds::kDrawScale;
        QCOMPARE(layoutSizeMm(QRectF(), k), QSizeF(0, 0));
        QCOMPARE(layoutSizeMm(QRectF(0, 0, 100, 50), 0.0), QSizeF(0, 0));
    }
};

QTEST_GUILESS_MAIN(LaneLengthTest)
#include "test_lanelength.moc"
