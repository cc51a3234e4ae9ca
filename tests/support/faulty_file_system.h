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
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace pv::testing {

struct Fault {
    Fault(std::string operation, int error, std::string pathPart = "", int nth = 0)
        : operation(std::move(operation)), error(error), pathPart(std::move(pathPart)), nth(nth) {}
    std::string operation;  // as FileSystem names it: "write", "rename", "fsync"...
    int error;
    std::string pathPart;  // only calls on a path holding this; empty for any
    int nth;  // only the nth such call, counted from Fail (1 is the first); 0 for every one
};

// The call itself on the system's files, unless a fault strikes it first.
#define PV_THROUGH(operation, failed, paths, ...) \
    Through(#operation, paths, failed, [&] { return RealFileSystem().operation(__VA_ARGS__); })

class FaultyFileSystem : public FileSystem {
  public:
    void Fail(const Fault& fault);

    int open(const char* path, int flags, mode_t mode) override;
    int close(int file) override;
    ssize_t read(int file, void* data, size_t size) override {
        return PV_THROUGH(read, ssize_t{-1}, {PathOf(file)}, file, data, size);
    }
    ssize_t pread(int file, void* data, size_t size, off_t offset) override {
        return PV_THROUGH(pread, ssize_t{-1}, {PathOf(file)}, file, data, size, offset);
    }
    ssize_t write(int file, const void* data, size_t size) override {
        return PV_THROUGH(write, ssize_t{-1}, {PathOf(file)}, file, data, size);
    }
    int fsync(int file) override { return PV_THROUGH(fsync, -1, {PathOf(file)}, file); }
    int fdatasync(int file) override { return PV_THROUGH(fdatasync, -1, {PathOf(file)}, file); }
    int ftruncate(int file, off_t length) override {
        return PV_THROUGH(ftruncate, -1, {PathOf(file)}, file, length);
    }
    int fstat(int file, struct stat* info) override {
        return PV_THROUGH(fstat, -1, {PathOf(file)}, file, info);
    }
    int fchmod(int file, mode_t mode) override {
        return PV_THROUGH(fchmod, -1, {PathOf(file)}, file, mode);
    }
    int flock(int file, int how) override {
        return PV_THROUGH(flock, -1, {PathOf(file)}, file, how);
    }
    int stat(const char* path, struct stat* info) override {
        return PV_THROUGH(stat, -1, {path}, path, info);
    }
    int lstat(const char* path, struct stat* info) override {
        return PV_THROUGH(lstat, -1, {path}, path, info);
    }
    int access(const char* path, int how) override {
        return PV_THROUGH(access, -1, {path}, path, how);
    }
    char* realpath(const char* path, char* resolved) override {
        return PV_THROUGH(realpath, static_cast<char*>(nullptr), {path}, path, resolved);
    }
    int rename(const char* from, const char* to) override {
        return PV_THROUGH(rename, -1, (std::initializer_list<std::string_view>{from, to}), from,
                          to);
    }
    int renameat2(int fromFolder, const char* from, int toFolder, const char* to,
                  unsigned int flags) override {
        return PV_THROUGH(renameat2, -1, (std::initializer_list<std::string_view>{from, to}),
                          fromFolder, from, toFolder, to, flags);
    }
    int unlink(const char* path) override { return PV_THROUGH(unlink, -1, {path}, path); }
    int mkdir(const char* path, mode_t mode) override {
        return PV_THROUGH(mkdir, -1, {path}, path, mode);
    }
    int rmdir(const char* path) override { return PV_THROUGH(rmdir, -1, {path}, path); }
    int chmod(const char* path, mode_t mode) override {
        return PV_THROUGH(chmod, -1, {path}, path, mode);
    }
    int scandir(const char* path, std::vector<std::string>& names) override {
        return PV_THROUGH(scandir, -1, {path}, path, names);
    }

  private:
    struct Armed {
        Fault fault;
        int seen = 0;
    };
    // The errno the call fails with, or 0 when it goes through.
    int Strike(std::string_view operation, std::initializer_list<std::string_view> paths);
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
    std::map<int, std::string> opened_;
};

#undef PV_THROUGH

}  // namespace pv::testing
