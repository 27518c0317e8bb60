#include "DiagramScene.h"

#include "layout/LayoutScreen.h"
#include "catalog/RevellTrack.h"
#include "common/LogFile.h"
#include "graphics/DiagramPathItem.h"
#include "layout/Chaining.h"
#include "layout/Elevation.h"
#include "layout/LayoutRecord.h"

#include <QBrush>
#include <QMetaType>

DiagramScene::DiagramScene(QMenu *aItemMenu, const RevellTrack *aCatalog, LayoutRecord *aRecordA,
                           LayoutRecord *aRecordB, LayoutScreen *aLayoutScreen, LogFile *aBuildFile,
                           LogFile *aDebugFile, QObject *aParent)
    : QGraphicsScene(aParent), mItemMenu(aItemMenu), mCatalog(aCatalog),
      mLayoutScreen(aLayoutScreen), mRecord(aRecordA), mSecondRecord(aRecordB),
      mBuildFile(aBuildFile), mDebugFile(aDebugFile)
{
    if (mDebugFile)
        mDebugFile->writeFlush("DiagramScene constructor\n");

    // The signals carry these types by their written names; the names must be
    // known for queued connections and signal spies.
    qRegisterMetaType<DiagramItem *>("DiagramItem*");
    qRegisterMetaType<DiagramItem::DiagramType>("DiagramItem::DiagramType");
    qRegisterMetaType<DiagramScene::Mode>("DiagramScene::Mode");

    mPressTimer.setSingleShot(true);
    mPressTimer.setInterval(200);
    connect(&mPressTimer, &QTimer::timeout, this, &DiagramScene::MousePressDelayed);

    initDiagramTypeList(mDiagramTypeList);

    if (mDebugFile)
        mDebugFile->writeFlush("DiagramScene constructor end\n");
}

QString DiagramScene::modeText(Mode aMode)
{
    switch (aMode) {
    case Append:
        return QStringLiteral("Append");
    case Move:
        return QStringLiteral("Move");
    case Edit:
        return QStringLiteral("Edit");
    case Attach:
        return QStringLiteral("Attach");
    case Append4:
        return QStringLiteral("Append4");
    }
    return QString();
}

void DiagramScene::setMode(Mode aMode)
{
    if (aMode == mMode)
        return;
    mMode = aMode;
    emit modeChanged(aMode);
}

const PieceOutline &DiagramScene::cachedOutline(DiagramItem::DiagramType aType)
{
    ShapeCache &cache = mShapes[aType];
    if (!cache.mOutlineReady) {
        cache.mOutline = pieceOutline(aType, mCatalog, QString(), PieceKinds::kDrawScale);
        cache.mOutlineReady = true;
    }
    return cache.mOutline;
}

const QPainterPath &DiagramScene::cachedLanePath(DiagramItem::DiagramType aType, int aLane,
                                                 bool *aNotFound)
{
    // Lanes 1 and 3 follow the same line of the piece, as do lanes 2 and 4.
    ShapeCache &cache = mShapes[aType];
    const std::size_t slot = (aLane % 2 != 0) ? 0 : 1;
    if (!cache.mLaneReady[slot]) {
        bool notFound = false;
        cache.mLane[slot] = lanePath(aType, aLane, mCatalog, PieceKinds::kDrawScale, &notFound);
        cache.mLaneNotFound[slot] = notFound;
        cache.mLaneReady[slot] = true;
    }
    *aNotFound = cache.mLaneNotFound[slot];
    return cache.mLane[slot];
}

const QString &DiagramScene::cachedToolTip(DiagramItem::DiagramType aType, double aElev)
{
    // The tip is the first word of the part number, which the piece would
    // show, and the elevation; nearly every piece is laid at one level.
    ShapeCache &cache = mShapes[aType];
    if (!cache.mToolTipReady || cache.mToolTipElev != aElev) {
        cache.mToolTip = Elevation::toolTip(cachedOutline(aType).mPartNumber, aElev);
        cache.mToolTipElev = aElev;
        cache.mToolTipReady = true;
    }
    return cache.mToolTip;
}

