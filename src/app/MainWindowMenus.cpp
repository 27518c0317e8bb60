// The main window's actions and menus: the menu bar with its File, Options
// and Help commands, and the Item menu's editing commands, which every scene
// also shows as its context menu.
#include "MainWindow.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>

namespace {

struct ItemActionEntry
{
    const char *mCaption;
    const char *mIcon;
    const char *mShortcut; // nullptr: none
    const char *mStatusTip;
    const char *mSlot; // the main window slot the action triggers
};

// Indexed by MainWindow::ItemAction.
const ItemActionEntry kItemActions[MainWindow::ItemActionCount] = {
    {"&Delete", ":/images/delete.png", "Delete", "Delete item from diagram", "deleteItem()"},
    {"&Replace", ":/images/replace25.png", nullptr, "Replace Item", "replaceItem()"},
    {"A&Ttach", ":/images/attach.jpg", nullptr, "Attach Apron Item", "attachItem()"},
    {"&Banked", ":/images/tilt.jpg", nullptr, "Banked Track Pieces", "bankedItem()"},
    {"&Insert", ":/images/insert.jpg", "Insert", "Insert Item", "insertItem()"},
    {"&Append", ":/images/append.jpg", nullptr, "Append Item", "appendItem()"},
    {"Set Elev 0 (lowest)", ":/images/elevation.jpg", nullptr, "Set Elevation 0", "elevLevel0()"},
    {"Set Elev 1 (25%)", ":/images/elevation.jpg", nullptr, "Set Elevation 1", "elevLevel1()"},
    {"Set Elev 2 (50%)", ":/images/elevation.jpg", nullptr, "Set Elevation 2", "elevLevel2()"},
    {"Set Elev 3 (75%)", ":/images/elevation.jpg", nullptr, "Set Elevation 3", "elevLevel3()"},
    {"Set Elev 4 (highest)", ":/images/elevation.jpg", nullptr, "Set Elevation 4", "elevLevel4()"},
    {"Multi-Select Start", ":/images/sendtoback.png", nullptr, "Multi-Select Start",
     "startMultiSelect()"},
    {"Multi-Select End", ":/images/bringtofront.png", nullptr, "Multi-Select End",
     "endMultiSelect()"},
};

} // namespace

// The menu bar of the widget tree. The Item menu stays empty until
// createMenus() fills it, after the actions exist.
void MainWindow::buildMenuBar()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    mFileMenu = bar->addMenu(QStringLiteral("File"));
    mFileMenu->setObjectName(QStringLiteral("menuFile"));
    addMenuAction(mFileMenu, QStringLiteral(" New Layout"), QStringLiteral("actionNew"),
                  QKeySequence::New);
    addMenuAction(mFileMenu, QStringLiteral("Open Layout File"),
                  QStringLiteral("actionOpen_Layout_File"), QKeySequence::Open);
    addMenuAction(mFileMenu, QStringLiteral("Save Layout"), QStringLiteral("actionSave_Layout"),
                  QKeySequence::Save);
    addMenuAction(mFileMenu, QStringLiteral("Save Layout As"),
                  QStringLiteral("actionSave_Layout_As"), QKeySequence::SaveAs);
    mFileMenu->addSeparator();
    addMenuAction(mFileMenu, QStringLiteral("Inventory Manager"),
                  QStringLiteral("actionInventory_Manager"));
    addMenuAction(mFileMenu, QStringLiteral("Parts to Buy"), QStringLiteral("actionParts_to_Buy"));
    mFileMenu->addSeparator();
    addMenuAction(mFileMenu, QStringLiteral("Print"), QStringLiteral("actionPrint"),
                  QKeySequence::Print);
    addMenuAction(mFileMenu, QStringLiteral("Print to PDF"), QStringLiteral("actionPrint_to_PDF"));
    addMenuAction(mFileMenu, QStringLiteral("Export Image..."),
                  QStringLiteral("actionExport_Image"));
    mFileMenu->addSeparator();
    addMenuAction(mFileMenu, QStringLiteral("Exit"), QStringLiteral("actionExit"),
                  QKeySequence::Quit);

    mItemMenu = bar->addMenu(QStringLiteral("Item"));
    mItemMenu->setObjectName(QStringLiteral("menuItem"));

    mOptionsMenu = bar->addMenu(QStringLiteral("Options"));
    mOptionsMenu->setObjectName(QStringLiteral("menuOptions"));
    addMenuAction(mOptionsMenu, QStringLiteral("Lane Colors"), QStringLiteral("actionLane_Colors"));

    mHelpMenu = bar->addMenu(QStringLiteral("Help"));
    mHelpMenu->setObjectName(QStringLiteral("menuHelp"));
    addMenuAction(mHelpMenu, QStringLiteral("Help..."), QStringLiteral("actionHelp"));
    addMenuAction(mHelpMenu, QStringLiteral("Tutorial..."), QStringLiteral("actionTutorial"));
    addMenuAction(mHelpMenu, QStringLiteral("Parts..."), QStringLiteral("actionParts"));
    addMenuAction(mHelpMenu, QStringLiteral("Sets..."), QStringLiteral("actionSets"));
    mHelpMenu->addSeparator();
    addMenuAction(mHelpMenu, QStringLiteral("About..."), QStringLiteral("actionAbout"));
}

