// Who plays, settled before the window opens: the player asked for on the command line, else the
// player of the last run, in the data folder's folder of players.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "platform/file_system.h"
#include "platform/translate.h"

namespace pv {

struct PlayStart {
    std::filesystem::path playersRoot;  // the data folder; empty when the game runs without players
    std::string player;
    std::filesystem::path folder;  // where the game keeps its files
    std::optional<int> exitCode;   // the game does not start: what the program exits with
};

// Says on err why, when the game starts otherwise than asked or not at all, in the language of
// `translate` (English without one), which also names a new first player.
PlayStart SettleStart(FileSystem& files, const std::filesystem::path& dataFolder,
                      const std::string& wanted, std::ostream& err,
                      const Translation& translate = nullptr);

}  // namespace pv
