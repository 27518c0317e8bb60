// The main window's Print and Print to PDF: the active layout's tab as the
// user sees it, with only the parts it uses in its table, on one landscape
// Letter page; and Export Image: the layout's drawing alone, as PNG or SVG.
#include "MainWindow.h"

#include "LayoutImage.h"

#include "common/Prompter.h"
#include "layout/DiagramScene.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QTabWidget>

#include <cstdio>

namespace {

const char *const kPdfFolder = "../PDF";
const double kPageMarginMm = 10.0;
// The toolkit draws a widget onto a printer through an image in the
// printer's pixels. At the 1200 dpi of a high-resolution PDF that image of
// the tab is 12259 x 7416 pixels (over 300 MB); 300 dpi is already more than
// twice the screen's detail.
const int kPdfResolution = 300;
// Print leaves a little more room: printers rarely reach the margins exactly.
const double kPrintShrink = 0.95;
// Where the tab lands on the page, in the tab's own pixels after scaling.
const int kPdfOffsetX = -50;
const int kPrintOffsetX = -75;
const int kOffsetY = -100;

} // namespace

void MainWindow::on_actionPrint_triggered()
{
    mDebugLog.writeFlush("on_actionPrint_triggered()\n");
    printLayout(false);
}

void MainWindow::on_actionPrint_to_PDF_triggered()
{
    mDebugLog.writeFlush("on_actionPrint_to_PDF_triggered()\n");
    printLayout(true);
}

// The PDF is complete, or known to have failed, before the user is told.
void MainWindow::printLayout(bool aPdf)
{
    if (!layoutTabShowing() || !layoutHasPieces())
        return;
    hideZeroTableRows();
    if (aPdf) {
        const bool written = QDir().mkpath(QLatin1String(kPdfFolder)) && printPdf(pdfFileName());
        prompter().message(written ? QStringLiteral("The PDF file has been printed.")
                                   : QStringLiteral("The PDF file could not be written."));
    } else {
        QPrinter printer(QPrinter::HighResolution);
        setUpPage(printer);
        printer.setOutputFormat(QPrinter::NativeFormat);
        if (prompter().print(printer) && !renderActiveTab(printer, false))
            prompter().message(QStringLiteral("The layout could not be printed."));
    }
    unhideZeroTableRows();
    std::fflush(stdout);
}

bool MainWindow::writePdf(const QString &aPath)
{
    hideZeroTableRows();
    const bool written = printPdf(aPath);
    unhideZeroTableRows();
    return written;
}

bool MainWindow::printPdf(const QString &aPath)
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPage(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(kPdfResolution);
    printer.setOutputFileName(aPath);
    return renderActiveTab(printer, true);
}

void MainWindow::setUpPage(QPrinter &aPrinter)
{
    aPrinter.setPageSize(QPageSize(QPageSize::Letter));
    aPrinter.setPageOrientation(QPageLayout::Landscape);
    aPrinter.setPageMargins(QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                            QPageLayout::Millimeter);
    aPrinter.setFullPage(false);
}

// The whole tab widget, scaled to fit the page inside its margins and
// centred. False when the printer could not be opened or closed.
bool MainWindow::renderActiveTab(QPrinter &aPrinter, bool aPdf)
{
    QWidget *tabs = tabWidget();
    const int width = tabs->width();
    const int height = tabs->height();
    mDebugLog.writeFlush("   widget: %d x %d\n", width, height);

    QPainter painter;
    if (!painter.begin(&aPrinter))
        return false;
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRect page = aPrinter.pageRect(QPrinter::DevicePixel).toRect();
    mDebugLog.writeFlush("   printer: %d x %d\n", page.width(), page.height());
    const double scaleX = double(page.width()) / width;
    const double scaleY = double(page.height()) / height;
    const double smallest = qMin(scaleX, scaleY);
    mDebugLog.writeFlush("   xy scales: %.2lf x %.2lf   min scale %.2lf   max scale %.2lf\n",
                         scaleX, scaleY, smallest, qMax(scaleX, scaleY));

    const QRect paper = aPrinter.paperRect(QPrinter::DevicePixel).toRect();
    painter.translate((paper.left() + paper.right()) / 2, (paper.top() + paper.bottom()) / 2);
    const double scale = aPdf ? smallest : kPrintShrink * smallest;
    painter.scale(scale, scale);
    painter.translate((aPdf ? kPdfOffsetX : kPrintOffsetX) - width / 2, kOffsetY - height / 2);
    tabs->render(&painter, QPoint(0, 0), QRegion(),
                 QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return painter.end();
}

// "../PDF/<layout name>_<clock>.pdf" with every blank and colon made "_".
QString MainWindow::pdfFileName() const
{
    // Before the clock's first tick its field is still empty.
    QString clock = mDatetimeLineEdit->text().isEmpty() ? mStartTime : mDatetimeLineEdit->text();
    clock.replace(QLatin1Char(' '), QLatin1Char('_')).replace(QLatin1Char(':'), QLatin1Char('_'));
    return outputFileBase() + QLatin1Char('_') + clock + QStringLiteral(".pdf");
}

// A slash or backslash in the layout name would lead out of the output
// folder, so it becomes "_", as every blank and colon does.
QString MainWindow::outputFileBase() const
{
    QString name = mActiveLayoutScreen->mNameLineEdit->text();
    for (const QChar c : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(' '), QLatin1Char(':')})
        name.replace(c, QLatin1Char('_'));
    return QLatin1String(kPdfFolder) + QLatin1Char('/') + name;
}

// The dialog starts in the PDF folder with the layout's name; the name's
// ending chooses the format, and a name without one becomes a PNG.
void MainWindow::on_actionExport_Image_triggered()
{
    mDebugLog.writeFlush("on_actionExport_Image_triggered()\n");
    if (!layoutTabShowing() || !layoutHasPieces())
        return;
    QDir().mkpath(QLatin1String(kPdfFolder));
    QString fileName = prompter().saveFileName(QStringLiteral("Export Image"),
                                               outputFileBase() + QStringLiteral(".png"),
                                               QStringLiteral("Images (*.png *.svg)"));
    if (fileName.isEmpty())
        return;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".png");
    mDebugLog.writeFlush("   filename selected: <%s>\n", fileName.toLocal8Bit().constData());
    if (QFileInfo::exists(fileName) &&
        !prompter().question(QStringLiteral("File Exists"), QStringLiteral("Overwrite?")))
        return;
    QString error;
    if (!LayoutImage::write(*mActiveScene, fileName, &error)) {
        prompter().message(error);
        return;
    }
    showFileMessage(QStringLiteral("Exported"), fileName);
}
