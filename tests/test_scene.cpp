#include "catalog/RevellTrack.h"
#include "common/LogFile.h"
#include "graphics/DiagramPathItem.h"
#include "layout/DiagramScene.h"
#include "layout/LayoutRecord.h"
#include "layout/LayoutScreen.h"
#include "support/RecordingPrompter.h"
#include "support/TestRuntime.h"
#include "support/ViewMouse.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using D = DiagramTypeBase;

namespace {

const QPointF kStart(1000, 1000);

// A layout tab without its window: catalog, record A and its twin B for lanes
// 3 and 4, logs (in the TestRuntime's logs/) and scene; once shown, the scene
// sits in a real view driven by mouse events on its viewport.
struct Rig : ViewMouse
{
    explicit Rig(LayoutScreen *aScreen = nullptr)
    {
        build.open("../logs/build.log");
        debug.open("../logs/debug.log");
        b.mFirstPair = false;
        b.mSecondPair = true;
        scene = std::make_unique<DiagramScene>(nullptr, &catalog, &a, &b, aScreen, &build, &debug);
    }
    bool show()
    {
        scene->setSceneRect(0, 0, 5000, 5000);
        view = std::make_unique<QGraphicsView>(scene.get());
        mView = view.get();
        view->resize(800, 600);
        view->show();
        const bool exposed = QTest::qWaitForWindowExposed(view.get());
        view->centerOn(kStart);
        // Longer than the click delay, so that a single click has acted.
        mWaitMs = 300;
        return exposed;
    }
    // Appends to record A, as clicks do.
    void lay(const QList<D::DiagramType> &aTypes)
    {
        for (D::DiagramType type : aTypes)
            scene->appendTrackPiece(true, type, kStart, 0.25, false);
    }
    void layFour(const QList<int> &aTypes)
    {
        for (int type : aTypes)
            QVERIFY(scene->appendFourLanePiece(type, kStart));
    }
    // Every item of one lane pair, pieces and lane lines.
    QSet<QGraphicsItem *> pairItems(int aPair) const
    {
        QSet<QGraphicsItem *> found;
        for (QGraphicsItem *item : scene->items()) {
            if (item->type() == PieceKinds::pieceItemKind(aPair) ||
                item->type() == PieceKinds::laneItemKind(aPair))
                found << item;
        }
        return found;
    }
    // The topmost lane line of piece aIndex of one pair.
    QGraphicsItem *laneLine(int aPair, int aIndex) const
    {
        for (QGraphicsItem *item : scene->items()) {
            if (item->type() == PieceKinds::laneItemKind(aPair) &&
                static_cast<DiagramPathItem *>(item)->mIndex == aIndex)
                return item;
        }
        return nullptr;
    }

    RecordingPrompter prompter;
    RevellTrack catalog;
    LogFile build;
    LogFile debug;
    LayoutRecord a =
        LayoutRecord(QStringLiteral("unnamed1"), 4, 178.0,
                     {{QBrush(Qt::red), QBrush(Qt::green), QBrush(Qt::blue), QBrush(Qt::yellow)}});
    LayoutRecord b = a;
    std::unique_ptr<DiagramScene> scene;
    std::unique_ptr<QGraphicsView> view;
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

    // Logs are compared with their golden files byte for byte. The tab shows
    // the chain's end after the replay as after each piece.
    void appendAndReplayWriteTheirBuildLogLines()
    {
        {
            QLineEdit ang, index;
            LayoutScreen screen;
            screen.mCurrentAngLineEdit = &ang;
            screen.mCurrentIndexLineEdit = &index;
            Rig rig(&screen);
            rig.lay({D::R3600, D::R3601_R});
            rig.a.mFirstPt = QPointF(2000, 2000);
            ang.clear();
            rig.scene->rebuildRecord(&rig.a, 1, false);
            QCOMPARE(ang.text(), QString("60"));
            QCOMPARE(index.text(), QString("2"));
        }
        const QString why = fixtureDifference("scene_build.log", rt->read("logs/build.log"));
        QVERIFY2(why.isEmpty(), qPrintable(why));
        // Each item announces itself on the debug log as well.
        QVERIFY(rt->read("logs/debug.log").contains("DiagramItem() constructor, eType = 65551"));
    }

