#include "support/WindowRig.h"

#include <QFile>

using namespace WindowRig;

static void initResources()
{
    Q_INIT_RESOURCE(lanewright);
}

namespace {

const QString kReplaced = "message||Attachment replaced with correct part...";
const QString kPresent = "message||Attachment already present...";
const QString kOops = "message|Oops|Cannot attach to this track piece.";

QStringList list(const char *aNames)
{
    return QString(aNames).split(' ', Qt::SkipEmptyParts);
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

QByteArray fileBytes(const QString &aPath)
{
    QFile file(aPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Aprons, transition aprons and fences in the real window: put on by
// clicking and through the attach command's choosers, kept through every
// replay, saved and opened with the layout.
class AttachTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initResources();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void clickAttachesTheRelativeThatFitsForThatClickOnly_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("pair");
        QTest::addColumn<bool>("onLine");
        QTest::newRow("lanes 1 and 2, on the piece") << 1 << 0 << false;
        QTest::newRow("lanes 3 and 4 of tab 8, on a lane line") << 8 << 1 << true;
    }
    void clickAttachesTheRelativeThatFitsForThatClickOnly()
    {
        QFETCH(int, tab);
        QFETCH(int, pair);
        QFETCH(bool, onLine);
        Rig rig;
        rig.activate(tab);
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
        QCOMPARE(rig.screen().mModeLineEdit->text(), QString("Attach"));

        QGraphicsItem *target = onLine ? rig.laneLine(1, pair) : rig.piece(1, pair);
        const QPointF spot = rig.pointOn(target);
        QVERIFY2(spot.x() >= 0, "no point where the item is on top");
        rig.click(spot);
        QCOMPARE(rig.rec.mLog, QStringList({kReplaced}));
        QCOMPARE(kept(record), QStringList({"1:R3611_R"}));
        QCOMPARE(drawn(rig, pair), QStringList({"1:R3611_R"}));
        QCOMPARE(rig.scene()->mItemType, D::R3605);

        // The same choice again starts from the 14 inch apron and finds its
        // 21 inch relative already there.
        rig.click(spot);
        QCOMPARE(rig.rec.mLog, QStringList({kReplaced, kReplaced, kPresent}));
        QCOMPARE(rig.scene()->mItemType, D::R3605);
        QCOMPARE(kept(record), QStringList({"1:R3611_R"}));
    }

    void attachmentsFollowTheirHostsThroughInsertDeleteAndReplace()
    {
        Rig rig;
        rig.activate(1);
        rig.lay({D::R3600, D::R3601_R, D::R3600, D::R3601_R});
        rig.attach(0, D::R3614_U);
        rig.attach(1, D::R3605);
        rig.attach(2, D::R3614_L);
        rig.attach(3, D::R3612);

        const QList<int> actions{MainWindow::InsertAction, MainWindow::DeleteAction,
                                 MainWindow::ReplaceAction};
        const QList<int> hosts{1, 0, 2};
        const QStringList buttons{"R3620ToolButton", "", "R3608ToolButton"};
        const QList<QStringList> after{list("0:R3614_U 2:R3605_R 3:R3614_L 4:R3612_R"),
                                       list("1:R3605_R 2:R3614_L 3:R3612_R"),
                                       list("1:R3605_R 3:R3612_R")};
        for (int step = 0; step < actions.size(); ++step) {
            rig.w().setAddTrackRunner(answer(buttons.at(step)));
            rig.select({rig.piece(hosts.at(step))});
            rig.w().itemAction(MainWindow::ItemAction(actions.at(step)))->trigger();
            QCOMPARE(kept(rig.a()), after.at(step));
            QCOMPARE(drawn(rig), after.at(step));
        }
        QCOMPARE(Rig::parts(rig.a()), QStringList({"R3620", "R3601_R", "R3608", "R3601_R"}));
    }

    void attachCommandKeepsWhatTheChooserDoesNotOffer_data()
    {
        QTest::addColumn<int>("host");
        QTest::addColumn<QList<int>>("attached");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("OK unchanged keeps the banked curve's fence")
            << int(D::F8517_R) << QList<int>{D::R3628o_Rb} << list("") << false
            << list("0:R3628o_Rb");
        QTest::newRow("OK unchanged keeps a fence the half curve's chooser lacks")
            << int(D::R3621_L) << QList<int>{D::R3617g_L, D::R3621o} << list("") << false
            << list("0:R3617g_L 0:R3621o_L");
        QTest::newRow("OK after swapping the apron for a fence")
            << int(D::R3610_L) << QList<int>{D::R3611} << list("R3605 R3617g") << false
            << list("0:R3618g_L");
        QTest::newRow("Cancel changes nothing") << int(D::R3600) << QList<int>{D::R3603R_FU}
                                                << list("R3603R_FU") << true << list("0:R3603R_FU");
        QTest::newRow("no chooser for a banked transition")
            << int(D::F8519R_R) << QList<int>{} << list("") << false << list("");
    }
    void attachCommandKeepsWhatTheChooserDoesNotOffer()
    {
        QFETCH(int, host);
        QFETCH(QList<int>, attached);
        QFETCH(QStringList, clicks);
        QFETCH(bool, cancel);
        QFETCH(QStringList, after);
        Rig rig;
        rig.activate(2);
        rig.append(D::DiagramType(host));
        for (int type : attached)
            QVERIFY(rig.attach(0, D::DiagramType(type)));
        rig.a().mChanged = false;
        const QStringList before = kept(rig.a());
        rig.answerChooser(clicks, cancel);
        rig.select({rig.piece(0)});

        rig.w().itemAction(MainWindow::AttachAction)->trigger();
        const bool chooser = PieceKinds::isPlainTrack(host) || PieceKinds::isBankedCurve(host);
        QCOMPARE(rig.rec.mLog, chooser ? QStringList() : QStringList({kOops}));
        QCOMPARE(kept(rig.a()), after);
        QCOMPARE(drawn(rig), after);
        // A chooser that changed what the piece carries marks the layout
        // changed; one that attached leaves the scene attaching.
        QCOMPARE(rig.a().mChanged, after != before);
        if (!clicks.isEmpty() && !cancel)
            QCOMPARE(rig.screen().mModeLineEdit->text(), QString("Attach"));
    }

    void layoutWithAttachmentsRoundTripsByteForByte()
    {
        Rig rig;
        rig.activate(3);
        const QString sample =
            QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans/aprons-and-fences.txt");
        rig.open(sample);
        QCOMPARE(drawn(rig), kept(rig.a()));
        QCOMPARE(drawn(rig).size(), 19);

        const QString copy = rig.file("copy.txt");
        rig.saveAs(copy);
        QCOMPARE(fileBytes(copy), fileBytes(sample));
    }
};

QTEST_MAIN(AttachTest)
#include "test_attach.moc"
