#include "catalog/RevellTrack.h"
#include "common/LogFile.h"
#include "graphics/DiagramItem.h"
#include "graphics/DiagramPathItem.h"
#include "layout/DiagramScene.h"
#include "layout/LayoutRecord.h"
#include "support/SceneRig.h"
#include "support/TestRuntime.h"

#include <QGraphicsView>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using D = DiagramTypeBase;

namespace {

constexpr double kScale = 5.0 / 24.0;
// Longer than the click delay, so that a single click has acted.
constexpr int kAfterClickMs = 300;

// A layout tab as the user meets it: the scene shown in a real view, driven
// by mouse events on the view's viewport. Lives inside a TestRuntime.
struct ViewRig : SceneRig
{
    ViewRig() : SceneRig(4)
    {
        scene->setSceneRect(0, 0, 5000, 5000);
        view = std::make_unique<QGraphicsView>(scene.get());
        view->resize(800, 600);
        view->show();
        exposed = QTest::qWaitForWindowExposed(view.get());
        view->centerOn(1000, 1000);
    }

    QWidget *viewport() const { return view->viewport(); }
    QPoint toView(QPointF aScenePoint) const { return view->mapFromScene(aScenePoint); }
    // The scene point that a click aimed at aScenePoint really reaches.
    QPointF reached(QPointF aScenePoint) const { return view->mapToScene(toView(aScenePoint)); }

    void click(QPointF aScenePoint)
    {
        QTest::mouseClick(viewport(), Qt::LeftButton, Qt::NoModifier, toView(aScenePoint));
    }
    // What the window system sends for a quick double click.
    void doubleClick(QPointF aScenePoint)
    {
        const QPoint p = toView(aScenePoint);
        QTest::mousePress(viewport(), Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseDClick(viewport(), Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::NoModifier, p);
    }
    // A left-button drag along straight legs between the waypoints, in small
    // steps as a hand makes it.
    void drag(const QList<QPointF> &aWaypoints)
    {
        QTest::mousePress(viewport(), Qt::LeftButton, Qt::NoModifier, toView(aWaypoints.first()));
        for (int leg = 1; leg < aWaypoints.size(); ++leg) {
            const QPointF from = aWaypoints.at(leg - 1);
            const QPointF to = aWaypoints.at(leg);
            const int steps = qMax(1, int(QLineF(from, to).length() / 2));
            for (int i = 1; i <= steps; ++i) {
                const QPoint p = toView(from + (to - from) * i / steps);
                QMouseEvent move(QEvent::MouseMove, p, viewport()->mapToGlobal(p), Qt::NoButton,
                                 Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(viewport(), &move);
            }
        }
        QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::NoModifier, toView(aWaypoints.last()));
    }

    // The point nearest the middle of aItem's bounds where aItem is the
    // topmost item; (-1, -1) when there is none.
    QPointF pointOn(QGraphicsItem *aItem) const
    {
        const QRectF box = aItem->sceneBoundingRect();
        QPointF best(-1, -1);
        double bestDistance = 1e9;
        for (double y = box.top() + 1; y < box.bottom(); y += 1.0) {
            for (double x = box.left() + 1; x < box.right(); x += 1.0) {
                const QPointF p = reached(QPointF(x, y));
                const double distance = QLineF(p, box.center()).length();
                if (distance < bestDistance && scene->itemAt(p, QTransform()) == aItem) {
                    best = p;
                    bestDistance = distance;
                }
            }
        }
        return best;
    }

    // The first item of graphic kind aKind carrying piece index aIndex.
    QGraphicsItem *itemOf(int aKind, int aIndex) const { return itemsOf(aKind, aIndex).value(0); }

    std::unique_ptr<QGraphicsView> view;
    bool exposed = false;
};

} // namespace

// The mouse on a layout's view: the delayed click and the double click that
// drops it, appending, replacing and inserting by mouse, the four-lane
// click and the drag that relocates a layout.
class MouseTest : public QObject
{
    Q_OBJECT
private slots:
    void twoClicksApartAppendTwoChainedPieces()
    {
        TestRuntime rt;
        ViewRig rig;
        rig.scene->setMode(DiagramScene::Append);
        rig.scene->setItemType(D::R3600);
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        QVERIFY(rig.exposed);

        rig.click(QPointF(1000, 1000));
        // Nothing happens until the click delay is over.
        QCOMPARE(rig.recordA.mPieces.size(), 0);
        QTest::qWait(kAfterClickMs);
        rig.click(QPointF(1200, 800));
        QTest::qWait(kAfterClickMs);

        QCOMPARE(appended.count(), 2);
        QCOMPARE(rig.recordA.mPieces.size(), 2);
        // The second click's position does not matter: the chain goes on.
        const QPointF first = rig.reached(QPointF(1000, 1000));
        QCOMPARE(rig.recordA.mFirstPt, first);
        QCOMPARE(rig.recordA.mPieces.at(1).mOrigin, rig.recordA.mPieces.at(0).mNextPt);
        QCOMPARE(rig.scene->mMode, DiagramScene::Append);
        QVERIFY(rig.prompter.mLog.isEmpty());
    }

