#include "audio/music.h"

namespace pv {

// Music comes with the sound issue.
void BuildPlaylist(Game& /*g*/) {}
void UpdateMusic(Game& /*g*/, HWND /*window*/) {}

}  // namespace pv
