#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "support/TestRuntime.h"

#include <QFile>
#include <QSet>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

// Expected outline values below are given to four decimals.
bool near(const QPointF &aActual, const QPointF &aExpected)
{
    return std::abs(aActual.x() - aExpected.x()) < 1e-3 &&
           std::abs(aActual.y() - aExpected.y()) < 1e-3;
}

QString show(const QPointF &aPoint)
{
    return QStringLiteral("(%1, %2)").arg(aPoint.x(), 0, 'f', 4).arg(aPoint.y(), 0, 'f', 4);
}

#define COMPARE_POINT(actual, expected)                                                            \
    QVERIFY2(near((actual), (expected)),                                                           \
             qPrintable(                                                                           \
                 QStringLiteral(#actual " is %1, expected %2").arg(show(actual), show(expected))))

void row(const char *aPart, double aULx, double aULy, double aLLx, double aLLy, double aURx,
         double aURy, double aLRx, double aLRy, double aCx, double aCy)
{
    QTest::newRow(aPart) << QString::fromLatin1(aPart) << QPointF(aULx, aULy) << QPointF(aLLx, aLLy)
                         << QPointF(aURx, aURy) << QPointF(aLRx, aLRy) << QPointF(aCx, aCy);
}

} // namespace

// The fixed catalog: its data, the outlines computed from it, the connection
// lists, the attachment test and the catalog log.
class CatalogTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestRuntime> mRuntime;
    std::unique_ptr<RevellTrack> mTrack;
    QByteArray mLog;

    const TrackPiece &piece(const char *aPartNumber) const
    {
        const int index = mTrack->findIndex(QString::fromLatin1(aPartNumber));
        return mTrack->piece(index < 0 ? 0 : index);
    }

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

    void cleanupTestCase()
    {
        mTrack.reset();
        mRuntime.reset();
    }

    void crossSectionCountsAndThirdStraight()
    {
        const RevellTrack &t = *mTrack;
        const double values[][2] = {{t.length, 308.0}, {t.width, 178.0},  {t.track1, 44.0},
                                    {t.track2, 134.0}, {t.base, 0.0},     {t.apron1, -38.1},
                                    {t.apron2, 216.1}, {t.track3, 222.0}, {t.track4, 312.0},
                                    {t.width2, 356.0}, {t.apron3, 394.1}};
        for (const auto &v : values)
            QVERIFY2(v[0] == v[1], qPrintable(QString::number(v[1])));
        QVERIFY(t.apron2 == t.width + 38.1 && t.apron3 == t.width2 + 38.1);
        QVERIFY(t.width2 == 2 * t.width && t.apron1 == t.base - 38.1);
        QVERIFY(t.track3 == t.width + t.track1 && t.track4 == t.width + t.track2);

        QCOMPARE(t.mNumEntries, 77);
        QSet<QString> inventory, parts;
        for (const TrackPiece &p : t.mTrackDB) {
            inventory.insert(p.mInventoryPartNumber);
            parts.insert(p.mPartNumber);
        }
        QCOMPARE(inventory.size(), 36);
        QCOMPARE(parts.size(), 77);

        const TrackPiece &third = t.piece(12);
        QCOMPARE(third.mPartNumber, QString("R3620dc"));
        QVERIFY(third.mLength == 308.0 / 3);
        QVERIFY(third.mLane1Length == 308.0 / 3 && third.mLane2Length == 308.0 / 3);
    }

    // An unknown code names no list: nothing is appended anywhere.
    void addConnectionAppendsOnlyToKnownCodes()
    {
        TrackPiece p = piece("R3614_L");
        const auto before = p.mConnections;
        p.addConnection("R3600", "3c");
        QVERIFY(p.mConnections == before && p.connections("3c").isEmpty());
        p.addConnection("R3600", "1b");
        QCOMPARE(p.connections("1b"), QStringList{"R3600"});
    }

    // One entry for every outline rule and direction; the expected
    // corners were worked out separately from the rules.
    void outlineCorners_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QPointF>("upperLeft");
        QTest::addColumn<QPointF>("lowerLeft");
        QTest::addColumn<QPointF>("upperRight");
        QTest::addColumn<QPointF>("lowerRight");
        QTest::addColumn<QPointF>("center");
        row("R3600", 0, -178, 0, 0, 308, -178, 308, 0, 154, -89);
        row("R3601_R", 0, -178, 0, 0, 307.9586, -0.2, 153.8061, 88.8, 115.4412, -22.35);
        row("R3601_L", 0, -178, 0, 0, 153.8061, -266.8, 307.9586, -177.8, 115.4412, -155.65);
        row("R3614_L", 0, 0, 0, 38.1, 308, 0, 308, 38.1, 154, 19.05);
        row("R3605_R", 0, -216.1, 0, -178, 340.9542, -19.25, 307.9586, -0.2, 162.2282, -103.3875);
        row("R3605_L", 0, 0, 0, 38.1, 307.9586, -177.8, 340.9542, -158.75, 162.2282, -74.6125);
        row("R3612_R", 0, 0, 0, 38.1, 153.8061, 88.8, 120.8105, 107.85, 68.6542, 58.6875);
        row("R3603L_FL", 0, 0, 0, 38.1, 102, 0, 76.5, 38.1, 44.625, 19.05);
        row("R3603R_BL", 206, 0, 231.5, 38.1, 308, 0, 308, 38.1, 263.375, 19.05);
        row("R3615R_R", 0, 0, 0, 38.1, 153.8061, 88.8, 153.8061, 88.8, 76.9031, 53.925);
        row("R3615L_L", 0, -216.1, 0, -178, 153.8061, -266.8, 153.8061, -266.8, 76.9031, -231.925);
        row("R3628o_Ls", 0, 0, 0, 19.05, 308, 0, 308, 19.05, 154, 9.525);
        row("R3628o_Rbe", 0, -235.15, 0, -216.1, 308, -241.15, 308, -222.1, 154, -228.625);
        row("R3628o_Lbe", 0, 38.1, 0, 57.15, 308, 44.1, 308, 63.15, 154, 50.625);
        row("R3628o_Rb", 0, -241.15, 0, -222.1, 298.275, -161.2275, 288.75, -144.7297, 146.7562,
            -192.3018);
        row("R3628o_Lb", 0, 38.1, 0, 57.15, 288.75, -77.3703, 307.8, -44.3748, 149.1375, -6.6238);
        row("R3617g_R", 0, -197.05, 0, -178, 324.4564, -9.725, 307.9586, -0.2, 158.1038, -96.2438);
        row("R3617w_L", 0, 0, 0, 19.05, 307.9586, -177.8, 324.4564, -168.275, 158.1038, -81.7562);
    }

    void outlineCorners()
    {
        QFETCH(QString, part);
        QFETCH(QPointF, upperLeft);
        QFETCH(QPointF, lowerLeft);
        QFETCH(QPointF, upperRight);
        QFETCH(QPointF, lowerRight);
        QFETCH(QPointF, center);
        const int index = mTrack->findIndex(part);
        QVERIFY(index >= 0);
        const TrackPiece &p = mTrack->piece(index);
        COMPARE_POINT(p.mUpperLeft, upperLeft);
        COMPARE_POINT(p.mLowerLeft, lowerLeft);
        COMPARE_POINT(p.mUpperRight, upperRight);
        COMPARE_POINT(p.mLowerRight, lowerRight);
        COMPARE_POINT(p.mCenter, center);
    }

    // A curve whose direction is neither side is drawn as a left curve.
    void unknownCurveDirectionFallsBackToLeftCurve()
    {
        const TrackPiece p("X", "X_R", "curve", "straight", 308, 178, 60, 14, 44, 134, 38.1, false);
        const TrackPiece &left = piece("R3601_L");
        QCOMPARE(p.mUpperRight, left.mUpperRight);
        QCOMPARE(p.mLowerRight, left.mLowerRight);
        QCOMPARE(p.mCenter, left.mCenter);
        // A type no rule knows keeps its right corners unset.
        const TrackPiece q("X", "X_R", "bridge", "right", 308, 178, 60, 14, 44, 134, 38.1, false);
        QCOMPARE(q.mUpperRight, QPointF(0, 0));
        QCOMPARE(q.mLowerRight, QPointF(0, 0));
    }

    void canAttach_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("attachment");
        QTest::addColumn<bool>("expected");
        auto add = [](const char *aTag, const char *aHost, const char *aAttachment, bool aOk) {
            QTest::newRow(aTag) << QString(aHost) << QString(aAttachment) << aOk;
        };
        add("straight apron upper", "R3600", "R3614_U", true);
        add("undirected outer apron", "R3601_R", "R3605", true);
        add("straight apron on curve", "R3601_R", "R3614_U", false);
        add("apron as host", "R3605_R", "R3605", false);
        add("unknown host", "R9999", "R3614_U", false);
        add("wrong side fence", "R3601_R", "R3628o_L14", false);
        add("left tab terminal lower banked", "R3602_L", "F7053L_FL", true);
        add("left tab terminal upper banked", "R3602_L", "F7054R_FU", false);
    }

    void canAttach()
    {
        QFETCH(QString, host);
        QFETCH(QString, attachment);
        QFETCH(bool, expected);
        QCOMPARE(mTrack->canAttach(host, attachment), expected);
    }

    void findIndex_data()
    {
        QTest::addColumn<QString>("partNumber");
        QTest::addColumn<int>("expected");
        QTest::newRow("first") << "R3600" << 0;
        QTest::newRow("last") << "R3628o_Lbx" << 76;
        QTest::newRow("inventory only") << "R3628o" << -1;
        QTest::newRow("lower case") << "r3600" << -1;
        QTest::newRow("empty") << "" << -1;
    }

    void findIndex()
    {
        QFETCH(QString, partNumber);
        QFETCH(int, expected);
        QCOMPARE(mTrack->findIndex(partNumber), expected);
        // Every kind with a catalog entry finds the same one by its type.
        const int type = diagramTypeOf(partNumber);
        if (type >= 0)
            QCOMPARE(mTrack->indexOfType(type), expected);
    }

    void kindsWithoutAnEntryHaveNoIndex()
    {
        for (int type : {int(DiagramTypeBase::R3605), int(DiagramTypeBase::R3625_R),
                         int(DiagramTypeBase::R3600R3600), int(DiagramTypeBase::R9999), -1})
            QCOMPARE(mTrack->indexOfType(type), -1);
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
