// Takes the pictures of the help pages from the real main window, offscreen:
// the window and its controls, the menus and dialogs, the steps of the
// tutorial as a user makes them (clicks in the view, the toolbox, the Item
// menu, the file dialogs) and each sample layout of trackplans/ as it looks
// in its tab. The pictures go to data/html/images/.
//
// A command that this build does not offer yet (its menu entry is disabled)
// cannot be pictured; the tool then takes the menu that holds the entry,
// names what it could not take, and carries on, so that running it again
// once the command exists brings the pages up to date.
//
// Usage: lanewright-helpshots <repository root>

#include "app/MainWindow.h"
#include "app/ToolBoxBuilder.h"
#include "graphics/DiagramItem.h"
#include "layout/DiagramScene.h"
#include "tools/ModalAnswerer.h"
#include "tools/OffscreenStart.h"
#include "tools/ReferencePages.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QGraphicsView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBox>
#include <QWebView>
#include <QtTest>

#include <cstdio>
#include <functional>

namespace {

using D = DiagramTypeBase;

// The size a laptop gives a maximised window; the pages show the window at
// the size most readers meet it.
const QSize kWindowSize(1366, 768);
// The clock field is set to this before each picture, so that taking the
// pictures again changes only what the program changed.
const char *const kClock = "2025-06-30 12:00:00";
// Longer than the scene's click delay, so that a single click has acted.
const int kAfterClickMs = 300;

// What the inventory of the pictures owns: a starter collection, so that
// the Stats tab shows parts owned, used and missing.
const char *const kInventory = "R3600 12 12 inch straight\n"
                               "R3601 8 14 inch radius curve\n"
                               "R3602 1 12 inch straight terminal\n"
                               "R3609 1 12 inch straight lane swap\n"
                               "R3610 4 21 inch radius curve\n"
                               "R3614 4 full straight apron\n"
                               "R3605 4 14 inch radius curved outer apron\n";

bool copyTree(const QString &aSource, const QString &aTarget)
{
    QDirIterator it(aSource, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = aTarget + file.mid(aSource.size());
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(file, target))
            return false;
    }
    return true;
}

bool writeText(const QString &aPath, const QByteArray &aText)
{
    QDir().mkpath(QFileInfo(aPath).path());
    QSaveFile file(aPath);
    return file.open(QIODevice::WriteOnly) && file.write(aText) == aText.size() && file.commit();
}

// The pictures, in the order a reader meets them: the tutorial's three
// layouts built in tabs 1 to 3, the dialogs, menus and toolbox, the samples
// in tab 8, the whole window and a help viewer. Each step leaves the window
// as the next one expects it.
class HelpShots
{
public:
    // Pictures are named as the pages refer to them, relative to aHtmlDir.
    HelpShots(MainWindow &aWindow, const QString &aHtmlDir, const QString &aRuntimeRoot)
        : mWindow(aWindow), mHtml(aHtmlDir), mRuntime(aRuntimeRoot)
    {
    }

    bool run()
    {
        tutorialOval();
        tutorialEdit();
        tutorialAttach();
        tutorialSave();
        tutorialBankedOval();
        tutorialBridge();
        dialogs();
        menusAndToolbox();
        if (!samples())
            return false;
        window();
        viewer();
        return true;
    }

    QStringList mTaken;
    QStringList mMissing;
    QStringList unexpected() const { return mAnswerer.unexpected(); }

private:
    // --- taking pictures ---------------------------------------------------

    // The clock is set last: the window's own timer may tick while events are
    // processed, and a picture would then show the hour it was taken. The
    // status bar's note of the last command belongs to the command, not to
    // the picture.
    void steady()
    {
        for (int i = 0; i < 8; ++i)
            mWindow.housekeepingTick();
        QApplication::processEvents();
        mWindow.statusBar()->clearMessage();
        if (auto *clock = mWindow.findChild<QLineEdit *>(QStringLiteral("datetimeLineEdit")))
            clock->setText(QLatin1String(kClock));
    }

