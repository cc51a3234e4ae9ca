#include "store/settings_file.h"

#include <algorithm>
#include <array>
#include <string>

#include "game/say_once.h"
#include "players/players.h"
#include "store/file_replace.h"

namespace pv {

namespace {

// Saved through a link only to a file that this game could have written.
constexpr FileKind kSettingsKind = {"a settings file", kMaxSettingsFileSize, IsSettingsFile};

}  // namespace

void LoadSettingsFile(Game& g) {
    g.settingsFilePath =
        g.dataFolder.empty() ? std::filesystem::path{} : g.dataFolder / kSettingsFileName;
    if (g.settingsFilePath.empty()) return;
    std::array<std::uint8_t, kMaxSettingsFileSize> bytes{};
    FileSystem& files = g.platform.Files();
    std::size_t size = ReadFileStart(files, g.settingsFilePath, bytes);
    g.settingsUnreadable = ReadCutShort(files, g.settingsFilePath, size, bytes.size());
    // The store keeps itself sorted, so the order of the file does not matter.
    ReadSettings(g, std::span<const std::uint8_t>(bytes.data(), size), [&g](const char* line) {
        g.platform.SendMessageA(g.scoreStore, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    });
}

void SaveSettingsFile(Game& g, HWND window) {
    Platform& p = g.platform;
    g.saveCount = static_cast<std::uint8_t>(g.saveCount + 1);
    if (g.settingsFilePath.empty() || !KeepPlayerFolder(p.Files(), g.playersRoot, g.playerName)) {
        return;
    }
    if (g.settingsUnreadable) {
        SayOnce(g.settingsFilePath.string() +
                ": it could not be read as the game started; left as it is, nothing saved");
        return;
    }

    g.scoreCount = 0;
    LRESULT count = p.SendMessageA(g.scoreStore, LB_GETCOUNT, 0, 0);
    // Without the list there is nothing sound to write; the last file stays.
    if (count < 0) return;
    g.scoreCount = static_cast<std::uint32_t>(std::min<LRESULT>(count, kMaxRecords));
    if (g.rememberPosition != 0) {
        RECT frame;
        if (p.GetWindowRect(window, &frame)) {
            g.windowX = frame.left;
            g.windowY = frame.top;
        }
    }

    std::array<std::uint8_t, kMaxSettingsFileSize> bytes{};
    SettingsHeader header = EncodeHeader(g);
    std::copy(header.begin(), header.end(), bytes.begin());
    std::size_t size = kHeaderSize;
    // Highest first: the store is sorted ascending, so walk it down from its last line. Were it
    // ever to hold more than the file keeps, the lowest lines are the ones left out.
    LRESULT lowestKept = count - static_cast<LRESULT>(g.scoreCount);
    std::string line;
    while (g.scoreCount != 0) {
        --g.scoreCount;
        auto position = static_cast<WPARAM>(lowestKept + g.scoreCount);
        LRESULT length = p.SendMessageA(g.scoreStore, LB_GETTEXTLEN, position, 0);
        if (length < 0) break;
        line.assign(static_cast<std::size_t>(length) + 1, '\0');
        if (p.SendMessageA(g.scoreStore, LB_GETTEXT, position,
                           reinterpret_cast<LPARAM>(line.data())) < 0) {
            break;
        }
        ScoreRecord record = EncodeRecord(line);
        std::copy(record.begin(), record.end(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        size += kRecordSize;
    }
    ReplaceFile(p.Files(), g.settingsFilePath, bytes.data(), size, &kSettingsKind);
}

}  // namespace pv
