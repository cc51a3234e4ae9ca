#include "audio/private_dir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace pv {

std::string PrivateDirectory(FileSystem& files, const std::string& runtimeDir,
                             const std::string& tempDir) {
    std::string dir;
    if (!runtimeDir.empty() && runtimeDir.front() == '/') {
        dir = runtimeDir + "/pondivar";
    } else {
        dir = tempDir + "/pondivar-" + std::to_string(getuid());
    }
    if (files.mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return "";
    struct stat info {};
    if (files.lstat(dir.c_str(), &info) != 0) return "";
    if (!S_ISDIR(info.st_mode) || info.st_uid != getuid()) return "";
    // Ours, but opened up to others (made by hand, say): close it again.
    if ((info.st_mode & 077) != 0 && files.chmod(dir.c_str(), 0700) != 0) return "";
    return dir;
}

std::string PrivateDirectory(FileSystem& files) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code error;
    std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    return PrivateDirectory(files, runtime != nullptr ? runtime : "",
                            error ? "/tmp" : temp.string());
}

}  // namespace pv
