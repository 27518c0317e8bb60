#include "ToolBoxBuilder.h"

#include "graphics/DiagramTypes.h"

#include <QButtonGroup>
#include <QFile>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolBox>
#include <QToolButton>

namespace {

using D = DiagramTypeBase;

// Two-lane track pieces; ids are the pieces' diagram types.
const ToolCell kTrackCells[] = {
    {0, 0, D::R3600, "R3600", "12\" straight", ":/images/r3600.jpg"},
    {0, 1, D::R3620, "R3620", "6\" straight", ":/images/r3620.jpg"},
    {1, 0, D::R3608, "R3608", "12\" chicane", ":/images/r3608.jpg"},
    {1, 1, D::R3609, "R3609", "12\" lane change", ":/images/r3609.jpg"},
    {2, 0, D::R3601_R, "R3601_R", "14\" curve, right", ":/images/r3601R.jpg"},
    {2, 1, D::R3601_L, "R3601_L", "14\" curve, left", ":/images/r3601L.jpg"},
    {3, 0, D::R3610_R, "R3610_R", "21\" curve, right", ":/images/r3610R.jpg"},
    {3, 1, D::R3610_L, "R3610_L", "21\" curve, left", ":/images/r3610L.jpg"},
    {4, 0, D::R3621_R, "R3621_R", "14\" 1/2 curve, right", ":/images/r3621R.jpg"},
    {4, 1, D::R3621_L, "R3621_L", "14\" 1/2 curve, left", ":/images/r3621L.jpg"},
    {5, 0, D::R3602_R, "R3602_R", "12\" terminal, tab down", ":/images/r3602R.jpg"},
    {5, 1, D::R3602_L, "R3602_L", "12\" terminal, tab up", ":/images/r3602L.jpg"},
    {6, 0, D::R3604_R, "R3604_R", "14\" terminal, right", ":/images/r3604R.jpg"},
    {6, 1, D::R3604_L, "R3604_L", "14\" terminal, left", ":/images/r3604L.jpg"},
    {7, 0, D::R3627_R, "R3627_R", "lap counter, dials down", ":/images/R3627R.jpg"},
    {7, 1, D::R3627_L, "R3627_L", "lap counter, dials up", ":/images/R3627L.jpg"},
    {8, 0, D::R3620dc, "R3620dc", "4\" custom strait", ":/images/r3620dc.jpg"},
};

// Aprons, transitions and fences. Two aprons of a pair share a part label;
// the id tells which side and end the button places.
const ToolCell kApronCells[] = {
    {0, 0, D::R3603R_FU, "R3603R", "LU straight trans", ":/images/r3603RL.jpg"},
    {0, 1, D::R3603L_BU, "R3603L", "RU straight trans", ":/images/r3603LL.jpg"},
    {1, 0, D::R3603L_FL, "R3603L", "LL straight trans", ":/images/r3603LR.jpg"},
    {1, 1, D::R3603R_BL, "R3603R", "RL straight trans", ":/images/r3603RR.jpg"},
    {2, 0, D::R3614_U, "R3614", "upper str apron", ":/images/r3614L.jpg"},
    {2, 1, D::R3620a_U, "R3620a", "upper 1/2 str apron", ":/images/r3620aL.jpg"},
    {3, 0, D::R3614_L, "R3614", "lower str apron", ":/images/r3614R.jpg"},
    {3, 1, D::R3620a_L, "R3620a", "lower 1/2 str apron", ":/images/r3620aR.jpg"},
    {4, 0, D::R3605, "R3605", "14\" outside apron", ":/images/r3605_R.jpg"},
    {4, 1, D::R3612, "R3612", "14\" inside apron", ":/images/r3612_R.jpg"},
    {5, 0, D::R3611, "R3611", "21\" outside apron", ":/images/r3611_R.jpg"},
    {5, 1, D::R3613, "R3613", "21\" inside apron", ":/images/r3613_R.jpg"},
    {6, 0, D::R3615R_R, "R3615R", "14\" R trans\nright turn", ":/images/r3615R_R.jpg"},
    {6, 1, D::R3615L_R, "R3615L", "14\" L trans\nright turn", ":/images/r3615L_R.jpg"},
    {7, 0, D::R3615R_L, "R3615R", "14\" R trans\nleft turn", ":/images/r3615R_L.jpg"},
    {7, 1, D::R3615L_L, "R3615L", "14\" L trans\nleft turn", ":/images/r3615L_L.jpg"},
    {8, 0, D::R3616R_R, "R3616R", "21\" R trans\nright turn", ":/images/r3616R_R.jpg"},
    {8, 1, D::R3616L_R, "R3616L", "21\" L trans\nright turn", ":/images/r3616L_R.jpg"},
    {9, 0, D::R3616R_L, "R3616R", "21\" R trans\nleft turn", ":/images/r3616R_L.jpg"},
    {9, 1, D::R3616L_L, "R3616L", "21\" L trans\nleft turn", ":/images/r3616L_L.jpg"},
    {10, 0, D::R3621o, "R3621o", "1/2 14\" outside apron", ":/images/r3621o_R.jpg"},
    {10, 1, D::R3621i, "R3621i", "1/2 14\" inside apron", ":/images/r3621i_R.jpg"},
    {11, 0, D::F7054R_FU, "F7054R", "banked trans\nfront", ":/images/F7054R_L.jpg"},
    {11, 1, D::F7053L_BU, "F7053L", "banked trans\nback", ":/images/F7053L.jpg"},
    {12, 0, D::F7053L_FL, "F7053L", "banked trans\nfront", ":/images/F7053L_R.jpg"},
    {12, 1, D::F7054R_BL, "F7054R", "banked trans\nback", ":/images/F7054R.jpg"},
    {13, 0, D::R3617g, "R3617g", "14\" gray fence", ":/images/r3617.jpg"},
    {13, 1, D::R3617w, "R3617w", "14\" white fence", ":/images/r3617.jpg"},
    {14, 0, D::R3618g, "R3618g", "21\" gray fence", ":/images/r3618.jpg"},
    {14, 1, D::R3618w, "R3618w", "21\" white fence", ":/images/r3618.jpg"},
    {15, 0, D::R3628o14, "R3628o14", "14\" orange fence", ":/images/R3628.jpg"},
    {15, 1, D::R3628o21, "R3628o21", "21\" orange fence", ":/images/R3628.jpg"},
    {16, 0, D::R3628o_Us, "R3628o_Us", "upper orange fence\nstraight", ":/images/R3628.jpg"},
    {16, 1, D::R3628o_Ls, "R3628o_Ls", "lower orange fence\nstraight", ":/images/R3628.jpg"},
    {17, 0, D::R3620dca_U, "R3620dca", "upper 1/3 str apron", ":/images/r3620dcaL.jpg"},
    {17, 1, D::R3620dca_L, "R3620dca", "lower 1/3 str apron", ":/images/r3620dcaR.jpg"},
};

// Four-lane pairs: their pictures are photographs read from the data folder.
const ToolCell kTrack4Cells[] = {
    {0, 0, D::R3600R3600, "R3600R3600", "12\" straight", "4laneStraight.jpg"},
    {0, 1, D::R3620R3620, "R3620R3620", "6\" straight", "4laneHalfStraight.jpg"},
    {1, 0, D::R3608R3608, "R3608R3608", "12\" chicane", "4laneChicane.jpg"},
    {1, 1, D::R3609R3609, "R3609R3609", "12\" lane swap", "4laneSwap.jpg"},
    {2, 0, D::R3601R3610_R, "R3601R3610_R", "60 deg right", "4lane60right.jpg"},
    {2, 1, D::R3601R3610_L, "R3601R3610_L", "60 deg left", "4lane60left.jpg"},
    {3, 0, D::R3600R3602, "R3600R3602", "terminal upper", "4lane1terminalTop.jpg"},
    {3, 1, D::R3602R3600, "R3602R3600", "terminal lower", "4lane1terminalBottom.jpg"},
    {4, 0, D::R3602R3602, "R3602R3602", "terminal both", "4lane2terminal.jpg"},
    {5, 0, D::R3621R3610_R, "R3621R3610_R", "30 deg right", "4lane30right.jpg"},
    {5, 1, D::R3621R3610_L, "R3621R3610_L", "30 deg left", "4lane30left.jpg"},
    {6, 0, D::R3620dcR3620dc, "R3620dcR3620dc", "4\" custom strait", "4laneThirdStraight.jpg"},
};

// Backgrounds: the text is also the tooltip and selects the scene's tile.
const ToolCell kBackgroundCells[] = {
    {0, 0, -1, "Blue Grid", "Blue Grid", ":/images/background1.png"},
    {0, 1, -1, "White Grid", "White Grid", ":/images/background2.png"},
    {1, 0, -1, "Gray Grid", "Gray Grid", ":/images/background3.png"},
    {1, 1, -1, "No Grid", "No Grid", ":/images/background4.png"},
};

template <std::size_t N> constexpr int count(const ToolCell (&)[N])
{
    return static_cast<int>(N);
}

const std::array<ToolPage, ToolBoxBuilder::PageCount> kPages = {{
    {"Track Pieces - 2 lane", "trackPage", 60, "", kTrackCells, count(kTrackCells)},
    {"Attachment Pieces - 2 lane", "apronPage", 60, "", kApronCells, count(kApronCells)},
    {"Track Pieces - 4 lane", "track4Page", 90, "../data/track_pieces/photos150/", kTrack4Cells,
     count(kTrack4Cells)},
    {"Backgrounds", "backgroundPage", 50, "", kBackgroundCells, count(kBackgroundCells)},
}};

QButtonGroup *newGroup(QObject *aOwner, bool aExclusive)
{
    auto *group = new QButtonGroup(aOwner);
    group->setExclusive(aExclusive);
    return group;
}

// A page's grid of cells. The row after the last and a third column take
// the spare room, which keeps the cells packed at the top left.
QWidget *makeGrid(const ToolPage &aPage, QButtonGroup *aGroup)
{
    auto *grid = new QWidget;
    auto *layout = new QGridLayout(grid);
    // Narrow margins: the toolbox's width is taken from the drawing's.
    layout->setContentsMargins(4, 4, 4, 4);
    int lastRow = 0;
    for (int i = 0; i < aPage.mCellCount; ++i) {
        const ToolCell &cell = aPage.mCells[i];
        QToolButton *button = nullptr;
        layout->addWidget(ToolBoxBuilder::makeCell(cell, aPage, &button), cell.mRow, cell.mColumn);
        aGroup->addButton(button, cell.mId);
        lastRow = qMax(lastRow, cell.mRow);
    }
    layout->setRowStretch(lastRow + 1, 10);
    layout->setColumnStretch(2, 10);
    return grid;
}

// A page scrolls, since the attachment page is far taller than the toolbox.
QScrollArea *makePage(const char *aObjectName)
{
    auto *page = new QScrollArea;
    page->setObjectName(QString::fromLatin1(aObjectName));
    page->setFrameShape(QFrame::NoFrame);
    page->setWidgetResizable(true);
    page->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return page;
}

} // namespace

