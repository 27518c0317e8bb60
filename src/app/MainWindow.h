#pragma once

#include "layout/LayoutScreen.h"
#include "LayoutTabFactory.h"
#include "layout/TabScreen.h"
#include "TabWidgetBuilder.h"
#include "ToolBoxBuilder.h"

#include "catalog/Inventory.h"
#include "catalog/LaneLength.h"
#include "common/LogFile.h"
#include "graphics/DiagramItem.h"
#include "layout/LayoutHistory.h"
#include "layout/LayoutRecord.h"

#include <QBrush>
#include <QHash>
#include <QKeySequence>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class AddTrackDialog;
class BankedDialog;
class AttachmentChooser;
class DiagramScene;
class LaneColorDialog;
class QAbstractButton;
class QButtonGroup;
class QGraphicsItem;
class QGraphicsScene;
class QGraphicsView;
class QAction;
class QCloseEvent;
class QEvent;
class QRect;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;
class QRadioButton;
class QLayout;
class QResizeEvent;
class QTabWidget;
class QTableWidget;
class QTimerEvent;
class QUndoGroup;
class QUndoStack;
class QtPrompter;
class RevellTrack;
class helpDialog;
class inventoryDialog;
class newLayoutDialog;
class partsDialog;
class partsToBuyDialog;
class setsDialog;
class tutorialDialog;

