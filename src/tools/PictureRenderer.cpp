#include "tools/PictureRenderer.h"

#include "tools/GlyphPainter.h"
#include "tools/PieceRenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QBuffer>
#include <QSaveFile>

QImage renderPicture(const PictureEntry &aSpec, const RevellTrack &aCatalog, QString *aError)
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
    case PictureKind::Icon:
        return paintProgramIcon(aSpec, aCatalog, aError);
    }
    *aError = QStringLiteral("unknown picture kind");
    return QImage();
}

QByteArray encodePicture(const PictureEntry &aSpec, const QImage &aImage)
{
    const QString format = pictureFormat(aSpec.mName);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool written = false;
    if (format == QLatin1String("jpg"))
        written = aImage.convertToFormat(QImage::Format_RGB32).save(&buffer, "jpeg", 85);
    else if (format == QLatin1String("png"))
        written = aImage.save(&buffer, "png");
    return written ? bytes : QByteArray();
}

bool writePicture(const PictureEntry &aSpec, const QImage &aImage, const QString &aRoot,
                  QString *aError)
{
    const QString relative = repositoryPath(aSpec.mName);
    const QByteArray bytes = encodePicture(aSpec, aImage);
    if (relative.isEmpty() || bytes.isEmpty()) {
        *aError = QStringLiteral("cannot encode ") + aSpec.mName;
        return false;
    }
    const QString path = QDir(aRoot).filePath(relative);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *aError = QStringLiteral("cannot create the folder of ") + path;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *aError = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return true;
}
