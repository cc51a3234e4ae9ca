#include "app/players_menu.h"

#include <string>

#include "app/main_window.h"
#include "app/zoom.h"
#include "assets/commands.h"
#include "audio/music.h"
#include "drill/record.h"
#include "platform/text.h"
#include "players/key_value_file.h"
#include "players/player_name.h"
#include "players/players.h"
#include "store/settings_file.h"

namespace pv {

namespace {

constexpr const char* kPracticeKey = "practice";
constexpr std::size_t kMenuPlayers = Command::LastPlayer - Command::FirstPlayer + 1;

// What a player's game holds: a switch puts all of it back to how a start finds it. The window,
// its controls, fonts and timer, the generator and the song file's place stay.
// clang-format off
#define PV_PLAYER_FIELDS(X) \
    X(missedThisRound) X(hoverActive) X(aboutOpen) X(memoryOpen) X(colourOpen) X(scoresOpen) \
    X(operation) X(soundOn) X(musicOn) X(randomColours) X(bgGreen) X(bgRed) X(bgBlue) \
    X(scoreCount) X(rememberPosition) X(windowX) X(windowY) X(highColour) X(saveCount) \
    X(bigTables) X(tableSize) X(score) X(actionDelay) X(labelDelay) X(pendingQuestion) \
    X(pendingBoardRedraw) X(hintCasePhase) X(labelPhase) X(hintTexts) X(factGrid) \
    X(factGridBackup) X(operandA) X(operandB) X(correctAnswer) X(choices) X(currentFace) \
    X(hotspots) X(currentHint) X(cardIcons) X(cardRevealed) X(cardBack) X(firstCardShown) \
    X(firstCardSlot) X(memoryMoves) X(lastSoundVariant) X(questionSeenMs) \
    X(questionInViewSince) X(questionInView) X(answerClicks) X(wrongClicks) X(firstClickMs) \
    X(practiceOn) X(lastPractised)
// clang-format on

void ForgetPlayer(Game& g) {
    const GameState fresh;
#define PV_RESET(field) g.field = fresh.field;
    PV_PLAYER_FIELDS(PV_RESET)
#undef PV_RESET
    for (HWND list : {g.scoreStore, g.scoreList})
        g.platform.SendMessageA(list, LB_RESETCONTENT, 0, 0);
}

std::wstring Wide(const std::string& text) {
    return Utf8ToWide(text);
}

void ShowTitle(Game& g) {
    std::wstring title = Wide(g.caption.data()) + L" - " + Wide(g.playerName);
    g.platform.SetWindowTextW(g.mainWindow, title.c_str());
}

// Saves the player's files as closing would, then starts the other's game as a start would.
void SwitchPlayer(Game& g, HWND window, const std::string& name) {
    SaveFile(g, window);
    SilenceMusic(g, window);
    ForgetPlayer(g);
    g.playerName = name;
    g.dataFolder = PlayerFolder(g.playersRoot, name);
    RememberPlayer(g.playersRoot, name);
    LoadAndStart(g, window);
}

void TogglePractice(Game& g) {
    g.practiceOn = static_cast<std::uint8_t>(~g.practiceOn);
    g.platform.CheckMenuItem(g.menu, Command::PracticeToggle, g.practiceOn);
    KeyValueFile::Update(PlayerSettings(g.dataFolder), kPracticeKey,
                         g.practiceOn != 0 ? "on" : "off");
}

void Refuse(Game& g, const std::string& why) {
    std::wstring text = Wide(why);
    g.platform.MessageBoxW(g.mainWindow, text.c_str(), L"New player", MB_OK | MB_ICONINFORMATION);
}

void AddPlayer(Game& g, HWND window) {
    std::wstring typed;
    if (!g.platform.AskTextW(window, L"New player", L"The new player's name:", typed)) return;
    std::string name = WideToUtf8(typed);
    if (std::string problem = PlayerNameProblem(name); !problem.empty()) {
        Refuse(g, problem);
        return;
    }
    // A name already taken, in any case, is that player.
    SettledPlayer player = SettlePlayer(g.playersRoot, name);
    if (player.name.empty()) {
        Refuse(g, player.problem);
        return;
    }
    SwitchPlayer(g, window, player.name);
}

// Lists the players in the Drill menu, the current one checked, and names them in the title.
void ShowPlayers(Game& g) {
    Platform& p = g.platform;
    if (p.FindMenuItem(g.menu, Command::NewPlayer) == nullptr) {
        p.InsertMenuW(g.menu, Command::BigTablesToggle, MF_STRING, Command::PracticeToggle,
                      L"&Practice Missed Facts");
        // First time: the players' part of the menu goes above Exit, set off by a separator.
        p.InsertMenuW(g.menu, Command::Exit, MF_STRING, Command::Progress, L"P&rogress...");
        p.InsertMenuW(g.menu, Command::Exit, MF_STRING, Command::NewPlayer, L"New &Player...");
        p.InsertMenuW(g.menu, Command::Exit, MF_SEPARATOR, 0, nullptr);
    }
    for (std::size_t i = 0; i < g.playerNames.size(); ++i) {
        p.DeleteMenu(g.menu, static_cast<UINT>(Command::FirstPlayer + i), MF_BYCOMMAND);
    }
    g.playerNames = ListPlayers(g.playersRoot);
    if (g.playerNames.size() > kMenuPlayers) g.playerNames.resize(kMenuPlayers);
    for (std::size_t i = 0; i < g.playerNames.size(); ++i) {
        const std::string& name = g.playerNames[i];
        UINT flags = MF_STRING | (SamePlayerName(name, g.playerName) ? MF_CHECKED : 0);
        p.InsertMenuW(g.menu, Command::NewPlayer, flags,
                      static_cast<UINT>(Command::FirstPlayer + i), Wide(name).c_str());
    }
    p.DrawMenuBar(g.mainWindow);
    ShowTitle(g);
}

}  // namespace

void LoadPlayer(Game& g) {
    LoadZoom(g);
    if (g.playersRoot.empty()) return;
    OpenRecord(g);
    KeyValueFile settings = KeyValueFile::Read(PlayerSettings(g.dataFolder));
    g.practiceOn = settings.GetFlag(kPracticeKey, false) ? 0xFF : 0;
    ShowPlayers(g);
    g.platform.CheckMenuItem(g.menu, Command::PracticeToggle, g.practiceOn);
}

bool OnPlayerCommand(Game& g, HWND window, WPARAM command) {
    if (command == Command::PracticeToggle) {
        TogglePractice(g);
        return true;
    }
    if (command == Command::Progress) {
        g.platform.ShowProgress(g.playerName, g.dataFolder);
        return true;
    }
    if (command == Command::NewPlayer) {
        AddPlayer(g, window);
        return true;
    }
    if (command < Command::FirstPlayer || command > Command::LastPlayer) return false;
    std::size_t i = command - Command::FirstPlayer;
    if (i < g.playerNames.size() && !SamePlayerName(g.playerNames[i], g.playerName)) {
        SwitchPlayer(g, window, g.playerNames[i]);
    }
    return true;
}

}  // namespace pv
