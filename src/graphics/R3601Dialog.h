#pragma once

#include "graphics/AttachmentChooser.h"

#include <QList>

#include <array>

class QLabel;
class QToolButton;

// The attachments of one curved piece (14 and 21 inch curves, the half curve,
// the curved terminal, the banked curve), chosen in one go. Whatever the
// host's radius, the entries carry the 14 inch names ("R3605", "R3612",
// "R3615R", "R3615L", "R3617g", "R3617w", "R3628o"), so the caller deals
// with one vocabulary and maps the names to the host's own parts.
class R3601Dialog : public AttachmentChooser
{
    Q_OBJECT
public:
    // The seven places beside a curve, in entry order.
    enum Location
    {
        OuterApron,
        InnerApron,
        RightTransition,
        LeftTransition,
        GrayFence,
        WhiteFence,
        OrangeFence,
        LocationCount
    };

    // aHost is the host's bare part number ("R3601", "R3604", "R3610",
    // "R3621" or "F8517"); aNames the caller's list of chooser names.
    R3601Dialog(const QString &aHost, QStringList *aNames, QWidget *aParent = nullptr);

    bool locationFlag(Location aLocation) const { return mFlags[aLocation]; }

public slots:
    void on_R3605_ToolButton_clicked(bool aChecked);
    void on_R3612_ToolButton_clicked(bool aChecked);
    void on_R3615R_ToolButton_clicked(bool aChecked);
    void on_R3615L_ToolButton_clicked(bool aChecked);
    void on_R3617g_ToolButton_clicked(bool aChecked);
    void on_R3628o_ToolButton_clicked(bool aChecked);
    void on_R3617w_ToolButton_clicked(bool aChecked);
    void on_buttonBox_accepted();

private:
    // A button set up for this host, with the place it stands for.
    struct Entry
    {
        QString mName;
        QToolButton *mButton = nullptr;
        Location mLocation = OuterApron;
    };

    void buildTree();
    void setUpHost();
    void locationClicked(Location aLocation, bool aChecked);

    QString mHost;
    std::array<QToolButton *, LocationCount> mButtons{};
    std::array<QLabel *, LocationCount> mLabels{};
    std::array<bool, LocationCount> mFlags{};
    QList<Entry> mEntries;
};
