#include "AddTrackDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kBankedLeft = 17;  // index of R3625_LToolButton in the button table
constexpr int kBankedRight = 18; // index of R3625_RToolButton

// A picture that is missing gives an empty icon, so the button shows its
// text instead of a blank face.
QIcon iconFromFile(const QString &aPath)
{
    const QPixmap pixmap(aPath);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

} // namespace

const std::array<AddTrackDialog::PieceButton, AddTrackDialog::kPieceCount> &
AddTrackDialog::pieceButtons()
{
    static const std::array<PieceButton, kPieceCount> buttons{{
        {"R3600ToolButton", ":/images/r3600.jpg", "R3600", "R3600"},
        {"R3620ToolButton", ":/images/r3620.jpg", "R3620", "R3620"},
        {"R3620dcToolButton", ":/images/r3620dc.jpg", "R3620dc", "R3620dc"},
        {"R3602_RToolButton", ":/images/r3602R.jpg", "R3602", "R3602_R"},
        {"R3602_LToolButton", ":/images/r3602L.jpg", "R3602", "R3602_L"},
        {"R3608ToolButton", ":/images/r3608.jpg", "R3608", "R3608"},
        {"R3609ToolButton", ":/images/r3609.jpg", "R3609", "R3609"},
        {"R3627_RToolButton", ":/images/R3627R.jpg", "R3627", "R3627_R"},
        {"R3627_LToolButton", ":/images/R3627L.jpg", "R3627", "R3627_L"},
        {"R3601_RToolButton", ":/images/r3601R.jpg", "R3601", "R3601_R"},
        {"R3601_LToolButton", ":/images/r3601L.jpg", "R3601", "R3601_L"},
        {"R3604_RToolButton", ":/images/r3604R.jpg", "R3604", "R3604_R"},
        {"R3604_LToolButton", ":/images/r3604L.jpg", "R3604", "R3604_L"},
        {"R3610_RToolButton", ":/images/r3610R.jpg", "R3610", "R3610_R"},
        {"R3610_LToolButton", ":/images/r3610L.jpg", "R3610", "R3610_L"},
        {"R3621_RToolButton", ":/images/r3621R.jpg", "R3621", "R3621_R"},
        {"R3621_LToolButton", ":/images/r3621L.jpg", "R3621", "R3621_L"},
        {"R3625_LToolButton", "../data/track_pieces/catalog/r3625_Lq.jpg", "R3625L", "R3625_L"},
        {"R3625_RToolButton", "../data/track_pieces/catalog/r3625_Rq.jpg", "R3625R", "R3625_R"},
    }};
    return buttons;
}

AddTrackDialog::AddTrackDialog(const QString &aMode, QString *aPartNumber, QString *aAngle,
                               QWidget *aParent)
    : QDialog(aParent), mMode(aMode), mPartNumber(aPartNumber), mAngle(aAngle)
{
    buildTree();
    setMode();
    mLastChecked = mEmptyButton;
    mSelection.clear();
    mSelectedLineEdit->clear();
    QMetaObject::connectSlotsByName(this);
}

