#include "catalog/RevellTrack.h"
#include "graphics/PieceKinds.h"
#include "layout/BankedTurn.h"
#include "layout/Chaining.h"
#include "layout/LayoutEdit.h"
#include "layout/LayoutRecord.h"

#include <QtMath>
#include <QtTest>

using D = DiagramTypeBase;

namespace {

constexpr double k = PieceKinds::kDrawScale;
const QPointF kClick(1000, 1000);

bool near(QPointF aA, QPointF aB, double aTol = 1e-6)
{
    return QLineF(aA, aB).length() < aTol;
}

QString names(const QList<D::DiagramType> &aTypes)
{
    QStringList result;
    for (D::DiagramType type : aTypes)
        result << getPartNumber(type);
    return result.join(' ');
}

QString parts(const LayoutRecord &aRecord)
{
    QStringList result;
    for (const PlacedPiece &entry : aRecord.mPieces) {
        result << entry.mPartNumber;
        for (const AttachmentEntry &attachment : entry.mAttachments)
            result.last() += '+' + attachment.mName;
    }
    return result.join(' ');
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

    // The pieces named, appended one by one as clicks do.
    LayoutRecord laid(const QString &aParts, QPointF aFirst = kClick)
    {
        LayoutRecord record;
        for (const QString &part : aParts.split(' ', Qt::SkipEmptyParts))
            Chaining::layNext(record, mCatalog, diagramTypeOf(part), aFirst, 0.25, true);
        return record;
    }
    // The replay as the scene runs it: every entry rewritten in order.
    void replay(LayoutRecord &aRecord)
    {
        Chaining::prepareReplay(aRecord);
        for (int i = 0; i < aRecord.mPieces.size(); ++i)
            Chaining::layNext(aRecord, mCatalog, aRecord.mPieces.at(i).mItemType, aRecord.mFirstPt,
                              aRecord.mPieces.at(i).mLevel, false);
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
        QVERIFY(near(next, QPointF(1000 - curve.y() * k, 1000 + curve.x() * k)));
    }

    // Only the first piece uses the click; the next starts where it ends. A
    // type without a catalog piece lays nothing.
    void straightThenCurveLandWhereTheChainEnds()
    {
        LayoutRecord r;
        Chaining::layNext(r, mCatalog, D::R3600, kClick, 0.25, true);
        QVERIFY(!Chaining::layNext(r, mCatalog, -1, QPointF(), 0.25, true).mLaid);
        const Chaining::Step bend =
            Chaining::layNext(r, mCatalog, D::R3601_R, QPointF(4000, 300), 0.5, true);
        QCOMPARE(r.mFirstPt, kClick);
        QVERIFY(near(bend.mStart, QPointF(1000 + 308 * k, 1000)));
        QCOMPARE(bend.mAngle, 0.0);
        QCOMPARE(bend.mIndex, 1);
        QCOMPARE(r.mForwardAngle, 60.0);
        QCOMPARE(r.mPieces.at(1).mNextPt, r.mForwardPt);
        QCOMPARE(r.mPieces.at(1).mLevel, 0.5);
    }

    // Six curves close the circle at angle 0; five left stay at -300, not 60.
    // The tab shows an angle truncated.
    void curvesInARowTurnOneStepAtATime()
    {
        const LayoutRecord six = laid(QString("R3601_R ").repeated(6));
        QVERIFY(qAbs(six.mForwardAngle) < 1e-9 && near(six.mForwardPt, six.mFirstPt));
        QVERIFY(qAbs(laid(QString("R3601_L ").repeated(5)).mForwardAngle + 300) < 1e-9);
        QCOMPARE(Chaining::displayedAngle(-29.99), -29);
    }

    void laneChangeFlipsParityAndASecondRestoresIt()
    {
        const LayoutRecord once = laid("R3609 R3600");
        QVERIFY(once.mLaneSwap);
        QVERIFY(!once.mPieces.at(0).mLaneSwapIn && once.mPieces.at(0).mLaneSwapOut);
        QVERIFY(once.mPieces.at(1).mLaneSwapIn);
        QVERIFY(!laid("R3609 R3609").mLaneSwap);
    }

    // "<record A> | <record B>" for each four-lane selection.
    void fourLaneSelectionsGiveBothRecordsTheirPieces_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("records");
        QTest::newRow("94") << 94 << "R3602_R | R3600";
        QTest::newRow("101 right turn: B outside takes two") << 101 << "R3601_R | R3610_R R3610_R";
        QTest::newRow("102 left turn: A outside takes two") << 102 << "R3610_L R3610_L | R3601_L";
        QTest::newRow("92 banked selection") << 92 << " | ";
    }
    void fourLaneSelectionsGiveBothRecordsTheirPieces()
    {
        QFETCH(int, type);
        QFETCH(QString, records);
        const Chaining::FourLanePlacement placement = Chaining::fourLanePlacement(type);
        QCOMPARE(names(placement.mRecordA) + " | " + names(placement.mRecordB), records);
        QCOMPARE(PieceKinds::isFourLanePair(type), !placement.mRecordA.isEmpty());
    }

