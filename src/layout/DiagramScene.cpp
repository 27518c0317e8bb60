#include "DiagramScene.h"

#include "layout/LayoutScreen.h"
#include "catalog/RevellTrack.h"
#include "common/LogFile.h"
#include "graphics/DiagramPathItem.h"
#include "layout/Chaining.h"
#include "layout/LayoutRecord.h"

#include <QBrush>
#include <QLineEdit>
#include <QMetaType>

namespace {

void writeLineEdit(QLineEdit *aEdit, const QString &aText)
{
    if (aEdit)
        aEdit->setText(aText);
}

} // namespace

DiagramScene::DiagramScene(QMenu *aItemMenu, const RevellTrack *aCatalog, LayoutRecord *aRecordA,
                           LayoutRecord *aRecordB, LayoutScreen *aLayoutScreen, LogFile *aBuildFile,
                           LogFile *aDebugFile, QObject *aParent)
    : QGraphicsScene(aParent), mItemMenu(aItemMenu), mCatalog(aCatalog),
      mLayoutScreen(aLayoutScreen), mRecord(aRecordA), mSavedRecord(aRecordA),
      mSecondRecord(aRecordB), mBuildFile(aBuildFile), mDebugFile(aDebugFile)
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
    for (int type = 0; type < DiagramItem::R9999; ++type)
        mCatalogIndex[type] = mCatalog->findIndex(mDiagramTypeList.at(type));

    if (mDebugFile)
        mDebugFile->writeFlush("DiagramScene constructor end\n");
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
        const QString &partNumber = cachedOutline(aType).mPartNumber;
        cache.mToolTip = partNumber.left(partNumber.indexOf(QLatin1Char(' '))) +
                         QLatin1String(" elev ") + QString::number(aElev, 'f', 2);
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
    LayoutRecord &record = *mRecord;
    if (mBuildFile && mBuildFile->isOpen())
        mBuildFile->write("appendTrackPiece(): aAdd %d   aItemType %d   (%.2lf  %.2lf)  elev %.2lf"
                          "   lanes34 %d\n",
                          aAdd, aItemType, aPos.x(), aPos.y(), aElev, aLanes34);
    writeChainState();

    // A replay needs an entry to rewrite; without one the piece is appended,
    // so that mNextIndex never runs past the list.
    const bool replay =
        !aAdd && record.mNextIndex >= 0 && record.mNextIndex < record.mPieces.size();
    const int dbIndex =
        (aItemType >= 0 && aItemType < DiagramItem::R9999) ? mCatalogIndex[aItemType] : -1;
    if (dbIndex < 0 || (replay && (record.mPieces.at(record.mNextIndex).mItemType < 0 ||
                                   record.mPieces.at(record.mNextIndex).mDbIndex < 0)))
        return passUnknownPiece(replay, aPos, aElev);

    mItemType = static_cast<DiagramItem::DiagramType>(aItemType);

    // mForward is never cleared: every piece extends the chain at its end,
    // and the first piece starts it where it was put.
    const double oldAngle = record.mForwardAngle;
    const bool first = record.mFirst;
    if (first) {
        record.mFirstPt = aPos;
        record.mForwardPt = aPos;
        record.mFirst = false;
    }
    const QPointF start = record.mForwardPt;
    // Placed before it joins the scene: moving an item inside the scene makes
    // the scene measure its stroked outline at once.
    const ItemPlacement placement{start, oldAngle, aElev};

    auto *item = new DiagramItem(mBuildFile, mDebugFile, cachedOutline(mItemType), mItemMenu,
                                 mCatalog, record.mNextIndex, aLanes34, nullptr,
                                 cachedToolTip(mItemType, aElev), &placement);
    mScale = item->mScale;
    item->mLaneSwap = record.mLaneSwap;
    if (first)
        item->setBrush(fillBrush(mFilled ? mFirstPieceFill : mFirstPieceHollow));
    else
        item->setBrush(fillBrush(mFilled ? mPieceFill : mPieceHollow));
    item->mLevel = aElev;
    addItem(item);
    ChainItemList &chainItems = mChainItems[aLanes34 ? 1 : 0];
    chainItems.add(item);

    const TrackPiece &piece = mCatalog->piece(dbIndex);
    PlacedPiece entry(piece.mPartNumber, dbIndex, item->mDiagramType, start, oldAngle, 0.0);
    entry.mLevel = aElev;
    record.mForwardPt =
        Chaining::forwardPoint(start, oldAngle, piece.mLowerLeft, piece.mLowerRight, item->mScale);
    record.mForwardAngle = Chaining::normalisedAngle(
        oldAngle + Chaining::turnAngle(piece.mCurveDeg, piece.mDirection));
    showForward(record);
    entry.mNextPt = record.mForwardPt;
    entry.mNextAngle = record.mForwardAngle;

    if (replay) {
        PlacedPiece &kept = record.mPieces[record.mNextIndex];
        kept.mLevel = aElev;
        kept.mOrigin = start;
        kept.mAngle = oldAngle;
        kept.mNextPt = entry.mNextPt;
        kept.mNextAngle = entry.mNextAngle;
    } else {
        record.mPieces.append(entry);
    }

    const std::array<QPen, 4> &lanePens = cachedLanePens(record.mLaneBrush);
    const int firstLane = aLanes34 ? 3 : 1;
    for (int lane = firstLane; lane < firstLane + 2; ++lane) {
        bool notFound = false;
        const QPainterPath &path = cachedLanePath(mItemType, lane, &notFound);
        auto *line = new DiagramPathItem(mBuildFile, mDebugFile, mItemType, record.mNextIndex, lane,
                                         path, notFound, record.mLaneBrush, item->mLaneSwap,
                                         mCatalog, nullptr, &lanePens, &placement);
        line->mLevel = aElev;
        addItem(line);
        chainItems.add(line);
    }

    // Only the lane-change piece carries its lanes across to each other.
    const bool parityIn = record.mLaneSwap;
    const bool parityOut = piece.mLaneSwap ? !parityIn : parityIn;
    record.mLaneSwap = parityOut;
    PlacedPiece &written = record.mPieces[record.mNextIndex];
    written.mLaneSwapIn = parityIn;
    written.mLaneSwapOut = parityOut;

    record.mNextIndex += 1;
    showNextIndex(record);

    if (mBuildFile)
        mBuildFile->write(replay ? "replace piece   index %d  list size %d\n"
                                 : "new piece   index %d  list size %d\n",
                          record.mNextIndex, record.mPieces.size());
    writeChainState();

    if (!mReplaying)
        emit itemAppended(item);
    return item;
}

