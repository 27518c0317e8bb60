#include "layout/BankedTurn.h"

#include <QtTest>

// How a banked-turn choice of the add-track chooser becomes catalog pieces.
class BankedTest : public QObject
{
    Q_OBJECT
private slots:
    void choiceExpandsIntoEntryCurvesAndExit_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QStringList>("pieces");
        const QStringList right3{"F8514L_R", "F8517_R", "F8517_R", "F8517_R", "F8519R_R"};
        QTest::newRow("right 90 deg after a straight") << "R3625_R"
                                                       << "90 deg" << right3;
        QTest::newRow("left 30 deg") << "R3625_L"
                                     << "30 deg" << QStringList{"F8519R_L", "F8517_L", "F8514L_L"};
        QStringList right8{"F8514L_R"};
        for (int i = 0; i < 8; ++i)
            right8 << "F8517_R";
        right8 << "F8519R_R";
        QTest::newRow("right 240 deg has eight curves") << "R3625_R"
                                                        << "240 deg" << right8;
        QTest::newRow("angle not a multiple of 30 truncates") << "R3625_R"
                                                              << "100 deg" << right3;
        QTest::newRow("angle text that is no number: no curves")
            << "R3625_L"
            << "deg 90" << QStringList{"F8519R_L", "F8514L_L"};
        QTest::newRow("empty angle text: no curves") << "R3625_R"
                                                     << "" << QStringList{"F8514L_R", "F8519R_R"};
        QTest::newRow("more than the dialog can hold is held to eight") << "R3625_R"
                                                                        << "3000 deg" << right8;
        QTest::newRow("negative angle: no curves")
            << "R3625_L"
            << "-60 deg" << QStringList{"F8519R_L", "F8514L_L"};
        QTest::newRow("plain piece stands for itself") << "R3601_R"
                                                       << "90 deg" << QStringList{"R3601_R"};
        QTest::newRow("banked curve alone is no turn choice") << "F8517_R"
                                                              << "90 deg" << QStringList{"F8517_R"};
        QTest::newRow("no choice") << ""
                                   << "90 deg" << QStringList{};
        QTest::newRow("part numbers are matched exactly") << "r3625_r"
                                                          << "90 deg" << QStringList{"r3625_r"};
    }
    void choiceExpandsIntoEntryCurvesAndExit()
    {
        QFETCH(QString, choice);
        QFETCH(QString, angle);
        QFETCH(QStringList, pieces);
        QCOMPARE(BankedTurn::expandChoice(choice, angle), pieces);
    }

    void curveCountReadsTheFirstWord_data()
    {
        QTest::addColumn<QString>("angle");
        QTest::addColumn<int>("count");
        for (int degrees = 30; degrees <= 240; degrees += 30)
            QTest::newRow(qPrintable(QString("%1 deg").arg(degrees)))
                << QString("%1 deg").arg(degrees) << degrees / 30;
        QTest::newRow("29 deg") << "29 deg" << 0;
        QTest::newRow("number alone") << "120" << 4;
        QTest::newRow("glued unit is no number") << "120deg" << 0;
    }
    void curveCountReadsTheFirstWord()
    {
        QFETCH(QString, angle);
        QFETCH(int, count);
        QCOMPARE(BankedTurn::curveCount(angle), count);
    }
};

QTEST_GUILESS_MAIN(BankedTest)
#include "test_banked.moc"
