#include "catalog/RevellTrack.h"
#include "graphics/PieceKinds.h"
#include "layout/BankedTurn.h"
#include "layout/Chaining.h"
#include "layout/LayoutEdit.h"
#include "layout/LayoutRecord.h"

#include <QtMath>
#include <QtTest>

using D = DiagramTypeBase;
using TypeList = QList<DiagramTypeBase::DiagramType>;

Q_DECLARE_METATYPE(TypeList)

namespace {

constexpr double k = PieceKinds::kDrawScale;
const QPointF kClick(1000, 1000);
const TypeList kMixedChain{D::R3600,   D::R3601_R, D::R3609,   D::R3621_L, D::R3610_R,
                           D::R3602_R, D::R3620dc, D::R3601_L, D::R3608,   D::R3604_R};

bool near(QPointF aA, QPointF aB, double aTol = 1e-6)
{
    return QLineF(aA, aB).length() < aTol;
}

QStringList parts(const LayoutRecord &aRecord)
{
    QStringList names;
    for (const PlacedPiece &entry : aRecord.mPieces)
        names << entry.mPartNumber;
    return names;
}

QList<int> hosts(const LayoutRecord &aRecord)
{
    QList<int> indexes;
    for (const PlacedPiece &entry : aRecord.mPieces) {
        for (const AttachmentEntry &attachment : entry.mAttachments)
            indexes << attachment.mHostIndex;
    }
    return indexes;
}

} // namespace

// The chain without a scene: where each piece is laid, the angle and parity
// it leaves, the replay of an edited list, and the editing rules themselves.
class ChainTest : public QObject
{
    Q_OBJECT

    RevellTrack mCatalog;

    LayoutRecord laid(const TypeList &aTypes, QPointF aFirst = kClick)
    {
        LayoutRecord record;
        for (D::DiagramType type : aTypes)
            Chaining::layNext(record, mCatalog, type, aFirst, 0.25, true);
        return record;
    }
    // The replay as the scene runs it: every entry rewritten in order.
    void replay(LayoutRecord &aRecord)
    {
        Chaining::prepareReplay(aRecord);
        for (int i = 0; i < aRecord.mPieces.size(); ++i)
            Chaining::layNext(aRecord, mCatalog, aRecord.mPieces.at(i).mItemType,
                              aRecord.mFirstPt, aRecord.mPieces.at(i).mLevel, false);
    }
    AttachmentEntry attachment(const QString &aName, int aHost)
    {
        return AttachmentEntry{aName, mCatalog.findIndex(aName), aHost};
    }

private slots:
    // The piece's lower-left to lower-right vector, turned by the angle the
    // chain had before it: at 90 degrees (x, y) becomes (-y, x).
    void forwardPointRotatesThePieceVectorByTheOldAngle()
    {
        const double inner = 14 * 25.4 - 178.0;
        const QPointF curve(inner * std::sin(M_PI / 3), inner * (1.0 - std::cos(M_PI / 3)));
        const QPointF next = Chaining::forwardPoint(kClick, 90.0, QPointF(0, 0), curve, k);
        QVERIFY(near(next, QPointF(1000 - curve.y() * 5 / 24, 1000 + curve.x() * 5 / 24)));
    }

    void anglesAreReducedOneStepAndShownTruncated()
    {
        QCOMPARE(Chaining::normalisedAngle(360.0), 0.0);
        QCOMPARE(Chaining::normalisedAngle(-300.0), -300.0);
        QCOMPARE(Chaining::normalisedAngle(720.0), 360.0); // one step, not a modulo
        QCOMPARE(Chaining::displayedAngle(29.99), 29);
        QCOMPARE(Chaining::displayedAngle(-29.99), -29);
    }

    // Only the first piece uses the click; the next starts where it ends.
    void straightThenCurveLandWhereTheChainEnds()
    {
        LayoutRecord r;
        Chaining::layNext(r, mCatalog, D::R3600, kClick, 0.25, true);
        const Chaining::Step bend =
            Chaining::layNext(r, mCatalog, D::R3601_R, QPointF(4000, 300), 0.5, true);
        QCOMPARE(r.mFirstPt, kClick);
        QVERIFY(near(bend.mStart, QPointF(1000 + 308 * k, 1000)));
        QCOMPARE(bend.mAngle, 0.0);
        QCOMPARE(bend.mIndex, 1);
        QCOMPARE(r.mForwardAngle, 60.0);
        QCOMPARE(r.mNextIndex, 2);
        QCOMPARE(r.mPieces.at(1).mNextPt, r.mForwardPt);
        QCOMPARE(r.mPieces.at(1).mLevel, 0.5);
        QCOMPARE(r.mPieces.at(1).mPartNumber, QString("R3601_R"));
    }

