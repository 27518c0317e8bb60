#include "BankedDialog.h"

#include "layout/BankedTurn.h"

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

const QString kCurveIcon = QStringLiteral("../data/track_pieces/photos75/F8517.png");
const QString kFenceIcon = QStringLiteral("../data/track_pieces/catalog150/R3628.png");
constexpr int kDegreesPerCurve = 30;

// A picture that is missing gives an empty icon, so the button shows its
// text instead of a blank face.
QIcon iconFromFile(const QString &aPath)
{
    const QPixmap pixmap(aPath);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

QLabel *makeLabel(const QString &aText, const char *aObjectName, QWidget *aParent)
{
    auto *label = new QLabel(aText, aParent);
    label->setObjectName(QLatin1String(aObjectName));
    return label;
}

} // namespace

BankedDialog::BankedDialog(const QString &aDirection, int aCurves, bool aFenced, QWidget *aParent)
    : QDialog(aParent), mCurves(qMax(0, aCurves))
{
    buildTree();
    setWindowTitle(aDirection == QLatin1String("left") ? QStringLiteral("Banked Left Turn")
                                                       : QStringLiteral("Banked Right Turn"));
    mChecked = BankedTurn::shownCurves(mCurves);
    for (int i = 0; i < mChecked; ++i)
        mCurveButtons[i]->setChecked(true);
    if (mCurves > kCurveButtons) {
        mNoteLabel->setText(QStringLiteral("This turn has %1 curved pieces; only eight are shown, "
                                           "and only those you uncheck are removed.")
                                .arg(mCurves));
    }
    mFences = aFenced && mCurves > 0;
    mFenceButton->setChecked(mFences);
    showTotal();
    QMetaObject::connectSlotsByName(this);
}

void BankedDialog::buildTree()
{
    auto *title = makeLabel(QStringLiteral("Banked Track Operations"), "titleLabel", this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 4);
    title->setFont(titleFont);
    mNoteLabel = makeLabel(QString(), "noteLabel", this);

    auto *curves = new QGridLayout;
    for (int i = 0; i < kCurveButtons; ++i) {
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("F8517%1_ToolButton").arg(QChar('a' + i)));
        button->setIcon(iconFromFile(kCurveIcon));
        button->setIconSize(QSize(60, 59));
        button->setText(QStringLiteral("F8517"));
        button->setToolTip(QStringLiteral("F8517"));
        button->setCheckable(true);
        mCurveButtons[i] = button;
        curves->addWidget(button, i / 4, i % 4);
    }

    mTotalAngleLineEdit = new QLineEdit(this);
    mTotalAngleLineEdit->setObjectName(QStringLiteral("totalAngleLineEdit"));
    mTotalAngleLineEdit->setReadOnly(true);
    mFenceButton = makeFenceButton(QStringLiteral("R3628o_ToolButton"));
    mTransButton = makeFenceButton(QStringLiteral("R3628o_transToolButton"));

    auto *options = new QGridLayout;
    options->addWidget(makeLabel(QStringLiteral("Total Angle"), "totalAngleLabel", this), 0, 0);
    options->addWidget(mTotalAngleLineEdit, 0, 1);
    options->addWidget(makeLabel(QStringLiteral("All Curved Pieces"), "allCurvedLabel", this), 1,
                       0);
    options->addWidget(mFenceButton, 1, 1);
    options->addWidget(
        makeLabel(QStringLiteral("Straight Transition Pieces"), "straightTransLabel", this), 2, 0);
    options->addWidget(mTransButton, 2, 1);

    auto *buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *editing = new QVBoxLayout;
    editing->addLayout(curves);
    editing->addLayout(options);
    editing->addStretch();
    auto *body = new QHBoxLayout;
    body->addWidget(buildPictureGroup());
    body->addLayout(editing);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(mNoteLabel);
    layout->addLayout(body);
    layout->addWidget(buttonBox);
}

QWidget *BankedDialog::buildPictureGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Track Piece"), this);
    group->setObjectName(QStringLiteral("labelGroupBox"));
    auto *pictures = new QVBoxLayout(group);
    const struct
    {
        const char *mObjectName;
        const char *mPicture;
        const char *mToolTip;
    } kPictures[] = {
        {"R3625L_Label", "../data/track_pieces/catalog150/R3625_Lq.png", "Banked Left Turn"},
        {"R3625R_Label", "../data/track_pieces/catalog150/R3625_Rq.png", "Banked Right Turn"},
    };
    for (const auto &picture : kPictures) {
        QLabel *label = makeLabel(QString(), picture.mObjectName, group);
        label->setPixmap(QPixmap(QLatin1String(picture.mPicture)));
        label->setToolTip(QLatin1String(picture.mToolTip));
        pictures->addWidget(label);
    }
    return group;
}

QToolButton *BankedDialog::makeFenceButton(const QString &aObjectName)
{
    auto *button = new QToolButton(this);
    button->setObjectName(aObjectName);
    button->setIcon(iconFromFile(kFenceIcon));
    button->setIconSize(QSize(150, 38));
    button->setText(QStringLiteral("R3628o"));
    button->setToolTip(QStringLiteral("R3628o"));
    button->setCheckable(true);
    return button;
}

int BankedDialog::curveCount() const
{
    return BankedTurn::chosenCurves(mCurves, mChecked);
}

void BankedDialog::showTotal()
{
    mTotalAngle = kDegreesPerCurve * curveCount();
    mTotalAngleLineEdit->setText(QString::number(mTotalAngle));
}

void BankedDialog::curveClicked(bool aChecked)
{
    mChecked += aChecked ? 1 : -1;
    showTotal();
}

void BankedDialog::on_R3628o_ToolButton_clicked(bool aChecked)
{
    mFences = aChecked;
}

void BankedDialog::on_R3628o_transToolButton_clicked(bool aChecked)
{
    mTransitions = aChecked;
}

void BankedDialog::on_buttonBox_accepted()
{
    accept();
}

// clang-format off
void BankedDialog::on_F8517a_ToolButton_clicked(bool aChecked) { curveClicked(aChecked); }
void BankedDialog::on_F8517b_ToolButton_clicked(bool aChecked) { curveClicked(aChecked); }
void BankedDialog::on_F8517c_ToolButton_clicked(bool aChecked) { curveClicked(aChecked); }
void BankedDialog::on_F8517d_ToolButton_clicked(bool aChecked) { curveClicked(aChecked); }
void BankedDialog::on_F8517e_ToolButton_clicked(bool aChecked) { curveClicked(aChecked); }
void BankedDialog::on_F8517f_ToolButton_clicked(bool aChecked) { curveClicked(aChecked); }
void BankedDialog::on_F8517g_ToolButton_clicked(bool aChecked) { curveClicked(aChecked); }
void BankedDialog::on_F8517h_ToolButton_clicked(bool aChecked) { curveClicked(aChecked); }
// clang-format on
