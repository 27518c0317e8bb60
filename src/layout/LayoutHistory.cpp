#include "LayoutHistory.h"

#include <algorithm>

namespace LayoutHistory {

namespace {

RecordHead headOf(const LayoutRecord &aRecord)
{
    return RecordHead{aRecord.mName,         aRecord.mPath,     aRecord.mLanes,
                      aRecord.mBaseWidth,    aRecord.mFirstPt,  aRecord.mReversePt,
                      aRecord.mReverseAngle, aRecord.mLaneBrush};
}

bool sameHead(const RecordHead &aFirst, const RecordHead &aSecond)
{
    return aFirst.mName == aSecond.mName && aFirst.mPath == aSecond.mPath &&
           aFirst.mLanes == aSecond.mLanes && aFirst.mBaseWidth == aSecond.mBaseWidth &&
           aFirst.mFirstPt == aSecond.mFirstPt && aFirst.mReversePt == aSecond.mReversePt &&
           aFirst.mReverseAngle == aSecond.mReverseAngle && aFirst.mLaneBrush == aSecond.mLaneBrush;
}

// A field is written only where the change set it.
template <class Field> void restore(Field &aField, const Field &aFrom, const Field &aTo)
{
    if (!(aFrom == aTo))
        aField = aTo;
}

void restoreHead(LayoutRecord &aRecord, const RecordHead &aFrom, const RecordHead &aTo)
{
    restore(aRecord.mName, aFrom.mName, aTo.mName);
    restore(aRecord.mPath, aFrom.mPath, aTo.mPath);
    restore(aRecord.mLanes, aFrom.mLanes, aTo.mLanes);
    restore(aRecord.mBaseWidth, aFrom.mBaseWidth, aTo.mBaseWidth);
    restore(aRecord.mFirstPt, aFrom.mFirstPt, aTo.mFirstPt);
    restore(aRecord.mReversePt, aFrom.mReversePt, aTo.mReversePt);
    restore(aRecord.mReverseAngle, aFrom.mReverseAngle, aTo.mReverseAngle);
    restore(aRecord.mLaneBrush, aFrom.mLaneBrush, aTo.mLaneBrush);
}

bool sameAttachments(const QList<AttachmentEntry> &aFirst, const QList<AttachmentEntry> &aSecond)
{
    // Host indexes are renumbered by every replay; the name says what is attached.
    return std::equal(aFirst.begin(), aFirst.end(), aSecond.begin(), aSecond.end(),
                      [](const AttachmentEntry &aL, const AttachmentEntry &aR) {
                          return aL.mName == aR.mName && aL.mDbIndex == aR.mDbIndex;
                      });
}

// Replaces aRemoved entries from aStart with aInserted, building the list
// afresh: one pass however long the run.
bool splice(LayoutRecord &aRecord, int aStart, int aRemoved, const QList<PlacedPiece> &aInserted)
{
    const int size = aRecord.mPieces.size();
    if (aStart < 0 || aRemoved < 0 || aStart + aRemoved > size)
        return false;
    if (aRemoved == 0 && aInserted.isEmpty())
        return true;
    QList<PlacedPiece> pieces;
    pieces.reserve(size - aRemoved + aInserted.size());
    for (int i = 0; i < aStart; ++i)
        pieces.append(aRecord.mPieces.at(i));
    pieces.append(aInserted);
    for (int i = aStart + aRemoved; i < size; ++i)
        pieces.append(aRecord.mPieces.at(i));
    aRecord.mPieces = pieces;
    return true;
}

} // namespace

bool RecordChange::isEmpty() const
{
    return mBefore.isEmpty() && mAfter.isEmpty() && sameHead(mBeforeHead, mAfterHead);
}

bool sameEntry(const PlacedPiece &aFirst, const PlacedPiece &aSecond)
{
    return aFirst.mPartNumber == aSecond.mPartNumber && aFirst.mDbIndex == aSecond.mDbIndex &&
           aFirst.mItemType == aSecond.mItemType && aFirst.mLevel == aSecond.mLevel &&
           aFirst.mDeleted == aSecond.mDeleted &&
           sameAttachments(aFirst.mAttachments, aSecond.mAttachments);
}

RecordChange changeBetween(const LayoutRecord &aBefore, const LayoutRecord &aAfter)
{
    RecordChange change;
    change.mBeforeHead = headOf(aBefore);
    change.mAfterHead = headOf(aAfter);
    const QList<PlacedPiece> &before = aBefore.mPieces;
    const QList<PlacedPiece> &after = aAfter.mPieces;
    const int shorter = std::min(before.size(), after.size());
    int start = 0;
    while (start < shorter && sameEntry(before.at(start), after.at(start)))
        ++start;
    // The common end may not reach back into the common start.
    int end = 0;
    while (end < shorter - start &&
           sameEntry(before.at(before.size() - 1 - end), after.at(after.size() - 1 - end)))
        ++end;
    change.mStart = start;
    change.mBefore = before.mid(start, before.size() - start - end);
    change.mAfter = after.mid(start, after.size() - start - end);
    return change;
}

LayoutChange changeBetween(const LayoutRecord &aBeforeA, const LayoutRecord &aBeforeB,
                           const LayoutRecord &aAfterA, const LayoutRecord &aAfterB)
{
    return LayoutChange{changeBetween(aBeforeA, aAfterA), changeBetween(aBeforeB, aAfterB)};
}

bool undo(LayoutRecord &aRecord, const RecordChange &aChange)
{
    if (!splice(aRecord, aChange.mStart, aChange.mAfter.size(), aChange.mBefore))
        return false;
    restoreHead(aRecord, aChange.mAfterHead, aChange.mBeforeHead);
    return true;
}

bool redo(LayoutRecord &aRecord, const RecordChange &aChange)
{
    if (!splice(aRecord, aChange.mStart, aChange.mBefore.size(), aChange.mAfter))
        return false;
    restoreHead(aRecord, aChange.mBeforeHead, aChange.mAfterHead);
    return true;
}

} // namespace LayoutHistory
