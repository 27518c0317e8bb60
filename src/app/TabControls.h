#pragma once

class QButtonGroup;
class QGraphicsView;
class QString;
class QTableWidget;
struct LayoutRecord;
struct LayoutScreen;
struct ToolBoxParts;

// The work behind the layout tabs' controls, written once for all eight
// tabs: each takes the tab's LayoutScreen (and its view and record A where
// it needs them) and acts on that tab only.
namespace TabControls {

// The angle the view is turned by: record A's forward angle while "Align
// Screen with Track" is checked, so the append direction stays fixed on
// screen, else the rotation dial's value.
double viewAngle(const LayoutScreen &aScreen, const LayoutRecord &aRecordA);

// Sets the view's transform to a rotation by minus the view angle followed
// by the slider's scale, replacing (not combining with) the previous one,
// and shows the angle in the rotation field.
void refreshViewTransform(const LayoutScreen &aScreen, QGraphicsView *aView,
                          const LayoutRecord &aRecordA);

// The rotation dial moved to aValue: refresh, then show the dial's value
// (which differs from the view's angle while the lock is on).
void rotateDialChanged(const LayoutScreen &aScreen, QGraphicsView *aView,
                       const LayoutRecord &aRecordA, int aValue);

// The scale slider moved to aValue: refresh, then show the scale ("1.00x").
void scaleSliderChanged(const LayoutScreen &aScreen, QGraphicsView *aView,
                        const LayoutRecord &aRecordA, int aValue);

// Relabels a tab's lane length box and size label for a unit ("ft", "m", "mm").
void setUnitTitles(const LayoutScreen &aScreen, const QString &aUnit);

// Forgets the toolbox selection, as switching tabs does: every piece button
// unchecked, no active button, last button "0", mode "Move". The scene's
// own mode is the caller's to set.
void resetToolSelection(LayoutScreen &aScreen, const ToolBoxParts &aToolBox);

// A click on button aId of a piece group (track, 4-lane or attachment).
// A click that checked it makes it the only checked button of its group and
// the tab's active button, shown with aModeText; a click that unchecked it
// leaves no active button and the mode "Move". Returns whether it is checked;
// the scene's mode and item type are the caller's to set.
bool applyPieceButtonClick(QButtonGroup *aGroup, int aId, LayoutScreen &aScreen,
                           const QString &aModeText);

// Hides (aHide) the rows of aTable whose text in aColumn is "0", and the
// same rows of aAlso when given; or shows every hidden row of aTable again,
// in both tables.
void setZeroRowsHidden(QTableWidget *aTable, int aColumn, bool aHide,
                       QTableWidget *aAlso = nullptr);

} // namespace TabControls
