// Every identifier the game computes lands on a resource that exists, with its size.
#include "assets/catalogue.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <set>
#include <string>

namespace pv {
namespace {

struct Size {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool operator==(const Size&) const = default;
};

// The width and height from a PNG file's header, or 0 x 0 when it is no PNG.
Size PngSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::array<unsigned char, 24> head{};
    if (!in.read(reinterpret_cast<char*>(head.data()), head.size())) return {};
    if (head[0] != 0x89 || head[1] != 'P' || head[12] != 'I' || head[15] != 'R') return {};
    auto word = [&](int at) {
        return static_cast<std::uint32_t>(head[at]) << 24 | head[at + 1] << 16 | head[at + 2] << 8 |
               head[at + 3];
    };
    return {word(16), word(20)};
}

std::string AssetPath(const std::string& file) {
    return std::string(PV_SOURCE_DIR) + "/src/assets/" + file;
}

std::string Double(std::string file) {
    return file.replace(file.size() - 4, 4, "@2x.png");
}

void ExpectIcons(UINT first, UINT count) {
    for (UINT id = first; id < first + count; ++id) {
        ASSERT_TRUE(IsIconResource(id)) << id;
        std::string file = ResourceFile(id);
        EXPECT_EQ(PngSize(AssetPath(file)), (Size{32, 32})) << file;
        EXPECT_EQ(PngSize(AssetPath(Double(file))), (Size{64, 64})) << file;
    }
}

TEST(Catalogue, EveryPictureFaceAndCardBackExistsAtBothSizes) {
    ExpectIcons(500, 344);
    ExpectIcons(900, 5);
    ExpectIcons(910, 5);
    ExpectIcons(920, 3);
}

TEST(Catalogue, RangesHaveNoNeighbours) {
    for (UINT id : {499u, 844u, 899u, 905u, 909u, 915u, 919u, 923u}) {
        EXPECT_FALSE(IsIconResource(id)) << id;
    }
    EXPECT_EQ(KindOf(905), ResourceKind::Bitmap);
    EXPECT_EQ(KindOf(890), ResourceKind::Menu);
    EXPECT_EQ(KindOf(299), ResourceKind::None);
    EXPECT_EQ(KindOf(347), ResourceKind::None);
    for (UINT id : {405u, 419u, 430u, 445u, 465u, 477u, 484u, 492u}) {
        EXPECT_EQ(KindOf(id), ResourceKind::None) << id;
    }
}

TEST(Catalogue, AboutBitmapIsSixtyFourByNinetySeven) {
    EXPECT_EQ(PngSize(AssetPath(ResourceFile(905))), (Size{64, 97}));
}

// A reader tells the cards apart by these names alone: none is missing, raw or shared.
TEST(Catalogue, EveryPictureHasItsOwnSpokenName) {
    std::set<std::string> seen;
    for (UINT id = 500; id < 844; ++id) {
        std::string name = PictureName(id);
        EXPECT_FALSE(name.empty()) << id;
        EXPECT_TRUE(seen.insert(name).second) << name << " twice";
    }
    EXPECT_STREQ(PictureName(500), "ant");
    EXPECT_STREQ(PictureName(514), "dog face");
    for (UINT id : {0u, 499u, 844u, 900u, 920u}) EXPECT_STREQ(PictureName(id), "") << id;
}

}  // namespace
}  // namespace pv
