#include "support/SceneRig.h"
#include "support/TestRuntime.h"
#include "support/ViewMouse.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>

#include <memory>

using D = DiagramTypeBase;

namespace {

constexpr double kScale = 5.0 / 24.0;
// Longer than the click delay, so that a single click has acted.
constexpr int kAfterClickMs = 300;

// A layout tab as the user meets it: the scene shown in a real view, driven
// by mouse events on the view's viewport. Lives inside a TestRuntime.
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
    QGraphicsItem *itemOf(int aKind, int aIndex) const { return itemsOf(aKind, aIndex).value(0); }

    std::unique_ptr<QGraphicsView> view;
    bool exposed = false;
};

} // namespace

// The mouse on a layout's view: delayed clicks, double clicks, four-lane
// clicks and drags that must not move anything.
class MouseTest : public QObject
{
    Q_OBJECT
private slots:
    void twoClicksApartAppendTwoChainedPieces()
    {
        TestRuntime rt;
        ViewRig rig;
        QVERIFY(rig.exposed);
        rig.choose(DiagramScene::Append, D::R3600);
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        rig.click(QPointF(1000, 1000));
        // Nothing happens until the click delay is over.
        QCOMPARE(rig.recordA.mPieces.size(), 0);
        QTest::qWait(kAfterClickMs);
        rig.click(QPointF(1200, 800));
        QTest::qWait(kAfterClickMs);

        QCOMPARE(appended.count(), 2);
        // The second click's position does not matter: the chain goes on.
        QCOMPARE(rig.recordA.mPieces.at(1).mOrigin, rig.recordA.mPieces.at(0).mNextPt);
    }

    void quickDoubleClickOnOpenGroundAppendsNothing()
    {
        TestRuntime rt;
        ViewRig rig;
        rig.choose(DiagramScene::Append, D::R3600);
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        QSignalSpy inserted(rig.scene.get(), &DiagramScene::itemInserted);
        rig.doubleClick(QPointF(1000, 1000));
        QTest::qWait(kAfterClickMs);
        QCOMPARE(appended.count() + inserted.count(), 0);
    }

    void clickOnRecordBLaneLineReplacesItsPiece()
    {
        TestRuntime rt;
        ViewRig rig;
        for (int i = 0; i < 3; ++i)
            QVERIFY(rig.scene->appendFourLanePiece(D::R3600R3600, QPointF(1000, 1000)));
        auto *piece = static_cast<DiagramItem *>(rig.itemOf(DiagramItem::eType4, 1));
        const QPointF spot = rig.pointOn(rig.itemOf(DiagramPathItem::eType4, 1));
        QVERIFY2(spot.x() >= 0, "no point where the item is on top");

        rig.choose(DiagramScene::Append, D::R3601_L);
        QSignalSpy replaced(rig.scene.get(), &DiagramScene::itemReplaced);
        rig.click(spot);
        QTRY_COMPARE(replaced.count(), 1);
        QCOMPARE(replaced.at(0).at(0).value<DiagramItem *>(), piece);
        QCOMPARE(rig.recordB.mPieces.at(1).mPartNumber, QString("R3601_L"));
        QCOMPARE(rig.recordA.mPieces.at(1).mPartNumber, QString("R3600"));
        QCOMPARE(rig.scene->mMode, DiagramScene::Edit);
        QCOMPARE(rig.scene->mRecord, &rig.recordA);
    }

    void replacingWithAKindTheCatalogCannotLayChangesNothing()
    {
        TestRuntime rt;
        ViewRig rig;
        DiagramItem *piece = rig.append(D::R3600);
        rig.choose(DiagramScene::Append, D::R3625_R); // a whole banked turn, no single piece
        QSignalSpy replaced(rig.scene.get(), &DiagramScene::itemReplaced);
        rig.scene->replaceTrackPiece(piece);
        QCOMPARE(replaced.count(), 0);
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
        QTest::newRow("piece, apron 23") << false << int(D::R3603R_FU) << false << true;
    }
    void doubleClickInsertsBeforeTheClickedPiece()
    {
        QFETCH(bool, onLine);
        QFETCH(int, itemType);
        QFETCH(bool, inserts);
        QFETCH(bool, edit);
        TestRuntime rt;
        ViewRig rig;
        rig.lay({D::R3600, D::R3601_R, D::R3600});
        auto *piece = static_cast<DiagramItem *>(rig.itemOf(DiagramItem::eType, 1));
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
        QCOMPARE(rig.scene->mMode, edit ? DiagramScene::Edit : DiagramScene::Append);
    }

    void doubleClickOnRecordBInsertsNothing()
    {
        TestRuntime rt;
        ViewRig rig;
        QVERIFY(rig.scene->appendFourLanePiece(D::R3600R3600, QPointF(1000, 1000)));
        rig.choose(DiagramScene::Move, D::R3600);
        QSignalSpy inserted(rig.scene.get(), &DiagramScene::itemInserted);
        rig.doubleClick(rig.pointOn(rig.itemOf(DiagramItem::eType4, 0)));
        rig.doubleClick(rig.pointOn(rig.itemOf(DiagramPathItem::eType4, 0)));
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(rig.scene->mMode, DiagramScene::Move);
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
        TestRuntime rt;
        ViewRig rig;
        rig.lay({D::R3600, D::R3600, D::R3600});
        rig.scene->setMode(DiagramScene::Mode(mode));
        QSignalSpy moved(rig.scene.get(), &DiagramScene::itemMoved);
        QGraphicsItem *item = rig.itemOf(DiagramItem::eType, pressed);
        const QPointF before = item->pos();
        const QPointF from = rig.pointOn(item);
        QVERIFY(from.x() >= 0);
        rig.drag({from, rig.reached(from + offset)});
        QCOMPARE(moved.count(), 0);
        QCOMPARE(item->pos(), before);
        QCOMPARE(rig.itemOf(DiagramItem::eType, 0)->pos(), QPointF(1000, 1000));
    }

    void fourLaneClickLaysBothPairsWhereClicked()
    {
        TestRuntime rt;
        ViewRig rig;
        rig.choose(DiagramScene::Append4, D::R3601R3610_R);
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        rig.click(QPointF(1000, 1000));
        QTRY_COMPARE(appended.count(), 3);
        const QPointF pos = rig.reached(QPointF(1000, 1000));
        QCOMPARE(rig.recordA.mPieces.at(0).mOrigin, pos);
        // One track width beside it, at the file's hundredths.
        QCOMPARE(rig.recordB.mPieces.at(0).mOrigin,
                 QPointF(pos.x(), std::round((pos.y() - 178 * kScale) * 100) / 100));
        QCOMPARE(rig.scene->mMode, DiagramScene::Append4);
        QCOMPARE(rig.scene->mRecord, &rig.recordA);
    }

    void fourLaneClickOnAnOccupiedSpotDoesNothing()
    {
        TestRuntime rt;
        ViewRig rig;
        DiagramItem *piece = rig.append(D::R3600);
        rig.choose(DiagramScene::Append4, D::R3600R3600);
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        rig.click(rig.pointOn(piece));
        QTest::qWait(kAfterClickMs);
        QCOMPARE(appended.count(), 0);
        QVERIFY(rig.recordB.mPieces.isEmpty());
    }

    void doubleClickWritesTheseLogLines()
    {
        TestRuntime rt;
        {
            ViewRig rig;
            rig.choose(DiagramScene::Append, D::R3600);
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
