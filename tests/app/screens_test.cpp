// Switching screens: the drill's controls, the menu on every screen, and the about panel.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "screens/screens.h"
#include "support/game_fixture.h"

namespace pv::testing {
namespace {

class Screens : public GameTest {
  protected:
    void SetUp() override {
        Start(4242);
        game.soundOn = 0xFF;
    }

    std::vector<HWND> DrillControls() {
        return {game.toolButtons[1],     game.toolButtons[2],   game.toolButtons[3],
                game.toolButtons[4],     game.toolButtons[5],   game.toolButtons[0],
                game.toolButtons[6],     game.hintLabel,        game.levelLabel,
                game.questionsLeftLabel, game.answerButtons[0], game.answerButtons[1],
                game.answerButtons[2],   game.answerButtons[3], game.questionDisplay,
                game.leftFace,           game.rightFace};
    }
    std::vector<HWND> AboutControls() {
        return {game.aboutPicture, game.aboutText, game.contactText, game.aboutOkButton};
    }

    // The windows whose visibility changed since `from`, in order.
    std::vector<HWND> ShownOrHidden(std::size_t from) {
        std::vector<HWND> out;
        for (std::size_t i = from; i < platform.reflected.size(); ++i) {
            if (platform.reflected[i].what == Change::Visible) {
                out.push_back(platform.reflected[i].window);
            }
        }
        return out;
    }

    // The main window's background repainted: one colour change each.
    int Recolourings(std::size_t from) {
        int n = 0;
        for (std::size_t i = from; i < platform.reflected.size(); ++i) {
            n += platform.reflected[i].window == game.mainWindow &&
                 platform.reflected[i].what == Change::Background;
        }
        return n;
    }

    // The menu as a screen leaves it: the bar's items are only ever disabled, never greyed.
    void ExpectMenu(const char* screen, bool drill, bool help) {
        SCOPED_TRACE(screen);
        EXPECT_EQ(BarItem(0).disabled, !drill);
        EXPECT_FALSE(BarItem(0).grayed);
        EXPECT_FALSE(BarItem(1).disabled || BarItem(1).grayed) << "options always work";
        EXPECT_EQ(BarItem(2).disabled, !help);
        EXPECT_FALSE(BarItem(2).grayed);
        EXPECT_EQ(Item(1404).grayed, !drill);
        EXPECT_EQ(Item(2009).grayed, !drill);
        EXPECT_FALSE(Item(1404).disabled || Item(2009).disabled);
        for (UINT option : {1401u, 1402u, 1405u, 1406u, 2109u}) {
            EXPECT_FALSE(Item(option).grayed || Item(option).disabled) << option;
        }
    }

