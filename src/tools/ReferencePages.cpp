#include "tools/ReferencePages.h"

#include "catalog/Inventory.h"
#include "catalog/LaneLength.h"
#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "graphics/PieceKinds.h"
#include "layout/LayoutRecord.h"
#include "layout/TrackPlanFile.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

#include <cmath>

namespace ReferencePages {

namespace {

// The groups of the parts page, in page order.
enum class Group
{
    Track,
    Banked,
    Apron,
    Fence
};

struct GroupHeading
{
    Group mGroup;
    const char *mId;
    const char *mTitle;
    const char *mIntro;
};

const GroupHeading kGroups[] = {
    {Group::Track, "track", "Track pieces",
     "The two-lane pieces a layout is made of. A curve turns to the right or to the left; "
     "the toolbox and the Add Track chooser offer both."},
    {Group::Banked, "banked", "Banked turn pieces",
     "A banked turn is an entry transition, one to eight banked 30&#176; curves and an exit "
     "transition. Lay it as one choice of the Add Track chooser and change it with "
     "Item &#8250; Banked."},
    {Group::Apron, "aprons", "Aprons and transition aprons",
     "Aprons lie beside a piece and widen the run-off; transition aprons lead from a bare "
     "piece to an aproned one. Attach them by clicking or through Item &#8250; Attach."},
    {Group::Fence, "fences", "Crash fences",
     "Fences stand on the outside of a curve or beside a straight and keep the cars on the "
     "table. The orange fence also fits the banked turn through Item &#8250; Banked."},
};

// The pages of the help, as every page's navigation line lists them.
const char *const kNavigation =
    "<p class=\"nav\"><a href=\"help.html\">Overview</a> | <a href=\"controls.html\">Controls</a> "
    "| "
    "<a href=\"tutorial.html\">Tutorial</a> | <a href=\"howto.html\">How To</a> | "
    "<a href=\"hints.html\">Hints</a> | <a href=\"parts.html\">Parts</a> | "
    "<a href=\"sets.html\">Sets</a> | <a href=\"disclaimer.html\">Disclaimer</a> | "
    "<a href=\"about.html\">About</a></p>\n";

QString escaped(const QString &aText)
{
    return aText.toHtmlEscaped();
}

QString pageStart(const QString &aTitle, const QString &aGenerator)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\"/>\n"
                          "<title>Lanewright: %1</title>\n"
                          "<link rel=\"stylesheet\" href=\"style.css\"/>\n</head>\n<body>\n"
                          "<!-- Written by lanewright-helpgen %2; run scripts/make-help-pages "
                          "after changing it. -->\n")
               .arg(escaped(aTitle), aGenerator) +
           QLatin1String(kNavigation) + QStringLiteral("<h1>%1</h1>\n").arg(escaped(aTitle));
}

QString pageEnd()
{
    return QLatin1String(kNavigation) + QStringLiteral("</body>\n</html>\n");
}

QString millimetres(double aMillimetres)
{
    return formatLength(aMillimetres, LengthUnit::Millimetres) + QStringLiteral(" mm");
}

// Inches as Revell states them: whole where they are whole, else one decimal.
QString inches(double aMillimetres)
{
    const double value = aMillimetres / 25.4;
    const double whole = std::round(value);
    if (std::abs(value - whole) < 0.05)
        return QString::number(int(whole));
    return QString::number(value, 'f', 1);
}

QString partLink(const QString &aNumber, const QString &aPage = QString())
{
    return QStringLiteral("<a href=\"%1#%2\">%2</a>").arg(aPage, escaped(aNumber));
}

Group groupOf(const TrackPiece &aPiece)
{
    const int type = diagramTypeOf(aPiece.mPartNumber);
    if (PieceKinds::isPlainTrack(type))
        return Group::Track;
    if (PieceKinds::isBankedPiece(type))
        return Group::Banked;
    return aPiece.mType.contains(QLatin1String("fence")) ? Group::Fence : Group::Apron;
}

// What tells the pieces of one part apart: the description after its comma
// ("to right", "tab on left", "front-upper"), else the catalog direction.
QString variantText(const TrackPiece &aPiece)
{
    const int comma = aPiece.mDescription.indexOf(QLatin1String(", "));
    return comma >= 0 ? aPiece.mDescription.mid(comma + 2) : aPiece.mDirection;
}

// The inventory part a name of a side list stands for: its catalog entry's
// part, or for an undirected kind ("R3605", "R3628o14") the longest
// inventory part number it begins with.
QString inventoryNumberOf(const RevellTrack &aCatalog, const QList<Part> &aParts,
                          const QString &aName)
{
    const int index = aCatalog.findIndex(aName);
    if (index >= 0)
        return aCatalog.piece(index).mInventoryPartNumber;
    QString best;
    for (const Part &part : aParts) {
        if (aName.startsWith(part.mNumber) && part.mNumber.size() > best.size())
            best = part.mNumber;
    }
    return best;
}

