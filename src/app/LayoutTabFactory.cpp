#include "LayoutTabFactory.h"

#include "HintButton.h"

#include "layout/LayoutScreen.h"
#include "QLedIndicator.h"

#include <QCheckBox>
#include <QDial>
#include <QGraphicsView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Room between neighbouring controls, and between the blocks of a tab's header.
constexpr int kSpacing = 4;
constexpr int kGap = 6;
// Widths the design gives the layout name, the usage table and the lamp.
constexpr int kNameWidth = 189;
constexpr int kTrackTableWidth = 131;
constexpr int kLampSize = 30;

// Samples of the widest text each kind of field shows.
const char *const kCoordinateSample = "-0000.00";
const char *const kLengthSample = "00000.00";
const char *const kAngleSample = "-000";
const char *const kCountSample = "000";
const char *const kClosureSample = "1-2 0000.00 mm, 000.0\u00b0  3-4 0000.00 mm, 000.0\u00b0";

// Every per-tab object name carries the tab number where the pattern has %1,
// which keeps the names unique across the window so that slots connect by name.
QString tabName(const char *aPattern, int aTab)
{
    return QString::fromLatin1(aPattern).arg(aTab);
}

template <class Widget>
Widget *named(Widget *aWidget, const QString &aName, const char *aToolTip = nullptr)
{
    aWidget->setObjectName(aName);
    if (aToolTip)
        aWidget->setToolTip(QString::fromLatin1(aToolTip));
    return aWidget;
}

QLineEdit *lineEdit(QWidget *aParent, const QString &aName, const char *aToolTip,
                    const char *aSample, bool aReadOnly = true, const QString &aText = QString())
{
    auto *edit = named(new QLineEdit(aText, aParent), aName, aToolTip);
    edit->setReadOnly(aReadOnly);
    // A read-only field is for reading (or copying from); keyboard focus
    // passes it by.
    if (aReadOnly)
        edit->setFocusPolicy(Qt::ClickFocus);
    if (aSample)
        fitFieldToText(edit, QString::fromLatin1(aSample));
    return edit;
}

QLabel *label(QWidget *aParent, const QString &aName, const char *aText)
{
    return named(new QLabel(QString::fromLatin1(aText), aParent), aName);
}

QGroupBox *groupBox(QWidget *aParent, const QString &aName, const char *aTitle,
                    const char *aToolTip)
{
    return named(new QGroupBox(QString::fromLatin1(aTitle), aParent), aName, aToolTip);
}

QGridLayout *boxGrid(QGroupBox *aBox)
{
    auto *grid = new QGridLayout(aBox);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setHorizontalSpacing(kSpacing);
    grid->setVerticalSpacing(2);
    return grid;
}

// The name, the save lamp and the file path, along the top of the tab.
QLayout *buildNameRow(int aTab, QWidget *aPage, LayoutScreen &aScreen)
{
    aScreen.mNameLineEdit = lineEdit(aPage, tabName("layout%1NameLineEdit", aTab), "layout name",
                                     nullptr, false, tabName("unnamed%1", aTab));
    aScreen.mNameLineEdit->setFixedWidth(kNameWidth);
    aScreen.mModifiedLed = named(new QLedIndicator(aPage),
                                 tabName("layout%1modifiedLEDWidget", aTab), "layout save status");
    aScreen.mModifiedLed->setFixedSize(kLampSize, kLampSize);
    aScreen.mFilePathLineEdit =
        lineEdit(aPage, tabName("filepath%1LineEdit", aTab), "full path to layout file", nullptr);

    auto *row = new QHBoxLayout;
    row->setSpacing(kSpacing);
    row->addWidget(aScreen.mNameLineEdit);
    row->addSpacing(kSpacing);
    row->addWidget(aScreen.mModifiedLed);
    row->addSpacing(kSpacing);
    row->addWidget(label(aPage, tabName("filepath%1Label", aTab), "File Path"));
    row->addWidget(aScreen.mFilePathLineEdit, 1);
    return row;
}

