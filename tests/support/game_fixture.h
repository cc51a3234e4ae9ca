// A game on the recording platform, with the ways tests drive it: start it, send it messages,
// let its posted messages run, tick its timer.
#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "game/game.h"
#include "support/recording_platform.h"
#include "support/scratch_dir.h"

namespace pv::testing {

// Records the range of every draw from the game's generator into ranges, from now on.
void WatchDraws(GameState& state, std::vector<std::uint32_t>& ranges);
// The values those draws gave: the same ranges drawn again from a copy of the state taken
// before them.
std::vector<std::uint32_t> ReplayDraws(GameState before, const std::vector<std::uint32_t>& ranges);

class GameTest : public ::testing::Test {
  protected:
    GameTest() { game.progressView = &progress; }

    ScratchDirectory directory;  // where the game keeps its settings file
    RecordingPlatform platform;
    RecordingProgressView progress;
    Game game{platform};

    // Creates the window (hidden) without running the start-up command.
    void Create(DWORD ticks = 0);
    // Creates the window and runs the start-up command, as the message loop would.
    void Start(DWORD ticks = 0);
    // Dispatches every posted message; returns how many ran.
    int Drain();
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // A command as a click or a menu pick, then whatever it posted.
    void Command(WPARAM id);
    void Tick(int count = 1);
    // Starts recording the game's draws afresh into ranges.
    void WatchDraws() {
        ranges.clear();
        testing::WatchDraws(game, ranges);
    }
    std::vector<std::uint32_t> ranges;

    const Window& W(HWND handle) const;
    std::string Text(HWND handle) const { return W(handle).text; }
    bool Visible(HWND handle) const { return W(handle).visible; }
    bool Enabled(HWND handle) const { return W(handle).enabled; }
    const MenuItem& Item(UINT id) const;
    const MenuItem& BarItem(std::size_t position) const;
};

}  // namespace pv::testing
