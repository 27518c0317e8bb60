#include "support/WindowRig.h"

#include "layout/BankedTurn.h"

#include <QAction>
#include <QFile>
#include <QRadioButton>

using namespace WindowRig;

static void initResources()
{
    Q_INIT_RESOURCE(lanewright);
}

namespace {

// A straight, a right turn of aCurves banked curves, a straight: the turn's
// entry is piece 1.
QList<D::DiagramType> rightTurn(int aCurves)
{
    QList<D::DiagramType> types{D::R3600, D::F8514L_R};
    for (int i = 0; i < aCurves; ++i)
        types << D::F8517_R;
    return types << D::F8519R_R << D::R3600;
}

QStringList rightTurnParts(int aCurves)
{
    QStringList parts;
    for (D::DiagramType type : rightTurn(aCurves))
        parts << getPartNumber(type);
    return parts;
}

QStringList fenceNames(const LayoutRecord &aRecord)
{
    QStringList names;
    for (int i = 0; i < aRecord.mPieces.size(); ++i) {
        for (const AttachmentEntry &a : aRecord.mPieces.at(i).mAttachments)
            names << QStringLiteral("%1:%2").arg(a.mHostIndex).arg(a.mName);
    }
    return names;
}

// A point halfway along a piece's lane line: on the piece, whatever its shape.
QPointF onLane(QGraphicsItem *aLine)
{
    return aLine->mapToScene(static_cast<QGraphicsPathItem *>(aLine)->path().pointAtPercent(0.5));
}

// The piece item drawn on top at aPoint.
DiagramItem *topPieceAt(DiagramScene *aScene, QPointF aPoint)
{
    for (QGraphicsItem *item : aScene->items(aPoint)) {
        if (PieceKinds::isPieceItemKind(item->type()))
            return static_cast<DiagramItem *>(item);
    }
    return nullptr;
}

} // namespace

