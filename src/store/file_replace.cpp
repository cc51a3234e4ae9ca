#include "store/file_replace.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "game/files.h"
#include "game/say_once.h"

namespace pv {

namespace {

// A file the player has write-protected is a wish to keep it as it is, also from the superuser.
bool WriteProtected(FileSystem& files, const std::filesystem::path& file) {
    struct stat info {};
    if (files.stat(file.c_str(), &info) != 0) return false;  // no file yet
    return (info.st_mode & 0222) == 0 || files.access(file.c_str(), W_OK) != 0;
}

// The temporary name of one save: the file's own name, the saving process and an attempt.
std::string TemporaryName(const std::filesystem::path& target, pid_t pid, int attempt) {
    return target.string() + "." + std::to_string(pid) + "-" + std::to_string(attempt) + ".tmp";
}

// The process that left a temporary file of ours beside target ("<name>.<pid>-<n>.tmp"), or 0
// when the name is not one of ours.
pid_t LeftBy(const std::string& name, const std::string& base) {
    const std::string head = base + ".";
    const std::string tail = ".tmp";
    if (name.size() <= head.size() + tail.size() || !name.starts_with(head) ||
        !name.ends_with(tail)) {
        return 0;
    }
    std::string middle = name.substr(head.size(), name.size() - head.size() - tail.size());
    auto number = [](const std::string& text) {
        return !text.empty() && text.size() <= 9 &&
               text.find_first_not_of("0123456789") == std::string::npos;
    };
    std::size_t dash = middle.find('-');
    if (dash == std::string::npos || !number(middle.substr(0, dash)) ||
        !number(middle.substr(dash + 1))) {
        return 0;
    }
    return static_cast<pid_t>(std::stol(middle.substr(0, dash)));
}

// A save killed before its rename leaves its temporary file behind; once the process that made
// it is gone, nobody will finish it. Only regular files of this user are touched.
void RemoveLeftovers(FileSystem& files, const std::filesystem::path& target) {
    std::string base = target.filename().string();
    std::vector<std::string> names;
    files.scandir(target.parent_path().c_str(), names);
    for (const std::string& name : names) {
        pid_t pid = LeftBy(name, base);
        if (pid <= 0 || pid == getpid() || kill(pid, 0) == 0 || errno != ESRCH) continue;
        const std::filesystem::path entry = target.parent_path() / name;
        struct stat info {};
        if (files.lstat(entry.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == geteuid()) {
            files.unlink(entry.c_str());
        }
    }
}

// Puts what was written on disk and closes the file; true when the writing went well and so did
// both of these.
bool SyncAndClose(FileSystem& files, int file, bool written) {
    written = written && files.fsync(file) == 0;
    return files.close(file) == 0 && written;
}

// Only a directory that refuses new files is a reason to write the file itself; a full disk, a
// name too long or too many open files would make that write fail as well.
bool RefusesNewFiles(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

// Where no new file can be made beside it, the file the player may write is written in place.
// It is cut to the new length only once every byte is written: a write that fails on the way
// leaves a file of its old length, never an empty one.
bool WriteInPlace(FileSystem& files, const std::filesystem::path& target, const std::uint8_t* data,
                  std::size_t size) {
    int file = files.open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0);
    if (file < 0) return false;
    struct stat info {};
    if (files.fstat(file, &info) != 0 || !S_ISREG(info.st_mode)) {
        files.close(file);
        return false;
    }
    return SyncAndClose(
        files, file,
        WriteAll(files, file, data, size) && files.ftruncate(file, static_cast<off_t>(size)) == 0);
}

// Why the file a link leads to is not to be replaced, or nothing when it may be.
std::string LinkRefusal(FileSystem& files, const std::filesystem::path& target,
                        const FileKind& kind) {
    struct stat info {};
    std::vector<std::uint8_t> bytes(kind.largest + 1);
    if (files.lstat(target.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::size_t>(info.st_size) > kind.largest ||
        !kind.holds(std::span(bytes.data(), ReadFileStart(files, target, bytes)))) {
        return "it is a link to " + target.string() + ", which is not " + kind.name;
    }
    return "";
}

// A save that a full disk or a failing one refuses loses what changed since the last: said once,
// not lost without a word. False, for the caller to return.
bool Unsaved(const std::filesystem::path& path, int error) {
    SayOnce(path.string() + ": cannot be saved: " + std::strerror(error));
    return false;
}

}  // namespace

std::size_t ReadFileStart(FileSystem& files, const std::filesystem::path& path,
                          std::span<std::uint8_t> bytes) {
    int file = files.open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    if (file < 0) return 0;
    struct stat info {};
    std::size_t size = 0;
    if (files.fstat(file, &info) == 0 && S_ISREG(info.st_mode)) {
        while (size < bytes.size()) {
            ssize_t got = files.read(file, bytes.data() + size, bytes.size() - size);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) break;  // an error ends the reading like the end of the file
            size += static_cast<std::size_t>(got);
        }
    }
    files.close(file);
    return size;
}

bool ReadCutShort(FileSystem& files, const std::filesystem::path& path, std::size_t got,
                  std::size_t room) {
    struct stat info {};
    return got < room && files.stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           static_cast<std::size_t>(info.st_size) > got;
}

bool ReplaceFile(FileSystem& files, const std::filesystem::path& path, const std::uint8_t* data,
                 std::size_t size, const FileKind* kind) {
    // A link in place of the file is followed, so the file it points to is the one replaced.
    std::filesystem::path target = path;
    if (S_ISLNK(LinkType(files, path))) {
        char real[PATH_MAX];
        const bool leads = files.realpath(path.c_str(), real) != nullptr;
        if (kind != nullptr) {
            std::string refusal = !leads ? "it is a link that leads to no file, which no save makes"
                                         : LinkRefusal(files, real, *kind);
            if (!refusal.empty()) {
                SayOnce(path.string() + ": " + refusal + "; it is left as it is");
                return false;
            }
        }
        if (leads) target = real;
    }
    if (WriteProtected(files, target)) return false;
    RemoveLeftovers(files, target);

    // A name of its own per process, so that two games closing at once do not mix their bytes.
    std::string temporary;
    int file = -1;
    for (int attempt = 0; attempt < 100 && file < 0; ++attempt) {
        temporary = TemporaryName(target, getpid(), attempt);
        file = files.open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          0666);
        if (file < 0 && errno != EEXIST) {
            int error = errno;
            if (RefusesNewFiles(error) && WriteInPlace(files, target, data, size)) return true;
            return Unsaved(path, error);
        }
    }
    if (file < 0) return Unsaved(path, EEXIST);

    // The new file keeps the permissions the player gave the old one.
    struct stat old {};
    if (files.stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        files.fchmod(file, old.st_mode & 07777);
    }

    errno = 0;
    if (!SyncAndClose(files, file, WriteAll(files, file, data, size)) ||
        files.rename(temporary.c_str(), target.c_str()) != 0) {
        int error = errno != 0 ? errno : EIO;
        files.unlink(temporary.c_str());
        return Unsaved(path, error);
    }
    // Make the rename itself durable; the file is complete either way.
    int directory = files.open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (directory >= 0) {
        files.fsync(directory);
        files.close(directory);
    }
    return true;
}

void SweepLeftovers(FileSystem& files, const std::filesystem::path& path) {
    RemoveLeftovers(files, path);
}

}  // namespace pv
