#include "catalog/RevellTrack.h"
#include "graphics/PieceKinds.h"
#include "graphics/PieceShapes.h"
#include "layout/Chaining.h"
#include "layout/LayoutAnalysis.h"
#include "layout/LayoutRecord.h"

#include <QtTest>

using D = DiagramTypeBase;
using TypeList = QList<DiagramTypeBase::DiagramType>;
using namespace LayoutAnalysis;

namespace {

TypeList repeated(D::DiagramType aType, int aCount)
{
    TypeList types;
    for (int i = 0; i < aCount; ++i)
        types << aType;
    return types;
}

const TypeList kOval =
    TypeList{D::R3600} + repeated(D::R3601_R, 3) + TypeList{D::R3600} + repeated(D::R3601_R, 3);
// Two 240 degree loops whose straight runs (pieces 0 to 2 and 7 to 9) cross.
const TypeList kFigureEight = TypeList{D::R3609, D::R3600, D::R3600} + repeated(D::R3601_R, 4) +
                              repeated(D::R3600, 3) + repeated(D::R3601_L, 4);

} // namespace

// Closure, collisions and lane balance, measured on chains laid by the core.
// The samples' balance hints, a swap that evens them, lanes even already or
// past helping, are in the report's golden file; that they close, and cross
// freely only where raised, is in the checks test.
class AnalysisTest : public QObject
{
    Q_OBJECT

    RevellTrack mCatalog;

    LayoutRecord laid(const TypeList &aTypes, double aLevel = 0.25)
    {
        LayoutRecord record;
        for (D::DiagramType type : aTypes)
            Chaining::layNext(record, mCatalog, type, QPointF(2000, 2000), aLevel, true);
        return record;
    }

private slots:
    void emptyLayoutAndTheGapOfAnOpenOne()
    {
        QVERIFY(closure(LayoutRecord()).mEmpty);
        // Without its last curve the oval stops one chord of the curve's
        // inner edge (2 x 177.6 mm x sin 30 degrees) short, turned 60 degrees.
        const Closure open = closure(laid(kOval.mid(0, 7)));
        QVERIFY(!open.mClosed);
        QVERIFY(qAbs(open.mGapMm - 177.6) < 0.01);
        QVERIFY(qAbs(open.mAngleDeg + 60.0) < 1e-9);
    }

    // The eight's two straight runs cross: only pieces of the two runs
    // collide, the earlier one named first.
    void crossingsNameThePiecesOfBothRuns()
    {
        const QList<Overlap> found = findOverlaps(laid(kFigureEight), LayoutRecord(), mCatalog);
        QVERIFY(!found.isEmpty());
        for (const Overlap &overlap : found) {
            QVERIFY(overlap.mFirst.mIndex <= 2);
            QVERIFY(overlap.mSecond.mIndex >= 7 && overlap.mSecond.mIndex <= 9);
        }
    }

    // The strips of a four-lane layout are compared with each other too.
    void fourLaneStripsCollideWithEachOther()
    {
        LayoutRecord a = laid(repeated(D::R3600, 3));
        a.mLanes = 4;
        LayoutRecord b = a; // laid on top of record A
        const QList<Overlap> found = findOverlaps(a, b, mCatalog);
        QCOMPARE(found.size(), 3); // each over its twin; the twins' neighbours only touch
        QCOMPARE(found.first().mFirst, (PieceRef{0, 0}));
        QCOMPARE(found.first().mSecond, (PieceRef{1, 0}));
        a.mLanes = 2;
        QVERIFY(findOverlaps(a, b, mCatalog).isEmpty());
    }

    // Pieces piled on each other are decided without the costly exact
    // intersection where their hulls part or they overlap deeply; every pair
    // must still come out as the overlap's own area and mean thickness
    // (twice the area over the edge) say, here measured on the outlines.
    void piledPiecesCollideExactlyAsTheirOverlapSays()
    {
        const TypeList kinds{D::R3600, D::R3601_R, D::R3610_L, D::R3620dc, D::R3602_R};
        const double k = PieceKinds::kDrawScale;
        const auto outline = [&](const PlacedPiece &aEntry) {
            QTransform place;
            place.translate(aEntry.mOrigin.x(), aEntry.mOrigin.y());
            place.rotate(aEntry.mAngle);
            QPainterPath path;
            path.setFillRule(Qt::WindingFill);
            for (int type :
                 {aEntry.mItemType, aEntry.mAttachments.isEmpty() ? -1 : int(D::R3614_U)})
                if (type >= 0)
                    path.addPolygon(
                        place.map(pieceOutline(D::DiagramType(type), &mCatalog, {}).mPolygon));
            return path;
        };
        int collisions = 0;
        for (D::DiagramType first : kinds) {
            for (D::DiagramType third : kinds) {
                LayoutRecord pile = laid({first, D::R3600, third});
                if (first == D::R3600)
                    pile.mPieces[0].mAttachments << AttachmentEntry{"R3614_U", -1, 0};
                for (double shift : {0.0, 40.0, 120.0, 170.0, 200.0, 300.0, 420.0}) {
                    for (double angle : {0.0, 30.0, 90.0, 200.0}) {
                        PlacedPiece &moved = pile.mPieces[2];
                        moved.mOrigin = pile.mFirstPt + QPointF(shift, shift / 3) * k;
                        moved.mAngle = angle;
                        double area = 0.0;
                        double edge = 0.0;
                        const QPainterPath both =
                            outline(pile.mPieces[0]).intersected(outline(moved));
                        for (const QPolygonF &part : both.toSubpathPolygons()) {
                            for (int i = 0; i < part.size(); ++i) {
                                const QPointF a = part.at(i) / k;
                                const QPointF b = part.at((i + 1) % part.size()) / k;
                                area += (a.x() * b.y() - b.x() * a.y()) / 2;
                                edge += QLineF(a, b).length();
                            }
                        }
                        const bool expected = qAbs(area) > 1.0 && 2 * qAbs(area) / edge > 1.0;
                        collisions += expected;
                        QVERIFY2(findOverlaps(pile, LayoutRecord(), mCatalog).size() == expected,
                                 qPrintable(QStringLiteral("%1 over %2 at %3 mm, %4 degrees")
                                                .arg(getPartNumber(third), getPartNumber(first))
                                                .arg(shift)
                                                .arg(angle)));
                    }
                }
            }
        }
        QVERIFY(collisions > 200 && collisions < 600); // both answers are met
    }

    // Only a straight gives way to a lane swap: a circle of curves, whose
    // lanes a swap in place of a curve would bring nearer, gets no hint.
    void laneSwapHintReplacesOnlyAStraight()
    {
        QCOMPARE(laneBalance(laid(repeated(D::R3601_R, 6)), mCatalog).mSwapIndex, -1);
    }
};

QTEST_GUILESS_MAIN(AnalysisTest)
#include "test_analysis.moc"
