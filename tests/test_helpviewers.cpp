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

// The viewer loads its first page as it is made: wait until the page and
// its pictures are in.
bool shows(QWebView *aView, const QString &aPage)
{
    QWebFrame *frame = aView->page()->mainFrame();
    return pageOf(aView) == aPage &&
           frame->evaluateJavaScript(QStringLiteral("document.readyState")).toString() ==
               QLatin1String("complete");
}

// The window's viewer of class aClass, when it is the only one it has made.
HelpViewer *viewer(Rig &aRig, const char *aClass)
{
    const QList<HelpViewer *> made = aRig.w().findChildren<HelpViewer *>();
    const bool one = made.size() == 1 && qstrcmp(made[0]->metaObject()->className(), aClass) == 0;
    return one ? made[0] : nullptr;
}

// A click on the first link to aPage in the page shown, where a user would click it.
void clickLink(QWebView *aView, const QString &aPage)
{
    const QWebElement link =
        aView->page()->mainFrame()->findFirstElement(QStringLiteral("a[href=\"%1\"]").arg(aPage));
    QVERIFY2(!link.isNull(), qPrintable("no link to " + aPage));
    QTest::mouseClick(aView, Qt::LeftButton, Qt::NoModifier, link.geometry().center());
}

} // namespace

// The Help menu's four viewers on the pages of a runtime's data/html.
class HelpViewersTest : public QObject
{
    Q_OBJECT
private slots:
    // A viewer is made once: closed and opened again, it is the same window
    // on the page it was left on.
    void viewerOpensOnItsFirstPageGoesBackAndForthAndIsKept_data()
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
    void viewerOpensOnItsFirstPageGoesBackAndForthAndIsKept()
    {
        QFETCH(QString, row);
        const QString firstPage = row.section('|', 4, 4);
        const QString linkTo = row.section('|', 5, 5);
        Rig rig;
        QVERIFY(rig.rt.copyData("html"));
        const QByteArray action = "action" + row.section('|', 0, 0).toLatin1();
        rig.trigger(action);
        HelpViewer *shown = viewer(rig, qPrintable(row.section('|', 1, 1)));
        QVERIFY(shown && shown->isVisible());
        QWebView *view = shown->webView();
        QTRY_VERIFY(shows(view, firstPage));
        auto *label = shown->findChild<QLabel *>("headingLabel");
        QCOMPARE(shown->windowTitle() + "|" + (label ? label->text() : QString()),
                 row.section('|', 2, 3));
        // Pages of the runtime's own data folder, beside its bin/.
        QCOMPARE(view->url(), QUrl::fromLocalFile(rig.rt.path("data/html/") + firstPage));
        QVERIFY(!view->history()->canGoBack());

        QVERIFY(loads(view, [&] { clickLink(view, linkTo); }));
        QCOMPARE(pageOf(view), linkTo);
        auto *back = shown->findChild<QPushButton *>("revPushButton");
        auto *forward = shown->findChild<QPushButton *>("fwdPushButton");
        QVERIFY(back->isEnabled());
        QVERIFY(loads(view, [&] { back->click(); }));
        QCOMPARE(pageOf(view), firstPage);
        QVERIFY(loads(view, [&] { forward->click(); }));
        QCOMPARE(pageOf(view), linkTo);

        shown->findChild<QPushButton *>("closePushButton")->click();
        QVERIFY(!shown->isVisible());
        rig.mark();
        rig.trigger(action);
        QCOMPARE(rig.newDebug(), QString::fromLatin1("on_" + action + "_triggered()\n"));
        QCOMPARE(viewer(rig, qPrintable(row.section('|', 1, 1))), shown);
        QVERIFY(shown->isVisible());
        QCOMPARE(pageOf(view), linkTo);
        QVERIFY(view->history()->canGoBack());
    }

    void eachPageButtonOpensItsPage()
    {
        Rig rig;
        QVERIFY(rig.rt.copyData("html"));
        rig.trigger("actionHelp");
        HelpViewer *help = viewer(rig, "helpDialog");
        QVERIFY(help);
        QWebView *view = help->webView();
        QTRY_VERIFY(shows(view, "help.html"));
        for (const QString page :
             {"controls", "tutorial", "disclaimer", "hints", "about", "parts", "howto", "help"}) {
            const QString button = (page == "help" ? "overview" : page) + "PushButton";
            QVERIFY(loads(view, [&] { help->findChild<QPushButton *>(button)->click(); }));
            QCOMPARE(pageOf(view), page + ".html");
        }
        // The program may close while a page is still loading.
        help->findChild<QPushButton *>("partsPushButton")->click();
        rig.window.reset();
    }
};

QTEST_MAIN(HelpViewersTest)
#include "test_helpviewers.moc"
