// A game played at random from a seed on the in-memory platform, to tell whether two builds play
// alike: the same seed must make the same draws, show the same windows and leave the same files.
// It drives the game only as a person and the desktop do (start-up, clicks, menu picks, keys, the
// mouse, the timer, the close button), so it runs unchanged against code reshaped underneath.
//   seeded_game [seed] [actions]   (defaults 1 and 3000); see seeded_game.sh
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "app/main_window.h"
#include "app/who_plays.h"
#include "assets/commands.h"
#include "fingerprint.h"
#include "game/game.h"
#include "random/random.h"
#include "support/recording_platform.h"
#include "support/scratch_dir.h"

namespace pv::bench {
namespace {

namespace fs = std::filesystem;

// Every draw from the game's generator: its range, and the value it gave, worked out on a copy
// of the generator as it stood (the observer is told before the draw is made).
struct DrawLog {
    const GameState* state = nullptr;
    std::uint64_t count = 0;
    Fnv1a hash;
};

void OnDraw(void* context, std::uint32_t range) {
    auto& log = *static_cast<DrawLog*>(context);
    GameState copy = *log.state;
    copy.randomObserver = nullptr;
    log.hash.Add(range);
    log.hash.Add(Random(copy, range));
    ++log.count;
}

constexpr UINT kTickTimer = 1;     // the game's one timer
constexpr UINT kNoCommand = 1999;  // the id the labels and text panels share
constexpr int kClientWidth = 243;  // the window's inside, where the mouse goes
constexpr int kClientHeight = 252;

// The menu items a person may pick, when the menu lets them; Exit is left for the end.
const std::vector<UINT> kMenuCommands = {
    Command::Add,
    Command::Subtract,
    Command::Multiply,
    Command::Divide,
    Command::MemoryGame,
    Command::ViewScores,
    Command::SoundToggle,
    Command::MusicToggle,
    Command::RememberPositionToggle,
    Command::HighColourToggle,
    Command::RandomColoursToggle,
    Command::BigTablesToggle,
    Command::Help,
    Command::NewPlayer,
    Command::FirstPlayer,
    Command::FirstPlayer + 1,
    Command::FirstPlayer + 2,
    Command::Progress,
    Command::PracticeToggle,
    Command::FirstZoom,
    Command::FirstZoom + 1,
    Command::LastZoom,
};
const std::vector<std::wstring> kNewNames = {L"Ana", L"Bo", L"ana", L"", L"Cy/Dee"};
const std::vector<std::string> kTypedNames = {"ZOE", "Max", "", "a very long name for the list"};
const std::vector<WPARAM> kKeys = {VK_LEFT,   VK_RIGHT, VK_UP,    VK_DOWN,
                                   VK_RETURN, VK_SPACE, VK_ESCAPE};
const std::vector<int> kScrollCodes = {SB_LINELEFT,  SB_LINERIGHT,  SB_PAGELEFT,
                                       SB_PAGERIGHT, SB_THUMBTRACK, SB_THUMBPOSITION,
                                       SB_LEFT,      SB_RIGHT,      SB_ENDSCROLL};

class SeededGame {
  public:
    SeededGame(unsigned seed, const fs::path& dataFolder) : random_(seed), dataFolder_(dataFolder) {
        platform_.ticks = static_cast<DWORD>(random_());
        draws_.state = &game_;
        game_.randomObserver = OnDraw;
        game_.randomObserverContext = &draws_;
    }

    // As the program starts: the player settled first, then the window and its start-up command;
    // the recording platform has no more input to wait for, so the loop returns.
    void Start() {
        PlayStart start = SettleStart(platform_.Files(), dataFolder_, "", std::cerr);
        game_.playersRoot = start.playersRoot;
        game_.playerName = start.player;
        game_.dataFolder = start.folder;
        ProgramStart(game_);
        Main();
    }

    // Returns how many actions were played: fewer when the game closed itself on the way.
    int Play(int actions) {
        for (int i = 0; i < actions; ++i) {
            if (platform_.Find(game_.mainWindow) == nullptr) return i;
            platform_.ticks += Below(3000);
            Act();
            Drain();
            if (platform_.Find(game_.mainWindow) == nullptr) return i + 1;
            LetTimePass();
            RecordView();
        }
        return actions;
    }

    // The window's close button, as the desktop sends it; the game saves on its way out.
    void Close() {
        platform_.PostMessageA(game_.mainWindow, WM_CLOSE, 0, 0);
        Drain();
    }

