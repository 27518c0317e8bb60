#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class RevellTrack;

// The two help pages whose facts live in code and data rather than in prose:
// the parts reference, written from the catalog, and the sample layouts,
// written from the layout files of trackplans/. Both are plain HTML in the
// style of the hand-written pages; the generator writes them and a test
// compares the committed pages with a fresh run, so they cannot drift from
// the catalog or the samples.
namespace ReferencePages {

// The file names of the pages under data/html/.
inline const QString kPartsPage = QStringLiteral("parts.html");
inline const QString kSetsPage = QStringLiteral("sets.html");

// The picture of an inventory part on the parts page ("images/parts/R3601.png"
// for "R3601"), relative to data/html/. The picture generator draws it.
QString partPicture(const QString &aInventoryPartNumber);

// The picture of a sample layout on the sets page ("images/sets/oval.png" for
// "oval.txt"), relative to data/html/. The help picture tool takes it from
// the window with that layout open.
QString samplePicture(const QString &aFileName);

// One inventory part: the catalog entries that share its number, in catalog order.
struct Part
{
    QString mNumber;      // the inventory part number, e.g. "R3601"
    QString mDescription; // the first entry's description up to its first ", "
    QList<int> mEntries;  // catalog indexes
};

// The inventory parts in the catalog order of their first entries.
QList<Part> inventoryParts(const RevellTrack &aCatalog);

// The inventory part numbers of the attachments that fit beside the pieces of
// aTrackPart, in inventory order; for an attachment, the track parts it fits
// beside.
QStringList fittingParts(const RevellTrack &aCatalog, const QString &aPartNumber);

// The parts page.
QByteArray partsPage(const RevellTrack &aCatalog);

// The sets page for the layout files (*.txt) in aTrackplanDir, in file-name
// order. Empty with aError set when a file cannot be read as a layout.
QByteArray setsPage(const RevellTrack &aCatalog, const QString &aTrackplanDir, QString *aError);

// The layout files the sets page lists, in its order.
QStringList sampleFiles(const QString &aTrackplanDir);

} // namespace ReferencePages
