#include "app/QLedIndicator.h"
#include "support/TestRuntime.h"

#include <QImage>
#include <QtTest>

namespace {

// The widget as the screen would show it, on a transparent ground so the
// pixels outside the lamp stay empty.
QImage renderLamp(QLedIndicator &aLamp)
{
    QImage image(aLamp.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    aLamp.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool near(QRgb aPixel, int aRed, int aGreen, int aBlue, int aTolerance = 8)
{
    return qAlpha(aPixel) == 255 && qAbs(qRed(aPixel) - aRed) <= aTolerance &&
           qAbs(qGreen(aPixel) - aGreen) <= aTolerance && qAbs(qBlue(aPixel) - aBlue) <= aTolerance;
}

QByteArray describe(QRgb aPixel)
{
    return QByteArray::number(qRed(aPixel)) + ',' + QByteArray::number(qGreen(aPixel)) + ',' +
           QByteArray::number(qBlue(aPixel)) + " alpha " + QByteArray::number(qAlpha(aPixel));
}

} // namespace

// The save-status lamp: which colours the layout's flags call for, its
// colour properties and how it paints.
class LedIndicatorTest : public QObject
{
    Q_OBJECT
private slots:
    void flagsGiveTheStatusColour_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("keeps");
        QTest::addColumn<QColor>("centre");
        QTest::addColumn<QColor>("edge");
        QTest::newRow("new or cleared: red")
            << false << false << false << QColor(255, 0, 0) << QColor(192, 0, 0);
        QTest::newRow("changed, not saved: yellow")
            << true << false << false << QColor(255, 255, 0) << QColor(192, 192, 0);
        QTest::newRow("saved or opened: green")
            << false << true << false << QColor(0, 255, 0) << QColor(0, 192, 0);
        QTest::newRow("both flags: keep") << true << true << true << QColor() << QColor();
    }

    void flagsGiveTheStatusColour()
    {
        QFETCH(bool, changed);
        QFETCH(bool, saved);
        QFETCH(bool, keeps);
        QFETCH(QColor, centre);
        QFETCH(QColor, edge);
        const std::optional<LedColors> colors = saveStatusColors(changed, saved);
        QCOMPARE(colors.has_value(), !keeps);
        if (colors) {
            QCOMPARE(colors->mCentre, centre);
            QCOMPARE(colors->mEdge, edge);
        }
    }

    void paintsTheLitColourWhenCheckedAndTheDarkOneWhenNot()
    {
        TestRuntime runtime;
        QLedIndicator lamp;
        lamp.resize(30, 30);
        lamp.showSaveStatus(true, false);
        // Lit: the light falls from the upper left, so the centre shows the
        // yellow about halfway to the edge colour.
        QImage image = renderLamp(lamp);
        QVERIFY2(near(image.pixel(15, 15), 224, 224, 0), describe(image.pixel(15, 15)));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);

        lamp.setChecked(false);
        image = renderLamp(lamp);
        QVERIFY2(near(image.pixel(15, 15), 0, 74, 0), describe(image.pixel(15, 15)));
    }
};

QTEST_MAIN(LedIndicatorTest)
#include "test_ledindicator.moc"
