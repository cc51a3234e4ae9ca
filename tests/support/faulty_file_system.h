// The system's files, but for the calls a test makes fail: any operation with any errno, every
// time or only the nth time, on any path or only on paths holding a given part. A call on a
// descriptor is matched by the path the descriptor was opened with. What a disk does only when it
// likes (EIO, ENOSPC, EXDEV...) then happens where the test wants it.
#pragma once

#include <cerrno>
#include <initializer_list>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace pv::testing {

struct Fault {
    std::string operation;  // as FileSystem names it: "write", "rename", "fsync"...
    int error = EIO;
    std::string pathPart;  // only calls on a path holding this; empty for any
    int nth = 0;           // only the nth such call (1 is the first); 0 for every one
};

class FaultyFileSystem : public FileSystem {
  public:
    void Fail(const Fault& fault);
    void Heal();  // every call goes through again
    // How many calls of the operation came, failed or not.
    int Calls(const std::string& operation) const;

    int open(const char* path, int flags, mode_t mode) override;
    int close(int file) override;
    ssize_t read(int file, void* data, size_t size) override;
    ssize_t pread(int file, void* data, size_t size, off_t offset) override;
    ssize_t write(int file, const void* data, size_t size) override;
    int fsync(int file) override;
    int fdatasync(int file) override;
    int ftruncate(int file, off_t length) override;
    int fstat(int file, struct stat* info) override;
    int fchmod(int file, mode_t mode) override;
    int flock(int file, int operation) override;
    int stat(const char* path, struct stat* info) override;
    int lstat(const char* path, struct stat* info) override;
    int access(const char* path, int how) override;
    char* realpath(const char* path, char* resolved) override;
    int rename(const char* from, const char* to) override;
    int renameat2(int fromFolder, const char* from, int toFolder, const char* to,
                  unsigned int flags) override;
    int unlink(const char* path) override;
    int mkdir(const char* path, mode_t mode) override;
    int rmdir(const char* path) override;
    int chmod(const char* path, mode_t mode) override;
    int scandir(const char* path, std::vector<std::string>& names) override;

  private:
    struct Armed {
        Fault fault;
        int seen = 0;
    };
    // The errno the call fails with, or 0 when it goes through; counted either way.
    int Strike(std::string_view operation, std::initializer_list<std::string_view> paths);
    // The call itself, or `failed` with errno set when a fault strikes it.
    template <typename Result, typename Call>
    Result Through(std::string_view operation, std::initializer_list<std::string_view> paths,
                   Result failed, Call call) {
        if (int error = Strike(operation, paths); error != 0) {
            errno = error;
            return failed;
        }
        return call();
    }
    std::string PathOf(int file) const;

    mutable std::mutex mutex_;  // the answer record syncs from a thread of its own
    std::vector<Armed> faults_;
    std::map<std::string, int, std::less<>> calls_;
    std::map<int, std::string> opened_;
};

}  // namespace pv::testing
