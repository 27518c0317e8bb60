#include "DiagramItem.h"

#include "common/LogFile.h"
#include "graphics/ChainItemRegistry.h"
#include "graphics/PieceShapes.h"

#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QMenu>

#include <cstdio>

DiagramItem::DiagramItem(LogFile *aBuildFile, LogFile *aDebugFile, DiagramType aType,
                         QMenu *aContextMenu, const RevellTrack *aCatalog, int aIndex,
                         bool aLanes34, QString aDirection, QGraphicsItem *aParent)
    : DiagramItem(aBuildFile, aDebugFile, pieceOutline(aType, aCatalog, aDirection, PieceKinds::kDrawScale),
                  aContextMenu, aCatalog, aIndex, aLanes34, aParent)
{
}

DiagramItem::DiagramItem(LogFile *aBuildFile, LogFile *aDebugFile, const PieceOutline &aOutline,
                         QMenu *aContextMenu, const RevellTrack *aCatalog, int aIndex,
                         bool aLanes34, QGraphicsItem *aParent, const QString &aToolTip,
                         const ItemPlacement *aPlacement)
    : QGraphicsPolygonItem(aOutline.mPolygon, aParent), mDebugFile(aDebugFile),
      mBuildFile(aBuildFile), mDiagramType(aOutline.mDiagramType), mContextMenu(aContextMenu),
      mCatalog(aCatalog), mIndex(aIndex), mLanes34(aLanes34)
{
    for (LogFile *log : {mBuildFile, mDebugFile}) {
        if (log)
            log->writeFlush("DiagramItem() constructor, eType = %d, eType4 = %d\n", int(eType),
                            int(eType4));
    }
    mGraphicsType = eType + (aLanes34 ? 1 : 0);
    mScale = PieceKinds::kDrawScale;

    mPartNumber = aOutline.mPartNumber;
    mDbIndex = aOutline.mDbIndex;
    mPolygon = aOutline.mPolygon;
    if (aOutline.mNotFound) {
        std::printf("DiagramItem::DiagramItem: index for <%s> not found (%d)\n",
                    LATIN1(mPartNumber), int(mDiagramType));
        std::fflush(stdout);
    }

    // Moves made before the item sends its geometry changes cost no
    // notifications.
    if (aPlacement) {
        setRotation(aPlacement->mRotation);
        setZValue(aPlacement->mZValue);
        setPos(aPlacement->mPos);
    }
    setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable |
             QGraphicsItem::ItemSendsGeometryChanges);
    setToolTip(aToolTip.isNull() ? mPartNumber : aToolTip);
}

DiagramItem::~DiagramItem()
{
    if (mChainRegistry)
        mChainRegistry->chainItemDestroyed(this, mChainSlot);
}

void DiagramItem::contextMenuEvent(QGraphicsSceneContextMenuEvent *aEvent)
{
    if (mDebugFile)
        mDebugFile->writeFlush("contextMenuEvent() %d\n", int(aEvent->reason()));
    if (scene())
        scene()->clearSelection();
    setSelected(true);
    // The main window handles whatever the user picks from its item menu.
    if (mContextMenu)
        mContextMenu->exec(aEvent->screenPos());
}

QVariant DiagramItem::itemChange(GraphicsItemChange aChange, const QVariant &aValue)
{
    // Every move, turn and restacking passes here: a closed log must cost
    // nothing.
    if (!mDebugFile || !mDebugFile->isOpen())
        return aValue;
    mDebugFile->writeFlush("itemChange()\n");
    if (aChange == QGraphicsItem::ItemSelectedChange) {
        mDebugFile->writeFlush("itemChange() - ItemSelectedChange %d   val %d\n",
                               isSelected() ? 1 : 0, aValue.toInt());
        std::fflush(stdout);
    }
    return aValue;
}
