#pragma once

// The real main window in a private runtime with its prompts recorded, driven
// through the File menu's actions. For the file command and save status tests.

#include "layout/LayoutScreen.h"
#include "app/MainWindow.h"
#include "app/QLedIndicator.h"
#include "layout/TabScreen.h"
#include "app/newLayoutDialog.h"
#include "graphics/DiagramItem.h"
#include "layout/DiagramScene.h"
#include "layout/LayoutRecord.h"

#include "support/RecordingPrompter.h"
#include "support/TestRuntime.h"

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <memory>

// Notes which tab is in front whenever a question is asked.
class TabWatchingPrompter : public RecordingPrompter
{
public:
    bool question(const QString &aTitle, const QString &aText) override
    {
        mTabsAtQuestion << (mTabs ? mTabs->currentIndex() : -1);
        return RecordingPrompter::question(aTitle, aText);
    }
    QTabWidget *mTabs = nullptr;
    QList<int> mTabsAtQuestion;
};

// The window goes after the runtime, so its closing lines reach the runtime's logs.
struct FileCommandRig
{
    FileCommandRig()
    {
        rec.mTabs = w().tabWidget();
        // New answers OK with the lanes and name set here, unless a test says otherwise.
        w().setNewLayoutDialogRunner([this](newLayoutDialog &aDialog) {
            ++newDialogRuns;
            if (newLanes == 4)
                aDialog.findChild<QRadioButton *>("FourLanesRadioButton")->click();
            aDialog.findChild<QLineEdit *>("nameLineEdit")->setText(newName);
            aDialog.on_nameLineEdit_editingFinished();
            return newAccept ? int(QDialog::Accepted) : int(QDialog::Rejected);
        });
    }

    TabWatchingPrompter rec;
    TestRuntime rt;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    int newLanes = 2;
    QString newName = QStringLiteral("fresh");
    bool newAccept = true;
    int newDialogRuns = 0;
    int runMark = 0;

    MainWindow &w() { return *window; }
    void activate(int aTab) { w().tabWidget()->setCurrentIndex(aTab); }
    LayoutRecord &a(int aTab) { return w().recordA(aTab - 1); }
    LayoutRecord &b(int aTab) { return w().recordB(aTab - 1); }
    LayoutScreen &screen(int aTab) { return w().layoutScreen(aTab - 1); }
    DiagramScene *scene(int aTab) { return w().tabScreen(aTab - 1).mScene; }
    void trigger(const char *aAction) { w().findChild<QAction *>(aAction)->trigger(); }
    void newLayout() { trigger("actionNew"); }
    void open(const QString &aPath)
    {
        rec.mFileNames.enqueue(aPath);
        trigger("actionOpen_Layout_File");
    }
    void saveAs(const QString &aPath)
    {
        rec.mFileNames.enqueue(aPath);
        trigger("actionSave_Layout_As");
    }
    void save(const QString &aPath)
    {
        rec.mFileNames.enqueue(aPath);
        trigger("actionSave_Layout");
    }
    DiagramItem *append(DiagramTypeBase::DiagramType aType, double aLevel = 0.25)
    {
        return w().activeScene()->appendTrackPiece(true, aType, QPointF(1000, 1000), aLevel, false);
    }
    QString file(const QString &aName) const { return rt.path(aName); }
    // Marks the run log's current end; newRun() gives what follows.
    void mark() { runMark = rt.read("logs/Lanewright.log").size(); }
    QString newRun() const
    {
        return QString::fromLatin1(rt.read("logs/Lanewright.log").mid(runMark));
    }
    // Runs the housekeeping timer through all eight layouts once.
    void tickAllLamps()
    {
        for (int i = 0; i < 8; ++i)
            w().housekeepingTick();
    }
    QColor lampCentre(int aTab) { return screen(aTab).mModifiedLed->onColor1(); }
};
