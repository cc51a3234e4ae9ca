#include "qt/sound/synth.h"

#include <fluidsynth.h>
#include <malloc.h>

#include "qt/sound/loaded_library.h"
#include "qt/sound/midi_file.h"
#include "qt/sound/soundfont_file.h"

namespace pv::qt {

// Loaded at run time, as SDL_mixer is (see audio.cpp), and only once a song is wanted.
#define PV_SYNTH_FUNCTIONS(X)        \
    X(new_fluid_settings)            \
    X(delete_fluid_settings)         \
    X(fluid_settings_setint)         \
    X(fluid_settings_setnum)         \
    X(new_fluid_synth)               \
    X(delete_fluid_synth)            \
    X(fluid_synth_sfload)            \
    X(fluid_synth_sfunload)          \
    X(fluid_synth_pin_preset)        \
    X(fluid_synth_unpin_preset)      \
    X(fluid_synth_get_sfont_by_id)   \
    X(fluid_sfont_iteration_start)   \
    X(fluid_sfont_iteration_next)    \
    X(fluid_preset_get_banknum)      \
    X(fluid_preset_get_num)          \
    X(new_fluid_defsfloader)         \
    X(fluid_sfloader_set_callbacks)  \
    X(fluid_synth_add_sfloader)      \
    X(fluid_synth_set_interp_method) \
    X(fluid_synth_write_s16)         \
    X(fluid_synth_all_sounds_off)    \
    X(fluid_synth_system_reset)      \
    X(new_fluid_player)              \
    X(delete_fluid_player)           \
    X(fluid_player_add_mem)          \
    X(fluid_player_play)             \
    X(fluid_player_stop)             \
    X(fluid_player_get_status)

struct SynthLibrary {
    PV_SYNTH_FUNCTIONS(PV_LIBRARY_FIELD)
};

namespace {

const SynthLibrary* LoadLibrary() {
    static const SynthLibrary* loaded = LoadLibraryTable<SynthLibrary>(
        "libfluidsynth.so.3", PV_LIBRARY_FILL(SynthLibrary, PV_SYNTH_FUNCTIONS));
    return loaded;
}

fluid_synth_t* AsSynth(void* p) {
    return static_cast<fluid_synth_t*>(p);
}
fluid_player_t* AsPlayer(void* p) {
    return static_cast<fluid_player_t*>(p);
}

}  // namespace

std::unique_ptr<Synth> Synth::Load(int rate, const std::string& soundFont) {
    const SynthLibrary* fluid = LoadLibrary();
    if (fluid == nullptr || soundFont.empty()) return nullptr;
    fluid_settings_t* settings = fluid->new_fluid_settings();
    if (settings == nullptr) return nullptr;
    fluid->fluid_settings_setnum(settings, "synth.sample-rate", rate);
    // As loud as SDL_mixer played the songs: its full music volume was a gain of 1.2.
    fluid->fluid_settings_setnum(settings, "synth.gain", 1.2);
    // Only the instruments a song picks are read in, not the whole SoundFont: a song uses a
    // handful of its instruments, and this keeps some 5 MB of samples out of memory.
    fluid->fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    // Each voice the synthesiser can sound at once costs some 10 kB whether used or not. The
    // busiest song sounds 158 at once (tails of released notes included); the default 256 only
    // holds memory.
    fluid->fluid_settings_setint(settings, "synth.polyphony", 160);
    void* synth = NewSynth(fluid, settings);
    if (synth == nullptr) {
        fluid->delete_fluid_settings(settings);
        return nullptr;
    }
    return std::unique_ptr<Synth>(new Synth(fluid, settings, synth, soundFont));
}

void* Synth::NewSynth(const SynthLibrary* fluid, void* settings) {
    auto* fluidSettings = static_cast<fluid_settings_t*>(settings);
    fluid_synth_t* synth = fluid->new_fluid_synth(fluidSettings);
    if (synth == nullptr) return nullptr;
    // SoundFonts are read through the game's own file access, which can read a cut.
    fluid_sfloader_t* loader = fluid->new_fluid_defsfloader(fluidSettings);
    if (loader != nullptr) {
        fluid->fluid_sfloader_set_callbacks(loader, OpenSoundFont, ReadSoundFont, SeekSoundFont,
                                            TellSoundFont, CloseSoundFont);
        fluid->fluid_synth_add_sfloader(synth, loader);
    }
    return synth;
}

Synth::Synth(const SynthLibrary* fluid, void* settings, void* synth, std::string soundFont)
    : fluid_(fluid), settings_(settings), synth_(synth), soundFont_(std::move(soundFont)) {}

Synth::~Synth() {
    Close();
    fluid_->delete_fluid_synth(AsSynth(synth_));
    if (!cutName_.empty()) Forget(cutName_);
    fluid_->delete_fluid_settings(static_cast<fluid_settings_t*>(settings_));
}

bool Synth::Open(const std::vector<char>& song) {
    Close();
    // A Standard MIDI File starts with its header chunk.
    if (song.size() < 14 || std::string(song.data(), 4) != "MThd") return false;
    auto bytes = reinterpret_cast<const unsigned char*>(song.data());
    auto wanted = InstrumentsOf(bytes, song.size());
    if (!LoadSoundFontFor(wanted)) return false;
    if (!cutName_.empty()) Pin(*wanted);
    fluid_player_t* player = fluid_->new_fluid_player(AsSynth(synth_));
    if (player == nullptr) return false;
    if (fluid_->fluid_player_add_mem(player, song.data(), song.size()) != FLUID_OK) {
        fluid_->delete_fluid_player(player);
        return false;
    }
    std::lock_guard<std::mutex> hold(lock_);
    player_ = player;
    return true;
}

bool Synth::Play() {
    std::lock_guard<std::mutex> hold(lock_);
    if (player_ == nullptr || fluid_->fluid_player_play(AsPlayer(player_)) != FLUID_OK) {
        return false;
    }
    playing_ = true;
    return true;
}

bool Synth::Stop() {
    std::lock_guard<std::mutex> hold(lock_);
    bool was = playing_;
    playing_ = false;
    if (player_ != nullptr) fluid_->fluid_player_stop(AsPlayer(player_));
    // Notes still sounding, and the song's instruments and controllers, do not carry over into
    // the next song.
    fluid_->fluid_synth_all_sounds_off(AsSynth(synth_), -1);
    fluid_->fluid_synth_system_reset(AsSynth(synth_));
    return was;
}

bool Synth::LoadSoundFontFor(const std::optional<SongInstruments>& wanted) {
    bool whole = font_ != FLUID_FAILED && cutName_.empty();
    if (whole || (font_ != FLUID_FAILED && wanted && *wanted == cutFor_)) return true;
    if (font_ != FLUID_FAILED && !StartAfresh()) return false;
    if (wanted) {
        if (auto cut = CutSoundFont(soundFont_, *wanted)) {
            std::string name = Publish(std::make_shared<const SoundFontCut>(std::move(*cut)));
            font_ = fluid_->fluid_synth_sfload(AsSynth(synth_), name.c_str(), 1);
            if (font_ != FLUID_FAILED) {
                cutName_ = name;
                cutFor_ = *wanted;
            } else {
                Forget(name);
            }
        }
    }
    if (font_ == FLUID_FAILED) {
        // Whole: it serves every song from now on.
        font_ = fluid_->fluid_synth_sfload(AsSynth(synth_), soundFont_.c_str(), 1);
        if (font_ != FLUID_FAILED) PinWhole();
    }
    // Reading a SoundFont, and the synthesiser let go before it, leave megabytes of freed
    // buffers behind; give them back.
    malloc_trim(0);
    return font_ != FLUID_FAILED;
}

// A SoundFont that was unloaded is freed only once the notes it sounded have been rendered away,
// which with the songs stopped may be never; a synthesiser frees every SoundFont it holds when it
// goes. So the next cut goes into a new synthesiser, which costs a few milliseconds.
bool Synth::StartAfresh() {
    void* fresh = NewSynth(fluid_, settings_);
    if (fresh == nullptr) return false;
    void* old = synth_;
    {
        std::lock_guard<std::mutex> hold(lock_);
        synth_ = fresh;
    }
    fluid_->delete_fluid_synth(AsSynth(old));
    font_ = FLUID_FAILED;
    if (!cutName_.empty()) Forget(cutName_);
    cutName_.clear();
    return true;
}

// The song's program changes select its presets on the audio thread, where reading their samples
// from the disk would make the music skip. Pinned here, each preset's samples are read now and stay
// while the song plays, however its channels select and let go of them. The song's channels can
// select nothing else: without a bank select, a preset missing from the SoundFont falls back to
// program 0 of its bank, which every song pins.
void Synth::Pin(const SongInstruments& wanted) {
    for (auto [bank, programs] : {std::pair{0, &wanted.melodic}, {128, &wanted.drums}}) {
        for (int program : *programs) {
            if (fluid_->fluid_synth_pin_preset(AsSynth(synth_), font_, bank, program) == FLUID_OK)
                pinned_.emplace_back(bank, program);
        }
    }
}

// Any song may select any preset of the whole SoundFont, so all of them are pinned, for good.
// Loading it without dynamic loading would read every sample too, but into one block, from which
// songs render audibly differently than from a cut.
void Synth::PinWhole() {
    fluid_sfont_t* font = fluid_->fluid_synth_get_sfont_by_id(AsSynth(synth_), font_);
    if (font == nullptr) return;
    std::vector<std::pair<int, int>> presets;
    fluid_->fluid_sfont_iteration_start(font);
    while (fluid_preset_t* preset = fluid_->fluid_sfont_iteration_next(font)) {
        presets.emplace_back(fluid_->fluid_preset_get_banknum(preset),
                             fluid_->fluid_preset_get_num(preset));
    }
    for (auto [bank, program] : presets)
        fluid_->fluid_synth_pin_preset(AsSynth(synth_), font_, bank, program);
}

void Synth::Close() {
    if (player_ != nullptr) {
        Stop();
        std::lock_guard<std::mutex> hold(lock_);
        fluid_->delete_fluid_player(AsPlayer(player_));
        player_ = nullptr;
    }
    // The samples go with the song; the next song reads what it needs again.
    for (auto [bank, program] : pinned_)
        fluid_->fluid_synth_unpin_preset(AsSynth(synth_), font_, bank, program);
    pinned_.clear();
}

bool Synth::Render(std::int16_t* out, int frames) {
    std::lock_guard<std::mutex> hold(lock_);
    if (!playing_) return false;
    fluid_->fluid_synth_write_s16(AsSynth(synth_), frames, out, 0, 2, out, 1, 2);
    if (fluid_->fluid_player_get_status(AsPlayer(player_)) != FLUID_PLAYER_DONE) return false;
    playing_ = false;
    return true;
}

}  // namespace pv::qt
