#pragma once

#include "LayoutTabFactory.h"

#include <array>

struct LayoutScreen;
class QCheckBox;
class QLineEdit;
class QTabWidget;
class QTableWidget;
class QWidget;

// The Stats tab: usage of the catalog's pieces over all eight layouts.
struct StatsTabWidgets
{
    QWidget *mPage = nullptr;
    QTableWidget *mTrackTable = nullptr;   // trackTableWidget
    QTableWidget *mLayoutsTable = nullptr; // layoutsTableWidget
    QLineEdit *mCatalogPiecesLineEdit = nullptr;
    QCheckBox *mZeroCheckBox = nullptr;
};

// The main window's working surface: the tab widget with the Stats tab and
// the eight layout tabs.
struct WorkingSurface
{
    QTabWidget *mTabWidget = nullptr;
    StatsTabWidgets mStats;
    std::array<LayoutTabWidgets, kLayoutTabCount> mLayouts;
};

// Builds the Stats tab page, owned by aParent. Its tables are empty: the
// usage tables are set up later, and until then there is nothing to hide, so
// the zero-usage check box starts disabled.
StatsTabWidgets buildStatsTab(QWidget *aParent = nullptr);

// Builds `tabWidget` inside aParent with "Stats" and "Layout 1" to "Layout 8",
// filling aScreens in tab order. Layout 1 is left current, so that making the
// Stats tab current afterwards is a real change that runs the tab activation.
WorkingSurface buildTabWidget(QWidget *aParent,
                              std::array<LayoutScreen, kLayoutTabCount> &aScreens);
