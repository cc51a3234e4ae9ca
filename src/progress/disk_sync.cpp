#include "progress/disk_sync.h"

#include <fcntl.h>

#include <utility>

namespace pv {

OpenFile::~OpenFile() {
    if (descriptor_ >= 0) files_.close(descriptor_);
}

BackgroundSync::BackgroundSync(FileSystem& files, std::filesystem::path folder)
    : files_(files), folder_(std::move(folder)), thread_([this] { Run(); }) {}

BackgroundSync::~BackgroundSync() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void BackgroundSync::Request(std::shared_ptr<const OpenFile> file, bool newName) {
    {
        std::lock_guard lock(mutex_);
        file_ = std::move(file);
        syncFolder_ = syncFolder_ || newName;
        ++requested_;
    }
    wake_.notify_one();
}

bool BackgroundSync::Wait() {
    std::unique_lock lock(mutex_);
    served_.wait(lock, [this] { return done_ == requested_; });
    bool ok = !failed_;
    failed_ = false;
    return ok;
}

void BackgroundSync::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || done_ != requested_; });
        if (done_ == requested_) return;  // stopping, with nothing left to sync
        std::uint64_t serving = requested_;
        std::shared_ptr<const OpenFile> file = file_;
        bool syncFolder = std::exchange(syncFolder_, false);
        lock.unlock();

        bool ok = files_.fdatasync(file->Descriptor()) == 0;
        if (syncFolder) {
            int folder = files_.open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
            ok = folder >= 0 && files_.fsync(folder) == 0 && ok;
            if (folder >= 0) files_.close(folder);
        }

        lock.lock();
        done_ = serving;
        failed_ = failed_ || !ok;
        served_.notify_all();
    }
}

}  // namespace pv
