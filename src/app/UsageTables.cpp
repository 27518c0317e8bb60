#include "UsageTables.h"

#include "catalog/Inventory.h"

#include <QHeaderView>
#include <QTableWidget>

namespace UsageTables {

namespace {

const QColor kBankedShade(220, 220, 220);
const int kPartWidth = 60;
const int kCountWidth = 50;
const int kAvailableWidth = 70;

const char *const kTableStyle = "QTableWidget {gridline-color: #000000;};";
const char *const kHeaderStyle =
    "QHeaderView::section{border-top: 1px solid #000000;border-left: 1px solid "
    "#000000;border-right: 1px solid #000000;border-bottom: 1px solid "
    "#000000;background-color:white;padding:4px;}QTableCornerButton::section{border-top: 1px "
    "solid #000000;border-left: 1px solid #000000;border-right: 1px solid "
    "#000000;border-bottom: 1px solid #000000;background-color:white;}";

bool isBankedPart(const InventoryItem &aItem)
{
    return aItem.mPartNumber.startsWith(QLatin1Char('F'));
}

void prepare(QTableWidget *aTable, const QStringList &aHeaders, const QList<int> &aWidths,
             int aRows)
{
    aTable->clear();
    aTable->setColumnCount(aHeaders.size());
    for (int column = 0; column < aWidths.size(); ++column)
        aTable->setColumnWidth(column, aWidths.at(column));
    aTable->verticalHeader()->hide();
    aTable->setHorizontalHeaderLabels(aHeaders);
    aTable->setRowCount(aRows);
}

void finish(QTableWidget *aTable)
{
    aTable->setStyleSheet(QLatin1String(kTableStyle));
    aTable->horizontalHeader()->setStyleSheet(QLatin1String(kHeaderStyle));
}

// A read-only cell, centred unless aLeft, shaded when it belongs to a banked part.
void setCell(QTableWidget *aTable, int aRow, int aColumn, const QString &aText,
             const InventoryItem &aItem, bool aShaded = true, bool aLeft = false)
{
    auto *cell = new QTableWidgetItem(aText);
    cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
    cell->setTextAlignment(int(aLeft ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
    if (aShaded && isBankedPart(aItem))
        cell->setBackground(kBankedShade);
    aTable->setItem(aRow, aColumn, cell);
}

void setPartCell(QTableWidget *aTable, int aRow, int aColumn, const InventoryItem &aItem)
{
    setCell(aTable, aRow, aColumn, aItem.mPartNumber, aItem);
    aTable->item(aRow, aColumn)->setToolTip(aItem.mDescription);
}

// Counting runs after every edit: cells whose number is unchanged are left
// alone, so a view repaints only what moved.
void setNumber(QTableWidget *aTable, int aRow, int aColumn, int aValue)
{
    QTableWidgetItem *cell = aTable->item(aRow, aColumn);
    const QString text = QString::number(aValue);
    if (cell && cell->text() != text)
        cell->setText(text);
}

void setLayoutHeaders(QTableWidget *aTable, const QStringList &aLayoutNames)
{
    for (int i = 0; i < kLayoutTabCount && i < aLayoutNames.size(); ++i) {
        QTableWidgetItem *header = aTable->horizontalHeaderItem(LayoutsFirstLayoutColumn + i);
        if (header)
            header->setText(aLayoutNames.at(i));
    }
}

} // namespace

void setUpTrackTable(QTableWidget *aTable, const TrackInventory &aInventory)
{
    prepare(aTable, {QStringLiteral("PartNum"), QStringLiteral("Used")}, {kPartWidth, kCountWidth},
            aInventory.size());
    for (int row = 0; row < aInventory.size(); ++row) {
        const InventoryItem &item = aInventory.at(row);
        setPartCell(aTable, row, TrackPartColumn, item);
        setCell(aTable, row, TrackUsedColumn, QStringLiteral("0"), item);
    }
    finish(aTable);
}

void setUpPieceUseTable(QTableWidget *aTable, const TrackInventory &aInventory)
{
    prepare(aTable,
            {QStringLiteral("PartNum"), QStringLiteral("Inven"), QStringLiteral("Used"),
             QStringLiteral("Available")},
            {kPartWidth, kCountWidth, kCountWidth, kAvailableWidth}, aInventory.size());
    for (int row = 0; row < aInventory.size(); ++row) {
        const InventoryItem &item = aInventory.at(row);
        setPartCell(aTable, row, UsePartColumn, item);
        setCell(aTable, row, UseInvenColumn, QString::number(item.mCount), item);
        setCell(aTable, row, UseUsedColumn, QStringLiteral("0"), item);
        setCell(aTable, row, UseAvailableColumn, QStringLiteral("0"), item);
    }
    finish(aTable);
}

void setUpLayoutsTable(QTableWidget *aTable, const TrackInventory &aInventory,
                       const QStringList &aLayoutNames)
{
    QStringList headers{QStringLiteral("PartNum")};
    QList<int> widths{kPartWidth};
    for (int i = 0; i < kLayoutTabCount; ++i) {
        headers << aLayoutNames.value(i);
        widths << kCountWidth;
    }
    headers << QStringLiteral("PartNum") << QStringLiteral("Description");
    prepare(aTable, headers, widths, aInventory.size());
    for (int row = 0; row < aInventory.size(); ++row) {
        const InventoryItem &item = aInventory.at(row);
        setPartCell(aTable, row, LayoutsPartColumn, item);
        for (int i = 0; i < kLayoutTabCount; ++i)
            setCell(aTable, row, LayoutsFirstLayoutColumn + i, QStringLiteral("0"), item);
        setPartCell(aTable, row, LayoutsSecondPartColumn, item);
        setCell(aTable, row, LayoutsDescriptionColumn, item.mDescription, item, false, true);
    }
    finish(aTable);
    aTable->resizeColumnsToContents();
}

void showLayoutUsage(QTableWidget *aTable, const QVector<int> &aCounts)
{
    for (int row = 0; row < aCounts.size() && row < aTable->rowCount(); ++row)
        setNumber(aTable, row, TrackUsedColumn, aCounts.at(row));
}

void showOwned(QTableWidget *aPieceUse, const TrackInventory &aInventory)
{
    for (int row = 0; row < aInventory.size() && row < aPieceUse->rowCount(); ++row)
        setNumber(aPieceUse, row, UseInvenColumn, aInventory.at(row).mCount);
}

void showStats(QTableWidget *aPieceUse, QTableWidget *aLayouts, const TrackInventory &aInventory,
               const std::array<QVector<int>, kLayoutTabCount> &aCounts,
               const QStringList &aLayoutNames)
{
    const int rows = qMin(aInventory.size(), qMin(aPieceUse->rowCount(), aLayouts->rowCount()));
    for (int row = 0; row < rows; ++row) {
        int sum = 0;
        for (int i = 0; i < kLayoutTabCount; ++i) {
            const int used = aCounts[i].value(row);
            setNumber(aLayouts, row, LayoutsFirstLayoutColumn + i, used);
            sum += used;
        }
        setNumber(aPieceUse, row, UseInvenColumn, aInventory.at(row).mCount);
        setNumber(aPieceUse, row, UseUsedColumn, sum);
        setNumber(aPieceUse, row, UseAvailableColumn, aInventory.at(row).mCount - sum);
    }
    setLayoutHeaders(aLayouts, aLayoutNames);
    aLayouts->resizeColumnsToContents();
}

} // namespace UsageTables
