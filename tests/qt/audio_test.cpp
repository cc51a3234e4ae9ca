// The real audio back end, captured to a file by SDL's disk driver: sounds are heard only with
// sound on, and a song's natural end comes back as a successful notice.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "game/game.h"
#include "qt/qt_platform.h"
#include "qt/sound/audio.h"
#include "store/settings_file.h"

namespace pv::qt {
namespace {

namespace fs = std::filesystem;

// A Standard MIDI File of one middle C lasting the given ticks (96 to the half second).
fs::path WriteOneNote(const fs::path& file, std::uint32_t ticks, unsigned char program = 0) {
    std::vector<unsigned char> track = {0x00, 0xC0, program, 0x00, 0x90, 0x3C, 0x64};
    if (ticks >= 0x80) track.push_back(static_cast<unsigned char>(0x80 | (ticks >> 7)));
    track.push_back(static_cast<unsigned char>(ticks & 0x7F));
    for (unsigned char b : {0x80, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00}) track.push_back(b);
    std::vector<unsigned char> song = {
        'M', 'T', 'h', 'd', 0,   0,   0,   6, 0, 0, 0,
        1,   0,   96,  'M', 'T', 'r', 'k', 0, 0, 0, static_cast<unsigned char>(track.size())};
    song.insert(song.end(), track.begin(), track.end());
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(song.data()),
               static_cast<std::streamsize>(song.size()));
    return file;
}

class RealAudio : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("pv-audio-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        capture = dir / "capture.raw";
        // The disk driver writes what the device would play, in real time.
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", capture.c_str(), 1);
        platform = std::make_unique<QtPlatform>();
        game = std::make_unique<Game>(*platform);
        game->instance = platform->GetModuleHandleA(nullptr);
        game->dataFolder = std::filesystem::current_path();
        CreateMainWindow(*game);
        Run(0);
    }

    void TearDown() override {
        game.reset();
        platform.reset();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        fs::remove_all(dir);
    }

    // Runs the game's queue for the given time.
    void Run(int milliseconds) {
        QElapsedTimer clock;
        clock.start();
        do {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            MSG message;
            while (platform->PeekMessageA(&message)) {
                if (message.message != WM_QUIT) platform->DispatchMessageA(&message);
            }
        } while (clock.elapsed() < milliseconds);
    }

    // Sends the player what the music sends for a song: open the file, then play with a notice.
    // Returns the two results, each 0 on success.
    std::pair<DWORD, DWORD> OpenAndPlay(const fs::path& file) {
        std::string open = "open " + file.string() + " alias PVVMIDI";
        DWORD opened = platform->mciSendStringA(open.c_str(), nullptr, 0, game->mainWindow);
        DWORD played =
            platform->mciSendStringA("play PVVMIDI notify", nullptr, 0, game->mainWindow);
        return {opened, played};
    }

    // The code of the next song notice within the given time, or 0.
    WPARAM AwaitNotice(int milliseconds = 5000) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < milliseconds) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            MSG message;
            while (platform->PeekMessageA(&message)) {
                if (message.message == MM_MCINOTIFY) return message.wParam;
            }
        }
        return 0;
    }

    std::vector<std::int16_t> Captured() {
        std::ifstream in(capture, std::ios::binary);
        std::vector<std::int16_t> samples;
        std::int16_t s = 0;
        while (in.read(reinterpret_cast<char*>(&s), sizeof s)) samples.push_back(s);
        return samples;
    }

    static int Peak(const std::vector<std::int16_t>& samples, std::size_t from) {
        int peak = 0;
        for (std::size_t i = from; i < samples.size(); ++i)
            peak = std::max(peak, std::abs(samples[i]));
        return peak;
    }

    fs::path dir;
    fs::path capture;
    std::unique_ptr<QtPlatform> platform;
    std::unique_ptr<Game> game;
};

