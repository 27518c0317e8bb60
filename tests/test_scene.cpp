#include "app/LayoutScreen.h"
#include "support/SceneRig.h"
#include "support/TestRuntime.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using D = DiagramTypeBase;

namespace {

constexpr double kScale = 5.0 / 24.0;

QString twoDecimals(QPointF aPoint)
{
    return QString::asprintf("%.2lf %.2lf", aPoint.x(), aPoint.y());
}

} // namespace

// Laying pieces end to end: where each lands, the chain's end and angle, lane
// parity, four-lane pairs, and what the tab and the logs show.
class SceneTest : public QObject
{
    Q_OBJECT
private slots:
    void workedExampleChainsStraightThenCurve()
    {
        TestRuntime rt;
        SceneRig rig;
        const LayoutRecord &r = rig.recordA;
        DiagramItem *straight = rig.append(D::R3600);
        QCOMPARE(straight->pos(), QPointF(1000, 1000));
        QCOMPARE(twoDecimals(r.mForwardPt), QString("1064.17 1000.00"));
        QVERIFY(!r.mFirst);

        // Only the first piece of a chain uses the click position.
        DiagramItem *bend = rig.append(D::R3601_R, QPointF(4000, 300));
        QCOMPARE(twoDecimals(bend->pos()), QString("1064.17 1000.00"));
        QCOMPARE(bend->rotation(), 0.0);
        QCOMPARE(r.mForwardAngle, 60.0);
        QCOMPARE(r.mFirstPt, QPointF(1000, 1000));
        QCOMPARE(r.mNextIndex, 2);
        const PlacedPiece &entry = r.mPieces.at(1);
        QCOMPARE(entry.mPartNumber, rig.catalog.piece(entry.mDbIndex).mPartNumber);
        QCOMPARE(entry.mItemType, int(D::R3601_R));
        QCOMPARE(twoDecimals(entry.mOrigin), QString("1064.17 1000.00"));
        QCOMPARE(entry.mNextPt, r.mForwardPt);
        QCOMPARE(entry.mNextAngle, 60.0);
    }