    // A replay lays the record's own kinds; the next click must still lay the
    // piece the toolbox shows.
    void replayDrawsEachEntryOnceWhereItLiesAndKeepsTheToolboxChoice()
    {
        Rig rig;
        rig.lay({D::R3601_R, D::R3600, D::R3609, D::R3600});
        LayoutRecord &r = rig.a;
        r.mFirstPt = QPointF(2345.5, 777.25);
        r.mPieces[1] = PlacedPiece(QStringLiteral("R9876"), -1, -1, QPointF(), 0, 0.25);
        r.mPieces[2].mDeleted = true;
        rig.scene->setItemType(D::R3621_L);
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        rig.scene->rebuildRecord(&r, 1, false);
        QCOMPARE(rig.scene->mItemType, D::R3621_L);
        // The unknown entry stays but is not drawn; the deleted one is gone.
        QCOMPARE(rig.scene->items().size(), 2 * 3);
        QVERIFY(!rig.scene->pieceItem(0, 1));
        for (int i : {0, 2}) {
            QCOMPARE(rig.scene->pieceItem(0, i)->pos(), r.mPieces.at(i).mOrigin);
            QCOMPARE(rig.laneLine(0, i)->pos(), r.mPieces.at(i).mOrigin);
        }
        // The caller refreshes once, after the replay.
        QCOMPARE(appended.count(), 0);
    }

    // Only the replayed pair's items are taken down and laid again, with the
    // attachment hooks around the drawing: before it with that pair's kind,
    // after it with the record. A delete command destroys items itself, and
    // an item may leave the scene another way: neither troubles the next
    // replay, and an attachment's item put on a pair's list goes with that
    // pair only.
    void replayOfOnePairLeavesTheOtherAloneAndItemsGoneElsewhereAreNoTrouble()
    {
        Rig rig;
        rig.layFour({D::R3600R3600, D::R3601R3610_R, D::R3609R3609});
        delete rig.scene->pieceItem(0, 1);
        rig.a.mPieces[1].mDeleted = true;
        std::unique_ptr<QGraphicsItem> taken(rig.laneLine(0, 0));
        rig.scene->removeItem(taken.get());
        for (bool lanes34 : {false, true}) {
            auto *item = new DiagramItem(&rig.build, &rig.debug, D::R3605_R, nullptr, &rig.catalog,
                                         0, lanes34, QString());
            rig.scene->addItem(item);
            rig.scene->addChainItem(item);
        }
        // Freed items' addresses may come back: the items are told apart by a mark.
        const QSet<QGraphicsItem *> itemsA = rig.pairItems(0);
        for (QGraphicsItem *item : rig.scene->items())
            item->setData(0, QStringLiteral("before"));
        QList<int> calls; // pair kind or record B, then items of pair B
        rig.scene->mDeleteAttachments = [&](int aKind) {
            calls << aKind << rig.pairItems(1).size();
        };
        rig.scene->mRestoreAttachments = [&](LayoutRecord *aRecord) {
            calls << (aRecord == &rig.b) << rig.pairItems(1).size();
        };
        rig.b.mPieces[1].mDeleted = true;
        rig.scene->rebuildRecord(&rig.b, 1, false);

        QCOMPARE(calls, QList<int>({DiagramItem::eType4, 0, true, 9}));
        QCOMPARE(rig.pairItems(0), itemsA);
        for (QGraphicsItem *item : itemsA)
            QCOMPARE(item->data(0).toString(), QString("before"));
        const QSet<QGraphicsItem *> itemsB = rig.pairItems(1);
        QCOMPARE(itemsB.size(), 3 * rig.b.mPieces.size());
        for (QGraphicsItem *item : itemsB)
            QVERIFY(item->data(0).toString().isEmpty());
        rig.scene->rebuildRecord(&rig.a, 0, false);
        QCOMPARE(rig.scene->items().size(), 3 * (2 + 3));
        QVERIFY(!taken->scene());
    }

    // ---- the mouse -------------------------------------------------------

    // A four-lane click lays both pairs where it lands and keeps the
    // selection, but nothing on a piece; a click acts only once the
    // double-click delay is over, and a double click on open ground lays
    // nothing.
    void clicksLayOnlyOnOpenGroundOnceTheDelayIsOver()
    {
        Rig rig;
        QVERIFY(rig.show());
        rig.scene->setMode(DiagramScene::Append4);
        rig.scene->setItemType(D::R3601R3610_R);
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        QTest::mouseClick(rig.viewport(), Qt::LeftButton, {}, rig.toView(kStart));
        QCOMPARE(rig.a.mPieces.size(), 0);
        QTRY_COMPARE(appended.count(), 3);
        QCOMPARE(rig.a.mPieces.at(0).mOrigin, rig.reached(kStart));
        QCOMPARE(rig.scene->mItemType, D::R3601R3610_R);
        rig.click(rig.pointOn(rig.scene->pieceItem(0, 0)));
        rig.scene->setMode(DiagramScene::Append);
        rig.scene->setItemType(D::R3600);
        rig.doubleClick(QPointF(1200, 800));
        QCOMPARE(appended.count(), 3);
        rig.click(QPointF(1200, 800));
        QCOMPARE(appended.count(), 4);
    }

