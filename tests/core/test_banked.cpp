#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "layout/BankedTurn.h"
#include "layout/Elevation.h"
#include "layout/LayoutEdit.h"
#include "layout/LayoutRecord.h"

#include <QtTest>

namespace {

// A chain written one letter a piece: S a straight, E C X the entry, curve
// and exit of a right turn, e c x those of a left turn.
QString partOf(QChar aLetter)
{
    switch (aLetter.toLatin1()) {
    case 'E':
        return QStringLiteral("F8514L_R");
    case 'C':
        return QStringLiteral("F8517_R");
    case 'X':
        return QStringLiteral("F8519R_R");
    case 'e':
        return QStringLiteral("F8519R_L");
    case 'c':
        return QStringLiteral("F8517_L");
    case 'x':
        return QStringLiteral("F8514L_L");
    default:
        return QStringLiteral("R3600");
    }
}

QString letters(const LayoutRecord &aRecord)
{
    QString chain;
    for (const PlacedPiece &piece : aRecord.mPieces) {
        for (QChar letter : QStringLiteral("ECXecxS")) {
            if (partOf(letter) == piece.mPartNumber)
                chain += letter;
        }
    }
    return chain;
}

// Every attachment as "<place in the list>:<host index>:<name>", so a host
// index that lags behind its piece shows.
QStringList attachments(const LayoutRecord &aRecord)
{
    QStringList all;
    for (int i = 0; i < aRecord.mPieces.size(); ++i) {
        for (const AttachmentEntry &a : aRecord.mPieces.at(i).mAttachments)
            all << QStringLiteral("%1:%2:%3").arg(i).arg(a.mHostIndex).arg(a.mName);
    }
    return all;
}

} // namespace

// The banked-turn rules on a record's list: finding a turn from any of its
// pieces, resizing it right after its entry and fencing it; and the levels.
class BankedTest : public QObject
{
    Q_OBJECT

    RevellTrack mCatalog;

