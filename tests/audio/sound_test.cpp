// Sound effects: the group of each kind, the no-repeat rule and the play flags.
#include <gtest/gtest.h>

#include <vector>

#include "audio/sound.h"
#include "random/random.h"
#include "support/game_fixture.h"

namespace pv::testing {
namespace {

constexpr DWORD kAsync = 0x42005;
constexpr DWORD kSync = 0x40004;

class Sounds : public GameTest {
  protected:
    void SetUp() override { game.soundOn = 0xFF; }
    const SoundPlayed& Last() { return platform.sounds.back(); }
};

TEST_F(Sounds, EachKindPlaysFromItsGroupWithItsFlags) {
    const struct {
        std::uint32_t kind, wait;
        UINT first, count;
        DWORD flags;
    } table[] = {{1, 0, 400, 5, kAsync},
                 {2, 0, 420, 10, kAsync},
                 {3, 0, 440, 5, kAsync},
                 {4, 0, 460, 5, kAsync},
                 {5, 1, 470, 7, kSync},
                 {5, 0, 470, 7, kAsync},
                 {6, 0, 490, 2, kAsync | SND_NOSTOP},
                 {7, 0, 480, 4, kAsync},
                 {0, 0, 490, 2, kAsync},
                 {8, 0, 490, 2, kAsync},
                 {1000, 1, 490, 2, kSync}};
    for (const auto& row : table) {
        std::vector<bool> seen(row.count, false);
        for (int i = 0; i < 60; ++i) {
            PlaySoundEffect(game, static_cast<Sound>(row.kind), static_cast<Wait>(row.wait));
            ASSERT_GE(Last().resource, row.first) << row.kind;
            ASSERT_LT(Last().resource, row.first + row.count) << row.kind;
            EXPECT_EQ(Last().flags, row.flags) << row.kind;
            seen[Last().resource - row.first] = true;
        }
        EXPECT_EQ(std::count(seen.begin(), seen.end(), true), row.count) << row.kind;
    }
}

TEST_F(Sounds, NoVariantNumberTwiceRunningWhateverTheKinds) {
    const UINT first[] = {0, 400, 420, 440, 460, 470, 490, 480};
    std::uint32_t previous = game.lastSoundVariant;
    for (int i = 0; i < 300; ++i) {
        std::uint32_t kind = 1 + Random(game, 7);
        PlaySoundEffect(game, static_cast<Sound>(kind));
        std::uint32_t variant = Last().resource - first[kind];
        EXPECT_NE(variant, previous) << i;
        EXPECT_EQ(game.lastSoundVariant, variant);
        previous = variant;
    }
    game.lastSoundVariant = 1;
    PlaySoundEffect(game, Sound::NewQuestion);
    EXPECT_EQ(Last().resource, 490u);
    game.lastSoundVariant = 0;
    PlaySoundEffect(game, Sound::NewQuestion);
    EXPECT_EQ(Last().resource, 491u);
}

TEST(SoundStart, FirstSoundOfARunIsNeverItsGroupsFirst) {
    for (DWORD seed = 0; seed < 400; seed += 7) {
        RecordingPlatform platform;
        Game game(platform);
        SeedRandomWith(game, seed);
        game.soundOn = 0xFF;
        PlaySoundEffect(game, Sound::SoundSwitchedOn);
        ASSERT_EQ(platform.sounds.size(), 1u);
        EXPECT_GE(platform.sounds[0].resource, 461u) << seed;
        EXPECT_LE(platform.sounds[0].resource, 464u) << seed;
    }
}

TEST_F(Sounds, SoundOffStillDrawsAndRemembers) {
    WatchDraws();
    game.soundOn = 0;
    for (int i = 0; i < 20; ++i) {
        std::uint32_t before = game.lastSoundVariant;
        ranges.clear();
        PlaySoundEffect(game, Sound::Wrong);
        EXPECT_FALSE(ranges.empty());
        EXPECT_EQ(ranges, std::vector<std::uint32_t>(ranges.size(), 10));
        EXPECT_NE(game.lastSoundVariant, before);
    }
    EXPECT_TRUE(platform.sounds.empty());
}

// The toggle's click is heard when sound comes on, never as it goes off.
TEST_F(Sounds, ToggleSoundsOnlyWhenSwitchingOn) {
    Start();
    for (std::uint8_t from : {std::uint8_t{0xFF}, std::uint8_t{0}}) {
        game.soundOn = from;
        platform.sounds.clear();
        Command(1401);
        ASSERT_EQ(platform.sounds.size(), from == 0 ? 1u : 0u) << int{from};
        if (from == 0) {
            EXPECT_GE(Last().resource, 460u);
        }
    }
}

}  // namespace
}  // namespace pv::testing
