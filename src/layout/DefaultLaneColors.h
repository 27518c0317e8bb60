#pragma once

#include <QBrush>
#include <QByteArray>
#include <QString>

#include <array>

class QIODevice;

// Where the four default lane colours are kept between runs, relative to bin/.
extern const char *const kDefaultLaneColorsPath; // "../data/defaultLaneColors.txt"

// Reads the default lane colours: four whitespace-separated colour names,
// lanes 1 to 4. A missing file leaves aBrushes as they are. A word missing at
// the end repeats the one before it (a file without words gives the empty
// name); a name that is not one of the eight lane colours gives black.
// False when the file could not be opened.
bool readDefaultLaneColors(std::array<QBrush, 4> &aBrushes,
                           const QString &aPath = QString::fromLatin1(kDefaultLaneColorsPath));

// The same from an open stream.
void readDefaultLaneColors(std::array<QBrush, 4> &aBrushes, QIODevice &aIn);

// The file's text: the four colour names, one per line.
QByteArray defaultLaneColorsText(const std::array<QBrush, 4> &aBrushes);

// Writes the four colour names, one per line. The file is replaced only once it
// is complete; false when it could not be written (the old file then stays).
bool writeDefaultLaneColors(const std::array<QBrush, 4> &aBrushes,
                            const QString &aPath = QString::fromLatin1(kDefaultLaneColorsPath));
