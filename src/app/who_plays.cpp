#include "app/who_plays.h"

#include "players/players.h"

namespace pv {

PlayStart SettleStart(FileSystem& files, const std::filesystem::path& dataFolder,
                      const std::string& wanted, std::ostream& err) {
    SettledPlayer player = SettlePlayer(files, dataFolder, wanted);
    if (!player.name.empty()) return {dataFolder, player.name, player.folder, std::nullopt};
    if (!wanted.empty()) {
        err << "pondivar: " << player.problem << "\n";
        return {{}, "", {}, 1};
    }
    // A data folder the game may not make players' folders in (a read-only one whose pv2.pv2 the
    // game of before players saved in place, say) is played as then: with that file, without
    // players and without a record of answers.
    err << "pondivar: " << player.problem << "; playing without players\n";
    return {{}, "", dataFolder, std::nullopt};
}

}  // namespace pv
