// The checks each layout tab shows after every refresh: whether each strip's
// chain closes (with an arrow at an open end), which pieces collide on one
// level (outlined in the drawing), and where one lane swap would even a
// strip's lanes (a hint whose click selects the straight to replace).
#include "MainWindow.h"

#include "HintButton.h"

#include "catalog/RevellTrack.h"
#include "layout/DiagramScene.h"
#include "layout/LayoutAnalysis.h"
#include "layout/LayoutChecks.h"

#include <QGraphicsView>
#include <QLineEdit>
#include <QVector>

void MainWindow::showChecks(int aIndex)
{
    LayoutScreen &screen = mLayoutScreens[aIndex];
    DiagramScene *scene = mTabScreens[aIndex].mScene;
    if (!scene || !screen.mClosureLineEdit)
        return;
    const LayoutRecord &recordA = mRecordA[aIndex];
    const LayoutRecord &recordB = mRecordB[aIndex];
    const bool fourLanes = recordA.mLanes == 4;
    const LengthUnit unit = lengthUnit();
    const std::array<const LayoutRecord *, 2> strips{{&recordA, &recordB}};
    const int stripCount = fourLanes ? 2 : 1;
    static const char *const kStripNames[2] = {"1-2 ", "3-4 "};

    QStringList closures;
    QList<QPolygonF> openEnds;
    for (int pair = 0; pair < stripCount; ++pair) {
        const LayoutRecord &strip = *strips[pair];
        const QString text = LayoutChecks::closureText(LayoutAnalysis::closure(strip), unit);
        if (!text.isEmpty())
            closures << (fourLanes ? QLatin1String(kStripNames[pair]) + text : text);
        const QPolygonF arrow = LayoutChecks::openEndArrow(strip, mCatalog->width);
        if (!arrow.isEmpty())
            openEnds << arrow;
    }
    screen.mClosureLineEdit->setText(closures.join(QStringLiteral("  ")));
    screen.mClosureLineEdit->setCursorPosition(0);

    // Each colliding piece is outlined and counted once, however many
    // pieces it collides with.
    const QList<LayoutAnalysis::Overlap> overlaps =
        LayoutAnalysis::findOverlaps(recordA, recordB, *mCatalog);
    std::array<QVector<bool>, 2> outlined{
        {QVector<bool>(recordA.mPieces.size()), QVector<bool>(recordB.mPieces.size())}};
    QPainterPath collisions;
    collisions.setFillRule(Qt::WindingFill);
    int colliding = 0;
    for (const LayoutAnalysis::Overlap &overlap : overlaps) {
        for (const LayoutAnalysis::PieceRef &ref : {overlap.mFirst, overlap.mSecond}) {
            QVector<bool> &seen = outlined[ref.mPair];
            if (ref.mIndex < 0 || ref.mIndex >= seen.size() || seen[ref.mIndex])
                continue;
            seen[ref.mIndex] = true;
            ++colliding;
            if (const DiagramItem *item = scene->pieceItem(ref.mPair, ref.mIndex))
                collisions.addPolygon(item->mapToScene(item->polygon()));
        }
    }
    screen.mOverlapsLineEdit->setText(QString::number(colliding));
    scene->setMarks(openEnds, collisions);

    for (int pair = 0; pair < 2; ++pair) {
        // The tab factory makes the balance buttons hint buttons.
        auto *button = static_cast<HintButton *>(screen.mBalanceButton[pair]);
        const bool shown = pair < stripCount && !strips[pair]->mPieces.isEmpty();
        button->setVisible(shown);
        if (!shown) {
            screen.mSwapHint[pair] = -1;
            button->setHint(QString(), QString());
            button->setEnabled(false);
            continue;
        }
        const LayoutAnalysis::LaneBalance balance =
            LayoutAnalysis::laneBalance(*strips[pair], *mCatalog);
        const QString text = LayoutChecks::balanceText(balance, unit);
        button->setHint(fourLanes ? QLatin1String(kStripNames[pair]) + text : text,
                        QStringLiteral("select the straight to replace with the lane swap R3609"));
        screen.mSwapHint[pair] = balance.mSwapIndex;
        button->setEnabled(balance.mSwapIndex >= 0);
    }
}

// The hint's straight is selected alone and brought into view, ready for
// the Item menu's Replace.
void MainWindow::selectBalanceHint(int aIndex, int aPair)
{
    DiagramScene *scene = mTabScreens[aIndex].mScene;
    DiagramItem *piece =
        scene ? scene->pieceItem(aPair, mLayoutScreens[aIndex].mSwapHint[aPair]) : nullptr;
    if (!piece)
        return;
    scene->clearSelection();
    piece->setSelected(true);
    QGraphicsView *view = mSurface.mLayouts[aIndex].mView;
    view->ensureVisible(piece);
    view->setFocus();
}
