#include "progress/answer_log.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "game/files.h"
#include "progress/answer_record.h"

namespace pv {

namespace {

// Every writer holds the file's lock while it repairs and writes, and a reader while it reads:
// two games of the same player then never cut each other's records. Those hold it for well under
// a millisecond; one held for a second is held by something else (a program stopped, or not a
// game at all), which must not hang the game or the report.
class FileLock {
  public:
    FileLock(FileSystem& files, int file, int how)
        : files_(files), file_(file), held_(Take(files, file, how)) {}
    ~FileLock() {
        if (held_) files_.flock(file_, LOCK_UN);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool Held() const { return held_; }

  private:
    static bool Take(FileSystem& files, int file, int how) {
        constexpr int kTries = 100;  // ten milliseconds apart
        for (int tried = 1;; ++tried) {
            if (files.flock(file, how | LOCK_NB) == 0) return true;
            if ((errno != EWOULDBLOCK && errno != EINTR) || tried == kTries) return false;
            usleep(10000);
        }
    }

    FileSystem& files_;
    int file_;
    bool held_;
};

constexpr const char* kInUse = "it is kept locked by another program";

bool AllZero(const AnswerRecord& record) {
    return std::all_of(record.begin(), record.end(), [](std::uint8_t b) { return b == 0; });
}

// The length of a file's whole records. A tail cut short is dropped, and so are records of
// zeros at the end: a power cut between making a file longer and writing its bytes may leave
// them. readRecord(offset, record) reads the record at offset.
template <typename ReadRecord>
std::size_t WholeLength(std::size_t size, ReadRecord readRecord) {
    if (size < kAnswerHeaderSize) return 0;
    std::size_t whole = size - (size - kAnswerHeaderSize) % kAnswerRecordSize;
    AnswerRecord record{};
    while (whole > kAnswerHeaderSize && readRecord(whole - kAnswerRecordSize, record) &&
           AllZero(record)) {
        whole -= kAnswerRecordSize;
    }
    return whole;
}

bool ReadAt(FileSystem& files, int file, void* data, std::size_t size, off_t offset) {
    auto* next = static_cast<std::uint8_t*>(data);
    while (size > 0) {
        ssize_t got = files.pread(file, next, size, offset);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        next += got;
        size -= static_cast<std::size_t>(got);
        offset += got;
    }
    return true;
}

bool SameFile(FileSystem& files, const std::filesystem::path& path, int file) {
    struct stat named {};
    struct stat open {};
    return files.stat(path.c_str(), &named) == 0 && files.fstat(file, &open) == 0 &&
           named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

// Whether the file's first `size` bytes begin the header: all a game that died as it made the
// file may leave.
bool HeaderBegun(FileSystem& files, int file, std::size_t size) {
    std::array<std::uint8_t, kAnswerHeaderSize> start{};
    return size <= start.size() && ReadAt(files, file, start.data(), size, 0) &&
           std::equal(start.begin(), start.begin() + static_cast<std::ptrdiff_t>(size),
                      kAnswerHeader.begin());
}

// Makes the locked file ready for a record at its end: a header when it has none (true in
// `madeHeader`), a torn tail cut off so that the record lands aligned. False when the file is
// of another kind (then with the reason in `problem`) or cannot be repaired. A file reached
// through a link is never begun: the game makes none there, so a short one is somebody else's.
bool MakeReady(FileSystem& files, int file, bool throughLink, bool& madeHeader,
               std::string& problem) {
    struct stat info {};
    if (files.fstat(file, &info) != 0) return false;
    auto size = static_cast<std::size_t>(info.st_size);
    std::array<std::uint8_t, kAnswerHeaderSize> header{};
    bool ours = size < kAnswerHeaderSize ? !throughLink && HeaderBegun(files, file, size)
                                         : ReadAt(files, file, header.data(), header.size(), 0) &&
                                               header == kAnswerHeader;
    if (!ours) {
        problem = "it is not an answer record, and is left as it is";
        return false;
    }
    if (size < kAnswerHeaderSize) {
        madeHeader = true;
        return files.ftruncate(file, 0) == 0 &&
               WriteAll(files, file, kAnswerHeader.data(), kAnswerHeader.size());
    }
    std::size_t whole = WholeLength(size, [&files, file](std::size_t at, AnswerRecord& record) {
        return ReadAt(files, file, record.data(), record.size(), static_cast<off_t>(at));
    });
    return whole == size || files.ftruncate(file, static_cast<off_t>(whole)) == 0;
}

// Opens the record, made (mode 0600) when there is none; -1 with errno when it cannot. Nothing
// is made through a link: with O_EXCL a link to a missing file fails with EEXIST.
int OpenOrMake(FileSystem& files, const std::filesystem::path& path) {
    constexpr int kFlags = O_RDWR | O_APPEND | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    for (int attempt = 0; attempt < 2; ++attempt) {  // again when another game made it meanwhile
        int file = files.open(path.c_str(), kFlags, 0);
        if (file >= 0 || errno != ENOENT) return file;
        file = files.open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0600);
        if (file >= 0 || errno != EEXIST) return file;
    }
    return -1;
}

std::shared_ptr<OpenFile> OpenForAppend(FileSystem& files, const std::filesystem::path& path,
                                        std::string& problem) {
    int file = OpenOrMake(files, path);
    if (file < 0) {
        problem = errno == EEXIST ? "it is a link to a missing file, which no answer makes"
                                  : std::string("it cannot be opened: ") + std::strerror(errno);
        return nullptr;
    }
    auto opened = std::make_shared<OpenFile>(files, file);
    struct stat info {};
    if (files.fstat(file, &info) != 0 || !S_ISREG(info.st_mode)) {
        problem = "it is not a regular file";
        return nullptr;
    }
    return opened;
}

bool WriteRecord(FileSystem& files, int file, const AnswerRecord& record) {
    struct stat before {};
    if (files.fstat(file, &before) != 0) return false;
    ssize_t written = -1;
    do {
        written = files.write(file, record.data(), record.size());
    } while (written < 0 && errno == EINTR);
    if (written == static_cast<ssize_t>(record.size())) return true;
    // A full disk may take part of a record: take it back, so the next one lands aligned.
    if (written >= 0) {
        files.ftruncate(file, before.st_size);
        errno = ENOSPC;
    }
    return false;
}

// Sixteen million answers, centuries of play. A larger file is read no further: held whole in
// memory it could take all there is, and its size alone proves nothing of its bytes.
constexpr std::size_t kLargestReadable = std::size_t{256} * 1024 * 1024;

// Reads the whole file under the readers' lock; false, with the reason, when it cannot.
bool ReadWhole(FileSystem& files, int file, std::vector<std::uint8_t>& bytes, std::string& reason) {
    struct stat info {};
    if (files.fstat(file, &info) != 0 || !S_ISREG(info.st_mode)) {
        reason = "it is not a file that can be read";
        return false;
    }
    if (static_cast<std::size_t>(info.st_size) > kLargestReadable) {
        reason = "it is larger than " +
                 std::to_string(kLargestReadable / (std::size_t{1024} * 1024)) +
                 " MiB, more than any answer record holds";
        return false;
    }
    bytes.resize(static_cast<std::size_t>(info.st_size));
    errno = 0;
    if (!ReadAt(files, file, bytes.data(), bytes.size(), 0)) {
        reason = std::string("it cannot be read: ") + std::strerror(errno != 0 ? errno : EIO);
        return false;
    }
    return true;
}

// The answers in a file's bytes, without the damaged records, whose number goes to `damaged`;
// false, with the reason, when the header shows a file of another kind.
bool Parse(const std::vector<std::uint8_t>& bytes, std::vector<Answer>& answers,
           std::size_t& damaged, std::string& reason) {
    if (bytes.size() < kAnswerHeaderSize) {
        // Only a header cut short: the game died as it made the file.
        if (std::equal(bytes.begin(), bytes.end(), kAnswerHeader.begin())) return true;
        reason = "it is too short to be an answer record";
        return false;
    }
    if (!std::equal(kAnswerHeader.begin(), kAnswerHeader.end(), bytes.begin())) {
        reason = "its header is not that of an answer record";
        return false;
    }
    std::size_t whole = WholeLength(bytes.size(), [&bytes](std::size_t at, AnswerRecord& record) {
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), record.size(), record.begin());
        return true;
    });
    std::size_t count = (whole - kAnswerHeaderSize) / kAnswerRecordSize;
    answers.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::span<const std::uint8_t, kAnswerRecordSize> record(
            bytes.data() + kAnswerHeaderSize + i * kAnswerRecordSize, kAnswerRecordSize);
        // A damaged record stays in the file, in its place: the records after it stay aligned.
        if (std::optional<Answer> answer = DecodeAnswer(record)) {
            answers.push_back(*answer);
        } else {
            ++damaged;
        }
    }
    if (damaged > 0) {
        reason = std::to_string(damaged) + " of " + std::to_string(count) +
                 " records are damaged and were left out; their bytes stay in the file";
    }
    return true;
}

