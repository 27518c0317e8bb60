#include "app/HelpViewer.h"
#include "support/WindowRig.h"

#include <QLabel>
#include <QWebElement>
#include <QWebFrame>
#include <QWebHistory>
#include <QWebView>

using namespace WindowRig;

namespace {

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

// The Help menu's four viewers on the pages of a runtime's data/html.
class HelpViewersTest : public QObject
{
    Q_OBJECT
private slots:
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

QTEST_MAIN(HelpViewersTest)
#include "test_helpviewers.moc"
