#include "support/WindowRig.h"

#include "app/HintButton.h"
#include "layout/TrackPlanFile.h"

#include <QBuffer>
#include <QUndoStack>

using namespace WindowRig;

static void initResources()
{
    Q_INIT_RESOURCE(lanewright);
}

namespace {

const QString kOvalFile = QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans/oval-terminal.txt");
const QString kEightFile = QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans/figure-eight.txt");
const QList<D::DiagramType> kChain{D::R3600, D::R3601_R, D::R3600, D::R3601_R};
// The 14 inch oval: each lane runs the inside of all six curves.
const QList<D::DiagramType> kOval{D::R3600, D::R3601_R, D::R3601_R, D::R3601_R,
                                  D::R3600, D::R3601_R, D::R3601_R, D::R3601_R};

// Both records as the layout file holds them, and the name and path the tab shows.
QByteArray written(Rig &aRig)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeTrackPlan(&buffer, aRig.a());
    if (aRig.a().mLanes == 4)
        writeTrackPlan(&buffer, aRig.b());
    return buffer.data() + aRig.screen().mNameLineEdit->text().toUtf8() + '|' +
           aRig.screen().mFilePathLineEdit->text().toUtf8();
}

void start(Rig &aRig, const QString &aStart)
{
    if (aStart == "chain") {
        aRig.lay(kChain);
    } else if (aStart == "four lanes") {
        aRig.newLanes = 4;
        aRig.newLayout();
        for (int i = 0; i < 2; ++i)
            aRig.scene()->appendFourLanePiece(D::R3600R3600, kStart);
    } else if (aStart == "banked") {
        aRig.lay({D::R3600, D::F8514L_R, D::F8517_R, D::F8517_R, D::F8519R_R, D::R3600});
    }
}

// One edit of each kind, as a user makes it.
void edit(Rig &aRig, const QString &aKind)
{
    MainWindow &w = aRig.w();
    const auto item = [&](MainWindow::ItemAction aAction, int aPiece) {
        aRig.select({aRig.piece(aPiece)});
        w.itemAction(aAction)->trigger();
    };
    w.setAddTrackRunner(answer(aKind.contains("replace") ? "R3608ToolButton" : "R3620ToolButton"));
    if (aKind == "append by click") {
        aRig.append(D::R3620);
    } else if (aKind == "append four lanes") {
        aRig.scene()->appendFourLanePiece(D::R3601R3610_R, kStart);
    } else if (aKind == "append from menu") {
        item(MainWindow::AppendAction, 3);
    } else if (aKind == "insert from menu") {
        item(MainWindow::InsertAction, 1);
    } else if (aKind == "insert by double click") {
        emit aRig.scene()->itemInserted(aRig.piece(1), D::R3608);
    } else if (aKind == "replace from menu") {
        item(MainWindow::ReplaceAction, 2);
    } else if (aKind == "replace by click") {
        aRig.scene()->setItemType(D::R3620);
        aRig.scene()->replaceTrackPiece(aRig.piece(0));
    } else if (aKind == "delete") {
        item(MainWindow::DeleteAction, 1);
    } else if (aKind == "move") {
        aRig.piece(0)->moveBy(120, -40);
        emit aRig.scene()->itemMoved(aRig.piece(0));
    } else if (aKind == "attach by click") {
        aRig.attach(0, D::R3614_U);
    } else if (aKind == "attach chooser") {
        aRig.answerChooser({"R3614_L"});
        item(MainWindow::AttachAction, 2);
    } else if (aKind == "banked") {
        QString shown;
        w.setBankedDialogRunner(answerBanked({"F8517d_ToolButton", "R3628o_ToolButton"}, &shown));
        item(MainWindow::BankedAction, 2);
    } else if (aKind == "level") {
        item(MainWindow::Elev4Action, 1);
    } else if (aKind == "inverted") {
        aRig.find<QRadioButton>("invertedRadioButton")->click();
    } else if (aKind == "lane colours") {
        aRig.colors.mChoose = QStringList{"blue", "red", "green", "yellow"};
        aRig.laneColors();
    } else if (aKind == "rename") {
        aRig.screen().mNameLineEdit->setText("club oval");
        emit aRig.screen().mNameLineEdit->editingFinished();
    } else if (aKind == "new") {
        aRig.newLayout();
    } else if (aKind == "open") {
        aRig.open(kOvalFile);
    }
}

} // namespace

