#pragma once

#include <QString>
#include <QStringList>

class LogFile;
class QIODevice;
class RevellTrack;
struct LayoutRecord;

// The layout file: a plain Latin-1 text dump of a LayoutRecord, one field per
// line, then nine lines per placed piece. A four-lane layout is record A's
// section immediately followed by record B's.

// How far a section could be read.
enum class TrackPlanRead
{
    Complete,  // every line of the section was there
    Truncated, // the stream ended inside the section; the record holds what was read
    Failed     // nothing to read (no stream, or at its end): the record is untouched
};

// Writes one record's section to aOut, which stays open. Writes "writeTrackPlan()\n"
// to aDebugLog (may be null). False when aOut is null or refused a write.
bool writeTrackPlan(QIODevice *aOut, const LayoutRecord &aRecord, LogFile *aDebugLog = nullptr);

// Reads one section from aIn, which stays open, into aRecord. The section is
// read into a fresh record and handed over unless the result is Failed, so
// nothing of the previous chain survives a read; mPath, mFirstPair,
// mSecondPair, mChanged, mSaved and mLaneSwap keep their values. Catalog
// indexes and item types come from the part numbers, never from the file.
// Never reads past the end of aIn: a missing line leaves its field at the
// fresh record's value and a truncated piece list keeps the pieces begun.
TrackPlanRead readTrackPlan(QIODevice *aIn, LayoutRecord &aRecord, const RevellTrack &aCatalog,
                            const QStringList &aDiagramTypeList, LogFile *aDebugLog = nullptr);

// The open command's test of a file before reading it: a name line, a "lanes"
// line and a "track pieces" line before the first piece line.
bool isTrackPlanFile(const QString &aPath);
bool isTrackPlanText(QIODevice &aIn);

// Why aName cannot name a layout, as one sentence for the user, or an empty
// text when it can. The name is the file's first line, so it must be a line
// the open command's test takes for a name: not empty, and not itself a
// "lanes" or "track pieces" line.
QString layoutNameProblem(const QString &aName);

// Saves a layout: record A, then record B when A has four lanes. Writes a
// temporary file beside aPath and replaces aPath only when everything was
// written and the text passes the open command's test, so a failed save
// leaves the previous file as it was and no file is written that Open would
// refuse. False on failure.
bool saveTrackPlanFile(const QString &aPath, const LayoutRecord &aA, const LayoutRecord &aB,
                       LogFile *aDebugLog = nullptr);

// Reads a layout file into record A and, for four lanes, record B, and marks
// them as the first and second pair. Both records are replaced together, and
// only when the file could be opened and record A's section was begun
// (result Complete or Truncated); otherwise both are left untouched. For a
// two-lane file, or a four-lane file without a second section, record B
// becomes an empty companion with A's name, lane count and colours.
TrackPlanRead loadTrackPlanFile(const QString &aPath, LayoutRecord &aA, LayoutRecord &aB,
                                const RevellTrack &aCatalog, const QStringList &aDiagramTypeList,
                                LogFile *aDebugLog = nullptr);
