#include "catalog/RevellTrack.h"
#include "support/TestRuntime.h"

#include <QDir>
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

        QCOMPARE(t.mSystemName, QString("Revell/Valtor"));
        QCOMPARE(t.mNumEntries, 77);
        QCOMPARE(t.mTrackDB.size(), 77);
        QCOMPARE(t.mNumInventoryItems, 0);
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
        QVERIFY(piece("R3620dca_U").mLength == 308.0 / 3);
    }

    // One entry of each kind, every field.
    void entryData()
    {
        const QPair<int, const char *> entries[] = {
            {2, "R3601_L (R3601) curve/left L 308 Wa 38.1 lanes 325.84 231.08 swap 0: "
                "14 inch radius curve, to left"},
            {3, "R3602_R (R3602) terminal/lower L 308 Wa 38.1 lanes 308 308 swap 0: "
                "12 inch straight terminal, tab on right"},
            {8, "R3609 (R3609) lane change/straight L 308 Wa 38.1 lanes 324 324 swap 1: "
                "12 inch straight lane swap"},
            {17, "F8519R_L (F8519R) banked straight/left entry L 308 Wa 38.1 lanes 306 304 "
                 "swap 0: banked curve straight transition (enter)"},
            {35, "R3614_L (R3614) straight apron/right L 308 Wa 38.1 lanes 0 0 swap 0: "
                 "full straight apron, right/lower"},
            {64, "R3618w_L (R3618w) fence/left L 276 Wa 19.05 lanes 0 0 swap 0: "
                 "21 inch radius curve white crash fence, to left"},
            {70, "R3628o_Lb (R3628o) banked fence/left L 377 Wa 38.1 lanes 0 0 swap 0: "
                 "orange banked curve crash fence, to left"}};
        for (const auto &entry : entries) {
            const TrackPiece &p = mTrack->piece(entry.first);
            QCOMPARE(QString("%1 (%2) %3/%4 L %5 Wa %6 lanes %7 %8 swap %9: %10")
                         .arg(p.mPartNumber, p.mInventoryPartNumber, p.mType, p.mDirection)
                         .arg(p.mLength)
                         .arg(p.mApronWidth)
                         .arg(p.mLane1Length)
                         .arg(p.mLane2Length)
                         .arg(int(p.mLaneSwap))
                         .arg(p.mDescription),
                     QString(entry.second));
        }
    }

    void onlyTrackPiecesHaveLaneLengthsAndConnections()
    {
        for (int i = 0; i < mTrack->mNumEntries; ++i) {
            const TrackPiece &p = mTrack->piece(i);
            bool anyList = false;
            for (const QStringList &list : p.mConnections)
                anyList = anyList || !list.isEmpty();
            QVERIFY2(anyList == (i <= 22), qPrintable(p.mPartNumber));
            QVERIFY2((p.mLane1Length > 0 && p.mLane2Length > 0) == (i <= 22),
                     qPrintable(p.mPartNumber));
            QVERIFY2(p.mWidth == 178.0 || p.mType == "banked fence", qPrintable(p.mPartNumber));
        }
    }

    // The straight's and the tapered apron's corners are rows of outlineCorners.
    void workedOutlineValues()
    {
        const TrackPiece &straight = piece("R3600");
        QCOMPARE(straight.mLane2Left, QPointF(0, -134));
        QCOMPARE(straight.mLane2Right, QPointF(308, -134));
        QCOMPARE(straight.mLane1Left, QPointF(0, -44));
        QCOMPARE(straight.mLane1Right, QPointF(308, -44));
        const TrackPiece &curve = piece("R3601_R");
        QCOMPARE(show(curve.mUpperRight) + show(curve.mLowerRight) + show(curve.mCenter),
                 QString("(307.9586, -0.2000)(153.8061, 88.8000)(115.4412, -22.3500)"));
    }

    // One entry or more for every outline rule and direction; the expected
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
        row("R3609", 0, -178, 0, 0, 308, -178, 308, 0, 154, -89);
        row("R3620dc", 0, -178, 0, 0, 102.6667, -178, 102.6667, 0, 51.3333, -89);
        row("R3601_R", 0, -178, 0, 0, 307.9586, -0.2, 153.8061, 88.8, 115.4412, -22.35);
        row("R3601_L", 0, -178, 0, 0, 153.8061, -266.8, 307.9586, -177.8, 115.4412, -155.65);
        row("R3610_L", 0, -178, 0, 0, 177.7, -225.6146, 266.7, -71.462, 111.1, -118.7692);
        row("F8517_R", 0, -178, 0, 0, 266.7, -106.538, 177.7, 47.6146, 111.1, -59.2308);
        row("R3614_L", 0, 0, 0, 38.1, 308, 0, 308, 38.1, 154, 19.05);
        row("R3614_U", 0, -216.1, 0, -178, 308, -216.1, 308, -178, 154, -197.05);
        row("R3605_R", 0, -216.1, 0, -178, 340.9542, -19.25, 307.9586, -0.2, 162.2282, -103.3875);
        row("R3605_L", 0, 0, 0, 38.1, 307.9586, -177.8, 340.9542, -158.75, 162.2282, -74.6125);
        row("R3612_R", 0, 0, 0, 38.1, 153.8061, 88.8, 120.8105, 107.85, 68.6542, 58.6875);
        row("R3612_L", 0, -216.1, 0, -178, 120.8105, -285.85, 153.8061, -266.8, 68.6542, -236.6875);
        row("R3603R_FU", 0, -216.1, 0, -178, 76.5, -216.1, 102, -178, 44.625, -197.05);
        row("R3603L_FL", 0, 0, 0, 38.1, 102, 0, 76.5, 38.1, 44.625, 19.05);
        row("R3603R_BL", 206, 0, 231.5, 38.1, 308, 0, 308, 38.1, 263.375, 19.05);
        row("R3603L_BU", 231.5, -216.1, 206, -178, 308, -216.1, 308, -178, 263.375, -197.05);
        row("R3615R_R", 0, 0, 0, 38.1, 153.8061, 88.8, 153.8061, 88.8, 76.9031, 53.925);
        row("R3615R_L", 0, -216.1, 0, -178, 120.8105, -285.85, 153.8061, -266.8, 68.6542,
            -236.6875);
        row("R3615L_R", 0, 0, 0, 38.1, 153.8061, 88.8, 120.8105, 107.85, 68.6542, 58.6875);
        row("R3615L_L", 0, -216.1, 0, -178, 153.8061, -266.8, 153.8061, -266.8, 76.9031, -231.925);
        row("R3628o_Ls", 0, 0, 0, 19.05, 308, 0, 308, 19.05, 154, 9.525);
        row("R3628o_Us", 0, -197.05, 0, -178, 308, -197.05, 308, -178, 154, -187.525);
        row("R3628o_Rbe", 0, -235.15, 0, -216.1, 308, -241.15, 308, -222.1, 154, -228.625);
        row("R3628o_Rbx", 0, -241.15, 0, -222.1, 308, -235.15, 308, -216.1, 154, -228.625);
        row("R3628o_Lbe", 0, 38.1, 0, 57.15, 308, 44.1, 308, 63.15, 154, 50.625);
        row("R3628o_Lbx", 0, 44.1, 0, 63.15, 308, 38.1, 308, 57.15, 154, 50.625);
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

    void backLanePointsOnlyOnStraightTrack()
    {
        for (const TrackPiece &p : mTrack->mTrackDB) {
            const bool straightTrack =
                mTrack->findIndex(p.mPartNumber) <= 22 && !p.mType.contains("curve");
            if (straightTrack) {
                QCOMPARE(p.mLane1Right, QPointF(p.mLength, p.mLane1Left.y()));
                QCOMPARE(p.mLane2Right, QPointF(p.mLength, p.mLane2Left.y()));
            } else {
                QCOMPARE(p.mLane1Right, QPointF(0, 0));
                QCOMPARE(p.mLane2Right, QPointF(0, 0));
            }
        }
        // The banked transitions carry their lanes further out.
        QCOMPARE(piece("F8519R_L").mLane1Left, QPointF(0, -83));
        QCOMPARE(piece("F8519R_L").mLane2Right, QPointF(308, -171));
        QCOMPARE(piece("R3601_L").mLane1Left, QPointF(0, -44));
    }

    // One row per branch that leaves a piece unshaped or falls back to a left curve.
    void unmatchedTypesAndDirections_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<bool>("drawnAsLeftCurve");
        const char *rows[][3] = {{"curve", "straight", "y"},
                                 {"curved apron", "right", ""},
                                 {"outer apron", "upper", ""},
                                 {"right transition", "lower", ""},
                                 {"straight transition", "left", ""},
                                 {"straight fence", "right", ""},
                                 {"banked fence", "upper", ""},
                                 {"banked trans fence", "right", ""},
                                 {"bridge", "right", ""},
                                 {"Curve", "right", ""}};
        for (const auto &r : rows)
            QTest::newRow(qPrintable(QString("%1 %2").arg(r[0], r[1])))
                << QString(r[0]) << QString(r[1]) << (*r[2] != 0);
    }

    void unmatchedTypesAndDirections()
    {
        QFETCH(QString, type);
        QFETCH(QString, direction);
        QFETCH(bool, drawnAsLeftCurve);
        const TrackPiece p("X", "X_R", type, direction, 308, 178, 60, 14, 44, 134, 38.1, false);
        QCOMPARE(p.mUpperLeft, QPointF(0, -178));
        QCOMPARE(p.mLowerLeft, QPointF(0, 0));
        QCOMPARE(p.mLane1Right, QPointF(0, 0));
        if (drawnAsLeftCurve) {
            const TrackPiece &left = piece("R3601_L");
            QCOMPARE(p.mUpperRight, left.mUpperRight);
            QCOMPARE(p.mLowerRight, left.mLowerRight);
            QCOMPARE(p.mCenter, left.mCenter);
        } else {
            QCOMPARE(p.mUpperRight, QPointF(0, 0));
            QCOMPARE(p.mLowerRight, QPointF(0, 0));
            COMPARE_POINT(p.mCenter, QPointF(0, -44.5));
        }
    }

    void endConnectionLists()
    {
        for (int i = 0; i <= 16; ++i) {
            QCOMPARE(mTrack->piece(i).connections("0a"), kStandard);
            QCOMPARE(mTrack->piece(i).connections("0b"), kStandard);
        }
        const QStringList plain = {"R3600", "R3608", "R3609"};
        QCOMPARE(piece("F8519R_L").connections("0a"), plain);
        QCOMPARE(piece("F8519R_L").connections("0b"), QStringList{"F8517_L"});
        QCOMPARE(piece("F8517_L").connections("0a"), (QStringList{"F8519R_L", "F8517_L"}));
        QCOMPARE(piece("F8517_L").connections("0b"), (QStringList{"F8517_L", "F8514L_L"}));
        QCOMPARE(piece("F8517_R").connections("0a"), (QStringList{"F8514L_R", "F8517_R"}));
        QCOMPARE(piece("F8517_R").connections("0b"), (QStringList{"F8517_R", "F8519R_R"}));
        QCOMPARE(piece("F8519R_R").connections("0b"), plain);
        QVERIFY(piece("F8519R_R").connections("1c").isEmpty());
    }

    void sideConnectionLists()
    {
        QCOMPARE(piece("R3601_L").connections("1c"),
                 (QStringList{"R3605", "R3605_L", "R3617g_L", "R3617w_L", "R3617g", "R3617w",
                              "R3628o14", "R3628o_L14"}));
        QCOMPARE(piece("R3601_L").connections("2c"),
                 (QStringList{"R3612", "R3612_L", "R3615R_L", "R3615L_L"}));
        QCOMPARE(piece("R3610_R").connections("2c"),
                 (QStringList{"R3611", "R3611_R", "R3618g_R", "R3618w_R", "R3618g", "R3618w",
                              "R3628o21", "R3628o_R21"}));
        QCOMPARE(piece("R3600").connections("1a"), (QStringList{"R3603L_FL", "F7053L_FL"}));
        QCOMPARE(piece("R3600").connections("2b"), (QStringList{"R3603L_BU", "F7053L_BU"}));
        // The chicane and the lane swap take what a plain straight takes.
        for (const char *part : {"R3608", "R3609"}) {
            for (const char *code : {"1a", "1b", "1c", "2a", "2b", "2c"})
                QCOMPARE(piece(part).connections(code), piece("R3600").connections(code));
        }
        // The left-tab terminal mirrors the right-tab one: banked transition
        // aprons below, plain ones above, nothing that names no part.
        const TrackPiece &leftTab = piece("R3602_L");
        QCOMPARE(leftTab.connections("1a"), (QStringList{"R3603L_FL", "F7053L_FL"}));
        QCOMPARE(leftTab.connections("1b"), (QStringList{"R3603R_BL", "F7054R_BL"}));
        QCOMPARE(leftTab.connections("1c"), (QStringList{"R3614_L", "R3628o_Ls"}));
        QCOMPARE(leftTab.connections("2a"), QStringList{"R3603R_FU"});
        QCOMPARE(leftTab.connections("2b"), QStringList{"R3603L_BU"});
        QVERIFY(leftTab.connections("2c").isEmpty());
        QVERIFY(piece("R3602_R").connections("1c").isEmpty());
    }

    void connectionCodesKeepTheirOrder()
    {
        const QStringList codes = {"0a", "0b", "2a", "1a", "2b", "1b", "2c", "1c"};
        for (int i = 0; i < codes.size(); ++i) {
            QCOMPARE(QString(TrackPiece::kConnectionCodes[i]), codes[i]);
            QCOMPARE(TrackPiece::connectionSlot(codes[i]), i);
        }
        QCOMPARE(TrackPiece::connectionSlot("3c"), -1);
    }

    void addConnectionAppendsOnlyToKnownCodes()
    {
        TrackPiece p = piece("R3614_L");
        const auto before = p.mConnections;
        for (const char *code : {"3c", "", "0A", "1c "}) {
            p.addConnection("R3600", code);
            QVERIFY2(p.mConnections == before && p.connections(code).isEmpty(), code);
        }
        p.addConnection("R3600", "1b");
        p.addConnection("R3600", "1b");
        QCOMPARE(p.mConnections[5], (QStringList{"R3600", "R3600"}));
        QVERIFY(p.connections("1a").isEmpty());
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
        add("end lists not searched", "R3600", "R3600", false);
        add("unknown host", "R9999", "R3614_U", false);
        add("empty host", "", "R3614_U", false);
        add("inventory number as host", "R3601", "R3605", false);
        add("wrong side fence", "R3601_R", "R3628o_L14", false);
        add("1c on left curve", "R3610_L", "R3628o21", true);
        add("2b on straight", "R3600", "F7053L_BU", true);
        add("left tab terminal lower banked", "R3602_L", "F7053L_FL", true);
        add("left tab terminal upper banked", "R3602_L", "F7054R_FU", false);
        add("right tab terminal upper banked", "R3602_R", "F7054R_FU", true);
        add("case matters", "R3600", "r3614_u", false);
        add("banked straight", "F8519R_L", "R3614_L", false);
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
        QTest::newRow("curve") << "R3601_R" << 1;
        QTest::newRow("banked fence") << "R3628o_Rb" << 69;
        QTest::newRow("inventory only") << "R3628o" << -1;
        QTest::newRow("inventory of curve") << "R3601" << -1;
        QTest::newRow("lower case") << "r3600" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("trailing blank") << "R3600 " << -1;
        QTest::newRow("prefix of entry") << "R3628o_R" << -1;
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

    void catalogLogCurveAndLaneSwapEntries()
    {
        // A curve prints no back lane points, and only its non-empty lists.
        QVERIFY(mLog.contains("\tcenter: (115.44 -22.35)\n\n"
                              "\tlane 2: L (0.00 -134.00)   R (0.00 0.00)   length 325.84\n"
                              "\tlane 1: L (0.00 -44.00)   R (0.00 0.00)   length 231.08\n\n"));
        QVERIFY(mLog.contains("8: R3609 (R3609)  type <lane change>  dir <straight>  L 308.00  "
                              "W 178.00  curve 0.0 deg  rad 0.00  Wa 38.10  swap Y\n"));
        // An attachment ends with its lane lines and one empty line, no connection block.
        QVERIFY(mLog.contains("\tlane 1: L (0.00 -0.00)   R (0.00 0.00)   length 0.00\n\n"
                              "24: R3603L_FL (R3603L)"));
        // Non-empty lists of the 23 track pieces: straights, chicane and lane swap
        // 8 each, terminals 7, curves and short straights 4, curved terminals 3,
        // lap counters 5, banked pieces 2.
        QCOMPARE(mLog.count("connections:"), 3 * 8 + 2 * 7 + 8 * 4 + 2 * 3 + 2 * 5 + 6 * 2);
    }

    void catalogLogSummary()
    {
        const QList<QByteArray> log = lines(mLog);
        const int start = log.indexOf("Summary: 77 pieces");
        QVERIFY(start > 3);
        QCOMPARE(log[start - 1], QByteArray());
        QCOMPARE(log[start - 2], QByteArray());
        QCOMPARE(log[start - 3], QByteArray());
        // 77 lines and the empty remainder after the final line feed.
        QCOMPARE(log.size(), start + 1 + 77 + 1);
        QCOMPARE(log.last(), QByteArray());
        for (int i = 0; i < 77; ++i)
            QVERIFY(log[start + 1 + i].startsWith(QByteArray::number(i).rightJustified(2) + ": "));
        QCOMPARE(log[start + 1],
                 QByteArray(" 0:      R3600      R3600          straight   straight"));
        QCOMPARE(log[start + 1 + 47],
                 QByteArray("47:   R3620dca R3620dca_U    straight apron   left"));
        QCOMPARE(log[start + 1 + 76],
                 QByteArray("76:     R3628o R3628o_Lbx   banked trans fence   left exit"));
    }

    void catalogWithoutLogDirectoryWritesNothing()
    {
        TestRuntime runtime(TestRuntime::WithoutLogs);
        QVERIFY(runtime.isValid());
        RevellTrack track;
        QCOMPARE(track.mNumEntries, 77);
        QCOMPARE(track.findIndex("R3628o_Lbx"), 76);
        QCOMPARE(QDir(runtime.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"bin", "data"}));
        QVERIFY(QDir(runtime.path("bin")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(CatalogTest)
#include "test_catalog.moc"
