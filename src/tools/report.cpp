// Reports layout files without the window: their figures as text or JSON,
// the parts to buy against an inventory, and the layout as PDF, PNG or SVG.
// Needs no display.
//
// Usage: lanewright-report [--json] [--inventory FILE] [--pdf OUT] [--png OUT]
//                          [--svg OUT] LAYOUT...

#include "tools/OffscreenStart.h"
#include "tools/ReportTool.h"

#include <QApplication>
#include <QTextStream>

namespace {

// The toolkit's own notes (an offscreen window cannot size itself, a runtime
// folder is not set) are not the report's: its standard error holds one line
// per problem with the files it was given. Errors of the toolkit still show.
void keepToolkitNotesQuiet(QtMsgType aType, const QMessageLogContext &, const QString &aText)
{
    if (aType == QtCriticalMsg || aType == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(aText));
}

} // namespace

int main(int argc, char *argv[])
{
    drawOffscreenUnlessChosen();
    qInstallMessageHandler(keepToolkitNotesQuiet);
    Q_INIT_RESOURCE(lanewright);
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");
    return runReport(QApplication::arguments(), out, err);
}
