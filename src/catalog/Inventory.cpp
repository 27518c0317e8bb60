#include "Inventory.h"

#include "RevellTrack.h"

#include "common/LogFile.h"
#include "layout/LayoutRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// fgets with a 256-byte buffer: the inventory has always been read this way.
constexpr qint64 kLineBuffer = 256;

void removeLineEnd(QByteArray &aLine)
{
    if (aLine.endsWith('\n') || aLine.endsWith('\r'))
        aLine.chop(1);
}

void addEntry(QVector<int> &aCounts, const TrackInventory &aInventory, const RevellTrack &aCatalog,
              int aDbIndex)
{
    if (!aCatalog.isValidIndex(aDbIndex))
        return;
    const int row = aInventory.rowOf(aCatalog.piece(aDbIndex).mInventoryPartNumber);
    if (row >= 0)
        ++aCounts[row];
}

void addRecord(QVector<int> &aCounts, const TrackInventory &aInventory, const RevellTrack &aCatalog,
               const LayoutRecord &aRecord)
{
    for (const PlacedPiece &entry : aRecord.mPieces) {
        if (entry.mDeleted)
            continue;
        addEntry(aCounts, aInventory, aCatalog, entry.mDbIndex);
        for (const AttachmentEntry &attachment : entry.mAttachments)
            addEntry(aCounts, aInventory, aCatalog, attachment.mDbIndex);
    }
}

} // namespace

TrackInventory::TrackInventory(const RevellTrack &aCatalog)
{
    for (const TrackPiece &piece : aCatalog.mTrackDB) {
        if (mRows.contains(piece.mInventoryPartNumber))
            continue;
        const QString description = piece.mDescription.split(QStringLiteral(", ")).first();
        mRows.insert(piece.mInventoryPartNumber, mItems.size());
        mItems.append(InventoryItem{piece.mInventoryPartNumber, description, 0});
    }
}

int TrackInventory::parseCount(const QString &aText, bool *aOk)
{
    bool ok = false;
    int count = aText.toInt(&ok, 10);
    // toInt takes a sign and surrounding blanks; a count is digits only.
    for (const QChar c : aText)
        ok = ok && c.isDigit();
    ok = ok && count >= 0 && count <= kMaxCount;
    if (aOk)
        *aOk = ok;
    return ok ? count : 0;
}

void readInventory(QIODevice &aIn, TrackInventory &aInventory, LogFile *aDebugLog)
{
    if (aDebugLog)
        aDebugLog->writeFlush("readInventory()\n");
    char buffer[kLineBuffer];
    for (;;) {
        const qint64 length = aIn.readLine(buffer, kLineBuffer);
        if (length <= 0)
            break;
        QByteArray line(buffer, int(length));
        removeLineEnd(line);
        removeLineEnd(line);
        const QStringList fields = QString::fromLatin1(line).split(QLatin1Char(' '));
        if (fields.size() < 2)
            continue;
        const int row = aInventory.rowOf(fields.at(0));
        if (row >= 0)
            aInventory.setCount(row, TrackInventory::parseCount(fields.at(1)));
    }
}

bool writeInventory(QIODevice &aOut, const TrackInventory &aInventory, LogFile *aDebugLog)
{
    if (aDebugLog)
        aDebugLog->writeFlush("writeInventory()\n");
    QByteArray text;
    for (const InventoryItem &item : aInventory.items()) {
        text += item.mPartNumber.toLatin1() + ' ' + QByteArray::number(item.mCount) + ' ' +
                item.mDescription.toLatin1() + '\n';
    }
    return aOut.write(text) == text.size();
}

bool loadInventoryFile(const QString &aPath, TrackInventory &aInventory, LogFile *aDebugLog)
{
    QFile file(aPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    readInventory(file, aInventory, aDebugLog);
    return true;
}

bool saveInventoryFile(const QString &aPath, const TrackInventory &aInventory, LogFile *aDebugLog)
{
    // A fresh install has no inventory yet, nor its folder.
    if (!QDir().mkpath(QFileInfo(aPath).path()))
        return false;
    QSaveFile file(aPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!writeInventory(file, aInventory, aDebugLog) || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QVector<int> countUsage(const TrackInventory &aInventory, const RevellTrack &aCatalog,
                        const LayoutRecord &aRecordA, const LayoutRecord &aRecordB)
{
    QVector<int> counts(aInventory.size(), 0);
    addRecord(counts, aInventory, aCatalog, aRecordA);
    if (aRecordA.mLanes == 4)
        addRecord(counts, aInventory, aCatalog, aRecordB);
    return counts;
}

QVector<int> partsToBuy(const TrackInventory &aInventory, const QVector<int> &aUsed)
{
    QVector<int> missing(aInventory.size(), 0);
    for (int row = 0; row < aInventory.size() && row < aUsed.size(); ++row)
        missing[row] = qMax(0, aUsed.at(row) - aInventory.at(row).mCount);
    return missing;
}

QString partsListText(const TrackInventory &aInventory, const QVector<int> &aCounts,
                      const QString &aIndent)
{
    QString text;
    for (int row = 0; row < aInventory.size() && row < aCounts.size(); ++row) {
        if (aCounts.at(row) == 0)
            continue;
        const InventoryItem &item = aInventory.at(row);
        text += QStringLiteral("%1%2%3  %4\n")
                    .arg(aIndent)
                    .arg(item.mPartNumber, -8)
                    .arg(aCounts.at(row), 5)
                    .arg(item.mDescription);
    }
    return text;
}
