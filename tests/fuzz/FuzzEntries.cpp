#include "FuzzEntries.h"

#include "catalog/LaneLength.h"
#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "layout/Chaining.h"
#include "layout/DefaultLaneColors.h"
#include "layout/LaneColors.h"
#include "layout/LayoutRecord.h"
#include "layout/TrackPlanFile.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

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
    for (int i = 0; i < aRecord.mPieces.size(); ++i) {
        const int type = aRecord.mPieces.at(i).mItemType;
        const double level = aRecord.mPieces.at(i).mLevel;
        Chaining::layNext(aRecord, catalog(), type, aRecord.mFirstPt, level, false);
    }
}

// What Open makes of aText without the window (the test, the read, the
// replay, the lane lengths) and what Save then writes; empty when Open
// refuses it.
QByteArray openAndSave(const QByteArray &aText)
{
    LayoutRecord a;
    LayoutRecord b;
    if (!isTrackPlanText(aText) ||
        loadTrackPlanText(aText, a, b, catalog(), diagramTypes()) != TrackPlanRead::Complete)
        return QByteArray();
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

} // namespace

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
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaultLaneColors.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(aInput) != aInput.size())
        return {false, QStringLiteral("the input could not be put into a file")};
    file.close();
    std::array<QBrush, 4> brushes{};
    if (!readDefaultLaneColors(brushes, path))
        return {false, QStringLiteral("an existing file could not be read")};
    for (const QBrush &brush : brushes) {
        if (laneColorName(brush) == QLatin1String("unknown"))
            return {true, QStringLiteral("a lane got a colour that is none of the eight")};
    }
    std::array<QBrush, 4> again{};
    if (!writeDefaultLaneColors(brushes, path) || !readDefaultLaneColors(again, path))
        return {true, QStringLiteral("the colours could not be written and read back")};
    if (again != brushes)
        return {true, QStringLiteral("the colours written read back differently")};
    return {true, QString()};
}

const std::vector<FuzzTarget> &fuzzTargets()
{
    static const std::vector<FuzzTarget> targets{
        {QStringLiteral("layout"), fuzzLayoutFile},
        {QStringLiteral("lanecolors"), fuzzDefaultLaneColors},
        // Here: {"inventory", fuzzInventoryFile}.
    };
    return targets;
}
