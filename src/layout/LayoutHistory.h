#pragma once

#include "layout/LayoutRecord.h"

#include <QBrush>
#include <QList>
#include <QPointF>
#include <QString>

#include <array>

// What one edit did to a layout, kept small enough that hundreds of steps of
// a large layout cost little: for each record, the fields of its head that
// changed and the one run of entries that differs. Positions, angles and
// lane parity are not kept: they follow from the first point and the entries
// before them, and the replay after an undo or redo lays them again.
namespace LayoutHistory {

// The fields of a record that an edit sets and a replay does not.
struct RecordHead
{
    QString mName;
    QString mPath;
    int mLanes = 2;
    double mBaseWidth = 0.0;
    QPointF mFirstPt;
    QPointF mReversePt;
    double mReverseAngle = 0.0;
    std::array<QBrush, 4> mLaneBrush;
};

// One record's part of an edit: entries mStart onward, mBefore.size() of
// them, became mAfter; every head field that differs between mBeforeHead
// and mAfterHead changed.
struct RecordChange
{
    RecordHead mBeforeHead;
    RecordHead mAfterHead;
    int mStart = 0;
    QList<PlacedPiece> mBefore;
    QList<PlacedPiece> mAfter;

    bool isEmpty() const;
};

// Both records of a layout.
struct LayoutChange
{
    RecordChange mA;
    RecordChange mB;

    bool isEmpty() const { return mA.isEmpty() && mB.isEmpty(); }
};

// Two entries lay the same piece once replayed: the same part, catalog
// index, item type, level and removal mark, carrying the same attachments.
bool sameEntry(const PlacedPiece &aFirst, const PlacedPiece &aSecond);

// What changed from aBefore to aAfter. Linear: the entries the two lists
// share at their start and at their end are compared once and not kept.
RecordChange changeBetween(const LayoutRecord &aBefore, const LayoutRecord &aAfter);
LayoutChange changeBetween(const LayoutRecord &aBeforeA, const LayoutRecord &aBeforeB,
                           const LayoutRecord &aAfterA, const LayoutRecord &aAfterB);

// Takes aRecord from the state after aChange back to the one before it
// (undo), or the other way (redo). Only the head fields the change set are
// written, so a field changed outside the history (the default colours an
// empty layout takes) is left alone. The entries need a replay afterwards.
// False, with aRecord untouched, when its list is too short to hold the run.
bool undo(LayoutRecord &aRecord, const RecordChange &aChange);
bool redo(LayoutRecord &aRecord, const RecordChange &aChange);

} // namespace LayoutHistory
