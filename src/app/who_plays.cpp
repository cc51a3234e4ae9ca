#include "app/who_plays.h"

#include "players/players.h"

namespace pv {

PlayStart SettleStart(const std::filesystem::path& dataFolder, const std::string& wanted,
                      std::ostream& err) {
    SettledPlayer player = SettlePlayer(dataFolder, wanted);
    if (player.name.empty()) {
        err << "pondivar: " << player.problem << "\n";
        return {{}, "", {}, 1};
    }
    return {dataFolder, player.name, player.folder, std::nullopt};
}

}  // namespace pv
