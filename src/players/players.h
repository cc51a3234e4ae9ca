// The players of one data folder. Each has a folder of their own under "players/", holding their
// settings and score file and whatever else is kept for them. The data folder's own settings
// file remembers who played last.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "assets/translatable.h"
#include "platform/file_system.h"
#include "platform/translate.h"

namespace pv {

constexpr const char* kPlayersFolder = "players";
constexpr const char* kDataSettingsName = "pondivar.conf";
constexpr const char* kPlayerSettingsName = "player.conf";
// The player that a first start, or the score file of a game from before players, belongs to:
// named in the desktop's language when the folder is made, since the name is then a folder's.
constexpr const char* kFirstPlayerName = PV_TEXT("Players", "Player 1");

// The players' names as their folders spell them, sorted without regard to case.
std::vector<std::string> ListPlayers(FileSystem& files, const std::filesystem::path& dataFolder);

// The stored spelling of the player called `name`: spelled so, else in any case; or none.
std::optional<std::string> FindPlayer(FileSystem& files, const std::filesystem::path& dataFolder,
                                      const std::string& name);

std::filesystem::path PlayerFolder(const std::filesystem::path& dataFolder,
                                   const std::string& storedName);

// The player's own small settings file (practice, zoom), in their folder.
inline std::filesystem::path PlayerSettings(const std::filesystem::path& playerFolder) {
    return playerFolder / kPlayerSettingsName;
}

struct SettledPlayer {
    std::string name;  // as stored; empty when there is none
    std::filesystem::path folder;
    Sentence problem;  // why there is none
};

// The player whose folder is `storedName`, the folder made when missing (at a first start, or
// again when it was removed while the game ran). Never a link: it is no player's folder.
SettledPlayer OpenPlayer(FileSystem& files, const std::filesystem::path& dataFolder,
                         const std::string& storedName);

// Makes the player's folder again, as a start would, when it was removed while the game ran: for
// the files saved in it next. Says once on stderr why it cannot be, and is false then. True at
// once for a game without players (no data folder).
bool KeepPlayerFolder(FileSystem& files, const std::filesystem::path& dataFolder,
                      const std::string& storedName);

// The player to play as: `wanted` (made when new; its name must be valid), else the player of
// the last run, else the first player there is, else a new first player. A settings file left in
// the data folder by a game from before players becomes the new first player's. Remembers the
// choice for the next run. What killed saves left in the players' folders is swept first.
// A new first player is named in the language of `translate` (English without one).
SettledPlayer SettlePlayer(FileSystem& files, const std::filesystem::path& dataFolder,
                           const std::string& wanted, const Translation& translate = nullptr);

// Remembers `name` as the player of the last run.
void RememberPlayer(FileSystem& files, const std::filesystem::path& dataFolder,
                    const std::string& name);

}  // namespace pv
