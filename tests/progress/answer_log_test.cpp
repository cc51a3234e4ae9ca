// The answer record on disk: whole records only, a torn tail survived, a damaged record left out,
// a file of another kind set aside, one that cannot be read kept as it is.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "make_answer.h"
#include "progress/answer_log.h"
#include "progress/answer_record.h"
#include "support/faulty_file_system.h"
#include "support/no_free_descriptors.h"
#include "support/scratch_dir.h"

namespace pv::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

class AnswerLogFile : public ::testing::Test {
  protected:
    std::filesystem::path File() const { return scratch.Path() / kAnswerLogName; }
    Bytes Content(const std::filesystem::path& path) const {
        if (!std::filesystem::is_regular_file(path)) return {};
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    void AddBytes(const Bytes& bytes) const {
        std::ofstream(File(), std::ios::binary | std::ios::app)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    }
    std::vector<Answer> Read() {
        AnswerReading reading = ReadAnswers(RealFileSystem(), scratch.Path(), ReadFor::Recording);
        complaint = reading.complaint;
        return reading.answers;
    }
    static Answer Nth(std::uint32_t n) {
        return Asked(Operation::Multiplication, 7, 8, 20000, 0, n);
    }

    ScratchDirectory scratch;
    std::string complaint;
};

TEST(AnswerRecordBytes, EveryFieldSurvivesAndAnyFlippedBitIsCaught) {
    Answer extreme = Asked(Operation::Division, 17, 17, 2932896, 255, 0xFFFFFFFF);
    for (Answer answer : {extreme, Asked(Operation::Addition, 1, 1, 0)}) {
        AnswerRecord record = EncodeAnswer(answer);
        EXPECT_EQ(DecodeAnswer(record), answer);
        for (std::size_t bit = 0; bit < record.size() * 8; ++bit) {
            AnswerRecord flipped = record;
            flipped[bit / 8] ^= static_cast<std::uint8_t>(1u << (bit % 8));
            EXPECT_FALSE(DecodeAnswer(flipped).has_value()) << "bit " << bit;
        }
    }
}

TEST_F(AnswerLogFile, AppendedAnswersReadBackInOrderAndNoOtherFileIsTouched) {
    std::ofstream(scratch.Path() / "pv2.pv2") << "settings";
    EXPECT_TRUE(Read().empty());
    EXPECT_EQ(complaint, "") << "a missing record is no complaint";
    {
        AnswerLog log(RealFileSystem(), scratch.Path());
        for (std::uint32_t n = 0; n < 3; ++n) EXPECT_TRUE(log.Append(Nth(n)));
        EXPECT_FALSE(log.Append(Asked(Operation::Multiplication, 18, 1, 0))) << "impossible";
        EXPECT_TRUE(log.WaitUntilOnDisk());
    }
    EXPECT_EQ(Read(), (std::vector<Answer>{Nth(0), Nth(1), Nth(2)}));
    EXPECT_EQ(std::filesystem::file_size(File()), kAnswerHeaderSize + 3 * kAnswerRecordSize);
    struct stat info {};
    ASSERT_EQ(stat(File().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(Content(scratch.Path() / "pv2.pv2"), (Bytes{'s', 'e', 't', 't', 'i', 'n', 'g', 's'}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.Path()), {}), 2);
}

// What a game killed mid-write, or a power cut, leaves at the end: never read as an answer,
// and cut off before the next one is written, so that it lands aligned.
TEST_F(AnswerLogFile, TornTailIsLeftOutAndCutBeforeTheNextAnswer) {
    const Bytes headerOnly(kAnswerHeader.begin(), kAnswerHeader.begin() + 5);
    for (const Bytes& tail : {Bytes{1, 2, 3, 4, 5, 6, 7}, Bytes(2 * kAnswerRecordSize, 0)}) {
        std::filesystem::remove(File());
        AnswerLog(RealFileSystem(), scratch.Path()).Append(Nth(0));
        AddBytes(tail);
        EXPECT_EQ(Read(), std::vector<Answer>{Nth(0)});
        EXPECT_EQ(complaint, "");
        AnswerLog(RealFileSystem(), scratch.Path()).Append(Nth(1));
        EXPECT_EQ(Read(), (std::vector<Answer>{Nth(0), Nth(1)}));
        EXPECT_EQ(std::filesystem::file_size(File()), kAnswerHeaderSize + 2 * kAnswerRecordSize);
    }
    std::filesystem::remove(File());
    AddBytes(headerOnly);
    EXPECT_TRUE(Read().empty());
    EXPECT_EQ(complaint, "") << "a header cut short is a record never begun";
    AnswerLog(RealFileSystem(), scratch.Path()).Append(Nth(2));
    EXPECT_EQ(Read(), std::vector<Answer>{Nth(2)});
}

// A sync the disk fails is told by the next wait, once; a write it refuses loses that answer
// alone, and the next lands whole after the last one kept.
TEST_F(AnswerLogFile, DiskFaultsLoseOnlyTheAnswerTheyStrike) {
    FaultyFileSystem files;
    files.Fail({"fdatasync", EIO, "", 1});
    AnswerLog log(files, scratch.Path());
    EXPECT_TRUE(log.Append(Nth(0)));
    EXPECT_FALSE(log.WaitUntilOnDisk());
    files.Fail({"write", ENOSPC, "", 1});
    EXPECT_FALSE(log.Append(Nth(1)));
    EXPECT_EQ(log.Problem(), std::string("it cannot be written: ") + std::strerror(ENOSPC));
    EXPECT_TRUE(log.Append(Nth(2)));
    EXPECT_TRUE(log.WaitUntilOnDisk());
    EXPECT_EQ(Read(), (std::vector<Answer>{Nth(0), Nth(2)}));
}

TEST_F(AnswerLogFile, KillDuringAppendsLosesNoEarlierAnswer) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AnswerLog log(RealFileSystem(), scratch.Path());
        for (std::uint32_t n = 0;; ++n) log.Append(Nth(n));
    }
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    auto size = [this] {
        std::error_code missing;
        std::uintmax_t bytes = std::filesystem::file_size(File(), missing);
        return missing ? 0 : bytes;
    };
    while (size() < kAnswerHeaderSize + 500 * kAnswerRecordSize &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    std::vector<Answer> answers = Read();
    EXPECT_EQ(complaint, "");
    ASSERT_GE(answers.size(), 500u);
    for (std::uint32_t n = 0; n < answers.size(); ++n) ASSERT_EQ(answers[n], Nth(n));
}

TEST_F(AnswerLogFile, TwoLogsOfOnePlayerNeverMixTheirRecords) {
    auto play = [this](std::uint32_t from) {
        AnswerLog log(RealFileSystem(), scratch.Path());
        for (std::uint32_t n = from; n < from + 200; ++n) log.Append(Nth(n));
    };
    std::thread other(play, 1000);
    play(0);
    other.join();
    EXPECT_EQ(Read().size(), 400u);
    EXPECT_EQ(complaint, "");
}

TEST_F(AnswerLogFile, FileOfAnotherKindIsSetAsideNeverOverAnEarlierOneAndAnswersStartAfresh) {
    const std::vector<Bytes> others = {
        {'P', 'V', 'A', 'R', 2, 0, 16, 0},  // a later version
        {'P', 'K', 3, 4, 20, 0, 0, 0, 8, 0, 0, 0},
        {'h', 'i', '\n'},
    };
    for (std::size_t i = 0; i < others.size(); ++i) {
        AddBytes(others[i]);
        EXPECT_TRUE(Read().empty()) << i;
        std::string aside = std::string(kAnswerLogName) + ".damaged-" + std::to_string(i + 1);
        EXPECT_NE(complaint.find(aside), std::string::npos) << complaint;
        EXPECT_EQ(complaint.find('\n'), std::string::npos);
        EXPECT_EQ(Content(scratch.Path() / aside), others[i]);
        EXPECT_TRUE(AnswerLog(RealFileSystem(), scratch.Path()).Append(Nth(9)));
        EXPECT_EQ(Read(), std::vector<Answer>{Nth(9)});
        std::filesystem::remove(File());
    }
}

// A damaged record costs itself only: the good ones around it are kept, its bytes stay where
// they are for inspection, and the next answer still lands aligned after them.
TEST_F(AnswerLogFile, DamagedRecordIsLeftOutAndEveryOtherKept) {
    for (std::uint32_t n = 0; n < 4; ++n)
        AnswerLog(RealFileSystem(), scratch.Path()).Append(Nth(n));
    {
        std::fstream f(File(), std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(kAnswerHeaderSize + 3);
        f.put('\x7f');
    }
    // Sealed with a right checksum, yet no question of the game: beyond the largest table.
    const AnswerRecord impossible = EncodeAnswer(Asked(Operation::Multiplication, 18, 1, 0));
    AddBytes(Bytes(impossible.begin(), impossible.end()));
    Bytes damaged = Content(File());
    EXPECT_EQ(Read(), (std::vector<Answer>{Nth(1), Nth(2), Nth(3)}));
    EXPECT_NE(complaint.find("2 of 5 records"), std::string::npos) << complaint;
    EXPECT_EQ(complaint.find('\n'), std::string::npos);

    EXPECT_TRUE(AnswerLog(RealFileSystem(), scratch.Path()).Append(Nth(4)));
    EXPECT_EQ(Read(), (std::vector<Answer>{Nth(1), Nth(2), Nth(3), Nth(4)}));
    const AnswerRecord next = EncodeAnswer(Nth(4));
    damaged.insert(damaged.end(), next.begin(), next.end());
    EXPECT_EQ(Content(File()), damaged);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.Path()), {}), 1);
}

