#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "support/TestRuntime.h"

#include <QFile>
#include <QtTest>

#include <memory>

// The fixed catalog: its lookups, the attachment test and the catalog log,
// which holds every entry's dimensions, corners, lane lengths and lists.
class CatalogTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestRuntime> mRuntime;
    std::unique_ptr<RevellTrack> mTrack;
    QByteArray mLog;

private slots:
    void initTestCase()
    {
        mRuntime.reset(new TestRuntime(TestRuntime::WithLogs));
        QVERIFY(mRuntime->isValid());
        // A stale log from an earlier start must be replaced, not appended to.
        QFile stale(mRuntime->path("logs/RevellTrackDB.log"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("stale line\n");
        stale.close();
        mTrack.reset(new RevellTrack);
        // Read while the catalog still exists: the log must be complete by now.
        mLog = mRuntime->read("logs/RevellTrackDB.log");
    }

    void canAttach_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("attachment");
        QTest::addColumn<bool>("expected");
        auto add = [](const char *aTag, const char *aHost, const char *aAttachment, bool aOk) {
            QTest::newRow(aTag) << QString(aHost) << QString(aAttachment) << aOk;
        };
        // The lists themselves are in the catalog log; what counts is which are read.
        add("lower banked transition beside a terminal", "R3602_L", "F7053L_FL", true);
        add("unknown host", "R9999", "R3614_U", false);
        // The end lists say what joins a piece, not what lies beside it.
        add("a piece joined at the end", "R3600", "R3601_R", false);
    }

    void canAttach()
    {
        QFETCH(QString, host);
        QFETCH(QString, attachment);
        QFETCH(bool, expected);
        QCOMPARE(mTrack->canAttach(host, attachment), expected);
    }

    // By part number and by the kind that part number names: undirected
    // kinds, banked choices and four-lane pairs have no entry.
    void findIndex_data()
    {
        QTest::addColumn<QString>("partNumber");
        QTest::addColumn<int>("expected");
        QTest::newRow("last") << "R3628o_Lbx" << 76;
        QTest::newRow("lower case") << "r3600" << -1;
        for (const char *kind : {"R3605", "R3625_R", "R3600R3600", "R9999"})
            QTest::newRow(kind) << kind << -1;
    }

    void findIndex()
    {
        QFETCH(QString, partNumber);
        QFETCH(int, expected);
        QCOMPARE(mTrack->findIndex(partNumber), expected);
        QCOMPARE(mTrack->indexOfType(diagramTypeOf(partNumber)), expected);
    }

    // The whole log, byte for byte: every entry's dimensions, outline, lane
    // points, lane lengths and connection lists, and the summary.
    void catalogLogIsWrittenWhole()
    {
        const QString why = fixtureDifference("RevellTrackDB.log", mLog);
        QVERIFY2(why.isEmpty(), qPrintable(why));
    }
};

QTEST_GUILESS_MAIN(CatalogTest)
#include "test_catalog.moc"
