#include "HintButton.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtMath>

namespace {

// Room for a word or two of a hint however narrow the row.
constexpr int kShortestText = 60;

} // namespace

HintButton::HintButton(QWidget *aParent) : QPushButton(aParent)
{
    // A push button's own policy takes its whole text as its least width.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void HintButton::setHint(const QString &aText, const QString &aToolTip)
{
    mHint = aText;
    mToolTip = aToolTip;
    updateGeometry();
    showHint();
}

// What the style puts around a button's text, asked of the style itself:
// each style pads its buttons differently.
int HintButton::padding() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    const QSize text(0, fontMetrics().height());
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, text, this).width();
}

QSize HintButton::sizeHint() const
{
    const QSize base = QPushButton::sizeHint();
    // The text's width is fractional, and eliding compares it whole: a
    // pixel over the rounded-up width keeps a hint that fits from losing
    // its last figures.
    const int text = qCeil(QFontMetricsF(font()).horizontalAdvance(mHint)) + 1;
    return QSize(std::max(base.width(), text + padding()), base.height());
}

QSize HintButton::minimumSizeHint() const
{
    return QSize(std::min(sizeHint().width(), kShortestText + padding()),
                 QPushButton::minimumSizeHint().height());
}

void HintButton::resizeEvent(QResizeEvent *aEvent)
{
    QPushButton::resizeEvent(aEvent);
    showHint();
}

void HintButton::showHint()
{
    const QString shown =
        fontMetrics().elidedText(mHint, Qt::ElideRight, std::max(0, width() - padding()));
    setText(shown);
    setToolTip(shown == mHint ? mToolTip : mHint);
}
