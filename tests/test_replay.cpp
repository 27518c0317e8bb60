#include "support/SceneRig.h"
#include "support/TestRuntime.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using D = DiagramTypeBase;
using TypeList = QList<DiagramTypeBase::DiagramType>;

namespace {

const TypeList kMixedChain{D::R3600,   D::R3601_R, D::R3609,   D::R3621_L, D::R3610_R,
                           D::R3602_R, D::R3620dc, D::R3601_L, D::R3608,   D::R3604_R};

using ReplayRig = SceneRig;

// Everything a replay must give an entry, compared exactly.
void compareLaid(const PlacedPiece &aGot, const PlacedPiece &aWant, int aIndex)
{
    const QByteArray where = QByteArray::number(aIndex);
    QVERIFY2(aGot.mPartNumber == aWant.mPartNumber && aGot.mItemType == aWant.mItemType &&
                 aGot.mOrigin == aWant.mOrigin && aGot.mAngle == aWant.mAngle &&
                 aGot.mNextPt == aWant.mNextPt && aGot.mNextAngle == aWant.mNextAngle &&
                 aGot.mLaneSwapIn == aWant.mLaneSwapIn && aGot.mLaneSwapOut == aWant.mLaneSwapOut &&
                 aGot.mLevel == aWant.mLevel && !aGot.mDeleted,
             where);
}

// The record that laying aTypes afresh at aFirst gives.
LayoutRecord freshChain(const TypeList &aTypes, QPointF aFirst)
{
    ReplayRig fresh;
    fresh.lay(aTypes, aFirst);
    return fresh.recordA;
}

} // namespace

// Laying a chain again after its list changed: positions as a fresh chain,
// one lane pair at a time, items gone elsewhere, the logs, entries the
// catalog does not know.
class ReplayTest : public QObject
{
    Q_OBJECT
private slots:
    void replayGivesExactlyTheFreshChain_data()
    {
        QTest::addColumn<QPointF>("firstPt");
        QTest::addColumn<int>("insertAt");
        QTest::newRow("moved first point") << QPointF(2345.5, 777.25) << -1;
        QTest::newRow("inserted in the middle") << QPointF(1000, 1000) << 4;
    }
    void replayGivesExactlyTheFreshChain()
    {
        QFETCH(QPointF, firstPt);
        QFETCH(int, insertAt);
        TestRuntime rt;
        ReplayRig rig;
        rig.lay(kMixedChain);
        TypeList types = kMixedChain;
        LayoutRecord &r = rig.recordA;
        r.mFirstPt = firstPt;
        if (insertAt >= 0) {
            // Where the inserted entry was laid does not matter: the replay lays it.
            r.mPieces.insert(insertAt, PlacedPiece(QStringLiteral("R3601_R"),
                                                   rig.catalog.findIndex("R3601_R"), D::R3601_R,
                                                   QPointF(), 0, 0.25));
            types.insert(insertAt, D::R3601_R);
        }
        rig.scene->rebuildRecord(&r, qMax(insertAt, 0), false);

        const LayoutRecord want = freshChain(types, firstPt);
        QCOMPARE(r.mPieces.size(), want.mPieces.size());
        for (int i = 0; i < want.mPieces.size(); ++i)
            compareLaid(r.mPieces.at(i), want.mPieces.at(i), i);
        QCOMPARE(r.mForwardPt, want.mForwardPt);
        QCOMPARE(r.mForwardAngle, want.mForwardAngle);
        QCOMPARE(r.mLaneSwap, want.mLaneSwap);
        QCOMPARE(r.mNextIndex, types.size());
        QVERIFY(!r.mFirst);

        // One piece and two lane lines per entry, where the entry says.
        const auto pieces = rig.itemsByIndex(DiagramItem::eType);
        const auto lines = rig.itemsByIndex(DiagramPathItem::eType);
        QCOMPARE(pieces.size(), types.size());
        QCOMPARE(lines.size(), 2 * types.size());
        QCOMPARE(rig.scene->items().size(), 3 * types.size());
        for (int i = 0; i < types.size(); ++i) {
            QCOMPARE(pieces.values(i).size(), 1);
            QCOMPARE(pieces.value(i)->pos(), r.mPieces.at(i).mOrigin);
            QCOMPARE(pieces.value(i)->rotation(), r.mPieces.at(i).mAngle);
            QCOMPARE(lines.values(i).size(), 2);
        }
        // The first piece keeps the first piece's colour, no other does.
        QCOMPARE(static_cast<DiagramItem *>(pieces.value(0))->brush().color(),
                 rig.scene->mFirstPieceFill);
        QCOMPARE(static_cast<DiagramItem *>(pieces.value(1))->brush().color(),
                 rig.scene->mPieceFill);
        QCOMPARE(rig.scene->mRecord, &rig.recordA);
    }