TEST_F(AnswerLogFile, AppendFollowsAFileSetAsideWhileTheLogIsOpen) {
    AnswerLog log(RealFileSystem(), scratch.Path());
    log.Append(Nth(0));
    std::filesystem::rename(File(), scratch.Path() / "aside");
    log.Append(Nth(1));
    EXPECT_EQ(Read(), std::vector<Answer>{Nth(1)});
    EXPECT_EQ(Content(scratch.Path() / "aside").size(), kAnswerHeaderSize + kAnswerRecordSize);
}

// No answer makes a file through a link or writes over one of another kind: a link to a missing
// file stays as it is, and so does what a link or the name itself leads to, short of a record.
TEST_F(AnswerLogFile, AppendWritesOnlyToARecordAndMakesNoneThroughALink) {
    const std::filesystem::path elsewhere = scratch.Path() / "elsewhere";
    std::filesystem::create_directory(elsewhere);
    std::filesystem::create_symlink(elsewhere / kAnswerLogName, File());
    AnswerLog log(RealFileSystem(), scratch.Path());
    EXPECT_FALSE(log.Append(Nth(0)));
    EXPECT_NE(log.Problem().find("link"), std::string::npos) << log.Problem();
    EXPECT_FALSE(std::filesystem::exists(elsewhere / kAnswerLogName));
    const Bytes headerStart(kAnswerHeader.begin(), kAnswerHeader.begin() + 5);
    for (const Bytes& other : {Bytes{}, Bytes{'h', 'i', '\n'}, headerStart}) {
        std::ofstream(elsewhere / kAnswerLogName, std::ios::binary)
            .write(reinterpret_cast<const char*>(other.data()), static_cast<long>(other.size()));
        EXPECT_FALSE(AnswerLog(RealFileSystem(), scratch.Path()).Append(Nth(1))) << other.size();
        EXPECT_EQ(Content(elsewhere / kAnswerLogName), other);
    }
    std::filesystem::remove(elsewhere / kAnswerLogName);
    EXPECT_TRUE(AnswerLog(RealFileSystem(), elsewhere).Append(Nth(2)));
    EXPECT_TRUE(AnswerLog(RealFileSystem(), scratch.Path()).Append(Nth(3)))
        << "a link to a record is followed";
    EXPECT_EQ(Read(), (std::vector<Answer>{Nth(2), Nth(3)}));
    EXPECT_TRUE(std::filesystem::is_symlink(File()));

    std::filesystem::remove(File());
    AddBytes({'h', 'i', '\n'});
    EXPECT_FALSE(AnswerLog(RealFileSystem(), scratch.Path()).Append(Nth(4)));
    EXPECT_EQ(Content(File()), (Bytes{'h', 'i', '\n'}));
}

