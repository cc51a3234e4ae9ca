#include "audio/sound.h"

#include "random/random.h"

namespace pv {

SoundGroup SoundGroupOf(std::uint32_t kind) {
    switch (kind) {
        case 1:
            return {5, 400};
        case 2:
            return {10, 420};
        case 3:
            return {5, 440};
        case 4:
            return {5, 460};
        case 5:
            return {7, 470};
        case 7:
            return {4, 480};
        default:  // kind 6 and anything unknown
            return {2, 490};
    }
}

void PlaySoundEffect(Game& g, std::uint32_t kind, std::uint32_t wait) {
    SoundGroup group = SoundGroupOf(kind);
    // Never the same variant number twice running, whatever the kinds; the draw happens with
    // sound off too, so switching sound changes nothing else the player sees.
    std::uint32_t v = 0;
    do {
        v = Random(g, group.count);
    } while (v == g.lastSoundVariant);
    g.lastSoundVariant = v;

    DWORD flags = wait != 0 ? SND_RESOURCE : SND_RESOURCE | SND_NOWAIT | SND_ASYNC;
    // A card-turn or refresh click must not cut off the sound still playing.
    if (kind == 6) flags |= SND_NOSTOP;
    if (g.soundOn != 0) g.platform.PlaySoundA(group.first + v, 0, flags);
}

}  // namespace pv
