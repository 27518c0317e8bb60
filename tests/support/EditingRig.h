#pragma once

// The real main window in a private runtime, driven as a user drives it:
// pieces laid through its scene, items selected, Item menu commands
// triggered, the add-track chooser answered by clicking its buttons and the
// mouse used on the layout's view. For the editing tests.

#include "app/LayoutScreen.h"
#include "app/MainWindow.h"
#include "app/ToolBoxBuilder.h"
#include "catalog/RevellTrack.h"
#include "graphics/DiagramItem.h"
#include "graphics/DiagramPathItem.h"
#include "layout/AddTrackDialog.h"
#include "layout/DiagramScene.h"
#include "layout/LayoutRecord.h"

#include "support/RecordingPrompter.h"
#include "support/TestRuntime.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGraphicsView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace EditingRig {

using D = DiagramTypeBase;

inline constexpr double kScale = 5.0 / 24.0;
// Longer than the scene's click delay, so that a single click has acted.
inline constexpr int kAfterClickMs = 300;
inline const QPointF kStart(1000, 1000);

// The chooser answered as a user would: aButton clicked (none when empty),
// the turn list set to aAngle (when given), then OK, or Cancel when aCancel.
// The modes the chooser was opened with are collected in *aModes.
inline MainWindow::AddTrackRunner answer(const QString &aButton, const QString &aAngle = QString(),
                                         QStringList *aModes = nullptr, bool aCancel = false)
{
    return [=](AddTrackDialog &aChooser) {
        if (aModes)
            aModes->append(aChooser.mode());
        if (!aButton.isEmpty())
            aChooser.findChild<QToolButton *>(aButton)->click();
        if (!aAngle.isEmpty())
            aChooser.findChild<QComboBox *>("turnComboBox")->setCurrentText(aAngle);
        auto *box = aChooser.findChild<QDialogButtonBox *>("buttonBox");
        box->button(aCancel ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok)->click();
        return aChooser.result();
    };
}

// The real window in its own runtime, with the prompts recorded, on layout 1.
struct Rig
{
    RecordingPrompter rec;
    TestRuntime rt;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    int buildMark = 0;
    int debugMark = 0;

    Rig() { w().tabWidget()->setCurrentIndex(1); }
    MainWindow &w() { return *window; }
    DiagramScene *scene() { return w().activeScene(); }
    LayoutRecord &a() { return *w().activeRecordA(); }
    LayoutRecord &b() { return *w().activeRecordB(); }
    LayoutScreen &screen() { return *w().activeLayoutScreen(); }
    QGraphicsView *view() { return w().activeView(); }
    template <class T> T *find(const QString &aName) { return w().findChild<T *>(aName); }

