#include "app/TabControls.h"
#include "app/ToolBoxBuilder.h"
#include "graphics/DiagramTypes.h"
#include "layout/ViewMath.h"
#include "support/TestRuntime.h"

#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QScrollArea>
#include <QTableWidget>
#include <QToolBox>
#include <QToolButton>
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
    void rotationTextIsGeneralFormatSixDigits_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<QString>("text");
        QTest::newRow("negative zero reads as zero") << -0.0 << "0";
        QTest::newRow("negative fraction") << -22.5 << "-22.5";
        QTest::newRow("rounded to six digits") << 123.456789 << "123.457";
        QTest::newRow("large uses exponent") << 1234567.0 << "1.23457e+06";
    }
    void rotationTextIsGeneralFormatSixDigits()
    {
        QFETCH(double, angle);
        QFETCH(QString, text);
        QCOMPARE(ViewMath::rotationText(angle), text);
    }

    void toolBoxPagesInOrderAsWideAsTheFourLanePage()
    {
        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        QToolBox *box = parts.mToolBox;
        QCOMPARE(box->objectName(), QString("toolBox"));
        QStringList titles;
        for (int page = 0; page < box->count(); ++page)
            titles << box->itemText(page);
        QCOMPARE(titles, QStringList({"Track Pieces - 2 lane", "Attachment Pieces - 2 lane",
                                      "Track Pieces - 4 lane", "Backgrounds"}));
        QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(box->toolTip(), QString("toolbox"));
        QCOMPARE(box->sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
        QCOMPARE(box->sizePolicy().verticalPolicy(), QSizePolicy::Ignored);
        QCOMPARE(box->geometry().topLeft(), QPoint(12, 42));
        QCOMPARE(box->height(), 767);
        const int fourLane = box->widget(ToolBoxBuilder::Track4Page)->sizeHint().width();
        QCOMPARE(box->minimumWidth(), fourLane);
        // The 90-pixel pictures in two columns need more than the 60-pixel ones.
        QVERIFY(fourLane > 2 * 90);
        QVERIFY(fourLane >= box->widget(ToolBoxBuilder::TrackPage)->sizeHint().width());
    }

    void toolBoxGroupsExclusivityAndMembers()
    {
        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        // Piece groups allow no selection at all; backgrounds always keep one.
        for (QButtonGroup *group : {parts.mTrackGroup, parts.mTrack4Group, parts.mApronGroup})
            QVERIFY(!group->exclusive());
        QVERIFY(parts.mBackgroundGroup->exclusive());
        QCOMPARE(parts.mApronGroup->buttons().size(), 36);
        QCOMPARE(parts.mTrackGroup->parent(), &window);

        QCOMPARE(ids(parts.mTrackGroup), range(0, 16));
        QCOMPARE(ids(parts.mTrack4Group), range(93, 104));
        const QSet<int> aprons =
            range(23, 26) + range(35, 48) + range(53, 56) + range(71, 72) + range(77, 88);
        QCOMPARE(ids(parts.mApronGroup), aprons);
        QCOMPARE(ids(parts.mBackgroundGroup), QSet<int>({-2, -3, -4, -5}));
    }

    void toolButtonLabelsNameThePieceTheirIdPlaces()
    {
        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        // Track buttons carry the exact part number of their diagram type;
        // attachment buttons the part number without its side or end suffix.
        for (QButtonGroup *group : {parts.mTrackGroup, parts.mTrack4Group, parts.mApronGroup}) {
            for (QAbstractButton *button : group->buttons()) {
                const auto type = DiagramTypeBase::DiagramType(group->id(button));
                const QString part = getPartNumber(type);
                if (group == parts.mApronGroup)
                    QVERIFY2(part.startsWith(button->text()), qPrintable(part));
                else
                    QCOMPARE(button->text(), part);
            }
        }
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
        QTest::newRow("R3621_R") << 0 << 13 << QPoint(0, 4) << "14\" 1/2 curve, right"
                                 << "R3621_R";
        QTest::newRow("R3620dc") << 0 << 2 << QPoint(0, 8) << "4\" custom strait"
                                 << "R3620dc";
        QTest::newRow("R3603 RL") << 1 << 24 << QPoint(1, 1) << "RL straight trans"
                                  << "R3603R";
        QTest::newRow("R3615L left") << 1 << 40 << QPoint(1, 7) << "14\" L trans\nleft turn"
                                     << "R3615L";
        QTest::newRow("F7054R back") << 1 << 54 << QPoint(1, 12) << "banked trans\nback"
                                     << "F7054R";
        QTest::newRow("R3620dca") << 1 << 48 << QPoint(1, 17) << "lower 1/3 str apron"
                                  << "R3620dca";
        QTest::newRow("4-lane terminal both") << 2 << 96 << QPoint(0, 4) << "terminal both"
                                              << "R3602R3602";
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

    void everyCellShowsItsLabelAndKeepsItsOwnPlace()
    {
        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        const QButtonGroup *groups[] = {parts.mTrackGroup, parts.mApronGroup, parts.mTrack4Group,
                                        parts.mBackgroundGroup};
        const int iconSizes[] = {60, 60, 90, 50};
        // Only the attachment page has two-line tips: 14 of its buttons.
        const int lineBreaksOnPage[] = {0, 14, 0, 0};
        for (int page = 0; page < 4; ++page) {
            int lineBreaks = 0;
            QList<QPoint> places;
            int lastRow = 0;
            for (QAbstractButton *button : groups[page]->buttons()) {
                const QPoint place = gridPlace(button, parts.mToolBox, page);
                QVERIFY2(place.x() == 0 || place.x() == 1, qPrintable(button->text()));
                QVERIFY2(!places.contains(place), qPrintable(button->text()));
                places.append(place);
                lastRow = qMax(lastRow, place.y());
                QCOMPARE(button->iconSize(), QSize(iconSizes[page], iconSizes[page]));
                const QLabel *label = button->parentWidget()->findChild<QLabel *>();
                QVERIFY(label);
                QCOMPARE(label->text(), button->text());
                QVERIFY(!button->toolTip().contains(" / "));
                if (page == ToolBoxBuilder::BackgroundPage)
                    QCOMPARE(button->toolTip(), button->text());
                lineBreaks += button->toolTip().contains('\n');
            }
            auto *scroll = qobject_cast<QScrollArea *>(parts.mToolBox->widget(page));
            auto *grid = qobject_cast<QGridLayout *>(scroll->widget()->layout());
            QCOMPARE(grid->rowStretch(lastRow + 1), 10);
            QCOMPARE(grid->columnStretch(2), 10);
            QCOMPARE(lineBreaks, lineBreaksOnPage[page]);
        }
    }

    void fourLanePhotosComeFromDataFolderAndMissingOnesAreEmpty()
    {
        TestRuntime runtime;
        QVERIFY(QDir().mkpath("../data/track_pieces/photos150"));
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QVERIFY(image.save("../data/track_pieces/photos150/4laneStraight.jpg", "JPG"));

        QWidget window;
        const ToolBoxParts parts = ToolBoxBuilder::build(&window, &window);
        QVERIFY(!parts.mTrack4Group->button(93)->icon().isNull());
        QVERIFY(parts.mTrack4Group->button(99)->icon().isNull());
        QVERIFY(ToolBoxBuilder::loadIcon(":/images/no-such-picture.jpg").isNull());
        QVERIFY(ToolBoxBuilder::loadIcon(QString()).isNull());
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
        for (int row = 0; row < 4; ++row) {
            QVERIFY(!parts.isRowHidden(row));
            QVERIFY(!layouts.isRowHidden(row));
        }

        TabControls::setZeroRowsHidden(&parts, 1, true);
        QVERIFY(parts.isRowHidden(1));
        QVERIFY(!parts.isRowHidden(0)); // no item in that column
    }
};

QTEST_MAIN(TabsTest)
#include "test_tabs.moc"
