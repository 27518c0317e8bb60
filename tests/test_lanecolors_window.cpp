#include "app/LaneColorDialog.h"
#include "layout/LayoutScreen.h"
#include "app/MainWindow.h"
#include "layout/TabScreen.h"
#include "graphics/DiagramItem.h"
#include "graphics/DiagramPathItem.h"
#include "layout/DiagramScene.h"
#include "layout/LaneColors.h"
#include "layout/LayoutRecord.h"

#include "support/RecordingPrompter.h"
#include "support/TestRuntime.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using D = DiagramTypeBase;

static void initResources()
{
    Q_INIT_RESOURCE(lanewright);
}

namespace {

QStringList names(const std::array<QBrush, 4> &aBrushes)
{
    QStringList list;
    for (const QBrush &brush : aBrushes)
        list << laneColorName(brush);
    return list;
}

const QStringList kBuiltIn{"red", "green", "blue", "yellow"};

// How the test answers the lane colour dialog.
struct ColorAnswer
{
    bool mAccept = true;
    QStringList mChoose;          // lanes 1 to 4; empty keeps the dialog's start
    int mDefaultBox = -1;         // -1 leaves the box as the dialog set it, else 0 or 1
    bool mStartLayoutBox = false; // as the dialog opened
};

int answer(LaneColorDialog &aDialog, ColorAnswer &aAnswer)
{
    auto *layoutBox = aDialog.findChild<QCheckBox *>("layoutCheckBox");
    auto *defaultBox = aDialog.findChild<QCheckBox *>("defaultCheckBox");
    aAnswer.mStartLayoutBox = layoutBox->isChecked();
    for (int lane = 1; lane <= 4; ++lane) {
        auto *combo =
            aDialog.findChild<QComboBox *>(QStringLiteral("lane%1ColorComboBox").arg(lane));
        if (!aAnswer.mChoose.isEmpty())
            combo->setCurrentText(aAnswer.mChoose.at(lane - 1));
    }
    if (aAnswer.mDefaultBox >= 0)
        defaultBox->setChecked(aAnswer.mDefaultBox == 1);
    if (aAnswer.mAccept)
        aDialog.on_buttonBox_accepted();
    else
        aDialog.on_buttonBox_rejected();
    return aDialog.result();
}

// A runtime whose defaults file holds aDefaults (none when null), and a window in it.
struct Rig
{
    explicit Rig(const char *aDefaults = nullptr)
    {
        if (aDefaults) {
            QFile file(rt.path("data/defaultLaneColors.txt"));
            if (file.open(QIODevice::WriteOnly))
                file.write(aDefaults);
        }
        window = std::make_unique<MainWindow>();
        window->setLaneColorDialogRunner(
            [this](LaneColorDialog &aDialog) { return answer(aDialog, colors); });
    }

    RecordingPrompter rec;
    TestRuntime rt;
    std::unique_ptr<MainWindow> window;
    ColorAnswer colors;

    MainWindow &w() { return *window; }
    void activate(int aTab) { w().tabWidget()->setCurrentIndex(aTab); }
    LayoutRecord &a(int aTab) { return w().recordA(aTab - 1); }
    LayoutRecord &b(int aTab) { return w().recordB(aTab - 1); }
    void laneColors() { w().findChild<QAction *>("actionLane_Colors")->trigger(); }
    void appendOn(int aTab)
    {
        activate(aTab);
        w().activeScene()->appendTrackPiece(true, D::R3600, QPointF(1000, 1000), 0.25, false);
    }
    // The colours of the lane lines drawn on layout aTab, lanes 1 and 2 of its first piece.
    QStringList laneLineColors(int aTab)
    {
        QStringList colors{QString(), QString()};
        for (QGraphicsItem *item : w().tabScreen(aTab - 1).mScene->items()) {
            if (item->type() != DiagramPathItem::eType)
                continue;
            auto *line = static_cast<DiagramPathItem *>(item);
            if (line->mIndex == 0 && line->mLane >= 1 && line->mLane <= 2)
                colors[line->mLane - 1] = laneColorName(QBrush(line->pen().color()));
        }
        return colors;
    }
    QByteArray writtenDefaults()
    {
        window.reset();
        return rt.read("data/defaultLaneColors.txt");
    }
};

} // namespace

// The default lane colours through the window: read at start-up, written at
// exit, and the Lane Colors command's scopes.
class LaneColorsWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initResources();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void startUpReadsTheDefaultsFileAndExitWritesThemBack()
    {
        // A name outside the eight reads black, and black is what exit writes back.
        const QStringList colors{"red", "black", "blue", "yellow"};
        Rig rig("red purple blue yellow\n");
        QCOMPARE(names(rig.w().defaultLaneBrushes()), colors);
        // The layouts are made after the defaults are read.
        QCOMPARE(names(rig.b(8).mLaneBrush), colors);
        QCOMPARE(QString::fromLatin1(rig.writtenDefaults()), colors.join('\n') + '\n');
    }

    void scopesDecideWhichLayoutsAndDefaultsChange_data()
    {
        QTest::addColumn<int>("showTab");
        QTest::addColumn<int>("pieceTab");
        QTest::addColumn<bool>("accept");
        QTest::newRow("Stats tab: defaults only, layouts with pieces keep theirs")
            << 0 << 3 << true;
        QTest::newRow("both scopes on the tab with pieces") << 3 << 3 << true;
        QTest::newRow("cancel changes nothing") << 4 << 4 << false;
    }

    void scopesDecideWhichLayoutsAndDefaultsChange()
    {
        QFETCH(int, showTab);
        QFETCH(int, pieceTab);
        QFETCH(bool, accept);
        Rig rig;
        rig.appendOn(pieceTab);
        rig.a(pieceTab).mChanged = false;
        rig.a(pieceTab).mSaved = true;
        if (!accept)
            rig.b(showTab).mLaneBrush[2] = QBrush(Qt::white);
        rig.activate(showTab);
        const QStringList chosen{"cyan", "magenta", "black", "white"};
        rig.colors.mAccept = accept;
        rig.colors.mChoose = chosen;
        rig.colors.mDefaultBox = 1;
        rig.laneColors();
        QCOMPARE(rig.colors.mStartLayoutBox, showTab != 0);
        const bool layoutScope = accept && showTab != 0;
        for (int tab = 1; tab <= 8; ++tab) {
            const bool follows = tab == showTab ? layoutScope : accept && tab != pieceTab;
            const QStringList expected = follows ? chosen : kBuiltIn;
            QCOMPARE(names(rig.a(tab).mLaneBrush), expected);
            // Record B always follows record A.
            QCOMPARE(names(rig.b(tab).mLaneBrush), expected);
        }
        QCOMPARE(names(rig.w().defaultLaneBrushes()), accept ? chosen : kBuiltIn);
        // New colours are saved with the layout: the close must offer it.
        QCOMPARE(rig.a(pieceTab).mChanged, pieceTab == showTab && layoutScope);
        // The chain is laid again in its layout's colours.
        QCOMPARE(rig.laneLineColors(pieceTab), names(rig.a(pieceTab).mLaneBrush).mid(0, 2));
        QCOMPARE(QString::fromLatin1(rig.writtenDefaults()),
                 (accept ? chosen : kBuiltIn).join('\n') + '\n');
    }
};

QTEST_MAIN(LaneColorsWindowTest)
#include "test_lanecolors_window.moc"
