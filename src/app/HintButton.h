#pragma once

#include <QPushButton>
#include <QString>

// A push button for a hint of any length: where its row has no room for all
// of the hint, the text ends in an ellipsis and the tool tip holds it whole,
// so a long hint never pushes the window wider than the screen.
class HintButton : public QPushButton
{
public:
    explicit HintButton(QWidget *aParent = nullptr);

    // The whole text, and the tool tip to show while it fits.
    void setHint(const QString &aText, const QString &aToolTip);
    const QString &hint() const { return mHint; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *aEvent) override;

private:
    void showHint();
    int padding() const;

    QString mHint;
    QString mToolTip;
};
