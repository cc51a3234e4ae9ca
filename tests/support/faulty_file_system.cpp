#include "support/faulty_file_system.h"

namespace pv::testing {

void FaultyFileSystem::Fail(const Fault& fault) {
    std::lock_guard lock(mutex_);
    faults_.push_back({fault, 0});
}

int FaultyFileSystem::Strike(std::string_view operation,
                             std::initializer_list<std::string_view> paths) {
    std::lock_guard lock(mutex_);
    int error = 0;
    for (Armed& armed : faults_) {
        const Fault& fault = armed.fault;
        bool onPath = fault.pathPart.empty();
        for (std::string_view path : paths) {
            onPath = onPath || path.find(fault.pathPart) != std::string_view::npos;
        }
        if (fault.operation != operation || !onPath) continue;
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
    int file =
        Through("open", {path}, -1, [&] { return RealFileSystem().open(path, flags, mode); });
    std::lock_guard lock(mutex_);
    if (file >= 0) opened_[file] = path;
    return file;
}

// A close that fails still lets the descriptor go, as the system's does.
int FaultyFileSystem::close(int file) {
    const int error = Strike("close", {PathOf(file)});
    const int closed = RealFileSystem().close(file);
    {
        std::lock_guard lock(mutex_);
        opened_.erase(file);
    }
    if (error == 0) return closed;
    errno = error;
    return -1;
}

}  // namespace pv::testing
