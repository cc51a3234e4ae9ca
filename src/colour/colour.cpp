#include "colour/colour.h"

namespace pv {

COLORREF PackColour(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red + green * 256u + blue * 65536u;
}

// The colour panel and random colours come with the other screens.
void ApplyColour(Game& /*g*/) {}
void ColourScroll(Game& /*g*/, WPARAM /*code*/, HWND /*bar*/) {}
void ShowColourPanel(Game& /*g*/, int /*show*/) {}
void CloseColourPanel(Game& /*g*/) {}

}  // namespace pv
