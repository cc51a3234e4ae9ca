// The report on the console: it reads, and never changes a file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "app/command_line.h"
#include "app/console.h"
#include "players/players.h"
#include "progress/answer_log.h"
#include "progress/make_answer.h"
#include "support/scratch_dir.h"

namespace pv::testing {
namespace {

namespace fs = std::filesystem;

// Every path under root with its bytes ("/" for a directory).
std::map<std::string, std::string> Tree(const fs::path& root) {
    std::map<std::string, std::string> tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        std::ifstream in(entry.path(), std::ios::binary);
        tree[entry.path().string()] =
            entry.is_directory() ? "/" : std::string(std::istreambuf_iterator<char>(in), {});
    }
    return tree;
}

TEST(ConsoleReport, ReportsWhatItCanReadSaysWhatItCannotAndChangesNothing) {
    ScratchDirectory data;
    auto folder = [&](const char* name) {
        fs::create_directories(PlayerFolder(data.Path(), name));
        return PlayerFolder(data.Path(), name);
    };
    {
        AnswerLog anna(folder("Anna"));
        anna.Append(Asked(Operation::Addition, 2, 1, 20000));
        anna.Append(Asked(Operation::Multiplication, 7, 8, 20000));
    }
    {
        std::fstream damage(folder("Anna") / kAnswerLogName,
                            std::ios::in | std::ios::out | std::ios::binary);
        damage.seekp(12);
        damage.put('\x7f');
    }
    std::ofstream(folder("Ben") / kAnswerLogName) << "a note";
    fs::create_directory(folder("Cleo") / kAnswerLogName);
    const auto before = Tree(data.Path());

    const char* args[] = {"pondivar", "--report"};
    std::ostringstream out, err;
    EXPECT_EQ(AnswerOnConsole(ParseCommandLine(2, const_cast<char**>(args)), data.Path(), out, err),
              0);
    EXPECT_EQ(Tree(data.Path()), before);
    const std::string report = out.str();
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 2) << report;
    EXPECT_NE(report.find("\r\nAnna,multiplication,7 x 8,56,1,1,0,"), std::string::npos) << report;
    const std::string said = err.str();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 3) << said;
    for (const char* name : {"Anna", "Ben", "Cleo"}) {
        EXPECT_NE(said.find(PlayerFolder(data.Path(), name).string()), std::string::npos) << said;
    }
}

}  // namespace
}  // namespace pv::testing
