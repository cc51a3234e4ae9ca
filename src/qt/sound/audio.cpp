#include "qt/sound/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <malloc.h>
#include <unistd.h>

#include <QFile>
#include <QMetaObject>
#include <QResource>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "assets/catalogue.h"
#include "qt/sound/loaded_library.h"
#include "qt/sound/midi_file.h"
#include "qt/sound/synth.h"

namespace pv::qt {

namespace {

constexpr const char* kAlias = " alias PVVMIDI";
constexpr int kChannel = 0;
// The effects are recorded at 11025 samples a second or less, and half the usual rate halves
// what the synthesiser costs while music plays. A short buffer keeps a click's sound close to the
// click.
constexpr int kRate = 22050;
constexpr int kBufferFrames = 256;
constexpr int kBytesPerFrame = 4;  // 16-bit stereo
// Converted sounds up to this size (all but the one long tune) are kept once played: loading
// one again costs about a millisecond on the click that plays it.
constexpr Uint32 kLongestKept = 512 * 1024;

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// "open <file> alias PVVMIDI"
bool IsOpen(const std::string& text) {
    return text.rfind("open ", 0) == 0 && EndsWith(text, kAlias) &&
           text.size() > std::string("open ").size() + std::string(kAlias).size();
}

bool IsReadableFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && access(path.c_str(), R_OK) == 0;
}

}  // namespace

// SDL and SDL_mixer, with all they bring (the synthesiser, sound-server clients, codecs), take
// longer to load than the rest of the program. Most players keep sound and music off, so the
// library is loaded only once either is wanted.
#define PV_MIXER_FUNCTIONS(X) \
    X(SDL_InitSubSystem)      \
    X(SDL_QuitSubSystem)      \
    X(SDL_RWFromConstMem)     \
    X(SDL_GetTicks)           \
    X(SDL_Delay)              \
    X(SDL_realloc)            \
    X(Mix_OpenAudioDevice)    \
    X(Mix_QuerySpec)          \
    X(Mix_CloseAudio)         \
    X(Mix_Quit)               \
    X(Mix_AllocateChannels)   \
    X(Mix_HookMusic)          \
    X(Mix_LoadWAV_RW)         \
    X(Mix_FreeChunk)          \
    X(Mix_PlayChannelTimed)   \
    X(Mix_Playing)            \
    X(Mix_HaltChannel)

struct MixerLibrary {
    PV_MIXER_FUNCTIONS(PV_LIBRARY_FIELD)
};

namespace {

// Loaded once and kept; nullptr when the library or one of its functions is missing. SDL's own
// functions are found through the mixer, which depends on it.
const MixerLibrary* LoadMixer() {
    static const MixerLibrary* loaded = LoadLibraryTable<MixerLibrary>(
        "libSDL2_mixer-2.0.so.0", PV_LIBRARY_FILL(MixerLibrary, PV_MIXER_FUNCTIONS));
    return loaded;
}

}  // namespace

std::string FindSoundFont() {
    // SDL_mixer's convention: any number of SoundFonts, separated by ';'. The first that can be
    // read is taken; one that cannot would leave the music silent.
    if (const char* chosen = std::getenv("SDL_SOUNDFONTS")) {
        std::string list = chosen;
        for (std::size_t at = 0; at <= list.size();) {
            std::size_t end = std::min(list.find(';', at), list.size());
            std::string path = list.substr(at, end - at);
            if (IsReadableFile(path)) return path;
            at = end + 1;
        }
    }
    for (const char* path :
         {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
          "/usr/share/sounds/sf3/default-GM.sf3", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
          "/usr/share/sounds/sf3/FluidR3_GM.sf3"}) {
        if (IsReadableFile(path)) return path;
    }
    std::error_code error;
    for (const char* dir : {"/usr/share/sounds/sf2", "/usr/share/sounds/sf3"}) {
        for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
            std::string ext = entry.path().extension().string();
            if (entry.is_regular_file(error) && (ext == ".sf2" || ext == ".sf3")) {
                return entry.path().string();
            }
        }
    }
    return "";
}

