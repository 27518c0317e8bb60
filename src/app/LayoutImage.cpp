#include "LayoutImage.h"

#include "graphics/PieceKinds.h"
#include "layout/DiagramScene.h"

#include <QFileInfo>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace {

// Pixels per scene unit: the scene draws kDrawScale units per millimetre.
constexpr double kPixelsPerUnit = LayoutImage::kPixelsPerInch / 25.4 / PieceKinds::kDrawScale;

// The scene drawn as the layout alone for as long as it lives: no background
// tile, nothing selected, none of the tab's check marks (open ends,
// collisions), so the window exports what the report tool does. Everything is
// put back afterwards.
class PlainDrawing
{
public:
    explicit PlainDrawing(QGraphicsScene &aScene)
        : mScene(aScene), mDiagram(qobject_cast<DiagramScene *>(&aScene)),
          mBackground(aScene.backgroundBrush()), mSelected(aScene.selectedItems())
    {
        mScene.setBackgroundBrush(Qt::NoBrush);
        for (QGraphicsItem *item : mSelected)
            item->setSelected(false);
        if (mDiagram) {
            mOpenEnds = mDiagram->openEndMarks();
            mCollisions = mDiagram->collisionMarks();
            mDiagram->setMarks({}, {});
        }
    }
    ~PlainDrawing()
    {
        if (mDiagram)
            mDiagram->setMarks(mOpenEnds, mCollisions);
        for (QGraphicsItem *item : mSelected)
            item->setSelected(true);
        mScene.setBackgroundBrush(mBackground);
    }
    PlainDrawing(const PlainDrawing &) = delete;
    PlainDrawing &operator=(const PlainDrawing &) = delete;

private:
    QGraphicsScene &mScene;
    DiagramScene *mDiagram;
    QBrush mBackground;
    QList<QGraphicsItem *> mSelected;
    QList<QPolygonF> mOpenEnds;
    QPainterPath mCollisions;
};

void paintDrawing(QGraphicsScene &aScene, const QRectF &aSource, QPainter &aPainter)
{
    const QRectF target(LayoutImage::kMarginPx, LayoutImage::kMarginPx,
                        aSource.width() * kPixelsPerUnit, aSource.height() * kPixelsPerUnit);
    aPainter.setRenderHint(QPainter::Antialiasing, true);
    PlainDrawing plain(aScene);
    aScene.render(&aPainter, target, aSource, Qt::IgnoreAspectRatio);
}

bool writePng(QGraphicsScene &aScene, const QRectF &aSource, QSaveFile &aFile)
{
    QImage image(LayoutImage::imageSize(aSource), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return false;
    image.fill(Qt::white);
    QPainter painter(&image);
    paintDrawing(aScene, aSource, painter);
    painter.end();
    return image.save(&aFile, "PNG");
}

bool writeSvg(QGraphicsScene &aScene, const QRectF &aSource, QSaveFile &aFile)
{
    const QSize size = LayoutImage::imageSize(aSource);
    QSvgGenerator svg;
    svg.setOutputDevice(&aFile);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Lanewright layout"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    paintDrawing(aScene, aSource, painter);
    return painter.end();
}

} // namespace

namespace LayoutImage {

QSize imageSize(const QRectF &aSceneRect)
{
    return QSize(int(std::ceil(aSceneRect.width() * kPixelsPerUnit)) + 2 * kMarginPx,
                 int(std::ceil(aSceneRect.height() * kPixelsPerUnit)) + 2 * kMarginPx);
}

bool write(QGraphicsScene &aScene, const QString &aPath, QString *aError)
{
    const QString suffix = QFileInfo(aPath).suffix().toLower();
    const bool png = suffix == QLatin1String("png");
    if (!png && suffix != QLatin1String("svg")) {
        *aError = QStringLiteral("An image is written as .png or .svg.");
        return false;
    }
    const QRectF source = aScene.itemsBoundingRect();
    if (source.isEmpty()) {
        *aError = QStringLiteral("This layout is empty.");
        return false;
    }
    const QSize size = imageSize(source);
    if (size.width() > kMaxSidePx || size.height() > kMaxSidePx) {
        *aError = QStringLiteral("The layout is too large for an image: %1 x %2 pixels, "
                                 "at most %3 on a side.")
                      .arg(size.width())
                      .arg(size.height())
                      .arg(kMaxSidePx);
        return false;
    }
    QSaveFile file(aPath);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         (png ? writePng(aScene, source, file) : writeSvg(aScene, source, file)) &&
                         file.commit();
    if (!written)
        *aError = QStringLiteral("The image could not be written: %1.").arg(file.errorString());
    return written;
}

} // namespace LayoutImage
