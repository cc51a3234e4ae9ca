// Play by keyboard: a key stands for a click on a control the player could click now. The digits
// 1 to 4 answer with the four answer buttons, Escape closes the about panel, the colour panel and
// the high-score screen as their "ok" does, and in the memory game the arrow keys move a visible
// focus over the cards, which Enter or Space turns.
#pragma once

#include "game/game.h"

namespace pv {

// The command a key (WM_KEYDOWN with a virtual key, WM_CHAR with a character, and the message's
// lParam) stands for, or 0 when it stands for none now: the control it would click is hidden or
// disabled, say, or the key is held down and this is its auto-repeat. Arrow keys in the memory
// game move the card focus, repeats too, and stand for no command.
WPARAM KeyCommand(Game& g, UINT message, WPARAM key, LPARAM state);

}  // namespace pv