    void quickDoubleClickOnOpenGroundAppendsNothing()
    {
        TestRuntime rt;
        ViewRig rig;
        rig.scene->setMode(DiagramScene::Append);
        rig.scene->setItemType(D::R3600);
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        QSignalSpy inserted(rig.scene.get(), &DiagramScene::itemInserted);

        rig.doubleClick(QPointF(1000, 1000));
        QTest::qWait(kAfterClickMs);

        QCOMPARE(appended.count(), 0);
        QCOMPARE(inserted.count(), 0);
        QVERIFY(rig.recordA.mPieces.isEmpty());
        QVERIFY(rig.scene->items().isEmpty());
    }

    void clickOnPieceOrLaneLineReplacesIt_data()
    {
        QTest::addColumn<bool>("secondPair");
        QTest::addColumn<bool>("onLine");
        QTest::newRow("record A, piece") << false << false;
        QTest::newRow("record A, lane line") << false << true;
        QTest::newRow("record B, piece") << true << false;
        QTest::newRow("record B, lane line") << true << true;
    }
    void clickOnPieceOrLaneLineReplacesIt()
    {
        QFETCH(bool, secondPair);
        QFETCH(bool, onLine);
        TestRuntime rt;
        ViewRig rig;
        for (int i = 0; i < 3; ++i)
            QVERIFY(rig.scene->appendFourLanePiece(D::R3600R3600, QPointF(1000, 1000)));
        LayoutRecord &target = secondPair ? rig.recordB : rig.recordA;
        const LayoutRecord otherBefore = secondPair ? rig.recordA : rig.recordB;
        const int pieceKind = secondPair ? DiagramItem::eType4 : DiagramItem::eType;
        const int lineKind = secondPair ? DiagramPathItem::eType4 : DiagramPathItem::eType;
        auto *piece = static_cast<DiagramItem *>(rig.itemOf(pieceKind, 1));
        QGraphicsItem *clicked = onLine ? rig.itemOf(lineKind, 1) : piece;
        const QPointF spot = rig.pointOn(clicked);
        QVERIFY2(spot.x() >= 0, "no point where the item is on top");

        rig.scene->setMode(DiagramScene::Append);
        rig.scene->setItemType(D::R3601_L);
        QSignalSpy replaced(rig.scene.get(), &DiagramScene::itemReplaced);
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        rig.click(spot);
        QTRY_COMPARE(replaced.count(), 1);

        QCOMPARE(replaced.at(0).at(0).value<DiagramItem *>(), piece);
        const PlacedPiece &entry = target.mPieces.at(1);
        QCOMPARE(entry.mPartNumber, QString("R3601_L"));
        QCOMPARE(entry.mDbIndex, rig.catalog.findIndex("R3601_L"));
        QCOMPARE(entry.mItemType, int(D::R3601_L));
        QCOMPARE(target.mPieces.at(0).mPartNumber, QString("R3600"));
        QCOMPARE(target.mPieces.at(2).mPartNumber, QString("R3600"));
        // The other lane pair and the chain's end are left for the replay.
        const LayoutRecord &other = secondPair ? rig.recordA : rig.recordB;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(other.mPieces.at(i).mPartNumber, otherBefore.mPieces.at(i).mPartNumber);
        QCOMPARE(target.mPieces.size(), 3);
        QCOMPARE(appended.count(), 0);
        QCOMPARE(rig.scene->mMode, DiagramScene::Edit);
        QCOMPARE(rig.scene->mRecord, &rig.recordA);

        // In Edit mode a further click does nothing.
        rig.click(spot);
        QTest::qWait(kAfterClickMs);
        QCOMPARE(replaced.count(), 1);
    }