// The lane count and the number of pieces, labels right-aligned to their fields.
QLayout *buildCounts(int aTab, QWidget *aPage, LayoutScreen &aScreen)
{
    aScreen.mLanesLineEdit = lineEdit(aPage, tabName("lanes%1LineEdit", aTab), "lane count",
                                      kCountSample, true, QStringLiteral("2"));
    aScreen.mCurrentIndexLineEdit = lineEdit(aPage, tabName("layout%1CurrentIndexLineEdit", aTab),
                                             "track peces used", kCountSample);
    auto *grid = new QGridLayout;
    grid->setSpacing(kSpacing);
    grid->addWidget(label(aPage, tabName("lanes%1Label", aTab), "Lanes"), 0, 0, Qt::AlignRight);
    grid->addWidget(aScreen.mLanesLineEdit, 0, 1);
    grid->addWidget(label(aPage, tabName("layout%1CurrentIndexLabel", aTab), "Current Pieces"), 1,
                    0, Qt::AlignRight);
    grid->addWidget(aScreen.mCurrentIndexLineEdit, 1, 1);
    grid->setRowStretch(2, 1);
    return grid;
}

QGroupBox *buildLaneLengths(int aTab, QWidget *aPage, LayoutScreen &aScreen)
{
    static const char *const kToolTips[4] = {"lane 1 length", "lane 2 length", "lane 3 length",
                                             "lane 4 length"};
    static const char *const kTexts[4] = {"Lane 1", "Lane 2", "Lane 3", "Lane 4"};
    QGroupBox *box =
        groupBox(aPage, tabName("laneLength%1GroupBox", aTab), "Lane Lengths (ft)", "lane langths");
    aScreen.mLaneLengthGroupBox = box;
    QGridLayout *grid = boxGrid(box);
    for (int lane = 0; lane < 4; ++lane) {
        // Two lanes per row: lanes 1 and 2 above, 3 and 4 below.
        const int row = lane / 2;
        const int column = (lane % 2) * 2;
        const QString prefix = tabName("layout%1lane", aTab) + QString::number(lane + 1);
        aScreen.mLaneLabel[lane] = label(box, prefix + QStringLiteral("Label"), kTexts[lane]);
        aScreen.mLaneLineEdit[lane] =
            lineEdit(box, prefix + QStringLiteral("LineEdit"), kToolTips[lane], kLengthSample);
        grid->addWidget(aScreen.mLaneLabel[lane], row, column);
        grid->addWidget(aScreen.mLaneLineEdit[lane], row, column + 1);
    }
    return box;
}

QGroupBox *buildButtonSelect(int aTab, QWidget *aPage, LayoutScreen &aScreen)
{
    QGroupBox *box = groupBox(aPage, tabName("btnSelect%1GroupBox", aTab),
                              "Toolbox Button Selected", "toolbox selection info");
    QGridLayout *grid = boxGrid(box);
    aScreen.mBtnActiveLineEdit =
        lineEdit(box, tabName("layout%1btnActiveLineEdit", aTab), "active toolbox button", nullptr);
    aScreen.mLastBtnLineEdit =
        lineEdit(box, tabName("layout%1lastBtnLineEdit", aTab), "last button used", kCountSample);
    aScreen.mModeLineEdit =
        lineEdit(box, tabName("layout%1modeLineEdit", aTab), "action mode", "Append4");
    // The active field holds a button's tool tip, the longest of which must show whole.
    fitFieldToText(aScreen.mBtnActiveLineEdit, QStringLiteral("14\" 1/2 curve, right"));
    grid->addWidget(label(box, tabName("layout%1btnActiveLabel", aTab), "Active"), 0, 0);
    grid->addWidget(aScreen.mBtnActiveLineEdit, 0, 1, 1, 3);
    grid->addWidget(label(box, tabName("layout%1lastBtnLabel", aTab), "Last"), 1, 0);
    grid->addWidget(aScreen.mLastBtnLineEdit, 1, 1);
    grid->addWidget(label(box, tabName("layout%1modeLabel", aTab), "Mode"), 1, 2, Qt::AlignRight);
    grid->addWidget(aScreen.mModeLineEdit, 1, 3);
    return box;
}

