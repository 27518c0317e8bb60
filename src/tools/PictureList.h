#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// What a picture shows.
enum class PictureKind
{
    Piece,      // a top view of catalog pieces drawn by the layout's own items
    Legend,     // a straight with its connection positions, labelled
    Glyph,      // an action or viewer icon
    Background, // a scene background tile
    Icon,       // the program's icon: a circuit of pieces on a baseboard
};

// The action and viewer icons.
enum class Glyph
{
    Delete,
    Replace,
    Attach,
    Tilt,
    Insert,
    Append,
    Elevation,
    SendToBack,
    BringToFront,
    Back,
    Forward,
};

// The scene background tiles, in toolbox order.
enum class Background
{
    BlueGrid,
    WhiteGrid,
    GrayGrid,
    NoGrid
};

// One picture the program shows: the name under which the program reads it
// (":/images/..." for a compiled-in resource, "../data/track_pieces/..." for a
// file beside the program), its size in pixels and what it shows.
struct PictureEntry
{
    QString mName;
    QSize mSize;
    PictureKind mKind = PictureKind::Piece;
    // Piece and Icon: the chain of lanes 1 and 2, first piece first, laid end to end.
    QStringList mLanes12;
    // Piece: the chain of lanes 3 and 4, laid one track width beside lanes 1
    // and 2 on the upper side (four-lane pictures only).
    QStringList mLanes34;
    // Piece: attachments drawn on the first piece of mLanes12, which is then
    // drawn light so the attachment stands out.
    QStringList mAttachments;
    Glyph mGlyph = Glyph::Delete;
    Background mBackground = Background::NoGrid;
};

// Every picture the program names, each once. The generator draws exactly
// these and the tests check exactly these, so the list is the one place a
// picture name is written outside the code that shows it.
const QVector<PictureEntry> &pictureList();

// The list entry whose program name is aName, or nullptr.
const PictureEntry *findPicture(const QString &aName);

// Where a picture lies under the repository root: ":/images/x.png" is
// "resources/images/x.png" (compiled in as "images/x.png"), and
// "../data/track_pieces/..." is "data/track_pieces/..." (the program runs
// in bin/ beside data/).
QString repositoryPath(const QString &aName);

// The image format a picture name asks for: "jpg" or "png"; empty otherwise.
QString pictureFormat(const QString &aName);
