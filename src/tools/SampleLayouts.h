#pragma once

#include <QList>
#include <QPair>
#include <QPointF>
#include <QString>

class RevellTrack;
struct LayoutRecord;

// One sample layout of trackplans/: what a newcomer opens to see a real
// circuit. The pieces are laid in order by the layout's own scene, exactly as
// clicks in the toolbox would lay them.
struct SampleEntry
{
    QString mName;     // the layout's name, the file's first line
    QString mFileName; // below the target folder, e.g. "oval-terminal.txt"
    QPointF mFirstPt;  // where the first piece's lower-left corner lies
    int mLanes = 2;
    // Two lanes: diagram types of two-lane pieces. Four lanes: four-lane pair
    // types (93 to 104), each laid on both records.
    QList<int> mTypes;
    // Banked turns of record A fenced all round, as the banked command fences
    // them: each by the index of its entry transition.
    QList<int> mFencedTurns;
    // Pieces of record A that lie above or below the level a click lays
    // them at: piece index and level.
    QList<QPair<int, double>> mLevels;
};

// The samples, in the order they are written.
const QList<SampleEntry> &sampleList();

// How far a record's chain ends from where it began: the distance in scene
// units from the end point to the first point. A closed circuit also ends
// pointing the way it started (angle 0).
double closureGap(const LayoutRecord &aRecord);

// The largest gap a circuit may leave and still count as closed, in scene
// units: 2.4 mm of track, the play of a real track joint.
constexpr double kClosureTolerance = 0.5;

// Lays a sample on fresh records A and B, computes its lane lengths and
// checks that every chain closes, then fences its banked turns and sets its
// levels. Record B is only laid for four lanes; its "track lengths" are the
// second strip's lanes 3 and 4. False with aError set when a piece could not
// be laid, a chain does not close, or a fenced turn or a raised piece is not
// where the sample says.
bool buildSample(const SampleEntry &aSpec, const RevellTrack &aCatalog, LayoutRecord &aA,
                 LayoutRecord &aB, QString *aError);

// Builds a sample and saves it as aDir/<file name>. False with aError set on
// failure; nothing is written for a sample that does not close.
bool writeSample(const SampleEntry &aSpec, const RevellTrack &aCatalog, const QString &aDir,
                 QString *aError);
