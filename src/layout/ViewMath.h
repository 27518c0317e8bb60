#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

// The arithmetic and texts behind a layout tab's view controls and the
// toolbox's background buttons, kept free of widgets so they can be checked
// on their own.
namespace ViewMath {

// Scale factor for the scale slider's value (0 to 100). The two halves of the
// slider are linear on their own: 0..49 zooms out from 1 down to 0.1, 50..100
// zooms in from 1 up to 2.9, so the middle of the slider is always 1:1.
double scaleForSliderValue(int aValue);

// Slider limits and its middle, where the scale is 1.
constexpr int kSliderMinimum = 0;
constexpr int kSliderMaximum = 100;

// The slider value whose scale comes nearest to aScale without exceeding it,
// so that what fits at aScale still fits; the slider's minimum when even that
// scale is larger, its maximum when aScale is larger still.
int sliderValueForScale(double aScale);

// The largest scale at which aBounds, turned by -aAngle degrees as the view
// turns the layout, fits inside aViewport. 0 when either is empty.
double fitScale(const QRectF &aBounds, double aAngle, const QSizeF &aViewport);

// How far a turn of the mouse wheel by aAngleDelta (eighths of a degree;
// one notch of a common wheel is 120) moves the scale slider: five steps a
// notch, at least one step for any turn, positive when zooming in.
int wheelSliderSteps(int aAngleDelta);

// Text shown beside the slider, for example "1.00x".
QString scaleText(double aScale);

// Text shown for the view's rotation: C's general format with 6 significant
// digits ("0", "30", "-22.5", "1.23457e+06").
QString rotationText(double aAngle);

// Tiled image that a background button's text selects; any text other than
// the three grids falls back to the plain image.
QString backgroundImageName(const QString &aButtonText);

} // namespace ViewMath
