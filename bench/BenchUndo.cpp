#include "BenchUndo.h"
#include "BenchSupport.h"

#include "BenchAnalysis.h"

#include "app/MainWindow.h"
#include "layout/DiagramScene.h"
#include "layout/TrackPlanFile.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUndoStack>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

constexpr int kPieces = 4000;
constexpr int kRepetitions = 5;

// The time of aStep with what the event loop then does for it, as the
// running program finishes an edit before the next.
template <class Step> double timed(Step aStep)
{
    const qint64 start = cpuNow();
    aStep();
    QCoreApplication::processEvents();
    return (cpuNow() - start) / 1e6;
}

} // namespace

void benchUndo(const RevellTrack &aCatalog)
{
    QTemporaryDir scratch;
    const QString previous = QDir::currentPath();
    if (!scratch.isValid() || !QDir(scratch.path()).mkpath("bin") ||
        !QDir::setCurrent(scratch.filePath("bin"))) {
        std::printf("undo n=%d failed: no scratch folder\n", kPieces);
        return;
    }
    const QString path = scratch.filePath("large.txt");
    LayoutRecord layout = meander(aCatalog, kPieces);
    layout.mName = QStringLiteral("Large layout");
    if (!saveTrackPlanFile(path, layout, LayoutRecord())) {
        std::printf("undo n=%d failed: the layout could not be written\n", kPieces);
        return;
    }
    OpenPrompter answers;
    answers.mFile = path;
    Prompter *before = setPrompter(&answers);
    {
        MainWindow window;
        window.tabWidget()->setCurrentIndex(1);
        window.findChild<QAction *>("actionOpen_Layout_File")->trigger();
        DiagramScene *scene = window.activeScene();
        QUndoStack *stack = window.undoStack(0);
        emit scene->itemInserted(scene->pieceItem(0, kPieces / 2), DiagramItem::R3600);
        QCoreApplication::processEvents();
        if (window.recordA(0).mPieces.size() != kPieces + 1 || !stack->canUndo()) {
            std::printf("undo n=%d failed: the insert did not happen\n", kPieces);
        } else {
            double undo = std::numeric_limits<double>::max();
            double replay = std::numeric_limits<double>::max();
            for (int i = 0; i < kRepetitions; ++i) {
                undo = std::min(undo, timed([&] { stack->undo(); }));
                stack->redo();
                QCoreApplication::processEvents();
                replay = std::min(
                    replay, timed([&] { window.rebuildTrackGraphic(&window.recordA(0), 0); }));
            }
            std::printf("undo n=%d ms=%.1f replay_ms=%.1f ratio=%.2f\n", kPieces, undo, replay,
                        undo / replay);
        }
    }
    setPrompter(before);
    QDir::setCurrent(previous);
}
