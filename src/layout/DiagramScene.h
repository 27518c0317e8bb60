#pragma once

#include "graphics/DiagramItem.h"
#include "graphics/PieceShapes.h"
#include "layout/ChainItemList.h"
#include "layout/Chaining.h"

#include <QBrush>
#include <QColor>
#include <QList>
#include <QPainterPath>
#include <QPen>
#include <QGraphicsScene>
#include <QPointF>
#include <QPolygonF>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>

class DiagramPathItem;
class LogFile;
class QMenu;
class RevellTrack;
struct LayoutRecord;
struct LayoutScreen;

// The drawing of one layout tab. It lays catalog pieces end to end on the
// current record's chain and keeps the chain's end point, angle and lane
// parity in that record; the graphic items are disposable views of the
// record, re-created whenever the chain is replayed. The main window, the
// editing commands and the mouse handling work on its members directly.
class DiagramScene : public QGraphicsScene
{
    Q_OBJECT
public:
    // What a click does. 2 is not used; Edit is entered by the scene itself.
    enum Mode
    {
        Append = 0,
        Move = 1,
        Edit = 3,
        Attach = 4,
        Append4 = 5
    };
    Q_ENUM(Mode)

    DiagramScene(QMenu *aItemMenu, const RevellTrack *aCatalog, LayoutRecord *aRecordA,
                 LayoutRecord *aRecordB, LayoutScreen *aLayoutScreen, LogFile *aBuildFile,
                 LogFile *aDebugFile, QObject *aParent = nullptr);
    ~DiagramScene() override;

    // Lays the catalog piece of aItemType at the current record's end
    // (Chaining::layNext), draws it with its two lane lines and shows the
    // chain's new end on the tab. aAdd appends an entry; otherwise the entry at
    // the record's mNextIndex is rewritten in place (the replay of a rebuild).
    // aPos matters only for the first piece; aLanes34 marks lanes 3 and 4.
    // A type that names no catalog piece, or a replayed entry whose item type
    // or catalog index is -1, is not drawn: the chain continues from the
    // previous end. Returns the piece item, or null when nothing was drawn.
    DiagramItem *appendTrackPiece(bool aAdd, int aItemType, QPointF aPos, double aElev,
                                  bool aLanes34);

    // Lays a four-lane selection: its record-A pieces at aPos on the current
    // record, then its record-B pieces on the second record, whose first piece
    // goes one track width to the upper side of aPos. The current item type
    // stays as it was, so that the next click lays the same selection. False,
    // with nothing laid, when aFourLaneType is not a four-lane pair.
    bool appendFourLanePiece(int aFourLaneType, QPointF aPos);

    // Gives the chain entry that item draws the scene's current item type:
    // part number, catalog index and item type change, the position waits
    // for the replay. Entry of record B for a lanes 3 and 4 item, else of the
    // current record. Emits itemReplaced, unless the index is outside the
    // list or the current type names no catalog piece.
    void replaceTrackPiece(DiagramItem *item);

    // Replays aRecord's chain from its first point: takes down the record's
    // drawing (the pieces and lane lines laid for its own lane pair, and any
    // item put on that pair's list with addChainItem), drops the entries marked
    // deleted, resets the chain and lays every entry again in place, so that
    // each entry's position, angle, parity and level agree with its
    // predecessors. aElevInverted lays each piece at 1 - its level and keeps
    // that as the entry's level. aStartIndex is only logged. The current record is the
    // same after the replay as before it. No itemAppended is emitted for the
    // replayed pieces: the caller refreshes once, after the replay.
    void rebuildRecord(LayoutRecord *aRecord, int aStartIndex, bool aElevInverted);

    // Draws one attachment of kind aType (23 to 90; an undirected curve kind
    // takes the host's hand) on piece aHostIndex of the lanes 1 and 2 record,
    // or of the lanes 3 and 4 record when aLanes34 is set, at the host's
    // origin, angle and elevation, and emits itemAttached. Null, with nothing
    // drawn or emitted, when the host is not a drawn piece of the record or
    // the kind cannot be drawn beside it.
    DiagramItem *attachPiece(int aType, int aHostIndex, bool aLanes34);
    // Draws every attachment kept on aRecord's pieces, each on its host;
    // names that are no attachment kind are skipped. Emits nothing: a replay
    // restores them all and the caller measures the layout once afterwards.
    void restoreAttachments(const LayoutRecord &aRecord);
    // The same for the attachments of piece aHostIndex alone.
    void restoreHostAttachments(const LayoutRecord &aRecord, int aHostIndex);
    // Takes the attachment items of piece aHostIndex of lane pair aPair off
    // the scene; the records keep their entries.
    void removeAttachmentItems(int aPair, int aHostIndex);

