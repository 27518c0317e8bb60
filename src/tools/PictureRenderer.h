#pragma once

#include "tools/PictureList.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class RevellTrack;

// Draws one picture of the list at its size. Returns a null image and sets
// aError when it cannot be drawn (a part number the catalog does not know).
QImage renderPicture(const PictureEntry &aSpec, const RevellTrack &aCatalog, QString *aError);

// A drawn picture encoded as its file holds it: JPEG at quality 85 for a
// ".jpg" name, PNG for a ".png" name; empty for any other name.
QByteArray encodePicture(const PictureEntry &aSpec, const QImage &aImage);

// Writes a drawn picture below aRoot at its repository path, creating the
// folders, in the format its name asks for (JPEG at quality 85).
bool writePicture(const PictureEntry &aSpec, const QImage &aImage, const QString &aRoot,
                  QString *aError);
