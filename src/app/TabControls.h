#pragma once

class QButtonGroup;
class QGraphicsView;
class QPoint;
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

// Ctrl + wheel over the view: the scale slider moves by aSteps (zooming in
// when positive) and the view scrolls so that the scene point under
// aViewportPos (viewport coordinates) stays under it. The slider's own
// handler sets the scale and its field.
void zoomAbout(const LayoutScreen &aScreen, QGraphicsView *aView, const QPoint &aViewportPos,
               int aSteps);

// Sets the slider to the largest scale at which the whole drawing of aView's
// scene, turned as the view turns it, fits the view with a small border, and
// centres the view on it. An empty drawing changes nothing; false then.
bool fitToView(const LayoutScreen &aScreen, QGraphicsView *aView, const LayoutRecord &aRecordA);

// Relabels a tab's lane length box and size label for a unit ("ft", "m", "mm").
void setUnitTitles(const LayoutScreen &aScreen, const QString &aUnit);

// Forgets the toolbox selection, as switching tabs does: every piece button
// unchecked, no active button, last button "0". The scene's mode, which
// its tab's Mode field shows, is the caller's to set.
void resetToolSelection(LayoutScreen &aScreen, const ToolBoxParts &aToolBox);

// A click on button aId of a piece group (track, 4-lane or attachment).
// A click that checked it makes it the only checked button of its group and
// the tab's active button; a click that unchecked it leaves no active
// button. Returns whether it is checked; the scene's mode and item type are
// the caller's to set.
bool applyPieceButtonClick(QButtonGroup *aGroup, int aId, LayoutScreen &aScreen);

// Hides (aHide) the rows of aTable whose text in aColumn is "0", and the
// same rows of aAlso when given; or shows every hidden row of aTable again,
// in both tables.
void setZeroRowsHidden(QTableWidget *aTable, int aColumn, bool aHide,
                       QTableWidget *aAlso = nullptr);

} // namespace TabControls
