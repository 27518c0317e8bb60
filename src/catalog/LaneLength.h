#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class RevellTrack;
struct LayoutRecord;

// The unit the lane lengths and the layout size are shown in; the stored
// figures stay in millimetres.
enum class LengthUnit
{
    Feet,
    Metres,
    Millimetres
};

// Sums the catalog lane lengths over record A's track list into A's lanes 1
// and 2 and, when A has four lanes, over record B's list into A's lanes 3 and
// 4 (millimetres, all four overwritten). After a lane-swap piece the pieces
// that follow count exchanged; each strip is its own chain, so B's sums start
// unexchanged. An entry whose DB index names no catalog piece adds nothing;
// the part numbers of such entries are returned, in list order (record A's
// first), for the caller to report.
QStringList calcLaneLengths(LayoutRecord &aA, const LayoutRecord &aB, const RevellTrack &aCatalog);

// A millimetre figure in aUnit: feet = mm / 304.8, metres = mm x 0.001.
double toLengthUnit(double aMillimetres, LengthUnit aUnit);
// The same, as shown: fixed notation with two decimals.
QString formatLength(double aMillimetres, LengthUnit aUnit);

// Width and height in millimetres of a drawing whose items span aBoundingRect
// in scene units, drawn at aScale scene units per millimetre. An empty
// rectangle (an empty scene) or a scale that is not positive gives 0 x 0.
QSizeF layoutSizeMm(const QRectF &aBoundingRect, double aScale);
