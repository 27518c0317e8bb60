#include "HintButton.h"

#include <QStyle>

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

int HintButton::padding() const
{
    return 2 * style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, this) +
           2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
}

QSize HintButton::sizeHint() const
{
    const QSize base = QPushButton::sizeHint();
    return QSize(std::max(base.width(), fontMetrics().horizontalAdvance(mHint) + padding()),
                 base.height());
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
