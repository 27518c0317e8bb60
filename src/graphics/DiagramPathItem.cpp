#include "DiagramPathItem.h"

#include "common/LogFile.h"
#include "graphics/PieceShapes.h"

DiagramPathItem::DiagramPathItem(LogFile *aBuildFile, LogFile *aDebugFile, DiagramType aType,
                                 int aIndex, int aLane, const QBrush &aLane1Brush,
                                 const QBrush &aLane2Brush, const QBrush &aLane3Brush,
                                 const QBrush &aLane4Brush, bool aLaneSwap,
                                 const RevellTrack *aCatalog, QGraphicsItem *aParent)
    : QGraphicsPathItem(aParent), mLaneBrush{aLane1Brush, aLane2Brush, aLane3Brush, aLane4Brush},
      mCatalog(aCatalog), mDiagramType(aType), mIndex(aIndex), mLane(aLane), mLaneSwap(aLaneSwap),
      mBuildFile(aBuildFile), mDebugFile(aDebugFile)
{
    if (mDebugFile)
        mDebugFile->writeFlush("DiagramPathItem() constructor\n");
    mGraphicsType = eType + (aLane > 2 ? 1 : 0);
    mPartNumber = getPartNumber(aType);
    mScale = kDiagramScale;

    bool notFound = false;
    mLanePath = lanePath(aType, aLane, mCatalog, mScale, &notFound);
    if (notFound && mDebugFile)
        mDebugFile->writeFlush(
            "DiagramPathItem(::DiagramPathItem))constructor: index for <%s> not found (%d)\n",
            LATIN1(mPartNumber), int(aType));

    for (std::size_t i = 0; i < mLanePen.size(); ++i)
        mLanePen[i] = QPen(mLaneBrush[i], 3.0, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin);

    setPath(mLanePath);
    setFlag(QGraphicsItem::ItemIsMovable, true);
    setFlag(QGraphicsItem::ItemIsSelectable, false);
    setFlag(QGraphicsItem::ItemSendsGeometryChanges, true);
    setPen(mLanePen[penSlot(aLane, aLaneSwap)]);
}

DiagramPathItem::~DiagramPathItem() = default;

std::size_t DiagramPathItem::penSlot(int aLane, bool aLaneSwap)
{
    // After an odd number of lane swaps the two lanes of a pair have changed
    // places, so each is drawn in its partner's colour.
    int lane = aLane;
    if (aLaneSwap)
        lane += (aLane % 2 != 0) ? 1 : -1;
    return std::size_t(qBound(1, lane, 4) - 1);
}
