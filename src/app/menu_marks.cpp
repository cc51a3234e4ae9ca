#include "app/menu_marks.h"

#include <cstdint>
#include <utility>

#include "app/language_menu.h"
#include "app/zoom.h"
#include "assets/commands.h"
#include "drill/question.h"

namespace pv {

void MarkSettingsInMenu(Game& g) {
    // A flag of 0xFF checks its item, 0 clears it.
    const std::pair<UINT, std::uint8_t> options[] = {
        {Command::SoundToggle, g.soundOn},
        {Command::MusicToggle, g.musicOn},
        {Command::RememberPositionToggle, g.rememberPosition},
        {Command::HighColourToggle, g.highColour},
        {Command::RandomColoursToggle, g.randomColours},
        {Command::BigTablesToggle, g.bigTables},
        {Command::PracticeToggle, g.practiceOn},
    };
    for (const auto& [item, flag] : options) g.platform.CheckMenuItem(g.menu, item, flag);
    MarkOperationMenu(g);
    MarkZoomItems(g);
    MarkLanguageItems(g);
}

}  // namespace pv
