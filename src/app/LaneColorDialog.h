#pragma once

#include "layout/LaneColors.h"

#include <QDialog>
#include <QStringList>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;

// Style sheet of a lane label of the lane-length box, from the lane's colour
// name: the name as text colour on beige, or on tan for the light colours
// ("yellow", "cyan", "white") that beige would swallow.
QString laneLabelStyleSheet(const QString &aColorName);

// Style sheet of a colour swatch of the lane colour dialog: the colour the
// lanes of that name are drawn in.
QString laneSwatchStyleSheet(const QString &aColorName);

// Options > Lane Colors: chooses the four lane colours of the active layout,
// or makes them the defaults for new layouts, or both. It works on colour
// names; the caller turns its brushes into names before and back after.
// Nothing is handed back until OK: then useForLayout() and useAsDefault() say
// where the chosen names go.
class LaneColorDialog : public QDialog
{
    Q_OBJECT

public:
    // aTabIndex: the current tab (0 is the Stats tab). aLaneNames: the active
    // layout's four lane colour names; aDefaultNames: the four default ones.
    LaneColorDialog(int aTabIndex, const QStringList &aLaneNames, const QStringList &aDefaultNames,
                    QWidget *aParent = nullptr);

    // The four names chosen in the "Current Lane Colors" group, lanes 1 to 4.
    QStringList chosenNames() const;
    // After OK: give the active layout the chosen names (only when a layout
    // tab is showing and its box was checked).
    bool useForLayout() const { return mUseForLayout; }
    // After OK: make the chosen names the defaults for new layouts.
    bool useAsDefault() const { return mUseAsDefault; }

public slots:
    void on_lane1ColorComboBox_currentIndexChanged(const QString &aArg1);
    void on_lane2ColorComboBox_currentIndexChanged(const QString &aArg1);
    void on_lane3ColorComboBox_currentIndexChanged(const QString &aArg1);
    void on_lane4ColorComboBox_currentIndexChanged(const QString &aArg1);
    void on_buttonBox_accepted();
    void on_buttonBox_rejected();

private:
    void buildTree(const QStringList &aDefaultNames);
    void chooseLaneColor(int aLane, const QString &aName);

    int mTabIndex = 0;
    std::array<QString, 4> mWorkingNames;
    std::array<QComboBox *, 4> mComboBoxes{};
    std::array<QFrame *, 4> mSwatches{};
    QCheckBox *mLayoutCheckBox = nullptr;
    QCheckBox *mDefaultCheckBox = nullptr;
    bool mUseForLayout = false;
    bool mUseAsDefault = false;
};