    void replacingWithAKindTheCatalogCannotLayChangesNothing()
    {
        TestRuntime rt;
        ViewRig rig;
        DiagramItem *piece = rig.append(D::R3600);
        rig.scene->setMode(DiagramScene::Append);
        rig.scene->setItemType(D::R3625_R); // a whole banked turn, no single piece
        QSignalSpy replaced(rig.scene.get(), &DiagramScene::itemReplaced);
        rig.scene->replaceTrackPiece(piece);
        QCOMPARE(replaced.count(), 0);
        QCOMPARE(rig.recordA.mPieces.at(0).mPartNumber, QString("R3600"));
        QCOMPARE(rig.recordA.mPieces.at(0).mDbIndex, rig.catalog.findIndex("R3600"));
    }

    void doubleClickInsertsBeforeTheClickedPiece_data()
    {
        QTest::addColumn<bool>("onLine");
        QTest::addColumn<int>("itemType");
        QTest::addColumn<bool>("inserts");
        QTest::addColumn<bool>("edit");
        QTest::newRow("piece, track type") << false << int(D::R3601_R) << true << true;
        QTest::newRow("lane line, track type") << true << int(D::R3621_L) << true << false;
        QTest::newRow("piece, banked curve 22") << false << int(D::F8517_L) << true << true;
        QTest::newRow("piece, apron 23") << false << int(D::R3603R_FU) << false << true;
        QTest::newRow("piece, undirected apron 77") << false << int(D::R3605) << false << true;
        QTest::newRow("lane line, apron 27") << true << int(D::R3605_R) << false << false;
    }
    void doubleClickInsertsBeforeTheClickedPiece()
    {
        QFETCH(bool, onLine);
        QFETCH(int, itemType);
        QFETCH(bool, inserts);
        QFETCH(bool, edit);
        TestRuntime rt;
        ViewRig rig;
        rig.append(D::R3600);
        rig.append(D::R3601_R);
        rig.append(D::R3600);
        auto *piece = static_cast<DiagramItem *>(rig.itemOf(DiagramItem::eType, 1));
        const QPointF spot = rig.pointOn(onLine ? rig.itemOf(DiagramPathItem::eType, 1)
                                                : static_cast<QGraphicsItem *>(piece));
        QVERIFY(spot.x() >= 0);

        rig.scene->setMode(DiagramScene::Append);
        rig.scene->setItemType(D::DiagramType(itemType));
        QSignalSpy inserted(rig.scene.get(), &DiagramScene::itemInserted);
        QSignalSpy replaced(rig.scene.get(), &DiagramScene::itemReplaced);
        rig.doubleClick(spot);
        QTest::qWait(kAfterClickMs);

        QCOMPARE(inserted.count(), inserts ? 1 : 0);
        if (inserts) {
            QCOMPARE(inserted.at(0).at(0).value<DiagramItem *>(), piece);
            QCOMPARE(inserted.at(0).at(1).value<DiagramItem::DiagramType>(),
                     D::DiagramType(itemType));
        }
        // The first click of the double click never replaced anything.
        QCOMPARE(replaced.count(), 0);
        QCOMPARE(rig.recordA.mPieces.at(1).mPartNumber, QString("R3601_R"));
        QCOMPARE(rig.scene->mMode, edit ? DiagramScene::Edit : DiagramScene::Append);
    }

