#include "colour/colour.h"

#include "assets/catalogue.h"
#include "audio/sound.h"
#include "controls/controls.h"
#include "platform/translate.h"
#include "random/random.h"
#include "screens/screens.h"

namespace pv {

namespace {

constexpr std::uint32_t kLargest = 255;
// The class starts with a system colour (its number + 1), which is no brush of ours.
constexpr DWORD kSystemColourLimit = 32;

void ReadBar(Game& g, int bar, std::uint32_t& component, const char* format) {
    component = static_cast<std::uint32_t>(g.platform.GetScrollPos(g.colourBars[bar], SB_CTL));
    SetLabelNumber(g, g.colourLabels[bar], TrFormat(g.platform, "Colour", format).c_str(),
                   component, 0);
}

void DrawBar(Game& g, int bar, std::uint32_t& component) {
    component = Random(g, kLargest + 1);
    g.platform.SetScrollPos(g.colourBars[bar], SB_CTL, static_cast<int>(component), FALSE);
}

}  // namespace

COLORREF PackColour(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red + green * 256u + blue * 65536u;
}

void ApplyColour(Game& g) {
    Platform& p = g.platform;
    if (g.randomColours == 0) {
        ReadBar(g, 0, g.bgRed, PV_TEXT("Colour", "%d red"));
        ReadBar(g, 1, g.bgGreen, PV_TEXT("Colour", "%d green"));
        ReadBar(g, 2, g.bgBlue, PV_TEXT("Colour", "%d blue"));
        ShowDrillScreen(g, Visibility::Hidden);
        ShowColourPanel(g, Visibility::Shown);
        g.colourOpen = 1;
    } else {
        // The bars follow quietly, so the panel opens at the colour on screen.
        DrawBar(g, 0, g.bgRed);
        DrawBar(g, 1, g.bgGreen);
        DrawBar(g, 2, g.bgBlue);
    }

    HWND window = p.GetParent(g.colourBars[2]);
    if (window == 0) return;
    HBRUSH brush = p.CreateSolidBrush(PackColour(g.bgRed, g.bgGreen, g.bgBlue));
    DWORD previous = p.SetClassLongA(window, GCL_HBRBACKGROUND, static_cast<LONG>(brush));
    // One brush of ours at a time.
    if (previous >= kSystemColourLimit) p.DeleteObject(previous);
    p.InvalidateRect(window, nullptr, TRUE);
}

void ColourScroll(Game& g, WPARAM code, HWND bar) {
    Platform& p = g.platform;
    auto position = static_cast<std::uint32_t>(p.GetScrollPos(bar, SB_CTL));
    switch (static_cast<std::int16_t>(LOWORD(code))) {
        case SB_LINELEFT:
            if (position != 0) position -= 1;
            break;
        case SB_LINERIGHT:
            position += 1;
            break;
        case SB_PAGELEFT:
            position = position > 9 ? position - 10 : 0;
            break;
        case SB_PAGERIGHT:
            position += 10;
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            position = HIWORD(code);
            break;
        case SB_LEFT:
            position = 0;
            break;
        case SB_RIGHT:
            position = kLargest;
            break;
        default:  // the end of a click or drag: the colour is applied again as it stands
            break;
    }
    if (position > kLargest) position = kLargest;
    p.SetScrollPos(bar, SB_CTL, static_cast<int>(position), TRUE);
    ApplyColour(g);
}

void ShowColourPanel(Game& g, Visibility show) {
    Platform& p = g.platform;
    const HWND controls[] = {g.colourBars[0],   g.colourBars[1],   g.colourBars[2],
                             g.colourLabels[0], g.colourLabels[1], g.colourLabels[2],
                             g.colourOkButton};
    for (HWND control : controls) p.ShowWindow(control, static_cast<int>(show));
    // "Help" would open the about panel over this one; the bar item is disabled, not greyed.
    p.EnableMenuItem(g.menu, kHelpMenuPosition,
                     MF_BYPOSITION | (show == Visibility::Shown ? MF_DISABLED : MF_ENABLED));
}

void CloseColourPanel(Game& g) {
    ShowColourPanel(g, Visibility::Hidden);
    ShowDrillScreen(g, Visibility::Shown);
    g.colourOpen = 0;
    if (g.randomColours == 0) PlaySoundEffect(g, Sound::Click);
}

}  // namespace pv
