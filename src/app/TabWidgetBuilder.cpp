#include "TabWidgetBuilder.h"

#include "layout/LayoutScreen.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>

namespace {

QLabel *statsLabel(QWidget *aParent, const char *aName, const QPoint &aPos, const char *aText)
{
    auto *label = new QLabel(QString::fromLatin1(aText), aParent);
    label->setObjectName(QString::fromLatin1(aName));
    label->move(aPos);
    label->adjustSize();
    return label;
}

QTableWidget *statsTable(QWidget *aParent, const char *aName, const QRect &aRect)
{
    auto *table = new QTableWidget(aParent);
    table->setObjectName(QString::fromLatin1(aName));
    table->setGeometry(aRect);
    return table;
}

} // namespace

StatsTabWidgets buildStatsTab(QWidget *aParent)
{
    StatsTabWidgets stats;
    stats.mPage = new QWidget(aParent);
    stats.mPage->setObjectName(QStringLiteral("statsTab"));

    statsLabel(stats.mPage, "trackPieceUseLabel", QPoint(6, 16), "Track Piece Use");
    stats.mTrackTable = statsTable(stats.mPage, "trackTableWidget", QRect(6, 38, 257, 733));
    statsLabel(stats.mPage, "layoutUsageLabel", QPoint(302, 16), "Layout Usage");
    stats.mLayoutsTable = statsTable(stats.mPage, "layoutsTableWidget", QRect(302, 38, 1013, 733));

    statsLabel(stats.mPage, "catalogPiecesLabel", QPoint(560, 14), "Catalog Pieces");
    stats.mCatalogPiecesLineEdit = new QLineEdit(stats.mPage);
    stats.mCatalogPiecesLineEdit->setObjectName(QStringLiteral("catalogPiecesLineEdit"));
    stats.mCatalogPiecesLineEdit->setGeometry(662, 12, 41, 20);
    stats.mCatalogPiecesLineEdit->setReadOnly(true);

    stats.mZeroCheckBox =
        new QCheckBox(QStringLiteral("HIde Cell rows with zero usage"), stats.mPage);
    stats.mZeroCheckBox->setObjectName(QStringLiteral("zeroCheckBox"));
    stats.mZeroCheckBox->setGeometry(730, 12, 260, 20);
    stats.mZeroCheckBox->setEnabled(false);
    return stats;
}

WorkingSurface buildTabWidget(QWidget *aParent, std::array<LayoutScreen, kLayoutTabCount> &aScreens)
{
    WorkingSurface surface;
    surface.mTabWidget = new QTabWidget(aParent);
    surface.mTabWidget->setObjectName(QStringLiteral("tabWidget"));
    surface.mTabWidget->setGeometry(286, 34, 1325, 801);

    surface.mStats = buildStatsTab(surface.mTabWidget);
    surface.mTabWidget->addTab(surface.mStats.mPage, QStringLiteral("Stats"));
    for (int i = 0; i < kLayoutTabCount; ++i) {
        const int tab = i + 1;
        surface.mLayouts[i] = buildLayoutTab(tab, aScreens[i], surface.mTabWidget);
        surface.mTabWidget->addTab(surface.mLayouts[i].mPage, QStringLiteral("Layout %1").arg(tab));
    }
    surface.mTabWidget->setCurrentIndex(1);
    return surface;
}
