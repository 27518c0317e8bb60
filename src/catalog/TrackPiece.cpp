#include "TrackPiece.h"

#include <cmath>

const std::array<const char *, TrackPiece::kConnectionCount> TrackPiece::kConnectionCodes = {
    "0a", "0b", "2a", "1a", "2b", "1b", "2c", "1c"};

namespace {

// The ordinary two-lane pieces that may be joined end to end with one another.
const char *const kStandardConnections[] = {"R3600",   "R3601_R", "R3601_L", "R3602_R", "R3602_L",
                                            "R3604_R", "R3604_L", "R3608",   "R3609",   "R3610_R",
                                            "R3610_L", "R3620",   "R3620dc", "R3621_R", "R3621_L",
                                            "R3627_R", "R3627_L", "F8514L",  "F8519R"};

bool isStraightTrack(const QString &aType)
{
    return aType.contains(QLatin1String("straight")) || aType == QLatin1String("terminal") ||
           aType == QLatin1String("chicane") || aType == QLatin1String("lane change") ||
           aType == QLatin1String("lap counter");
}

bool isAttachment(const QString &aType)
{
    return aType.contains(QLatin1String("apron")) || aType.contains(QLatin1String("transition")) ||
           aType.contains(QLatin1String("fence"));
}

} // namespace

TrackPiece::TrackPiece(const QString &aInventoryPartNumber, const QString &aPartNumber,
                       const QString &aType, const QString &aDirection, double aLength,
                       double aWidth, double aCurveDeg, double aRadiusInches, double aLane1Offset,
                       double aLane2Offset, double aApronWidth, bool aLaneSwap)
    : mInventoryPartNumber(aInventoryPartNumber), mPartNumber(aPartNumber), mType(aType),
      mDirection(aDirection), mLength(aLength), mWidth(aWidth), mCurveDeg(aCurveDeg),
      mRadius(aRadiusInches * 25.4), mApronWidth(aApronWidth), mLaneSwap(aLaneSwap)
{
    mCurveRad = mCurveDeg * M_PI / 180.0;

    // Offsets count upward from the lower edge; stored y grows downward.
    mUpperLeft = QPointF(0.0, -mWidth);
    mLane2Left = QPointF(0.0, -aLane2Offset);
    mLane1Left = QPointF(0.0, -aLane1Offset);
    mLowerLeft = QPointF(0.0, 0.0);

    computeOutline();
}

void TrackPiece::computeOutline()
{
    if (isStraightTrack(mType) && !isAttachment(mType)) {
        mUpperRight = QPointF(mLength, -mWidth);
        mLane2Right = QPointF(mLength, mLane2Left.y());
        mLane1Right = QPointF(mLength, mLane1Left.y());
        mLowerRight = QPointF(mLength, 0.0);
    } else if (mType.contains(QLatin1String("curve")) && !isAttachment(mType)) {
        outlineCurve();
    } else if (mType.contains(QLatin1String("apron"))) {
        outlineApron();
    } else if (mType.contains(QLatin1String("transition"))) {
        outlineTransition();
    } else if (mType.contains(QLatin1String("fence"))) {
        outlineFence();
    }

    mCenter = QPointF((mUpperLeft.x() + mLowerLeft.x() + mLowerRight.x() + mUpperRight.x()) * 0.25,
                      (mUpperLeft.y() + mLowerLeft.y() + mLowerRight.y() + mUpperRight.y()) * 0.25);
}

void TrackPiece::outlineCurve()
{
    const double W = mWidth;
    const double R = mRadius; // the outer edge; R - W is the inner edge
    const double s = std::sin(mCurveRad);
    const double c = std::cos(mCurveRad);
    // Anything that does not turn right is drawn turning left.
    if (mDirection == QLatin1String("right")) {
        mUpperRight = QPointF(R * s, (R - W) - R * c);
        mLowerRight = QPointF((R - W) * s, (R - W) * (1 - c));
    } else {
        mUpperRight = QPointF((R - W) * s, (R - W) * c - R);
        mLowerRight = QPointF(R * s, R * c - R);
    }
}

