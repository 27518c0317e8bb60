// How the scene turns mouse gestures into edits: the delayed single click,
// the double click that cancels it, and the drag of a layout's first piece.

#include "DiagramScene.h"

#include "common/LogFile.h"
#include "graphics/DiagramPathItem.h"
#include "layout/LayoutEdit.h"
#include "layout/LayoutRecord.h"

#include <QGraphicsSceneMouseEvent>
#include <QTransform>

namespace {

// The click delay: a second click within it makes a double click, which
// drops the first click's action.
constexpr int kPressDelayMs = 200;

} // namespace

void DiagramScene::mousePressEvent(QGraphicsSceneMouseEvent *aEvent)
{
    if (aEvent->button() == Qt::RightButton) {
        // The item menu's range selection needs to know which piece was hit.
        mPressPos = aEvent->scenePos();
    } else if (aEvent->button() == Qt::LeftButton) {
        mPressPos = aEvent->scenePos();
        mPressTimer.start(kPressDelayMs);
    }
    QGraphicsScene::mousePressEvent(aEvent);
    if (aEvent->button() == Qt::LeftButton)
        selectPieceOfLaneLine(itemAt(aEvent->scenePos(), QTransform()), aEvent->modifiers());
}

// Lane lines lie on top of their piece and cannot be selected themselves, so
// without this a click on the lines of a narrow piece would select nothing
// and the Item menu would then act on nothing.
void DiagramScene::selectPieceOfLaneLine(QGraphicsItem *aItem, Qt::KeyboardModifiers aModifiers)
{
    if (!aItem || !PieceKinds::isLaneItemKind(aItem->type()))
        return;
    DiagramItem *piece = pieceStandingFor(aItem);
    if (!piece)
        return;
    if (aModifiers & Qt::ControlModifier) {
        piece->setSelected(!piece->isSelected());
        return;
    }
    clearSelection();
    piece->setSelected(true);
}

void DiagramScene::MousePressDelayed()
{
    if (mPressTimer.isActive())
        mPressTimer.stop();
    switch (mMode) {
    case Append:
        appendClick();
        break;
    case Append4:
        appendFourLaneClick();
        break;
    default:
        // Move and Edit give a single click no action. Attach mode places an
        // attachment through the attachment rules, which are not part of this
        // scene yet: a click in it does nothing.
        break;
    }
}

void DiagramScene::appendClick()
{
    QGraphicsItem *item = itemAt(mPressPos, QTransform());
    if (!item) {
        if (mBuildFile)
            mBuildFile->write("mousePressEvent() append: pos %.2lf  %.2lf\n", mPressPos.x(),
                              mPressPos.y());
        appendTrackPiece(true, mItemType, mPressPos, mElev, false);
        return;
    }

    // A click on a lane line means the piece under it.
    DiagramItem *piece = pieceStandingFor(item);
    if (!piece)
        return;
    setMode(Edit);
    replaceTrackPiece(piece);
}

void DiagramScene::appendFourLaneClick()
{
    // Four-lane pieces are laid only on open ground.
    if (itemAt(mPressPos, QTransform()))
        return;
    if (mBuildFile)
        mBuildFile->write("mousePressEvent() append4: pos %.2lf  %.2lf\n", mPressPos.x(),
                          mPressPos.y());
    appendFourLanePiece(mItemType, mPressPos);
}

void DiagramScene::replaceTrackPiece(DiagramItem *item)
{
    const int index = item->mIndex;
    const int type = mItemType;
    const QString partNumber =
        (type >= 0 && type < mDiagramTypeList.size()) ? mDiagramTypeList.at(type) : QString();
    if (mBuildFile)
        mBuildFile->write("DiagramScene::replaceTrackPiece(): index %d   dType %d  <%s>\n", index,
                          type, LATIN1(partNumber));

    LayoutRecord *record = (item->type() == DiagramItem::eType4) ? mSecondRecord : mRecord;
    // An entry that the catalog cannot lay would vanish from the drawing and
    // from every count: a type without a catalog piece replaces nothing.
    if (!record)
        return;
    if (LayoutEdit::replacePiece(*record, *mCatalog, index, partNumber))
        emit itemReplaced(item);
}

void DiagramScene::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *aEvent)
{
    // The first click of the pair has not acted yet; it never will.
    if (mPressTimer.isActive())
        mPressTimer.stop();
    if (mBuildFile)
        mBuildFile->write("mouseDoubleClickEvent(), button %d\n", int(aEvent->button()));

    QGraphicsItem *item = itemAt(aEvent->scenePos(), QTransform());
    if (item && item->type() == DiagramItem::eType) {
        setMode(Edit);
        if (PieceKinds::isTrackPiece(mItemType))
            emit itemInserted(static_cast<DiagramItem *>(item), mItemType);
    } else if (item && item->type() == DiagramPathItem::eType) {
        DiagramItem *piece = pieceStandingFor(item);
        if (piece && PieceKinds::isTrackPiece(mItemType))
            emit itemInserted(piece, mItemType);
    }
    // The toolkit would treat the second click as another press.
    aEvent->accept();
}

void DiagramScene::mouseMoveEvent(QGraphicsSceneMouseEvent *aEvent)
{
    if (mDebugFile)
        mDebugFile->writeFlush("mouseMoveEvent()\n");
    if (mMode != Move)
        return;
    // Only the first piece of record A is ever dragged, and only by the left
    // button that pressed it: a drag begun on another piece must not carry
    // that piece along when the cursor passes over the first one.
    DiagramItem *first = asFirstPieceOfA(itemAt(aEvent->scenePos(), QTransform()));
    if (!first || mouseGrabberItem() != first || !(aEvent->buttons() & Qt::LeftButton))
        return;
    mDragged = true;
    QGraphicsScene::mouseMoveEvent(aEvent);
}

void DiagramScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *aEvent)
{
    if (mDebugFile)
        mDebugFile->writeFlush("mouseReleaseEvent() mode: %d   drag %d   shift %d\n", int(mMode),
                               mDragged, mShiftKey);
    const bool dragged = mDragged;
    mDragged = false;
    if (mMode == Move && dragged) {
        // Dropped with something else on top, the layout stays where it was
        // until it is next replayed.
        DiagramItem *first = asFirstPieceOfA(itemAt(aEvent->scenePos(), QTransform()));
        if (first)
            emit itemMoved(first);
    }
    QGraphicsScene::mouseReleaseEvent(aEvent);
}

DiagramItem *DiagramScene::asFirstPieceOfA(QGraphicsItem *aItem)
{
    if (!aItem || aItem->type() != DiagramItem::eType)
        return nullptr;
    auto *piece = static_cast<DiagramItem *>(aItem);
    return piece->mIndex == 0 ? piece : nullptr;
}
