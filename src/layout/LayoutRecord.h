#pragma once

#include <QBrush>
#include <QList>
#include <QPointF>
#include <QString>

#include <array>
#include <cfloat>
#include <charconv>

// An apron, transition apron or crash fence kept on its host piece.
struct AttachmentEntry
{
    QString mName;       // the attachment's catalog key
    int mDbIndex = -1;   // catalog index, -1 when unknown
    int mHostIndex = -1; // index of the host in mPieces when the entry was made
};

// One piece of a chain, with where it was laid and how the chain leaves it.
struct PlacedPiece
{
    PlacedPiece() = default;
    PlacedPiece(const QString &aPartNumber, int aDbIndex, int aItemType, QPointF aOrigin,
                double aAngle, double aLevel)
        : mPartNumber(aPartNumber), mDbIndex(aDbIndex), mItemType(aItemType), mLevel(aLevel),
          mOrigin(aOrigin), mAngle(aAngle), mNextPt(aOrigin), mNextAngle(aAngle)
    {
    }

    QString mPartNumber;
    int mDbIndex = -1;
    int mItemType = -1;
    double mLevel = 0.0;
    QPointF mOrigin;
    double mAngle = 0.0;
    bool mLaneSwapIn = false;
    bool mDeleted = false;
    QPointF mNextPt;
    double mNextAngle = 0.0;
    bool mLaneSwapOut = false;
    QList<AttachmentEntry> mAttachments;
};

// A two-lane chain: a whole two-lane layout (record A) or one lane pair of a
// four-lane layout (A: lanes 1 and 2, B: lanes 3 and 4). Copies are deep.
struct LayoutRecord
{
    static constexpr double kStart = 2500.0; // the middle of the 5000 x 5000 scene

    LayoutRecord() = default;
    LayoutRecord(const QString &aName, int aLanes, double aBaseWidth,
                 const std::array<QBrush, 4> &aLaneBrushes)
        : mName(aName), mLanes(aLanes), mBaseWidth(aBaseWidth), mReversePt(kStart, aBaseWidth),
          mLaneBrush(aLaneBrushes)
    {
    }

    // aPoint at the precision the layout file stores reals: what reading back
    // its "%.2lf" text gives. The first point is kept so: a replay starts
    // there, and from a finer point a layout saved and opened again would not
    // lie where it lay.
    static QPointF atFilePrecision(QPointF aPoint)
    {
        return QPointF(atFilePrecision(aPoint.x()), atFilePrecision(aPoint.y()));
    }
    static double atFilePrecision(double aValue)
    {
        // Room for the integer digits of the largest double and two decimals.
        char text[DBL_MAX_10_EXP + 8];
        const std::to_chars_result written =
            std::to_chars(text, text + sizeof(text), aValue, std::chars_format::fixed, 2);
        double value = aValue;
        if (written.ec == std::errc())
            std::from_chars(text, written.ptr, value);
        return value;
    }

    // Back to the start of the chain, as a replay begins: the end point at the
    // first point, angle 0, parity clear, the first two lane lengths zero
    // until they are measured again. The pieces stay.
    void resetChain()
    {
        mLaneLength[0] = 0.0;
        mLaneLength[1] = 0.0;
        mFirst = true;
        mForward = true;
        mLaneSwap = false;
        mForwardPt = mFirstPt;
        mForwardAngle = 0.0;
        mNextIndex = 0;
    }

    QString mName;
    QString mPath;
    int mLanes = 2;
    double mBaseWidth = 178.0;
    bool mFirst = true;
    bool mForward = true;
    QPointF mFirstPt{kStart, kStart};
    bool mLaneSwap = false;
    QPointF mForwardPt{kStart, kStart};
    double mForwardAngle = 0.0;
    QPointF mReversePt{kStart, 178.0};
    double mReverseAngle = 180.0;
    std::array<double, 4> mLaneLength{{0.0, 0.0, 0.0, 0.0}};
    std::array<QBrush, 4> mLaneBrush{
        {QBrush(Qt::red), QBrush(Qt::green), QBrush(Qt::blue), QBrush(Qt::yellow)}};
    QList<PlacedPiece> mPieces;
    int mNextIndex = 0;
    bool mFirstPair = true;
    bool mSecondPair = false;
    bool mChanged = false;
    bool mSaved = false;
};
