#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>

class RevellTrack;
struct LayoutRecord;
struct PlacedPiece;

// What the editing commands do to a record's lists: insert, replace, delete,
// take off an attachment. Each rule changes the lists only; positions are
// left to the replay that follows (Chaining::prepareReplay and layNext), so
// the rules know nothing of the drawing. Indexes out of the list are refused
// (false) and change nothing.
namespace LayoutEdit {

// A new chain entry for aPartNumber at level aLevel, laid at aOrigin and
// aAngle until the replay places it. Its catalog index and item type follow
// from the part number (-1 when unknown).
PlacedPiece newEntry(const RevellTrack &aCatalog, const QString &aPartNumber, QPointF aOrigin,
                     double aAngle, double aLevel);

// Puts new entries for aPartNumbers, in order, right before entry aIndex
// (aAfter false) or right after it, each laid where entry aIndex lies until
// the replay. False, with nothing inserted, when aIndex is outside the list
// or a part number names no catalog piece.
bool insertPieces(LayoutRecord &aRecord, const RevellTrack &aCatalog, int aIndex,
                  const QStringList &aPartNumbers, bool aAfter, double aLevel);

// Entry aIndex becomes aPartNumber: part number, catalog index and item type
// change, and the old piece's attachments go with it. False, with nothing
// changed, when aIndex is outside the list or aPartNumber names no track piece.
bool replacePiece(LayoutRecord &aRecord, const RevellTrack &aCatalog, int aIndex,
                  const QString &aPartNumber);

// Marks entry aIndex for removal; the next replay drops it.
bool markDeleted(LayoutRecord &aRecord, int aIndex);

// Drops every entry marked for removal, keeping the order of the rest.
void dropDeleted(LayoutRecord &aRecord);

// Takes the first attachment named aName with host index aHost off entry
// aHost. False when there is none.
bool removeAttachment(LayoutRecord &aRecord, int aHost, const QString &aName);

// Moves a layout to start at aFirstPoint, kept at the layout file's
// precision: record A's first point, and for a four-lane layout record B's
// one track width beside it.
void relocate(LayoutRecord &aA, LayoutRecord &aB, const RevellTrack &aCatalog, QPointF aFirstPoint);

// Writes each attachment's host index as its host's place in the list:
// inserts and deletes move hosts, and their attachments move with them.
// Entries marked for removal do not count.
void renumberHosts(LayoutRecord &aRecord);

} // namespace LayoutEdit