    // In Append mode a click on a piece or its lane line replaces the piece in
    // the clicked pair's record; a double click inserts a track piece before
    // it instead, and its first click never replaces.
    void clicksOnAPieceReplaceOrInsertInTheClickedPair_data()
    {
        QTest::addColumn<int>("pair");
        QTest::addColumn<bool>("onLine");
        QTest::addColumn<int>("itemType");
        QTest::addColumn<QString>("done");
        QTest::newRow("click, lane line of B") << 1 << true << int(D::R3601_L) << "replaced";
        QTest::newRow("double click, lane line") << 0 << true << int(D::R3621_L) << "inserted";
        QTest::newRow("double click, apron chosen") << 0 << false << int(D::R3603R_FU) << "";
    }
    void clicksOnAPieceReplaceOrInsertInTheClickedPair()
    {
        QFETCH(int, pair);
        QFETCH(bool, onLine);
        QFETCH(int, itemType);
        QFETCH(QString, done);
        const bool twice = done != "replaced";
        Rig rig;
        QVERIFY(rig.show());
        rig.layFour({D::R3600R3600, D::R3600R3600, D::R3600R3600});
        DiagramItem *piece = rig.scene->pieceItem(pair, 1);
        const QPointF spot = rig.pointOn(onLine ? rig.laneLine(pair, 1) : piece);
        QVERIFY2(spot.x() >= 0, "no point where the item is on top");
        rig.scene->setMode(DiagramScene::Append);
        rig.scene->setItemType(D::DiagramType(itemType));
        QSignalSpy replaced(rig.scene.get(), &DiagramScene::itemReplaced);
        QSignalSpy inserted(rig.scene.get(), &DiagramScene::itemInserted);
        twice ? rig.doubleClick(spot) : rig.click(spot);
        QSignalSpy &acted = twice ? inserted : replaced;
        QCOMPARE(acted.count(), int(!done.isEmpty()));
        QCOMPARE(replaced.count() + inserted.count(), acted.count());
        if (!done.isEmpty())
            QCOMPARE(acted.at(0).at(0).value<DiagramItem *>(), piece);
        QCOMPARE(rig.b.mPieces.at(1).mPartNumber, QString(twice ? "R3600" : "R3601_L"));
        QCOMPARE(rig.a.mPieces.at(1).mPartNumber, QString("R3600"));
        if (!twice)
            QCOMPARE(rig.scene->mMode, DiagramScene::Edit);
    }

    // Only the first piece is ever dragged, and only in Move mode: passing
    // over it must not carry the pressed piece along.
    void onlyTheFirstPieceInMoveModeIsDragged()
    {
        Rig rig;
        QVERIFY(rig.show());
        rig.lay({D::R3600, D::R3600, D::R3600});
        QSignalSpy moved(rig.scene.get(), &DiagramScene::itemMoved);
        const QPointF second = rig.scene->pieceItem(0, 1)->pos();
        for (const int pressed : {1, 0}) {
            rig.scene->setMode(pressed ? DiagramScene::Move : DiagramScene::Edit);
            const QPointF from = rig.pointOn(rig.scene->pieceItem(0, pressed));
            QVERIFY(from.x() >= 0);
            rig.drag({from, rig.reached(from + QPointF(pressed ? -64 : -100, 0))});
        }
        QCOMPARE(moved.count(), 0);
        QCOMPARE(rig.scene->pieceItem(0, 1)->pos(), second);
        QCOMPARE(rig.scene->pieceItem(0, 0)->pos(), kStart);
    }

    void doubleClickWritesTheseLogLines()
    {
        {
            Rig rig;
            QVERIFY(rig.show());
            rig.scene->setMode(DiagramScene::Append);
            rig.scene->setItemType(D::R3600);
            rig.scene->setShiftKey(true);
            rig.doubleClick(kStart);
        }
        QCOMPARE(rt->read("logs/build.log"), QByteArray("mouseDoubleClickEvent(), button 1\n"));
        QCOMPARE(rt->read("logs/debug.log"),
                 QByteArray("DiagramScene constructor\n"
                            "DiagramScene constructor end\n"
                            "mouseReleaseEvent() mode: 0   drag 0   shift 1\n"
                            "mouseReleaseEvent() mode: 0   drag 0   shift 1\n"));
    }
};

QTEST_MAIN(SceneTest)
#include "test_scene.moc"