TEST_F(RealAudio, SoundsAreHeardOnlyWithSoundOn) {
    // Sound is off at a first start: answers, refreshes and clicks make no sound.
    ASSERT_EQ(game->soundOn, 0);
    for (WPARAM command : {2001u, 2002u, 2003u, 2004u, 2007u, 2000u}) {
        platform->SendMessageA(game->mainWindow, WM_COMMAND, command, 0);
    }
    Run(300);
    EXPECT_EQ(Peak(Captured(), 0), 0) << "with sound off nothing is heard";

    std::size_t before = Captured().size();
    platform->SendMessageA(game->mainWindow, WM_COMMAND, 1401, 0);  // sound on: start-up sound
    ASSERT_NE(game->soundOn, 0);
    Run(600);
    std::vector<std::int16_t> on = Captured();
    ASSERT_GT(on.size(), before) << "the device was opened and plays";
    EXPECT_GT(Peak(on, before), 1000) << "switching sound on is heard";
}

TEST_F(RealAudio, WhatTheGameAsksAsItStartsIsHeardOnceItsWindowIsDrawn) {
    // The next start finds sound and music on: its start-up sound and first song wait for the
    // window's first frame, and are then heard.
    game->soundOn = 0xFF;
    game->musicOn = 0xFF;
    SaveSettingsFile(*game, game->mainWindow);
    game.reset();
    platform = std::make_unique<QtPlatform>();
    game = std::make_unique<Game>(*platform);
    game->instance = platform->GetModuleHandleA(nullptr);
    game->dataFolder = std::filesystem::current_path();
    std::size_t before = Captured().size();
    CreateMainWindow(*game);
    Run(0);
    ASSERT_NE(game->musicPlaying, 0);
    Run(1500);
    std::vector<std::int16_t> samples = Captured();
    ASSERT_GT(samples.size(), before);
    EXPECT_GT(Peak(samples, before), 1000);
    EXPECT_EQ(platform->mciSendStringA("stop PVVMIDI", nullptr, 0, game->mainWindow), 0u)
        << "the song was opened";
}

TEST_F(RealAudio, AsynchronousSoundsCutInAndTheTurnSoundWaits) {
    const DWORD async = SND_RESOURCE | SND_ASYNC | SND_NOWAIT;
    ASSERT_TRUE(platform->PlaySoundA(464, 0, async));  // the eleven-second tune
    Run(200);
    EXPECT_FALSE(platform->PlaySoundA(490, 0, async | SND_NOSTOP)) << "skipped while it plays";
    EXPECT_TRUE(platform->PlaySoundA(440, 0, async)) << "a click cuts it off";
    Run(800);
    std::vector<std::int16_t> samples = Captured();
    ASSERT_GT(samples.size(), 8000u);
    // The last fifth of a second: the click has ended and the tune was not left playing.
    EXPECT_EQ(Peak(samples, samples.size() - 8000), 0);
    EXPECT_TRUE(platform->PlaySoundA(490, 0, async | SND_NOSTOP)) << "played once all is quiet";
}

TEST_F(RealAudio, SynchronousSoundReturnsAtItsEnd) {
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(platform->PlaySoundA(480, 0, SND_RESOURCE));  // a fanfare of over a second
    EXPECT_GT(clock.elapsed(), 1000);
    EXPECT_LT(clock.elapsed(), 6000);
}

