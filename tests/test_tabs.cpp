#include "app/LayoutScreen.h"
#include "app/LayoutTabFactory.h"
#include "app/QLedIndicator.h"
#include "app/TabControls.h"
#include "app/TabWidgetBuilder.h"
#include "app/ToolBoxBuilder.h"
#include "graphics/DiagramTypes.h"
#include "layout/LayoutRecord.h"
#include "layout/ViewMath.h"
#include "support/TestRuntime.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDial>
#include <QDir>
#include <QGraphicsView>
#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBox>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

bool sameTransform(const QTransform &a, const QTransform &b)
{
    const double d[] = {a.m11() - b.m11(), a.m12() - b.m12(), a.m21() - b.m21(),
                        a.m22() - b.m22(), a.dx() - b.dx(),   a.dy() - b.dy()};
    for (double v : d) {
        if (qAbs(v) > 1e-9)
            return false;
    }
    return true;
}

QTransform expected(double aAngle, double aScale)
{
    QTransform t;
    t.rotate(-aAngle);
    t.scale(aScale, aScale);
    return t;
}

QSet<int> ids(const QButtonGroup *aGroup)
{
    QSet<int> result;
    for (QAbstractButton *button : aGroup->buttons())
        result.insert(aGroup->id(button));
    return result;
}

QSet<int> range(int aFirst, int aLast)
{
    QSet<int> result;
    for (int i = aFirst; i <= aLast; ++i)
        result.insert(i);
    return result;
}

// The grid cell a toolbox button sits in, found through the page's layout.
QPoint gridPlace(QAbstractButton *aButton, QToolBox *aToolBox, int aPage)
{
    auto *scroll = qobject_cast<QScrollArea *>(aToolBox->widget(aPage));
    auto *grid = qobject_cast<QGridLayout *>(scroll->widget()->layout());
    const int index = grid->indexOf(aButton->parentWidget());
    if (index < 0)
        return QPoint(-1, -1);
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    return QPoint(column, row);
}

} // namespace

