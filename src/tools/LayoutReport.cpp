#include "tools/LayoutReport.h"

#include "catalog/LaneLength.h"
#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "graphics/PieceKinds.h"
#include "layout/DiagramScene.h"
#include "layout/TrackPlanFile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>

#include <cmath>

namespace {

double rounded(double aValue)
{
    return std::round(aValue * 100.0) / 100.0;
}

QString mm(double aValue)
{
    return formatLength(aValue, LengthUnit::Millimetres);
}

// The strips of a layout: record A alone, or A and B for four lanes.
QString stripName(const LayoutFigures &aFigures, int aStrip)
{
    if (aFigures.mLanes != 4)
        return QString();
    return aStrip == 0 ? QStringLiteral(" 1-2") : QStringLiteral(" 3-4");
}

QString closureText(const LayoutAnalysis::Closure &aClosure)
{
    if (aClosure.mEmpty)
        return QStringLiteral("no pieces");
    if (aClosure.mClosed)
        return QStringLiteral("closed");
    return QStringLiteral("open: gap %1 mm, angle %2 deg")
        .arg(mm(aClosure.mGapMm), QString::number(aClosure.mAngleDeg, 'f', 2));
}

QString balanceText(const LayoutAnalysis::LaneBalance &aBalance)
{
    const double difference = std::abs(aBalance.mLane1Mm - aBalance.mLane2Mm);
    if (difference < LayoutAnalysis::kEvenLanesMm)
        return QStringLiteral("lanes even");
    const QString differ = QStringLiteral("lanes differ by %1 mm; ").arg(mm(difference));
    if (aBalance.mSwapIndex < 0)
        return differ + QStringLiteral("no single lane swap evens them more");
    return differ + QStringLiteral("a lane swap in place of piece %1 gives %2 and %3 mm")
                        .arg(aBalance.mSwapIndex)
                        .arg(mm(aBalance.mSwapLane1Mm), mm(aBalance.mSwapLane2Mm));
}

QJsonObject closureJson(const LayoutAnalysis::Closure &aClosure)
{
    return QJsonObject{{"closed", aClosure.mClosed},
                       {"gap_mm", rounded(aClosure.mGapMm)},
                       {"angle_deg", rounded(aClosure.mAngleDeg)}};
}

QJsonObject balanceJson(const LayoutAnalysis::LaneBalance &aBalance)
{
    QJsonObject balance{
        {"difference_mm", rounded(std::abs(aBalance.mLane1Mm - aBalance.mLane2Mm))},
        {"swap_index", aBalance.mSwapIndex < 0 ? QJsonValue() : QJsonValue(aBalance.mSwapIndex)}};
    if (aBalance.mSwapIndex >= 0)
        balance.insert("swapped_lane_lengths_mm",
                       QJsonArray{rounded(aBalance.mSwapLane1Mm), rounded(aBalance.mSwapLane2Mm)});
    return balance;
}

// One value per strip: the value itself for two lanes, an array for four.
template <class T, class F> QJsonValue perStrip(const QVector<T> &aStrips, F aToJson)
{
    if (aStrips.size() == 1)
        return aToJson(aStrips.first());
    QJsonArray strips;
    for (const T &strip : aStrips)
        strips.append(aToJson(strip));
    return strips;
}

QJsonObject partsJson(const TrackInventory &aInventory, const QVector<int> &aCounts)
{
    QJsonObject parts;
    for (int row = 0; row < aInventory.size() && row < aCounts.size(); ++row) {
        if (aCounts.at(row) > 0)
            parts.insert(aInventory.at(row).mPartNumber, aCounts.at(row));
    }
    return parts;
}

} // namespace

LaidLayout::LaidLayout(const RevellTrack &aCatalog) : mCatalog(aCatalog)
{
    initDiagramTypeList(mTypeList);
}

LaidLayout::~LaidLayout() = default;

