// Every test gets temporary and runtime directories of its own, made before it starts and removed
// after it ends, so that nothing a test does (a song file, a scratch directory) lands in the
// user's real ones or meets what another test left.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace pv::testing {
namespace {

namespace fs = std::filesystem;

class PrivateDirectories : public ::testing::EmptyTestEventListener {
  public:
    PrivateDirectories() : base_(fs::temp_directory_path()) {
        for (const char* name : {"TMPDIR", "XDG_RUNTIME_DIR"}) {
            const char* value = std::getenv(name);
            saved_.push_back(value != nullptr ? std::optional<std::string>(value) : std::nullopt);
        }
    }

    void OnTestStart(const ::testing::TestInfo& /*test*/) override {
        std::string name = (base_ / "pondivar-test-env-XXXXXX").string();
        if (mkdtemp(name.data()) == nullptr) throw std::runtime_error("no private directory");
        root_ = name;
        // Open to all like the system's own temporary directory, so that a test may act as
        // another user inside it; the runtime directory is the user's alone.
        fs::permissions(root_, fs::perms::owner_all | fs::perms::group_read |
                                   fs::perms::group_exec | fs::perms::others_read |
                                   fs::perms::others_exec);
        fs::create_directory(root_ / "tmp");
        fs::permissions(root_ / "tmp", fs::perms::all | fs::perms::sticky_bit);
        fs::create_directory(root_ / "runtime");
        fs::permissions(root_ / "runtime", fs::perms::owner_all);
        setenv("TMPDIR", (root_ / "tmp").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (root_ / "runtime").c_str(), 1);
    }

    void OnTestEnd(const ::testing::TestInfo& /*test*/) override {
        Restore("TMPDIR", saved_[0]);
        Restore("XDG_RUNTIME_DIR", saved_[1]);
        std::error_code ignored;
        // A test may have closed a directory to its writer; open it again to clean up.
        for (auto it = fs::recursive_directory_iterator(root_, ignored);
             it != fs::recursive_directory_iterator(); it.increment(ignored)) {
            if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
            }
        }
        fs::remove_all(root_, ignored);
    }

  private:
    static void Restore(const char* name, const std::optional<std::string>& value) {
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }

    fs::path base_;
    fs::path root_;
    std::vector<std::optional<std::string>> saved_;
};

// Registered before main runs, so that every test binary that links this file has it.
const bool registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new PrivateDirectories);
    return true;
}();

}  // namespace
}  // namespace pv::testing
