// The small key=value files: every line kept whatever its length, every key written found again,
// and a file too large to read left as it is.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "players/key_value_file.h"
#include "support/scratch_dir.h"

namespace pv::testing {
namespace {

class KeyValueFiles : public ::testing::Test {
  protected:
    void Write(const std::string& bytes) const { std::ofstream(file, std::ios::binary) << bytes; }
    std::string Slurp() const {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    ScratchDirectory directory;
    std::filesystem::path file = directory.Path() / "pondivar.conf";
};

TEST_F(KeyValueFiles, EveryLineIsKeptAndEveryKeyWrittenIsFoundAgain) {
    // A newer game's lines, one far longer than a read of 64 KiB, around the game's own keys.
    const std::string before = "colour=blue\n" + std::string(70000, 'x') + "\n\nnote=a\r\n";
    const std::string after = "zoom=2\nlast=" + std::string(100000, 'z') + "\n";
    Write(before + "player=Anna\n" + after);
    ASSERT_TRUE(KeyValueFile::Update(file, "player", "Ben"));
    EXPECT_TRUE(Slurp() == before + "player=Ben\n" + after) << "set in place, nothing else moved";
    ASSERT_TRUE(KeyValueFile::Update(file, "practice", "on"));
    KeyValueFile read = KeyValueFile::Read(file);
    EXPECT_EQ(read.Get("player"), "Ben");
    EXPECT_EQ(read.Get("zoom"), "2");
    EXPECT_EQ(read.Get("practice"), "on");
    EXPECT_EQ(read.Get("note"), "a") << "a line end of another system";
    EXPECT_EQ(read.Get("last").size(), 100000u);
}

TEST_F(KeyValueFiles, FileTooLargeToReadIsLeftAsItIsAndSaidSoOnce) {
    const std::string huge = std::string(kLargestKeyValueFile, 'x') + "\nplayer=Anna\n";
    Write(huge);
    std::ostringstream told;
    std::streambuf* stderrBuffer = std::cerr.rdbuf(told.rdbuf());
    bool first = KeyValueFile::Update(file, "player", "Ben");
    bool second = KeyValueFile::Update(file, "zoom", "2");
    std::cerr.rdbuf(stderrBuffer);
    EXPECT_FALSE(first);
    EXPECT_FALSE(second);
    EXPECT_TRUE(Slurp() == huge) << "never a cut copy";
    const std::string said = told.str();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find(file.string()), std::string::npos);

    Write(huge.substr(huge.size() - kLargestKeyValueFile));
    EXPECT_EQ(KeyValueFile::Read(file).Get("player"), "Anna") << "the largest that is read";
}

}  // namespace
}  // namespace pv::testing