    void curvesInARowTurnOneStepAtATime_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("angle");
        QTest::addColumn<bool>("closed");
        QTest::newRow("six right close the circle") << int(D::R3601_R) << 6 << 0.0 << true;
        QTest::newRow("six left close it too") << int(D::R3601_L) << 6 << 0.0 << true;
        QTest::newRow("five left stay at -300, not 60") << int(D::R3601_L) << 5 << -300.0 << false;
    }
    void curvesInARowTurnOneStepAtATime()
    {
        QFETCH(int, type);
        QFETCH(int, count);
        QFETCH(double, angle);
        QFETCH(bool, closed);
        TypeList types;
        for (int i = 0; i < count; ++i)
            types << D::DiagramType(type);
        const LayoutRecord r = laid(types);
        QVERIFY(qAbs(r.mForwardAngle - angle) < 1e-9);
        QCOMPARE(near(r.mForwardPt, r.mFirstPt), closed);
    }

    void laneChangeFlipsParityAndASecondRestoresIt()
    {
        const LayoutRecord once = laid({D::R3609, D::R3600});
        QVERIFY(once.mLaneSwap);
        QVERIFY(!once.mPieces.at(0).mLaneSwapIn && once.mPieces.at(0).mLaneSwapOut);
        QVERIFY(once.mPieces.at(1).mLaneSwapIn);
        QVERIFY(!laid({D::R3609, D::R3609}).mLaneSwap);
    }

    void fourLaneSelectionsGiveBothRecordsTheirPieces_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<TypeList>("recordA");
        QTest::addColumn<TypeList>("recordB");
        QTest::newRow("94") << 94 << TypeList{D::R3602_R} << TypeList{D::R3600};
        QTest::newRow("101 right turn: B outside takes two")
            << 101 << TypeList{D::R3601_R} << TypeList{D::R3610_R, D::R3610_R};
        QTest::newRow("102 left turn: A outside takes two")
            << 102 << TypeList{D::R3610_L, D::R3610_L} << TypeList{D::R3601_L};
        QTest::newRow("92 banked selection") << 92 << TypeList{} << TypeList{};
        QTest::newRow("-1 unknown") << -1 << TypeList{} << TypeList{};
    }
    void fourLaneSelectionsGiveBothRecordsTheirPieces()
    {
        QFETCH(int, type);
        QFETCH(TypeList, recordA);
        QFETCH(TypeList, recordB);
        const Chaining::FourLanePlacement placement = Chaining::fourLanePlacement(type);
        QCOMPARE(placement.mRecordA, recordA);
        QCOMPARE(placement.mRecordB, recordB);
        QCOMPARE(PieceKinds::isFourLanePair(type), !recordA.isEmpty());
        // The pairs turn alike, so the strips stay side by side.
        const LayoutRecord a = laid(recordA);
        const LayoutRecord b = laid(recordB, Chaining::secondPairStart(kClick, mCatalog));
        QVERIFY(qAbs(a.mForwardAngle - b.mForwardAngle) < 1e-9);
    }

    void bankedChoiceBecomesEntryCurvesAndExit_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("right 90 deg")
            << "R3625_R"
            << "90 deg" << QStringList{"F8514L_R", "F8517_R", "F8517_R", "F8517_R", "F8519R_R"};
        QTest::newRow("left 30 deg") << "R3625_L"
                                     << "30 deg" << QStringList{"F8519R_L", "F8517_L", "F8514L_L"};
        QTest::newRow("more than eight curves are held to eight")
            << "R3625_R"
            << "3000 deg"
            << QStringList{"F8514L_R", "F8517_R", "F8517_R", "F8517_R", "F8517_R",
                           "F8517_R", "F8517_R", "F8517_R", "F8517_R", "F8519R_R"};
        QTest::newRow("an angle that is no number: no curves")
            << "R3625_L"
            << "deg 90" << QStringList{"F8519R_L", "F8514L_L"};
        QTest::newRow("a plain piece stands for itself") << "R3601_R"
                                                         << "90 deg" << QStringList{"R3601_R"};
    }
    void bankedChoiceBecomesEntryCurvesAndExit()
    {
        QFETCH(QString, choice);
        QFETCH(QString, angle);
        QFETCH(QStringList, pieces);
        QCOMPARE(BankedTurn::expandChoice(choice, angle), pieces);
    }

    void secondPairStartsOneTrackWidthUp()
    {
        // Kept at the hundredths the layout file stores (178 mm is 37.08 units).
        QCOMPARE(Chaining::secondPairStart(kClick, mCatalog), QPointF(1000, 962.92));
    }

    // A type without a catalog piece lays nothing when appended; an entry the
    // catalog does not know (read from a file) keeps its place when replayed
    // and takes no room, so the chain goes on from the last piece laid.
    void unknownPiecesTakeNoRoom()
    {
        LayoutRecord r = laid({D::R3600});
        const QPointF end = r.mForwardPt;
        QVERIFY(!Chaining::layNext(r, mCatalog, -1, QPointF(), 0.25, true).mLaid);
        QCOMPARE(r.mPieces.size(), 1);
        QCOMPARE(r.mForwardPt, end);

        r = laid({D::R3601_R, D::R3600, D::R3600});
        r.mPieces[1] = PlacedPiece(QStringLiteral("R9876"), -1, -1, QPointF(), 0, 0.25);
        replay(r);
        QCOMPARE(parts(r), QStringList({"R3601_R", "R9876", "R3600"}));
        QCOMPARE(r.mPieces.at(1).mOrigin, r.mPieces.at(0).mNextPt);
        QCOMPARE(r.mPieces.at(2).mOrigin, r.mPieces.at(0).mNextPt);
        QCOMPARE(r.mNextIndex, 3);
    }

    // A replay lays every entry as a fresh chain would from the first point,
    // whatever the entries held before, and keeps what each entry is.
    void replayGivesExactlyTheFreshChain()
    {
        LayoutRecord r = laid(kMixedChain);
        TypeList types = kMixedChain;
        const QPointF first(2345.5, 777.25);
        r.mFirstPt = first;
        r.mPieces[1].mAttachments << attachment("R3605_R", 1);
        r.mPieces.insert(4, LayoutEdit::newEntry(mCatalog, "R3601_R", QPointF(), 0, 0.25));
        types.insert(4, D::R3601_R);
        r.mPieces[7].mDeleted = true;
        types.removeAt(7);
        replay(r);

        const LayoutRecord want = laid(types, first);
        QCOMPARE(r.mPieces.size(), want.mPieces.size());
        for (int i = 0; i < want.mPieces.size(); ++i) {
            const PlacedPiece &got = r.mPieces.at(i);
            const PlacedPiece &w = want.mPieces.at(i);
            QVERIFY2(got.mPartNumber == w.mPartNumber && got.mItemType == w.mItemType &&
                         got.mOrigin == w.mOrigin && got.mAngle == w.mAngle &&
                         got.mNextPt == w.mNextPt && got.mNextAngle == w.mNextAngle &&
                         got.mLaneSwapIn == w.mLaneSwapIn && got.mLaneSwapOut == w.mLaneSwapOut &&
                         !got.mDeleted,
                     qPrintable(QString::number(i)));
        }
        QCOMPARE(r.mForwardPt, want.mForwardPt);
        QCOMPARE(r.mNextIndex, want.mNextIndex);
        QCOMPARE(r.mPieces.at(1).mAttachments.size(), 1);
    }

    void addingPiecesPutsThemWhereTheCommandSays_data()
    {
        QTest::addColumn<int>("at");
        QTest::addColumn<bool>("after");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("result");
        const QStringList turn = BankedTurn::expandChoice("R3625_R", "30 deg");
        QTest::newRow("insert before the first") << 0 << false << QStringList{"R3620"}
                                                 << QStringList{"R3620", "R3600", "R3601_R"};
        QTest::newRow("append after the last") << 1 << true << QStringList{"R3620"}
                                               << QStringList{"R3600", "R3601_R", "R3620"};
        QTest::newRow("a banked turn, in order")
            << 0 << true << turn
            << QStringList{"R3600", "F8514L_R", "F8517_R", "F8519R_R", "R3601_R"};
        QTest::newRow("outside the list: nothing") << 2 << false << QStringList{"R3620"}
                                                   << QStringList{"R3600", "R3601_R"};
        QTest::newRow("an attachment is no piece of the chain")
            << 0 << false << QStringList{"R3605_R"} << QStringList{"R3600", "R3601_R"};
        QTest::newRow("one unknown name: nothing at all")
            << 0 << false << QStringList{"R3620", "R9999"} << QStringList{"R3600", "R3601_R"};
    }
    void addingPiecesPutsThemWhereTheCommandSays()
    {
        QFETCH(int, at);
        QFETCH(bool, after);
        QFETCH(QStringList, names);
        QFETCH(QStringList, result);
        LayoutRecord r = laid({D::R3600, D::R3601_R});
        const bool changed = result != parts(r);
        QCOMPARE(LayoutEdit::insertPieces(r, mCatalog, at, names, after, 0.25), changed);
        QCOMPARE(parts(r), result);
        // The new entries know their catalog index and type; the replay places them.
        for (const PlacedPiece &entry : r.mPieces) {
            QCOMPARE(entry.mDbIndex, mCatalog.findIndex(entry.mPartNumber));
            QVERIFY(PieceKinds::isTrackPiece(entry.mItemType));
        }
    }

    // Attachments hang on their host entry, so an insert or delete before the
    // host moves them with it, and the replay writes their new host index.
    void attachmentHostsFollowTheirPieceAcrossInsertAndDelete()
    {
        LayoutRecord r = laid({D::R3600, D::R3601_R, D::R3600});
        r.mPieces[1].mAttachments << attachment("R3605_R", 1) << attachment("R3612_R", 1);
        r.mPieces[2].mAttachments << attachment("R3614_U", 2);
        QVERIFY(LayoutEdit::insertPieces(r, mCatalog, 0, {"R3620", "R3620"}, false, 0.25));
        replay(r);
        QCOMPARE(hosts(r), QList<int>({3, 3, 4}));
        QVERIFY(LayoutEdit::markDeleted(r, 0));
        QVERIFY(LayoutEdit::markDeleted(r, 3));
        replay(r);
        QCOMPARE(parts(r), QStringList({"R3620", "R3600", "R3600"}));
        QCOMPARE(hosts(r), QList<int>({2}));
        // Deleting one attachment takes only the first of its name on that host.
        r.mPieces[2].mAttachments << attachment("R3614_U", 2);
        QVERIFY(LayoutEdit::removeAttachment(r, 2, "R3614_U"));
        QCOMPARE(r.mPieces.at(2).mAttachments.size(), 1);
        QVERIFY(!LayoutEdit::removeAttachment(r, 1, "R3614_U"));
    }

    void replacingAPieceDropsItsAttachments()
    {
        LayoutRecord r = laid({D::R3600, D::R3601_R});
        r.mPieces[1].mAttachments << attachment("R3605_R", 1);
        QVERIFY(!LayoutEdit::replacePiece(r, mCatalog, 1, "R3605_L"));
        QVERIFY(!LayoutEdit::replacePiece(r, mCatalog, 2, "R3600"));
        QCOMPARE(r.mPieces.at(1).mAttachments.size(), 1);
        QVERIFY(LayoutEdit::replacePiece(r, mCatalog, 1, "R3610_L"));
        const PlacedPiece &entry = r.mPieces.at(1);
        QCOMPARE(entry.mPartNumber, QString("R3610_L"));
        QCOMPARE(entry.mDbIndex, 10);
        QCOMPARE(entry.mItemType, int(D::R3610_L));
        QVERIFY(entry.mAttachments.isEmpty());
    }

    void relocatingMovesBothPairsOfAFourLaneLayout()
    {
        LayoutRecord a = laid({D::R3600});
        LayoutRecord b = laid({D::R3600});
        LayoutEdit::relocate(a, b, mCatalog, QPointF(300, 400));
        QCOMPARE(a.mFirstPt, QPointF(300, 400));
        QCOMPARE(b.mFirstPt, kClick); // two lanes: record B is not drawn
        a.mLanes = 4;
        LayoutEdit::relocate(a, b, mCatalog, QPointF(300, 400));
        QCOMPARE(b.mFirstPt, Chaining::secondPairStart(QPointF(300, 400), mCatalog));
    }
};

QTEST_GUILESS_MAIN(ChainTest)
#include "test_chain.moc"
