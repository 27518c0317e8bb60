#include "layout/DefaultLaneColors.h"
#include "layout/LaneColors.h"
#include "support/TestRuntime.h"

#include <QLinearGradient>
#include <QtTest>

// The lane colour names and their brushes, which the logs, the layout file and
// the default colours file rely on; and that file: four names read as words,
// written one per line.
class LaneColorsTest : public QObject
{
    Q_OBJECT

    using Brushes = std::array<QBrush, 4>;

    static Brushes startColours()
    {
        return {{QBrush(Qt::red), QBrush(Qt::green), QBrush(Qt::blue), QBrush(Qt::yellow)}};
    }

private slots:
    // Names are exact: anything else is solid black. A brush outside the
    // eight has no name, however near it comes to one of them.
    void namesAndBrushesConvertBothWays()
    {
        for (const QString &name : laneColorNames()) {
            QCOMPARE(laneBrush(name).style(), Qt::SolidPattern);
            QCOMPARE(laneColorName(laneBrush(name)), name);
        }
        for (const char *name : {"Red", "blue ", ""})
            QCOMPARE(laneBrush(name), QBrush(Qt::black));
        QLinearGradient gradient(0, 0, 1, 1);
        gradient.setColorAt(0, Qt::red);
        gradient.setColorAt(1, Qt::red);
        for (const QBrush &brush :
             {QBrush(QColor(254, 0, 0)), QBrush(Qt::red, Qt::Dense4Pattern), QBrush(gradient)})
            QCOMPARE(laneColorName(brush), QString("unknown"));
    }

    void defaultsFileIsReadAsWords_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<QColor>>("colours");
        using C = QList<QColor>;
        QTest::newRow("four names, one per line") << QByteArray("white\nblack\nred\nblue\n")
                                                  << C{Qt::white, Qt::black, Qt::red, Qt::blue};
        QTest::newRow("two names: the second repeats for lanes 3 and 4")
            << QByteArray("blue\ncyan\n") << C{Qt::blue, Qt::cyan, Qt::cyan, Qt::cyan};
    }
    void defaultsFileIsReadAsWords()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<QColor>, colours);
        TestRuntime runtime;
        QVERIFY(writeFile(runtime.path("data/defaultLaneColors.txt"), content));
        Brushes brushes = startColours();
        QVERIFY(readDefaultLaneColors(brushes));
        for (int lane = 0; lane < 4; ++lane)
            QCOMPARE(brushes[lane], QBrush(colours[lane]));
        QVERIFY(writeDefaultLaneColors(brushes));
        QStringList names;
        for (const QColor &colour : colours)
            names << laneColorName(QBrush(colour));
        QCOMPARE(QString::fromLatin1(runtime.read("data/defaultLaneColors.txt")),
                 names.join('\n') + '\n');
    }

    void writeThatCannotCreateTheFileFailsAndKeepsNothingHalfDone()
    {
        TestRuntime runtime;
        const QString blocker = runtime.path("data/not-a-dir");
        QVERIFY(writeFile(blocker, "x"));
        QVERIFY(!writeDefaultLaneColors(startColours(), blocker + "/defaultLaneColors.txt"));
        QCOMPARE(runtime.read("data/not-a-dir"), QByteArray("x"));
    }
};

QTEST_GUILESS_MAIN(LaneColorsTest)
#include "test_lanecolors.moc"
