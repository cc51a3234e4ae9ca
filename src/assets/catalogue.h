// The catalogue of the game's built-in resources: which identifiers exist, what kind each is,
// where its data lies in the embedded resources, and the main menu's template.
#pragma once

#include <cstddef>
#include <string>

#include "platform/win32.h"

namespace pv {

enum class ResourceKind { None, Menu, Picture, Face, CardBack, Bitmap, Sound, Song };

constexpr UINT kMainMenu = 890;
constexpr UINT kFirstPicture = 500;
constexpr UINT kCartoonPictures = 301;  // 500..800
constexpr UINT kAllPictures = 344;      // 500..843
constexpr UINT kAboutBitmap = 905;
constexpr UINT kFirstSong = 300;
constexpr UINT kSongCount = 47;

ResourceKind KindOf(UINT id);
bool IsIconResource(UINT id);

// The embedded file of a resource ("pictures/500.png"), or "" when there is none. Pictures,
// faces and card backs have a double-size "@2x" variant beside them.
std::string ResourceFile(UINT id);

// One entry of a menu template, in reading order: a pop-up opens a level that an End closes.
struct MenuTemplateItem {
    enum Kind { Command, Popup, End, Separator };
    Kind kind;
    UINT id;
    const char* text;
};

// The template of a menu resource, or nullptr with count 0 when there is none.
const MenuTemplateItem* MenuTemplate(UINT id, std::size_t& count);

}  // namespace pv
