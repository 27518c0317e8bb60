#include "app/HelpViewer.h"
#include "app/MainWindow.h"
#include "catalog/RevellTrack.h"
#include "common/HelpPages.h"
#include "support/WindowRig.h"
#include "tools/ReferencePages.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QUrl>
#include <QWebElement>
#include <QWebFrame>
#include <QWebHistory>
#include <QWebView>
#include <QXmlStreamReader>
#include <QtTest>

using WindowRig::Rig;

namespace {

const QString kHtmlDir = QStringLiteral(LANEWRIGHT_SOURCE_DIR "/data/html");
const QString kTrackplans = QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans");

// The pages the viewers and their buttons open.
const QStringList kPages = {"help.html",       "controls.html", "tutorial.html",
                            "disclaimer.html", "hints.html",    "about.html",
                            "parts.html",      "howto.html",    "sets.html"};

// What a page holds for the checks, or the reason it is not well-formed.
struct Page
{
    QString mError, mTitle;
    QStringList mStyleSheets, mIds, mHrefs, mSources;
};

// Pages are written as well-formed XML (every element closed, attributes
// quoted, only the entities XML knows), which a strict reader can check.
Page parsePage(const QString &aPath)
{
    Page page;
    QXmlStreamReader xml(readFile(aPath));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const auto value = [&](const QString &aName) { return attributes.value(aName).toString(); };
        if (attributes.hasAttribute("id"))
            page.mIds << value("id");
        if (attributes.hasAttribute("src"))
            page.mSources << value("src");
        if (xml.name() == "a")
            page.mHrefs << value("href");
        if (xml.name() == "link" && value("rel") == "stylesheet")
            page.mStyleSheets << value("href");
        if (xml.name() == "title")
            page.mTitle = xml.readElementText().trimmed();
    }
    if (xml.hasError())
        page.mError =
            QString("%1 line %2: %3").arg(aPath).arg(xml.lineNumber()).arg(xml.errorString());
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

// Waits for the web view to finish the load that aAction starts.
bool loads(QWebView *aView, const std::function<void()> &aAction)
{
    QSignalSpy finished(aView, &QWebView::loadFinished);
    aAction();
    return finished.wait(5000) && finished.last().at(0).toBool();
}

QString pageOf(QWebView *aView)
{
    return aView->url().fileName();
}

// The window's viewer of class aClass, when it is the only one it has made.
HelpViewer *viewer(Rig &aRig, const char *aClass)
{
    const QList<HelpViewer *> made = aRig.w().findChildren<HelpViewer *>();
    const bool one = made.size() == 1 && qstrcmp(made[0]->metaObject()->className(), aClass) == 0;
    return one ? made[0] : nullptr;
}

} // namespace

// The help pages: where the viewers look for them, that every link and
// picture of every page resolves, that the generated pages say what the
// catalog and the samples say, and the viewers that show them.
class HelpPagesTest : public QObject
{
    Q_OBJECT
    // The catalog writes its log relative to the working directory.
    TestRuntime mRuntime{TestRuntime::WithoutLogs};
private slots:
    // Only the final "/bin" goes, and only a whole "/bin".
    void htmlDirectoryFollowsTheWorkingDirectory()
    {
        for (const QString base : {"C:/Lanes", "/opt/bin/lanes"})
            QCOMPARE(HelpPages::htmlDirectory(base + "/bin"), base + "/data/html/");
        for (const QString current : {"/home/ann/bin/lanes", "/home/ann/cabin", "/home/ann/BIN"})
            QCOMPARE(HelpPages::htmlDirectory(current), current + "/data/html/");
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
        QCOMPARE(QSet<QString>(page.mIds.begin(), page.mIds.end()).size(), page.mIds.size());

        QStringList broken;
        for (const QString &href : page.mHrefs) {
            const QUrl url(href);
            const QString target = url.path().isEmpty() ? name : url.path();
            // Nothing leaves the help: no network, no files elsewhere (a path
            // with a folder in it names no page).
            if (!url.scheme().isEmpty() || !allPages().contains(target) ||
                (url.hasFragment() && !allPages().value(target).mIds.contains(url.fragment())))
                broken << href;
        }
        for (const QString &source : page.mSources) {
            if (source.contains("..") || !QFile::exists(QDir(kHtmlDir).filePath(source)))
                broken << source;
        }
        QVERIFY2(broken.isEmpty(), qPrintable(name + " does not resolve: " + broken.join(", ")));
    }

