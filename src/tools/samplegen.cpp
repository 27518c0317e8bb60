// Writes the sample layouts of trackplans/ with the program's own scene and
// layout file writer, so the samples always open as the program saves them.
//
// Usage: lanewright-samplegen <target folder>

#include "catalog/RevellTrack.h"
#include "tools/OffscreenStart.h"
#include "tools/SampleLayouts.h"

#include <QApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    drawOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: lanewright-samplegen <target folder>\n");
        return 2;
    }
    const QString dir = args.at(1);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
        return 1;
    }

    const RevellTrack catalog;
    for (const SampleEntry &entry : sampleList()) {
        QString error;
        if (!writeSample(entry, catalog, dir, &error)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(entry.mFileName), qPrintable(error));
            return 1;
        }
        std::printf("wrote %s\n", qPrintable(QDir(dir).filePath(entry.mFileName)));
    }
    return 0;
}
