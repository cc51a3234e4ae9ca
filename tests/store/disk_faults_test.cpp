// A small file's save that the disk refuses at any step, as a real disk does only when it likes:
// the old file stays whole, nothing is left beside it, and stderr says why. Only a folder that
// refuses new files has the file written in place.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "store/file_replace.h"
#include "support/faulty_file_system.h"
#include "support/file_bytes.h"
#include "support/scratch_dir.h"

namespace pv::testing {
namespace {

namespace fs = std::filesystem;

TEST(DiskFaults, ASaveRefusedAtAnyStepKeepsTheOldFile) {
    const std::string old = "the old settings";
    const std::string next = "new bytes";  // shorter: a file written in place is cut to it
    const struct {
        std::vector<Fault> faults;  // the first says why the save failed
        std::string kept;
    } kCases[] = {
        {{{"write", ENOSPC, ".tmp"}}, old},
        {{{"fsync", EIO, ".tmp"}}, old},
        {{{"close", EIO, ".tmp"}}, old},
        {{{"rename", EXDEV}}, old},
        {{{"open", EMFILE, ".tmp"}}, old},
        {{{"open", EACCES, ".tmp"}}, next},
        {{{"open", EROFS, ".tmp"}, {"write", ENOSPC}}, old},
    };
    for (const auto& c : kCases) {
        const Fault& why = c.faults.front();
        SCOPED_TRACE(why.operation + " " + std::strerror(why.error));
        ScratchDirectory folder;
        const fs::path file = folder.Path() / "pv2.pv2";
        Put(file, old);
        FaultyFileSystem files;
        for (const Fault& fault : c.faults) files.Fail(fault);
        ::testing::internal::CaptureStderr();
        const bool replaced = ReplaceFile(
            files, file, reinterpret_cast<const std::uint8_t*>(next.data()), next.size());
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(replaced, c.kept == next);
        EXPECT_EQ(Slurp(file), c.kept);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), 1);
        EXPECT_EQ(said.find(std::strerror(why.error)) != std::string::npos, !replaced) << said;
    }
}

}  // namespace
}  // namespace pv::testing