// The banked fences are put on by the banked turn's own dialog, not by the
// side lists: the curve fence stands beside the banked curves, the
// transition fences beside the entry and exit transitions.
bool bankedFenceFits(const TrackPiece &aFence, const TrackPiece &aHost)
{
    if (aFence.mType == QLatin1String("banked fence"))
        return aHost.mType == QLatin1String("banked curve");
    if (aFence.mType == QLatin1String("banked trans fence"))
        return aHost.mType == QLatin1String("banked straight");
    return false;
}

// Whether an attachment part fits beside a track part.
bool fits(const RevellTrack &aCatalog, const QList<Part> &aParts, const Part &aTrack,
          const Part &aAttachment)
{
    for (int hostIndex : aTrack.mEntries) {
        const TrackPiece &host = aCatalog.piece(hostIndex);
        for (int slot = 0; slot < TrackPiece::kConnectionCount; ++slot) {
            const QString code = QLatin1String(TrackPiece::kConnectionCodes.at(slot));
            // The end lists say what joins a piece, not what lies beside it.
            if (code.startsWith(QLatin1Char('0')))
                continue;
            for (const QString &name : host.mConnections.at(slot)) {
                if (inventoryNumberOf(aCatalog, aParts, name) == aAttachment.mNumber)
                    return true;
            }
        }
        for (int fenceIndex : aAttachment.mEntries) {
            if (bankedFenceFits(aCatalog.piece(fenceIndex), host))
                return true;
        }
    }
    return false;
}

const Part *findPart(const QList<Part> &aParts, const QString &aNumber)
{
    for (const Part &part : aParts) {
        if (part.mNumber == aNumber)
            return &part;
    }
    return nullptr;
}

bool isTrackGroup(Group aGroup)
{
    return aGroup == Group::Track || aGroup == Group::Banked;
}

// The other side of the fit: for a track part the attachment parts that fit
// beside it, for an attachment part the track parts it fits beside.
QStringList fittingNumbers(const RevellTrack &aCatalog, const QList<Part> &aParts,
                           const Part &aPart)
{
    const bool isTrack = isTrackGroup(groupOf(aCatalog.piece(aPart.mEntries.first())));
    QStringList numbers;
    for (const Part &other : aParts) {
        if (isTrackGroup(groupOf(aCatalog.piece(other.mEntries.first()))) == isTrack)
            continue;
        const bool fit =
            isTrack ? fits(aCatalog, aParts, aPart, other) : fits(aCatalog, aParts, other, aPart);
        if (fit)
            numbers << other.mNumber;
    }
    return numbers;
}

QString factRow(const QString &aHeading, const QString &aHtml)
{
    return QStringLiteral("<tr><th>%1</th><td>%2</td></tr>\n").arg(aHeading, aHtml);
}

// A curve's angle and radius, or a straight piece's length.
QString shapeText(const TrackPiece &aPiece)
{
    if (aPiece.mRadius > 0.0) {
        return QStringLiteral("%1&#176; curve of %2 inch (%3) radius")
            .arg(QString::number(aPiece.mCurveDeg))
            .arg(inches(aPiece.mRadius), millimetres(aPiece.mRadius));
    }
    if (aPiece.mLength > 0.0) {
        return QStringLiteral("straight, %1 (%2 inch) long")
            .arg(millimetres(aPiece.mLength), inches(aPiece.mLength));
    }
    return QString();
}

QString laneLengths(const TrackPiece &aPiece)
{
    if (qFuzzyCompare(aPiece.mLane1Length, aPiece.mLane2Length))
        return QStringLiteral("%1 each").arg(millimetres(aPiece.mLane1Length));
    return QStringLiteral("lane 1 %1, lane 2 %2")
        .arg(millimetres(aPiece.mLane1Length), millimetres(aPiece.mLane2Length));
}

