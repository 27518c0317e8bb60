#include "LaneColors.h"

#include <array>

namespace {

struct LaneColor
{
    const char *mName;
    Qt::GlobalColor mColor;
};

const std::array<LaneColor, 8> kLaneColors{{
    {"red", Qt::red},
    {"green", Qt::green},
    {"blue", Qt::blue},
    {"yellow", Qt::yellow},
    {"cyan", Qt::cyan},
    {"magenta", Qt::magenta},
    {"black", Qt::black},
    {"white", Qt::white},
}};

} // namespace

const QStringList &laneColorNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const LaneColor &entry : kLaneColors)
            list << QString::fromLatin1(entry.mName);
        return list;
    }();
    return names;
}

QString laneColorName(const QBrush &aBrush)
{
    for (const LaneColor &entry : kLaneColors) {
        if (aBrush == QBrush(entry.mColor))
            return QString::fromLatin1(entry.mName);
    }
    return QStringLiteral("unknown");
}

QBrush laneBrush(const QString &aName)
{
    for (const LaneColor &entry : kLaneColors) {
        if (aName == QLatin1String(entry.mName))
            return QBrush(entry.mColor);
    }
    return QBrush(Qt::black);
}
