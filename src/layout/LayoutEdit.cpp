#include "LayoutEdit.h"

#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "graphics/PieceKinds.h"
#include "layout/Chaining.h"
#include "layout/LayoutRecord.h"

#include <algorithm>

namespace LayoutEdit {

namespace {

bool isEntryOf(const LayoutRecord &aRecord, int aIndex)
{
    return aIndex >= 0 && aIndex < aRecord.mPieces.size();
}

// A part number the chain can lay: a catalog track piece.
bool isLayable(const RevellTrack &aCatalog, const QString &aPartNumber)
{
    return aCatalog.findIndex(aPartNumber) >= 0 &&
           PieceKinds::isTrackPiece(diagramTypeOf(aPartNumber));
}

} // namespace

PlacedPiece newEntry(const RevellTrack &aCatalog, const QString &aPartNumber, QPointF aOrigin,
                     double aAngle, double aLevel)
{
    return PlacedPiece(aPartNumber, aCatalog.findIndex(aPartNumber), diagramTypeOf(aPartNumber),
                       aOrigin, aAngle, aLevel);
}

bool insertPieces(LayoutRecord &aRecord, const RevellTrack &aCatalog, int aIndex,
                  const QStringList &aPartNumbers, bool aAfter, double aLevel)
{
    if (!isEntryOf(aRecord, aIndex))
        return false;
    for (const QString &partNumber : aPartNumbers) {
        if (!isLayable(aCatalog, partNumber))
            return false;
    }
    const PlacedPiece &at = aRecord.mPieces.at(aIndex);
    const QPointF origin = at.mOrigin;
    const double angle = at.mAngle;
    int place = aAfter ? aIndex + 1 : aIndex;
    for (const QString &partNumber : aPartNumbers)
        aRecord.mPieces.insert(place++, newEntry(aCatalog, partNumber, origin, angle, aLevel));
    return true;
}

bool replacePiece(LayoutRecord &aRecord, const RevellTrack &aCatalog, int aIndex,
                  const QString &aPartNumber)
{
    if (!isEntryOf(aRecord, aIndex) || !isLayable(aCatalog, aPartNumber))
        return false;
    // A replaced piece is a different piece: it keeps none of the old one's attachments.
    PlacedPiece &entry = aRecord.mPieces[aIndex];
    entry.mPartNumber = aPartNumber;
    entry.mDbIndex = aCatalog.findIndex(aPartNumber);
    entry.mItemType = diagramTypeOf(aPartNumber);
    entry.mAttachments.clear();
    return true;
}

bool markDeleted(LayoutRecord &aRecord, int aIndex)
{
    if (!isEntryOf(aRecord, aIndex))
        return false;
    aRecord.mPieces[aIndex].mDeleted = true;
    return true;
}

void dropDeleted(LayoutRecord &aRecord)
{
    aRecord.mPieces.erase(std::remove_if(aRecord.mPieces.begin(), aRecord.mPieces.end(),
                                         [](const PlacedPiece &aPiece) { return aPiece.mDeleted; }),
                          aRecord.mPieces.end());
}

bool removeAttachment(LayoutRecord &aRecord, int aHost, const QString &aName)
{
    if (!isEntryOf(aRecord, aHost))
        return false;
    QList<AttachmentEntry> &attachments = aRecord.mPieces[aHost].mAttachments;
    for (int k = 0; k < attachments.size(); ++k) {
        if (attachments.at(k).mName == aName && attachments.at(k).mHostIndex == aHost) {
            attachments.removeAt(k);
            return true;
        }
    }
    return false;
}

void relocate(LayoutRecord &aA, LayoutRecord &aB, const RevellTrack &aCatalog, QPointF aFirstPoint)
{
    aA.mFirstPt = LayoutRecord::atFilePrecision(aFirstPoint);
    if (aA.mLanes == 4)
        aB.mFirstPt = Chaining::secondPairStart(aFirstPoint, aCatalog);
}

void renumberHosts(LayoutRecord &aRecord)
{
    int host = 0;
    for (PlacedPiece &entry : aRecord.mPieces) {
        if (entry.mDeleted)
            continue;
        for (AttachmentEntry &attachment : entry.mAttachments)
            attachment.mHostIndex = host;
        ++host;
    }
}

} // namespace LayoutEdit
