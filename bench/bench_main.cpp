// Measures how long appending a piece to a layout and replaying a whole
// layout (bare, and with an attachment on every piece) take as the layout
// grows, beside the bare cost of putting the same graphic items into a scene
// (and, for the replay, of taking them out first).

#include "BenchAnalysis.h"
#include "BenchSupport.h"
#include "BenchUndo.h"

#include "app/MainWindow.h"
#include "catalog/RevellTrack.h"
#include "common/LogFile.h"
#include "common/Prompter.h"
#include "graphics/PieceShapes.h"
#include "graphics/DiagramItem.h"
#include "layout/AttachmentRules.h"
#include "layout/DiagramScene.h"
#include "layout/Chaining.h"
#include "layout/LayoutRecord.h"
#include "layout/TrackPlanFile.h"
#include "tools/OffscreenStart.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QGraphicsPathItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsScene>
#include <QDir>
#include <QHash>
#include <QTabWidget>
#include <QTemporaryDir>
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

// Lets the scene finish what follows a change, as the running program does
// between two edits: the event loop's pass (polishing the new items) and the
// first query by place, with which a view's next paint files them in the
// scene's index.
void settle(QGraphicsScene &aScene)
{
    QCoreApplication::processEvents();
    aScene.itemAt(QPointF(-1, -1), QTransform());
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

    CpuTimer timer;
    timer.start();
    for (D::DiagramType type : aTypes)
        scene.appendTrackPiece(true, type, kStart, scene.mElev, false);
    const double result = timer.nsecsElapsed() / 1000.0 / aTypes.size();
    // Torn down unsettled, the scene would search a list per item.
    settle(scene);
    return result;
}

// The attachment each piece carries in the attached replay: an outer apron
// on curves, the upper straight apron of its length on straights.
D::DiagramType attachmentFor(D::DiagramType aPiece)
{
    switch (aPiece) {
    case D::R3620:
        return D::R3620a_U;
    case D::R3620dc:
        return D::R3620dca_U;
    case D::R3601_R:
        return D::R3605_R;
    case D::R3601_L:
        return D::R3605_L;
    case D::R3621_R:
        return D::R3621o_R;
    case D::R3621_L:
        return D::R3621o_L;
    case D::R3610_R:
        return D::R3611_R;
    case D::R3610_L:
        return D::R3611_L;
    default:
        return D::R3614_U;
    }
}

struct Shapes
{
    QPolygonF mOutline;
    QPainterPath mLane1;
    QPainterPath mLane2;
    QPolygonF mAttachment; // the outline of attachmentFor() the piece
};

// Creates the items of aTypes with ready-made shapes and adds them to aScene,
// spread and turned like a chain without chaining, with one attachment
// polygon per piece when aAttached; aAdded (when given) collects them.
void addBareItems(QGraphicsScene &aScene, const QHash<int, Shapes> &aShapes,
                  const QVector<D::DiagramType> &aTypes, QList<QGraphicsItem *> *aAdded = nullptr,
                  bool aAttached = false)
{
    for (int i = 0; i < aTypes.size(); ++i) {
        const Shapes &shapes = aShapes[aTypes.at(i)];
        const QPointF pos(500 + (i % 64) * 64, 500 + (i / 64 % 64) * 64);
        const double angle = (i % 12) * 30;
        auto *piece = new QGraphicsPolygonItem(shapes.mOutline);
        piece->setRotation(angle);
        piece->setPos(pos);
        aScene.addItem(piece);
        if (aAdded)
            *aAdded << piece;
        for (const QPainterPath *lane : {&shapes.mLane1, &shapes.mLane2}) {
            auto *line = new QGraphicsPathItem(*lane);
            line->setRotation(angle);
            line->setPos(pos);
            aScene.addItem(line);
            if (aAdded)
                *aAdded << line;
        }
        if (!aAttached)
            continue;
        auto *attachment = new QGraphicsPolygonItem(shapes.mAttachment);
        attachment->setRotation(angle);
        attachment->setPos(pos);
        aScene.addItem(attachment);
        if (aAdded)
            *aAdded << attachment;
    }
}

// Microseconds per piece for creating one polygon item and two path items
// with ready-made shapes, placing them and adding them to a scene: what any
// drawing of the layout costs at the least.
double floorCost(const QHash<int, Shapes> &aShapes, const QVector<D::DiagramType> &aTypes)
{
    QGraphicsScene scene;
    scene.setSceneRect(0, 0, 5000, 5000);

    CpuTimer timer;
    timer.start();
    addBareItems(scene, aShapes, aTypes);
    const double result = timer.nsecsElapsed() / 1000.0 / aTypes.size();
    settle(scene);
    return result;
}

