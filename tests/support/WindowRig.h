#pragma once

// The real main window in a private runtime, driven as a user drives it: prompts
// recorded and answered, dialogs answered by their buttons, pieces laid through
// the active scene and the mouse used on the active view.

#include "app/LaneColorDialog.h"
#include "app/MainWindow.h"
#include "app/QLedIndicator.h"
#include "app/ToolBoxBuilder.h"
#include "app/newLayoutDialog.h"
#include "catalog/RevellTrack.h"
#include "graphics/AttachmentChooser.h"
#include "graphics/DiagramItem.h"
#include "graphics/DiagramPathItem.h"
#include "layout/AddTrackDialog.h"
#include "layout/BankedDialog.h"
#include "layout/DiagramScene.h"
#include "layout/LayoutRecord.h"
#include "layout/LayoutScreen.h"
#include "layout/TabScreen.h"

#include "support/RecordingPrompter.h"
#include "support/TestRuntime.h"
#include "support/ViewMouse.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace WindowRig {

using D = DiagramTypeBase;

inline const QPointF kStart(1000, 1000);

// Closes aDialog with OK, or Cancel when aCancel, as a click does.
inline int closeDialog(QDialog &aDialog, bool aCancel = false)
{
    auto *box = aDialog.findChild<QDialogButtonBox *>("buttonBox");
    box->button(aCancel ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok)->click();
    return aDialog.result();
}

// The add-track chooser answered: aButton clicked (none when empty), then OK or
// Cancel. The modes it was opened with go to *aModes.
inline MainWindow::AddTrackRunner answer(const QString &aButton, QStringList *aModes = nullptr,
                                         bool aCancel = false)
{
    return [=](AddTrackDialog &aChooser) {
        if (aModes)
            aModes->append(aChooser.mode());
        if (!aButton.isEmpty())
            aChooser.findChild<QToolButton *>(aButton)->click();
        return closeDialog(aChooser, aCancel);
    };
}

// The banked dialog answered: the buttons aClicks clicked in order, then OK, or
// Cancel for a last name "Cancel". *aShown gets what it showed on opening:
// "<title> <total angle> <curve fences checked>", and " noted" with a note.
inline MainWindow::BankedDialogRunner answerBanked(const QStringList &aClicks, QString *aShown)
{
    return [=](BankedDialog &aDialog) {
        *aShown = QStringLiteral("%1 %2 %3")
                      .arg(aDialog.windowTitle())
                      .arg(aDialog.findChild<QLineEdit *>("totalAngleLineEdit")->text())
                      .arg(aDialog.findChild<QToolButton *>("R3628o_ToolButton")->isChecked());
        if (!aDialog.findChild<QLabel *>("noteLabel")->text().isEmpty())
            *aShown += QStringLiteral(" noted");
        const bool cancel = !aClicks.isEmpty() && aClicks.last() == QLatin1String("Cancel");
        for (const QString &name : aClicks.mid(0, aClicks.size() - (cancel ? 1 : 0)))
            aDialog.findChild<QToolButton *>(name)->click();
        return closeDialog(aDialog, cancel);
    };
}

// How the lane colour dialog is answered.
struct ColorAnswer
{
    bool mAccept = true;
    QStringList mChoose;          // lanes 1 to 4; empty keeps the dialog's start
    int mDefaultBox = -1;         // -1 leaves the box as the dialog set it, else 0 or 1
    bool mStartLayoutBox = false; // as the dialog opened
};

