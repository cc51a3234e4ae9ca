// The file operations the game makes, behind one object: under their POSIX names and with their
// POSIX contract (-1, or nullptr, with errno on failure), so that the code above reads as it would
// against the system. The real one calls the system; a test's may make any call fail with any
// error a disk can give, which a real disk gives only when it likes. Whatever the game keeps on
// disk goes through one: the settings and scores, the answer record, the players' folders and the
// song file.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace pv {

class FileSystem {
  public:
    FileSystem() = default;
    virtual ~FileSystem() = default;
    FileSystem(const FileSystem&) = delete;
    FileSystem& operator=(const FileSystem&) = delete;

    // Descriptors
    virtual int open(const char* path, int flags, mode_t mode) = 0;
    virtual int close(int file) = 0;
    virtual ssize_t read(int file, void* data, size_t size) = 0;
    virtual ssize_t pread(int file, void* data, size_t size, off_t offset) = 0;
    virtual ssize_t write(int file, const void* data, size_t size) = 0;
    virtual int fsync(int file) = 0;
    virtual int fdatasync(int file) = 0;
    virtual int ftruncate(int file, off_t length) = 0;
    virtual int fstat(int file, struct stat* info) = 0;
    virtual int fchmod(int file, mode_t mode) = 0;
    virtual int flock(int file, int operation) = 0;

    // Names
    virtual int stat(const char* path, struct stat* info) = 0;
    virtual int lstat(const char* path, struct stat* info) = 0;
    virtual int access(const char* path, int how) = 0;
    // `resolved` holds PATH_MAX bytes.
    virtual char* realpath(const char* path, char* resolved) = 0;
    virtual int rename(const char* from, const char* to) = 0;
    virtual int renameat2(int fromFolder, const char* from, int toFolder, const char* to,
                          unsigned int flags) = 0;
    virtual int unlink(const char* path) = 0;
    virtual int mkdir(const char* path, mode_t mode) = 0;
    virtual int rmdir(const char* path) = 0;
    virtual int chmod(const char* path, mode_t mode) = 0;
    // The names in the folder, without "." and "..", in the order the system gives them; -1 when
    // it cannot be read (to its end), with the names read until then.
    virtual int scandir(const char* path, std::vector<std::string>& names) = 0;
};

// The system's own files. It holds no state, so one serves every caller.
FileSystem& RealFileSystem();

// The type bits (S_IFREG, S_IFDIR, S_IFLNK...) of what is at path, of a link itself rather than
// what it leads to; 0 when nothing can be found there.
mode_t LinkType(FileSystem& files, const std::filesystem::path& path);

}  // namespace pv
