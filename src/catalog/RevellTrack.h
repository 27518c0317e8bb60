#pragma once

#include "TrackPiece.h"

#include <QList>
#include <QString>

class LogFile;

// The fixed catalog of the Revell/Valtor raceway system: the cross-section
// dimensions and the 77 pieces in DB-index order. Built once in code; it reads
// no file and is read-only afterwards. Construction writes the catalog log
// "../logs/RevellTrackDB.log" when that file can be opened.
class RevellTrack
{
public:
    RevellTrack();

    // DB index of the entry whose mPartNumber equals aPartNumber exactly, or -1.
    int findIndex(const QString &aPartNumber) const;
    // True when aAttachment is listed beside aHost (lists 1a, 2a, 1b, 2b, 1c, 2c).
    bool canAttach(const QString &aHost, const QString &aAttachment) const;

    const TrackPiece &piece(int aIndex) const { return mTrackDB.at(aIndex); }
    bool isValidIndex(int aIndex) const { return aIndex >= 0 && aIndex < mTrackDB.size(); }
    // DB index of the entry that a diagram type's part number names, or -1
    // (undirected kinds, selections and pairs name no entry). Looked up once
    // at construction: every piece laid asks.
    int indexOfType(int aType) const
    {
        return (aType >= 0 && aType < mTypeIndex.size()) ? mTypeIndex.at(aType) : -1;
    }

    // Cross-section, mm; offsets counted upward from the right/lower edge.
    double length;
    double apron3;
    double width2;
    double track4;
    double track3;
    double apron2;
    double width;
    double track2;
    double track1;
    double base;
    double apron1;

    QString mSystemName;
    QList<TrackPiece> mTrackDB;
    int mNumEntries = 0;
    int mNumInventoryItems = 0;

private:
    void buildEntries();
    QList<int> mTypeIndex;
    void writeLog(LogFile &aLog) const;
};
