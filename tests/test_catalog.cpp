#include "catalog/RevellTrack.h"
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

const QStringList kStandard = {"R3600",   "R3601_R", "R3601_L", "R3602_R", "R3602_L",
                               "R3604_R", "R3604_L", "R3608",   "R3609",   "R3610_R",
                               "R3610_L", "R3620",   "R3620dc", "R3621_R", "R3621_L",
                               "R3627_R", "R3627_L", "F8514L",  "F8519R"};

void row(const char *aPart, double aULx, double aULy, double aLLx, double aLLy, double aURx,
         double aURy, double aLRx, double aLRy, double aCx, double aCy)
{
    QTest::newRow(aPart) << QString::fromLatin1(aPart) << QPointF(aULx, aULy) << QPointF(aLLx, aLLy)
                         << QPointF(aURx, aURy) << QPointF(aLRx, aLRy) << QPointF(aCx, aCy);
}

QList<QByteArray> lines(const QByteArray &aText)
{
    return aText.split('\n');
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

    // The straight's and the tapered apron's corners are rows of outlineCorners.
    void workedOutlineValues()
    {
        const TrackPiece &straight = piece("R3600");
        QCOMPARE(straight.mLane2Left, QPointF(0, -134));
        QCOMPARE(straight.mLane2Right, QPointF(308, -134));
        const TrackPiece &curve = piece("R3601_R");
        QCOMPARE(show(curve.mUpperRight) + show(curve.mLowerRight) + show(curve.mCenter),
                 QString("(307.9586, -0.2000)(153.8061, 88.8000)(115.4412, -22.3500)"));
        const TrackPiece &taper = piece("R3603R_FU");
        QCOMPARE(show(taper.mUpperRight) + show(taper.mLowerRight) + show(taper.mCenter),
                 QString("(76.5000, -216.1000)(102.0000, -178.0000)(44.6250, -197.0500)"));
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
        row("R3614_U", 0, -216.1, 0, -178, 308, -216.1, 308, -178, 154, -197.05);
        row("R3605_R", 0, -216.1, 0, -178, 340.9542, -19.25, 307.9586, -0.2, 162.2282, -103.3875);
        row("R3605_L", 0, 0, 0, 38.1, 307.9586, -177.8, 340.9542, -158.75, 162.2282, -74.6125);
        row("R3612_R", 0, 0, 0, 38.1, 153.8061, 88.8, 120.8105, 107.85, 68.6542, 58.6875);
        row("R3612_L", 0, -216.1, 0, -178, 120.8105, -285.85, 153.8061, -266.8, 68.6542, -236.6875);
        row("R3603L_FL", 0, 0, 0, 38.1, 102, 0, 76.5, 38.1, 44.625, 19.05);
        row("R3603R_BL", 206, 0, 231.5, 38.1, 308, 0, 308, 38.1, 263.375, 19.05);
        row("R3603L_BU", 231.5, -216.1, 206, -178, 308, -216.1, 308, -178, 263.375, -197.05);
        row("R3615R_R", 0, 0, 0, 38.1, 153.8061, 88.8, 153.8061, 88.8, 76.9031, 53.925);
        row("R3615L_L", 0, -216.1, 0, -178, 153.8061, -266.8, 153.8061, -266.8, 76.9031, -231.925);
        row("R3628o_Ls", 0, 0, 0, 19.05, 308, 0, 308, 19.05, 154, 9.525);
        row("R3628o_Us", 0, -197.05, 0, -178, 308, -197.05, 308, -178, 154, -187.525);
        row("R3628o_Rbe", 0, -235.15, 0, -216.1, 308, -241.15, 308, -222.1, 154, -228.625);
        row("R3628o_Rbx", 0, -241.15, 0, -222.1, 308, -235.15, 308, -216.1, 154, -228.625);
        row("R3628o_Lbe", 0, 38.1, 0, 57.15, 308, 44.1, 308, 63.15, 154, 50.625);
        row("R3628o_Lbx", 0, 44.1, 0, 63.15, 308, 38.1, 308, 57.15, 154, 50.625);
        row("R3628o_Rb", 0, -241.15, 0, -222.1, 298.275, -161.2275, 288.75, -144.7297, 146.7562,
            -192.3018);
        row("R3628o_Lb", 0, 44.1, 0, 63.15, 288.75, -33.2703, 298.275, -16.7725, 146.7562, 14.3018);
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
    }

    void findIndex()
    {
        QFETCH(QString, partNumber);
        QFETCH(int, expected);
        QCOMPARE(mTrack->findIndex(partNumber), expected);
    }

    void catalogLogFirstEntry()
    {
        const QList<QByteArray> log = lines(mLog);
        const QByteArray standard = ' ' + kStandard.join(QLatin1Char(' ')).toLatin1();
        const QList<QByteArray> expected = {
            "System: Revell/Valtor   DB entries: 77",
            "0: R3600 (R3600)  type <straight>  dir <straight>  L 308.00  W 178.00  curve 0.0 "
            "deg  rad 0.00  Wa 38.10  swap N",
            "\tDescription: <12 inch straight>",
            "\tlower left: (0.00 0.00)",
            "\tupper left: (0.00 -178.00)",
            "\tupper right: (308.00 -178.00)",
            "\tlower right: (308.00 0.00)",
            "\tcenter: (154.00 -89.00)",
            "",
            "\tlane 2: L (0.00 -134.00)   R (308.00 -134.00)   length 308.00",
            "\tlane 1: L (0.00 -44.00)   R (308.00 -44.00)   length 308.00",
            "",
            "\tleft (0a) connections:" + standard,
            "\tright (0b) connections:" + standard,
            "\tleft lower (1a) connections: R3603L_FL F7053L_FL",
            "\tright lower (1b) connections: R3603R_BL F7054R_BL",
            "\tleft upper (2a) connections: R3603R_FU F7054R_FU",
            "\tright upper (2b) connections: R3603L_BU F7053L_BU",
            "\tlower (1c) connections: R3614_L R3628o_Ls",
            "\tupper (2c) connections: R3614_U R3628o_Us",
            "",
            "1: R3601_R (R3601)  type <curve>  dir <right>  L 308.00  W 178.00  curve 60.0 deg  "
            "rad 355.60  Wa 38.10  swap N",
        };
        QVERIFY(log.size() > expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(log[i], expected[i]);
    }

    void catalogLogSummary()
    {
        const QList<QByteArray> log = lines(mLog);
        const int start = log.indexOf("Summary: 77 pieces");
        QVERIFY(start > 3);
        QCOMPARE(log[start - 1], QByteArray());
        // 77 lines and the empty remainder after the final line feed.
        QCOMPARE(log.size(), start + 1 + 77 + 1);
        for (int i = 0; i < 77; ++i)
            QVERIFY(log[start + 1 + i].startsWith(QByteArray::number(i).rightJustified(2) + ": "));
        QCOMPARE(log[start + 1],
                 QByteArray(" 0:      R3600      R3600          straight   straight"));
        QCOMPARE(log[start + 1 + 76],
                 QByteArray("76:     R3628o R3628o_Lbx   banked trans fence   left exit"));
    }
};

QTEST_GUILESS_MAIN(CatalogTest)
#include "test_catalog.moc"
