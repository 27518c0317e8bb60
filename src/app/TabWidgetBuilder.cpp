#include "TabWidgetBuilder.h"

#include "layout/LayoutScreen.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>

namespace {

// The design's width of the table of pieces used over all layouts.
constexpr int kTrackTableWidth = 257;

QLabel *statsLabel(QWidget *aParent, const char *aName, const char *aText)
{
    auto *label = new QLabel(QString::fromLatin1(aText), aParent);
    label->setObjectName(QString::fromLatin1(aName));
    return label;
}

QTableWidget *statsTable(QWidget *aParent, const char *aName)
{
    auto *table = new QTableWidget(aParent);
    table->setObjectName(QString::fromLatin1(aName));
    return table;
}

} // namespace

StatsTabWidgets buildStatsTab(QWidget *aParent)
{
    StatsTabWidgets stats;
    stats.mPage = new QWidget(aParent);
    stats.mPage->setObjectName(QStringLiteral("statsTab"));
    QWidget *page = stats.mPage;

    stats.mTrackTable = statsTable(page, "trackTableWidget");
    stats.mTrackTable->setMinimumWidth(kTrackTableWidth);
    stats.mLayoutsTable = statsTable(page, "layoutsTableWidget");
    stats.mCatalogPiecesLineEdit = new QLineEdit(page);
    stats.mCatalogPiecesLineEdit->setObjectName(QStringLiteral("catalogPiecesLineEdit"));
    stats.mCatalogPiecesLineEdit->setReadOnly(true);
    fitFieldToText(stats.mCatalogPiecesLineEdit, QStringLiteral("0000"));
    stats.mZeroCheckBox = new QCheckBox(QStringLiteral("HIde Cell rows with zero usage"), page);
    stats.mZeroCheckBox->setObjectName(QStringLiteral("zeroCheckBox"));
    stats.mZeroCheckBox->setEnabled(false);

    // The layouts table's heading row also holds the catalog count and the
    // zero-usage switch, which act on both tables.
    auto *heading = new QHBoxLayout;
    heading->setSpacing(8);
    heading->addWidget(statsLabel(page, "layoutUsageLabel", "Layout Usage"));
    heading->addStretch(1);
    heading->addWidget(statsLabel(page, "catalogPiecesLabel", "Catalog Pieces"));
    heading->addWidget(stats.mCatalogPiecesLineEdit);
    heading->addSpacing(16);
    heading->addWidget(stats.mZeroCheckBox);
    heading->addStretch(2);

    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    grid->addWidget(statsLabel(page, "trackPieceUseLabel", "Track Piece Use"), 0, 0,
                    Qt::AlignBottom);
    grid->addLayout(heading, 0, 1);
    grid->addWidget(stats.mTrackTable, 1, 0);
    grid->addWidget(stats.mLayoutsTable, 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    return stats;
}

WorkingSurface buildTabWidget(QWidget *aParent, std::array<LayoutScreen, kLayoutTabCount> &aScreens)
{
    WorkingSurface surface;
    surface.mTabWidget = new QTabWidget(aParent);
    surface.mTabWidget->setObjectName(QStringLiteral("tabWidget"));

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
