// The songs' synthesiser: FluidSynth, driven directly rather than through SDL_mixer, which made a
// synthesiser and loaded the whole SoundFont again for every song. Here one synthesiser and one
// SoundFont serve every song, with its settings chosen for a small program playing background
// music. Of the SoundFont, only the presets the song can select are loaded (soundfont_cut.h). The
// user-interface thread opens, plays and stops songs, and reads a song's instruments as it opens
// it; SDL's audio thread only renders.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "qt/sound/midi_file.h"

namespace pv::qt {

struct SynthLibrary;

class Synth {
  public:
    // A synthesiser at the given rate that plays with the SoundFont, or nullptr when the library
    // cannot be loaded or no SoundFont is given.
    static std::unique_ptr<Synth> Load(int rate, const std::string& soundFont);
    ~Synth();
    Synth(const Synth&) = delete;
    Synth& operator=(const Synth&) = delete;

    // Takes a Standard MIDI File as the song to play next; false when it is none or the
    // SoundFont cannot be loaded.
    bool Open(const std::vector<char>& song);
    bool IsOpen() const { return player_ != nullptr; }
    // Starts the open song from its beginning.
    bool Play();
    // Silences the song; true when it was still playing.
    bool Stop();
    void Close();

    // On the audio thread: writes frames of 16-bit stereo. Returns true once, when the song has
    // just played to its end.
    bool Render(std::int16_t* out, int frames);

  private:
    Synth(const SynthLibrary* fluid, void* settings, void* synth, std::string soundFont);
    // Cut to the song's instruments, or whole when they cannot be told or the cut fails; what
    // is loaded stays while it serves the next song.
    bool LoadSoundFontFor(const std::optional<SongInstruments>& wanted);
    bool StartAfresh();
    // Reads the samples of every preset the song can select and keeps them until Close.
    void Pin(const SongInstruments& wanted);
    // The same for the whole SoundFont, for as long as it is loaded.
    void PinWhole();
    static void* NewSynth(const SynthLibrary* fluid, void* settings);

    const SynthLibrary* fluid_;
    void* settings_;
    void* synth_;  // replaced only under lock_
    void* player_ = nullptr;
    std::string soundFont_;
    int font_ = -1;        // the loaded SoundFont's number, or -1
    std::string cutName_;  // when a cut is loaded; none with a loaded font: the whole SoundFont
    SongInstruments cutFor_;
    std::vector<std::pair<int, int>> pinned_;  // banks and programs of the cut's pinned presets
    bool playing_ = false;                     // guarded by lock_
    std::mutex lock_;
};

}  // namespace pv::qt
