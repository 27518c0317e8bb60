#include "app/LayoutScreen.h"
#include "app/MainWindow.h"
#include "app/TabScreen.h"
#include "app/ToolBoxBuilder.h"
#include "catalog/RevellTrack.h"
#include "graphics/DiagramItem.h"
#include "layout/DiagramScene.h"
#include "layout/LayoutRecord.h"

#include "support/RecordingPrompter.h"
#include "support/TestRuntime.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDial>
#include <QGraphicsView>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBox>
#include <QtTest>

#include <memory>

using D = DiagramTypeBase;

static void initResources()
{
    Q_INIT_RESOURCE(lanewright);
}

namespace {

bool sameTransform(const QTransform &aActual, double aAngle, double aScale)
{
    QTransform expected;
    expected.rotate(-aAngle);
    expected.scale(aScale, aScale);
    const double d[] = {aActual.m11() - expected.m11(), aActual.m12() - expected.m12(),
                        aActual.m21() - expected.m21(), aActual.m22() - expected.m22(),
                        aActual.dx() - expected.dx(),   aActual.dy() - expected.dy()};
    for (double v : d) {
        if (qAbs(v) > 1e-9)
            return false;
    }
    return true;
}

// A window in its own runtime, with the prompts recorded. The window goes
// first, so its closing lines reach the runtime's logs.
struct Rig
{
    RecordingPrompter rec;
    TestRuntime rt;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    int debugMark = 0;
    int buildMark = 0;

    MainWindow &w() { return *window; }
    template <class T> T *find(const QString &aName) { return w().findChild<T *>(aName); }
    void activate(int aTab) { w().tabWidget()->setCurrentIndex(aTab); }
    DiagramScene *scene(int aTab) { return w().tabScreen(aTab - 1).mScene; }
    LayoutScreen &screen(int aTab) { return w().layoutScreen(aTab - 1); }
    DiagramItem *append(D::DiagramType aType, QPointF aPos = QPointF(1000, 1000))
    {
        return w().activeScene()->appendTrackPiece(true, aType, aPos, 0.25, false);
    }
    void mark()
    {
        debugMark = rt.read("logs/debug.log").size();
        buildMark = rt.read("logs/build.log").size();
    }
    QString newDebug() const
    {
        return QString::fromLatin1(rt.read("logs/debug.log").mid(debugMark));
    }
    QString newBuild() const
    {
        return QString::fromLatin1(rt.read("logs/build.log").mid(buildMark));
    }
    QAbstractButton *track(int aId) { return w().toolBox().mTrackGroup->button(aId); }
    QAbstractButton *apron(int aId) { return w().toolBox().mApronGroup->button(aId); }
    QAbstractButton *track4(int aId) { return w().toolBox().mTrack4Group->button(aId); }
};

QStringList checkedIds(const QButtonGroup *aGroup)
{
    QStringList ids;
    for (QAbstractButton *button : aGroup->buttons()) {
        if (button->isChecked())
            ids << QString::number(aGroup->id(button));
    }
    return ids;
}

} // namespace

