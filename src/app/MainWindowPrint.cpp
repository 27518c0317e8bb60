// The main window's Print and Print to PDF: the active layout's tab as the
// user sees it, with only the parts it uses in its table, on one landscape
// Letter page.
#include "MainWindow.h"

#include "common/Prompter.h"

#include <QDir>
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

    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                           QPageLayout::Millimeter);
    printer.setFullPage(false);
    if (aPdf) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(kPdfResolution);
        printer.setOutputFileName(pdfFileName());
        const bool written =
            QDir().mkpath(QLatin1String(kPdfFolder)) && renderActiveTab(printer, true);
        prompter().message(written ? QStringLiteral("The PDF file has been printed.")
                                   : QStringLiteral("The PDF file could not be written."));
    } else {
        printer.setOutputFormat(QPrinter::NativeFormat);
        if (prompter().print(printer) && !renderActiveTab(printer, false))
            prompter().message(QStringLiteral("The layout could not be printed."));
    }

    unhideZeroTableRows();
    std::fflush(stdout);
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
// A slash or backslash in the layout name would lead out of the PDF folder,
// so it becomes "_" too.
QString MainWindow::pdfFileName() const
{
    QString name = mActiveLayoutScreen->mNameLineEdit->text();
    name.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    // Before the clock's first tick its field is still empty.
    const QString clock =
        mDatetimeLineEdit->text().isEmpty() ? mStartTime : mDatetimeLineEdit->text();
    QString fileName = QLatin1String(kPdfFolder) + QLatin1Char('/') + name + QLatin1Char('_') +
                       clock + QStringLiteral(".pdf");
    fileName.replace(QLatin1Char(' '), QLatin1Char('_'))
        .replace(QLatin1Char(':'), QLatin1Char('_'));
    return fileName;
}
