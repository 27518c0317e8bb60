#pragma once

#include "graphics/ChainItemRegistry.h"
#include "graphics/DiagramItem.h"
#include "graphics/PieceKinds.h"

#include <QVector>

class QGraphicsItem;
class QGraphicsScene;

// The piece and lane-line items that draw one lane pair's chain, in the order
// they were laid, and the track piece item of each piece by its index. Items
// leave the list when they are destroyed; the list lets go of the rest when
// it is destroyed itself.
class ChainItemList : public ChainItemRegistry
{
public:
    ChainItemList() = default;
    ~ChainItemList() override;
    ChainItemList(const ChainItemList &) = delete;
    ChainItemList &operator=(const ChainItemList &) = delete;

    // Registers aItem (a DiagramItem or DiagramPathItem, which carry the
    // registry and their slot).
    template <class Item> void add(Item *aItem)
    {
        aItem->mChainRegistry = this;
        aItem->mChainSlot = mItems.size();
        mItems.append(aItem);
        notePiece(aItem);
    }

    // The track piece item of piece aIndex, or null.
    DiagramItem *pieceItem(int aIndex) const
    {
        return (aIndex >= 0 && aIndex < mPieces.size()) ? mPieces.at(aIndex) : nullptr;
    }

    // Destroys every listed item that still lies in aScene and empties the
    // list, letting go of items that have moved elsewhere. Linear in the
    // number of items ever listed since the last call.
    void destroyAll(QGraphicsScene *aScene);

    void chainItemDestroyed(QGraphicsItem *aItem, int aSlot) override;

private:
    void release(QGraphicsItem *aItem);
    void notePiece(DiagramItem *aItem);
    void notePiece(QGraphicsItem *) {}

    QVector<QGraphicsItem *> mItems;
    QVector<DiagramItem *> mPieces; // by piece index; attachments are not here
};
