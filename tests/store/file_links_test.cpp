// Links in place of the game's small files: followed only to a file of the same kind, never to
// a missing one, so that no file of the player's is spoilt and none is made elsewhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "app/main_window.h"
#include "assets/commands.h"
#include "players/key_value_file.h"
#include "players/players.h"
#include "support/file_bytes.h"
#include "support/no_free_descriptors.h"
#include "support/recording_platform.h"
#include "support/scratch_dir.h"

namespace pv::testing {
namespace {

namespace fs = std::filesystem;

std::size_t Lines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// A game in `folder` from its start to its exit, which saves; what it said on stderr. With
// `blind`, no file can be opened while it starts.
std::string PlayAndClose(const fs::path& folder, bool blind = false) {
    ::testing::internal::CaptureStderr();
    RecordingPlatform platform;
    Game game{platform};
    game.instance = platform.GetModuleHandleA(nullptr);
    game.dataFolder = folder;
    {
        std::optional<NoFreeDescriptors> none;
        if (blind) none.emplace();
        CreateMainWindow(game);
        MSG message;
        while (platform.PeekMessageA(&message) && message.message != WM_QUIT) {
            platform.DispatchMessageA(&message);
        }
    }
    platform.SendMessageA(game.mainWindow, WM_COMMAND, Command::Exit, 0);
    return ::testing::internal::GetCapturedStderr();
}

// `link` made a link to `target`, which holds `bytes`; "" stands for no file at all there.
void LinkTo(const fs::path& link, const fs::path& target, const std::string& bytes) {
    if (!bytes.empty()) Put(target, bytes);
    fs::create_symlink(target, link);
}

// A settings file that was there but could not be read keeps its scores: no defaults over them.
TEST(UnreadableSettingsFile, IsNotSavedOver) {
    ScratchDirectory directory;
    const fs::path file = directory.Path() / "pv2.pv2";
    PlayAndClose(directory.Path());
    PlayAndClose(directory.Path());
    const std::string kept = Slurp(file);
    std::string said = PlayAndClose(directory.Path(), true);
    EXPECT_EQ(Slurp(file), kept);
    EXPECT_EQ(Lines(said), 1u) << said;
}

// "" stands for no file at all at the link's end.
TEST(LinkedSettingsFile, SavedThroughALinkOnlyToASettingsFile) {
    ScratchDirectory directory;
    const fs::path file = directory.Path() / "pv2.pv2";
    const std::string tooLong = "PV21" + std::string(4000, '\0');  // no settings file is as long
    for (const std::string& other : {std::string("my notes\n"), tooLong, std::string()}) {
        const fs::path target = directory.Path() / std::to_string(other.size());
        LinkTo(file, target, other);
        std::string said = PlayAndClose(directory.Path());
        EXPECT_EQ(fs::exists(target), !other.empty());
        EXPECT_EQ(Slurp(target), other);
        EXPECT_TRUE(fs::is_symlink(file)) << "the player's link stays";
        EXPECT_EQ(Lines(said), 1u) << said;
        fs::remove(file);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(directory.Path()), {}), 2) << "no leftovers";
}

TEST(LinkedKeyValueFile, WrittenThroughALinkOnlyToKeyValueLines) {
    ScratchDirectory directory;
    const fs::path file = directory.Path() / kPlayerSettingsName;
    const std::string binary(
        "\x7f"
        "ELF\x02\x01\x01=\x00\x00",
        11);
    for (const std::string& other :
         {std::string("Dear diary,\nno = here\n"), binary, std::string()}) {
        const fs::path target = directory.Path() / std::to_string(other.size());
        LinkTo(file, target, other);
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(KeyValueFile::Update(RealFileSystem(), file, "practice", "on"));
        EXPECT_FALSE(KeyValueFile::Update(RealFileSystem(), file, "practice", "off"));
        std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(fs::exists(target), !other.empty());
        EXPECT_EQ(Slurp(target), other);
        EXPECT_TRUE(fs::is_symlink(file));
        EXPECT_EQ(Lines(said), 1u) << "said once: " << said;
        fs::remove(file);
    }
    // No key at all: an empty file is some other program's lock or mark.
    const fs::path empty = directory.Path() / "empty";
    Put(empty, "");
    fs::create_symlink(empty, file);
    EXPECT_FALSE(KeyValueFile::Update(RealFileSystem(), file, "zoom", "2"));
    EXPECT_EQ(Slurp(empty), "");
    fs::remove(file);
    const fs::path target = directory.Path() / "target";
    LinkTo(file, target, "# mine\nzoom=2\n");
    EXPECT_TRUE(KeyValueFile::Update(RealFileSystem(), file, "practice", "on"));
    EXPECT_EQ(Slurp(target), "# mine\nzoom=2\npractice=on\n");
    EXPECT_TRUE(fs::is_symlink(file));
}

}  // namespace
}  // namespace pv::testing
