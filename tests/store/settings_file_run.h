// What the settings file tests share: a game run from start-up to exit in the current directory,
// and files of the settings layout made and read byte by byte.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "store/settings_file.h"
#include "support/recording_platform.h"
#include "support/scratch_dir.h"

namespace pv::testing {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

inline Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A file as another writer of this layout would make it: the header of `state`, then records.
inline Bytes FileOf(const GameState& state, const std::vector<std::string>& lines = {}) {
    SettingsHeader header = EncodeHeader(state);
    Bytes bytes(header.begin(), header.end());
    for (const std::string& line : lines) {
        ScoreRecord record = EncodeRecord(line);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

inline std::string ScoreLine(int score, const std::string& name) {
    char line[64];
    std::snprintf(line, sizeof line, " %08d   %s", score, name.c_str());
    return line;
}

inline std::vector<std::string> TheseFiles(const fs::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// One run of the game, from its start-up command to its exit, on a platform of its own, with the
// settings file of the current directory.
struct GameRun {
    RecordingPlatform platform;
    Game game{platform};

    void Start() {
        game.instance = platform.GetModuleHandleA(nullptr);
        game.dataFolder = fs::current_path();
        CreateMainWindow(game);
        Drain();
    }
    void Drain() {
        MSG message;
        while (platform.PeekMessageA(&message) && message.message != WM_QUIT) {
            platform.DispatchMessageA(&message);
        }
    }
    void Command(WPARAM id) {
        platform.SendMessageA(game.mainWindow, WM_COMMAND, id, 0);
        Drain();
    }
    void Close() { Command(1000); }
    void AddScore(const std::string& line) {
        platform.SendMessageA(game.scoreStore, LB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(line.c_str()));
    }
    std::vector<std::string> Scores() const { return platform.Find(game.scoreStore)->list.Lines(); }
    const MenuItem& Item(UINT id) const { return *platform.FindMenuItem(game.menu, id); }
    const Window& Main() const { return *platform.Find(game.mainWindow); }
};

class SettingsFile : public ::testing::Test {
  protected:
    ScratchDirectory directory;
    fs::path File() const { return directory.Path() / "pv2.pv2"; }
};

}  // namespace pv::testing