    void doubleClickOnRecordBInsertsNothing()
    {
        TestRuntime rt;
        ViewRig rig;
        QVERIFY(rig.scene->appendFourLanePiece(D::R3600R3600, QPointF(1000, 1000)));
        rig.scene->setMode(DiagramScene::Move);
        rig.scene->setItemType(D::R3600);
        QSignalSpy inserted(rig.scene.get(), &DiagramScene::itemInserted);
        rig.doubleClick(rig.pointOn(rig.itemOf(DiagramItem::eType4, 0)));
        rig.doubleClick(rig.pointOn(rig.itemOf(DiagramPathItem::eType4, 0)));
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(rig.scene->mMode, DiagramScene::Move);
    }

    void draggingTheFirstPieceRelocatesTheLayout()
    {
        TestRuntime rt;
        ViewRig rig;
        DiagramItem *first = rig.append(D::R3600);
        rig.append(D::R3600);
        rig.append(D::R3601_R);
        rig.scene->setMode(DiagramScene::Move);
        QSignalSpy moved(rig.scene.get(), &DiagramScene::itemMoved);

        // Leftwards along the piece, away from the rest of the chain and its
        // own lane lines, then down onto open ground.
        const QPointF from = rig.pointOn(first);
        QVERIFY(from.x() >= 0);
        const QPointF left = rig.reached(from - QPointF(200, 0));
        const QPointF to = rig.reached(left + QPointF(0, 150));
        rig.drag({from, left, to});
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.at(0).at(0).value<DiagramItem *>(), first);
        QCOMPARE(first->pos(), QPointF(1000, 1000) + (to - from));
        QVERIFY(!rig.scene->mDragged);
    }

    void draggingAnyOtherPieceDoesNothing_data()
    {
        QTest::addColumn<QPointF>("offset");
        QTest::newRow("onto open ground") << QPointF(0, 150);
        // Passing over the first piece must not carry the pressed piece along.
        QTest::newRow("over the first piece") << QPointF(-64, 0);
    }
    void draggingAnyOtherPieceDoesNothing()
    {
        QFETCH(QPointF, offset);
        TestRuntime rt;
        ViewRig rig;
        DiagramItem *first = rig.append(D::R3600);
        DiagramItem *second = rig.append(D::R3600);
        rig.append(D::R3600);
        rig.scene->setMode(DiagramScene::Move);
        QSignalSpy moved(rig.scene.get(), &DiagramScene::itemMoved);
        const QPointF secondPos = second->pos();

        const QPointF from = rig.pointOn(second);
        QVERIFY(from.x() >= 0);
        rig.drag({from, rig.reached(from + offset)});

        QCOMPARE(moved.count(), 0);
        QCOMPARE(second->pos(), secondPos);
        QCOMPARE(first->pos(), QPointF(1000, 1000));
        QVERIFY(!rig.scene->mDragged);
    }

    void firstPieceIsNotDraggedOutsideMoveMode()
    {
        TestRuntime rt;
        ViewRig rig;
        DiagramItem *first = rig.append(D::R3600);
        rig.scene->setMode(DiagramScene::Edit);
        QSignalSpy moved(rig.scene.get(), &DiagramScene::itemMoved);
        const QPointF from = rig.pointOn(first);
        rig.drag({from, rig.reached(from - QPointF(100, 0))});
        QCOMPARE(moved.count(), 0);
        QCOMPARE(first->pos(), QPointF(1000, 1000));
    }

