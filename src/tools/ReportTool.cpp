#include "tools/ReportTool.h"

#include "app/LayoutImage.h"
#include "app/MainWindow.h"
#include "catalog/Inventory.h"
#include "catalog/RevellTrack.h"
#include "common/Prompter.h"
#include "layout/DiagramScene.h"
#include "tools/LayoutReport.h"

#include <QAction>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

const char *const kUsage = "usage: lanewright-report [--json] [--inventory FILE] [--pdf OUT] "
                           "[--png OUT] [--svg OUT] LAYOUT...";

struct Options
{
    bool mJson = false;
    QString mInventory;
    QString mPdf;
    QString mPng;
    QString mSvg;
    QStringList mLayouts;
};

// Bad options: why, then the usage line.
int usageError(QTextStream &aErr, const QString &aWhy)
{
    aErr << "lanewright-report: " << aWhy << '\n' << kUsage << '\n';
    aErr.flush();
    return 2;
}

// -1 when the options are good, else the exit status.
int parseOptions(const QStringList &aArguments, Options &aOptions, QTextStream &aOut,
                 QTextStream &aErr)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption inventory(QStringLiteral("inventory"), QString(),
                                       QStringLiteral("FILE"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("OUT"));
    const QCommandLineOption png(QStringLiteral("png"), QString(), QStringLiteral("OUT"));
    const QCommandLineOption svg(QStringLiteral("svg"), QString(), QStringLiteral("OUT"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({json, inventory, pdf, png, svg, help});
    if (!parser.parse(aArguments))
        return usageError(aErr, parser.errorText());
    if (parser.isSet(help)) {
        aOut << kUsage << '\n'
             << "Reports each layout file: lane lengths, size, closure, overlaps, lane balance\n"
                "and the parts used; with --inventory also the parts to buy. --pdf writes the\n"
                "page Print to PDF writes, --png and --svg the drawing alone at 10 px per inch.\n"
                "With several layouts each output is named after its layout (OUT-<name>.png).\n";
        return 0;
    }
    for (const QCommandLineOption *option : {&inventory, &pdf, &png, &svg}) {
        if (parser.values(*option).size() > 1)
            return usageError(aErr,
                              QStringLiteral("--%1 given twice").arg(option->names().first()));
    }
    aOptions.mJson = parser.isSet(json);
    aOptions.mInventory = parser.value(inventory);
    aOptions.mPdf = parser.value(pdf);
    aOptions.mPng = parser.value(png);
    aOptions.mSvg = parser.value(svg);
    aOptions.mLayouts = parser.positionalArguments();
    if (aOptions.mLayouts.isEmpty())
        return usageError(aErr, QStringLiteral("no layout file named"));
    return -1;
}

// A folder of the tool's own as the working directory, with bin/ and data/
// as the program expects them, so that the catalog log, the window's logs
// and its lane colours file land there and vanish with it.
class PrivateRuntime
{
public:
    PrivateRuntime() : mPrevious(QDir::currentPath())
    {
        QDir root(mDir.path());
        mValid = mDir.isValid() && root.mkpath(QStringLiteral("bin")) &&
                 root.mkpath(QStringLiteral("data")) &&
                 QDir::setCurrent(root.filePath(QStringLiteral("bin")));
    }
    ~PrivateRuntime() { QDir::setCurrent(mPrevious); }
    PrivateRuntime(const PrivateRuntime &) = delete;
    PrivateRuntime &operator=(const PrivateRuntime &) = delete;
    bool isValid() const { return mValid; }

private:
    QTemporaryDir mDir;
    QString mPrevious;
    bool mValid = false;
};

// Answers the window's prompts without anyone there: the file to open is
// the one the tool names, every question is answered Yes (the only one the
// open command asks of a saved layout is whether to clear it), and the
// messages are kept for the tool to pass on.
class ToolPrompter : public Prompter
{
public:
    void message(const QString &aText) override { mMessages << aText; }
    bool question(const QString &, const QString &) override { return true; }
    QString openFileName(const QString &, const QString &, const QString &) override
    {
        return mOpen;
    }
    QString saveFileName(const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    bool print(QPrinter &) override { return false; }

    QString mOpen;
    QStringList mMessages;
};

// The real window, made on the first PDF and kept, with each layout opened
// in its first tab by the open command and fitted to its view as Ctrl+0
// fits it, so the page is the one Print to PDF writes.
class PdfPages
{
public:
    PdfPages() : mPrevious(setPrompter(&mPrompter))
    {
        mWindow = std::make_unique<MainWindow>();
        // A screen large enough for the window's designed size.
        mWindow->fitInto(QRect(0, 0, 3840, 2160));
        mWindow->show();
        QCoreApplication::processEvents();
    }
    ~PdfPages()
    {
        mWindow.reset();
        setPrompter(mPrevious);
    }
    PdfPages(const PdfPages &) = delete;
    PdfPages &operator=(const PdfPages &) = delete;

    bool write(const QString &aLayout, const QString &aOut, QString *aWhy)
    {
        mWindow->tabWidget()->setCurrentIndex(1);
        mPrompter.mOpen = aLayout;
        mPrompter.mMessages.clear();
        mWindow->findChild<QAction *>(QStringLiteral("actionOpen_Layout_File"))->trigger();
        if (mWindow->recordA(0).mPath != aLayout) {
            *aWhy = mPrompter.mMessages.value(0, QStringLiteral("the window could not open it"));
            return false;
        }
        mWindow->fitActiveLayout();
        QCoreApplication::processEvents();
        // The page is written beside its place and moved there when whole,
        // so a failure leaves any earlier file as it was.
        const QString part = aOut + QStringLiteral(".part");
        if (!mWindow->writePdf(part) ||
            std::rename(QFile::encodeName(part).constData(), QFile::encodeName(aOut).constData())) {
            QFile::remove(part);
            *aWhy = QStringLiteral("cannot be written");
            return false;
        }
        return true;
    }

private:
    ToolPrompter mPrompter;
    Prompter *mPrevious;
    std::unique_ptr<MainWindow> mWindow;
};

QString absolute(const QString &aPath)
{
    return aPath.isEmpty() ? aPath : QFileInfo(aPath).absoluteFilePath();
}

} // namespace

QString outputPath(const QString &aOut, const QString &aLayout, int aCount)
{
    if (aCount <= 1)
        return aOut;
    const QFileInfo out(aOut);
    const QString suffix = out.suffix().isEmpty() ? QString() : QLatin1Char('.') + out.suffix();
    const QString base = aOut.left(aOut.size() - suffix.size());
    return base + QLatin1Char('-') + QFileInfo(aLayout).completeBaseName() + suffix;
}

int runReport(const QStringList &aArguments, QTextStream &aOut, QTextStream &aErr)
{
    Options options;
    const int parsed = parseOptions(aArguments, options, aOut, aErr);
    if (parsed >= 0)
        return parsed;

    // Every name is taken from where the tool was started, before it moves
    // into its own folder; messages name files as they were given.
    const QString inventoryFile = absolute(options.mInventory);
    QStringList layoutFiles;
    for (const QString &layout : options.mLayouts)
        layoutFiles << absolute(layout);
    struct Output
    {
        QString mGiven;
        QString mPath;
        enum Kind
        {
            Image,
            Pdf
        } mKind;
    };
    QList<Output> outputs;
    for (const QString &given : {options.mPng, options.mSvg}) {
        if (!given.isEmpty())
            outputs << Output{given, absolute(given), Output::Image};
    }
    if (!options.mPdf.isEmpty())
        outputs << Output{options.mPdf, absolute(options.mPdf), Output::Pdf};

    PrivateRuntime runtime;
    if (!runtime.isValid()) {
        aErr << "lanewright-report: cannot make a temporary folder\n";
        return 1;
    }
    const RevellTrack catalog;
    TrackInventory inventory(catalog);
    const bool toBuy = !inventoryFile.isEmpty();
    if (toBuy &&
        (!QFileInfo(inventoryFile).isFile() || !loadInventoryFile(inventoryFile, inventory))) {
        aErr << options.mInventory << ": "
             << (QFileInfo::exists(inventoryFile) ? "cannot be read" : "no such file") << '\n';
        return 1;
    }

    int status = 0;
    const int count = layoutFiles.size();
    std::unique_ptr<PdfPages> pages;
    QSet<QString> written;
    for (int i = 0; i < count; ++i) {
        const QString &given = options.mLayouts.at(i);
        LaidLayout layout(catalog);
        QString why;
        if (!layout.load(layoutFiles.at(i), &why)) {
            aErr << given << ": " << why << '\n';
            status = 1;
            continue;
        }
        for (const QString &note : layout.notes())
            aErr << given << ": " << note << '\n';
        const LayoutFigures figures = measureLayout(layout, given, inventory, catalog);
        if (options.mJson) {
            aOut << QJsonDocument(figuresJson(figures, inventory, toBuy))
                        .toJson(QJsonDocument::Compact)
                 << '\n';
        } else {
            aOut << (i > 0 ? "\n" : "") << figuresText(figures, inventory, toBuy);
        }
        aOut.flush();

        for (const Output &output : outputs) {
            const QString path = outputPath(output.mPath, given, count);
            const QString named = outputPath(output.mGiven, given, count);
            if (written.contains(path)) {
                aErr << named << ": already written for another layout of the same name\n";
                status = 1;
                continue;
            }
            bool done = false;
            if (output.mKind == Output::Image) {
                done = LayoutImage::write(layout.scene(), path, &why);
            } else {
                if (!pages)
                    pages = std::make_unique<PdfPages>();
                done = pages->write(layoutFiles.at(i), path, &why);
            }
            if (!done) {
                aErr << named << ": " << why << '\n';
                status = 1;
            }
            written.insert(path);
        }
    }
    aErr.flush();
    return status;
}
