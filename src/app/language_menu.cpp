#include "app/language_menu.h"

#include <string>
#include <vector>

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
constexpr std::size_t kMostLanguages = Command::LastLanguage - Command::FirstLanguage + 1;

// The languages the menu offers: as many as it has commands for.
std::vector<std::string> OfferedLanguages(Game& g) {
    std::vector<std::string> languages = g.platform.Languages();
    if (languages.size() > kMostLanguages) languages.resize(kMostLanguages);
    return languages;
}

// What each item of the pop-up stands for, from DesktopLanguage on: "" for the desktop's.
std::vector<std::string> ItemLanguages(Game& g) {
    std::vector<std::string> items = OfferedLanguages(g);
    items.insert(items.begin(), "");
    return items;
}

// A pop-up of their own at the foot of the Options menu, set off by a separator; each language
// named in its own words, whatever the game speaks.
void AddLanguageItems(Game& g) {
    Platform& p = g.platform;
    if (p.FindMenuItem(g.menu, Command::DesktopLanguage) != nullptr) return;
    p.AppendMenuW(g.menu, kOptionsMenuPosition, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    p.AppendMenuW(g.menu, kOptionsMenuPosition, MF_BYPOSITION | MF_POPUP, Command::LanguageMenu,
                  Utf8ToWide(PV_TEXT("Menu", "&Language")).c_str());
    p.AppendMenuW(g.menu, Command::LanguageMenu, MF_STRING, Command::DesktopLanguage,
                  Utf8ToWide(PV_TEXT("Menu", "&Desktop Language")).c_str());
    UINT item = Command::FirstLanguage;
    for (const std::string& code : OfferedLanguages(g)) {
        p.AppendMenuW(g.menu, Command::LanguageMenu, MF_STRING, item++,
                      Utf8ToWide(p.LanguageName(code)).c_str());
    }
    p.DrawMenuBar(g.mainWindow);
}

// No value is the desktop's language; a value the game does not speak (typed by hand, or kept by
// a later version with more languages) is English, the language every text is written in.
std::string KeptLanguage(Game& g) {
    if (g.playersRoot.empty()) return g.language;
    std::string kept =
        KeyValueFile::Read(g.platform.Files(), PlayerSettings(g.dataFolder)).Get(kLanguageKey);
    if (kept.empty()) return "";
    std::string known = KnownLanguage(kept, OfferedLanguages(g));
    return known.empty() ? "en" : known;
}

}  // namespace

void LoadLanguage(Game& g) {
    AddLanguageItems(g);
    SpeakLanguage(g, KeptLanguage(g));
}

void MarkLanguageItems(Game& g) {
    const std::vector<std::string> items = ItemLanguages(g);
    for (std::size_t i = 0; i < items.size(); ++i) {
        g.platform.CheckMenuItem(g.menu, static_cast<UINT>(Command::DesktopLanguage + i),
                                 items[i] == g.language ? MF_CHECKED : MF_UNCHECKED);
    }
}

bool OnLanguageCommand(Game& g, WPARAM command) {
    const std::vector<std::string> items = ItemLanguages(g);
    if (command < Command::DesktopLanguage || command - Command::DesktopLanguage >= items.size())
        return false;
    const std::string code = items[command - Command::DesktopLanguage];
    SpeakLanguage(g, code);
    MarkLanguageItems(g);
    FileSystem& files = g.platform.Files();
    if (!g.playersRoot.empty() && KeepPlayerFolder(files, g.playersRoot, g.playerName)) {
        KeyValueFile::Update(files, PlayerSettings(g.dataFolder), kLanguageKey, code);
    }
    return true;
}

}  // namespace pv
