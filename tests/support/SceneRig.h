#pragma once

// A layout tab without its window: the catalog, the two records of one
// layout, the build and debug logs and the scene that draws them. Built inside
// a TestRuntime, so the logs and the catalog log land in the runtime's private
// logs/. For the scene, replay and mouse tests; the mouse tests put it in a
// real view.

#include "app/LayoutScreen.h"
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
#include <QMultiMap>
#include <QPointF>
#include <QSet>

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

    // The piece index that a piece, attachment or lane-line item carries.
    static int indexOf(const QGraphicsItem *aItem)
    {
        return (aItem->type() <= DiagramItem::eType4)
                   ? static_cast<const DiagramItem *>(aItem)->mIndex
                   : static_cast<const DiagramPathItem *>(aItem)->mIndex;
    }

    // Items of one graphic kind (65551 to 65554) that carry piece index
    // aIndex, topmost first.
    QList<QGraphicsItem *> itemsOf(int aKind, int aIndex) const
    {
        QList<QGraphicsItem *> found;
        for (QGraphicsItem *item : scene->items()) {
            if (item->type() == aKind && indexOf(item) == aIndex)
                found << item;
        }
        return found;
    }

    // Items of one graphic kind, by piece index.
    QMultiMap<int, QGraphicsItem *> itemsByIndex(int aKind) const
    {
        QMultiMap<int, QGraphicsItem *> found;
        for (QGraphicsItem *item : scene->items()) {
            if (item->type() == aKind)
                found.insert(indexOf(item), item);
        }
        return found;
    }

    // Every item of the two graphic kinds of one lane pair.
    QSet<QGraphicsItem *> pairItems(bool aSecondPair) const
    {
        QSet<QGraphicsItem *> found;
        const int pieceKind = aSecondPair ? DiagramItem::eType4 : DiagramItem::eType;
        const int lineKind = aSecondPair ? DiagramPathItem::eType4 : DiagramPathItem::eType;
        for (QGraphicsItem *item : scene->items()) {
            if (item->type() == pieceKind || item->type() == lineKind)
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
