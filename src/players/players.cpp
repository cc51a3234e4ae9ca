#include "players/players.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <system_error>

#include "game/say_once.h"
#include "players/key_value_file.h"
#include "players/leftovers.h"
#include "players/player_name.h"
#include "store/file_replace.h"
#include "store/settings_format.h"

namespace pv {

namespace {

constexpr const char* kLastPlayerKey = "player";

// Makes the player's folder, private like the data folder, with every missing level; says why
// not, or "" once it is there. A link in its place is no player's folder and is never followed:
// the game writes nothing wherever it points.
std::string MakeFolder(const std::filesystem::path& folder) {
    std::filesystem::path level;
    for (const auto& part : folder) {
        level /= part;
        if (mkdir(level.c_str(), 0700) != 0 && errno != EEXIST) {
            return "cannot make the player's folder " + folder.string() + ": " +
                   std::error_code(errno, std::generic_category()).message();
        }
    }
    std::error_code error;
    std::filesystem::file_status status = std::filesystem::symlink_status(folder, error);
    if (std::filesystem::is_symlink(status)) {
        return folder.string() + " is a link, not a player's folder";
    }
    if (!std::filesystem::is_directory(status)) {
        return "cannot make the player's folder " + folder.string() + ": a file has its name";
    }
    return "";
}

// Whether a player has settings of their own: the first to play took over the file from before
// players, or played without it.
bool AnyPlayerHasSettings(const std::filesystem::path& dataFolder) {
    std::error_code error;
    for (const std::string& name : ListPlayers(dataFolder)) {
        auto status = std::filesystem::symlink_status(
            PlayerFolder(dataFolder, name) / kSettingsFileName, error);
        if (std::filesystem::exists(status)) return true;
    }
    return false;
}

// A settings file from before players becomes the settings of the first player to play: moved,
// or where a move cannot do it (a link, another file system) copied whole and then removed; a
// link goes, and the file it points to stays. Until it is done, each start tries again; once a
// player has settings of their own, the old file is left alone.
void TakeOverOldSettings(const std::filesystem::path& dataFolder,
                         const std::filesystem::path& playerFolder) {
    std::filesystem::path old = dataFolder / kSettingsFileName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::status(old, error)) ||
        AnyPlayerHasSettings(dataFolder)) {
        return;
    }
    std::filesystem::path taken = playerFolder / kSettingsFileName;
    if (!std::filesystem::is_symlink(old, error) && rename(old.c_str(), taken.c_str()) == 0) return;
    // The game reads no more of a settings file than this.
    std::vector<std::uint8_t> bytes(kMaxSettingsFileSize);
    std::size_t size = ReadFileStart(old, bytes);
    // One that could not be read whole (no permission, a passing error) stays for the next
    // start: an empty or cut copy would end the tries and lose the scores.
    struct stat info {};
    if (stat(old.c_str(), &info) != 0 ||
        size != std::min(static_cast<std::size_t>(info.st_size), bytes.size())) {
        return;
    }
    if (ReplaceFile(taken, bytes.data(), size)) unlink(old.c_str());
}

}  // namespace

std::vector<std::string> ListPlayers(const std::filesystem::path& dataFolder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry :
         std::filesystem::directory_iterator(dataFolder / kPlayersFolder, error)) {
        std::string name = entry.path().filename().string();
        if (entry.is_directory(error) && !entry.is_symlink(error) &&
            PlayerNameProblem(name).empty()) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(), PlayerNameLess);
    return names;
}

std::optional<std::string> FindPlayer(const std::filesystem::path& dataFolder,
                                      const std::string& name) {
    std::vector<std::string> players = ListPlayers(dataFolder);
    // Two folders may differ only in case or in the form of their accents (one from a backup,
    // say): the exact name is its own.
    for (const std::string& stored : players) {
        if (stored == name) return stored;
    }
    for (const std::string& stored : players) {
        if (SameSpelling(stored, name)) return stored;
    }
    for (const std::string& stored : players) {
        if (SamePlayerName(stored, name)) return stored;
    }
    return std::nullopt;
}

std::filesystem::path PlayerFolder(const std::filesystem::path& dataFolder,
                                   const std::string& storedName) {
    return dataFolder / kPlayersFolder / storedName;
}

SettledPlayer OpenPlayer(const std::filesystem::path& dataFolder, const std::string& storedName) {
    if (std::string problem = PlayerNameProblem(storedName); !problem.empty()) {
        return {"", {}, problem};
    }
    std::filesystem::path folder = PlayerFolder(dataFolder, storedName);
    if (std::string problem = MakeFolder(folder); !problem.empty()) return {"", {}, problem};
    return {storedName, folder, ""};
}

bool KeepPlayerFolder(const std::filesystem::path& dataFolder, const std::string& storedName) {
    if (dataFolder.empty()) return true;
    std::error_code error;
    auto status = std::filesystem::symlink_status(PlayerFolder(dataFolder, storedName), error);
    if (std::filesystem::is_directory(status)) return true;
    SettledPlayer player = OpenPlayer(dataFolder, storedName);
    if (!player.problem.empty()) SayOnce(player.problem + "; the player's files are not saved");
    return player.problem.empty();
}

SettledPlayer SettlePlayer(const std::filesystem::path& dataFolder, const std::string& wanted) {
    SweepPlayersLeftovers(dataFolder);
    std::vector<std::string> players = ListPlayers(dataFolder);
    std::string name = wanted;
    if (name.empty()) {
        name = KeyValueFile::Read(dataFolder / kDataSettingsName).Get(kLastPlayerKey);
        if (!FindPlayer(dataFolder, name)) name = players.empty() ? kFirstPlayerName : players[0];
    }
    if (std::string problem = PlayerNameProblem(name); !problem.empty()) return {"", {}, problem};
    SettledPlayer settled =
        OpenPlayer(dataFolder, FindPlayer(dataFolder, name).value_or(NormalPlayerName(name)));
    if (settled.name.empty()) return settled;
    TakeOverOldSettings(dataFolder, settled.folder);
    RememberPlayer(dataFolder, settled.name);
    return settled;
}

void RememberPlayer(const std::filesystem::path& dataFolder, const std::string& name) {
    std::filesystem::path file = dataFolder / kDataSettingsName;
    if (KeyValueFile::Read(file).Get(kLastPlayerKey) != name) {
        KeyValueFile::Update(file, kLastPlayerKey, name);
    }
}

}  // namespace pv
