#pragma once

#include "graphics/DiagramTypes.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLineEdit;
class QToolButton;

// The chooser that append, insert and replace open to ask which two-lane
// piece to add: one checkable button per piece kind, at most one checked,
// and outside replace the two banked-turn choices with a turn angle. It only
// answers; it never touches the layout.
class AddTrackDialog : public QDialog
{
    Q_OBJECT

public:
    // One button of the chooser.
    struct PieceButton
    {
        const char *mObjectName;
        const char *mIcon;
        const char *mToolTip;
        const char *mSelection; // the part-number text the button stands for
    };
    static constexpr int kPieceCount = 19;
    // The buttons in slot order: 17 plain pieces, then the two banked turns.
    static const std::array<PieceButton, kPieceCount> &pieceButtons();

    // aMode is "insert", "append" or "replace". On OK, *aPartNumber gets the
    // selection (empty when none) and *aAngle the turn list's text; either
    // pointer may be null when the caller reads the getters instead.
    AddTrackDialog(const QString &aMode, QString *aPartNumber, QString *aAngle,
                   QWidget *aParent = nullptr);

    QString mode() const { return mMode; }
    // The part-number text of the checked button; empty when none is checked.
    QString selection() const { return mSelection; }
    // The selection as a piece kind; R9999 when nothing is chosen.
    DiagramTypeBase::DiagramType chosenType() const;
    // The turn list's current text, "30 deg" to "240 deg".
    QString angleText() const;
    // The turn angle in degrees, 30 to 240.
    int turnAngle() const;

public slots:
    void on_R3600ToolButton_clicked(bool aChecked);
    void on_R3620ToolButton_clicked(bool aChecked);
    void on_R3620dcToolButton_clicked(bool aChecked);
    void on_R3602_RToolButton_clicked(bool aChecked);
    void on_R3602_LToolButton_clicked(bool aChecked);
    void on_R3608ToolButton_clicked(bool aChecked);
    void on_R3609ToolButton_clicked(bool aChecked);
    void on_R3627_RToolButton_clicked(bool aChecked);
    void on_R3627_LToolButton_clicked(bool aChecked);
    void on_R3601_RToolButton_clicked(bool aChecked);
    void on_R3601_LToolButton_clicked(bool aChecked);
    void on_R3604_RToolButton_clicked(bool aChecked);
    void on_R3604_LToolButton_clicked(bool aChecked);
    void on_R3610_RToolButton_clicked(bool aChecked);
    void on_R3610_LToolButton_clicked(bool aChecked);
    void on_R3621_RToolButton_clicked(bool aChecked);
    void on_R3621_LToolButton_clicked(bool aChecked);
    void on_R3625_LToolButton_clicked(bool aChecked);
    void on_R3625_RToolButton_clicked(bool aChecked);
    void on_buttonBox_accepted();

private:
    void buildTree();
    QWidget *buildSelectGroup();
    QWidget *buildBankedGroup();
    QToolButton *makePieceButton(int aIndex, QWidget *aParent);
    void setMode();
    void pieceClicked(int aIndex, bool aChecked);

    QString mMode;
    QString mSelection;
    QString *mPartNumber;
    QString *mAngle;
    std::array<QToolButton *, kPieceCount> mButtons{};
    QToolButton *mEmptyButton = nullptr;
    QToolButton *mLastChecked = nullptr;
    QComboBox *mTurnComboBox = nullptr;
    QLineEdit *mSelectedLineEdit = nullptr;
};
