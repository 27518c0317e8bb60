#include "ProportionalResizer.h"

#include <QWidget>

#include <algorithm>

ProportionalResizer::ProportionalResizer(int aWidth, int aHeight)
    : mWidth(aWidth), mHeight(aHeight), mMinWidth(aWidth / 2), mMinHeight(aHeight / 2)
{
}

void ProportionalResizer::addWidget(QWidget *aWidget)
{
    if (aWidget)
        mEntries.append({aWidget, aWidget->geometry()});
}

QRect ProportionalResizer::scaled(const QRect &aRect, const QSize &aSize) const
{
    if (mWidth <= 0 || mHeight <= 0)
        return aRect;
    const double sx = double(std::max(aSize.width(), mMinWidth)) / mWidth;
    const double sy = double(std::max(aSize.height(), mMinHeight)) / mHeight;
    // Conversion to int truncates toward zero, as the layout was designed for.
    return QRect(int(aRect.x() * sx), int(aRect.y() * sy), int(aRect.width() * sx),
                 int(aRect.height() * sy));
}

void ProportionalResizer::apply(const QSize &aSize) const
{
    for (const Entry &entry : mEntries) {
        // A widget may have been deleted since it was registered.
        if (entry.mWidget)
            entry.mWidget->setGeometry(scaled(entry.mGeometry, aSize));
    }
}