    // aChain in letters, with aFixed attachments given as "<index>:<name>".
    LayoutRecord chain(const QString &aChain, const QStringList &aFixed = {})
    {
        LayoutRecord record;
        for (QChar letter : aChain)
            record.mPieces << LayoutEdit::newEntry(mCatalog, partOf(letter), QPointF(), 0, 0.25);
        for (const QString &fixed : aFixed) {
            const int host = fixed.section(':', 0, 0).toInt();
            const QString name = fixed.section(':', 1);
            record.mPieces[host].mAttachments
                << AttachmentEntry{name, mCatalog.findIndex(name), host};
        }
        return record;
    }

private slots:
    void turnIsFoundFromAnyOfItsPieces_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("host");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("curves");
        QTest::newRow("entry") << "SECCCCXS" << 1 << "right" << 1 << true << 4;
        QTest::newRow("middle curve") << "SECCCCXS" << 4 << "right" << 1 << true << 4;
        QTest::newRow("exit") << "SECCCCXS" << 6 << "right" << 1 << true << 4;
        QTest::newRow("left turn's curve") << "SeccxS" << 3 << "left" << 1 << true << 2;
        QTest::newRow("exit of a turn without curves") << "EX" << 1 << "right" << 0 << true << 0;
        QTest::newRow("first of two turns ends at its exit")
            << "ECCXECX" << 0 << "right" << 0 << true << 2;
        QTest::newRow("second of two turns starts at its entry")
            << "ECCXecx" << 5 << "left" << 4 << true << 1;
        QTest::newRow("no entry: stops at the piece before")
            << "SSCCX" << 3 << "right" << 1 << false << 0;
        QTest::newRow("no entry: never reaches into the turn before")
            << "ECXCCX" << 4 << "right" << 2 << false << 0;
        QTest::newRow("no entry, no piece before") << "CCX" << 2 << "right" << 0 << false << 0;
        QTest::newRow("a straight is no banked piece") << "SECX" << 0 << "" << -1 << false << 0;
        QTest::newRow("outside the list") << "ECX" << 3 << "" << -1 << false << 0;
    }
    void turnIsFoundFromAnyOfItsPieces()
    {
        QFETCH(QString, layout);
        QFETCH(int, host);
        QFETCH(QString, direction);
        QFETCH(int, start);
        QFETCH(bool, found);
        QFETCH(int, curves);
        const BankedTurn::Turn turn = BankedTurn::findTurn(chain(layout), host);
        QCOMPARE(turn.mDirection, direction);
        QCOMPARE(turn.mStart, start);
        QCOMPARE(turn.mFound, found);
        QCOMPARE(turn.mCurves, curves);
    }

    void turnIsResizedAndFenced_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("fixed");
        QTest::addColumn<int>("host");
        QTest::addColumn<int>("curves");
        QTest::addColumn<bool>("fences");
        QTest::addColumn<bool>("trans");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("attached");

        QTest::newRow("shrink, no fences") << "SECCCCXS" << QStringList() << 3 << 3 << false
                                           << false << "SECCCXS" << QStringList();
        QTest::newRow("grow with fences, the apron beyond follows its straight")
            << "SECCXS" << QStringList{"5:R3614_U"} << 5 - 1 << 4 << true << false << "SECCCCXS"
            << QStringList{"2:2:R3628o_Rb", "3:3:R3628o_Rb", "4:4:R3628o_Rb", "5:5:R3628o_Rb",
                           "7:7:R3614_U"};
        QTest::newRow("shrink a fenced turn and fence its transitions")
            << "SECCCCXS"
            << QStringList{"2:R3628o_Rb", "3:R3628o_Rb", "4:R3628o_Rb", "5:R3628o_Rb", "7:R3614_U"}
            << 6 << 2 << true << true << "SECCXS"
            << QStringList{"1:1:R3628o_Rbe", "2:2:R3628o_Rb", "3:3:R3628o_Rb", "4:4:R3628o_Rbx",
                           "5:5:R3614_U"};
        QTest::newRow("left turn grown, transitions only")
            << "ecx" << QStringList() << 0 << 3 << false << true << "ecccx"
            << QStringList{"0:0:R3628o_Lbe", "4:4:R3628o_Lbx"};
        QTest::newRow("fences taken off the curves, the transitions keep theirs")
            << "ECCX" << QStringList{"0:R3628o_Rbe", "1:R3628o_Rb", "2:R3628o_Rb", "3:R3628o_Rbx"}
            << 1 << 2 << false << false << "ECCX"
            << QStringList{"0:0:R3628o_Rbe", "3:3:R3628o_Rbx"};
        QTest::newRow("transition fences are not fixed twice")
            << "ECX" << QStringList{"0:R3628o_Rbe", "2:R3628o_Rbx", "2:F7054R_FU"} << 1 << 1 << true
            << true << "ECX"
            << QStringList{"0:0:R3628o_Rbe", "1:1:R3628o_Rb", "2:2:R3628o_Rbx", "2:2:F7054R_FU"};
        QTest::newRow("all curves taken, the turn closes up")
            << "ECCCXS" << QStringList{"5:R3614_U"} << 2 << 0 << true << true << "EXS"
            << QStringList{"0:0:R3628o_Rbe", "1:1:R3628o_Rbx", "2:2:R3614_U"};
        QTest::newRow("only the transitions of the turn's hand are fenced")
            << "Ecx" << QStringList() << 1 << 1 << false << true << "Ecx"
            << QStringList{"2:2:R3628o_Lbx"};
        QTest::newRow("no entry: new curves after the piece the search stopped at")
            << "SCX" << QStringList() << 1 << 1 << true << false << "SCCX"
            << QStringList{"1:1:R3628o_Rb"};
    }
    void turnIsResizedAndFenced()
    {
        QFETCH(QString, layout);
        QFETCH(QStringList, fixed);
        QFETCH(int, host);
        QFETCH(int, curves);
        QFETCH(bool, fences);
        QFETCH(bool, trans);
        QFETCH(QString, after);
        QFETCH(QStringList, attached);
        LayoutRecord record = chain(layout, fixed);
        const BankedTurn::Turn turn = BankedTurn::findTurn(record, host);
        QVERIFY(BankedTurn::applyChange(record, mCatalog, turn, {curves, fences, trans}));
        QCOMPARE(letters(record), after);
        QCOMPARE(attachments(record), attached);
        for (const PlacedPiece &piece : record.mPieces)
            QCOMPARE(piece.mItemType, diagramTypeOf(piece.mPartNumber));
        // The dialog opens on a fenced turn with its fence button checked.
        const BankedTurn::Turn again = BankedTurn::findTurn(record, host);
        QCOMPARE(BankedTurn::curvesFenced(record, again), again.mFound && fences && curves > 0);
    }

    void applyingToNoTurnChangesNothing()
    {
        LayoutRecord record = chain("SECX");
        QVERIFY(!BankedTurn::applyChange(record, mCatalog, BankedTurn::findTurn(record, 0),
                                         {3, true, true}));
        BankedTurn::Turn beyond = BankedTurn::findTurn(record, 2);
        beyond.mStart = 4;
        QVERIFY(!BankedTurn::applyChange(record, mCatalog, beyond, {3, true, true}));
        QCOMPARE(letters(record), QString("SECX"));
        QVERIFY(attachments(record).isEmpty());
    }

    // The dialog shows eight buttons: a larger turn loses only what is unchecked.
    void curvesChosenInTheDialog_data()
    {
        QTest::addColumn<int>("curves");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("checked");
        QTest::addColumn<int>("chosen");
        QTest::newRow("four, one unchecked") << 4 << 4 << 3 << 3;
        QTest::newRow("four, two more checked") << 4 << 4 << 6 << 6;
        QTest::newRow("ten, left as shown") << 10 << 8 << 8 << 10;
        QTest::newRow("ten, one unchecked") << 10 << 8 << 7 << 9;
        QTest::newRow("ten, all unchecked") << 10 << 8 << 0 << 2;
        QTest::newRow("none") << 0 << 0 << 0 << 0;
    }
    void curvesChosenInTheDialog()
    {
        QFETCH(int, curves);
        QFETCH(int, shown);
        QFETCH(int, checked);
        QFETCH(int, chosen);
        QCOMPARE(BankedTurn::shownCurves(curves), shown);
        QCOMPARE(BankedTurn::chosenCurves(curves, checked), chosen);
    }

    void levelsAndTheirToolTips_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<double>("level");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("tip");
        QTest::newRow("lowest") << 0 << 0.0 << "R3600 elev 0.25"
                                << "R3600 elev 0.00";
        QTest::newRow("25%") << 1 << 0.25 << "F8517_R elev 1.00"
                             << "F8517_R elev 0.25";
        QTest::newRow("50%") << 2 << 0.5 << "R3628o_Rb"
                             << "R3628o_Rb elev 0.50";
        QTest::newRow("75%") << 3 << 0.75 << "R3600 elev 0.25"
                             << "R3600 elev 0.75";
        QTest::newRow("highest") << 4 << 1.0 << "R3600 elev 0.25"
                                 << "R3600 elev 1.00";
        QTest::newRow("below the lowest") << -1 << 0.0 << "R3600"
                                          << "R3600 elev 0.00";
        QTest::newRow("above the highest") << 5 << 1.0 << "R3600"
                                           << "R3600 elev 1.00";
    }
    void levelsAndTheirToolTips()
    {
        QFETCH(int, step);
        QFETCH(double, level);
        QFETCH(QString, before);
        QFETCH(QString, tip);
        QCOMPARE(Elevation::levelOf(step), level);
        QCOMPARE(Elevation::toolTip(before, level), tip);
        LayoutRecord record = chain("SCS");
        QVERIFY(Elevation::setLevel(record, 1, level));
        QCOMPARE(record.mPieces.at(1).mLevel, level);
        QCOMPARE(record.mPieces.at(0).mLevel, 0.25);
        QVERIFY(!Elevation::setLevel(record, 3, level));
        // Inverting twice gives the level back; 0.5 is its own complement.
        const double inverted = Elevation::replayedLevel(level, true);
        QCOMPARE(inverted + level, 1.0);
        QCOMPARE(Elevation::replayedLevel(inverted, true), level);
        QCOMPARE(Elevation::replayedLevel(level, false), level);
    }
};

QTEST_GUILESS_MAIN(BankedTest)
#include "test_banked.moc"
