// The catalogue of the game's built-in resources: which identifiers exist, what kind each is,
// where its data lies in the embedded resources, and the main menu's template.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace pv {

// A resource's number: the same 32-bit unsigned type the platform's calls take. The catalogue is
// the ground floor that the platform reads resources from, so it names the type itself.
using ResourceId = std::uint32_t;

enum class ResourceKind { None, Menu, Picture, Face, CardBack, Bitmap, Sound, Song };

constexpr ResourceId kMainMenu = 890;
constexpr ResourceId kFirstPicture = 500;
constexpr ResourceId kCartoonPictures = 301;  // 500..800
constexpr ResourceId kAllPictures = 344;      // 500..843
constexpr ResourceId kAboutBitmap = 905;
constexpr ResourceId kFirstSong = 300;
constexpr ResourceId kSongCount = 47;

ResourceKind KindOf(ResourceId id);
bool IsIconResource(ResourceId id);

// The embedded file of a resource ("pictures/500.png"), or "" when there is none. Pictures,
// faces and card backs have a double-size "@2x" variant beside them.
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

}  // namespace pv
