#include "layout/LayoutScreen.h"
#include "support/SceneRig.h"
#include "support/TestRuntime.h"
#include "support/ViewMouse.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using D = DiagramTypeBase;

namespace {

// Longer than the click delay, so that a single click has acted.
constexpr int kAfterClickMs = 300;

// A layout tab without its window: the scene in a real view, driven by mouse
// events on the view's viewport. Lives inside a TestRuntime.
struct ViewRig : SceneRig, ViewMouse
{
    ViewRig() : SceneRig(4)
    {
        scene->setSceneRect(0, 0, 5000, 5000);
        view = std::make_unique<QGraphicsView>(scene.get());
        mView = view.get();
        view->resize(800, 600);
        view->show();
        exposed = QTest::qWaitForWindowExposed(view.get());
        view->centerOn(1000, 1000);
    }
    // Mode and toolbox selection as the toolbox leaves them.
    void choose(DiagramScene::Mode aMode, D::DiagramType aType)
    {
        scene->setMode(aMode);
        scene->setItemType(aType);
    }
    // Every item of one lane pair, pieces and lane lines.
    QSet<QGraphicsItem *> pairItems(bool aSecond) const
    {
        const QList<QGraphicsItem *> items =
            itemsOf(aSecond ? DiagramItem::eType4 : DiagramItem::eType) +
            itemsOf(aSecond ? DiagramPathItem::eType4 : DiagramPathItem::eType);
        return QSet<QGraphicsItem *>(items.begin(), items.end());
    }

    std::unique_ptr<QGraphicsView> view;
    bool exposed = false;
};

} // namespace

// The scene draws what the records say: a piece and two lane lines per entry,
// taken down and laid again by a replay of one lane pair; and it turns the
// mouse on its view into edits.
class SceneTest : public QObject
{
    Q_OBJECT
    // A fresh runtime for each test, so each log holds that test's lines only.
    std::unique_ptr<TestRuntime> rt;

private slots:
    void init() { rt = std::make_unique<TestRuntime>(); }
    void cleanup() { rt.reset(); }

