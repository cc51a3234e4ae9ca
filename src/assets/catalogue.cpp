#include "assets/catalogue.h"

#include <array>
#include <iterator>

namespace pv {

namespace {

// Sound groups: first identifier and number of variants.
struct SoundGroup {
    ResourceId first;
    ResourceId count;
};
constexpr std::array<SoundGroup, 7> kSoundGroups = {
    {{400, 5}, {420, 10}, {440, 5}, {460, 5}, {470, 7}, {480, 4}, {490, 2}}};

constexpr bool InRange(ResourceId id, ResourceId first, ResourceId count) {
    return id >= first && id < first + count;
}

constexpr MenuTemplateItem kMenu890[] = {
    {MenuTemplateItem::Popup, 0, "&Drill"},
    {MenuTemplateItem::Command, 1301, "&Add"},
    {MenuTemplateItem::Command, 1302, "&Subtract"},
    {MenuTemplateItem::Command, 1303, "&Multiply"},
    {MenuTemplateItem::Command, 1304, "&Divide"},
    {MenuTemplateItem::Separator, 0, ""},
    {MenuTemplateItem::Command, 2011, "Memory &Game"},
    {MenuTemplateItem::Separator, 0, ""},
    {MenuTemplateItem::Command, 2009, "&View Scores"},
    {MenuTemplateItem::Separator, 0, ""},
    {MenuTemplateItem::Command, 1000, "&Exit"},
    {MenuTemplateItem::End, 0, ""},
    {MenuTemplateItem::Popup, 0, "&Options"},
    {MenuTemplateItem::Command, 1401, "&Sound Effects"},
    {MenuTemplateItem::Command, 1402, "&Background Music"},
    {MenuTemplateItem::Separator, 0, ""},
    {MenuTemplateItem::Command, 1405, "Save &Window Position"},
    {MenuTemplateItem::Separator, 0, ""},
    {MenuTemplateItem::Command, 1406, "&High Color Pictures"},
    {MenuTemplateItem::Command, 1404, "&Random Colors"},
    {MenuTemplateItem::Separator, 0, ""},
    {MenuTemplateItem::Command, 2109, "&Include Tables 11 to 17"},
    {MenuTemplateItem::End, 0, ""},
    {MenuTemplateItem::Command, 1900, "&Help"},
};

}  // namespace

ResourceKind KindOf(ResourceId id) {
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

bool IsIconResource(ResourceId id) {
    ResourceKind kind = KindOf(id);
    return kind == ResourceKind::Picture || kind == ResourceKind::Face ||
           kind == ResourceKind::CardBack;
}

std::string ResourceFile(ResourceId id) {
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

const MenuTemplateItem* MenuTemplate(ResourceId id, std::size_t& count) {
    if (id != kMainMenu) {
        count = 0;
        return nullptr;
    }
    count = std::size(kMenu890);
    return kMenu890;
}

}  // namespace pv