QGroupBox *buildStats(int aTab, QWidget *aPage, LayoutScreen &aScreen)
{
    QGroupBox *box =
        groupBox(aPage, tabName("stats%1GroupBox", aTab), "Stats", "current layout stats");
    QGridLayout *grid = boxGrid(box);
    aScreen.mCurrentPosXLineEdit = lineEdit(box, tabName("layout%1CurrentPosXLineEdit", aTab),
                                            "current append screen X position", kCoordinateSample);
    aScreen.mCurrentPosYLineEdit = lineEdit(box, tabName("layout%1CurrentPosYLineEdit", aTab),
                                            "current append screen Y position", kCoordinateSample);
    aScreen.mCurrentAngLineEdit = lineEdit(box, tabName("layout%1CurrentAngLineEdit", aTab),
                                           "current append track angle", kAngleSample);
    aScreen.mSizeLabel = label(box, tabName("layout%1SizeLabel", aTab), "Layout Size (ft)");
    // Room for the widest unit, so relabelling never moves the fields.
    aScreen.mSizeLabel->setMinimumWidth(
        aScreen.mSizeLabel->fontMetrics().horizontalAdvance(QStringLiteral("Layout Size (mm)")));
    aScreen.mWidthLineEdit = lineEdit(box, tabName("layout%1widthLineEdit", aTab),
                                      "layout width (horizontal)", kLengthSample);
    aScreen.mHeightLineEdit = lineEdit(box, tabName("layout%1heightLineEdit", aTab),
                                       "layout height (vertical)", kLengthSample);

    grid->addWidget(label(box, tabName("layout%1CurrentPosLabel", aTab), "Current Positiion"), 0,
                    0);
    grid->addWidget(aScreen.mCurrentPosXLineEdit, 0, 1);
    grid->addWidget(aScreen.mCurrentPosYLineEdit, 0, 3);
    grid->addWidget(label(box, tabName("layout%1CurrentAngLabel", aTab), "Current Angle"), 1, 0);
    grid->addWidget(aScreen.mCurrentAngLineEdit, 1, 1);
    grid->addWidget(aScreen.mSizeLabel, 2, 0);
    grid->addWidget(aScreen.mWidthLineEdit, 2, 1);
    grid->addWidget(label(box, tabName("layout%1SizeXLabel", aTab), "x"), 2, 2);
    grid->addWidget(aScreen.mHeightLineEdit, 2, 3);
    return box;
}

QGroupBox *buildDisplay(int aTab, QWidget *aPage, LayoutScreen &aScreen, LayoutTabWidgets &aWidgets)
{
    QGroupBox *box =
        groupBox(aPage, tabName("display%1GroupBox", aTab), "Display", "display options");
    QGridLayout *grid = boxGrid(box);
    aScreen.mScaleLineEdit = lineEdit(box, tabName("scale%1LineEdit", aTab), "current screen scale",
                                      "0.00x", true, QStringLiteral("1x"));

    auto *slider = named(new QSlider(Qt::Horizontal, box), tabName("scale%1HorizontalSlider", aTab),
                         "scale slider");
    slider->setRange(0, 100);
    slider->setValue(50);
    aScreen.mScaleSlider = slider;

    auto *dial =
        named(new QDial(box), tabName("rotate%1Dial", aTab), "layout rotation control dial");
    dial->setRange(0, 360);
    dial->setValue(0);
    dial->setFixedSize(44, 44);
    aScreen.mRotateDial = dial;
    aScreen.mRotateLineEdit =
        lineEdit(box, tabName("rotate%1LineEdit", aTab), "layout rotation angle", "000", true,
                 QString::number(dial->value()));

    aScreen.mLockRotationCheckBox =
        named(new QCheckBox(QStringLiteral("Align Screen with Track"), box),
              tabName("lock%1RotationCheckBox", aTab), "auto rotate screen with angle");

    aWidgets.mFitButton =
        named(new QToolButton(box), tabName("fit%1ToolButton", aTab), "fit the layout to the view");
    aWidgets.mFitButton->setText(QStringLiteral("Fit"));
    aWidgets.mFitButton->setStatusTip(QStringLiteral("Fit the layout to the view (Ctrl+0)"));
    aWidgets.mFitButton->setFocusPolicy(Qt::NoFocus);

    grid->addWidget(label(box, tabName("scale%1Label", aTab), "Screen Scale"), 0, 0);
    grid->addWidget(aScreen.mScaleLineEdit, 0, 1);
    grid->addWidget(slider, 1, 0, 1, 2);
    grid->addWidget(dial, 0, 2, 2, 1, Qt::AlignCenter);
    grid->addWidget(aScreen.mRotateLineEdit, 0, 3, 2, 1, Qt::AlignVCenter);
    grid->addWidget(aScreen.mLockRotationCheckBox, 2, 0, 1, 3);
    grid->addWidget(aWidgets.mFitButton, 2, 3);
    return box;
}