void AddTrackDialog::buildTree()
{
    setWindowTitle(QStringLiteral("Add Track Piece"));

    auto *title = new QLabel(this);
    title->setObjectName(QStringLiteral("titleLabel"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 4);
    title->setFont(titleFont);
    auto *note = new QLabel(this);
    note->setObjectName(QStringLiteral("noteLabel"));

    // Stands for "no button" in the exclusive selection; never shown.
    mEmptyButton = new QToolButton(this);
    mEmptyButton->setObjectName(QStringLiteral("emptyToolButton"));
    mEmptyButton->setToolTip(QStringLiteral("none"));
    mEmptyButton->setCheckable(true);
    mEmptyButton->hide();

    auto *legend = new QLabel(this);
    legend->setObjectName(QStringLiteral("legendLabel"));
    legend->setPixmap(QPixmap(QStringLiteral("../data/track_pieces/catalog/legend.jpg")));
    auto *legendText = new QLabel(QStringLiteral("Legend"), this);
    legendText->setObjectName(QStringLiteral("legendTextLabel"));

    auto *selectedLabel = new QLabel(QStringLiteral("selected"), this);
    selectedLabel->setObjectName(QStringLiteral("selectedLabel"));
    mSelectedLineEdit = new QLineEdit(this);
    mSelectedLineEdit->setObjectName(QStringLiteral("selectedLineEdit"));
    mSelectedLineEdit->setReadOnly(true);

    auto *buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *legendLayout = new QVBoxLayout;
    legendLayout->addWidget(legendText);
    legendLayout->addWidget(legend);
    legendLayout->addStretch();
    auto *selectedLayout = new QHBoxLayout;
    selectedLayout->addWidget(selectedLabel);
    selectedLayout->addWidget(mSelectedLineEdit);
    selectedLayout->addStretch();
    selectedLayout->addWidget(buttonBox);

    auto *choices = new QHBoxLayout;
    choices->addWidget(buildSelectGroup());
    choices->addWidget(buildBankedGroup());
    choices->addLayout(legendLayout);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(note);
    layout->addLayout(choices);
    layout->addLayout(selectedLayout);
}

QToolButton *AddTrackDialog::makePieceButton(int aIndex, QWidget *aParent)
{
    const PieceButton &piece = pieceButtons()[aIndex];
    auto *button = new QToolButton(aParent);
    button->setObjectName(QLatin1String(piece.mObjectName));
    button->setIcon(iconFromFile(QLatin1String(piece.mIcon)));
    button->setIconSize(QSize(60, 60));
    button->setToolTip(QLatin1String(piece.mToolTip));
    button->setText(QLatin1String(piece.mToolTip));
    // The part number under the picture: R3601, R3610 and R3621 look alike.
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setCheckable(true);
    button->setChecked(false);
    mButtons[aIndex] = button;
    return button;
}

QWidget *AddTrackDialog::buildSelectGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Available track pieces"), this);
    group->setObjectName(QStringLiteral("selectGroupBox"));
    auto *grid = new QGridLayout(group);
    constexpr int kColumns = 6;
    for (int i = 0; i < kBankedLeft; ++i)
        grid->addWidget(makePieceButton(i, group), i / kColumns, i % kColumns);
    return group;
}

QWidget *AddTrackDialog::buildBankedGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Banked Turns"), this);
    group->setObjectName(QStringLiteral("bankedGroupBox"));
    auto *grid = new QGridLayout(group);
    const int sides[] = {kBankedLeft, kBankedRight};
    const char *sideNames[] = {"Left", "Right"};
    for (int column = 0; column < 2; ++column) {
        QToolButton *button = makePieceButton(sides[column], group);
        // Both banked buttons carry the set's number; the tool tip tells the side.
        button->setText(QStringLiteral("R3625"));
        button->setIconSize(QSize(257, 184));
        auto *label = new QLabel(QLatin1String(sideNames[column]), group);
        label->setObjectName(QStringLiteral("banked%1Label").arg(QLatin1String(sideNames[column])));
        grid->addWidget(label, 0, column);
        grid->addWidget(button, 1, column);
    }
    mTurnComboBox = new QComboBox(group);
    mTurnComboBox->setObjectName(QStringLiteral("turnComboBox"));
    for (int degrees = 30; degrees <= 240; degrees += 30)
        mTurnComboBox->addItem(QStringLiteral("%1 deg").arg(degrees));
    mTurnComboBox->setCurrentIndex(0);
    grid->addWidget(mTurnComboBox, 2, 0, 1, 2);
    return group;
}

void AddTrackDialog::setMode()
{
    auto *title = findChild<QLabel *>(QStringLiteral("titleLabel"));
    auto *note = findChild<QLabel *>(QStringLiteral("noteLabel"));
    if (mMode == QLatin1String("insert")) {
        title->setText(QStringLiteral("Insert Track Piece"));
        note->setText(QStringLiteral("Insert: New track piece goes BEFORE selected track piece"));
    } else if (mMode == QLatin1String("append")) {
        title->setText(QStringLiteral("Append Track Piece"));
        note->setText(QStringLiteral("Append: New track piece goes AFTER selected track piece"));
    } else if (mMode == QLatin1String("replace")) {
        title->setText(QStringLiteral("Replace Track Piece"));
        note->setText(QStringLiteral("Replace: New track piece replaces selected track piece"));
        // A banked turn is several pieces; it cannot stand in for one. The
        // whole box goes, so no empty frame and stray labels are left behind.
        for (QWidget *widget : {static_cast<QWidget *>(mButtons[kBankedLeft]),
                                static_cast<QWidget *>(mButtons[kBankedRight]),
                                static_cast<QWidget *>(mTurnComboBox)}) {
            widget->setEnabled(false);
            widget->hide();
        }
        findChild<QGroupBox *>(QStringLiteral("bankedGroupBox"))->hide();
    }
}

