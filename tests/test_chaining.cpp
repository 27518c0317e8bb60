#include "graphics/PieceKinds.h"
#include "layout/Chaining.h"

#include <QtMath>
#include <QtTest>

using D = DiagramTypeBase;
using TypeList = QList<DiagramTypeBase::DiagramType>;

Q_DECLARE_METATYPE(TypeList)

// The arithmetic that decides where each piece of a chain starts and which
// way it points.
class ChainingTest : public QObject
{
    Q_OBJECT
private slots:
    // The piece's lower-left to lower-right vector, turned by the angle the
    // chain had before it: at 90 degrees (x, y) becomes (-y, x).
    void forwardPointRotatesThePieceVectorByTheOldAngle()
    {
        const double inner = 14 * 25.4 - 178.0;
        const QPointF curve(inner * std::sin(M_PI / 3), inner * (1.0 - std::cos(M_PI / 3)));
        const QPointF next = Chaining::forwardPoint(QPointF(1000, 1000), 90.0, QPointF(0, 0), curve,
                                                    PieceKinds::kDrawScale);
        const QPointF expected(1000 - curve.y() * 5 / 24, 1000 + curve.x() * 5 / 24);
        QVERIFY(QLineF(next, expected).length() < 1e-9);
    }

    void angleIsReducedByOneStepOnly_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("reduced");
        QTest::newRow("full right turn") << 360.0 << 0.0;
        QTest::newRow("five left curves stay negative") << -300.0 << -300.0;
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
        QTest::newRow("94") << 94 << TypeList{D::R3602_R} << TypeList{D::R3600};
        QTest::newRow("101 right turn: B outside takes two")
            << 101 << TypeList{D::R3601_R} << TypeList{D::R3610_R, D::R3610_R};
        QTest::newRow("92 banked selection") << 92 << TypeList{} << TypeList{};
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
        QCOMPARE(PieceKinds::isFourLanePair(type), !recordA.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ChainingTest)
#include "test_chaining.moc"
