#pragma once

#include "LayoutTabFactory.h"

#include <QStringList>
#include <QVector>

#include <array>

class QTableWidget;
class TrackInventory;

// The usage tables: one per layout tab, and on the Stats tab "Track Piece
// Use" (owned, used, available) and "Layout Usage" (a column per layout).
// Row r of every table is inventory item r. All cells are read-only; the
// banked-turn parts (part numbers beginning with "F") are shaded grey.
namespace UsageTables {

// Columns of a layout tab's table.
enum TrackColumn
{
    TrackPartColumn,
    TrackUsedColumn,
    TrackColumnCount
};

// Columns of "Track Piece Use".
enum PieceUseColumn
{
    UsePartColumn,
    UseInvenColumn,
    UseUsedColumn,
    UseAvailableColumn,
    UseColumnCount
};

// Columns of "Layout Usage": the part, one column per layout, the part again
// and its description.
enum LayoutsColumn
{
    LayoutsPartColumn,
    LayoutsFirstLayoutColumn,
    LayoutsSecondPartColumn = LayoutsFirstLayoutColumn + kLayoutTabCount,
    LayoutsDescriptionColumn,
    LayoutsColumnCount
};

// Sets up the columns, headers and one row per inventory item with every
// count 0 ("Inven" shows the counts owned); aLayoutNames head the layout
// columns of "Layout Usage".
void setUpTrackTable(QTableWidget *aTable, const TrackInventory &aInventory);
void setUpPieceUseTable(QTableWidget *aTable, const TrackInventory &aInventory);
void setUpLayoutsTable(QTableWidget *aTable, const TrackInventory &aInventory,
                       const QStringList &aLayoutNames);

// A layout's counts, by row, into its tab's "Used" column.
void showLayoutUsage(QTableWidget *aTable, const QVector<int> &aCounts);

// The owned counts into "Inven".
void showOwned(QTableWidget *aPieceUse, const TrackInventory &aInventory);

// The Stats tab from the eight layouts' counts: their columns of "Layout
// Usage" headed by aLayoutNames, and in "Track Piece Use" the sums as "Used"
// and owned minus used as "Available" (negative when the layouts need more
// than is owned).
void showStats(QTableWidget *aPieceUse, QTableWidget *aLayouts, const TrackInventory &aInventory,
               const std::array<QVector<int>, kLayoutTabCount> &aCounts,
               const QStringList &aLayoutNames);

} // namespace UsageTables
