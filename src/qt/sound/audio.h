// Sound effects and the song player: SDL2_mixer plays the effects and renders the songs through
// its music hook from one synthesiser (synth.h). Everything here runs on the user-interface
// thread except SDL's own audio thread, whose end-of-song notice is carried back to the
// user-interface thread before anyone hears of it.
#pragma once

#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/win32.h"

struct Mix_Chunk;

namespace pv::qt {

struct MixerLibrary;
class Synth;

class Audio {
  public:
    // notice is called on the user-interface thread with the notice code of a song that ended
    // (successfully, or aborted by a stop).
    Audio(QObject* uiThread, std::function<void(DWORD code)> notice);
    ~Audio();
    Audio(const Audio&) = delete;
    Audio& operator=(const Audio&) = delete;

    BOOL PlaySound(UINT resource, DWORD flags);
    // Understands exactly "open <file> alias PVVMIDI", "play PVVMIDI notify", "stop PVVMIDI" and
    // "close PVVMIDI". Returns 0 on success, else an error number.
    DWORD Command(const std::string& text);
    // Whether Command understands the text (whatever the state of the player).
    static bool Understands(const std::string& text);

    // Opens the sound device (at most once); false when there is none.
    bool Ready();

  private:
    Mix_Chunk* Chunk(UINT resource);
    void ReleaseUnkept();
    DWORD Open(const std::string& file);
    bool SongOpen() const;
    DWORD Play();
    void Stop();
    void Close();
    void Notify(DWORD code);
    static void RenderSong(void* self, std::uint8_t* stream, int bytes);

    const MixerLibrary* mix_ = nullptr;  // loaded with the device
    QObject* uiThread_;
    std::function<void(DWORD)> notice_;
    bool tried_ = false;
    bool ready_ = false;
    int rate_ = 0;
    std::map<UINT, Mix_Chunk*> chunks_;
    Mix_Chunk* unkept_ = nullptr;  // the long tune last played, not kept with the others
    UINT unkeptId_ = 0;
    QTimer unkeptEnd_;  // when the long tune should have finished
    std::unique_ptr<Synth> synth_;
    std::atomic<Synth*> rendering_{nullptr};  // what the audio thread renders from
    std::atomic<bool> notify_{false};
};

// The General MIDI SoundFont to play the songs with, or "" when none is installed.
std::string FindSoundFont();

}  // namespace pv::qt
