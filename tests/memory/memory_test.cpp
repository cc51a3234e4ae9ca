// The pairs game: the deal and its draws, turning cards, the mismatch delay, the end and bonus.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "memory/memory.h"
#include "random/random.h"
#include "support/game_fixture.h"

namespace pv::testing {
namespace {

class Memory : public GameTest {
  protected:
    void SetUp() override {
        Start(31337);
        game.soundOn = 0xFF;
    }

    std::size_t PartnerOf(std::size_t i) {
        for (std::size_t j = 0; j < kCardCount; ++j) {
            if (j != i && game.cardIcons[j] == game.cardIcons[i]) return j;
        }
        throw std::runtime_error("card without a partner");
    }
    void Click(std::size_t i) { Command(3000 + i); }
    HANDLE Shown(std::size_t i) { return W(game.cardButtons[i]).image; }
    bool SoundOfKind(std::size_t from, UINT first, UINT count) {
        for (std::size_t i = from; i < platform.sounds.size(); ++i) {
            UINT r = platform.sounds[i].resource;
            if (r >= first && r < first + count) return true;
        }
        return false;
    }
    // Turns up every pair but the one holding `last`.
    void FindAllBut(std::size_t last) {
        std::size_t partner = PartnerOf(last);
        for (std::size_t i = 0; i < kCardCount; ++i) {
            if (i == last || i == partner || game.cardRevealed[i] != 0) continue;
            Click(i);
            Click(PartnerOf(i));
        }
    }
};

// The deal made again from the generator as it stood: the card back, a picture per pair (drawn
// again while already dealt), then the two shuffles, each a count and its exchanges.
struct Deal {
    HICON back = 0;
    std::array<HICON, kCardCount> icons = {};
};

Deal Expected(const GameState& from, bool high) {
    GameState r;
    r.rngA = from.rngA;
    r.rngB = from.rngB;
    r.rngToggle = from.rngToggle;
    Deal d;
    d.back = 920 + Random(r, 3);
    for (std::size_t k = 0; k < 15; ++k) {
        HICON p = 0;
        do {
            p = 500 + Random(r, high ? 344 : 301);
        } while (std::count(d.icons.begin(), d.icons.begin() + 15, p) != 0);
        d.icons[k] = d.icons[k + 15] = p;
    }
    for (auto [places, base, spread] : {std::tuple{15u, 51u, 111u}, std::tuple{30u, 134u, 133u}}) {
        for (std::uint32_t n = base + Random(r, spread); n > 0; --n) {
            std::uint32_t a = Random(r, places), b = 0;
            do b = Random(r, places);
            while (b == a);
            std::swap(d.icons[a], d.icons[b]);
        }
    }
    return d;
}

TEST_F(Memory, DealsFifteenDifferentPairsInItsDrawOrder) {
    for (int round = 0; round < 12; ++round) {
        const bool high = round % 2 == 1;
        game.highColour = high ? 0xFF : 0;
        GameState before;
        before.rngA = game.rngA;
        before.rngB = game.rngB;
        before.rngToggle = game.rngToggle;
        Command(2011);
        Deal d = Expected(before, high);
        EXPECT_EQ(game.cardBack, d.back) << round;
        EXPECT_EQ(game.cardIcons, d.icons) << round;

        std::map<HICON, int> count;
        for (HICON p : game.cardIcons) ++count[p];
        EXPECT_EQ(count.size(), 15u);
        for (auto [p, n] : count) {
            EXPECT_EQ(n, 2) << p;
            EXPECT_GE(p, 500u);
            EXPECT_LE(p, high ? 843u : 800u);
        }
        EXPECT_GE(game.cardBack, 920u);
        EXPECT_LE(game.cardBack, 922u);
        for (std::size_t i = 0; i < kCardCount; ++i) {
            EXPECT_TRUE(Visible(game.cardButtons[i]));
            EXPECT_EQ(Shown(i), game.cardBack);
        }
        EXPECT_EQ(Text(game.movesLabel), "0");
        EXPECT_EQ(game.memoryOpen, 1);
        Command(3101);
    }
}

TEST_F(Memory, AKnownDealWonPaysEachMatchAndTheBonus) {
    Command(2011);
    EXPECT_FALSE(Visible(game.questionDisplay));
    EXPECT_TRUE(Enabled(game.leftFace) && Visible(game.leftFace));
    EXPECT_TRUE(Visible(game.movesLabel) && Visible(game.byeButton));
    const std::uint32_t start = game.score;

    // One miss first: two cards that do not match.
    std::size_t other = 1;
    while (game.cardIcons[other] == game.cardIcons[0]) ++other;
    Click(0);
    Click(other);
    Tick(2);
    std::uint32_t matches = 0;
    for (std::size_t i = 0; i < kCardCount; ++i) {
        if (game.cardRevealed[i] != 0) continue;
        std::size_t sounds = platform.sounds.size();
        Click(i);
        Click(PartnerOf(i));
        ++matches;
        if (matches < 15) {
            EXPECT_EQ(game.score, start + matches);
            EXPECT_EQ(Shown(i), game.cardIcons[i]);
            EXPECT_EQ(W(game.leftFace).image, 913u);
            EXPECT_TRUE(SoundOfKind(sounds, 400, 5));
        } else {
            EXPECT_TRUE(SoundOfKind(sounds, 480, 4)) << "the end sound";
        }
    }
    EXPECT_EQ(game.memoryMoves, 32u);
    EXPECT_EQ(game.score, start + 15 + (521 - 32));
    EXPECT_EQ(game.memoryOpen, 0);
    for (HWND card : game.cardButtons) EXPECT_FALSE(Visible(card));
    EXPECT_FALSE(Visible(game.byeButton));
    EXPECT_TRUE(Visible(game.questionDisplay));
    EXPECT_TRUE(Visible(game.leftFace));
    EXPECT_FALSE(Enabled(game.leftFace));
    EXPECT_FALSE(BarItem(0).disabled);
}

TEST_F(Memory, BonusShrinksWithMovesToNothingFrom521) {
    for (auto [before, bonus] : {std::pair{518u, 1u}, std::pair{519u, 0u},
                                 std::pair{0xFFFFFFF0u, 0u}, std::pair{0u, 519u}}) {
        Command(2011);
        FindAllBut(0);
        game.memoryMoves = before;
        const std::uint32_t score = game.score;
        Click(0);
        Click(PartnerOf(0));
        EXPECT_EQ(game.score, score + 1 + bonus) << before;
        EXPECT_EQ(game.memoryOpen, 0);
    }
}

TEST_F(Memory, MismatchTurnsBackOnTheTickOrAtTheNextClick) {
    Command(2011);
    std::size_t a = 0, b = 1;
    while (game.cardIcons[b] == game.cardIcons[a]) ++b;
    std::size_t c = b + 1;
    while (game.cardIcons[c] == game.cardIcons[a] || game.cardIcons[c] == game.cardIcons[b]) ++c;

    // The pair stays drawn face up until two ticks later.
    Click(a);
    EXPECT_EQ(W(game.leftFace).image, 910u);
    Click(b);
    EXPECT_EQ(game.cardRevealed[a] + game.cardRevealed[b], 0u);
    EXPECT_EQ(Shown(a), game.cardIcons[a]);
    EXPECT_EQ(Shown(b), game.cardIcons[b]);
    EXPECT_EQ(W(game.leftFace).image, 914u);
    EXPECT_EQ(game.firstCardShown, 0u);
    Tick();
    EXPECT_EQ(Shown(a), game.cardIcons[a]);
    Tick();
    EXPECT_EQ(Shown(a), game.cardBack);
    EXPECT_EQ(Shown(b), game.cardBack);

    // During the delay one of the pair comes up again as a new first card.
    Click(a);
    Click(b);
    Click(b);
    EXPECT_EQ(game.firstCardShown, 1u);
    EXPECT_EQ(game.firstCardSlot, b);
    EXPECT_EQ(Shown(a), game.cardBack);
    EXPECT_EQ(Shown(b), game.cardIcons[b]);
    Tick(2);
    EXPECT_EQ(Shown(b), game.cardIcons[b]);
    EXPECT_EQ(game.memoryMoves, 5u);

    // A third card during the delay turns the pair down at once.
    Click(c);  // closes the waiting b with a miss
    Click(a);
    Click(c);
    Click(b);
    EXPECT_EQ(Shown(a), game.cardBack);
    EXPECT_EQ(Shown(c), game.cardBack);
    EXPECT_EQ(Shown(b), game.cardIcons[b]);
    EXPECT_EQ(game.firstCardSlot, b);
    EXPECT_EQ(Text(game.movesLabel), "9");
}

TEST_F(Memory, CardsAlreadyUpIgnoreClicks) {
    Command(2011);
    Click(0);
    Click(PartnerOf(0));
    const std::uint32_t moves = game.memoryMoves, score = game.score, face = game.currentFace;
    const std::size_t sounds = platform.sounds.size();
    Click(0);
    EXPECT_EQ(game.memoryMoves, moves);
    EXPECT_EQ(game.score, score);
    EXPECT_EQ(game.currentFace, face);
    EXPECT_EQ(platform.sounds.size(), sounds);
}

// A menu pick and a card click that waited together (the program was busy): the about panel
// opens first and hides the board, so the click on the card that is gone does nothing.
TEST_F(Memory, ClickQueuedBehindTheAboutPanelDoesNotTurnAHiddenCard) {
    Command(2011);
    const std::uint32_t moves = game.memoryMoves;
    platform.PostMessageA(game.mainWindow, WM_COMMAND, 1900, 0);
    platform.SendNotification(game.mainWindow, WM_COMMAND, 3004,
                              static_cast<LPARAM>(game.cardButtons[4]));
    EXPECT_NE(game.aboutOpen, 0);
    EXPECT_FALSE(Visible(game.cardButtons[4]));
    Command(1801);
    EXPECT_EQ(game.cardRevealed[4], 0u);
    EXPECT_EQ(game.memoryMoves, moves);
    EXPECT_EQ(Shown(4), game.cardBack);

    platform.SendNotification(game.mainWindow, WM_COMMAND, 3004,
                              static_cast<LPARAM>(game.cardButtons[4]));
    EXPECT_EQ(game.cardRevealed[4], 1u) << "a card on view still turns";
}

TEST_F(Memory, LeavingPaysNothingAndKeepsTheBoardForItsFlags) {
    Command(2011);
    Click(3);
    Click(PartnerOf(3));
    const std::uint32_t score = game.score;
    const std::size_t sounds = platform.sounds.size();
    Command(3101);
    EXPECT_EQ(game.score, score);
    ASSERT_EQ(platform.sounds.size(), sounds + 1);
    EXPECT_GE(platform.sounds.back().resource, 440u);
    EXPECT_LE(platform.sounds.back().resource, 444u);
    EXPECT_EQ(game.memoryOpen, 0);
    EXPECT_EQ(game.cardRevealed[3], 1u) << "leaving clears nothing";
    for (HWND c : game.answerButtons) EXPECT_TRUE(Visible(c));
}

}  // namespace
}  // namespace pv::testing