TEST_F(RealAudio, ShortSongEndsWithASuccessfulNotice) {
    fs::path file = WriteOneNote(dir / "short.mid", 48);  // a quarter of a second
    HWND window = game->mainWindow;
    ASSERT_EQ(OpenAndPlay(file), (std::pair<DWORD, DWORD>{0, 0}));
    QElapsedTimer clock;
    clock.start();
    MSG message{};
    bool noticed = false;
    while (!noticed && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        while (!noticed && platform->PeekMessageA(&message))
            noticed = message.message == MM_MCINOTIFY;
    }
    ASSERT_TRUE(noticed);
    EXPECT_EQ(message.wParam, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_EQ(message.hwnd, window);
    EXPECT_GT(Peak(Captured(), 0), 100) << "the note was heard";
    EXPECT_EQ(platform->mciSendStringA("close PVVMIDI", nullptr, 0, window), 0u);
}

TEST_F(RealAudio, OneSongAfterAnotherEachPlaysToItsEnd) {
    // The second plays with the instruments the first loaded; the third needs others, loaded in
    // place of the first's.
    for (auto [name, program] : {std::pair{"first.mid", 0}, {"second.mid", 0}, {"third.mid", 73}}) {
        fs::path file = WriteOneNote(dir / name, 48, static_cast<unsigned char>(program));
        std::size_t before = Captured().size();
        ASSERT_EQ(OpenAndPlay(file), (std::pair<DWORD, DWORD>{0, 0})) << name;
        EXPECT_EQ(AwaitNotice(), MCI_NOTIFY_SUCCESSFUL) << name;
        EXPECT_GT(Peak(Captured(), before), 100) << name << " was heard";
        EXPECT_EQ(platform->mciSendStringA("close PVVMIDI", nullptr, 0, game->mainWindow), 0u);
    }
}

TEST_F(RealAudio, StoppingASongIsNoSuccess) {
    fs::path file = WriteOneNote(dir / "long.mid", 480);  // two and a half seconds
    HWND window = game->mainWindow;
    ASSERT_EQ(OpenAndPlay(file), (std::pair<DWORD, DWORD>{0, 0}));
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(platform->mciSendStringA("stop PVVMIDI", nullptr, 0, window), 0u);
    EXPECT_EQ(platform->mciSendStringA("close PVVMIDI", nullptr, 0, window), 0u);
    EXPECT_NE(AwaitNotice(300), MCI_NOTIFY_SUCCESSFUL);
}

TEST_F(RealAudio, WithoutASoundFontSongsAreSilentNotStuck) {
    // A file that is none: a missing one would be passed over for the system's SoundFont.
    std::ofstream(dir / "none.sf2") << "not a SoundFont\n";
    setenv("SDL_SOUNDFONTS", (dir / "none.sf2").c_str(), 1);
    fs::path file = WriteOneNote(dir / "short.mid", 48);
    HWND window = game->mainWindow;
    QElapsedTimer clock;
    clock.start();
    OpenAndPlay(file);
    Run(500);
    platform->mciSendStringA("close PVVMIDI", nullptr, 0, window);
    unsetenv("SDL_SOUNDFONTS");
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(Peak(Captured(), 0), 0);
}

// SDL_SOUNDFONTS may list several SoundFonts: the first file of them that can be read is used,
// and the system's own when none can.
TEST(FindSoundFont, TakesTheFirstReadableFileOfAList) {
    fs::path dir = fs::temp_directory_path();
    std::ofstream(dir / "chosen.sf2") << "RIFF";
    std::string unusable = (dir / "missing.sf2").string() + ";" + dir.string() + ";;";
    unsetenv("SDL_SOUNDFONTS");
    std::string system = FindSoundFont();
    setenv("SDL_SOUNDFONTS", (unusable + (dir / "chosen.sf2").string() + ";" + system).c_str(), 1);
    EXPECT_EQ(FindSoundFont(), (dir / "chosen.sf2").string());
    setenv("SDL_SOUNDFONTS", unusable.c_str(), 1);
    EXPECT_EQ(FindSoundFont(), system);
    unsetenv("SDL_SOUNDFONTS");
}

TEST_F(RealAudio, FileThatIsNoWholeSongIsRefusedAndNeverEnds) {
    fs::path whole = WriteOneNote(dir / "whole.mid", 48);
    std::ifstream in(whole, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream(dir / "cut.mid", std::ios::binary) << bytes.substr(0, bytes.size() - 4);
    std::ofstream(dir / "text.mid") << "not a song at all\n";
    std::ofstream(dir / "empty.mid");
    for (const char* name : {"cut.mid", "text.mid", "empty.mid", "missing.mid"}) {
        EXPECT_NE(OpenAndPlay(dir / name).first, 0u) << name;
        EXPECT_EQ(AwaitNotice(300), 0u) << name;
    }
}

TEST_F(RealAudio, OnlyTheFourCommandTextsAreUnderstood) {
    HWND window = game->mainWindow;
    for (const char* text : {"", "open", "open  alias PVVMIDI", "play PVVMIDI", "stop other",
                             "close PVVMIDI now", "status PVVMIDI mode", "PLAY PVVMIDI NOTIFY"}) {
        EXPECT_NE(platform->mciSendStringA(text, nullptr, 0, window), 0u) << '"' << text << '"';
    }
    EXPECT_NE(platform->mciSendStringA("play PVVMIDI notify", nullptr, 0, window), 0u)
        << "nothing is open";
}

}  // namespace
}  // namespace pv::qt
