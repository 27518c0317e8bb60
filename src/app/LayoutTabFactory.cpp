#include "LayoutTabFactory.h"

#include "layout/LayoutScreen.h"
#include "QLedIndicator.h"

#include <QCheckBox>
#include <QDial>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTableWidget>

namespace {

// Every per-tab object name carries the tab number where the pattern has %1,
// which keeps the names unique across the window so that slots connect by name.
QString tabName(const char *aPattern, int aTab)
{
    return QString::fromLatin1(aPattern).arg(aTab);
}

template <class Widget>
Widget *placed(Widget *aWidget, const QString &aName, const QRect &aRect,
               const char *aToolTip = nullptr)
{
    aWidget->setObjectName(aName);
    aWidget->setGeometry(aRect);
    if (aToolTip)
        aWidget->setToolTip(QString::fromLatin1(aToolTip));
    return aWidget;
}

QLineEdit *lineEdit(QWidget *aParent, const QString &aName, const QRect &aRect,
                    const char *aToolTip, bool aReadOnly = true, const QString &aText = QString())
{
    auto *edit = placed(new QLineEdit(aText, aParent), aName, aRect, aToolTip);
    edit->setReadOnly(aReadOnly);
    return edit;
}

// Labels are given a position only; they take the size their text needs.
QLabel *label(QWidget *aParent, const QString &aName, const QPoint &aPos, const char *aText)
{
    auto *result = new QLabel(QString::fromLatin1(aText), aParent);
    result->setObjectName(aName);
    result->move(aPos);
    result->adjustSize();
    return result;
}

QGroupBox *groupBox(QWidget *aParent, const QString &aName, const QRect &aRect, const char *aTitle,
                    const char *aToolTip)
{
    return placed(new QGroupBox(QString::fromLatin1(aTitle), aParent), aName, aRect, aToolTip);
}

void buildHeader(int aTab, QWidget *aPage, LayoutScreen &aScreen)
{
    aScreen.mNameLineEdit =
        lineEdit(aPage, tabName("layout%1NameLineEdit", aTab), QRect(6, 10, 189, 25), "layout name",
                 false, tabName("unnamed%1", aTab));
    aScreen.mModifiedLed =
        placed(new QLedIndicator(aPage), tabName("layout%1modifiedLEDWidget", aTab),
               QRect(208, 6, 30, 30), "layout save status");
    label(aPage, tabName("filepath%1Label", aTab), QPoint(252, 8), "File Path");
    aScreen.mFilePathLineEdit = lineEdit(aPage, tabName("filepath%1LineEdit", aTab),
                                         QRect(304, 6, 495, 20), "full path to layout file");
    label(aPage, tabName("lanes%1Label", aTab), QPoint(188, 54), "Lanes");
    aScreen.mLanesLineEdit = lineEdit(aPage, tabName("lanes%1LineEdit", aTab),
                                      QRect(230, 52, 41, 20), "lane count", true, "2");
    label(aPage, tabName("layout%1CurrentIndexLabel", aTab), QPoint(140, 80), "Current Pieces");
    aScreen.mCurrentIndexLineEdit = lineEdit(aPage, tabName("layout%1CurrentIndexLineEdit", aTab),
                                             QRect(230, 78, 41, 20), "track peces used");
}

void buildLaneLengths(int aTab, QWidget *aPage, LayoutScreen &aScreen)
{
    static const char *const kToolTips[4] = {"lane 1 length", "lane 2 length", "lane 3 length",
                                             "lane 4 length"};
    static const char *const kTexts[4] = {"Lane 1", "Lane 2", "Lane 3", "Lane 4"};
    QGroupBox *box = groupBox(aPage, tabName("laneLength%1GroupBox", aTab), QRect(310, 32, 231, 59),
                              "Lane Lengths (ft)", "lane langths");
    aScreen.mLaneLengthGroupBox = box;
    for (int lane = 0; lane < 4; ++lane) {
        // Two lanes per row: lanes 1 and 2 above, 3 and 4 below.
        const int x = (lane % 2) * 112;
        const int y = 16 + (lane / 2) * 20;
        const QString prefix = tabName("layout%1lane", aTab) + QString::number(lane + 1);
        aScreen.mLaneLabel[lane] =
            label(box, prefix + QStringLiteral("Label"), QPoint(x + 6, y + 2), kTexts[lane]);
        aScreen.mLaneLineEdit[lane] = lineEdit(box, prefix + QStringLiteral("LineEdit"),
                                               QRect(x + 50, y, 54, 18), kToolTips[lane]);
    }
}

void buildButtonSelect(int aTab, QWidget *aPage, LayoutScreen &aScreen)
{
    QGroupBox *box = groupBox(aPage, tabName("btnSelect%1GroupBox", aTab), QRect(560, 32, 220, 65),
                              "Toolbox Button Selected", "toolbox selection info");
    label(box, tabName("layout%1btnActiveLabel", aTab), QPoint(6, 18), "Active");
    aScreen.mBtnActiveLineEdit = lineEdit(box, tabName("layout%1btnActiveLineEdit", aTab),
                                          QRect(48, 16, 166, 18), "active toolbox button");
    label(box, tabName("layout%1lastBtnLabel", aTab), QPoint(6, 40), "Last");
    aScreen.mLastBtnLineEdit = lineEdit(box, tabName("layout%1lastBtnLineEdit", aTab),
                                        QRect(48, 38, 46, 18), "last button used");
    label(box, tabName("layout%1modeLabel", aTab), QPoint(102, 40), "Mode");
    aScreen.mModeLineEdit =
        lineEdit(box, tabName("layout%1modeLineEdit", aTab), QRect(142, 38, 72, 18), "action mode");
}

void buildStats(int aTab, QWidget *aPage, LayoutScreen &aScreen)
{
    QGroupBox *box = groupBox(aPage, tabName("stats%1GroupBox", aTab), QRect(804, 10, 249, 89),
                              "Stats", "current layout stats");
    label(box, tabName("layout%1CurrentPosLabel", aTab), QPoint(6, 20), "Current Positiion");
    aScreen.mCurrentPosXLineEdit =
        lineEdit(box, tabName("layout%1CurrentPosXLineEdit", aTab), QRect(112, 18, 62, 18),
                 "current append screen X position");
    aScreen.mCurrentPosYLineEdit =
        lineEdit(box, tabName("layout%1CurrentPosYLineEdit", aTab), QRect(180, 18, 62, 18),
                 "current append screen Y position");
    label(box, tabName("layout%1CurrentAngLabel", aTab), QPoint(6, 42), "Current Angle");
    aScreen.mCurrentAngLineEdit = lineEdit(box, tabName("layout%1CurrentAngLineEdit", aTab),
                                           QRect(112, 40, 62, 18), "current append track angle");
    aScreen.mSizeLabel =
        label(box, tabName("layout%1SizeLabel", aTab), QPoint(6, 64), "Layout Size (ft)");
    aScreen.mWidthLineEdit = lineEdit(box, tabName("layout%1widthLineEdit", aTab),
                                      QRect(112, 62, 54, 18), "layout width (horizontal)");
    label(box, tabName("layout%1SizeXLabel", aTab), QPoint(170, 64), "x");
    aScreen.mHeightLineEdit = lineEdit(box, tabName("layout%1heightLineEdit", aTab),
                                       QRect(180, 62, 62, 18), "layout height (vertical)");
}

void buildDisplay(int aTab, QWidget *aPage, LayoutScreen &aScreen)
{
    QGroupBox *box = groupBox(aPage, tabName("display%1GroupBox", aTab), QRect(1058, 6, 237, 97),
                              "Display", "display options");
    label(box, tabName("scale%1Label", aTab), QPoint(6, 20), "Screen Scale");
    aScreen.mScaleLineEdit = lineEdit(box, tabName("scale%1LineEdit", aTab), QRect(90, 18, 44, 18),
                                      "current screen scale", true, "1x");

    auto *slider =
        placed(new QSlider(Qt::Horizontal, box), tabName("scale%1HorizontalSlider", aTab),
               QRect(6, 42, 128, 20), "scale slider");
    slider->setRange(0, 100);
    slider->setValue(50);
    aScreen.mScaleSlider = slider;

    auto *dial = placed(new QDial(box), tabName("rotate%1Dial", aTab), QRect(142, 14, 50, 50),
                        "layout rotation control dial");
    dial->setRange(0, 360);
    dial->setValue(0);
    aScreen.mRotateDial = dial;
    aScreen.mRotateLineEdit =
        lineEdit(box, tabName("rotate%1LineEdit", aTab), QRect(194, 30, 38, 18),
                 "layout rotation angle", true, QString::number(dial->value()));

    auto *lock = placed(new QCheckBox(QStringLiteral("Align Screen with Track"), box),
                        tabName("lock%1RotationCheckBox", aTab), QRect(6, 70, 225, 20),
                        "auto rotate screen with angle");
    aScreen.mLockRotationCheckBox = lock;
}

} // namespace

LayoutTabWidgets buildLayoutTab(int aTab, LayoutScreen &aScreen, QWidget *aParent)
{
    aScreen = LayoutScreen();
    aScreen.mTab = aTab;

    LayoutTabWidgets result;
    result.mPage = new QWidget(aParent);
    result.mPage->setObjectName(tabName("layout%1Tab", aTab));

    buildHeader(aTab, result.mPage, aScreen);
    buildLaneLengths(aTab, result.mPage, aScreen);
    buildButtonSelect(aTab, result.mPage, aScreen);
    buildStats(aTab, result.mPage, aScreen);
    buildDisplay(aTab, result.mPage, aScreen);

    aScreen.mTrackTable =
        placed(new QTableWidget(result.mPage), tabName("trackTable%1Widget", aTab),
               QRect(4, 50, 131, 723), "track usage table");
    result.mView = placed(new QGraphicsView(result.mPage), tabName("graphics%1View", aTab),
                          QRect(138, 108, 1179, 663), "layout area");
    return result;
}
