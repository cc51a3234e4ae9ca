// Puts a file's new bytes on the disk from a thread of its own. fdatasync usually takes a tenth
// of a millisecond, but now and then several: the thread that answers clicks must not wait.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/file_system.h"

namespace pv {

// An open file descriptor, closed with its last owner: the sync thread may still be syncing a
// file that its writer has already let go of.
class OpenFile {
  public:
    OpenFile(FileSystem& files, int descriptor) : files_(files), descriptor_(descriptor) {}
    ~OpenFile();
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int Descriptor() const { return descriptor_; }

  private:
    FileSystem& files_;
    int descriptor_;
};

class BackgroundSync {
  public:
    // `folder` is the directory whose entries newName requests make durable.
    BackgroundSync(FileSystem& files, std::filesystem::path folder);
    // Syncs whatever is still asked for, then ends the thread.
    ~BackgroundSync();
    BackgroundSync(const BackgroundSync&) = delete;
    BackgroundSync& operator=(const BackgroundSync&) = delete;

    // Asks for file's data to reach the disk; newName when the file was just made, so that the
    // folder's entry for it must reach the disk too. Requests made while a sync runs are served
    // together by the next one.
    void Request(std::shared_ptr<const OpenFile> file, bool newName);
    // Waits until every request made so far is served; false when a sync failed since the last
    // call.
    bool Wait();

  private:
    void Run();

    FileSystem& files_;
    const std::filesystem::path folder_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable served_;
    std::shared_ptr<const OpenFile> file_;
    bool syncFolder_ = false;
    std::uint64_t requested_ = 0;
    std::uint64_t done_ = 0;
    bool failed_ = false;
    bool stopping_ = false;
    std::thread thread_;  // last, so it starts once everything it uses exists
};

}  // namespace pv
