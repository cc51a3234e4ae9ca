#include "assets/catalogue.h"

#include <iterator>

#include "assets/commands.h"
#include "assets/translatable.h"

namespace pv {

namespace {

constexpr bool InRange(ResourceId id, ResourceId first, ResourceId count) {
    return id >= first && id < first + count;
}

constexpr MenuTemplateItem kMenu890[] = {
    {MenuTemplateItem::Popup, 0, PV_TEXT("Menu", "&Drill")},
    {MenuTemplateItem::Command, Command::Add, PV_TEXT("Menu", "&Add")},
    {MenuTemplateItem::Command, Command::Subtract, PV_TEXT("Menu", "&Subtract")},
    {MenuTemplateItem::Command, Command::Multiply, PV_TEXT("Menu", "&Multiply")},
    {MenuTemplateItem::Command, Command::Divide, PV_TEXT("Menu", "&Divide")},
    {MenuTemplateItem::Separator, 0, ""},
    {MenuTemplateItem::Command, Command::MemoryGame, PV_TEXT("Menu", "Memory &Game")},
    {MenuTemplateItem::Separator, 0, ""},
    {MenuTemplateItem::Command, Command::ViewScores, PV_TEXT("Menu", "&View Scores")},
    {MenuTemplateItem::Separator, 0, ""},
    {MenuTemplateItem::Command, Command::Exit, PV_TEXT("Menu", "&Exit")},
    {MenuTemplateItem::End, 0, ""},
    {MenuTemplateItem::Popup, 0, PV_TEXT("Menu", "&Options")},
    {MenuTemplateItem::Command, Command::SoundToggle, PV_TEXT("Menu", "&Sound Effects")},
    {MenuTemplateItem::Command, Command::MusicToggle, PV_TEXT("Menu", "&Background Music")},
    {MenuTemplateItem::Separator, 0, ""},
    {MenuTemplateItem::Command, Command::RememberPositionToggle,
     PV_TEXT("Menu", "Save &Window Position")},
    {MenuTemplateItem::Separator, 0, ""},
    {MenuTemplateItem::Command, Command::HighColourToggle, PV_TEXT("Menu", "&High Color Pictures")},
    {MenuTemplateItem::Command, Command::RandomColoursToggle, PV_TEXT("Menu", "&Random Colors")},
    {MenuTemplateItem::Separator, 0, ""},
    {MenuTemplateItem::Command, Command::BigTablesToggle,
     PV_TEXT("Menu", "&Include Tables 11 to 17")},
    {MenuTemplateItem::End, 0, ""},
    {MenuTemplateItem::Command, Command::Help, PV_TEXT("Menu", "&Help")},
};

constexpr Accelerator kAccelerators[] = {
    {Command::Exit, "Ctrl+Q"},
    {Command::Help, "F1"},
};

}  // namespace

const char* AcceleratorOf(ResourceId command) {
    for (const Accelerator& accelerator : kAccelerators) {
        if (accelerator.command == command) return accelerator.keys;
    }
    return nullptr;
}

ResourceKind KindOf(ResourceId id) {
    if (id == kMainMenu) return ResourceKind::Menu;
    if (InRange(id, kFirstPicture, kAllPictures)) return ResourceKind::Picture;
    if (InRange(id, Face::Neutral, kFaceCount) ||
        InRange(id, Face::Neutral + kLowColourFace, kFaceCount)) {
        return ResourceKind::Face;
    }
    if (InRange(id, kFirstCardBack, kCardBackCount)) return ResourceKind::CardBack;
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
