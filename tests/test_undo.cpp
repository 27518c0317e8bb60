#include "support/WindowRig.h"

#include "app/HintButton.h"
#include "layout/TrackPlanFile.h"

#include <QBuffer>
#include <QUndoStack>

#include <functional>
#include <iterator>

using namespace WindowRig;

namespace {

const QString kOvalFile = QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans/oval-terminal.txt");
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

// What an edit starts from: a chain of a straight, a curve, a straight and a
// curve; a four-lane layout for "4:" edits, a banked turn for "banked:"
// ones, nothing for "empty:" ones.
void start(Rig &aRig, const QString &aKind)
{
    const QString start = aKind.contains(':') ? aKind.section(':', 0, 0) : QString();
    if (start == "4") {
        aRig.newLanes = 4;
        aRig.newLayout();
        for (int i = 0; i < 2; ++i)
            aRig.scene()->appendFourLanePiece(D::R3600R3600, kStart);
    } else if (start == "banked") {
        aRig.lay({D::R3600, D::F8514L_R, D::F8517_R, D::F8517_R, D::F8519R_R, D::R3600});
    } else if (start.isEmpty()) {
        aRig.lay({D::R3600, D::R3601_R, D::R3600, D::R3601_R});
    }
}

void item(Rig &aRig, MainWindow::ItemAction aAction, int aPiece)
{
    aRig.select({aRig.piece(aPiece)});
    aRig.w().itemAction(aAction)->trigger();
}

// One edit of each kind, as a user makes it, and the name of its step.
struct Edit
{
    const char *mKind;
    const char *mCaption;
    std::function<void(Rig &)> mMake;
};
const Edit kEdits[] = {
    {"append by click", "Append R3620", [](Rig &aRig) { aRig.append(D::R3620); }},
    {"4:append selection", "Append R3601R3610_R",
     [](Rig &aRig) { aRig.scene()->appendFourLanePiece(D::R3601R3610_R, kStart); }},
    {"insert from menu", "Insert R3620",
     [](Rig &aRig) { item(aRig, MainWindow::InsertAction, 1); }},
    {"replace by click", "Replace R3600 with R3608",
     [](Rig &aRig) {
         aRig.scene()->setItemType(D::R3608);
         aRig.scene()->replaceTrackPiece(aRig.piece(0));
     }},
    {"delete", "Delete R3601_R", [](Rig &aRig) { item(aRig, MainWindow::DeleteAction, 1); }},
    {"4:move", "Move Layout",
     [](Rig &aRig) {
         aRig.piece(0)->moveBy(120, -40);
         emit aRig.scene()->itemMoved(aRig.piece(0));
     }},
    {"append from menu", "Append R3620",
     [](Rig &aRig) { item(aRig, MainWindow::AppendAction, 3); }},
    {"attach by click", "Attach R3614_U", [](Rig &aRig) { aRig.attach(0, D::R3614_U); }},
    {"attach chooser", "Attachments of R3600",
     [](Rig &aRig) { item(aRig, MainWindow::AttachAction, 2); }},
    {"banked:turn", "Banked Turn", [](Rig &aRig) { item(aRig, MainWindow::BankedAction, 2); }},
    {"level", "Set Elev 4", [](Rig &aRig) { item(aRig, MainWindow::Elev4Action, 1); }},
    {"inverted", "Invert Elevations",
     [](Rig &aRig) { aRig.find<QRadioButton>("invertedRadioButton")->click(); }},
    {"lane colours", "Lane Colors", [](Rig &aRig) { aRig.laneColors(); }},
    {"rename", "Rename Layout",
     [](Rig &aRig) {
         aRig.screen().mNameLineEdit->setText("club oval");
         emit aRig.screen().mNameLineEdit->editingFinished();
     }},
    {"4:new", "New Layout", [](Rig &aRig) { aRig.newLayout(); }},
    {"empty:open", "Open oval-terminal.txt", [](Rig &aRig) { aRig.open(kOvalFile); }}};

} // namespace

