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

    // Two names: the second repeats for lanes 3 and 4.
    void defaultsFileIsReadAsWords()
    {
        const QList<QColor> colours{Qt::blue, Qt::cyan, Qt::cyan, Qt::cyan};
        TestRuntime runtime;
        QVERIFY(writeFile(runtime.path("data/defaultLaneColors.txt"), "blue\ncyan\n"));
        Brushes brushes = startColours();
        QVERIFY(readDefaultLaneColors(brushes));
        for (int lane = 0; lane < 4; ++lane)
            QCOMPARE(brushes[lane], QBrush(colours[lane]));
        QVERIFY(writeDefaultLaneColors(brushes));
        QCOMPARE(runtime.read("data/defaultLaneColors.txt"),
                 QByteArray("blue\ncyan\ncyan\ncyan\n"));
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
