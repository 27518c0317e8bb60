#include "QLedIndicator.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

namespace {

// Both rings share one grey shading; only their light source differs.
const QColor kRingLight(224, 224, 224);
const QColor kRingDark(28, 28, 28);

QRadialGradient shading(qreal aCentre, const QColor &aInner, const QColor &aOuter)
{
    QRadialGradient gradient(QPointF(aCentre, aCentre), 1500, QPointF(aCentre, aCentre));
    gradient.setColorAt(0, aInner);
    gradient.setColorAt(1, aOuter);
    return gradient;
}

} // namespace

QLedIndicator::QLedIndicator(QWidget *aParent) : QAbstractButton(aParent)
{
    setMinimumSize(24, 24);
    setCheckable(true);
}

void QLedIndicator::showSaveStatus(bool aChanged, bool aSaved)
{
    setChecked(false);
    if (const std::optional<LedColors> colors = saveStatusColors(aChanged, aSaved)) {
        mOnColor1 = colors->mCentre;
        mOnColor2 = colors->mEdge;
    }
    setChecked(true);
}

void QLedIndicator::resizeEvent(QResizeEvent *)
{
    update();
}

void QLedIndicator::paintEvent(QPaintEvent *)
{
    // The drawing lives in a 1000 x 1000 square centred in the widget, so the
    // lamp stays round and centred whatever the widget's proportions.
    const qreal scale = std::min(width(), height()) / 1000.0;

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.translate(width() / 2, height() / 2);
    painter.scale(scale, scale);

    painter.setBrush(shading(-500, kRingLight, kRingDark));
    painter.drawEllipse(QRectF(-500, -500, 1000, 1000));

    painter.setBrush(shading(500, kRingLight, kRingDark));
    painter.drawEllipse(QRectF(-450, -450, 900, 900));

    if (isChecked())
        painter.setBrush(shading(-500, mOnColor1, mOnColor2));
    else
        painter.setBrush(shading(500, mOffColor1, mOffColor2));
    painter.drawEllipse(QRectF(-400, -400, 800, 800));
}

std::optional<LedColors> saveStatusColors(bool aChanged, bool aSaved)
{
    if (aChanged && !aSaved)
        return LedColors{QColor(255, 255, 0), QColor(192, 192, 0)};
    if (aSaved && !aChanged)
        return LedColors{QColor(0, 255, 0), QColor(0, 192, 0)};
    if (!aChanged && !aSaved)
        return LedColors{QColor(255, 0, 0), QColor(192, 0, 0)};
    return std::nullopt;
}
