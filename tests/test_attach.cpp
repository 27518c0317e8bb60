#include "support/WindowRig.h"

#include <QFile>

using namespace WindowRig;

namespace {

const QString kReplaced = "message||Attachment replaced with correct part...";
const QString kPresent = "message||Attachment already present...";
const QString kOops = "message|Oops|Cannot attach to this track piece.";

QStringList list(const QString &aNames)
{
    return aNames.split(' ', Qt::SkipEmptyParts);
}

// The attachments kept on aRecord's pieces as "host:part", with a note for
// an entry whose host index is not its host's place.
QStringList kept(const LayoutRecord &aRecord)
{
    QStringList result;
    for (int i = 0; i < aRecord.mPieces.size(); ++i) {
        for (const AttachmentEntry &entry : aRecord.mPieces.at(i).mAttachments)
            result << QString("%1:%2%3").arg(i).arg(entry.mName, entry.mHostIndex == i ? "" : "?");
    }
    result.sort();
    return result;
}

// The attachment items of lane pair aPair of the active layout as
// "host:part", with a note for one that does not lie where its host lies.
QStringList drawn(Rig &aRig, int aPair = 0)
{
    QStringList result;
    for (QGraphicsItem *item : aRig.scene()->items()) {
        if (item->type() != PieceKinds::pieceItemKind(aPair))
            continue;
        const auto *attachment = static_cast<DiagramItem *>(item);
        if (!PieceKinds::isAttachment(attachment->mDiagramType))
            continue;
        const DiagramItem *host = aRig.piece(attachment->mIndex, aPair);
        const bool onHost = host && host->pos() == attachment->pos() &&
                            host->rotation() == attachment->rotation() &&
                            host->zValue() == attachment->zValue();
        result << QString("%1:%2%3")
                      .arg(attachment->mIndex)
                      .arg(attachment->mPartNumber, onHost ? "" : "?");
    }
    result.sort();
    return result;
}

} // namespace

