// The songs' synthesiser: FluidSynth, driven directly rather than through SDL_mixer, which made a
// synthesiser and loaded the whole SoundFont again for every song. Here one synthesiser and one
// SoundFont serve every song, with its settings chosen for a small program playing background
// music. The user-interface thread opens, plays and stops songs; SDL's audio thread renders.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace pv::qt {

struct SynthLibrary;

class Synth {
  public:
    // A synthesiser at the given rate with the SoundFont loaded, or nullptr when the library or
    // the SoundFont cannot be loaded.
    static std::unique_ptr<Synth> Load(int rate, const std::string& soundFont);
    ~Synth();
    Synth(const Synth&) = delete;
    Synth& operator=(const Synth&) = delete;

    // Takes a Standard MIDI File as the song to play next; false when it is none.
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
    Synth(const SynthLibrary* fluid, void* settings, void* synth);

    const SynthLibrary* fluid_;
    void* settings_;
    void* synth_;
    void* player_ = nullptr;
    bool playing_ = false;  // guarded by lock_
    std::mutex lock_;
};

}  // namespace pv::qt
