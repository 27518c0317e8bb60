#pragma once

#include "tools/PictureList.h"

#include <QImage>
#include <QString>

class RevellTrack;

// Draws one picture of the list at its size. Returns a null image and sets
// aError when it cannot be drawn (a part number the catalog does not know).
QImage renderPicture(const PictureSpec &aSpec, const RevellTrack &aCatalog, QString *aError);

// Writes a drawn picture below aRoot at its repository path, creating the
// folders, in the format its name asks for (JPEG at quality 85).
bool writePicture(const PictureSpec &aSpec, const QImage &aImage, const QString &aRoot,
                  QString *aError);
