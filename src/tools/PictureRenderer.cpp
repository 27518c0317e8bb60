#include "tools/PictureRenderer.h"

#include "tools/GlyphPainter.h"
#include "tools/PieceRenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

QImage renderPicture(const PictureSpec &aSpec, const RevellTrack &aCatalog, QString *aError)
{
    switch (aSpec.mKind) {
    case PictureKind::Piece:
        return paintPieces(aSpec, aCatalog, aError);
    case PictureKind::Legend:
        return paintLegend(aSpec.mSize, aCatalog, aError);
    case PictureKind::Glyph: {
        // JPEG keeps no transparency; the two viewer buttons sit side by side,
        // so both get the same white ground whatever their format.
        const bool opaque = pictureFormat(aSpec.mName) == QLatin1String("jpg") ||
                            aSpec.mGlyph == Glyph::Back || aSpec.mGlyph == Glyph::Forward;
        return paintGlyph(aSpec.mGlyph, aSpec.mSize, opaque);
    }
    case PictureKind::Background:
        return paintBackground(aSpec.mBackground, aSpec.mSize);
    }
    *aError = QStringLiteral("unknown picture kind");
    return QImage();
}

bool writePicture(const PictureSpec &aSpec, const QImage &aImage, const QString &aRoot,
                  QString *aError)
{
    const QString format = pictureFormat(aSpec.mName);
    const QString relative = repositoryPath(aSpec.mName);
    if (format.isEmpty() || relative.isEmpty()) {
        *aError = QStringLiteral("no file name for ") + aSpec.mName;
        return false;
    }
    const QString path = QDir(aRoot).filePath(relative);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *aError = QStringLiteral("cannot create the folder of ") + path;
        return false;
    }
    QImageWriter writer(path, format == QLatin1String("jpg") ? "jpeg" : "png");
    if (format == QLatin1String("jpg"))
        writer.setQuality(85);
    const QImage image =
        format == QLatin1String("jpg") ? aImage.convertToFormat(QImage::Format_RGB32) : aImage;
    if (!writer.write(image)) {
        *aError = path + QStringLiteral(": ") + writer.errorString();
        return false;
    }
    return true;
}
