#pragma once

#include "LayoutTabFactory.h"

#include <QDialog>
#include <QStringList>
#include <QVector>

#include <array>

class QComboBox;
class QLabel;
class QTableWidget;
class TrackInventory;

// File > Parts to Buy: what the layouts need beyond the inventory, over all
// eight layouts together or for one of them, chosen in its box, and a button
// that copies the list as text. It only reads: the main window owns the
// inventory and the counts and refills the dialog whenever either changes,
// so that the list stays true while it is open beside the layouts.
class partsToBuyDialog : public QDialog
{
    Q_OBJECT

public:
    using LayoutCounts = std::array<QVector<int>, kLayoutTabCount>;

    // aInventory and aUsage (each layout's parts by inventory row) must
    // outlive the dialog.
    partsToBuyDialog(const TrackInventory *aInventory, const LayoutCounts *aUsage,
                     QWidget *aParent = nullptr);

    // The list again from the inventory and the counts; aLayoutNames head
    // the layouts in the box. The choice in the box stays.
    void refill(const QStringList &aLayoutNames);

    // The list as copied: a heading naming the choice, then one line per part
    // to buy, or a line saying there is nothing to buy.
    QString listText() const;

    // The counts to buy for the choice in the box, by inventory row.
    QVector<int> toBuy() const;

private:
    void showList();

    const TrackInventory *mInventory;
    const LayoutCounts *mUsage;
    QComboBox *mLayoutBox = nullptr;
    QTableWidget *mTable = nullptr;
    QLabel *mSummaryLabel = nullptr;
};
