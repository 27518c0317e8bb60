// The replay of a chain: every edit other than an append at the end changes
// the record's list and then lays the whole chain again from its first point.

#include "DiagramScene.h"

#include "common/LogFile.h"
#include "layout/Elevation.h"
#include "layout/LayoutRecord.h"

#include <QCoreApplication>
#include <QTransform>

void DiagramScene::rebuildRecord(LayoutRecord *aRecord, int aStartIndex, bool aElevInverted)
{
    if (!aRecord)
        return;
    LayoutRecord &record = *aRecord;
    if (mBuildFile && mBuildFile->isOpen()) {
        mBuildFile->write("rebuildTrackGraphic()\n");
        mBuildFile->write("   aStartIndex %d\n", aStartIndex);
        mBuildFile->write("   num track pieces %d\n", record.mPieces.size());
        mBuildFile->write("   num scene items %d\n", items().size());
    }

    settleNewItems();
    mChainItems[record.mSecondPair ? 1 : 0].destroyAll(this);
    if (mDeleteAttachments)
        mDeleteAttachments(record.mSecondPair ? DiagramItem::eType4 : DiagramItem::eType);

    // A delete marks its pieces first and they are all dropped here; hosts
    // are renumbered so that attachments follow their pieces.
    Chaining::prepareReplay(record);

    mReplaying = true;
    for (int i = 0; i < record.mPieces.size(); ++i) {
        const int type = record.mPieces.at(i).mItemType;
        const double level = record.mPieces.at(i).mLevel;
        // Inverting reverses the stacking of overlapping pieces; the replay
        // keeps the inverted level, so inverting twice restores it.
        const double elev = Elevation::replayedLevel(level, aElevInverted);
        if (mBuildFile)
            mBuildFile->write("rebuildTrackGraphic()   index %d   type   %d\n", i, type);
        writeReplayState(record, nullptr);
        appendTrackPiece(record, false, type, record.mFirstPt, elev, record.mSecondPair);
    }
    mReplaying = false;
    showChainEnd(record);

    if (mDebugFile && mDebugFile->isOpen()) {
        const QRectF bounds = itemsBoundingRect();
        mDebugFile->write("rebuildTrackGraphic(): bounding box: %.2lf x %.2lf\n", bounds.width(),
                          bounds.height());
        mDebugFile->flush();
    }

    if (mRestoreAttachments)
        mRestoreAttachments(aRecord);

    writeReplayState(record, "exit rebuildTrackGraphic()\n");
    if (mBuildFile) {
        mBuildFile->write("\n");
        mBuildFile->flush();
    }
}

DiagramScene::~DiagramScene()
{
    settleNewItems();
}

void DiagramScene::settleNewItems()
{
    // A query by place files the new items; the polish waits as a queued call.
    itemAt(QPointF(-1.0, -1.0), QTransform());
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void DiagramScene::addChainItem(DiagramItem *aItem)
{
    mChainItems[aItem->mLanes34 ? 1 : 0].add(aItem);
}

void DiagramScene::writeReplayState(const LayoutRecord &aRecord, const char *aHeading) const
{
    if (!mBuildFile)
        return;
    if (aHeading)
        mBuildFile->write("%s", aHeading);
    mBuildFile->write("   mForwardPt %.2lf  %.2lf\n", aRecord.mForwardPt.x(),
                      aRecord.mForwardPt.y());
    mBuildFile->write("   mForwardAngle %.2lf\n", aRecord.mForwardAngle);
    mBuildFile->write("   mNextIndex %d\n", aRecord.mNextIndex);
}