bool LaidLayout::load(const QString &aPath, QString *aWhy)
{
    const QFileInfo info(aPath);
    if (!info.exists()) {
        *aWhy = QStringLiteral("no such file");
        return false;
    }
    if (info.isDir()) {
        *aWhy = QStringLiteral("a folder, not a layout file");
        return false;
    }
    QFile file(aPath);
    QByteArray text;
    TrackPlanRead read =
        file.open(QIODevice::ReadOnly) ? readTrackPlanBytes(aPath, text) : TrackPlanRead::Failed;
    if (read == TrackPlanRead::Failed) {
        *aWhy = QStringLiteral("cannot be read (%1)").arg(file.errorString());
        return false;
    }
    TrackPlanCounts counts;
    if (read == TrackPlanRead::Complete)
        read = isTrackPlanText(text)
                   ? loadTrackPlanText(text, mA, mB, mCatalog, mTypeList, nullptr, &counts)
                   : TrackPlanRead::NotALayout;
    if (read != TrackPlanRead::Complete) {
        // As the open command would refuse it.
        const QString limit = trackPlanLimitText(read);
        *aWhy = limit.isEmpty() ? QStringLiteral("not a layout file") : limit;
        return false;
    }
    if (!counts.agree())
        mNotes << QStringLiteral("claims %1 pieces but holds %2; the pieces read are reported")
                      .arg(TrackPlanCounts::joined(counts.mClaimed),
                           TrackPlanCounts::joined(counts.mRead));
    else if (counts.mBrokenOff)
        mNotes << QStringLiteral("breaks off inside a piece; the pieces before it are reported");
    if (counts.mTrailing)
        mNotes << QStringLiteral("goes on after its layout; the rest was not read");

    // Laid as the window lays an opened layout: record A, then B for four
    // lanes, each chain followed by its attachments.
    mScene =
        std::make_unique<DiagramScene>(nullptr, &mCatalog, &mA, &mB, nullptr, nullptr, nullptr);
    mScene->setSceneRect(0, 0, 5000, 5000);
    DiagramScene *scene = mScene.get();
    scene->mRestoreAttachments = [scene](LayoutRecord *aRecord) {
        scene->restoreAttachments(*aRecord);
    };
    scene->rebuildRecord(&mA, 0, false);
    if (mA.mLanes == 4)
        scene->rebuildRecord(&mB, 0, false);
    mUnknownParts = calcLaneLengths(mA, mB, mCatalog);
    return true;
}

LayoutFigures measureLayout(const LaidLayout &aLayout, const QString &aFile,
                            const TrackInventory &aInventory, const RevellTrack &aCatalog)
{
    const LayoutRecord &a = aLayout.recordA();
    const LayoutRecord &b = aLayout.recordB();
    const bool four = a.mLanes == 4;
    LayoutFigures figures;
    figures.mFile = aFile;
    figures.mName = a.mName;
    figures.mLanes = a.mLanes;
    figures.mUnknownParts = aLayout.unknownParts();

    const int firstOfB = a.mPieces.size();
    QList<const LayoutRecord *> strips{&a};
    if (four)
        strips << &b;
    for (const LayoutRecord *strip : strips) {
        figures.mPieces += strip->mPieces.size();
        for (const PlacedPiece &piece : strip->mPieces)
            figures.mAttachments += piece.mAttachments.size();
        figures.mClosures << LayoutAnalysis::closure(*strip);
        LayoutAnalysis::LaneBalance balance = LayoutAnalysis::laneBalance(*strip, aCatalog);
        if (strip == &b && balance.mSwapIndex >= 0)
            balance.mSwapIndex += firstOfB;
        figures.mBalances << balance;
    }
    for (int lane = 0; lane < (four ? 4 : 2); ++lane)
        figures.mLaneLengthsMm << a.mLaneLength[lane];

    // Measured as the tab measures it: the drawing's items, scale taken off.
    const QRectF drawn = aLayout.scene().itemsBoundingRect();
    figures.mSizeMm = layoutSizeMm(drawn, PieceKinds::kDrawScale);

    const auto fileIndex = [firstOfB](const LayoutAnalysis::PieceRef &aRef) {
        return aRef.mPair == 0 ? aRef.mIndex : firstOfB + aRef.mIndex;
    };
    for (const LayoutAnalysis::Overlap &overlap : LayoutAnalysis::findOverlaps(a, b, aCatalog))
        figures.mOverlaps << qMakePair(fileIndex(overlap.mFirst), fileIndex(overlap.mSecond));
    figures.mUsed = countUsage(aInventory, aCatalog, a, b);
    return figures;
}