    bool show()
    {
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    void lay(const QList<D::DiagramType> &aTypes)
    {
        for (D::DiagramType type : aTypes)
            scene()->appendTrackPiece(true, type, kStart, 0.25, false);
    }
    static QStringList parts(const LayoutRecord &aRecord)
    {
        QStringList names;
        for (const PlacedPiece &entry : aRecord.mPieces)
            names << entry.mPartNumber;
        return names;
    }
    // The track piece item (not an attachment) of kind aKind with index aIndex.
    DiagramItem *piece(int aIndex, int aKind = DiagramItem::eType)
    {
        for (QGraphicsItem *item : scene()->items()) {
            if (item->type() != aKind)
                continue;
            auto *p = static_cast<DiagramItem *>(item);
            if (p->mIndex == aIndex && p->mDiagramType < D::R3603R_FU)
                return p;
        }
        return nullptr;
    }
    QGraphicsItem *laneLine(int aIndex)
    {
        for (QGraphicsItem *item : scene()->items()) {
            if (item->type() == DiagramPathItem::eType &&
                static_cast<DiagramPathItem *>(item)->mIndex == aIndex)
                return item;
        }
        return nullptr;
    }
    void select(const QList<QGraphicsItem *> &aItems)
    {
        scene()->clearSelection();
        for (QGraphicsItem *item : aItems)
            item->setSelected(true);
    }
    // An attachment drawn on host aIndex by hand, as the attachments' own
    // code would, and kept on the host's entry.
    DiagramItem *attach(int aIndex, D::DiagramType aType)
    {
        DiagramItem *host = piece(aIndex);
        auto *item = new DiagramItem(&w().buildLog(), &w().debugLog(), aType, w().itemMenu(),
                                     &w().catalog(), aIndex, false, QString());
        item->setPos(host->pos());
        item->setRotation(host->rotation());
        item->setZValue(host->zValue());
        scene()->addItem(item);
        // Attachments belong to their pair's chain, so a replay takes them down too.
        scene()->addChainItem(item);
        AttachmentEntry entry;
        entry.mName = item->mPartNumber;
        entry.mDbIndex = item->mDbIndex;
        entry.mHostIndex = aIndex;
        a().mPieces[aIndex].mAttachments.append(entry);
        return item;
    }

    void mark()
    {
        buildMark = rt.read("logs/build.log").size();
        debugMark = rt.read("logs/debug.log").size();
    }
    QString newBuild() const
    {
        return QString::fromLatin1(rt.read("logs/build.log").mid(buildMark));
    }
    QString newDebug() const
    {
        return QString::fromLatin1(rt.read("logs/debug.log").mid(debugMark));
    }
    // The replays since mark(), by the index each was started from.
    QStringList replays() const
    {
        static const QRegularExpression line(
            "^rebuildTrackGraphic\\(\\)\\n   aStartIndex (-?\\d+)$",
            QRegularExpression::MultilineOption);
        QStringList starts;
        auto it = line.globalMatch(newBuild());
        while (it.hasNext())
            starts << it.next().captured(1);
        return starts;
    }
    QStringList lanes()
    {
        QStringList texts;
        for (QLineEdit *edit : screen().mLaneLineEdit)
            texts << edit->text();
        return texts;
    }

    // Mouse on the active view.
    QWidget *viewport() { return view()->viewport(); }
    QPoint toView(QPointF aScene) { return view()->mapFromScene(aScene); }
    QPointF reached(QPointF aScene) { return view()->mapToScene(toView(aScene)); }
    // The point nearest the middle of aItem where aItem is topmost; x < 0 when none.
    QPointF pointOn(QGraphicsItem *aItem)
    {
        view()->centerOn(aItem);
        const QRectF box = aItem->sceneBoundingRect();
        QPointF best(-1, -1);
        double bestDistance = 1e9;
        for (double y = box.top() + 1; y < box.bottom(); y += 1.0) {
            for (double x = box.left() + 1; x < box.right(); x += 1.0) {
                const QPointF p = reached(QPointF(x, y));
                const double distance = QLineF(p, box.center()).length();
                if (distance < bestDistance && scene()->itemAt(p, QTransform()) == aItem) {
                    best = p;
                    bestDistance = distance;
                }
            }
        }
        return best;
    }
    void click(QPointF aScene)
    {
        QTest::mouseClick(viewport(), Qt::LeftButton, Qt::NoModifier, toView(aScene));
        QTest::qWait(kAfterClickMs);
    }
    void doubleClick(QPointF aScene)
    {
        const QPoint p = toView(aScene);
        QTest::mousePress(viewport(), Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseDClick(viewport(), Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::NoModifier, p);
        QTest::qWait(kAfterClickMs);
    }
    void drag(const QList<QPointF> &aWaypoints)
    {
        QTest::mousePress(viewport(), Qt::LeftButton, Qt::NoModifier, toView(aWaypoints.first()));
        for (int leg = 1; leg < aWaypoints.size(); ++leg) {
            const QPointF from = aWaypoints.at(leg - 1);
            const QPointF to = aWaypoints.at(leg);
            const int steps = qMax(1, int(QLineF(from, to).length() / 2));
            for (int i = 1; i <= steps; ++i) {
                const QPoint p = toView(from + (to - from) * i / steps);
                QMouseEvent move(QEvent::MouseMove, p, viewport()->mapToGlobal(p), Qt::NoButton,
                                 Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(viewport(), &move);
            }
        }
        QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::NoModifier, toView(aWaypoints.last()));
    }
};

inline bool near(QPointF aA, QPointF aB)
{
    return QLineF(aA, aB).length() < 1e-6;
}

} // namespace EditingRig
