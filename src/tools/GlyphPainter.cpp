#include "tools/GlyphPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace PictureColors {
const QColor kTrack(192, 192, 192);
const QColor kLight(236, 236, 236);
const QColor kOutline(64, 64, 64);
const QColor kLane1(Qt::red);
const QColor kLane2(0, 160, 0);
const QColor kAccent(30, 90, 200);
} // namespace PictureColors

namespace {

using namespace PictureColors;

// A short straight seen from above: grey body, lane 2 above lane 1.
void drawTrack(QPainter &aPainter, const QRectF &aRect, const QColor &aFill = kTrack)
{
    aPainter.setPen(QPen(kOutline, 1.5));
    aPainter.setBrush(aFill);
    aPainter.drawRect(aRect);
    const double upper = aRect.top() + aRect.height() * 0.3;
    const double lower = aRect.top() + aRect.height() * 0.7;
    aPainter.setPen(QPen(kLane2, 2.0));
    aPainter.drawLine(QPointF(aRect.left() + 1, upper), QPointF(aRect.right() - 1, upper));
    aPainter.setPen(QPen(kLane1, 2.0));
    aPainter.drawLine(QPointF(aRect.left() + 1, lower), QPointF(aRect.right() - 1, lower));
}

// A thick arrow from aFrom to aTo with a filled head.
void drawArrow(QPainter &aPainter, QPointF aFrom, QPointF aTo, const QColor &aColor,
               double aWidth = 5.0)
{
    const QLineF line(aFrom, aTo);
    const double head = aWidth * 2.4;
    const double angle = qDegreesToRadians(line.angle());
    const QPointF back(aTo.x() - head * qCos(angle), aTo.y() + head * qSin(angle));
    aPainter.setPen(QPen(aColor, aWidth, Qt::SolidLine, Qt::FlatCap));
    aPainter.drawLine(aFrom, back);
    const QPointF side(qSin(angle) * head * 0.75, qCos(angle) * head * 0.75);
    QPolygonF tip;
    tip << aTo << back + side << back - side;
    aPainter.setPen(Qt::NoPen);
    aPainter.setBrush(aColor);
    aPainter.drawPolygon(tip);
}

void drawDelete(QPainter &aPainter)
{
    aPainter.setPen(QPen(QColor(120, 0, 0), 13, Qt::SolidLine, Qt::RoundCap));
    aPainter.drawLine(QPointF(15, 15), QPointF(49, 49));
    aPainter.drawLine(QPointF(49, 15), QPointF(15, 49));
    aPainter.setPen(QPen(QColor(220, 30, 30), 9, Qt::SolidLine, Qt::RoundCap));
    aPainter.drawLine(QPointF(15, 15), QPointF(49, 49));
    aPainter.drawLine(QPointF(49, 15), QPointF(15, 49));
}

// One piece in the middle between two arrows that chase each other round it.
void drawReplace(QPainter &aPainter)
{
    drawTrack(aPainter, QRectF(18, 24, 28, 16));
    const QRectF ring(8, 8, 48, 48);
    aPainter.setBrush(Qt::NoBrush);
    aPainter.setPen(QPen(kAccent, 4.5, Qt::SolidLine, Qt::FlatCap));
    aPainter.drawArc(ring, 30 * 16, 120 * 16);
    aPainter.drawArc(ring, 210 * 16, 120 * 16);
    drawArrow(aPainter, QPointF(18, 14), QPointF(9, 24), kAccent, 4.5);
    drawArrow(aPainter, QPointF(46, 50), QPointF(55, 40), kAccent, 4.5);
}

// An apron band held against the side of a piece.
void drawAttach(QPainter &aPainter)
{
    drawTrack(aPainter, QRectF(6, 30, 52, 24));
    aPainter.setPen(QPen(kOutline, 1.5));
    aPainter.setBrush(QColor(150, 150, 150));
    aPainter.drawRect(QRectF(6, 14, 52, 9));
    drawArrow(aPainter, QPointF(32, 4), QPointF(32, 28), kAccent, 4.0);
}

// A track cross-section tipped up on a wedge: the banked curve.
void drawTilt(QPainter &aPainter)
{
    aPainter.setPen(QPen(kOutline, 1.5));
    aPainter.setBrush(QColor(150, 150, 150));
    QPolygonF wedge;
    wedge << QPointF(8, 54) << QPointF(56, 54) << QPointF(56, 30);
    aPainter.drawPolygon(wedge);
    aPainter.save();
    aPainter.translate(32, 42);
    aPainter.rotate(-26.6);
    drawTrack(aPainter, QRectF(-27, -12, 54, 10));
    aPainter.restore();
    aPainter.setPen(QPen(kOutline, 2.0));
    aPainter.drawLine(QPointF(4, 56), QPointF(60, 56));
}

// A new piece dropped into the gap between two laid pieces.
void drawInsert(QPainter &aPainter)
{
    drawTrack(aPainter, QRectF(2, 36, 19, 20));
    drawTrack(aPainter, QRectF(43, 36, 19, 20));
    drawTrack(aPainter, QRectF(23, 36, 18, 20), QColor(170, 200, 245));
    drawArrow(aPainter, QPointF(32, 4), QPointF(32, 32), kAccent, 5.0);
}

// A new piece laid on after the end of the chain.
void drawAppend(QPainter &aPainter)
{
    drawTrack(aPainter, QRectF(2, 34, 30, 20));
    drawTrack(aPainter, QRectF(34, 34, 26, 20), QColor(170, 200, 245));
    drawArrow(aPainter, QPointF(6, 18), QPointF(56, 18), kAccent, 5.0);
}

// Pieces stepping up, with an arrow up: the elevation levels.
void drawElevation(QPainter &aPainter)
{
    aPainter.setPen(QPen(kOutline, 1.5));
    for (int i = 0; i < 4; ++i) {
        const double height = 10 + 11 * i;
        aPainter.setBrush(i == 3 ? QColor(170, 200, 245) : kTrack);
        aPainter.drawRect(QRectF(4 + 11 * i, 60 - height, 11, height));
    }
    drawArrow(aPainter, QPointF(54, 58), QPointF(54, 8), kAccent, 5.0);
}

// Two overlapping sheets; the blue one is the one that moves.
void drawStack(QPainter &aPainter, bool aBlueInFront)
{
    const QRectF back(22, 22, 36, 36);
    const QRectF front(6, 6, 36, 36);
    const QColor blue(120, 170, 240);
    aPainter.setPen(QPen(kOutline, 2.0));
    aPainter.setBrush(aBlueInFront ? kTrack : blue);
    aPainter.drawRect(back);
    aPainter.setBrush(aBlueInFront ? blue : kTrack);
    aPainter.drawRect(front);
    if (!aBlueInFront) {
        // The part of the blue sheet the front one hides is shown dashed.
        aPainter.setBrush(Qt::NoBrush);
        aPainter.setPen(QPen(kAccent, 1.5, Qt::DashLine));
        aPainter.drawRect(back.intersected(front));
    }
}

void drawNavigation(QPainter &aPainter, bool aForward)
{
    QRadialGradient shade(QPointF(26, 24), 34);
    shade.setColorAt(0, QColor(120, 170, 240));
    shade.setColorAt(1, kAccent);
    aPainter.setPen(QPen(kOutline, 1.5));
    aPainter.setBrush(shade);
    aPainter.drawEllipse(QRectF(4, 4, 56, 56));
    if (aForward)
        drawArrow(aPainter, QPointF(15, 32), QPointF(50, 32), Qt::white, 8.0);
    else
        drawArrow(aPainter, QPointF(49, 32), QPointF(14, 32), Qt::white, 8.0);
}

} // namespace

