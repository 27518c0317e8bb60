#include "ChainItemList.h"

#include "graphics/DiagramItem.h"
#include "graphics/DiagramPathItem.h"

#include <QGraphicsScene>

ChainItemList::~ChainItemList()
{
    // The scene destroys its items after its own members are gone: they must
    // not report to a list that no longer exists.
    for (QGraphicsItem *item : qAsConst(mItems)) {
        if (item)
            release(item);
    }
}

void ChainItemList::destroyAll(QGraphicsScene *aScene)
{
    // Destroying an item clears its slot here, so the walk reads each slot
    // only before its item goes. Last laid first: the scene keeps its items
    // in the order they came and takes the last one off its list cheapest.
    for (int slot = mItems.size() - 1; slot >= 0; --slot) {
        QGraphicsItem *item = mItems.at(slot);
        if (!item)
            continue;
        if (item->scene() == aScene)
            delete item;
        else
            release(item);
    }
    mItems.clear();
    mPieces.clear();
}

void ChainItemList::notePiece(DiagramItem *aItem)
{
    // Attachments carry their host's index; the host alone stands for the piece.
    if (!PieceKinds::isTrackPiece(aItem->mDiagramType) || aItem->mIndex < 0)
        return;
    if (aItem->mIndex >= mPieces.size())
        mPieces.resize(aItem->mIndex + 1);
    mPieces[aItem->mIndex] = aItem;
}

void ChainItemList::chainItemDestroyed(QGraphicsItem *aItem, int aSlot)
{
    if (aSlot >= 0 && aSlot < mItems.size() && mItems.at(aSlot) == aItem)
        mItems[aSlot] = nullptr;
    if (PieceKinds::isPieceItemKind(aItem->type())) {
        const int index = static_cast<DiagramItem *>(aItem)->mIndex;
        if (index >= 0 && index < mPieces.size() && mPieces.at(index) == aItem)
            mPieces[index] = nullptr;
    }
}

void ChainItemList::release(QGraphicsItem *aItem)
{
    switch (aItem->type()) {
    case DiagramItem::eType:
    case DiagramItem::eType4:
        static_cast<DiagramItem *>(aItem)->mChainRegistry = nullptr;
        break;
    case DiagramPathItem::eType:
    case DiagramPathItem::eType4:
        static_cast<DiagramPathItem *>(aItem)->mChainRegistry = nullptr;
        break;
    default:
        break;
    }
}
