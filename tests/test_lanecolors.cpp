#include "layout/DefaultLaneColors.h"
#include "support/TestRuntime.h"

#include <QFile>
#include <QtTest>

// The default lane colours file: four names read as words, written one per line.
class LaneColorsTest : public QObject
{
    Q_OBJECT

    using Brushes = std::array<QBrush, 4>;

    static Brushes startColours()
    {
        return {{QBrush(Qt::red), QBrush(Qt::green), QBrush(Qt::blue), QBrush(Qt::yellow)}};
    }
    static void putFile(const QString &aPath, const QByteArray &aBytes)
    {
        QFile file(aPath);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(aBytes), qint64(aBytes.size()));
    }

private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<QColor>>("colours");
        using C = QList<QColor>;
        QTest::newRow("four names, one per line") << QByteArray("white\nblack\nred\nblue\n")
                                                  << C{Qt::white, Qt::black, Qt::red, Qt::blue};
        QTest::newRow("any white space between words")
            << QByteArray("  cyan\tmagenta\r\n\r\nyellow   green")
            << C{Qt::cyan, Qt::magenta, Qt::yellow, Qt::green};
        QTest::newRow("a name outside the list gives black")
            << QByteArray("red purple blue yellow\n")
            << C{Qt::red, Qt::black, Qt::blue, Qt::yellow};
        QTest::newRow("names are case-sensitive") << QByteArray("Red GREEN blue yellow\n")
                                                  << C{Qt::black, Qt::black, Qt::blue, Qt::yellow};
        QTest::newRow("two names: the second repeats for lanes 3 and 4")
            << QByteArray("blue\ncyan\n") << C{Qt::blue, Qt::cyan, Qt::cyan, Qt::cyan};
        QTest::newRow("no words gives the empty name, black")
            << QByteArray(" \n\n") << C{Qt::black, Qt::black, Qt::black, Qt::black};
        QTest::newRow("empty file")
            << QByteArray() << C{Qt::black, Qt::black, Qt::black, Qt::black};
        QTest::newRow("an overlong word stays one word")
            << QByteArray(QByteArray(200, 'r') + " green blue white")
            << C{Qt::black, Qt::green, Qt::blue, Qt::white};
        QTest::newRow("a name padded to 64 characters is no colour")
            << QByteArray(QByteArray("red") + QByteArray(61, 'x') + "\ngreen blue white")
            << C{Qt::black, Qt::green, Qt::blue, Qt::white};
        QTest::newRow("words after the fourth are ignored")
            << QByteArray("green green green green red red")
            << C{Qt::green, Qt::green, Qt::green, Qt::green};
        QTest::newRow("binary junk")
            << QByteArray("\0\xff\x01 red", 7) << C{Qt::black, Qt::red, Qt::red, Qt::red};
    }
    void reading()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<QColor>, colours);
        TestRuntime runtime;
        putFile(runtime.path("data/defaultLaneColors.txt"), content);
        Brushes brushes = startColours();
        QVERIFY(readDefaultLaneColors(brushes));
        for (int lane = 0; lane < 4; ++lane)
            QCOMPARE(brushes[lane], QBrush(colours[lane]));
    }

    void missingFileKeepsTheColoursGiven()
    {
        TestRuntime runtime;
        Brushes brushes = startColours();
        brushes[2] = QBrush(Qt::white);
        QVERIFY(!readDefaultLaneColors(brushes));
        QCOMPARE(brushes[0], QBrush(Qt::red));
        QCOMPARE(brushes[2], QBrush(Qt::white));
        QCOMPARE(brushes[3], QBrush(Qt::yellow));
    }

    void writingPutsOneNamePerLine()
    {
        TestRuntime runtime;
        const Brushes brushes{
            {QBrush(Qt::white), QBrush(Qt::black), QBrush(Qt::red), QBrush(Qt::blue)}};
        QVERIFY(writeDefaultLaneColors(brushes));
        QCOMPARE(runtime.read("data/defaultLaneColors.txt"),
                 QByteArray("white\nblack\nred\nblue\n"));
        Brushes back = startColours();
        QVERIFY(readDefaultLaneColors(back));
        QCOMPARE(back, brushes);
    }

    void unknownNameIsWrittenBackAsBlack()
    {
        TestRuntime runtime;
        putFile(runtime.path("data/defaultLaneColors.txt"), "red orange blue yellow\n");
        Brushes brushes = startColours();
        readDefaultLaneColors(brushes);
        QVERIFY(writeDefaultLaneColors(brushes));
        QCOMPARE(runtime.read("data/defaultLaneColors.txt"),
                 QByteArray("red\nblack\nblue\nyellow\n"));
    }

    void writeThatCannotCreateTheFileFailsAndKeepsNothingHalfDone()
    {
        TestRuntime runtime;
        const QString blocker = runtime.path("data/not-a-dir");
        putFile(blocker, "x");
        QVERIFY(!writeDefaultLaneColors(startColours(), blocker + "/defaultLaneColors.txt"));
        QCOMPARE(runtime.read("data/not-a-dir"), QByteArray("x"));
        // Without a data directory at all the write is skipped the same way.
        QVERIFY(!writeDefaultLaneColors(startColours(), runtime.path("nowhere/colours.txt")));
    }
};

QTEST_GUILESS_MAIN(LaneColorsTest)
#include "test_lanecolors.moc"