    void save(const QImage &aImage, const QString &aName)
    {
        const QString path = mHtml.filePath(aName);
        QDir().mkpath(QFileInfo(path).path());
        QSaveFile file(path);
        if (aImage.isNull() || !file.open(QIODevice::WriteOnly) || !aImage.save(&file, "png") ||
            !file.commit()) {
            mMissing << aName + QStringLiteral(" (could not be written)");
            return;
        }
        mTaken << aName;
    }

    void saveWindow(const QString &aName)
    {
        steady();
        save(mWindow.grab().toImage(), aName);
    }

    // The window with a menu or other popup over it, where it opened.
    QImage windowWith(QWidget *aPopup)
    {
        steady();
        QImage image = mWindow.grab().toImage();
        QPainter painter(&image);
        painter.drawPixmap(mWindow.mapFromGlobal(aPopup->mapToGlobal(QPoint(0, 0))),
                           aPopup->grab());
        return image;
    }

    // Numbered marks on named widgets of the window, for the controls page.
    QImage marked(const QList<QPair<int, QString>> &aMarks)
    {
        steady();
        QImage image = mWindow.grab().toImage();
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(13);
        font.setBold(true);
        painter.setFont(font);
        for (const auto &mark : aMarks) {
            QWidget *widget = mWindow.findChild<QWidget *>(mark.second);
            if (!widget || !widget->isVisible()) {
                mMissing
                    << QStringLiteral("mark %1: no widget %2").arg(mark.first).arg(mark.second);
                continue;
            }
            const QPoint corner = widget->mapTo(&mWindow, QPoint(0, 0));
            if (!mWindow.rect().contains(corner + QPoint(12, 12))) {
                mMissing << QStringLiteral("mark %1: %2 lies outside the window")
                                .arg(mark.first)
                                .arg(mark.second);
                continue;
            }
            const QRectF disc(corner.x() + 2, corner.y() + 2, 22, 22);
            painter.setPen(QPen(Qt::black, 1.5));
            painter.setBrush(QColor(255, 214, 0));
            painter.drawEllipse(disc);
            painter.drawText(disc, Qt::AlignCenter, QString::number(mark.first));
        }
        return image;
    }

    // A command that is not built yet: the menu holding its entry instead.
    void menuInstead(QAction *aAction, const QString &aName, const QString &aWhat)
    {
        mMissing << QStringLiteral("%1: %2 is not offered yet; took its menu").arg(aName, aWhat);
        for (QWidget *widget : aAction->associatedWidgets()) {
            if (auto *menu = qobject_cast<QMenu *>(widget)) {
                save(menuImage(menu), aName);
                return;
            }
        }
    }

    // A menu as it opens, drawn without opening it, so that no popup waits
    // for an answer.
    static QImage menuImage(QMenu *aMenu)
    {
        aMenu->ensurePolished();
        aMenu->resize(aMenu->sizeHint());
        return aMenu->grab().toImage();
    }

    QAction *action(const char *aName) { return mWindow.findChild<QAction *>(aName); }

    // Runs a command whose dialog is pictured as aName and then answered by
    // aAnswer (which closes it); when the command is not built, its menu.
    void dialogShot(const char *aAction, const QString &aName, const QString &aWhat,
                    const std::function<void(QWidget *)> &aAnswer)
    {
        QAction *command = action(aAction);
        if (!command) {
            mMissing << aName + QStringLiteral(": no command ") + QLatin1String(aAction);
            return;
        }
        if (!command->isEnabled()) {
            menuInstead(command, aName, aWhat);
            return;
        }
        bool pictured = false;
        mAnswerer.run([command] { command->trigger(); },
                      [&](QWidget *aWidget) {
                          if (!pictured) {
                              save(aWidget->grab().toImage(), aName);
                              pictured = true;
                              aAnswer(aWidget);
                          } else {
                              answerQuestion(aWidget);
                          }
                          return !aWidget->isVisible();
                      });
        if (!pictured)
            mMissing << aName + QStringLiteral(": ") + aWhat + QStringLiteral(" did not open");
    }

    // --- answering ---------------------------------------------------------

