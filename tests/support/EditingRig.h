#pragma once

// The real main window in a private runtime, driven as a user drives it:
// pieces laid through its scene, items selected, Item menu commands
// triggered, the add-track chooser answered by clicking its buttons and the
// mouse used on the layout's view. For the editing tests.

#include "layout/LayoutScreen.h"
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
#include "support/ViewMouse.h"

#include <QDialogButtonBox>
#include <QLineEdit>
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

// The chooser answered as a user would: aButton clicked (none when empty), then
// OK, or Cancel when aCancel. The modes it was opened with go to *aModes.
inline MainWindow::AddTrackRunner answer(const QString &aButton, QStringList *aModes = nullptr,
                                         bool aCancel = false)
{
    return [=](AddTrackDialog &aChooser) {
        if (aModes)
            aModes->append(aChooser.mode());
        if (!aButton.isEmpty())
            aChooser.findChild<QToolButton *>(aButton)->click();
        auto *box = aChooser.findChild<QDialogButtonBox *>("buttonBox");
        box->button(aCancel ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok)->click();
        return aChooser.result();
    };
}

// The real window in its own runtime, with the prompts recorded, on layout 1.
struct Rig : ViewMouse
{
    RecordingPrompter rec;
    TestRuntime rt;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    int buildMark = 0;

    Rig()
    {
        w().tabWidget()->setCurrentIndex(1);
        mView = view();
        mWaitMs = kAfterClickMs;
    }
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

    void mark() { buildMark = rt.read("logs/build.log").size(); }
    // Where the scene's range commands take their item from.
    void pressOn(QGraphicsItem *aItem)
    {
        scene()->mPressPos = aItem->sceneBoundingRect().center();
        QVERIFY(scene()->itemAt(scene()->mPressPos, QTransform()));
    }
    // The replays since mark(), by the index each was started from.
    QStringList replays() const
    {
        static const QRegularExpression line(
            "^rebuildTrackGraphic\\(\\)\\n   aStartIndex (-?\\d+)$",
            QRegularExpression::MultilineOption);
        QStringList starts;
        auto it = line.globalMatch(QString::fromLatin1(rt.read("logs/build.log").mid(buildMark)));
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
};

inline bool near(QPointF aA, QPointF aB)
{
    return QLineF(aA, aB).length() < 1e-6;
}

} // namespace EditingRig
