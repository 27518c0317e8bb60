#pragma once

#include "graphics/DiagramTypes.h"

// The one place that says what a diagram type or a graphic item kind stands
// for: a track piece, a banked piece, an attachment, a four-lane pair; a
// piece of lanes 1 and 2 or of lanes 3 and 4, or a lane line of either. No
// widgets: the rules, the scene and the window ask the same questions here.
namespace PieceKinds {

using D = DiagramTypeBase;

// Scene units per catalog millimetre: every piece, lane line and attachment
// is drawn at this scale, and every length read back from the drawing is
// divided by it.
constexpr double kDrawScale = 5.0 / 24.0;

// Graphic item type ids (QGraphicsItem::UserType is 65536): a piece or
// attachment of lanes 1 and 2 or of lanes 3 and 4, and the lane lines of each.
constexpr int kPieceItem = 65536 + 15;
constexpr int kPieceItem4 = 65536 + 16;
constexpr int kLaneItem = 65536 + 17;
constexpr int kLaneItem4 = 65536 + 18;

// A two-lane track piece (0 to 22): what the chain is made of.
constexpr bool isTrackPiece(int aType)
{
    return aType >= D::R3600 && aType <= D::F8517_L;
}

// A track piece that is not part of a banked turn (0 to 16): what the Item
// menu's insert and replace accept.
constexpr bool isPlainTrack(int aType)
{
    return aType >= D::R3600 && aType < D::F8519R_R;
}

// A piece of a banked turn: its transitions or its banked curves (17 to 22).
constexpr bool isBankedPiece(int aType)
{
    return aType >= D::F8519R_R && aType <= D::F8517_L;
}

// The transitions that lead into a banked turn, right and left.
constexpr bool isEntryTransition(int aType)
{
    return aType == D::F8514L_R || aType == D::F8519R_L;
}

// The transitions that end a banked turn on level track, right and left:
// a piece may be appended after them.
constexpr bool isExitTransition(int aType)
{
    return aType == D::F8519R_R || aType == D::F8514L_L;
}

constexpr bool isBankedCurve(int aType)
{
    return aType == D::F8517_R || aType == D::F8517_L;
}

// An apron, transition apron or crash fence, directed or not (23 to 90).
constexpr bool isAttachment(int aType)
{
    return aType >= D::R3603R_FU && aType <= D::R3628os;
}

// One of the twelve four-lane selections (93 to 104).
constexpr bool isFourLanePair(int aType)
{
    return aType >= D::R3600R3600 && aType <= D::R3621R3610_L;
}

// A graphic item kind that draws a piece or an attachment.
constexpr bool isPieceItemKind(int aKind)
{
    return aKind == kPieceItem || aKind == kPieceItem4;
}

// A graphic item kind that draws a lane line.
constexpr bool isLaneItemKind(int aKind)
{
    return aKind == kLaneItem || aKind == kLaneItem4;
}

// Which lane pair an item kind belongs to: 1 for lanes 3 and 4 (record B),
// 0 for lanes 1 and 2 (record A).
constexpr int pairOfItemKind(int aKind)
{
    return (aKind == kPieceItem4 || aKind == kLaneItem4) ? 1 : 0;
}

// The piece item kind of a pair (0 or 1), and its lane line kind.
constexpr int pieceItemKind(int aPair)
{
    return aPair ? kPieceItem4 : kPieceItem;
}
constexpr int laneItemKind(int aPair)
{
    return aPair ? kLaneItem4 : kLaneItem;
}

} // namespace PieceKinds
