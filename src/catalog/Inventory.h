#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVector>

class LogFile;
class QIODevice;
class RevellTrack;
struct LayoutRecord;

// One part the user may own, by inventory part number (no direction or side
// suffix): "R3601" stands for both R3601_R and R3601_L.
struct InventoryItem
{
    QString mPartNumber;
    QString mDescription;
    int mCount = 0; // pieces owned
};

// The user's inventory: one item per inventory part number of the catalog,
// in the DB-index order of each number's first entry. An item's position is
// its row in every usage table. The list is fixed once built; only the
// counts change.
class TrackInventory
{
public:
    // Counts above this are taken for typing errors, not for track owned.
    static constexpr int kMaxCount = 9999;

    TrackInventory() = default;
    // Every count 0. A description is the first entry's, cut at its first
    // ", " so that the direction it names is dropped.
    explicit TrackInventory(const RevellTrack &aCatalog);

    int size() const { return mItems.size(); }
    const InventoryItem &at(int aRow) const { return mItems.at(aRow); }
    const QList<InventoryItem> &items() const { return mItems; }
    // Row of an inventory part number, compared exactly; -1 when none.
    int rowOf(const QString &aPartNumber) const { return mRows.value(aPartNumber, -1); }
    void setCount(int aRow, int aCount) { mItems[aRow].mCount = aCount; }

    // A count as the inventory file or the user gives it: a whole decimal
    // number from 0 to kMaxCount; *aOk false (and 0) for anything else.
    static int parseCount(const QString &aText, bool *aOk = nullptr);

private:
    QList<InventoryItem> mItems;
    QHash<QString, int> mRows;
};

// Reads counts from the inventory text in aIn (open for reading) into
// aInventory. Lines are taken as the program has always taken them: at most
// 255 characters at a time (the rest of a longer line counts as a line of
// its own), a trailing line feed and carriage return removed, split at every
// single blank. A line's first field names the part exactly, its second is
// the count (0 when it is not a count); other lines and unknown parts are
// skipped, and a part named twice keeps the last count. Writes
// "readInventory()\n" to aDebugLog (may be null).
void readInventory(QIODevice &aIn, TrackInventory &aInventory, LogFile *aDebugLog = nullptr);

// Writes one "<part number> <count> <description>" line per item, in Latin-1,
// to aOut. Writes "writeInventory()\n" to aDebugLog. False when aOut refused a write.
bool writeInventory(QIODevice &aOut, const TrackInventory &aInventory,
                    LogFile *aDebugLog = nullptr);

// Reads the inventory file at aPath. False, with every count as it was, when
// the file cannot be opened.
bool loadInventoryFile(const QString &aPath, TrackInventory &aInventory,
                       LogFile *aDebugLog = nullptr);

// Writes the inventory file at aPath, making its folder when missing. The file
// is replaced only once it is complete: a failed write keeps the previous one.
// False when it could not be written.
bool saveInventoryFile(const QString &aPath, const TrackInventory &aInventory,
                       LogFile *aDebugLog = nullptr);

// How many pieces of each inventory part a layout uses, indexed by inventory
// row: every entry of record A's track list and every attachment kept on it,
// and record B's as well when A has four lanes (each strip is made of
// two-lane pieces). Entries whose catalog index names no piece, and entries
// marked for removal, count nothing. One pass over the lists.
QVector<int> countUsage(const TrackInventory &aInventory, const RevellTrack &aCatalog,
                        const LayoutRecord &aRecordA, const LayoutRecord &aRecordB);

// What the layouts of aUsed need beyond the inventory, by inventory row: the
// count used minus the count owned where that is positive, else 0. aUsed is
// indexed by inventory row, as countUsage gives it; rows it lacks count 0.
QVector<int> partsToBuy(const TrackInventory &aInventory, const QVector<int> &aUsed);

// The rows of aCounts that are not 0 as text, one line each in inventory
// order: aIndent, the part number padded to 8, the count right-aligned in 5,
// two blanks and the description. Empty when every count is 0.
QString partsListText(const TrackInventory &aInventory, const QVector<int> &aCounts,
                      const QString &aIndent = QString());
