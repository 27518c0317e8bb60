#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;

// File > New: asks for the lane count and the name of the layout that
// replaces the active one. It works on the caller's two variables, passed by
// address; the caller reads them when the dialog returns Accepted.
class newLayoutDialog : public QDialog
{
    Q_OBJECT

public:
    // Sets *aLanes to 2 (the dialog starts on "2 Lanes"); the name field
    // starts with *aName. Both pointers must stay valid for the dialog's life.
    newLayoutDialog(int *aLanes, QString *aName, QWidget *aParent = nullptr);

    int lanes() const { return *mLanes; }
    QString name() const { return *mName; }

public slots:
    void on_TwoLanesRadioButton_clicked(bool aChecked);
    void on_FourLanesRadioButton_clicked(bool aChecked);
    void on_nameLineEdit_editingFinished();

private:
    void buildTree();
    void acceptWithName();

    int *mLanes;
    QString *mName;
    QString mOpeningName;
    QRadioButton *mTwoLanes = nullptr;
    QRadioButton *mFourLanes = nullptr;
    QLineEdit *mNameLineEdit = nullptr;
};
