#include "support/WindowRig.h"

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
        QTest::addColumn<bool>("fenced");
        QTest::addColumn<int>("host");
        QTest::addColumn<QStringList>("clicks");
        // What the dialog showed (empty when it was not opened), then the
        // number of pieces and of attachments afterwards.
        QTest::addColumn<QString>("result");
        QTest::newRow("entry, one unchecked")
            << 1 << 4 << false << 1 << QStringList{"F8517d_ToolButton"}
            << "Banked Right Turn 120 0 | 7 0";
        QTest::newRow("exit of a fenced turn, grown, transitions fenced, on tab 8")
            << 8 << 2 << true << 4 << QStringList{"F8517c_ToolButton", "R3628o_transToolButton"}
            << "Banked Right Turn 60 1 | 7 5";
        QTest::newRow("a plain piece is refused")
            << 1 << 1 << false << 0 << QStringList() << " | 5 0";
        QTest::newRow("cancelled")
            << 1 << 3 << false << 2 << QStringList{"R3628o_ToolButton", "Cancel"}
            << "Banked Right Turn 90 0 | 7 0";
        QTest::newRow("ten shown as eight keep the two not shown")
            << 1 << 10 << false << 5 << QStringList{"F8517h_ToolButton"}
            << "Banked Right Turn 300 0 noted | 13 0";
    }
    void bankedCommandEditsTheTurnOfTheSelectedPiece()
    {
        QFETCH(int, tab);
        QFETCH(int, curves);
        QFETCH(bool, fenced);
        QFETCH(int, host);
        QFETCH(QStringList, clicks);
        QFETCH(QString, result);
        Rig rig;
        rig.activate(tab);
        rig.lay(rightTurn(curves));
        for (int i = 2; fenced && i < curves + 2; ++i)
            rig.a().mPieces[i].mAttachments << AttachmentEntry{"R3628o_Rb", -1, i};
        rig.a().mChanged = false;
        QString opened;
        rig.w().setBankedDialogRunner(answerBanked(clicks, &opened));
        rig.select({rig.piece(host)});
        rig.mark();
        rig.w().itemAction(MainWindow::BankedAction)->trigger();

        QCOMPARE(rig.rec.mLog,
                 opened.isEmpty()
                     ? QStringList{"message||This track piece does not support banked track."}
                     : QStringList());
        int attachments = 0;
        for (const PlacedPiece &piece : rig.a().mPieces)
            attachments += piece.mAttachments.size();
        QCOMPARE(
            QStringLiteral("%1 | %2 %3").arg(opened).arg(rig.a().mPieces.size()).arg(attachments),
            result);
        const bool changed = !opened.isEmpty() && !clicks.contains("Cancel");
        QCOMPARE(rig.a().mChanged, changed);
        QCOMPARE(rig.replays(), changed ? QStringList{"2"} : QStringList());
    }

    // Seven 60 degree curves: the seventh lies on the first. On a four-lane
    // layout piece t of lanes 1 and 2 and piece t of lanes 3 and 4 are two pieces.
    void levelDecidesWhichOfTwoOverlappingPiecesIsOnTop()
    {
        Rig rig;
        rig.activate(1);
        for (int i = 0; i < 7; ++i)
            rig.append(D::R3601_R);
        rig.select({rig.piece(0)});
        rig.w().itemAction(MainWindow::Elev3Action)->trigger();
        QVERIFY(rig.a().mChanged);
        QVERIFY(rig.piece(0)->collidesWithItem(rig.piece(6)));
        QCOMPARE(rig.piece(0)->zValue() - rig.piece(6)->zValue(), 0.5);
        QCOMPARE(rig.laneLine(0)->zValue(), 0.75);
        rig.find<QRadioButton>("invertedRadioButton")->click();
        QCOMPARE(rig.piece(6)->zValue() - rig.piece(0)->zValue(), 0.5);
        // Saved while inverted, the file holds the levels as shown.
        rig.saveAs(rig.file("inverted.txt"));
        const QByteArray text = rig.rt.read("inverted.txt");
        QCOMPARE(text.count("level: 0.75"), 6);
        QVERIFY(text.indexOf("level: 0.25") < text.indexOf("1 part number"));
        rig.find<QRadioButton>("normalRadioButton")->click();
        QCOMPARE(rig.piece(0)->zValue() - rig.piece(6)->zValue(), 0.5);

        rig.activate(2);
        rig.a().mLanes = rig.b().mLanes = 4;
        for (int i = 0; i < 3; ++i)
            rig.scene()->appendFourLanePiece(D::R3600R3600, kStart);
        DiagramItem *apron = rig.attach(1, D::R3614_U);
        rig.select({rig.piece(1), apron});
        rig.w().itemAction(MainWindow::Elev4Action)->trigger();
        QCOMPARE(rig.laneLine(1)->zValue(), 1.0);
        QCOMPARE(apron->zValue(), 1.0);
        QCOMPARE(apron->toolTip(), QString("R3614_U elev 1.00"));
        QCOMPARE(rig.laneLine(1, 1)->zValue(), 0.25);
    }
};

QTEST_MAIN(BankedWindowTest)
#include "test_banked_window.moc"
