#include "random/random.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/game_fixture.h"

namespace pv {
namespace {

std::vector<std::uint32_t> Draw(GameState& s, std::uint32_t n, int count) {
    std::vector<std::uint32_t> out;
    for (int i = 0; i < count; ++i) out.push_back(Random(s, n));
    return out;
}

TEST(Random, UnseededSequenceAndFinalRegisters) {
    GameState s;
    EXPECT_EQ(Draw(s, 1000, 8),
              (std::vector<std::uint32_t>{507, 570, 901, 785, 598, 892, 299, 594}));
    EXPECT_EQ(s.rngA.low, 1610825299u);
    EXPECT_EQ(s.rngA.high, 48);
    EXPECT_EQ(s.rngB.low, 2415930594u);
    EXPECT_EQ(s.rngB.high, 32);
    EXPECT_EQ(s.rngToggle, 0);
}

TEST(Random, StepsOneRegister) {
    RandomRegister a{3401014, 6};
    std::vector<std::uint32_t> lows;
    for (int i = 0; i < 3; ++i) {
        StepRegister(a);
        lows.push_back(a.low);
    }
    EXPECT_EQ(lows, (std::vector<std::uint32_t>{1700507, 2148333901u, 3221650598u}));
}

TEST(Random, RegisterNeverLeavesItsThirtyNineBits) {
    RandomRegister r{0xFFFFFFFF, 0x7F};
    for (int i = 0; i < 1000; ++i) {
        StepRegister(r);
        ASSERT_EQ(r.high & 0x80, 0);
        ASSERT_FALSE(r.low == 0 && r.high == 0);
    }
}

TEST(Random, SeedWithZeroTicks) {
    GameState s;
    SeedRandomWith(s, 0);
    EXPECT_EQ(s.rngA.low, 1343747609u);
    EXPECT_EQ(s.rngA.high, 67);
    EXPECT_EQ(s.rngB.low, 1888566340u);
    EXPECT_EQ(s.rngB.high, 9);
    EXPECT_EQ(s.rngToggle, 0xFF);
    EXPECT_EQ(Draw(s, 10, 10), (std::vector<std::uint32_t>{8, 2, 9, 4, 4, 7, 0, 3, 0, 6}));
}

// The registers and toggle that seeding leaves. With 2 ticks the last seeding step falls on
// register B and leaves the toggle clear.
TEST(Random, SeedingLeavesTheRegistersAndToggle) {
    const struct {
        std::uint32_t ticks;
        RandomRegister a, b;
        std::uint8_t toggle;
    } cases[] = {
        {123456, {1098908420u, 67}, {2231416501u, 9}, 0xFF},
        {2, {404222602u, 6}, {542880224u, 9}, 0},
    };
    for (const auto& c : cases) {
        GameState s;
        SeedRandomWith(s, c.ticks);
        EXPECT_EQ(s.rngA.low, c.a.low) << c.ticks;
        EXPECT_EQ(s.rngA.high, c.a.high) << c.ticks;
        EXPECT_EQ(s.rngB.low, c.b.low) << c.ticks;
        EXPECT_EQ(s.rngB.high, c.b.high) << c.ticks;
        EXPECT_EQ(s.rngToggle, c.toggle) << c.ticks;
    }
}

std::vector<std::uint32_t> SeedDraws(std::uint32_t ticks) {
    GameState s;
    std::vector<std::uint32_t> ranges;
    testing::WatchDraws(s, ranges);
    SeedRandomWith(s, ticks);
    return ranges;
}

TEST(Random, SeedingDrawsInItsOrder) {
    for (auto [ticks, passes] : {std::pair{0u, 25u}, std::pair{123456u, 17u}}) {
        std::vector<std::uint32_t> expected = {1112};
        expected.insert(expected.end(), passes, 133);
        expected.push_back(9234112);
        EXPECT_EQ(SeedDraws(ticks), expected) << "ticks " << ticks;
    }
}

TEST(Random, OneStillStepsAndFlips) {
    GameState a;
    GameState b;
    EXPECT_EQ(Random(a, 1), 0u);
    EXPECT_EQ(a.rngToggle, 0xFF);
    // The call of Random(1) moved register A, so the next call steps B in both worlds but the
    // third differs from a world without it.
    Random(b, 1000);
    EXPECT_EQ(a.rngA.low, b.rngA.low);
    EXPECT_EQ(Random(a, 1000), 570u);
}

TEST(Random, TickCountsNearWrapAreAccepted) {
    for (std::uint32_t ticks : {0xFFFFFFFFu, 0xFFFFFFF0u, 0x40000000u}) {
        GameState s;
        SeedRandomWith(s, ticks);
        EXPECT_EQ(s.rngB.high, 9);
        EXPECT_TRUE(s.rngA.high == 3 || s.rngA.high == 67 || s.rngA.high == 6);
        for (int i = 0; i < 100; ++i) ASSERT_LT(Random(s, 7), 7u);
    }
}

}  // namespace
}  // namespace pv