// Microseconds per piece for replaying a layout of aTypes from its first
// point, with one attachment on every piece when aAttached. The scene has
// settled before, as it has when a user edits; settling after the replay is
// part of the measured time.
double replayCost(const RevellTrack &aCatalog, const QVector<D::DiagramType> &aTypes,
                  int aRepetitions, bool aAttached = false)
{
    LayoutRecord recordA = emptyRecord();
    LayoutRecord recordB = recordA;
    recordB.mFirstPair = false;
    recordB.mSecondPair = true;
    LogFile buildLog;
    LogFile debugLog;
    DiagramScene scene(nullptr, &aCatalog, &recordA, &recordB, nullptr, &buildLog, &debugLog);
    scene.setSceneRect(0, 0, 5000, 5000);
    for (D::DiagramType type : aTypes)
        scene.appendTrackPiece(true, type, kStart, scene.mElev, false);
    if (aAttached) {
        // As the window does after every replay: the kept attachments are drawn again.
        scene.mRestoreAttachments = [&scene](LayoutRecord *aRecord) {
            scene.restoreAttachments(*aRecord);
        };
        for (int i = 0; i < aTypes.size(); ++i) {
            const DiagramItem *item = scene.attachPiece(attachmentFor(aTypes.at(i)), i, false);
            if (!item)
                return -1.0;
            AttachmentRules::recordAttachment(recordA, i, item->mPartNumber, item->mDbIndex,
                                              item->mDiagramType);
        }
    }
    settle(scene);

    double result = std::numeric_limits<double>::max();
    for (int i = 0; i < aRepetitions; ++i) {
        CpuTimer timer;
        timer.start();
        scene.rebuildRecord(&recordA, 0, false);
        settle(scene);
        result = std::min(result, timer.nsecsElapsed() / 1000.0 / aTypes.size());
    }
    return result;
}

// The least any replay costs: deleting the items of a drawn layout, whose
// pointers are at hand, and adding fresh ones, settling afterwards as the
// replay does.
double replayFloorCost(const QHash<int, Shapes> &aShapes, const QVector<D::DiagramType> &aTypes,
                       int aRepetitions, bool aAttached = false)
{
    QGraphicsScene scene;
    scene.setSceneRect(0, 0, 5000, 5000);
    QList<QGraphicsItem *> items;
    items.reserve(4 * aTypes.size());
    addBareItems(scene, aShapes, aTypes, &items, aAttached);
    settle(scene);

    double result = std::numeric_limits<double>::max();
    for (int i = 0; i < aRepetitions; ++i) {
        CpuTimer timer;
        timer.start();
        qDeleteAll(items);
        items.clear();
        addBareItems(scene, aShapes, aTypes, &items, aAttached);
        settle(scene);
        result = std::min(result, timer.nsecsElapsed() / 1000.0 / aTypes.size());
    }
    return result;
}

// Microseconds for appending one piece at the end of a settled layout of
// aTypes: the best of aRepetitions single appends.
// Returns a negative value when an append disturbed the pieces already laid,
// which would mean it replayed the layout.
double appendAtEndCost(const RevellTrack &aCatalog, const QVector<D::DiagramType> &aTypes,
                       int aRepetitions)
{
    LayoutRecord recordA = emptyRecord();
    LayoutRecord recordB = recordA;
    LogFile buildLog;
    LogFile debugLog;
    DiagramScene scene(nullptr, &aCatalog, &recordA, &recordB, nullptr, &buildLog, &debugLog);
    scene.setSceneRect(0, 0, 5000, 5000);
    DiagramItem *first = nullptr;
    for (D::DiagramType type : aTypes) {
        DiagramItem *item = scene.appendTrackPiece(true, type, kStart, scene.mElev, false);
        if (!first)
            first = item;
    }
    settle(scene);
    const QPointF firstPos = first->pos();

    double result = std::numeric_limits<double>::max();
    for (int i = 0; i < aRepetitions; ++i) {
        const int before = recordA.mPieces.size();
        CpuTimer timer;
        timer.start();
        scene.appendTrackPiece(true, D::R3600, kStart, scene.mElev, false);
        result = std::min(result, timer.nsecsElapsed() / 1000.0);
        settle(scene);
        if (recordA.mPieces.size() != before + 1 || first->pos() != firstPos)
            return -1.0;
    }
    return result;
}

// A layout file of aTypes, laid by the chaining rule and written by the
// program's own writer.
bool writeLayoutFile(const RevellTrack &aCatalog, const QVector<D::DiagramType> &aTypes,
                     const QString &aPath)
{
    LayoutRecord record = emptyRecord();
    record.mName = QStringLiteral("bench");
    for (D::DiagramType type : aTypes)
        Chaining::layNext(record, aCatalog, type, kStart, 0.25, true);
    return saveTrackPlanFile(aPath, record, record);
}

struct OpenCost
{
    double mOpenMs = 0.0;
    double mReplayMs = 0.0;
};