// The Item menu's banked command with its dialog, and the elevation
// commands with the Normal/Inverted switch, in the real window.
class BankedWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initResources();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void bankedCommandEditsTheTurnOfTheSelectedPiece_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("curves");
        QTest::addColumn<int>("host");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("shownChecked");
        QTest::addColumn<QString>("shownTotal");
        QTest::addColumn<bool>("noted");
        QTest::addColumn<int>("curvesAfter");
        QTest::addColumn<QStringList>("fences");

        const QString fence = QStringLiteral("R3628o_ToolButton");
        const QString trans = QStringLiteral("R3628o_transToolButton");
        QTest::newRow("from the entry, one unchecked")
            << 1 << 4 << 1 << QStringList{"F8517d_ToolButton"} << false << 4 << "120" << false << 3
            << QStringList();
        QTest::newRow("from a middle curve, grown and fenced, on tab 8")
            << 8 << 2 << 3 << QStringList{"F8517c_ToolButton", fence} << false << 2 << "60" << false
            << 3 << QStringList{"2:R3628o_Rb", "3:R3628o_Rb", "4:R3628o_Rb"};
        QTest::newRow("from the exit, transitions fenced")
            << 3 << 1 << 3 << QStringList{trans} << false << 1 << "30" << false << 1
            << QStringList{"1:R3628o_Rbe", "3:R3628o_Rbx"};
        QTest::newRow("cancelled") << 1 << 3 << 2 << QStringList{"F8517a_ToolButton", fence} << true
                                   << 3 << "90" << false << 3 << QStringList();
        QTest::newRow("ten curves shown as eight keep the two not shown")
            << 1 << 10 << 5 << QStringList{"F8517h_ToolButton"} << false << 8 << "300" << true << 9
            << QStringList();
    }
    void bankedCommandEditsTheTurnOfTheSelectedPiece()
    {
        QFETCH(int, tab);
        QFETCH(int, curves);
        QFETCH(int, host);
        QFETCH(QStringList, clicks);
        QFETCH(bool, cancel);
        QFETCH(int, shownChecked);
        QFETCH(QString, shownTotal);
        QFETCH(bool, noted);
        QFETCH(int, curvesAfter);
        QFETCH(QStringList, fences);

        Rig rig;
        rig.activate(tab);
        rig.lay(rightTurn(curves));
        rig.a().mChanged = false;
        BankedShown shown;
        rig.w().setBankedDialogRunner(answerBanked(clicks, &shown, cancel));
        rig.select({rig.piece(host)});
        rig.mark();
        rig.w().itemAction(MainWindow::BankedAction)->trigger();

        QCOMPARE(shown.mRuns, 1);
        QCOMPARE(shown.mTitle, QString("Banked Right Turn"));
        QCOMPARE(shown.mChecked, shownChecked);
        QCOMPARE(shown.mTotal, shownTotal);
        QCOMPARE(!shown.mNote.isEmpty(), noted);
        QCOMPARE(Rig::parts(rig.a()), rightTurnParts(curvesAfter));
        QCOMPARE(fenceNames(rig.a()), fences);
        QCOMPARE(rig.a().mChanged, !cancel);
        QCOMPARE(rig.replays(), cancel ? QStringList() : QStringList{"2"});
        // Every piece of the turn is drawn again, in its place.
        QVERIFY(rig.piece(rig.a().mPieces.size() - 1));
        QCOMPARE(rig.piece(2)->pos(), rig.a().mPieces.at(2).mOrigin);
    }

    // A fenced turn opens with its fence button checked, so that changing
    // the number of curves alone keeps every fence.
    void resizingAFencedTurnKeepsItsFences()
    {
        Rig rig;
        rig.activate(1);
        rig.lay(rightTurn(2));
        BankedShown shown;
        rig.w().setBankedDialogRunner(answerBanked({"R3628o_ToolButton"}, &shown));
        rig.select({rig.piece(2)});
        rig.w().itemAction(MainWindow::BankedAction)->trigger();
        QVERIFY(!shown.mFences);

        rig.w().setBankedDialogRunner(answerBanked({"F8517c_ToolButton"}, &shown));
        rig.select({rig.piece(2)});
        rig.w().itemAction(MainWindow::BankedAction)->trigger();
        QVERIFY(shown.mFences);
        QCOMPARE(fenceNames(rig.a()), QStringList({"2:R3628o_Rb", "3:R3628o_Rb", "4:R3628o_Rb"}));
    }

    void bankedCommandRefusesOtherPieces_data()
    {
        QTest::addColumn<bool>("attachment");
        QTest::newRow("straight") << false;
        QTest::newRow("apron of a straight") << true;
    }
    void bankedCommandRefusesOtherPieces()
    {
        QFETCH(bool, attachment);
        Rig rig;
        rig.activate(1);
        rig.lay(rightTurn(2));
        QGraphicsItem *target = attachment ? rig.attach(5, D::R3614_U) : rig.piece(0);
        BankedShown shown;
        rig.w().setBankedDialogRunner(answerBanked({}, &shown));
        rig.select({target});
        rig.w().itemAction(MainWindow::BankedAction)->trigger();
        QCOMPARE(shown.mRuns, 0);
        QCOMPARE(rig.rec.mLog,
                 QStringList{"message||This track piece does not support banked track."});
        QCOMPARE(rig.a().mPieces.size(), 6);
    }

    // Seven 60 degree curves: the seventh lies on the first, and of two
    // pieces at one level the later is drawn on top.
    void levelDecidesWhichOfTwoOverlappingPiecesIsOnTop()
    {
        Rig rig;
        rig.activate(1);
        for (int i = 0; i < 7; ++i)
            rig.append(D::R3601_R);
        const QPointF crossing = onLane(rig.laneLine(0));
        QCOMPARE(topPieceAt(rig.scene(), crossing), rig.piece(6));
        rig.select({rig.piece(0)});
        rig.w().itemAction(MainWindow::Elev3Action)->trigger();
        QCOMPARE(rig.a().mPieces.at(0).mLevel, 0.75);
        QVERIFY(rig.a().mChanged);
        QCOMPARE(topPieceAt(rig.scene(), crossing), rig.piece(0));
        QCOMPARE(rig.laneLine(0)->zValue(), 0.75);
        QCOMPARE(rig.piece(0)->toolTip(), QString("R3601_R elev 0.75"));

        rig.find<QRadioButton>("invertedRadioButton")->click();
        QCOMPARE(topPieceAt(rig.scene(), crossing), rig.piece(6));
        QCOMPARE(rig.piece(0)->toolTip(), QString("R3601_R elev 0.25"));
        QCOMPARE(rig.piece(6)->toolTip(), QString("R3601_R elev 0.75"));

        // Saved while inverted, the file holds the levels as shown.
        rig.saveAs(rig.file("inverted.txt"));
        QFile saved(rig.file("inverted.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QStringList levels;
        for (const QByteArray &line : saved.readAll().split('\n')) {
            if (line.startsWith("   level: "))
                levels << QString::fromLatin1(line.mid(10));
        }
        QCOMPARE(levels, QStringList({"0.25", "0.75", "0.75", "0.75", "0.75", "0.75", "0.75"}));

        rig.find<QRadioButton>("normalRadioButton")->click();
        QCOMPARE(topPieceAt(rig.scene(), crossing), rig.piece(0));
        QCOMPARE(rig.a().mPieces.at(6).mLevel, 0.25);
    }

    // The sample's second leg crosses the first on a bridge, and its banked
    // turn carries a fence on every curve and on both transitions.
    void bankedSampleOpensWithItsFencesAndItsBridge()
    {
        Rig rig;
        rig.activate(2);
        rig.open(QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans/banked-bridge.txt"));
        const BankedTurn::Turn turn = BankedTurn::findTurn(rig.a(), 4);
        QCOMPARE(turn.mCurves, 8);
        QVERIFY(BankedTurn::curvesFenced(rig.a(), turn));
        QCOMPARE(fenceNames(rig.a()).filter("R3628o_Rb").size(), 10);

        const QPointF crossing = onLane(rig.laneLine(15));
        QCOMPARE(topPieceAt(rig.scene(), crossing), rig.piece(15));
        QCOMPARE(rig.piece(15)->zValue(), 0.75);
        bool overLowerTrack = false;
        for (QGraphicsItem *item : rig.scene()->items(crossing))
            overLowerTrack |= PieceKinds::isPieceItemKind(item->type()) && item->zValue() == 0.25;
        QVERIFY(overLowerTrack);
    }

    // Piece t of lanes 1 and 2 and piece t of lanes 3 and 4 are two pieces.
    void levelOfOnePairLeavesTheOtherPairAlone()
    {
        Rig rig;
        rig.activate(1);
        rig.a().mLanes = 4;
        rig.b().mLanes = 4;
        for (int i = 0; i < 3; ++i)
            rig.scene()->appendFourLanePiece(D::R3600R3600, kStart);
        DiagramItem *apron = rig.attach(1, D::R3614_U);
        rig.select({rig.piece(1), apron});
        rig.w().itemAction(MainWindow::Elev4Action)->trigger();

        QCOMPARE(rig.a().mPieces.at(1).mLevel, 1.0);
        QCOMPARE(rig.laneLine(1)->zValue(), 1.0);
        QCOMPARE(apron->zValue(), 1.0);
        QCOMPARE(apron->toolTip(), QString("R3614_U elev 1.00"));
        QCOMPARE(rig.b().mPieces.at(1).mLevel, 0.25);
        QCOMPARE(rig.piece(1, 1)->zValue(), 0.25);
        QCOMPARE(rig.laneLine(1, 1)->zValue(), 0.25);
        QCOMPARE(rig.laneLine(0)->zValue(), 0.25);
    }
};

QTEST_MAIN(BankedWindowTest)
#include "test_banked_window.moc"
