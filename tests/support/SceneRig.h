#pragma once

// A layout tab without its window: catalog, both records, logs and scene.
// Built inside a TestRuntime, so every log lands in its private logs/.

#include "layout/LayoutScreen.h"
#include "catalog/RevellTrack.h"
#include "common/LogFile.h"
#include "graphics/DiagramItem.h"
#include "graphics/DiagramPathItem.h"
#include "layout/DiagramScene.h"
#include "layout/LayoutRecord.h"

#include "support/RecordingPrompter.h"

#include <QBrush>
#include <QGraphicsItem>
#include <QList>
#include <QPointF>

#include <memory>

struct SceneRig
{
    using DiagramType = DiagramTypeBase::DiagramType;

    // aLanes is record A's lane count; record B is its twin for lanes 3 and 4.
    explicit SceneRig(int aLanes = 2, LayoutScreen *aScreen = nullptr)
        : recordA(QStringLiteral("unnamed1"), aLanes, 178.0,
                  {{QBrush(Qt::red), QBrush(Qt::green), QBrush(Qt::blue), QBrush(Qt::yellow)}})
    {
        build.open("../logs/build.log");
        debug.open("../logs/debug.log");
        recordB = recordA;
        recordB.mFirstPair = false;
        recordB.mSecondPair = true;
        scene = std::make_unique<DiagramScene>(nullptr, &catalog, &recordA, &recordB, aScreen,
                                               &build, &debug);
    }

    // Appends one piece to the scene's current record, as a click does.
    DiagramItem *append(DiagramType aType, QPointF aPos = QPointF(1000, 1000))
    {
        return scene->appendTrackPiece(true, aType, aPos, 0.25, false);
    }

    void lay(const QList<DiagramType> &aTypes, QPointF aPos = QPointF(1000, 1000),
             double aElev = 0.25)
    {
        for (DiagramType type : aTypes)
            scene->appendTrackPiece(true, type, aPos, aElev, false);
    }

    static int indexOf(const QGraphicsItem *aItem)
    {
        return (aItem->type() <= DiagramItem::eType4)
                   ? static_cast<const DiagramItem *>(aItem)->mIndex
                   : static_cast<const DiagramPathItem *>(aItem)->mIndex;
    }

    QGraphicsItem *itemOf(int aKind, int aIndex) const { return itemsOf(aKind, aIndex).value(0); }

    // Items of one graphic kind (65551 to 65554) with piece index aIndex (any
    // when -1), topmost first.
    QList<QGraphicsItem *> itemsOf(int aKind, int aIndex = -1) const
    {
        QList<QGraphicsItem *> found;
        for (QGraphicsItem *item : scene->items()) {
            if (item->type() == aKind && (aIndex < 0 || indexOf(item) == aIndex))
                found << item;
        }
        return found;
    }

    RecordingPrompter prompter;
    RevellTrack catalog;
    LogFile build;
    LogFile debug;
    LayoutRecord recordA;
    LayoutRecord recordB;
    std::unique_ptr<DiagramScene> scene;
};