// Aprons, transition aprons and fences in the real window: put on by
// clicking and through the attach command's choosers, kept through every
// replay, saved and opened with the layout. And the Item menu's banked
// command with its dialog, and the elevation commands with the
// Normal/Inverted switch.
class AttachTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(lanewright);
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void clickAttachesTheRelativeThatFitsForThatClickOnly_data()
    {
        QTest::addColumn<int>("pair");
        QTest::newRow("lanes 1 and 2 of tab 1, on the piece") << 0;
        QTest::newRow("lanes 3 and 4 of tab 8, on a lane line") << 1;
    }
    void clickAttachesTheRelativeThatFitsForThatClickOnly()
    {
        QFETCH(int, pair);
        Rig rig;
        rig.activate(pair ? 8 : 1);
        QVERIFY(rig.show());
        // Piece 1 of the pair is a 21 inch right curve either way.
        if (pair == 1) {
            rig.a().mLanes = rig.b().mLanes = 4;
            for (int type : {D::R3600R3600, D::R3601R3610_R})
                QVERIFY(rig.scene()->appendFourLanePiece(type, kStart));
        } else {
            rig.lay({D::R3600, D::R3610_R});
        }
        LayoutRecord &record = pair ? rig.b() : rig.a();
        rig.apron(D::R3605)->click();
        QGraphicsItem *target = pair ? rig.laneLine(1, pair) : rig.piece(1, pair);
        const QPointF spot = rig.pointOn(target);
        QVERIFY2(spot.x() >= 0, "no point where the item is on top");
        rig.click(spot);
        QCOMPARE(rig.rec.mLog, QStringList({kReplaced}));
        QCOMPARE(kept(record), QStringList({"1:R3611_R"}));
        QCOMPARE(drawn(rig, pair), QStringList({"1:R3611_R"}));
        // The same choice again starts from the 14 inch apron and finds its
        // 21 inch relative already there.
        rig.click(spot);
        QCOMPARE(rig.rec.mLog, QStringList({kReplaced, kReplaced, kPresent}));
        QCOMPARE(rig.scene()->mItemType, D::R3605);
        QCOMPARE(kept(record), QStringList({"1:R3611_R"}));
    }

    void replacedPieceDropsItsAttachmentsAndTheOthersAreDrawnBack()
    {
        Rig rig;
        rig.activate(1);
        rig.lay({D::R3600, D::R3601_R, D::R3600, D::R3601_R});
        rig.attach(0, D::R3614_U);
        rig.attach(1, D::R3605);
        rig.attach(2, D::R3614_L);
        rig.attach(3, D::R3612);

        // A replaced piece drops its attachments; the replay draws the others
        // back around the chain, each without the refresh of a new attachment.
        rig.w().setAddTrackRunner(answer("R3608ToolButton"));
        rig.select({rig.piece(2)});
        rig.mark();
        rig.w().itemAction(MainWindow::ReplaceAction)->trigger();
        const QStringList after = list("0:R3614_U 1:R3605_R 3:R3612_R");
        QCOMPARE(kept(rig.a()), after);
        QCOMPARE(drawn(rig), after);
        const QString log = rig.newBuild();
        const int taken = log.indexOf("deleteAttachments()");
        QVERIFY(taken >= 0 && taken < log.indexOf("restoreAttachments()"));
        QVERIFY(!log.contains("MainWindow::itemAttached()"));
        QCOMPARE(Rig::parts(rig.a()), QStringList({"R3600", "R3601_R", "R3608", "R3601_R"}));
        // A deleted attachment goes alone, without a replay: its host and its
        // name decide which entry.
        DiagramItem *apron = rig.attach(3, D::R3605);
        rig.select({apron});
        rig.mark();
        rig.w().itemAction(MainWindow::DeleteAction)->trigger();
        QVERIFY(rig.replays().isEmpty());
        QCOMPARE(kept(rig.a()), after);
        QCOMPARE(drawn(rig), after);
    }

    void attachCommandKeepsWhatTheChooserDoesNotOffer_data()
    {
        QTest::addColumn<int>("host");
        QTest::addColumn<QList<int>>("attached");
        // "<the chooser's buttons clicked, then OK or Cancel>|<the attachments after>"
        QTest::addColumn<QString>("row");
        QTest::newRow("OK unchanged keeps the banked curve's fence")
            << int(D::F8517_R) << QList<int>{D::R3628o_Rb} << "OK|0:R3628o_Rb";
        QTest::newRow("OK after swapping the apron for a fence")
            << int(D::R3610_L) << QList<int>{D::R3611} << "R3605 R3617g OK|0:R3618g_L";
        QTest::newRow("Cancel changes nothing")
            << int(D::R3600) << QList<int>{D::R3603R_FU} << "R3603R_FU Cancel|0:R3603R_FU";
        QTest::newRow("no chooser for a banked transition")
            << int(D::F8519R_R) << QList<int>{} << "|";
    }
    void attachCommandKeepsWhatTheChooserDoesNotOffer()
    {
        QFETCH(int, host);
        QFETCH(QList<int>, attached);
        QFETCH(QString, row);
        const QStringList after = list(row.section('|', 1));
        QStringList buttons = list(row.section('|', 0, 0));
        const bool chooser = !buttons.isEmpty();
        const bool cancel = chooser && buttons.takeLast() == "Cancel";
        Rig rig;
        rig.activate(2);
        rig.append(D::DiagramType(host));
        for (int type : attached)
            QVERIFY(rig.attach(0, D::DiagramType(type)));
        rig.a().mChanged = false;
        const QStringList before = kept(rig.a());
        rig.answerChooser(buttons, cancel);
        rig.select({rig.piece(0)});

        rig.w().itemAction(MainWindow::AttachAction)->trigger();
        QCOMPARE(rig.rec.mLog, chooser ? QStringList() : QStringList({kOops}));
        QCOMPARE(kept(rig.a()), after);
        QCOMPARE(drawn(rig), after);
        // A chooser that changed what the piece carries marks the layout
        // changed; one that attached leaves the scene attaching.
        QCOMPARE(rig.a().mChanged, after != before);
        if (!buttons.isEmpty() && !cancel)
            QCOMPARE(rig.screen().mModeLineEdit->text(), QString("Attach"));
    }

    void layoutWithAttachmentsRoundTripsByteForByte()
    {
        Rig rig;
        rig.activate(3);
        QFile sample(QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans/aprons-and-fences.txt"));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        rig.open(sample.fileName());
        QCOMPARE(drawn(rig), kept(rig.a()));
        QCOMPARE(drawn(rig).size(), 19);
        rig.saveAs(rig.file("copy.txt"));
        QCOMPARE(rig.rt.read("copy.txt"), sample.readAll());
    }

    void bankedCommandEditsTheTurnOfTheSelectedPiece_data()
    {
        QTest::addColumn<int>("curves");
        QTest::addColumn<bool>("fenced");
        QTest::addColumn<int>("host");
        QTest::addColumn<QStringList>("clicks");
        // What the dialog showed (empty when it was not opened), then the
        // number of pieces and of attachments afterwards.
        QTest::addColumn<QString>("result");
        QTest::newRow("exit of a fenced turn, grown, transitions fenced")
            << 2 << true << 4 << QStringList{"F8517c_ToolButton", "R3628o_transToolButton"}
            << "Banked Right Turn 60 1 | 7 5";
        QTest::newRow("a plain piece is refused") << 1 << false << 0 << QStringList() << " | 5 0";
        QTest::newRow("cancelled") << 3 << false << 2 << QStringList{"R3628o_ToolButton", "Cancel"}
                                   << "Banked Right Turn 90 0 | 7 0";
        QTest::newRow("ten shown as eight keep the two not shown")
            << 10 << false << 5 << QStringList{"F8517h_ToolButton"}
            << "Banked Right Turn 300 0 noted | 13 0";
    }
    void bankedCommandEditsTheTurnOfTheSelectedPiece()
    {
        QFETCH(int, curves);
        QFETCH(bool, fenced);
        QFETCH(int, host);
        QFETCH(QStringList, clicks);
        QFETCH(QString, result);
        Rig rig;
        rig.activate(1);
        // A straight, a right turn of that many banked curves, a straight: the
        // turn's entry is piece 1.
        QList<D::DiagramType> types{D::R3600, D::F8514L_R};
        for (int i = 0; i < curves; ++i)
            types << D::F8517_R;
        rig.lay(types << D::F8519R_R << D::R3600);
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
        QCOMPARE(QStringLiteral("%1 | %2 %3")
                     .arg(opened)
                     .arg(rig.a().mPieces.size())
                     .arg(kept(rig.a()).size()),
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
        // The five commands give the five heights, each a change from the
        // one before (Elev 1 is the default); piece 0 is left at 0.75.
        for (int step : {0, 2, 4, 1, 3}) {
            rig.select({rig.piece(0)});
            rig.w().itemAction(MainWindow::ItemAction(MainWindow::Elev0Action + step))->trigger();
            QCOMPARE(rig.a().mPieces.at(0).mLevel, step / 4.0);
        }
        QVERIFY(rig.piece(0)->collidesWithItem(rig.piece(6)));
        QCOMPARE(rig.piece(0)->zValue() - rig.piece(6)->zValue(), 0.5);
        QCOMPARE(rig.laneLine(0)->zValue(), 0.75);
        rig.mark();
        rig.find<QRadioButton>("invertedRadioButton")->click();
        QCOMPARE(rig.piece(6)->zValue() - rig.piece(0)->zValue(), 0.5);
        QCOMPARE(rig.piece(0)->toolTip(), QString("R3601_R elev 0.25"));
        QCOMPARE(rig.replays(), QStringList({"0"}));
        // Saved while inverted, the file holds the levels as shown.
        rig.saveAs(rig.file("inverted.txt"));
        const QByteArray text = rig.rt.read("inverted.txt");
        QCOMPARE(text.count("level: 0.75"), 6);
        QVERIFY(text.indexOf("level: 0.25") < text.indexOf("1 part number"));
        // Leaving the layout while inverted turns it back first.
        rig.activate(2);
        QCOMPARE(rig.a(1).mPieces.at(0).mLevel, 0.75);
        QVERIFY(rig.find<QRadioButton>("normalRadioButton")->isChecked());
        QCOMPARE(rig.scene(1)->pieceItem(0, 0)->zValue() - rig.scene(1)->pieceItem(0, 6)->zValue(),
                 0.5);

        rig.a().mLanes = rig.b().mLanes = 4;
        for (int i = 0; i < 3; ++i)
            rig.scene()->appendFourLanePiece(D::R3600R3600, kStart);
        DiagramItem *apron = rig.attach(1, D::R3614_U);
        rig.select({rig.piece(1), apron});
        rig.w().itemAction(MainWindow::Elev4Action)->trigger();
        QCOMPARE(apron->zValue(), 1.0);
        QCOMPARE(apron->toolTip(), QString("R3614_U elev 1.00"));
        QCOMPARE(rig.laneLine(1, 1)->zValue(), 0.25);
    }
};

QTEST_MAIN(AttachTest)
#include "test_attach.moc"