QString figuresText(const LayoutFigures &aFigures, const TrackInventory &aInventory, bool aToBuy)
{
    QString text = aFigures.mFile + QLatin1Char('\n');
    const auto line = [&text](const QString &aLabel, const QString &aValue) {
        text += QStringLiteral("  %1 %2\n").arg(aLabel + QLatin1Char(':'), -17).arg(aValue);
    };
    line(QStringLiteral("name"), aFigures.mName);
    line(QStringLiteral("lanes"), QString::number(aFigures.mLanes));
    line(QStringLiteral("pieces"), QString::number(aFigures.mPieces));
    line(QStringLiteral("attachments"), QString::number(aFigures.mAttachments));
    for (int lane = 0; lane < aFigures.mLaneLengthsMm.size(); ++lane) {
        const double length = aFigures.mLaneLengthsMm.at(lane);
        line(QStringLiteral("lane %1").arg(lane + 1),
             QStringLiteral("%1 mm (%2 ft)")
                 .arg(mm(length), formatLength(length, LengthUnit::Feet)));
    }
    line(QStringLiteral("size"),
         QStringLiteral("%1 x %2 mm")
             .arg(mm(aFigures.mSizeMm.width()), mm(aFigures.mSizeMm.height())));
    for (int strip = 0; strip < aFigures.mClosures.size(); ++strip)
        line(QStringLiteral("closure") + stripName(aFigures, strip),
             closureText(aFigures.mClosures.at(strip)));
    QStringList overlaps;
    for (const QPair<int, int> &overlap : aFigures.mOverlaps)
        overlaps << QStringLiteral("%1 and %2").arg(overlap.first).arg(overlap.second);
    line(QStringLiteral("overlaps"),
         overlaps.isEmpty() ? QStringLiteral("none") : overlaps.join(QStringLiteral(", ")));
    for (int strip = 0; strip < aFigures.mBalances.size(); ++strip)
        line(QStringLiteral("lane balance") + stripName(aFigures, strip),
             balanceText(aFigures.mBalances.at(strip)));
    if (!aFigures.mUnknownParts.isEmpty())
        line(QStringLiteral("unknown parts"),
             aFigures.mUnknownParts.join(QStringLiteral(", ")) + QStringLiteral(" (not counted)"));

    const QString used = partsListText(aInventory, aFigures.mUsed, QStringLiteral("    "));
    text +=
        QStringLiteral("  parts used:\n") + (used.isEmpty() ? QStringLiteral("    none\n") : used);
    if (aToBuy) {
        const QString toBuy = partsListText(aInventory, partsToBuy(aInventory, aFigures.mUsed),
                                            QStringLiteral("    "));
        text += QStringLiteral("  parts to buy:\n") +
                (toBuy.isEmpty() ? QStringLiteral("    none\n") : toBuy);
    }
    return text;
}

QJsonObject figuresJson(const LayoutFigures &aFigures, const TrackInventory &aInventory,
                        bool aToBuy)
{
    QJsonArray lengths;
    for (double length : aFigures.mLaneLengthsMm)
        lengths.append(rounded(length));
    QJsonArray overlaps;
    for (const QPair<int, int> &overlap : aFigures.mOverlaps)
        overlaps.append(QJsonArray{overlap.first, overlap.second});

    QJsonObject report{{"file", aFigures.mFile},
                       {"name", aFigures.mName},
                       {"lanes", aFigures.mLanes},
                       {"pieces", aFigures.mPieces},
                       {"attachments", aFigures.mAttachments},
                       {"lane_lengths_mm", lengths},
                       {"size_mm", QJsonArray{rounded(aFigures.mSizeMm.width()),
                                              rounded(aFigures.mSizeMm.height())}},
                       {"closure", perStrip(aFigures.mClosures, closureJson)},
                       {"overlaps", overlaps},
                       {"lane_balance", perStrip(aFigures.mBalances, balanceJson)},
                       {"parts", partsJson(aInventory, aFigures.mUsed)}};
    if (!aFigures.mUnknownParts.isEmpty())
        report.insert("unknown_parts", QJsonArray::fromStringList(aFigures.mUnknownParts));
    if (aToBuy)
        report.insert("to_buy", partsJson(aInventory, partsToBuy(aInventory, aFigures.mUsed)));
    return report;
}
