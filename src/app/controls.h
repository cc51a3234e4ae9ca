// Every control of every screen, made once when the main window is created.
#pragma once

#include <cstdint>

#include "app/game.h"

namespace pv {

LRESULT CreateControls(Game& g, HWND window);

HWND MakeButton(Game& g, const char* text, HWND parent, int x, int y, int width, int height,
                DWORD style, UINT id);
HWND MakePictureButton(Game& g, HWND parent, int x, int y, UINT id);
HWND MakePictureFrame(Game& g, HWND parent, int x, int y, UINT id);
HWND MakeTextPanel(Game& g, const char* text, int x, int y, int width, int height, HWND parent,
                   UINT id);
HWND MakeNameEdit(Game& g, int x, int y, HWND parent, UINT id);
HWND MakeColourBar(Game& g, int x, int y, int width, int height, HWND parent);
HWND MakeScoreList(Game& g, HWND parent, int sorted);

// Formats one number, or two when b is not 0, into a control's text.
void SetLabelNumber(Game& g, HWND control, const char* format, std::uint32_t a, std::uint32_t b);

// The place of card i on the board.
int CardX(int i);
int CardY(int i);

}  // namespace pv