    const DrawLog& Draws() const { return draws_; }
    std::uint64_t ViewHash() const { return view_.Value(); }
    // The music's commands name the song file: its scratch folder is left out.
    std::uint64_t SoundHash(const std::string& scratch) const {
        Fnv1a hash;
        for (const testing::SoundPlayed& sound : platform_.sounds) {
            hash.Add(sound.resource);
            hash.Add(sound.flags);
        }
        for (std::string command : platform_.mciCommands) {
            for (std::size_t at; (at = command.find(scratch)) != std::string::npos;) {
                command.replace(at, scratch.size(), "SCRATCH");
            }
            hash.Add(command);
        }
        return hash.Value();
    }
    std::size_t SoundCount() const {
        return platform_.sounds.size() + platform_.mciCommands.size();
    }

  private:
    std::uint32_t Below(std::size_t n) { return static_cast<std::uint32_t>(random_() % n); }
    template <typename T>
    const T& OneOf(const std::vector<T>& choices) {
        return choices[Below(choices.size())];
    }

    HWND Main() const {
        if (game_.mainWindow == 0) throw std::runtime_error("the game has no window");
        return game_.mainWindow;
    }

    // Runs what the game posted to itself, up to its end.
    void Drain() {
        MSG message;
        while (platform_.PeekMessageA(&message) && message.message != WM_QUIT) {
            platform_.DispatchMessageA(&message);
        }
    }

    // One thing a person does, the likelier ones more often.
    void Act() {
        using Action = void (SeededGame::*)();
        static const std::vector<Action> kActions = {
            &SeededGame::ClickControl, &SeededGame::ClickControl, &SeededGame::ClickControl,
            &SeededGame::ClickControl, &SeededGame::ClickControl, &SeededGame::ClickControl,
            &SeededGame::PickMenu,     &SeededGame::PickMenu,     &SeededGame::PickMenu,
            &SeededGame::PressKey,     &SeededGame::PressKey,     &SeededGame::UseMouse,
            &SeededGame::Scroll,       &SeededGame::TypeName,     &SeededGame::Minimise,
            &SeededGame::Wait,
        };
        (this->*OneOf(kActions))();
    }

    void Wait() {}

    // The usable children of the main window of a class, in an order that does not depend on
    // the order they were made in.
    std::vector<const Window*> Usable(const std::string& className) const {
        std::vector<const Window*> found;
        for (HWND child : platform_.Children(Main())) {
            const Window* w = platform_.Find(child);
            if (w != nullptr && w->className == className && platform_.Usable(child)) {
                found.push_back(w);
            }
        }
        std::sort(found.begin(), found.end(), [](const Window* a, const Window* b) {
            return std::tie(a->id, a->y, a->x) < std::tie(b->id, b->y, b->x);
        });
        return found;
    }

    // An answer, a picture, a tool, a card, an "ok" or "bye": whatever a click would reach now.
    void ClickControl() {
        std::vector<const Window*> controls;
        for (const char* className : {"BUTTON", "STATIC"}) {
            for (const Window* w : Usable(className)) {
                bool closes = w->id == Command::Exit || w->id == Command::ExitTool;
                if (w->id != kNoCommand && !closes) controls.push_back(w);
            }
        }
        if (controls.empty()) return;
        const Window* clicked = OneOf(controls);
        // A click's notification code is 0: the command is the control's id alone.
        platform_.SendNotification(Main(), WM_COMMAND, clicked->id,
                                   static_cast<LPARAM>(clicked->handle));
    }

    void PickMenu() {
        UINT id = OneOf(kMenuCommands);
        if (id == Command::NewPlayer) {
            std::wstring name = OneOf(kNewNames);
            platform_.typedAnswers.clear();
            // No name cancels the dialog.
            if (!name.empty()) platform_.typedAnswers.push_back(name);
        }
        platform_.SendNotification(Main(), WM_COMMAND, id, 0);
    }

    void PressKey() {
        bool held = Below(8) == 0;
        LPARAM state = held ? MAKELPARAM(1, KF_REPEAT) : MAKELPARAM(1, 0);
        if (Below(2) == 0) {
            platform_.PostMessageA(Main(), WM_CHAR, '1' + Below(4), state);
        } else {
            platform_.PostMessageA(Main(), WM_KEYDOWN, OneOf(kKeys), state);
        }
    }