    static void press(QWidget *aDialog, QDialogButtonBox::StandardButton aButton)
    {
        for (auto *box : aDialog->findChildren<QDialogButtonBox *>()) {
            if (QPushButton *button = box->button(aButton)) {
                button->click();
                return;
            }
        }
        if (auto *dialog = qobject_cast<QDialog *>(aDialog))
            aButton == QDialogButtonBox::Ok ? dialog->accept() : dialog->reject();
    }

    static void cancel(QWidget *aDialog) { press(aDialog, QDialogButtonBox::Cancel); }

    static void clickChild(QWidget *aDialog, const char *aName)
    {
        if (auto *button = aDialog->findChild<QAbstractButton *>(QLatin1String(aName)))
            button->click();
    }

    // "Clear?" and "Overwrite?" are answered Yes; "Save?" No, so that no
    // layout is written but the ones the pictures show.
    static void answerQuestion(QWidget *aWidget)
    {
        auto *box = qobject_cast<QMessageBox *>(aWidget);
        if (!box)
            return;
        const bool yes = box->text() != QLatin1String("Save?");
        if (QAbstractButton *button = box->button(yes ? QMessageBox::Yes : QMessageBox::No))
            button->click();
        else
            box->accept();
    }

    // As the user types it: the dialog's own selectFile leaves the name
    // field alone while it has the focus.
    static void typeFileName(QFileDialog *aDialog, const QString &aPath)
    {
        if (auto *name = aDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(aPath);
        else
            aDialog->selectFile(aPath);
    }

    static void chooseFile(QWidget *aWidget, const QString &aPath)
    {
        auto *dialog = qobject_cast<QFileDialog *>(aWidget);
        if (!dialog) {
            answerQuestion(aWidget);
            return;
        }
        typeFileName(dialog, aPath);
        // Accepting checks the chosen name as the Open or Save button would.
        static_cast<QDialog *>(dialog)->accept();
    }

    // --- driving the window ------------------------------------------------

    DiagramScene *scene() { return mWindow.activeScene(); }
    QGraphicsView *view() { return mWindow.activeView(); }
    QWidget *viewport() { return view()->viewport(); }

    void showTab(int aTab) { mWindow.tabWidget()->setCurrentIndex(aTab); }

    void newLayout(const QString &aName)
    {
        const bool first = mTaken.indexOf(QStringLiteral("images/shots/dialog-new-layout.png")) < 0;
        mAnswerer.run([this] { action("actionNew")->trigger(); },
                      [&](QWidget *aDialog) {
                          if (auto *name = aDialog->findChild<QLineEdit *>("nameLineEdit")) {
                              name->setText(aName);
                              name->editingFinished();
                          }
                          if (first)
                              save(aDialog->grab().toImage(),
                                   QStringLiteral("images/shots/dialog-new-layout.png"));
                          press(aDialog, QDialogButtonBox::Ok);
                          return true;
                      });
    }

    void openLayout(const QString &aFile, const QString &aPicture = QString())
    {
        const QString path = QDir(mRuntime).filePath(QStringLiteral("trackplans/") + aFile);
        mAnswerer.run([this] { action("actionOpen_Layout_File")->trigger(); },
                      [&](QWidget *aWidget) {
                          auto *files = qobject_cast<QFileDialog *>(aWidget);
                          if (!aPicture.isEmpty() && files) {
                              typeFileName(files, QFileInfo(path).fileName());
                              QTest::qWait(300);
                              save(aWidget->grab().toImage(), aPicture);
                          }
                          chooseFile(aWidget, path);
                          return true;
                      });
    }

    void pickTrack(int aId) { mWindow.toolBox().mTrackGroup->button(aId)->click(); }
    void pickAttachment(int aId) { mWindow.toolBox().mApronGroup->button(aId)->click(); }
    void resetToolbox() { mWindow.toolBox().mToolBox->setCurrentIndex(0); }

    void leftClick(const QPoint &aAt, Qt::KeyboardModifiers aKeys = Qt::NoModifier)
    {
        QTest::mouseClick(viewport(), Qt::LeftButton, aKeys, aAt);
        QTest::qWait(kAfterClickMs);
    }

    // A point of the view with nothing under it, away from the layout.
    QPoint ground()
    {
        const QRect room = viewport()->rect().adjusted(20, 20, -20, -20);
        for (int y = room.top(); y < room.bottom(); y += 20) {
            for (int x = room.left(); x < room.right(); x += 20) {
                if (!scene()->itemAt(view()->mapToScene(QPoint(x, y)), QTransform()))
                    return QPoint(x, y);
            }
        }
        return room.topLeft();
    }

    // Lays pieces as clicks on open ground lay them: the first in the middle
    // of the view, the rest at the chain's end.
    void lay(int aId, int aCount)
    {
        pickTrack(aId);
        for (int i = 0; i < aCount; ++i)
            leftClick(scene()->items().isEmpty() ? viewport()->rect().center() : ground());
        pickTrack(aId); // a second click on the button ends the choice
    }

    // Where piece aIndex of lanes 1 and 2 is topmost, in view coordinates.
    QPoint on(int aIndex)
    {
        DiagramItem *item = scene()->pieceItem(0, aIndex);
        if (!item)
            return QPoint(-1, -1);
        const QRectF box = item->sceneBoundingRect();
        for (double step = 0.0; step < box.width() / 2; step += 2.0) {
            for (const QPointF &p :
                 {box.center() + QPointF(step, 0), box.center() - QPointF(step, 0),
                  box.center() + QPointF(0, step), box.center() - QPointF(0, step)}) {
                const QPoint at = view()->mapFromScene(p);
                if (scene()->itemAt(view()->mapToScene(at), QTransform()) == item)
                    return at;
            }
        }
        return view()->mapFromScene(box.center());
    }

    int lastPiece() { return mWindow.activeRecordA()->mPieces.size() - 1; }

    void select(const QList<int> &aIndexes)
    {
        scene()->clearSelection();
        for (int index : aIndexes)
            leftClick(on(index), index == aIndexes.first() ? Qt::NoModifier : Qt::ControlModifier);
    }

    // Fits the layout into its view as the user would: Ctrl+0 where the
    // window fits a layout to its view, else by scrolling the layout into the
    // middle.
    void fitView()
    {
        const QTransform before = view()->transform();
        const QPoint scrolled(view()->horizontalScrollBar()->value(),
                              view()->verticalScrollBar()->value());
        mWindow.activateWindow();
        QTest::keyClick(view(), Qt::Key_0, Qt::ControlModifier);
        QApplication::processEvents();
        const QPoint now(view()->horizontalScrollBar()->value(),
                         view()->verticalScrollBar()->value());
        if (view()->transform() == before && now == scrolled)
            view()->centerOn(scene()->itemsBoundingRect().center());
    }

    // --- the pictures ------------------------------------------------------

    // Layout 1: a new layout, a terminal and straights, then the oval closed.
    void tutorialOval()
    {
        showTab(1);
        newLayout(QStringLiteral("My first oval"));
        lay(D::R3602_L, 1);
        pickTrack(D::R3600);
        leftClick(ground());
        leftClick(ground());
        saveWindow(QStringLiteral("images/shots/tutorial-first-pieces.png"));
        pickTrack(D::R3600);
        lay(D::R3601_R, 3);
        lay(D::R3600, 3);
        lay(D::R3601_R, 3);
        fitView();
        saveWindow(QStringLiteral("images/shots/tutorial-oval.png"));
    }

    // The Item menu on a piece, a half straight inserted into each straight
    // run, and a straight replaced by a lane swap with a click.
    void tutorialEdit()
    {
        const QPoint at = on(7);
        mAnswerer.run(
            [&] {
                QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport()->mapToGlobal(at));
                QApplication::sendEvent(viewport(), &event);
            },
            [&](QWidget *aMenu) {
                save(windowWith(aMenu), QStringLiteral("images/shots/tutorial-context-menu.png"));
                aMenu->close();
                return true;
            });

        for (int index : {7, 2}) {
            select({index});
            const bool first = index == 7;
            mAnswerer.run([this] { action("insertItemAction")->trigger(); },
                          [&](QWidget *aChooser) {
                              clickChild(aChooser, "R3620ToolButton");
                              if (first)
                                  save(aChooser->grab().toImage(),
                                       QStringLiteral("images/shots/dialog-add-track.png"));
                              press(aChooser, QDialogButtonBox::Ok);
                              return true;
                          });
        }
        pickTrack(D::R3609);
        leftClick(on(9));
        resetToolbox();
        scene()->clearSelection();
        saveWindow(QStringLiteral("images/shots/tutorial-edit.png"));
    }

