#include "audio/music.h"

#include <fcntl.h>

#include <filesystem>
#include <utility>

#include "assets/catalogue.h"
#include "audio/private_dir.h"
#include "game/files.h"
#include "random/random.h"

namespace pv {

namespace {

constexpr const char* kSongFile = "pv2pv2pv.mid";
constexpr const char* kPlay = "play PVVMIDI notify";
constexpr const char* kStop = "stop PVVMIDI";
constexpr const char* kClose = "close PVVMIDI";

void Send(Game& g, HWND window, const std::string& command) {
    g.platform.mciSendStringA(command.c_str(), nullptr, 0, window);
}

// The song file's place is settled once; an empty path means there is no safe place for it and
// the music stays silent.
const std::string& SongPath(Game& g) {
    if (!g.musicPathChosen) {
        g.musicPathChosen = 1;
        std::string dir = PrivateDirectory(g.platform.Files());
        g.musicPath = dir.empty() ? "" : dir + "/" + kSongFile;
        g.musicOpenCommand = "open " + g.musicPath + " alias PVVMIDI";
    }
    return g.musicPath;
}

// Copies the current song out to the song file; true when every byte was written.
bool WriteCurrentSong(Game& g, int file) {
    Platform& p = g.platform;
    HANDLE found = p.FindResourceA(0, g.currentSong, "MIDI");
    DWORD size = p.SizeofResource(0, found);
    const void* bytes = p.LockResource(p.LoadResource(0, found));
    if (file < 0 || bytes == nullptr || size == 0) return false;
    return WriteAll(p.Files(), file, bytes, size);
}

void StopPlayer(Game& g, HWND window) {
    Send(g, window, kStop);
    Send(g, window, kClose);
}

void StartNextSong(Game& g, HWND window) {
    FileSystem& files = g.platform.Files();
    const std::string& path = SongPath(g);
    // O_NOFOLLOW: even in our own directory, never write through a link.
    int file =
        path.empty()
            ? -1
            : files.open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    bool written = WriteCurrentSong(g, file);
    g.songPos = g.songPos + 1 < kPlaylistLength ? g.songPos + 1 : 0;
    g.currentSong = g.playlist[g.songPos];
    if (g.musicPlaying != 0) StopPlayer(g, window);
    g.musicPlaying = 0;
    if (written) {
        Send(g, window, g.musicOpenCommand);
        Send(g, window, kPlay);
        g.musicPlaying = 1;
    }
    if (file >= 0) files.close(file);
    // A song cut short is no song: the player would end it at once and ask for the next one, over
    // and over. Music stays quiet instead, until it is switched on again.
    if (file >= 0 && !written) files.unlink(path.c_str());
    g.tempMidiWritten = written ? 1 : 0;
}

void StopMusic(Game& g, HWND window) {
    if (g.musicPlaying != 0) {
        StopPlayer(g, window);
        g.musicPlaying = 0;
    }
    if (g.tempMidiWritten != 0) {
        g.platform.Files().unlink(g.musicPath.c_str());
        g.tempMidiWritten = 0;
    }
}

}  // namespace

void SilenceMusic(Game& g, HWND window) {
    StopMusic(g, window);
}

void RemoveSongFolder(Game& g) {
    // The private folder was made for the song file; once that is gone, so is the folder, unless
    // something else was put in it.
    if (!g.musicPath.empty()) {
        g.platform.Files().rmdir(std::filesystem::path(g.musicPath).parent_path().c_str());
    }
}

void BuildPlaylist(Game& g) {
    for (std::uint32_t i = 0; i < kPlaylistLength; ++i) g.playlist[i] = kFirstSong + i;
    g.playlist[kPlaylistLength] = 0;
    std::uint32_t swaps = Random(g, 300) + 400;
    for (std::uint32_t k = 0; k < swaps; ++k) {
        std::uint32_t i = Random(g, kPlaylistLength);
        std::uint32_t j = Random(g, kPlaylistLength);
        std::swap(g.playlist[i], g.playlist[j]);
    }
    g.songPos = Random(g, kPlaylistLength);
    g.currentSong = g.playlist[g.songPos];
}

void UpdateMusic(Game& g, HWND window) {
    if (g.musicOn != 0) {
        StartNextSong(g, window);
    } else {
        StopMusic(g, window);
    }
}

}  // namespace pv
