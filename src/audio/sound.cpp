#include "audio/sound.h"

#include "random/random.h"

namespace pv {

SoundGroup SoundGroupOf(Sound kind) {
    switch (kind) {
        case Sound::Right:
            return SoundGroupNamed(SoundGroupName::Right);
        case Sound::Wrong:
            return SoundGroupNamed(SoundGroupName::Wrong);
        case Sound::Click:
            return SoundGroupNamed(SoundGroupName::Click);
        case Sound::SoundSwitchedOn:
            return SoundGroupNamed(SoundGroupName::Welcome);
        case Sound::Farewell:
            return SoundGroupNamed(SoundGroupName::Farewell);
        case Sound::LevelDone:
            return SoundGroupNamed(SoundGroupName::Fanfare);
        case Sound::NewQuestion:  // and anything unknown
            break;
    }
    return SoundGroupNamed(SoundGroupName::Tap);
}

void PlaySoundEffect(Game& g, Sound kind, Wait wait) {
    SoundGroup group = SoundGroupOf(kind);
    // Never the same variant number twice running, whatever the kinds; the draw happens with
    // sound off too, so switching sound changes nothing else the player sees.
    std::uint32_t v = 0;
    do {
        v = Random(g, group.count);
    } while (v == g.lastSoundVariant);
    g.lastSoundVariant = v;

    DWORD flags = wait == Wait::Yes ? SND_RESOURCE : SND_RESOURCE | SND_NOWAIT | SND_ASYNC;
    // A card-turn or refresh click must not cut off the sound still playing.
    if (kind == Sound::NewQuestion) flags |= SND_NOSTOP;
    if (g.soundOn != 0) g.platform.PlaySoundA(group.first + v, 0, flags);
}

}  // namespace pv