// The program's single top-level window. It owns the shell's three logs, the
// catalog and everything the layout tabs share, builds them in a fixed order
// at start-up (each step relies on the ones before it) and tears them down in
// a fixed order at exit. Its slots follow the on_<object>_<signal> rule and
// are connected by name once the widget tree exists.
//
// The implementation is split by concern: MainWindow.cpp (start-up, logs,
// timer, window events, exit, about, the scene dump), MainWindowTabs.cpp (the
// layout tabs, their records and scenes, tab activation, the view controls,
// units), MainWindowAttach.cpp (attachments and their choosers),
// MainWindowReplay.cpp (the replay of a layout, the refresh after an edit,
// and the appearance and elevation views that replay it),
// MainWindowToolbox.cpp (the toolbox and its button groups),
// MainWindowMenus.cpp (actions and menus), MainWindowEdit.cpp (the Item
// menu's editing commands and the answers to the scenes' edits),
// MainWindowBanked.cpp (banked turns and elevation levels), MainWindowFile.cpp
// (the layout file commands, the save-status lamps and the prompts to save at
// close), MainWindowUndo.cpp (each layout's history of edits, undo and redo),
// MainWindowChecks.cpp (the closure, collision and lane balance checks each
// tab shows), MainWindowColors.cpp (lane colours), MainWindowHelp.cpp (the help
// viewers), MainWindowStats.cpp (the inventory, the usage tables and the
// Inventory Manager and Parts to Buy) and MainWindowPrint.cpp (Print, Print
// to PDF and Export Image).
//
// Every editing, file and display command acts on the active layout, chosen
// by the tab widget: the accessors active*() return its parts.
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
    // The parts the user owns; row r is row r of every usage table.
    const TrackInventory &trackInventory() const { return mTrackInventory; }
    const std::array<QBrush, 4> &defaultLaneBrushes() const { return mDefaultLaneBrush; }
    // Every scene's context menu.
    QMenu *itemMenu() const { return mItemMenu; }
    QAction *itemAction(ItemAction aAction) const { return mItemActions.at(aAction); }

    // The tab widget: tab 0 is the Stats tab, tabs 1 to 8 the layouts.
    QTabWidget *tabWidget() const { return mSurface.mTabWidget; }
    // The tab widget's index as last activated (0 to 8).
    int currentTabIndex() const { return mCurrentTab; }
    // The active layout, 0 to 7; the Stats tab keeps layout 1 (0) active.
    int activeIndex() const { return mActiveIndex; }
    // The active layout's parts. Null only before the scenes exist.
    QGraphicsView *activeView() const { return mActiveView; }
    DiagramScene *activeScene() const { return mActiveScene; }
    TabScreen *activeTabScreen() const { return mActiveTabScreen; }
    LayoutRecord *activeRecordA() const { return mActiveRecordA; }
    LayoutRecord *activeRecordB() const { return mActiveRecordB; }
    LayoutScreen *activeLayoutScreen() const { return mActiveLayoutScreen; }

    // Layout aIndex's parts (0 to 7), for commands that visit every layout.
    LayoutRecord &recordA(int aIndex) { return mRecordA.at(aIndex); }
    LayoutRecord &recordB(int aIndex) { return mRecordB.at(aIndex); }
    LayoutScreen &layoutScreen(int aIndex) { return mLayoutScreens.at(aIndex); }
    const TabScreen &tabScreen(int aIndex) const { return mTabScreens.at(aIndex); }

    // The toolbox and its four button groups.
    const ToolBoxParts &toolBox() const { return mToolBox; }

    // The unit the radio buttons choose for lane lengths and layout size.
    LengthUnit lengthUnit() const;

    // After an edit of the active layout's chain: the view transform, the
    // layout size, the lane lengths and the checks are brought up to date. It
    // does not end the edit; the edit's own slot does that with markChanged().
    void refreshAfterEdit();
    // Ends an edit of the active layout: what it did to the records becomes
    // one step of the layout's history, named aCaption ("Insert R3600"), and
    // the save lamp follows. An edit that changed nothing leaves no step.
    void markChanged(const QString &aCaption = QString());

    // The history of edits of layout aIndex (0 to 7); the group's active
    // stack is the layout in front, none while the Stats tab is.
    QUndoStack *undoStack(int aIndex) const { return mUndoStacks.at(aIndex); }
    QUndoGroup *undoGroup() const { return mUndoGroup; }
    // Steps each layout's history keeps; older ones are forgotten.
    static constexpr int kUndoSteps = 200;
    // Layout aIndex's view turned and scaled as its dial, slider and lock say.
    void refreshViewTransform(int aIndex);
    // The active layout's size from its scene's items, in the chosen unit.
    void updateLayoutSize();
    // The four lane label colours of layout aIndex follow its record A's lanes.
    void restyleLaneLabels(int aIndex);

    // Layout aIndex's parts counted again into its tab's usage table; the
    // Stats tab sums them when it is next shown.
    void updateTrackUsage(int aIndex);
    // The Stats tab's two tables from the eight layouts' counts.
    void updateStatsTables();
    // The rows of the active layout's usage table whose parts it does not
    // use, hidden for printing and shown again afterwards.
    void hideZeroTableRows();
    void unhideZeroTableRows();

    // Replays aRecord's chain (record A or B of a layout) in its layout's
    // scene, then brings that tab's position fields, view, layout size and
    // lane lengths up to date. aStartIndex, the first entry the edit touched,
    // is only logged: the whole chain is laid again from its first point.
    void rebuildTrackGraphic(LayoutRecord *aRecord, int aStartIndex);

    // How the add-track chooser is run: given the chooser made for one
    // command, return its result code. Unset, it runs modally; tests answer
    // it by clicking its buttons instead.
    using AddTrackRunner = std::function<int(AddTrackDialog &aChooser)>;
    void setAddTrackRunner(AddTrackRunner aRunner) { mAddTrackRunner = std::move(aRunner); }
    // The same for the banked command's dialog.
    using BankedDialogRunner = std::function<int(BankedDialog &aDialog)>;
    void setBankedDialogRunner(BankedDialogRunner aRunner);
    // The same for the attachment choosers of the attach command.
    using AttachChooserRunner = std::function<int(AttachmentChooser &aChooser)>;
    void setAttachChooserRunner(AttachChooserRunner aRunner)
    {
        mAttachChooserRunner = std::move(aRunner);
    }

    bool shiftKey() const { return mShiftKey; }
    bool elevInverted() const { return mElevInverted; }
    bool isTimerRunning() const { return mTimerId != -1; }
    int tickCount() const { return mTickCount; }

    // Sizes and places the window inside aArea, a screen's available area:
    // at its designed 1614 x 861 where that fits, else as large as aArea,
    // but never smaller than its controls need. Layouts place the controls
    // at every size from there on.
    void fitInto(const QRect &aArea);

    // The active layout's whole drawing fitted to its view (the Fit buttons
    // and Ctrl+0).
    void fitActiveLayout();

    // The housekeeping timer's step: the clock and one layout's save lamp
    // (layout tick count mod 8), so each lamp is visited every eight ticks.
    void housekeepingTick();
    // Layout aIndex's lamp takes the colour its record A's two flags call for.
    void refreshSaveStatusLamp(int aIndex);

    // How the per-use dialogs are run: by default modally with exec(). Tests
    // put in a function that fills the dialog and returns its result, so no
    // modal loop is needed. An empty function restores exec().
    using NewLayoutDialogRunner = std::function<int(newLayoutDialog &)>;
    using LaneColorDialogRunner = std::function<int(LaneColorDialog &)>;
    using InventoryDialogRunner = std::function<int(inventoryDialog &)>;
    void setNewLayoutDialogRunner(NewLayoutDialogRunner aRunner);
    void setLaneColorDialogRunner(LaneColorDialogRunner aRunner);
    void setInventoryDialogRunner(InventoryDialogRunner aRunner);

    // The page Print to PDF writes, for the active layout, written to aPath.
    // False when the file could not be written.
    bool writePdf(const QString &aPath);

