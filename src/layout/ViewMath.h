#pragma once

#include <QString>

// The arithmetic and texts behind a layout tab's view controls and the
// toolbox's background buttons, kept free of widgets so they can be checked
// on their own.
namespace ViewMath {

// Scale factor for the scale slider's value (0 to 100). The two halves of the
// slider are linear on their own: 0..49 zooms out from 1 down to 0.1, 50..100
// zooms in from 1 up to 2.9, so the middle of the slider is always 1:1.
double scaleForSliderValue(int aValue);

// Text shown beside the slider, for example "1.00x".
QString scaleText(double aScale);

// Text shown for the view's rotation: C's general format with 6 significant
// digits ("0", "30", "-22.5", "1.23457e+06").
QString rotationText(double aAngle);

// Tiled image that a background button's text selects; any text other than
// the three grids falls back to the plain image.
QString backgroundImageName(const QString &aButtonText);

} // namespace ViewMath
