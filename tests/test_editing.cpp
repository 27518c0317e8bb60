#include "support/WindowRig.h"

#include <algorithm>

using namespace WindowRig;

namespace {

// The Item menu's aAction on aItems, with the logs read from here on.
void command(Rig &aRig, int aAction, const QList<QGraphicsItem *> &aItems)
{
    aRig.select(aItems);
    aRig.mark();
    aRig.w().itemAction(MainWindow::ItemAction(aAction))->trigger();
}

} // namespace

// The main window's editing of a layout: its answers to the scene's mouse
// edits, the Item menu's commands, the replay after each, and the lane
// lengths and layout size that follow.
class EditingTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(lanewright);
        QApplication::setQuitOnLastWindowClosed(false);
    }

    // A click on a lane line selects its piece for the Item menu; in Append a
    // click replaces the piece under it; a double click inserts before it, at
    // its level, and leaves the scene in Edit.
    void clicksSelectReplaceAndDoubleClicksInsertAtTheClickedPiece()
    {
        Rig rig;
        rig.activate(1);
        rig.lay({D::R3600, D::R3600, D::R3600});
        QVERIFY(rig.show());
        rig.click(rig.pointOn(rig.laneLine(1)));
        QCOMPARE(rig.scene()->selectedItems(), QList<QGraphicsItem *>{rig.piece(1)});
        const QPointF spot = rig.pointOn(rig.piece(1));
        rig.track(D::R3601_R)->click();
        rig.mark();
        rig.click(spot);
        QCOMPARE(Rig::parts(rig.a()), QStringList({"R3600", "R3601_R", "R3600"}));
        QCOMPARE(rig.replays(), QStringList({"1"}));
        QCOMPARE(rig.screen().mModeLineEdit->text(), QString("Move"));

        rig.a().mPieces[1].mLevel = 1.0;
        rig.w().rebuildTrackGraphic(&rig.a(), 0);
        const QPointF origin = rig.a().mPieces.at(1).mOrigin;
        rig.track(D::R3620)->click();
        rig.doubleClick(rig.pointOn(rig.piece(1)));
        QCOMPARE(Rig::parts(rig.a()), QStringList({"R3600", "R3620", "R3601_R", "R3600"}));
        QCOMPARE(rig.a().mPieces.at(1).mLevel, 1.0);
        QVERIFY(near(rig.a().mPieces.at(1).mOrigin, origin));
        QCOMPARE(rig.screen().mModeLineEdit->text(), QString("Edit"));
    }

    // Dragging the first piece moves both lane pairs; the Item menu edits the
    // second pair through its own record, and the first stays as it was and is
    // not laid again. A delete replays once, from the lowest piece deleted. A
    // range begun on a piece or a lane line takes the pieces and attachments
    // of that pair only.
    void fourLaneLayoutIsDraggedWholeAndEditedAndRangeSelectedPerPair()
    {
        Rig rig;
        rig.activate(1);
        rig.a().mLanes = rig.b().mLanes = 4;
        for (int i = 0; i < 4; ++i)
            rig.scene()->appendFourLanePiece(D::R3600R3600, kStart);
        QVERIFY(rig.show());
        const QPointF from = rig.pointOn(rig.piece(0));
        const QPointF left = rig.reached(from - QPointF(200, 0));
        const QPointF to = rig.reached(left + QPointF(0, 150));
        rig.mark();
        rig.drag({from, left, to});
        QCOMPARE(rig.a().mFirstPt, kStart + (to - from));
        QCOMPARE(rig.replays(), QStringList({"0", "0"}));
        QCOMPARE(rig.b().mFirstPt.x(), rig.a().mFirstPt.x());
        QCOMPARE(rig.piece(0, 1)->pos(), rig.b().mFirstPt);

        rig.w().setAddTrackRunner(answer("R3620ToolButton"));
        command(rig, MainWindow::InsertAction, {rig.piece(1, 1)});
        QCOMPARE(Rig::parts(rig.b()), QStringList({"R3600", "R3620", "R3600", "R3600", "R3600"}));
        QCOMPARE(rig.replays(), QStringList({"1"}));
        command(rig, MainWindow::DeleteAction, {rig.piece(3, 1), rig.piece(1, 1)});
        QCOMPARE(Rig::parts(rig.b()), QStringList({"R3600", "R3600", "R3600"}));
        QCOMPARE(rig.replays(), QStringList({"1"}));
        QCOMPARE(rig.scene()->items().size(), 3 * (4 + 3));
        QCOMPARE(Rig::parts(rig.a()), QStringList({"R3600", "R3600", "R3600", "R3600"}));

        DiagramItem *apron = rig.attach(2, D::R3614_U);
        rig.pressOn(rig.laneLine(1));
        rig.w().itemAction(MainWindow::MultiSelectStartAction)->trigger();
        rig.pressOn(rig.piece(3));
        rig.w().itemAction(MainWindow::MultiSelectEndAction)->trigger();
        QList<int> indexes;
        for (QGraphicsItem *item : rig.scene()->selectedItems()) {
            QCOMPARE(item->type(), int(DiagramItem::eType));
            indexes << static_cast<DiagramItem *>(item)->mIndex;
        }
        std::sort(indexes.begin(), indexes.end());
        QCOMPARE(indexes, QList<int>({1, 2, 2, 3}));
        QVERIFY(apron->isSelected());

        // A later start on an item that is no piece and no lane line leaves no start.
        rig.select({});
        rig.pressOn(rig.piece(0));
        rig.w().itemAction(MainWindow::MultiSelectStartAction)->trigger();
        rig.pressOn(rig.scene()->addRect(QRectF(100, 100, 20, 20)));
        rig.w().itemAction(MainWindow::MultiSelectStartAction)->trigger();
        rig.pressOn(rig.piece(3));
        rig.w().itemAction(MainWindow::MultiSelectEndAction)->trigger();
        QVERIFY(rig.scene()->selectedItems().isEmpty());
    }

    // On R3600, R3601_R with an apron, and a banked turn F8514L_R F8517_R
    // F8519R_R; host 5 is the apron. The chooser opens in the command's mode
    // (the replace chooser shows no banked turns), and one left without a
    // choice changes nothing; a banked piece or an attachment is refused
    // before it opens, and the toolbox's choice with it.
    void itemMenuAddsTheChosenPiecesAtTheSelectedPiece_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("host");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("parts");
        const auto row = [](const char *aTag, int aAction, int aHost, const char *aButton,
                            const char *aReply, const char *aParts) {
            QTest::newRow(aTag) << aAction << aHost << QString(aButton) << QString(aReply)
                                << QString(aParts);
        };
        const int insert = MainWindow::InsertAction;
        const int append = MainWindow::AppendAction;
        const char *const kept = "R3600 R3601_R F8514L_R F8517_R F8519R_R";
        row("append after an exit transition", append, 4, "R3609ToolButton", "OK",
            "R3600 R3601_R F8514L_R F8517_R F8519R_R R3609");
        row("replace drops the attachments", MainWindow::ReplaceAction, 1, "R3610_LToolButton",
            "OK", "R3600 R3610_L F8514L_R F8517_R F8519R_R");
        row("append OK with nothing", append, 1, "", "OK", kept);
        row("insert cancelled", insert, 1, "R3620ToolButton", "Cancel", kept);
        row("insert on a banked curve", insert, 3, "R3620ToolButton", "refused", kept);
        row("append on an attachment", append, 5, "R3620ToolButton", "refused", kept);
    }
    void itemMenuAddsTheChosenPiecesAtTheSelectedPiece()
    {
        QFETCH(int, action);
        QFETCH(int, host);
        QFETCH(QString, button);
        QFETCH(QString, reply);
        QFETCH(QString, parts);
        Rig rig;
        rig.activate(1);
        rig.lay({D::R3600, D::R3601_R, D::F8514L_R, D::F8517_R, D::F8519R_R});
        DiagramItem *apron = rig.attach(1, D::R3605_R);
        rig.a().mChanged = false;
        rig.a().mSaved = true;
        QStringList modes;
        rig.w().setAddTrackRunner(answer(button, &modes, reply == "Cancel"));
        rig.apron(D::R3614_U)->click();
        command(rig, action, {host == 5 ? apron : rig.piece(host)});
        const bool refused = reply == "refused";
        const QString mode = QString(QTest::currentDataTag()).section(' ', 0, 0);
        QCOMPARE(modes, refused ? QStringList() : QStringList{mode});
        QCOMPARE(rig.rec.mLog,
                 refused ? QStringList{"message||See specific menu item for banked track."}
                         : QStringList());
        QVERIFY(!refused || rig.scene()->mMode == DiagramScene::Move);
        QCOMPARE(Rig::parts(rig.a()).join(' '), parts);
        const bool changed = parts != "R3600 R3601_R F8514L_R F8517_R F8519R_R";
        QCOMPARE(rig.replays(), changed ? QStringList{QString::number(host)} : QStringList());
        QVERIFY(rig.a().mChanged == changed && rig.a().mSaved != changed);
    }

    void everyCommandOnTheStatsTabWithoutPiecesIsHarmless()
    {
        Rig rig;
        rig.activate(0);
        int chooserRuns = 0;
        rig.w().setAddTrackRunner([&](AddTrackDialog &) {
            ++chooserRuns;
            return int(QDialog::Accepted);
        });
        for (int action = 0; action < MainWindow::ItemActionCount; ++action)
            rig.w().itemAction(MainWindow::ItemAction(action))->trigger();
        rig.find<QRadioButton>("invertedRadioButton")->click();
        QVERIFY(rig.a().mPieces.isEmpty());
        QCOMPARE(chooserRuns, 0);
        QVERIFY(rig.rec.mLog.isEmpty());
        QVERIFY(!rig.a().mChanged);
    }
};

QTEST_MAIN(EditingTest)
#include "test_editing.moc"
