#include "support/SceneRig.h"
#include "support/TestRuntime.h"

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

// Every item of one lane pair, pieces and lane lines.
QSet<QGraphicsItem *> pairItems(const ReplayRig &aRig, bool aSecond)
{
    const QList<QGraphicsItem *> items =
        aRig.itemsOf(aSecond ? DiagramItem::eType4 : DiagramItem::eType) +
        aRig.itemsOf(aSecond ? DiagramPathItem::eType4 : DiagramPathItem::eType);
    return QSet<QGraphicsItem *>(items.begin(), items.end());
}

} // namespace

// Laying a chain again after its list changed: positions as a fresh chain,
// one lane pair at a time, items gone elsewhere, the logs, entries the
// catalog does not know.
class ReplayTest : public QObject
{
    Q_OBJECT
private slots:
    void replayGivesExactlyTheFreshChain()
    {
        TestRuntime rt;
        ReplayRig rig;
        rig.lay(kMixedChain);
        TypeList types = kMixedChain;
        LayoutRecord &r = rig.recordA;
        const QPointF firstPt(2345.5, 777.25);
        r.mFirstPt = firstPt;
        // Where the inserted entry was laid does not matter: the replay lays it.
        r.mPieces.insert(4, PlacedPiece(QStringLiteral("R3601_R"), rig.catalog.findIndex("R3601_R"),
                                        D::R3601_R, QPointF(), 0, 0.25));
        types.insert(4, D::R3601_R);
        rig.scene->rebuildRecord(&r, 0, false);

        const LayoutRecord want = freshChain(types, firstPt);
        QCOMPARE(r.mPieces.size(), want.mPieces.size());
        for (int i = 0; i < want.mPieces.size(); ++i)
            compareLaid(r.mPieces.at(i), want.mPieces.at(i), i);
        QCOMPARE(r.mForwardPt, want.mForwardPt);
        // One piece and two lane lines per entry, where the entry says.
        QCOMPARE(rig.scene->items().size(), 3 * types.size());
        for (int i = 0; i < types.size(); ++i)
            QCOMPARE(rig.itemsOf(DiagramItem::eType, i).value(0)->pos(), r.mPieces.at(i).mOrigin);
    }

    void replayOfRecordBLeavesRecordAAlone()
    {
        TestRuntime rt;
        ReplayRig rig;
        rig.recordA.mLanes = 4;
        for (int type : {D::R3600R3600, D::R3601R3610_R, D::R3609R3609})
            QVERIFY(rig.scene->appendFourLanePiece(type, QPointF(1000, 1000)));
        // Freed items' addresses may come back: the items are told apart by a mark.
        const QSet<QGraphicsItem *> itemsA = pairItems(rig, false);
        for (QGraphicsItem *item : itemsA + pairItems(rig, true))
            item->setData(0, QStringLiteral("before"));
        const LayoutRecord wantB = rig.recordB;

        rig.recordB.mPieces.insert(1, wantB.mPieces.at(0));
        rig.recordB.mPieces[1].mDeleted = true;
        rig.scene->rebuildRecord(&rig.recordB, 1, false);

        // Record A's items are untouched.
        QCOMPARE(rig.scene->mRecord, &rig.recordA);
        QCOMPARE(pairItems(rig, false), itemsA);
        for (QGraphicsItem *item : itemsA)
            QCOMPARE(item->data(0).toString(), QString("before"));

        // Record B is laid again, lanes 3 and 4, from its own first point.
        QCOMPARE(rig.recordB.mPieces.size(), wantB.mPieces.size());
        for (int i = 0; i < wantB.mPieces.size(); ++i)
            compareLaid(rig.recordB.mPieces.at(i), wantB.mPieces.at(i), i);
        const QSet<QGraphicsItem *> newItemsB = pairItems(rig, true);
        QCOMPARE(newItemsB.size(), 3 * wantB.mPieces.size());
        for (QGraphicsItem *item : newItemsB)
            QVERIFY(item->data(0).toString().isEmpty());
    }