    // Aprons by clicking, then the two attachment choosers.
    void tutorialAttach()
    {
        mWindow.toolBox().mToolBox->setCurrentIndex(1);
        // Outside the right turns: the upper side of the straights.
        pickAttachment(D::R3614_U);
        for (int index : {1, 3, 7, 10})
            leftClick(on(index));
        pickAttachment(D::R3614_U);
        pickAttachment(D::R3605);
        for (int index : {4, 5, 6})
            leftClick(on(index));
        saveWindow(QStringLiteral("images/shots/tutorial-attach.png"));
        pickAttachment(D::R3605);

        select({1});
        dialogShot("attachItemAction", QStringLiteral("images/shots/dialog-attach-straight.png"),
                   QStringLiteral("the straight attachment chooser"),
                   [](QWidget *aDialog) { cancel(aDialog); });
        select({5});
        dialogShot("attachItemAction", QStringLiteral("images/shots/dialog-attach-curve.png"),
                   QStringLiteral("the curve attachment chooser"),
                   [](QWidget *aDialog) { cancel(aDialog); });
        resetToolbox();
        scene()->clearSelection();
    }

    void tutorialSave()
    {
        const QString path =
            QDir(mRuntime).filePath(QStringLiteral("trackplans/my-first-oval.txt"));
        dialogShot("actionSave_Layout_As", QStringLiteral("images/shots/dialog-save.png"),
                   QStringLiteral("Save Layout As"),
                   [&](QWidget *aDialog) { chooseFile(aDialog, path); });
        dialogShot("actionPrint_to_PDF", QStringLiteral("images/shots/message-pdf.png"),
                   QStringLiteral("Print to PDF"), [](QWidget *aBox) {
                       if (auto *box = qobject_cast<QMessageBox *>(aBox))
                           box->accept();
                   });
    }

