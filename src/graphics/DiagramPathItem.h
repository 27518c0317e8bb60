#pragma once

#include "graphics/DiagramTypes.h"
#include "graphics/PieceKinds.h"

#include <QBrush>
#include <QGraphicsPathItem>
#include <QPainterPath>
#include <QPen>
#include <QString>

#include <array>
class ChainItemRegistry;
class LogFile;

class RevellTrack;
struct ItemPlacement;

// The centre line of one lane across one placed track piece, in the lane's
// colour. Lanes of a pair exchange colours after an odd number of lane swaps.
class DiagramPathItem : public QGraphicsPathItem, public DiagramTypeBase
{
public:
    enum
    {
        eType = PieceKinds::kLaneItem,
        eType4 = PieceKinds::kLaneItem4
    };

    DiagramPathItem(LogFile *aBuildFile, LogFile *aDebugFile, DiagramType aType, int aIndex,
                    int aLane, const QBrush &aLane1Brush, const QBrush &aLane2Brush,
                    const QBrush &aLane3Brush, const QBrush &aLane4Brush, bool aLaneSwap,
                    const RevellTrack *aCatalog, QGraphicsItem *aParent = nullptr);
    // The same item from a lane path computed beforehand (aNotFound: the
    // piece's part number had no catalog entry), so that a scene computes each
    // kind's lanes once. aLanePens, when given, must be lanePens(aLaneBrushes):
    // a scene that lays many lines shares one set instead of making four pens
    // per line. aPlacement, when given, places the line before it starts
    // reporting its moves.
    DiagramPathItem(LogFile *aBuildFile, LogFile *aDebugFile, DiagramType aType, int aIndex,
                    int aLane, const QPainterPath &aPath, bool aNotFound,
                    const std::array<QBrush, 4> &aLaneBrushes, bool aLaneSwap,
                    const RevellTrack *aCatalog, QGraphicsItem *aParent = nullptr,
                    const std::array<QPen, 4> *aLanePens = nullptr,
                    const ItemPlacement *aPlacement = nullptr);
    ~DiagramPathItem() override;

    int type() const override { return mGraphicsType; }

    // The pens lanes 1 to 4 are drawn with, one per lane brush.
    static std::array<QPen, 4> lanePens(const std::array<QBrush, 4> &aLaneBrushes);

    QPainterPath mLanePath;
    std::array<QBrush, 4> mLaneBrush;
    std::array<QPen, 4> mLanePen;
    const RevellTrack *mCatalog = nullptr;
    int mGraphicsType = eType;
    DiagramType mDiagramType = R9999;
    int mIndex = 0;
    int mLane = 1;
    bool mLaneSwap = false;
    QString mPartNumber;
    double mScale = PieceKinds::kDrawScale;
    double mLevel = 0.0;
    LogFile *mBuildFile = nullptr;
    LogFile *mDebugFile = nullptr;
    // The list of a chain's items this line is on, told when it is destroyed.
    ChainItemRegistry *mChainRegistry = nullptr;
    int mChainSlot = -1;

private:
    // Index into mLanePen of the pen that lane aLane is drawn with.
    static std::size_t penSlot(int aLane, bool aLaneSwap);
    void logConstruction();
    void init(const QPainterPath &aPath, bool aNotFound, const std::array<QPen, 4> *aLanePens,
              const ItemPlacement *aPlacement);
};
