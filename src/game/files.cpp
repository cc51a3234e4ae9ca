#include "game/files.h"

#include <cerrno>

namespace pv {

bool WriteAll(FileSystem& files, int file, const void* data, std::size_t size) {
    const auto* next = static_cast<const unsigned char*>(data);
    while (size > 0) {
        ssize_t written = files.write(file, next, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        next += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace pv