    void fourLaneClickLaysBothPairs()
    {
        TestRuntime rt;
        ViewRig rig;
        rig.scene->setMode(DiagramScene::Append4);
        rig.scene->setItemType(D::R3601R3610_R);
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        rig.click(QPointF(1000, 1000));
        QTRY_COMPARE(appended.count(), 3);

        const QPointF pos = rig.reached(QPointF(1000, 1000));
        QCOMPARE(rig.recordA.mPieces.size(), 1);
        QCOMPARE(rig.recordA.mPieces.at(0).mPartNumber, QString("R3601_R"));
        QCOMPARE(rig.recordA.mPieces.at(0).mOrigin, pos);
        QCOMPARE(rig.recordB.mPieces.size(), 2);
        QCOMPARE(rig.recordB.mPieces.at(0).mPartNumber, QString("R3610_R"));
        QCOMPARE(rig.recordB.mPieces.at(1).mPartNumber, QString("R3610_R"));
        QCOMPARE(rig.recordB.mPieces.at(0).mOrigin, QPointF(pos.x(), pos.y() - 178 * kScale));
        QCOMPARE(rig.recordB.mFirstPt, QPointF(pos.x(), pos.y() - 178 * kScale));
        QCOMPARE(rig.scene->mMode, DiagramScene::Append4);
        QCOMPARE(rig.scene->mItemType, D::R3601R3610_R);
        QCOMPARE(rig.scene->mRecord, &rig.recordA);

        // The next click on open ground lays the same selection again.
        rig.click(QPointF(1400, 1250));
        QTRY_COMPARE(appended.count(), 6);
        QCOMPARE(rig.recordA.mPieces.size(), 2);
        QCOMPARE(rig.recordB.mPieces.size(), 4);
        QCOMPARE(rig.recordA.mPieces.at(1).mOrigin, rig.recordA.mPieces.at(0).mNextPt);
    }

    void fourLaneClickOnAnOccupiedSpotDoesNothing()
    {
        TestRuntime rt;
        ViewRig rig;
        DiagramItem *piece = rig.append(D::R3600);
        rig.scene->setMode(DiagramScene::Append4);
        rig.scene->setItemType(D::R3600R3600);
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        rig.click(rig.pointOn(piece));
        QTest::qWait(kAfterClickMs);
        QCOMPARE(appended.count(), 0);
        QCOMPARE(rig.recordA.mPieces.size(), 1);
        QVERIFY(rig.recordB.mPieces.isEmpty());
        QVERIFY(rig.prompter.mLog.isEmpty());
    }

    void clickAppendWritesTheseLogLines()
    {
        TestRuntime rt;
        {
            ViewRig rig;
            rig.scene->setMode(DiagramScene::Append);
            rig.scene->setItemType(D::R3600);
            QVERIFY(rig.reached(QPointF(1000, 1000)) == QPointF(1000, 1000));
            rig.click(QPointF(1000, 1000));
            QTest::qWait(kAfterClickMs);
        }
        QCOMPARE(QString::fromLatin1(rt.read("logs/build.log")),
                 QString("mousePressEvent() append: pos 1000.00  1000.00\n"
                         "appendTrackPiece(): aAdd 1   aItemType 0   (1000.00  1000.00)  elev 0.25"
                         "   lanes34 0\n"
                         "   mForwardPt 2500.00 2500.00\n"
                         "   mForwardAngle 0.00\n"
                         "   mNextIndex 0\n"
                         "DiagramItem() constructor, eType = 65551, eType4 = 65552\n"
                         "new piece   index 1  list size 1\n"
                         "   mForwardPt 1064.17 1000.00\n"
                         "   mForwardAngle 0.00\n"
                         "   mNextIndex 1\n"));
        // The piece is laid after the button is up: the action waits.
        const QByteArray debug = rt.read("logs/debug.log");
        const int release = debug.indexOf("mouseReleaseEvent() mode: 0   drag 0   shift 0\n");
        QVERIFY(release > 0);
        QVERIFY(debug.indexOf("DiagramItem() constructor") > release);
    }

    void doubleClickWritesTheseLogLines()
    {
        TestRuntime rt;
        {
            ViewRig rig;
            rig.scene->setMode(DiagramScene::Append);
            rig.scene->setItemType(D::R3600);
            rig.scene->setShiftKey(true);
            rig.doubleClick(QPointF(1000, 1000));
            QTest::qWait(kAfterClickMs);
        }
        QCOMPARE(QString::fromLatin1(rt.read("logs/build.log")),
                 QString("mouseDoubleClickEvent(), button 1\n"));
        QCOMPARE(QString::fromLatin1(rt.read("logs/debug.log")),
                 QString("DiagramScene constructor\n"
                         "DiagramScene constructor end\n"
                         "mouseReleaseEvent() mode: 0   drag 0   shift 1\n"
                         "mouseReleaseEvent() mode: 0   drag 0   shift 1\n"));
    }
};

QTEST_MAIN(MouseTest)
#include "test_mouse.moc"
