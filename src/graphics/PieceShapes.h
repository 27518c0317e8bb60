#pragma once

#include "graphics/DiagramTypes.h"
#include "graphics/PieceKinds.h"

#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QString>

class RevellTrack;

// The outline of one piece or attachment as the layout draws it, in the
// piece's own frame (x along travel, upper/left side at negative y).
struct PieceOutline
{
    // The member actually drawn: an undirected curve attachment resolved to
    // its directed form, otherwise the requested type.
    DiagramTypeBase::DiagramType mDiagramType = DiagramTypeBase::R9999;
    // Part number of the drawn shape; empty when no shape could be chosen.
    QString mPartNumber;
    // Catalog index of mPartNumber, 0 when it has none.
    int mDbIndex = 0;
    // The part number was chosen but the catalog has no entry for it.
    bool mNotFound = false;
    // Closed outline in scene units; empty when nothing can be drawn.
    QPolygonF mPolygon;
};

// Where a new piece or lane-line item is laid: position of its own origin in
// the scene, rotation in degrees (clockwise on screen) and stacking value.
struct ItemPlacement
{
    QPointF mPos;
    double mRotation = 0.0;
    double mZValue = 0.0;
};

// Computes the outline that a graphic item of aType shows. aDirection
// ("right"/"left") picks the side of an undirected curve attachment; kinds
// without a shape of their own (banked-turn selections, four-lane pairs, the
// straight orange fence) get a 150 x 77 unscaled placeholder rectangle. Works
// without a scene, so toolbox pictures can draw the same shape. A null
// catalog is treated as one that has no entry.
PieceOutline pieceOutline(DiagramTypeBase::DiagramType aType, const RevellTrack *aCatalog,
                          const QString &aDirection, double aScale = PieceKinds::kDrawScale);

// Centre line of lane aLane (1 to 4; odd lanes follow lane 1, even lanes
// lane 2) across a two-lane track piece of aType (0 to 22), in scene units in
// the piece's own frame. Any other type gives an empty path. When the piece's
// part number has no catalog entry the path is empty and *aNotFound (when
// given) is set.
QPainterPath lanePath(DiagramTypeBase::DiagramType aType, int aLane, const RevellTrack *aCatalog,
                      double aScale = PieceKinds::kDrawScale, bool *aNotFound = nullptr);