// Renames the file to the first free "<name>.damaged-<n>"; `line` says so, or why it could not.
bool SetAside(FileSystem& files, const std::filesystem::path& path, const std::string& reason,
              std::string& line) {
    line = path.string() + ": " + reason;
    int error = 0;
    for (int n = 1; n <= 1000; ++n) {
        std::string aside = path.string() + ".damaged-" + std::to_string(n);
        int renamed =
            files.renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE);
        if (renamed != 0 && errno == EINVAL) {
            // A file system that cannot refuse to replace: look first.
            if (LinkType(files, aside) != 0) continue;
            renamed = files.rename(path.c_str(), aside.c_str());
        }
        if (renamed == 0) {
            line += "; set aside as " + std::filesystem::path(aside).filename().string() +
                    ", the answers start afresh";
            return true;
        }
        error = errno;
        if (error != EEXIST) break;
    }
    line += std::string("; it could not be set aside: ") + std::strerror(error);
    return false;
}

// Nothing proves the file damaged: it stays as it is, and takes no answer until a later
// reading succeeds.
void CannotRead(AnswerReading& reading, const std::filesystem::path& path, ReadFor reader,
                const std::string& reason) {
    reading.appendable = false;
    reading.complaint = path.string() + ": " + reason;
    if (reader == ReadFor::Recording) reading.complaint += "; no answer is recorded this time";
}