// A lock that something other than a game keeps: neither the game nor a viewer waits for ever.
TEST_F(AnswerLogFile, ALockKeptByAnotherProgramHangsNothing) {
    AnswerLog log(RealFileSystem(), scratch.Path());
    ASSERT_TRUE(log.Append(Nth(0)));
    int other = open(File().c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(other, LOCK_EX), 0);
    alarm(30);  // a hang ends the test run
    for (ReadFor reader : {ReadFor::Recording, ReadFor::Viewing}) {
        AnswerReading reading = ReadAnswers(RealFileSystem(), scratch.Path(), reader);
        EXPECT_FALSE(reading.appendable);
        EXPECT_NE(reading.complaint.find("locked"), std::string::npos) << reading.complaint;
    }
    EXPECT_FALSE(log.Append(Nth(1)));
    EXPECT_NE(log.Problem(), "");
    alarm(0);
    close(other);
}

// A full disk (a file size limit here) takes no answer: the record stays whole, and why is told.
TEST_F(AnswerLogFile, FullDiskKeepsTheRecordWholeAndSaysWhy) {
    AnswerLog log(RealFileSystem(), scratch.Path());
    ASSERT_TRUE(log.Append(Nth(0)));
    const Bytes kept = Content(File());
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit full{kept.size() + kAnswerRecordSize / 2, before.rlim_max};
    auto* handler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &full);
    bool written = log.Append(Nth(1));
    setrlimit(RLIMIT_FSIZE, &before);
    signal(SIGXFSZ, handler);
    EXPECT_FALSE(written);
    EXPECT_NE(log.Problem(), "");
    EXPECT_EQ(Content(File()), kept);
}

