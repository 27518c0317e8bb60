#include "tools/PictureList.h"

#include <QFileInfo>

#include <array>
#include <utility>

namespace {

const QSize kToolIcon(96, 96);       // toolbox buttons, shown at 60 x 60
const QSize kHostPicture(300, 200);  // host pictures of the attachment choosers
const QSize kChooserIcon(150, 100);  // chooser buttons, shown at 150 x 100
const QSize kFenceIcon(150, 63);     // fence buttons, shown at 150 x 63
const QSize kFourLaneIcon(150, 150); // four-lane toolbox buttons, shown at 90 x 90
const QSize kBankedChooser(257, 184);
const QSize kBankedDialog(150, 107);
const QSize kBankedButton(75, 74); // shown at 60 x 59
const QSize kLegend(300, 210);
const QSize kActionIcon(64, 64);
const QSize kViewerIcon(48, 48);
const QSize kPartPicture(160, 110); // the parts page, one per inventory part
const QSize kProgramIcon(256, 256); // the desktop's and the window's icon
// Two feet of layout at the scene's 5/24 units per millimetre (609.6 mm).
const QSize kTile(127, 127);

const QString kImages = QStringLiteral(":/images/");
const QString kCatalog = QStringLiteral("../data/track_pieces/catalog/");
const QString kCatalog150 = QStringLiteral("../data/track_pieces/catalog150/");
const QString kPhotos150 = QStringLiteral("../data/track_pieces/photos150/");
const QString kPhotos75 = QStringLiteral("../data/track_pieces/photos75/");
const QString kParts = QStringLiteral("../data/html/images/parts/");

PictureEntry piece(const QString &aName, QSize aSize, const QStringList &aChain,
                   const QStringList &aAttachments = {})
{
    PictureEntry entry;
    entry.mName = aName;
    entry.mSize = aSize;
    entry.mKind = PictureKind::Piece;
    entry.mLanes12 = aChain;
    entry.mAttachments = aAttachments;
    return entry;
}

PictureEntry attachment(const QString &aName, QSize aSize, const QString &aHost,
                        const QString &aAttachment)
{
    return piece(aName, aSize, {aHost}, {aAttachment});
}

PictureEntry fourLane(const QString &aFile, const QStringList &aLanes12,
                      const QStringList &aLanes34)
{
    PictureEntry entry = piece(kPhotos150 + aFile, kFourLaneIcon, aLanes12);
    entry.mLanes34 = aLanes34;
    return entry;
}

PictureEntry glyph(const QString &aName, QSize aSize, Glyph aGlyph)
{
    PictureEntry entry;
    entry.mName = aName;
    entry.mSize = aSize;
    entry.mKind = PictureKind::Glyph;
    entry.mGlyph = aGlyph;
    return entry;
}

PictureEntry background(const QString &aName, Background aBackground)
{
    PictureEntry entry;
    entry.mName = aName;
    entry.mSize = kTile;
    entry.mKind = PictureKind::Background;
    entry.mBackground = aBackground;
    return entry;
}

PictureEntry legend(const QString &aName)
{
    PictureEntry entry;
    entry.mName = aName;
    entry.mSize = kLegend;
    entry.mKind = PictureKind::Legend;
    return entry;
}

// A banked turn as the chooser expands it: entry transition, banked 30 degree
// curves, exit transition. Three curves make the quarter turn the user meets most.
QStringList bankedTurn(bool aRight)
{
    QStringList chain{aRight ? "F8514L_R" : "F8519R_L"};
    for (int i = 0; i < 3; ++i)
        chain << (aRight ? "F8517_R" : "F8517_L");
    chain << (aRight ? "F8519R_R" : "F8514L_L");
    return chain;
}

void addToolbox(QVector<PictureEntry> &aList)
{
    const QSize s = kToolIcon;
    aList << piece(kImages + "r3600.jpg", s, {"R3600"})
          << piece(kImages + "r3620.jpg", s, {"R3620"})
          << piece(kImages + "r3620dc.jpg", s, {"R3620dc"})
          << piece(kImages + "r3602R.jpg", s, {"R3602_R"})
          << piece(kImages + "r3602L.jpg", s, {"R3602_L"})
          << piece(kImages + "r3608.jpg", s, {"R3608"})
          << piece(kImages + "r3609.jpg", s, {"R3609"})
          << piece(kImages + "R3627R.jpg", s, {"R3627_R"})
          << piece(kImages + "R3627L.jpg", s, {"R3627_L"})
          << piece(kImages + "r3601R.jpg", s, {"R3601_R"})
          << piece(kImages + "r3601L.jpg", s, {"R3601_L"})
          << piece(kImages + "r3604R.jpg", s, {"R3604_R"})
          << piece(kImages + "r3604L.jpg", s, {"R3604_L"})
          << piece(kImages + "r3610R.jpg", s, {"R3610_R"})
          << piece(kImages + "r3610L.jpg", s, {"R3610_L"})
          << piece(kImages + "r3621R.jpg", s, {"R3621_R"})
          << piece(kImages + "r3621L.jpg", s, {"R3621_L"});

    // The attachment page: "L" in a straight apron's name is the upper/left
    // side, "R" the lower/right one; curve attachments are shown on a right turn.
    aList << attachment(kImages + "r3603RL.jpg", s, "R3600", "R3603R_FU")
          << attachment(kImages + "r3603LL.jpg", s, "R3600", "R3603L_BU")
          << attachment(kImages + "r3603LR.jpg", s, "R3600", "R3603L_FL")
          << attachment(kImages + "r3603RR.jpg", s, "R3600", "R3603R_BL")
          << attachment(kImages + "r3614L.jpg", s, "R3600", "R3614_U")
          << attachment(kImages + "r3614R.jpg", s, "R3600", "R3614_L")
          << attachment(kImages + "r3620aL.jpg", s, "R3620", "R3620a_U")
          << attachment(kImages + "r3620aR.jpg", s, "R3620", "R3620a_L")
          << attachment(kImages + "r3605_R.jpg", s, "R3601_R", "R3605_R")
          << attachment(kImages + "r3612_R.jpg", s, "R3601_R", "R3612_R")
          << attachment(kImages + "r3611_R.jpg", s, "R3610_R", "R3611_R")
          << attachment(kImages + "r3613_R.jpg", s, "R3610_R", "R3613_R")
          << attachment(kImages + "r3615R_R.jpg", s, "R3601_R", "R3615R_R")
          << attachment(kImages + "r3615L_R.jpg", s, "R3601_R", "R3615L_R")
          << attachment(kImages + "r3615R_L.jpg", s, "R3601_L", "R3615R_L")
          << attachment(kImages + "r3615L_L.jpg", s, "R3601_L", "R3615L_L")
          << attachment(kImages + "r3616R_R.jpg", s, "R3610_R", "R3616R_R")
          << attachment(kImages + "r3616L_R.jpg", s, "R3610_R", "R3616L_R")
          << attachment(kImages + "r3616R_L.jpg", s, "R3610_L", "R3616R_L")
          << attachment(kImages + "r3616L_L.jpg", s, "R3610_L", "R3616L_L")
          << attachment(kImages + "r3621o_R.jpg", s, "R3621_R", "R3621o_R")
          << attachment(kImages + "r3621i_R.jpg", s, "R3621_R", "R3621i_R")
          << attachment(kImages + "F7054R_L.jpg", s, "R3600", "F7054R_FU")
          << attachment(kImages + "F7053L.jpg", s, "R3600", "F7053L_BU")
          << attachment(kImages + "F7053L_R.jpg", s, "R3600", "F7053L_FL")
          << attachment(kImages + "F7054R.jpg", s, "R3600", "F7054R_BL")
          << attachment(kImages + "r3617.jpg", s, "R3601_R", "R3617g_R")
          << attachment(kImages + "r3618.jpg", s, "R3610_R", "R3618g_R")
          << attachment(kImages + "R3628.jpg", s, "R3601_R", "R3628o_R14")
          << attachment(kImages + "r3620dcaL.jpg", s, "R3620dc", "R3620dca_U")
          << attachment(kImages + "r3620dcaR.jpg", s, "R3620dc", "R3620dca_L");

    aList << fourLane("4laneStraight.jpg", {"R3600"}, {"R3600"})
          << fourLane("4laneHalfStraight.jpg", {"R3620"}, {"R3620"})
          << fourLane("4laneChicane.jpg", {"R3608"}, {"R3608"})
          << fourLane("4laneSwap.jpg", {"R3609"}, {"R3609"})
          << fourLane("4lane60right.jpg", {"R3601_R"}, {"R3610_R", "R3610_R"})
          << fourLane("4lane60left.jpg", {"R3610_L", "R3610_L"}, {"R3601_L"})
          << fourLane("4lane1terminalTop.jpg", {"R3600"}, {"R3602_L"})
          << fourLane("4lane1terminalBottom.jpg", {"R3602_R"}, {"R3600"})
          << fourLane("4lane2terminal.jpg", {"R3602_R"}, {"R3602_L"})
          << fourLane("4lane30right.jpg", {"R3621_R"}, {"R3610_R"})
          << fourLane("4lane30left.jpg", {"R3610_L"}, {"R3621_L"})
          << fourLane("4laneThirdStraight.jpg", {"R3620dc"}, {"R3620dc"});

    aList << background(kImages + "background1.png", Background::BlueGrid)
          << background(kImages + "background2.png", Background::WhiteGrid)
          << background(kImages + "background3.png", Background::GrayGrid)
          << background(kImages + "background4.png", Background::NoGrid);
}

void addActions(QVector<PictureEntry> &aList)
{
    const QSize s = kActionIcon;
    aList << glyph(kImages + "delete.png", s, Glyph::Delete)
          << glyph(kImages + "replace25.png", s, Glyph::Replace)
          << glyph(kImages + "attach.jpg", s, Glyph::Attach)
          << glyph(kImages + "tilt.jpg", s, Glyph::Tilt)
          << glyph(kImages + "insert.jpg", s, Glyph::Insert)
          << glyph(kImages + "append.jpg", s, Glyph::Append)
          << glyph(kImages + "elevation.jpg", s, Glyph::Elevation)
          << glyph(kImages + "sendtoback.png", s, Glyph::SendToBack)
          << glyph(kImages + "bringtofront.png", s, Glyph::BringToFront)
          << glyph(kImages + "ReverseButton.jpg", kViewerIcon, Glyph::Back)
          << glyph(kImages + "ForwardButton.png", kViewerIcon, Glyph::Forward);
}

// The program's icon: a short oval of 14 inch half circles, nearly as tall
// as it is wide, so that it fills the square.
void addProgramIcon(QVector<PictureEntry> &aList)
{
    PictureEntry icon;
    icon.mName = kImages + "lanewright.png";
    icon.mSize = kProgramIcon;
    icon.mKind = PictureKind::Icon;
    for (int side = 0; side < 2; ++side)
        icon.mLanes12 << "R3620"
                      << "R3601_R"
                      << "R3601_R"
                      << "R3601_R";
    aList << icon;
}

void addChoosers(QVector<PictureEntry> &aList)
{
    // Host pictures: the file is named after the host's part number.
    for (const char *host : {"R3600", "R3620", "R3620dc", "R3608", "R3609", "R3602_R", "R3602_L",
                             "R3627_R", "R3627_L"})
        aList << piece(kCatalog + host + ".jpg", kHostPicture, {host});
    aList << piece(kCatalog + "R3601.jpg", kHostPicture, {"R3601_R"})
          << piece(kCatalog + "R3604.jpg", kHostPicture, {"R3604_R"})
          << piece(kCatalog + "R3610.jpg", kHostPicture, {"R3610_R"})
          << piece(kCatalog + "R3621.jpg", kHostPicture, {"R3621_R"})
          << piece(kPhotos150 + "F8517.png", kChooserIcon, {"F8517_R"});

    const QSize s = kChooserIcon;
    aList << attachment(kCatalog150 + "R3603R_FUh.jpg", s, "R3600", "R3603R_FU")
          << attachment(kCatalog150 + "R3603L_BUh.jpg", s, "R3600", "R3603L_BU")
          << attachment(kCatalog150 + "R3603L_FLh.jpg", s, "R3600", "R3603L_FL")
          << attachment(kCatalog150 + "R3603R_BLh.jpg", s, "R3600", "R3603R_BL")
          << attachment(kCatalog150 + "F7054R_FUh.jpg", s, "R3600", "F7054R_FU")
          << attachment(kCatalog150 + "F7053L_BUh.jpg", s, "R3600", "F7053L_BU")
          << attachment(kCatalog150 + "F7053L_FLh.jpg", s, "R3600", "F7053L_FL")
          << attachment(kCatalog150 + "F7054R_BLh.jpg", s, "R3600", "F7054R_BL")
          << attachment(kCatalog150 + "R3614_Uh.jpg", s, "R3600", "R3614_U")
          << attachment(kCatalog150 + "R3614_Lh.jpg", s, "R3600", "R3614_L")
          << attachment(kCatalog150 + "R3620a_U.jpg", s, "R3620", "R3620a_U")
          << attachment(kCatalog150 + "R3620a_L.jpg", s, "R3620", "R3620a_L")
          << attachment(kCatalog150 + "R3620dca_U.jpg", s, "R3620dc", "R3620dca_U")
          << attachment(kCatalog150 + "R3620dca_L.jpg", s, "R3620dc", "R3620dca_L")
          << attachment(kCatalog150 + "R3605.jpg", s, "R3601_R", "R3605_R")
          << attachment(kCatalog150 + "R3612.jpg", s, "R3601_R", "R3612_R")
          << attachment(kCatalog150 + "R3615R.jpg", s, "R3601_R", "R3615R_R")
          << attachment(kCatalog150 + "R3615L.jpg", s, "R3601_R", "R3615L_R")
          << attachment(kCatalog150 + "R3617.png", s, "R3601_R", "R3617g_R")
          << attachment(kCatalog150 + "R3611.jpg", s, "R3610_R", "R3611_R")
          << attachment(kCatalog150 + "R3613.jpg", s, "R3610_R", "R3613_R")
          << attachment(kCatalog150 + "R3616R.jpg", s, "R3610_R", "R3616R_R")
          << attachment(kCatalog150 + "R3616L.jpg", s, "R3610_R", "R3616L_R")
          << attachment(kCatalog150 + "R3618.png", kFenceIcon, "R3610_R", "R3618g_R")
          << attachment(kCatalog150 + "R3621o.jpg", s, "R3621_R", "R3621o_R")
          << attachment(kCatalog150 + "R3621i.jpg", s, "R3621_R", "R3621i_R")
          << attachment(kCatalog150 + "R3628.png", kFenceIcon, "R3601_R", "R3628o_R14");
}

void addBanked(QVector<PictureEntry> &aList)
{
    aList << piece(kCatalog + "r3625_Lq.jpg", kBankedChooser, bankedTurn(false))
          << piece(kCatalog + "r3625_Rq.jpg", kBankedChooser, bankedTurn(true))
          << piece(kCatalog150 + "R3625_Lq.png", kBankedDialog, bankedTurn(false))
          << piece(kCatalog150 + "R3625_Rq.png", kBankedDialog, bankedTurn(true))
          << piece(kPhotos75 + "F8517.png", kBankedButton, {"F8517_R"})
          << legend(kCatalog + "legend.jpg");
}

// The parts page: one picture per inventory part, named after it. A track
// part is shown turning right; an attachment on a host it fits, which is
// drawn light.
void addParts(QVector<PictureEntry> &aList)
{
    const QSize s = kPartPicture;
    for (const char *track : {"R3600", "R3608", "R3609", "R3620", "R3620dc"})
        aList << piece(kParts + track + ".png", s, {track});
    const std::pair<const char *, const char *> directed[] = {
        {"R3601", "R3601_R"},   {"R3602", "R3602_R"}, {"R3604", "R3604_R"},
        {"R3610", "R3610_R"},   {"R3621", "R3621_R"}, {"R3627", "R3627_R"},
        {"F8519R", "F8519R_L"}, {"F8517", "F8517_R"}, {"F8514L", "F8514L_R"}};
    for (const auto &part : directed)
        aList << piece(kParts + part.first + ".png", s, {part.second});

    const std::array<const char *, 3> attached[] = {
        {"R3603R", "R3600", "R3603R_FU"},      {"R3603L", "R3600", "R3603L_BU"},
        {"R3605", "R3601_R", "R3605_R"},       {"R3611", "R3610_R", "R3611_R"},
        {"R3612", "R3601_R", "R3612_R"},       {"R3613", "R3610_R", "R3613_R"},
        {"R3614", "R3600", "R3614_U"},         {"R3615R", "R3601_R", "R3615R_R"},
        {"R3615L", "R3601_R", "R3615L_R"},     {"R3616R", "R3610_R", "R3616R_R"},
        {"R3616L", "R3610_R", "R3616L_R"},     {"R3620a", "R3620", "R3620a_U"},
        {"R3620dca", "R3620dc", "R3620dca_U"}, {"R3621o", "R3621_R", "R3621o_R"},
        {"R3621i", "R3621_R", "R3621i_R"},     {"F7054R", "R3600", "F7054R_FU"},
        {"F7053L", "R3600", "F7053L_BU"},      {"R3617g", "R3601_R", "R3617g_R"},
        {"R3617w", "R3601_R", "R3617w_R"},     {"R3618g", "R3610_R", "R3618g_R"},
        {"R3618w", "R3610_R", "R3618w_R"},     {"R3628o", "R3601_R", "R3628o_R14"}};
    for (const auto &part : attached)
        aList << attachment(kParts + part[0] + ".png", s, part[1], part[2]);
}

QVector<PictureEntry> buildList()
{
    QVector<PictureEntry> list;
    addToolbox(list);
    addActions(list);
    addProgramIcon(list);
    addChoosers(list);
    addBanked(list);
    addParts(list);
    return list;
}

} // namespace

const QVector<PictureEntry> &pictureList()
{
    static const QVector<PictureEntry> list = buildList();
    return list;
}

const PictureEntry *findPicture(const QString &aName)
{
    for (const PictureEntry &entry : pictureList()) {
        if (entry.mName == aName)
            return &entry;
    }
    return nullptr;
}

QString repositoryPath(const QString &aName)
{
    if (aName.startsWith(kImages))
        return QStringLiteral("resources/images/") + aName.mid(kImages.size());
    const QString data = QStringLiteral("../data/");
    if (aName.startsWith(data))
        return aName.mid(3);
    return QString();
}

QString pictureFormat(const QString &aName)
{
    const QString suffix = QFileInfo(aName).suffix();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("png"))
        return suffix;
    return QString();
}
