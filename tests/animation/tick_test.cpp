// The 300 ms tick: tool pictures, hints, faces, delayed actions, the level label, the score.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "memory/memory.h"
#include "support/game_fixture.h"

namespace pv::testing {
namespace {

class Ticks : public GameTest {
  protected:
    void SetUp() override { Start(2024); }

    void MoveTo(int x, int y) {
        Send(WM_MOUSEMOVE, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
    }
    std::string Hint() { return Visible(game.hintLabel) ? Text(game.hintLabel) : "(hidden)"; }
    bool CardsShown() { return Visible(game.cardButtons[0]) && Visible(game.cardButtons[29]); }
};

TEST_F(Ticks, NextQuestionComesOnExactlyTheFifthTick) {
    auto right = std::find(game.choices.begin(), game.choices.end(), game.correctAnswer);
    Command(2001 + static_cast<WPARAM>(right - game.choices.begin()));
    for (int tick = 1; tick <= 4; ++tick) {
        Tick();
        EXPECT_FALSE(Enabled(game.answerButtons[0])) << tick;
        EXPECT_EQ(game.pendingQuestion, 1u) << tick;
    }
    Tick();
    EXPECT_TRUE(Enabled(game.answerButtons[0]));
    EXPECT_EQ(game.pendingQuestion, 0u);
    EXPECT_EQ(Text(game.questionsLeftLabel), "3 questions");
    Tick(3);
    EXPECT_EQ(game.actionDelay, 0);
}

TEST_F(Ticks, BoardRedrawIsServedAfterTheQuestionOrDropped) {
    game.memoryOpen = 1;
    game.pendingBoardRedraw = 1;
    game.actionDelay = 1;
    Tick();
    EXPECT_FALSE(CardsShown());
    Tick();
    EXPECT_TRUE(CardsShown());
    EXPECT_EQ(game.pendingBoardRedraw, 0u);

    for (auto [about, memory] : {std::pair{1, 1}, std::pair{0, 0}}) {
        ShowMemoryBoard(game, Visibility::Hidden);
        game.aboutOpen = static_cast<std::uint8_t>(about);
        game.memoryOpen = static_cast<std::uint8_t>(memory);
        game.pendingBoardRedraw = 1;
        Tick();
        EXPECT_FALSE(CardsShown()) << about;
        EXPECT_EQ(game.pendingBoardRedraw, 0u);
    }

    game.aboutOpen = 0;
    game.memoryOpen = 1;
    game.pendingQuestion = 1;
    game.pendingBoardRedraw = 1;
    std::size_t from = platform.reflected.size();
    Tick();
    auto first = [&](HWND window) {
        for (std::size_t i = from; i < platform.reflected.size(); ++i) {
            if (platform.reflected[i].window == window) return i;
        }
        return platform.reflected.size();
    };
    EXPECT_LT(first(game.questionDisplay), first(game.cardButtons[0]));
}

TEST_F(Ticks, LevelLabelSwitchesEveryEighthTick) {
    std::vector<std::string> shown;
    for (int tick = 1; tick <= 17; ++tick) {
        Tick();
        if (tick == 1) game.score = 4321;
        shown.push_back(Text(game.levelLabel));
    }
    EXPECT_EQ(shown[0], "level 1");
    EXPECT_EQ(shown[7], "level 1");
    EXPECT_EQ(shown[8], "score 4321");
    EXPECT_EQ(shown[15], "score 4321");
    EXPECT_EQ(shown[16], "level 1");
    auto writes = std::count_if(
        platform.reflected.begin(), platform.reflected.end(),
        [&](const Reflected& r) { return r.window == game.levelLabel && r.what == Change::Text; });
    EXPECT_EQ(writes, 3);
}

TEST_F(Ticks, ScoreIsClampedAfterTheLabelIsWritten) {
    for (auto [before, after] :
         {std::pair{0u, 1u}, std::pair{1u, 1u}, std::pair{99999999u, 99999999u},
          std::pair{100000000u, 99999999u}, std::pair{0x7FFFFFFFu, 99999999u}}) {
        game.score = before;
        game.labelDelay = 0;
        game.labelPhase = 0xFFFFFFFF;  // this tick shows the score
        Tick();
        EXPECT_EQ(Text(game.levelLabel), "score " + std::to_string(before));
        EXPECT_EQ(game.score, after) << before;
    }
}

TEST_F(Ticks, ToolPicturesNeverRepeatARecordedOne) {
    bool richSeen = false;
    for (std::uint8_t colour : {std::uint8_t{0}, std::uint8_t{0xFF}}) {
        game.highColour = colour;
        const UINT last = colour != 0 ? 843 : 800;
        for (int tick = 0; tick < 300; ++tick) {
            auto before = game.toolIcons;
            Tick();
            std::vector<std::size_t> changed;
            for (std::size_t slot = 0; slot < kToolCount; ++slot) {
                if (game.toolIcons[slot] != before[slot]) changed.push_back(slot);
            }
            ASSERT_EQ(changed.size(), 1u);
            std::uint32_t picture = game.toolIcons[changed[0]];
            EXPECT_EQ(std::count(before.begin(), before.end(), picture), 0);
            EXPECT_EQ(W(game.toolButtons[changed[0]]).image, picture);
            EXPECT_GE(picture, 500u);
            EXPECT_LE(picture, last);
            richSeen |= picture > 800;
        }
    }
    EXPECT_TRUE(richSeen);
    EXPECT_EQ(game.toolIcons[kToolCount], 0u);
}

// Right face after an animation step, by current face: the draw of 3 picks candidate A (0), the
// face itself (1) or candidate B (2); a draw of 8 out of 11 copies it to the left face. Before any
// face is set (0) the resting face stands in for the current one.
TEST_F(Ticks, AnimatedFacesFollowTheCurrentFaceAndColourSet) {
    const std::map<std::uint32_t, std::array<std::uint32_t, 3>> byDraw = {
        {0, {901, 900, 902}},   {900, {901, 900, 902}}, {901, {900, 901, 902}},
        {902, {902, 902, 900}}, {903, {902, 903, 900}}, {904, {900, 904, 901}},
    };
    std::set<std::uint32_t> drawsSeen;
    int copied = 0;
    for (std::uint8_t colour : {std::uint8_t{0}, std::uint8_t{0xFF}}) {
        game.highColour = colour;
        const std::uint32_t add = colour != 0 ? 0 : 10;
        for (int tick = 0; tick < 400; ++tick) {
            game.currentFace = tick % 6 == 5 ? 0 : 900 + tick % 6;
            const GameState before = game;
            const HANDLE left = W(game.leftFace).image;
            WatchDraws();
            Tick();
            std::vector<std::uint32_t> values = ReplayDraws(before, ranges);
            std::size_t at = ranges.size();
            while (at > 0 && ranges[at - 1] != 3) --at;
            if (at == 0) continue;  // no animation this tick
            ASSERT_EQ(ranges.at(at), 11u);
            const std::uint32_t r = values[at - 1];
            drawsSeen.insert(r);
            const std::uint32_t face = byDraw.at(game.currentFace)[r];
            EXPECT_EQ(W(game.rightFace).image, face + add) << game.currentFace << " drew " << r;
            const bool copy = values[at] == 8;
            copied += copy;
            EXPECT_EQ(W(game.leftFace).image, copy ? face + add : left);
            EXPECT_EQ(game.currentFace, tick % 6 == 5 ? 0u : 900u + tick % 6) << "never set here";
        }
    }
    EXPECT_EQ(drawsSeen, (std::set<std::uint32_t>{0, 1, 2}));
    EXPECT_GT(copied, 0);
}

// One tick draws: the slot, a picture per candidate, the face chance, and on a hit 3 then 11.
TEST_F(Ticks, TickDrawsInItsOrder) {
    WatchDraws();
    int hits = 0;
    for (int tick = 0; tick < 200; ++tick) {
        game.highColour = tick < 100 ? 0 : 0xFF;
        const std::uint32_t pictures = tick < 100 ? 301 : 344;
        ranges.clear();
        Tick();
        ASSERT_GE(ranges.size(), 3u);
        EXPECT_EQ(ranges[0], 7u);
        std::size_t i = 1;
        while (i < ranges.size() && ranges[i] == pictures) ++i;
        EXPECT_GE(i, 2u);
        ASSERT_LT(i, ranges.size());
        EXPECT_EQ(ranges[i], 7u);
        std::vector<std::uint32_t> rest(ranges.begin() + i + 1, ranges.end());
        if (!rest.empty()) {
            EXPECT_EQ(rest, (std::vector<std::uint32_t>{3, 11}));
            ++hits;
        }
    }
    EXPECT_GT(hits, 10);
}

TEST_F(Ticks, HintFlashesByChangingTheStoredTextsCase) {
    MoveTo(100, 20);  // the left face
    Tick();
    EXPECT_EQ(Hint(), "about pondivar") << "the first display is lower case";
    Tick();
    EXPECT_EQ(Hint(), "ABOUT PONDIVAR");
    EXPECT_STREQ(game.hintTexts[kHintAbout].data(), "ABOUT PONDIVAR");

    MoveTo(140, 20);  // the right face shares the one text
    EXPECT_EQ(game.hotspots[1].text, game.hotspots[0].text);
    Tick();
    EXPECT_EQ(Hint(), "about pondivar");

    game.scoresOpen = 1;
    Tick();
    EXPECT_EQ(Hint(), "(hidden)");
    game.scoresOpen = 0;
    Tick();
    EXPECT_EQ(Hint(), "ABOUT PONDIVAR") << "the phase waited while hidden";

    MoveTo(60, 120);  // over no hotspot
    Tick();
    EXPECT_EQ(Hint(), "(hidden)");
    EXPECT_STREQ(game.hintTexts[kHintAbout].data(), "ABOUT PONDIVAR") << "the case stays";
}

TEST_F(Ticks, SoundAndMusicHintsNameTheNextAction) {
    Command(1401);  // sound on
    MoveTo(20, 170);
    Tick();
    EXPECT_EQ(Hint(), "sound off");
    Command(1401);  // sound off, the pointer still on the button
    Tick();
    EXPECT_EQ(Hint(), "SOUND ON");
    EXPECT_EQ(game.hotspots[3].text, kHintMusicOn);
    game.musicOn = 0xFF;
    MoveTo(20, 215);
    Tick();
    EXPECT_EQ(Hint(), "music off");
}

}  // namespace
}  // namespace pv::testing