// Only bytes prove damage. A file that cannot be read now (no descriptor left, a directory in
// its place, a size past reason) stays where it is, and no answer may be added to it.
TEST_F(AnswerLogFile, UnreadableFileStaysAndTakesNoAnswer) {
    AnswerLog(RealFileSystem(), scratch.Path()).Append(Nth(0));
    const Bytes kept = Content(File());
    auto expectKept = [&](const AnswerReading& reading, const std::string& why) {
        EXPECT_TRUE(reading.answers.empty()) << why;
        EXPECT_FALSE(reading.appendable) << why;
        EXPECT_NE(reading.complaint.find(why), std::string::npos) << reading.complaint;
        EXPECT_EQ(reading.complaint.find('\n'), std::string::npos);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.Path()), {}), 1);
    };
    for (ReadFor reader : {ReadFor::Recording, ReadFor::Viewing}) {
        AnswerReading reading;
        {
            NoFreeDescriptors none;
            reading = ReadAnswers(RealFileSystem(), scratch.Path(), reader);
        }
        expectKept(reading, std::strerror(EMFILE));
        EXPECT_EQ(Content(File()), kept);
    }
    std::filesystem::remove(File());
    std::filesystem::create_directory(File());
    for (ReadFor reader : {ReadFor::Recording, ReadFor::Viewing}) {
        expectKept(ReadAnswers(RealFileSystem(), scratch.Path(), reader),
                   "not a file that can be read");
        EXPECT_TRUE(std::filesystem::is_directory(File()));
    }
    // Grown past what memory may hold (a sparse file, say): not read at all, and kept.
    std::filesystem::remove(File());
    AnswerLog(RealFileSystem(), scratch.Path()).Append(Nth(0));
    const std::uintmax_t huge = (std::uintmax_t{256} << 20) + kAnswerRecordSize;
    std::filesystem::resize_file(File(), huge);
    for (ReadFor reader : {ReadFor::Recording, ReadFor::Viewing}) {
        expectKept(ReadAnswers(RealFileSystem(), scratch.Path(), reader), "larger than");
        EXPECT_EQ(std::filesystem::file_size(File()), huge);
    }
}

}  // namespace
}  // namespace pv::testing
