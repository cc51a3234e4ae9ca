// Where a save goes (through a link, down a long path) and saves that cannot finish: killed, a
// full disk, permissions, leftovers of killed saves.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "settings_file_run.h"

namespace pv::testing {
namespace {

TEST_F(SettingsFile, LinkInPlaceOfTheFileIsFollowed) {
    fs::create_directory("elsewhere");
    GameState state;
    state.soundOn = 0xFF;
    WriteBytes("elsewhere/kept.pv2", FileOf(state));
    fs::create_symlink("elsewhere/kept.pv2", File());
    GameRun run;
    run.Start();
    EXPECT_EQ(run.game.soundOn, 0xFF);
    run.Command(2109);
    run.Close();
    EXPECT_TRUE(fs::is_symlink(File())) << "the player's link stays";
    EXPECT_EQ(ReadBytes("elsewhere/kept.pv2").at(65), 0xFF);
}

TEST_F(SettingsFile, PathHasNoLengthLimit) {
    fs::path deep = directory.Path();
    for (int i = 0; i < 6; ++i) deep /= std::string(150, static_cast<char>('a' + i));
    fs::create_directories(deep);
    fs::current_path(deep);
    GameRun first;
    first.Start();
    EXPECT_GT(first.game.settingsFilePath.string().size(), 900u);
    first.Command(1401);
    // The place is fixed at start-up: leaving the directory later does not move the file.
    fs::current_path(directory.Path());
    first.Close();
    EXPECT_TRUE(fs::exists(deep / "pv2.pv2"));
    EXPECT_FALSE(fs::exists(directory.Path() / "pv2.pv2"));
    fs::current_path(deep);
    GameRun second;
    second.Start();
    EXPECT_EQ(second.game.soundOn, 0xFF);
}

// Saves that cannot finish leave the last good file as it was.
class FailedSave : public SettingsFile {
  protected:
    void SetUp() override {
        GameRun first;
        first.Start();
        first.Command(1401);
        for (int i = 0; i < 25; ++i) first.AddScore(ScoreLine(i, "kept"));
        first.Close();
        previous = ReadBytes(File());
        ASSERT_EQ(previous.size(), 133u + 25 * 45);
        // The run whose save fails has changed everything.
        next.Start();
        next.Command(1401);
        next.Command(1301);
        next.AddScore(ScoreLine(99, "new"));
    }

    // Saves in a child process prepared by `prepare`; returns its wait status.
    int SaveInChild(const std::function<void()>& prepare) {
        pid_t child = fork();
        if (child == 0) {
            prepare();
            SaveSettingsFile(next.game, next.game.mainWindow);
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    }

    Bytes previous;
    GameRun next;
};

TEST_F(FailedSave, KilledMidWrite) {
    int status = SaveInChild([] {
        rlimit none{0, 0};
        setrlimit(RLIMIT_CORE, &none);
        rlimit small{500, 500};  // the process is killed when it writes past 500 bytes
        setrlimit(RLIMIT_FSIZE, &small);
        signal(SIGXFSZ, SIG_DFL);
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(ReadBytes(File()), previous);
    GameRun after;
    after.Start();
    EXPECT_EQ(after.game.soundOn, 0xFF);
    EXPECT_EQ(after.Scores().size(), 25u);
}

TEST_F(FailedSave, WriteFails) {
    ::testing::internal::CaptureStderr();
    int status = SaveInChild([] {
        rlimit small{500, 500};  // writes past 500 bytes fail, as on a full disk
        setrlimit(RLIMIT_FSIZE, &small);
        signal(SIGXFSZ, SIG_IGN);
    });
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(std::strerror(EFBIG)), std::string::npos) << "not lost without a word";
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(ReadBytes(File()), previous);
    EXPECT_EQ(TheseFiles(directory.Path()), std::vector<std::string>{"pv2.pv2"})
        << "the unfinished file is removed";
}

// The player's own permissions decide: a writable file in a closed directory is written in
// place, a write-protected file is kept whoever runs the game.
TEST_F(FailedSave, PermissionsThePlayerSet) {
    auto mode = [](const fs::path& path) { return fs::status(path).permissions(); };
    const fs::perms readOnly =
        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const fs::perms closed =
        readOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;

    fs::permissions(File(), readOnly);
    int status = SaveInChild([] {});
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(ReadBytes(File()), previous) << "a write-protected file is not replaced";
    EXPECT_EQ(mode(File()), readOnly);

    fs::permissions(File(), fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec &
                                ~fs::perms::others_exec);
    const fs::perms writable = mode(File());
    fs::permissions(directory.Path(), closed);
    status = SaveInChild([] {
        // The superuser writes anywhere; a plain user meets the directory's permissions.
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
    });
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    fs::permissions(directory.Path(), fs::perms::owner_all);
    EXPECT_EQ(TheseFiles(directory.Path()), std::vector<std::string>{"pv2.pv2"});
    EXPECT_EQ(mode(File()), writable);
    GameRun after;
    after.Start();
    EXPECT_EQ(after.game.operation, '+') << "the run's settings were saved in place";
    std::vector<std::string> scores = after.Scores();
    EXPECT_NE(std::find(scores.begin(), scores.end(), ScoreLine(99, "new")), scores.end());
}

// The file itself is written only where the directory refuses new files; then a write that fails
// part way leaves a file of the old length. Any other failure leaves the file as it was.
TEST_F(FailedSave, InPlaceOnlyWhereTheDirectoryRefusesNewFiles) {
    auto diskFullAt500 = [] {
        rlimit small{500, 500};
        setrlimit(RLIMIT_FSIZE, &small);
        signal(SIGXFSZ, SIG_IGN);
    };
    // The link's target has a name so long that no temporary name fits beside it.
    const std::string longName(248, 'k');
    fs::rename(File(), longName);
    fs::create_symlink(longName, File());
    int status = SaveInChild(diskFullAt500);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(ReadBytes(longName), previous) << "a name too long is no reason to write in place";
    fs::remove(File());
    fs::rename(longName, File());

    fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::group_write | fs::perms::others_read |
                                fs::perms::others_write);
    fs::permissions(directory.Path(), fs::perms::owner_read | fs::perms::owner_exec |
                                          fs::perms::group_read | fs::perms::group_exec |
                                          fs::perms::others_read | fs::perms::others_exec);
    status = SaveInChild([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        diskFullAt500();
    });
    fs::permissions(directory.Path(), fs::perms::owner_all);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes(File()).size(), previous.size()) << "never cut short";
}

// A save keeps the permissions the player gave the file.
TEST_F(FailedSave, ModeThePlayerGaveSurvivesASave) {
    fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write);
    SaveSettingsFile(next.game, next.game.mainWindow);
    EXPECT_NE(ReadBytes(File()), previous) << "saved";
    EXPECT_EQ(fs::status(File()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(FailedSave, LeftoversOfKilledSavesAreRemovedByTheNext) {
    pid_t gone = fork();
    if (gone == 0) _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string dead = "pv2.pv2." + std::to_string(gone) + "-0.tmp";
    const std::string running = "pv2.pv2." + std::to_string(getppid()) + "-3.tmp";
    for (const std::string& name : {dead, running, std::string("pv2.pv2.notes.tmp")}) {
        WriteBytes(name, previous);
    }
    SaveSettingsFile(next.game, next.game.mainWindow);
    std::vector<std::string> kept = {"pv2.pv2", "pv2.pv2.notes.tmp", running};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(TheseFiles(directory.Path()), kept)
        << "only the leftover of a process that is gone goes";
}

}  // namespace
}  // namespace pv::testing
