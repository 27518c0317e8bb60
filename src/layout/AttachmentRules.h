#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class RevellTrack;
struct AttachmentEntry;
struct LayoutRecord;
struct PlacedPiece;

// Which apron, transition apron or crash fence fits which track piece, how a
// click in attach mode is answered, how an attachment is kept on its host,
// and how the two attachment choosers' names map to the parts of one host.
// Rules over records only: the scene draws what they decide and the window
// says what they refuse.
namespace AttachmentRules {

// True when an attachment of kind aRequested may lie beside a piece of kind
// aHost; *aPlaced gets the kind to place. The catalog's side lists decide
// first; failing them, a near relative that fits instead is placed (a 14 inch
// apron asked for on a 21 inch curve becomes the 21 inch one, a full straight
// apron on a half straight the half one), and a curve attachment asked for
// with the other hand becomes its twin of the host's hand. *aPlaced is
// aRequested whenever nothing fits.
bool canAttachType(const RevellTrack &aCatalog, int aRequested, int aHost, int *aPlaced);

// True when piece aHost of aRecord already carries an attachment named
// aPartNumber, or one whose inventory part number is aPartNumber (so "R3605"
// finds "R3605_R").
bool hasAttachment(const LayoutRecord &aRecord, const RevellTrack &aCatalog,
                   const QString &aPartNumber, int aHost);

// The answer to a click in attach mode with kind aRequested on piece aHost.
struct ClickOutcome
{
    enum Result
    {
        Attach,         // place mType
        DoesNotFit,     // nothing of the kind fits this piece
        AlreadyPresent, // the piece carries it already
        NoHost          // aHost is not a piece of the record
    };
    Result mResult = NoHost;
    int mType = -1;            // the kind to place, substituted or not
    bool mSubstituted = false; // a relative stands in for the requested kind
};
ClickOutcome decideClick(const LayoutRecord &aRecord, const RevellTrack &aCatalog, int aRequested,
                         int aHost);

// Keeps attachment aPartNumber (catalog index aDbIndex, kind aType) on piece
// aHost. An entry of that name and kind already there only takes aHost as
// its host index, so recording the same attachment twice leaves one entry.
// True when an entry was added; false when one matched or aHost is not a
// piece of the record.
bool recordAttachment(LayoutRecord &aRecord, int aHost, const QString &aPartNumber, int aDbIndex,
                      int aType);

// The attachment choosers: the straight one for straights, half and third
// straights, chicane, lane change, terminals and lap counters; the curve one
// for curves, the curved terminal and the banked curve.
enum class Chooser
{
    None,
    Straight,
    Curve
};
Chooser chooserFor(const QString &aHostPartNumber);
// What the chooser is told about the host: the straight chooser its part
// number ("R3602_R"), the curve chooser its bare number ("R3601", "F8517").
QString chooserHostText(const QString &aHostPartNumber);

// The curve chooser's entry names for host text aHostText, in entry order:
// always the 14 inch names ("R3605", "R3612", ...), whichever radius the host.
QStringList curveChooserEntries(const QString &aHostText);

// The name under which the chooser for aHostPartNumber shows attachment
// aPartNumber: straight hosts show part numbers as they are; curve hosts
// their family's 14 inch name ("R3611_L" -> "R3605", "R3628o_R21" ->
// "R3628o"), and a banked curve its orange fence as "R3628o".
QString chooserName(const QString &aHostPartNumber, const QString &aPartNumber);
QStringList chooserNames(const QString &aHostPartNumber, const QList<AttachmentEntry> &aEntries);

// The part number that chooser name aName stands for on host aHostPartNumber
// ("R3605" on "R3610_L" -> "R3611_L"); empty when the host has no such part.
QString directedPartNumber(const QString &aHostPartNumber, const QString &aName);

// What accepting a chooser does to a host's attachments: those the chooser
// does not offer stay as they were, those it offers stay when still chosen,
// and the chosen parts the host lacks are added.
struct ChooserEdit
{
    QList<AttachmentEntry> mKept; // in their old order
    QStringList mAdded;           // part numbers to attach, in the chooser's order
};
ChooserEdit chooserEdit(const QString &aHostPartNumber, const QList<AttachmentEntry> &aEntries,
                        const QStringList &aChosen);

} // namespace AttachmentRules
