#include "app/ToolBoxBuilder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QScrollArea>
#include <QToolBox>
#include <QtTest>

namespace {

QSet<int> ids(const QButtonGroup *aGroup)
{
    QSet<int> result;
    for (QAbstractButton *button : aGroup->buttons())
        result.insert(aGroup->id(button));
    return result;
}

QSet<int> range(int aFirst, int aLast)
{
    QSet<int> result;
    for (int i = aFirst; i <= aLast; ++i)
        result.insert(i);
    return result;
}

} // namespace

// The toolbox on its own; its handlers are checked through the window (test_surface).
class TabsTest : public QObject
{
    Q_OBJECT
private slots:
    void everyPieceHasOneButtonInItsGridCell_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("id");
        QTest::addColumn<QPoint>("place"); // column, row
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("label");
        QTest::newRow("R3600") << 0 << 0 << QPoint(0, 0) << "12\" straight"
                               << "R3600";
        QTest::newRow("R3615L left") << 1 << 40 << QPoint(1, 7) << "14\" L trans\nleft turn"
                                     << "R3615L";
        QTest::newRow("4-lane 30 left") << 2 << 104 << QPoint(1, 5) << "30 deg left"
                                        << "R3621R3610_L";
    }
    void everyPieceHasOneButtonInItsGridCell()
    {
        QFETCH(int, page);
        QFETCH(int, id);
        QFETCH(QPoint, place);
        QFETCH(QString, toolTip);
        QFETCH(QString, label);
        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        QCOMPARE(ids(parts.mTrackGroup), range(0, 16));
        QCOMPARE(ids(parts.mTrack4Group), range(93, 104));
        QCOMPARE(ids(parts.mApronGroup),
                 range(23, 26) + range(35, 48) + range(53, 56) + range(71, 72) + range(77, 88));
        QCOMPARE(ids(parts.mBackgroundGroup), QSet<int>({-2, -3, -4, -5}));
        // A second click on a piece clears the choice; a background is always chosen.
        QVERIFY(!parts.mTrack4Group->exclusive() && !parts.mApronGroup->exclusive() &&
                parts.mBackgroundGroup->exclusive());

        QButtonGroup *groups[] = {parts.mTrackGroup, parts.mApronGroup, parts.mTrack4Group};
        QAbstractButton *button = groups[page]->button(id);
        QVERIFY(button && button->isCheckable());
        auto *scroll = qobject_cast<QScrollArea *>(parts.mToolBox->widget(page));
        auto *grid = qobject_cast<QGridLayout *>(scroll->widget()->layout());
        const int cell = grid->indexOf(button->parentWidget());
        QVERIFY(cell >= 0);
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(cell, &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(QPoint(column, row), place);
        QCOMPARE(button->toolTip(), toolTip);
        QCOMPARE(button->text(), label);
    }
};

QTEST_MAIN(TabsTest)
#include "test_tabs.moc"