// The window in its own runtime, destroyed first so that its closing lines
// reach the runtime's logs. Before it starts, the default lane colours file and
// the inventory file are written when given, and the folders of the
// repository's data/ named in aDataFolders (the pictures, say) copied in.
struct Rig : ViewMouse
{
    explicit Rig(const char *aDefaultColors = nullptr, const QStringList &aDataFolders = {},
                 const char *aInventory = nullptr)
    {
        for (const QString &folder : aDataFolders)
            QVERIFY(rt.copyData(folder));
        for (auto [name, text] : {std::pair{"data/defaultLaneColors.txt", aDefaultColors},
                                  {"data/Inventory/RevellInventory.txt", aInventory}}) {
            QFile file(rt.path(name));
            if (text && QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly))
                file.write(text);
        }
        window = std::make_unique<MainWindow>();
        rec.mTabs = w().tabWidget();
        // New answers OK with the lanes and name set here.
        w().setNewLayoutDialogRunner([this](newLayoutDialog &aDialog) {
            ++newDialogRuns;
            if (newLanes == 4)
                aDialog.findChild<QRadioButton *>("FourLanesRadioButton")->click();
            aDialog.findChild<QLineEdit *>("nameLineEdit")->setText(newName);
            aDialog.on_nameLineEdit_editingFinished();
            return closeDialog(aDialog);
        });
        w().setLaneColorDialogRunner([this](LaneColorDialog &aDialog) {
            colors.mStartLayoutBox = aDialog.findChild<QCheckBox *>("layoutCheckBox")->isChecked();
            for (int lane = 0; lane < colors.mChoose.size(); ++lane)
                aDialog.findChild<QComboBox *>(QStringLiteral("lane%1ColorComboBox").arg(lane + 1))
                    ->setCurrentText(colors.mChoose.at(lane));
            if (colors.mDefaultBox >= 0)
                aDialog.findChild<QCheckBox *>("defaultCheckBox")->setChecked(colors.mDefaultBox);
            return closeDialog(aDialog, !colors.mAccept);
        });
        // Longer than the scene's click delay, so that a single click has acted.
        mWaitMs = 300;
    }
    ~Rig() { window.reset(); }

    RecordingPrompter rec;
    TestRuntime rt;
    std::unique_ptr<MainWindow> window;
    int newLanes = 2;
    QString newName = QStringLiteral("fresh");
    int newDialogRuns = 0;
    ColorAnswer colors;
    int marks[3] = {};

    MainWindow &w() { return *window; }
    template <class T> T *find(const QString &aName) { return w().findChild<T *>(aName); }

    // Makes tab aTab (0 Stats, 1 to 8 layouts) current, and its view the one the mouse uses.
    void activate(int aTab)
    {
        w().tabWidget()->setCurrentIndex(aTab);
        mView = w().activeView();
    }
    bool show()
    {
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    // The active layout's parts, or layout aTab's (1 to 8).
    DiagramScene *scene() { return w().activeScene(); }
    DiagramScene *scene(int aTab) { return w().tabScreen(aTab - 1).mScene; }
    LayoutRecord &a() { return *w().activeRecordA(); }
    LayoutRecord &a(int aTab) { return w().recordA(aTab - 1); }
    LayoutRecord &b() { return *w().activeRecordB(); }
    LayoutRecord &b(int aTab) { return w().recordB(aTab - 1); }
    LayoutScreen &screen() { return *w().activeLayoutScreen(); }
    LayoutScreen &screen(int aTab) { return w().layoutScreen(aTab - 1); }
    QGraphicsView *view() { return w().activeView(); }

    void trigger(const char *aAction) { w().findChild<QAction *>(aAction)->trigger(); }
    void newLayout() { trigger("actionNew"); }
    // A file command answered with aPath.
    void fileCommand(const char *aAction, const QString &aPath)
    {
        rec.mFileNames.enqueue(aPath);
        trigger(aAction);
    }
    void open(const QString &aPath) { fileCommand("actionOpen_Layout_File", aPath); }
    void saveAs(const QString &aPath) { fileCommand("actionSave_Layout_As", aPath); }
    void laneColors() { trigger("actionLane_Colors"); }
    QString file(const QString &aName) const { return rt.path(aName); }

    // Pieces laid on the active layout's record A, as clicks on open ground lay them.
    DiagramItem *append(D::DiagramType aType, double aLevel = 0.25)
    {
        return scene()->appendTrackPiece(true, aType, kStart, aLevel, false);
    }
    void lay(const QList<D::DiagramType> &aTypes)
    {
        for (D::DiagramType type : aTypes)
            append(type);
    }
    static QStringList parts(const LayoutRecord &aRecord)
    {
        QStringList names;
        for (const PlacedPiece &entry : aRecord.mPieces)
            names << entry.mPartNumber;
        return names;
    }

    // The track piece item (not an attachment) of piece aIndex of the active
    // layout, lanes 1 and 2 (aPair 0) or 3 and 4 (aPair 1); and a lane line of it.
    DiagramItem *piece(int aIndex, int aPair = 0) { return scene()->pieceItem(aPair, aIndex); }
    QGraphicsItem *laneLine(int aIndex, int aPair = 0)
    {
        for (QGraphicsItem *item : scene()->items()) {
            if (item->type() == PieceKinds::laneItemKind(aPair) &&
                static_cast<DiagramPathItem *>(item)->mIndex == aIndex)
                return item;
        }
        return nullptr;
    }
    // An attachment of aType put on host aIndex of record A (aPair 0) or B (aPair 1)
    // by the scene, without asking whether it fits.
    DiagramItem *attach(int aIndex, D::DiagramType aType, int aPair = 0)
    {
        return scene()->attachPiece(aType, aIndex, aPair == 1);
    }
    // The attach chooser answered: the buttons aClicks (without "_ToolButton") clicked
    // in order, then OK or Cancel.
    void answerChooser(const QStringList &aClicks, bool aCancel = false)
    {
        w().setAttachChooserRunner([=](AttachmentChooser &aChooser) {
            for (const QString &name : aClicks)
                aChooser.findChild<QToolButton *>(name + "_ToolButton")->click();
            return closeDialog(aChooser, aCancel);
        });
    }
    void select(const QList<QGraphicsItem *> &aItems)
    {
        scene()->clearSelection();
        for (QGraphicsItem *item : aItems)
            item->setSelected(true);
    }
    // Where the scene's range commands take their item from.
    void pressOn(QGraphicsItem *aItem)
    {
        scene()->mPressPos = aItem->sceneBoundingRect().center();
        QVERIFY(scene()->itemAt(scene()->mPressPos, QTransform()));
    }

    // The toolbox's buttons by id.
    QAbstractButton *track(int aId) { return w().toolBox().mTrackGroup->button(aId); }
    QAbstractButton *apron(int aId) { return w().toolBox().mApronGroup->button(aId); }
    QAbstractButton *track4(int aId) { return w().toolBox().mTrack4Group->button(aId); }

    // The logs from mark() on.
    static constexpr const char *kLogs[] = {"logs/debug.log", "logs/build.log",
                                            "logs/Lanewright.log"};
    void mark()
    {
        for (int i = 0; i < 3; ++i)
            marks[i] = rt.read(kLogs[i]).size();
    }
    QString newDebug() const { return QString::fromLatin1(rt.read(kLogs[0]).mid(marks[0])); }
    QString newBuild() const { return QString::fromLatin1(rt.read(kLogs[1]).mid(marks[1])); }
    QString newRun() const { return QString::fromLatin1(rt.read(kLogs[2]).mid(marks[2])); }
    // The replays since mark(), by the index each was started from.
    QStringList replays() const
    {
        static const QRegularExpression line(
            "^rebuildTrackGraphic\\(\\)\\n   aStartIndex (-?\\d+)$",
            QRegularExpression::MultilineOption);
        QStringList starts;
        auto it = line.globalMatch(newBuild());
        while (it.hasNext())
            starts << it.next().captured(1);
        return starts;
    }
    // The active tab's four lane length fields.
    QStringList lanes()
    {
        QStringList texts;
        for (QLineEdit *edit : screen().mLaneLineEdit)
            texts << edit->text();
        return texts;
    }

    QColor lampCentre(int aTab) { return screen(aTab).mModifiedLed->onColor1(); }
};

inline bool near(QPointF aA, QPointF aB)
{
    return QLineF(aA, aB).length() < 1e-6;
}

} // namespace WindowRig