    // Layout 2: straights, a banked turn from the chooser, straights and a
    // second turn close an oval; the turn is then changed in its own dialog.
    void tutorialBankedOval()
    {
        showTab(2);
        newLayout(QStringLiteral("Banked oval"));
        for (int turn = 0; turn < 2; ++turn) {
            lay(D::R3600, 3);
            select({lastPiece()});
            const bool first = turn == 0;
            mAnswerer.run([this] { action("appendItemAction")->trigger(); },
                          [&](QWidget *aChooser) {
                              clickChild(aChooser, "R3625_RToolButton");
                              if (auto *angle = aChooser->findChild<QComboBox *>("turnComboBox"))
                                  angle->setCurrentText(QStringLiteral("180 deg"));
                              if (first)
                                  save(aChooser->grab().toImage(),
                                       QStringLiteral("images/shots/dialog-add-track-banked.png"));
                              press(aChooser, QDialogButtonBox::Ok);
                              return true;
                          });
        }
        select({5});
        dialogShot("bankedItemAction", QStringLiteral("images/shots/dialog-banked.png"),
                   QStringLiteral("the banked turn dialog"), [](QWidget *aDialog) {
                       clickChild(aDialog, "R3628o_ToolButton");
                       clickChild(aDialog, "R3628o_transToolButton");
                       press(aDialog, QDialogButtonBox::Ok);
                   });
        resetToolbox();
        scene()->clearSelection();
        fitView();
        saveWindow(QStringLiteral("images/shots/tutorial-banked.png"));
    }

