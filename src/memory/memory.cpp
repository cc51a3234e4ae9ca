#include "memory/memory.h"

#include <algorithm>
#include <utility>

#include "assets/catalogue.h"
#include "audio/sound.h"
#include "controls/controls.h"
#include "drill/judge.h"
#include "random/random.h"
#include "screens/screens.h"

namespace pv {

namespace {

constexpr std::size_t kPairs = kCardCount / 2;
constexpr std::uint32_t kBonusMoves = 521;

// Exchanges two different places among the first `places` cards, `count` times.
void Shuffle(Game& g, std::uint32_t places, std::uint32_t count) {
    for (std::uint32_t n = 0; n < count; ++n) {
        std::uint32_t a = Random(g, places);
        std::uint32_t b = 0;
        do {
            b = Random(g, places);
        } while (b == a);
        std::swap(g.cardIcons[a], g.cardIcons[b]);
    }
}

bool Dealt(const Game& g, HICON picture) {
    return std::count(g.cardIcons.begin(), g.cardIcons.begin() + kPairs, picture) != 0;
}

}  // namespace

void DealMemoryGame(Game& g) {
    Platform& p = g.platform;
    g.firstCardShown = 0;
    g.firstCardSlot = 0;
    g.memoryMoves = 0;
    SetLabelNumber(g, g.movesLabel, "%d", 0, 0);
    g.memoryOpen = 1;
    // No card is framed on a new board until an arrow shows the frame: Enter turns nothing unseen.
    g.cardFocus = -1;
    g.cardBack = p.LoadIconA(g.instance, kFirstCardBack + Random(g, kCardBackCount));
    g.cardIcons = {};
    g.cardRevealed = {};

    // Fifteen different pictures, each on card k and card k + 15.
    for (std::size_t k = 0; k < kPairs; ++k) {
        HICON picture = 0;
        do {
            UINT range = g.highColour != 0 ? kAllPictures : kCartoonPictures;
            picture = p.LoadIconA(g.instance, kFirstPicture + Random(g, range));
        } while (Dealt(g, picture));
        g.cardIcons[k] = picture;
        g.cardIcons[k + kPairs] = picture;
    }
    Shuffle(g, kPairs, 51 + Random(g, 111));
    Shuffle(g, kCardCount, 134 + Random(g, 133));

    ShowDrillScreen(g, Visibility::Hidden);
    ShowMemoryBoard(g, Visibility::Shown);
}

void ShowMemoryBoard(Game& g, Visibility show) {
    Platform& p = g.platform;
    bool shown = show == Visibility::Shown;
    if (shown) {
        p.ShowWindow(g.leftFace, SW_SHOWNORMAL);
        p.ShowWindow(g.rightFace, SW_SHOWNORMAL);
    }
    p.EnableWindow(g.leftFace, shown ? TRUE : FALSE);
    p.EnableWindow(g.rightFace, shown ? TRUE : FALSE);
    p.ShowWindow(g.movesLabel, static_cast<int>(show));
    p.ShowWindow(g.byeButton, static_cast<int>(show));
    for (std::size_t i = 0; i < kCardCount; ++i) {
        if (shown) {
            HICON picture = g.cardRevealed[i] != 0 ? g.cardIcons[i] : g.cardBack;
            p.SendMessageA(g.cardButtons[i], STM_SETIMAGE, IMAGE_ICON, picture);
        }
        p.ShowWindow(g.cardButtons[i], static_cast<int>(show));
    }
}

void CardClicked(Game& g, int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= kCardCount) return;
    auto card = static_cast<std::size_t>(i);

    if (g.cardRevealed[card] == 0) {
        g.cardRevealed[card] = 1;
        ShowMemoryBoard(g, Visibility::Shown);
        if (g.firstCardShown != 0) {
            if (g.cardIcons[card] == g.cardIcons[g.firstCardSlot]) {
                PlaySoundEffect(g, Sound::Right);
                ShowFace(g, Face::Right);
                g.score += 1;
            } else {
                // Both count as face down at once; the tick turns them over on screen.
                g.cardRevealed[card] = 0;
                g.cardRevealed[g.firstCardSlot] = 0;
                g.actionDelay = 1;
                g.pendingBoardRedraw = 1;
                PlaySoundEffect(g, Sound::Wrong);
                ShowFace(g, Face::Wrong);
            }
            g.firstCardShown = 0;
        } else {
            g.firstCardSlot = static_cast<std::uint32_t>(card);
            g.firstCardShown = 1;
            ShowFace(g, Face::Neutral);
        }
        PlaySoundEffect(g, Sound::NewQuestion);
        g.memoryMoves += 1;
        SetLabelNumber(g, g.movesLabel, "%d", g.memoryMoves, 0);
    }

    if (std::count(g.cardRevealed.begin(), g.cardRevealed.end(), 0u) == 0) {
        PlaySoundEffect(g, Sound::LevelDone);
        LeaveMemoryGame(g);
        g.score += kBonusMoves - std::min(g.memoryMoves, kBonusMoves);
    }
}

void LeaveMemoryGame(Game& g) {
    ShowMemoryBoard(g, Visibility::Hidden);
    g.memoryOpen = 0;
    ShowDrillScreen(g, Visibility::Shown);
}

}  // namespace pv
