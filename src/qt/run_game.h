// Starting the real program.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace pv::qt {

class QtPlatform;

// Who plays, settled before the game starts: the data folder of the players, the player's name
// and their own folder; or, without players, only the folder of the game's files.
struct GameStart {
    std::filesystem::path playersRoot;
    std::string player;
    std::filesystem::path folder;
};

// Runs the game to its end and returns the exit code. onFirstShown, when given, is called the
// moment the main window first appears. makePlatform, when given, makes the platform once the
// application exists (a probe's own clock, say). Without `start` the game keeps its files in the
// current directory, without players.
int RunGame(int argc, char** argv, const std::function<void(QtPlatform&)>& onFirstShown = {},
            const std::function<std::unique_ptr<QtPlatform>()>& makePlatform = {},
            const GameStart* start = nullptr);

}  // namespace pv::qt
