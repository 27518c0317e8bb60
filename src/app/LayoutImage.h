#pragma once

#include <QRectF>
#include <QSize>
#include <QString>

class QGraphicsScene;

// Pictures of a layout's drawing alone: its pieces, lane lines and
// attachments on white, without the view's background tile or selection
// marks, with a margin of one inch of track all round, at 10 pixels per inch
// of track. The window's image export and the report tool share them.
namespace LayoutImage {

constexpr double kPixelsPerInch = 10.0;
constexpr int kMarginPx = 10;
// Longer sides than this are refused rather than drawn: the picture of a
// 40 m run would take gigabytes.
constexpr int kMaxSidePx = 16384;

// The size in pixels of the picture of a drawing spanning aSceneRect (scene units).
QSize imageSize(const QRectF &aSceneRect);

// Writes the drawing of aScene to aPath: PNG for a name ending in ".png",
// SVG for ".svg" (in any case). The file is replaced only once it is
// complete. False, with one sentence in aError, for another ending, an empty
// drawing, a picture longer than kMaxSidePx on a side, or a file that cannot
// be written.
bool write(QGraphicsScene &aScene, const QString &aPath, QString *aError);

} // namespace LayoutImage
