#include "app/language_menu.h"

#include <iterator>
#include <string>

#include "app/main_window.h"
#include "app/shown_texts.h"
#include "assets/catalogue.h"
#include "assets/commands.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "players/key_value_file.h"
#include "players/players.h"

namespace pv {

namespace {

constexpr const char* kLanguageKey = "language";
constexpr std::size_t kLanguageCount = std::size(kLanguages);
static_assert(Command::LastLanguage - Command::FirstLanguage + 1 == kLanguageCount);

// Each language is named in its own words, whatever the game speaks.
constexpr const char* kLanguageNames[kLanguageCount] = {
    PV_TEXT("Menu", "Deutsch"), PV_TEXT("Menu", "English"), PV_TEXT("Menu", "Español"),
    PV_TEXT("Menu", "Français")};

// A pop-up of their own at the foot of the Options menu, set off by a separator.
void AddLanguageItems(Game& g) {
    Platform& p = g.platform;
    if (p.FindMenuItem(g.menu, Command::DesktopLanguage) != nullptr) return;
    p.AppendMenuW(g.menu, kOptionsMenuPosition, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    p.AppendMenuW(g.menu, kOptionsMenuPosition, MF_BYPOSITION | MF_POPUP, Command::LanguageMenu,
                  Utf8ToWide(PV_TEXT("Menu", "&Language")).c_str());
    p.AppendMenuW(g.menu, Command::LanguageMenu, MF_STRING, Command::DesktopLanguage,
                  Utf8ToWide(PV_TEXT("Menu", "&Desktop Language")).c_str());
    for (std::size_t i = 0; i < kLanguageCount; ++i) {
        p.AppendMenuW(g.menu, Command::LanguageMenu, MF_STRING,
                      static_cast<UINT>(Command::FirstLanguage + i),
                      Utf8ToWide(kLanguageNames[i]).c_str());
    }
    p.DrawMenuBar(g.mainWindow);
}

// No value is the desktop's language; a value the game does not speak (typed by hand, or kept by
// a later version with more languages) is English, the language every text is written in.
std::string KeptLanguage(const Game& g) {
    if (g.playersRoot.empty()) return g.language;
    std::string kept =
        KeyValueFile::Read(g.platform.Files(), PlayerSettings(g.dataFolder)).Get(kLanguageKey);
    if (kept.empty()) return "";
    std::string known = KnownLanguage(kept);
    return known.empty() ? "en" : known;
}

}  // namespace

void LoadLanguage(Game& g) {
    AddLanguageItems(g);
    SpeakLanguage(g, KeptLanguage(g));
}

void MarkLanguageItems(Game& g) {
    for (UINT item = Command::DesktopLanguage; item <= Command::LastLanguage; ++item) {
        std::string code =
            item == Command::DesktopLanguage ? "" : kLanguages[item - Command::FirstLanguage];
        g.platform.CheckMenuItem(g.menu, item, code == g.language ? MF_CHECKED : MF_UNCHECKED);
    }
}

bool OnLanguageCommand(Game& g, WPARAM command) {
    if (command < Command::DesktopLanguage || command > Command::LastLanguage) return false;
    std::string code =
        command == Command::DesktopLanguage ? "" : kLanguages[command - Command::FirstLanguage];
    SpeakLanguage(g, code);
    MarkLanguageItems(g);
    FileSystem& files = g.platform.Files();
    if (!g.playersRoot.empty() && KeepPlayerFolder(files, g.playersRoot, g.playerName)) {
        KeyValueFile::Update(files, PlayerSettings(g.dataFolder), kLanguageKey, code);
    }
    return true;
}

}  // namespace pv