QImage paintGlyph(Glyph aGlyph, QSize aSize, bool aOpaque)
{
    QImage image(aSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(aOpaque ? Qt::white : Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(aSize.width() / 64.0, aSize.height() / 64.0);
    switch (aGlyph) {
    case Glyph::Delete:
        drawDelete(painter);
        break;
    case Glyph::Replace:
        drawReplace(painter);
        break;
    case Glyph::Attach:
        drawAttach(painter);
        break;
    case Glyph::Tilt:
        drawTilt(painter);
        break;
    case Glyph::Insert:
        drawInsert(painter);
        break;
    case Glyph::Append:
        drawAppend(painter);
        break;
    case Glyph::Elevation:
        drawElevation(painter);
        break;
    case Glyph::SendToBack:
        drawStack(painter, false);
        break;
    case Glyph::BringToFront:
        drawStack(painter, true);
        break;
    case Glyph::Back:
        drawNavigation(painter, false);
        break;
    case Glyph::Forward:
        drawNavigation(painter, true);
        break;
    }
    return image;
}

QImage paintBackground(Background aBackground, QSize aSize)
{
    struct Look
    {
        QColor paper;
        QColor minor;
        QColor major;
    };
    Look look{Qt::white, Qt::white, Qt::white};
    switch (aBackground) {
    case Background::BlueGrid:
        look = {QColor(226, 236, 252), QColor(178, 202, 240), QColor(110, 150, 222)};
        break;
    case Background::WhiteGrid:
        look = {Qt::white, QColor(218, 218, 218), QColor(170, 170, 170)};
        break;
    case Background::GrayGrid:
        look = {QColor(206, 206, 206), QColor(178, 178, 178), QColor(130, 130, 130)};
        break;
    case Background::NoGrid:
        break;
    }
    QImage image(aSize, QImage::Format_RGB32);
    image.fill(look.paper);
    if (aBackground == Background::NoGrid)
        return image;

    // A tile is two feet of layout: a strong line at every foot, a faint one
    // at every six inches, rounded to whole pixels so lines stay crisp.
    QPainter painter(&image);
    for (const bool foot : {false, true}) {
        for (int step = foot ? 0 : 1; step < 4; step += 2) {
            const int x = qRound(aSize.width() * step / 4.0);
            const int y = qRound(aSize.height() * step / 4.0);
            const QColor &color = foot ? look.major : look.minor;
            painter.fillRect(QRect(x, 0, 1, aSize.height()), color);
            painter.fillRect(QRect(0, y, aSize.width(), 1), color);
        }
    }
    return image;
}
