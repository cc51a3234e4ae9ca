// The core's hot paths: one tick, one question, and whole games played through the window
// procedure on the recording platform.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "animation/tick.h"
#include "app/main_window.h"
#include "drill/question.h"
#include "support/recording_platform.h"

namespace {

using pv::Game;
using pv::testing::RecordingPlatform;

void RunPosted(RecordingPlatform& platform) {
    pv::MSG message;
    while (platform.PeekMessageA(&message)) {
        if (message.message == pv::WM_QUIT) break;
        platform.DispatchMessageA(&message);
    }
}

void StartGame(RecordingPlatform& platform, Game& game, pv::DWORD ticks) {
    platform.ticks = ticks;
    game.instance = platform.GetModuleHandleA(nullptr);
    game.commandLine = platform.GetCommandLineA();
    game.dataFolder = std::filesystem::current_path();
    pv::CreateMainWindow(game);
    RunPosted(platform);
}

void BM_OnTick(benchmark::State& state) {
    RecordingPlatform platform;
    Game game(platform);
    StartGame(platform, game, 1234);
    for (auto _ : state) {
        pv::OnTick(game);
        // The recording platform keeps every change; drop them so memory stays flat.
        if (platform.reflected.size() > 100000) platform.reflected.clear();
    }
}
BENCHMARK(BM_OnTick);

// Argument: the table size. Above 2, the square is mastered but for its last row and column,
// as at the start of a level, so draws of mastered facts are repeated.
void BM_NextQuestion(benchmark::State& state) {
    RecordingPlatform platform;
    Game game(platform);
    StartGame(platform, game, 1234);
    const auto size = static_cast<std::uint32_t>(state.range(0));
    game.tableSize = size;
    if (size > 2) {
        for (std::uint32_t a = 1; a < size; ++a) {
            for (std::uint32_t b = 1; b < size; ++b) game.factGrid[a][b] = 1;
        }
    }
    for (auto _ : state) {
        pv::NextQuestion(game);
        if (platform.reflected.size() > 100000) platform.reflected.clear();
    }
}
BENCHMARK(BM_NextQuestion)->Arg(2)->Arg(10)->Arg(17);

// One game: every level from table 2 up to 10 answered right, until it starts over at 2.
void BM_WholeGame(benchmark::State& state) {
    pv::DWORD seed = 1;
    std::int64_t answers = 0;
    // Making and tearing down the window is no part of playing a game.
    std::unique_ptr<RecordingPlatform> recording;
    std::unique_ptr<Game> running;
    for (auto _ : state) {
        state.PauseTiming();
        running.reset();
        recording = std::make_unique<RecordingPlatform>();
        running = std::make_unique<Game>(*recording);
        RecordingPlatform& platform = *recording;
        Game& game = *running;
        StartGame(platform, game, seed++);
        state.ResumeTiming();

        bool grown = false;
        while (!(grown && game.tableSize == 2)) {
            auto right = std::find(game.choices.begin(), game.choices.end(), game.correctAnswer);
            auto command = static_cast<pv::WPARAM>(2001 + (right - game.choices.begin()));
            platform.SendMessageA(game.mainWindow, pv::WM_COMMAND, command, 0);
            for (int tick = 0; tick < 5; ++tick) {
                platform.SendMessageA(game.mainWindow, pv::WM_TIMER, 1, 0);
            }
            ++answers;
            grown |= game.tableSize > 2;
        }
        benchmark::DoNotOptimize(game.score);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["answers/game"] =
        benchmark::Counter(static_cast<double>(answers) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_WholeGame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
