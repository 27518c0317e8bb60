#include "layout/Chaining.h"

#include <QtMath>
#include <QtTest>

using D = DiagramTypeBase;
using TypeList = QList<DiagramTypeBase::DiagramType>;

Q_DECLARE_METATYPE(TypeList)

namespace {

constexpr double kTrackWidth = 178.0;
constexpr double kR3601Radius = 14 * 25.4; // outer edge, mm

// Lower-right corner of a curve to the right in its own frame: the end of the
// inner edge, radius R - W around (0, R - W).
QPointF rightCurveLowerRight(double aRadius, double aDegrees)
{
    const double inner = aRadius - kTrackWidth;
    const double theta = qDegreesToRadians(aDegrees);
    return QPointF(inner * std::sin(theta), inner * (1.0 - std::cos(theta)));
}

} // namespace

// The arithmetic that decides where each piece of a chain starts and which
// way it points.
class ChainingTest : public QObject
{
    Q_OBJECT
private slots:
    void forwardPointRotatesThePieceVectorByTheOldAngle_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<QPointF>("lowerLeft");
        QTest::addColumn<QPointF>("lowerRight");
        QTest::addColumn<QPointF>("expected");
        const double step = 308.0 * 5.0 / 24.0; // 64.1666...
        QTest::newRow("straight east")
            << 0.0 << QPointF(0, 0) << QPointF(308, 0) << QPointF(1000 + step, 1000);
        QTest::newRow("straight south (clockwise 90)")
            << 90.0 << QPointF(0, 0) << QPointF(308, 0) << QPointF(1000, 1000 + step);
        QTest::newRow("offset lower-left counts only the difference")
            << 0.0 << QPointF(0, 38.1) << QPointF(308, 38.1) << QPointF(1000 + step, 1000);
        const QPointF curve = rightCurveLowerRight(kR3601Radius, 60);
        // At 90 degrees (x, y) -> (-y, x).
        QTest::newRow("curve right at 90")
            << 90.0 << QPointF(0, 0) << curve
            << QPointF(1000 - curve.y() * 5 / 24, 1000 + curve.x() * 5 / 24);
    }
    void forwardPointRotatesThePieceVectorByTheOldAngle()
    {
        QFETCH(double, angle);
        QFETCH(QPointF, lowerLeft);
        QFETCH(QPointF, lowerRight);
        QFETCH(QPointF, expected);
        const QPointF next = Chaining::forwardPoint(QPointF(1000, 1000), angle, lowerLeft,
                                                    lowerRight, Chaining::kDrawScale);
        QVERIFY2(
            qAbs(next.x() - expected.x()) < 1e-9 && qAbs(next.y() - expected.y()) < 1e-9,
            qPrintable(QString("got (%1, %2)").arg(next.x(), 0, 'f', 6).arg(next.y(), 0, 'f', 6)));
    }

    void turnIsNegatedOnlyForLeftHandPieces_data()
    {
        QTest::addColumn<double>("curve");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<double>("turn");
        QTest::newRow("right") << 60.0 << "right" << 60.0;
        QTest::newRow("left") << 60.0 << "left" << -60.0;
        QTest::newRow("terminal on the upper side is no left turn") << 0.0 << "upper" << 0.0;
        QTest::newRow("left entry is not left") << 30.0 << "left entry" << 30.0;
    }
    void turnIsNegatedOnlyForLeftHandPieces()
    {
        QFETCH(double, curve);
        QFETCH(QString, direction);
        QFETCH(double, turn);
        QCOMPARE(Chaining::turnAngle(curve, direction), turn);
    }

    void angleIsReducedByOneStepOnly_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("reduced");
        QTest::newRow("full right turn") << 360.0 << 0.0;
        QTest::newRow("full left turn") << -360.0 << 0.0;
        QTest::newRow("five left curves stay negative") << -300.0 << -300.0;
        QTest::newRow("just under a turn") << 359.5 << 359.5;
        QTest::newRow("one step, not a modulo") << 720.0 << 360.0;
    }
    void angleIsReducedByOneStepOnly()
    {
        QFETCH(double, angle);
        QFETCH(double, reduced);
        QCOMPARE(Chaining::normalisedAngle(angle), reduced);
    }

    void displayedAngleTruncatesTowardZero_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<int>("shown");
        QTest::newRow("29.99") << 29.99 << 29;
        QTest::newRow("-29.99") << -29.99 << -29;
        QTest::newRow("-0.5") << -0.5 << 0;
    }
    void displayedAngleTruncatesTowardZero()
    {
        QFETCH(double, angle);
        QFETCH(int, shown);
        QCOMPARE(Chaining::displayedAngle(angle), shown);
    }

    void fourLaneTableGivesBothRecordsTheirPieces_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<TypeList>("recordA");
        QTest::addColumn<TypeList>("recordB");
        QTest::newRow("93") << 93 << TypeList{D::R3600} << TypeList{D::R3600};
        QTest::newRow("94") << 94 << TypeList{D::R3602_R} << TypeList{D::R3600};
        QTest::newRow("95") << 95 << TypeList{D::R3600} << TypeList{D::R3602_L};
        QTest::newRow("101 right turn: B outside takes two")
            << 101 << TypeList{D::R3601_R} << TypeList{D::R3610_R, D::R3610_R};
        QTest::newRow("102 left turn: A outside takes two")
            << 102 << TypeList{D::R3610_L, D::R3610_L} << TypeList{D::R3601_L};
        QTest::newRow("92 banked selection") << 92 << TypeList{} << TypeList{};
        QTest::newRow("105 sentinel") << 105 << TypeList{} << TypeList{};
        QTest::newRow("-1 unknown") << -1 << TypeList{} << TypeList{};
    }
    void fourLaneTableGivesBothRecordsTheirPieces()
    {
        QFETCH(int, type);
        QFETCH(TypeList, recordA);
        QFETCH(TypeList, recordB);
        const Chaining::FourLanePlacement placement = Chaining::fourLanePlacement(type);
        QCOMPARE(placement.mRecordA, recordA);
        QCOMPARE(placement.mRecordB, recordB);
        QCOMPARE(Chaining::isFourLaneType(type), !recordA.isEmpty());
    }

    void fourLaneTurnsAgreeOnTheirAngle()
    {
        // Both strips of a four-lane curve must turn by the same amount, or
        // the two chains drift apart.
        const QHash<int, double> curve{{D::R3601_R, 60}, {D::R3601_L, 60}, {D::R3610_R, 30},
                                       {D::R3610_L, 30}, {D::R3621_R, 30}, {D::R3621_L, 30}};
        for (int type = D::R3600R3600; type <= D::R3621R3610_L; ++type) {
            const Chaining::FourLanePlacement placement = Chaining::fourLanePlacement(type);
            double turnA = 0, turnB = 0;
            for (D::DiagramType t : placement.mRecordA)
                turnA += curve.value(t, 0.0);
            for (D::DiagramType t : placement.mRecordB)
                turnB += curve.value(t, 0.0);
            QVERIFY2(turnA == turnB, qPrintable(QString::number(type)));
        }
    }
};

QTEST_GUILESS_MAIN(ChainingTest)
#include "test_chaining.moc"
