#include "DiagramPathItem.h"

#include "common/LogFile.h"
#include "graphics/ChainItemRegistry.h"
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
    logConstruction();
    bool notFound = false;
    const QPainterPath path = lanePath(aType, aLane, mCatalog, PieceKinds::kDrawScale, &notFound);
    setPath(path);
    init(path, notFound, nullptr, nullptr);
}

DiagramPathItem::DiagramPathItem(LogFile *aBuildFile, LogFile *aDebugFile, DiagramType aType,
                                 int aIndex, int aLane, const QPainterPath &aPath, bool aNotFound,
                                 const std::array<QBrush, 4> &aLaneBrushes, bool aLaneSwap,
                                 const RevellTrack *aCatalog, QGraphicsItem *aParent,
                                 const std::array<QPen, 4> *aLanePens,
                                 const ItemPlacement *aPlacement)
    : QGraphicsPathItem(aPath, aParent), mLaneBrush(aLaneBrushes), mCatalog(aCatalog),
      mDiagramType(aType), mIndex(aIndex), mLane(aLane), mLaneSwap(aLaneSwap),
      mBuildFile(aBuildFile), mDebugFile(aDebugFile)
{
    logConstruction();
    init(aPath, aNotFound, aLanePens, aPlacement);
}

void DiagramPathItem::logConstruction()
{
    if (mDebugFile)
        mDebugFile->writeFlush("DiagramPathItem() constructor\n");
}

std::array<QPen, 4> DiagramPathItem::lanePens(const std::array<QBrush, 4> &aLaneBrushes)
{
    std::array<QPen, 4> pens;
    for (std::size_t i = 0; i < pens.size(); ++i)
        pens[i] = QPen(aLaneBrushes[i], 3.0, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin);
    return pens;
}

void DiagramPathItem::init(const QPainterPath &aPath, bool aNotFound,
                           const std::array<QPen, 4> *aLanePens, const ItemPlacement *aPlacement)
{
    mGraphicsType = eType + (mLane > 2 ? 1 : 0);
    mPartNumber = getPartNumber(mDiagramType);
    mScale = PieceKinds::kDrawScale;

    // The toolkit item holds aPath already; the copy shares its data.
    mLanePath = aPath;
    if (aNotFound && mDebugFile)
        mDebugFile->writeFlush(
            "DiagramPathItem(::DiagramPathItem))constructor: index for <%s> not found (%d)\n",
            LATIN1(mPartNumber), int(mDiagramType));

    mLanePen = aLanePens ? *aLanePens : lanePens(mLaneBrush);

    // Moves made before the line sends its geometry changes cost no
    // notifications.
    if (aPlacement) {
        setRotation(aPlacement->mRotation);
        setZValue(aPlacement->mZValue);
        setPos(aPlacement->mPos);
    }
    setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemSendsGeometryChanges);
    setPen(mLanePen[penSlot(mLane, mLaneSwap)]);
}

DiagramPathItem::~DiagramPathItem()
{
    if (mChainRegistry)
        mChainRegistry->chainItemDestroyed(this, mChainSlot);
}

std::size_t DiagramPathItem::penSlot(int aLane, bool aLaneSwap)
{
    // After an odd number of lane swaps the two lanes of a pair have changed
    // places, so each is drawn in its partner's colour.
    int lane = aLane;
    if (aLaneSwap)
        lane += (aLane % 2 != 0) ? 1 : -1;
    return std::size_t(qBound(1, lane, 4) - 1);
}
