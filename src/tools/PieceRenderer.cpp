#include "tools/PieceRenderer.h"

#include "catalog/RevellTrack.h"
#include "graphics/DiagramItem.h"
#include "graphics/DiagramPathItem.h"
#include "layout/Chaining.h"
#include "tools/GlyphPainter.h"

#include <QFont>
#include <QGraphicsScene>
#include <QPainter>

namespace {

using namespace PictureColors;

// The end of a chain being laid: where and in which direction the next piece
// goes, and whether the lanes have swapped on the way.
struct ChainEnd
{
    QPointF mPoint;
    double mAngle = 0.0;
    bool mLaneSwap = false;
};

QPen outlinePen()
{
    QPen pen(kOutline, 1.0);
    pen.setCosmetic(true);
    return pen;
}

// Attachments wear the colours the layout gives them.
QColor attachmentColor(const QString &aPartNumber)
{
    const QString family = aPartNumber.left(6);
    if (family == "R3617g" || family == "R3618g")
        return QColor(64, 64, 64);
    if (family == "R3617w" || family == "R3618w")
        return QColor(250, 250, 250);
    if (family == "R3628o")
        return QColor(245, 103, 47);
    return QColor(192, 192, 192);
}

// Lays one piece at aEnd and moves aEnd past it: the piece's lower-left
// corner sits on the chain's end, turned to the chain's direction.
DiagramItem *layPiece(QGraphicsScene &aScene, const RevellTrack &aCatalog,
                      const QString &aPartNumber, bool aLanes34, const QColor &aFill,
                      ChainEnd &aEnd, QString *aError)
{
    const int type = diagramTypeOf(aPartNumber);
    const int dbIndex = aCatalog.findIndex(aPartNumber);
    if (type < 0 || type > DiagramTypeBase::F8517_L || dbIndex < 0) {
        *aError = QStringLiteral("not a track piece: ") + aPartNumber;
        return nullptr;
    }
    const auto diagramType = static_cast<DiagramTypeBase::DiagramType>(type);
    auto *item =
        new DiagramItem(nullptr, nullptr, diagramType, nullptr, &aCatalog, 0, aLanes34, QString());
    item->setBrush(aFill);
    item->setPen(outlinePen());
    item->setRotation(aEnd.mAngle);
    item->setPos(aEnd.mPoint);
    aScene.addItem(item);

    static const std::array<QBrush, 4> laneBrushes{QBrush(kLane1), QBrush(kLane2), QBrush(Qt::blue),
                                                   QBrush(Qt::yellow)};
    const int firstLane = aLanes34 ? 3 : 1;
    for (int lane = firstLane; lane <= firstLane + 1; ++lane) {
        auto *path = new DiagramPathItem(nullptr, nullptr, diagramType, 0, lane, laneBrushes[0],
                                         laneBrushes[1], laneBrushes[2], laneBrushes[3],
                                         aEnd.mLaneSwap, &aCatalog);
        path->setRotation(aEnd.mAngle);
        path->setPos(aEnd.mPoint);
        aScene.addItem(path);
    }

    // The same arithmetic as the layout's own chain, so a picture shows a
    // chain exactly as it would be laid.
    const TrackPiece &piece = aCatalog.piece(dbIndex);
    aEnd.mPoint = Chaining::forwardPoint(aEnd.mPoint, aEnd.mAngle, piece.mLowerLeft,
                                         piece.mLowerRight, item->mScale);
    aEnd.mAngle = Chaining::normalisedAngle(aEnd.mAngle +
                                            Chaining::turnAngle(piece.mCurveDeg, piece.mDirection));
    if (piece.mLaneSwap)
        aEnd.mLaneSwap = !aEnd.mLaneSwap;
    return item;
}

bool layChain(QGraphicsScene &aScene, const RevellTrack &aCatalog, const QStringList &aChain,
              ChainEnd aStart, bool aLanes34, const QColor &aFirstFill, QString *aError,
              DiagramItem **aFirst = nullptr)
{
    ChainEnd end = aStart;
    for (int i = 0; i < aChain.size(); ++i) {
        DiagramItem *item = layPiece(aScene, aCatalog, aChain.at(i), aLanes34,
                                     i == 0 ? aFirstFill : kTrack, end, aError);
        if (item == nullptr)
            return false;
        if (i == 0 && aFirst != nullptr)
            *aFirst = item;
    }
    return true;
}

// An attachment lies in its host's frame, so it takes the host's place and turn.
bool attach(QGraphicsScene &aScene, const RevellTrack &aCatalog, const DiagramItem &aHost,
            const QString &aPartNumber, QString *aError)
{
    const int type = diagramTypeOf(aPartNumber);
    if (type <= DiagramTypeBase::F8517_L || aCatalog.findIndex(aPartNumber) < 0) {
        *aError = QStringLiteral("not an attachment: ") + aPartNumber;
        return false;
    }
    const QString direction = aCatalog.piece(aHost.mDbIndex).mDirection;
    auto *item = new DiagramItem(nullptr, nullptr, static_cast<DiagramTypeBase::DiagramType>(type),
                                 nullptr, &aCatalog, 0, false, direction);
    item->setBrush(attachmentColor(aPartNumber));
    item->setPen(outlinePen());
    item->setRotation(aHost.rotation());
    item->setPos(aHost.pos());
    aScene.addItem(item);
    return true;
}

// The scene's aSource drawn into aTarget, which has the same proportions.
QImage renderScene(QGraphicsScene &aScene, QSize aSize, const QRectF &aTarget,
                   const QRectF &aSource)
{
    QImage image(aSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    aScene.render(&painter, aTarget, aSource, Qt::IgnoreAspectRatio);
    return image;
}

// The largest rectangle of aSource's proportions inside aRoom, centred in it.
QRectF fitted(const QRectF &aSource, const QRectF &aRoom)
{
    const double scale = qMin(aRoom.width() / aSource.width(), aRoom.height() / aSource.height());
    QRectF target(QPointF(0, 0), aSource.size() * scale);
    target.moveCenter(aRoom.center());
    return target;
}

QRectF withMargin(QSize aSize)
{
    const double margin = qMax(3.0, 0.06 * qMin(aSize.width(), aSize.height()));
    return QRectF(QPointF(0, 0), QSizeF(aSize)).adjusted(margin, margin, -margin, -margin);
}

} // namespace

QImage paintPieces(const PictureEntry &aSpec, const RevellTrack &aCatalog, QString *aError)
{
    QGraphicsScene scene;
    DiagramItem *host = nullptr;
    const QColor firstFill = aSpec.mAttachments.isEmpty() ? kTrack : kLight;
    if (!layChain(scene, aCatalog, aSpec.mLanes12, ChainEnd(), false, firstFill, aError, &host))
        return QImage();
    if (host == nullptr) {
        *aError = QStringLiteral("no piece to draw in ") + aSpec.mName;
        return QImage();
    }
    // Lanes 3 and 4 start one two-lane track width to the upper side.
    ChainEnd second;
    second.mPoint = QPointF(0.0, -aCatalog.width * host->mScale);
    if (!layChain(scene, aCatalog, aSpec.mLanes34, second, true, kTrack, aError))
        return QImage();
    for (const QString &part : aSpec.mAttachments) {
        if (!attach(scene, aCatalog, *host, part, aError))
            return QImage();
    }
    const QRectF source = scene.itemsBoundingRect();
    return renderScene(scene, aSpec.mSize, fitted(source, withMargin(aSpec.mSize)), source);
}

QImage paintProgramIcon(const PictureEntry &aSpec, const RevellTrack &aCatalog, QString *aError)
{
    QGraphicsScene scene;
    if (!layChain(scene, aCatalog, aSpec.mLanes12, ChainEnd(), false, kTrack, aError))
        return QImage();
    if (scene.items().isEmpty()) {
        *aError = QStringLiteral("no piece to draw in ") + aSpec.mName;
        return QImage();
    }
    QImage image(aSpec.mSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = qMin(aSpec.mSize.width(), aSpec.mSize.height());
    const QRectF board = QRectF(QPointF(0, 0), QSizeF(aSpec.mSize))
                             .adjusted(side / 32, side / 32, -side / 32, -side / 32);
    painter.setPen(QPen(kOutline, side / 64));
    painter.setBrush(QColor(46, 125, 50));
    painter.drawRoundedRect(board, side / 6, side / 6);
    const QRectF source = scene.itemsBoundingRect();
    const double room = side / 14;
    scene.render(&painter, fitted(source, board.adjusted(room, room, -room, -room)), source,
                 Qt::IgnoreAspectRatio);
    return image;
}

QImage paintLegend(QSize aSize, const RevellTrack &aCatalog, QString *aError)
{
    QGraphicsScene scene;
    DiagramItem *host = nullptr;
    if (!layChain(scene, aCatalog, {"R3600"}, ChainEnd(), false, kLight, aError, &host))
        return QImage();
    for (const char *apron : {"R3614_U", "R3614_L"}) {
        if (!attach(scene, aCatalog, *host, apron, aError))
            return QImage();
    }

    // Room around the piece for the labels; the piece keeps its proportions.
    const QRectF source = scene.itemsBoundingRect();
    const QRectF room(QPointF(48, 22), QPointF(aSize.width() - 48, aSize.height() - 22));
    const QRectF target = fitted(source, room);
    const double scale = target.width() / source.width();
    QImage image = renderScene(scene, aSize, target, source);

    // Piece-local millimetres (y counted up from the lower edge) to pixels.
    const double k = host->mScale;
    auto at = [&](double aX, double aUp) {
        return target.topLeft() + (QPointF(aX * k, -aUp * k) - source.topLeft()) * scale;
    };
    const double L = aCatalog.length;
    const double W = aCatalog.width;
    const double Wa = aCatalog.apron2 - aCatalog.width;

    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(kOutline);
    auto label = [&](QPointF aAnchor, const QString &aText, Qt::Alignment aAlign) {
        QRectF box(0, 0, 80, 14);
        if (aAlign & Qt::AlignRight)
            box.moveRight(aAnchor.x());
        else if (aAlign & Qt::AlignLeft)
            box.moveLeft(aAnchor.x());
        else
            box.moveCenter(QPointF(aAnchor.x(), box.center().y()));
        box.moveTop(aAnchor.y() - 7);
        painter.drawText(box, int(aAlign | Qt::AlignVCenter), aText);
    };
    const double pad = 4;
    const double apronUpper = W + Wa / 2;
    const double apronLower = -Wa / 2;
    label(at(0, apronUpper) + QPointF(pad, 0), "2a", Qt::AlignLeft);
    label(at(L / 2, apronUpper), "2c  apron", Qt::AlignHCenter);
    label(at(L, apronUpper) - QPointF(pad, 0), "2b", Qt::AlignRight);
    label(at(0, apronLower) + QPointF(pad, 0), "1a", Qt::AlignLeft);
    label(at(L / 2, apronLower), "1c  apron", Qt::AlignHCenter);
    label(at(L, apronLower) - QPointF(pad, 0), "1b", Qt::AlignRight);
    label(at(L / 2, (W + aCatalog.track2) / 2), "left/upper (2)", Qt::AlignHCenter);
    label(at(L / 2, aCatalog.track1 / 2), "right/lower (1)", Qt::AlignHCenter);
    label(at(0, W / 2) + QPointF(pad, 0), "front(a)", Qt::AlignLeft);
    label(at(L, W / 2) - QPointF(pad, 0), "back(b)", Qt::AlignRight);
    label(at(0, aCatalog.track2) - QPointF(pad, 0), "lane 2", Qt::AlignRight);
    label(at(0, aCatalog.track1) - QPointF(pad, 0), "lane 1", Qt::AlignRight);
    label(at(0, W / 2) - QPointF(pad, 0), "(0a)", Qt::AlignRight);
    label(at(L, W / 2) + QPointF(pad, 0), "(0b)", Qt::AlignLeft);
    label(at(0, W) - QPointF(pad, 0), "(0,W)", Qt::AlignRight);
    label(at(0, 0) - QPointF(pad, 0), "(0,0)", Qt::AlignRight);
    label(at(L, W) + QPointF(pad, 0), "(L,W)", Qt::AlignLeft);
    label(at(L, 0) + QPointF(pad, 0), "(L,0)", Qt::AlignLeft);
    label(at(0, W + Wa) - QPointF(0, 9), "(0,W+Wa)", Qt::AlignHCenter);
    label(at(L, W + Wa) - QPointF(0, 9), "(L,W+Wa)", Qt::AlignHCenter);
    label(at(0, -Wa) + QPointF(0, 9), "(0,-Wa)", Qt::AlignHCenter);
    label(at(L, -Wa) + QPointF(0, 9), "(L,-Wa)", Qt::AlignHCenter);

    // The direction of travel, beside the back end.
    const QPointF arrowStart = at(L, W * 0.72) + QPointF(pad, 0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kAccent, 2.0));
    painter.drawLine(arrowStart, arrowStart + QPointF(26, 0));
    painter.setBrush(kAccent);
    painter.setPen(Qt::NoPen);
    const QPointF tip = arrowStart + QPointF(34, 0);
    QPolygonF head;
    head << tip << tip + QPointF(-9, -5) << tip + QPointF(-9, 5);
    painter.drawPolygon(head);
    return image;
}
