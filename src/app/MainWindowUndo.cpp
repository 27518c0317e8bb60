// Each layout's history of edits: every edit ends in one step of its
// layout's undo stack, Undo and Redo lay the records back or forward and
// replay them once, and the save lamp follows the stack's clean state.
#include "MainWindow.h"

#include "QLedIndicator.h"

#include "layout/DiagramScene.h"

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolBox>
#include <QUndoGroup>
#include <QUndoStack>

namespace {

QList<QKeySequence> withKey(QList<QKeySequence> aKeys, const QKeySequence &aKey)
{
    if (!aKeys.contains(aKey))
        aKeys << aKey;
    return aKeys;
}

} // namespace

// One step of one layout's history. Pushed once its edit is done, so the
// first redo, which the stack runs on the push, has nothing to do.
class MainWindow::EditCommand : public QUndoCommand
{
public:
    EditCommand(MainWindow &aWindow, int aLayout, const QString &aCaption, HistoryStep aStep)
        : QUndoCommand(aCaption), mWindow(aWindow), mLayout(aLayout), mStep(std::move(aStep))
    {
    }

    void undo() override { mWindow.applyHistoryStep(mLayout, mStep, true); }
    void redo() override
    {
        if (mDone) {
            mDone = false;
            return;
        }
        mWindow.applyHistoryStep(mLayout, mStep, false);
    }

private:
    MainWindow &mWindow;
    const int mLayout;
    const HistoryStep mStep;
    bool mDone = true;
};

// The group and its two actions exist before the menus are made; the
// stacks follow once the records do (createHistory).
void MainWindow::createUndoActions()
{
    mUndoGroup = new QUndoGroup(this);
    mUndoGroup->setObjectName(QStringLiteral("undoGroup"));
    mUndoAction = mUndoGroup->createUndoAction(this, QStringLiteral("Undo"));
    mUndoAction->setObjectName(QStringLiteral("undoAction"));
    mUndoAction->setShortcuts(QKeySequence::keyBindings(QKeySequence::Undo));
    mUndoAction->setStatusTip(QStringLiteral("Undo the last edit of the layout"));
    mRedoAction = mUndoGroup->createRedoAction(this, QStringLiteral("Redo"));
    mRedoAction->setObjectName(QStringLiteral("redoAction"));
    // Both spellings of Redo work wherever the desktop prefers one of them.
    mRedoAction->setShortcuts(withKey(withKey(QKeySequence::keyBindings(QKeySequence::Redo),
                                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)),
                                      QKeySequence(Qt::CTRL | Qt::Key_Y)));
    mRedoAction->setStatusTip(QStringLiteral("Redo the edit last undone"));
}

void MainWindow::createHistory()
{
    for (int i = 0; i < kLayoutTabCount; ++i) {
        auto *stack = new QUndoStack(mUndoGroup);
        stack->setObjectName(QStringLiteral("layout%1UndoStack").arg(i + 1));
        stack->setUndoLimit(kUndoSteps);
        mUndoStacks[i] = stack;
        connect(stack, &QUndoStack::indexChanged, this, [this, i] { showHistoryState(i); });
        connect(stack, &QUndoStack::cleanChanged, this, [this, i] { showHistoryState(i); });
        takeHistoryBase(i);
    }
}

// Before the window's members go: the stacks report their clearing to
// handlers that read the records.
void MainWindow::destroyHistory()
{
    for (QUndoStack *&stack : mUndoStacks) {
        if (stack)
            disconnect(stack, nullptr, this, nullptr);
        stack = nullptr;
    }
    delete mUndoGroup;
    mUndoGroup = nullptr;
}

void MainWindow::markChanged(const QString &aCaption)
{
    if (mActiveRecordA)
        recordEdit(mActiveIndex, aCaption.isEmpty() ? QStringLiteral("Edit") : aCaption);
}

void MainWindow::recordEdit(int aIndex, const QString &aCaption)
{
    QUndoStack *stack = mUndoStacks.at(aIndex);
    if (!stack || mHoldingSteps)
        return;
    const HistoryBase &base = mHistoryBase[aIndex];
    HistoryStep step{
        LayoutHistory::changeBetween(base.mA, base.mB, mRecordA[aIndex], mRecordB[aIndex]),
        base.mShownPath, mLayoutScreens[aIndex].mFilePathLineEdit->text(), mStepFlipsView};
    if (step.mChange.isEmpty() && step.mPathBefore == step.mPathAfter)
        return;
    auto *command = new EditCommand(*this, aIndex, aCaption, std::move(step));
    takeHistoryBase(aIndex);
    stack->push(command);
}

