// Start-up, the main window's procedure with its command table, and shut-down. This folder is the
// top of the game: it calls every subsystem, and nothing in the game calls up into it; only the
// Qt program above starts it.
#pragma once

#include "game/game.h"

namespace pv {

// Client area that holds every control as placed, and the window's outer size.
constexpr int kClientWidth = 243;
constexpr int kClientHeight = 252;
constexpr int kWindowWidth = 248;
constexpr int kWindowHeight = 295;

int ProgramStart(Game& g);
int RunMainWindow(Game& g, HINSTANCE instance, HINSTANCE previous, const char* commandLine,
                  int showCommand);
// The two halves of RunMainWindow: everything up to the message loop, and the loop.
void CreateMainWindow(Game& g);
int RunMessageLoop(Game& g);

LONG CentreOrigin(DWORD size, DWORD screenSize);
void LoadAndStart(Game& g, HWND window);
LRESULT MainWindowProc(Game& g, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace pv
