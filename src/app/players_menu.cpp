#include "app/players_menu.h"

#include <string>

#include "app/language_menu.h"
#include "app/main_window.h"
#include "app/zoom.h"
#include "assets/commands.h"
#include "audio/music.h"
#include "drill/answer_keeper.h"
#include "game/progress_view.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "players/key_value_file.h"
#include "players/player_name.h"
#include "players/players.h"
#include "store/settings_file.h"

namespace pv {

namespace {

constexpr const char* kPracticeKey = "practice";
constexpr std::size_t kMenuPlayers = Command::LastPlayer - Command::FirstPlayer + 1;

// Puts the player's game back to how a start finds it; the window, the generator and the music
// stay. The score lists are the window's, but they hold the player's scores.
void ForgetPlayer(Game& g) {
    static_cast<PlayersGame&>(g) = PlayersGame{};
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

// Saves the player's files as closing would, then starts the other's game as a start would: their
// folder is made again when it was removed while the game ran. Returns why not, or nothing.
Sentence SwitchPlayer(Game& g, HWND window, const std::string& storedName) {
    SettledPlayer player = OpenPlayer(g.platform.Files(), g.playersRoot, storedName);
    if (player.name.empty()) return player.problem;
    SaveSettingsFile(g, window);
    SilenceMusic(g, window);
    ForgetPlayer(g);
    g.playerName = player.name;
    g.dataFolder = player.folder;
    RememberPlayer(g.platform.Files(), g.playersRoot, player.name);
    LoadAndStart(g, window);
    return {};
}

void TogglePractice(Game& g) {
    g.practiceOn = static_cast<std::uint8_t>(~g.practiceOn);
    g.platform.CheckMenuItem(g.menu, Command::PracticeToggle, g.practiceOn);
    FileSystem& files = g.platform.Files();
    if (!KeepPlayerFolder(files, g.playersRoot, g.playerName)) return;
    KeyValueFile::Update(files, PlayerSettings(g.dataFolder), kPracticeKey,
                         g.practiceOn != 0 ? "on" : "off");
}

// The window texts in the player's language, as the dialogs take them.
std::wstring Said(Game& g, const char* context, const char* text) {
    return Utf8ToWide(g.platform.Translate(context, text));
}

// In the player's language, with its paths and the system's words as they are.
void Refuse(Game& g, const wchar_t* title, const Sentence& why) {
    std::wstring text = Utf8ToWide(Say(why, TranslationOf(g.platform)));
    g.platform.MessageBoxW(g.mainWindow, text.c_str(), title, MB_OK | MB_ICONINFORMATION);
}

void AddPlayer(Game& g, HWND window) {
    std::wstring typed;
    std::wstring title = Said(g, "Players", PV_TEXT("Players", "New player"));
    std::wstring prompt = Said(g, "Players", PV_TEXT("Players", "The new player's name:"));
    if (!g.platform.AskTextW(window, title.c_str(), prompt.c_str(), typed)) return;
    std::string name = WideToUtf8(typed);
    if (std::string problem = PlayerNameProblem(name); !problem.empty()) {
        Refuse(g, title.c_str(), {"Players", problem, {}});
        return;
    }
    // A name already taken is that player's: spelled so, else in any case, the current player's
    // first. The current player goes on playing.
    std::optional<std::string> found = FindPlayer(g.platform.Files(), g.playersRoot, name);
    bool exact = found && SameSpelling(*found, name);
    if (found == g.playerName || (!exact && SamePlayerName(name, g.playerName))) return;
    Sentence problem = SwitchPlayer(g, window, found.value_or(NormalPlayerName(name)));
    if (!problem.empty()) Refuse(g, title.c_str(), problem);
}

// Lists the players in the Drill menu, the current one checked, and names them in the title.
void ShowPlayers(Game& g) {
    Platform& p = g.platform;
    if (p.FindMenuItem(g.menu, Command::NewPlayer) == nullptr) {
        // The menu keeps the English: the platform translates it as it shows it.
        p.InsertMenuW(g.menu, Command::BigTablesToggle, MF_STRING, Command::PracticeToggle,
                      Wide(PV_TEXT("Menu", "&Practice Missed Facts")).c_str());
        // First time: the players' part of the menu goes above Exit, set off by a separator.
        p.InsertMenuW(g.menu, Command::Exit, MF_STRING, Command::Progress,
                      Wide(PV_TEXT("Menu", "P&rogress...")).c_str());
        p.InsertMenuW(g.menu, Command::Exit, MF_STRING, Command::NewPlayer,
                      Wide(PV_TEXT("Menu", "New &Player...")).c_str());
        p.InsertMenuW(g.menu, Command::Exit, MF_SEPARATOR, 0, nullptr);
    }
    for (std::size_t i = 0; i < g.playerNames.size(); ++i) {
        p.DeleteMenu(g.menu, static_cast<UINT>(Command::FirstPlayer + i), MF_BYCOMMAND);
    }
    g.playerNames = ListPlayers(p.Files(), g.playersRoot);
    if (g.playerNames.size() > kMenuPlayers) g.playerNames.resize(kMenuPlayers);
    for (std::size_t i = 0; i < g.playerNames.size(); ++i) {
        const std::string& name = g.playerNames[i];
        UINT flags = MF_STRING | (name == g.playerName ? MF_CHECKED : 0);
        p.InsertMenuW(g.menu, Command::NewPlayer, flags,
                      static_cast<UINT>(Command::FirstPlayer + i), Wide(name).c_str());
    }
    p.DrawMenuBar(g.mainWindow);
    ShowTitle(g);
}

}  // namespace

void LoadPlayer(Game& g) {
    LoadZoom(g);
    LoadLanguage(g);
    if (g.playersRoot.empty()) return;
    OpenAnswerKeeper(g);
    KeyValueFile settings = KeyValueFile::Read(g.platform.Files(), PlayerSettings(g.dataFolder));
    g.practiceOn = settings.GetFlag(kPracticeKey, false) ? 0xFF : 0;
    ShowPlayers(g);
}

bool OnPlayerCommand(Game& g, HWND window, WPARAM command) {
    if (command == Command::PracticeToggle) {
        TogglePractice(g);
        return true;
    }
    if (command == Command::Progress) {
        if (g.progressView != nullptr) g.progressView->ShowProgress(g.playerName, g.dataFolder);
        return true;
    }
    if (command == Command::NewPlayer) {
        AddPlayer(g, window);
        return true;
    }
    if (command < Command::FirstPlayer || command > Command::LastPlayer) return false;
    std::size_t i = command - Command::FirstPlayer;
    if (i < g.playerNames.size() && g.playerNames[i] != g.playerName) {
        Sentence problem = SwitchPlayer(g, window, g.playerNames[i]);
        if (!problem.empty())
            Refuse(g, Said(g, "Players", PV_TEXT("Players", "Players")).c_str(), problem);
    }
    return true;
}

}  // namespace pv
