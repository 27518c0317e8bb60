#include "app/LayoutScreen.h"
#include "catalog/RevellTrack.h"
#include "common/LogFile.h"
#include "graphics/DiagramItem.h"
#include "graphics/DiagramPathItem.h"
#include "layout/DiagramScene.h"
#include "layout/LayoutRecord.h"
#include "support/SceneRig.h"
#include "support/TestRuntime.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using D = DiagramTypeBase;

namespace {

constexpr double kScale = 5.0 / 24.0;

QString twoDecimals(QPointF aPoint)
{
    return QString::asprintf("%.2lf %.2lf", aPoint.x(), aPoint.y());
}

// The shared rig with the replay that a rebuild runs, done by hand.
struct ReplayingRig : SceneRig
{
    using SceneRig::SceneRig;

    // Throws the drawing away and lays every entry again, as a rebuild does.
    void replay(LayoutRecord &aRecord)
    {
        for (QGraphicsItem *item : scene->items())
            delete item;
        aRecord.resetChain();
        scene->setRecord(&aRecord);
        for (const PlacedPiece &piece : QList<PlacedPiece>(aRecord.mPieces))
            scene->appendTrackPiece(false, piece.mItemType, aRecord.mFirstPt, piece.mLevel,
                                    aRecord.mSecondPair);
        scene->setRecord(&recordA);
    }
};

} // namespace

// Laying pieces end to end: where each lands, the chain's end and angle, lane
// parity, the in-place replay, four-lane pairs, and what the tab and the logs show.
class SceneTest : public QObject
{
    Q_OBJECT
private slots:
    void constructorLogsFirstAndLastAndStartsInMoveMode()
    {
        TestRuntime rt;
        {
            ReplayingRig rig;
            QCOMPARE(rig.scene->mMode, DiagramScene::Move);
            QCOMPARE(rig.scene->mRecord, &rig.recordA);
            QCOMPARE(rig.scene->mSavedRecord, &rig.recordA);
            QCOMPARE(rig.scene->mSecondRecord, &rig.recordB);
            QCOMPARE(rig.scene->mDiagramTypeList.size(), 105);
            QVERIFY(rig.scene->mPressTimer.isSingleShot());
            QCOMPARE(rig.scene->mPressTimer.interval(), 200);
        }
        const QByteArray log = rt.read("logs/debug.log");
        QVERIFY(log.startsWith("DiagramScene constructor\n"));
        QVERIFY(log.endsWith("DiagramScene constructor end\n"));
    }

    void workedExampleChainsStraightThenCurve_data()
    {
        QTest::addColumn<int>("curve");
        QTest::addColumn<double>("angle");
        QTest::newRow("R3601_R turns clockwise") << int(D::R3601_R) << 60.0;
        QTest::newRow("R3601_L turns counter-clockwise") << int(D::R3601_L) << -60.0;
    }
    void workedExampleChainsStraightThenCurve()
    {
        QFETCH(int, curve);
        QFETCH(double, angle);
        TestRuntime rt;
        ReplayingRig rig;
        const LayoutRecord &r = rig.recordA;

        DiagramItem *straight = rig.append(D::R3600);
        QVERIFY(straight);
        QCOMPARE(straight->pos(), QPointF(1000, 1000));
        QCOMPARE(straight->rotation(), 0.0);
        QCOMPARE(twoDecimals(r.mForwardPt), QString("1064.17 1000.00"));
        QCOMPARE(r.mFirstPt, QPointF(1000, 1000));
        QVERIFY(!r.mFirst);
        QCOMPARE(r.mForwardAngle, 0.0);
        QCOMPARE(r.mNextIndex, 1);
        QCOMPARE(rig.scene->mScale, kScale);

        // Only the first piece of a chain uses the click position.
        DiagramItem *bend = rig.append(D::DiagramType(curve), QPointF(4000, 300));
        QCOMPARE(twoDecimals(bend->pos()), QString("1064.17 1000.00"));
        QCOMPARE(bend->rotation(), 0.0);
        QCOMPARE(r.mForwardAngle, angle);
        QCOMPARE(r.mFirstPt, QPointF(1000, 1000));
        QCOMPARE(r.mPieces.size(), 2);
        const PlacedPiece &entry = r.mPieces.at(1);
        QCOMPARE(entry.mPartNumber, rig.catalog.piece(entry.mDbIndex).mPartNumber);
        QCOMPARE(entry.mItemType, curve);
        QCOMPARE(twoDecimals(entry.mOrigin), QString("1064.17 1000.00"));
        QCOMPARE(entry.mAngle, 0.0);
        QCOMPARE(entry.mNextPt, r.mForwardPt);
        QCOMPARE(entry.mNextAngle, angle);
        QCOMPARE(entry.mLevel, 0.25);
    }