QString partBlock(const RevellTrack &aCatalog, const QList<Part> &aParts, const Part &aPart)
{
    const TrackPiece &first = aCatalog.piece(aPart.mEntries.first());
    const Group group = groupOf(first);
    const bool isTrack = isTrackGroup(group);
    QString facts;

    if (aPart.mEntries.size() > 1) {
        QStringList variants;
        for (int index : aPart.mEntries) {
            const TrackPiece &piece = aCatalog.piece(index);
            variants << QStringLiteral("%1 %2").arg(escaped(piece.mPartNumber),
                                                    escaped(variantText(piece)));
        }
        facts += factRow(QStringLiteral("Pieces"), variants.join(QStringLiteral("; ")));
    }
    // A part number may cover pieces of several shapes (the orange fence
    // comes for both curves, the banked turn and the straights).
    QStringList shapes;
    for (int index : aPart.mEntries) {
        const QString shape = shapeText(aCatalog.piece(index));
        if (!shape.isEmpty() && !shapes.contains(shape))
            shapes << shape;
    }
    if (!shapes.isEmpty())
        facts += factRow(QStringLiteral("Shape"), shapes.join(QStringLiteral("; ")));
    if (isTrack) {
        QStringList lengths;
        for (int index : aPart.mEntries) {
            const TrackPiece &piece = aCatalog.piece(index);
            const QString text = laneLengths(piece);
            if (!lengths.contains(text))
                lengths << text;
        }
        if (lengths.size() > 1) {
            // The lanes swap roles between the two directions of a curve.
            lengths.clear();
            for (int index : aPart.mEntries) {
                const TrackPiece &piece = aCatalog.piece(index);
                lengths << QStringLiteral("%1: %2").arg(escaped(piece.mPartNumber),
                                                        laneLengths(piece));
            }
        }
        facts += factRow(QStringLiteral("Lane lengths"), lengths.join(QStringLiteral("; ")));
        if (first.mLaneSwap)
            facts += factRow(QStringLiteral("Lanes"),
                             QStringLiteral("the two lanes change sides on this piece"));
    }

    QStringList fitting;
    for (const QString &number : fittingNumbers(aCatalog, aParts, aPart))
        fitting << partLink(number);
    facts +=
        factRow(isTrack ? QStringLiteral("Attachments that fit") : QStringLiteral("Fits beside"),
                fitting.isEmpty() ? QStringLiteral("none") : fitting.join(QStringLiteral(", ")));

    return QStringLiteral("<div class=\"part\" id=\"%1\">\n"
                          "<img src=\"%2\" alt=\"%1\" width=\"160\" height=\"110\"/>\n"
                          "<h3>%1 %3</h3>\n<table class=\"facts\">\n%4</table>\n</div>\n")
        .arg(escaped(aPart.mNumber), partPicture(aPart.mNumber), escaped(aPart.mDescription),
             facts);
}

// How many pieces and attachments a layout holds, known to the catalog or not.
void countEntries(const LayoutRecord &aRecord, int *aPieces, int *aAttachments)
{
    for (const PlacedPiece &piece : aRecord.mPieces) {
        ++*aPieces;
        *aAttachments += piece.mAttachments.size();
    }
}

QString sampleBlock(const RevellTrack &aCatalog, const QList<Part> &aParts,
                    const QString &aFileName, const LayoutRecord &aA, const LayoutRecord &aB)
{
    const QString id = QFileInfo(aFileName).completeBaseName();
    const TrackInventory inventory(aCatalog);
    const QVector<int> used = countUsage(inventory, aCatalog, aA, aB);
    int pieces = 0;
    int attachments = 0;
    countEntries(aA, &pieces, &attachments);
    if (aA.mLanes == 4)
        countEntries(aB, &pieces, &attachments);

    LayoutRecord a = aA;
    calcLaneLengths(a, aB, aCatalog);
    QStringList lanes;
    for (int lane = 0; lane < (aA.mLanes == 4 ? 4 : 2); ++lane) {
        lanes << QStringLiteral("lane %1 %2 (%3 ft)")
                     .arg(lane + 1)
                     .arg(millimetres(a.mLaneLength[lane]),
                          formatLength(a.mLaneLength[lane], LengthUnit::Feet));
    }

    QString facts;
    facts += factRow(QStringLiteral("File"), QStringLiteral("trackplans/") + escaped(aFileName));
    facts += factRow(QStringLiteral("Lanes"), QString::number(aA.mLanes));
    facts += factRow(QStringLiteral("Track pieces"), QString::number(pieces));
    facts += factRow(QStringLiteral("Attachments"), QString::number(attachments));
    facts += factRow(QStringLiteral("Lane lengths"), lanes.join(QStringLiteral(", ")));

    QString rows;
    for (const Part &part : aParts) {
        const int row = inventory.rowOf(part.mNumber);
        const int count = row < 0 ? 0 : used.at(row);
        if (count == 0)
            continue;
        rows += QStringLiteral("<tr><td>%1</td><td class=\"count\">%2</td><td>%3</td></tr>\n")
                    .arg(partLink(part.mNumber, kPartsPage))
                    .arg(count)
                    .arg(escaped(part.mDescription));
    }

    return QStringLiteral("<h2 id=\"%1\">%2</h2>\n"
                          "<p class=\"shot\"><img src=\"%3\" alt=\"%2 in the layout tab\"/></p>\n"
                          "<table class=\"facts\">\n%4</table>\n"
                          "<table class=\"list\">\n<tr><th>Part</th><th>Needed</th>"
                          "<th>Description</th></tr>\n%5</table>\n")
        .arg(escaped(id), escaped(aA.mName), samplePicture(aFileName), facts, rows);
}

} // namespace