    // The track piece item that draws piece aIndex of lane pair aPair (0:
    // lanes 1 and 2, 1: lanes 3 and 4), or null.
    DiagramItem *pieceItem(int aPair, int aIndex) const;
    // The piece item a clicked item stands for: a piece or attachment item
    // itself, a lane line the track piece item of its pair with its index;
    // null for anything else.
    DiagramItem *pieceStandingFor(QGraphicsItem *aItem) const;

    // The name the tab's Mode field shows for aMode ("Append", "Move", "Edit",
    // "Attach", "Append4").
    static QString modeText(Mode aMode);

    // What the tab's checks point out over the drawing: an arrow at the open
    // end of each strip whose chain does not close, and the outline of every
    // piece that collides with another on its level. Drawn in front of every
    // item and hit by no click, so they never count as drawing or selection;
    // each refresh gives the whole set, which replaces the one before.
    void setMarks(const QList<QPolygonF> &aOpenEnds, const QPainterPath &aCollisions);
    const QList<QPolygonF> &openEndMarks() const { return mOpenEndMarks; }
    const QPainterPath &collisionMarks() const { return mCollisionMarks; }

    void setRecord(LayoutRecord *aRecord) { mRecord = aRecord; }
    void setFilled(bool aFilled) { mFilled = aFilled; }
    void setShiftKey(bool aShiftKey) { mShiftKey = aShiftKey; }

public slots:
    // Every change of mode goes through here, the scene's own ones too, so
    // that modeChanged always tells what a click will do.
    void setMode(DiagramScene::Mode aMode);
    void setItemType(DiagramItem::DiagramType aType) { mItemType = aType; }
    void setTrackIndex(int aIndex) { mTrackIndex = aIndex; }
    // The delayed action of a left click, run when no double click came
    // within the timer's interval.
    void MousePressDelayed();

protected:
    void drawForeground(QPainter *aPainter, const QRectF &aRect) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *aEvent) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *aEvent) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *aEvent) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *aEvent) override;

signals:
    void itemAppended(DiagramItem *item);
    void itemInserted(DiagramItem *item, DiagramItem::DiagramType aType);
    void itemSelected(DiagramItem *item);
    void itemReplaced(DiagramItem *item);
    void itemAttached(DiagramItem *item);
    void itemMoved(DiagramItem *item);
    // The mode is now aMode (sent only when it differs from the one before).
    void modeChanged(DiagramScene::Mode aMode);

public:
    DiagramItem::DiagramType mItemType = DiagramItem::R3600;
    QMenu *mItemMenu = nullptr;
    Mode mMode = Move;
    bool mDragged = false;
    const double mElev = 0.25; // elevation of every piece placed by a click
    QColor mPieceFill{192, 192, 192, 220};
    QColor mFirstPieceFill{64, 64, 64, 220};
    QColor mPieceHollow{250, 250, 250, 220};
    QColor mFirstPieceHollow{192, 192, 192, 220};
    QColor mDarkFill{64, 64, 64, 220};     // gray fences
    QColor mWhiteFill{250, 250, 250, 220}; // white fences
    QColor mOrangeFill{245, 103, 47, 220}; // orange fences
    QTimer mPressTimer;
    bool mFilled = true;
    bool mShiftKey = false;
    const RevellTrack *mCatalog = nullptr;
    LayoutScreen *mLayoutScreen = nullptr;
    LayoutRecord *mRecord = nullptr;
    LayoutRecord *mSecondRecord = nullptr;
    int mTrackIndex = 0;
    QPointF mPressPos;
    LogFile *mBuildFile = nullptr;
    LogFile *mDebugFile = nullptr;
    double mScale = 1.0;
    QStringList mDiagramTypeList;

    // Set while appendFourLanePiece lays the pieces of one selection before
    // its last, so that the window takes the whole selection as one edit;
    // mFourLaneSelection is the selection being laid, -1 at other times.
    bool mMorePiecesFollow = false;
    int mFourLaneSelection = -1;

    // Puts aItem on the list of items that a replay of its lane pair takes
    // down with the chain (every piece, lane line and attachment the scene
    // draws is on it already).
    void addChainItem(DiagramItem *aItem);

    // Hooks of the attachment graphics around a replay: the first runs once
    // the chain's own items are gone (with the piece kind of the record's
    // pair, 65551 or 65552), the second once the chain is drawn again. While
    // unset, a replay draws no attachments; the window's second hook draws
    // them with restoreAttachments().
    std::function<void(int aPieceKind)> mDeleteAttachments;
    std::function<void(LayoutRecord *aRecord)> mRestoreAttachments;