    // Over the window's inside; a click on the exit picture only points at it, as the game is
    // left for the end.
    void UseMouse() {
        UINT message = Below(3) == 0 ? WM_LBUTTONDOWN : WM_MOUSEMOVE;
        auto x = static_cast<int>(Below(kClientWidth));
        auto y = static_cast<int>(Below(kClientHeight));
        if (OnExitPicture(x, y)) message = WM_MOUSEMOVE;
        platform_.PostMessageA(Main(), message, 0,
                               MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
    }

    bool OnExitPicture(int x, int y) const {
        const Window* exit = platform_.Find(platform_.FindChild(Main(), Command::ExitTool));
        return exit != nullptr && x >= exit->x && y >= exit->y && x <= exit->x + exit->width &&
               y <= exit->y + exit->height;
    }

    void Scroll() {
        std::vector<const Window*> bars = Usable("SCROLLBAR");
        if (bars.empty()) return;
        const Window* bar = OneOf(bars);
        WPARAM codeAndPosition =
            static_cast<WPARAM>(OneOf(kScrollCodes)) | (WPARAM{Below(256)} << 16);
        platform_.PostMessageA(Main(), WM_HSCROLL, codeAndPosition,
                               static_cast<LPARAM>(bar->handle));
    }

    // Into the high-score name box, when it is out; the read-only text panels take nothing.
    void TypeName() {
        for (const Window* edit : Usable("EDIT")) {
            if ((edit->style & ES_READONLY) == 0) {
                platform_.TextTyped(edit->handle, OneOf(kTypedNames));
            }
        }
    }

    // Out of sight for a while, then back: nothing can be clicked in between.
    void Minimise() {
        platform_.Minimized(Main(), true);
        Drain();
        platform_.ticks += Below(60000);
        LetTimePass();
        platform_.Minimized(Main(), false);
    }

    // The timer's ticks while the player thinks: nothing, one, or several.
    void LetTimePass() {
        for (std::uint32_t ticks = Below(6); ticks > 0; --ticks) {
            platform_.ticks += 300;
            platform_.TimerFired(Main(), kTickTimer);
            Drain();
        }
    }

    // What the windows and the menu show after the action, whatever order they were made in.
    void RecordView() {
        std::vector<std::string> seen;
        for (HWND child : platform_.Children(Main())) {
            seen.push_back(DescribeWindow(platform_, child));
        }
        std::sort(seen.begin(), seen.end());
        seen.push_back(DescribeWindow(platform_, Main()));
        const Window* main = platform_.Find(Main());
        if (const Menu* menu = platform_.FindMenu(main->menu)) {
            for (const MenuItem& popup : menu->bar) seen.push_back(DescribeMenu(popup));
        }
        for (const std::string& line : seen) view_.Add(line);
    }

    std::mt19937 random_;
    fs::path dataFolder_;
    testing::RecordingPlatform platform_;
    Game game_{platform_};
    DrawLog draws_;
    Fnv1a view_;
};

// Plays the seed's game in a scratch folder and prints what two builds must agree on.
void PlaySeed(unsigned seed, int actions) {
    testing::ScratchDirectory scratch;
    const fs::path data = scratch.Path() / "data";
    const fs::path runtime = scratch.Path() / "runtime";
    fs::create_directory(data);
    fs::create_directory(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    // The song file goes beside the data folder, at a place named the same in every run; the
    // game starts in its data folder, as the launcher starts it.
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    fs::current_path(data);

    SeededGame game(seed, data);
    game.Start();
    int played = game.Play(actions);
    game.Close();
    const DrawLog& draws = game.Draws();
    std::printf("seed=%u actions=%d played=%d\n", seed, actions, played);
    std::printf("draws count=%llu fnv1a=%s\n", static_cast<unsigned long long>(draws.count),
                Hex(draws.hash.Value()).c_str());
    std::printf("view fnv1a=%s\n", Hex(game.ViewHash()).c_str());
    std::printf("sounds count=%zu fnv1a=%s\n", game.SoundCount(),
                Hex(game.SoundHash(scratch.Path().string())).c_str());
    PrintFiles(data);
}

}  // namespace
}  // namespace pv::bench

int main(int argc, char** argv) {
    unsigned seed = argc > 1 ? static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)) : 1;
    int actions = argc > 2 ? std::atoi(argv[2]) : 3000;
    try {
        pv::bench::PlaySeed(seed, actions);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "seeded_game: %s\n", error.what());
        return 1;
    }
    return 0;
}