    void replayOfRecordBLeavesRecordAAlone()
    {
        TestRuntime rt;
        QLineEdit posX, posY, ang, index;
        LayoutScreen screen;
        screen.mCurrentPosXLineEdit = &posX;
        screen.mCurrentPosYLineEdit = &posY;
        screen.mCurrentAngLineEdit = &ang;
        screen.mCurrentIndexLineEdit = &index;
        ReplayRig rig(2, &screen);
        rig.recordA.mLanes = 4;
        for (int type : {D::R3600R3600, D::R3601R3610_R, D::R3609R3609})
            QVERIFY(rig.scene->appendFourLanePiece(type, QPointF(1000, 1000)));
        // An item that is not part of any chain.
        auto *loose = new DiagramItem(&rig.build, &rig.debug, D::R3600, nullptr, &rig.catalog, -1,
                                      true, QString());
        rig.scene->addItem(loose);
        // Freed items' addresses may come back: the items are told apart by a mark.
        const QSet<QGraphicsItem *> itemsA = rig.pairItems(false);
        for (QGraphicsItem *item : itemsA + rig.pairItems(true))
            item->setData(0, QStringLiteral("before"));
        const LayoutRecord beforeA = rig.recordA;
        const LayoutRecord wantB = rig.recordB;

        rig.recordB.mPieces.insert(1, wantB.mPieces.at(0));
        rig.recordB.mPieces[1].mDeleted = true;
        rig.scene->rebuildRecord(&rig.recordB, 1, false);

        // Record A's entries, end and items are untouched.
        QCOMPARE(rig.scene->mRecord, &rig.recordA);
        QCOMPARE(rig.recordA.mNextIndex, beforeA.mNextIndex);
        QCOMPARE(rig.recordA.mForwardPt, beforeA.mForwardPt);
        for (int i = 0; i < beforeA.mPieces.size(); ++i)
            compareLaid(rig.recordA.mPieces.at(i), beforeA.mPieces.at(i), i);
        QCOMPARE(rig.pairItems(false), itemsA);
        for (QGraphicsItem *item : itemsA)
            QCOMPARE(item->data(0).toString(), QString("before"));
        QVERIFY(rig.scene->items().contains(loose));

        // Record B is laid again, lanes 3 and 4, from its own first point.
        QCOMPARE(rig.recordB.mPieces.size(), wantB.mPieces.size());
        for (int i = 0; i < wantB.mPieces.size(); ++i)
            compareLaid(rig.recordB.mPieces.at(i), wantB.mPieces.at(i), i);
        const QSet<QGraphicsItem *> newItemsB = rig.pairItems(true);
        QCOMPARE(newItemsB.size(), 3 * wantB.mPieces.size() + 1);
        for (QGraphicsItem *item : newItemsB)
            QCOMPARE(item->data(0).toString(), QString(item == loose ? "before" : ""));
        // The tab shows the replayed record's end once it is laid.
        QCOMPARE(posX.text(), QString::asprintf("%.2lf", rig.recordB.mForwardPt.x()));
        QCOMPARE(posY.text(), QString::asprintf("%.2lf", rig.recordB.mForwardPt.y()));
        QCOMPARE(index.text(), QString::number(rig.recordB.mPieces.size()));
    }

