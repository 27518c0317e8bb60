#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>

#include <array>

// One catalog entry: a Revell part with its millimetre dimensions, its outline
// in the piece-local frame (x along the direction of travel, y growing toward
// the right/lower side, lower-left front corner at the origin), its connection
// lists and its lane lengths. A plain value: the catalog stores copies.
class TrackPiece
{
public:
    // Connection codes, in the order the lists are held.
    static constexpr int kConnectionCount = 8;
    static const std::array<const char *, kConnectionCount>
        kConnectionCodes; // "0a", "0b", "2a", ...

    TrackPiece(const QString &aInventoryPartNumber, const QString &aPartNumber,
               const QString &aType, const QString &aDirection, double aLength, double aWidth,
               double aCurveDeg, double aRadiusInches, double aLane1Offset, double aLane2Offset,
               double aApronWidth, bool aLaneSwap);

    // Appends aPartNumber to the list of aCode; an unknown code is ignored.
    void addConnection(const QString &aPartNumber, const QString &aCode);
    // Appends the 19 ordinary track part numbers to the 0a and then the 0b list.
    void addStandardConnections();
    // Takes as this piece's corners and centre the mirror image of aOther's
    // across the line y = aAxisY, upper and lower sides changing places: a
    // right-hand attachment's left-hand twin across the track's centre line.
    void mirrorOutline(const TrackPiece &aOther, double aAxisY);
    // The list for a code, or an empty list for an unknown code.
    const QStringList &connections(const QString &aCode) const;
    // Position of a code in mConnections, -1 when it names none.
    static int connectionSlot(const QString &aCode);

    QString mInventoryPartNumber;
    QString mPartNumber;
    QString mDescription;
    QString mType;
    QString mDirection;
    double mLength = 0;
    double mWidth = 0;
    double mCurveDeg = 0;
    double mCurveRad = 0;
    double mRadius = 0;
    double mApronWidth = 0;
    bool mLaneSwap = false;
    QPointF mUpperLeft;
    QPointF mLane2Left;
    QPointF mLane1Left;
    QPointF mLowerLeft;
    QPointF mUpperRight;
    QPointF mLane2Right;
    QPointF mLane1Right;
    QPointF mLowerRight;
    std::array<QStringList, kConnectionCount> mConnections; // 0a, 0b, 2a, 1a, 2b, 1b, 2c, 1c
    QPointF mCenter;
    double mLane1Length = 0;
    double mLane2Length = 0;

private:
    // Outline rules by kind of piece; each leaves the initial points when the
    // direction is not one of its own.
    void computeOutline();
    void outlineCurve();
    void outlineApron();
    void outlineTransition();
    void outlineFence();
    void setCorners(const QPointF &aUpperLeft, const QPointF &aLowerLeft,
                    const QPointF &aUpperRight, const QPointF &aLowerRight);
    void setBandBelow();
    void setBandAbove();
    void setOuterRing(bool aRight);
    void setInnerRing(bool aRight);
};
