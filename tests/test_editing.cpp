#include "support/WindowRig.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QRadioButton>

#include <algorithm>

using namespace WindowRig;

constexpr double kScale = PieceKinds::kDrawScale;

static void initResources()
{
    Q_INIT_RESOURCE(lanewright);
}

// The main window's editing of a layout: its answers to the scene's mouse
// edits, the Item menu's commands, the replay after each, and the lane
// lengths and layout size that follow.
class EditingTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initResources();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void clickReplacementDropsAttachmentsSetsMoveAndReplaysOnce_data()
    {
        QTest::addColumn<bool>("onLine");
        QTest::newRow("piece") << false;
        QTest::newRow("lane line") << true;
    }
    void clickReplacementDropsAttachmentsSetsMoveAndReplaysOnce()
    {
        QFETCH(bool, onLine);
        Rig rig;
        rig.activate(1);
        QVERIFY(rig.show());
        rig.lay({D::R3600, D::R3600, D::R3600});
        rig.attach(1, D::R3614_U);
        rig.a().mChanged = false;
        QGraphicsItem *target = onLine ? rig.laneLine(1) : rig.piece(1);
        const QPointF spot = rig.pointOn(target);
        QVERIFY2(spot.x() >= 0, "no point where the item is on top");

        rig.w().toolBox().mTrackGroup->button(D::R3601_R)->click();
        QCOMPARE(rig.scene()->mMode, DiagramScene::Append);
        rig.mark();
        rig.click(spot);

        const PlacedPiece &entry = rig.a().mPieces.at(1);
        QCOMPARE(entry.mPartNumber, QString("R3601_R"));
        QVERIFY(entry.mAttachments.isEmpty());
        QCOMPARE(rig.replays(), QStringList({"1"}));
        QCOMPARE(rig.screen().mModeLineEdit->text(), QString("Move"));
    }

    void doubleClickInsertsAtTheClickedPiecesLevel()
    {
        Rig rig;
        rig.activate(1);
        QVERIFY(rig.show());
        rig.lay({D::R3600, D::R3601_R, D::R3600});
        rig.a().mPieces[1].mLevel = 1.0;
        rig.w().rebuildTrackGraphic(&rig.a(), 0);
        const PlacedPiece old = rig.a().mPieces.at(1);
        rig.w().toolBox().mTrackGroup->button(D::R3620)->click();
        const QPointF spot = rig.pointOn(rig.piece(1));
        QVERIFY(spot.x() >= 0);

        rig.mark();
        rig.doubleClick(spot);
        QCOMPARE(Rig::parts(rig.a()), QStringList({"R3600", "R3620", "R3601_R", "R3600"}));
        const PlacedPiece &inserted = rig.a().mPieces.at(1);
        QCOMPARE(inserted.mLevel, 1.0);
        QCOMPARE(inserted.mDbIndex, rig.w().catalog().findIndex("R3620"));
        QVERIFY(near(inserted.mOrigin, old.mOrigin));
        QCOMPARE(rig.piece(1)->zValue(), 1.0);
    }

    void draggingTheFirstPieceMovesBothPairsOfAFourLaneLayout()
    {
        Rig rig;
        rig.activate(1);
        QVERIFY(rig.show());
        rig.a().mLanes = 4;
        rig.b().mLanes = 4;
        for (int i = 0; i < 3; ++i)
            QVERIFY(rig.scene()->appendFourLanePiece(D::R3600R3600, kStart));
        QCOMPARE(rig.scene()->mMode, DiagramScene::Move);
        const QPointF from = rig.pointOn(rig.piece(0));
        QVERIFY(from.x() >= 0);
        const QPointF left = rig.reached(from - QPointF(200, 0));
        const QPointF to = rig.reached(left + QPointF(0, 150));

        rig.mark();
        rig.drag({from, left, to});
        const QPointF moved = kStart + (to - from);
        QCOMPARE(rig.a().mFirstPt, moved);
        QCOMPARE(rig.b().mFirstPt,
                 QPointF(moved.x(), std::round((moved.y() - 178.0 * kScale) * 100) / 100));
        QCOMPARE(rig.replays(), QStringList({"0", "0"}));
        QCOMPARE(rig.piece(0, 1)->pos(), rig.b().mFirstPt);
    }

    void deleteDropsPiecesWithOneReplayFromTheLowest_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QStringList>("starts");
        QTest::newRow("first piece")
            << QList<int>{0} << QStringList{"R3620", "R3620dc", "R3608", "R3601_R", "R3602_R"}
            << QStringList{"0"};
        QTest::newRow("pieces 2 and 5")
            << QList<int>{5, 2} << QStringList{"R3600", "R3620", "R3608", "R3601_R"}
            << QStringList{"2"};
    }
    void deleteDropsPiecesWithOneReplayFromTheLowest()
    {
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, left);
        QFETCH(QStringList, starts);
        Rig rig;
        rig.activate(1);
        rig.lay({D::R3600, D::R3620, D::R3620dc, D::R3608, D::R3601_R, D::R3602_R});
        QList<QGraphicsItem *> items;
        for (int index : selected)
            items << rig.piece(index);
        rig.select(items);

        rig.mark();
        rig.w().itemAction(MainWindow::DeleteAction)->trigger();
        QCOMPARE(Rig::parts(rig.a()), left);
        QCOMPARE(rig.replays(), starts);
        QCOMPARE(rig.scene()->items().size(), 3 * left.size());
        QCOMPARE(rig.a().mPieces.at(0).mOrigin, kStart);
        QCOMPARE(rig.a().mPieces.at(0).mAngle, 0.0);
    }

    void attachmentDeletedAloneLeavesTheChainWithoutReplay()
    {
        Rig rig;
        rig.activate(1);
        rig.lay({D::R3600, D::R3600, D::R3600});
        DiagramItem *upper = rig.attach(1, D::R3614_U);
        DiagramItem *lower = rig.attach(1, D::R3614_L);
        const QString upperName = upper->mPartNumber;
        // The second of the host's two attachments: the name decides which goes.
        rig.select({lower});

        rig.mark();
        rig.w().itemAction(MainWindow::DeleteAction)->trigger();
        QVERIFY(rig.replays().isEmpty());
        const QList<AttachmentEntry> &kept = rig.a().mPieces.at(1).mAttachments;
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept.at(0).mName, upperName);
        QVERIFY(!rig.scene()->items().contains(lower));
    }

    // The second lane pair is edited through its own record: the first pair
    // stays as it was and is not laid again.
    void itemMenuEditsLanesThreeAndFourOnRecordB()
    {
        Rig rig;
        rig.activate(1);
        rig.a().mLanes = 4;
        for (int i = 0; i < 3; ++i)
            QVERIFY(rig.scene()->appendFourLanePiece(D::R3600R3600, kStart));
        rig.w().setAddTrackRunner(answer("R3620ToolButton"));
        rig.select({rig.piece(1, 1)});
        rig.mark();
        rig.w().itemAction(MainWindow::InsertAction)->trigger();
        QCOMPARE(Rig::parts(rig.b()), QStringList({"R3600", "R3620", "R3600", "R3600"}));
        QCOMPARE(rig.replays(), QStringList({"1"}));

        rig.select({rig.piece(0, 1)});
        rig.mark();
        rig.w().itemAction(MainWindow::DeleteAction)->trigger();
        QCOMPARE(Rig::parts(rig.b()), QStringList({"R3620", "R3600", "R3600"}));
        QCOMPARE(rig.b().mPieces.at(0).mOrigin, rig.b().mFirstPt);
        QCOMPARE(rig.piece(0, 1)->pos(), rig.b().mFirstPt);
        QCOMPARE(rig.replays(), QStringList({"0"}));
        QCOMPARE(Rig::parts(rig.a()), QStringList({"R3600", "R3600", "R3600"}));
    }

    void menuAddsTheChosenPiecesAtTheSelectedPiece_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("host");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<QString>("mode");
        const int append = MainWindow::AppendAction;
        const int insert = MainWindow::InsertAction;
        QTest::newRow("insert on piece 0") << insert << 0 << "R3620ToolButton"
                                           << QStringList{"R3620", "R3600", "R3601_R"} << "insert";
        QTest::newRow("append on the last piece")
            << append << 1 << "R3609ToolButton" << QStringList{"R3600", "R3601_R", "R3609"}
            << "append";
        QTest::newRow("replace drops the attachments")
            << int(MainWindow::ReplaceAction) << 1 << "R3610_LToolButton"
            << QStringList{"R3600", "R3610_L"} << "replace";
    }
    void menuAddsTheChosenPiecesAtTheSelectedPiece()
    {
        QFETCH(int, action);
        QFETCH(int, host);
        QFETCH(QString, button);
        QFETCH(QStringList, parts);
        QFETCH(QString, mode);
        Rig rig;
        rig.activate(1);
        rig.lay({D::R3600, D::R3601_R});
        rig.attach(1, D::R3605_R);
        QStringList modes;
        rig.w().setAddTrackRunner(answer(button, &modes));
        rig.select({rig.piece(host)});
        rig.a().mChanged = false;

        rig.mark();
        rig.w().itemAction(MainWindow::ItemAction(action))->trigger();
        QCOMPARE(modes, QStringList({mode}));
        QCOMPARE(Rig::parts(rig.a()), parts);
        QCOMPARE(rig.replays(), QStringList({QString::number(host)}));
        for (int i = 0; i < parts.size(); ++i) {
            const PlacedPiece &entry = rig.a().mPieces.at(i);
            QCOMPARE(entry.mDbIndex, rig.w().catalog().findIndex(parts.at(i)));
            QVERIFY(near(entry.mOrigin, i == 0 ? kStart : rig.a().mPieces.at(i - 1).mNextPt));
            // The attachment stays on its host, unless the host was replaced.
            QCOMPARE(entry.mAttachments.size(), entry.mPartNumber == "R3601_R" ? 1 : 0);
        }
        QVERIFY(rig.rec.mLog.isEmpty());
    }

    void bankedAndAttachmentHostsAreRefused_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("host");
        QTest::addColumn<bool>("refused");
        const int append = MainWindow::AppendAction;
        const int insert = MainWindow::InsertAction;
        // The layout: R3600, F8514L_R, F8517_R, F8519R_R, and an apron on piece 0 (index 4 here).
        QTest::newRow("insert on a banked curve") << insert << 2 << true;
        QTest::newRow("append after an exit transition") << append << 3 << false;
        QTest::newRow("append on an attachment") << append << 4 << true;
    }
    void bankedAndAttachmentHostsAreRefused()
    {
        QFETCH(int, action);
        QFETCH(int, host);
        QFETCH(bool, refused);
        Rig rig;
        rig.activate(1);
        rig.lay({D::R3600, D::F8514L_R, D::F8517_R, D::F8519R_R});
        DiagramItem *apron = rig.attach(0, D::R3614_U);
        QStringList modes;
        rig.w().setAddTrackRunner(answer("R3620ToolButton", &modes));
        rig.w().toolBox().mApronGroup->button(D::R3614_U)->click();
        rig.select({host == 4 ? apron : rig.piece(host)});
        const QStringList before = Rig::parts(rig.a());

        rig.w().itemAction(MainWindow::ItemAction(action))->trigger();
        if (refused) {
            QCOMPARE(rig.rec.mLog,
                     QStringList({"message||See specific menu item for banked track."}));
            QVERIFY(modes.isEmpty());
            QCOMPARE(Rig::parts(rig.a()), before);
        } else {
            QVERIFY(rig.rec.mLog.isEmpty());
            QCOMPARE(modes.size(), 1);
        }
    }

    void chooserWithoutAChoiceChangesNothing_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("append, OK with nothing")
            << int(MainWindow::AppendAction) << QString() << false;
        QTest::newRow("insert, cancelled")
            << int(MainWindow::InsertAction) << "R3620ToolButton" << true;
    }
    void chooserWithoutAChoiceChangesNothing()
    {
        QFETCH(int, action);
        QFETCH(QString, button);
        QFETCH(bool, cancel);
        Rig rig;
        rig.activate(1);
        rig.lay({D::R3600, D::R3601_R});
        rig.attach(1, D::R3605_R);
        rig.a().mChanged = false;
        rig.a().mSaved = true;
        rig.w().setAddTrackRunner(answer(button, nullptr, cancel));
        rig.select({rig.piece(1)});

        rig.mark();
        rig.w().itemAction(MainWindow::ItemAction(action))->trigger();
        QCOMPARE(Rig::parts(rig.a()), QStringList({"R3600", "R3601_R"}));
        QCOMPARE(rig.a().mPieces.at(1).mAttachments.size(), 1);
        QVERIFY(rig.replays().isEmpty());
        QVERIFY(!rig.a().mChanged && rig.a().mSaved);
    }

    void everyCommandOnTheStatsTabWithoutPiecesIsHarmless()
    {
        Rig rig;
        rig.activate(1);
        rig.w().tabWidget()->setCurrentIndex(0);
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

    void invertingElevationFlipsLevelsUntilTheLayoutIsLeft()
    {
        Rig rig;
        rig.activate(1);
        rig.lay({D::R3600, D::R3600});
        rig.a().mPieces[0].mLevel = 0.75;
        rig.w().rebuildTrackGraphic(&rig.a(), 0);

        rig.mark();
        rig.find<QRadioButton>("invertedRadioButton")->click();
        QCOMPARE(rig.a().mPieces.at(0).mLevel, 0.25);
        QCOMPARE(rig.a().mPieces.at(1).mLevel, 0.75);
        QCOMPARE(rig.piece(0)->toolTip(), QString("R3600 elev 0.25"));
        QCOMPARE(rig.replays(), QStringList({"0"}));

        // Leaving the layout while inverted turns it back first.
        rig.w().tabWidget()->setCurrentIndex(2);
        QCOMPARE(rig.w().recordA(0).mPieces.at(0).mLevel, 0.75);
        QVERIFY(rig.find<QRadioButton>("normalRadioButton")->isChecked());
    }

    void rangeSelectionSelectsPiecesAndAttachmentsOfOnePair()
    {
        Rig rig;
        rig.activate(1);
        rig.a().mLanes = 4;
        rig.b().mLanes = 4;
        for (int i = 0; i < 5; ++i)
            rig.scene()->appendFourLanePiece(D::R3600R3600, kStart);
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
    }

    void rangeStartOnNoPieceLeavesNoStartForTheEnd()
    {
        Rig rig;
        rig.activate(1);
        rig.lay({D::R3600, D::R3600, D::R3600, D::R3600});
        rig.pressOn(rig.piece(0));
        rig.w().itemAction(MainWindow::MultiSelectStartAction)->trigger();
        // A later start on an item that is no piece and no lane line.
        auto *stranger = rig.scene()->addRect(QRectF(100, 100, 20, 20));
        rig.pressOn(stranger);
        rig.w().itemAction(MainWindow::MultiSelectStartAction)->trigger();

        rig.pressOn(rig.piece(3));
        rig.w().itemAction(MainWindow::MultiSelectEndAction)->trigger();
        QVERIFY(rig.scene()->selectedItems().isEmpty());
    }
};

QTEST_MAIN(EditingTest)
#include "test_editing.moc"
