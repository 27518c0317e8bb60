#include "R3600Dialog.h"

#include <QGridLayout>
#include <QToolButton>

#include <cstdio>

namespace {

using L = R3600Dialog;

constexpr int bit(int aLocation)
{
    return 1 << aLocation;
}

// One button: its object name stem, the place it stands for, its picture in
// catalog150 and its text, and where it sits around the host's picture
// (front at the left, the upper side above).
struct ButtonPlace
{
    const char *mStem;
    L::Location mLocation;
    const char *mIcon;
    const char *mText;
    int mRow;
    int mColumn;
};

// The straight aprons (rows 1 and 3 of the middle column) take the host's
// own length; see apronName().
// clang-format off
const ButtonPlace kButtons[] = {
    {"R3603R_FU", L::R3603R_FU,  "R3603R_FUh.jpg", "R3603R", 1, 0},
    {"R3603L_BU", L::R3603L_BU,  "R3603L_BUh.jpg", "R3603L", 1, 2},
    {"R3603L_FL", L::R3603L_FL,  "R3603L_FLh.jpg", "R3603L", 3, 0},
    {"R3603R_BL", L::R3603R_BL,  "R3603R_BLh.jpg", "R3603R", 3, 2},
    {"F7054R_FU", L::F7054R_FU,  "F7054R_FUh.jpg", "F7054R", 0, 0},
    {"F7053L_BU", L::F7053L_BU,  "F7053L_BUh.jpg", "F7053L", 0, 2},
    {"F7053L_FL", L::F7053L_FL,  "F7053L_FLh.jpg", "F7053L", 4, 0},
    {"F7054R_BL", L::F7054R_BL,  "F7054R_BLh.jpg", "F7054R", 4, 2},
    {"R3628o_U",  L::R3628o_Us,  "R3628.png",      "R3628o", 0, 1},
    {"R3628o_L",  L::R3628o_Ls,  "R3628.png",      "R3628o", 4, 1},
    {"R3614_U",   L::UpperApron, nullptr,          nullptr,  1, 1},
    {"R3614_L",   L::LowerApron, nullptr,          nullptr,  3, 1},
};
// clang-format on

// The name of each place, as OK lists it; the aprons' names depend on the host.
const char *const kLocationNames[L::LocationCount] = {
    "R3603R_FU", "R3603R_BL", "R3603L_BU", "R3603L_FL", "F7054R_FU", "F7054R_BL",
    "F7053L_BU", "F7053L_FL", nullptr,     nullptr,     "R3628o_Us", "R3628o_Ls"};

// Checking a place is refused while any of these is set: one piece per spot
// beside the track. Plain transition aprons of one side go together, and a
// fence may follow a plain transition apron, but not the other way round.
constexpr int kUpperTransitions = bit(L::R3603R_FU) | bit(L::R3603L_BU);
constexpr int kLowerTransitions = bit(L::R3603R_BL) | bit(L::R3603L_FL);
const int kConflicts[L::LocationCount] = {
    /* R3603R_FU  */ bit(L::F7054R_FU) | bit(L::F7053L_BU) | bit(L::UpperApron) | bit(L::R3628o_Us),
    /* R3603R_BL  */ bit(L::F7054R_BL) | bit(L::F7053L_FL) | bit(L::LowerApron) | bit(L::R3628o_Ls),
    /* R3603L_BU  */ bit(L::F7054R_FU) | bit(L::F7053L_BU) | bit(L::UpperApron) | bit(L::R3628o_Us),
    /* R3603L_FL  */ bit(L::F7054R_BL) | bit(L::F7053L_FL) | bit(L::LowerApron) | bit(L::R3628o_Ls),
    /* F7054R_FU  */ kUpperTransitions | bit(L::F7053L_BU) | bit(L::UpperApron) | bit(L::R3628o_Us),
    /* F7054R_BL  */ kLowerTransitions | bit(L::F7053L_FL) | bit(L::LowerApron) | bit(L::R3628o_Ls),
    /* F7053L_BU  */ kUpperTransitions | bit(L::F7054R_FU) | bit(L::UpperApron) | bit(L::R3628o_Us),
    /* F7053L_FL  */ kLowerTransitions | bit(L::F7054R_BL) | bit(L::LowerApron) | bit(L::R3628o_Ls),
    /* UpperApron */ kUpperTransitions | bit(L::F7054R_FU) | bit(L::F7053L_BU) | bit(L::R3628o_Us),
    /* LowerApron */ kLowerTransitions | bit(L::F7054R_BL) | bit(L::F7053L_FL) | bit(L::R3628o_Ls),
    /* R3628o_Us  */ bit(L::F7054R_FU) | bit(L::F7053L_BU) | bit(L::UpperApron),
    /* R3628o_Ls  */ bit(L::F7054R_BL) | bit(L::F7053L_FL) | bit(L::LowerApron),
};

// What each host shows: its picture in catalog, its title and the places it
// has no room for.
struct HostSetUp
{
    const char *mHost;
    const char *mPicture;
    const char *mTitle;
    int mHidden;
};

constexpr int kAllButAprons =
    ((1 << L::LocationCount) - 1) & ~bit(L::UpperApron) & ~bit(L::LowerApron);

// clang-format off
const HostSetUp kHosts[] = {
    {"R3600",   "R3600.jpg",   "R3600 Straight Track Attachments", 0},
    {"R3620",   "R3620.jpg",   "R3620 Half Straight Track Attachments", kAllButAprons},
    {"R3620dc", "R3620dc.jpg", "R3620dc custom 1/3 Straight Track Attachments", kAllButAprons},
    {"R3608",   "R3608.jpg",   "R3608 Chicane Track Attachments", 0},
    {"R3609",   "R3609.jpg",   "R3609 Lane Change Track Attachments", 0},
    {"R3602_R", "R3602_R.jpg", "R3602 Terminal Track Attachments (connection tab down/right)",
     bit(L::F7053L_FL) | bit(L::F7054R_BL) | bit(L::LowerApron)},
    {"R3602_L", "R3602_L.jpg", "R3602 Terminal Track Attachments (connection tab up/left)",
     bit(L::F7054R_FU) | bit(L::F7053L_BU) | bit(L::UpperApron)},
    {"R3627_R", "R3627_R.jpg", "R3627 Lap Counter Attachments (dials down/right)",
     bit(L::R3603L_FL) | bit(L::F7053L_FL) | bit(L::R3603R_BL) | bit(L::F7054R_BL) | bit(L::LowerApron)},
    {"R3627_L", "R3627_L.jpg", "R3627 Lap Counter Attachments (dials up/left)",
     bit(L::R3603R_FU) | bit(L::R3603L_BU) | bit(L::F7054R_FU) | bit(L::F7053L_BU) | bit(L::UpperApron)},
};
// clang-format on

const QString kIconDir = QStringLiteral("../data/track_pieces/catalog150/");
const QSize kIconSize(150, 100);

// The straight aprons of the host's length, with their pictures: the half
// and the third straight have aprons of their own.
struct ApronSetUp
{
    const char *mHost; // nullptr: every other straight
    const char *mFamily;
    const char *mUpperIcon;
    const char *mLowerIcon;
};
const ApronSetUp kAprons[] = {
    {"R3620", "R3620a", "R3620a_U.jpg", "R3620a_L.jpg"},
    {"R3620dc", "R3620dca", "R3620dca_U.jpg", "R3620dca_L.jpg"},
    {nullptr, "R3614", "R3614_Uh.jpg", "R3614_Lh.jpg"},
};

const ApronSetUp &apronSetUp(const QString &aHost)
{
    for (const ApronSetUp &row : kAprons) {
        if (!row.mHost || aHost == QLatin1String(row.mHost))
            return row;
    }
    return kAprons[2];
}

} // namespace

