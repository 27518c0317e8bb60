#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class LogFile;
class QIODevice;
class RevellTrack;
struct LayoutRecord;

// The layout file: a plain Latin-1 text dump of a LayoutRecord, one field per
// line, then nine lines per placed piece. A four-lane layout is record A's
// section immediately followed by record B's.

// The most a layout file may hold. No layout the program writes comes near
// these, and they keep the time and memory an Open takes bounded: a larger
// file is refused before a piece is read.
constexpr qint64 kMaxTrackPlanBytes = 20 * 1024 * 1024;
constexpr int kMaxPiecesPerStrip = 50000;
// No host piece has more attachment places than this.
constexpr int kMaxAttachmentsPerPiece = 12;

// How far a file or a section could be read.
enum class TrackPlanRead
{
    Complete,      // read; the pieces present may disagree with the count (see TrackPlanCounts)
    Truncated,     // the stream ended before the section's piece count line
    Failed,        // nothing to read (no stream, or at its end; a file that cannot be opened)
    NotALayout,    // a negative piece count, a missing section or a name no layout can have
    TooLarge,      // more than kMaxTrackPlanBytes
    TooManyPieces, // more than kMaxPiecesPerStrip pieces in one section
    TooManyAttachments, // more than kMaxAttachmentsPerPiece attachments on one piece
};

// What the piece count lines of a file said and what was there: one entry
// per section read (record A's, then record B's).
struct TrackPlanCounts
{
    QList<int> mClaimed;    // the "track pieces" line's value
    QList<int> mRead;       // the pieces read whole
    bool mTrailing = false; // text follows the last section the lane count calls for
    bool mBrokenOff = false; // a piece was not whole: it and what follows were not read

    bool agree() const { return mClaimed == mRead; }
    // One figure per lane pair: "12", or "12 + 12".
    static QString joined(const QList<int> &aCounts);
};

// The limit a refused read broke, as a phrase both the window and the report
// build on ("more than 50000 pieces in one lane pair"); empty when the read
// broke none.
QString trackPlanLimitText(TrackPlanRead aRead);

// Writes one record's section to aOut, which stays open. Writes "writeTrackPlan()\n"
// to aDebugLog (may be null). False when aOut is null or refused a write.
bool writeTrackPlan(QIODevice *aOut, const LayoutRecord &aRecord, LogFile *aDebugLog = nullptr);

// Reads one section from aIn, which stays open, into aRecord. The section is
// read into a fresh record and handed over when the result is Complete or
// Truncated, so nothing of the previous chain survives a read; mPath,
// mFirstPair, mSecondPair, mChanged, mSaved and mLaneSwap keep their values.
// Catalog indexes and item types come from the part numbers, never from the
// file, and the first point is kept at the precision the file stores.
// Never reads past the end of aIn. The pieces are read as long as piece
// lines follow, whatever the count line says: fewer (the stream ended, or
// the next section began) or more than it claims are read as they are, and
// aCounts (when given) gets the count and the number read. A piece whose
// lines are cut off by the end of the stream is not kept. Reading stops at
// the first piece beyond the limits, and the record is left untouched.
TrackPlanRead readTrackPlan(QIODevice *aIn, LayoutRecord &aRecord, const RevellTrack &aCatalog,
                            const QStringList &aDiagramTypeList, LogFile *aDebugLog = nullptr,
                            TrackPlanCounts *aCounts = nullptr);

// The open command's test of a file before reading it: a name line, a "lanes"
// line and a "track pieces" line before the first piece line.
bool isTrackPlanFile(const QString &aPath);
bool isTrackPlanText(QIODevice &aIn);
bool isTrackPlanText(const QByteArray &aText);

// Why aName cannot name a layout, as one sentence for the user, or an empty
// text when it can. The name is the file's first line, so it must be a line
// the open command's test takes for a name: not empty, and not itself a
// "lanes" or "track pieces" line; it must not read as a piece line, which a
// four-lane file's second name follows; and the file, being Latin-1, must be
// able to hold each of its characters.
QString layoutNameProblem(const QString &aName);

// Saves a layout: record A, then record B when A has four lanes. Writes a
// temporary file beside aPath and replaces aPath only when everything was
// written and the text passes the open command's test, so a failed save
// leaves the previous file as it was and no file is written that Open would
// refuse. False on failure.
bool saveTrackPlanFile(const QString &aPath, const LayoutRecord &aA, const LayoutRecord &aB,
                       LogFile *aDebugLog = nullptr);

// The whole of the file at aPath into aText, refusing (TooLarge, aText
// empty) a file of more than kMaxTrackPlanBytes without reading the rest.
// Failed when it cannot be read; otherwise Complete.
TrackPlanRead readTrackPlanBytes(const QString &aPath, QByteArray &aText);

// Reads a layout text into record A and, for four lanes, record B, and marks
// them as the first and second pair. Both records are replaced together, and
// only when the result is Complete; otherwise both are left untouched.
// Complete needs every section the lane count calls for, up to its piece
// count, a count that is not negative, names that layoutNameProblem accepts
// and pieces within the limits; the pieces present may still disagree with
// the counts, and text may follow the layout, which aCounts (when given)
// tells. For a two-lane text record B becomes an empty companion with A's
// name, lane count and colours.
TrackPlanRead loadTrackPlanText(const QByteArray &aText, LayoutRecord &aA, LayoutRecord &aB,
                                const RevellTrack &aCatalog, const QStringList &aDiagramTypeList,
                                LogFile *aDebugLog = nullptr, TrackPlanCounts *aCounts = nullptr);

// The same for the file at aPath, which readTrackPlanBytes reads.
TrackPlanRead loadTrackPlanFile(const QString &aPath, LayoutRecord &aA, LayoutRecord &aB,
                                const RevellTrack &aCatalog, const QStringList &aDiagramTypeList,
                                LogFile *aDebugLog = nullptr, TrackPlanCounts *aCounts = nullptr);
