#pragma once

#include "tools/PictureList.h"

#include <QImage>
#include <QString>

class RevellTrack;

// Draws the pieces of a picture with the layout's own graphic items
// (DiagramItem outlines, DiagramPathItem lane lines) laid end to end as the
// layout chains them, scaled to fit aSpec's size with a margin on white.
// Returns a null image and sets aError when a part number is unknown.
QImage paintPieces(const PictureEntry &aSpec, const RevellTrack &aCatalog, QString *aError);

// The program's icon: aSpec's chain of lanes 1 and 2 on a green baseboard
// with rounded corners, transparent around it.
QImage paintProgramIcon(const PictureEntry &aSpec, const RevellTrack &aCatalog, QString *aError);

// A straight with its apron bands and the labels of its connection
// positions, lanes and corners, as the run log's legend names them.
QImage paintLegend(QSize aSize, const RevellTrack &aCatalog, QString *aError);