QString partPicture(const QString &aInventoryPartNumber)
{
    return QStringLiteral("images/parts/") + aInventoryPartNumber + QStringLiteral(".png");
}

QString samplePicture(const QString &aFileName)
{
    return QStringLiteral("images/sets/") + QFileInfo(aFileName).completeBaseName() +
           QStringLiteral(".png");
}

QList<Part> inventoryParts(const RevellTrack &aCatalog)
{
    // The inventory's rows are the parts, in its order; each gathers the
    // catalog entries counted under it.
    const TrackInventory inventory(aCatalog);
    QList<Part> parts;
    for (const InventoryItem &item : inventory.items())
        parts << Part{item.mPartNumber, item.mDescription, {}};
    for (int i = 0; i < aCatalog.mTrackDB.size(); ++i)
        parts[inventory.rowOf(aCatalog.piece(i).mInventoryPartNumber)].mEntries << i;
    return parts;
}

QStringList fittingParts(const RevellTrack &aCatalog, const QString &aPartNumber)
{
    const QList<Part> parts = inventoryParts(aCatalog);
    const Part *part = findPart(parts, aPartNumber);
    return part ? fittingNumbers(aCatalog, parts, *part) : QStringList();
}

QByteArray partsPage(const RevellTrack &aCatalog)
{
    const QList<Part> parts = inventoryParts(aCatalog);
    QString html = pageStart(QStringLiteral("Parts"), QStringLiteral("from the track catalog"));
    html += QStringLiteral(
        "<p>Every part the program knows, as the Inventory Manager and the usage tables count "
        "it: one entry per Revell part number, whatever its direction. Lane 1 is the lane on "
        "the right-hand side in the direction of travel. Lengths are the program's own "
        "figures in millimetres, the ones it adds up into lane lengths.</p>\n<ul class=\"toc\">\n");
    for (const GroupHeading &heading : kGroups) {
        html += QStringLiteral("<li><a href=\"#%1\">%2</a>:")
                    .arg(QLatin1String(heading.mId), QLatin1String(heading.mTitle));
        for (const Part &part : parts) {
            if (groupOf(aCatalog.piece(part.mEntries.first())) == heading.mGroup)
                html += QLatin1Char(' ') + partLink(part.mNumber);
        }
        html += QStringLiteral("</li>\n");
    }
    html += QStringLiteral("</ul>\n");

    for (const GroupHeading &heading : kGroups) {
        html += QStringLiteral("<h2 id=\"%1\">%2</h2>\n<p>%3</p>\n")
                    .arg(QLatin1String(heading.mId), QLatin1String(heading.mTitle),
                         QLatin1String(heading.mIntro));
        for (const Part &part : parts) {
            if (groupOf(aCatalog.piece(part.mEntries.first())) == heading.mGroup)
                html += partBlock(aCatalog, parts, part);
        }
    }
    html += pageEnd();
    return html.toUtf8();
}

QStringList sampleFiles(const QString &aTrackplanDir)
{
    return QDir(aTrackplanDir).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
}

QByteArray setsPage(const RevellTrack &aCatalog, const QString &aTrackplanDir, QString *aError)
{
    const QList<Part> parts = inventoryParts(aCatalog);
    QString blocks;
    QString index;
    QStringList types;
    initDiagramTypeList(types);
    for (const QString &file : sampleFiles(aTrackplanDir)) {
        LayoutRecord a;
        LayoutRecord b;
        const TrackPlanRead read =
            loadTrackPlanFile(QDir(aTrackplanDir).filePath(file), a, b, aCatalog, types);
        if (read != TrackPlanRead::Complete) {
            *aError = file + QStringLiteral(" is not a complete layout file");
            return QByteArray();
        }
        blocks += sampleBlock(aCatalog, parts, file, a, b);
        index += QStringLiteral("<li><a href=\"#%1\">%2</a> (%3 lanes)</li>\n")
                     .arg(escaped(QFileInfo(file).completeBaseName()), escaped(a.mName))
                     .arg(a.mLanes);
    }

    QString html = pageStart(QStringLiteral("Sets"), QStringLiteral("from the sample layouts"));
    html += QStringLiteral(
        "<p>Revell sold its home raceway track in boxed sets, but what each box held cannot be "
        "checked here, so this page lists no boxes. It lists the sample layouts that come with "
        "Lanewright in the folder <code>trackplans/</code>: open one with "
        "File &#8250; Open Layout File. Each is a closed circuit laid by the program itself, "
        "shown here as it looks in its tab, with the parts it needs. Enter what you own with "
        "File &#8250; Inventory Manager and the Stats tab shows what is missing.</p>\n"
        "<ul class=\"toc\">\n");
    html += index + QStringLiteral("</ul>\n") + blocks + pageEnd();
    return html.toUtf8();
}

} // namespace ReferencePages
