// The picture buttons of the drill screen in one table: the two faces, then the seven tools.
// Each has its place, the command a click on it sends, the hint shown while the pointer rests on
// it, and a stable name that says what it does. The buttons are made from it, and the hot spots
// that judge the pointer start from it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "assets/commands.h"
#include "assets/translatable.h"

namespace pv {

// The hint texts the hotspots refer to. The tick changes their letter case in place, and the
// settings block and the default score name see that case, so they are stored once, in the game's
// state.
enum HintText : std::uint32_t {
    kHintAbout,
    kHintSoundOn,
    kHintSoundOff,
    kHintMusicOn,
    kHintMusicOff,
    kHintRefresh,
    kHintColour,
    kHintScores,
    kHintExit,
    kHintMemory,
    kHintCount,
};

// The hints as the game first writes them: the state's copies change case and are stored in
// English, so a translation is looked up from these.
constexpr const char* kHintSources[kHintCount] = {
    PV_TEXT("Hint", "about Pondivar"), PV_TEXT("Hint", "sound on"),
    PV_TEXT("Hint", "sound off"),      PV_TEXT("Hint", "music on"),
    PV_TEXT("Hint", "music off"),      PV_TEXT("Hint", "refresh question"),
    PV_TEXT("Hint", "color"),          PV_TEXT("Hint", "high scores"),
    PV_TEXT("Hint", "exit Pondivar"),  PV_TEXT("Hint", "memory game"),
};

struct PictureButton {
    std::uint32_t x;
    std::uint32_t y;
    std::uint32_t command;
    HintText hint;
    const char* name;
};

// The side of a picture button's hot spot, which lies just inside its place (x, y).
constexpr std::uint32_t kHotspotSize = 36;

constexpr std::size_t kFaceButtonCount = 2;
constexpr std::size_t kToolCount = 7;
constexpr std::size_t kHotspotCount = kFaceButtonCount + kToolCount;

constexpr std::array<PictureButton, kHotspotCount> kPictureButtons = {{
    {80, 5, Command::LeftFace, kHintAbout, PV_TEXT("Reader", "Left face")},
    {126, 5, Command::RightFace, kHintAbout, PV_TEXT("Reader", "Right face")},
    {10, 160, Command::SoundToggle, kHintSoundOn, PV_TEXT("Reader", "Sound on or off")},
    {10, 205, Command::MusicToggle, kHintMusicOn, PV_TEXT("Reader", "Music on or off")},
    {56, 205, Command::Refresh, kHintRefresh, PV_TEXT("Reader", "New question")},
    {103, 205, Command::Colour, kHintColour, PV_TEXT("Reader", "Colours")},
    {150, 205, Command::ViewScores, kHintScores, PV_TEXT("Reader", "High scores")},
    {196, 205, Command::ExitTool, kHintExit, PV_TEXT("Reader", "Exit")},
    {196, 160, Command::MemoryGame, kHintMemory, PV_TEXT("Reader", "Memory game")},
}};

// The tool of toolButtons[i] is kPictureButtons[kFaceButtonCount + i].
constexpr const PictureButton& Tool(std::size_t i) {
    return kPictureButtons[kFaceButtonCount + i];
}

// The place of the picture button that sends the command in kPictureButtons (and so in the
// hot spots).
constexpr std::size_t HotspotOf(std::uint32_t command) {
    std::size_t i = 0;
    while (i < kHotspotCount && kPictureButtons[i].command != command) ++i;
    return i;
}

// A hot spot of the game's state: where it lies, what a click sends, which hint it shows now.
struct Hotspot {
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    std::uint32_t command = 0;
    std::uint32_t text = 0;  // a HintText

    bool operator==(const Hotspot&) const = default;
};

// The hot spots as a game starts, ended by one with x = 0.
constexpr std::array<Hotspot, kHotspotCount + 1> InitialHotspots() {
    std::array<Hotspot, kHotspotCount + 1> spots{};
    for (std::size_t i = 0; i < kHotspotCount; ++i) {
        const PictureButton& b = kPictureButtons[i];
        spots[i] = Hotspot{b.x, b.y, b.command, b.hint};
    }
    return spots;
}

}  // namespace pv