    // Layout 3: the figure eight opened from its file, one crossing run raised.
    void tutorialBridge()
    {
        showTab(3);
        openLayout(QStringLiteral("figure-eight.txt"),
                   QStringLiteral("images/shots/dialog-open.png"));
        fitView();
        select({7, 8, 9});
        QAction *raise = action("elevLevel4Action");
        if (raise && raise->isEnabled())
            raise->trigger();
        else
            mMissing << QStringLiteral(
                "images/shots/tutorial-bridge.png: Set Elev is not offered yet; the "
                "picture shows the run selected, not raised");
        scene()->clearSelection();
        saveWindow(QStringLiteral("images/shots/tutorial-bridge.png"));
    }

    void dialogs()
    {
        dialogShot("actionLane_Colors", QStringLiteral("images/shots/dialog-lane-colors.png"),
                   QStringLiteral("Lane Colors"), [](QWidget *aDialog) { cancel(aDialog); });
        dialogShot("actionInventory_Manager", QStringLiteral("images/shots/dialog-inventory.png"),
                   QStringLiteral("the Inventory Manager"),
                   [](QWidget *aDialog) { cancel(aDialog); });
    }

    void menusAndToolbox()
    {
        const QList<QPair<const char *, const char *>> menus = {{"menuFile", "menu-file.png"},
                                                                {"menuItem", "menu-item.png"},
                                                                {"menuOptions", "menu-options.png"},
                                                                {"menuHelp", "menu-help.png"}};
        for (const auto &entry : menus) {
            if (auto *menu = mWindow.findChild<QMenu *>(QLatin1String(entry.first)))
                save(menuImage(menu),
                     QStringLiteral("images/shots/") + QLatin1String(entry.second));
        }

        // Each page's buttons whole, as if the page were tall enough to show
        // them all without scrolling.
        QToolBox *toolBox = mWindow.toolBox().mToolBox;
        const char *const pages[] = {"toolbox-track.png", "toolbox-attachments.png",
                                     "toolbox-fourlane.png", "toolbox-backgrounds.png"};
        for (int page = 0; page < toolBox->count() && page < 4; ++page) {
            toolBox->setCurrentIndex(page);
            QApplication::processEvents();
            auto *area = qobject_cast<QScrollArea *>(toolBox->currentWidget());
            QWidget *buttons = area && area->widget() ? area->widget() : toolBox->currentWidget();
            const QRect used = buttons->childrenRect().adjusted(-6, -6, 6, 6) & buttons->rect();
            save(buttons->grab(used).toImage(),
                 QStringLiteral("images/shots/") + QLatin1String(pages[page]));
        }
        resetToolbox();
    }

    // Each sample in layout 8, as it looks in its tab.
    bool samples()
    {
        showTab(8);
        const QString dir = QDir(mRuntime).filePath(QStringLiteral("trackplans"));
        for (const QString &file : ReferencePages::sampleFiles(dir)) {
            if (file == QLatin1String("my-first-oval.txt"))
                continue;
            openLayout(file);
            if (mWindow.activeRecordA()->mPieces.isEmpty()) {
                std::fprintf(stderr, "%s did not open\n", qPrintable(file));
                return false;
            }
            fitView();
            steady();
            // The layout and a margin of open ground, as the view draws it.
            const QRect drawn = view()->mapFromScene(scene()->itemsBoundingRect()).boundingRect();
            const QRect part = drawn.adjusted(-24, -24, 24, 24) & viewport()->rect();
            save(viewport()->grab(part).toImage(), ReferencePages::samplePicture(file));
        }
        return true;
    }

    void window()
    {
        showTab(0);
        saveWindow(QStringLiteral("images/shots/stats-tab.png"));
        showTab(3);
        saveWindow(QStringLiteral("images/shots/window.png"));
        save(marked({{1, QStringLiteral("menuBar")},
                     {2, QStringLiteral("toolBox")},
                     {3, QStringLiteral("layout3NameLineEdit")},
                     {4, QStringLiteral("layout3modifiedLEDWidget")},
                     {5, QStringLiteral("filepath3LineEdit")},
                     {6, QStringLiteral("lanes3LineEdit")},
                     {7, QStringLiteral("laneLength3GroupBox")},
                     {8, QStringLiteral("btnSelect3GroupBox")},
                     {9, QStringLiteral("stats3GroupBox")},
                     {10, QStringLiteral("display3GroupBox")},
                     {11, QStringLiteral("trackTable3Widget")},
                     {12, QStringLiteral("graphics3View")},
                     {13, QStringLiteral("elevationGroupBox")},
                     {14, QStringLiteral("appearanceGroupBox")},
                     {15, QStringLiteral("measureGroupBox")},
                     {16, QStringLiteral("datetimeLineEdit")},
                     {17, QStringLiteral("systemLineEdit")},
                     {18, QStringLiteral("exitPushButton")}}),
             QStringLiteral("images/shots/window-marked.png"));
    }

