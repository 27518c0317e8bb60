#pragma once

class QGraphicsItem;

// Something that keeps a list of the graphic items drawing a chain, so that
// a replay can take them down without looking through the whole scene. An
// item that has been given a registry tells it when it is destroyed, however
// that happens (a replay, a delete command, the scene clearing itself).
class ChainItemRegistry
{
public:
    virtual ~ChainItemRegistry() = default;
    // aItem, registered under aSlot, is being destroyed.
    virtual void chainItemDestroyed(QGraphicsItem *aItem, int aSlot) = 0;
};
