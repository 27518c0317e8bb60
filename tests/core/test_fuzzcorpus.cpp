#include "FuzzEntries.h"

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
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const FuzzOutcome outcome = fuzzTargets().at(target).mEntry(file.readAll());
        QVERIFY2(outcome.mFault.isEmpty(), qPrintable(outcome.mFault));
    }

    // A corpus the reader refuses whole would check no round trip at all.
    void everyTargetAcceptsSomeOfItsCorpus()
    {
        for (const FuzzTarget &target : fuzzTargets()) {
            const QDir dir(corpus(target.mName));
            int accepted = 0;
            for (const QString &name : dir.entryList(QDir::Files)) {
                QFile file(dir.filePath(name));
                QVERIFY(file.open(QIODevice::ReadOnly));
                accepted += target.mEntry(file.readAll()).mAccepted ? 1 : 0;
            }
            QVERIFY2(accepted > 0, qPrintable(target.mName));
        }
    }
};

QTEST_GUILESS_MAIN(FuzzCorpusTest)
#include "test_fuzzcorpus.moc"
