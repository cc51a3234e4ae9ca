#include "app/keyboard.h"

#include <cstdint>

#include "assets/commands.h"
#include "controls/controls.h"

namespace pv {

namespace {

constexpr int kCardRows = static_cast<int>(kCardCount) / kCardColumns;

// The command of a control, only if the player could click it now: the game checks, whatever
// the widgets let through.
WPARAM IfUsable(const Game& g, HWND control, WPARAM command) {
    return g.platform.Usable(control) ? command : 0;
}

WPARAM AnswerKey(const Game& g, WPARAM character) {
    if (character < '1' || character > '4') return 0;
    std::size_t i = character - '1';
    return IfUsable(g, g.answerButtons[i], Command::FirstAnswer + i);
}

// The topmost panel's "ok": the about panel can lie over the others.
WPARAM CloseKey(const Game& g) {
    if (g.aboutOpen != 0) return IfUsable(g, g.aboutOkButton, Command::CloseAbout);
    if (g.colourOpen != 0) return IfUsable(g, g.colourOkButton, Command::CloseColourPanel);
    if (g.scoresOpen != 0) return IfUsable(g, g.scoresOkButton, Command::CloseScores);
    return 0;
}

bool BoardInView(const Game& g) {
    return g.memoryOpen != 0 && g.aboutOpen == 0;
}

// Moves the focus one card over, staying on the board; the first arrow shows it on the first card.
void MoveCardFocus(Game& g, int columns, int rows) {
    if (g.cardFocus < 0) {
        g.cardFocus = 0;
    } else {
        int column = g.cardFocus % kCardColumns + columns;
        int row = g.cardFocus / kCardColumns + rows;
        if (column >= 0 && column < kCardColumns && row >= 0 && row < kCardRows) {
            g.cardFocus = row * kCardColumns + column;
        }
    }
    g.platform.SetFocus(g.cardButtons[static_cast<std::size_t>(g.cardFocus)]);
}

WPARAM BoardKey(Game& g, WPARAM key) {
    switch (key) {
        case VK_LEFT:
            MoveCardFocus(g, -1, 0);
            return 0;
        case VK_RIGHT:
            MoveCardFocus(g, 1, 0);
            return 0;
        case VK_UP:
            MoveCardFocus(g, 0, -1);
            return 0;
        case VK_DOWN:
            MoveCardFocus(g, 0, 1);
            return 0;
        case VK_RETURN:
        case VK_SPACE: {
            if (g.cardFocus < 0) return 0;
            auto card = static_cast<std::size_t>(g.cardFocus);
            return IfUsable(g, g.cardButtons[card], Command::FirstCard + card);
        }
        default:
            return 0;
    }
}

WPARAM PressCommand(Game& g, UINT message, WPARAM key) {
    if (message == WM_CHAR) return AnswerKey(g, key);
    if (message != WM_KEYDOWN) return 0;
    if (key == VK_ESCAPE) return CloseKey(g);
    return BoardInView(g) ? BoardKey(g, key) : 0;
}

}  // namespace

WPARAM KeyCommand(Game& g, UINT message, WPARAM key, LPARAM state) {
    WPARAM command = PressCommand(g, message, key);
    // One press, one action: a held key would answer question after question, or turn the card
    // the tick has just turned back.
    bool repeated = (HIWORD(static_cast<std::uintptr_t>(state)) & KF_REPEAT) != 0;
    return repeated ? 0 : command;
}

}  // namespace pv
