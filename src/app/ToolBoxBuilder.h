#pragma once

#include <QString>

#include <array>

class QButtonGroup;
class QIcon;
class QObject;
class QToolBox;
class QToolButton;
class QWidget;

// One button of the toolbox: where it sits in its page's two-column grid,
// its id (the diagram type it places; -1 for the background buttons, which
// take the group's automatic ids), the part label under it, its tooltip and
// its icon (a resource path, or a file name inside the page's icon folder).
struct ToolCell
{
    int mRow;
    int mColumn;
    int mId;
    const char *mLabel;
    const char *mToolTip;
    const char *mIcon;
};

// One page of the toolbox and the cells it holds, in table order.
struct ToolPage
{
    const char *mTitle;
    const char *mObjectName;
    int mIconSize;        // square, in pixels
    const char *mIconDir; // prefix of the cells' icons
    const ToolCell *mCells;
    int mCellCount;
};

// The toolbox and its four button groups. The groups belong to the owner
// given to ToolBoxBuilder::build; only the background group is exclusive,
// the others let the main window decide what a second click means.
struct ToolBoxParts
{
    QToolBox *mToolBox = nullptr;
    QButtonGroup *mTrackGroup = nullptr;      // 2-lane track pieces
    QButtonGroup *mApronGroup = nullptr;      // aprons, transitions, fences
    QButtonGroup *mTrack4Group = nullptr;     // 4-lane track pieces
    QButtonGroup *mBackgroundGroup = nullptr; // scene backgrounds

    // Unchecks every piece button (track, 4-lane and attachment groups);
    // the background choice stays.
    void clearPieceSelection() const;
};

// Builds the toolbox from its tables: one page per table, one cell per row.
class ToolBoxBuilder
{
public:
    enum Page
    {
        TrackPage,
        ApronPage,
        Track4Page,
        BackgroundPage,
        PageCount
    };

    // The four pages in toolbox order.
    static const std::array<ToolPage, PageCount> &pages();

    // The empty `toolBox` of the window's widget tree inside aParent, with its
    // tooltip and size policy (the window's layout places it), and the two
    // pages that fill() retitles and fills. It exists before the window
    // connects its slots by name.
    static QToolBox *createToolBox(QWidget *aParent);

    // Gives aToolBox (made by createToolBox) its pages, buttons and groups
    // (owned by aGroupOwner): the first two pages are retitled and filled, the
    // 4-lane and background pages appended; page 0 current. Signals are held
    // back meanwhile, so a toolbox already connected by name sees no page change.
    static ToolBoxParts fill(QToolBox *aToolBox, QObject *aGroupOwner);

    // createToolBox() and fill() in one go.
    static ToolBoxParts build(QWidget *aParent, QObject *aGroupOwner);

    // The icon at aPath; an empty icon when the file is missing, so a
    // missing picture never shows a broken image.
    static QIcon loadIcon(const QString &aPath);

    // The cell widget for one table row: a checkable tool button above a
    // label with the part label. The button is returned through aButton.
    static QWidget *makeCell(const ToolCell &aCell, const ToolPage &aPage, QToolButton **aButton);
};
