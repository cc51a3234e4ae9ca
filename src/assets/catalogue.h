// The catalogue of the game's built-in resources: which identifiers exist, what kind each is,
// where its data lies in the embedded resources, and the main menu's template.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

namespace pv {

// A resource's number: the same 32-bit unsigned type the platform's calls take. The catalogue is
// the ground floor that the platform reads resources from, so it names the type itself.
using ResourceId = std::uint32_t;

enum class ResourceKind { None, Menu, Picture, Face, CardBack, Bitmap, Sound, Song };

constexpr ResourceId kMainMenu = 890;
// The menu bar's entries by position: "&Drill" and "&Help" (a command directly on the bar) are
// disabled by position while a screen would clash with them.
constexpr std::uint32_t kDrillMenuPosition = 0;
constexpr std::uint32_t kOptionsMenuPosition = 1;
constexpr std::uint32_t kHelpMenuPosition = 2;
constexpr ResourceId kFirstPicture = 500;
constexpr ResourceId kCartoonPictures = 301;  // 500..800
constexpr ResourceId kAllPictures = 344;      // 500..843
constexpr ResourceId kAboutBitmap = 905;
constexpr ResourceId kFirstSong = 300;
constexpr ResourceId kSongCount = 47;
constexpr ResourceId kFirstCardBack = 920;
constexpr ResourceId kCardBackCount = 3;

// The faces, full colour; each has a 16-colour twin kLowColourFace further on.
namespace Face {
enum : ResourceId {
    Neutral = 900,
    WrongAgain = 901,  // a blanked wrong answer clicked again
    NewQuestion = 902,
    Right = 903,
    Wrong = 904,
};
}  // namespace Face
constexpr ResourceId kFaceCount = 5;
constexpr ResourceId kLowColourFace = 10;

// The sound effects come in groups of variants: `count` sounds from `first` on.
struct SoundGroup {
    ResourceId first;
    ResourceId count;
};
enum class SoundGroupName { Right, Wrong, Click, Welcome, Farewell, Fanfare, Tap, Count };
constexpr SoundGroup kSoundGroups[] = {{400, 5}, {420, 10}, {440, 5}, {460, 5},
                                       {470, 7}, {480, 4},  {490, 2}};
static_assert(std::size(kSoundGroups) == static_cast<std::size_t>(SoundGroupName::Count));
constexpr const SoundGroup& SoundGroupNamed(SoundGroupName name) {
    return kSoundGroups[static_cast<std::size_t>(name)];
}

ResourceKind KindOf(ResourceId id);
bool IsIconResource(ResourceId id);

// What picture id (500..843) shows, in words a screen reader speaks ("dog face"), or "" for any
// other identifier.
const char* PictureName(ResourceId id);

// The embedded file of a resource ("pictures/500.png"), or "" when there is none. Pictures,
// faces, card backs and the about bitmap have variants at 2, 3 and 4 times their size beside
// them ("@2x" to "@4x"), one for each zoom factor.
std::string ResourceFile(ResourceId id);

// One entry of a menu template, in reading order: a pop-up opens a level that an End closes.
struct MenuTemplateItem {
    enum Kind { Command, Popup, End, Separator };
    Kind kind;
    ResourceId id;
    const char* text;
};

// The template of a menu resource, or nullptr with count 0 when there is none.
const MenuTemplateItem* MenuTemplate(ResourceId id, std::size_t& count);

// The main menu's shortcut keys, which the menu shows beside its items.
struct Accelerator {
    ResourceId command;
    const char* keys;  // as a menu writes them: "Ctrl+Q", "F1"
};
// The shortcut of a command of the main menu, or nullptr.
const char* AcceleratorOf(ResourceId command);

}  // namespace pv
