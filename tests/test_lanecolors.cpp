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
        QTest::newRow("two names: the second repeats for lanes 3 and 4")
            << QByteArray("blue\ncyan\n") << C{Qt::blue, Qt::cyan, Qt::cyan, Qt::cyan};
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
    }
};

QTEST_GUILESS_MAIN(LaneColorsTest)
#include "test_lanecolors.moc"