// An entry the catalog cannot lay keeps its place in the list but takes no
// room in the drawing: its start and end are the previous end of the chain.
DiagramItem *DiagramScene::passUnknownPiece(bool aReplay, QPointF aPos, double aElev)
{
    LayoutRecord &record = *mRecord;
    if (!aReplay) {
        if (mBuildFile)
            mBuildFile->write("   unknown piece not laid\n");
        return nullptr;
    }

    // The first drawn piece still becomes the first piece of the chain.
    if (record.mFirst)
        record.mForwardPt = aPos;
    PlacedPiece &entry = record.mPieces[record.mNextIndex];
    entry.mLevel = aElev;
    entry.mOrigin = record.mForwardPt;
    entry.mAngle = record.mForwardAngle;
    entry.mNextPt = record.mForwardPt;
    entry.mNextAngle = record.mForwardAngle;
    entry.mLaneSwapIn = record.mLaneSwap;
    entry.mLaneSwapOut = record.mLaneSwap;

    record.mNextIndex += 1;
    showNextIndex(record);

    if (mBuildFile) {
        mBuildFile->write("   unknown piece <%s> not drawn\n", LATIN1(entry.mPartNumber));
        mBuildFile->write("replace piece   index %d  list size %d\n", record.mNextIndex,
                          record.mPieces.size());
    }
    writeChainState();
    return nullptr;
}

bool DiagramScene::appendFourLanePiece(int aFourLaneType, QPointF aPos)
{
    const Chaining::FourLanePlacement placement = Chaining::fourLanePlacement(aFourLaneType);
    if (placement.isEmpty())
        return false;

    // Each append takes its piece's type as the current one; the next click
    // must still lay the four-lane selection.
    const DiagramItem::DiagramType selection = mItemType;
    mSavedRecord = mRecord;
    for (DiagramItem::DiagramType type : placement.mRecordA)
        appendTrackPiece(true, type, aPos, mElev, false);
    mRecord = mSecondRecord;
    // Record B runs one two-lane track width to the upper (left) side.
    const QPointF secondPos(aPos.x(), aPos.y() - mCatalog->width * mScale);
    for (DiagramItem::DiagramType type : placement.mRecordB)
        appendTrackPiece(true, type, secondPos, mElev, true);
    mRecord = mSavedRecord;
    mItemType = selection;
    return true;
}

void DiagramScene::writeChainState() const
{
    if (!mBuildFile || !mBuildFile->isOpen())
        return;
    mBuildFile->write("   mForwardPt %.2lf %.2lf\n", mRecord->mForwardPt.x(),
                      mRecord->mForwardPt.y());
    mBuildFile->write("   mForwardAngle %.2lf\n", mRecord->mForwardAngle);
    mBuildFile->write("   mNextIndex %d\n", mRecord->mNextIndex);
}

void DiagramScene::showForward(const LayoutRecord &aRecord) const
{
    if (!mLayoutScreen || mReplaying)
        return;
    writeLineEdit(mLayoutScreen->mCurrentPosXLineEdit,
                  QString::asprintf("%.2lf", aRecord.mForwardPt.x()));
    writeLineEdit(mLayoutScreen->mCurrentPosYLineEdit,
                  QString::asprintf("%.2lf", aRecord.mForwardPt.y()));
    writeLineEdit(mLayoutScreen->mCurrentAngLineEdit,
                  QString::number(Chaining::displayedAngle(aRecord.mForwardAngle)));
}

void DiagramScene::showNextIndex(const LayoutRecord &aRecord) const
{
    if (mLayoutScreen && !mReplaying)
        writeLineEdit(mLayoutScreen->mCurrentIndexLineEdit, QString::number(aRecord.mNextIndex));
}
