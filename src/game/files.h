// Small file helpers shared by the settings file and the song file.
#pragma once

#include <cstddef>

namespace pv {

// Writes all size bytes to an open file, going on after short writes and interruptions.
bool WriteAll(int file, const void* data, std::size_t size);

}  // namespace pv
