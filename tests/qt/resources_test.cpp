// The pictures are built into the program and load at both sizes.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include "assets/catalogue.h"

namespace pv::qt {
namespace {

QImage Load(const std::string& file) {
    return QImage(QStringLiteral(":/") + QString::fromStdString(file));
}

TEST(EmbeddedResources, EveryIconLoadsAtBothSizes) {
    for (UINT first : {500u, 900u, 910u, 920u}) {
        UINT count = first == 500u ? 344u : (first == 920u ? 3u : 5u);
        for (UINT id = first; id < first + count; ++id) {
            std::string file = ResourceFile(id);
            std::string large = file.substr(0, file.size() - 4) + "@2x.png";
            EXPECT_EQ(Load(file).size(), QSize(32, 32)) << file;
            EXPECT_EQ(Load(large).size(), QSize(64, 64)) << large;
        }
    }
    EXPECT_EQ(Load(ResourceFile(905)).size(), QSize(64, 97));
}

}  // namespace
}  // namespace pv::qt