// The whole Open command of the running program on a layout file of aTypes,
// each time into a fresh layout tab: the dialog, the validity test, the read,
// the replay and the figures, settled as after the event. Beside it, the
// replay alone of the layout it opened. Milliseconds, best of aRepetitions;
// negative when an Open showed a box or did not open the whole layout.
OpenCost openCost(const RevellTrack &aCatalog, const QVector<D::DiagramType> &aTypes,
                  int aRepetitions)
{
    OpenCost cost{-1.0, -1.0};
    // The program's runtime without a log directory, as the other figures.
    QTemporaryDir runtime;
    const QString previous = QDir::currentPath();
    QDir(runtime.path()).mkpath(QStringLiteral("bin"));
    QDir::setCurrent(runtime.filePath(QStringLiteral("bin")));
    OpenPrompter answers;
    answers.mFile = runtime.filePath(QStringLiteral("layout.txt"));
    Prompter *const before = setPrompter(&answers);
    if (writeLayoutFile(aCatalog, aTypes, answers.mFile)) {
        MainWindow window;
        QAction *open = window.findChild<QAction *>(QStringLiteral("actionOpen_Layout_File"));
        double openMs = std::numeric_limits<double>::max();
        double replayMs = std::numeric_limits<double>::max();
        bool whole = open != nullptr;
        for (int i = 0; whole && i < aRepetitions; ++i) {
            window.tabWidget()->setCurrentIndex(1 + i % kLayoutTabCount);
            DiagramScene &scene = *window.activeScene();
            CpuTimer timer;
            timer.start();
            open->trigger();
            settle(scene);
            openMs = std::min(openMs, timer.nsecsElapsed() / 1e6);
            whole =
                answers.mMessages == 0 && window.activeRecordA()->mPieces.size() == aTypes.size();

            timer.start();
            scene.rebuildRecord(window.activeRecordA(), 0, false);
            settle(scene);
            replayMs = std::min(replayMs, timer.nsecsElapsed() / 1e6);
        }
        if (whole)
            cost = {openMs, replayMs};
    }
    setPrompter(before);
    QDir::setCurrent(previous);
    return cost;
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
    drawOffscreenUnlessChosen();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(lanewright);

    const RevellTrack catalog;
    QHash<int, Shapes> shapes;
    for (D::DiagramType type : pieceMix(1000)) {
        if (!shapes.contains(type))
            shapes.insert(type, {pieceOutline(type, &catalog, QString()).mPolygon,
                                 lanePath(type, 1, &catalog), lanePath(type, 2, &catalog),
                                 pieceOutline(attachmentFor(type), &catalog, QString()).mPolygon});
    }

    // One measurement may be named, to profile it alone: "append", "replay",
    // "replay_attached", "overlap", "open", "undo" or "append_at_end".
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const auto wanted = [&only](const char *aName) {
        return only.isEmpty() || only == QLatin1String(aName);
    };

    for (int n : {1000, 4000, 16000}) {
        if (!wanted("append"))
            break;
        const QVector<D::DiagramType> types = pieceMix(n);
        const double append = best([&] { return appendCost(catalog, types); });
        const double floor = best([&] { return floorCost(shapes, types); });
        std::printf("append n=%d us_per_piece=%.3f floor_us_per_piece=%.3f ratio=%.2f\n", n, append,
                    floor, append / floor);
        std::fflush(stdout);
    }

    for (int n : {1000, 4000, 16000}) {
        if (!wanted("replay"))
            break;
        const QVector<D::DiagramType> types = pieceMix(n);
        const double replay = replayCost(catalog, types, kRepetitions);
        const double floor = replayFloorCost(shapes, types, kRepetitions);
        std::printf("replay n=%d us_per_piece=%.3f floor_us_per_piece=%.3f ratio=%.2f\n", n, replay,
                    floor, replay / floor);
        std::fflush(stdout);
    }

    for (int n : {1000, 4000, 16000}) {
        if (!wanted("replay_attached"))
            break;
        const QVector<D::DiagramType> types = pieceMix(n);
        const double replay = replayCost(catalog, types, kRepetitions, true);
        if (replay < 0) {
            std::printf("replay_attached n=%d failed: an attachment could not be drawn\n", n);
            return 1;
        }
        const double floor = replayFloorCost(shapes, types, kRepetitions, true);
        std::printf("replay_attached n=%d us_per_piece=%.3f floor_us_per_piece=%.3f ratio=%.2f\n",
                    n, replay, floor, replay / floor);
        std::fflush(stdout);
    }

    for (int n : {1000, 4000, 16000}) {
        if (!wanted("open"))
            break;
        const OpenCost cost = openCost(catalog, pieceMix(n), kRepetitions);
        if (cost.mOpenMs < 0) {
            std::printf("open n=%d failed: the layout did not open whole and silently\n", n);
            return 1;
        }
        std::printf("open n=%d ms=%.1f replay_ms=%.1f ratio=%.2f\n", n, cost.mOpenMs,
                    cost.mReplayMs, cost.mOpenMs / cost.mReplayMs);
        std::fflush(stdout);
    }

    benchAnalysis(catalog, wanted);
    if (wanted("undo"))
        benchUndo(catalog);

    if (!wanted("append_at_end"))
        return 0;
    const double atEnd = appendAtEndCost(catalog, pieceMix(4000), 20);
    if (atEnd < 0) {
        std::printf("append_at_end n=4000 failed: the layout was laid again\n");
        return 1;
    }
    std::printf("append_at_end n=4000 us=%.3f\n", atEnd);
    return 0;
}
