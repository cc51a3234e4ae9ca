// What the synthesiser alone costs per second of music, and how its settings change that: every
// song of the game rendered as fast as it goes at the game's rate, with the game's polyphony and
// with one setting changed at a time (see synth.sh).
#include <fluidsynth.h>
#include <time.h>

#include <QFile>

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "assets/catalogue.h"
#include "qt/sound/audio.h"

namespace {

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

using Change = std::function<void(fluid_settings_t*, fluid_synth_t*)>;

// CPU seconds and seconds of music for every song.
std::pair<double, double> RenderAll(const std::string& soundFont, int polyphony,
                                    const Change& change) {
    double cpu = 0, music = 0;
    for (pv::UINT id = pv::kFirstSong; id < pv::kFirstSong + pv::kSongCount; ++id) {
        QFile file(QStringLiteral(":/") + QString::fromStdString(pv::ResourceFile(id)));
        if (!file.open(QIODevice::ReadOnly)) continue;
        QByteArray song = file.readAll();
        fluid_settings_t* settings = new_fluid_settings();
        fluid_settings_setnum(settings, "synth.sample-rate", 22050);
        fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
        fluid_settings_setint(settings, "synth.polyphony", polyphony);
        change(settings, nullptr);
        fluid_synth_t* synth = new_fluid_synth(settings);
        fluid_synth_sfload(synth, soundFont.c_str(), 1);
        change(nullptr, synth);
        fluid_player_t* player = new_fluid_player(synth);
        fluid_player_add_mem(player, song.constData(), static_cast<std::size_t>(song.size()));
        fluid_player_play(player);
        std::vector<std::int16_t> block(2 * 256);
        long frames = 0;
        double start = CpuSeconds();
        // The first minute of each: enough for a steady figure, and the run stays short.
        while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING && frames < 60 * 22050) {
            fluid_synth_write_s16(synth, 256, block.data(), 0, 2, block.data(), 1, 2);
            frames += 256;
        }
        cpu += CpuSeconds() - start;
        music += static_cast<double>(frames) / 22050;
        delete_fluid_player(player);
        delete_fluid_synth(synth);
        delete_fluid_settings(settings);
    }
    return {cpu, music};
}

}  // namespace

int main() {
    std::string soundFont = pv::qt::FindSoundFont();
    auto setting = [](const char* name, int value) -> Change {
        return [name, value](fluid_settings_t* s, fluid_synth_t*) {
            if (s != nullptr) fluid_settings_setint(s, name, value);
        };
    };
    auto interpolation = [](int method) -> Change {
        return [method](fluid_settings_t*, fluid_synth_t* synth) {
            if (synth != nullptr) fluid_synth_set_interp_method(synth, -1, method);
        };
    };
    const std::vector<std::pair<const char*, std::pair<int, Change>>> variants = {
        {"as the game plays (160 voices)", {160, setting("synth.verbose", 0)}},
        {"256 voices (the default)", {256, setting("synth.verbose", 0)}},
        {"64 voices", {64, setting("synth.verbose", 0)}},
        {"no chorus", {160, setting("synth.chorus.active", 0)}},
        {"no reverb", {160, setting("synth.reverb.active", 0)}},
        {"linear interpolation", {160, interpolation(FLUID_INTERP_LINEAR)}},
        {"no interpolation", {160, interpolation(FLUID_INTERP_NONE)}},
    };
    for (const auto& [label, variant] : variants) {
        auto [cpu, music] = RenderAll(soundFont, variant.first, variant.second);
        std::printf("%-32s %.2f %% of one core (%.0f s of music in %.1f s)\n", label,
                    100 * cpu / music, music, cpu);
    }
    return 0;
}
