#include "RevellTrack.h"

#include "common/LogFile.h"

namespace {

// The connection lists in the order the log prints them, with their labels.
const std::pair<const char *, const char *> kLogConnectionLabels[] = {
    {"0a", "\tleft (0a) connections:"},       {"0b", "\tright (0b) connections:"},
    {"1a", "\tleft lower (1a) connections:"}, {"1b", "\tright lower (1b) connections:"},
    {"2a", "\tleft upper (2a) connections:"}, {"2b", "\tright upper (2b) connections:"},
    {"1c", "\tlower (1c) connections:"},      {"2c", "\tupper (2c) connections:"}};

void writePiece(LogFile &aLog, int aIndex, const TrackPiece &aPiece)
{
    aLog.write("%d: %s (%s)  type <%s>  dir <%s>  L %.2lf  W %.2lf  curve %.1lf deg  rad %.2lf  "
               "Wa %.2lf  swap %c\n",
               aIndex, LATIN1(aPiece.mPartNumber), LATIN1(aPiece.mInventoryPartNumber),
               LATIN1(aPiece.mType), LATIN1(aPiece.mDirection), aPiece.mLength, aPiece.mWidth,
               aPiece.mCurveDeg, aPiece.mRadius, aPiece.mApronWidth, aPiece.mLaneSwap ? 'Y' : 'N');
    aLog.write("\tDescription: <%s>\n", LATIN1(aPiece.mDescription));
    aLog.write("\tlower left: (%.2lf %.2lf)\n", aPiece.mLowerLeft.x(), aPiece.mLowerLeft.y());
    aLog.write("\tupper left: (%.2lf %.2lf)\n", aPiece.mUpperLeft.x(), aPiece.mUpperLeft.y());
    aLog.write("\tupper right: (%.2lf %.2lf)\n", aPiece.mUpperRight.x(), aPiece.mUpperRight.y());
    aLog.write("\tlower right: (%.2lf %.2lf)\n", aPiece.mLowerRight.x(), aPiece.mLowerRight.y());
    aLog.write("\tcenter: (%.2lf %.2lf)\n", aPiece.mCenter.x(), aPiece.mCenter.y());
    aLog.write("\n");
    aLog.write("\tlane 2: L (%.2lf %.2lf)   R (%.2lf %.2lf)   length %.2lf\n",
               aPiece.mLane2Left.x(), aPiece.mLane2Left.y(), aPiece.mLane2Right.x(),
               aPiece.mLane2Right.y(), aPiece.mLane2Length);
    aLog.write("\tlane 1: L (%.2lf %.2lf)   R (%.2lf %.2lf)   length %.2lf\n",
               aPiece.mLane1Left.x(), aPiece.mLane1Left.y(), aPiece.mLane1Right.x(),
               aPiece.mLane1Right.y(), aPiece.mLane1Length);
    aLog.write("\n");
}

// Only track pieces have end connections; attachments print no connection block.
void writeConnections(LogFile &aLog, const TrackPiece &aPiece)
{
    if (aPiece.connections(QStringLiteral("0a")).isEmpty() &&
        aPiece.connections(QStringLiteral("0b")).isEmpty())
        return;
    for (const auto &label : kLogConnectionLabels) {
        const QStringList &list = aPiece.connections(QLatin1String(label.first));
        if (list.isEmpty())
            continue;
        aLog.write("%s", label.second);
        for (const QString &partNumber : list)
            aLog.write(" %s", LATIN1(partNumber));
        aLog.write("\n");
    }
    aLog.write("\n");
}

} // namespace

void RevellTrack::writeLog(LogFile &aLog) const
{
    aLog.write("System: %s   DB entries: %d\n", LATIN1(mSystemName), mNumEntries);
    for (int i = 0; i < mTrackDB.size(); ++i) {
        writePiece(aLog, i, mTrackDB.at(i));
        writeConnections(aLog, mTrackDB.at(i));
    }

    aLog.write("\n\n\nSummary: %d pieces\n", mNumEntries);
    for (int i = 0; i < mTrackDB.size(); ++i) {
        const TrackPiece &piece = mTrackDB.at(i);
        aLog.write("%2d: %10s %10s   %15s   %s\n", i, LATIN1(piece.mInventoryPartNumber),
                   LATIN1(piece.mPartNumber), LATIN1(piece.mType), LATIN1(piece.mDirection));
    }
    aLog.flush();
}