// Along the foot of the tab: whether the chain closes, how many pieces
// collide, and the lane balance of each strip, whose hint selects the
// straight to replace with a lane swap.
QLayout *buildChecks(int aTab, QWidget *aPage, LayoutScreen &aScreen)
{
    aScreen.mClosureLineEdit =
        lineEdit(aPage, tabName("layout%1ClosureLineEdit", aTab),
                 "distance and angle from the end of the chain to its start", nullptr);
    fitFieldToText(aScreen.mClosureLineEdit, QString::fromUtf8(kClosureSample));
    aScreen.mOverlapsLineEdit =
        lineEdit(aPage, tabName("layout%1OverlapsLineEdit", aTab),
                 "pieces that collide with another piece on their level", kCountSample);
    auto *row = new QHBoxLayout;
    row->setSpacing(kSpacing);
    row->addWidget(label(aPage, tabName("layout%1ClosureLabel", aTab), "Closure"));
    row->addWidget(aScreen.mClosureLineEdit);
    row->addSpacing(kGap);
    row->addWidget(label(aPage, tabName("layout%1OverlapsLabel", aTab), "Overlapping Pieces"));
    row->addWidget(aScreen.mOverlapsLineEdit);
    row->addSpacing(kGap);
    row->addWidget(label(aPage, tabName("layout%1BalanceLabel", aTab), "Lane Balance"));
    static const char *const kBalanceNames[2] = {"layout%1Balance12PushButton",
                                                 "layout%1Balance34PushButton"};
    for (int pair = 0; pair < 2; ++pair) {
        auto *button = named(new HintButton(aPage), tabName(kBalanceNames[pair], aTab));
        button->setFocusPolicy(Qt::NoFocus);
        button->setEnabled(false);
        button->setVisible(false);
        aScreen.mBalanceButton[pair] = button;
        row->addWidget(button);
    }
    row->addStretch(1);
    return row;
}

} // namespace

void fitFieldToText(QLineEdit *aEdit, const QString &aSample)
{
    // A line edit keeps two pixels of margin on each side of its text and
    // one for the cursor; the style adds its frame around that.
    constexpr int kTextMargins = 2 * 2 + 1;
    const QMargins margins = aEdit->textMargins();
    const int text = aEdit->fontMetrics().horizontalAdvance(aSample) + kTextMargins +
                     margins.left() + margins.right();
    QStyleOptionFrame option;
    option.initFrom(aEdit);
    option.lineWidth = aEdit->hasFrame() ? aEdit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                       &option, aEdit)
                                         : 0;
    const QSize size = aEdit->style()->sizeFromContents(
        QStyle::CT_LineEdit, &option, QSize(text, aEdit->fontMetrics().height()), aEdit);
    aEdit->setFixedWidth(size.width());
}

LayoutTabWidgets buildLayoutTab(int aTab, LayoutScreen &aScreen, QWidget *aParent)
{
    aScreen = LayoutScreen();
    aScreen.mTab = aTab;

    LayoutTabWidgets result;
    result.mPage = new QWidget(aParent);
    result.mPage->setObjectName(tabName("layout%1Tab", aTab));
    QWidget *page = result.mPage;

    // The header: name and path above the counts, lane lengths and toolbox
    // choice; the stats and display boxes beside them take the header's height.
    auto *details = new QHBoxLayout;
    details->setSpacing(kGap);
    details->addLayout(buildCounts(aTab, page, aScreen));
    details->addWidget(buildLaneLengths(aTab, page, aScreen), 0, Qt::AlignTop);
    details->addWidget(buildButtonSelect(aTab, page, aScreen), 0, Qt::AlignTop);
    details->addStretch(1);

    auto *left = new QVBoxLayout;
    left->setSpacing(kSpacing);
    left->addLayout(buildNameRow(aTab, page, aScreen));
    left->addLayout(details);

    auto *header = new QHBoxLayout;
    header->setSpacing(kGap);
    header->addLayout(left, 1);
    header->addWidget(buildStats(aTab, page, aScreen));
    header->addWidget(buildDisplay(aTab, page, aScreen, result));

    aScreen.mTrackTable =
        named(new QTableWidget(page), tabName("trackTable%1Widget", aTab), "track usage table");
    aScreen.mTrackTable->setFixedWidth(kTrackTableWidth);
    result.mView = named(new QGraphicsView(page), tabName("graphics%1View", aTab), "layout area");

    // The usage table beside the drawing, which takes every pixel the window gives.
    auto *body = new QHBoxLayout;
    body->setSpacing(kSpacing);
    body->addWidget(aScreen.mTrackTable);
    body->addWidget(result.mView, 1);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(kSpacing, kSpacing, kSpacing, kSpacing);
    layout->setSpacing(kSpacing);
    layout->addLayout(header);
    layout->addLayout(body, 1);
    layout->addLayout(buildChecks(aTab, page, aScreen));
    return result;
}
