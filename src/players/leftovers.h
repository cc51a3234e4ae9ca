// What saves killed before their rename left in the data folder and the players' folders.
#pragma once

#include <filesystem>

#include "platform/file_system.h"

namespace pv {

// Sweeps, once their process is gone, the temporary files of every file the game replaces: the
// data folder's settings and each player's settings and score file. Nothing else is touched.
void SweepPlayersLeftovers(FileSystem& files, const std::filesystem::path& dataFolder);

}  // namespace pv
