#include "catalog/LaneLength.h"
#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "layout/LayoutRecord.h"
#include "layout/TrackPlanFile.h"
#include "support/RecordingPrompter.h"
#include "support/TestRuntime.h"
#include "tools/SampleLayouts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

namespace {

const QString kSampleDir = QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans");

// Catalog lane lengths in millimetres, as the catalog lists them per piece.
constexpr double kStraight = 308.0; // R3600, R3602, lanes alike
constexpr double kHalf = 154.0;     // R3620
constexpr double kSwap = 324.0;     // R3609
constexpr double k14Inner = 231.08; // R3601, inside lane
constexpr double k14Outer = 325.84; // R3601, outside lane
constexpr double k21Inner = 208.75; // R3610, inside lane
constexpr double k21Outer = 255.32; // R3610, outside lane

// The half curve R3621, half a 14 inch curve.
constexpr double kHalfCurveInner = 115.54;
constexpr double kHalfCurveOuter = 162.92;

// Two decimals as the layout file writes them: the C library's "%.2lf",
// which rounds an exact half to even (2528.125 to 2528.12) where Qt's own
// formatting rounds it up.
QString mm(double aValue)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2lf", aValue);
    return QString::fromLatin1(text);
}

struct LoadedSample
{
    RevellTrack catalog;
    QStringList types;
    LayoutRecord a;
    LayoutRecord b;
    TrackPlanRead result = TrackPlanRead::Failed;

    explicit LoadedSample(const QString &aFileName)
    {
        initDiagramTypeList(types);
        result = loadTrackPlanFile(QDir(kSampleDir).filePath(aFileName), a, b, catalog, types);
    }
};

} // namespace

// The sample layouts of trackplans/: each opens as a real closed circuit with
// the lane lengths its pieces add up to, and each is what the generator writes.
class SamplesTest : public QObject
{
    Q_OBJECT
private slots:
    void sampleOpensWithItsPiecesAndLaneLengths_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("lanes");
        QTest::addColumn<int>("piecesA");
        QTest::addColumn<int>("piecesB");
        QTest::addColumn<double>("lane1");
        QTest::addColumn<double>("lane2");
        QTest::addColumn<double>("lane3");
        QTest::addColumn<double>("lane4");

        // Terminal and five straights, three 14 inch right curves at each end.
        QTest::newRow("oval-terminal")
            << "oval-terminal.txt"
            << "Oval with terminal" << 2 << 12 << 0 << 6 * kStraight + 6 * k14Inner
            << 6 * kStraight + 6 * k14Outer << 0.0 << 0.0;
        // The swap comes first: every curve counts exchanged, and each lane has
        // one loop inside and one outside.
        QTest::newRow("figure-eight")
            << "figure-eight.txt"
            << "Figure eight with lane swap" << 2 << 14 << 0
            << kSwap + 5 * kStraight + 4 * k14Outer + 4 * k14Inner
            << kSwap + 5 * kStraight + 4 * k14Inner + 4 * k14Outer << 0.0 << 0.0;
        // Per half: three straights and three halves, three 21 inch right
        // curves, two 14 inch right curves and one 21 inch left curve.
        QTest::newRow("grand-circuit")
            << "grand-circuit.txt"
            << "Grand circuit" << 2 << 24 << 0
            << 6 * kStraight + 6 * kHalf + 6 * k21Inner + 4 * k14Inner + 2 * k21Outer
            << 6 * kStraight + 6 * kHalf + 6 * k21Outer + 4 * k14Outer + 2 * k21Inner << 0.0 << 0.0;
        // The terminal oval with two half straights for one straight and two
        // half curves for one 14 inch curve; its attachments take no lane.
        QTest::newRow("aprons-and-fences")
            << "aprons-and-fences.txt"
            << "Oval with aprons and fences" << 2 << 14 << 0
            << 6 * kStraight + 5 * k14Inner + 2 * kHalfCurveInner
            << 6 * kStraight + 5 * k14Outer + 2 * kHalfCurveOuter << 0.0 << 0.0;
        // Record A: eight straights and six 14 inch curves; record B: eight
        // straights and twelve 21 inch curves outside them.
        QTest::newRow("four-lane-oval")
            << "four-lane-oval.txt"
            << "Four-lane oval" << 4 << 14 << 20 << 8 * kStraight + 6 * k14Inner
            << 8 * kStraight + 6 * k14Outer << 8 * kStraight + 12 * k21Inner
            << 8 * kStraight + 12 * k21Outer;
    }
    void sampleOpensWithItsPiecesAndLaneLengths()
    {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QFETCH(int, lanes);
        QFETCH(int, piecesA);
        QFETCH(int, piecesB);
        QFETCH(double, lane1);
        QFETCH(double, lane2);
        QFETCH(double, lane3);
        QFETCH(double, lane4);
        TestRuntime rt;
        RecordingPrompter prompter;

        LoadedSample sample(file);
        QCOMPARE(sample.result, TrackPlanRead::Complete);
        QCOMPARE(sample.a.mName, name);
        QCOMPARE(sample.a.mLanes, lanes);
        QCOMPARE(sample.a.mPieces.size(), piecesA);
        if (lanes == 4)
            QCOMPARE(sample.b.mPieces.size(), piecesB);

        const std::array<double, 4> stored{{sample.a.mLaneLength[0], sample.a.mLaneLength[1],
                                            sample.b.mLaneLength[0], sample.b.mLaneLength[1]}};
        calcLaneLengths(sample.a, sample.b, sample.catalog);
        QVERIFY2(prompter.mLog.isEmpty(), qPrintable(prompter.mLog.join('\n')));
        const std::array<double, 4> expected{{lane1, lane2, lane3, lane4}};
        for (int lane = 0; lane < 4; ++lane)
            QCOMPARE(mm(sample.a.mLaneLength[lane]), mm(expected[lane]));
        // Each section's "track lengths" line holds its own strip's lanes.
        for (int lane = 0; lane < (lanes == 4 ? 4 : 2); ++lane)
            QCOMPARE(mm(stored[lane]), mm(expected[lane]));
    }

    void committedSamplesAreWhatTheGeneratorWrites()
    {
        TestRuntime rt;
        QTemporaryDir out;
        QVERIFY(out.isValid());
        const RevellTrack catalog;
        QStringList generated;
        for (const SampleEntry &entry : sampleList())
            generated << entry.mFileName;
        generated.sort();
        // Every file on disk is a generated sample, and all five are checked above.
        QCOMPARE(QDir(kSampleDir).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name),
                 generated);
        QCOMPARE(generated.size(), 5);
        for (const SampleEntry &entry : sampleList()) {
            QString error;
            QVERIFY2(writeSample(entry, catalog, out.path(), &error), qPrintable(error));
            QFile fresh(QDir(out.path()).filePath(entry.mFileName));
            QFile committed(QDir(kSampleDir).filePath(entry.mFileName));
            QVERIFY(fresh.open(QIODevice::ReadOnly));
            QVERIFY(committed.open(QIODevice::ReadOnly));
            // A stale sample: run scripts/make-samples and commit trackplans/.
            QVERIFY2(fresh.readAll() == committed.readAll(), qPrintable(entry.mFileName));
        }
    }
};

QTEST_MAIN(SamplesTest)
#include "test_samples.moc"
