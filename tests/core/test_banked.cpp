#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "layout/BankedTurn.h"
#include "layout/LayoutEdit.h"
#include "layout/LayoutRecord.h"

#include <QtTest>

namespace {

// A chain written one letter a piece: E C X the entry, curve and exit of a
// right turn, e c x those of a left turn, S a straight.
const QString kLetters = QStringLiteral("ECXecxS");
const QStringList kParts{"F8514L_R", "F8517_R",  "F8519R_R", "F8519R_L",
                         "F8517_L",  "F8514L_L", "R3600"};

// The chain in letters, then every attachment as "<place in the list>:<host
// index>:<name>", so a host index that lags behind its piece shows.
QString shorthand(const LayoutRecord &aRecord)
{
    QString text;
    for (const PlacedPiece &piece : aRecord.mPieces)
        text += kLetters.at(kParts.indexOf(piece.mPartNumber));
    for (int i = 0; i < aRecord.mPieces.size(); ++i) {
        for (const AttachmentEntry &a : aRecord.mPieces.at(i).mAttachments)
            text += QStringLiteral(" %1:%2:%3").arg(i).arg(a.mHostIndex).arg(a.mName);
    }
    return text;
}

} // namespace

// The banked-turn rules on a record's list: finding a turn from any of its
// pieces, resizing it right after its entry and fencing it.
class BankedTest : public QObject
{
    Q_OBJECT

    RevellTrack mCatalog;

    // aChain in letters, with the attachments of aFixed ("<index>:<name> ...").
    LayoutRecord chain(const QString &aChain, const QString &aFixed = QString())
    {
        LayoutRecord record;
        for (QChar letter : aChain)
            record.mPieces << LayoutEdit::newEntry(mCatalog, kParts.at(kLetters.indexOf(letter)),
                                                   QPointF(), 0, 0.25);
        for (const QString &fixed : aFixed.split(' ', Qt::SkipEmptyParts)) {
            const int host = fixed.section(':', 0, 0).toInt();
            const QString name = fixed.section(':', 1);
            record.mPieces[host].mAttachments
                << AttachmentEntry{name, mCatalog.findIndex(name), host};
        }
        return record;
    }

private slots:
    // Layouts in letters, then their attachments: as given, and afterwards
    // as "<place in the list>:<host index>:<name>".
    void turnIsResizedAndFenced_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("host");
        QTest::addColumn<int>("curves");
        QTest::addColumn<bool>("fences");
        QTest::addColumn<bool>("trans");
        QTest::addColumn<QString>("after");
        QTest::newRow("grow and fence, the apron beyond moves along")
            << "SECCXS 5:R3614_U" << 4 << 3 << true << false
            << "SECCCXS 2:2:R3628o_Rb 3:3:R3628o_Rb 4:4:R3628o_Rb 6:6:R3614_U";
        QTest::newRow("shrink a fenced turn, fence its transitions")
            << "ECCCX 1:R3628o_Rb 2:R3628o_Rb 3:R3628o_Rb" << 4 << 1 << true << true
            << "ECX 0:0:R3628o_Rbe 1:1:R3628o_Rb 2:2:R3628o_Rbx";
        QTest::newRow("unfenced: the curves lose theirs, the transitions keep theirs")
            << "ecx 0:R3628o_Lbe 1:R3628o_Lb 2:R3628o_Lbx" << 1 << 1 << false << false
            << "ecx 0:0:R3628o_Lbe 2:2:R3628o_Lbx";
        QTest::newRow("a transition fence is not fixed twice")
            << "ECX 0:R3628o_Rbe 2:R3628o_Rbx 2:F7054R_FU" << 1 << 1 << false << true
            << "ECX 0:0:R3628o_Rbe 2:2:R3628o_Rbx 2:2:F7054R_FU";
        QTest::newRow("from the entry, all curves taken")
            << "ECCXS 4:R3614_U" << 0 << 0 << false << true
            << "EXS 0:0:R3628o_Rbe 1:1:R3628o_Rbx 2:2:R3614_U";
        QTest::newRow("only transitions of the turn's hand")
            << "Ecx" << 1 << 1 << false << true << "Ecx 2:2:R3628o_Lbx";
        QTest::newRow("the first of two turns ends at its exit")
            << "ECCXECX" << 0 << 2 << true << false << "ECCXECX 1:1:R3628o_Rb 2:2:R3628o_Rb";
        QTest::newRow("the second of two turns starts at its entry")
            << "ECCXecx" << 5 << 0 << false << true << "ECCXex 4:4:R3628o_Lbe 5:5:R3628o_Lbx";
        QTest::newRow("no entry: the search stops at the turn before")
            << "ECXCCX" << 4 << 1 << false << false << "ECXCCCX";
        QTest::newRow("no entry: new curves after where the search stopped")
            << "SCX" << 1 << 1 << true << false << "SCCX 1:1:R3628o_Rb";
    }
    void turnIsResizedAndFenced()
    {
        QFETCH(QString, before);
        QFETCH(int, host);
        QFETCH(int, curves);
        QFETCH(bool, fences);
        QFETCH(bool, trans);
        QFETCH(QString, after);
        LayoutRecord record = chain(before.section(' ', 0, 0), before.section(' ', 1));
        const BankedTurn::Turn turn = BankedTurn::findTurn(record, host);
        QVERIFY(BankedTurn::applyChange(record, mCatalog, turn, {curves, fences, trans}));
        QCOMPARE(shorthand(record), after);
        const BankedTurn::Turn again = BankedTurn::findTurn(record, host);
        QCOMPARE(BankedTurn::curvesFenced(record, again), again.mFound && fences && curves > 0);
    }
};

QTEST_GUILESS_MAIN(BankedTest)
#include "test_banked.moc"
