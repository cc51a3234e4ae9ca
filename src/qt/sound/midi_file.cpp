#include "qt/sound/midi_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

namespace pv::qt {

namespace {

// Larger than any song of the game by far; a bigger file is not read at all.
constexpr std::size_t kLargestSong = 16u << 20;
constexpr std::size_t kChunkHeader = 8;

std::uint32_t Big32(const unsigned char* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 |
           std::uint32_t{p[3]};
}

std::uint16_t Big16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

constexpr int kDrumChannel = 9;

// Calls visit(body, length) for every track chunk after the header, in order, while it returns
// true; false when a chunk runs past the end or visit returned false.
template <class Visit>
bool ForEachTrack(const unsigned char* bytes, std::size_t size, Visit visit) {
    std::size_t at = kChunkHeader + Big32(bytes + 4);
    while (size - at >= kChunkHeader) {
        std::uint32_t length = Big32(bytes + at + 4);
        if (length > size - at - kChunkHeader) return false;  // cut short
        if (std::memcmp(bytes + at, "MTrk", 4) == 0 && !visit(bytes + at + kChunkHeader, length))
            return false;
        at += kChunkHeader + length;
    }
    return true;
}

// A variable-length quantity; false when it runs past the end.
bool ReadNumber(const unsigned char* track, std::size_t length, std::size_t& at,
                std::uint32_t& value) {
    value = 0;
    for (int digits = 0; digits < 4 && at < length; ++digits) {
        unsigned char digit = track[at++];
        value = value << 7 | (digit & 0x7Fu);
        if ((digit & 0x80u) == 0) return true;
    }
    return false;
}

// Adds one track's program changes; false when the track says more than program changes can
// tell (bank selects, system-exclusive messages) or does not parse.
bool AddInstruments(const unsigned char* track, std::size_t length, SongInstruments& found) {
    std::size_t at = 0;
    unsigned char running = 0;
    while (at < length) {
        std::uint32_t skip = 0;
        if (!ReadNumber(track, length, at, skip) || at >= length) return false;  // delta time
        unsigned char status = track[at];
        if (status >= 0x80) {
            ++at;
        } else if (running == 0) {
            return false;
        } else {
            status = running;
        }
        if (status == 0xFF) {  // meta event: type, length, data
            if (at >= length) return false;
            ++at;
            if (!ReadNumber(track, length, at, skip) || skip > length - at) return false;
            at += skip;
            continue;
        }
        if (status >= 0xF0) return false;
        running = status;
        int kind = status & 0xF0;
        std::size_t data = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
        if (data > length - at) return false;
        if (kind == 0xB0 && (track[at] == 0 || track[at] == 32)) return false;  // bank select
        if (kind == 0xC0) {
            ((status & 0x0F) == kDrumChannel ? found.drums : found.melodic).insert(track[at]);
        }
        at += data;
    }
    return true;
}

}  // namespace

std::optional<SongInstruments> InstrumentsOf(const unsigned char* bytes, std::size_t size) {
    if (!IsWholeMidiFile(bytes, size)) return std::nullopt;
    SongInstruments found;
    bool told = ForEachTrack(bytes, size, [&found](const unsigned char* body, std::size_t length) {
        return AddInstruments(body, length, found);
    });
    if (!told) return std::nullopt;
    return found;
}

bool IsWholeMidiFile(const unsigned char* bytes, std::size_t size) {
    if (size < kChunkHeader + 6 || std::memcmp(bytes, "MThd", 4) != 0) return false;
    std::uint32_t headerLength = Big32(bytes + 4);
    if (headerLength < 6 || headerLength > size - kChunkHeader) return false;
    std::uint16_t format = Big16(bytes + 8);
    std::uint16_t tracks = Big16(bytes + 10);
    std::uint16_t division = Big16(bytes + 12);
    if (format > 2 || tracks == 0 || division == 0) return false;

    std::uint32_t found = 0;
    bool whole = ForEachTrack(bytes, size, [&found](const unsigned char* body, std::size_t length) {
        ++found;
        return length >= 3 && std::memcmp(body + length - 3, "\xFF\x2F\x00", 3) == 0;
    });
    return whole && found >= tracks;
}

std::vector<char> ReadSongFile(const std::string& path) {
    // Only a regular file: a pipe in its place must not keep the game waiting.
    int file = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) return {};
    struct stat info {};
    std::vector<char> bytes;
    if (fstat(file, &info) == 0 && S_ISREG(info.st_mode) &&
        static_cast<std::size_t>(info.st_size) <= kLargestSong) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t got = 0;
        while (got < bytes.size()) {
            ssize_t n = read(file, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
        bytes.resize(got);
    }
    close(file);
    return bytes;
}

}  // namespace pv::qt
