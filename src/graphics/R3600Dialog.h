#pragma once

#include "graphics/AttachmentChooser.h"

#include <array>

class QToolButton;

// The attachments of one straight piece (straight, half and third straight,
// chicane, lane change, terminal, lap counter), chosen in one go: a button
// per place beside the piece, pre-checked for what the piece carries, and a
// refusal for a place already taken. On OK the caller's list holds the
// chosen names in place order.
class R3600Dialog : public AttachmentChooser
{
    Q_OBJECT
public:
    // The twelve places beside a straight, in the order OK lists them.
    enum Location
    {
        R3603R_FU,
        R3603R_BL,
        R3603L_BU,
        R3603L_FL,
        F7054R_FU,
        F7054R_BL,
        F7053L_BU,
        F7053L_FL,
        UpperApron,
        LowerApron,
        R3628o_Us,
        R3628o_Ls,
        LocationCount
    };

    // aHost is the host's part number ("R3600", ..., "R3627_L"); aNames the
    // caller's list of its attachment names.
    R3600Dialog(const QString &aHost, QStringList *aNames, QWidget *aParent = nullptr);

    bool locationFlag(Location aLocation) const { return mFlags[aLocation]; }

public slots:
    void on_R3603R_FU_ToolButton_clicked(bool aChecked);
    void on_R3603L_FL_ToolButton_clicked(bool aChecked);
    void on_R3603L_BU_ToolButton_clicked(bool aChecked);
    void on_R3603R_BL_ToolButton_clicked(bool aChecked);
    void on_R3614_U_ToolButton_clicked(bool aChecked);
    void on_R3614_L_ToolButton_clicked(bool aChecked);
    void on_F7054R_FU_ToolButton_clicked(bool aChecked);
    void on_F7054R_BL_ToolButton_clicked(bool aChecked);
    void on_F7053L_BU_ToolButton_clicked(bool aChecked);
    void on_F7053L_FL_ToolButton_clicked(bool aChecked);
    void on_R3628o_L_ToolButton_clicked(bool aChecked);
    void on_R3628o_U_ToolButton_clicked(bool aChecked);
    void on_buttonBox_accepted();

private:
    void buildTree();
    void setUpHost();
    void checkListed();
    void locationClicked(Location aLocation, bool aChecked);
    QString apronName(bool aUpper) const;

    QString mHost;
    std::array<QToolButton *, LocationCount> mButtons{};
    std::array<bool, LocationCount> mFlags{};
};
