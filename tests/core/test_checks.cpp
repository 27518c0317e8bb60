#include "catalog/RevellTrack.h"
#include "graphics/PieceKinds.h"
#include "layout/Chaining.h"
#include "layout/LayoutChecks.h"
#include "layout/LayoutRecord.h"
#include "layout/TrackPlanFile.h"

#include <QDir>
#include <QtTest>

using namespace LayoutAnalysis;

// How a tab words the closure and the lane balance, where it marks an open
// end, and that every sample layout passes the checks.
class ChecksTest : public QObject
{
    Q_OBJECT

    RevellTrack mCatalog;

private slots:
    void textsInTheChosenUnit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("gap in feet")
            << LayoutChecks::closureText({false, false, 177.6, -60.0}, LengthUnit::Feet)
            << "0.58 ft, 60.0\u00b0";
        QTest::newRow("even lanes")
            << LayoutChecks::balanceText({2000.0, 2000.001, -1, 0, 0}, LengthUnit::Feet) << "even";
        QTest::newRow("no swap helps")
            << LayoutChecks::balanceText({2000.0, 2100.0, -1, 0, 0}, LengthUnit::Metres)
            << "0.10 m apart";
    }
    void textsInTheChosenUnit()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    // Two straights to the right: the arrow starts where they end, on the
    // track's centre line, and points on to the right, inside the track's width.
    void arrowMarksTheOpenEndPointingOn()
    {
        LayoutRecord record;
        for (int i = 0; i < 2; ++i)
            Chaining::layNext(record, mCatalog, DiagramTypeBase::R3600, QPointF(2000, 2000), 0.25,
                              true);
        const QRectF arrow = LayoutChecks::openEndArrow(record, mCatalog.width).boundingRect();
        const double width = mCatalog.width * PieceKinds::kDrawScale;
        QVERIFY(qAbs(arrow.left() - record.mForwardPt.x()) < 1e-9 && arrow.width() > width / 2);
        QVERIFY(qAbs(arrow.center().y() - (2000 - width / 2)) < 1e-9 && arrow.height() < width);
    }

    // Every sample closes without collisions, as the report's golden file
    // shows; the bridges cross freely only while they are raised.
    void bridgesKeepTheSamplesFreeOfCollisions_data()
    {
        QTest::addColumn<QString>("path");
        const QDir samples(QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans"));
        for (const QString &name : samples.entryList({"*.txt"}, QDir::Files))
            QTest::newRow(qPrintable(name)) << samples.filePath(name);
    }
    void bridgesKeepTheSamplesFreeOfCollisions()
    {
        QFETCH(QString, path);
        QStringList types;
        initDiagramTypeList(types);
        LayoutRecord a;
        LayoutRecord b;
        QCOMPARE(loadTrackPlanFile(path, a, b, mCatalog, types), TrackPlanRead::Complete);
        for (PlacedPiece &entry : a.mPieces)
            entry.mLevel = 0.25;
        const bool bridged =
            path.endsWith("banked-bridge.txt") || path.endsWith("figure-eight.txt");
        QCOMPARE(findOverlaps(a, b, mCatalog).isEmpty(), !bridged);
    }
};

QTEST_GUILESS_MAIN(ChecksTest)
#include "test_checks.moc"
