// The nine picture hotspots: hit boxes, hover state, posted commands and the resting face.
#include <gtest/gtest.h>

#include "drill/judge.h"
#include "support/game_fixture.h"

namespace pv::testing {
namespace {

class Hotspots : public GameTest {
  protected:
    void SetUp() override { Start(); }

    void Mouse(UINT message, int x, int y) {
        Send(message, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
    }
    // Takes the one posted message off the queue without running it.
    WPARAM TakePosted() {
        MSG message;
        EXPECT_EQ(platform.QueuedMessages(), 1u);
        if (!platform.PeekMessageA(&message)) return 0;
        EXPECT_EQ(message.message, WM_COMMAND);
        EXPECT_EQ(message.lParam, 0);
        return message.wParam;
    }
};

TEST_F(Hotspots, BoxesLeaveOutTheirEdgeRowsAndColumns) {
    for (std::size_t i = 0; i < kHotspotCount; ++i) {
        const int x = static_cast<int>(game.hotspots[i].x);
        const int y = static_cast<int>(game.hotspots[i].y);
        for (auto [px, py] : {std::pair{x, y + 10}, std::pair{x + 36, y + 10}, std::pair{x + 10, y},
                              std::pair{x + 10, y + 36}}) {
            Mouse(WM_MOUSEMOVE, px, py);
            EXPECT_EQ(game.hoverActive, 0u) << i << " at " << px << "," << py;
        }
        for (auto [px, py] : {std::pair{x + 1, y + 1}, std::pair{x + 35, y + 35}}) {
            game.currentHint = kHintMemory + 1;
            Mouse(WM_MOUSEMOVE, px, py);
            EXPECT_EQ(game.hoverActive, 1u) << i << " at " << px << "," << py;
            EXPECT_EQ(game.currentHint, game.hotspots[i].text) << i;
        }
    }
}

TEST_F(Hotspots, PointsLeftOfOrAboveTheWindowHitNothing) {
    for (auto [x, y] : {std::pair{-1, 20}, std::pair{-30000, 170}, std::pair{100, -1}}) {
        Mouse(WM_LBUTTONDOWN, x, y);
        EXPECT_EQ(game.hoverActive, 0u) << x << "," << y;
        EXPECT_EQ(platform.QueuedMessages(), 0u);
    }
}

TEST_F(Hotspots, PressPostsTheCommandOnlyWhenNoOtherScreenIsOpen) {
    std::uint8_t GameState::*const screens[] = {&GameState::aboutOpen, &GameState::memoryOpen,
                                                &GameState::colourOpen, &GameState::scoresOpen};
    for (std::size_t i = 0; i < kHotspotCount; ++i) {
        const Hotspot& spot = game.hotspots[i];
        const int x = static_cast<int>(spot.x) + 18, y = static_cast<int>(spot.y) + 18;
        Mouse(WM_MOUSEMOVE, x, y);
        EXPECT_EQ(platform.QueuedMessages(), 0u) << "a movement posts nothing";
        Mouse(WM_LBUTTONDOWN, x, y);
        EXPECT_EQ(TakePosted(), spot.command) << i;
        for (auto screen : screens) {
            game.*screen = 1;
            Mouse(WM_LBUTTONDOWN, x, y);
            EXPECT_EQ(platform.QueuedMessages(), 0u) << i;
            EXPECT_EQ(game.hoverActive, 1u);
            game.*screen = 0;
        }
    }
    Mouse(WM_LBUTTONDOWN, 60, 120);
    EXPECT_EQ(platform.QueuedMessages(), 0u);
    EXPECT_EQ(game.hoverActive, 0u);
}

TEST_F(Hotspots, MovementRestsTheFaceOnlyOnceTheDelayHasRunOut) {
    ShowFace(game, 903);
    game.actionDelay = 2;
    Mouse(WM_MOUSEMOVE, 5, 100);
    EXPECT_EQ(game.currentFace, 903u);
    game.actionDelay = 0;
    Mouse(WM_MOUSEMOVE, 5, 100);
    EXPECT_EQ(game.currentFace, 900u);
    EXPECT_EQ(W(game.leftFace).image, 910u);
    EXPECT_EQ(W(game.rightFace).image, 910u);
}

}  // namespace
}  // namespace pv::testing