const std::array<QPen, 4> &DiagramScene::cachedLanePens(const std::array<QBrush, 4> &aLaneBrushes)
{
    if (!mLanePensReady || mLanePenBrushes != aLaneBrushes) {
        mLanePens = DiagramPathItem::lanePens(aLaneBrushes);
        mLanePenBrushes = aLaneBrushes;
        mLanePensReady = true;
    }
    return mLanePens;
}

const QBrush &DiagramScene::fillBrush(const QColor &aColor)
{
    // A brush made from a colour allocates; one per colour is shared by all
    // the pieces of that fill.
    for (FillBrush &fill : mFillBrushes) {
        if (fill.mColor == aColor)
            return fill.mBrush;
    }
    mFillBrushes.append({aColor, QBrush(aColor)});
    return mFillBrushes.last().mBrush;
}

DiagramItem *DiagramScene::appendTrackPiece(bool aAdd, int aItemType, QPointF aPos, double aElev,
                                            bool aLanes34)
{
    return appendTrackPiece(*mRecord, aAdd, aItemType, aPos, aElev, aLanes34);
}

DiagramItem *DiagramScene::appendTrackPiece(LayoutRecord &aRecord, bool aAdd, int aItemType,
                                            QPointF aPos, double aElev, bool aLanes34)
{
    if (mBuildFile && mBuildFile->isOpen())
        mBuildFile->write("appendTrackPiece(): aAdd %d   aItemType %d   (%.2lf  %.2lf)  elev %.2lf"
                          "   lanes34 %d\n",
                          aAdd, aItemType, aPos.x(), aPos.y(), aElev, aLanes34);
    writeChainState(aRecord);

    const Chaining::Step step = Chaining::layNext(aRecord, *mCatalog, aItemType, aPos, aElev, aAdd);
    if (!step.mLaid) {
        passUnknownPiece(aRecord, step);
        return nullptr;
    }
    // A replay lays the record's own kinds; the toolbox's choice stays the
    // kind the next click lays.
    if (!mReplaying)
        mItemType = static_cast<DiagramItem::DiagramType>(aItemType);
    DiagramItem *item = drawPiece(aRecord, step, aElev, aLanes34);

    if (mBuildFile)
        mBuildFile->write(step.mReplayed ? "replace piece   index %d  list size %d\n"
                                         : "new piece   index %d  list size %d\n",
                          aRecord.mNextIndex, aRecord.mPieces.size());
    writeChainState(aRecord);
    if (!mReplaying) {
        showChainEnd(aRecord);
        emit itemAppended(item);
    }
    return item;
}

DiagramItem *DiagramScene::drawPiece(const LayoutRecord &aRecord, const Chaining::Step &aStep,
                                     double aElev, bool aLanes34)
{
    const auto type = static_cast<DiagramItem::DiagramType>(aStep.mItemType);
    // Placed before it joins the scene: moving an item inside the scene makes
    // the scene measure its stroked outline at once.
    const ItemPlacement placement{aStep.mStart, aStep.mAngle, aElev};
    auto *item = new DiagramItem(mBuildFile, mDebugFile, cachedOutline(type), mItemMenu, mCatalog,
                                 aStep.mIndex, aLanes34, nullptr, cachedToolTip(type, aElev),
                                 &placement);
    mScale = item->mScale;
    item->mLaneSwap = aStep.mParityIn;
    if (aStep.mFirst)
        item->setBrush(fillBrush(mFilled ? mFirstPieceFill : mFirstPieceHollow));
    else
        item->setBrush(fillBrush(mFilled ? mPieceFill : mPieceHollow));
    item->mLevel = aElev;
    addItem(item);
    ChainItemList &chainItems = mChainItems[aLanes34 ? 1 : 0];
    chainItems.add(item);

    const std::array<QPen, 4> &lanePens = cachedLanePens(aRecord.mLaneBrush);
    const int firstLane = aLanes34 ? 3 : 1;
    for (int lane = firstLane; lane < firstLane + 2; ++lane) {
        bool notFound = false;
        const QPainterPath &path = cachedLanePath(type, lane, &notFound);
        auto *line = new DiagramPathItem(mBuildFile, mDebugFile, type, aStep.mIndex, lane, path,
                                         notFound, aRecord.mLaneBrush, aStep.mParityIn, mCatalog,
                                         nullptr, &lanePens, &placement);
        line->mLevel = aElev;
        addItem(line);
        chainItems.add(line);
    }
    return item;
}

