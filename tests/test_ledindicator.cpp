#include "app/QLedIndicator.h"
#include "support/TestRuntime.h"

#include <QImage>
#include <QtTest>

namespace {

// The lamp's middle pixel as the screen would show it.
QRgb middle(QLedIndicator &aLamp)
{
    QImage image(aLamp.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    aLamp.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    // Outside the round lamp nothing is painted.
    return qAlpha(image.pixel(0, 0)) == 0 ? image.pixel(15, 15) : 0;
}

// Empty when aPixel is opaque and within 8 of aWanted in each channel; else the pixel.
QString unlike(QRgb aPixel, const QColor &aWanted)
{
    const bool near = qAlpha(aPixel) == 255 && qAbs(qRed(aPixel) - aWanted.red()) <= 8 &&
                      qAbs(qGreen(aPixel) - aWanted.green()) <= 8 &&
                      qAbs(qBlue(aPixel) - aWanted.blue()) <= 8;
    return near ? QString() : QColor::fromRgba(aPixel).name(QColor::HexArgb);
}

} // namespace

// The save-status lamp as it paints the layout's flags.
class LedIndicatorTest : public QObject
{
    Q_OBJECT
private slots:
    void paintsTheColourOfTheFlagsLitAndDarkWhenNot_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("saved");
        // The light falls from the upper left, so the middle shows the centre
        // colour about halfway to the edge colour.
        QTest::addColumn<QColor>("lit");
        QTest::newRow("new or cleared: red") << false << false << QColor(224, 0, 0);
        QTest::newRow("changed, not saved: yellow") << true << false << QColor(224, 224, 0);
        QTest::newRow("saved or opened: green") << false << true << QColor(0, 224, 0);
        // Not a state the commands make: the lamp keeps the red it had.
        QTest::newRow("both flags keep the colour") << true << true << QColor(224, 0, 0);
    }
    void paintsTheColourOfTheFlagsLitAndDarkWhenNot()
    {
        QFETCH(bool, changed);
        QFETCH(bool, saved);
        QFETCH(QColor, lit);
        TestRuntime runtime;
        QLedIndicator lamp;
        lamp.resize(30, 30);
        lamp.showSaveStatus(false, false);
        lamp.showSaveStatus(changed, saved);
        const QString on = unlike(middle(lamp), lit);
        QVERIFY2(on.isEmpty(), qPrintable(on));
        lamp.setChecked(false);
        const QString off = unlike(middle(lamp), QColor(0, 74, 0));
        QVERIFY2(off.isEmpty(), qPrintable(off));
    }
};

QTEST_MAIN(LedIndicatorTest)
#include "test_ledindicator.moc"
