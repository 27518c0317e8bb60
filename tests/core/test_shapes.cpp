#include "catalog/RevellTrack.h"
#include "graphics/PieceKinds.h"
#include "graphics/PieceShapes.h"
#include "support/TestRuntime.h"

#include <QtMath>
#include <QtTest>

#include <cmath>

// One arc of an expected outline, in millimetres and in the toolkit's arc
// convention (degrees, 0 along +x, positive sweep counter-clockwise on screen).
struct ExpectedArc
{
    QPointF centre;
    double radius, start, sweep;
};
using ExpectedArcs = QVector<ExpectedArc>;
Q_DECLARE_METATYPE(ExpectedArcs)
Q_DECLARE_METATYPE(DiagramTypeBase::DiagramType)

namespace {

using D = DiagramTypeBase;
constexpr double kScale = PieceKinds::kDrawScale;
// Arcs are flattened from Bezier curves: allow a quarter millimetre.
constexpr double kTolMm = 0.25;

// Centres of the curved pieces' arcs: r - W below the lower edge for right
// curves, r above it for left curves.
const QPointF c14R(0, 355.6 - 178);
const QPointF c14L(0, -355.6);
const QPointF c21R(0, 533.4 - 178);
const QPointF c21L(0, -533.4);

QPointF at(const QPointF &aCentre, double aRadius, double aDeg)
{
    const double a = qDegreesToRadians(aDeg);
    return aCentre + QPointF(aRadius * std::cos(a), -aRadius * std::sin(a));
}

bool near(const QPointF &a, const QPointF &b)
{
    return QLineF(a, b).length() <= kTolMm;
}

// Offset in degrees of aMm from the arc's start, when aMm lies on the arc.
bool onArc(const ExpectedArc &aArc, const QPointF &aMm, double *aOffset)
{
    if (std::abs(QLineF(aArc.centre, aMm).length() - aArc.radius) > kTolMm)
        return false;
    const QPointF d = aMm - aArc.centre;
    const double offset =
        std::remainder(qRadiansToDegrees(std::atan2(-d.y(), d.x())) - aArc.start, 360.0);
    if (offset < std::min(0.0, aArc.sweep) - 0.1 || offset > std::max(0.0, aArc.sweep) + 0.1)
        return false;
    *aOffset = offset;
    return true;
}

// Empty when the scaled outline or line consists of the named corners and of
// points on the named arcs only, every arc is covered from its start to its
// end and every corner is present; otherwise what is wrong.
QString checkOutline(const QPolygonF &aPolygon, const ExpectedArcs &aArcs,
                     const QPolygonF &aCorners)
{
    if (aPolygon.size() < 6)
        return QStringLiteral("not an arc outline (%1 points)").arg(aPolygon.size());
    QVector<double> lo(aArcs.size(), 1e9), hi(aArcs.size(), -1e9);
    QVector<int> hits(aArcs.size(), 0);
    for (const QPointF &point : aPolygon) {
        const QPointF mm = point / kScale;
        bool known = std::any_of(aCorners.begin(), aCorners.end(),
                                 [&](const QPointF &c) { return near(c, mm); });
        for (int i = 0; i < aArcs.size(); ++i) {
            double offset = 0;
            if (onArc(aArcs[i], mm, &offset)) {
                known = true;
                ++hits[i];
                lo[i] = std::min(lo[i], offset);
                hi[i] = std::max(hi[i], offset);
            }
        }
        if (!known)
            return QStringLiteral("stray point %1, %2").arg(mm.x()).arg(mm.y());
    }
    for (int i = 0; i < aArcs.size(); ++i) {
        if (hits[i] < 3 || std::abs(lo[i] - std::min(0.0, aArcs[i].sweep)) > 0.1 ||
            std::abs(hi[i] - std::max(0.0, aArcs[i].sweep)) > 0.1)
            return QStringLiteral("arc %1 not traced (%2..%3)").arg(i).arg(lo[i]).arg(hi[i]);
    }
    for (const QPointF &corner : aCorners) {
        if (std::none_of(aPolygon.begin(), aPolygon.end(),
                         [&](const QPointF &p) { return near(p / kScale, corner); }))
            return QStringLiteral("corner missing %1, %2").arg(corner.x()).arg(corner.y());
    }
    return QString();
}

// A polygon from x, y pairs.
QPolygonF xy(std::initializer_list<double> aCoordinates)
{
    QPolygonF points;
    for (auto it = aCoordinates.begin(); it + 1 < aCoordinates.end(); it += 2)
        points << QPointF(*it, *(it + 1));
    return points;
}

} // namespace

// The outlines and lane lines every piece and attachment is drawn with,
// checked against points and circles worked out by hand from the catalog.
class ShapesTest : public QObject
{
    Q_OBJECT

