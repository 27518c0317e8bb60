#include "newLayoutDialog.h"

#include "common/Prompter.h"
#include "layout/TrackPlanFile.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

newLayoutDialog::newLayoutDialog(int *aLanes, QString *aName, QWidget *aParent)
    : QDialog(aParent), mLanes(aLanes), mName(aName), mOpeningName(*aName)
{
    *mLanes = 2;
    buildTree();
    QMetaObject::connectSlotsByName(this);
}

void newLayoutDialog::buildTree()
{
    setWindowTitle(QStringLiteral("New Layout"));

    auto *heading = new QLabel(QStringLiteral("New Layout"), this);
    heading->setObjectName(QStringLiteral("titleLabel"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSize(headingFont.pointSize() + 4);
    heading->setFont(headingFont);

    auto *lanes = new QGroupBox(QStringLiteral("Lanes"), this);
    lanes->setObjectName(QStringLiteral("lanesGroupBox"));
    mTwoLanes = new QRadioButton(QStringLiteral("2 Lanes"), lanes);
    mTwoLanes->setObjectName(QStringLiteral("TwoLanesRadioButton"));
    mTwoLanes->setChecked(true);
    mFourLanes = new QRadioButton(QStringLiteral("4 Lanes"), lanes);
    mFourLanes->setObjectName(QStringLiteral("FourLanesRadioButton"));
    auto *lanesLayout = new QHBoxLayout(lanes);
    lanesLayout->addWidget(mTwoLanes);
    lanesLayout->addWidget(mFourLanes);

    auto *nameLabel = new QLabel(QStringLiteral("Layout Name"), this);
    nameLabel->setObjectName(QStringLiteral("nameLabel"));
    mNameLineEdit = new QLineEdit(*mName, this);
    mNameLineEdit->setObjectName(QStringLiteral("nameLineEdit"));
    auto *nameLayout = new QHBoxLayout;
    nameLayout->addWidget(nameLabel);
    nameLayout->addWidget(mNameLineEdit);

    auto *note = new QLabel(QStringLiteral("<html><head/><body><p>Note: The Layout screen will be "
                                           "cleared if &quot;OK&quot; is selected.</p></body>"
                                           "</html>"),
                            this);
    note->setObjectName(QStringLiteral("noteLabel"));
    note->setTextFormat(Qt::RichText);
    note->setWordWrap(true);

    auto *buttonBox =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    connect(buttonBox, &QDialogButtonBox::accepted, this, &newLayoutDialog::acceptWithName);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(lanes);
    layout->addLayout(nameLayout);
    layout->addWidget(note);
    layout->addWidget(buttonBox);
}

void newLayoutDialog::acceptWithName()
{
    // OK usually takes the focus from the name field, which finishes the edit;
    // but a keyboard shortcut or a platform whose buttons take no focus would
    // close the dialog with the typed name never copied.
    on_nameLineEdit_editingFinished();
    // A name the layout file cannot hold is refused here, where it is typed,
    // and the field shows the name the dialog was opened with again.
    const QString problem = layoutNameProblem(*mName);
    if (!problem.isEmpty()) {
        *mName = mOpeningName;
        mNameLineEdit->setText(mOpeningName);
        prompter().message(problem);
        return;
    }
    accept();
}

void newLayoutDialog::on_TwoLanesRadioButton_clicked(bool aChecked)
{
    if (aChecked)
        *mLanes = 2;
}

void newLayoutDialog::on_FourLanesRadioButton_clicked(bool aChecked)
{
    if (aChecked)
        *mLanes = 4;
}

void newLayoutDialog::on_nameLineEdit_editingFinished()
{
    *mName = mNameLineEdit->text();
}