    // The pages whose facts live in code: parts and sets as the generator
    // writes them, and the program's version on the about page.
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
        QVERIFY(readFile(kHtmlDir + "/about.html").contains(MainWindow::titleText().toUtf8()));
    }

    // Each part's block on the parts page: its picture, its figures, and what
    // fits beside it as the catalog's side lists (and the banked turn's
    // fences) say.
    void partsPageStatesEachPartsFiguresAndFittings_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QStringList>("fits");
        QTest::addColumn<QStringList>("fragments");
        const auto row = [](const char *aName, const char *aPart, const char *aFits,
                            const char *aFragments) {
            QTest::newRow(aName) << aPart << QString(aFits).split(' ')
                                 << QString(aFragments).split('|', Qt::SkipEmptyParts);
        };
        row("curve", "R3601", "R3605 R3612 R3615R R3615L R3617g R3617w R3628o",
            "60&#176; curve of 14 inch (355.60 mm) radius|"
            "R3601_R: lane 1 231.08 mm, lane 2 325.84 mm|"
            "R3601_L: lane 1 325.84 mm, lane 2 231.08 mm");
        row("lane swap", "R3609", "R3603R R3603L R3614 F7054R F7053L R3628o",
            "324.00 mm each|change sides|straight, 308.00 mm (12.1 inch) long");
        row("banked curve", "F8517", "R3628o", "");
        row("half apron", "R3620a", "R3620", "");
    }
    void partsPageStatesEachPartsFiguresAndFittings()
    {
        QFETCH(QString, part);
        QFETCH(QStringList, fits);
        QFETCH(QStringList, fragments);
        const RevellTrack catalog;
        QCOMPARE(ReferencePages::fittingParts(catalog, part), fits);
        const QString html = QString::fromUtf8(ReferencePages::partsPage(catalog));
        QCOMPARE(html.count("<div class=\"part\""), 36);
        const int start = html.indexOf(QStringLiteral("<div class=\"part\" id=\"%1\">").arg(part));
        QVERIFY(start >= 0);
        const QString block = html.mid(start, html.indexOf("</div>", start) - start);
        QVERIFY(block.contains(ReferencePages::partPicture(part)));
        for (const QString &fit : fits)
            fragments << QStringLiteral("<a href=\"#%1\">").arg(fit);
        for (const QString &fragment : fragments)
            QVERIFY2(block.contains(fragment), qPrintable(fragment));
    }

    // The Help menu's four viewers on the pages of a runtime's data/html.
    // A viewer is made once: closed and opened again, it is the same window
    // on the page it was left on, and its page buttons load their pages.
    void viewerOpensOnItsFirstPageGoesBackAndForthLoadsItsPagesAndIsKept_data()
    {
        // "<action>|<viewer class>|<title>|<heading>|<first page>|<a page it links to>"
        QTest::addColumn<QString>("row");
        QTest::newRow("help") << "Help|helpDialog|Using Lanewright||help.html|controls.html";
        QTest::newRow("tutorial") << "Tutorial|tutorialDialog|How to Use Lanewright|"
                                     "Lanewright Tutorial|tutorial.html|howto.html";
        QTest::newRow("parts")
            << "Parts|partsDialog|Revell Home Raceway Parts||parts.html|sets.html";
        QTest::newRow("sets") << "Sets|setsDialog|How to Use Lanewright|"
                                 "Revell Home Raceway Sets|sets.html|hints.html";
    }
    void viewerOpensOnItsFirstPageGoesBackAndForthLoadsItsPagesAndIsKept()
    {
        QFETCH(QString, row);
        const QString firstPage = row.section('|', 4, 4), linkTo = row.section('|', 5, 5);
        const QByteArray action = "action" + row.section('|', 0, 0).toLatin1();
        const QByteArray viewerClass = row.section('|', 1, 1).toLatin1();
        Rig rig(nullptr, {QStringLiteral("html")});
        rig.trigger(action);
        HelpViewer *shown = viewer(rig, viewerClass);
        QVERIFY(shown && shown->isVisible());
        QWebView *view = shown->webView();
        // The viewer loads its first page as it is made: wait until the page
        // and its pictures are in.
        QTRY_VERIFY(pageOf(view) == firstPage && view->page()->mainFrame()->evaluateJavaScript(
                                                     "document.readyState") == "complete");
        auto *label = shown->findChild<QLabel *>("headingLabel");
        QCOMPARE(shown->windowTitle() + "|" + (label ? label->text() : QString()),
                 row.section('|', 2, 3));
        // Pages of the runtime's own data folder, beside its bin/.
        QCOMPARE(view->url(), QUrl::fromLocalFile(rig.rt.path("data/html/") + firstPage));
        QVERIFY(!view->history()->canGoBack());

        // The first link to linkTo in the page, clicked where a user would click it.
        const QWebElement link =
            view->page()->mainFrame()->findFirstElement("a[href=\"" + linkTo + "\"]");
        QVERIFY2(!link.isNull(), qPrintable("no link to " + linkTo));
        QVERIFY(loads(view, [&] {
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, link.geometry().center());
        }));
        QCOMPARE(pageOf(view), linkTo);
        auto *back = shown->findChild<QPushButton *>("revPushButton");
        auto *forward = shown->findChild<QPushButton *>("fwdPushButton");
        QVERIFY(loads(view, [&] { back->click(); }));
        QCOMPARE(pageOf(view), firstPage);
        QVERIFY(loads(view, [&] { forward->click(); }));
        QCOMPARE(pageOf(view), linkTo);

        shown->findChild<QPushButton *>("closePushButton")->click();
        QVERIFY(!shown->isVisible());
        rig.mark();
        rig.trigger(action);
        QCOMPARE(rig.newDebug(), QString::fromLatin1("on_" + action + "_triggered()\n"));
        QCOMPARE(viewer(rig, viewerClass), shown);
        QVERIFY(shown->isVisible());
        QCOMPARE(pageOf(view), linkTo);
        QVERIFY(view->history()->canGoBack());

        // Every page button loads its own page.
        for (QPushButton *button : shown->findChildren<QPushButton *>()) {
            const QString page =
                button->objectName().remove("PushButton").replace("overview", "help");
            if (!QStringList{"rev", "fwd", "close"}.contains(page)) {
                QVERIFY(loads(view, [&] { button->click(); }));
                QCOMPARE(pageOf(view), page + ".html");
            }
        }
        // The program may close while a page is still loading.
        back->click();
        rig.window.reset();
    }
};

QTEST_MAIN(HelpPagesTest)
#include "test_helppages.moc"