    void itemsDestroyedOrTakenAwayElsewhereAreNoTrouble_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("delete command destroys a piece and marks it") << "delete";
        QTest::newRow("scene cleared") << "clear";
        QTest::newRow("piece taken out of the scene") << "take";
    }
    void itemsDestroyedOrTakenAwayElsewhereAreNoTrouble()
    {
        QFETCH(QString, what);
        TestRuntime rt;
        ReplayRig rig;
        rig.lay(kMixedChain.mid(0, 5));
        LayoutRecord &r = rig.recordA;
        std::unique_ptr<QGraphicsItem> taken;
        TypeList kept = kMixedChain.mid(0, 5);
        if (what == "delete") {
            delete rig.itemsByIndex(DiagramItem::eType).value(2);
            delete rig.itemsByIndex(DiagramPathItem::eType).value(2);
            r.mPieces[2].mDeleted = true;
            kept.removeAt(2);
        } else if (what == "clear") {
            rig.scene->clear();
        } else {
            taken.reset(rig.itemsByIndex(DiagramItem::eType).value(2));
            rig.scene->removeItem(taken.get());
        }
        rig.scene->rebuildRecord(&r, 0, false);

        const LayoutRecord want = freshChain(kept, QPointF(1000, 1000));
        QCOMPARE(r.mPieces.size(), kept.size());
        for (int i = 0; i < kept.size(); ++i)
            compareLaid(r.mPieces.at(i), want.mPieces.at(i), i);
        QCOMPARE(rig.scene->items().size(), 3 * kept.size());
        if (taken) {
            // Not the replay's to destroy; it stays usable and goes quietly.
            QVERIFY(!taken->scene());
            QCOMPARE(static_cast<DiagramItem *>(taken.get())->mIndex, 2);
        }
        // A second replay finds its list in order after all that.
        rig.scene->rebuildRecord(&r, 0, false);
        QCOMPARE(rig.scene->items().size(), 3 * kept.size());
    }

    void itemsPutOnAPairListGoWithThatPairOnly()
    {
        TestRuntime rt;
        ReplayRig rig;
        QVERIFY(rig.scene->appendFourLanePiece(D::R3601R3610_R, QPointF(1000, 1000)));
        // As an attachment's graphic would be, on a piece of each pair.
        auto *onA = new DiagramItem(&rig.build, &rig.debug, D::R3605_R, nullptr, &rig.catalog, 0,
                                    false, QString());
        auto *onB = new DiagramItem(&rig.build, &rig.debug, D::R3611_R, nullptr, &rig.catalog, 1,
                                    true, QString());
        for (DiagramItem *item : {onA, onB}) {
            rig.scene->addItem(item);
            rig.scene->addChainItem(item);
            item->setData(0, QStringLiteral("extra"));
        }
        rig.scene->rebuildRecord(&rig.recordB, 0, false);
        int extras = 0;
        for (QGraphicsItem *item : rig.scene->items())
            extras += item->data(0).toString() == "extra" ? 1 : 0;
        QCOMPARE(extras, 1);
        QVERIFY(rig.scene->items().contains(onA));
        rig.scene->rebuildRecord(&rig.recordA, 0, false);
        QCOMPARE(rig.scene->items().size(), 3 * 3);
    }

    void replayAnnouncesNoPieceAndResetsLaneLengths()
    {
        TestRuntime rt;
        ReplayRig rig;
        rig.lay(kMixedChain.mid(0, 3));
        rig.recordA.mLaneLength = {{5.0, 6.0, 7.0, 8.0}};
        QSignalSpy appended(rig.scene.get(), &DiagramScene::itemAppended);
        rig.scene->rebuildRecord(&rig.recordA, 0, false);
        QCOMPARE(appended.count(), 0);
        QCOMPARE(rig.recordA.mLaneLength[0], 0.0);
        QCOMPARE(rig.recordA.mLaneLength[1], 0.0);
        // Appending afterwards is announced as ever.
        rig.lay({D::R3600});
        QCOMPARE(appended.count(), 1);
    }

    void attachmentHooksRunAroundTheDrawing_data()
    {
        QTest::addColumn<bool>("secondPair");
        QTest::newRow("record A") << false;
        QTest::newRow("record B") << true;
    }
    void attachmentHooksRunAroundTheDrawing()
    {
        QFETCH(bool, secondPair);
        TestRuntime rt;
        ReplayRig rig;
        for (int i = 0; i < 3; ++i)
            QVERIFY(rig.scene->appendFourLanePiece(D::R3600R3600, QPointF(1000, 1000)));
        LayoutRecord *record = secondPair ? &rig.recordB : &rig.recordA;
        const int pieceKind = secondPair ? DiagramItem::eType4 : DiagramItem::eType;
        QStringList calls;
        rig.scene->mDeleteAttachments = [&](int aKind) {
            calls << QStringLiteral("delete %1 items %2")
                         .arg(aKind)
                         .arg(rig.itemsByIndex(pieceKind).size());
        };
        rig.scene->mRestoreAttachments = [&](LayoutRecord *aRecord) {
            calls << QStringLiteral("restore %1 items %2")
                         .arg(aRecord == record)
                         .arg(rig.itemsByIndex(pieceKind).size());
        };
        rig.scene->rebuildRecord(record, 0, false);
        QCOMPARE(calls, QStringList({QStringLiteral("delete %1 items 0").arg(pieceKind),
                                     QStringLiteral("restore 1 items 3")}));
    }

    void replayWritesTheseLogLines()
    {
        TestRuntime rt;
        QPointF end;
        QRectF bounds;
        {
            ReplayRig rig;
            rig.lay({D::R3600, D::R3601_R});
            // Only the replay's own lines are wanted.
            rig.build.close();
            rig.build.open("../logs/build.log");
            rig.debug.close();
            rig.debug.open("../logs/debug.log");
            rig.recordA.mFirstPt = QPointF(2000, 2000);
            rig.scene->rebuildRecord(&rig.recordA, 1, false);
            end = rig.recordA.mForwardPt;
            bounds = rig.scene->itemsBoundingRect();
        }
        const QString item = "DiagramItem() constructor, eType = 65551, eType4 = 65552\n";
        const QString endX = QString::asprintf("%.2lf", end.x());
        const QString endY = QString::asprintf("%.2lf", end.y());
        const QString want = "rebuildTrackGraphic()\n"
                             "   aStartIndex 1\n"
                             "   num track pieces 2\n"
                             "   num scene items 6\n"
                             "rebuildTrackGraphic()   index 0   type   0\n"
                             "   mForwardPt 2000.00  2000.00\n"
                             "   mForwardAngle 0.00\n"
                             "   mNextIndex 0\n"
                             "appendTrackPiece(): aAdd 0   aItemType 0   (2000.00  2000.00)"
                             "  elev 0.25   lanes34 0\n"
                             "   mForwardPt 2000.00 2000.00\n"
                             "   mForwardAngle 0.00\n"
                             "   mNextIndex 0\n" +
                             item +
                             "replace piece   index 1  list size 2\n"
                             "   mForwardPt 2064.17 2000.00\n"
                             "   mForwardAngle 0.00\n"
                             "   mNextIndex 1\n"
                             "rebuildTrackGraphic()   index 1   type   9\n"
                             "   mForwardPt 2064.17  2000.00\n"
                             "   mForwardAngle 0.00\n"
                             "   mNextIndex 1\n"
                             "appendTrackPiece(): aAdd 0   aItemType 9   (2000.00  2000.00)"
                             "  elev 0.25   lanes34 0\n"
                             "   mForwardPt 2064.17 2000.00\n"
                             "   mForwardAngle 0.00\n"
                             "   mNextIndex 1\n" +
                             item + "replace piece   index 2  list size 2\n" +
                             QString("   mForwardPt %1 %2\n").arg(endX, endY) +
                             "   mForwardAngle 60.00\n"
                             "   mNextIndex 2\n"
                             "exit rebuildTrackGraphic()\n" +
                             QString("   mForwardPt %1  %2\n").arg(endX, endY) +
                             "   mForwardAngle 60.00\n"
                             "   mNextIndex 2\n"
                             "\n";
        QCOMPARE(QString::fromLatin1(rt.read("logs/build.log")), want);
        const QByteArray boxLine = QByteArray("rebuildTrackGraphic(): bounding box: ") +
                                   QByteArray::number(bounds.width(), 'f', 2) + " x " +
                                   QByteArray::number(bounds.height(), 'f', 2) + "\n";
        QVERIFY(rt.read("logs/debug.log").endsWith(boxLine));
    }

    void unknownEntriesStayAndAreSkipped_data()
    {
        QTest::addColumn<int>("itemType");
        QTest::addColumn<int>("dbIndex");
        QTest::newRow("item type -1") << -1 << -1;
        QTest::newRow("catalog index -1") << int(D::R3600) << -1;
    }
    void unknownEntriesStayAndAreSkipped()
    {
        QFETCH(int, itemType);
        QFETCH(int, dbIndex);
        TestRuntime rt;
        ReplayRig rig;
        rig.lay({D::R3601_R, D::R3600, D::R3600});
        LayoutRecord &r = rig.recordA;
        // As read from a file with a part number this program does not know.
        r.mPieces[1] = PlacedPiece(QStringLiteral("R9876"), dbIndex, itemType, QPointF(), 0, 0.25);
        rig.scene->rebuildRecord(&r, 1, false);

        QCOMPARE(r.mPieces.size(), 3);
        QCOMPARE(r.mPieces.at(1).mPartNumber, QString("R9876"));
        QCOMPARE(r.mPieces.at(1).mItemType, itemType);
        QCOMPARE(r.mNextIndex, 3);
        const auto pieces = rig.itemsByIndex(DiagramItem::eType);
        QCOMPARE(pieces.size(), 2);
        QVERIFY(!pieces.contains(1));
        QVERIFY(rig.itemsByIndex(DiagramPathItem::eType).values(1).isEmpty());
        // The chain goes on from the last piece drawn.
        QCOMPARE(r.mPieces.at(2).mOrigin, r.mPieces.at(0).mNextPt);
        QCOMPARE(r.mPieces.at(2).mAngle, 60.0);
        QCOMPARE(pieces.value(2)->pos(), r.mPieces.at(0).mNextPt);
    }
};

QTEST_MAIN(ReplayTest)
#include "test_replay.moc"
