#pragma once

#include <QDialog>

class QLabel;
class QTableWidget;
class TrackInventory;

// File > Inventory Manager: one row per inventory part with the number of
// pieces the user owns. It edits the caller's inventory, passed by address,
// when OK is pressed; Cancel leaves it as it was. The main window keeps the
// dialog between uses and refills it before each, so it always opens on the
// inventory's counts.
class inventoryDialog : public QDialog
{
    Q_OBJECT

public:
    // aInventory must outlive the dialog.
    explicit inventoryDialog(TrackInventory *aInventory, QWidget *aParent = nullptr);

    // The table from the inventory: every row's count as the inventory holds it.
    void refill();

public slots:
    // Every row's count into the inventory.
    void on_buttonBox_accepted();

private:
    TrackInventory *mInventory;
    QTableWidget *mTable = nullptr;
    QLabel *mSaveLabel = nullptr;
};
