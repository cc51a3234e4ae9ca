#include "store/settings_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

#include "game/files.h"

namespace pv {

namespace {

// Where each field of the header lies. Readers on other platforms rely on these offsets.
enum HeaderOffset : std::size_t {
    kMagicAt = 0,
    kMissedThisRoundAt = 4,
    kTimerIdAt = 5,
    kLargeFontAt = 9,
    kMediumFontAt = 13,
    kSmallFontAt = 17,
    kAboutBitmapAt = 21,
    kHoverActiveAt = 25,
    kAboutOpenAt = 29,
    kMemoryOpenAt = 30,
    kColourOpenAt = 31,
    kScoresOpenAt = 32,
    kOperationAt = 33,
    kSoundOnAt = 34,
    kMusicOnAt = 35,
    kRandomColoursAt = 36,  // two bytes, the second 0
    kBgGreenAt = 38,
    kBgRedAt = 42,
    kBgBlueAt = 46,
    kScoreCountAt = 50,
    kRememberPositionAt = 54,
    kWindowXAt = 55,
    kWindowYAt = 59,
    kHighColourAt = 63,
    kSaveCountAt = 64,
    kBigTablesAt = 65,
    kTableSizeAt = 66,
    kScoreAt = 70,
    kActionDelayAt = 74,
    kLabelDelayAt = 78,
    kPendingQuestionAt = 82,
    kPendingBoardRedrawAt = 86,
    kHintCasePhaseAt = 90,
    kLabelPhaseAt = 94,
    kSoundOnHintAt = 98,
    kSoundOffHintAt = 107,
    kMusicOnHintAt = 117,
    kMusicOffHintAt = 126,
};

// The header ends inside "music off": only its first seven bytes are stored.
constexpr std::size_t kMusicOffHintStored = kHeaderSize - kMusicOffHintAt;
constexpr std::uint8_t kRecordShift = 0x5B;
// A line keeps at most this many characters in a record.
constexpr std::size_t kRecordTextLength = 41;

void Put8(SettingsHeader& h, std::size_t at, std::uint8_t value) {
    h[at] = value;
}

void Put32(SettingsHeader& h, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) h[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void PutText(SettingsHeader& h, std::size_t at, const std::array<char, kHintTextSize>& text,
             std::size_t size) {
    std::memcpy(h.data() + at, text.data(), size);
}

std::uint32_t Get32(const std::uint8_t* bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{bytes[at + i]} << (8 * i);
    return value;
}

bool IsFlag(std::uint8_t byte) {
    return byte == 0 || byte == 0xFF;
}

// An option flag is taken only when it is a valid flag; otherwise the setting keeps its value.
void TakeFlag(std::uint8_t& flag, std::uint8_t byte) {
    if (IsFlag(byte)) flag = byte;
}

bool IsOperation(std::uint8_t byte) {
    return byte == '+' || byte == '-' || byte == 'x' || byte == 0xF7;
}

// Reads the settings file's bytes, never more than a full file holds. Only a regular file is
// read: a directory, a device or a pipe in its place is no settings file (and a pipe or a device
// could keep the start waiting forever).
std::size_t ReadFileStart(const std::filesystem::path& path,
                          std::array<std::uint8_t, kMaxSettingsFileSize>& bytes) {
    int file = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file < 0) return 0;
    struct stat info {};
    std::size_t size = 0;
    if (fstat(file, &info) == 0 && S_ISREG(info.st_mode)) {
        while (size < bytes.size()) {
            ssize_t got = read(file, bytes.data() + size, bytes.size() - size);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) break;  // an error ends the reading like the end of the file
            size += static_cast<std::size_t>(got);
        }
    }
    close(file);
    return size;
}

// A file the player has write-protected is a wish to keep it as it is, also from the superuser.
bool WriteProtected(const std::filesystem::path& file) {
    struct stat info {};
    if (stat(file.c_str(), &info) != 0) return false;  // no file yet
    return (info.st_mode & 0222) == 0 || access(file.c_str(), W_OK) != 0;
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
void RemoveLeftovers(const std::filesystem::path& target) {
    std::string base = target.filename().string();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(target.parent_path(), error)) {
        pid_t pid = LeftBy(entry.path().filename().string(), base);
        if (pid <= 0 || pid == getpid() || kill(pid, 0) == 0 || errno != ESRCH) continue;
        struct stat info {};
        if (lstat(entry.path().c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == geteuid()) {
            unlink(entry.path().c_str());
        }
    }
}

// Puts what was written on disk and closes the file; true when the writing went well and so did
// both of these.
bool SyncAndClose(int file, bool written) {
    written = written && fsync(file) == 0;
    return close(file) == 0 && written;
}

// Only a directory that refuses new files is a reason to write the file itself; a full disk, a
// name too long or too many open files would make that write fail as well.
bool RefusesNewFiles(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

// Where no new file can be made beside it, the file the player may write is written in place.
// It is cut to the new length only once every byte is written: a write that fails on the way
// leaves a file of its old length, never an empty one.
bool WriteInPlace(const std::filesystem::path& target, const std::uint8_t* data, std::size_t size) {
    int file = open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) return false;
    struct stat info {};
    if (fstat(file, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(file);
        return false;
    }
    return SyncAndClose(
        file, WriteAll(file, data, size) && ftruncate(file, static_cast<off_t>(size)) == 0);
}

// Replaces the file at path with data, or leaves it as it was: the bytes go to a new file
// beside it, which takes the old one's place by rename only once all of them are on disk.
bool ReplaceFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
    // A link in place of the file is followed, so the file it points to is the one replaced.
    std::error_code error;
    std::filesystem::path target = path;
    if (std::filesystem::is_symlink(path, error)) {
        std::filesystem::path real = std::filesystem::canonical(path, error);
        if (!error) target = real;
    }
    if (WriteProtected(target)) return false;
    RemoveLeftovers(target);

    // A name of its own per process, so that two games closing at once do not mix their bytes.
    std::string temporary;
    int file = -1;
    for (int attempt = 0; attempt < 100 && file < 0; ++attempt) {
        temporary = TemporaryName(target, getpid(), attempt);
        file = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (file < 0 && errno != EEXIST) {
            return RefusesNewFiles(errno) && WriteInPlace(target, data, size);
        }
    }
    if (file < 0) return false;

    // The new file keeps the permissions the player gave the old one.
    struct stat old {};
    if (stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) fchmod(file, old.st_mode & 07777);

    if (!SyncAndClose(file, WriteAll(file, data, size)) ||
        rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself durable; the file is complete either way.
    int directory = open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        fsync(directory);
        close(directory);
    }
    return true;
}

std::filesystem::path SettingsPath() {
    std::error_code error;
    std::filesystem::path directory = std::filesystem::current_path(error);
    if (error || directory.empty()) return {};
    return directory / kSettingsFileName;
}

}  // namespace

SettingsHeader EncodeHeader(const GameState& g) {
    SettingsHeader h{};
    std::memcpy(h.data() + kMagicAt, g.magic.data(), g.magic.size());
    Put8(h, kMissedThisRoundAt, g.missedThisRound);
    Put32(h, kTimerIdAt, g.timerId);
    Put32(h, kLargeFontAt, g.largeFont);
    Put32(h, kMediumFontAt, g.mediumFont);
    Put32(h, kSmallFontAt, g.smallFont);
    Put32(h, kAboutBitmapAt, g.aboutBitmap);
    Put32(h, kHoverActiveAt, g.hoverActive);
    Put8(h, kAboutOpenAt, g.aboutOpen);
    Put8(h, kMemoryOpenAt, g.memoryOpen);
    Put8(h, kColourOpenAt, g.colourOpen);
    Put8(h, kScoresOpenAt, g.scoresOpen);
    Put8(h, kOperationAt, g.operation);
    Put8(h, kSoundOnAt, g.soundOn);
    Put8(h, kMusicOnAt, g.musicOn);
    Put8(h, kRandomColoursAt, g.randomColours);
    Put8(h, kRandomColoursAt + 1, 0);
    Put32(h, kBgGreenAt, g.bgGreen);
    Put32(h, kBgRedAt, g.bgRed);
    Put32(h, kBgBlueAt, g.bgBlue);
    Put32(h, kScoreCountAt, g.scoreCount);
    Put8(h, kRememberPositionAt, g.rememberPosition);
    Put32(h, kWindowXAt, static_cast<std::uint32_t>(g.windowX));
    Put32(h, kWindowYAt, static_cast<std::uint32_t>(g.windowY));
    Put8(h, kHighColourAt, g.highColour);
    Put8(h, kSaveCountAt, g.saveCount);
    Put8(h, kBigTablesAt, g.bigTables);
    Put32(h, kTableSizeAt, g.tableSize);
    Put32(h, kScoreAt, g.score);
    Put32(h, kActionDelayAt, static_cast<std::uint32_t>(g.actionDelay));
    Put32(h, kLabelDelayAt, static_cast<std::uint32_t>(g.labelDelay));
    Put32(h, kPendingQuestionAt, g.pendingQuestion);
    Put32(h, kPendingBoardRedrawAt, g.pendingBoardRedraw);
    Put32(h, kHintCasePhaseAt, g.hintCasePhase);
    Put32(h, kLabelPhaseAt, g.labelPhase);
    // Each hint with its terminator, in the letter case it has right now.
    PutText(h, kSoundOnHintAt, g.hintTexts[kHintSoundOn], kSoundOffHintAt - kSoundOnHintAt);
    PutText(h, kSoundOffHintAt, g.hintTexts[kHintSoundOff], kMusicOnHintAt - kSoundOffHintAt);
    PutText(h, kMusicOnHintAt, g.hintTexts[kHintMusicOn], kMusicOffHintAt - kMusicOnHintAt);
    PutText(h, kMusicOffHintAt, g.hintTexts[kHintMusicOff], kMusicOffHintStored);
    return h;
}

ScoreRecord EncodeRecord(std::string_view line) {
    ScoreRecord record;
    record.fill(' ');
    std::size_t length = std::min(line.find('\0'), line.size());
    std::size_t kept = std::min(length, kRecordTextLength);
    std::memcpy(record.data(), line.data(), kept);
    // A line that fits keeps its terminator and gains one more zero; a cut one ends in one.
    record[kept] = '\0';
    if (length < kRecordTextLength) record[kept + 1] = '\0';
    for (std::size_t i = 1; i + 1 < kRecordSize; ++i) {
        record[i] = static_cast<std::uint8_t>(record[i] + kRecordShift);
    }
    return record;
}

void DecodeRecord(const std::uint8_t* record, std::array<char, kRecordLineSize>& line) {
    for (std::size_t i = 0; i < kRecordSize; ++i) {
        std::uint8_t byte = record[i];
        if (i != 0 && i + 1 != kRecordSize) byte = static_cast<std::uint8_t>(byte - kRecordShift);
        line[i] = static_cast<char>(byte);
    }
    // A record without a zero byte holds a line of all 45 characters.
    line[kRecordSize] = '\0';
}

bool ReadSettings(GameState& g, std::span<const std::uint8_t> bytes,
                  const std::function<void(const char* line)>& addLine) {
    if (bytes.size() < kHeaderSize) return false;
    const std::uint8_t* h = bytes.data();
    if (std::memcmp(h + kMagicAt, "PV21", 4) != 0) return false;

    g.operation = IsOperation(h[kOperationAt]) ? h[kOperationAt] : 'x';
    TakeFlag(g.soundOn, h[kSoundOnAt]);
    TakeFlag(g.musicOn, h[kMusicOnAt]);
    TakeFlag(g.randomColours, h[kRandomColoursAt]);
    TakeFlag(g.highColour, h[kHighColourAt]);
    TakeFlag(g.bigTables, h[kBigTablesAt]);
    g.saveCount = h[kSaveCountAt];
    // The position comes with a valid flag, even an off one; it is used only when the flag is on.
    if (IsFlag(h[kRememberPositionAt])) {
        g.rememberPosition = h[kRememberPositionAt];
        g.windowX = static_cast<std::int32_t>(Get32(h, kWindowXAt));
        g.windowY = static_cast<std::int32_t>(Get32(h, kWindowYAt));
    }
    g.bgGreen = Get32(h, kBgGreenAt);
    g.bgRed = Get32(h, kBgRedAt);
    g.bgBlue = Get32(h, kBgBlueAt);
    g.scoreCount = std::min<std::uint32_t>(Get32(h, kScoreCountAt), kMaxRecords);

    // Records up to the count; the first one cut short ends the list.
    std::array<char, kRecordLineSize> line{};
    std::size_t at = kHeaderSize;
    for (std::uint32_t i = 0; i < g.scoreCount && bytes.size() - at >= kRecordSize; ++i) {
        DecodeRecord(h + at, line);
        addLine(line.data());
        at += kRecordSize;
    }
    return true;
}

void LoadSettingsFile(Game& g) {
    g.scoreFilePath = SettingsPath();
    if (g.scoreFilePath.empty()) return;
    std::array<std::uint8_t, kMaxSettingsFileSize> bytes{};
    std::size_t size = ReadFileStart(g.scoreFilePath, bytes);
    // The store keeps itself sorted, so the order of the file does not matter.
    ReadSettings(g, std::span<const std::uint8_t>(bytes.data(), size), [&g](const char* line) {
        g.platform.SendMessageA(g.scoreStore, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    });
}

void SaveFile(Game& g, HWND window) {
    Platform& p = g.platform;
    g.saveCount = static_cast<std::uint8_t>(g.saveCount + 1);
    if (g.scoreFilePath.empty()) return;

    g.scoreCount = 0;
    LRESULT count = p.SendMessageA(g.scoreStore, LB_GETCOUNT, 0, 0);
    // Without the list there is nothing sound to write; the last file stays.
    if (count < 0) return;
    g.scoreCount = static_cast<std::uint32_t>(std::min<LRESULT>(count, kMaxRecords));
    if (g.rememberPosition != 0) {
        RECT frame;
        if (p.GetWindowRect(window, &frame)) {
            g.windowX = frame.left;
            g.windowY = frame.top;
        }
    }

    std::array<std::uint8_t, kMaxSettingsFileSize> bytes{};
    SettingsHeader header = EncodeHeader(g);
    std::copy(header.begin(), header.end(), bytes.begin());
    std::size_t size = kHeaderSize;
    // Highest first: the store is sorted ascending, so walk it down from its last line. Were it
    // ever to hold more than the file keeps, the lowest lines are the ones left out.
    LRESULT lowestKept = count - static_cast<LRESULT>(g.scoreCount);
    std::string line;
    while (g.scoreCount != 0) {
        --g.scoreCount;
        auto position = static_cast<WPARAM>(lowestKept + g.scoreCount);
        LRESULT length = p.SendMessageA(g.scoreStore, LB_GETTEXTLEN, position, 0);
        if (length < 0) break;
        line.assign(static_cast<std::size_t>(length) + 1, '\0');
        if (p.SendMessageA(g.scoreStore, LB_GETTEXT, position,
                           reinterpret_cast<LPARAM>(line.data())) < 0) {
            break;
        }
        ScoreRecord record = EncodeRecord(line);
        std::copy(record.begin(), record.end(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        size += kRecordSize;
    }
    ReplaceFile(g.scoreFilePath, bytes.data(), size);
}

}  // namespace pv
