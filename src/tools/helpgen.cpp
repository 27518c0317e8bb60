// Writes the help pages whose facts live in code and data: the parts page
// from the track catalog and the sets page from the sample layouts of
// trackplans/. The hand-written pages stay as they are.
//
// Usage: lanewright-helpgen <repository root>

#include "catalog/RevellTrack.h"
#include "tools/ReferencePages.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

namespace {

bool writePage(const QString &aPath, const QByteArray &aHtml)
{
    QSaveFile file(aPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(aHtml) != aHtml.size() || !file.commit()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(aPath), qPrintable(file.errorString()));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(aPath));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: lanewright-helpgen <repository root>\n");
        return 2;
    }
    const QDir root(args.at(1));
    const QDir html(root.filePath(QStringLiteral("data/html")));
    if (!html.exists()) {
        std::fprintf(stderr, "no folder %s\n", qPrintable(html.path()));
        return 1;
    }

    const RevellTrack catalog;
    QString error;
    const QByteArray sets =
        ReferencePages::setsPage(catalog, root.filePath(QStringLiteral("trackplans")), &error);
    if (sets.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const bool written =
        writePage(html.filePath(ReferencePages::kPartsPage), ReferencePages::partsPage(catalog)) &&
        writePage(html.filePath(ReferencePages::kSetsPage), sets);
    return written ? 0 : 1;
}
