#include "LaneColorDialog.h"

#include "layout/LaneColors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QFrame *makeSwatch(const QString &aObjectName, const QString &aColorName, QWidget *aParent)
{
    auto *swatch = new QFrame(aParent);
    swatch->setObjectName(aObjectName);
    // A plain box rather than a line, so a white swatch still shows its edge.
    swatch->setFrameShape(QFrame::Box);
    swatch->setFrameShadow(QFrame::Plain);
    swatch->setFixedSize(100, 16);
    swatch->setStyleSheet(laneSwatchStyleSheet(aColorName));
    return swatch;
}

QLabel *makeLaneLabel(const QString &aObjectName, int aLane, QWidget *aParent)
{
    auto *label = new QLabel(QStringLiteral("Lane %1").arg(aLane), aParent);
    label->setObjectName(aObjectName);
    return label;
}

} // namespace

QString laneLabelStyleSheet(const QString &aColorName)
{
    const bool light = aColorName == QLatin1String("yellow") ||
                       aColorName == QLatin1String("cyan") || aColorName == QLatin1String("white");
    const QString format = light ? QStringLiteral("QLabel { color: %1; background-color: tan;}")
                                 : QStringLiteral("QLabel { color: %1; background-color: beige;}");
    return format.arg(aColorName);
}

// The style sheet's colour names are not Qt's: its "green" is a dark green,
// the lanes are drawn bright green. The swatch takes the drawn colour.
QString laneSwatchStyleSheet(const QString &aColorName)
{
    return QStringLiteral("background-color: %1;").arg(laneBrush(aColorName).color().name());
}

LaneColorDialog::LaneColorDialog(int aTabIndex, const QStringList &aLaneNames,
                                 const QStringList &aDefaultNames, QWidget *aParent)
    : QDialog(aParent), mTabIndex(aTabIndex)
{
    for (int lane = 0; lane < 4; ++lane)
        mWorkingNames[lane] = aLaneNames.value(lane);
    buildTree(aDefaultNames);
    // On the Stats tab there is no layout to colour, so neither scope is offered.
    mLayoutCheckBox->setChecked(mTabIndex > 0);
    for (int lane = 0; lane < 4; ++lane) {
        mComboBoxes[lane]->addItems(laneColorNames());
        mComboBoxes[lane]->setCurrentIndex(laneColorNames().indexOf(mWorkingNames[lane]));
    }
    // Connected only now, so filling the lists above does not count as a choice.
    QMetaObject::connectSlotsByName(this);
}

void LaneColorDialog::buildTree(const QStringList &aDefaultNames)
{
    setWindowTitle(QStringLiteral("Lane Color Selector"));

    auto *scope = new QGroupBox(QStringLiteral("Scope"), this);
    scope->setObjectName(QStringLiteral("scopeGroupBox"));
    mLayoutCheckBox = new QCheckBox(QStringLiteral("Use colors for selected layout"), scope);
    mLayoutCheckBox->setObjectName(QStringLiteral("layoutCheckBox"));
    mDefaultCheckBox =
        new QCheckBox(QStringLiteral("Use colors for all new layouts (set as default)"), scope);
    mDefaultCheckBox->setObjectName(QStringLiteral("defaultCheckBox"));
    auto *scopeLayout = new QVBoxLayout(scope);
    scopeLayout->addWidget(mLayoutCheckBox);
    scopeLayout->addWidget(mDefaultCheckBox);

    auto *current = new QGroupBox(QStringLiteral("Current Lane Colors"), this);
    current->setObjectName(QStringLiteral("currentGroupBox"));
    auto *currentLayout = new QGridLayout(current);
    auto *defaults = new QGroupBox(QStringLiteral("Default Lane Colors"), this);
    defaults->setObjectName(QStringLiteral("defaultGroupBox"));
    auto *defaultLayout = new QGridLayout(defaults);
    for (int lane = 0; lane < 4; ++lane) {
        const int number = lane + 1;
        currentLayout->addWidget(
            makeLaneLabel(QStringLiteral("lane%1Label").arg(number), number, current), lane, 0);
        mSwatches[lane] =
            makeSwatch(QStringLiteral("lane%1Line").arg(number), mWorkingNames[lane], current);
        currentLayout->addWidget(mSwatches[lane], lane, 1);
        mComboBoxes[lane] = new QComboBox(current);
        mComboBoxes[lane]->setObjectName(QStringLiteral("lane%1ColorComboBox").arg(number));
        currentLayout->addWidget(mComboBoxes[lane], lane, 2);

        defaultLayout->addWidget(
            makeLaneLabel(QStringLiteral("defLane%1Label").arg(number), number, defaults), lane, 0);
        defaultLayout->addWidget(makeSwatch(QStringLiteral("defLane%1Line").arg(number),
                                            aDefaultNames.value(lane), defaults),
                                 lane, 1);
    }

    auto *buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scope);
    layout->addWidget(current);
    layout->addWidget(defaults);
    layout->addWidget(buttonBox);
}

QStringList LaneColorDialog::chosenNames() const
{
    return QStringList(mWorkingNames.begin(), mWorkingNames.end());
}

void LaneColorDialog::chooseLaneColor(int aLane, const QString &aName)
{
    mWorkingNames[aLane] = aName;
    mSwatches[aLane]->setStyleSheet(laneSwatchStyleSheet(aName));
}

void LaneColorDialog::on_lane1ColorComboBox_currentIndexChanged(const QString &aArg1)
{
    chooseLaneColor(0, aArg1);
}

void LaneColorDialog::on_lane2ColorComboBox_currentIndexChanged(const QString &aArg1)
{
    chooseLaneColor(1, aArg1);
}

void LaneColorDialog::on_lane3ColorComboBox_currentIndexChanged(const QString &aArg1)
{
    chooseLaneColor(2, aArg1);
}

void LaneColorDialog::on_lane4ColorComboBox_currentIndexChanged(const QString &aArg1)
{
    chooseLaneColor(3, aArg1);
}

void LaneColorDialog::on_buttonBox_accepted()
{
    // A checked layout box means nothing on the Stats tab: there is no layout.
    mUseForLayout = mTabIndex > 0 && mLayoutCheckBox->isChecked();
    mUseAsDefault = mDefaultCheckBox->isChecked();
    accept();
}

void LaneColorDialog::on_buttonBox_rejected()
{
    mUseForLayout = false;
    mUseAsDefault = false;
    reject();
}
