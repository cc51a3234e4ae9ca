#include "assets/catalogue.h"

#include <array>
#include <iterator>

namespace pv {

namespace {

// Sound groups: first identifier and number of variants.
struct SoundGroup {
    UINT first;
    UINT count;
};
constexpr std::array<SoundGroup, 7> kSoundGroups = {
    {{400, 5}, {420, 10}, {440, 5}, {460, 5}, {470, 7}, {480, 4}, {490, 2}}};

constexpr bool InRange(UINT id, UINT first, UINT count) {
    return id >= first && id < first + count;
}

constexpr MenuTemplateItem kMenu890[] = {
    {MenuTemplateItem::Popup, "&Drill", 0},
    {MenuTemplateItem::Command, "&Add", 1301},
    {MenuTemplateItem::Command, "&Subtract", 1302},
    {MenuTemplateItem::Command, "&Multiply", 1303},
    {MenuTemplateItem::Command, "&Divide", 1304},
    {MenuTemplateItem::Separator, "", 0},
    {MenuTemplateItem::Command, "Memory &Game", 2011},
    {MenuTemplateItem::Separator, "", 0},
    {MenuTemplateItem::Command, "&View Scores", 2009},
    {MenuTemplateItem::Separator, "", 0},
    {MenuTemplateItem::Command, "&Exit", 1000},
    {MenuTemplateItem::End, "", 0},
    {MenuTemplateItem::Popup, "&Options", 0},
    {MenuTemplateItem::Command, "&Sound Effects", 1401},
    {MenuTemplateItem::Command, "&Background Music", 1402},
    {MenuTemplateItem::Separator, "", 0},
    {MenuTemplateItem::Command, "Save &Window Position", 1405},
    {MenuTemplateItem::Separator, "", 0},
    {MenuTemplateItem::Command, "&High Color Pictures", 1406},
    {MenuTemplateItem::Command, "&Random Colors", 1404},
    {MenuTemplateItem::Separator, "", 0},
    {MenuTemplateItem::Command, "&Include Tables 11 to 17", 2109},
    {MenuTemplateItem::End, "", 0},
    {MenuTemplateItem::Command, "&Help", 1900},
};

}  // namespace

ResourceKind KindOf(UINT id) {
    if (id == kMainMenu) return ResourceKind::Menu;
    if (InRange(id, kFirstPicture, kAllPictures)) return ResourceKind::Picture;
    if (InRange(id, 900, 5) || InRange(id, 910, 5)) return ResourceKind::Face;
    if (InRange(id, 920, 3)) return ResourceKind::CardBack;
    if (id == kAboutBitmap) return ResourceKind::Bitmap;
    if (InRange(id, kFirstSong, kSongCount)) return ResourceKind::Song;
    for (const SoundGroup& group : kSoundGroups) {
        if (InRange(id, group.first, group.count)) return ResourceKind::Sound;
    }
    return ResourceKind::None;
}

bool IsIconResource(UINT id) {
    ResourceKind kind = KindOf(id);
    return kind == ResourceKind::Picture || kind == ResourceKind::Face ||
           kind == ResourceKind::CardBack;
}

std::string ResourceFile(UINT id) {
    std::string number = std::to_string(id);
    switch (KindOf(id)) {
        case ResourceKind::Picture:
            return "pictures/" + number + ".png";
        case ResourceKind::Face:
            return "faces/" + number + ".png";
        case ResourceKind::CardBack:
            return "cardbacks/" + number + ".png";
        case ResourceKind::Bitmap:
            return "bitmaps/" + number + ".png";
        case ResourceKind::Sound:
            return "sounds/" + number + ".wav";
        case ResourceKind::Song:
            return "songs/" + number + ".mid";
        case ResourceKind::Menu:
        case ResourceKind::None:
            break;
    }
    return "";
}

const MenuTemplateItem* MenuTemplate(UINT id, std::size_t& count) {
    if (id != kMainMenu) {
        count = 0;
        return nullptr;
    }
    count = std::size(kMenu890);
    return kMenu890;
}

}  // namespace pv
