#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "layout/LayoutRecord.h"
#include "layout/TrackPlanFile.h"
#include "support/TestRuntime.h"
#include "tools/SampleLayouts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kSampleDir = QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans");

} // namespace

// The sample layouts of trackplans/ are what the generator writes (which
// refuses a sample whose chain does not close), and each opens whole.
class SamplesTest : public QObject
{
    Q_OBJECT
private slots:
    void committedSamplesAreWhatTheGeneratorWritesAndOpenWhole()
    {
        TestRuntime rt;
        QTemporaryDir out;
        QVERIFY(out.isValid());
        const RevellTrack catalog;
        QStringList types;
        initDiagramTypeList(types);
        QStringList generated;
        for (const SampleEntry &entry : sampleList())
            generated << entry.mFileName;
        generated.sort();
        // Every file on disk is a generated sample.
        QCOMPARE(QDir(kSampleDir).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name),
                 generated);
        for (const SampleEntry &entry : sampleList()) {
            QString error;
            QVERIFY2(writeSample(entry, catalog, out.path(), &error), qPrintable(error));
            QFile fresh(QDir(out.path()).filePath(entry.mFileName));
            QFile committed(QDir(kSampleDir).filePath(entry.mFileName));
            QVERIFY(fresh.open(QIODevice::ReadOnly));
            QVERIFY(committed.open(QIODevice::ReadOnly));
            // A stale sample: run scripts/make-samples and commit trackplans/.
            QVERIFY2(fresh.readAll() == committed.readAll(), qPrintable(entry.mFileName));

            LayoutRecord a;
            LayoutRecord b;
            QVERIFY(isTrackPlanFile(committed.fileName()));
            QCOMPARE(loadTrackPlanFile(committed.fileName(), a, b, catalog, types),
                     TrackPlanRead::Complete);
            QVERIFY(!a.mPieces.isEmpty());
            QCOMPARE(b.mPieces.isEmpty(), a.mLanes != 4);
        }
    }
};

QTEST_MAIN(SamplesTest)
#include "test_samples.moc"