// The records are laid back or forward through the same replay an edit
// ends in, once, and the tab shows what they now hold.
void MainWindow::applyHistoryStep(int aIndex, const HistoryStep &aStep, bool aUndo)
{
    const LayoutHistory::LayoutChange &change = aStep.mChange;
    LayoutRecord &recordA = mRecordA[aIndex];
    LayoutRecord &recordB = mRecordB[aIndex];
    const int lanes = recordA.mLanes;
    const auto apply = aUndo ? &LayoutHistory::undo : &LayoutHistory::redo;
    // The base always holds the state a step starts from, so a run that no
    // longer fits means the records were changed outside the history: they
    // are left as they are rather than patched wrongly. Copies cost nothing
    // until they are changed.
    LayoutRecord newA = recordA;
    LayoutRecord newB = recordB;
    if (apply(newA, change.mA) && apply(newB, change.mB)) {
        recordA = newA;
        recordB = newB;
    } else {
        mDebugLog.writeFlush("   history: layout %d does not match its step\n", aIndex + 1);
    }
    mDebugLog.writeFlush("   history: layout %d %s\n", aIndex + 1, aUndo ? "undo" : "redo");

    LayoutScreen &screen = mLayoutScreens[aIndex];
    // Only a step that changed the path shown (New, Open) sets it back: a
    // save since leaves the path of the file saved.
    if (aStep.mPathBefore != aStep.mPathAfter)
        screen.mFilePathLineEdit->setText(aUndo ? aStep.mPathBefore : aStep.mPathAfter);
    // The step that switched the elevation view switches the buttons back
    // with it, without laying the layout inverted once more.
    if (aStep.mFlipsView && aIndex == mActiveIndex) {
        const QSignalBlocker blocker(mNormalRadioButton);
        (mNormalRadioButton->isChecked() ? mInvertedRadioButton : mNormalRadioButton)
            ->setChecked(true);
    }
    screen.mNameLineEdit->setText(recordA.mName);
    screen.mLanesLineEdit->setText(QString::number(recordA.mLanes));
    replayChain(&recordA, 0);
    // Record B is laid again when it is drawn, or was until this step; in a
    // two-lane layout it holds only a copy of the name and colours.
    if (recordA.mLanes == 4 || lanes == 4) {
        replayChain(&recordB, 0);
        if (recordA.mLanes != 4)
            screen.showChainEnd(recordA);
    }
    refreshLayout(aIndex);
    // Restyling the labels is slow; only new colours need it.
    if (change.mA.mBeforeHead.mLaneBrush != change.mA.mAfterHead.mLaneBrush)
        restyleLaneLabels(aIndex);
    if (aIndex == mActiveIndex && recordA.mLanes != lanes && mToolBox.mToolBox)
        mToolBox.mToolBox->setCurrentIndex(recordA.mLanes == 4 ? ToolBoxBuilder::Track4Page
                                                               : ToolBoxBuilder::TrackPage);
    takeHistoryBase(aIndex);
}

void MainWindow::takeHistoryBase(int aIndex)
{
    HistoryBase &base = mHistoryBase[aIndex];
    base.mA = mRecordA[aIndex];
    base.mB = mRecordB[aIndex];
    base.mShownPath = mLayoutScreens[aIndex].mFilePathLineEdit->text();
}

// An empty layout holds nothing a file could keep (a save refuses it), so it
// never counts as changed and never holds the window open.
void MainWindow::showHistoryState(int aIndex)
{
    const QUndoStack *stack = mUndoStacks.at(aIndex);
    if (!stack)
        return;
    LayoutRecord &recordA = mRecordA[aIndex];
    const bool clean = stack->isClean();
    recordA.mChanged = !clean && !recordA.mPieces.isEmpty();
    recordA.mSaved = clean && mCleanSaved[aIndex];
    refreshSaveStatusLamp(aIndex);
}

void MainWindow::markClean(int aIndex, bool aSaved)
{
    QUndoStack *stack = mUndoStacks.at(aIndex);
    if (!stack)
        return;
    mCleanSaved[aIndex] = aSaved;
    takeHistoryBase(aIndex);
    stack->setClean();
    showHistoryState(aIndex);
}