    void tabShowsTheChainsEndAfterEachPiece()
    {
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

    // Logs are compared with their golden files byte for byte.
    void appendAndReplayWriteTheirBuildLogLines()
    {
        {
            SceneRig rig;
            rig.append(D::R3600);
            rig.append(D::R3601_R);
            rig.recordA.mFirstPt = QPointF(2000, 2000);
            rig.scene->rebuildRecord(&rig.recordA, 1, false);
        }
        const QString why = fixtureDifference("scene_build.log", rt->read("logs/build.log"));
        QVERIFY2(why.isEmpty(), qPrintable(why));
    }

    // A replay lays the record's own kinds; the next click must still lay the
    // piece the toolbox shows.
    void replayDrawsEachEntryOnceWhereItLiesAndKeepsTheToolboxChoice()
    {
        SceneRig rig;
        rig.lay({D::R3601_R, D::R3600, D::R3609, D::R3600});
        LayoutRecord &r = rig.recordA;
        r.mFirstPt = QPointF(2345.5, 777.25);
        r.mPieces[1] = PlacedPiece(QStringLiteral("R9876"), -1, -1, QPointF(), 0, 0.25);
        r.mPieces[2].mDeleted = true;
        rig.scene->setItemType(D::R3621_L);
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        rig.scene->rebuildRecord(&r, 1, false);
        QCOMPARE(rig.scene->mItemType, D::R3621_L);
        // The unknown entry stays but is not drawn; the deleted one is gone.
        QCOMPARE(r.mPieces.size(), 3);
        QCOMPARE(rig.scene->items().size(), 3 * 2);
        QVERIFY(!rig.scene->pieceItem(0, 1));
        for (int i : {0, 2}) {
            QCOMPARE(rig.scene->pieceItem(0, i)->pos(), r.mPieces.at(i).mOrigin);
            QCOMPARE(rig.itemOf(DiagramPathItem::eType, i)->pos(), r.mPieces.at(i).mOrigin);
        }
        // The caller refreshes once, after the replay.
        QCOMPARE(appended.count(), 0);
    }

    // Only the replayed pair's items are taken down and laid again, with the
    // attachment hooks around the drawing: before it with that pair's kind,
    // after it with the record.
    void replayOfRecordBLeavesRecordAAlone()
    {
        ViewRig rig;
        for (int type : {D::R3600R3600, D::R3601R3610_R, D::R3609R3609})
            QVERIFY(rig.scene->appendFourLanePiece(type, QPointF(1000, 1000)));
        // Freed items' addresses may come back: the items are told apart by a mark.
        const QSet<QGraphicsItem *> itemsA = rig.pairItems(false);
        for (QGraphicsItem *item : itemsA + rig.pairItems(true))
            item->setData(0, QStringLiteral("before"));
        QStringList calls;
        const int kind = DiagramItem::eType4;
        rig.scene->mDeleteAttachments = [&](int aKind) {
            calls << QStringLiteral("delete %1 items %2").arg(aKind).arg(rig.itemsOf(kind).size());
        };
        rig.scene->mRestoreAttachments = [&](LayoutRecord *aRecord) {
            calls << QStringLiteral("restore %1 items %2")
                         .arg(aRecord == &rig.recordB)
                         .arg(rig.itemsOf(kind).size());
        };
        rig.recordB.mPieces[1].mDeleted = true;
        rig.scene->rebuildRecord(&rig.recordB, 1, false);

        QCOMPARE(calls, QStringList({QStringLiteral("delete %1 items 0").arg(kind),
                                     QStringLiteral("restore 1 items 3")}));
        QCOMPARE(rig.pairItems(false), itemsA);
        for (QGraphicsItem *item : itemsA)
            QCOMPARE(item->data(0).toString(), QString("before"));
        const QSet<QGraphicsItem *> itemsB = rig.pairItems(true);
        QCOMPARE(itemsB.size(), 3 * rig.recordB.mPieces.size());
        for (QGraphicsItem *item : itemsB)
            QVERIFY(item->data(0).toString().isEmpty());
    }

    // A delete command destroys items itself, and an item may leave the scene
    // another way: neither troubles the next replay, and an attachment's item
    // put on a pair's list goes with that pair only.
    void itemsGoneElsewhereOrAddedToAPairAreNoTrouble()
    {
        SceneRig rig;
        QVERIFY(rig.scene->appendFourLanePiece(D::R3601R3610_R, QPointF(1000, 1000)));
        rig.append(D::R3600);
        delete rig.scene->pieceItem(0, 1);
        rig.recordA.mPieces[1].mDeleted = true;
        std::unique_ptr<QGraphicsItem> taken(rig.itemOf(DiagramPathItem::eType, 0));
        rig.scene->removeItem(taken.get());
        auto *onA = new DiagramItem(&rig.build, &rig.debug, D::R3605_R, nullptr, &rig.catalog, 0,
                                    false, QString());
        auto *onB = new DiagramItem(&rig.build, &rig.debug, D::R3611_R, nullptr, &rig.catalog, 1,
                                    true, QString());
        for (DiagramItem *item : {onA, onB}) {
            rig.scene->addItem(item);
            rig.scene->addChainItem(item);
        }
        rig.scene->rebuildRecord(&rig.recordB, 0, false);
        QVERIFY(rig.scene->items().contains(onA));
        QVERIFY(!rig.scene->items().contains(onB));
        rig.scene->rebuildRecord(&rig.recordA, 0, false);
        QCOMPARE(rig.scene->items().size(), 3 * 3);
        QVERIFY(!taken->scene());
    }

    // ---- the mouse -------------------------------------------------------

    void clicksAppendOnlyOnceTheDelayIsOver()
    {
        ViewRig rig;
        QVERIFY(rig.exposed);
        rig.choose(DiagramScene::Append, D::R3600);
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        rig.click(QPointF(1000, 1000));
        QCOMPARE(rig.recordA.mPieces.size(), 0);
        QTRY_COMPARE(appended.count(), 1);
        rig.click(QPointF(1200, 800));
        QTRY_COMPARE(appended.count(), 2);
        // A quick double click on open ground lays nothing.
        rig.doubleClick(QPointF(3000, 3000));
        QTest::qWait(kAfterClickMs);
        QCOMPARE(appended.count(), 2);
    }

    void clickOnALaneLineOfRecordBReplacesItsPiece()
    {
        ViewRig rig;
        for (int i = 0; i < 3; ++i)
            QVERIFY(rig.scene->appendFourLanePiece(D::R3600R3600, QPointF(1000, 1000)));
        const QPointF spot = rig.pointOn(rig.itemOf(DiagramPathItem::eType4, 1));
        QVERIFY2(spot.x() >= 0, "no point where the item is on top");
        rig.choose(DiagramScene::Append, D::R3601_L);
        QSignalSpy replaced(rig.scene.get(), &DiagramScene::itemReplaced);
        rig.click(spot);
        QTRY_COMPARE(replaced.count(), 1);
        QCOMPARE(replaced.at(0).at(0).value<DiagramItem *>(), rig.scene->pieceItem(1, 1));
        QCOMPARE(rig.recordB.mPieces.at(1).mPartNumber, QString("R3601_L"));
        QCOMPARE(rig.recordA.mPieces.at(1).mPartNumber, QString("R3600"));
        QCOMPARE(rig.scene->mMode, DiagramScene::Edit);
    }

    void doubleClickInsertsBeforeTheClickedPiece_data()
    {
        QTest::addColumn<bool>("onLine");
        QTest::addColumn<int>("itemType");
        QTest::addColumn<bool>("inserts");
        QTest::newRow("lane line, track type") << true << int(D::R3621_L) << true;
        QTest::newRow("piece, an apron chosen") << false << int(D::R3603R_FU) << false;
    }
    void doubleClickInsertsBeforeTheClickedPiece()
    {
        QFETCH(bool, onLine);
        QFETCH(int, itemType);
        QFETCH(bool, inserts);
        ViewRig rig;
        rig.lay({D::R3600, D::R3601_R, D::R3600});
        DiagramItem *piece = rig.scene->pieceItem(0, 1);
        const QPointF spot = rig.pointOn(onLine ? rig.itemOf(DiagramPathItem::eType, 1) : piece);
        QVERIFY(spot.x() >= 0);
        rig.choose(DiagramScene::Append, D::DiagramType(itemType));
        QSignalSpy inserted(rig.scene.get(), &DiagramScene::itemInserted);
        rig.doubleClick(spot);
        QTest::qWait(kAfterClickMs);
        QCOMPARE(inserted.count(), inserts ? 1 : 0);
        if (inserts)
            QCOMPARE(inserted.at(0).at(0).value<DiagramItem *>(), piece);
        // The first click of the double click never replaced anything.
        QCOMPARE(rig.recordA.mPieces.at(1).mPartNumber, QString("R3601_R"));
    }

    void onlyTheFirstPieceInMoveModeIsDragged_data()
    {
        QTest::addColumn<int>("pressed");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QPointF>("offset");
        // Passing over the first piece must not carry the pressed piece along.
        QTest::newRow("second piece over the first")
            << 1 << int(DiagramScene::Move) << QPointF(-64, 0);
        QTest::newRow("first piece in Edit mode")
            << 0 << int(DiagramScene::Edit) << QPointF(-100, 0);
    }
    void onlyTheFirstPieceInMoveModeIsDragged()
    {
        QFETCH(int, pressed);
        QFETCH(int, mode);
        QFETCH(QPointF, offset);
        ViewRig rig;
        rig.lay({D::R3600, D::R3600, D::R3600});
        rig.scene->setMode(DiagramScene::Mode(mode));
        QSignalSpy moved(rig.scene.get(), &DiagramScene::itemMoved);
        QGraphicsItem *item = rig.scene->pieceItem(0, pressed);
        const QPointF before = item->pos();
        const QPointF from = rig.pointOn(item);
        QVERIFY(from.x() >= 0);
        rig.drag({from, rig.reached(from + offset)});
        QCOMPARE(moved.count(), 0);
        QCOMPARE(item->pos(), before);
        QCOMPARE(rig.scene->pieceItem(0, 0)->pos(), QPointF(1000, 1000));
    }

    void fourLaneClickLaysBothPairsOnlyOnOpenGround()
    {
        ViewRig rig;
        rig.choose(DiagramScene::Append4, D::R3601R3610_R);
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        rig.click(QPointF(1000, 1000));
        QTRY_COMPARE(appended.count(), 3);
        QCOMPARE(rig.recordA.mPieces.at(0).mOrigin, rig.reached(QPointF(1000, 1000)));
        QCOMPARE(rig.recordB.mPieces.size(), 2);
        QCOMPARE(rig.scene->mMode, DiagramScene::Append4);
        QCOMPARE(rig.scene->mItemType, D::R3601R3610_R);
        rig.click(rig.pointOn(rig.scene->pieceItem(0, 0)));
        QTest::qWait(kAfterClickMs);
        QCOMPARE(appended.count(), 3);
    }

    void doubleClickWritesTheseLogLines()
    {
        {
            ViewRig rig;
            rig.choose(DiagramScene::Append, D::R3600);
            rig.scene->setShiftKey(true);
            rig.doubleClick(QPointF(1000, 1000));
            QTest::qWait(kAfterClickMs);
        }
        QCOMPARE(QString::fromLatin1(rt->read("logs/build.log")),
                 QString("mouseDoubleClickEvent(), button 1\n"));
        QCOMPARE(QString::fromLatin1(rt->read("logs/debug.log")),
                 QString("DiagramScene constructor\n"
                         "DiagramScene constructor end\n"
                         "mouseReleaseEvent() mode: 0   drag 0   shift 1\n"
                         "mouseReleaseEvent() mode: 0   drag 0   shift 1\n"));
    }
};

QTEST_MAIN(SceneTest)
#include "test_scene.moc"
