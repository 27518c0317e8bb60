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
        QTest::newRow("right 90 deg after a straight")
            << "R3625_R"
            << "90 deg" << QStringList{"F8514L_R", "F8517_R", "F8517_R", "F8517_R", "F8519R_R"};
        QTest::newRow("left 30 deg") << "R3625_L"
                                     << "30 deg" << QStringList{"F8519R_L", "F8517_L", "F8514L_L"};
        QStringList right8{"F8514L_R"};
        for (int i = 0; i < 8; ++i)
            right8 << "F8517_R";
        right8 << "F8519R_R";
        QTest::newRow("more than the dialog can hold is held to eight") << "R3625_R"
                                                                        << "3000 deg" << right8;
        QTest::newRow("angle text that is no number: no curves")
            << "R3625_L"
            << "deg 90" << QStringList{"F8519R_L", "F8514L_L"};
        QTest::newRow("plain piece stands for itself") << "R3601_R"
                                                       << "90 deg" << QStringList{"R3601_R"};
    }
    void choiceExpandsIntoEntryCurvesAndExit()
    {
        QFETCH(QString, choice);
        QFETCH(QString, angle);
        QFETCH(QStringList, pieces);
        QCOMPARE(BankedTurn::expandChoice(choice, angle), pieces);
    }
};

QTEST_GUILESS_MAIN(BankedTest)
#include "test_banked.moc"
