// A song plays from a SoundFont cut to its instruments exactly as from the whole SoundFont.
#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <QFile>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "assets/catalogue.h"
#include "qt/sound/audio.h"
#include "qt/sound/soundfont_cut.h"
#include "qt/sound/soundfont_file.h"
#include "qt/sound/synth.h"

namespace pv::qt {
namespace {

QByteArray Song(UINT id) {
    QFile file(QStringLiteral(":/") + QString::fromStdString(ResourceFile(id)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The first seconds of the song, from the SoundFont of that name, read as the game reads it.
std::vector<std::int16_t> Render(const QByteArray& song, const std::string& soundFont) {
    std::unique_ptr<fluid_settings_t, void (*)(fluid_settings_t*)> settings(new_fluid_settings(),
                                                                            delete_fluid_settings);
    fluid_settings_setnum(settings.get(), "synth.sample-rate", 22050);
    fluid_settings_setint(settings.get(), "synth.dynamic-sample-loading", 1);
    std::unique_ptr<fluid_synth_t, void (*)(fluid_synth_t*)> synth(new_fluid_synth(settings.get()),
                                                                   delete_fluid_synth);
    fluid_sfloader_t* loader = new_fluid_defsfloader(settings.get());
    fluid_sfloader_set_callbacks(loader, OpenSoundFont, ReadSoundFont, SeekSoundFont, TellSoundFont,
                                 CloseSoundFont);
    fluid_synth_add_sfloader(synth.get(), loader);
    std::vector<std::int16_t> out(2 * 22050 * 3);
    if (fluid_synth_sfload(synth.get(), soundFont.c_str(), 1) == FLUID_FAILED) return {};
    fluid_player_t* player = new_fluid_player(synth.get());
    fluid_player_add_mem(player, song.constData(), static_cast<std::size_t>(song.size()));
    fluid_player_play(player);
    fluid_synth_write_s16(synth.get(), static_cast<int>(out.size() / 2), out.data(), 0, 2,
                          out.data(), 1, 2);
    delete_fluid_player(player);
    return out;
}

TEST(SoundFontCut, EverySongSoundsAsFromTheWholeSoundFont) {
    std::string whole = FindSoundFont();
    ASSERT_FALSE(whole.empty());
    for (UINT id = kFirstSong; id < kFirstSong + kSongCount; ++id) {
        QByteArray song = Song(id);
        auto wanted = InstrumentsOf(reinterpret_cast<const unsigned char*>(song.constData()),
                                    static_cast<std::size_t>(song.size()));
        ASSERT_TRUE(wanted) << "song " << id;
        auto cut = CutSoundFont(whole, *wanted);
        ASSERT_TRUE(cut) << "song " << id;
        EXPECT_LT(cut->presets.size() * 2, std::filesystem::file_size(whole) - cut->keptBytes)
            << "song " << id;
        std::string name = Publish(std::make_shared<const SoundFontCut>(*cut));
        std::vector<std::int16_t> expected = Render(song, whole);
        ASSERT_FALSE(expected.empty());
        EXPECT_TRUE(Render(song, name) == expected) << "song " << id;
        Forget(name);
        if (id == kFirstSong) {
            EXPECT_TRUE(Render(song, name).empty()) << "a forgotten cut is not read";
        }
    }
}

// Songs whose instruments cannot be told from program changes alone get the whole SoundFont,
// and preset data that does not hold together is not cut.
TEST(SoundFontCut, WhatCannotBeToldIsNotCut) {
    const unsigned char bankSelect[] = {'M', 'T', 'h', 'd',  0,   0,   0,   6,    0,    0,
                                        0,   1,   0,   96,   'M', 'T', 'r', 'k',  0,    0,
                                        0,   8,   0,   0xB0, 0,   1,   0,   0xFF, 0x2F, 0};
    EXPECT_FALSE(InstrumentsOf(bankSelect, sizeof bankSelect));
    const unsigned char programs[] = {'M', 'T',  'h', 'd', 0,    0,   0,   6,    0,    0, 0,
                                      1,   0,    96,  'M', 'T',  'r', 'k', 0,    0,    0, 10,
                                      0,   0xC0, 40,  0,   0xC9, 25,  0,   0xFF, 0x2F, 0};
    auto found = InstrumentsOf(programs, sizeof programs);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->melodic, (std::set<int>{0, 40}));
    EXPECT_EQ(found->drums, (std::set<int>{0, 25}));

    // A preset zone naming an instrument past the last, and a table cut short.
    std::vector<unsigned char> tables;
    auto table = [&](const char* id, std::vector<unsigned char> records) {
        tables.insert(tables.end(), id, id + 4);
        for (int shift = 0; shift < 32; shift += 8)
            tables.push_back(static_cast<unsigned char>(records.size() >> shift));
        tables.insert(tables.end(), records.begin(), records.end());
    };
    std::vector<unsigned char> presets(2 * 38, 0);
    presets[38 + 24] = 1;  // the terminal preset closes one zone
    table("phdr", presets);
    table("pbag", {0, 0, 0, 0, 1, 0, 0, 0});
    table("pmod", std::vector<unsigned char>(10, 0));
    std::size_t instrument = tables.size() + 8 + 2;
    table("pgen", {41, 0, 7, 0, 0, 0, 0, 0});  // instrument 7 of one
    table("inst", std::vector<unsigned char>(2 * 22, 0));
    table("ibag", {0, 0, 0, 0});
    table("imod", std::vector<unsigned char>(10, 0));
    table("igen", {0, 0, 0, 0});
    table("shdr", std::vector<unsigned char>(46, 0));
    EXPECT_FALSE(CutPresetData(tables.data(), tables.size(), SongInstruments{}));
    tables[instrument] = 0;
    EXPECT_TRUE(CutPresetData(tables.data(), tables.size(), SongInstruments{}));
    EXPECT_FALSE(CutPresetData(tables.data(), tables.size() - 1, SongInstruments{}));
}

// What SDL's audio thread runs never waits on the disk: a song's instruments are read as it is
// opened, from a cut or from the whole SoundFont, and stay while it plays.
TEST(Synth, RendersSongsWithoutReadingTheSoundFont) {
    auto synth = Synth::Load(22050, FindSoundFont());
    ASSERT_TRUE(synth);
    // 305 and 323 have the same instruments, 310 others. Song 0 selects a bank: its instruments
    // cannot be told and the whole SoundFont is loaded, for it, switching from program 40 to 73
    // and drum kit 25, and for 300 after it.
    const unsigned char banked[] = {
        'M',  'T', 'h', 'd',  0,  0, 0,    6,  0,   0,  0,    1,  0,  96,   'M',  'T',  'r',
        'k',  0,   0,   0,    29, 0, 0xB0, 0,  0,   0,  0xC0, 40, 0,  0x90, 60,   100,  48,
        0xC0, 73,  0,   0xC9, 25, 0, 0x99, 38, 100, 48, 0x80, 60, 64, 0,    0xFF, 0x2F, 0};
    std::vector<std::int16_t> out(2 * 256);
    for (UINT id : {305u, 323u, 310u, 0u, 300u}) {
        QByteArray song =
            id != 0 ? Song(id) : QByteArray(reinterpret_cast<const char*>(banked), sizeof banked);
        ASSERT_TRUE(synth->Open(std::vector<char>(song.begin(), song.end())) && synth->Play())
            << "song " << id;
        SoundFontAccess opened = SoundFontAccessSoFar();
        int peak = 0;
        for (int block = 0; block < 2 * 22050 / 256; ++block) {
            synth->Render(out.data(), 256);
            for (std::int16_t sample : out) peak = std::max(peak, std::abs(int{sample}));
        }
        EXPECT_EQ(SoundFontAccessSoFar().opens, opened.opens) << "song " << id;
        EXPECT_EQ(SoundFontAccessSoFar().reads, opened.reads) << "song " << id;
        EXPECT_GT(peak, 500) << "song " << id;
        synth->Close();
    }
}

}  // namespace
}  // namespace pv::qt