    UINT LastSound() { return platform.sounds.empty() ? 0 : platform.sounds.back().resource; }
};

TEST_F(Screens, MenuStandsAsEachScreenNeeds) {
    ExpectMenu("drill", true, true);
    const struct {
        const char* name;
        WPARAM open, close;
        bool help;
    } screens[] = {
        {"about", 1900, 1801, true},
        {"memory", 2011, 3101, true},
        {"colour", 1403, 2098, false},
        {"scores", 2009, 2097, false},
    };
    for (const auto& s : screens) {
        Command(s.open);
        ExpectMenu(s.name, false, s.help);
        Command(s.close);
        ExpectMenu("drill again", true, true);
    }
    Command(2011);
    Command(2012);
    ExpectMenu("about over memory", false, true);
    Command(1801);
    ExpectMenu("memory after about", false, true);
}

// A menu pick runs only where a person could make it: the item and every menu above it enabled,
// and the window usable, with no dialog in front of it.
TEST_F(Screens, MenuPicksRunOnlyWhereAPersonCouldMakeThem) {
    auto pick = [this](UINT id) {
        platform.SendNotification(game.mainWindow, WM_COMMAND, id, 0);
        Drain();
    };
    const std::uint32_t asked = game.rngA.low;
    pick(1303);
    EXPECT_EQ(game.rngA.low, asked) << "the greyed current operation asks nothing";
    Command(2011);
    pick(1301);
    EXPECT_EQ(game.operation, 'x') << "the Drill menu is disabled under the memory game";
    Command(3101);
    Command(2009);
    pick(1900);
    EXPECT_EQ(game.aboutOpen, 0) << "Help on the bar is disabled over the scores";
    Command(2097);
    platform.whileDialogOpen = [&]() { pick(1301); };
    Command(3300);
    EXPECT_EQ(game.operation, 'x') << "nothing behind a dialog";
    pick(1301);
    EXPECT_EQ(game.operation, '+');
}

TEST_F(Screens, DrillScreenGoesInItsOrderAndKeepsStatesAndTexts) {
    game.platform.EnableWindow(game.answerButtons[2], FALSE);
    game.platform.SetWindowTextA(game.answerButtons[1], "");
    std::vector<std::string> texts;
    for (HWND c : DrillControls()) texts.push_back(Text(c));

    for (Visibility show : {Visibility::Hidden, Visibility::Shown}) {
        std::size_t from = platform.reflected.size();
        ShowDrillScreen(game, show);
        EXPECT_EQ(ShownOrHidden(from), DrillControls()) << static_cast<int>(show);
        for (HWND c : DrillControls()) EXPECT_EQ(Visible(c), show == Visibility::Shown);
        for (std::size_t i = from; i < platform.reflected.size(); ++i) {
            EXPECT_NE(platform.reflected[i].what, Change::Enabled);
            EXPECT_NE(platform.reflected[i].what, Change::Text);
        }
    }
    EXPECT_FALSE(Enabled(game.answerButtons[2]));
    EXPECT_TRUE(Enabled(game.answerButtons[0]));
    std::vector<std::string> after;
    for (HWND c : DrillControls()) after.push_back(Text(c));
    EXPECT_EQ(after, texts);
}

TEST_F(Screens, AboutPanelReplacesTheDrillAndGivesItBack) {
    std::size_t from = platform.reflected.size();
    Command(1900);
    EXPECT_EQ(game.aboutOpen, 1);
    EXPECT_GE(LastSound(), 440u);
    EXPECT_LE(LastSound(), 444u);
    std::vector<HWND> order = ShownOrHidden(from);
    std::vector<HWND> expected = DrillControls();
    const std::vector<HWND> about = AboutControls();
    expected.insert(expected.end(), about.begin(), about.end());
    EXPECT_EQ(order, expected) << "drill hidden first, then the panel in its order";
    for (HWND c : AboutControls()) EXPECT_TRUE(Visible(c));
    EXPECT_EQ(platform.GetFocus(), game.contactText);

    // Asked again, the panel only sounds again.
    std::size_t sounds = platform.sounds.size();
    Command(2013);
    EXPECT_EQ(platform.sounds.size(), sounds + 1);
    for (HWND c : AboutControls()) EXPECT_TRUE(Visible(c));
    for (HWND c : DrillControls()) EXPECT_FALSE(Visible(c));

    Command(1801);
    EXPECT_EQ(game.aboutOpen, 0);
    EXPECT_GE(LastSound(), 440u);
    EXPECT_LE(LastSound(), 444u);
    for (HWND c : AboutControls()) EXPECT_FALSE(Visible(c));
    for (HWND c : DrillControls()) EXPECT_TRUE(Visible(c));
    EXPECT_EQ(platform.GetFocus(), game.mainWindow) << "the keys go to the window again";
}

TEST_F(Screens, MemoryGameUnderTheAboutPanelGoesOnAsItWas) {
    Command(2011);
    // One pair found, one card waiting.
    std::size_t a = 0, b = 1;
    while (game.cardIcons[b] != game.cardIcons[a]) ++b;
    Command(3000 + a);
    Command(3000 + b);
    std::size_t waiting = 1;
    while (waiting == b) ++waiting;
    Command(3000 + waiting);
    const auto icons = game.cardIcons;
    const auto revealed = game.cardRevealed;
    const std::uint32_t moves = game.memoryMoves, score = game.score;

    Command(2012);  // a click on the enabled face
    EXPECT_EQ(game.aboutOpen, 1);
    EXPECT_EQ(game.memoryOpen, 1);
    for (HWND card : game.cardButtons) EXPECT_FALSE(Visible(card));
    EXPECT_FALSE(Visible(game.movesLabel));
    EXPECT_FALSE(Visible(game.byeButton));
    EXPECT_FALSE(Enabled(game.leftFace));
    EXPECT_FALSE(Enabled(game.rightFace));
    for (HWND c : AboutControls()) EXPECT_TRUE(Visible(c));

    Command(1801);
    EXPECT_EQ(game.aboutOpen, 0);
    EXPECT_EQ(game.memoryOpen, 1);
    EXPECT_EQ(game.cardIcons, icons);
    EXPECT_EQ(game.cardRevealed, revealed);
    EXPECT_EQ(game.memoryMoves, moves);
    EXPECT_EQ(game.score, score);
    EXPECT_EQ(game.firstCardShown, 1u);
    EXPECT_EQ(game.firstCardSlot, waiting);
    EXPECT_EQ(Text(game.movesLabel), std::to_string(moves));
    for (std::size_t i = 0; i < kCardCount; ++i) {
        EXPECT_TRUE(Visible(game.cardButtons[i]));
        EXPECT_EQ(W(game.cardButtons[i]).image, revealed[i] != 0 ? icons[i] : game.cardBack) << i;
    }
    EXPECT_TRUE(Enabled(game.leftFace) && Visible(game.leftFace));
    for (HWND c : AboutControls()) EXPECT_FALSE(Visible(c));
    for (HWND c : {game.questionDisplay, game.answerButtons[0], game.toolButtons[0]}) {
        EXPECT_FALSE(Visible(c)) << "the drill stays hidden under the game";
    }
}

TEST_F(Screens, RandomColoursChangeWithEveryCallOfTheDrillScreen) {
    Command(1404);  // on: a colour at once
    ASSERT_NE(game.randomColours, 0);
    std::size_t from = platform.reflected.size();
    Command(1900);
    Command(1801);
    EXPECT_EQ(Recolourings(from), 2) << "about from the drill: opening and closing";

    Command(2011);
    from = platform.reflected.size();
    Command(1900);
    Command(1801);
    EXPECT_EQ(Recolourings(from), 1) << "about over the game: opening only";

    from = platform.reflected.size();
    Command(3101);
    EXPECT_EQ(Recolourings(from), 1) << "leaving the game";
    from = platform.reflected.size();
    Command(2009);
    Command(2097);
    EXPECT_EQ(Recolourings(from), 2) << "the score screen";
    EXPECT_EQ(platform.CountObjects(GdiKind::Brush), 1u);
}

}  // namespace
}  // namespace pv::testing
