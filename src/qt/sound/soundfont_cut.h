// A SoundFont cut down to the presets one song can select. The synthesiser holds every zone of
// every instrument of a SoundFont it loads, about 2 kB each, which for a General MIDI SoundFont
// is megabytes, while a song uses a handful of instruments. The cut is the original file up to
// its preset data (the samples, which the synthesiser reads only as instruments are chosen),
// followed by new preset data naming only the song's presets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "qt/sound/midi_file.h"

namespace pv::qt {

struct SoundFontCut {
    std::string file;                    // the original SoundFont
    std::uint64_t keptBytes = 0;         // of the original, before its preset data
    std::vector<unsigned char> presets;  // the new preset data, as a whole chunk

    std::uint64_t Size() const { return keptBytes + presets.size(); }
    // Copies count bytes of the cut from offset, reading the kept part from file (the original,
    // opened by the caller); false when that cannot be done in full.
    bool Read(std::FILE* original, std::uint64_t offset, unsigned char* out,
              std::size_t count) const;
};

// Reads count bytes of the file from offset; false unless all of them were read.
bool ReadFileAt(std::FILE* file, std::uint64_t offset, unsigned char* out, std::size_t count);

// The cut of the SoundFont file for a song's instruments, or nothing when the file is no
// SoundFont laid out as usual (its preset data last) or its preset data does not hold together.
std::optional<SoundFontCut> CutSoundFont(const std::string& file, const SongInstruments& wanted);

// The body of a preset data chunk ("pdta" list, after its type) keeping only the presets in
// wanted: any bank below the drum bank for a melodic program, the drum bank for a drum program.
// The instruments they use are kept and renumbered; the samples' headers stay as they are.
std::optional<std::vector<unsigned char>> CutPresetData(const unsigned char* body, std::size_t size,
                                                        const SongInstruments& wanted);

}  // namespace pv::qt
