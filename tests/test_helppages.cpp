#include "app/MainWindow.h"
#include "catalog/RevellTrack.h"
#include "common/HelpPages.h"
#include "graphics/DiagramTypes.h"
#include "support/TestRuntime.h"
#include "tools/ReferencePages.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString kHtmlDir = QStringLiteral(LANEWRIGHT_SOURCE_DIR "/data/html");
const QString kTrackplans = QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans");

// The pages the viewers and their buttons open.
const QStringList kPages = {"help.html",       "controls.html", "tutorial.html",
                            "disclaimer.html", "hints.html",    "about.html",
                            "parts.html",      "howto.html",    "sets.html"};

QByteArray readFile(const QString &aPath)
{
    QFile file(aPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a page holds for the checks: its ids and the targets of its links and
// pictures, or the reason it is not well-formed.
struct Page
{
    QString mError;
    QString mTitle;
    QStringList mStyleSheets;
    QSet<QString> mIds;
    QStringList mDuplicateIds;
    QStringList mHrefs;
    QStringList mSources;
};

// Pages are written as well-formed XML (every element closed, attributes
// quoted, only the entities XML knows), which a strict reader can check.
Page parsePage(const QString &aPath)
{
    Page page;
    QXmlStreamReader xml(readFile(aPath));
    QString element;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            element = xml.name().toString();
            const QXmlStreamAttributes attributes = xml.attributes();
            const QString id = attributes.value(QLatin1String("id")).toString();
            if (!id.isEmpty() && page.mIds.contains(id))
                page.mDuplicateIds << id;
            else if (!id.isEmpty())
                page.mIds.insert(id);
            if (attributes.hasAttribute(QLatin1String("src")))
                page.mSources << attributes.value(QLatin1String("src")).toString();
            if (element == QLatin1String("a"))
                page.mHrefs << attributes.value(QLatin1String("href")).toString();
            if (element == QLatin1String("link") &&
                attributes.value(QLatin1String("rel")) == QLatin1String("stylesheet"))
                page.mStyleSheets << attributes.value(QLatin1String("href")).toString();
        } else if (xml.isCharacters() && element == QLatin1String("title")) {
            page.mTitle += xml.text().toString().trimmed();
        }
    }
    if (xml.hasError()) {
        page.mError = QStringLiteral("%1 line %2: %3")
                          .arg(aPath)
                          .arg(xml.lineNumber())
                          .arg(xml.errorString());
    }
    return page;
}

const QHash<QString, Page> &allPages()
{
    static const QHash<QString, Page> pages = [] {
        QHash<QString, Page> parsed;
        for (const QString &name : QDir(kHtmlDir).entryList({"*.html"}, QDir::Files))
            parsed.insert(name, parsePage(QDir(kHtmlDir).filePath(name)));
        return parsed;
    }();
    return pages;
}

} // namespace