    void curvesInARowReduceTheAngleOneStep_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("angle");
        QTest::addColumn<bool>("closed");
        QTest::newRow("six right close the circle") << int(D::R3601_R) << 6 << 0.0 << true;
        QTest::newRow("five left stay at -300, not 60") << int(D::R3601_L) << 5 << -300.0 << false;
    }
    void curvesInARowReduceTheAngleOneStep()
    {
        QFETCH(int, type);
        QFETCH(int, count);
        QFETCH(double, angle);
        QFETCH(bool, closed);
        TestRuntime rt;
        SceneRig rig;
        for (int i = 0; i < count; ++i)
            rig.append(D::DiagramType(type));
        const LayoutRecord &r = rig.recordA;
        QVERIFY(qAbs(r.mForwardAngle - angle) < 1e-9);
        const QPointF gap = r.mForwardPt - r.mFirstPt;
        QCOMPARE(qAbs(gap.x()) < 1e-6 && qAbs(gap.y()) < 1e-6, closed);
    }

    void tabShowsEndPointTruncatedAngleAndPieceCount()
    {
        TestRuntime rt;
        QLineEdit posX, posY, ang, index;
        LayoutScreen screen;
        screen.mCurrentPosXLineEdit = &posX;
        screen.mCurrentPosYLineEdit = &posY;
        screen.mCurrentAngLineEdit = &ang;
        screen.mCurrentIndexLineEdit = &index;
        SceneRig rig(2, &screen);
        rig.append(D::R3600);
        rig.recordA.mForwardAngle = -29.99; // a straight keeps the angle it starts at
        rig.append(D::R3620);
        QCOMPARE(ang.text(), QString("-29"));
        QCOMPARE(index.text(), QString("2"));
        QCOMPARE(posX.text(), QString::asprintf("%.2lf", rig.recordA.mForwardPt.x()));
        QCOMPARE(posY.text(), QString::asprintf("%.2lf", rig.recordA.mForwardPt.y()));
    }

    void laneChangeFlipsParityAndTwoRestoreIt_data()
    {
        QTest::addColumn<int>("changes");
        QTest::addColumn<bool>("parity");
        QTest::newRow("one R3609 flips") << 1 << true;
        QTest::newRow("two R3609 restore") << 2 << false;
    }
    void laneChangeFlipsParityAndTwoRestoreIt()
    {
        QFETCH(int, changes);
        QFETCH(bool, parity);
        TestRuntime rt;
        SceneRig rig;
        for (int i = 0; i < changes; ++i)
            rig.append(D::R3609);
        DiagramItem *after = rig.append(D::R3600);
        const LayoutRecord &r = rig.recordA;
        QCOMPARE(r.mLaneSwap, parity);
        QVERIFY(!r.mPieces.first().mLaneSwapIn && r.mPieces.first().mLaneSwapOut);
        QCOMPARE(r.mPieces.last().mLaneSwapIn, parity);
        QCOMPARE(r.mPieces.last().mLaneSwapOut, parity);
        // The straight after the swaps hands the parity to its lane lines.
        QCOMPARE(after->mLaneSwap, parity);
        for (QGraphicsItem *line : rig.itemsOf(DiagramPathItem::eType, changes))
            QCOMPARE(static_cast<DiagramPathItem *>(line)->mLaneSwap, parity);
    }

    void pieceCarriesTooltipElevationAndTwoLaneLines_data()
    {
        QTest::addColumn<bool>("lanes34");
        QTest::addColumn<int>("pieceKind");
        QTest::addColumn<int>("lineKind");
        QTest::addColumn<int>("firstLane");
        QTest::newRow("lanes 1 and 2") << false << 65551 << 65553 << 1;
        QTest::newRow("lanes 3 and 4") << true << 65552 << 65554 << 3;
    }
    void pieceCarriesTooltipElevationAndTwoLaneLines()
    {
        QFETCH(bool, lanes34);
        QFETCH(int, pieceKind);
        QFETCH(int, lineKind);
        QFETCH(int, firstLane);
        TestRuntime rt;
        SceneRig rig;
        rig.scene->appendTrackPiece(true, D::R3600, QPointF(1000, 1000), 0.25, lanes34);
        DiagramItem *item = rig.scene->appendTrackPiece(true, D::R3601_R, QPointF(), 0.5, lanes34);
        QCOMPARE(item->type(), pieceKind);
        QCOMPARE(item->toolTip(), QString("R3601_R elev 0.50"));
        QCOMPARE(item->zValue(), 0.5);
        QCOMPARE(item->mIndex, 1);
        const QList<QGraphicsItem *> lines = rig.itemsOf(lineKind, 1);
        QCOMPARE(lines.size(), 2);
        QSet<int> lanes;
        for (QGraphicsItem *line : lines) {
            auto *path = static_cast<DiagramPathItem *>(line);
            lanes << path->mLane;
            QCOMPARE(path->pos(), item->pos());
            QCOMPARE(path->rotation(), item->rotation());
            QCOMPARE(path->zValue(), 0.5);
        }
        QCOMPARE(lanes, (QSet<int>{firstLane, firstLane + 1}));
        QCOMPARE(rig.scene->items().size(), 6);
    }

    void sharedTipsAndPensFollowElevationAndLaneColours()
    {
        TestRuntime rt;
        SceneRig rig;
        // The same kind at another level, and back, shows each level.
        for (double level : {0.25, 0.75, 0.25})
            QCOMPARE(
                rig.scene->appendTrackPiece(true, D::R3600, QPointF(), level, false)->toolTip(),
                QString::asprintf("R3600 elev %.2f", level));

        // New lane colours reach the lines laid afterwards.
        rig.recordA.mLaneBrush[0] = QBrush(Qt::magenta);
        rig.append(D::R3600);
        const QList<QGraphicsItem *> lines = rig.itemsOf(DiagramPathItem::eType, 3);
        QCOMPARE(lines.size(), 2);
        for (QGraphicsItem *line : lines) {
            auto *path = static_cast<DiagramPathItem *>(line);
            QCOMPARE(path->mLanePen[0].color(), QColor(Qt::magenta));
            QCOMPARE(path->mLanePen[1].color(), QColor(Qt::green));
        }
    }

    void fourLaneR3601R3610AddsOneToAAndTwoToB()
    {
        TestRuntime rt;
        SceneRig rig;
        rig.recordA.mLanes = 4;
        QVERIFY(rig.scene->appendFourLanePiece(D::R3601R3610_R, QPointF(1000, 1000)));
        QCOMPARE(rig.recordA.mPieces.size(), 1);
        QCOMPARE(rig.recordA.mPieces.at(0).mPartNumber, QString("R3601_R"));
        QCOMPARE(rig.recordB.mPieces.size(), 2);
        QCOMPARE(rig.recordB.mPieces.at(0).mPartNumber, QString("R3610_R"));
        QCOMPARE(rig.recordB.mPieces.at(1).mPartNumber, QString("R3610_R"));
        // Record B starts one track width to the upper side and turns as far as A.
        QCOMPARE(rig.recordB.mFirstPt, QPointF(1000, 1000 - 178 * kScale));
        QVERIFY(qAbs(rig.recordA.mForwardAngle - rig.recordB.mForwardAngle) < 1e-9);
        QCOMPARE(rig.scene->mRecord, &rig.recordA);
        QCOMPARE(rig.itemsOf(DiagramItem::eType4, 1).size(), 1);
        QCOMPARE(rig.itemsOf(DiagramPathItem::eType4, 1).size(), 2);
        QCOMPARE(rig.itemsOf(DiagramItem::eType, 1).size(), 0);

        QVERIFY(!rig.scene->appendFourLanePiece(D::R3600, QPointF(1000, 1000)));
        QCOMPARE(rig.recordA.mPieces.size() + rig.recordB.mPieces.size(), 3);
    }

    void redrawingAnEntryKeepsWhatItIs()
    {
        TestRuntime rt;
        SceneRig rig;
        rig.lay({D::R3600, D::R3601_R});
        LayoutRecord &r = rig.recordA;
        r.mPieces[1].mAttachments << AttachmentEntry{QStringLiteral("R3605_R"), 27, 1};
        // Drawing a different type over an entry (aAdd false) leaves its identity alone.
        r.resetChain();
        rig.scene->appendTrackPiece(false, D::R3600, r.mFirstPt, 0.25, false);
        rig.scene->appendTrackPiece(false, D::R3600, r.mFirstPt, 0.25, false);
        QCOMPARE(r.mPieces.size(), 2);
        const PlacedPiece &kept = r.mPieces.at(1);
        QCOMPARE(kept.mPartNumber, QString("R3601_R"));
        QCOMPARE(kept.mDbIndex, rig.catalog.findIndex("R3601_R"));
        QCOMPARE(kept.mItemType, int(D::R3601_R));
        QCOMPARE(kept.mAttachments.size(), 1);
        QCOMPARE(r.mNextIndex, 2);
    }

    void typeWithoutCatalogPieceLaysNothing_data()
    {
        QTest::addColumn<int>("itemType");
        QTest::newRow("-1") << -1;
        QTest::newRow("four-lane pair 93") << int(D::R3600R3600);
        QTest::newRow("undirected apron 77") << int(D::R3605);
        QTest::newRow("sentinel 105") << int(D::R9999);
    }
    void typeWithoutCatalogPieceLaysNothing()
    {
        QFETCH(int, itemType);
        TestRuntime rt;
        SceneRig rig;
        rig.append(D::R3600);
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        const QPointF end = rig.recordA.mForwardPt;
        QVERIFY(!rig.scene->appendTrackPiece(true, itemType, QPointF(), 0.25, false));
        QCOMPARE(rig.recordA.mPieces.size(), 1);
        QCOMPARE(rig.recordA.mNextIndex, 1);
        QCOMPARE(rig.recordA.mForwardPt, end);
        QCOMPARE(rig.scene->items().size(), 3);
        QCOMPARE(appended.count(), 0);
    }

    void oneAppendWritesTheseBuildLogLines()
    {
        TestRuntime rt;
        {
            SceneRig rig;
            rig.append(D::R3600);
        }
        QCOMPARE(QString::fromLatin1(rt.read("logs/build.log")),
                 QString("appendTrackPiece(): aAdd 1   aItemType 0   (1000.00  1000.00)  elev 0.25"
                         "   lanes34 0\n"
                         "   mForwardPt 2500.00 2500.00\n"
                         "   mForwardAngle 0.00\n"
                         "   mNextIndex 0\n"
                         "DiagramItem() constructor, eType = 65551, eType4 = 65552\n"
                         "new piece   index 1  list size 1\n"
                         "   mForwardPt 1064.17 1000.00\n"
                         "   mForwardAngle 0.00\n"
                         "   mNextIndex 1\n"));
    }

    void insertSignalCrossesAQueuedConnection()
    {
        // Only a registered diagram type survives a queued connection.
        TestRuntime rt;
        SceneRig rig;
        DiagramItem *item = rig.append(D::R3600);
        D::DiagramType received = D::R9999;
        connect(
            rig.scene.get(), &DiagramScene::itemInserted, rig.scene.get(),
            [&received](DiagramItem *, DiagramItem::DiagramType aType) { received = aType; },
            Qt::QueuedConnection);
        emit rig.scene->itemInserted(item, D::R3621_L);
        QTRY_COMPARE(received, D::R3621_L);
    }
};

QTEST_MAIN(SceneTest)
#include "test_scene.moc"