Audio::Audio(QObject* uiThread, std::function<void(DWORD code)> notice)
    : uiThread_(uiThread), notice_(std::move(notice)) {
    unkeptEnd_.setSingleShot(true);
    QObject::connect(&unkeptEnd_, &QTimer::timeout, [this]() { ReleaseUnkept(); });
}

Audio::~Audio() {
    if (!ready_) return;
    Close();
    mix_->Mix_HaltChannel(-1);
    for (auto& [id, chunk] : chunks_) mix_->Mix_FreeChunk(chunk);
    if (unkept_ != nullptr) mix_->Mix_FreeChunk(unkept_);
    mix_->Mix_HookMusic(nullptr, nullptr);  // the audio thread no longer renders songs
    synth_.reset();
    mix_->Mix_CloseAudio();
    mix_->Mix_Quit();
    mix_->SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool Audio::Ready() {
    if (tried_) return ready_;
    tried_ = true;
    mix_ = LoadMixer();
    if (mix_ == nullptr) return false;
    if (mix_->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    // Only the rate may differ from what is asked: the songs are rendered as 16-bit stereo.
    if (mix_->Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, 2, kBufferFrames, nullptr,
                                  SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) != 0) {
        mix_->SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Uint16 format = 0;
    int channels = 0;
    if (mix_->Mix_QuerySpec(&rate_, &format, &channels) == 0) rate_ = kRate;
    mix_->Mix_AllocateChannels(1);
    mix_->Mix_HookMusic(&Audio::RenderSong, this);
    ready_ = true;
    return true;
}

Mix_Chunk* Audio::Chunk(UINT resource) {
    auto it = chunks_.find(resource);
    if (it != chunks_.end()) return it->second;
    if (unkept_ != nullptr && unkeptId_ == resource) return unkept_;
    Mix_Chunk* chunk = nullptr;
    if (KindOf(resource) == ResourceKind::Sound) {
        QFile file(QStringLiteral(":/") + QString::fromStdString(ResourceFile(resource)));
        if (file.open(QIODevice::ReadOnly)) {
            QByteArray bytes = file.readAll();
            SDL_RWops* data =
                mix_->SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size()));
            chunk = mix_->Mix_LoadWAV_RW(data, 1);  // copies the samples out
            // The samples were converted in a buffer several times their final size; keep only
            // what they fill, as the cache holds every sound played so far.
            if (chunk != nullptr && chunk->allocated != 0 && chunk->alen > 0) {
                void* fitted = mix_->SDL_realloc(chunk->abuf, chunk->alen);
                if (fitted != nullptr) chunk->abuf = static_cast<Uint8*>(fitted);
            }
        }
    }
    if (chunk != nullptr && chunk->alen > kLongestKept) {
        // A long tune, heard rarely, is converted again when next wanted rather than kept; it
        // stays only while it may still be playing.
        if (unkept_ != nullptr) mix_->Mix_FreeChunk(unkept_);
        unkept_ = chunk;
        unkeptId_ = resource;
        return chunk;
    }
    chunks_[resource] = chunk;  // a sound that does not load is not tried again
    return chunk;
}

// The long tune is a megabyte once converted: it goes as soon as it has been heard, and the
// memory with it.
void Audio::ReleaseUnkept() {
    if (unkept_ == nullptr) return;
    if (mix_->Mix_Playing(kChannel) != 0) {
        unkeptEnd_.start(250);  // still playing, or a later sound is: ask again soon
        return;
    }
    mix_->Mix_FreeChunk(unkept_);
    unkept_ = nullptr;
    unkeptId_ = 0;
    malloc_trim(0);
}

