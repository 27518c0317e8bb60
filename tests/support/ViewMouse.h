#pragma once

// The mouse on a graphics view, as a hand uses it: clicks, the events of a
// quick double click and drags in small steps, all aimed at scene points.

#include <QApplication>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QtTest>

struct ViewMouse
{
    QGraphicsView *mView = nullptr;
    // How long each click waits afterwards, so that a delayed click has acted.
    int mWaitMs = 0;

    QWidget *viewport() const { return mView->viewport(); }
    QPoint toView(QPointF aScene) const { return mView->mapFromScene(aScene); }
    // The scene point that a click aimed at aScene really reaches.
    QPointF reached(QPointF aScene) const { return mView->mapToScene(toView(aScene)); }

    // The point nearest the middle of aItem where aItem is topmost; x < 0 when none.
    QPointF pointOn(QGraphicsItem *aItem) const
    {
        mView->centerOn(aItem);
        const QRectF box = aItem->sceneBoundingRect();
        QPointF best(-1, -1);
        for (double y = box.top() + 1; y < box.bottom(); y += 1.0) {
            for (double x = box.left() + 1; x < box.right(); x += 1.0) {
                const QPointF p = reached(QPointF(x, y));
                if ((best.x() < 0 ||
                     QLineF(p, box.center()).length() < QLineF(best, box.center()).length()) &&
                    mView->scene()->itemAt(p, QTransform()) == aItem)
                    best = p;
            }
        }
        return best;
    }
    void click(QPointF aScene) const
    {
        QTest::mouseClick(viewport(), Qt::LeftButton, Qt::NoModifier, toView(aScene));
        QTest::qWait(mWaitMs);
    }
    void doubleClick(QPointF aScene) const
    {
        const QPoint p = toView(aScene);
        QTest::mouseClick(viewport(), Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseDClick(viewport(), Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::NoModifier, p);
        QTest::qWait(mWaitMs);
    }
    // One turn of the wheel by aAngleDelta (120 a notch) at aViewportPos.
    void wheel(const QPoint &aViewportPos, int aAngleDelta,
               Qt::KeyboardModifiers aModifiers = Qt::NoModifier) const
    {
        QWheelEvent event(aViewportPos, viewport()->mapToGlobal(aViewportPos), QPoint(),
                          QPoint(0, aAngleDelta), Qt::NoButton, aModifiers, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(viewport(), &event);
    }
    // A left-button drag along straight legs between the waypoints.
    void drag(const QList<QPointF> &aWaypoints) const
    {
        QTest::mousePress(viewport(), Qt::LeftButton, Qt::NoModifier, toView(aWaypoints.first()));
        for (int leg = 1; leg < aWaypoints.size(); ++leg) {
            const QPointF from = aWaypoints.at(leg - 1);
            const QPointF to = aWaypoints.at(leg);
            const int steps = qMax(1, int(QLineF(from, to).length() / 2));
            for (int i = 1; i <= steps; ++i) {
                const QPoint p = toView(from + (to - from) * i / steps);
                QMouseEvent move(QEvent::MouseMove, p, viewport()->mapToGlobal(p), Qt::NoButton,
                                 Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(viewport(), &move);
            }
        }
        QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::NoModifier, toView(aWaypoints.last()));
    }
};
