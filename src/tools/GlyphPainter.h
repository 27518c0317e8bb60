#pragma once

#include "tools/PictureList.h"

#include <QImage>
#include <QSize>

// The colours every generated picture shares, so icons, tiles and piece
// pictures read as one set.
namespace PictureColors {
extern const QColor kTrack;   // a piece's grey
extern const QColor kLight;   // a host piece under an attachment
extern const QColor kOutline; // the thin dark outline
extern const QColor kLane1;   // red, the first lane's default colour
extern const QColor kLane2;   // green, the second lane's default colour
extern const QColor kAccent;  // arrows and selections
} // namespace PictureColors

// An action or viewer icon of aSize pixels, drawn on a 64 x 64 grid and
// scaled. Transparent around the glyph unless aOpaque, then white.
QImage paintGlyph(Glyph aGlyph, QSize aSize, bool aOpaque);

// A background tile that repeats seamlessly: its grid lines lie on the left
// and top edges and inside, never on the right or bottom edge.
QImage paintBackground(Background aBackground, QSize aSize);
