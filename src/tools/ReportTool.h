#pragma once

#include <QStringList>

class QTextStream;

// The report tool's whole run, for its main and its tests:
//   lanewright-report [--json] [--inventory FILE] [--pdf OUT] [--png OUT]
//                     [--svg OUT] LAYOUT...
// aArguments as the command line gives them, the program's name first; the
// reports go to aOut, one line per problem to aErr. It works in a private
// folder of its own, so no log, colour or inventory file of the program is
// touched. Returns the exit status: 0, 1 when a file named could not be
// reported or an output not written (the other files are still reported),
// 2 for bad options.
int runReport(const QStringList &aArguments, QTextStream &aOut, QTextStream &aErr);

// Where an output goes for layout aLayout when aCount layouts are reported:
// aOut itself for one; for more, aOut with "-<layout file's base name>"
// before its ending ("plans.png" and "oval.txt" give "plans-oval.png").
QString outputPath(const QString &aOut, const QString &aLayout, int aCount);
