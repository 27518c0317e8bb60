#pragma once

#include "common/LogFile.h"

#include <QBrush>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class ProportionalResizer;
class QAction;
class QCloseEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QResizeEvent;
class QTimerEvent;
class QtPrompter;
class RevellTrack;

// The program's single top-level window. It owns the shell's three logs, the
// catalog and everything the layout tabs share, builds them in a fixed order
// at start-up (each step relies on the ones before it) and tears them down in
// a fixed order at exit. Its slots follow the on_<object>_<signal> rule and
// are connected by name once the widget tree exists.
//
// The implementation is split by concern: MainWindow.cpp (start-up, logs,
// timer, window events, exit, about) and MainWindowMenus.cpp (actions and menus).
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // The Item menu's commands, in the order they are created.
    enum ItemAction
    {
        DeleteAction,
        ReplaceAction,
        AttachAction,
        BankedAction,
        InsertAction,
        AppendAction,
        Elev0Action,
        Elev1Action,
        Elev2Action,
        Elev3Action,
        Elev4Action,
        MultiSelectStartAction,
        MultiSelectEndAction,
        ItemActionCount
    };

    explicit MainWindow(QWidget *aParent = nullptr);
    ~MainWindow() override;

    // "Lanewright - Revell/Valtor v1.5 (<release date>)", also logged as the program version.
    static QString titleText();

    // The shell's logs; the scenes write their traces into the debug and build logs.
    LogFile &debugLog() { return mDebugLog; }
    LogFile &runLog() { return mRunLog; }
    LogFile &buildLog() { return mBuildLog; }

    const RevellTrack &catalog() const { return *mCatalog; }
    const QStringList &diagramTypeList() const { return mDiagramTypeList; }
    const std::array<QBrush, 4> &defaultLaneBrushes() const { return mDefaultLaneBrush; }
    // Every scene's context menu.
    QMenu *itemMenu() const { return mItemMenu; }
    QAction *itemAction(ItemAction aAction) const { return mItemActions.at(aAction); }

    bool shiftKey() const { return mShiftKey; }
    bool isTimerRunning() const { return mTimerId != -1; }
    int tickCount() const { return mTickCount; }
    const ProportionalResizer &resizer() const { return *mResizer; }

protected:
    void closeEvent(QCloseEvent *aEvent) override;
    void keyPressEvent(QKeyEvent *aEvent) override;
    void keyReleaseEvent(QKeyEvent *aEvent) override;
    void resizeEvent(QResizeEvent *aEvent) override;
    void timerEvent(QTimerEvent *aEvent) override;

private slots:
    void about();
    void on_actionAbout_triggered();
    void on_actionExit_triggered();
    void on_exitPushButton_clicked();

private:
    // Start-up, in the order the constructor runs them (MainWindow.cpp).
    void openDebugLog();
    void buildWidgetTree();
    void buildWindowWideWidgets();
    void createResizer();
    void hideDebugButtons();
    void logPlatform();
    void openRunAndBuildLogs();
    void showSystemName();
    void setUpDefaultLaneColors();
    void createCatalog();
    void logCrossSection();
    void buildDiagramTypeList();
    void startHousekeepingTimer();
    void stopHousekeepingTimer();
    void installPrompter();
    // Actions and menus (MainWindowMenus.cpp).
    void buildMenuBar();
    QAction *addMenuAction(QMenu *aMenu, const QString &aCaption, const QString &aObjectName);
    void createActions();
    void createMenus();

    // Identity and clock.
    QString mTitle;
    QString mStartTime;
    QString mBasePath;
    QString mSystemName;
    int mTimerId = -1;
    int mTickCount = 0;

    // Logs; a log whose directory is missing stays closed and silent.
    LogFile mDebugLog;
    LogFile mRunLog;
    LogFile mBuildLog;

    // Shared data built at start-up.
    std::unique_ptr<RevellTrack> mCatalog;
    QStringList mDiagramTypeList;
    std::array<QBrush, 4> mDefaultLaneBrush{
        {QBrush(Qt::red), QBrush(Qt::green), QBrush(Qt::blue), QBrush(Qt::yellow)}};

    // Input state.
    bool mShiftKey = false;

    // Window-wide widgets (owned by the widget tree).
    QWidget *mCentralWidget = nullptr;
    QLabel *mSystemLabel = nullptr;
    QLineEdit *mSystemLineEdit = nullptr;
    QLabel *mPiecesLabel = nullptr;
    QLineEdit *mPiecesLineEdit = nullptr;
    QLineEdit *mDatetimeLineEdit = nullptr;
    QPushButton *mCalcPushButton = nullptr;
    QPushButton *mExitPushButton = nullptr;
    QPushButton *mDumpPushButton = nullptr;

    // Menus and actions (owned by the widget tree).
    QMenu *mFileMenu = nullptr;
    QMenu *mItemMenu = nullptr;
    QMenu *mOptionsMenu = nullptr;
    QMenu *mHelpMenu = nullptr;
    std::array<QAction *, ItemActionCount> mItemActions{};

    // Geometry.
    int mInitialWidth = 0;
    int mInitialHeight = 0;
    std::unique_ptr<ProportionalResizer> mResizer;

    // The desktop's prompter, installed unless one was already in force.
    std::unique_ptr<QtPrompter> mQtPrompter;
    bool mOwnsPrompter = false;
};
