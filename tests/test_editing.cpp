#include "layout/TrackPlanFile.h"

#include "support/EditingRig.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QRadioButton>

#include <algorithm>

using namespace EditingRig;

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
        QVERIFY(
            rig.newBuild().contains("MainWindow::itemReplaced(): index 1   <R3600>   dtype 0\n"));
        // The replay drew the new piece and nothing of the old attachment.
        QCOMPARE(rig.piece(1)->mDiagramType, D::R3601_R);
        QCOMPARE(rig.scene()->items().size(), 9);
        QCOMPARE(rig.a().mPieces.at(2).mOrigin, rig.a().mPieces.at(1).mNextPt);
        QCOMPARE(rig.screen().mModeLineEdit->text(), QString("Move"));
        QVERIFY(!rig.w().toolBox().mTrackGroup->button(D::R3601_R)->isChecked());
        QVERIFY(rig.screen().mBtnActiveLineEdit->text().isEmpty());
        QVERIFY(rig.a().mChanged && !rig.a().mSaved);

        // Back in Move mode a click changes nothing.
        rig.mark();
        rig.click(rig.pointOn(rig.piece(0)));
        QCOMPARE(rig.a().mPieces.at(0).mPartNumber, QString("R3600"));
        QVERIFY(rig.replays().isEmpty());
    }

    void doubleClickInsertsAtTheClickedPiecesLevel()
    {
        Rig rig;
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
        QVERIFY(near(rig.a().mPieces.at(2).mOrigin, inserted.mNextPt));
        QCOMPARE(rig.replays(), QStringList({"1"}));
        QVERIFY(rig.newBuild().contains("MainWindow::itemInserted() dtype 1 at track index 1\n"));
        QVERIFY(!rig.w().toolBox().mTrackGroup->button(D::R3620)->isChecked());
        QCOMPARE(rig.piece(1)->zValue(), 1.0);
        QCOMPARE(rig.screen().mCurrentIndexLineEdit->text(), QString("4"));
    }

    void draggingTheFirstPieceMovesBothPairsOfAFourLaneLayout()
    {
        Rig rig;
        QVERIFY(rig.show());
        rig.a().mLanes = 4;
        rig.b().mLanes = 4;
        for (int i = 0; i < 3; ++i)
            QVERIFY(rig.scene()->appendFourLanePiece(D::R3600R3600, kStart));
        QCOMPARE(rig.scene()->mMode, DiagramScene::Move);
        const QPointF endBefore = rig.a().mForwardPt;
        const QPointF from = rig.pointOn(rig.piece(0));
        QVERIFY(from.x() >= 0);
        const QPointF left = rig.reached(from - QPointF(200, 0));
        const QPointF to = rig.reached(left + QPointF(0, 150));

        rig.mark();
        rig.drag({from, left, to});
        const QPointF moved = kStart + (to - from);
        QCOMPARE(rig.a().mFirstPt, moved);
        QCOMPARE(rig.b().mFirstPt, moved - QPointF(0, 178.0 * kScale));
        QCOMPARE(rig.replays(), QStringList({"0", "0"}));
        QCOMPARE(rig.a().mPieces.at(0).mOrigin, rig.a().mFirstPt);
        QCOMPARE(rig.b().mPieces.at(0).mOrigin, rig.b().mFirstPt);
        QVERIFY(near(rig.a().mForwardPt, endBefore + (moved - kStart)));
        QCOMPARE(rig.piece(0)->pos(), moved);
        QCOMPARE(rig.piece(0, DiagramItem::eType4)->pos(), rig.b().mFirstPt);
        QCOMPARE(rig.scene()->mMode, DiagramScene::Move);
        QVERIFY(rig.a().mChanged);
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
        QVERIFY(
            rig.newBuild().contains(QString("   returned track index %1\n\n")
                                        .arg(*std::min_element(selected.begin(), selected.end()))));
        QCOMPARE(rig.screen().mModeLineEdit->text(), QString("Move"));

        // What was deleted does not come back from the saved file.
        const QString path = rig.rt.path("plan.txt");
        QVERIFY(saveTrackPlanFile(path, rig.a(), rig.b()));
        LayoutRecord a;
        LayoutRecord b;
        loadTrackPlanFile(path, a, b, rig.w().catalog(), rig.w().diagramTypeList());
        QCOMPARE(Rig::parts(a), left);
    }

    void afterDeletingTheOnlyPieceAClickLaysANewFirstPiece()
    {
        Rig rig;
        QVERIFY(rig.show());
        rig.lay({D::R3600});
        rig.select({rig.piece(0)});
        rig.w().itemAction(MainWindow::DeleteAction)->trigger();
        QVERIFY(rig.a().mPieces.isEmpty());
        QVERIFY(rig.scene()->items().isEmpty());
        QCOMPARE(rig.screen().mWidthLineEdit->text(), QString("0.00"));
        QCOMPARE(rig.screen().mHeightLineEdit->text(), QString("0.00"));
        QCOMPARE(rig.lanes(), QStringList({"0.00", "0.00", "0.00", "0.00"}));

        rig.w().toolBox().mTrackGroup->button(D::R3620)->click();
        rig.view()->centerOn(2000, 1500);
        const QPointF spot = rig.reached(QPointF(2000, 1500));
        rig.click(spot);
        QCOMPARE(Rig::parts(rig.a()), QStringList({"R3620"}));
        QCOMPARE(rig.a().mFirstPt, spot);
        QCOMPARE(rig.a().mPieces.at(0).mOrigin, spot);
    }

    void attachmentDeletedAloneLeavesTheChainWithoutReplay()
    {
        Rig rig;
        rig.lay({D::R3600, D::R3600, D::R3600});
        DiagramItem *upper = rig.attach(1, D::R3614_U);
        DiagramItem *lower = rig.attach(1, D::R3614_L);
        DiagramItem *host = rig.piece(1);
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
        QVERIFY(rig.scene()->items().contains(upper));
        QVERIFY(rig.scene()->items().contains(host));
        QCOMPARE(Rig::parts(rig.a()), QStringList({"R3600", "R3600", "R3600"}));
        QVERIFY(rig.a().mChanged);
    }

    void attachmentsFollowTheirHostWhenAnEarlierPieceIsDeleted()
    {
        Rig rig;
        rig.lay({D::R3600, D::R3600, D::R3600});
        rig.attach(2, D::R3614_U);
        rig.select({rig.piece(0)});
        rig.w().itemAction(MainWindow::DeleteAction)->trigger();
        QCOMPARE(rig.a().mPieces.at(1).mAttachments.at(0).mHostIndex, 1);
    }

    void menuAddsTheChosenPiecesAtTheSelectedPiece_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("host");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<QString>("mode");
        const int append = MainWindow::AppendAction;
        const int insert = MainWindow::InsertAction;
        QTest::newRow("insert on piece 0") << insert << 0 << "R3620ToolButton" << QString()
                                           << QStringList{"R3620", "R3600", "R3601_R"} << "insert";
        QTest::newRow("append on the last piece")
            << append << 1 << "R3609ToolButton" << QString()
            << QStringList{"R3600", "R3601_R", "R3609"} << "append";
        QTest::newRow("insert a left turn of 60 deg")
            << insert << 1 << "R3625_LToolButton"
            << "60 deg"
            << QStringList{"R3600", "F8519R_L", "F8517_L", "F8517_L", "F8514L_L", "R3601_R"}
            << "insert";
        QTest::newRow("replace drops the attachments")
            << int(MainWindow::ReplaceAction) << 1 << "R3610_LToolButton" << QString()
            << QStringList{"R3600", "R3610_L"} << "replace";
    }
    void menuAddsTheChosenPiecesAtTheSelectedPiece()
    {
        QFETCH(int, action);
        QFETCH(int, host);
        QFETCH(QString, button);
        QFETCH(QString, angle);
        QFETCH(QStringList, parts);
        QFETCH(QString, mode);
        Rig rig;
        rig.lay({D::R3600, D::R3601_R});
        rig.attach(1, D::R3605_R);
        QStringList modes;
        rig.w().setAddTrackRunner(answer(button, angle, &modes));
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
            QCOMPARE(entry.mItemType, rig.w().diagramTypeList().indexOf(parts.at(i)));
            QCOMPARE(entry.mLevel, 0.25);
            QVERIFY(near(entry.mOrigin, i == 0 ? kStart : rig.a().mPieces.at(i - 1).mNextPt));
            // The attachment stays on its host, unless the host was replaced.
            QCOMPARE(entry.mAttachments.size(), entry.mPartNumber == "R3601_R" ? 1 : 0);
        }
        QCOMPARE(rig.screen().mCurrentIndexLineEdit->text(), QString::number(parts.size()));
        QVERIFY(rig.a().mChanged && !rig.a().mSaved);
        QVERIFY(rig.rec.mLog.isEmpty());
    }

    void bankedAndAttachmentHostsAreRefused_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("host");
        QTest::addColumn<bool>("refused");
        const int append = MainWindow::AppendAction;
        const int insert = MainWindow::InsertAction;
        const int replace = MainWindow::ReplaceAction;
        // The layout: R3600, F8514L_R, F8517_R, F8519R_R, and an apron on piece 0 (index 4 here).
        QTest::newRow("insert on a banked curve") << insert << 2 << true;
        QTest::newRow("replace an exit transition") << replace << 3 << true;
        QTest::newRow("append after an entry transition") << append << 1 << true;
        QTest::newRow("append after an exit transition") << append << 3 << false;
        QTest::newRow("append on an attachment") << append << 4 << true;
    }
    void bankedAndAttachmentHostsAreRefused()
    {
        QFETCH(int, action);
        QFETCH(int, host);
        QFETCH(bool, refused);
        Rig rig;
        rig.lay({D::R3600, D::F8514L_R, D::F8517_R, D::F8519R_R});
        DiagramItem *apron = rig.attach(0, D::R3614_U);
        QStringList modes;
        rig.w().setAddTrackRunner(answer("R3620ToolButton", QString(), &modes));
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
            QVERIFY(Rig::parts(rig.a()) != before);
        }
        // Either way the toolbox selection is gone.
        QVERIFY(!rig.w().toolBox().mApronGroup->button(D::R3614_U)->isChecked());
        QCOMPARE(rig.screen().mModeLineEdit->text(), QString("Move"));
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
        QTest::newRow("replace, OK with nothing")
            << int(MainWindow::ReplaceAction) << QString() << false;
    }
    void chooserWithoutAChoiceChangesNothing()
    {
        QFETCH(int, action);
        QFETCH(QString, button);
        QFETCH(bool, cancel);
        Rig rig;
        rig.lay({D::R3600, D::R3601_R});
        rig.attach(1, D::R3605_R);
        rig.a().mChanged = false;
        rig.a().mSaved = true;
        rig.w().setAddTrackRunner(answer(button, QString(), nullptr, cancel));
        rig.select({rig.piece(1)});

        rig.mark();
        rig.w().itemAction(MainWindow::ItemAction(action))->trigger();
        QCOMPARE(Rig::parts(rig.a()), QStringList({"R3600", "R3601_R"}));
        QCOMPARE(rig.a().mPieces.at(1).mAttachments.size(), 1);
        QVERIFY(rig.replays().isEmpty());
        QVERIFY(!rig.a().mChanged && rig.a().mSaved);
    }

    void laneLengthsShowInTheChosenUnit_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<QStringList>("lanes");
        const QList<int> oval{D::R3600, D::R3601_R, D::R3601_R, D::R3601_R,
                              D::R3600, D::R3601_R, D::R3601_R, D::R3601_R};
        QTest::newRow("oval, ft") << "ftRadioButton" << oval
                                  << QStringList{"6.57", "8.44", "0.00", "0.00"};
        QTest::newRow("oval, mm") << "mmRadioButton" << oval
                                  << QStringList{"2002.48", "2571.04", "0.00", "0.00"};
        QTest::newRow("R3620dc, mm") << "mmRadioButton" << QList<int>{D::R3620dc}
                                     << QStringList{"102.67", "102.67", "0.00", "0.00"};
    }
    void laneLengthsShowInTheChosenUnit()
    {
        QFETCH(QString, unit);
        QFETCH(QList<int>, types);
        QFETCH(QStringList, lanes);
        Rig rig;
        rig.find<QRadioButton>(unit)->click();
        for (int type : types)
            rig.scene()->appendTrackPiece(true, type, kStart, 0.25, false);
        QCOMPARE(rig.lanes(), lanes);
        // A replay measures again, to the same figures.
        rig.w().rebuildTrackGraphic(&rig.a(), 0);
        QCOMPARE(rig.lanes(), lanes);
    }

    void unknownPartStaysUnlaidAndTheChainGoesOn()
    {
        Rig rig;
        rig.find<QRadioButton>("mmRadioButton")->click();
        rig.lay({D::R3600, D::R3600});
        rig.a().mPieces.insert(1, PlacedPiece("X9999", -1, -1, QPointF(), 0.0, 0.25));

        rig.mark();
        rig.w().rebuildTrackGraphic(&rig.a(), 1);
        QCOMPARE(Rig::parts(rig.a()), QStringList({"R3600", "X9999", "R3600"}));
        QCOMPARE(rig.rec.mLog, QStringList({"message||lane calc: invalid track DB index [X9999]"}));
        QCOMPARE(rig.lanes(), QStringList({"616.00", "616.00", "0.00", "0.00"}));

        // A neighbour's command works around the unknown entry.
        rig.select({rig.piece(2)});
        rig.w().setAddTrackRunner(answer("R3620ToolButton"));
        rig.w().itemAction(MainWindow::InsertAction)->trigger();
        QCOMPARE(Rig::parts(rig.a()), QStringList({"R3600", "X9999", "R3620", "R3600"}));
    }

    void layoutSizeShowsInEveryUnit()
    {
        Rig rig;
        rig.find<QRadioButton>("mmRadioButton")->click();
        rig.lay({D::R3600, D::R3600});
        const double width = rig.screen().mWidthLineEdit->text().toDouble();
        const double height = rig.screen().mHeightLineEdit->text().toDouble();
        // Two straights end to end and one track wide, with the outline's pen.
        const double length = 2 * rig.w().catalog().length;
        QVERIFY2(width >= length && width < length + 14.0, qPrintable(QString::number(width)));
        QVERIFY2(height >= rig.w().catalog().width && height < rig.w().catalog().width + 14.0,
                 qPrintable(QString::number(height)));
        rig.find<QRadioButton>("mRadioButton")->click();
        QCOMPARE(rig.screen().mWidthLineEdit->text(), QString::number(width * 0.001, 'f', 2));
        rig.find<QRadioButton>("ftRadioButton")->click();
        QCOMPARE(rig.screen().mWidthLineEdit->text(), QString::number(width / 304.8, 'f', 2));
        QCOMPARE(rig.screen().mHeightLineEdit->text(), QString::number(height / 304.8, 'f', 2));

        // A turn that makes the layout taller shows at once.
        rig.lay({D::R3601_R, D::R3601_R, D::R3601_R});
        QVERIFY(rig.screen().mHeightLineEdit->text().toDouble() > 1.0);
    }

    void everyCommandOnAnEmptyLayoutOrTheStatsTabIsHarmless_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("layout 1") << 1;
        QTest::newRow("Stats tab") << 0;
    }
    void everyCommandOnAnEmptyLayoutOrTheStatsTabIsHarmless()
    {
        QFETCH(int, tab);
        Rig rig;
        rig.w().tabWidget()->setCurrentIndex(tab);
        QCOMPARE(rig.w().activeIndex(), 0);
        int chooserRuns = 0;
        rig.w().setAddTrackRunner([&](AddTrackDialog &) {
            ++chooserRuns;
            return int(QDialog::Accepted);
        });
        for (int action = 0; action < MainWindow::ItemActionCount; ++action)
            rig.w().itemAction(MainWindow::ItemAction(action))->trigger();
        rig.find<QRadioButton>("hollowRadioButton")->click();
        rig.find<QRadioButton>("invertedRadioButton")->click();
        rig.find<QRadioButton>("normalRadioButton")->click();
        QVERIFY(rig.a().mPieces.isEmpty());
        QVERIFY(rig.scene()->items().isEmpty());
        QCOMPARE(chooserRuns, 0);
        QVERIFY(rig.rec.mLog.isEmpty());
        QVERIFY(!rig.a().mChanged);

        // With pieces, the Stats tab's commands act on layout 1.
        rig.lay({D::R3600, D::R3600});
        rig.select({rig.piece(1)});
        rig.w().itemAction(MainWindow::DeleteAction)->trigger();
        QCOMPARE(Rig::parts(rig.w().recordA(0)), QStringList({"R3600"}));
    }

    void invertingElevationFlipsLevelsAndNormalRestoresThem()
    {
        Rig rig;
        rig.lay({D::R3600, D::R3600, D::R3600});
        rig.a().mPieces[0].mLevel = 0.75;
        rig.a().mPieces[2].mLevel = 0.5;
        rig.w().rebuildTrackGraphic(&rig.a(), 0);

        rig.mark();
        rig.find<QRadioButton>("invertedRadioButton")->click();
        QCOMPARE(rig.a().mPieces.at(0).mLevel, 0.25);
        QCOMPARE(rig.a().mPieces.at(1).mLevel, 0.75);
        QCOMPARE(rig.a().mPieces.at(2).mLevel, 0.5);
        QCOMPARE(rig.piece(0)->zValue(), 0.25);
        QCOMPARE(rig.piece(0)->toolTip(), QString("R3600 elev 0.25"));
        QCOMPARE(rig.replays(), QStringList({"0"}));
        // The window's own lines, around the items' construction traces.
        QStringList own;
        for (const QString &line : rig.newDebug().split('\n')) {
            if (line.contains("on_normalRadioButton") || line.startsWith("setGraphicsElev"))
                own << line;
        }
        QCOMPARE(own, QStringList({"on_normalRadioButton_toggled()   aChecked 0   mElevInverted 0",
                                   "setGraphicsElev()   inverted 1   tab 1",
                                   "   on_normalRadioButton_toggled()   aChecked 0   "
                                   "mElevInverted 1"}));
        QVERIFY(rig.newDebug().indexOf("rebuildTrackGraphic(): bounding box: ") >
                rig.newDebug().indexOf("setGraphicsElev()"));
        QVERIFY(!rig.w().elevInverted());

        // Leaving the layout while inverted turns it back first.
        rig.w().tabWidget()->setCurrentIndex(2);
        QCOMPARE(rig.w().recordA(0).mPieces.at(0).mLevel, 0.75);
        QCOMPARE(rig.w().recordA(0).mPieces.at(1).mLevel, 0.25);
        QVERIFY(rig.find<QRadioButton>("normalRadioButton")->isChecked());
    }

    void appearanceReplaysBothPairsOncePerSwitch()
    {
        Rig rig;
        rig.a().mLanes = 4;
        rig.b().mLanes = 4;
        rig.scene()->appendFourLanePiece(D::R3600R3600, kStart);
        rig.mark();
        rig.find<QRadioButton>("hollowRadioButton")->click();
        QCOMPARE(rig.replays().size(), 2);
        QCOMPARE(rig.piece(0)->brush().color(), rig.scene()->mFirstPieceHollow);
        QCOMPARE(rig.piece(0, DiagramItem::eType4)->brush().color(),
                 rig.scene()->mFirstPieceHollow);
        rig.mark();
        rig.find<QRadioButton>("filledRadioButton")->click();
        QCOMPARE(rig.replays().size(), 2);
        QCOMPARE(rig.piece(0)->brush().color(), rig.scene()->mFirstPieceFill);
    }

    void rangeSelectionSelectsPiecesAndAttachmentsOfOnePair()
    {
        Rig rig;
        rig.a().mLanes = 4;
        rig.b().mLanes = 4;
        for (int i = 0; i < 5; ++i)
            rig.scene()->appendFourLanePiece(D::R3600R3600, kStart);
        DiagramItem *apron = rig.attach(2, D::R3614_U);

        rig.pressOn(rig.laneLine(1));
        rig.w().itemAction(MainWindow::MultiSelectStartAction)->trigger();
        // The start survives a replay that deletes every item.
        rig.w().rebuildTrackGraphic(&rig.a(), 0);
        apron = rig.attach(2, D::R3614_U);
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

        // An end in the other lane pair selects nothing more.
        rig.scene()->clearSelection();
        rig.pressOn(rig.piece(4, DiagramItem::eType4));
        rig.w().itemAction(MainWindow::MultiSelectEndAction)->trigger();
        QVERIFY(rig.scene()->selectedItems().isEmpty());
    }

    void rangeStartOnNoPieceLeavesNoStartForTheEnd()
    {
        Rig rig;
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
