#include "qt/sound/soundfont_file.h"

#include <sys/stat.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <mutex>

namespace pv::qt {

namespace {

// The names of published cuts; the SoundFont files themselves are given by absolute path.
constexpr const char* kPrefix = "pondivar-cut:";

std::mutex& Lock() {
    static std::mutex lock;
    return lock;
}

std::map<std::string, std::shared_ptr<const SoundFontCut>>& Published() {
    static std::map<std::string, std::shared_ptr<const SoundFontCut>> published;
    return published;
}

std::atomic<std::uint64_t> opens{0};
std::atomic<std::uint64_t> reads{0};

struct Handle {
    std::FILE* file = nullptr;
    std::shared_ptr<const SoundFontCut> cut;  // none: the file as it is
    std::uint64_t size = 0;
    std::uint64_t at = 0;
};

}  // namespace

std::string Publish(std::shared_ptr<const SoundFontCut> cut) {
    static unsigned serial = 0;
    std::lock_guard<std::mutex> hold(Lock());
    std::string name = kPrefix + std::to_string(++serial);
    Published()[name] = std::move(cut);
    return name;
}

void Forget(const std::string& name) {
    std::lock_guard<std::mutex> hold(Lock());
    Published().erase(name);
}

void* OpenSoundFont(const char* name) {
    ++opens;
    auto handle = std::make_unique<Handle>();
    std::string path = name;
    {
        std::lock_guard<std::mutex> hold(Lock());
        auto found = Published().find(path);
        if (found != Published().end()) {
            handle->cut = found->second;
            path = handle->cut->file;
        } else if (path.rfind(kPrefix, 0) == 0) {
            return nullptr;
        }
    }
    handle->file = std::fopen(path.c_str(), "rb");
    if (handle->file == nullptr) return nullptr;
    struct stat info {};
    if (fstat(fileno(handle->file), &info) != 0 || !S_ISREG(info.st_mode)) {
        std::fclose(handle->file);
        return nullptr;
    }
    handle->size = handle->cut ? handle->cut->Size() : static_cast<std::uint64_t>(info.st_size);
    return handle.release();
}

int ReadSoundFont(void* out, fluid_long_long_t count, void* opened) {
    ++reads;
    auto* handle = static_cast<Handle*>(opened);
    if (count < 0 || static_cast<std::uint64_t>(count) > handle->size - handle->at)
        return FLUID_FAILED;
    auto* bytes = static_cast<unsigned char*>(out);
    auto wanted = static_cast<std::size_t>(count);
    bool read = handle->cut ? handle->cut->Read(handle->file, handle->at, bytes, wanted)
                            : ReadFileAt(handle->file, handle->at, bytes, wanted);
    if (!read) return FLUID_FAILED;
    handle->at += wanted;
    return FLUID_OK;
}

int SeekSoundFont(void* opened, fluid_long_long_t offset, int origin) {
    auto* handle = static_cast<Handle*>(opened);
    fluid_long_long_t base = origin == SEEK_SET   ? 0
                             : origin == SEEK_CUR ? static_cast<fluid_long_long_t>(handle->at)
                             : origin == SEEK_END ? static_cast<fluid_long_long_t>(handle->size)
                                                  : -1;
    if (base < 0 || base + offset < 0 || static_cast<std::uint64_t>(base + offset) > handle->size) {
        return FLUID_FAILED;
    }
    handle->at = static_cast<std::uint64_t>(base + offset);
    return FLUID_OK;
}

fluid_long_long_t TellSoundFont(void* opened) {
    return static_cast<fluid_long_long_t>(static_cast<Handle*>(opened)->at);
}

int CloseSoundFont(void* opened) {
    auto* handle = static_cast<Handle*>(opened);
    std::fclose(handle->file);
    delete handle;
    return FLUID_OK;
}

SoundFontAccess SoundFontAccessSoFar() {
    return {opens.load(), reads.load()};
}

}  // namespace pv::qt
