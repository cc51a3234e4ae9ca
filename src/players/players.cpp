#include "players/players.h"

#include <sys/stat.h>

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
// not, or nothing once it is there. A link in its place is no player's folder and is never
// followed: the game writes nothing wherever it points.
Sentence MakeFolder(FileSystem& files, const std::filesystem::path& folder) {
    const Sentence path = Sentence::Value(folder.string());
    std::filesystem::path level;
    for (const auto& part : folder) {
        level /= part;
        if (files.mkdir(level.c_str(), 0700) != 0 && errno != EEXIST) {
            return {
                "Players",
                PV_TEXT("Players", "cannot make the player's folder %1: %2"),
                {path, Sentence::Value(std::error_code(errno, std::generic_category()).message())}};
        }
    }
    const mode_t type = LinkType(files, folder);
    if (S_ISLNK(type)) {
        return {"Players", PV_TEXT("Players", "%1 is a link, not a player's folder"), {path}};
    }
    if (!S_ISDIR(type)) {
        return {"Players",
                PV_TEXT("Players", "cannot make the player's folder %1: a file has its name"),
                {path}};
    }
    return {};
}

// A translation that cannot be a player's name is never asked for.
std::string FirstPlayerName(const Translation& translate) {
    std::string name = Say({"Players", kFirstPlayerName, {}}, translate);
    return PlayerNameProblem(name).empty() ? name : kFirstPlayerName;
}

// Whether a player has settings of their own: the first to play took over the file from before
// players, or played without it.
bool AnyPlayerHasSettings(FileSystem& files, const std::filesystem::path& dataFolder) {
    for (const std::string& name : ListPlayers(files, dataFolder)) {
        if (LinkType(files, PlayerFolder(dataFolder, name) / kSettingsFileName) != 0) return true;
    }
    return false;
}

// A settings file from before players becomes the settings of the first player to play: moved,
// or where a move cannot do it (a link, another file system) copied whole and then removed; a
// link goes, and the file it points to stays. Until it is done, each start tries again; once a
// player has settings of their own, the old file is left alone.
void TakeOverOldSettings(FileSystem& files, const std::filesystem::path& dataFolder,
                         const std::filesystem::path& playerFolder) {
    std::filesystem::path old = dataFolder / kSettingsFileName;
    struct stat info {};
    if (files.stat(old.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        AnyPlayerHasSettings(files, dataFolder)) {
        return;
    }
    std::filesystem::path taken = playerFolder / kSettingsFileName;
    if (!S_ISLNK(LinkType(files, old)) && files.rename(old.c_str(), taken.c_str()) == 0) return;
    // The game reads no more of a settings file than this.
    std::vector<std::uint8_t> bytes(kMaxSettingsFileSize);
    std::size_t size = ReadFileStart(files, old, bytes);
    // One that could not be read whole (no permission, a passing error) stays for the next
    // start: an empty or cut copy would end the tries and lose the scores.
    if (files.stat(old.c_str(), &info) != 0 ||
        size != std::min(static_cast<std::size_t>(info.st_size), bytes.size())) {
        return;
    }
    if (ReplaceFile(files, taken, bytes.data(), size)) files.unlink(old.c_str());
}

}  // namespace

std::vector<std::string> ListPlayers(FileSystem& files, const std::filesystem::path& dataFolder) {
    const std::filesystem::path folder = dataFolder / kPlayersFolder;
    std::vector<std::string> entries;
    files.scandir(folder.c_str(), entries);
    std::vector<std::string> names;
    for (const std::string& name : entries) {
        // A folder of its own, not a link to one.
        if (S_ISDIR(LinkType(files, folder / name)) && PlayerNameProblem(name).empty()) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(), PlayerNameLess);
    return names;
}

std::optional<std::string> FindPlayer(FileSystem& files, const std::filesystem::path& dataFolder,
                                      const std::string& name) {
    std::vector<std::string> players = ListPlayers(files, dataFolder);
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

SettledPlayer OpenPlayer(FileSystem& files, const std::filesystem::path& dataFolder,
                         const std::string& storedName) {
    if (std::string problem = PlayerNameProblem(storedName); !problem.empty()) {
        return {"", {}, {"Players", problem, {}}};
    }
    std::filesystem::path folder = PlayerFolder(dataFolder, storedName);
    if (Sentence problem = MakeFolder(files, folder); !problem.empty()) {
        return {"", {}, problem};
    }
    return {storedName, folder, {}};
}

bool KeepPlayerFolder(FileSystem& files, const std::filesystem::path& dataFolder,
                      const std::string& storedName) {
    if (dataFolder.empty()) return true;
    if (S_ISDIR(LinkType(files, PlayerFolder(dataFolder, storedName)))) return true;
    SettledPlayer player = OpenPlayer(files, dataFolder, storedName);
    if (!player.problem.empty())
        SayOnce(Say(player.problem) + "; the player's files are not saved");
    return player.problem.empty();
}

SettledPlayer SettlePlayer(FileSystem& files, const std::filesystem::path& dataFolder,
                           const std::string& wanted, const Translation& translate) {
    SweepPlayersLeftovers(files, dataFolder);
    std::vector<std::string> players = ListPlayers(files, dataFolder);
    std::string name = wanted;
    if (name.empty()) {
        name = KeyValueFile::Read(files, dataFolder / kDataSettingsName).Get(kLastPlayerKey);
        if (!FindPlayer(files, dataFolder, name)) {
            name = !players.empty() ? players[0] : FirstPlayerName(translate);
        }
    }
    if (std::string problem = PlayerNameProblem(name); !problem.empty()) {
        return {"", {}, {"Players", problem, {}}};
    }
    SettledPlayer settled = OpenPlayer(
        files, dataFolder, FindPlayer(files, dataFolder, name).value_or(NormalPlayerName(name)));
    if (settled.name.empty()) return settled;
    TakeOverOldSettings(files, dataFolder, settled.folder);
    RememberPlayer(files, dataFolder, settled.name);
    return settled;
}

void RememberPlayer(FileSystem& files, const std::filesystem::path& dataFolder,
                    const std::string& name) {
    std::filesystem::path file = dataFolder / kDataSettingsName;
    if (KeyValueFile::Read(files, file).Get(kLastPlayerKey) != name) {
        KeyValueFile::Update(files, file, kLastPlayerKey, name);
    }
}

}  // namespace pv
