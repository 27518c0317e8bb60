#include "app/inventoryDialog.h"

#include "support/WindowRig.h"

#include <QApplication>
#include <QPrinter>
#include <QTableWidget>
#include <QtTest>

using D = DiagramTypeBase;
using WindowRig::Rig;

namespace {

QString text(QTableWidget *aTable, int aRow, int aColumn)
{
    return aTable->item(aRow, aColumn)->text();
}

int hiddenRows(QTableWidget *aTable)
{
    int hidden = 0;
    for (int row = 0; row < aTable->rowCount(); ++row)
        hidden += aTable->isRowHidden(row) ? 1 : 0;
    return hidden;
}

// One landscape Letter page: 792 x 612 points.
bool isOneLetterLandscapePage(const QByteArray &aPdf)
{
    const int box = aPdf.indexOf("/MediaBox [") + 11;
    const QList<QByteArray> corners = aPdf.mid(box, aPdf.indexOf(']', box) - box).split(' ');
    return aPdf.startsWith("%PDF") && corners.size() == 4 && corners.at(2).toDouble() == 792 &&
           corners.at(3).toDouble() == 612 && aPdf.count("/Type /Page\n") == 1 &&
           aPdf.contains("/Count 1\n");
}

} // namespace

// The usage tables of the layout tabs and the Stats tab, the Inventory
// Manager, and Print and Print to PDF of a layout with its parts.
class UsageTest : public QObject
{
    Q_OBJECT
    static int row(Rig &aRig, const char *aPart) { return aRig.w().trackInventory().rowOf(aPart); }
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // A sentinel in another layout's table shows that an edit recounts its
    // own layout only; the Stats tab sums them when shown.
    void editsRecountTheirLayoutAndTheStatsTabSumsThem()
    {
        Rig r(nullptr, {}, "R3600 3 12 inch straight\n");
        const int straight = row(r, "R3600");
        auto *one = r.find<QTableWidget>("trackTable1Widget");
        auto *two = r.find<QTableWidget>("trackTable2Widget");
        auto *use = r.find<QTableWidget>("trackTableWidget");
        auto *layouts = r.find<QTableWidget>("layoutsTableWidget");
        one->item(straight, 1)->setText("sentinel");
        r.activate(2);
        r.lay({D::R3600});
        QCOMPARE(text(two, straight, 1) + text(one, straight, 1), QStringLiteral("1sentinel"));
        r.activate(1);
        r.lay({D::R3600, D::R3600, D::R3600});
        r.activate(0);
        QCOMPARE(
            QStringList({text(use, straight, 1), text(use, straight, 2), text(use, straight, 3),
                         text(layouts, straight, 1), text(layouts, straight, 2)}),
            QStringList({"3", "4", "-1", "3", "1"}));
        r.find<QCheckBox>("zeroCheckBox")->click();
        QCOMPARE(hiddenRows(use) + hiddenRows(layouts), 70);
        r.activate(3); // while ticked, the hidden rows follow the usage
        r.lay({D::R3610_R});
        r.activate(0);
        QVERIFY(!use->isRowHidden(row(r, "R3610")) && !layouts->isRowHidden(row(r, "R3610")));
        r.find<QCheckBox>("zeroCheckBox")->click();
        QCOMPARE(hiddenRows(use) + hiddenRows(layouts), 0);

        r.activate(2);
        r.newLayout();
        QCOMPARE(text(two, straight, 1), QStringLiteral("0"));
    }

