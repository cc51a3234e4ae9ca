#include "players/leftovers.h"

#include "players/players.h"
#include "store/file_replace.h"
#include "store/settings_format.h"

namespace pv {

void SweepPlayersLeftovers(const std::filesystem::path& dataFolder) {
    SweepLeftovers(dataFolder / kDataSettingsName);
    for (const std::string& name : ListPlayers(dataFolder)) {
        std::filesystem::path folder = PlayerFolder(dataFolder, name);
        SweepLeftovers(PlayerSettings(folder));
        SweepLeftovers(folder / kSettingsFileName);
    }
}

}  // namespace pv
