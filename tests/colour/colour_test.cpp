// The background colour: the bars' scroll requests, the panel, random colours and the brush.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>
#include "colour/colour.h"
#include "support/game_fixture.h"

namespace pv::testing {
namespace {

class Colour : public GameTest {
  protected:
    void SetUp() override {
        Start(2024);
        game.soundOn = 0xFF;
    }

    void Scroll(int bar, int request, int thumb = 0) {
        Send(WM_HSCROLL,
             static_cast<WPARAM>(MAKELPARAM(static_cast<WORD>(request), static_cast<WORD>(thumb))),
             static_cast<LPARAM>(game.colourBars[bar]));
        Drain();
    }
    int Position(int bar) { return platform.GetScrollPos(game.colourBars[bar], SB_CTL); }
    COLORREF Background() {
        const GdiObject* brush = platform.FindObject(platform.ClassBackground(game.mainWindow));
        if (brush == nullptr || brush->kind != GdiKind::Brush) throw std::runtime_error("no brush");
        return brush->colour;
    }
    std::vector<HWND> PanelControls() {
        return {game.colourBars[0],   game.colourBars[1],   game.colourBars[2],
                game.colourLabels[0], game.colourLabels[1], game.colourLabels[2],
                game.colourOkButton};
    }
};

TEST_F(Colour, PanelOpensAtTheCurrentColourWithItsLabels) {
    EXPECT_EQ(Background(), PackColour(188, 195, 187));
    std::size_t sounds = platform.sounds.size();
    Command(1403);
    EXPECT_EQ(platform.sounds.size(), sounds + 1) << "the click sound";
    EXPECT_EQ(game.colourOpen, 1);
    for (HWND c : PanelControls()) EXPECT_TRUE(Visible(c));
    EXPECT_FALSE(Visible(game.questionDisplay));
    EXPECT_EQ(Text(game.colourLabels[0]), "188 red");
    EXPECT_EQ(Text(game.colourLabels[1]), "195 green");
    EXPECT_EQ(Text(game.colourLabels[2]), "187 blue");
    EXPECT_TRUE(BarItem(2).disabled);

    sounds = platform.sounds.size();
    Command(2098);
    EXPECT_EQ(game.colourOpen, 0);
    for (HWND c : PanelControls()) EXPECT_FALSE(Visible(c));
    EXPECT_TRUE(Visible(game.questionDisplay));
    EXPECT_FALSE(BarItem(2).disabled);
    ASSERT_EQ(platform.sounds.size(), sounds + 1);
    EXPECT_GE(platform.sounds.back().resource, 440u);
    EXPECT_LE(platform.sounds.back().resource, 444u);
}

TEST_F(Colour, ScrollRequestsMoveTheBarWithinItsRange) {
    Command(1403);
    const std::size_t sounds = platform.sounds.size();
    const struct {
        int from, request, thumb, to;
    } cases[] = {
        {0, SB_LINELEFT, 0, 0},      {1, SB_LINELEFT, 0, 0},
        {100, SB_LINELEFT, 0, 99},   {254, SB_LINERIGHT, 0, 255},
        {255, SB_LINERIGHT, 0, 255}, {0, SB_PAGELEFT, 0, 0},
        {9, SB_PAGELEFT, 0, 0},      {10, SB_PAGELEFT, 0, 0},
        {11, SB_PAGELEFT, 0, 1},     {244, SB_PAGERIGHT, 0, 254},
        {245, SB_PAGERIGHT, 0, 255}, {250, SB_PAGERIGHT, 0, 255},
        {3, SB_THUMBTRACK, 77, 77},  {3, SB_THUMBPOSITION, 200, 200},
        {3, SB_THUMBTRACK, 0, 0},    {3, SB_THUMBTRACK, 0xFFFF, 255},
        {130, SB_LEFT, 0, 0},        {13, SB_RIGHT, 0, 255},
        {42, SB_ENDSCROLL, 99, 42},  {42, 0xFFFF, 0, 42},
    };
    for (int bar = 0; bar < 3; ++bar) {
        for (const auto& c : cases) {
            platform.SetScrollPos(game.colourBars[bar], SB_CTL, c.from, FALSE);
            std::size_t from = platform.reflected.size();
            Scroll(bar, c.request, c.thumb);
            EXPECT_EQ(Position(bar), c.to) << bar << ": " << c.request << " from " << c.from;
            const std::uint32_t* component[] = {&game.bgRed, &game.bgGreen, &game.bgBlue};
            EXPECT_EQ(*component[bar], static_cast<std::uint32_t>(c.to));
            EXPECT_EQ(Background(), PackColour(game.bgRed, game.bgGreen, game.bgBlue));
            int repaints = 0;
            for (std::size_t i = from; i < platform.reflected.size(); ++i) {
                repaints += platform.reflected[i].window == game.mainWindow &&
                            platform.reflected[i].what == Change::Background;
            }
            EXPECT_EQ(repaints, 1) << "every request applies the colour, the end one included";
        }
    }
    EXPECT_EQ(Text(game.colourLabels[2]), "42 blue");
    EXPECT_EQ(platform.sounds.size(), sounds) << "scrolling is silent";
}

TEST_F(Colour, OneBrushOfOursAtATime) {
    EXPECT_EQ(platform.CountObjects(GdiKind::Brush), 1u);
    Command(1403);
    for (int i = 0; i < 60; ++i) Scroll(i % 3, i % 2 == 0 ? SB_LINERIGHT : SB_PAGELEFT);
    Command(2098);
    Command(1404);
    for (int i = 0; i < 40; ++i) Command(1403);
    EXPECT_EQ(platform.CountObjects(GdiKind::Brush), 1u);
    EXPECT_EQ(platform.FindObject(platform.ClassBackground(game.mainWindow))->kind, GdiKind::Brush);
}

TEST_F(Colour, RandomColoursMoveTheBarsQuietlyAndSkipThePanel) {
    std::size_t sounds = platform.sounds.size();
    Command(1404);  // on
    EXPECT_TRUE(Item(1404).checked);
    EXPECT_EQ(game.colourOpen, 0);
    EXPECT_TRUE(Visible(game.questionDisplay));
    for (int round = 0; round < 5; ++round) {
        Command(1403);
        EXPECT_EQ(Position(0), static_cast<int>(game.bgRed));
        EXPECT_EQ(Position(1), static_cast<int>(game.bgGreen));
        EXPECT_EQ(Position(2), static_cast<int>(game.bgBlue));
        EXPECT_EQ(Background(), PackColour(game.bgRed, game.bgGreen, game.bgBlue));
        EXPECT_EQ(game.colourOpen, 0);
    }
    EXPECT_EQ(platform.sounds.size(), sounds) << "random colours come without a sound";
    EXPECT_EQ(Text(game.colourLabels[0]), "hi") << "the labels wait for the panel";

    // Switched off, the panel opens at once at the last random colour, still without a sound.
    const std::uint32_t r = game.bgRed, gr = game.bgGreen, b = game.bgBlue;
    Command(1404);
    EXPECT_FALSE(Item(1404).checked);
    EXPECT_EQ(game.colourOpen, 1);
    EXPECT_EQ(platform.sounds.size(), sounds);
    EXPECT_EQ(Text(game.colourLabels[0]), std::to_string(r) + " red");
    EXPECT_EQ(Text(game.colourLabels[1]), std::to_string(gr) + " green");
    EXPECT_EQ(Text(game.colourLabels[2]), std::to_string(b) + " blue");
    EXPECT_EQ(Background(), PackColour(r, gr, b));
}

}  // namespace
}  // namespace pv::testing
