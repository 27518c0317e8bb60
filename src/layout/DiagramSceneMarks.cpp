// The marks the tab's checks draw over a layout: open ends and collisions.

#include "DiagramScene.h"

#include <QPainter>

namespace {

const QColor kOpenEndFill(255, 140, 0, 230);
const QColor kOpenEndEdge(120, 50, 0);
const QColor kCollisionEdge(220, 0, 0);
const QColor kCollisionFill(255, 0, 0, 50);
// Screen pixels, whatever the zoom: the outline must show on a small drawing.
constexpr int kCollisionPenWidth = 3;

} // namespace

void DiagramScene::setMarks(const QList<QPolygonF> &aOpenEnds, const QPainterPath &aCollisions)
{
    const bool hadMarks = !mOpenEndMarks.isEmpty() || !mCollisionMarks.isEmpty();
    mOpenEndMarks = aOpenEnds;
    mCollisionMarks = aCollisions;
    if (hadMarks || !mOpenEndMarks.isEmpty() || !mCollisionMarks.isEmpty())
        update();
}

void DiagramScene::drawForeground(QPainter *aPainter, const QRectF &aRect)
{
    QGraphicsScene::drawForeground(aPainter, aRect);
    if (mOpenEndMarks.isEmpty() && mCollisionMarks.isEmpty())
        return;
    aPainter->save();
    aPainter->setRenderHint(QPainter::Antialiasing, true);
    if (!mCollisionMarks.isEmpty() && mCollisionMarks.boundingRect().intersects(aRect)) {
        QPen pen(kCollisionEdge, kCollisionPenWidth);
        pen.setCosmetic(true);
        pen.setJoinStyle(Qt::RoundJoin);
        aPainter->setPen(pen);
        aPainter->setBrush(kCollisionFill);
        aPainter->drawPath(mCollisionMarks);
    }
    QPen edge(kOpenEndEdge, 1);
    edge.setCosmetic(true);
    aPainter->setPen(edge);
    aPainter->setBrush(kOpenEndFill);
    for (const QPolygonF &arrow : mOpenEndMarks) {
        if (arrow.boundingRect().intersects(aRect))
            aPainter->drawPolygon(arrow);
    }
    aPainter->restore();
}