// Undo and redo of every edit, the save lamp that follows them, and the
// checks each tab shows: closure, collisions and the lane balance hint.
class UndoTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(lanewright);
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void undoAndRedoRestoreEveryKindOfEdit_data()
    {
        QTest::addColumn<int>("edit");
        for (int i = 0; i < int(std::size(kEdits)); ++i)
            QTest::newRow(kEdits[i].mKind) << i;
    }
    void undoAndRedoRestoreEveryKindOfEdit()
    {
        QFETCH(int, edit);
        const QString caption = QLatin1String(kEdits[edit].mCaption);
        Rig rig;
        rig.activate(2);
        start(rig, QLatin1String(kEdits[edit].mKind));
        rig.w().setAddTrackRunner(answer("R3620ToolButton"));
        QString shown;
        rig.w().setBankedDialogRunner(
            answerBanked({"F8517d_ToolButton", "R3628o_ToolButton"}, &shown));
        rig.answerChooser({"R3614_L"});
        rig.colors.mChoose = QStringList{"blue", "red", "green", "yellow"};
        const QByteArray before = written(rig);
        const int steps = rig.w().undoStack(1)->count();
        kEdits[edit].mMake(rig);
        const QByteArray after = written(rig);
        QVERIFY(after != before);
        // One step, the four-lane selection's and the chooser's included.
        QCOMPARE(rig.w().undoStack(1)->count(), steps + 1);
        QCOMPARE(rig.find<QAction>("undoAction")->text(), "Undo " + caption);
        rig.mark();
        rig.trigger("undoAction");
        QCOMPARE(written(rig), before);
        // The chain is laid again at most once per strip.
        QVERIFY(rig.replays().size() <= 1 + int(rig.a().mLanes == 4));
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
        for (const char *step : {"", "undoAction", "redoAction", "undoAction"}) {
            if (*step)
                rig.trigger(step);
            else
                rig.append(D::R3620);
            const bool saved = QByteArray(step) == "undoAction";
            QVERIFY(rig.a().mChanged != saved && rig.a().mSaved == saved);
            QCOMPARE(rig.lampCentre(3), saved ? QColor(0, 255, 0) : QColor(255, 255, 0));
        }
        // Undo acts on the layout in front only.
        rig.activate(0);
        QVERIFY(!rig.find<QAction>("undoAction")->isEnabled());
        rig.rec.mLog.clear();
        QVERIFY(rig.w().close());
        QCOMPARE(rig.rec.mLog, QStringList());
    }

    // Each layout keeps its last 200 steps, and Undo takes back a step of the
    // layout in front.
    void historyKeepsTwoHundredStepsOfTheLayoutInFront()
    {
        Rig rig;
        rig.activate(3);
        rig.append(D::R3620);
        rig.activate(4);
        for (int i = 0; i <= MainWindow::kUndoSteps; ++i)
            rig.append(D::R3600);
        QCOMPARE(rig.w().undoStack(3)->count(), MainWindow::kUndoSteps);
        rig.trigger("undoAction");
        QCOMPARE(QList<int>({rig.a(4).mPieces.size(), rig.a(3).mPieces.size()}),
                 QList<int>({MainWindow::kUndoSteps, 1}));
    }

    // The 14 inch oval closes; a lane swap in place of its second straight
    // makes each lane run three curves inside and three outside: 308 + 3 x
    // 231.08 + 324 + 3 x 325.84. Without its last curve it stops one chord of
    // the curve's inner edge short (2 x 177.6 mm x sin 30 degrees).
    void closureAndBalanceAreShownAndTheHintSelectsItsStraight()
    {
        Rig rig;
        rig.activate(1);
        rig.find<QRadioButton>("mmRadioButton")->click();
        rig.lay(kOval);
        QCOMPARE(rig.screen().mClosureLineEdit->text(), QString("closed"));
        QVERIFY(rig.scene()->openEndMarks().isEmpty());
        auto *hint = static_cast<HintButton *>(rig.screen().mBalanceButton[0]);
        QCOMPARE(hint->hint(), QString("568.56 mm apart, R3609 for piece 5: 2302.76 / 2302.76"));
        hint->click();
        QCOMPARE(rig.scene()->selectedItems(), QList<QGraphicsItem *>{rig.piece(4)});
        item(rig, MainWindow::DeleteAction, 7);
        QCOMPARE(rig.screen().mClosureLineEdit->text(), QString("177.60 mm, 60.0\u00b0"));
        QCOMPARE(rig.scene()->openEndMarks().size(), 1);
    }

    // The figure eight's second run crosses the first on a bridge until it
    // is lowered.
    void collisionsAreCountedAndOutlinedOnOneLevelOnly()
    {
        Rig rig;
        rig.activate(4);
        rig.open(QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans/figure-eight.txt"));
        QCOMPARE(rig.screen().mOverlapsLineEdit->text(), QString("0"));
        rig.select({rig.piece(7), rig.piece(8), rig.piece(9)});
        rig.w().itemAction(MainWindow::Elev1Action)->trigger();
        QCOMPARE(rig.screen().mOverlapsLineEdit->text(), QString("2"));
        QVERIFY(!rig.scene()->collisionMarks().isEmpty());
        rig.trigger("undoAction");
        QCOMPARE(rig.screen().mOverlapsLineEdit->text(), QString("0"));
        QVERIFY(rig.scene()->collisionMarks().isEmpty());
    }
};

QTEST_MAIN(UndoTest)
#include "test_undo.moc"
