#include "layout/LayoutScreen.h"
#include "support/SceneRig.h"
#include "support/TestRuntime.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using D = DiagramTypeBase;

namespace {

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
        rig.append(D::R3600);
        // Only the first piece of a chain uses the click position.
        DiagramItem *bend = rig.append(D::R3601_R, QPointF(4000, 300));
        QCOMPARE(twoDecimals(bend->pos()), QString("1064.17 1000.00"));
        QCOMPARE(r.mForwardAngle, 60.0);
        QCOMPARE(r.mNextIndex, 2);
        QCOMPARE(twoDecimals(r.mPieces.at(1).mOrigin), QString("1064.17 1000.00"));
        QCOMPARE(r.mPieces.at(1).mNextPt, r.mForwardPt);
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
        QCOMPARE(rig.recordA.mLaneSwap, parity);
        QCOMPARE(rig.recordA.mPieces.last().mLaneSwapIn, parity);
        QCOMPARE(after->mLaneSwap, parity);
    }

    void sharedTipsFollowElevation()
    {
        TestRuntime rt;
        SceneRig rig;
        // The same kind at another level, and back, shows each level.
        for (double level : {0.25, 0.75, 0.25})
            QCOMPARE(
                rig.scene->appendTrackPiece(true, D::R3600, QPointF(), level, false)->toolTip(),
                QString::asprintf("R3600 elev %.2f", level));
    }

    void fourLaneR3601R3610AddsOneToAAndTwoToB()
    {
        TestRuntime rt;
        SceneRig rig;
        rig.recordA.mLanes = 4;
        QVERIFY(rig.scene->appendFourLanePiece(D::R3601R3610_R, QPointF(1000, 1000)));
        QCOMPARE(rig.recordA.mPieces.size(), 1);
        QCOMPARE(rig.recordB.mPieces.size(), 2);
        QCOMPARE(rig.recordB.mPieces.at(1).mPartNumber, QString("R3610_R"));
        // Record B starts one track width (37.083) to the upper side, kept at the
        // file's hundredths, and turns as far as A.
        QCOMPARE(rig.recordB.mFirstPt, QPointF(1000, 962.92));
        QVERIFY(qAbs(rig.recordA.mForwardAngle - rig.recordB.mForwardAngle) < 1e-9);
        QCOMPARE(rig.scene->mRecord, &rig.recordA);
        QVERIFY(!rig.scene->appendFourLanePiece(D::R3600, QPointF(1000, 1000)));
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
        QCOMPARE(r.mPieces.at(1).mPartNumber, QString("R3601_R"));
        QCOMPARE(r.mPieces.at(1).mItemType, int(D::R3601_R));
        QCOMPARE(r.mPieces.at(1).mAttachments.size(), 1);
    }

    void typeWithoutCatalogPieceLaysNothing()
    {
        TestRuntime rt;
        SceneRig rig;
        rig.append(D::R3600);
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        const QPointF end = rig.recordA.mForwardPt;
        QVERIFY(!rig.scene->appendTrackPiece(true, -1, QPointF(), 0.25, false));
        QCOMPARE(rig.recordA.mPieces.size(), 1);
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