// Its header proves the file of another kind: the game puts it out of the way, a viewer only
// says so.
void OfAnotherKind(FileSystem& files, AnswerReading& reading, const std::filesystem::path& path,
                   ReadFor reader, const std::string& reason) {
    if (reader == ReadFor::Recording) {
        reading.appendable = SetAside(files, path, reason, reading.complaint);
    } else {
        reading.appendable = false;
        reading.complaint = path.string() + ": " + reason;
    }
}

}  // namespace

AnswerLog::AnswerLog(FileSystem& files, const std::filesystem::path& folder)
    : files_(files), path_(folder / kAnswerLogName), sync_(files, folder) {}

AnswerLog::~AnswerLog() {
    sync_.Wait();
}

bool AnswerLog::Append(const Answer& answer) {
    problem_.clear();
    if (!IsPossible(answer)) return false;
    const AnswerRecord record = EncodeAnswer(answer);
    // A second try follows a file that was set aside or removed since the last answer.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (file_ == nullptr) {
            file_ = OpenForAppend(files_, path_, problem_);
            throughLink_ = S_ISLNK(LinkType(files_, path_));
        }
        if (file_ == nullptr) return false;
        int file = file_->Descriptor();
        FileLock lock(files_, file, LOCK_EX);
        if (!lock.Held()) {
            problem_ = kInUse;
            return false;
        }
        if (!SameFile(files_, path_, file)) {
            file_.reset();
            continue;
        }
        bool madeHeader = false;
        if (!MakeReady(files_, file, throughLink_, madeHeader, problem_) ||
            !WriteRecord(files_, file, record)) {
            // A full or failing disk: the answer is lost, which is said.
            if (problem_.empty())
                problem_ = std::string("it cannot be written: ") + std::strerror(errno);
            return false;
        }
        sync_.Request(file_, madeHeader);
        return true;
    }
    return false;
}

bool AnswerLog::WaitUntilOnDisk() {
    return sync_.Wait();
}

AnswerReading ReadAnswers(FileSystem& files, const std::filesystem::path& folder, ReadFor reader) {
    const std::filesystem::path path = folder / kAnswerLogName;
    AnswerReading reading;
    int file = files.open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0);
    if (file < 0) {
        // No folder (a file in its place) holds no record either.
        if (errno != ENOENT && errno != ENOTDIR) {
            CannotRead(reading, path, reader,
                       std::string("it cannot be read: ") + std::strerror(errno));
        }
        return reading;
    }
    OpenFile closer(files, file);
    // Held while setting aside too, so a writer waiting for it then finds the name gone.
    FileLock lock(files, file, LOCK_SH);
    std::vector<std::uint8_t> bytes;
    std::string reason;
    std::size_t damaged = 0;
    if (!lock.Held() && errno == EWOULDBLOCK) {
        CannotRead(reading, path, reader, kInUse);
    } else if (!ReadWhole(files, file, bytes, reason)) {
        CannotRead(reading, path, reader, reason);
    } else if (!Parse(bytes, reading.answers, damaged, reason)) {
        OfAnotherKind(files, reading, path, reader, reason);
    } else if (damaged > 0) {
        reading.complaint = path.string() + ": " + reason;
    }
    return reading;
}

}  // namespace pv