    void bankedChoiceBecomesEntryCurvesAndExit_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("pieces");
        const auto row = [](const char *aTag, const char *aChoice, const char *aAngle,
                            const QString &aPieces) {
            QTest::newRow(aTag) << QString(aChoice) << QString(aAngle) << aPieces;
        };
        row("more than eight curves are held to eight", "R3625_L", "3000 deg",
            "F8519R_L " + QString("F8517_L ").repeated(8) + "F8514L_L");
        row("an angle that is no number: no curves", "R3625_L", "deg 90", "F8519R_L F8514L_L");
        row("a plain piece stands for itself", "R3601_R", "90 deg", "R3601_R");
    }
    void bankedChoiceBecomesEntryCurvesAndExit()
    {
        QFETCH(QString, choice);
        QFETCH(QString, angle);
        QFETCH(QString, pieces);
        QCOMPARE(BankedTurn::expandChoice(choice, angle), pieces.split(' ', Qt::SkipEmptyParts));
    }

    // A replay lays every entry as a fresh chain would from the first point,
    // whatever the entries held before, and keeps what each entry is. An entry
    // the catalog does not know (read from a file) keeps its place and takes
    // no room, so the chain goes on from the last piece laid.
    void replayGivesExactlyTheFreshChain()
    {
        LayoutRecord r =
            laid("R3600 R3601_R R3609 R3621_L R3610_R R3602_R R3620dc R3601_L R3608 R3604_R");
        const QPointF first(2345.5, 777.25);
        r.mFirstPt = first;
        r.mPieces[1].mAttachments << attachment("R3605_R", 1);
        r.mPieces.insert(4, LayoutEdit::newEntry(mCatalog, "R3601_R", QPointF(), 0, 0.25));
        r.mPieces[7].mDeleted = true;
        r.mPieces.insert(3, PlacedPiece(QStringLiteral("R9876"), -1, -1, QPointF(), 0, 0.25));
        replay(r);

        QCOMPARE(parts(r), QString("R3600 R3601_R+R3605_R R3609 R9876 R3621_L R3601_R R3610_R "
                                   "R3602_R R3601_L R3608 R3604_R"));
        QCOMPARE(r.mNextIndex, 11);
        QCOMPARE(r.mPieces.at(3).mOrigin, r.mPieces.at(2).mNextPt);
        QCOMPARE(r.mPieces.at(3).mNextPt, r.mPieces.at(2).mNextPt);
        r.mPieces.removeAt(3);
        const LayoutRecord want = laid(
            "R3600 R3601_R R3609 R3621_L R3601_R R3610_R R3602_R R3601_L R3608 R3604_R", first);
        for (int i = 0; i < want.mPieces.size(); ++i) {
            const PlacedPiece &got = r.mPieces.at(i);
            const PlacedPiece &w = want.mPieces.at(i);
            QVERIFY2(got.mItemType == w.mItemType && got.mOrigin == w.mOrigin &&
                         got.mAngle == w.mAngle && got.mNextPt == w.mNextPt &&
                         got.mNextAngle == w.mNextAngle && got.mLaneSwapIn == w.mLaneSwapIn &&
                         got.mLaneSwapOut == w.mLaneSwapOut && !got.mDeleted,
                     qPrintable(QString::number(i)));
        }
        QCOMPARE(r.mForwardPt, want.mForwardPt);
    }

    // Edits of "R3600 R3601_R" with an apron on the curve; a refused edit
    // leaves the list alone.
    void addingAndReplacingPiecesAsTheCommandSays_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("result");
        const QString turn = BankedTurn::expandChoice("R3625_R", "30 deg").join(' ');
        const QString before = "R3600 R3601_R+R3605_R";
        const auto row = [](const char *aTag, const char *aEdit, int aAt, const QString &aNames,
                            const QString &aResult) {
            QTest::newRow(aTag) << QString(aEdit) << aAt << aNames << aResult;
        };
        row("insert before the first", "insert", 0, "R3620", "R3620 R3600 R3601_R+R3605_R");
        row("a banked turn, in order", "append", 0, turn,
            "R3600 F8514L_R F8517_R F8519R_R R3601_R+R3605_R");
        row("outside the list: nothing", "insert", 2, "R3620", before);
        row("an attachment is no piece of the chain", "insert", 0, "R3605_R", before);
        row("one unknown name: nothing at all", "insert", 0, "R3620 R9999", before);
        row("replaced by an attachment: refused", "replace", 1, "R3605_L", before);
        row("replacing outside the list: refused", "replace", 2, "R3600", before);
    }
    void addingAndReplacingPiecesAsTheCommandSays()
    {
        QFETCH(QString, edit);
        QFETCH(int, at);
        QFETCH(QString, names);
        QFETCH(QString, result);
        LayoutRecord r = laid("R3600 R3601_R");
        r.mPieces[1].mAttachments << attachment("R3605_R", 1);
        const bool changed = result != parts(r);
        QCOMPARE(edit == "replace" ? LayoutEdit::replacePiece(r, mCatalog, at, names)
                                   : LayoutEdit::insertPieces(r, mCatalog, at, names.split(' '),
                                                              edit == "append", 0.25),
                 changed);
        QCOMPARE(parts(r), result);
        // The entries know their catalog index and type; the replay places them.
        for (const PlacedPiece &entry : r.mPieces) {
            QCOMPARE(entry.mDbIndex, mCatalog.findIndex(entry.mPartNumber));
            QCOMPARE(entry.mItemType, diagramTypeOf(entry.mPartNumber));
        }
    }

    // Attachments hang on their host entry, so an insert or delete before the
    // host moves them with it, and the replay writes their new host index.
    void attachmentHostsFollowTheirPieceAcrossInsertAndDelete()
    {
        LayoutRecord r = laid("R3600 R3601_R R3600");
        r.mPieces[1].mAttachments << attachment("R3605_R", 1) << attachment("R3612_R", 1);
        r.mPieces[2].mAttachments << attachment("R3614_U", 2);
        QVERIFY(LayoutEdit::insertPieces(r, mCatalog, 0, {"R3620", "R3620"}, false, 0.25));
        replay(r);
        QCOMPARE(hosts(r), QList<int>({3, 3, 4}));
        QVERIFY(LayoutEdit::markDeleted(r, 0));
        QVERIFY(LayoutEdit::markDeleted(r, 3));
        replay(r);
        QCOMPARE(parts(r), QString("R3620 R3600 R3600+R3614_U"));
        QCOMPARE(hosts(r), QList<int>({2}));
        // Deleting one attachment takes only the first of its name on that host.
        r.mPieces[2].mAttachments << attachment("R3614_U", 2);
        QVERIFY(LayoutEdit::removeAttachment(r, 2, "R3614_U"));
        QCOMPARE(r.mPieces.at(2).mAttachments.size(), 1);
        QVERIFY(!LayoutEdit::removeAttachment(r, 1, "R3614_U"));
    }
};

QTEST_GUILESS_MAIN(ChainTest)
#include "test_chain.moc"
