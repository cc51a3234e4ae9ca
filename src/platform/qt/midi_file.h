// What the song player asks of a file before it hands it to the synthesiser.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pv::qt {

// True for a whole Standard MIDI File: its header, then every track it announces, each complete
// and closed by its end-of-track event. A file that is cut short or is no song at all would
// otherwise "play" for no time and end as if it had finished.
bool IsWholeMidiFile(const unsigned char* bytes, std::size_t size);

// The bytes of a song file, or none when it is no regular file or larger than any song.
std::vector<char> ReadSongFile(const std::string& path);

}  // namespace pv::qt
