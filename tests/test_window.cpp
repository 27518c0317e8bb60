#include "app/HintButton.h"
#include "support/WindowRig.h"

#include <QDial>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QToolBox>

using namespace WindowRig;

namespace {

// What is wrong with the named controls aWindow shows now, one line each: a
// control outside the window or cut by its parent or cutting its content or
// text, two neighbours on top of each other. Qt's own parts ("qt_...") are
// the toolkit's business.
QStringList geometryFaults(QWidget *aWindow)
{
    QList<QWidget *> shown;
    for (QWidget *widget : aWindow->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (widget->isVisible() && !name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            shown << widget;
    }
    QStringList faults;
    for (QWidget *widget : shown) {
        const QString name = widget->objectName() + QLatin1Char(' ');
        if (!aWindow->rect().contains(QRect(widget->mapTo(aWindow, QPoint()), widget->size())))
            faults << name + QLatin1String("leaves the window");
        if (!widget->parentWidget()->rect().contains(widget->geometry()))
            faults << name + QLatin1String("is cut by its parent");
        const auto *area = qobject_cast<const QScrollArea *>(widget);
        if (area && area->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
            area->widget()->width() > area->viewport()->width())
            faults << name + QLatin1String("cuts its content");
        const auto *label = qobject_cast<const QLabel *>(widget);
        const auto *button = qobject_cast<const QAbstractButton *>(widget);
        const bool hasText = (label && !label->text().isEmpty()) ||
                             (button && !button->text().isEmpty()) ||
                             qobject_cast<const QGroupBox *>(widget);
        const QSize needed = widget->minimumSizeHint();
        if (hasText && (widget->width() < needed.width() || widget->height() < needed.height()))
            faults << name + QLatin1String("cuts its text");
        for (QWidget *other : shown.mid(shown.indexOf(widget) + 1)) {
            if (other->parentWidget() == widget->parentWidget() &&
                other->geometry().intersects(widget->geometry()))
                faults << name + QLatin1String("overlaps ") + other->objectName();
        }
    }
    return faults;
}

} // namespace

// The window as a hobbyist meets it: it fits the screen, every control shows
// whole, the drawing answers the wheel and Fit, and the status bar tells what
// happened.
class WindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(lanewright);
        QApplication::setQuitOnLastWindowClosed(false);
    }

    // Every control shows whole and apart, and the lane labels keep the window's
    // font when their tab's style sheet is renewed.
    void everyControlFitsTheScreenWholeAndApart_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QSize>("size");
        QTest::newRow("laptop 1366 x 768") << QRect(0, 0, 1366, 768) << QSize(1366, 768);
        QTest::newRow("small 1280 x 720") << QRect(0, 0, 1280, 720) << QSize(1280, 720);
        QTest::newRow("desktop 1920 x 1080") << QRect(0, 0, 1920, 1080) << QSize(1614, 861);
    }
    void everyControlFitsTheScreenWholeAndApart()
    {
        QFETCH(QRect, area);
        QFETCH(QSize, size);
        // The 4-lane page's photographs make it the toolbox's widest page.
        Rig rig(nullptr, {QStringLiteral("track_pieces/photos150")});
        rig.w().fitInto(area);
        QVERIFY(rig.show());
        // A four-lane layout shows the longest checks: two balance hints.
        rig.activate(2);
        rig.open(QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans/four-lane-oval.txt"));
        QToolBox *toolBox = rig.w().toolBox().mToolBox;
        const QFont font = rig.find<QLabel>("systemLabel")->font();
        for (int tab = 0; tab <= 8; ++tab) {
            rig.activate(tab);
            // The tab chose its toolbox page; every page is seen along the way.
            toolBox->setCurrentIndex(tab % toolBox->count());
            QApplication::processEvents();
            const QStringList faults = geometryFaults(&rig.w());
            QVERIFY2(faults.isEmpty(), qPrintable(QString::number(tab) + QLatin1String(": ") +
                                                  faults.join(QLatin1String("; "))));
            for (QLabel *label : rig.screen(qMax(tab, 1)).mLaneLabel)
                QCOMPARE(label->font(), font);
        }
        QCOMPARE(rig.w().size(), size);
        // Where the row has room, a hint shows whole.
        rig.activate(2);
        for (QPushButton *hint : rig.screen().mBalanceButton)
            QVERIFY(size.width() < 1600 || hint->text() == static_cast<HintButton *>(hint)->hint());
    }

    // The status bar shows a command's tip and what a file command did.
    void ctrlWheelZoomsAboutTheMouseCtrlZeroFitsAndTheStatusBarTells()
    {
        Rig rig;
        rig.w().fitInto(QRect(0, 0, 1366, 768));
        QVERIFY(rig.show());
        auto *bar = rig.w().findChild<QStatusBar *>();
        QVERIFY(bar);
        rig.w().itemAction(MainWindow::DeleteAction)->showStatusText(&rig.w());
        QCOMPARE(bar->currentMessage(), QString("Delete item from diagram"));
        rig.activate(1);
        rig.open(QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans/grand-circuit.txt"));
        QCOMPARE(bar->currentMessage(), QString("Opened trackplans/grand-circuit.txt"));
        const QPoint at(200, 150);
        const QPointF anchor = rig.view()->mapToScene(at);
        rig.wheel(at, 120, Qt::ControlModifier);
        QCOMPARE(rig.screen().mScaleSlider->value(), 55);
        QVERIFY(QLineF(rig.view()->mapToScene(at), anchor).length() < 1.0);

        const int scrolled = rig.view()->verticalScrollBar()->value();
        rig.wheel(at, -120);
        QCOMPARE(rig.screen().mScaleSlider->value(), 55);
        QVERIFY(rig.view()->verticalScrollBar()->value() != scrolled);

        // Turned upright, the layout is fitted by its length.
        rig.screen().mRotateDial->setValue(90);
        rig.w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&rig.w()));
        QTest::keyClick(&rig.w(), Qt::Key_0, Qt::ControlModifier);
        const QRect room = rig.view()->viewport()->rect();
        const QRect shown =
            rig.view()->mapFromScene(rig.scene()->itemsBoundingRect()).boundingRect();
        QVERIFY(room.contains(shown));
        // Snug: nine tenths of the view's width or height is used.
        QVERIFY(shown.width() * 10 > room.width() * 9 || shown.height() * 10 > room.height() * 9);
        QVERIFY(QDir().mkpath(rig.file("trackplans")));
        rig.saveAs(rig.file("trackplans/copy.txt"));
        QCOMPARE(bar->currentMessage(), QString("Saved trackplans/copy.txt"));
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
