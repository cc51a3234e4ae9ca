// Background music: the shuffled order of the songs and the player.
#pragma once

#include "game/game.h"

namespace pv {

void BuildPlaylist(Game& g);
void UpdateMusic(Game& g, HWND window);
// Stops the song and removes its file, leaving the music setting as it is.
void SilenceMusic(Game& g, HWND window);
// At exit, with the music stopped: removes the song file's folder when it is empty.
void RemoveSongFolder(Game& g);

}  // namespace pv
