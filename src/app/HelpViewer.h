#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QPushButton;
class QWebView;

// One page button of a viewer: the button's object name, its caption and the
// page it loads.
struct HelpPageButton
{
    const char *mObjectName;
    const char *mCaption;
    const char *mPage;
};

// A small browser for the help pages in the data folder: a web view under a
// row of Back and Forward buttons, the viewer's page buttons and Close. It is
// not modal, and the main window keeps each viewer for its whole life, so
// reopening one shows the page and history it was left with. Links inside a
// page are followed by the web view itself.
class HelpViewer : public QDialog
{
    Q_OBJECT
public:
    ~HelpViewer() override;

    QWebView *webView() const { return mWebView; }
    // The folder the pages are read from, ending in "/".
    const QString &htmlDirectory() const { return mHtmlDirectory; }
    // Loads aPage (a file name such as "controls.html") from that folder.
    void showPage(const QString &aPage);

protected:
    // aHeading, when not empty, is shown above the buttons.
    HelpViewer(const QString &aTitle, const QString &aHeading, const QString &aFirstPage,
               const QList<HelpPageButton> &aPageButtons, QWidget *aParent);

private slots:
    void on_closePushButton_clicked();
    void on_revPushButton_clicked();
    void on_fwdPushButton_clicked();

private:
    void updateHistoryButtons();

    QString mBasePath;
    QString mHtmlDirectory;
    QWebView *mWebView = nullptr;
    QPushButton *mRevPushButton = nullptr;
    QPushButton *mFwdPushButton = nullptr;
};

// The general help: overview, controls, tutorial, hints, how-to recipes and
// the reference pages.
class helpDialog : public HelpViewer
{
    Q_OBJECT
public:
    explicit helpDialog(QWidget *aParent = nullptr);
};

// The tutorial alone.
class tutorialDialog : public HelpViewer
{
    Q_OBJECT
public:
    explicit tutorialDialog(QWidget *aParent = nullptr);
};

// The reference of the Revell parts, with the general pages beside it.
class partsDialog : public HelpViewer
{
    Q_OBJECT
public:
    explicit partsDialog(QWidget *aParent = nullptr);
};

// The sample layouts and the parts each needs.
class setsDialog : public HelpViewer
{
    Q_OBJECT
public:
    explicit setsDialog(QWidget *aParent = nullptr);
};