    void viewer()
    {
        // The pages as they are now, with the pictures just taken.
        const QString pages = QDir(mRuntime).filePath(QStringLiteral("data/html"));
        QDir(pages).removeRecursively();
        copyTree(mHtml.path(), pages);
        action("actionHelp")->trigger();
        auto *view = mWindow.findChild<QWebView *>(QStringLiteral("webView"));
        if (!view) {
            mMissing << QStringLiteral("viewer.png: the help viewer did not open");
            return;
        }
        QSignalSpy loaded(view, &QWebView::loadFinished);
        if (loaded.isEmpty())
            loaded.wait(5000);
        QWidget *viewer = view->window();
        // The size it opens at on a desktop; the offscreen screen is smaller.
        viewer->resize(960, 720);
        QTest::qWait(300);
        save(viewer->grab().toImage(), QStringLiteral("images/shots/viewer.png"));
        viewer->close();
    }

    MainWindow &mWindow;
    QDir mHtml;
    QString mRuntime;
    ModalAnswerer mAnswerer;
};

} // namespace

int main(int argc, char *argv[])
{
    drawOffscreenUnlessChosen();
    Q_INIT_RESOURCE(lanewright);
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: lanewright-helpshots <repository root>\n");
        return 2;
    }
    const QDir root(QFileInfo(args.at(1)).absoluteFilePath());

    // A runtime of its own beside nothing real: the samples, the piece
    // pictures and a small inventory; the layouts the tutorial saves stay
    // there. Its path shows in the pictures (File Path), so it is the same
    // at every run; the folder is the tool's own and goes when it ends.
    const QString scratch = QDir::temp().filePath(QStringLiteral("lanewright-help-pictures"));
    struct Remove
    {
        QString mPath;
        ~Remove() { QDir(mPath).removeRecursively(); }
    } removeScratch{scratch};
    QDir(scratch).removeRecursively();
    const QString runtime = scratch + QStringLiteral("/Lanewright");
    if (!QDir().mkpath(runtime + QStringLiteral("/bin")) ||
        !copyTree(root.filePath(QStringLiteral("data/track_pieces")),
                  runtime + QStringLiteral("/data/track_pieces")) ||
        !copyTree(root.filePath(QStringLiteral("trackplans")),
                  runtime + QStringLiteral("/trackplans")) ||
        !copyTree(root.filePath(QStringLiteral("data/html")),
                  runtime + QStringLiteral("/data/html")) ||
        !writeText(runtime + QStringLiteral("/data/Inventory/RevellInventory.txt"), kInventory)) {
        std::fprintf(stderr, "cannot make a runtime folder in %s\n", qPrintable(scratch));
        return 1;
    }
    QDir::setCurrent(runtime + QStringLiteral("/bin"));

    int status = 0;
    {
        MainWindow window;
        window.resize(kWindowSize);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowExposed(&window)) {
            std::fprintf(stderr, "the window did not show\n");
            return 1;
        }
        HelpShots shots(window, root.filePath(QStringLiteral("data/html")), runtime);
        if (!shots.run())
            status = 1;
        std::printf("took %d pictures into %s\n", shots.mTaken.size(),
                    qPrintable(root.filePath(QStringLiteral("data/html/images"))));
        for (const QString &missing : shots.mMissing)
            std::printf("not taken: %s\n", qPrintable(missing));
        for (const QString &text : shots.unexpected())
            std::printf("closed an unexpected dialog: %s\n", qPrintable(text));
    }
    return status;
}
