// How the synthesiser reads SoundFonts: through these functions, which it is given in place of
// its own file access, so that a cut (soundfont_cut.h) reads as if it were a file. Any other
// name is read as the file of that name. They run on the user-interface thread only: a song's
// instruments are read as it is opened (synth.h), never while the audio thread renders it.
#pragma once

#include <fluidsynth.h>

#include <cstdint>
#include <memory>
#include <string>

#include "qt/sound/soundfont_cut.h"

namespace pv::qt {

// Makes the cut readable under the returned name until Forget(name).
std::string Publish(std::shared_ptr<const SoundFontCut> cut);
void Forget(const std::string& name);

void* OpenSoundFont(const char* name);
int ReadSoundFont(void* out, fluid_long_long_t count, void* handle);
int SeekSoundFont(void* handle, fluid_long_long_t offset, int origin);
fluid_long_long_t TellSoundFont(void* handle);
int CloseSoundFont(void* handle);

// How often SoundFonts were opened and read through the functions above, since the start: when
// they were read tells whether a song's start waited on the disk.
struct SoundFontAccess {
    std::uint64_t opens = 0;
    std::uint64_t reads = 0;
};
SoundFontAccess SoundFontAccessSoFar();

}  // namespace pv::qt
