// The background colour: the panel of three bars, and random colours. A subsystem; the screen
// switch calls it sideways for a random background on every change of screen.
#pragma once

#include "controls/controls.h"
#include "game/game.h"

namespace pv {

COLORREF PackColour(std::uint32_t red, std::uint32_t green, std::uint32_t blue);
void ApplyColour(Game& g);
void ColourScroll(Game& g, WPARAM code, HWND bar);
void ShowColourPanel(Game& g, Visibility show);
void CloseColourPanel(Game& g);

}  // namespace pv
