#include "support/game_fixture.h"

#include "app/main_window.h"
#include "random/random.h"

namespace pv::testing {

void WatchDraws(GameState& state, std::vector<std::uint32_t>& ranges) {
    state.randomObserver = [](void* context, std::uint32_t n) {
        static_cast<std::vector<std::uint32_t>*>(context)->push_back(n);
    };
    state.randomObserverContext = &ranges;
}

std::vector<std::uint32_t> ReplayDraws(GameState before, const std::vector<std::uint32_t>& ranges) {
    before.randomObserver = nullptr;
    std::vector<std::uint32_t> values;
    for (std::uint32_t n : ranges) values.push_back(Random(before, n));
    return values;
}

void GameTest::Create(DWORD ticks) {
    platform.ticks = ticks;
    game.instance = platform.GetModuleHandleA(nullptr);
    game.commandLine = platform.GetCommandLineA();
    game.dataFolder = directory.Path();
    CreateMainWindow(game);
}

void GameTest::Start(DWORD ticks) {
    Create(ticks);
    Drain();
}

int GameTest::Drain() {
    int count = 0;
    MSG message;
    while (platform.PeekMessageA(&message)) {
        if (message.message == WM_QUIT) break;
        platform.DispatchMessageA(&message);
        ++count;
    }
    return count;
}

LRESULT GameTest::Send(UINT message, WPARAM wParam, LPARAM lParam) {
    return platform.SendMessageA(game.mainWindow, message, wParam, lParam);
}

void GameTest::Command(WPARAM id) {
    Send(WM_COMMAND, id, 0);
    Drain();
}

void GameTest::Tick(int count) {
    for (int i = 0; i < count; ++i) {
        Send(WM_TIMER, 1, 0);
        Drain();
    }
}

const Window& GameTest::W(HWND handle) const {
    const Window* w = platform.Find(handle);
    if (w == nullptr) throw std::runtime_error("no such window");
    return *w;
}

const MenuItem& GameTest::Item(UINT id) const {
    const MenuItem* item = platform.FindMenuItem(game.menu, id);
    if (item == nullptr) throw std::runtime_error("no such menu item");
    return *item;
}

const MenuItem& GameTest::BarItem(std::size_t position) const {
    return platform.FindMenu(game.menu)->bar.at(position);
}

}  // namespace pv::testing