private:
    // The click actions of the append modes and of attach mode, run when
    // the press timer fires.
    void appendClick();
    void appendFourLaneClick();
    // A press on a lane line selects the piece the line belongs to, as a
    // press on the piece itself would; Ctrl adds it to or takes it from the
    // selection.
    void selectPieceOfLaneLine(QGraphicsItem *aItem, Qt::KeyboardModifiers aModifiers);
    void attachClick();
    // The first piece of record A when aItem is it, else null.
    static DiagramItem *asFirstPieceOfA(QGraphicsItem *aItem);

    // appendTrackPiece on aRecord, which may be either of the tab's records.
    DiagramItem *appendTrackPiece(LayoutRecord &aRecord, bool aAdd, int aItemType, QPointF aPos,
                                  double aElev, bool aLanes34);
    // The piece item and two lane lines of the entry aStep laid on aRecord.
    DiagramItem *drawPiece(const LayoutRecord &aRecord, const Chaining::Step &aStep, double aElev,
                           bool aLanes34);
    // The item of one attachment of aType on piece aHostIndex of aRecord,
    // drawn and listed with its pair's chain; null when it cannot be drawn.
    DiagramItem *drawAttachment(const LayoutRecord &aRecord, int aHostIndex, int aType,
                                bool aLanes34);
    // An attachment's fill, told by its part number: gray, white and orange
    // fences, and light gray aprons.
    const QBrush &attachmentBrush(const QString &aPartNumber);
    void passUnknownPiece(const LayoutRecord &aRecord, const Chaining::Step &aStep);
    void writeChainState(const LayoutRecord &aRecord) const;
    void writeReplayState(const LayoutRecord &aRecord, const char *aHeading) const;
    // Files every new item in the spatial index and polishes it, which the
    // scene otherwise leaves to a later pass of the event loop; until then it
    // finds an item it takes out by searching a plain list, one search per
    // item. Taking a whole chain, or the whole scene, down then stays linear
    // even when it was laid within the same event or with no event loop.
    void settleNewItems();
    void showChainEnd(const LayoutRecord &aRecord) const;

    // The outline and the two lane lines of a kind are the same wherever it
    // is laid, and the catalog never changes, so each is computed once.
    const PieceOutline &cachedOutline(DiagramItem::DiagramType aType);
    const QPainterPath &cachedLanePath(DiagramItem::DiagramType aType, int aLane, bool *aNotFound);
    // The tool tip of a piece of aType laid at aElev.
    const QString &cachedToolTip(DiagramItem::DiagramType aType, double aElev);
    // The four lane pens for a record's lane brushes, shared by every line.
    const std::array<QPen, 4> &cachedLanePens(const std::array<QBrush, 4> &aLaneBrushes);
    // A solid brush of aColor, shared by every piece of that fill.
    const QBrush &fillBrush(const QColor &aColor);

    struct ShapeCache
    {
        bool mOutlineReady = false;
        PieceOutline mOutline;
        std::array<bool, 2> mLaneReady{{false, false}}; // odd lanes, even lanes
        std::array<QPainterPath, 2> mLane;
        std::array<bool, 2> mLaneNotFound{{false, false}};
        bool mToolTipReady = false;
        double mToolTipElev = 0.0;
        QString mToolTip;
    };
    std::array<ShapeCache, DiagramItem::R9999> mShapes;
    bool mLanePensReady = false;
    std::array<QBrush, 4> mLanePenBrushes;
    std::array<QPen, 4> mLanePens;
    struct FillBrush
    {
        QColor mColor;
        QBrush mBrush;
    };
    QList<FillBrush> mFillBrushes;

    // The items drawing each lane pair's chain: [0] lanes 1 and 2, [1] lanes
    // 3 and 4. A replay takes them down without a search through the scene.
    std::array<ChainItemList, 2> mChainItems;

    QList<QPolygonF> mOpenEndMarks;
    QPainterPath mCollisionMarks;

    // Set while a replay lays the chain again: the pieces it draws are not
    // announced one by one, and the tab's fields are written once at its end.
    bool mReplaying = false;
};