void ToolBoxParts::clearPieceSelection() const
{
    for (QButtonGroup *group : {mTrackGroup, mTrack4Group, mApronGroup}) {
        if (!group)
            continue;
        for (QAbstractButton *button : group->buttons())
            button->setChecked(false);
    }
}

const std::array<ToolPage, ToolBoxBuilder::PageCount> &ToolBoxBuilder::pages()
{
    return kPages;
}

QIcon ToolBoxBuilder::loadIcon(const QString &aPath)
{
    if (aPath.isEmpty() || !QFile::exists(aPath))
        return QIcon();
    return QIcon(aPath);
}

QWidget *ToolBoxBuilder::makeCell(const ToolCell &aCell, const ToolPage &aPage,
                                  QToolButton **aButton)
{
    const QString label = QString::fromLatin1(aCell.mLabel);
    auto *button = new QToolButton;
    button->setCheckable(true);
    button->setIcon(
        loadIcon(QString::fromLatin1(aPage.mIconDir) + QString::fromLatin1(aCell.mIcon)));
    button->setIconSize(QSize(aPage.mIconSize, aPage.mIconSize));
    button->setText(label);
    button->setToolTip(QString::fromLatin1(aCell.mToolTip));

    auto *cell = new QWidget;
    auto *layout = new QGridLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(button, 0, 0, Qt::AlignHCenter);
    layout->addWidget(new QLabel(label), 1, 0, Qt::AlignHCenter);
    if (aButton)
        *aButton = button;
    return cell;
}

