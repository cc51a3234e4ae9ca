// What the song player asks of a file before it hands it to the synthesiser.
#pragma once

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pv::qt {

// True for a whole Standard MIDI File: its header, then every track it announces, each complete
// and closed by its end-of-track event. A file that is cut short or is no song at all would
// otherwise "play" for no time and end as if it had finished.
bool IsWholeMidiFile(const unsigned char* bytes, std::size_t size);

// The programs a song selects, on the melodic channels and on the drum channel; each includes
// program 0, where every channel starts.
struct SongInstruments {
    std::set<int> melodic{0};
    std::set<int> drums{0};
    bool operator==(const SongInstruments& other) const {
        return melodic == other.melodic && drums == other.drums;
    }
};

// The instruments of a whole song, or nothing when they cannot be told from its program changes
// alone: it selects banks or sends system-exclusive messages, or its events do not parse.
std::optional<SongInstruments> InstrumentsOf(const unsigned char* bytes, std::size_t size);

// The bytes of a song file, or none when it is no regular file or larger than any song.
std::vector<char> ReadSongFile(const std::string& path);

}  // namespace pv::qt
