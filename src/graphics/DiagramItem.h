#pragma once

#include "graphics/DiagramTypes.h"
#include "graphics/PieceKinds.h"

#include <QGraphicsPolygonItem>
#include <QMetaType>
#include <QPolygonF>
#include <QString>

class ChainItemRegistry;
class LogFile;

class QMenu;
struct ItemPlacement;
struct PieceOutline;
class RevellTrack;

// The polygon of one placed track piece or attachment, drawn to scale
// (5/24 scene units per millimetre) in the piece's own frame. The shape is
// fixed at construction from the catalog entry and the diagram type; the
// creating code gives it fill, rotation, position and stacking.
class DiagramItem : public QGraphicsPolygonItem, public DiagramTypeBase
{
public:
    enum { eType = PieceKinds::kPieceItem, eType4 = PieceKinds::kPieceItem4 };

    DiagramItem(LogFile *aBuildFile, LogFile *aDebugFile, DiagramType aType, QMenu *aContextMenu,
                const RevellTrack *aCatalog, int aIndex, bool aLanes34, QString aDirection,
                QGraphicsItem *aParent = nullptr);
    // The same item from an outline computed beforehand: a scene that lays many
    // pieces of one kind computes each kind's outline once. A non-null
    // aToolTip is shown instead of the part number, which spares a creator
    // that sets its own tip setting it twice. aPlacement, when given, places
    // the item before it starts reporting its moves, as a creator that lays
    // thousands of pieces wants.
    DiagramItem(LogFile *aBuildFile, LogFile *aDebugFile, const PieceOutline &aOutline,
                QMenu *aContextMenu, const RevellTrack *aCatalog, int aIndex, bool aLanes34,
                QGraphicsItem *aParent = nullptr, const QString &aToolTip = QString(),
                const ItemPlacement *aPlacement = nullptr);
    ~DiagramItem() override;

    int type() const override { return mGraphicsType; }

    DiagramType diagramType() const { return mDiagramType; }
    const QPolygonF &polygon() const { return mPolygon; }

protected:
    void contextMenuEvent(QGraphicsSceneContextMenuEvent *aEvent) override;
    QVariant itemChange(GraphicsItemChange aChange, const QVariant &aValue) override;

public:
    LogFile *mDebugFile = nullptr;
    LogFile *mBuildFile = nullptr;
    int mGraphicsType = eType;
    DiagramType mDiagramType = R9999;
    QPolygonF mPolygon;
    QMenu *mContextMenu = nullptr;
    const RevellTrack *mCatalog = nullptr;
    int mIndex = 0;
    double mLevel = 0.0;
    double mScale = PieceKinds::kDrawScale;
    QString mPartNumber;
    int mDbIndex = 0;
    bool mLaneSwap = false;
    bool mLanes34 = false;
    // The list of a chain's items this item is on, told when it is destroyed.
    ChainItemRegistry *mChainRegistry = nullptr;
    int mChainSlot = -1;
};

// The scene's signals carry items; spies and queued connections need the type.
Q_DECLARE_METATYPE(DiagramItem *)
