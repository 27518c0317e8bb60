#include "layout/LaneColors.h"

#include <QLinearGradient>
#include <QtTest>

// The lane colour names and their brushes, which the logs, the layout file
// and the colours file all rely on.
class LaneColorNamesTest : public QObject
{
    Q_OBJECT
private slots:
    void namesComeInTheChoosersOrder()
    {
        QCOMPARE(laneColorNames(), QStringList({"red", "green", "blue", "yellow", "cyan", "magenta",
                                                "black", "white"}));
    }

    void everyNameRoundTripsThroughItsSolidBrush_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("color");
        QTest::newRow("red") << "red" << QColor(Qt::red);
        QTest::newRow("white") << "white" << QColor(Qt::white);
    }

    void everyNameRoundTripsThroughItsSolidBrush()
    {
        QFETCH(QString, name);
        QFETCH(QColor, color);
        const QBrush brush = laneBrush(name);
        QCOMPARE(brush.style(), Qt::SolidPattern);
        QCOMPARE(brush.color(), color);
        QCOMPARE(laneColorName(brush), name);
        QCOMPARE(laneColorName(QBrush(color)), name);
    }

    void unknownNameGivesSolidBlack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("capitalised") << "Red";
        QTest::newRow("trailing blank") << "blue ";
    }

    void unknownNameGivesSolidBlack()
    {
        QFETCH(QString, name);
        const QBrush brush = laneBrush(name);
        QCOMPARE(brush.style(), Qt::SolidPattern);
        QCOMPARE(brush.color(), QColor(Qt::black));
    }

    void unknownBrushGivesUnknown_data()
    {
        QTest::addColumn<QBrush>("brush");
        QTest::newRow("near red") << QBrush(QColor(254, 0, 0));
        QTest::newRow("red pattern") << QBrush(Qt::red, Qt::Dense4Pattern);
        QLinearGradient gradient(0, 0, 1, 1);
        gradient.setColorAt(0, Qt::red);
        gradient.setColorAt(1, Qt::red);
        QTest::newRow("red gradient") << QBrush(gradient);
    }

    void unknownBrushGivesUnknown()
    {
        QFETCH(QBrush, brush);
        QCOMPARE(laneColorName(brush), QString("unknown"));
    }
};

QTEST_GUILESS_MAIN(LaneColorNamesTest)
#include "test_lanecolornames.moc"
