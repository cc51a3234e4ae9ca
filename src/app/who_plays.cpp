#include "app/who_plays.h"

#include "app/console.h"
#include "assets/translatable.h"
#include "players/players.h"

namespace pv {

PlayStart SettleStart(FileSystem& files, const std::filesystem::path& dataFolder,
                      const std::string& wanted, std::ostream& err, const Translation& translate) {
    SettledPlayer player = SettlePlayer(files, dataFolder, wanted, translate);
    if (!player.name.empty()) return {dataFolder, player.name, player.folder, std::nullopt};
    if (!wanted.empty()) {
        Complain(err, player.problem, translate);
        return {{}, "", {}, 1};
    }
    // A data folder the game may not make players' folders in (a read-only one whose pv2.pv2 the
    // game of before players saved in place, say) is played as then: with that file, without
    // players and without a record of answers.
    Complain(err, {"Console", PV_TEXT("Console", "%1; playing without players"), {player.problem}},
             translate);
    return {{}, "", dataFolder, std::nullopt};
}

}  // namespace pv
