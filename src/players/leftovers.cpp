#include "players/leftovers.h"

#include "players/players.h"
#include "store/file_replace.h"
#include "store/settings_format.h"

namespace pv {

void SweepPlayersLeftovers(FileSystem& files, const std::filesystem::path& dataFolder) {
    SweepLeftovers(files, dataFolder / kDataSettingsName);
    for (const std::string& name : ListPlayers(files, dataFolder)) {
        std::filesystem::path folder = PlayerFolder(dataFolder, name);
        SweepLeftovers(files, PlayerSettings(folder));
        SweepLeftovers(files, folder / kSettingsFileName);
    }
}

}  // namespace pv
