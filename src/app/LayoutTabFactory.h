#pragma once

class QGraphicsView;
class QLineEdit;
class QToolButton;
class QString;
class QWidget;
struct LayoutScreen;

// The widgets of one layout tab that the main window needs besides its
// LayoutScreen record: the page to put in the tab widget, the view that
// will show the tab's scene and the button that fits the layout to it.
struct LayoutTabWidgets
{
    QWidget *mPage = nullptr;
    QGraphicsView *mView = nullptr;
    QToolButton *mFitButton = nullptr;
};

// Number of layout tabs; tab 0 of the tab widget is the Stats tab.
constexpr int kLayoutTabCount = 8;

// Builds layout tab aTab (1 to 8) as a page owned by aParent, every widget
// named with the tab number ("graphics3View", "layout3NameLineEdit"),
// labelled and arranged by layouts, with its final tooltip, range and start
// value, and fills aScreen with the tab's display widgets. aScreen's counters
// start at their defaults: no active toolbox button, filled appearance.
LayoutTabWidgets buildLayoutTab(int aTab, LayoutScreen &aScreen, QWidget *aParent = nullptr);

// Gives aEdit the fixed width that shows aSample whole in the field's font:
// a field of bounded content keeps its size when the window grows.
void fitFieldToText(QLineEdit *aEdit, const QString &aSample);