    void curvesInARowReduceTheAngleOneStep_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("angle");
        QTest::addColumn<bool>("closed");
        QTest::newRow("six right close the circle") << int(D::R3601_R) << 6 << 0.0 << true;
        QTest::newRow("six left close the circle") << int(D::R3601_L) << 6 << 0.0 << true;
        QTest::newRow("five left stay at -300, not 60") << int(D::R3601_L) << 5 << -300.0 << false;
        QTest::newRow("five right stay at 300") << int(D::R3601_R) << 5 << 300.0 << false;
    }
    void curvesInARowReduceTheAngleOneStep()
    {
        QFETCH(int, type);
        QFETCH(int, count);
        QFETCH(double, angle);
        QFETCH(bool, closed);
        TestRuntime rt;
        ReplayingRig rig;
        for (int i = 0; i < count; ++i)
            rig.append(D::DiagramType(type));
        const LayoutRecord &r = rig.recordA;
        QVERIFY(qAbs(r.mForwardAngle - angle) < 1e-9);
        const QPointF gap = r.mForwardPt - r.mFirstPt;
        QCOMPARE(qAbs(gap.x()) < 1e-6 && qAbs(gap.y()) < 1e-6, closed);
    }

    void tabShowsEndPointTruncatedAngleAndPieceCount_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<QString>("shown");
        QTest::newRow("29.99") << 29.99 << "29";
        QTest::newRow("-29.99") << -29.99 << "-29";
        QTest::newRow("-0.5") << -0.5 << "0";
    }
    void tabShowsEndPointTruncatedAngleAndPieceCount()
    {
        QFETCH(double, angle);
        QFETCH(QString, shown);
        TestRuntime rt;
        QLineEdit posX, posY, ang, index;
        LayoutScreen screen;
        screen.mCurrentPosXLineEdit = &posX;
        screen.mCurrentPosYLineEdit = &posY;
        screen.mCurrentAngLineEdit = &ang;
        screen.mCurrentIndexLineEdit = &index;
        ReplayingRig rig(2, &screen);

        rig.append(D::R3600);
        QCOMPARE(posX.text(), QString("1064.17"));
        QCOMPARE(posY.text(), QString("1000.00"));
        QCOMPARE(ang.text(), QString("0"));
        QCOMPARE(index.text(), QString("1"));

        rig.recordA.mForwardAngle = angle; // a straight keeps the angle it starts at
        rig.append(D::R3620);
        QCOMPARE(ang.text(), shown);
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
        ReplayingRig rig;
        for (int i = 0; i < changes; ++i)
            rig.append(D::R3609);
        DiagramItem *after = rig.append(D::R3600);
        const LayoutRecord &r = rig.recordA;
        QCOMPARE(r.mLaneSwap, parity);
        QCOMPARE(r.mPieces.first().mLaneSwapIn, false);
        QCOMPARE(r.mPieces.first().mLaneSwapOut, true);
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
        ReplayingRig rig;
        rig.scene->appendTrackPiece(true, D::R3600, QPointF(1000, 1000), 0.25, lanes34);
        DiagramItem *item = rig.scene->appendTrackPiece(true, D::R3601_R, QPointF(), 0.5, lanes34);
        QCOMPARE(item->type(), pieceKind);
        QCOMPARE(item->toolTip(), QString("R3601_R elev 0.50"));
        QCOMPARE(item->zValue(), 0.5);
        QCOMPARE(item->mLevel, 0.5);
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
            QCOMPARE(path->mLevel, 0.5);
            QVERIFY(path->zValue() == item->zValue());
        }
        QCOMPARE(lanes, (QSet<int>{firstLane, firstLane + 1}));
        QCOMPARE(rig.scene->items().size(), 6);
    }

    void sharedTipsAndPensFollowElevationAndLaneColours()
    {
        TestRuntime rt;
        ReplayingRig rig;
        // The same kind at another level, and back, shows each level.
        QCOMPARE(rig.scene->appendTrackPiece(true, D::R3600, QPointF(1000, 1000), 0.25, false)
                     ->toolTip(),
                 QString("R3600 elev 0.25"));
        QCOMPARE(rig.scene->appendTrackPiece(true, D::R3600, QPointF(), 0.75, false)->toolTip(),
                 QString("R3600 elev 0.75"));
        QCOMPARE(rig.scene->appendTrackPiece(true, D::R3600, QPointF(), 0.25, false)->toolTip(),
                 QString("R3600 elev 0.25"));
        QCOMPARE(static_cast<DiagramPathItem *>(rig.itemsOf(DiagramPathItem::eType, 2).first())
                     ->mLanePen[0]
                     .color(),
                 QColor(Qt::red));

        // New lane colours reach the lines laid afterwards.
        rig.recordA.mLaneBrush[0] = QBrush(Qt::magenta);
        rig.append(D::R3600);
        const QList<QGraphicsItem *> lines = rig.itemsOf(DiagramPathItem::eType, 3);
        QCOMPARE(lines.size(), 2);
        for (QGraphicsItem *line : lines) {
            auto *path = static_cast<DiagramPathItem *>(line);
            QCOMPARE(path->mLanePen[0].color(), QColor(Qt::magenta));
            QCOMPARE(path->mLanePen[1].color(), QColor(Qt::green));
            QCOMPARE(path->mLanePen[0].widthF(), 3.0);
            if (path->mLane == 1)
                QCOMPARE(path->pen().color(), QColor(Qt::magenta));
        }
    }

    void firstPieceIsFilledDarkerThanTheRest_data()
    {
        QTest::addColumn<bool>("filled");
        QTest::addColumn<QColor>("first");
        QTest::addColumn<QColor>("other");
        QTest::newRow("filled") << true << QColor(64, 64, 64, 220) << QColor(192, 192, 192, 220);
        QTest::newRow("hollow") << false << QColor(192, 192, 192, 220)
                                << QColor(250, 250, 250, 220);
    }
    void firstPieceIsFilledDarkerThanTheRest()
    {
        QFETCH(bool, filled);
        QFETCH(QColor, first);
        QFETCH(QColor, other);
        TestRuntime rt;
        ReplayingRig rig;
        rig.scene->setFilled(filled);
        QCOMPARE(rig.append(D::R3600)->brush().color(), first);
        QCOMPARE(rig.append(D::R3600)->brush().color(), other);
    }

    void fourLaneR3601R3610AddsOneToAAndTwoToB()
    {
        TestRuntime rt;
        ReplayingRig rig;
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

    void replayRewritesTheEntryButKeepsWhatItIs()
    {
        TestRuntime rt;
        ReplayingRig rig;
        rig.append(D::R3600);
        rig.append(D::R3601_R);
        LayoutRecord &r = rig.recordA;
        r.mPieces[1].mAttachments << AttachmentEntry{QStringLiteral("R3605_R"), 27, 1};
        r.mPieces[1].mLevel = 0.75;
        r.mFirstPt = QPointF(2000, 2000);
        rig.replay(r);

        QCOMPARE(r.mPieces.size(), 2);
        QCOMPARE(r.mNextIndex, 2);
        const PlacedPiece &kept = r.mPieces.at(1);
        QCOMPARE(kept.mPartNumber, QString("R3601_R"));
        QCOMPARE(kept.mItemType, int(D::R3601_R));
        QCOMPARE(kept.mAttachments.size(), 1);
        QCOMPARE(kept.mAttachments.at(0).mName, QString("R3605_R"));
        QCOMPARE(kept.mLevel, 0.75);
        QCOMPARE(twoDecimals(kept.mOrigin), QString("2064.17 2000.00"));
        QCOMPARE(kept.mNextAngle, 60.0);

        // Drawing a different type over an entry leaves the entry's identity alone.
        r.resetChain();
        rig.scene->appendTrackPiece(false, D::R3600, r.mFirstPt, 0.25, false);
        rig.scene->appendTrackPiece(false, D::R3600, r.mFirstPt, 0.25, false);
        QCOMPARE(r.mPieces.at(1).mPartNumber, QString("R3601_R"));
        QCOMPARE(r.mPieces.at(1).mDbIndex, rig.catalog.findIndex("R3601_R"));
        QCOMPARE(r.mPieces.at(1).mItemType, int(D::R3601_R));
        QCOMPARE(r.mPieces.at(1).mAttachments.size(), 1);
        QCOMPARE(r.mPieces.size(), 2);
    }

    void unknownEntryIsKeptUndrawnAndTheChainSkipsIt_data()
    {
        QTest::addColumn<int>("itemType");
        QTest::addColumn<int>("dbIndex");
        QTest::newRow("item type -1") << -1 << -1;
        QTest::newRow("catalog index -1") << int(D::R3600) << -1;
    }
    void unknownEntryIsKeptUndrawnAndTheChainSkipsIt()
    {
        QFETCH(int, itemType);
        QFETCH(int, dbIndex);
        TestRuntime rt;
        ReplayingRig rig;
        rig.append(D::R3601_R);
        rig.append(D::R3600);
        LayoutRecord &r = rig.recordA;
        r.mPieces[1] = PlacedPiece(QStringLiteral("X9999"), dbIndex, itemType, QPointF(), 0, 0.25);
        rig.replay(r);

        QCOMPARE(r.mPieces.size(), 2);
        QCOMPARE(r.mPieces.at(1).mPartNumber, QString("X9999"));
        QCOMPARE(r.mNextIndex, 2);
        QCOMPARE(rig.itemsOf(DiagramItem::eType, 1).size(), 0);
        QCOMPARE(rig.itemsOf(DiagramPathItem::eType, 1).size(), 0);
        QCOMPARE(r.mPieces.at(1).mOrigin, r.mPieces.at(0).mNextPt);
        QCOMPARE(r.mForwardPt, r.mPieces.at(0).mNextPt);
        QCOMPARE(r.mForwardAngle, 60.0);

        // The next piece carries on from the last piece that was drawn.
        DiagramItem *next = rig.append(D::R3600);
        QCOMPARE(next->pos(), r.mPieces.at(0).mNextPt);
        QCOMPARE(next->rotation(), 60.0);
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
        ReplayingRig rig;
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
            ReplayingRig rig;
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

    void replayLogsReplacePiece()
    {
        TestRuntime rt;
        {
            ReplayingRig rig;
            rig.append(D::R3600);
            rig.replay(rig.recordA);
        }
        QVERIFY(rt.read("logs/build.log").contains("replace piece   index 1  list size 1\n"));
    }

    void signalsReachTheirReceivers()
    {
        TestRuntime rt;
        ReplayingRig rig;
        QList<DiagramItem *> appended;
        connect(rig.scene.get(), &DiagramScene::itemAppended,
                [&appended](DiagramItem *aItem) { appended << aItem; });
        DiagramItem *item = rig.append(D::R3600);
        QCOMPARE(appended, QList<DiagramItem *>{item});

        // The insert signal carries the diagram type through a queued
        // connection, which only works for registered types.
        QSignalSpy inserted(rig.scene.get(), &DiagramScene::itemInserted);
        QVERIFY(inserted.isValid());
        D::DiagramType received = D::R9999;
        connect(
            rig.scene.get(), &DiagramScene::itemInserted, rig.scene.get(),
            [&received](DiagramItem *, DiagramItem::DiagramType aType) { received = aType; },
            Qt::QueuedConnection);
        emit rig.scene->itemInserted(item, D::R3621_L);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).value<DiagramItem::DiagramType>(), D::R3621_L);
        QTRY_COMPARE(received, D::R3621_L);
    }

    void recordCopiesAreDeep()
    {
        LayoutRecord original;
        original.mPieces << PlacedPiece(QStringLiteral("R3601_R"), 1, D::R3601_R, QPointF(1, 2), 0,
                                        0.25);
        original.mPieces[0].mAttachments << AttachmentEntry{QStringLiteral("R3605_R"), 27, 0};
        LayoutRecord copy = original;
        copy.mPieces[0].mPartNumber = QStringLiteral("R3600");
        copy.mPieces[0].mAttachments[0].mName = QStringLiteral("R3617g_R");
        copy.mPieces[0].mOrigin = QPointF(9, 9);
        copy.mPieces << PlacedPiece();
        QCOMPARE(original.mPieces.size(), 1);
        QCOMPARE(original.mPieces.at(0).mPartNumber, QString("R3601_R"));
        QCOMPARE(original.mPieces.at(0).mAttachments.at(0).mName, QString("R3605_R"));
        QCOMPARE(original.mPieces.at(0).mOrigin, QPointF(1, 2));
    }

    void newRecordAndPieceStartEmpty()
    {
        const LayoutRecord r(
            QStringLiteral("unnamed3"), 2, 178.0,
            {{QBrush(Qt::red), QBrush(Qt::green), QBrush(Qt::blue), QBrush(Qt::yellow)}});
        QVERIFY(r.mFirst && r.mForward && !r.mLaneSwap && !r.mChanged && !r.mSaved);
        QVERIFY(r.mFirstPair && !r.mSecondPair);
        QCOMPARE(r.mFirstPt, QPointF(2500, 2500));
        QCOMPARE(r.mForwardPt, QPointF(2500, 2500));
        QCOMPARE(r.mReversePt, QPointF(2500, 178));
        QCOMPARE(r.mReverseAngle, 180.0);
        QCOMPARE(r.mNextIndex, 0);
        QVERIFY(r.mPieces.isEmpty());

        const PlacedPiece p(QStringLiteral("R3600"), 0, D::R3600, QPointF(3, 4), 30, 0.5);
        QCOMPARE(p.mNextPt, QPointF(3, 4));
        QCOMPARE(p.mNextAngle, 30.0);
        QCOMPARE(p.mLevel, 0.5);
        QVERIFY(!p.mLaneSwapIn && !p.mDeleted && !p.mLaneSwapOut && p.mAttachments.isEmpty());
    }
};

QTEST_MAIN(SceneTest)
#include "test_scene.moc"
