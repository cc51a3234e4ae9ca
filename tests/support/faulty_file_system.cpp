#include "support/faulty_file_system.h"

namespace pv::testing {

namespace {

FileSystem& Real() {
    return RealFileSystem();
}

}  // namespace

void FaultyFileSystem::Fail(const Fault& fault) {
    std::lock_guard lock(mutex_);
    faults_.push_back({fault, 0});
}

void FaultyFileSystem::Heal() {
    std::lock_guard lock(mutex_);
    faults_.clear();
}

int FaultyFileSystem::Calls(const std::string& operation) const {
    std::lock_guard lock(mutex_);
    auto it = calls_.find(operation);
    return it == calls_.end() ? 0 : it->second;
}

int FaultyFileSystem::Strike(std::string_view operation,
                             std::initializer_list<std::string_view> paths) {
    std::lock_guard lock(mutex_);
    auto counted = calls_.find(operation);
    if (counted == calls_.end()) counted = calls_.emplace(std::string(operation), 0).first;
    ++counted->second;
    int error = 0;
    for (Armed& armed : faults_) {
        const Fault& fault = armed.fault;
        if (fault.operation != operation) continue;
        bool onPath = fault.pathPart.empty();
        for (std::string_view path : paths) {
            onPath = onPath || path.find(fault.pathPart) != std::string_view::npos;
        }
        if (!onPath) continue;
        ++armed.seen;
        if (error == 0 && (fault.nth == 0 || armed.seen == fault.nth)) error = fault.error;
    }
    return error;
}

std::string FaultyFileSystem::PathOf(int file) const {
    std::lock_guard lock(mutex_);
    auto it = opened_.find(file);
    return it == opened_.end() ? std::string() : it->second;
}

int FaultyFileSystem::open(const char* path, int flags, mode_t mode) {
    int file = Through("open", {path}, -1, [&] { return Real().open(path, flags, mode); });
    if (file >= 0) {
        std::lock_guard lock(mutex_);
        opened_[file] = path;
    }
    return file;
}

// A close that fails still lets the descriptor go, as the system's does.
int FaultyFileSystem::close(int file) {
    const int error = Strike("close", {PathOf(file)});
    const int closed = Real().close(file);
    {
        std::lock_guard lock(mutex_);
        opened_.erase(file);
    }
    if (error == 0) return closed;
    errno = error;
    return -1;
}

ssize_t FaultyFileSystem::read(int file, void* data, size_t size) {
    return Through("read", {PathOf(file)}, ssize_t{-1},
                   [&] { return Real().read(file, data, size); });
}

ssize_t FaultyFileSystem::pread(int file, void* data, size_t size, off_t offset) {
    return Through("pread", {PathOf(file)}, ssize_t{-1},
                   [&] { return Real().pread(file, data, size, offset); });
}

ssize_t FaultyFileSystem::write(int file, const void* data, size_t size) {
    return Through("write", {PathOf(file)}, ssize_t{-1},
                   [&] { return Real().write(file, data, size); });
}

int FaultyFileSystem::fsync(int file) {
    return Through("fsync", {PathOf(file)}, -1, [&] { return Real().fsync(file); });
}

int FaultyFileSystem::fdatasync(int file) {
    return Through("fdatasync", {PathOf(file)}, -1, [&] { return Real().fdatasync(file); });
}

int FaultyFileSystem::ftruncate(int file, off_t length) {
    return Through("ftruncate", {PathOf(file)}, -1, [&] { return Real().ftruncate(file, length); });
}

int FaultyFileSystem::fstat(int file, struct stat* info) {
    return Through("fstat", {PathOf(file)}, -1, [&] { return Real().fstat(file, info); });
}

int FaultyFileSystem::fchmod(int file, mode_t mode) {
    return Through("fchmod", {PathOf(file)}, -1, [&] { return Real().fchmod(file, mode); });
}

int FaultyFileSystem::flock(int file, int operation) {
    return Through("flock", {PathOf(file)}, -1, [&] { return Real().flock(file, operation); });
}

int FaultyFileSystem::stat(const char* path, struct stat* info) {
    return Through("stat", {path}, -1, [&] { return Real().stat(path, info); });
}

int FaultyFileSystem::lstat(const char* path, struct stat* info) {
    return Through("lstat", {path}, -1, [&] { return Real().lstat(path, info); });
}

int FaultyFileSystem::access(const char* path, int how) {
    return Through("access", {path}, -1, [&] { return Real().access(path, how); });
}

char* FaultyFileSystem::realpath(const char* path, char* resolved) {
    return Through("realpath", {path}, static_cast<char*>(nullptr),
                   [&] { return Real().realpath(path, resolved); });
}

int FaultyFileSystem::rename(const char* from, const char* to) {
    return Through("rename", {from, to}, -1, [&] { return Real().rename(from, to); });
}

int FaultyFileSystem::renameat2(int fromFolder, const char* from, int toFolder, const char* to,
                                unsigned int flags) {
    return Through("renameat2", {from, to}, -1,
                   [&] { return Real().renameat2(fromFolder, from, toFolder, to, flags); });
}

int FaultyFileSystem::unlink(const char* path) {
    return Through("unlink", {path}, -1, [&] { return Real().unlink(path); });
}

int FaultyFileSystem::mkdir(const char* path, mode_t mode) {
    return Through("mkdir", {path}, -1, [&] { return Real().mkdir(path, mode); });
}

int FaultyFileSystem::rmdir(const char* path) {
    return Through("rmdir", {path}, -1, [&] { return Real().rmdir(path); });
}

int FaultyFileSystem::chmod(const char* path, mode_t mode) {
    return Through("chmod", {path}, -1, [&] { return Real().chmod(path, mode); });
}

int FaultyFileSystem::scandir(const char* path, std::vector<std::string>& names) {
    return Through("scandir", {path}, -1, [&] { return Real().scandir(path, names); });
}

}  // namespace pv::testing
