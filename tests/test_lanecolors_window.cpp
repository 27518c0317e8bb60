#include "layout/LaneColors.h"
#include "support/WindowRig.h"

using D = DiagramTypeBase;
using WindowRig::Rig;

static void initResources()
{
    Q_INIT_RESOURCE(lanewright);
}

namespace {

// The defaults file the window starts with names "purple", which is not one
// of the eight: it reads as black, and black is what exit writes back.
const char *const kDefaultsFile = "red purple blue yellow\n";
const QStringList kDefaults{"red", "black", "blue", "yellow"};

QStringList names(const std::array<QBrush, 4> &aBrushes)
{
    QStringList list;
    for (const QBrush &brush : aBrushes)
        list << laneColorName(brush);
    return list;
}

// The colours of lanes 1 and 2 of the first piece drawn on layout aTab.
QStringList laneLineColors(Rig &aRig, int aTab)
{
    QStringList colors{QString(), QString()};
    for (QGraphicsItem *item : aRig.scene(aTab)->items()) {
        auto *line =
            item->type() == DiagramPathItem::eType ? static_cast<DiagramPathItem *>(item) : nullptr;
        if (line && line->mIndex == 0 && line->mLane >= 1 && line->mLane <= 2)
            colors[line->mLane - 1] = laneColorName(QBrush(line->pen().color()));
    }
    return colors;
}

// The defaults file as the window's exit writes it.
QStringList writtenDefaults(Rig &aRig)
{
    aRig.window.reset();
    return QString::fromLatin1(aRig.rt.read("data/defaultLaneColors.txt")).split('\n');
}

} // namespace

// The default lane colours through the window: read at start-up before the
// layouts are made, written at exit, and the Lane Colors command's scopes.
class LaneColorsWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initResources();
        QApplication::setQuitOnLastWindowClosed(false);
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
        Rig rig(kDefaultsFile);
        rig.activate(pieceTab);
        rig.append(D::R3600);
        rig.a(pieceTab).mChanged = false;
        rig.a(pieceTab).mSaved = true;
        if (!accept)
            rig.b(showTab).mLaneBrush[2] = QBrush(Qt::white);
        rig.activate(showTab);
        const QStringList chosen{"cyan", "magenta", "black", "white"};
        rig.colors = {accept, chosen, 1};
        rig.laneColors();
        QCOMPARE(rig.colors.mStartLayoutBox, showTab != 0);
        const bool layoutScope = accept && showTab != 0;
        for (int tab = 1; tab <= 8; ++tab) {
            const bool follows = tab == showTab ? layoutScope : accept && tab != pieceTab;
            const QStringList expected = follows ? chosen : kDefaults;
            // Record B always follows record A.
            QCOMPARE(names(rig.a(tab).mLaneBrush) + names(rig.b(tab).mLaneBrush),
                     expected + expected);
        }
        QCOMPARE(names(rig.w().defaultLaneBrushes()), accept ? chosen : kDefaults);
        // New colours are saved with the layout: the close must offer it.
        QCOMPARE(rig.a(pieceTab).mChanged, pieceTab == showTab && layoutScope);
        // The chain is laid again in its layout's colours.
        QCOMPARE(laneLineColors(rig, pieceTab), names(rig.a(pieceTab).mLaneBrush).mid(0, 2));
        QCOMPARE(writtenDefaults(rig), (accept ? chosen : kDefaults) + QStringList{""});
    }
};

QTEST_MAIN(LaneColorsWindowTest)
#include "test_lanecolors_window.moc"
