#include "layout/LaneColors.h"
#include "support/WindowRig.h"

#include <QCheckBox>
#include <QDial>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QSlider>
#include <QToolBox>

using D = DiagramTypeBase;

namespace {

bool sameTransform(const QTransform &aActual, double aAngle, double aScale)
{
    return qFuzzyCompare(aActual, QTransform().rotate(-aAngle).scale(aScale, aScale));
}

using WindowRig::Rig;

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

} // namespace

// The main window's working surface: tabs, records, scenes, activation, the
// per-tab view controls, units, appearance, the toolbox handlers, the
// refresh after an appended piece, and the lane colours: the defaults read at
// start-up before the layouts are made, written at exit, and the Lane Colors
// command's scopes.
class SurfaceTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(lanewright);
        QApplication::setQuitOnLastWindowClosed(false);
    }

    // A button's place, label and tip tell the user which piece its id lays.
    void startUpGivesEveryPieceItsButtonAndNamesOnce()
    {
        Rig rig;
        const ToolBoxParts &box = rig.w().toolBox();
        // A button for every piece and background the toolbox offers, none lost.
        QCOMPARE(
            QList<int>({box.mTrackGroup->buttons().size(), box.mTrack4Group->buttons().size(),
                        box.mApronGroup->buttons().size(), box.mBackgroundGroup->buttons().size()}),
            QList<int>({17, 12, 36, 4}));
        // A second click on a piece clears the choice; a background is always chosen.
        QVERIFY(!box.mTrack4Group->exclusive() && !box.mApronGroup->exclusive() &&
                box.mBackgroundGroup->exclusive());
        const std::tuple<QButtonGroup *, int, int, const char *> cells[] = {
            {box.mTrackGroup, 0, D::R3600, "0,0 R3600|12\" straight"},
            {box.mApronGroup, 1, D::R3615L_L, "1,7 R3615L|14\" L trans\nleft turn"},
            {box.mTrack4Group, 2, D::R3621R3610_L, "1,5 R3621R3610_L|30 deg left"}};
        for (const auto &[group, page, id, cell] : cells) {
            QAbstractButton *button = group->button(id);
            auto *scroll = qobject_cast<QScrollArea *>(box.mToolBox->widget(page));
            auto *grid = qobject_cast<QGridLayout *>(scroll->widget()->layout());
            const int index = button ? grid->indexOf(button->parentWidget()) : -1;
            QVERIFY(index >= 0);
            int row, column, rowSpan, columnSpan;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            QCOMPARE(QStringLiteral("%1,%2 %3|%4")
                         .arg(column)
                         .arg(row)
                         .arg(button->text(), button->toolTip()),
                     QString(cell));
        }
        // Slots connect by object name across the whole window: no name twice.
        QSet<QString> seen;
        for (QObject *child : rig.w().findChildren<QObject *>()) {
            const QString name = child->objectName();
            QVERIFY2(name.isEmpty() || name.startsWith("qt_") || !seen.contains(name),
                     qPrintable(name));
            seen.insert(name);
        }
    }

    // Each tab's handlers act on their own tab, even when the event comes
    // late; the scale maps across the slider's middle; locked, the view turns
    // with the track; a name the file cannot hold is refused.
    void tabEightsViewControlsAndNameActOnTabEight()
    {
        Rig rig;
        rig.activate(8);
        const LayoutScreen &screen = rig.screen(8);
        const std::tuple<int, double, const char *> steps[] = {
            {0, 0.1, "0.10x"}, {49, 0.982, "0.98x"}, {50, 1.0, "1.00x"}, {100, 2.9, "2.90x"}};
        for (const auto &[value, scale, text] : steps) {
            rig.mark();
            screen.mScaleSlider->setValue(value);
            QCOMPARE(screen.mScaleLineEdit->text(), QString(text));
            QVERIFY(sameTransform(rig.view()->transform(), 0.0, scale));
            QCOMPARE(
                rig.newDebug(),
                QStringLiteral("on_scale8HorizontalSlider_valueChanged() value %1\n").arg(value));
        }
        screen.mRotateDial->setValue(30);
        rig.append(D::R3601_R);
        // Unlocked, the view keeps the dial's angle after the curve.
        QVERIFY(sameTransform(rig.view()->transform(), 30.0, 2.9));
        rig.mark();
        screen.mLockRotationCheckBox->setChecked(true);
        QCOMPARE(rig.newDebug(), QString("on_lock8RotationCheckBox_toggled()\n"));
        QVERIFY(sameTransform(rig.view()->transform(), 60.0, 2.9));
        rig.append(D::R3601_R);
        QVERIFY(sameTransform(rig.view()->transform(), 120.0, 2.9));
        QCOMPARE(screen.mRotateLineEdit->text(), QString("120"));
        screen.mLockRotationCheckBox->setChecked(false);
        QVERIFY(sameTransform(rig.view()->transform(), 30.0, 2.9));
        QCOMPARE(screen.mRotateLineEdit->text(), QString("30"));

        // The file stores the name: one it cannot hold is refused where it is
        // typed, and a good one on a layout with pieces is an edit to save.
        rig.a().mChanged = false;
        screen.mNameLineEdit->setText(QString());
        emit screen.mNameLineEdit->editingFinished();
        QCOMPARE(rig.rec.mLog, QStringList{"message||A layout needs a name."});
        QVERIFY(!rig.a().mChanged);
        screen.mNameLineEdit->setText("oval");
        // Leaving the field by switching tabs ends the edit after the switch.
        rig.activate(5);
        rig.mark();
        emit screen.mNameLineEdit->editingFinished();
        QCOMPARE(rig.newDebug(),
                 QString("on_layout8NameLineEdit_editingFinished() new name <oval>\n"));
        QCOMPARE(rig.a(8).mName + " " + rig.a(5).mName, QString("oval unnamed5"));
        QVERIFY(rig.a(8).mChanged && !rig.a(8).mSaved);
        rig.activate(8);
        rig.newName = QStringLiteral("track pieces: 9");
        rig.newLayout();
        QCOMPARE(rig.rec.mLog.last(), QString("message||A layout name cannot be a \"lanes:\" or "
                                              "\"track pieces:\" line."));
        QCOMPARE(rig.a().mName + " " + QString::number(rig.a().mPieces.size()), QString("oval 2"));
    }

    // A piece button sets the mode, the piece and the tab's fields, and the
    // groups stay independent; a four-lane piece is refused on a two-lane
    // layout; a background tiles the active scene only. Activation follows the
    // tab, resets the choice and shows each layout's own look.
    void toolBoxActsOnTheActiveLayoutAndActivationResetsItsChoice()
    {
        Rig rig;
        rig.activate(4);
        DiagramScene *scene = rig.scene(4);
        const LayoutScreen &screen = rig.screen(4);
        rig.mark();
        rig.track(D::R3601_R)->click();
        QCOMPARE(screen.mModeLineEdit->text() + "|" + screen.mBtnActiveLineEdit->text() + "|" +
                     screen.mLastBtnLineEdit->text(),
                 QString("Append|14\" curve, right|9"));
        rig.apron(D::R3614_U)->click();
        QCOMPARE(screen.mBtnActiveLineEdit->text(), QString("upper str apron"));
        rig.track(D::R3600)->click();
        QVERIFY(rig.track(D::R3600)->isChecked() && !rig.track(D::R3601_R)->isChecked() &&
                rig.apron(D::R3614_U)->isChecked());
        rig.track(D::R3600)->click();
        QVERIFY(!rig.track(D::R3600)->isChecked());
        QCOMPARE(screen.mModeLineEdit->text() + "|" + screen.mBtnActiveLineEdit->text(),
                 QString("Move|"));
        rig.track4(D::R3600R3600)->click();
        QCOMPARE(rig.rec.mLog,
                 QStringList({"message||4-lane selections are not available for 2-lane layouts."}));
        QVERIFY(!rig.track4(D::R3600R3600)->isChecked());
        QCOMPARE(scene->mMode, DiagramScene::Move);
        rig.w().toolBox().mBackgroundGroup->buttons().first()->click();
        QCOMPARE(rig.newBuild(), QString("trackButtonGroupClicked()   id 9   checked 1\n"
                                         "apronButtonGroupClicked()   id = 35    checked 1\n"
                                         "trackButtonGroupClicked()   id 0   checked 1\n"
                                         "trackButtonGroupClicked()   id 0   checked 0\n"
                                         "backgroundButtonGroupClicked()\n"));
        const QBrush brush = scene->backgroundBrush();
        QCOMPARE(brush.textureImage().convertToFormat(QImage::Format_ARGB32),
                 QImage(":/images/background1.png").convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(rig.scene(5)->backgroundBrush().style(), Qt::NoBrush);

        QToolBox *box = rig.w().toolBox().mToolBox;
        auto *hollow = rig.find<QRadioButton>("hollowRadioButton");
        rig.a(3).mLanes = 4;
        rig.track(D::R3601_R)->click();
        hollow->click();
        rig.mark();
        rig.activate(5);
        QCOMPARE(rig.newDebug(), QString("on_tabWidget_currentChanged() tab 5\n"
                                         "on_tabWidget_currentChanged() mActiveIndex 4\n"));
        QCOMPARE(rig.find<QLineEdit>("activeLineEdit")->text(), QString("5"));
        QVERIFY(!rig.track(D::R3601_R)->isChecked());
        QCOMPARE(rig.scene(5)->mMode, DiagramScene::Move);
        // Showing layout 5 filled must not change layout 4's appearance.
        QVERIFY(!hollow->isChecked() && rig.scene(5)->mFilled && !rig.scene(4)->mFilled);
        rig.a(5).mLanes = 4;
        rig.mark();
        rig.track4(D::R3601R3610_R)->click();
        QCOMPARE(rig.newBuild(), QString("track4ButtonGroupClicked()   id 101    checked 1\n"));
        QCOMPARE(rig.scene(5)->mMode, DiagramScene::Append4);
        QCOMPARE(rig.screen(5).mBtnActiveLineEdit->text(), QString("60 deg right"));
        rig.activate(3);
        QCOMPARE(box->currentIndex(), 2);
        rig.activate(4);
        QCOMPARE(box->currentIndex(), 0);
        QVERIFY(hollow->isChecked());
        // The Stats tab makes layout 1 active.
        rig.activate(0);
        QCOMPARE(rig.w().activeIndex(), 0);
        QCOMPARE(rig.w().activeScene(), rig.scene(1));
    }

    // A tab shows its figures in the unit chosen while another was in front;
    // an appended piece refreshes its tab.
    void unitButtonRelabelsEveryTabAndAppendedPiecesRefreshTheirOwn()
    {
        Rig rig;
        rig.activate(1);
        rig.lay({D::R3600, D::R3600});
        rig.activate(2);
        rig.lay({D::R3600, D::R3600, D::R3601_R, D::R3601_R, D::R3601_R, D::R3601_R, D::R3601_R,
                 D::R3601_R});
        rig.screen(5).mLaneLineEdit[0]->setText("untouched");
        rig.find<QRadioButton>("mmRadioButton")->click();
        QCOMPARE(rig.lanes().mid(0, 2), QStringList({"2002.48", "2571.04"}));
        for (int tab = 1; tab <= 8; ++tab) {
            QCOMPARE(rig.screen(tab).mLaneLengthGroupBox->title(), QString("Lane Lengths (mm)"));
            QCOMPARE(rig.screen(tab).mSizeLabel->text(), QString("Layout Size (mm)"));
        }
        QCOMPARE(rig.screen(5).mLaneLineEdit[0]->text(), QString("untouched"));
        rig.activate(1);
        QCOMPARE(rig.lanes().at(0) + " " + rig.screen().mWidthLineEdit->text(),
                 QString("616.00 620.80"));

        rig.activate(6);
        rig.mark();
        QVERIFY(rig.append(D::R3620dc));
        // The piece is 178 mm wide, drawn lengthwise; the size takes in the outline's pen.
        QCOMPARE(rig.lanes().at(1) + " " + rig.screen().mHeightLineEdit->text(),
                 QString("102.67 182.80"));
        const int index = rig.w().catalog().findIndex("R3620dc");
        QVERIFY(rig.newBuild().endsWith(
            QStringLiteral("MainWindow::itemAppended(): diagram item type 2 <R3620dc> [%1] "
                           "<R3620dc>\n\n")
                .arg(index)));
    }

    void laneColorScopesDecideWhichLayoutsAndDefaultsChange_data()
    {
        QTest::addColumn<int>("showTab");
        QTest::addColumn<int>("pieceTab");
        QTest::addColumn<bool>("accept");
        QTest::newRow("Stats tab: defaults only, layouts with pieces keep theirs")
            << 0 << 3 << true;
        QTest::newRow("both scopes on the tab with pieces") << 3 << 3 << true;
        QTest::newRow("cancel changes nothing") << 4 << 4 << false;
    }
    void laneColorScopesDecideWhichLayoutsAndDefaultsChange()
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
        // The chain, a single straight, is laid again in its layout's colours.
        QStringList drawn{QString(), QString()};
        for (QGraphicsItem *item : rig.scene(pieceTab)->items()) {
            if (item->type() == DiagramPathItem::eType) {
                const auto *line = static_cast<DiagramPathItem *>(item);
                drawn[line->mLane - 1] = laneColorName(QBrush(line->pen().color()));
            }
        }
        QCOMPARE(drawn, names(rig.a(pieceTab).mLaneBrush).mid(0, 2));
        // Exit writes the defaults back.
        rig.window.reset();
        QCOMPARE(rig.rt.read("data/defaultLaneColors.txt"),
                 ((accept ? chosen : kDefaults).join('\n') + '\n').toLatin1());
    }
};

QTEST_MAIN(SurfaceTest)
#include "test_surface.moc"
