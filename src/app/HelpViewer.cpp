#include "HelpViewer.h"

#include "common/HelpPages.h"

#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWebHistory>
#include <QWebView>

namespace {

// Wide enough for the pages' two-column tables, and never larger than the screen.
const QSize kViewerSize(960, 720);

const QList<HelpPageButton> kHelpButtons = {
    {"overviewPushButton", "Overview", "help.html"},
    {"controlsPushButton", "Controls", "controls.html"},
    {"tutorialPushButton", "Tutorial", "tutorial.html"},
    {"disclaimerPushButton", "Disclaimer", "disclaimer.html"},
    {"hintsPushButton", "Hints/Tips", "hints.html"},
    {"aboutPushButton", "About", "about.html"},
    {"partsPushButton", "Parts", "parts.html"},
    {"howtoPushButton", "How To", "howto.html"},
};

const QList<HelpPageButton> kPartsButtons = {
    {"partsPushButton", "Parts", "parts.html"},
    {"overviewPushButton", "Overview", "help.html"},
    {"controlsPushButton", "Controls", "controls.html"},
    {"tutorialPushButton", "Tutorial", "tutorial.html"},
    {"disclaimerPushButton", "Disclaimer", "disclaimer.html"},
    {"aboutPushButton", "About", "about.html"},
    {"hintsPushButton", "Hints/Tips", "hints.html"},
};

QPushButton *historyButton(const char *aObjectName, const char *aIcon, const QString &aTip,
                           QWidget *aParent)
{
    auto *button = new QPushButton(aParent);
    button->setObjectName(QLatin1String(aObjectName));
    button->setIcon(QIcon(QLatin1String(aIcon)));
    button->setIconSize(QSize(24, 24));
    button->setToolTip(aTip);
    button->setAutoDefault(false);
    return button;
}

} // namespace

HelpViewer::HelpViewer(const QString &aTitle, const QString &aHeading, const QString &aFirstPage,
                       const QList<HelpPageButton> &aPageButtons, QWidget *aParent)
    : QDialog(aParent)
{
    auto *layout = new QVBoxLayout(this);
    if (!aHeading.isEmpty()) {
        auto *heading = new QLabel(aHeading, this);
        heading->setObjectName(QStringLiteral("headingLabel"));
        QFont font = heading->font();
        font.setPointSizeF(font.pointSizeF() * 1.5);
        font.setBold(true);
        heading->setFont(font);
        layout->addWidget(heading);
    }

    auto *buttons = new QHBoxLayout;
    mRevPushButton =
        historyButton("revPushButton", ":/images/ReverseButton.jpg", QStringLiteral("Back"), this);
    mFwdPushButton = historyButton("fwdPushButton", ":/images/ForwardButton.png",
                                   QStringLiteral("Forward"), this);
    buttons->addWidget(mRevPushButton);
    buttons->addWidget(mFwdPushButton);
    buttons->addSpacing(12);
    for (const HelpPageButton &entry : aPageButtons) {
        auto *button = new QPushButton(QLatin1String(entry.mCaption), this);
        button->setObjectName(QLatin1String(entry.mObjectName));
        button->setAutoDefault(false);
        const QString page = QLatin1String(entry.mPage);
        connect(button, &QPushButton::clicked, this, [this, page] { showPage(page); });
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closePushButton"));
    close->setAutoDefault(false);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    mWebView = new QWebView(this);
    mWebView->setObjectName(QStringLiteral("webView"));
    layout->addWidget(mWebView, 1);
    connect(mWebView, &QWebView::urlChanged, this, &HelpViewer::updateHistoryButtons);
    connect(mWebView, &QWebView::loadFinished, this, &HelpViewer::updateHistoryButtons);
    updateHistoryButtons();

    QMetaObject::connectSlotsByName(this);

    setWindowTitle(aTitle);
    QSize size = kViewerSize;
    if (const QScreen *screen = aParent ? aParent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize());
    resize(size);

    mBasePath = QDir::currentPath();
    mHtmlDirectory = HelpPages::htmlDirectory(mBasePath);
    showPage(aFirstPage);
}

HelpViewer::~HelpViewer()
{
    // The web view stops a load in progress as it goes, and reports it: by
    // then the buttons it would update are gone.
    mWebView->disconnect(this);
}

void HelpViewer::showPage(const QString &aPage)
{
    const QUrl url = HelpPages::pageUrl(mHtmlDirectory, aPage);
    if (url.isValid())
        mWebView->load(url);
}

void HelpViewer::on_closePushButton_clicked()
{
    close();
}

void HelpViewer::on_revPushButton_clicked()
{
    mWebView->back();
}

void HelpViewer::on_fwdPushButton_clicked()
{
    mWebView->forward();
}

void HelpViewer::updateHistoryButtons()
{
    mRevPushButton->setEnabled(mWebView->history()->canGoBack());
    mFwdPushButton->setEnabled(mWebView->history()->canGoForward());
}

helpDialog::helpDialog(QWidget *aParent)
    : HelpViewer(QStringLiteral("Using Lanewright"), QString(), QStringLiteral("help.html"),
                 kHelpButtons, aParent)
{
}

tutorialDialog::tutorialDialog(QWidget *aParent)
    : HelpViewer(QStringLiteral("How to Use Lanewright"), QStringLiteral("Lanewright Tutorial"),
                 QStringLiteral("tutorial.html"), {}, aParent)
{
}

partsDialog::partsDialog(QWidget *aParent)
    : HelpViewer(QStringLiteral("Revell Home Raceway Parts"), QString(),
                 QStringLiteral("parts.html"), kPartsButtons, aParent)
{
}

setsDialog::setsDialog(QWidget *aParent)
    : HelpViewer(QStringLiteral("How to Use Lanewright"),
                 QStringLiteral("Revell Home Raceway Sets"), QStringLiteral("sets.html"), {},
                 aParent)
{
}
