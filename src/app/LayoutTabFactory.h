#pragma once

struct LayoutScreen;
class QGraphicsView;
class QWidget;

// The widgets of one layout tab that the main window needs besides its
// LayoutScreen record: the page to put in the tab widget and the view that
// will show the tab's scene.
struct LayoutTabWidgets
{
    QWidget *mPage = nullptr;
    QGraphicsView *mView = nullptr;
};

// Number of layout tabs; tab 0 of the tab widget is the Stats tab.
constexpr int kLayoutTabCount = 8;

// Builds layout tab aTab (1 to 8) as a page owned by aParent, every widget
// named with the tab number ("graphics3View", "layout3NameLineEdit"), placed
// and labelled, with its final tooltip, range and start value, and fills
// aScreen with the tab's display widgets. aScreen's counters start at their
// defaults: no active toolbox button, filled appearance.
LayoutTabWidgets buildLayoutTab(int aTab, LayoutScreen &aScreen, QWidget *aParent = nullptr);