BOOL Audio::PlaySound(UINT resource, DWORD flags) {
    if (!Ready()) return FALSE;
    // Before loading: a long tune loaded now would end the one playing.
    if ((flags & SND_NOSTOP) != 0 && mix_->Mix_Playing(kChannel) != 0) return FALSE;
    Mix_Chunk* chunk = Chunk(resource);
    if (chunk == nullptr) return FALSE;
    if (mix_->Mix_PlayChannelTimed(kChannel, chunk, 0, -1) < 0) return FALSE;
    Uint32 length = chunk->alen / static_cast<Uint32>(rate_ * kBytesPerFrame / 1000);
    if (chunk == unkept_) unkeptEnd_.start(static_cast<int>(length) + 100);
    if ((flags & SND_ASYNC) == 0) {
        // To its end, but never longer than the sound itself and a little more.
        Uint32 deadline = mix_->SDL_GetTicks() + length + 500;
        while (mix_->Mix_Playing(kChannel) != 0 && mix_->SDL_GetTicks() < deadline)
            mix_->SDL_Delay(5);
    }
    return TRUE;
}

bool Audio::Understands(const std::string& text) {
    return IsOpen(text) || text == "play PVVMIDI notify" || text == "stop PVVMIDI" ||
           text == "close PVVMIDI";
}

DWORD Audio::Command(const std::string& text) {
    if (IsOpen(text)) {
        return Open(text.substr(5, text.size() - 5 - std::string(kAlias).size()));
    }
    if (text == "play PVVMIDI notify") return Play();
    if (text == "stop PVVMIDI") {
        if (!SongOpen()) return MCIERR_DEVICE_NOT_READY;
        Stop();
        return 0;
    }
    if (text == "close PVVMIDI") {
        if (!SongOpen()) return MCIERR_DEVICE_NOT_READY;
        Close();
        return 0;
    }
    return MCIERR_UNRECOGNIZED_COMMAND;
}

DWORD Audio::Open(const std::string& file) {
    if (synth_ != nullptr && synth_->IsOpen()) return MCIERR_DUPLICATE_ALIAS;
    std::vector<char> song = ReadSongFile(file);
    if (song.empty()) return MCIERR_FILE_NOT_FOUND;
    // A file that is no whole song would end at once, reported as a natural end.
    if (!IsWholeMidiFile(reinterpret_cast<const unsigned char*>(song.data()), song.size())) {
        return MCIERR_INVALID_FILE;
    }
    if (!Ready()) return MCIERR_HARDWARE;
    if (synth_ == nullptr) {
        // Once per run: the SoundFont stays loaded for every later song.
        synth_ = Synth::Load(rate_, FindSoundFont());
        if (synth_ == nullptr) return MCIERR_FILE_NOT_FOUND;
        rendering_ = synth_.get();
    }
    return synth_->Open(song) ? 0 : MCIERR_FILE_NOT_FOUND;
}

bool Audio::SongOpen() const {
    return synth_ != nullptr && synth_->IsOpen();
}

DWORD Audio::Play() {
    if (!SongOpen()) return MCIERR_DEVICE_NOT_READY;
    notify_ = true;
    if (!synth_->Play()) {
        notify_ = false;
        Notify(MCI_NOTIFY_FAILURE);
        return MCIERR_HARDWARE;
    }
    return 0;
}

void Audio::Stop() {
    if (SongOpen() && synth_->Stop() && notify_) Notify(MCI_NOTIFY_ABORTED);
}

void Audio::Close() {
    if (!SongOpen()) return;
    Stop();
    synth_->Close();
    notify_ = false;
    // The song's instruments were let go; their samples' memory goes back to the system rather
    // than staying with the process until a later song happens to reuse it.
    malloc_trim(0);
}

void Audio::Notify(DWORD code) {
    QMetaObject::invokeMethod(
        uiThread_, [this, code]() { notice_(code); }, Qt::QueuedConnection);
}

void Audio::RenderSong(void* self, Uint8* stream, int bytes) {
    // On SDL's audio thread: the song goes in first, the sound effects are mixed over it.
    auto* audio = static_cast<Audio*>(self);
    Synth* synth = audio->rendering_;
    if (synth == nullptr) return;
    if (synth->Render(reinterpret_cast<std::int16_t*>(stream), bytes / kBytesPerFrame) &&
        audio->notify_) {
        audio->Notify(MCI_NOTIFY_SUCCESSFUL);
    }
}

}  // namespace pv::qt