void TrackPiece::outlineApron()
{
    const bool right = mDirection == QLatin1String("right");
    if (!right && mDirection != QLatin1String("left"))
        return;
    if (mType == QLatin1String("straight apron")) {
        if (right)
            setBandBelow();
        else
            setBandAbove();
    } else if (mType == QLatin1String("outer apron")) {
        setOuterRing(right);
    } else if (mType == QLatin1String("inner apron")) {
        setInnerRing(right);
    }
}

void TrackPiece::outlineTransition()
{
    const double L = mLength;
    const double W = mWidth;
    const double Wa = mApronWidth;
    const double A = mCurveDeg; // these aprons carry their taper length here
    const QString &dir = mDirection;
    if (mType.contains(QLatin1String("straight"))) {
        // A long at the track edge, three quarters of that at the outer edge.
        if (dir == QLatin1String("front-upper"))
            setCorners(QPointF(0.0, -W - Wa), QPointF(0.0, -W), QPointF(0.75 * A, -W - Wa),
                       QPointF(A, -W));
        else if (dir == QLatin1String("front-lower"))
            setCorners(QPointF(0.0, 0.0), QPointF(0.0, Wa), QPointF(A, 0.0), QPointF(0.75 * A, Wa));
        else if (dir == QLatin1String("back-upper"))
            setCorners(QPointF(L - 0.75 * A, -W - Wa), QPointF(L - A, -W), QPointF(L, -W - Wa),
                       QPointF(L, -W));
        else if (dir == QLatin1String("back-lower"))
            setCorners(QPointF(L - A, 0.0), QPointF(L - 0.75 * A, Wa), QPointF(L, 0.0),
                       QPointF(L, Wa));
        return;
    }

    const double R = mRadius;
    const double s = std::sin(mCurveRad);
    const double c = std::cos(mCurveRad);
    const bool right = dir == QLatin1String("right");
    const bool left = dir == QLatin1String("left");
    // A curved transition is a wedge on the inner edge when it tapers toward
    // the curve's own side, and a full inner apron otherwise.
    if (mType.contains(QLatin1String("right transition"))) {
        if (right) {
            const QPointF innerEnd((R - W) * s, (R - W) * (1 - c));
            setCorners(QPointF(0.0, 0.0), QPointF(0.0, Wa), innerEnd, innerEnd);
        } else if (left) {
            setInnerRing(false);
        }
    } else if (mType.contains(QLatin1String("left transition"))) {
        if (right) {
            setInnerRing(true);
        } else if (left) {
            const QPointF innerEnd((R - W) * s, (R - W) * c - R);
            setCorners(QPointF(0.0, -W - Wa), QPointF(0.0, -W), innerEnd, innerEnd);
        }
    }
}

void TrackPiece::outlineFence()
{
    const double L = mLength;
    const double W = mWidth;
    const double Wa = mApronWidth;
    const QString &dir = mDirection;
    const bool right = dir == QLatin1String("right");
    const bool left = dir == QLatin1String("left");
    if (mType == QLatin1String("straight fence")) {
        if (dir == QLatin1String("lower"))
            setBandBelow();
        else if (dir == QLatin1String("upper"))
            setBandAbove();
    } else if (mType == QLatin1String("banked trans fence")) {
        // Beyond the 38.1 apron of the transition, 6 mm further out at the end
        // that meets the banked curve.
        if (dir == QLatin1String("right entry"))
            setCorners(QPointF(0.0, -W - 38.1 - Wa), QPointF(0.0, -W - 38.1),
                       QPointF(L, -W - 44.1 - Wa), QPointF(L, -W - 44.1));
        else if (dir == QLatin1String("right exit"))
            setCorners(QPointF(0.0, -W - 44.1 - Wa), QPointF(0.0, -W - 44.1),
                       QPointF(L, -W - 38.1 - Wa), QPointF(L, -W - 38.1));
        else if (dir == QLatin1String("left entry"))
            setCorners(QPointF(0.0, 38.1), QPointF(0.0, 38.1 + Wa), QPointF(L, 44.1),
                       QPointF(L, 44.1 + Wa));
        else if (dir == QLatin1String("left exit"))
            setCorners(QPointF(0.0, 44.1), QPointF(0.0, 44.1 + Wa), QPointF(L, 38.1),
                       QPointF(L, 38.1 + Wa));
    } else if (right || left) {
        // Curved crash fences, and the right banked fence, lie like an outer
        // apron. The left banked fence is made the right one's mirror image by
        // the catalog, which knows the track between them.
        setOuterRing(right);
    }
}

