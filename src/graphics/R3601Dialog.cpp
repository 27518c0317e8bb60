#include "R3601Dialog.h"

#include "layout/AttachmentRules.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

#include <cstdio>

namespace {

using L = R3601Dialog;

constexpr int bit(int aLocation)
{
    return 1 << aLocation;
}

constexpr int kAll = (1 << L::LocationCount) - 1;
constexpr int kFences = bit(L::GrayFence) | bit(L::WhiteFence) | bit(L::OrangeFence);

// The entry names, by place.
const char *const kNames[L::LocationCount] = {"R3605",  "R3612",  "R3615R", "R3615L",
                                              "R3617g", "R3617w", "R3628o"};

// Checking a place is refused while any of these is set: a fence stands
// where the outer apron lies and there is room for one fence only; the inner
// apron and the two transition aprons share the inside of the curve.
const int kConflicts[L::LocationCount] = {
    /* OuterApron      */ kFences,
    /* InnerApron      */ bit(L::RightTransition) | bit(L::LeftTransition),
    /* RightTransition */ bit(L::InnerApron) | bit(L::LeftTransition),
    /* LeftTransition  */ bit(L::InnerApron) | bit(L::RightTransition),
    /* GrayFence       */ bit(L::OuterApron) | bit(L::WhiteFence) | bit(L::OrangeFence),
    /* WhiteFence      */ bit(L::OuterApron) | bit(L::GrayFence) | bit(L::OrangeFence),
    /* OrangeFence     */ bit(L::OuterApron) | bit(L::GrayFence) | bit(L::WhiteFence),
};

// What each host shows: picture, title, the places shown, and the text and
// icon file of each place's button.
struct HostSetUp
{
    const char *mHost;
    const char *mPicture;
    const char *mTitle;
    int mShown;
    const char *mTexts[L::LocationCount];
    const char *mIcons[L::LocationCount];
};

// clang-format off
#define FOURTEEN_INCH_PARTS                                                                        \
    {"R3605", "R3612", "R3615R", "R3615L", "R3617g", "R3617w", "R3628o"},                          \
    {"R3605.jpg", "R3612.jpg", "R3615R.jpg", "R3615L.jpg", "R3617.png", "R3617.png", "R3628.png"}
const HostSetUp kHosts[] = {
    {"R3601", "catalog/R3601.jpg", "R3601 14 Inch Radius Curve Track Attachments", kAll,
     FOURTEEN_INCH_PARTS},
    {"R3604", "catalog/R3604.jpg", "R3604 14 Inch Radius Curved Terminal Attachments",
     bit(L::InnerApron) | bit(L::RightTransition) | bit(L::LeftTransition), FOURTEEN_INCH_PARTS},
    {"R3610", "catalog/R3610.jpg", "R3610 21 Inch Radius Curve Track Attachments", kAll,
     {"R3611", "R3613", "R3616R", "R3616L", "R3618g", "R3618w", "R3628o"},
     {"R3611.jpg", "R3613.jpg", "R3616R.jpg", "R3616L.jpg", "R3618.png", "R3618.png", "R3628.png"}},
    {"R3621", "catalog/R3621.jpg", "R3621 14 Inch Radius Half Curve Track Attachments",
     bit(L::OuterApron) | bit(L::InnerApron),
     {"R3621o", "R3621i", "", "", "", "", ""},
     {"R3621o.jpg", "R3621i.jpg", "", "", "", "", ""}},
    {"F8517", "photos150/F8517.png", "F8517 Banked Curve Track Attachments", bit(L::OrangeFence),
     FOURTEEN_INCH_PARTS},
};
#undef FOURTEEN_INCH_PARTS
// clang-format on

// An unlisted host shows every place, without a picture.
const HostSetUp kUnlisted = {
    "",
    "",
    "Curved Track Attachments",
    kAll,
    {"R3605", "R3612", "R3615R", "R3615L", "R3617g", "R3617w", "R3628o"},
    {"R3605.jpg", "R3612.jpg", "R3615R.jpg", "R3615L.jpg", "R3617.png", "R3617.png", "R3628.png"}};

const HostSetUp &hostSetUp(const QString &aHost)
{
    for (const HostSetUp &row : kHosts) {
        if (aHost == QLatin1String(row.mHost))
            return row;
    }
    return kUnlisted;
}

const QString kPieceDir = QStringLiteral("../data/track_pieces/");

// Where each place's button and its label sit: the outside of the curve
// above the host's picture, the inside below it.
struct Cell
{
    int mRow;
    int mColumn;
    const char *mLabelName; // nullptr: the place has no label
    const char *mLabelText;
};
const Cell kCells[L::LocationCount] = {
    {2, 0, "outerLabel", "spin-out apron"},
    {5, 0, "innerLabel", "spin-in apron"},
    {5, 1, "rightTransLabel", "right transition apron"},
    {5, 2, "leftTransLabel", "left transition apron"},
    {2, 1, nullptr, nullptr},
    {2, 2, nullptr, nullptr},
    {2, 3, nullptr, nullptr},
};

} // namespace