public slots:
    // The lane lengths of the active layout, shown in the chosen unit.
    void on_calcPushButton_clicked();
    // The active scene's items, topmost first, written to the debug log.
    void on_dumpPushButton_clicked();

    // The Item menu's editing commands, on the active layout's selection
    // (MainWindowEdit.cpp).
    void appendItem();
    void insertItem();
    void replaceItem();
    void deleteItem();
    // The attachments of the selected piece, chosen in one go
    // (MainWindowAttach.cpp).
    void attachItem();
    void startMultiSelect();
    void endMultiSelect();

    // The banked turn of the selected piece and the levels of the selected
    // pieces (MainWindowBanked.cpp). elevLevel0() to elevLevel4() set the
    // levels 0.0, 0.25, 0.5, 0.75 and 1.0.
    void bankedItem();
    void setElevLevel(double aElev);
    void elevLevel0();
    void elevLevel1();
    void elevLevel2();
    void elevLevel3();
    void elevLevel4();

protected:
    void closeEvent(QCloseEvent *aEvent) override;
    void keyPressEvent(QKeyEvent *aEvent) override;
    void keyReleaseEvent(QKeyEvent *aEvent) override;
    void resizeEvent(QResizeEvent *aEvent) override;
    void timerEvent(QTimerEvent *aEvent) override;
    // Ctrl + wheel over a layout view zooms it about the mouse; a plain wheel scrolls.
    bool eventFilter(QObject *aWatched, QEvent *aEvent) override;

private slots:
    void about();
    void on_actionAbout_triggered();
    void on_actionExit_triggered();
    void on_exitPushButton_clicked();

    // Layout file commands (MainWindowFile.cpp).
    void on_actionNew_triggered();
    void on_actionOpen_Layout_File_triggered();
    void on_actionSave_Layout_triggered();
    void on_actionSave_Layout_As_triggered();

    // Lane colours (MainWindowColors.cpp).
    void on_actionLane_Colors_triggered();

    // The help viewers (MainWindowHelp.cpp).
    void on_actionHelp_triggered();
    void on_actionTutorial_triggered();
    void on_actionParts_triggered();
    void on_actionSets_triggered();

    // Inventory and usage (MainWindowStats.cpp), printing (MainWindowPrint.cpp).
    void on_actionInventory_Manager_triggered();
    void on_zeroCheckBox_clicked(bool aChecked);
    void on_actionPrint_triggered();
    void on_actionPrint_to_PDF_triggered();
    void on_actionExport_Image_triggered();
    void on_actionParts_to_Buy_triggered();

    // Tabs, units and appearance (MainWindowTabs.cpp).
    void on_tabWidget_currentChanged(int aIndex);
    void on_ftRadioButton_clicked();
    void on_mRadioButton_clicked();
    void on_mmRadioButton_clicked();
    void on_filledRadioButton_toggled(bool aChecked);
    void on_hollowRadioButton_toggled(bool aChecked);
    void itemAppended(DiagramItem *aItem);
    void itemSelected(DiagramItem *aItem);

    // The scenes' edits and the elevation display (MainWindowEdit.cpp).
    void itemInserted(DiagramItem *aItem, DiagramItem::DiagramType aType);
    void itemReplaced(DiagramItem *aItem);
    void itemMoved(DiagramItem *aItem);
    void on_normalRadioButton_toggled(bool aChecked);
    // An attachment drawn by a scene is kept on its host (MainWindowAttach.cpp).
    void itemAttached(DiagramItem *aItem);

    // Toolbox (MainWindowToolbox.cpp).
    void trackButtonGroupClicked(int aId);
    void apronButtonGroupClicked(int aId);
    void track4ButtonGroupClicked(int aId);
    void backgroundButtonGroupClicked(QAbstractButton *aButton);
    void on_toolBox_currentChanged(int aIndex);

