#include "catalog/RevellTrack.h"
#include "common/LogFile.h"
#include "graphics/DiagramItem.h"
#include "graphics/DiagramPathItem.h"
#include "support/TestRuntime.h"

#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include <memory>

using D = DiagramTypeBase;

// The polygon and lane-line items: their kinds, logs, pens and menu. The kinds
// of lanes 3 and 4 and the constructor's log lines are checked by the scene test.
class ItemsTest : public QObject
{
    Q_OBJECT

    TestRuntime mRuntime; // first: the catalog writes its log there
    RevellTrack mCatalog;

    std::unique_ptr<DiagramItem> item(D::DiagramType aType, const QString &aDirection = QString(),
                                      QMenu *aMenu = nullptr)
    {
        return std::make_unique<DiagramItem>(nullptr, nullptr, aType, aMenu, &mCatalog, 3, false,
                                             aDirection);
    }

    std::unique_ptr<DiagramPathItem> laneItem(D::DiagramType aType, int aLane, bool aParity = false,
                                              LogFile *aDebug = nullptr,
                                              const RevellTrack *aCatalog = nullptr)
    {
        return std::make_unique<DiagramPathItem>(
            nullptr, aDebug, aType, 5, aLane, QBrush(Qt::red), QBrush(Qt::green), QBrush(Qt::blue),
            QBrush(Qt::yellow), aParity, aCatalog ? aCatalog : &mCatalog);
    }

private slots:
    // Kinds without a shape get a placeholder rectangle in scene units; an
    // undirected attachment takes its host's side, and draws nothing without one.
    void shapeOfEachKindOfItem()
    {
        auto placeholder = item(D::R3628os);
        QCOMPARE(placeholder->polygon(),
                 QPolygonF({{0, 0}, {0, -77}, {150, -77}, {150, 0}, {0, 0}}));
        QVERIFY(placeholder->mPartNumber.isEmpty() && placeholder->toolTip().isEmpty());
        auto left = item(D::R3605, "left");
        QCOMPARE(left->mDiagramType, D::R3605_L);
        QCOMPARE(left->mPartNumber, QString("R3605_L"));
        QCOMPARE(left->toolTip(), QString("R3605_L"));
        QVERIFY(left->polygon().size() > 5 && left->polygon().isClosed());
        auto sideless = item(D::R3605);
        QCOMPARE(sideless->mDiagramType, D::R3605);
        QVERIFY(sideless->polygon().isEmpty() && sideless->mPartNumber.isEmpty());
    }

    void rightClickSelectsOnlyThisItem()
    {
        QMenu menu;
        int shown = 0;
        connect(&menu, &QMenu::aboutToShow, &menu, [&] {
            ++shown;
            QTimer::singleShot(0, &menu, &QMenu::close);
        });
        QGraphicsScene scene;
        DiagramItem *other = item(D::R3600).release();
        DiagramItem *target = item(D::R3620, QString(), &menu).release();
        scene.addItem(other);
        scene.addItem(target);
        other->setSelected(true);
        QGraphicsSceneContextMenuEvent event(QEvent::GraphicsSceneContextMenu);
        scene.sendEvent(target, &event);
        QCOMPARE(shown, 1);
        QVERIFY(!other->isSelected() && target->isSelected());
    }

    // Under parity the lanes of a pair exchange their pens; an attachment
    // has no lane line, and a piece missing from the catalog is logged and
    // leaves its lane empty.
    void laneItemsCarryTypeAndPenOrLogWhatIsMissing()
    {
        auto apron = laneItem(D::R3605_R, 1);
        QVERIFY(apron->path().isEmpty());
        const QColor plain[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
        const QColor swapped[] = {Qt::green, Qt::red, Qt::yellow, Qt::blue};
        for (int lane = 1; lane <= 4; ++lane) {
            for (const bool parity : {false, true}) {
                auto line = laneItem(D::R3608, lane, parity);
                QVERIFY(!line->path().isEmpty());
                QCOMPARE(line->pen().color(), (parity ? swapped : plain)[lane - 1]);
            }
        }

        RevellTrack catalog;
        catalog.mTrackDB[catalog.findIndex("R3609")].mPartNumber = QStringLiteral("gone");
        LogFile debug;
        QVERIFY(debug.open("../logs/items-lane.log"));
        auto line = laneItem(D::R3609, 2, true, &debug, &catalog);
        debug.close();
        QVERIFY(line->path().isEmpty());
        QCOMPARE(mRuntime.read("logs/items-lane.log"),
                 QByteArray("DiagramPathItem() constructor\n"
                            "DiagramPathItem(::DiagramPathItem))constructor: index for <R3609> "
                            "not found (6)\n"));
    }
};

QTEST_MAIN(ItemsTest)
#include "test_items.moc"
