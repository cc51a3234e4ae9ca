// The private place of the temporary song file: a directory only this user can enter, so that
// nobody else can swap the file or plant a link where the game writes.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace pv {

// "<runtimeDir>/pondivar" when runtimeDir is an absolute path, else
// "<tempDir>/pondivar-<uid>". The directory is made with mode 0700 when missing. Returns "" when
// it is a link, not a directory, or not this user's.
std::string PrivateDirectory(FileSystem& files, const std::string& runtimeDir,
                             const std::string& tempDir);

// The same, from $XDG_RUNTIME_DIR and the system's temporary directory.
std::string PrivateDirectory(FileSystem& files);

}  // namespace pv