R3600Dialog::R3600Dialog(const QString &aHost, QStringList *aNames, QWidget *aParent)
    : AttachmentChooser(aNames, aParent), mHost(aHost)
{
    setWindowTitle(QStringLiteral("R3600 Straight Attachments"));
    buildTree();
    setUpHost();
    checkListed();
    QMetaObject::connectSlotsByName(this);
}

QString R3600Dialog::apronName(bool aUpper) const
{
    return QLatin1String(apronSetUp(mHost).mFamily) +
           (aUpper ? QStringLiteral("_U") : QStringLiteral("_L"));
}

void R3600Dialog::buildTree()
{
    const HostSetUp *host = nullptr;
    for (const HostSetUp &row : kHosts) {
        if (mHost == QLatin1String(row.mHost))
            host = &row;
    }
    auto *grid = new QGridLayout;
    // An unlisted host gets no picture.
    const QString picture =
        host ? QStringLiteral("../data/track_pieces/catalog/") + QLatin1String(host->mPicture)
             : QString();
    grid->addWidget(
        hostPicture(QStringLiteral("R3600Label"), picture, mHost.section(QLatin1Char('_'), 0, 0)),
        2, 0, 1, 3, Qt::AlignCenter);
    for (const ButtonPlace &row : kButtons) {
        QToolButton *button = makeButton(QLatin1String(row.mStem) + QStringLiteral("_ToolButton"));
        mButtons[row.mLocation] = button;
        grid->addWidget(button, row.mRow, row.mColumn, Qt::AlignCenter);
    }
    buildFrame(grid);
}

