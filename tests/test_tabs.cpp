#include "app/TabControls.h"
#include "app/ToolBoxBuilder.h"
#include "layout/ViewMath.h"
#include "support/TestRuntime.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QImage>
#include <QScrollArea>
#include <QTableWidget>
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

// The grid cell a toolbox button sits in, found through the page's layout.
QPoint gridPlace(QAbstractButton *aButton, QToolBox *aToolBox, int aPage)
{
    auto *scroll = qobject_cast<QScrollArea *>(aToolBox->widget(aPage));
    auto *grid = qobject_cast<QGridLayout *>(scroll->widget()->layout());
    const int index = grid->indexOf(aButton->parentWidget());
    if (index < 0)
        return QPoint(-1, -1);
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    return QPoint(column, row);
}

} // namespace

// The toolbox and the view helpers on their own; the layout tabs built from
// them are checked through the window (test_surface).
class TabsTest : public QObject
{
    Q_OBJECT
private slots:
    void toolBoxGroupsExclusivityAndMembers()
    {
        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        // Piece groups allow no selection at all; backgrounds always keep one.
        for (QButtonGroup *group : {parts.mTrackGroup, parts.mTrack4Group, parts.mApronGroup})
            QVERIFY(!group->exclusive());
        QVERIFY(parts.mBackgroundGroup->exclusive());
        QCOMPARE(ids(parts.mTrackGroup), range(0, 16));
        QCOMPARE(ids(parts.mTrack4Group), range(93, 104));
        const QSet<int> aprons =
            range(23, 26) + range(35, 48) + range(53, 56) + range(71, 72) + range(77, 88);
        QCOMPARE(ids(parts.mApronGroup), aprons);
        QCOMPARE(ids(parts.mBackgroundGroup), QSet<int>({-2, -3, -4, -5}));
    }

    void toolCellsPlacedWithTipsAndLabels_data()
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
    void toolCellsPlacedWithTipsAndLabels()
    {
        QFETCH(int, page);
        QFETCH(int, id);
        QFETCH(QPoint, place);
        QFETCH(QString, toolTip);
        QFETCH(QString, label);
        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        QButtonGroup *groups[] = {parts.mTrackGroup, parts.mApronGroup, parts.mTrack4Group};
        QAbstractButton *button = groups[page]->button(id);
        QVERIFY(button && button->isCheckable());
        QCOMPARE(gridPlace(button, parts.mToolBox, page), place);
        QCOMPARE(button->toolTip(), toolTip);
        QCOMPARE(button->text(), label);
    }

    void zeroRowsHideInBothTablesAndComeBack()
    {
        QTableWidget parts(4, 3), layouts(4, 9);
        const char *used[] = {"0", "5", "0", "12"};
        for (int row = 0; row < 4; ++row)
            parts.setItem(row, 2, new QTableWidgetItem(used[row]));
        // A nonzero count in another column must not matter.
        parts.setItem(1, 1, new QTableWidgetItem("0"));

        TabControls::setZeroRowsHidden(&parts, 2, true, &layouts);
        const bool hidden[] = {true, false, true, false};
        for (int row = 0; row < 4; ++row) {
            QCOMPARE(parts.isRowHidden(row), hidden[row]);
            QCOMPARE(layouts.isRowHidden(row), hidden[row]);
        }
        TabControls::setZeroRowsHidden(&parts, 2, false, &layouts);
        QVERIFY(!parts.isRowHidden(0) && !layouts.isRowHidden(0));
    }
};

QTEST_MAIN(TabsTest)
#include "test_tabs.moc"
