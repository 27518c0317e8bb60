// Measures how long appending a piece to a layout takes as the layout grows,
// beside the bare cost of putting the same graphic items into a scene.

#include "catalog/RevellTrack.h"
#include "common/LogFile.h"
#include "graphics/PieceShapes.h"
#include "layout/DiagramScene.h"
#include "layout/LayoutRecord.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsPathItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsScene>
#include <QHash>
#include <QVector>

#include <algorithm>
#include <functional>
#include <cstdio>
#include <limits>

namespace {

using D = DiagramTypeBase;

constexpr int kRepetitions = 5;
const QPointF kStart(2500, 2500);

// A club layout's proportions: mostly straights and standard curves, some
// wide and tight curves, the odd terminal, chicane and lane change.
QVector<D::DiagramType> pieceMix(int aCount)
{
    static const D::DiagramType kWeighted[] = {
        D::R3600,   D::R3600,   D::R3600,   D::R3600,   D::R3620,   D::R3620dc, D::R3601_R,
        D::R3601_R, D::R3601_L, D::R3601_L, D::R3621_R, D::R3621_L, D::R3610_R, D::R3610_L,
        D::R3602_R, D::R3608,   D::R3609,   D::R3600,   D::R3601_R, D::R3601_L,
    };
    constexpr int kKinds = sizeof(kWeighted) / sizeof(kWeighted[0]);
    QVector<D::DiagramType> types;
    types.reserve(aCount);
    quint32 seed = 12345;
    for (int i = 0; i < aCount; ++i) {
        seed = seed * 1664525u + 1013904223u; // fixed sequence, same every run
        types << kWeighted[(seed >> 16) % kKinds];
    }
    return types;
}

LayoutRecord emptyRecord()
{
    return LayoutRecord(
        QStringLiteral("unnamed1"), 2, 178.0,
        {{QBrush(Qt::red), QBrush(Qt::green), QBrush(Qt::blue), QBrush(Qt::yellow)}});
}

// Microseconds per piece for appending aTypes to an empty layout tab whose
// logs are closed, as they are when the program has no log directory.
double appendCost(const RevellTrack &aCatalog, const QVector<D::DiagramType> &aTypes)
{
    LayoutRecord recordA = emptyRecord();
    LayoutRecord recordB = recordA;
    LogFile buildLog;
    LogFile debugLog;
    DiagramScene scene(nullptr, &aCatalog, &recordA, &recordB, nullptr, &buildLog, &debugLog);
    scene.setSceneRect(0, 0, 5000, 5000);

    QElapsedTimer timer;
    timer.start();
    for (D::DiagramType type : aTypes)
        scene.appendTrackPiece(true, type, kStart, scene.mElev, false);
    return timer.nsecsElapsed() / 1000.0 / aTypes.size();
}

struct Shapes
{
    QPolygonF mOutline;
    QPainterPath mLane1;
    QPainterPath mLane2;
};

// Microseconds per piece for creating one polygon item and two path items
// with ready-made shapes, placing them and adding them to a scene: what any
// drawing of the layout costs at the least.
double floorCost(const QHash<int, Shapes> &aShapes, const QVector<D::DiagramType> &aTypes)
{
    QGraphicsScene scene;
    scene.setSceneRect(0, 0, 5000, 5000);

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < aTypes.size(); ++i) {
        const Shapes &shapes = aShapes[aTypes.at(i)];
        // Spread over the scene and turned, like a chain, without chaining.
        const QPointF pos(500 + (i % 64) * 64, 500 + (i / 64 % 64) * 64);
        const double angle = (i % 12) * 30;
        auto *piece = new QGraphicsPolygonItem(shapes.mOutline);
        piece->setRotation(angle);
        piece->setPos(pos);
        scene.addItem(piece);
        for (const QPainterPath *lane : {&shapes.mLane1, &shapes.mLane2}) {
            auto *line = new QGraphicsPathItem(*lane);
            line->setRotation(angle);
            line->setPos(pos);
            scene.addItem(line);
        }
    }
    return timer.nsecsElapsed() / 1000.0 / aTypes.size();
}

double best(const std::function<double()> &aMeasure)
{
    double result = std::numeric_limits<double>::max();
    for (int i = 0; i < kRepetitions; ++i)
        result = std::min(result, aMeasure());
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const RevellTrack catalog;
    QHash<int, Shapes> shapes;
    for (D::DiagramType type : pieceMix(1000)) {
        if (!shapes.contains(type))
            shapes.insert(type, {pieceOutline(type, &catalog, QString()).mPolygon,
                                 lanePath(type, 1, &catalog), lanePath(type, 2, &catalog)});
    }

    for (int n : {1000, 4000, 16000}) {
        const QVector<D::DiagramType> types = pieceMix(n);
        const double append = best([&] { return appendCost(catalog, types); });
        const double floor = best([&] { return floorCost(shapes, types); });
        std::printf("append n=%d us_per_piece=%.3f floor_us_per_piece=%.3f ratio=%.2f\n", n, append,
                    floor, append / floor);
        std::fflush(stdout);
    }
    return 0;
}
