#include "memory/memory.h"

#include "app/controls.h"

namespace pv {

void DealMemoryGame(Game& /*g*/) {}

void ShowMemoryBoard(Game& g, int show) {
    Platform& p = g.platform;
    if (show == 1) {
        p.ShowWindow(g.leftFace, SW_SHOWNORMAL);
        p.ShowWindow(g.rightFace, SW_SHOWNORMAL);
    }
    p.EnableWindow(g.leftFace, show == 1 ? TRUE : FALSE);
    p.EnableWindow(g.rightFace, show == 1 ? TRUE : FALSE);
    p.ShowWindow(g.movesLabel, show);
    p.ShowWindow(g.byeButton, show);
    for (std::size_t i = 0; i < kCardCount; ++i) {
        if (show == 1) {
            HICON picture = g.cardRevealed[i] != 0 ? g.cardIcons[i] : g.cardBack;
            p.SendMessageA(g.cardButtons[i], STM_SETIMAGE, IMAGE_ICON, picture);
        }
        p.ShowWindow(g.cardButtons[i], show);
    }
}

void CardClicked(Game& /*g*/, int /*i*/) {}
void LeaveMemoryGame(Game& /*g*/) {}

}  // namespace pv
