#include "app/zoom.h"

#include <algorithm>
#include <string>

#include "app/main_window.h"
#include "assets/commands.h"
#include "assets/translatable.h"
#include "platform/text.h"
#include "players/key_value_file.h"
#include "players/players.h"

namespace pv {

namespace {

constexpr const char* kZoomKey = "zoom";

// At most this share of the work area's height, in percent: the rest stays for whatever else
// the child has open.
constexpr int kScreenShare = 55;

// A factor as kept in the file ("1" to "4"), or 0 for anything else.
int ParseZoom(const std::string& text) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '0' + kLargestZoom) return 0;
    return text[0] - '0';
}

int ChosenZoom(const Game& g) {
    if (g.playersRoot.empty()) return 0;
    return ParseZoom(
        KeyValueFile::Read(g.platform.Files(), PlayerSettings(g.dataFolder)).Get(kZoomKey));
}

int ScreenZoom(Game& g) {
    RECT area{};
    if (!g.platform.SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) return 1;
    return AutomaticZoom(area.bottom - area.top);
}

// The pictures are drawn from sources of up to four times their size: where the desktop already
// scales the window up, the larger factors would have to enlarge them, so they are not offered.
int PictureZoom(Game& g) {
    UINT dpi = g.platform.GetDpiForWindow(g.mainWindow);
    if (dpi <= USER_DEFAULT_SCREEN_DPI) return kLargestZoom;
    return std::max(1, static_cast<int>(kLargestZoom * USER_DEFAULT_SCREEN_DPI / dpi));
}

// A larger window would put its foot, with the score and the tools, or its side out of reach.
// The game's outer size counts the title bar and the menu bar at the factor too: the menu bar
// grows with the window, and what it leaves holds the title bar, which does not.
int FittingZoom(Game& g) {
    RECT area{};
    if (!g.platform.SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) return kLargestZoom;
    int factor = kLargestZoom;
    while (factor > 1 && (kWindowWidth * factor > area.right - area.left ||
                          kWindowHeight * factor > area.bottom - area.top)) {
        --factor;
    }
    return factor;
}

// The largest factor offered: a larger one kept for a player shows as this one on this screen.
int LargestZoom(Game& g) {
    return std::min(PictureZoom(g), FittingZoom(g));
}

// The items go with the other window option, above "Save Window Position".
void AddZoomItems(Game& g) {
    Platform& p = g.platform;
    if (p.FindMenuItem(g.menu, Command::FirstZoom) != nullptr) return;
    const char* names[] = {PV_TEXT("Menu", "Zoom &1x"), PV_TEXT("Menu", "Zoom &2x"),
                           PV_TEXT("Menu", "Zoom &3x"), PV_TEXT("Menu", "Zoom &4x")};
    for (int i = 0; i < kLargestZoom; ++i) {
        p.InsertMenuW(g.menu, Command::RememberPositionToggle, MF_STRING,
                      static_cast<UINT>(Command::FirstZoom + i), Utf8ToWide(names[i]).c_str());
    }
    p.InsertMenuW(g.menu, Command::RememberPositionToggle, MF_SEPARATOR, 0, nullptr);
    p.DrawMenuBar(g.mainWindow);
}

void ApplyZoom(Game& g, int factor) {
    g.zoom = std::min(factor, LargestZoom(g));
    g.platform.SetZoom(g.zoom);
}

}  // namespace

void MarkZoomItems(Game& g) {
    int largest = LargestZoom(g);
    for (int i = 1; i <= kLargestZoom; ++i) {
        auto item = static_cast<UINT>(Command::FirstZoom + i - 1);
        g.platform.CheckMenuItem(g.menu, item, i == g.zoom ? MF_CHECKED : MF_UNCHECKED);
        g.platform.EnableMenuItem(g.menu, item, i <= largest ? MF_ENABLED : MF_GRAYED);
    }
}

int AutomaticZoom(int workAreaHeight) {
    for (int factor = kLargestZoom; factor > 1; --factor) {
        if (kWindowHeight * factor * 100 <= workAreaHeight * kScreenShare) return factor;
    }
    return 1;
}

void LoadZoom(Game& g) {
    AddZoomItems(g);
    int chosen = ChosenZoom(g);
    ApplyZoom(g, chosen != 0 ? chosen : ScreenZoom(g));
}

bool OnZoomCommand(Game& g, WPARAM command) {
    if (command < Command::FirstZoom || command > Command::LastZoom) return false;
    int factor = static_cast<int>(command - Command::FirstZoom) + 1;
    ApplyZoom(g, factor);
    MarkZoomItems(g);
    FileSystem& files = g.platform.Files();
    if (!g.playersRoot.empty() && KeepPlayerFolder(files, g.playersRoot, g.playerName)) {
        KeyValueFile::Update(files, PlayerSettings(g.dataFolder), kZoomKey, std::to_string(factor));
    }
    return true;
}

}  // namespace pv