QToolBox *ToolBoxBuilder::createToolBox(QWidget *aParent)
{
    auto *toolBox = new QToolBox(aParent);
    toolBox->setObjectName(QStringLiteral("toolBox"));
    toolBox->setToolTip(QStringLiteral("toolbox"));
    toolBox->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Ignored);
    toolBox->addItem(makePage(kPages[TrackPage].mObjectName), QStringLiteral("Page 1"));
    toolBox->addItem(makePage(kPages[ApronPage].mObjectName), QStringLiteral("Page 2"));
    return toolBox;
}

ToolBoxParts ToolBoxBuilder::fill(QToolBox *aToolBox, QObject *aGroupOwner)
{
    ToolBoxParts parts;
    parts.mToolBox = aToolBox;
    parts.mTrackGroup = newGroup(aGroupOwner, false);
    parts.mApronGroup = newGroup(aGroupOwner, false);
    parts.mTrack4Group = newGroup(aGroupOwner, false);
    parts.mBackgroundGroup = newGroup(aGroupOwner, true);
    const std::array<QButtonGroup *, PageCount> groups = {
        {parts.mTrackGroup, parts.mApronGroup, parts.mTrack4Group, parts.mBackgroundGroup}};

    const QSignalBlocker blocker(aToolBox);
    for (int i = 0; i < PageCount; ++i) {
        const QString title = QString::fromLatin1(kPages[i].mTitle);
        auto *page = qobject_cast<QScrollArea *>(aToolBox->widget(i));
        if (page) {
            aToolBox->setItemText(i, title);
        } else {
            page = makePage(kPages[i].mObjectName);
            aToolBox->addItem(page, title);
        }
        page->setWidget(makeGrid(kPages[i], groups[i]));
    }
    // Wide enough for the widest page, the 4-lane one, with the scroll bar
    // that its height calls for beside it, so no page is cut.
    const auto *widest = static_cast<const QScrollArea *>(aToolBox->widget(Track4Page));
    aToolBox->setMinimumWidth(widest->widget()->sizeHint().width() +
                              widest->verticalScrollBar()->sizeHint().width() +
                              2 * widest->frameWidth());
    aToolBox->setCurrentIndex(0);
    return parts;
}

ToolBoxParts ToolBoxBuilder::build(QWidget *aParent, QObject *aGroupOwner)
{
    return fill(createToolBox(aParent), aGroupOwner);
}