R3601Dialog::R3601Dialog(const QString &aHost, QStringList *aNames, QWidget *aParent)
    : AttachmentChooser(aNames, aParent), mHost(aHost)
{
    buildTree();
    setUpHost();
    QMetaObject::connectSlotsByName(this);
}

void R3601Dialog::buildTree()
{
    const HostSetUp &host = hostSetUp(mHost);
    setWindowTitle(QLatin1String(host.mTitle));

    auto *grid = new QGridLayout;
    auto *title = new QLabel(QStringLiteral("Curved Track Attachments"), this);
    title->setObjectName(QStringLiteral("titleLabel"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    grid->addWidget(title, 0, 0, 1, 4, Qt::AlignCenter);

    const QString picture = *host.mPicture ? kPieceDir + QLatin1String(host.mPicture) : QString();
    grid->addWidget(hostPicture(QStringLiteral("R3601Label"), picture, mHost), 3, 0, 1, 4,
                    Qt::AlignCenter);
    for (int location = 0; location < LocationCount; ++location) {
        const Cell &cell = kCells[location];
        QToolButton *button =
            makeButton(QLatin1String(kNames[location]) + QStringLiteral("_ToolButton"));
        mButtons[location] = button;
        grid->addWidget(button, cell.mRow, cell.mColumn, Qt::AlignCenter);
        if (cell.mLabelName) {
            auto *label = new QLabel(QLatin1String(cell.mLabelText), this);
            label->setObjectName(QLatin1String(cell.mLabelName));
            mLabels[location] = label;
            grid->addWidget(label, cell.mRow - 1, cell.mColumn, Qt::AlignCenter);
        }
    }
    buildFrame(grid);
}

void R3601Dialog::setUpHost()
{
    const HostSetUp &host = hostSetUp(mHost);
    const QStringList entries = AttachmentRules::curveChooserEntries(mHost);
    for (int location = 0; location < LocationCount; ++location) {
        const bool shown = host.mShown & bit(location);
        mButtons[location]->setVisible(shown);
        if (mLabels[location])
            mLabels[location]->setVisible(shown);
        const QString name = QLatin1String(kNames[location]);
        if (!entries.contains(name))
            continue;
        // The fences of 21 inch and orange fences are long and low.
        const QString text = QLatin1String(host.mTexts[location]);
        const bool longFence =
            text.startsWith(QLatin1String("R3618")) || text.startsWith(QLatin1String("R3628"));
        dressButton(mButtons[location],
                    kPieceDir + QStringLiteral("catalog150/") +
                        QLatin1String(host.mIcons[location]),
                    text, longFence ? QSize(150, 63) : QSize(150, 100));
        mEntries.append(Entry{name, mButtons[location], Location(location)});
    }
    mFlags.fill(false);
    for (const Entry &entry : qAsConst(mEntries)) {
        if (!mNames->contains(entry.mName))
            continue;
        entry.mButton->setChecked(true);
        mFlags[entry.mLocation] = true;
    }
}

void R3601Dialog::locationClicked(Location aLocation, bool aChecked)
{
    // A place without an entry for this host is never offered.
    bool isEntry = false;
    for (const Entry &entry : qAsConst(mEntries))
        isEntry = isEntry || entry.mLocation == aLocation;
    if (!isEntry) {
        mButtons[aLocation]->setChecked(false);
        return;
    }
    if (aChecked) {
        for (int other = 0; other < LocationCount; ++other) {
            if ((kConflicts[aLocation] & bit(other)) && mFlags[other]) {
                refuse(mButtons[aLocation],
                       QStringLiteral("An existing attachment conflicts with this piece"));
                return;
            }
        }
    }
    mFlags[aLocation] = aChecked;
}

void R3601Dialog::on_buttonBox_accepted()
{
    std::printf("R3601Dialog::on_buttonBox_accepted() using %s\n", qPrintable(mHost));
    std::fflush(stdout);
    mNames->clear();
    for (const Entry &entry : qAsConst(mEntries)) {
        if (mFlags[entry.mLocation])
            mNames->append(entry.mName);
    }
}

// clang-format off
void R3601Dialog::on_R3605_ToolButton_clicked(bool aChecked) { locationClicked(OuterApron, aChecked); }
void R3601Dialog::on_R3612_ToolButton_clicked(bool aChecked) { locationClicked(InnerApron, aChecked); }
void R3601Dialog::on_R3615R_ToolButton_clicked(bool aChecked) { locationClicked(RightTransition, aChecked); }
void R3601Dialog::on_R3615L_ToolButton_clicked(bool aChecked) { locationClicked(LeftTransition, aChecked); }
void R3601Dialog::on_R3617g_ToolButton_clicked(bool aChecked) { locationClicked(GrayFence, aChecked); }
void R3601Dialog::on_R3628o_ToolButton_clicked(bool aChecked) { locationClicked(OrangeFence, aChecked); }
void R3601Dialog::on_R3617w_ToolButton_clicked(bool aChecked) { locationClicked(WhiteFence, aChecked); }
// clang-format on