    // Counts are whole numbers up to 9999; the dialog opens on the inventory's
    // counts, not on what was typed and cancelled; a failed write is told.
    void inventoryManagerKeepsOnlyCountsTheUserAccepted()
    {
        Rig r(nullptr, {}, "R3600 7 x\n");
        const QStringList typed{"99999", "-5", "abc", "12", "6"};
        const QList<bool> ok{true, true, true, false, true};
        QStringList shown, kept;
        int use = 0;
        r.w().setInventoryDialogRunner([&](inventoryDialog &aDialog) {
            auto *table = aDialog.findChild<QTableWidget *>("tableWidget");
            shown << table->item(0, 1)->text();
            // The count typed over as a user does, then Return, and OK or Cancel.
            table->editItem(table->item(0, 1));
            auto *editor = table->viewport()->findChild<QLineEdit *>();
            editor->clear();
            QTest::keyClicks(editor, typed.at(use));
            QTest::keyClick(editor, Qt::Key_Return);
            // The view commits on its next turn, then lets the editor go.
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return WindowRig::closeDialog(aDialog, !ok.at(use));
        });
        for (; use < typed.size(); ++use) {
            if (use == typed.size() - 1) { // the folder is taken by a file
                QVERIFY(QDir(r.rt.path("data/Inventory")).removeRecursively());
                QFile(r.rt.path("data/Inventory")).open(QIODevice::WriteOnly);
            }
            r.trigger("actionInventory_Manager");
            kept << text(r.find<QTableWidget>("trackTableWidget"), 0, 1) + " " +
                        r.rt.read("data/Inventory/RevellInventory.txt").split(' ').value(1);
        }
        QCOMPARE(shown, QStringList({"7", "9999", "5", "5", "5"}));
        QCOMPARE(kept, QStringList({"9999 9999", "5 5", "5 5", "5 5", "6 "}));
        QCOMPARE(r.rec.mLog, QStringList{"message||The inventory could not be written."});
    }

    // The PDF folder is made when missing, the file is complete before the
    // user is told, blanks, colons and slashes of its name become "_"; the
    // unused rows are hidden while the page is made, and shown again after.
    void pageIsOneLandscapeLetterPage_data()
    {
        QTest::addColumn<QString>(
            "row"); // "<command>|<layout name>|<file>", no file: PDF is a file
        QTest::newRow("blanks, colons, no way out of the folder")
            << "Print_to_PDF|../my oval: v2|.._my_oval__v2_2024-03-09_14_05_09.pdf";
        QTest::newRow("cannot be written") << "Print_to_PDF|oval|";
        QTest::newRow("print dialog, to a file") << "Print|oval|printed.pdf";
    }
    void pageIsOneLandscapeLetterPage()
    {
        QFETCH(QString, row);
        const QString action = "action" + row.section('|', 0, 0);
        const QString file = row.section('|', 2);
        Rig r;
        r.activate(1);
        r.lay({D::R3600, D::R3601_R, D::R3600});
        r.screen().mNameLineEdit->setText(row.section('|', 1, 1));
        r.find<QLineEdit>("datetimeLineEdit")->setText("2024-03-09 14:05:09");
        if (file.isEmpty())
            QFile(r.rt.path("PDF")).open(QIODevice::WriteOnly);
        QStringList seen; // rows hidden, and whether the page was complete, at each prompt
        auto see = [&] {
            seen << QString::number(hiddenRows(r.screen().mTrackTable)) +
                        (isOneLetterLandscapePage(r.rt.read("PDF/" + file)) ? " complete" : "");
        };
        r.rec.mOnMessage = [&](const QString &) { see(); };
        r.rec.mOnPrint = [&](QPrinter &aPrinter) {
            see();
            QDir().mkpath(r.rt.path("PDF"));
            aPrinter.setOutputFileName(r.rt.path("PDF/" + file)); // print to file
        };
        r.rec.mPrintAnswers << true;
        r.trigger(qPrintable(action));
        const QString told = file.isEmpty() ? "message||The PDF file could not be written."
                                            : "message||The PDF file has been printed.";
        QCOMPARE(r.rec.mLog, QStringList{action == "actionPrint" ? "print||" : told});
        QCOMPARE(seen,
                 QStringList{action == "actionPrint" || file.isEmpty() ? "34" : "34 complete"});
        QCOMPARE(QDir(r.rt.path("PDF")).entryList(QDir::Files | QDir::Hidden),
                 file.isEmpty() ? QStringList() : QStringList{file});
        QVERIFY(file.isEmpty() || isOneLetterLandscapePage(r.rt.read("PDF/" + file)));
        QCOMPARE(hiddenRows(r.screen().mTrackTable), 0);
    }
};

QTEST_MAIN(UsageTest)
#include "test_usage.moc"
