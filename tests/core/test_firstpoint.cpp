#include "FuzzEntries.h"

#include "support/LayoutText.h"

#include <QtTest>

// The first point of a layout, from a hand-edited file or a drag, is kept at
// the precision the file stores, so a second open and save changes nothing.
class FirstPointTest : public QObject
{
    Q_OBJECT
private slots:
    void firstPointKeptSoASecondSaveChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QPointF>("drag");
        QTest::addColumn<QByteArray>("firstPoints");
        const QStringList parts{"R3601_R", "R3600", "R3621_L", "R3601_R", "R3610_L", "R3602_R"};
        QTest::newRow("three decimals in the file")
            << layoutSection("Oval", 2, "6", parts, "1234.567 987.654") << QPointF()
            << QByteArray("first point: 1234.57 987.65\n");
        QTest::newRow("four lanes dragged")
            << layoutSection("Club", 4, "6", parts) + layoutSection("Club", 4, "6", parts)
            << QPointF(800.004, 1000.006)
            << QByteArray("first point: 800.00 1000.01\nfirst point: 800.00 962.93\n");
    }
    void firstPointKeptSoASecondSaveChangesNothing()
    {
        QFETCH(QByteArray, text);
        QFETCH(QPointF, drag);
        QFETCH(QByteArray, firstPoints);
        const QByteArray saved = openAndSave(text, drag);
        QCOMPARE(openAndSave(saved), saved);
        QByteArray points;
        for (const QByteArray &line : saved.split('\n')) {
            if (line.startsWith("first point: "))
                points += line + '\n';
        }
        QCOMPARE(points, firstPoints);
    }
};

QTEST_GUILESS_MAIN(FirstPointTest)
#include "test_firstpoint.moc"
