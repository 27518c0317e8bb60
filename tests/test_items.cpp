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

Q_DECLARE_METATYPE(DiagramTypeBase::DiagramType)

using D = DiagramTypeBase;

// The polygon and lane-line items: their kinds, logs, pens and menu.
class ItemsTest : public QObject
{
    Q_OBJECT

    TestRuntime mRuntime; // first: the catalog writes its log there
    RevellTrack mCatalog;

    std::unique_ptr<DiagramItem> item(D::DiagramType aType, const QString &aDirection = QString(),
                                      bool aLanes34 = false, QMenu *aMenu = nullptr)
    {
        return std::make_unique<DiagramItem>(nullptr, nullptr, aType, aMenu, &mCatalog, 3, aLanes34,
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
    void shapeOfEachKindOfItem_data()
    {
        QTest::addColumn<D::DiagramType>("type");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<D::DiagramType>("drawn");
        QTest::addColumn<QString>("shape");
        QTest::newRow("R3628os placeholder") << D::R3628os << "right" << D::R3628os << "rectangle";
        QTest::newRow("R3605 left") << D::R3605 << "left" << D::R3605_L << "outline";
        QTest::newRow("R3605 without side") << D::R3605 << "" << D::R3605 << "none";
    }

    void shapeOfEachKindOfItem()
    {
        QFETCH(D::DiagramType, type);
        QFETCH(QString, direction);
        QFETCH(D::DiagramType, drawn);
        QFETCH(QString, shape);
        auto piece = item(type, direction);
        QCOMPARE(piece->mDiagramType, drawn);
        if (shape == "outline") {
            QCOMPARE(piece->toolTip(), getPartNumber(drawn));
            QCOMPARE(piece->mPartNumber, getPartNumber(drawn));
            QVERIFY(piece->polygon().size() > 5 && piece->polygon().isClosed());
            return;
        }
        const QPolygonF rectangle({{0, 0}, {0, -77}, {150, -77}, {150, 0}, {0, 0}});
        QCOMPARE(piece->polygon(), shape == "rectangle" ? rectangle : QPolygonF());
        QVERIFY(piece->mPartNumber.isEmpty());
        QVERIFY(piece->toolTip().isEmpty());
    }

    // A piece of lanes 3 and 4 is a kind of its own, drawn alike.
    void itemTypeFollowsTheLanePairButNotTheShape()
    {
        auto first = item(D::R3601_R, QString(), false);
        auto second = item(D::R3601_R, QString(), true);
        QCOMPARE(first->type(), 65551);
        QCOMPARE(second->type(), 65552);
        QCOMPARE(second->polygon(), first->polygon());
    }

    void constructorAnnouncesItselfOnEveryGivenLog()
    {
        LogFile build, debug;
        QVERIFY(build.open("../logs/items-build.log"));
        QVERIFY(debug.open("../logs/items-debug.log"));
        DiagramItem(&build, &debug, D::R3600, nullptr, &mCatalog, 0, false, QString());
        build.close();
        debug.close();
        const QByteArray line = "DiagramItem() constructor, eType = 65551, eType4 = 65552\n";
        QCOMPARE(mRuntime.read("logs/items-build.log"), line);
        QVERIFY(mRuntime.read("logs/items-debug.log").startsWith(line));
    }

    void rightClickSelectsOnlyThisItem()
    {
        QMenu menu;
        menu.addAction(QStringLiteral("Delete"));
        int shown = 0;
        connect(&menu, &QMenu::aboutToShow, &menu, [&] {
            ++shown;
            QTimer::singleShot(0, &menu, &QMenu::close);
        });
        QGraphicsScene scene;
        DiagramItem *other = item(D::R3600).release();
        DiagramItem *target = item(D::R3620, QString(), false, &menu).release();
        scene.addItem(other);
        scene.addItem(target);
        other->setSelected(true);

        QGraphicsSceneContextMenuEvent event(QEvent::GraphicsSceneContextMenu);
        event.setReason(QGraphicsSceneContextMenuEvent::Keyboard);
        event.setScreenPos(QPoint(10, 10));
        scene.sendEvent(target, &event);
        QCOMPARE(shown, 1);
        QVERIFY(!other->isSelected());
        QVERIFY(target->isSelected());
    }

    // Under parity the lanes of a pair exchange their pens; an attachment
    // has no lane line.
    void laneItemsCarryTypeAndPen()
    {
        auto apron = laneItem(D::R3605_R, 1);
        QVERIFY(apron->path().isEmpty());
        QCOMPARE(apron->mPartNumber, getPartNumber(D::R3605_R));
        const QColor plain[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
        const QColor swapped[] = {Qt::green, Qt::red, Qt::yellow, Qt::blue};
        for (int lane = 1; lane <= 4; ++lane) {
            for (const bool parity : {false, true}) {
                auto line = laneItem(D::R3608, lane, parity);
                QVERIFY(!line->path().isEmpty());
                QCOMPARE(line->type(), lane > 2 ? 65554 : 65553);
                const QPen pen = line->pen();
                QCOMPARE(pen.color(), (parity ? swapped : plain)[lane - 1]);
                QCOMPARE(pen.widthF(), 3.0);
            }
        }
    }

    void missingCatalogEntryIsLoggedAndLeavesTheLaneEmpty()
    {
        RevellTrack catalog;
        catalog.mTrackDB[catalog.findIndex("R3609")].mPartNumber = QStringLiteral("gone");
        LogFile debug;
        QVERIFY(debug.open("../logs/items-lane.log"));
        auto line = laneItem(D::R3609, 2, true, &debug, &catalog);
        debug.close();
        QVERIFY(line->path().isEmpty());
        QCOMPARE(line->pen().color(), QColor(Qt::red));
        QCOMPARE(mRuntime.read("logs/items-lane.log"),
                 QByteArray("DiagramPathItem() constructor\n"
                            "DiagramPathItem(::DiagramPathItem))constructor: index for <R3609> "
                            "not found (6)\n"));
    }
};

QTEST_MAIN(ItemsTest)
#include "test_items.moc"
