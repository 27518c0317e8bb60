#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QVector>

class QWidget;

// Keeps the large widgets of the main window in proportion to the window.
// Each registered widget remembers the geometry it had when registered; a
// resize scales that geometry by the ratio of the new window size to the
// initial one. The window never scales them below half the initial size, so
// shrinking further leaves them at half size. Widgets that are not registered
// keep their designed geometry.
class ProportionalResizer
{
public:
    ProportionalResizer(int aWidth, int aHeight);

    // Records aWidget's current geometry as its geometry at the initial window size.
    void addWidget(QWidget *aWidget);
    // Lays every registered widget out for a window of aSize.
    void apply(const QSize &aSize) const;

    // The geometry aRect (at the initial size) takes in a window of aSize:
    // each coordinate scaled and truncated toward zero.
    QRect scaled(const QRect &aRect, const QSize &aSize) const;

    int initialWidth() const { return mWidth; }
    int initialHeight() const { return mHeight; }
    int minimumWidth() const { return mMinWidth; }
    int minimumHeight() const { return mMinHeight; }

private:
    struct Entry
    {
        QPointer<QWidget> mWidget;
        QRect mGeometry;
    };

    int mWidth;
    int mHeight;
    int mMinWidth;
    int mMinHeight;
    QVector<Entry> mEntries;
};
