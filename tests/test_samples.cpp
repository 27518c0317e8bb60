#include "catalog/RevellTrack.h"
#include "support/TestRuntime.h"
#include "tools/SampleLayouts.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

const QString kSampleDir = QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans");

} // namespace

// The sample layouts of trackplans/ are what the generator writes (which
// refuses a sample whose chain does not close). That each opens whole is the
// report test's: its golden run reads every sample and says nothing on
// standard error.
class SamplesTest : public QObject
{
    Q_OBJECT
private slots:
    void committedSamplesAreWhatTheGeneratorWrites()
    {
        TestRuntime rt;
        const RevellTrack catalog;
        QStringList generated;
        for (const SampleEntry &entry : sampleList())
            generated << entry.mFileName;
        generated.sort();
        // Every file on disk is a generated sample.
        QCOMPARE(QDir(kSampleDir).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name),
                 generated);
        for (const SampleEntry &entry : sampleList()) {
            QString error;
            QVERIFY2(writeSample(entry, catalog, rt.root(), &error), qPrintable(error));
            QFile committed(QDir(kSampleDir).filePath(entry.mFileName));
            QVERIFY(committed.open(QIODevice::ReadOnly));
            // A stale sample: run scripts/make-samples and commit trackplans/.
            QVERIFY2(rt.read(entry.mFileName) == committed.readAll(), qPrintable(entry.mFileName));
        }
    }
};

QTEST_MAIN(SamplesTest)
#include "test_samples.moc"
