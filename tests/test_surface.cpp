#include "support/WindowRig.h"

#include <QCheckBox>
#include <QDial>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QToolBox>

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

using WindowRig::Rig;

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

    void startUpGivesEveryTabItsOwnRecordsAndUniqueObjectNames()
    {
        Rig rig;
        QTabWidget *tabs = rig.w().tabWidget();
        QCOMPARE(tabs->tabText(0), QString("Stats"));
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(tabs->tabText(i + 1), QStringLiteral("Layout %1").arg(i + 1));
            const DiagramScene *scene = rig.w().tabScreen(i).mScene;
            QCOMPARE(scene->mRecord, &rig.w().recordA(i));
            QCOMPARE(scene->mSecondRecord, &rig.w().recordB(i));
            QVERIFY(rig.w().recordA(i).mFirstPair && rig.w().recordB(i).mSecondPair);
            QCOMPARE(rig.w().recordB(i).mName, QStringLiteral("unnamed%1").arg(i + 1));
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

    void activationFollowsTheTabAndOpensTheFourLanePage()
    {
        Rig rig;
        QToolBox *box = rig.w().toolBox().mToolBox;
        rig.w().recordA(2).mLanes = 4;
        rig.mark();
        rig.activate(5);
        QCOMPARE(rig.newDebug(), QString("on_tabWidget_currentChanged() tab 5\n"
                                         "on_tabWidget_currentChanged() mActiveIndex 4\n"));
        QCOMPARE(rig.w().activeScene(), rig.scene(5));
        QCOMPARE(rig.find<QLineEdit>("activeLineEdit")->text(), QString("5"));
        rig.activate(3);
        QCOMPARE(box->currentIndex(), 2);
        rig.activate(1);
        QCOMPARE(box->currentIndex(), 0);
        // The Stats tab keeps layout 1 active.
        rig.activate(0);
        QCOMPARE(rig.w().activeIndex(), 0);
        QCOMPARE(rig.w().activeScene(), rig.scene(1));
    }

    void switchingTabsResetsSelectionAndKeepsEachLayoutsAppearance()
    {
        Rig rig;
        rig.activate(1);
        rig.track(9)->click();
        rig.find<QRadioButton>("hollowRadioButton")->click();
        rig.activate(2);
        QVERIFY(!rig.track(9)->isChecked());
        QCOMPARE(rig.scene(2)->mMode, DiagramScene::Move);
        // Showing layout 2 filled must not change layout 1's appearance.
        QVERIFY(rig.find<QRadioButton>("filledRadioButton")->isChecked());
        QVERIFY(rig.scene(2)->mFilled && !rig.scene(1)->mFilled);
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

        screen.mLockRotationCheckBox->setChecked(true);
        QVERIFY(sameTransform(view->transform(), 60.0, 1.0));
        // Locked, each appended piece turns the view with the track.
        rig.append(D::R3601_R);
        QVERIFY(sameTransform(view->transform(), 120.0, 1.0));
        QCOMPARE(screen.mRotateLineEdit->text(), QString("120"));

        screen.mLockRotationCheckBox->setChecked(false);
        QVERIFY(sameTransform(view->transform(), 30.0, 1.0));
        QCOMPARE(screen.mRotateLineEdit->text(), QString("30"));
    }

    void tabEightsHandlersLogItsOwnNumberAndScaleMapsAcrossTheMiddle()
    {
        Rig rig;
        rig.activate(8);
        const LayoutScreen &screen = rig.screen(8);
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
            QVERIFY(sameTransform(rig.w().tabScreen(7).mView->transform(), 0.0, step.mScale));
            QCOMPARE(rig.newDebug(),
                     QStringLiteral("on_scale8HorizontalSlider_valueChanged() value %1\n")
                         .arg(step.mValue));
        }
        rig.mark();
        screen.mLockRotationCheckBox->setChecked(true);
        QCOMPARE(rig.newDebug(), QString("on_lock8RotationCheckBox_toggled()\n"));
        rig.mark();
        screen.mNameLineEdit->setText("oval");
        emit screen.mNameLineEdit->editingFinished();
        QCOMPARE(rig.newDebug(),
                 QString("on_layout8NameLineEdit_editingFinished() new name <oval>\n"));
        QCOMPARE(rig.w().recordA(7).mName, QString("oval"));
    }

    void pieceButtonsSetModeTypeAndFieldsAndGroupsStayIndependent()
    {
        Rig rig;
        rig.activate(4);
        DiagramScene *scene = rig.scene(4);
        const LayoutScreen &screen = rig.screen(4);

        rig.mark();
        rig.track(9)->click();
        QCOMPARE(rig.newBuild(), QString("trackButtonGroupClicked()   id 9   checked 1\n"));
        QCOMPARE(scene->mMode, DiagramScene::Append);
        QCOMPARE(int(scene->mItemType), 9);
        QCOMPARE(screen.mModeLineEdit->text(), QString("Append"));
        QCOMPARE(screen.mBtnActiveLineEdit->text(), QString("14\" curve, right"));
        QCOMPARE(screen.mLastBtnLineEdit->text(), QString("9"));

        rig.mark();
        rig.apron(35)->click();
        QCOMPARE(rig.newBuild(), QString("apronButtonGroupClicked()   id = 35    checked 1\n"));
        QCOMPARE(scene->mMode, DiagramScene::Attach);
        QCOMPARE(screen.mBtnActiveLineEdit->text(), QString("upper str apron"));

        rig.track(0)->click();
        QCOMPARE(checkedIds(rig.w().toolBox().mTrackGroup), QStringList({"0"}));
        QCOMPARE(checkedIds(rig.w().toolBox().mApronGroup), QStringList({"35"}));

        rig.mark();
        rig.track(0)->click();
        QCOMPARE(rig.newBuild(), QString("trackButtonGroupClicked()   id 0   checked 0\n"));
        QVERIFY(checkedIds(rig.w().toolBox().mTrackGroup).isEmpty());
        QCOMPARE(scene->mMode, DiagramScene::Move);
        QCOMPARE(screen.mModeLineEdit->text(), QString("Move"));
        QVERIFY(screen.mBtnActiveLineEdit->text().isEmpty());
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

        rig.w().recordA(1).mLanes = 4;
        rig.activate(2);
        rig.mark();
        rig.track4(101)->click();
        QCOMPARE(rig.rec.mLog.size(), 1);
        QCOMPARE(rig.newBuild(), QString("track4ButtonGroupClicked()   id 101    checked 1\n"));
        QCOMPARE(rig.scene(2)->mMode, DiagramScene::Append4);
        QCOMPARE(rig.screen(2).mBtnActiveLineEdit->text(), QString("60 deg right"));
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

    // The file stores the name: one it cannot hold is refused where it is
    // typed, and a good one on a layout with pieces is an edit to save.
    void layoutNamesAreCheckedWhereTheyAreTyped()
    {
        Rig rig;
        rig.activate(2);
        rig.append(D::R3600);
        rig.a().mChanged = false;
        QLineEdit *name = rig.screen(2).mNameLineEdit;
        name->setText(QString());
        emit name->editingFinished();
        QCOMPARE(rig.rec.mLog, QStringList{"message||A layout needs a name."});
        QCOMPARE(name->text(), QString("unnamed2"));
        QVERIFY(!rig.a().mChanged);
        name->setText("oval");
        emit name->editingFinished();
        QVERIFY(rig.a().mChanged && !rig.a().mSaved);

        rig.newName = QStringLiteral("track pieces: 9");
        rig.newLayout();
        QCOMPARE(rig.rec.mLog.last(),
                 QString("message||A layout name cannot be a \"lanes:\" or \"track pieces:\" line."));
        QCOMPARE(rig.a().mName, QString("oval"));
        QCOMPARE(rig.a().mPieces.size(), 1);
    }

    void backgroundButtonTilesTheActiveSceneOnly()
    {
        Rig rig;
        rig.activate(2);
        QAbstractButton *blue = rig.w().toolBox().mBackgroundGroup->buttons().first();
        QCOMPARE(blue->text(), QString("Blue Grid"));
        rig.mark();
        blue->click();
        QCOMPARE(rig.newBuild(), QString("backgroundButtonGroupClicked()\n"));
        const QBrush brush = rig.scene(2)->backgroundBrush();
        QCOMPARE(brush.style(), Qt::TexturePattern);
        QCOMPARE(brush.textureImage().convertToFormat(QImage::Format_ARGB32),
                 QImage(":/images/background1.png").convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(rig.scene(3)->backgroundBrush().style(), Qt::NoBrush);
    }

    void unitButtonRelabelsEveryTabAndRecomputesOnlyTheActiveLayout()
    {
        Rig rig;
        rig.activate(2);
        for (int i = 0; i < 2; ++i)
            rig.append(D::R3600);
        for (int i = 0; i < 6; ++i)
            rig.append(D::R3601_R);
        rig.screen(5).mLaneLineEdit[0]->setText("untouched");

        rig.find<QRadioButton>("mmRadioButton")->click();
        const LayoutScreen &screen = rig.screen(2);
        QCOMPARE(screen.mLaneLineEdit[0]->text(), QString("2002.48"));
        QCOMPARE(screen.mLaneLineEdit[1]->text(), QString("2571.04"));
        for (int tab = 1; tab <= 8; ++tab) {
            QCOMPARE(rig.screen(tab).mLaneLengthGroupBox->title(), QString("Lane Lengths (mm)"));
            QCOMPARE(rig.screen(tab).mSizeLabel->text(), QString("Layout Size (mm)"));
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
        QVERIFY(rig.append(D::R3620dc));
        const LayoutScreen &screen = rig.screen(6);
        QCOMPARE(screen.mLaneLineEdit[1]->text(), QString("102.67"));
        const QRectF bounds = rig.scene(6)->itemsBoundingRect();
        const double scale = rig.scene(6)->mScale;
        QCOMPARE(screen.mHeightLineEdit->text(), QString::number(bounds.height() / scale, 'f', 2));
        // The piece is 178 mm wide, drawn lengthwise.
        QVERIFY(bounds.height() * 24.0 / 5.0 >= 177.9);
        QVERIFY(record.mChanged);
        QVERIFY(!record.mSaved);
        QVERIFY(!rig.w().recordA(0).mChanged);
        const int index = rig.w().catalog().findIndex("R3620dc");
        QVERIFY(rig.newBuild().endsWith(
            QStringLiteral("MainWindow::itemAppended(): diagram item type 2 <R3620dc> [%1] "
                           "<R3620dc>\n\n")
                .arg(index)));
    }
};

QTEST_MAIN(SurfaceTest)
#include "test_surface.moc"
