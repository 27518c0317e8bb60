#include "FuzzEntries.h"

#include "catalog/Inventory.h"
#include "catalog/LaneLength.h"
#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "layout/Chaining.h"
#include "layout/DefaultLaneColors.h"
#include "layout/LaneColors.h"
#include "layout/LayoutEdit.h"
#include "layout/LayoutRecord.h"
#include "layout/TrackPlanFile.h"

#include <QBuffer>

namespace {

const RevellTrack &catalog()
{
    static const RevellTrack instance;
    return instance;
}

const QStringList &diagramTypes()
{
    static const QStringList list = [] {
        QStringList types;
        initDiagramTypeList(types);
        return types;
    }();
    return list;
}

// Lays a chain again from its first point, as Open's replay does.
void replay(LayoutRecord &aRecord)
{
    Chaining::prepareReplay(aRecord);
    for (int i = 0; i < aRecord.mPieces.size(); ++i)
        Chaining::layNext(aRecord, catalog(), aRecord.mPieces.at(i).mItemType, aRecord.mFirstPt,
                          aRecord.mPieces.at(i).mLevel, false);
}

FuzzOutcome fuzzLayoutFile(const QByteArray &aInput)
{
    const QByteArray saved = openAndSave(aInput);
    if (saved.isEmpty())
        return {};
    const QByteArray again = openAndSave(saved);
    if (again.isEmpty())
        return {true, QStringLiteral("Open refuses what Save wrote of a file it accepted")};
    if (again != saved)
        return {true, QStringLiteral("a second open and save changed the file")};
    return {true, QString()};
}

FuzzOutcome fuzzDefaultLaneColors(const QByteArray &aInput)
{
    QBuffer in;
    in.setData(aInput);
    in.open(QIODevice::ReadOnly);
    std::array<QBrush, 4> brushes{};
    readDefaultLaneColors(brushes, in);
    for (const QBrush &brush : brushes) {
        if (laneColorName(brush) == QLatin1String("unknown"))
            return {true, QStringLiteral("a lane got a colour that is none of the eight")};
    }
    QBuffer written;
    written.setData(defaultLaneColorsText(brushes));
    written.open(QIODevice::ReadOnly);
    std::array<QBrush, 4> again{};
    readDefaultLaneColors(again, written);
    if (again != brushes)
        return {true, QStringLiteral("the colours written read back differently")};
    return {true, QString()};
}

FuzzOutcome fuzzInventoryFile(const QByteArray &aInput)
{
    QBuffer in;
    in.setData(aInput);
    in.open(QIODevice::ReadOnly);
    TrackInventory inventory(catalog());
    readInventory(in, inventory);
    for (const InventoryItem &item : inventory.items()) {
        if (item.mCount < 0 || item.mCount > TrackInventory::kMaxCount)
            return {true, QStringLiteral("a count outside 0 to 9999 was taken")};
    }
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    if (!writeInventory(written, inventory))
        return {true, QStringLiteral("the inventory could not be written to memory")};
    written.close();
    written.open(QIODevice::ReadOnly);
    TrackInventory again(catalog());
    readInventory(written, again);
    for (int row = 0; row < inventory.size(); ++row) {
        if (again.at(row).mCount != inventory.at(row).mCount)
            return {true, QStringLiteral("the counts written read back differently")};
    }
    return {true, QString()};
}

} // namespace

QByteArray openAndSave(const QByteArray &aText, QPointF aDrag)
{
    LayoutRecord a;
    LayoutRecord b;
    if (!isTrackPlanText(aText) ||
        loadTrackPlanText(aText, a, b, catalog(), diagramTypes()) != TrackPlanRead::Complete)
        return QByteArray();
    if (!aDrag.isNull())
        LayoutEdit::relocate(a, b, catalog(), aDrag);
    replay(a);
    if (a.mLanes == 4)
        replay(b);
    calcLaneLengths(a, b, catalog());
    b.mLaneLength[0] = a.mLaneLength[2];
    b.mLaneLength[1] = a.mLaneLength[3];
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    writeTrackPlan(&out, a);
    if (a.mLanes == 4)
        writeTrackPlan(&out, b);
    return out.data();
}

const std::vector<FuzzTarget> &fuzzTargets()
{
    static const std::vector<FuzzTarget> targets{
        {QStringLiteral("layout"), fuzzLayoutFile},
        {QStringLiteral("lanecolors"), fuzzDefaultLaneColors},
        {QStringLiteral("inventory"), fuzzInventoryFile},
    };
    return targets;
}
