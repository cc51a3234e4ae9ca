// Small file helpers shared by the settings file and the song file.
#pragma once

#include <cstddef>

#include "platform/file_system.h"

namespace pv {

// Writes all size bytes to an open file, going on after short writes and interruptions.
bool WriteAll(FileSystem& files, int file, const void* data, std::size_t size);

}  // namespace pv