    TestRuntime mRuntime; // first: the catalog writes its log there
    RevellTrack mCatalog;

private slots:
    // Lane 0 is the outline, any other one lane line, a single polyline with
    // its curves flattened. Without arcs the points are the expected ones in
    // order (an outline ends where it starts); with arcs, the outline runs on
    // the arcs between the corners given.
    void outlinesAndLaneLines_data()
    {
        QTest::addColumn<D::DiagramType>("type");
        QTest::addColumn<int>("lane");
        QTest::addColumn<ExpectedArcs>("arcs");
        QTest::addColumn<QPolygonF>("points");
        const ExpectedArcs none;
        QTest::newRow("R3600 rectangle")
            << D::R3600 << 0 << none << xy({0, 0, 0, -178, 308, -178, 308, 0, 0, 0});
        QTest::newRow("R3602_L tab above") << D::R3602_L << 0 << none
                                           << xy({0, 0, 0, -178, 110, -178, 110, -228, 198, -228,
                                                  198, -178, 308, -178, 308, 0, 0, 0});
        QTest::newRow("R3627_R dials below")
            << D::R3627_R << 0 << none
            << xy({0, 0, 0, -178, 308, -178, 308, 0, 238, 0, 238, 100, 70, 100, 70, 0, 0, 0});
        QTest::newRow("F8519R_L widens")
            << D::F8519R_L << 0 << none
            << xy({0, 38.1, 0, -216.1, 308, -229.1, 308, 51.1, 0, 38.1});
        QTest::newRow("R3600 lane 1") << D::R3600 << 1 << none << xy({0, -44, 308, -44});
        QTest::newRow("R3608 lane 1")
            << D::R3608 << 1 << none
            << xy({0, -44, 40, -44, 115, -67, 193, -67, 268, -44, 308, -44});
        QTest::newRow("R3609 lane 1")
            << D::R3609 << 1 << none << xy({0, -44, 50, -54, 154, -89, 258, -124, 308, -134});
        const QPolygonF track = xy({0, 0, 0, -178});
        QTest::newRow("R3601_R curve right")
            << D::R3601_R << 0 << ExpectedArcs{{c14R, 355.6, 90, -60}, {c14R, 177.6, 30, 60}}
            << track;
        QTest::newRow("R3604_R tab")
            << D::R3604_R << 0
            << ExpectedArcs{{c14R, 355.6, 90, -22.5},
                            {c14R, 355.6, 52.5, -22.5},
                            {c14R, 177.6, 30, 60}}
            << QPolygonF({{0, 0}, {0, -178}, at(c14R, 405.6, 67.5), at(c14R, 405.6, 52.5)});
        QTest::newRow("R3605_L outer apron")
            << D::R3605_L << 0 << ExpectedArcs{{c14L, 355.6, -90, 60}, {c14L, 393.7, -30, -60}}
            << xy({0, 38.1, 0, 0});
        QTest::newRow("R3615R_L wedge")
            << D::R3615R_L << 0 << ExpectedArcs{{c14L, 177.6, -30, -60}}
            << QPolygonF({{0, -178}, at(c14L, 139.5, -30), at(c14L, 177.6, -30)});
        // The banked curves' fences run beyond the bank, over the curve's 30
        // degrees; the left fence and the right curve are drawn as their twins
        // mirrored, which these rows hold to the hand-worked arcs.
        QTest::newRow("R3628o_Lb fence, left")
            << D::R3628o_Lb << 0 << ExpectedArcs{{c21L, 577.5, -90, 30}, {c21L, 596.55, -60, -30}}
            << xy({0, 44.1, 0, 63.15});
        QTest::newRow("F8517_R banked")
            << D::F8517_R << 0 << ExpectedArcs{{c21R, 584.5, 90, -30}, {c21R, 304.3, 60, 30}}
            << QPolygonF({{0, 51.1}, {0, -229.1}, at(c21R, 355.4, 60)});
        QTest::newRow("F8517_L banked")
            << D::F8517_L << 0 << ExpectedArcs{{c21L, 304.3, -90, 30}, {c21L, 584.5, -60, -30}}
            << QPolygonF({{0, 51.1}, {0, -229.1}, at(c21L, 533.4, -60)});
        // Lane 4 runs where lane 1 does: on the inner lane's circle.
        QTest::newRow("R3601_L lane 4")
            << D::R3601_L << 4 << ExpectedArcs{{c14L, 221.6, -90, 60}} << QPolygonF();
    }

    void outlinesAndLaneLines()
    {
        QFETCH(D::DiagramType, type);
        QFETCH(int, lane);
        QFETCH(ExpectedArcs, arcs);
        QFETCH(QPolygonF, points);
        const QList<QPolygonF> lines = lanePath(type, lane, &mCatalog).toSubpathPolygons();
        QVERIFY(lane == 0 || lines.size() == 1);
        const QPolygonF shape =
            lane == 0 ? pieceOutline(type, &mCatalog, QString()).mPolygon : lines.first();
        if (arcs.isEmpty()) {
            for (QPointF &point : points)
                point *= kScale;
            QCOMPARE(shape, points);
        } else {
            const QString fault = checkOutline(shape, arcs, points);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
    }
};

QTEST_GUILESS_MAIN(ShapesTest)
#include "test_shapes.moc"
