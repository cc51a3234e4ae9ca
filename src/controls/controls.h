// The control helpers every screen is made and labelled with: one control of each kind, a label
// set from numbers, and the places of the cards. They sit above the game's state and the
// generator and below the subsystems, which all use them.
#pragma once

#include <cstdint>

#include "game/game.h"

namespace pv {

// The identifiers of controls that send no command of the game.
constexpr UINT kLabelId = 1999;  // the labels and panels
constexpr UINT kScoreListId = 2096;

// Whether a screen's controls are to be shown or hidden, as ShowWindow takes it.
enum class Visibility : int { Hidden = SW_HIDE, Shown = SW_SHOWNORMAL };
// Whether a list box keeps its lines sorted.
enum class Sorted : std::uint32_t { No = 0, Yes = 1 };

HWND MakeButton(Game& g, const char* text, HWND parent, int x, int y, int width, int height,
                DWORD style, UINT id);
HWND MakePictureButton(Game& g, HWND parent, int x, int y, UINT id);
HWND MakePictureFrame(Game& g, HWND parent, int x, int y, UINT id);
HWND MakeTextPanel(Game& g, const char* text, int x, int y, int width, int height, HWND parent,
                   UINT id);
HWND MakeNameEdit(Game& g, int x, int y, HWND parent, UINT id);
HWND MakeColourBar(Game& g, int x, int y, int width, int height, HWND parent);
HWND MakeScoreList(Game& g, HWND parent, Sorted sorted);

// Formats one number, or two when b is not 0, into a control's text.
void SetLabelNumber(Game& g, HWND control, const char* format, std::uint32_t a, std::uint32_t b);

// The place of card i on the board: rows of six, left to right, top to bottom.
constexpr int kCardColumns = 6;
int CardX(int i);
int CardY(int i);

}  // namespace pv
