#include "FuzzEntries.h"

#include "support/TestRuntime.h"

#include <QDir>
#include <QtTest>

// Every committed fuzz input through its target's entry point, as the fuzzers
// run it, so that an input that once broke a promise stays caught without clang.
class FuzzCorpusTest : public QObject
{
    Q_OBJECT

    static QString corpus(const QString &aTarget)
    {
        return QStringLiteral(LANEWRIGHT_SOURCE_DIR "/tests/fuzz/corpus/") + aTarget;
    }

private slots:
    void corpusInputsKeepEveryPromise_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("path");
        for (int t = 0; t < int(fuzzTargets().size()); ++t) {
            const QDir dir(corpus(fuzzTargets().at(t).mName));
            QVERIFY2(!dir.isEmpty(QDir::Files), qPrintable(dir.path()));
            for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
                const QString row = fuzzTargets().at(t).mName + QLatin1Char('/') + name;
                QTest::newRow(qPrintable(row)) << t << dir.filePath(name);
            }
        }
    }
    void corpusInputsKeepEveryPromise()
    {
        QFETCH(int, target);
        QFETCH(QString, path);
        const FuzzOutcome outcome = fuzzTargets().at(target).mEntry(readFile(path));
        QVERIFY2(outcome.mFault.isEmpty(), qPrintable(outcome.mFault));
    }
};

QTEST_GUILESS_MAIN(FuzzCorpusTest)
#include "test_fuzzcorpus.moc"
