#include "app/LaneColorDialog.h"
#include "app/LayoutScreen.h"
#include "app/MainWindow.h"
#include "app/TabScreen.h"
#include "app/newLayoutDialog.h"
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
#include <QLabel>
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
    QStringList mChoose; // lanes 1 to 4; empty keeps the dialog's start
    int mLayoutBox = -1; // -1 leaves the box as the dialog set it, else 0 or 1
    int mDefaultBox = -1;
    // What the dialog showed when it opened.
    QStringList mStartNames;
    bool mStartLayoutBox = false;
    bool mStartDefaultBox = false;
    int mRuns = 0;
};

int answer(LaneColorDialog &aDialog, ColorAnswer &aAnswer)
{
    ++aAnswer.mRuns;
    auto *layoutBox = aDialog.findChild<QCheckBox *>("layoutCheckBox");
    auto *defaultBox = aDialog.findChild<QCheckBox *>("defaultCheckBox");
    aAnswer.mStartLayoutBox = layoutBox->isChecked();
    aAnswer.mStartDefaultBox = defaultBox->isChecked();
    aAnswer.mStartNames.clear();
    for (int lane = 1; lane <= 4; ++lane) {
        auto *combo =
            aDialog.findChild<QComboBox *>(QStringLiteral("lane%1ColorComboBox").arg(lane));
        aAnswer.mStartNames << combo->currentText();
        if (!aAnswer.mChoose.isEmpty())
            combo->setCurrentText(aAnswer.mChoose.at(lane - 1));
    }
    if (aAnswer.mLayoutBox >= 0)
        layoutBox->setChecked(aAnswer.mLayoutBox == 1);
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
    QLabel *laneLabel(int aTab, int aLane)
    {
        return w().layoutScreen(aTab - 1).mLaneLabel[aLane - 1];
    }
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

    void startUpReadsTheDefaultsFileAndExitWritesThemBack_data()
    {
        QTest::addColumn<QByteArray>("file"); // "-" for no file
        QTest::addColumn<QStringList>("colors");
        QTest::newRow("no file") << QByteArray("-") << kBuiltIn;
        QTest::newRow("four names") << QByteArray("white\nblack\nred\nblue\n")
                                    << QStringList{"white", "black", "red", "blue"};
        QTest::newRow("unknown name is black") << QByteArray("red purple blue yellow\n")
                                               << QStringList{"red", "black", "blue", "yellow"};
    }

    void startUpReadsTheDefaultsFileAndExitWritesThemBack()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, colors);
        Rig rig(file == "-" ? nullptr : file.constData());
        QCOMPARE(names(rig.w().defaultLaneBrushes()), colors);
        // The layouts are made after the defaults are read.
        for (int tab = 1; tab <= 8; ++tab) {
            QCOMPARE(names(rig.a(tab).mLaneBrush), colors);
            QCOMPARE(names(rig.b(tab).mLaneBrush), colors);
        }
        const QString run = QString::fromLatin1(rig.rt.read("logs/Lanewright.log"));
        const QString block = QStringLiteral("MainWindow() constructor\n"
                                             "   Default lane colors:\n"
                                             "   lane 1: %1\n"
                                             "   lane 2: %2\n"
                                             "   lane 3: %3\n"
                                             "   lane 4: %4\n"
                                             "\n"
                                             "4-lane:\n")
                                  .arg(colors.at(0), colors.at(1), colors.at(2), colors.at(3));
        QVERIFY2(run.contains(block), qPrintable(run.left(400)));
        QCOMPARE(QString::fromLatin1(rig.writtenDefaults()), colors.join('\n') + '\n');
    }

    void layoutScopeRecoloursTheLayoutItsLinesAndLabelsButNotTheDefaults()
    {
        Rig rig;
        rig.appendOn(3);
        rig.a(3).mChanged = false;
        rig.a(3).mSaved = true;
        QCOMPARE(rig.laneLineColors(3), (QStringList{"red", "green"}));
        const int debugMark = rig.rt.read("logs/debug.log").size();
        rig.colors.mChoose = QStringList{"blue", "white", "cyan", "black"};
        rig.laneColors();
        QVERIFY(rig.colors.mStartLayoutBox);
        QVERIFY(!rig.colors.mStartDefaultBox);
        QVERIFY(QString::fromLatin1(rig.rt.read("logs/debug.log").mid(debugMark))
                    .startsWith("on_actionLane_Colors_triggered()\n"));
        QCOMPARE(names(rig.a(3).mLaneBrush), rig.colors.mChoose);
        QCOMPARE(names(rig.b(3).mLaneBrush), rig.colors.mChoose);
        // New colours are saved with the layout: the close must offer it.
        QVERIFY(rig.a(3).mChanged && !rig.a(3).mSaved);
        QCOMPARE(names(rig.w().defaultLaneBrushes()), kBuiltIn);
        QCOMPARE(names(rig.a(4).mLaneBrush), kBuiltIn);
        // The chain is laid again in the new colours.
        QCOMPARE(rig.laneLineColors(3), (QStringList{"blue", "white"}));
        QCOMPARE(rig.w().tabScreen(2).mScene->items().size(), 3);
        QCOMPARE(rig.laneLabel(3, 2)->styleSheet(),
                 QString("QLabel { color: white; background-color: tan;}"));
        QCOMPARE(rig.laneLabel(3, 4)->styleSheet(),
                 QString("QLabel { color: black; background-color: beige;}"));
        QCOMPARE(rig.writtenDefaults(), QByteArray("red\ngreen\nblue\nyellow\n"));
    }

    void scopesDecideWhichLayoutsAndDefaultsChange_data()
    {
        QTest::addColumn<int>("showTab");
        QTest::addColumn<int>("pieceTab");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("layoutBox"); // -1 leaves it as the dialog set it
        QTest::newRow("Stats tab: defaults only, layouts with pieces keep theirs")
            << 0 << 3 << true << -1;
        QTest::newRow("both scopes on an empty tab") << 2 << 6 << true << -1;
        QTest::newRow("defaults only: the showing layout keeps its colours") << 2 << 3 << true << 0;
        QTest::newRow("cancel changes nothing") << 4 << 4 << false << -1;
    }

    void scopesDecideWhichLayoutsAndDefaultsChange()
    {
        QFETCH(int, showTab);
        QFETCH(int, pieceTab);
        QFETCH(bool, accept);
        QFETCH(int, layoutBox);
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
        rig.colors.mLayoutBox = layoutBox;
        rig.colors.mDefaultBox = 1;
        rig.laneColors();
        QCOMPARE(rig.colors.mRuns, 1);
        QCOMPARE(rig.colors.mStartLayoutBox, showTab != 0);
        QVERIFY(!rig.colors.mStartDefaultBox);
        QCOMPARE(rig.colors.mStartNames, kBuiltIn);
        const bool layoutScope = accept && showTab != 0 && layoutBox != 0;
        for (int tab = 1; tab <= 8; ++tab) {
            const bool follows = tab == showTab ? layoutScope : accept && tab != pieceTab;
            const QStringList expected = follows ? chosen : kBuiltIn;
            QCOMPARE(names(rig.a(tab).mLaneBrush), expected);
            // Record B always follows record A.
            QCOMPARE(names(rig.b(tab).mLaneBrush), expected);
        }
        QCOMPARE(names(rig.w().defaultLaneBrushes()), accept ? chosen : kBuiltIn);
        if (pieceTab != showTab)
            QVERIFY(!rig.a(pieceTab).mChanged && rig.a(pieceTab).mSaved);
        QCOMPARE(rig.laneLineColors(pieceTab), (QStringList{"red", "green"}));
        QVERIFY(rig.rec.mLog.isEmpty());
        QCOMPARE(QString::fromLatin1(rig.writtenDefaults()),
                 (accept ? chosen : kBuiltIn).join('\n') + '\n');
    }

    void newLayoutTakesTheDefaultsChosenLater()
    {
        Rig rig;
        rig.appendOn(5);
        rig.activate(0);
        rig.colors.mChoose = QStringList{"yellow", "cyan", "white", "black"};
        rig.colors.mDefaultBox = 1;
        rig.laneColors();
        QCOMPARE(names(rig.a(5).mLaneBrush), kBuiltIn);
        rig.activate(5);
        rig.w().setNewLayoutDialogRunner([](newLayoutDialog &) { return int(QDialog::Accepted); });
        rig.w().findChild<QAction *>("actionNew")->trigger();
        QCOMPARE(names(rig.a(5).mLaneBrush), rig.colors.mChoose);
        QCOMPARE(names(rig.b(5).mLaneBrush), rig.colors.mChoose);
        QCOMPARE(rig.laneLabel(5, 1)->styleSheet(),
                 QString("QLabel { color: yellow; background-color: tan;}"));
    }
};

QTEST_MAIN(LaneColorsWindowTest)
#include "test_lanecolors_window.moc"
