#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace pv {

namespace {

class PosixFileSystem final : public FileSystem {
  public:
    int open(const char* path, int flags, mode_t mode) override {
        return ::open(path, flags, mode);
    }
    int close(int file) override { return ::close(file); }
    ssize_t read(int file, void* data, size_t size) override { return ::read(file, data, size); }
    ssize_t pread(int file, void* data, size_t size, off_t offset) override {
        return ::pread(file, data, size, offset);
    }
    ssize_t write(int file, const void* data, size_t size) override {
        return ::write(file, data, size);
    }
    int fsync(int file) override { return ::fsync(file); }
    int fdatasync(int file) override { return ::fdatasync(file); }
    int ftruncate(int file, off_t length) override { return ::ftruncate(file, length); }
    int fstat(int file, struct stat* info) override { return ::fstat(file, info); }
    int fchmod(int file, mode_t mode) override { return ::fchmod(file, mode); }
    int flock(int file, int operation) override { return ::flock(file, operation); }

    int stat(const char* path, struct stat* info) override { return ::stat(path, info); }
    int lstat(const char* path, struct stat* info) override { return ::lstat(path, info); }
    int access(const char* path, int how) override { return ::access(path, how); }
    char* realpath(const char* path, char* resolved) override { return ::realpath(path, resolved); }
    int rename(const char* from, const char* to) override { return ::rename(from, to); }
    int renameat2(int fromFolder, const char* from, int toFolder, const char* to,
                  unsigned int flags) override {
        return ::renameat2(fromFolder, from, toFolder, to, flags);
    }
    int unlink(const char* path) override { return ::unlink(path); }
    int mkdir(const char* path, mode_t mode) override { return ::mkdir(path, mode); }
    int rmdir(const char* path) override { return ::rmdir(path); }
    int chmod(const char* path, mode_t mode) override { return ::chmod(path, mode); }

    int scandir(const char* path, std::vector<std::string>& names) override {
        DIR* folder = opendir(path);
        if (folder == nullptr) return -1;
        for (;;) {
            errno = 0;
            const dirent* entry = readdir(folder);
            if (entry == nullptr) break;
            const std::string name = entry->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        const int error = errno;
        closedir(folder);
        errno = error;
        return error == 0 ? 0 : -1;
    }
};

}  // namespace

FileSystem& RealFileSystem() {
    static PosixFileSystem files;
    return files;
}

mode_t LinkType(FileSystem& files, const std::filesystem::path& path) {
    struct stat info {};
    return files.lstat(path.c_str(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

}  // namespace pv