// A command is offered only when the window has its slot on_<name>_triggered(),
// which connectSlotsByName then wires; a menu never shows a dead entry.
QAction *MainWindow::addMenuAction(QMenu *aMenu, const QString &aCaption,
                                   const QString &aObjectName, QKeySequence::StandardKey aKey)
{
    auto *action = new QAction(aCaption, this);
    action->setObjectName(aObjectName);
    // The platform's own keys for the file commands, as every editor has them;
    // some key schemes have none for Save As and Exit, and those take the
    // common ones.
    QList<QKeySequence> keys = QKeySequence::keyBindings(aKey);
    if (keys.isEmpty() && aKey == QKeySequence::SaveAs)
        keys << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    else if (keys.isEmpty() && aKey == QKeySequence::Quit)
        keys << QKeySequence(Qt::CTRL | Qt::Key_Q);
    action->setShortcuts(keys);
    const QByteArray slot = "on_" + aObjectName.toLatin1() + "_triggered()";
    action->setEnabled(metaObject()->indexOfSlot(slot.constData()) != -1);
    aMenu->addAction(action);
    return action;
}

// The Item menu's commands. Each is connected to the slot its table entry
// names and is enabled exactly when the window has that slot.
void MainWindow::createActions()
{
    mBuildLog.writeFlush("createActions()\n");
    createUndoActions();
    const QMetaMethod triggered = QMetaMethod::fromSignal(&QAction::triggered);
    for (int i = 0; i < ItemActionCount; ++i) {
        const ItemActionEntry &entry = kItemActions[i];
        auto *action = new QAction(QIcon(QString::fromLatin1(entry.mIcon)),
                                   QString::fromLatin1(entry.mCaption), this);
        if (entry.mShortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(entry.mShortcut)));
        action->setStatusTip(QString::fromLatin1(entry.mStatusTip));
        QByteArray name(entry.mSlot);
        name.chop(2);
        action->setObjectName(QString::fromLatin1(name + "Action"));

        const int slot = metaObject()->indexOfSlot(entry.mSlot);
        if (slot != -1)
            connect(action, triggered, this, metaObject()->method(slot));
        action->setEnabled(slot != -1);
        mItemActions[i] = action;
    }

    // In no menu: the window holds it so that its shortcut works anywhere,
    // and each tab's Fit button does the same.
    mFitAction = new QAction(QStringLiteral("Fit Layout"), this);
    mFitAction->setObjectName(QStringLiteral("actionFit"));
    mFitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    mFitAction->setStatusTip(QStringLiteral("Fit the layout to the view"));
    connect(mFitAction, &QAction::triggered, this, &MainWindow::fitActiveLayout);
    addAction(mFitAction);
}

void MainWindow::createMenus()
{
    mBuildLog.writeFlush("createMenus()\n");
    const ItemAction kSeparator = ItemActionCount;
    const ItemAction order[] = {AppendAction,
                                InsertAction,
                                ReplaceAction,
                                AttachAction,
                                BankedAction,
                                kSeparator,
                                MultiSelectStartAction,
                                MultiSelectEndAction,
                                kSeparator,
                                Elev0Action,
                                Elev1Action,
                                Elev2Action,
                                Elev3Action,
                                Elev4Action,
                                kSeparator,
                                DeleteAction};
    // Undo and Redo head the menu, so the view's context menu offers them too.
    mItemMenu->addAction(mUndoAction);
    mItemMenu->addAction(mRedoAction);
    mItemMenu->addSeparator();
    for (ItemAction entry : order) {
        if (entry == kSeparator)
            mItemMenu->addSeparator();
        else
            mItemMenu->addAction(mItemActions[entry]);
    }
}