void TrackPiece::mirrorOutline(const TrackPiece &aOther, double aAxisY)
{
    const auto mirrored = [aAxisY](const QPointF &aPoint) {
        return QPointF(aPoint.x(), 2.0 * aAxisY - aPoint.y());
    };
    setCorners(mirrored(aOther.mLowerLeft), mirrored(aOther.mUpperLeft),
               mirrored(aOther.mLowerRight), mirrored(aOther.mUpperRight));
    mCenter = QPointF((mUpperLeft.x() + mLowerLeft.x() + mLowerRight.x() + mUpperRight.x()) * 0.25,
                      (mUpperLeft.y() + mLowerLeft.y() + mLowerRight.y() + mUpperRight.y()) * 0.25);
}

void TrackPiece::setCorners(const QPointF &aUpperLeft, const QPointF &aLowerLeft,
                            const QPointF &aUpperRight, const QPointF &aLowerRight)
{
    mUpperLeft = aUpperLeft;
    mLowerLeft = aLowerLeft;
    mUpperRight = aUpperRight;
    mLowerRight = aLowerRight;
}

void TrackPiece::setBandBelow()
{
    setCorners(QPointF(0.0, 0.0), QPointF(0.0, mApronWidth), QPointF(mLength, 0.0),
               QPointF(mLength, mApronWidth));
}

void TrackPiece::setBandAbove()
{
    const double W = mWidth;
    const double Wa = mApronWidth;
    setCorners(QPointF(0.0, -W - Wa), QPointF(0.0, -W), QPointF(mLength, -W - Wa),
               QPointF(mLength, -W));
}

// Ring from R to R + Wa outside the outer edge: the upper side of a right
// curve (centre (0, R - W)), the lower side of a left curve (centre (0, -R)).
void TrackPiece::setOuterRing(bool aRight)
{
    const double W = mWidth;
    const double R = mRadius;
    const double Wa = mApronWidth;
    const double s = std::sin(mCurveRad);
    const double c = std::cos(mCurveRad);
    if (aRight)
        setCorners(QPointF(0.0, -W - Wa), QPointF(0.0, -W),
                   QPointF((R + Wa) * s, (R - W) - (R + Wa) * c), QPointF(R * s, (R - W) - R * c));
    else
        setCorners(QPointF(0.0, 0.0), QPointF(0.0, Wa), QPointF(R * s, R * c - R),
                   QPointF((R + Wa) * s, (R + Wa) * c - R));
}

// Ring from R - W - Wa to R - W inside the inner edge of a curve.
void TrackPiece::setInnerRing(bool aRight)
{
    const double W = mWidth;
    const double R = mRadius;
    const double Wa = mApronWidth;
    const double s = std::sin(mCurveRad);
    const double c = std::cos(mCurveRad);
    if (aRight)
        setCorners(QPointF(0.0, 0.0), QPointF(0.0, Wa), QPointF((R - W) * s, (R - W) * (1 - c)),
                   QPointF((R - W - Wa) * s, (R - W) - (R - W - Wa) * c));
    else
        setCorners(QPointF(0.0, -W - Wa), QPointF(0.0, -W),
                   QPointF((R - W - Wa) * s, (R - W - Wa) * c - R),
                   QPointF((R - W) * s, (R - W) * c - R));
}

int TrackPiece::connectionSlot(const QString &aCode)
{
    for (int i = 0; i < kConnectionCount; ++i) {
        if (aCode == QLatin1String(kConnectionCodes[i]))
            return i;
    }
    return -1;
}

void TrackPiece::addConnection(const QString &aPartNumber, const QString &aCode)
{
    const int slot = connectionSlot(aCode);
    if (slot >= 0)
        mConnections[slot].append(aPartNumber);
}

void TrackPiece::addStandardConnections()
{
    for (const char *code : {"0a", "0b"}) {
        for (const char *partNumber : kStandardConnections)
            addConnection(QLatin1String(partNumber), QLatin1String(code));
    }
}

const QStringList &TrackPiece::connections(const QString &aCode) const
{
    static const QStringList none;
    const int slot = connectionSlot(aCode);
    return slot >= 0 ? mConnections[slot] : none;
}