// The main window's working surface: tabs, records, scenes, activation, the
// per-tab view controls, units, appearance, the toolbox handlers and the
// refresh after an appended piece.
class SurfaceTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initResources();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void startUpGivesEveryTabItsOwnRecordsSceneAndView()
    {
        Rig rig;
        const std::array<QBrush, 4> brushes = rig.w().defaultLaneBrushes();
        QTabWidget *tabs = rig.w().tabWidget();
        QCOMPARE(tabs->geometry(), QRect(286, 34, 1325, 801));
        QCOMPARE(tabs->count(), 9);
        QCOMPARE(tabs->tabText(0), QString("Stats"));
        for (int i = 0; i < 8; ++i) {
            const QString name = QStringLiteral("unnamed%1").arg(i + 1);
            const LayoutRecord &a = rig.w().recordA(i);
            const LayoutRecord &b = rig.w().recordB(i);
            QCOMPARE(tabs->tabText(i + 1), QStringLiteral("Layout %1").arg(i + 1));
            QCOMPARE(a.mName, name);
            QCOMPARE(a.mLanes, 2);
            QCOMPARE(a.mBaseWidth, rig.w().catalog().width);
            QVERIFY(a.mFirstPair && !a.mSecondPair);
            QVERIFY(!b.mFirstPair && b.mSecondPair);
            QCOMPARE(b.mName, name);
            for (int lane = 0; lane < 4; ++lane)
                QVERIFY(a.mLaneBrush[lane] == brushes[lane] && b.mLaneBrush[lane] == brushes[lane]);
            QVERIFY(!a.mChanged && !a.mSaved);

            const LayoutScreen &screen = rig.w().layoutScreen(i);
            QCOMPARE(screen.mTab, i + 1);
            QVERIFY(tabs->widget(i + 1)->isAncestorOf(screen.mNameLineEdit));
            QCOMPARE(screen.mScaleSlider->minimum(), 0);
            QCOMPARE(screen.mScaleSlider->maximum(), 100);
            QCOMPARE(screen.mScaleSlider->value(), 50);
            QCOMPARE(screen.mRotateDial->maximum(), 360);
            QCOMPARE(screen.mRotateDial->value(), 0);
            QVERIFY(!screen.mLockRotationCheckBox->isChecked());

            const TabScreen &tab = rig.w().tabScreen(i);
            QCOMPARE(tab.mTab, i + 1);
            QCOMPARE(tab.mView->scene(), static_cast<QGraphicsScene *>(tab.mScene));
            QCOMPARE(tab.mScene->sceneRect(), QRectF(0, 0, 5000, 5000));
            QCOMPARE(tab.mRecordA, &rig.w().recordA(i));
            QCOMPARE(tab.mRecordB, &rig.w().recordB(i));
            QCOMPARE(tab.mScene->mRecord, tab.mRecordA);
            QCOMPARE(tab.mScene->mSecondRecord, tab.mRecordB);
            QCOMPARE(tab.mScene->mLayoutScreen, &rig.w().layoutScreen(i));
            QCOMPARE(tab.mScene->mItemMenu, rig.w().itemMenu());
            QCOMPARE(tab.mScene->mMode, DiagramScene::Move);
        }

        auto *zero = rig.find<QCheckBox>("zeroCheckBox");
        QCOMPARE(zero->text(), QString("HIde Cell rows with zero usage"));
        QVERIFY(!zero->isEnabled());
        QCOMPARE(rig.find<QTableWidget>("trackTableWidget")->geometry(), QRect(6, 38, 257, 733));
        QCOMPARE(rig.find<QTableWidget>("layoutsTableWidget")->rowCount(), 0);

        // Slots connect by object name across the whole window: no name twice.
        QSet<QString> seen;
        for (QObject *child : rig.w().findChildren<QObject *>()) {
            const QString name = child->objectName();
            if (name.isEmpty() || name.startsWith("qt_"))
                continue;
            QVERIFY2(!seen.contains(name), qPrintable(name));
            seen.insert(name);
        }
        QVERIFY(seen.contains("rotate8Dial"));
    }

    void factoryNamesPlacesAndWordsEachTabsWidgets()
    {
        Rig rig;
        const struct
        {
            const char *mName; // %1: the tab number
            QRect mRect;       // null: not fixed
            const char *mTip;
            const char *mText; // the group box's title, label's or line edit's text
            int mReadOnly;     // -1: not a line edit
        } widgets[] = {
            {"layout%1NameLineEdit", QRect(6, 10, 189, 25), "layout name", "unnamed%1", 0},
            {"layout%1modifiedLEDWidget", QRect(208, 6, 30, 30), "layout save status", "", -1},
            {"filepath%1LineEdit", QRect(304, 6, 495, 20), "full path to layout file", "", 1},
            {"lanes%1LineEdit", QRect(230, 52, 41, 20), "lane count", "2", 1},
            {"layout%1CurrentIndexLineEdit", QRect(230, 78, 41, 20), "track peces used", "", 1},
            {"laneLength%1GroupBox", QRect(310, 32, 231, 59), "lane langths", "Lane Lengths (ft)",
             -1},
            {"btnSelect%1GroupBox", QRect(560, 32, 220, 65), "toolbox selection info",
             "Toolbox Button Selected", -1},
            {"display%1GroupBox", QRect(1058, 6, 237, 97), "display options", "Display", -1},
            {"trackTable%1Widget", QRect(4, 50, 131, 723), "track usage table", "", -1},
            {"graphics%1View", QRect(138, 108, 1179, 663), "layout area", "", -1},
            {"layout%1lane4LineEdit", QRect(), "lane 4 length", "", 1},
            {"layout%1lane3Label", QRect(), "", "Lane 3", -1},
            {"layout%1heightLineEdit", QRect(), "layout height (vertical)", "", 1},
            {"scale%1LineEdit", QRect(), "current screen scale", "1x", 1},
            {"lock%1RotationCheckBox", QRect(), "auto rotate screen with angle",
             "Align Screen with Track", -1},
            {"layout%1CurrentPosLabel", QRect(), "", "Current Positiion", -1},
        };
        for (int tab : {2, 5, 8}) {
            for (const auto &entry : widgets) {
                const QString name = QString::fromLatin1(entry.mName).arg(tab);
                const auto matches =
                    rig.w().tabWidget()->widget(tab)->findChildren<QWidget *>(name);
                QVERIFY2(matches.size() == 1, qPrintable(name));
                QWidget *widget = matches.first();
                if (!entry.mRect.isNull())
                    QCOMPARE(widget->geometry(), entry.mRect);
                QCOMPARE(widget->toolTip(), QString(entry.mTip));
                const QString text = QString::fromLatin1(entry.mText).arg(tab);
                if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
                    QCOMPARE(int(edit->isReadOnly()), entry.mReadOnly);
                    QCOMPARE(edit->text(), text);
                } else {
                    QCOMPARE(entry.mReadOnly, -1);
                    if (auto *box = qobject_cast<QGroupBox *>(widget))
                        QCOMPARE(box->title(), text);
                    else if (auto *label = qobject_cast<QLabel *>(widget))
                        QCOMPARE(label->text(), text);
                    else if (auto *check = qobject_cast<QCheckBox *>(widget))
                        QCOMPARE(check->text(), text);
                }
            }
            // The tab's screen points at its own tab's widgets.
            const LayoutScreen &screen = rig.screen(tab);
            auto name = [tab](const char *aPattern) {
                return QString::fromLatin1(aPattern).arg(tab);
            };
            QCOMPARE(rig.find<QSlider>(name("scale%1HorizontalSlider")), screen.mScaleSlider);
            QCOMPARE(rig.find<QLineEdit>(name("layout%1lane3LineEdit")), screen.mLaneLineEdit[2]);
            QCOMPARE(rig.find<QLabel>(name("layout%1lane2Label")), screen.mLaneLabel[1]);
            QCOMPARE(rig.find<QLineEdit>(name("layout%1lastBtnLineEdit")), screen.mLastBtnLineEdit);
            QCOMPARE(rig.find<QTableWidget>(name("trackTable%1Widget")), screen.mTrackTable);
            QCOMPARE(rig.find<QGraphicsView>(name("graphics%1View")),
                     rig.w().tabScreen(tab - 1).mView);
        }
    }

    void statsTabKeepsLayoutOneActiveAndTabsSwitchTheActiveLayout()
    {
        Rig rig;
        QCOMPARE(rig.w().tabWidget()->currentIndex(), 0);
        QCOMPARE(rig.w().currentTabIndex(), 0);
        QCOMPARE(rig.w().activeIndex(), 0);
        QCOMPARE(rig.w().activeScene(), rig.scene(1));
        QCOMPARE(rig.find<QLineEdit>("activeLineEdit")->text(), QString("0"));
        QCOMPARE(rig.find<QLineEdit>("tabLineEdit")->text(), QString("0"));

        rig.mark();
        rig.activate(5);
        QCOMPARE(rig.newDebug(), QString("on_tabWidget_currentChanged() tab 5\n"
                                         "on_tabWidget_currentChanged() mActiveIndex 4\n"));
        QCOMPARE(rig.w().activeIndex(), 4);
        QCOMPARE(rig.w().currentTabIndex(), 5);
        QCOMPARE(rig.w().activeScene(), rig.scene(5));
        QCOMPARE(rig.w().activeView(), rig.w().tabScreen(4).mView);
        QCOMPARE(rig.w().activeRecordB(), &rig.w().recordB(4));
        QCOMPARE(rig.w().activeLayoutScreen(), &rig.w().layoutScreen(4));
        QCOMPARE(rig.find<QLineEdit>("activeLineEdit")->text(), QString("5"));
        QCOMPARE(rig.find<QLineEdit>("tabLineEdit")->text(), QString("5"));

        rig.activate(0);
        QCOMPARE(rig.w().activeIndex(), 0);
        QCOMPARE(rig.w().activeScene(), rig.scene(1));
    }

    void fourLaneLayoutOpensTheFourLanePage()
    {
        Rig rig;
        QToolBox *box = rig.w().toolBox().mToolBox;
        QCOMPARE(box->currentIndex(), 0);
        rig.w().recordA(2).mLanes = 4;
        rig.activate(3);
        QCOMPARE(box->currentIndex(), 2);
        rig.activate(1);
        QCOMPARE(box->currentIndex(), 0);
        // The page follows the layout, whatever page was showing before.
        box->setCurrentIndex(3);
        rig.activate(3);
        QCOMPARE(box->currentIndex(), 2);
    }

    void switchingTabsResetsSelectionElevationAndFollowsAppearance()
    {
        Rig rig;
        rig.activate(1);
        rig.track(9)->click();
        rig.w().toolBox().mBackgroundGroup->buttons().at(2)->click();
        rig.find<QRadioButton>("invertedRadioButton")->click();
        rig.find<QRadioButton>("hollowRadioButton")->click();
        QVERIFY(!rig.scene(1)->mFilled);

        rig.activate(2);
        QVERIFY(!rig.track(9)->isChecked());
        QVERIFY(rig.w().toolBox().mBackgroundGroup->buttons().at(2)->isChecked());
        QCOMPARE(rig.scene(2)->mMode, DiagramScene::Move);
        QCOMPARE(rig.screen(2).mModeLineEdit->text(), QString("Move"));
        QCOMPARE(rig.screen(2).mLastBtnLineEdit->text(), QString("0"));
        QVERIFY(rig.screen(2).mBtnActiveLineEdit->text().isEmpty());
        QCOMPARE(rig.screen(2).mActiveButton, 0);
        QVERIFY(rig.find<QRadioButton>("normalRadioButton")->isChecked());
        QVERIFY(rig.find<QRadioButton>("filledRadioButton")->isChecked());
        // Showing layout 2 filled must not change layout 1's appearance.
        QVERIFY(rig.scene(2)->mFilled);
        QVERIFY(!rig.scene(1)->mFilled);
        QCOMPARE(int(rig.screen(1).mFilled), 0);

        rig.activate(1);
        QVERIFY(rig.find<QRadioButton>("hollowRadioButton")->isChecked());
        rig.find<QRadioButton>("filledRadioButton")->click();
        QVERIFY(rig.scene(1)->mFilled);
        QCOMPARE(int(rig.screen(1).mFilled), 1);
    }

    void lockTurnsTheViewWithTheTrackAfterAnAppendedCurve()
    {
        Rig rig;
        rig.activate(3);
        const LayoutScreen &screen = rig.screen(3);
        QGraphicsView *view = rig.w().activeView();
        screen.mRotateDial->setValue(30);
        rig.append(D::R3601_R);
        // Unlocked, the view keeps the dial's angle after the curve.
        QVERIFY(sameTransform(view->transform(), 30.0, 1.0));
        QCOMPARE(screen.mRotateLineEdit->text(), QString("30"));

        screen.mLockRotationCheckBox->setChecked(true);
        QVERIFY(sameTransform(view->transform(), 60.0, 1.0));
        QCOMPARE(screen.mRotateLineEdit->text(), QString("60"));
        // Locked, each appended piece turns the view with the track.
        rig.append(D::R3601_R);
        QVERIFY(sameTransform(view->transform(), 120.0, 1.0));
        QCOMPARE(screen.mRotateLineEdit->text(), QString("120"));

        screen.mLockRotationCheckBox->setChecked(false);
        QVERIFY(sameTransform(view->transform(), 30.0, 1.0));
        QCOMPARE(screen.mRotateLineEdit->text(), QString("30"));
    }

    void everyTabsHandlersLogTheirOwnNumber_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("layout 3") << 3;
        QTest::newRow("layout 8") << 8;
    }
    void everyTabsHandlersLogTheirOwnNumber()
    {
        QFETCH(int, tab);
        Rig rig;
        rig.activate(tab);
        const LayoutScreen &screen = rig.screen(tab);
        // The slider's mapping is continuous across its middle.
        const struct
        {
            int mValue;
            double mScale;
            const char *mText;
        } steps[] = {
            {0, 0.1, "0.10x"}, {49, 0.982, "0.98x"}, {50, 1.0, "1.00x"}, {100, 2.9, "2.90x"}};
        for (const auto &step : steps) {
            rig.mark();
            screen.mScaleSlider->setValue(step.mValue);
            QCOMPARE(screen.mScaleLineEdit->text(), QString(step.mText));
            QVERIFY(sameTransform(rig.w().tabScreen(tab - 1).mView->transform(), 0.0, step.mScale));
            QCOMPARE(rig.newDebug(),
                     QStringLiteral("on_scale%1HorizontalSlider_valueChanged() value %2\n")
                         .arg(tab)
                         .arg(step.mValue));
        }
        rig.mark();
        screen.mLockRotationCheckBox->setChecked(true);
        QCOMPARE(rig.newDebug(), QStringLiteral("on_lock%1RotationCheckBox_toggled()\n").arg(tab));
        rig.mark();
        screen.mRotateDial->setValue(15);
        QCOMPARE(rig.newDebug(), QString());
        // Under the lock the field shows the dial; the view follows the track.
        QCOMPARE(screen.mRotateLineEdit->text(), QString("15"));
        QVERIFY(sameTransform(rig.w().tabScreen(tab - 1).mView->transform(), 0.0, 2.9));
        rig.mark();
        screen.mNameLineEdit->setText("oval");
        emit screen.mNameLineEdit->editingFinished();
        QCOMPARE(
            rig.newDebug(),
            QStringLiteral("on_layout%1NameLineEdit_editingFinished() new name <oval>\n").arg(tab));
        QCOMPARE(rig.w().recordA(tab - 1).mName, QString("oval"));
    }

    void aLateNameEditRenamesItsOwnLayout()
    {
        Rig rig;
        rig.activate(3);
        rig.screen(3).mNameLineEdit->setText("figure eight");
        // Leaving the field by switching tabs ends the edit after the switch.
        rig.activate(5);
        emit rig.screen(3).mNameLineEdit->editingFinished();
        QCOMPARE(rig.w().recordA(2).mName, QString("figure eight"));
        QCOMPARE(rig.w().recordA(4).mName, QString("unnamed5"));
    }

    void pieceButtonsSetModeTypeAndFieldsAndGroupsStayIndependent()
    {
        Rig rig;
        rig.activate(4);
        DiagramScene *scene = rig.scene(4);
        const LayoutScreen &screen = rig.screen(4);

        rig.mark();
        rig.track(9)->click();
        QCOMPARE(rig.newDebug(), QString("trackButtonGroupClicked()   ID = 9\n"));
        QCOMPARE(rig.newBuild(), QString("trackButtonGroupClicked()   id 9   checked 1\n"));
        QCOMPARE(scene->mMode, DiagramScene::Append);
        QCOMPARE(int(scene->mItemType), 9);
        QCOMPARE(screen.mModeLineEdit->text(), QString("Append"));
        QCOMPARE(screen.mBtnActiveLineEdit->text(), QString("14\" curve, right"));
        QCOMPARE(screen.mLastBtnLineEdit->text(), QString("9"));
        QCOMPARE(screen.mActiveButton, 9);

        rig.mark();
        rig.apron(35)->click();
        QCOMPARE(rig.newDebug(), QString("apronButtonGroupClicked()   ID = 35\n"));
        QCOMPARE(rig.newBuild(), QString("apronButtonGroupClicked()   id = 35    checked 1\n"));
        QCOMPARE(scene->mMode, DiagramScene::Attach);
        QCOMPARE(int(scene->mItemType), 35);
        QCOMPARE(screen.mModeLineEdit->text(), QString("Attach"));
        QCOMPARE(screen.mBtnActiveLineEdit->text(), QString("upper str apron"));

        rig.track(0)->click();
        QCOMPARE(checkedIds(rig.w().toolBox().mTrackGroup), QStringList({"0"}));
        QCOMPARE(checkedIds(rig.w().toolBox().mApronGroup), QStringList({"35"}));
        QCOMPARE(scene->mMode, DiagramScene::Append);

        rig.mark();
        rig.track(0)->click();
        QCOMPARE(rig.newBuild(), QString("trackButtonGroupClicked()   id 0   checked 0\n"));
        QVERIFY(checkedIds(rig.w().toolBox().mTrackGroup).isEmpty());
        QCOMPARE(scene->mMode, DiagramScene::Move);
        QCOMPARE(screen.mModeLineEdit->text(), QString("Move"));
        QVERIFY(screen.mBtnActiveLineEdit->text().isEmpty());
        QVERIFY(screen.mLastBtnLineEdit->text().isEmpty());
        QCOMPARE(screen.mActiveButton, 0);
        // Only the active layout's scene follows the toolbox.
        QCOMPARE(rig.scene(1)->mMode, DiagramScene::Move);
    }

    void fourLaneButtonsAreRefusedOnTwoLaneLayouts()
    {
        Rig rig;
        rig.activate(1);
        rig.mark();
        rig.track4(93)->click();
        QCOMPARE(rig.rec.mLog,
                 QStringList({"message||4-lane selections are not available for 2-lane layouts."}));
        QVERIFY(!rig.track4(93)->isChecked());
        QCOMPARE(rig.scene(1)->mMode, DiagramScene::Move);
        QCOMPARE(rig.screen(1).mActiveButton, 0);
        QCOMPARE(rig.newBuild(), QString());

        rig.w().recordA(1).mLanes = 4;
        rig.activate(2);
        rig.mark();
        rig.track4(101)->click();
        QCOMPARE(rig.rec.mLog.size(), 1);
        QCOMPARE(rig.newBuild(), QString("track4ButtonGroupClicked()   id 101    checked 1\n"));
        QCOMPARE(rig.scene(2)->mMode, DiagramScene::Append4);
        QCOMPARE(int(rig.scene(2)->mItemType), 101);
        QCOMPARE(rig.screen(2).mModeLineEdit->text(), QString("Append4"));
        QCOMPARE(rig.screen(2).mBtnActiveLineEdit->text(), QString("60 deg right"));
    }

    void toolBoxPageChangeClearsTheSelectionButKeepsTheFields()
    {
        Rig rig;
        rig.activate(2);
        rig.track(16)->click();
        rig.apron(88)->click();
        rig.mark();
        rig.w().toolBox().mToolBox->setCurrentIndex(3);
        QCOMPARE(rig.newDebug(), QString("on_toolBox_currentChanged()   index 3\n"));
        QVERIFY(checkedIds(rig.w().toolBox().mTrackGroup).isEmpty());
        QVERIFY(checkedIds(rig.w().toolBox().mApronGroup).isEmpty());
        QCOMPARE(rig.scene(2)->mMode, DiagramScene::Move);
        QCOMPARE(rig.screen(2).mModeLineEdit->text(), QString("Move"));
        QCOMPARE(rig.screen(2).mBtnActiveLineEdit->text(), QString("21\" orange fence"));
        QCOMPARE(rig.screen(2).mLastBtnLineEdit->text(), QString("88"));
    }

    void backgroundButtonsTileTheActiveSceneOnly_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("image");
        QTest::newRow("blue on 2") << 2 << "Blue Grid"
                                   << ":/images/background1.png";
        QTest::newRow("white on 6") << 6 << "White Grid"
                                    << ":/images/background2.png";
        QTest::newRow("gray on 3") << 3 << "Gray Grid"
                                   << ":/images/background3.png";
        QTest::newRow("none on 8") << 8 << "No Grid"
                                   << ":/images/background4.png";
    }
    void backgroundButtonsTileTheActiveSceneOnly()
    {
        QFETCH(int, tab);
        QFETCH(QString, text);
        QFETCH(QString, image);
        Rig rig;
        rig.activate(tab);
        QAbstractButton *button = nullptr;
        for (QAbstractButton *candidate : rig.w().toolBox().mBackgroundGroup->buttons()) {
            if (candidate->text() == text)
                button = candidate;
        }
        QVERIFY(button);
        const QImage expected(image);
        QVERIFY(!expected.isNull());

        rig.mark();
        button->click();
        QCOMPARE(rig.newDebug(), QString("backgroundButtonGroupClicked()\n"));
        QCOMPARE(rig.newBuild(), QString("backgroundButtonGroupClicked()\n"));
        const QBrush brush = rig.scene(tab)->backgroundBrush();
        QCOMPARE(brush.style(), Qt::TexturePattern);
        QCOMPARE(brush.textureImage().convertToFormat(QImage::Format_ARGB32),
                 expected.convertToFormat(QImage::Format_ARGB32));
        for (int other = 1; other <= 8; ++other) {
            if (other != tab)
                QCOMPARE(rig.scene(other)->backgroundBrush().style(), Qt::NoBrush);
        }
    }

    void unitButtonsRelabelEveryTabAndRecomputeOnlyTheActiveLayout_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("lane1");
        QTest::addColumn<QString>("lane2");
        QTest::addColumn<int>("lengthUnit");
        QTest::newRow("m") << "m"
                           << "2.00"
                           << "2.57" << int(LengthUnit::Metres);
        QTest::newRow("mm") << "mm"
                            << "2002.48"
                            << "2571.04" << int(LengthUnit::Millimetres);
        QTest::newRow("ft") << "ft"
                            << "6.57"
                            << "8.44" << int(LengthUnit::Feet);
    }
    void unitButtonsRelabelEveryTabAndRecomputeOnlyTheActiveLayout()
    {
        QFETCH(QString, unit);
        QFETCH(QString, lane1);
        QFETCH(QString, lane2);
        QFETCH(int, lengthUnit);
        Rig rig;
        rig.activate(2);
        for (int i = 0; i < 2; ++i)
            rig.append(D::R3600);
        for (int i = 0; i < 6; ++i)
            rig.append(D::R3601_R);
        // Start from another unit, so the click is a change of unit.
        rig.find<QRadioButton>(unit == "mm" ? "mRadioButton" : "mmRadioButton")->click();
        rig.screen(5).mLaneLineEdit[0]->setText("untouched");

        rig.find<QRadioButton>(unit + "RadioButton")->click();
        const LayoutScreen &screen = rig.screen(2);
        QCOMPARE(screen.mLaneLineEdit[0]->text(), lane1);
        QCOMPARE(screen.mLaneLineEdit[1]->text(), lane2);
        QCOMPARE(screen.mLaneLineEdit[3]->text(), QString("0.00"));
        const QRectF bounds = rig.scene(2)->itemsBoundingRect();
        const double scale = rig.scene(2)->mScale;
        QVERIFY(bounds.width() > 0.0);
        QCOMPARE(screen.mWidthLineEdit->text(),
                 formatLength(bounds.width() / scale, LengthUnit(lengthUnit)));
        QCOMPARE(screen.mHeightLineEdit->text(),
                 formatLength(bounds.height() / scale, LengthUnit(lengthUnit)));
        for (int tab = 1; tab <= 8; ++tab) {
            QCOMPARE(rig.screen(tab).mLaneLengthGroupBox->title(),
                     QStringLiteral("Lane Lengths (%1)").arg(unit));
            QCOMPARE(rig.screen(tab).mSizeLabel->text(),
                     QStringLiteral("Layout Size (%1)").arg(unit));
        }
        QCOMPARE(rig.screen(5).mLaneLineEdit[0]->text(), QString("untouched"));
    }

    void appendedPieceFillsLengthsAndSizeAndMarksTheLayoutChanged()
    {
        Rig rig;
        rig.activate(6);
        rig.find<QRadioButton>("mmRadioButton")->click();
        LayoutRecord &record = rig.w().recordA(5);
        record.mSaved = true;
        rig.mark();
        DiagramItem *item = rig.append(D::R3620dc);
        QVERIFY(item);
        const LayoutScreen &screen = rig.screen(6);
        QCOMPARE(screen.mLaneLineEdit[0]->text(), QString("102.67"));
        QCOMPARE(screen.mLaneLineEdit[1]->text(), QString("102.67"));
        QCOMPARE(screen.mLaneLineEdit[2]->text(), QString("0.00"));
        const QRectF bounds = rig.scene(6)->itemsBoundingRect();
        const double scale = rig.scene(6)->mScale;
        QCOMPARE(screen.mWidthLineEdit->text(), QString::number(bounds.width() / scale, 'f', 2));
        QCOMPARE(screen.mHeightLineEdit->text(), QString::number(bounds.height() / scale, 'f', 2));
        // The piece is 178 mm wide, drawn lengthwise.
        QVERIFY(bounds.height() * 24.0 / 5.0 >= 177.9);
        QVERIFY(record.mChanged);
        QVERIFY(!record.mSaved);
        QVERIFY(!rig.w().recordA(0).mChanged);

        QVERIFY(rig.newDebug().contains("MainWindow::itemAppended()\n"));
        const int index = rig.w().catalog().findIndex("R3620dc");
        QVERIFY(rig.newBuild().endsWith(
            QStringLiteral("MainWindow::itemAppended(): diagram item type 2 <R3620dc> [%1] "
                           "<R3620dc>\n\n")
                .arg(index)));
        QVERIFY(rig.rec.mLog.isEmpty());
    }

    void destructorDumpsTheActiveScenesTwoLaneItemsTopmostFirst()
    {
        Rig rig;
        rig.activate(4);
        rig.append(D::R3600);
        rig.append(D::R3601_R);
        const int r3600 = rig.w().catalog().findIndex("R3600");
        const int r3601 = rig.w().catalog().findIndex("R3601_R");
        const int before = rig.rt.read("logs/Lanewright.log").size();
        rig.window.reset();
        const QString tail = QString::fromLatin1(rig.rt.read("logs/Lanewright.log").mid(before));
        QCOMPARE(tail, QStringLiteral("\nMainWindow() destructor\n"
                                      "\nTab 4 current scene items (6):\n"
                                      " 0: (polyline) type: 9  <R3601_R> trk index 1\n"
                                      " 1: (polyline) type: 9  <R3601_R> trk index 1\n"
                                      " 2: (polygon) type: 9  <R3601_R> trk index 1   DB index %1\n"
                                      " 3: (polyline) type: 0  <R3600> trk index 0\n"
                                      " 4: (polyline) type: 0  <R3600> trk index 0\n"
                                      " 5: (polygon) type: 0  <R3600> trk index 0   DB index %2\n"
                                      "\nlog closed...\n")
                           .arg(r3601)
                           .arg(r3600));
    }

    void fourLaneAppendCountsBothPairsAndOnlyTheDumpListsThemBoth()
    {
        Rig rig;
        rig.w().recordA(6).mLanes = 4;
        rig.activate(7);
        rig.find<QRadioButton>("mmRadioButton")->click();
        QVERIFY(rig.w().activeScene()->appendFourLanePiece(93, QPointF(1000, 1000)));
        // Record B's pair counts in lanes 3 and 4.
        for (int lane = 0; lane < 4; ++lane)
            QCOMPARE(rig.screen(7).mLaneLineEdit[lane]->text(), QString("308.00"));
        QVERIFY(rig.w().recordA(6).mChanged);

        rig.mark();
        rig.w().on_dumpPushButton_clicked();
        const QStringList lines = rig.newDebug().split('\n');
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines.at(1), QString("MainWindow::dumpSceneItemList()"));
        const double y = 1000 - 178.0 * 5.0 / 24.0;
        QCOMPARE(lines.at(2), QString::asprintf("0: (polyline) type 0   pn <R3600>   trak index 0"
                                                "   pos (1000.00, %.2lf)   elev 0.25",
                                                y));
        QCOMPARE(lines.at(7), QString("5: (polygon) type 0   pn <R3600>  track index 0"
                                      "   pos (1000.00, 1000.00)   elev 0.25"));
        QCOMPARE(lines.at(0) + lines.at(8) + lines.at(9), QString());

        const int before = rig.rt.read("logs/Lanewright.log").size();
        rig.window.reset();
        const QString tail = QString::fromLatin1(rig.rt.read("logs/Lanewright.log").mid(before));
        QVERIFY(tail.contains("\nTab 7 current scene items (6):\n"
                              " 3: (polyline) type: 0  <R3600> trk index 0\n"
                              " 4: (polyline) type: 0  <R3600> trk index 0\n"
                              " 5: (polygon) type: 0  <R3600> trk index 0   DB index "));
        QVERIFY(!tail.contains(" 0: "));
    }

    void shiftKeyReachesOnlyTheActiveScene()
    {
        Rig rig;
        rig.activate(7);
        // A modifier key's own event carries the state from before it.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
        QApplication::sendEvent(rig.window.get(), &press);
        QVERIFY(rig.scene(7)->mShiftKey);
        QVERIFY(!rig.scene(1)->mShiftKey);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier);
        QApplication::sendEvent(rig.window.get(), &release);
        QVERIFY(!rig.scene(7)->mShiftKey);
    }
};

QTEST_MAIN(SurfaceTest)
#include "test_surface.moc"
