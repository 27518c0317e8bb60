#pragma once

#include "catalog/Inventory.h"
#include "layout/LayoutAnalysis.h"
#include "layout/LayoutRecord.h"

#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

class DiagramScene;
class RevellTrack;

// A layout file read and laid as the window lays an opened layout: both
// records replayed, with their attachments, in a scene of their own that is
// never shown. What the report measures, and what its images draw.
class LaidLayout
{
public:
    explicit LaidLayout(const RevellTrack &aCatalog);
    ~LaidLayout();
    LaidLayout(const LaidLayout &) = delete;
    LaidLayout &operator=(const LaidLayout &) = delete;

    // Reads the layout file at aPath as the open command reads it, and lays
    // it. False, with the reason in a few words in aWhy ("no such file", "not
    // a layout file"...), when the file is missing, unreadable, not a layout
    // or beyond the limits of a layout file; nothing is laid then.
    bool load(const QString &aPath, QString *aWhy);

    const LayoutRecord &recordA() const { return mA; }
    const LayoutRecord &recordB() const { return mB; }
    const DiagramScene &scene() const { return *mScene; }
    DiagramScene &scene() { return *mScene; }
    // What the file said that does not add up, as the open command notes
    // it: piece counts that disagree with the pieces read, text after the
    // layout. The pieces read are laid.
    const QStringList &notes() const { return mNotes; }
    // Part numbers of entries the catalog does not know, which count nothing.
    const QStringList &unknownParts() const { return mUnknownParts; }

private:
    const RevellTrack &mCatalog;
    QStringList mTypeList;
    LayoutRecord mA;
    LayoutRecord mB;
    std::unique_ptr<DiagramScene> mScene;
    QStringList mNotes;
    QStringList mUnknownParts;
};

// What the report says about one layout. Pieces are numbered from 0 in the
// order of the file: record A's, then record B's of a four-lane layout.
struct LayoutFigures
{
    QString mFile; // as it was named
    QString mName;
    int mLanes = 2;
    int mPieces = 0;
    int mAttachments = 0;
    QVector<double> mLaneLengthsMm; // lanes 1 and 2, and 3 and 4 for four lanes
    QSizeF mSizeMm;                 // the drawing's width and height, as the tab shows it
    QVector<LayoutAnalysis::Closure> mClosures;     // one per strip
    QVector<LayoutAnalysis::LaneBalance> mBalances; // one per strip, swap index in file order
    QList<QPair<int, int>> mOverlaps;               // in file order
    QVector<int> mUsed;                             // by inventory row
    QStringList mUnknownParts;
};

// The figures of a laid layout; aFile is the name the report gives it.
LayoutFigures measureLayout(const LaidLayout &aLayout, const QString &aFile,
                            const TrackInventory &aInventory, const RevellTrack &aCatalog);

// The report of one layout as text for people: one figure per line, lengths
// in mm with two decimals and in feet, then the parts used, named from
// aInventory, and, when aToBuy, the parts to buy against its counts.
QString figuresText(const LayoutFigures &aFigures, const TrackInventory &aInventory, bool aToBuy);

// The same as one JSON object, with "to_buy" only when aToBuy. Lengths,
// sizes, gaps and angles are rounded to two decimals, as they are shown.
QJsonObject figuresJson(const LayoutFigures &aFigures, const TrackInventory &aInventory,
                        bool aToBuy);
