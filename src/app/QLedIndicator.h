#pragma once

#include <QAbstractButton>
#include <QColor>

#include <optional>

// The round save-status lamp of a layout tab. It is a checkable button:
// checked means lit. The lamp's centre and edge colours for the lit and the
// dark state are properties, so the window can recolour it between paints.
class QLedIndicator : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QColor onColor1 READ onColor1 WRITE setOnColor1)
    Q_PROPERTY(QColor onColor2 READ onColor2 WRITE setOnColor2)
    Q_PROPERTY(QColor offColor1 READ offColor1 WRITE setOffColor1)
    Q_PROPERTY(QColor offColor2 READ offColor2 WRITE setOffColor2)

public:
    explicit QLedIndicator(QWidget *aParent = nullptr);

    QColor onColor1() const { return mOnColor1; }
    QColor offColor1() const { return mOffColor1; }
    QColor onColor2() const { return mOnColor2; }
    QColor offColor2() const { return mOffColor2; }
    // Setters only store the colour; the lamp shows it at its next repaint.
    void setOnColor1(const QColor &aColor) { mOnColor1 = aColor; }
    void setOffColor1(const QColor &aColor) { mOffColor1 = aColor; }
    void setOnColor2(const QColor &aColor) { mOnColor2 = aColor; }
    void setOffColor2(const QColor &aColor) { mOffColor2 = aColor; }

    // One timer visit of the lamp: switch it off, take the lit colours that
    // the layout's two flags call for (see saveStatusColors) and switch it on.
    void showSaveStatus(bool aChanged, bool aSaved);

protected:
    void paintEvent(QPaintEvent *aEvent) override;
    void resizeEvent(QResizeEvent *aEvent) override;

private:
    QColor mOnColor1{0, 255, 0};
    QColor mOffColor1{0, 28, 0};
    QColor mOnColor2{0, 192, 0};
    QColor mOffColor2{0, 128, 0};
};

// The lit colours of a lamp: centre (onColor1) and edge (onColor2).
struct LedColors
{
    QColor mCentre;
    QColor mEdge;
};

// The lit colours that tell a layout's save status from its record's flags:
// yellow when changed and not saved, green when saved and unchanged, red when
// neither (new or cleared). Both flags at once is not a state the commands
// produce; it gives no colours, so the lamp keeps the ones it has.
std::optional<LedColors> saveStatusColors(bool aChanged, bool aSaved);
