// Draws every picture the program shows (toolbox, action and viewer icons,
// background tiles and the piece pictures under data/track_pieces) into a
// repository tree. Piece pictures come from the layout's own graphic items,
// so the icons always match the drawn track.
//
// Usage: lanewright-picturegen <repository root>

#include "catalog/RevellTrack.h"
#include "tools/OffscreenStart.h"
#include "tools/PictureList.h"
#include "tools/PictureRenderer.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    drawOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: lanewright-picturegen <repository root>\n");
        return 2;
    }
    const QString root = args.at(1);

    const RevellTrack catalog;
    int written = 0;
    for (const PictureEntry &entry : pictureList()) {
        QString error;
        const QImage image = renderPicture(entry, catalog, &error);
        if (image.isNull() || !writePicture(entry, image, root, &error)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(entry.mName), qPrintable(error));
            return 1;
        }
        ++written;
    }
    std::printf("wrote %d pictures below %s\n", written, qPrintable(root));
    return 0;
}
