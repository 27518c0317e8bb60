#include "inventoryDialog.h"

#include "catalog/Inventory.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column
{
    PartColumn,
    CountColumn,
    DescriptionColumn
};

const QColor kBankedShade(220, 220, 220);

// The count cell's editor takes digits only, four at most, and a count that
// is not a whole number from 0 to 9999 (an emptied cell) is refused: the
// cell keeps the count it had.
class CountDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *aParent, const QStyleOptionViewItem &aOption,
                          const QModelIndex &aIndex) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(aParent, aOption, aIndex);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            line->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("\\d{1,4}")), line));
        }
        return editor;
    }

    void setModelData(QWidget *aEditor, QAbstractItemModel *aModel,
                      const QModelIndex &aIndex) const override
    {
        auto *line = qobject_cast<QLineEdit *>(aEditor);
        if (!line)
            return;
        bool ok = false;
        const int count = TrackInventory::parseCount(line->text(), &ok);
        if (ok)
            aModel->setData(aIndex, QString::number(count), Qt::EditRole);
    }
};

QTableWidgetItem *cell(const QString &aText, bool aEditable)
{
    auto *item = new QTableWidgetItem(aText);
    item->setTextAlignment(Qt::AlignCenter);
    if (!aEditable)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

inventoryDialog::inventoryDialog(TrackInventory *aInventory, QWidget *aParent)
    : QDialog(aParent), mInventory(aInventory)
{
    setWindowTitle(QStringLiteral("Inventory Management"));

    mTable = new QTableWidget(this);
    mTable->setObjectName(QStringLiteral("tableWidget"));
    mTable->verticalHeader()->hide();
    mTable->setColumnCount(3);
    mTable->setHorizontalHeaderLabels(
        {QStringLiteral("Part"), QStringLiteral("Inventory"), QStringLiteral("Description")});
    mTable->setColumnWidth(PartColumn, 60);
    mTable->setColumnWidth(CountColumn, 60);
    mTable->setColumnWidth(DescriptionColumn, 300);
    mTable->setItemDelegateForColumn(CountColumn, new CountDelegate(mTable));
    mTable->setRowCount(mInventory->size());
    for (int row = 0; row < mInventory->size(); ++row) {
        const InventoryItem &item = mInventory->at(row);
        QTableWidgetItem *part = cell(item.mPartNumber, false);
        part->setToolTip(item.mDescription);
        QTableWidgetItem *count = cell(QString(), true);
        // The description is the catalog's: an edit here would never be kept.
        QTableWidgetItem *description = cell(item.mDescription, false);
        if (item.mPartNumber.startsWith(QLatin1Char('F'))) {
            part->setBackground(kBankedShade);
            count->setBackground(kBankedShade);
        }
        mTable->setItem(row, PartColumn, part);
        mTable->setItem(row, CountColumn, count);
        mTable->setItem(row, DescriptionColumn, description);
    }

    mSaveLabel = new QLabel(QStringLiteral("Press \"OK\" to save changes."), this);
    mSaveLabel->setObjectName(QStringLiteral("saveLabel"));

    auto *buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mTable);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(mSaveLabel);
    bottom->addStretch();
    bottom->addWidget(buttonBox);
    layout->addLayout(bottom);
    resize(470, 640);

    refill();
    // The counts are taken before the dialog closes.
    QMetaObject::connectSlotsByName(this);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void inventoryDialog::refill()
{
    for (int row = 0; row < mInventory->size() && row < mTable->rowCount(); ++row)
        mTable->item(row, CountColumn)->setText(QString::number(mInventory->at(row).mCount));
}

// The delegate lets only counts into the cells; a cell that holds anything
// else all the same keeps the inventory's count.
void inventoryDialog::on_buttonBox_accepted()
{
    for (int row = 0; row < mInventory->size() && row < mTable->rowCount(); ++row) {
        bool ok = false;
        const int count = TrackInventory::parseCount(mTable->item(row, CountColumn)->text(), &ok);
        if (ok)
            mInventory->setCount(row, count);
    }
}