// The help pages: where the viewers look for them, that every link and
// picture of every page resolves, and that the generated pages say what the
// catalog and the samples say.
class HelpPagesTest : public QObject
{
    Q_OBJECT
    // The catalog writes its log relative to the working directory.
    TestRuntime mRuntime{TestRuntime::WithoutLogs};
private slots:
    void htmlDirectoryFollowsTheWorkingDirectory_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bin beside data") << "C:/Lanes/bin"
                                         << "C:/Lanes/data/html/";
        // Only the final "/bin" goes, and only a whole "/bin".
        QTest::newRow("bin twice") << "/opt/bin/lanes/bin"
                                   << "/opt/bin/lanes/data/html/";
        QTest::newRow("bin not last") << "/home/ann/bin/lanes"
                                      << "/home/ann/bin/lanes/data/html/";
        QTest::newRow("ends in bin, not /bin") << "/home/ann/cabin"
                                               << "/home/ann/cabin/data/html/";
        QTest::newRow("upper case BIN") << "/home/ann/BIN"
                                        << "/home/ann/BIN/data/html/";
    }
    void htmlDirectoryFollowsTheWorkingDirectory()
    {
        QFETCH(QString, current);
        QFETCH(QString, expected);
        QCOMPARE(HelpPages::htmlDirectory(current), expected);
    }

    // Every page the viewers open is there and no other; each is well-formed,
    // titled, on the shared style sheet, and every link and picture names a
    // file of data/html (and an id of the page it names).
    void everyLinkAndPictureResolves_data()
    {
        QTest::addColumn<QString>("name");
        QStringList names = kPages + allPages().keys();
        names.removeDuplicates();
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyLinkAndPictureResolves()
    {
        QFETCH(QString, name);
        QVERIFY2(kPages.contains(name) && allPages().contains(name), "missing, or opened by none");
        const Page page = allPages().value(name);
        QVERIFY2(page.mError.isEmpty(), qPrintable(page.mError));
        QVERIFY(!page.mTitle.isEmpty());
        QCOMPARE(page.mStyleSheets, QStringList{"style.css"});
        QVERIFY2(page.mDuplicateIds.isEmpty(), qPrintable(page.mDuplicateIds.join(", ")));

        QStringList broken;
        for (const QString &href : page.mHrefs) {
            const QUrl url(href);
            // Nothing leaves the help: no network, no files elsewhere.
            if (!url.scheme().isEmpty() || url.path().startsWith('/') ||
                url.path().contains("..")) {
                broken << href;
                continue;
            }
            const QString target = url.path().isEmpty() ? name : url.path();
            if (!allPages().contains(target) ||
                (url.hasFragment() && !allPages().value(target).mIds.contains(url.fragment())))
                broken << href;
        }
        for (const QString &source : page.mSources) {
            if (source.contains("..") || !QFile::exists(QDir(kHtmlDir).filePath(source)))
                broken << source;
        }
        QVERIFY2(broken.isEmpty(), qPrintable(name + " does not resolve: " + broken.join(", ")));
    }

    // A picture no page shows is left over from an earlier page or sample.
    void everyPictureIsShownOnAPage()
    {
        QSet<QString> shown;
        for (const Page &page : allPages())
            shown.unite(QSet<QString>(page.mSources.begin(), page.mSources.end()));
        QStringList unused;
        QDirIterator it(kHtmlDir + "/images", QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString relative = it.next().mid(kHtmlDir.size() + 1);
            if (!shown.contains(relative))
                unused << relative;
        }
        QVERIFY2(unused.isEmpty(), qPrintable("not on any page: " + unused.join(", ")));
    }

    void committedPagesAreWhatTheGeneratorWrites()
    {
        const RevellTrack catalog;
        QString error;
        const QByteArray sets = ReferencePages::setsPage(catalog, kTrackplans, &error);
        QVERIFY2(!sets.isEmpty(), qPrintable(error));
        // A stale page: run scripts/make-help-pages and commit data/html.
        QVERIFY2(readFile(kHtmlDir + "/parts.html") == ReferencePages::partsPage(catalog),
                 "parts.html is stale");
        QVERIFY2(readFile(kHtmlDir + "/sets.html") == sets, "sets.html is stale");
    }

    void aboutPageShowsTheProgramVersion()
    {
        QVERIFY(readFile(kHtmlDir + "/about.html").contains(MainWindow::titleText().toUtf8()));
    }

    // What fits beside what, as the catalog's side lists (and the banked
    // turn's fences) say.
    void fittingPartsFollowTheCatalog_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("curved terminal") << "R3604" << QStringList{"R3612", "R3615R", "R3615L"};
        QTest::newRow("lap counter") << "R3627" << QStringList{"R3603R", "R3603L", "R3614"};
        QTest::newRow("banked curve") << "F8517" << QStringList{"R3628o"};
        QTest::newRow("half apron") << "R3620a" << QStringList{"R3620"};
        QTest::newRow("not a part") << "R3699" << QStringList{};
    }
    void fittingPartsFollowTheCatalog()
    {
        QFETCH(QString, part);
        QFETCH(QStringList, expected);
        QCOMPARE(ReferencePages::fittingParts(RevellTrack(), part), expected);
    }

    void partsPageStatesEachPartsFigures_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QStringList>("fragments");
        QTest::newRow("curve") << "R3601"
                               << QStringList{"60&#176; curve of 14 inch (355.60 mm) radius",
                                              "R3601_R: lane 1 231.08 mm, lane 2 325.84 mm",
                                              "R3601_L: lane 1 325.84 mm, lane 2 231.08 mm"};
        QTest::newRow("lane swap") << "R3609"
                                   << QStringList{"324.00 mm each", "change sides",
                                                  "straight, 308.00 mm (12.1 inch) long"};
    }
    void partsPageStatesEachPartsFigures()
    {
        QFETCH(QString, part);
        QFETCH(QStringList, fragments);
        const QString html = QString::fromUtf8(ReferencePages::partsPage(RevellTrack()));
        QCOMPARE(html.count("<div class=\"part\""), 36);
        const int start = html.indexOf(QStringLiteral("<div class=\"part\" id=\"%1\">").arg(part));
        QVERIFY(start >= 0);
        const QString block = html.mid(start, html.indexOf("</div>", start) - start);
        QVERIFY(block.contains(ReferencePages::partPicture(part)));
        for (const QString &fragment : fragments)
            QVERIFY2(block.contains(fragment), qPrintable(fragment));
    }
};

QTEST_MAIN(HelpPagesTest)
#include "test_helppages.moc"
