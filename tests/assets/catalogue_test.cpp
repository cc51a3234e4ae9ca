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

// The file of a picture at a zoom factor: "500.png", "500@2x.png" .. "500@4x.png".
std::string AtScale(const std::string& file, std::uint32_t scale) {
    if (scale == 1) return file;
    std::string scaled = file.substr(0, file.size() - 4);
    scaled += '@';
    scaled += std::to_string(scale);
    scaled += "x.png";
    return scaled;
}

void ExpectIcons(UINT first, UINT count) {
    for (UINT id = first; id < first + count; ++id) {
        ASSERT_TRUE(IsIconResource(id)) << id;
        std::string file = ResourceFile(id);
        for (std::uint32_t scale : {1u, 2u, 3u, 4u}) {
            EXPECT_EQ(PngSize(AssetPath(AtScale(file, scale))), (Size{32 * scale, 32 * scale}))
                << file << " at " << scale << "x";
        }
    }
}

TEST(Catalogue, EveryPictureFaceAndCardBackExistsAtEveryZoomFactor) {
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
    for (std::uint32_t scale : {1u, 2u, 3u, 4u}) {
        EXPECT_EQ(PngSize(AssetPath(AtScale(ResourceFile(905), scale))),
                  (Size{64 * scale, 97 * scale}));
    }
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