private:
    // Start-up, in the order the constructor runs them (MainWindow.cpp).
    void openDebugLog();
    void buildWidgetTree();
    QLayout *buildWindowWideWidgets();
    void buildOptionBoxes();
    void arrangeCentralWidget(QLayout *aTopRow);
    void fitToScreen();
    void hideDebugButtons();
    void logPlatform();
    void openRunAndBuildLogs();
    void showSystemName();
    void setUpDefaultLaneColors();
    void createCatalog();
    void logCrossSection();
    void buildDiagramTypeList();
    // Inventory and usage (MainWindowStats.cpp).
    void buildInventory();
    void readInventoryFile();
    void initStatsTables();
    QStringList layoutNames() const;
    void hideStatsZeroTableRows();
    void unhideStatsZeroTableRows();
    // The parts to buy brought up to date, when their dialog is open.
    void refreshPartsToBuy();
    // Printing (MainWindowPrint.cpp).
    void printLayout(bool aPdf);
    void setUpPage(QPrinter &aPrinter);
    // The PDF page of the active layout as it stands, unused rows and all.
    bool printPdf(const QString &aPath);
    bool renderActiveTab(QPrinter &aPrinter, bool aPdf);
    // The output folder and the layout's name, made safe for a file name.
    QString outputFileBase() const;
    QString pdfFileName() const;
    void dumpActiveSceneToRunLog();
    void startHousekeepingTimer();
    void stopHousekeepingTimer();
    void installPrompter();
    // Actions and menus (MainWindowMenus.cpp).
    void buildMenuBar();
    QAction *addMenuAction(QMenu *aMenu, const QString &aCaption, const QString &aObjectName,
                           QKeySequence::StandardKey aKey = QKeySequence::UnknownKey);
    void createActions();
    void createMenus();
    // Layout tabs (MainWindowTabs.cpp).
    void buildLayoutScreens();
    void buildLayoutRecords();
    void createScenes();
    void connectTabControls(int aIndex);
    void setActiveLayout(int aIndex);
    void unitChanged(const QString &aUnit);
    // The per-tab control handlers: one each for all eight tabs; aIndex 0 to 7.
    void rotateDialChanged(int aIndex, int aValue);
    void scaleSliderChanged(int aIndex, int aValue);
    void lockRotationToggled(int aIndex, bool aChecked);
    void layoutNameEditingFinished(int aIndex);
    // Layout aIndex's size and lane lengths, shown in the chosen unit. Pieces
    // the catalog does not know are reported unless aReportUnknown is false.
    void showLayoutSize(int aIndex);
    void showLaneLengths(int aIndex, bool aReportUnknown = true);
    void fitLayout(int aIndex);
    // Tells the user, in one box, of layout entries whose part numbers the
    // catalog does not know.
    void reportUnknownPieces(const QStringList &aPartNumbers);
    // Toolbox (MainWindowToolbox.cpp).
    void buildToolBox();
    void pieceButtonClicked(QButtonGroup *aGroup, int aId, int aMode);
    // Editing (MainWindowEdit.cpp).
    struct EditHost;
    struct RangeEnd
    {
        const DiagramScene *mScene = nullptr;
        int mKind = 0;   // graphic type id of the piece
        int mIndex = -1; // its track index
    };
    int layoutOf(const LayoutRecord *aRecord) const;
    // Lays aRecord's chain again and shows its end; the figures wait for refreshLayout.
    void replayChain(LayoutRecord *aRecord, int aStartIndex);
    // Lays the active layout's chains again and refreshes its figures.
    void replayActiveLayout();
    // Layout aIndex's view, size, usage and lane lengths after an edit.
    void refreshLayout(int aIndex);
    void applyAppearance(bool aFilled);
    void resetToolbox();
    void setSceneMode(int aMode);
    void uncheckActiveButton(QButtonGroup *aGroup);
    // The start of a command on the selection: its name in the debug log, the
    // number selected in the build log, the first selected item (null for none).
    QGraphicsItem *firstSelected(const char *aCommand);
    bool commandHost(const char *aCommand, bool aExitTransitions, EditHost *aHost);
    bool chooseTrack(const QString &aMode, QString *aPartNumber, QString *aAngle);
    void addChosenPieces(bool aAfter);
    // Attachments around a replay (MainWindowAttach.cpp): their items go
    // with the chain's, and are drawn again from the records once it is laid.
    void deleteAttachments(int aPieceKind);
    void restoreAttachments(DiagramScene *aScene, LayoutRecord *aRecord);
    int layoutOfScene(const QGraphicsScene *aScene) const;
    // Each layout's history (MainWindowUndo.cpp). The base is the state of
    // the records (and the file path shown) after the layout's last step:
    // an edit's step is what changed since.
    class EditCommand;
    struct HistoryBase
    {
        LayoutRecord mA;
        LayoutRecord mB;
        QString mShownPath;
    };
    // One step: what it changed in the records, the file path shown before
    // and after it, and whether it was a switch of the elevation view.
    struct HistoryStep
    {
        LayoutHistory::LayoutChange mChange;
        QString mPathBefore;
        QString mPathAfter;
        bool mFlipsView = false;
    };
    void createUndoActions();
    void createHistory();
    void destroyHistory();
    void recordEdit(int aIndex, const QString &aCaption);
    void applyHistoryStep(int aIndex, const HistoryStep &aStep, bool aUndo);
    void takeHistoryBase(int aIndex);
    // Record A's changed and saved flags from the history: the state last
    // saved or opened is saved, any other is changed unless it is empty.
    void showHistoryState(int aIndex);
    // The layout now matches a file (aSaved), or is new and matches none.
    void markClean(int aIndex, bool aSaved);
    // The checks of layout aIndex shown on its tab and marked in its drawing
    // (MainWindowChecks.cpp).
    void showChecks(int aIndex);
    void selectBalanceHint(int aIndex, int aPair);
    // Layout file commands (MainWindowFile.cpp).
    bool layoutTabShowing();
    bool layoutHasPieces();
    void saveLayout(bool aSaveAs);
    bool writeLayoutFile(const QString &aFileName);
    bool askToClearLayout();
    void clearActiveLayout();
    void showOpenedLayout(const QString &aFileName);
    bool offerToSaveChangedLayouts();
    // A file command's note in the status bar, with aPath as its folder and name.
    void showFileMessage(const QString &aVerb, const QString &aPath);
    // Lane colours (MainWindowColors.cpp).
    void readDefaultColors();
    void writeDefaultColors();
    void giveEmptyLayoutsTheDefaultColors();

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
    TrackInventory mTrackInventory;
    // Each layout's parts by inventory row, as of its last edit.
    std::array<QVector<int>, kLayoutTabCount> mUsage;

    // Input state.
    bool mShiftKey = false;
    // Set only while a rebuild draws elevations inverted.
    bool mElevInverted = false;
    // The two ends of the Item menu's range selection. Kept as values, not
    // items: every replay deletes the items.
    RangeEnd mMultiSelectStart;
    RangeEnd mMultiSelectEnd;
    AddTrackRunner mAddTrackRunner;
    BankedDialogRunner mRunBankedDialog;
    AttachChooserRunner mAttachChooserRunner;

    // The layout tabs. The records are referenced by pointer from the scenes
    // and the TabScreen records, so they live in fixed arrays for the
    // window's lifetime; the scenes are deleted before them.
    WorkingSurface mSurface;
    std::array<LayoutScreen, kLayoutTabCount> mLayoutScreens;
    std::array<LayoutRecord, kLayoutTabCount> mRecordA;
    std::array<LayoutRecord, kLayoutTabCount> mRecordB;
    std::array<TabScreen, kLayoutTabCount> mTabScreens;
    std::array<QTableWidget *, kLayoutTabCount> mTrackTables{};
    int mActiveIndex = 0;
    int mCurrentTab = 0;
    // The tab each layout view's viewport belongs to, for the wheel filter.
    QHash<const QObject *, int> mViewportTabs;
    QGraphicsView *mActiveView = nullptr;
    DiagramScene *mActiveScene = nullptr;
    TabScreen *mActiveTabScreen = nullptr;
    LayoutRecord *mActiveRecordA = nullptr;
    LayoutRecord *mActiveRecordB = nullptr;
    LayoutScreen *mActiveLayoutScreen = nullptr;

    // The toolbox; its groups belong to the window.
    ToolBoxParts mToolBox;

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
    QLabel *mActiveLabel = nullptr;
    QLineEdit *mActiveLineEdit = nullptr;
    QLabel *mTabLabel = nullptr;
    QLineEdit *mTabLineEdit = nullptr;
    QGroupBox *mElevationGroupBox = nullptr;
    QRadioButton *mNormalRadioButton = nullptr;
    QRadioButton *mInvertedRadioButton = nullptr;
    QGroupBox *mAppearanceGroupBox = nullptr;
    QRadioButton *mFilledRadioButton = nullptr;
    QRadioButton *mHollowRadioButton = nullptr;
    QGroupBox *mMeasureGroupBox = nullptr;
    QRadioButton *mFtRadioButton = nullptr;
    QRadioButton *mMRadioButton = nullptr;
    QRadioButton *mMmRadioButton = nullptr;

    // Menus and actions (owned by the widget tree).
    QMenu *mFileMenu = nullptr;
    QMenu *mItemMenu = nullptr;
    QMenu *mOptionsMenu = nullptr;
    QMenu *mHelpMenu = nullptr;
    std::array<QAction *, ItemActionCount> mItemActions{};

    // Each layout's history of edits and the Item menu's Undo and Redo.
    QUndoGroup *mUndoGroup = nullptr;
    std::array<QUndoStack *, kLayoutTabCount> mUndoStacks{};
    std::array<HistoryBase, kLayoutTabCount> mHistoryBase;
    // Whether each layout's clean state is one saved to or opened from a file.
    std::array<bool, kLayoutTabCount> mCleanSaved{};
    QAction *mUndoAction = nullptr;
    QAction *mRedoAction = nullptr;
    // Set while a command makes changes that the scenes report one by one
    // (the attachment chooser's): the command ends them as one step.
    bool mHoldingSteps = false;
    // Set while the switch of the elevation view ends as a step.
    bool mStepFlipsView = false;

    // Fits the active layout to its view; window-wide, so Ctrl+0 works
    // wherever the focus is.
    QAction *mFitAction = nullptr;

    // The help viewers, made on first use and kept, so that each reopens
    // where it was left (owned by the widget tree).
    helpDialog *mHelpDialog = nullptr;
    tutorialDialog *mTutorialDialog = nullptr;
    partsDialog *mPartsDialog = nullptr;
    setsDialog *mSetsDialog = nullptr;

    // The per-use dialogs' runners (see setNewLayoutDialogRunner).
    NewLayoutDialogRunner mRunNewLayoutDialog;
    LaneColorDialogRunner mRunLaneColorDialog;
    InventoryDialogRunner mRunInventoryDialog;
    // Made on first use and kept (a child of the window).
    inventoryDialog *mInventoryDialog = nullptr;
    // Made on first use and kept; it stays open beside the layouts.
    partsToBuyDialog *mPartsToBuyDialog = nullptr;

    // The desktop's prompter, installed unless one was already in force.
    std::unique_ptr<QtPrompter> mQtPrompter;
    bool mOwnsPrompter = false;
    // While a command gathers what its steps have to say into one box (Open),
    // their notes wait here; null otherwise.
    QStringList *mHeldNotes = nullptr;
};