DiagramTypeBase::DiagramType AddTrackDialog::chosenType() const
{
    static const QStringList types = [] {
        QStringList list;
        initDiagramTypeList(list);
        return list;
    }();
    const int type = getDiagramType(mSelection, types);
    return type < 0 ? DiagramTypeBase::R9999 : static_cast<DiagramTypeBase::DiagramType>(type);
}

QString AddTrackDialog::angleText() const
{
    return mTurnComboBox->currentText();
}

int AddTrackDialog::turnAngle() const
{
    return angleText().section(QLatin1Char(' '), 0, 0).toInt();
}

void AddTrackDialog::pieceClicked(int aIndex, bool aChecked)
{
    if (aChecked) {
        // A button checked again after it was unchecked is the last one
        // itself; unchecking it would leave the selection naming a button
        // that shows no choice.
        if (mLastChecked != mButtons[aIndex])
            mLastChecked->setChecked(false);
        mLastChecked = mButtons[aIndex];
        mSelection = QLatin1String(pieceButtons()[aIndex].mSelection);
    } else {
        // The checked button clicked again: nothing is chosen any more.
        mSelection.clear();
    }
    mSelectedLineEdit->setText(mSelection);
}

void AddTrackDialog::on_buttonBox_accepted()
{
    if (mPartNumber)
        *mPartNumber = mSelection;
    if (mAngle)
        *mAngle = angleText();
    accept();
}

// clang-format off
void AddTrackDialog::on_R3600ToolButton_clicked(bool aChecked) { pieceClicked(0, aChecked); }
void AddTrackDialog::on_R3620ToolButton_clicked(bool aChecked) { pieceClicked(1, aChecked); }
void AddTrackDialog::on_R3620dcToolButton_clicked(bool aChecked) { pieceClicked(2, aChecked); }
void AddTrackDialog::on_R3602_RToolButton_clicked(bool aChecked) { pieceClicked(3, aChecked); }
void AddTrackDialog::on_R3602_LToolButton_clicked(bool aChecked) { pieceClicked(4, aChecked); }
void AddTrackDialog::on_R3608ToolButton_clicked(bool aChecked) { pieceClicked(5, aChecked); }
void AddTrackDialog::on_R3609ToolButton_clicked(bool aChecked) { pieceClicked(6, aChecked); }
void AddTrackDialog::on_R3627_RToolButton_clicked(bool aChecked) { pieceClicked(7, aChecked); }
void AddTrackDialog::on_R3627_LToolButton_clicked(bool aChecked) { pieceClicked(8, aChecked); }
void AddTrackDialog::on_R3601_RToolButton_clicked(bool aChecked) { pieceClicked(9, aChecked); }
void AddTrackDialog::on_R3601_LToolButton_clicked(bool aChecked) { pieceClicked(10, aChecked); }
void AddTrackDialog::on_R3604_RToolButton_clicked(bool aChecked) { pieceClicked(11, aChecked); }
void AddTrackDialog::on_R3604_LToolButton_clicked(bool aChecked) { pieceClicked(12, aChecked); }
void AddTrackDialog::on_R3610_RToolButton_clicked(bool aChecked) { pieceClicked(13, aChecked); }
void AddTrackDialog::on_R3610_LToolButton_clicked(bool aChecked) { pieceClicked(14, aChecked); }
void AddTrackDialog::on_R3621_RToolButton_clicked(bool aChecked) { pieceClicked(15, aChecked); }
void AddTrackDialog::on_R3621_LToolButton_clicked(bool aChecked) { pieceClicked(16, aChecked); }
void AddTrackDialog::on_R3625_LToolButton_clicked(bool aChecked) { pieceClicked(17, aChecked); }
void AddTrackDialog::on_R3625_RToolButton_clicked(bool aChecked) { pieceClicked(18, aChecked); }
// clang-format on