// Undo and redo of every edit, the save lamp that follows them, and the
// checks each tab shows: closure, collisions and the lane balance hint.
class UndoTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initResources();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void undoAndRedoRestoreEveryKindOfEdit_data()
    {
        QTest::addColumn<QString>("startWith");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        const QList<QStringList> rows{{"chain", "append by click", "Append R3620"},
                                      {"four lanes", "append four lanes", "Append R3601R3610_R"},
                                      {"chain", "append from menu", "Append R3620"},
                                      {"chain", "insert from menu", "Insert R3620"},
                                      {"chain", "insert by double click", "Insert R3608"},
                                      {"chain", "replace from menu", "Replace R3600 with R3608"},
                                      {"chain", "replace by click", "Replace R3600 with R3620"},
                                      {"chain", "delete", "Delete R3601_R"},
                                      {"four lanes", "move", "Move Layout"},
                                      {"chain", "attach by click", "Attach R3614_U"},
                                      {"chain", "attach chooser", "Attachments of R3600"},
                                      {"banked", "banked", "Banked Turn"},
                                      {"chain", "level", "Set Elev 4"},
                                      {"chain", "inverted", "Invert Elevations"},
                                      {"chain", "lane colours", "Lane Colors"},
                                      {"chain", "rename", "Rename Layout"},
                                      {"four lanes", "new", "New Layout"},
                                      {"empty", "open", "Open oval-terminal.txt"}};
        for (const QStringList &row : rows)
            QTest::newRow(qPrintable(row.at(1))) << row.at(0) << row.at(1) << row.at(2);
    }
    void undoAndRedoRestoreEveryKindOfEdit()
    {
        QFETCH(QString, startWith);
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        Rig rig;
        rig.activate(2);
        start(rig, startWith);
        const QByteArray before = written(rig);
        const int steps = rig.w().undoStack(1)->count();
        edit(rig, kind);
        const QByteArray after = written(rig);
        QVERIFY(after != before);
        QCOMPARE(rig.w().undoStack(1)->count(), steps + 1);
        QCOMPARE(rig.find<QAction>("undoAction")->text(), "Undo " + caption);
        rig.trigger("undoAction");
        QCOMPARE(written(rig), before);
        // The elevation view switches back with the levels.
        QVERIFY(!rig.find<QRadioButton>("invertedRadioButton")->isChecked());
        QCOMPARE(rig.find<QAction>("redoAction")->text(), "Redo " + caption);
        rig.trigger("redoAction");
        QCOMPARE(written(rig), after);
    }

    void lampAndClosePromptFollowTheSavedStep()
    {
        Rig rig;
        rig.activate(3);
        rig.append(D::R3600);
        rig.saveAs(rig.file("saved.txt"));
        rig.append(D::R3620);
        const QColor changed(255, 255, 0);
        const QColor saved(0, 255, 0);
        QCOMPARE(rig.lampCentre(3), changed);
        rig.trigger("undoAction");
        QVERIFY(!rig.a().mChanged && rig.a().mSaved);
        QCOMPARE(rig.lampCentre(3), saved);
        rig.trigger("redoAction");
        QVERIFY(rig.a().mChanged && !rig.a().mSaved);
        QCOMPARE(rig.lampCentre(3), changed);
        rig.trigger("undoAction");
        // Undo acts on the layout in front only.
        rig.activate(0);
        QVERIFY(!rig.find<QAction>("undoAction")->isEnabled());
        rig.rec.mLog.clear();
        QVERIFY(rig.w().close());
        QCOMPARE(rig.rec.mLog, QStringList());
    }

    void closureShowsClosedOrTheGapAndMarksTheOpenEnd()
    {
        Rig rig;
        rig.activate(1);
        rig.find<QRadioButton>("mmRadioButton")->click();
        rig.open(kOvalFile);
        QCOMPARE(rig.screen().mClosureLineEdit->text(), QString("closed"));
        QVERIFY(rig.scene()->openEndMarks().isEmpty());
        rig.newLayout();
        rig.lay(kOval.mid(0, 7));
        // One chord of the curve's inner edge short, turned 60 degrees.
        QCOMPARE(rig.screen().mClosureLineEdit->text(), QString("177.60 mm, 60.0\u00b0"));
        QCOMPARE(rig.scene()->openEndMarks().size(), 1);
        rig.trigger("undoAction");
        QCOMPARE(rig.screen().mClosureLineEdit->text(), QString("307.61 mm, 120.0\u00b0"));
    }

    // The sample's second run crosses the first on a bridge.
    void collisionsCountOnOneLevelOnly()
    {
        Rig rig;
        rig.activate(4);
        rig.open(kEightFile);
        QCOMPARE(rig.screen().mOverlapsLineEdit->text(), QString("0"));
        rig.select({rig.piece(7), rig.piece(8), rig.piece(9)});
        rig.w().itemAction(MainWindow::Elev0Action)->trigger();
        QCOMPARE(rig.screen().mOverlapsLineEdit->text(), QString("0"));
        for (int i : {0, 1, 2})
            rig.piece(i)->setSelected(true);
        rig.w().itemAction(MainWindow::Elev0Action)->trigger();
        QCOMPARE(rig.screen().mOverlapsLineEdit->text(), QString("2"));
        QVERIFY(!rig.scene()->collisionMarks().isEmpty());
        rig.trigger("undoAction");
        QCOMPARE(rig.screen().mOverlapsLineEdit->text(), QString("0"));
        QVERIFY(rig.scene()->collisionMarks().isEmpty());
    }

    // A lane swap in place of the second straight makes each lane run three
    // curves inside and three outside: 308 + 3 x 231.08 + 324 + 3 x 325.84.
    void balanceHintNamesTheStraightAndItsClickSelectsIt()
    {
        Rig rig;
        rig.activate(5);
        rig.find<QRadioButton>("mmRadioButton")->click();
        rig.lay(kOval);
        auto *hint = static_cast<HintButton *>(rig.screen().mBalanceButton[0]);
        QCOMPARE(hint->hint(), QString("568.56 mm apart, R3609 for piece 5: 2302.76 / 2302.76"));
        QVERIFY(hint->isEnabled());
        hint->click();
        QCOMPARE(rig.scene()->selectedItems(), QList<QGraphicsItem *>{rig.piece(4)});
        rig.w().setAddTrackRunner(answer("R3609ToolButton"));
        rig.w().itemAction(MainWindow::ReplaceAction)->trigger();
        QCOMPARE(hint->hint(), QString("even"));
        QVERIFY(!hint->isEnabled());
    }
};

QTEST_MAIN(UndoTest)
#include "test_undo.moc"