void DiagramScene::passUnknownPiece(const LayoutRecord &aRecord, const Chaining::Step &aStep)
{
    if (!mBuildFile)
        return;
    if (!aStep.mReplayed) {
        mBuildFile->write("   unknown piece not laid\n");
        return;
    }
    mBuildFile->write("   unknown piece <%s> not drawn\n",
                      LATIN1(aRecord.mPieces.at(aStep.mIndex).mPartNumber));
    mBuildFile->write("replace piece   index %d  list size %d\n", aRecord.mNextIndex,
                      aRecord.mPieces.size());
    writeChainState(aRecord);
}

bool DiagramScene::appendFourLanePiece(int aFourLaneType, QPointF aPos)
{
    const Chaining::FourLanePlacement placement = Chaining::fourLanePlacement(aFourLaneType);
    if (placement.isEmpty())
        return false;

    // Each append takes its piece's type as the current one; the next click
    // must still lay the four-lane selection.
    const DiagramItem::DiagramType selection = mItemType;
    mFourLaneSelection = aFourLaneType;
    int toLay = placement.mRecordA.size() + placement.mRecordB.size();
    const auto lay = [&](LayoutRecord &aRecord, DiagramItem::DiagramType aType, QPointF aAt,
                         bool aLanes34) {
        mMorePiecesFollow = --toLay > 0;
        appendTrackPiece(aRecord, true, aType, aAt, mElev, aLanes34);
    };
    for (DiagramItem::DiagramType type : placement.mRecordA)
        lay(*mRecord, type, aPos, false);
    const QPointF secondPos = Chaining::secondPairStart(aPos, *mCatalog);
    for (DiagramItem::DiagramType type : placement.mRecordB)
        lay(*mSecondRecord, type, secondPos, true);
    mMorePiecesFollow = false;
    mFourLaneSelection = -1;
    mItemType = selection;
    return true;
}

void DiagramScene::writeChainState(const LayoutRecord &aRecord) const
{
    if (!mBuildFile || !mBuildFile->isOpen())
        return;
    mBuildFile->write("   mForwardPt %.2lf %.2lf\n", aRecord.mForwardPt.x(), aRecord.mForwardPt.y());
    mBuildFile->write("   mForwardAngle %.2lf\n", aRecord.mForwardAngle);
    mBuildFile->write("   mNextIndex %d\n", aRecord.mNextIndex);
}

void DiagramScene::showChainEnd(const LayoutRecord &aRecord) const
{
    if (mLayoutScreen)
        mLayoutScreen->showChainEnd(aRecord);
}

DiagramItem *DiagramScene::pieceItem(int aPair, int aIndex) const
{
    return mChainItems[aPair ? 1 : 0].pieceItem(aIndex);
}

DiagramItem *DiagramScene::pieceStandingFor(QGraphicsItem *aItem) const
{
    if (!aItem)
        return nullptr;
    if (PieceKinds::isPieceItemKind(aItem->type()))
        return static_cast<DiagramItem *>(aItem);
    if (!PieceKinds::isLaneItemKind(aItem->type()))
        return nullptr;
    return pieceItem(PieceKinds::pairOfItemKind(aItem->type()),
                     static_cast<const DiagramPathItem *>(aItem)->mIndex);
}
