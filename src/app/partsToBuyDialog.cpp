#include "partsToBuyDialog.h"

#include "catalog/Inventory.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column
{
    PartColumn,
    NeededColumn,
    OwnedColumn,
    ToBuyColumn,
    DescriptionColumn,
    ColumnCount
};

// The box's first entry; entry n + 1 is layout n.
constexpr int kAllLayouts = 0;

QTableWidgetItem *cell(const QString &aText, Qt::Alignment aAlign = Qt::AlignCenter)
{
    auto *item = new QTableWidgetItem(aText);
    item->setTextAlignment(aAlign | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString counted(int aCount, const char *aNoun)
{
    return QStringLiteral("%1 %2%3").arg(aCount).arg(QLatin1String(aNoun), aCount == 1 ? "" : "s");
}

} // namespace

partsToBuyDialog::partsToBuyDialog(const TrackInventory *aInventory, const LayoutCounts *aUsage,
                                   QWidget *aParent)
    : QDialog(aParent), mInventory(aInventory), mUsage(aUsage)
{
    setObjectName(QStringLiteral("partsToBuyDialog"));
    setWindowTitle(QStringLiteral("Parts to buy"));

    mLayoutBox = new QComboBox(this);
    mLayoutBox->setObjectName(QStringLiteral("layoutComboBox"));
    auto *boxLabel = new QLabel(QStringLiteral("For:"), this);
    boxLabel->setBuddy(mLayoutBox);

    mTable = new QTableWidget(0, ColumnCount, this);
    mTable->setObjectName(QStringLiteral("partsTableWidget"));
    mTable->setHorizontalHeaderLabels({QStringLiteral("Part"), QStringLiteral("Needed"),
                                       QStringLiteral("Owned"), QStringLiteral("To buy"),
                                       QStringLiteral("Description")});
    mTable->verticalHeader()->hide();
    mTable->horizontalHeader()->setStretchLastSection(true);
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);

    mSummaryLabel = new QLabel(this);
    mSummaryLabel->setObjectName(QStringLiteral("summaryLabel"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    QPushButton *copy =
        buttons->addButton(QStringLiteral("Copy as Text"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyPushButton"));
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(listText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(boxLabel);
    top->addWidget(mLayoutBox, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(mTable, 1);
    layout->addWidget(mSummaryLabel);
    layout->addWidget(buttons);
    resize(560, 480);

    connect(mLayoutBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &partsToBuyDialog::showList);
}

void partsToBuyDialog::refill(const QStringList &aLayoutNames)
{
    const int choice = qMax(kAllLayouts, mLayoutBox->currentIndex());
    {
        const QSignalBlocker quiet(mLayoutBox);
        mLayoutBox->clear();
        mLayoutBox->addItem(QStringLiteral("All eight layouts"));
        for (int i = 0; i < kLayoutTabCount; ++i)
            mLayoutBox->addItem(
                QStringLiteral("Layout %1: %2").arg(i + 1).arg(aLayoutNames.value(i)));
        mLayoutBox->setCurrentIndex(choice);
    }
    showList();
}

QVector<int> partsToBuyDialog::toBuy() const
{
    const int choice = mLayoutBox->currentIndex();
    QVector<int> needed(mInventory->size(), 0);
    for (int i = 0; i < kLayoutTabCount; ++i) {
        if (choice != kAllLayouts && choice != i + 1)
            continue;
        const QVector<int> &counts = (*mUsage)[i];
        for (int row = 0; row < needed.size() && row < counts.size(); ++row)
            needed[row] += counts.at(row);
    }
    return partsToBuy(*mInventory, needed);
}

QString partsToBuyDialog::listText() const
{
    const QString list = partsListText(*mInventory, toBuy(), QStringLiteral("  "));
    return QStringLiteral("Parts to buy for %1:\n").arg(mLayoutBox->currentText()) +
           (list.isEmpty() ? QStringLiteral("  nothing\n") : list);
}

void partsToBuyDialog::showList()
{
    const QVector<int> missing = toBuy();
    mTable->setRowCount(0);
    int pieces = 0;
    for (int row = 0; row < missing.size(); ++row) {
        if (missing.at(row) == 0)
            continue;
        const InventoryItem &item = mInventory->at(row);
        const int owned = item.mCount;
        const int line = mTable->rowCount();
        mTable->insertRow(line);
        mTable->setItem(line, PartColumn, cell(item.mPartNumber));
        mTable->setItem(line, NeededColumn, cell(QString::number(owned + missing.at(row))));
        mTable->setItem(line, OwnedColumn, cell(QString::number(owned)));
        mTable->setItem(line, ToBuyColumn, cell(QString::number(missing.at(row))));
        mTable->setItem(line, DescriptionColumn, cell(item.mDescription, Qt::AlignLeft));
        pieces += missing.at(row);
    }
    mTable->resizeColumnsToContents();
    mSummaryLabel->setText(
        pieces == 0 ? QStringLiteral("Nothing to buy: the inventory holds every part.")
                    : QStringLiteral("To buy: %1 of %2.")
                          .arg(counted(pieces, "piece"), counted(mTable->rowCount(), "part")));
}
