#include "DiagramItem.h"

#include "common/LogFile.h"
#include "graphics/PieceShapes.h"

#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QMenu>

#include <cstdio>

DiagramItem::DiagramItem(LogFile *aBuildFile, LogFile *aDebugFile, DiagramType aType,
                         QMenu *aContextMenu, const RevellTrack *aCatalog, int aIndex,
                         bool aLanes34, QString aDirection, QGraphicsItem *aParent)
    : QGraphicsPolygonItem(aParent), mDebugFile(aDebugFile), mBuildFile(aBuildFile),
      mDiagramType(aType), mContextMenu(aContextMenu), mCatalog(aCatalog), mIndex(aIndex),
      mLanes34(aLanes34)
{
    for (LogFile *log : {mBuildFile, mDebugFile}) {
        if (log)
            log->writeFlush("DiagramItem() constructor, eType = %d, eType4 = %d\n", int(eType),
                            int(eType4));
    }
    mGraphicsType = eType + (aLanes34 ? 1 : 0);
    mScale = kDiagramScale;

    const PieceOutline outline = pieceOutline(aType, mCatalog, aDirection, mScale);
    mDiagramType = outline.mDiagramType;
    mPartNumber = outline.mPartNumber;
    mDbIndex = outline.mDbIndex;
    mPolygon = outline.mPolygon;
    if (outline.mNotFound) {
        std::printf("DiagramItem::DiagramItem: index for <%s> not found (%d)\n",
                    LATIN1(mPartNumber), int(mDiagramType));
        std::fflush(stdout);
    }

    setPolygon(mPolygon);
    setFlag(QGraphicsItem::ItemIsMovable, true);
    setFlag(QGraphicsItem::ItemIsSelectable, true);
    setFlag(QGraphicsItem::ItemSendsGeometryChanges, true);
    setToolTip(mPartNumber);
}

DiagramItem::~DiagramItem() = default;

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
    if (mDebugFile)
        mDebugFile->writeFlush("itemChange()\n");
    if (aChange == QGraphicsItem::ItemSelectedChange && mDebugFile) {
        mDebugFile->writeFlush("itemChange() - ItemSelectedChange %d   val %d\n",
                               isSelected() ? 1 : 0, aValue.toInt());
        std::fflush(stdout);
    }
    return aValue;
}