    void itemsDestroyedOrTakenAwayElsewhereAreNoTrouble_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("delete command destroys a piece and marks it") << "delete";
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
            delete rig.itemsOf(DiagramItem::eType, 2).value(0);
            delete rig.itemsOf(DiagramPathItem::eType, 2).value(0);
            r.mPieces[2].mDeleted = true;
            kept.removeAt(2);
        } else {
            taken.reset(rig.itemsOf(DiagramItem::eType, 2).value(0));
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
        }
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
    }

    void attachmentHooksRunAroundTheDrawing()
    {
        TestRuntime rt;
        ReplayRig rig;
        for (int i = 0; i < 3; ++i)
            QVERIFY(rig.scene->appendFourLanePiece(D::R3600R3600, QPointF(1000, 1000)));
        LayoutRecord *record = &rig.recordB;
        const int pieceKind = DiagramItem::eType4;
        QStringList calls;
        rig.scene->mDeleteAttachments = [&](int aKind) {
            calls << QStringLiteral("delete %1 items %2")
                         .arg(aKind)
                         .arg(rig.itemsOf(pieceKind).size());
        };
        rig.scene->mRestoreAttachments = [&](LayoutRecord *aRecord) {
            calls << QStringLiteral("restore %1 items %2")
                         .arg(aRecord == record)
                         .arg(rig.itemsOf(pieceKind).size());
        };
        rig.scene->rebuildRecord(record, 0, false);
        QCOMPARE(calls, QStringList({QStringLiteral("delete %1 items 0").arg(pieceKind),
                                     QStringLiteral("restore 1 items 3")}));
    }

    void replayWritesTheseLogLines()
    {
        TestRuntime rt;
        QPointF end;
        {
            ReplayRig rig;
            rig.lay({D::R3600, D::R3601_R});
            // Only the replay's own lines are wanted.
            rig.build.close();
            rig.build.open("../logs/build.log");
            rig.recordA.mFirstPt = QPointF(2000, 2000);
            rig.scene->rebuildRecord(&rig.recordA, 1, false);
            end = rig.recordA.mForwardPt;
        }
        const QString log = QString::fromLatin1(rt.read("logs/build.log"));
        QVERIFY(log.startsWith("rebuildTrackGraphic()\n"
                               "   aStartIndex 1\n"
                               "   num track pieces 2\n"
                               "   num scene items 6\n"
                               "rebuildTrackGraphic()   index 0   type   0\n"
                               "   mForwardPt 2000.00  2000.00\n"));
        QVERIFY(log.contains("replace piece   index 1  list size 2\n"
                             "   mForwardPt 2064.17 2000.00\n"));
        QVERIFY(log.endsWith(
            QString("exit rebuildTrackGraphic()\n"
                    "   mForwardPt %1  %2\n"
                    "   mForwardAngle 60.00\n"
                    "   mNextIndex 2\n\n")
                .arg(QString::asprintf("%.2lf", end.x()), QString::asprintf("%.2lf", end.y()))));
    }

    void unknownEntriesStayAndAreSkipped()
    {
        TestRuntime rt;
        ReplayRig rig;
        rig.lay({D::R3601_R, D::R3600, D::R3600});
        LayoutRecord &r = rig.recordA;
        // As read from a file with a part number this program does not know.
        r.mPieces[1] = PlacedPiece(QStringLiteral("R9876"), -1, -1, QPointF(), 0, 0.25);
        rig.scene->rebuildRecord(&r, 1, false);

        QCOMPARE(r.mPieces.size(), 3);
        QCOMPARE(r.mPieces.at(1).mPartNumber, QString("R9876"));
        QCOMPARE(rig.itemsOf(DiagramItem::eType).size(), 2);
        QVERIFY(rig.itemsOf(DiagramItem::eType, 1).isEmpty());
        // The chain goes on from the last piece drawn.
        QCOMPARE(r.mPieces.at(2).mOrigin, r.mPieces.at(0).mNextPt);
    }
};

QTEST_MAIN(ReplayTest)
#include "test_replay.moc"
