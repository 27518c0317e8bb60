#include "app/inventoryDialog.h"
#include "tools/ReportTool.h"

#include "support/WindowRig.h"

#include <QClipboard>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPrinter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using D = DiagramTypeBase;
using WindowRig::Rig;

namespace {

const QString kSamples = QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans/");
const char *const kInventory = "R3600 2\nR3601 10\nR3602 1\n";

struct Run
{
    int mStatus = -1;
    QString mOut;
    QString mErr;
};

// The tool run in aDir (the samples when empty), as from a shell there.
Run report(const QStringList &aArguments, const QString &aDir = kSamples)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(aDir);
    Run run;
    QTextStream out(&run.mOut);
    QTextStream err(&run.mErr);
    run.mStatus = runReport(QStringList{"lanewright-report"} + aArguments, out, err);
    out.flush();
    QDir::setCurrent(previous);
    return run;
}

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

// bin/lanewright-report, and in the window Export Image, Parts to Buy, the
// usage tables, the Inventory Manager, Print and Print to PDF.
class ReportTest : public QObject
{
    Q_OBJECT
    static int row(Rig &aRig, const char *aPart) { return aRig.w().trackInventory().rowOf(aPart); }
private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(lanewright);
        QApplication::setQuitOnLastWindowClosed(false);
    }

    // Each sample's JSON figures are the ones its tab shows when it is opened
    // (in millimetres); its closure and overlaps are in the text report below.
    void jsonFiguresAreTheWindowsOwn()
    {
        WindowRig::Rig r;
        r.find<QRadioButton>("mmRadioButton")->click();
        int tab = 0;
        for (const QString &file : QDir(kSamples).entryList({"*.txt"})) {
            const Run run = report({"--json", file});
            const QJsonObject figures = QJsonDocument::fromJson(run.mOut.toUtf8()).object();
            QStringList reported{figures["file"].toString(), figures["name"].toString()};
            for (const char *key : {"lanes", "pieces"})
                reported << QString::number(figures[key].toInt());
            for (const char *key : {"lane_lengths_mm", "size_mm"}) {
                for (const QJsonValue &mm : figures[key].toArray())
                    reported << QString::number(mm.toDouble(), 'f', 2);
            }
            r.activate(++tab);
            r.open(kSamples + file);
            const int lanes = r.a().mLanes;
            const int pieces = r.a().mPieces.size() + (lanes == 4 ? r.b().mPieces.size() : 0);
            QCOMPARE(reported, QStringList({file, r.screen().mNameLineEdit->text(),
                                            QString::number(lanes), QString::number(pieces)}) +
                                   r.lanes().mid(0, lanes) +
                                   QStringList({r.screen().mWidthLineEdit->text(),
                                                r.screen().mHeightLineEdit->text()}));
            QJsonObject used;
            QTableWidget *table = r.screen().mTrackTable;
            for (int row = 0; row < table->rowCount(); ++row) {
                if (table->item(row, 1)->text() != "0")
                    used.insert(table->item(row, 0)->text(), table->item(row, 1)->text().toInt());
            }
            QCOMPARE(figures["parts"].toObject(), used);
            QVERIFY(!figures.contains("to_buy"));
        }
    }

    // Every figure of every sample, with the parts to buy against a small
    // inventory, word for word: as text, and as JSON with its closure,
    // overlaps and balance hints.
    void reportsOfTheSamples_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("fixture");
        QTest::newRow("text") << "" << "report_samples.txt";
        QTest::newRow("json") << "--json" << "report_samples.json";
    }
    void reportsOfTheSamples()
    {
        QFETCH(QString, option);
        QFETCH(QString, fixture);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("inventory.txt"), kInventory));
        QStringList arguments{"--inventory", dir.filePath("inventory.txt")};
        if (!option.isEmpty())
            arguments << option;
        const Run run =
            report(arguments + QDir(kSamples).entryList({"*.txt"}, QDir::Files, QDir::Name));
        QCOMPARE(run.mErr + QString::number(run.mStatus), QString("0"));
        const QString difference = fixtureDifference(fixture, run.mOut.toUtf8());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // Files that cannot be reported are named on standard error, one line
    // each, while the others are still reported; bad options give a usage
    // line.
    void problemsAndTheirStatus_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("out"); // what the report must hold
        const auto row = [](const char *aName, const char *aArguments, int aStatus,
                            const QString &aErr, const char *aOut = "") {
            QTest::newRow(aName) << QString(aArguments) << aStatus << aErr << QString(aOut);
        };
        const QString usage = "usage: lanewright-report [--json] [--inventory FILE] [--pdf OUT] "
                              "[--png OUT] [--svg OUT] LAYOUT...\n";
        row("missing, the next reported", "missing.txt oval.txt", 1, "missing.txt: no such file\n",
            "Oval with");
        row("not a layout", "notes.txt", 1, "notes.txt: not a layout file\n");
        row("folder", ".", 1, ".: a folder, not a layout file\n");
        row("cut short", "cut.txt", 0,
            "cut.txt: claims 12 pieces but holds 2; the pieces read are reported\n",
            "pieces:           2\n");
        row("no inventory", "--inventory none.txt oval.txt", 1, "none.txt: no such file\n");
        row("bad option", "--bogus oval.txt", 2,
            "lanewright-report: Unknown option 'bogus'.\n" + usage);
        row("no layout", "--json", 2, "lanewright-report: no layout file named\n" + usage);
    }
    void problemsAndTheirStatus()
    {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, err);
        QFETCH(QString, out);
        QTemporaryDir dir;
        const QByteArray oval = readFile(kSamples + "oval-terminal.txt");
        QVERIFY(writeFile(dir.filePath("oval.txt"), oval));
        QVERIFY(writeFile(dir.filePath("cut.txt"), oval.left(oval.indexOf("2 part number"))));
        QVERIFY(writeFile(dir.filePath("notes.txt"), "Shopping\nlanes to paint\n"));
        const Run run = report(arguments.split(' '), dir.path());
        QCOMPARE(run.mErr, err);
        QCOMPARE(run.mStatus, status);
        QVERIFY2(run.mOut.contains(out), qPrintable(run.mOut));
    }

    // The drawing alone at 10 px per inch with a one inch margin: one
    // straight with its apron, 312.8 x 220.9 mm as drawn, is 124 + 20 by
    // 87 + 20 pixels, grey in the middle and white at the edge. With two
    // layouts each output is named after its layout.
    void imagesAndPage()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(fixturePath("one_piece_layout.txt"), dir.filePath("one.txt")));
        QVERIFY(QFile::copy(kSamples + "oval-terminal.txt", dir.filePath("oval.txt")));
        const Run run = report(
            {"--png", "out.png", "--svg", "out.svg", "--pdf", "out.pdf", "one.txt", "oval.txt"},
            dir.path());
        QCOMPARE(run.mErr + QString::number(run.mStatus), QString("0"));
        const QImage png(dir.filePath("out-one.png"));
        QCOMPARE(png.size(), QSize(144, 107));
        QCOMPARE(png.pixelColor(2, 2), QColor(Qt::white));
        QVERIFY(png.pixelColor(72, 53) != QColor(Qt::white));

        QXmlStreamReader xml(readFile(dir.filePath("out-one.svg")));
        QVERIFY(xml.readNextStartElement() && xml.name() == QLatin1String("svg"));
        QCOMPARE(xml.attributes().value("viewBox").toString(), QString("0 0 144 107"));
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

        // One landscape Letter page, as Print to PDF writes it.
        const QByteArray page = readFile(dir.filePath("out-oval.pdf"));
        QVERIFY(page.startsWith("%PDF") && page.count("/Type /Page\n") == 1);
        QVERIFY(QString::fromLatin1(page.constData(), page.size())
                    .contains(QRegularExpression("/MediaBox \\[0 0 792[.0]* 612")));
    }

    // File > Export Image writes what the tool writes; the name's ending
    // chooses the format, another ending is refused and an existing file kept.
    void exportImageFromTheWindow()
    {
        WindowRig::Rig r;
        r.activate(1);
        r.open(kSamples + "oval-terminal.txt");
        QVERIFY(writeFile(r.file("kept.png"), "mine"));
        r.rec.mLog.clear();
        for (const char *name : {"a.png", "b.SVG", "c", "d.jpg", "kept.png"}) {
            r.rec.mFileNames.enqueue(r.file(name));
            r.trigger("actionExport_Image");
        }
        QCOMPARE(r.rec.mLog.filter("save|Export Image|../PDF/Oval_with_terminal.png|").size(), 5);
        QCOMPARE(r.rec.mLog.filter(QRegularExpression("^(?!save)")),
                 QStringList({"message||An image is written as .png or .svg.",
                              "question|File Exists|Overwrite?"}));
        QCOMPARE(r.rt.read("kept.png"), QByteArray("mine"));
        QCOMPARE(QDir(r.rt.root()).entryList({"a*", "b*", "c*", "d*"}, QDir::Files),
                 QStringList({"a.png", "b.SVG", "c.png"}));
        QCOMPARE(QImage(r.file("c.png")).size(), QSize(750, 373));

        // The tab marks the open end of a lone straight; the image is the
        // layout alone, the very picture the tool draws.
        r.activate(2);
        r.open(fixturePath("one_piece_layout.txt"));
        QVERIFY(!r.scene()->openEndMarks().isEmpty());
        r.rec.mFileNames.enqueue(r.file("one.png"));
        r.trigger("actionExport_Image");
        QVERIFY(!r.scene()->openEndMarks().isEmpty());
        const Run run = report({"--png", r.file("tool.png"), fixturePath("one_piece_layout.txt")});
        QCOMPARE(run.mErr + QString::number(run.mStatus), QString("0"));
        QCOMPARE(r.rt.read("one.png"), r.rt.read("tool.png"));
    }

    // Parts to Buy: over all layouts and per layout, kept up to date while
    // open, and copied as text.
    void partsToBuyOverAllLayoutsAndEach()
    {
        WindowRig::Rig r(nullptr, {}, kInventory);
        r.activate(1);
        r.open(kSamples + "oval-terminal.txt");
        r.activate(2);
        r.open(kSamples + "figure-eight.txt");
        r.trigger("actionParts_to_Buy");
        auto *choice = r.find<QComboBox>("layoutComboBox");
        auto *copy = r.find<QPushButton>("copyPushButton");
        QVERIFY(choice && copy && choice->isVisible());
        QCOMPARE(choice->count(), 9);

        copy->click();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("Parts to buy for All eight layouts:\n"
                         "  R3600       8  12 inch straight\n"
                         "  R3601       4  14 inch radius curve\n"
                         "  R3609       1  12 inch straight lane swap\n"));
        choice->setCurrentIndex(1);
        copy->click();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("Parts to buy for Layout 1: Oval with terminal:\n"
                         "  R3600       3  12 inch straight\n"));
        r.activate(1);
        r.append(D::R3620);
        r.append(D::R3620);
        QCOMPARE(r.find<QTableWidget>("partsTableWidget")->rowCount(), 2);
        QCOMPARE(r.find<QLabel>("summaryLabel")->text(), QString("To buy: 5 pieces of 2 parts."));
        choice->setCurrentIndex(3);
        QCOMPARE(r.find<QLabel>("summaryLabel")->text(),
                 QString("Nothing to buy: the inventory holds every part."));
    }

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

QTEST_MAIN(ReportTest)
#include "test_report.moc"