// The working surface: layout tab factory, Stats tab, tab widget, toolbox and
// the view controls behind the eight tabs.
class TabsTest : public QObject
{
    Q_OBJECT
private slots:
    void scaleMappingIsContinuousAtMiddle_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("text");
        QTest::newRow("0 smallest") << 0 << 0.1 << "0.10x";
        QTest::newRow("25 lower half") << 25 << 0.55 << "0.55x";
        QTest::newRow("49 last of lower half") << 49 << 0.982 << "0.98x";
        QTest::newRow("50 one to one") << 50 << 1.0 << "1.00x";
        QTest::newRow("75 upper half") << 75 << 1.95 << "1.95x";
        QTest::newRow("100 largest") << 100 << 2.9 << "2.90x";
    }
    void scaleMappingIsContinuousAtMiddle()
    {
        QFETCH(int, value);
        QFETCH(double, scale);
        QFETCH(QString, text);
        const double s = ViewMath::scaleForSliderValue(value);
        QVERIFY2(qAbs(s - scale) < 1e-12, qPrintable(QString::number(s, 'g', 17)));
        QCOMPARE(ViewMath::scaleText(s), text);
    }

    void rotationTextIsGeneralFormatSixDigits_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero reads as zero") << -0.0 << "0";
        QTest::newRow("whole") << 30.0 << "30";
        QTest::newRow("negative fraction") << -22.5 << "-22.5";
        QTest::newRow("rounded to six digits") << 123.456789 << "123.457";
        QTest::newRow("rounds up to whole") << 359.9999999 << "360";
        QTest::newRow("large uses exponent") << 1234567.0 << "1.23457e+06";
    }
    void rotationTextIsGeneralFormatSixDigits()
    {
        QFETCH(double, angle);
        QFETCH(QString, text);
        QCOMPARE(ViewMath::rotationText(angle), text);
    }

    void backgroundNameFollowsButtonText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("image");
        QTest::newRow("blue") << "Blue Grid"
                              << ":/images/background1.png";
        QTest::newRow("white") << "White Grid"
                               << ":/images/background2.png";
        QTest::newRow("gray") << "Gray Grid"
                              << ":/images/background3.png";
        QTest::newRow("none") << "No Grid"
                              << ":/images/background4.png";
        QTest::newRow("case matters") << "blue grid"
                                      << ":/images/background4.png";
        QTest::newRow("empty") << ""
                               << ":/images/background4.png";
    }
    void backgroundNameFollowsButtonText()
    {
        QFETCH(QString, text);
        QFETCH(QString, image);
        QCOMPARE(ViewMath::backgroundImageName(text), image);
    }

    void layoutTabWidgetsNamedPlacedAndWorded_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect"); // null: not fixed
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("readOnly"); // -1: not a line edit
        for (int tab : {1, 3, 8}) {
            auto row = [tab](const char *aName, QRect aRect, const char *aTip, QString aText,
                             int aReadOnly) {
                const QString name = QString::fromLatin1(aName).arg(tab);
                QTest::newRow(qPrintable(name))
                    << tab << name << aRect << QString::fromLatin1(aTip) << aText << aReadOnly;
            };
            row("layout%1NameLineEdit", QRect(6, 10, 189, 25), "layout name",
                QString("unnamed%1").arg(tab), 0);
            row("layout%1modifiedLEDWidget", QRect(208, 6, 30, 30), "layout save status", {}, -1);
            row("filepath%1LineEdit", QRect(304, 6, 495, 20), "full path to layout file", "", 1);
            row("lanes%1LineEdit", QRect(230, 52, 41, 20), "lane count", "2", 1);
            row("layout%1CurrentIndexLineEdit", QRect(230, 78, 41, 20), "track peces used", "", 1);
            row("laneLength%1GroupBox", QRect(310, 32, 231, 59), "lane langths",
                "Lane Lengths (ft)", -1);
            row("btnSelect%1GroupBox", QRect(560, 32, 220, 65), "toolbox selection info",
                "Toolbox Button Selected", -1);
            row("stats%1GroupBox", QRect(804, 10, 249, 89), "current layout stats", "Stats", -1);
            row("display%1GroupBox", QRect(1058, 6, 237, 97), "display options", "Display", -1);
            row("trackTable%1Widget", QRect(4, 50, 131, 723), "track usage table", {}, -1);
            row("graphics%1View", QRect(138, 108, 1179, 663), "layout area", {}, -1);
            row("layout%1lane1LineEdit", QRect(), "lane 1 length", "", 1);
            row("layout%1lane4LineEdit", QRect(), "lane 4 length", "", 1);
            row("layout%1lane3Label", QRect(), "", "Lane 3", -1);
            row("layout%1btnActiveLineEdit", QRect(), "active toolbox button", "", 1);
            row("layout%1lastBtnLineEdit", QRect(), "last button used", "", 1);
            row("layout%1modeLineEdit", QRect(), "action mode", "", 1);
            row("layout%1CurrentPosXLineEdit", QRect(), "current append screen X position", "", 1);
            row("layout%1CurrentPosYLineEdit", QRect(), "current append screen Y position", "", 1);
            row("layout%1CurrentAngLineEdit", QRect(), "current append track angle", "", 1);
            row("layout%1widthLineEdit", QRect(), "layout width (horizontal)", "", 1);
            row("layout%1heightLineEdit", QRect(), "layout height (vertical)", "", 1);
            row("layout%1SizeLabel", QRect(), "", "Layout Size (ft)", -1);
            row("scale%1LineEdit", QRect(), "current screen scale", "1x", 1);
            row("scale%1HorizontalSlider", QRect(), "scale slider", {}, -1);
            row("rotate%1LineEdit", QRect(), "layout rotation angle", "0", 1);
            row("rotate%1Dial", QRect(), "layout rotation control dial", {}, -1);
            row("lock%1RotationCheckBox", QRect(), "auto rotate screen with angle",
                "Align Screen with Track", -1);
            row("filepath%1Label", QRect(), "", "File Path", -1);
            row("lanes%1Label", QRect(), "", "Lanes", -1);
            row("layout%1CurrentIndexLabel", QRect(), "", "Current Pieces", -1);
            row("layout%1CurrentPosLabel", QRect(), "", "Current Positiion", -1);
            row("layout%1CurrentAngLabel", QRect(), "", "Current Angle", -1);
        }
    }
    void layoutTabWidgetsNamedPlacedAndWorded()
    {
        QFETCH(int, tab);
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QString, toolTip);
        QFETCH(QString, text);
        QFETCH(int, readOnly);

        LayoutScreen screen;
        const LayoutTabWidgets built = buildLayoutTab(tab, screen);
        std::unique_ptr<QWidget> page(built.mPage);
        const auto matches = page->findChildren<QWidget *>(name);
        QCOMPARE(matches.size(), 1);
        QWidget *widget = matches.first();
        if (!rect.isNull())
            QCOMPARE(widget->geometry(), rect);
        QCOMPARE(widget->toolTip(), toolTip);
        if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            QCOMPARE(int(edit->isReadOnly()), readOnly);
            QCOMPARE(edit->text(), text);
        } else {
            QCOMPARE(readOnly, -1);
            if (auto *box = qobject_cast<QGroupBox *>(widget))
                QCOMPARE(box->title(), text);
            else if (auto *label = qobject_cast<QLabel *>(widget))
                QCOMPARE(label->text(), text);
            else if (auto *check = qobject_cast<QCheckBox *>(widget))
                QCOMPARE(check->text(), text);
        }
    }

    void layoutTabControlsStartAtTheirRanges_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("tab 1") << 1;
        QTest::newRow("tab 3") << 3;
        QTest::newRow("tab 8") << 8;
    }
    void layoutTabControlsStartAtTheirRanges()
    {
        QFETCH(int, tab);
        LayoutScreen screen;
        const LayoutTabWidgets built = buildLayoutTab(tab, screen);
        std::unique_ptr<QWidget> page(built.mPage);
        QCOMPARE(screen.mTab, tab);
        QCOMPARE(screen.mScaleSlider->orientation(), Qt::Horizontal);
        QCOMPARE(screen.mScaleSlider->minimum(), 0);
        QCOMPARE(screen.mScaleSlider->maximum(), 100);
        QCOMPARE(screen.mScaleSlider->value(), 50);
        QCOMPARE(screen.mRotateDial->minimum(), 0);
        QCOMPARE(screen.mRotateDial->maximum(), 360);
        QCOMPARE(screen.mRotateDial->value(), 0);
        QVERIFY(!screen.mLockRotationCheckBox->isChecked());
        QCOMPARE(screen.mActiveButton, 0);
        QCOMPARE(int(screen.mFilled), 1);
        QCOMPARE(built.mView->objectName(), QString("graphics%1View").arg(tab));
    }

    void layoutScreenPointsAtItsOwnTabsWidgets()
    {
        LayoutScreen screen;
        const LayoutTabWidgets built = buildLayoutTab(5, screen);
        std::unique_ptr<QWidget> page(built.mPage);
        const QList<QPair<QObject *, QString>> fields = {
            {screen.mNameLineEdit, "layout5NameLineEdit"},
            {screen.mFilePathLineEdit, "filepath5LineEdit"},
            {screen.mLanesLineEdit, "lanes5LineEdit"},
            {screen.mModifiedLed, "layout5modifiedLEDWidget"},
            {screen.mCurrentIndexLineEdit, "layout5CurrentIndexLineEdit"},
            {screen.mCurrentPosXLineEdit, "layout5CurrentPosXLineEdit"},
            {screen.mCurrentPosYLineEdit, "layout5CurrentPosYLineEdit"},
            {screen.mCurrentAngLineEdit, "layout5CurrentAngLineEdit"},
            {screen.mScaleLineEdit, "scale5LineEdit"},
            {screen.mScaleSlider, "scale5HorizontalSlider"},
            {screen.mRotateLineEdit, "rotate5LineEdit"},
            {screen.mLockRotationCheckBox, "lock5RotationCheckBox"},
            {screen.mRotateDial, "rotate5Dial"},
            {screen.mSizeLabel, "layout5SizeLabel"},
            {screen.mWidthLineEdit, "layout5widthLineEdit"},
            {screen.mHeightLineEdit, "layout5heightLineEdit"},
            {screen.mLaneLengthGroupBox, "laneLength5GroupBox"},
            {screen.mLaneLineEdit[0], "layout5lane1LineEdit"},
            {screen.mLaneLineEdit[3], "layout5lane4LineEdit"},
            {screen.mLaneLabel[1], "layout5lane2Label"},
            {screen.mLaneLabel[2], "layout5lane3Label"},
            {screen.mBtnActiveLineEdit, "layout5btnActiveLineEdit"},
            {screen.mLastBtnLineEdit, "layout5lastBtnLineEdit"},
            {screen.mModeLineEdit, "layout5modeLineEdit"},
            {screen.mTrackTable, "trackTable5Widget"},
        };
        for (const auto &field : fields) {
            QVERIFY2(field.first, qPrintable(field.second));
            QCOMPARE(field.first->objectName(), field.second);
        }
    }

    void tabWidgetHoldsStatsThenEightUniquelyNamedLayouts()
    {
        QWidget window;
        std::array<LayoutScreen, kLayoutTabCount> screens;
        const WorkingSurface surface = buildTabWidget(&window, screens);
        QTabWidget *tabs = surface.mTabWidget;
        QCOMPARE(tabs->objectName(), QString("tabWidget"));
        QCOMPARE(tabs->geometry(), QRect(286, 34, 1325, 801));
        QCOMPARE(tabs->count(), 9);
        QCOMPARE(tabs->tabText(0), QString("Stats"));
        QCOMPARE(tabs->widget(0), surface.mStats.mPage);
        for (int tab = 1; tab <= kLayoutTabCount; ++tab) {
            QCOMPARE(tabs->tabText(tab), QString("Layout %1").arg(tab));
            QCOMPARE(screens[tab - 1].mTab, tab);
            QCOMPARE(surface.mLayouts[tab - 1].mView->objectName(),
                     QString("graphics%1View").arg(tab));
            QVERIFY(tabs->widget(tab)->isAncestorOf(screens[tab - 1].mNameLineEdit));
        }
        // Left on layout 1, so that showing the Stats tab at start-up is a change.
        QCOMPARE(tabs->currentIndex(), 1);

        // Slots connect by object name across the whole window: no name twice.
        QSet<QString> seen;
        for (QObject *child : window.findChildren<QObject *>()) {
            const QString name = child->objectName();
            if (name.isEmpty() || name.startsWith("qt_"))
                continue;
            QVERIFY2(!seen.contains(name), qPrintable(name));
            seen.insert(name);
        }
        QVERIFY(seen.contains("rotate8Dial"));
    }

    void statsTabHasEmptyTablesAndDisabledZeroBox()
    {
        const StatsTabWidgets stats = buildStatsTab();
        std::unique_ptr<QWidget> page(stats.mPage);
        QCOMPARE(stats.mTrackTable->objectName(), QString("trackTableWidget"));
        QCOMPARE(stats.mTrackTable->geometry(), QRect(6, 38, 257, 733));
        QCOMPARE(stats.mLayoutsTable->objectName(), QString("layoutsTableWidget"));
        QCOMPARE(stats.mLayoutsTable->geometry(), QRect(302, 38, 1013, 733));
        QCOMPARE(stats.mTrackTable->rowCount(), 0);
        QCOMPARE(stats.mLayoutsTable->rowCount(), 0);
        QCOMPARE(stats.mCatalogPiecesLineEdit->objectName(), QString("catalogPiecesLineEdit"));
        QVERIFY(stats.mCatalogPiecesLineEdit->isReadOnly());
        QCOMPARE(stats.mZeroCheckBox->objectName(), QString("zeroCheckBox"));
        QCOMPARE(stats.mZeroCheckBox->text(), QString("HIde Cell rows with zero usage"));
        QVERIFY(!stats.mZeroCheckBox->isEnabled());
        QStringList labels;
        for (QLabel *label : page->findChildren<QLabel *>())
            labels << label->text();
        QVERIFY(labels.contains("Track Piece Use"));
        QVERIFY(labels.contains("Layout Usage"));
        QVERIFY(labels.contains("Catalog Pieces"));
    }

    void viewTransformReplacesAndFollowsLock()
    {
        LayoutScreen screen;
        const LayoutTabWidgets built = buildLayoutTab(2, screen);
        std::unique_ptr<QWidget> page(built.mPage);
        LayoutRecord record;
        record.mForwardAngle = 30.0;
        screen.mRotateDial->setValue(90);
        screen.mScaleSlider->setValue(75);
        // A transform left from before must be replaced, not combined with.
        built.mView->setTransform(QTransform::fromScale(5, 5));

        TabControls::refreshViewTransform(screen, built.mView, record);
        QVERIFY(sameTransform(built.mView->transform(), expected(90.0, 1.95)));
        QCOMPARE(screen.mRotateLineEdit->text(), QString("90"));

        screen.mLockRotationCheckBox->setChecked(true);
        TabControls::refreshViewTransform(screen, built.mView, record);
        QVERIFY(sameTransform(built.mView->transform(), expected(30.0, 1.95)));
        QCOMPARE(screen.mRotateLineEdit->text(), QString("30"));

        record.mForwardAngle = -22.5;
        screen.mScaleSlider->setValue(0);
        TabControls::scaleSliderChanged(screen, built.mView, record, 0);
        QVERIFY(sameTransform(built.mView->transform(), expected(-22.5, 0.1)));
        QCOMPARE(screen.mRotateLineEdit->text(), QString("-22.5"));
        QCOMPARE(screen.mScaleLineEdit->text(), QString("0.10x"));
    }

    void dialShowsItsValueUnderLockOnEveryTab_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("layout 1") << 1;
        QTest::newRow("layout 2") << 2;
        QTest::newRow("layout 8") << 8;
    }
    void dialShowsItsValueUnderLockOnEveryTab()
    {
        QFETCH(int, tab);
        LayoutScreen screen;
        const LayoutTabWidgets built = buildLayoutTab(tab, screen);
        std::unique_ptr<QWidget> page(built.mPage);
        LayoutRecord record;
        record.mForwardAngle = 45.0;
        screen.mLockRotationCheckBox->setChecked(true);
        screen.mRotateDial->setValue(120);
        TabControls::rotateDialChanged(screen, built.mView, record, 120);
        // The view follows the track; the field shows the dial.
        QVERIFY(sameTransform(built.mView->transform(), expected(45.0, 1.0)));
        QCOMPARE(screen.mRotateLineEdit->text(), QString("120"));
    }

    void unitTitlesRelabelBoxAndSizeLabel()
    {
        LayoutScreen screen;
        std::unique_ptr<QWidget> page(buildLayoutTab(4, screen).mPage);
        TabControls::setUnitTitles(screen, "mm");
        QCOMPARE(screen.mLaneLengthGroupBox->title(), QString("Lane Lengths (mm)"));
        QCOMPARE(screen.mSizeLabel->text(), QString("Layout Size (mm)"));
    }

    void toolBoxPagesInOrder()
    {
        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        QToolBox *box = parts.mToolBox;
        QCOMPARE(box->objectName(), QString("toolBox"));
        QCOMPARE(box->count(), 4);
        QCOMPARE(box->itemText(0), QString("Track Pieces - 2 lane"));
        QCOMPARE(box->itemText(1), QString("Attachment Pieces - 2 lane"));
        QCOMPARE(box->itemText(2), QString("Track Pieces - 4 lane"));
        QCOMPARE(box->itemText(3), QString("Backgrounds"));
        QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(box->toolTip(), QString("toolbox"));
        QCOMPARE(box->sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
        QCOMPARE(box->sizePolicy().verticalPolicy(), QSizePolicy::Ignored);
        QCOMPARE(box->x(), 12);
        QCOMPARE(box->y(), 42);
        QCOMPARE(box->height(), 767);
    }

    void toolBoxIsAsWideAsTheFourLanePage()
    {
        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        const int fourLane = parts.mToolBox->widget(ToolBoxBuilder::Track4Page)->sizeHint().width();
        QCOMPARE(parts.mToolBox->minimumWidth(), fourLane);
        // The 90-pixel pictures in two columns need more than the 60-pixel ones.
        QVERIFY(fourLane > 2 * 90);
        QVERIFY(fourLane >= parts.mToolBox->widget(ToolBoxBuilder::TrackPage)->sizeHint().width());
    }

    void toolBoxGroupsExclusivityAndMembers()
    {
        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        QCOMPARE(parts.mTrackGroup->buttons().size(), 17);
        QCOMPARE(parts.mTrack4Group->buttons().size(), 12);
        QCOMPARE(parts.mApronGroup->buttons().size(), 36);
        QCOMPARE(parts.mBackgroundGroup->buttons().size(), 4);
        QVERIFY(!parts.mTrackGroup->exclusive());
        QVERIFY(!parts.mTrack4Group->exclusive());
        QVERIFY(!parts.mApronGroup->exclusive());
        QVERIFY(parts.mBackgroundGroup->exclusive());
        QCOMPARE(parts.mTrackGroup->parent(), &window);

        QCOMPARE(ids(parts.mTrackGroup), range(0, 16));
        QCOMPARE(ids(parts.mTrack4Group), range(93, 104));
        const QSet<int> aprons =
            range(23, 26) + range(35, 48) + range(53, 56) + range(71, 72) + range(77, 88);
        QCOMPARE(ids(parts.mApronGroup), aprons);
        for (int id : ids(parts.mBackgroundGroup))
            QVERIFY2(id < -1, "background buttons take the group's automatic ids");
        QCOMPARE(ids(parts.mBackgroundGroup).size(), 4);
    }

    void toolButtonLabelsNameThePieceTheirIdPlaces()
    {
        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        // Track buttons carry the exact part number of their diagram type;
        // attachment buttons the part number without its side or end suffix.
        for (QButtonGroup *group : {parts.mTrackGroup, parts.mTrack4Group, parts.mApronGroup}) {
            for (QAbstractButton *button : group->buttons()) {
                const auto type = DiagramTypeBase::DiagramType(group->id(button));
                const QString part = getPartNumber(type);
                if (group == parts.mApronGroup)
                    QVERIFY2(part.startsWith(button->text()), qPrintable(part));
                else
                    QCOMPARE(button->text(), part);
            }
        }
    }

    void toolCellsPlacedWithTipsAndIconSizes_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("id");
        QTest::addColumn<QPoint>("place"); // column, row
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("iconSize");
        QTest::newRow("R3600") << 0 << 0 << QPoint(0, 0) << "12\" straight"
                               << "R3600" << 60;
        QTest::newRow("R3609") << 0 << 6 << QPoint(1, 1) << "12\" lane change"
                               << "R3609" << 60;
        QTest::newRow("R3621_R") << 0 << 13 << QPoint(0, 4) << "14\" 1/2 curve, right"
                                 << "R3621_R" << 60;
        QTest::newRow("R3627_L") << 0 << 8 << QPoint(1, 7) << "lap counter, dials up"
                                 << "R3627_L" << 60;
        QTest::newRow("R3620dc") << 0 << 2 << QPoint(0, 8) << "4\" custom strait"
                                 << "R3620dc" << 60;
        QTest::newRow("R3603 RL") << 1 << 24 << QPoint(1, 1) << "RL straight trans"
                                  << "R3603R" << 60;
        QTest::newRow("R3612") << 1 << 79 << QPoint(1, 4) << "14\" inside apron"
                               << "R3612" << 60;
        QTest::newRow("R3615L left") << 1 << 40 << QPoint(1, 7) << "14\" L trans\nleft turn"
                                     << "R3615L" << 60;
        QTest::newRow("R3616R right") << 1 << 41 << QPoint(0, 8) << "21\" R trans\nright turn"
                                      << "R3616R" << 60;
        QTest::newRow("F7054R back") << 1 << 54 << QPoint(1, 12) << "banked trans\nback"
                                     << "F7054R" << 60;
        QTest::newRow("R3628o_Ls") << 1 << 72 << QPoint(1, 16) << "lower orange fence\nstraight"
                                   << "R3628o_Ls" << 60;
        QTest::newRow("R3620dca lower") << 1 << 48 << QPoint(1, 17) << "lower 1/3 str apron"
                                        << "R3620dca" << 60;
        QTest::newRow("4-lane straight") << 2 << 93 << QPoint(0, 0) << "12\" straight"
                                         << "R3600R3600" << 90;
        QTest::newRow("4-lane terminal lower") << 2 << 94 << QPoint(1, 3) << "terminal lower"
                                               << "R3602R3600" << 90;
        QTest::newRow("4-lane terminal both") << 2 << 96 << QPoint(0, 4) << "terminal both"
                                              << "R3602R3602" << 90;
        QTest::newRow("4-lane 30 left") << 2 << 104 << QPoint(1, 5) << "30 deg left"
                                        << "R3621R3610_L" << 90;
        QTest::newRow("4-lane custom") << 2 << 100 << QPoint(0, 6) << "4\" custom strait"
                                       << "R3620dcR3620dc" << 90;
    }
    void toolCellsPlacedWithTipsAndIconSizes()
    {
        QFETCH(int, page);
        QFETCH(int, id);
        QFETCH(QPoint, place);
        QFETCH(QString, toolTip);
        QFETCH(QString, label);
        QFETCH(int, iconSize);
        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        QButtonGroup *groups[] = {parts.mTrackGroup, parts.mApronGroup, parts.mTrack4Group};
        auto *button = qobject_cast<QToolButton *>(groups[page]->button(id));
        QVERIFY(button);
        QCOMPARE(gridPlace(button, parts.mToolBox, page), place);
        QCOMPARE(button->toolTip(), toolTip);
        QCOMPARE(button->text(), label);
        QCOMPARE(button->iconSize(), QSize(iconSize, iconSize));
        QVERIFY(button->isCheckable());
    }

    void everyCellShowsItsLabelAndKeepsItsOwnPlace()
    {
        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        const QButtonGroup *groups[] = {parts.mTrackGroup, parts.mApronGroup, parts.mTrack4Group,
                                        parts.mBackgroundGroup};
        const int iconSizes[] = {60, 60, 90, 50};
        // Only the attachment page has two-line tips: 14 of its buttons.
        const int lineBreaksOnPage[] = {0, 14, 0, 0};
        for (int page = 0; page < 4; ++page) {
            int lineBreaks = 0;
            QList<QPoint> places;
            int lastRow = 0;
            for (QAbstractButton *button : groups[page]->buttons()) {
                const QPoint place = gridPlace(button, parts.mToolBox, page);
                QVERIFY2(place.x() == 0 || place.x() == 1, qPrintable(button->text()));
                QVERIFY2(!places.contains(place), qPrintable(button->text()));
                places.append(place);
                lastRow = qMax(lastRow, place.y());
                QCOMPARE(button->iconSize(), QSize(iconSizes[page], iconSizes[page]));
                const QLabel *label = button->parentWidget()->findChild<QLabel *>();
                QVERIFY(label);
                QCOMPARE(label->text(), button->text());
                QVERIFY(!button->toolTip().contains(" / "));
                lineBreaks += button->toolTip().contains('\n');
            }
            auto *scroll = qobject_cast<QScrollArea *>(parts.mToolBox->widget(page));
            auto *grid = qobject_cast<QGridLayout *>(scroll->widget()->layout());
            QCOMPARE(grid->rowStretch(lastRow + 1), 10);
            QCOMPARE(grid->columnStretch(2), 10);
            QCOMPARE(lineBreaks, lineBreaksOnPage[page]);
        }
    }

    void backgroundButtonsTextIsTipAndSelectsTile()
    {
        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        QStringList texts;
        for (QAbstractButton *button : parts.mBackgroundGroup->buttons()) {
            texts << button->text();
            QCOMPARE(button->toolTip(), button->text());
        }
        QCOMPARE(texts, QStringList({"Blue Grid", "White Grid", "Gray Grid", "No Grid"}));
        const auto &page = ToolBoxBuilder::pages()[ToolBoxBuilder::BackgroundPage];
        for (int i = 0; i < page.mCellCount; ++i) {
            QCOMPARE(ViewMath::backgroundImageName(page.mCells[i].mLabel),
                     QString(page.mCells[i].mIcon));
        }
        parts.mBackgroundGroup->buttons().at(0)->click();
        parts.mBackgroundGroup->buttons().at(3)->click();
        QVERIFY(!parts.mBackgroundGroup->buttons().at(0)->isChecked());
        QVERIFY(parts.mBackgroundGroup->buttons().at(3)->isChecked());
    }

    void fourLanePhotosComeFromDataFolderAndMissingOnesAreEmpty()
    {
        TestRuntime runtime;
        QVERIFY(QDir().mkpath("../data/track_pieces/photos150"));
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QVERIFY(image.save("../data/track_pieces/photos150/4laneStraight.jpg", "JPG"));

        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        QVERIFY(!parts.mTrack4Group->button(93)->icon().isNull());
        QVERIFY(parts.mTrack4Group->button(99)->icon().isNull());
        QVERIFY(ToolBoxBuilder::loadIcon(":/images/no-such-picture.jpg").isNull());
        QVERIFY(ToolBoxBuilder::loadIcon(QString()).isNull());
    }

    void clickingPieceButtonsSelectsOneAndSecondClickReleases()
    {
        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        LayoutScreen screen;
        std::unique_ptr<QWidget> page(buildLayoutTab(1, screen).mPage);
        QButtonGroup *track = parts.mTrackGroup;

        track->button(9)->click();
        QVERIFY(TabControls::applyPieceButtonClick(track, 9, screen, "Append"));
        QCOMPARE(screen.mModeLineEdit->text(), QString("Append"));
        QCOMPARE(screen.mBtnActiveLineEdit->text(), QString("14\" curve, right"));
        QCOMPARE(screen.mLastBtnLineEdit->text(), QString("9"));
        QCOMPARE(screen.mActiveButton, 9);

        parts.mApronGroup->button(35)->click();
        track->button(0)->click();
        QVERIFY(TabControls::applyPieceButtonClick(track, 0, screen, "Append"));
        QVERIFY(!track->button(9)->isChecked());
        QVERIFY(parts.mApronGroup->button(35)->isChecked()); // groups are independent
        QCOMPARE(screen.mActiveButton, 0);
        QCOMPARE(screen.mLastBtnLineEdit->text(), QString("0"));

        track->button(0)->click();
        QVERIFY(!TabControls::applyPieceButtonClick(track, 0, screen, "Append"));
        QCOMPARE(screen.mModeLineEdit->text(), QString("Move"));
        QVERIFY(screen.mBtnActiveLineEdit->text().isEmpty());
        QVERIFY(screen.mLastBtnLineEdit->text().isEmpty());
        QVERIFY(!TabControls::applyPieceButtonClick(track, 777, screen, "Append"));
    }

    void resetForgetsPiecesButKeepsBackground()
    {
        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        LayoutScreen screen;
        std::unique_ptr<QWidget> page(buildLayoutTab(6, screen).mPage);
        parts.mTrackGroup->button(3)->click();
        parts.mTrack4Group->button(101)->click();
        parts.mApronGroup->button(88)->click();
        parts.mBackgroundGroup->buttons().at(2)->click();
        TabControls::applyPieceButtonClick(parts.mApronGroup, 88, screen, "Attach");

        TabControls::resetToolSelection(screen, parts);
        for (QButtonGroup *group : {parts.mTrackGroup, parts.mTrack4Group, parts.mApronGroup}) {
            for (QAbstractButton *button : group->buttons())
                QVERIFY(!button->isChecked());
        }
        QVERIFY(parts.mBackgroundGroup->buttons().at(2)->isChecked());
        QVERIFY(screen.mBtnActiveLineEdit->text().isEmpty());
        QCOMPARE(screen.mLastBtnLineEdit->text(), QString("0"));
        QCOMPARE(screen.mModeLineEdit->text(), QString("Move"));
        QCOMPARE(screen.mActiveButton, 0);
    }

    void zeroRowsHideInBothTablesAndComeBack()
    {
        QTableWidget parts(4, 3), layouts(4, 9);
        const char *used[] = {"0", "5", "0", "12"};
        for (int row = 0; row < 4; ++row)
            parts.setItem(row, 2, new QTableWidgetItem(used[row]));
        // A nonzero count in another column must not matter.
        parts.setItem(1, 1, new QTableWidgetItem("0"));

        TabControls::setZeroRowsHidden(&parts, 2, true, &layouts);
        const bool hidden[] = {true, false, true, false};
        for (int row = 0; row < 4; ++row) {
            QCOMPARE(parts.isRowHidden(row), hidden[row]);
            QCOMPARE(layouts.isRowHidden(row), hidden[row]);
        }
        TabControls::setZeroRowsHidden(&parts, 2, false, &layouts);
        for (int row = 0; row < 4; ++row) {
            QVERIFY(!parts.isRowHidden(row));
            QVERIFY(!layouts.isRowHidden(row));
        }

        TabControls::setZeroRowsHidden(&parts, 1, true);
        QVERIFY(parts.isRowHidden(1));
        QVERIFY(!parts.isRowHidden(0)); // no item in that column
    }
};

QTEST_MAIN(TabsTest)
#include "test_tabs.moc"