void R3600Dialog::setUpHost()
{
    int hidden = 0;
    for (const HostSetUp &row : kHosts) {
        if (mHost == QLatin1String(row.mHost)) {
            setWindowTitle(QLatin1String(row.mTitle));
            hidden = row.mHidden;
        }
    }
    const ApronSetUp &apron = apronSetUp(mHost);
    for (const ButtonPlace &row : kButtons) {
        QToolButton *button = mButtons[row.mLocation];
        if (row.mIcon) {
            dressButton(button, kIconDir + QLatin1String(row.mIcon), QLatin1String(row.mText),
                        kIconSize);
        } else {
            const char *icon = row.mLocation == UpperApron ? apron.mUpperIcon : apron.mLowerIcon;
            dressButton(button, kIconDir + QLatin1String(icon), QLatin1String(apron.mFamily),
                        kIconSize);
        }
        button->setVisible(!(hidden & bit(row.mLocation)));
    }
    mFlags.fill(false);
}

void R3600Dialog::checkListed()
{
    for (const QString &name : qAsConst(*mNames)) {
        int location = -1;
        for (int i = 0; i < LocationCount; ++i) {
            if (kLocationNames[i] && name == QLatin1String(kLocationNames[i]))
                location = i;
        }
        // Every length of straight apron marks its side's apron place.
        for (const char *family : {"R3614", "R3620a", "R3620dca"}) {
            if (name == QLatin1String(family) + QStringLiteral("_U"))
                location = UpperApron;
            else if (name == QLatin1String(family) + QStringLiteral("_L"))
                location = LowerApron;
        }
        if (location < 0)
            continue;
        mFlags[location] = true;
        mButtons[location]->setChecked(true);
    }
}

void R3600Dialog::locationClicked(Location aLocation, bool aChecked)
{
    if (aChecked) {
        for (int other = 0; other < LocationCount; ++other) {
            if ((kConflicts[aLocation] & bit(other)) && mFlags[other]) {
                refuse(mButtons[aLocation],
                       QStringLiteral("An attachment for this location already exists"));
                return;
            }
        }
    }
    mFlags[aLocation] = aChecked;
}

void R3600Dialog::on_buttonBox_accepted()
{
    std::printf("R3600Dialog::on_buttonBox_accepted()\n");
    mNames->clear();
    for (int location = 0; location < LocationCount; ++location) {
        if (!mFlags[location])
            continue;
        if (location == UpperApron || location == LowerApron)
            mNames->append(apronName(location == UpperApron));
        else
            mNames->append(QLatin1String(kLocationNames[location]));
    }
}

// clang-format off
void R3600Dialog::on_R3603R_FU_ToolButton_clicked(bool aChecked) { locationClicked(R3603R_FU, aChecked); }
void R3600Dialog::on_R3603L_FL_ToolButton_clicked(bool aChecked) { locationClicked(R3603L_FL, aChecked); }
void R3600Dialog::on_R3603L_BU_ToolButton_clicked(bool aChecked) { locationClicked(R3603L_BU, aChecked); }
void R3600Dialog::on_R3603R_BL_ToolButton_clicked(bool aChecked) { locationClicked(R3603R_BL, aChecked); }
void R3600Dialog::on_R3614_U_ToolButton_clicked(bool aChecked) { locationClicked(UpperApron, aChecked); }
void R3600Dialog::on_R3614_L_ToolButton_clicked(bool aChecked) { locationClicked(LowerApron, aChecked); }
void R3600Dialog::on_F7054R_FU_ToolButton_clicked(bool aChecked) { locationClicked(F7054R_FU, aChecked); }
void R3600Dialog::on_F7054R_BL_ToolButton_clicked(bool aChecked) { locationClicked(F7054R_BL, aChecked); }
void R3600Dialog::on_F7053L_BU_ToolButton_clicked(bool aChecked) { locationClicked(F7053L_BU, aChecked); }
void R3600Dialog::on_F7053L_FL_ToolButton_clicked(bool aChecked) { locationClicked(F7053L_FL, aChecked); }
void R3600Dialog::on_R3628o_L_ToolButton_clicked(bool aChecked) { locationClicked(R3628o_Ls, aChecked); }
void R3600Dialog::on_R3628o_U_ToolButton_clicked(bool aChecked) { locationClicked(R3628o_Us, aChecked); }
// clang-format on
