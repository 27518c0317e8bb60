#include "AttachmentChooser.h"

#include "common/Prompter.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// How long a refusal stays on screen.
constexpr int kConflictMs = 3000;
// The host picture's room in the "Track Piece" box.
const QSize kPictureSize(300, 150);

} // namespace

AttachmentChooser::AttachmentChooser(QStringList *aNames, QWidget *aParent)
    : QDialog(aParent), mNames(aNames)
{
    setStyleSheet(QStringLiteral("QDialog { background-color: lightgrey }"));
}

void AttachmentChooser::buildFrame(QGridLayout *aGrid)
{
    auto *buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(aGrid);
    layout->addWidget(buttonBox);
    // The chooser keeps the size its shown buttons need.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget *AttachmentChooser::hostPicture(const QString &aLabelName, const QString &aPicture,
                                        const QString &aToolTip)
{
    auto *box = new QGroupBox(QStringLiteral("Track Piece"), this);
    box->setObjectName(QStringLiteral("labelGroupBox"));
    auto *label = new QLabel(box);
    label->setObjectName(aLabelName);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumSize(kPictureSize);
    const QPixmap picture(aPicture);
    if (!picture.isNull()) {
        label->setPixmap(
            picture.scaled(kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        label->setToolTip(aToolTip);
    }
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(label);
    return box;
}

QToolButton *AttachmentChooser::makeButton(const QString &aObjectName)
{
    auto *button = new QToolButton(this);
    button->setObjectName(aObjectName);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setCheckable(true);
    // On the grey dialog a checked button must stand out at a glance.
    button->setStyleSheet(QStringLiteral(
        "QToolButton:checked { background-color: lightsteelblue; border: 2px solid steelblue; "
        "border-radius: 3px }"));
    return button;
}

void AttachmentChooser::dressButton(QToolButton *aButton, const QString &aIconFile,
                                    const QString &aText, const QSize &aIconSize)
{
    const QPixmap icon(aIconFile);
    aButton->setIcon(icon.isNull() ? QIcon() : QIcon(icon));
    aButton->setText(aText);
    aButton->setToolTip(aText);
    aButton->setIconSize(aIconSize);
    aButton->setChecked(false);
}

void AttachmentChooser::refuse(QToolButton *aButton, const QString &aText)
{
    prompter().timedMessage(QStringLiteral("Location Conflict"), aText, kConflictMs);
    aButton->setChecked(false);
}
