// The pictures, sounds and songs are built into the program and load.
#include <SDL.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>

#include "assets/catalogue.h"
#include "audio/sound.h"
#include "qt/sound/midi_file.h"

namespace pv::qt {
namespace {

QImage Load(const std::string& file) {
    return QImage(QStringLiteral(":/") + QString::fromStdString(file));
}

QByteArray Bytes(UINT id) {
    QFile file(QStringLiteral(":/") + QString::fromStdString(ResourceFile(id)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

// A missing one would be skipped in silence at run time, so every one the game names is checked.
TEST(EmbeddedResources, EverySoundOfEveryKindAndEverySongLoads) {
    int sounds = 0;
    for (std::uint32_t kind = 1; kind <= 7; ++kind) {
        SoundGroup group = SoundGroupOf(static_cast<Sound>(kind));
        for (UINT id = group.first; id < group.first + group.count; ++id, ++sounds) {
            QByteArray bytes = Bytes(id);
            SDL_AudioSpec format{};
            Uint8* samples = nullptr;
            Uint32 length = 0;
            EXPECT_NE(SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.constData(), bytes.size()), 1,
                                     &format, &samples, &length),
                      nullptr)
                << "sound " << id << ": " << SDL_GetError();
            EXPECT_GT(length, 0u) << id;
            SDL_FreeWAV(samples);
        }
    }
    EXPECT_EQ(sounds, 38);
    for (UINT id = kFirstSong; id < kFirstSong + kSongCount; ++id) {
        QByteArray bytes = Bytes(id);
        EXPECT_TRUE(IsWholeMidiFile(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                    static_cast<std::size_t>(bytes.size())))
            << "song " << id;
    }
}

}  // namespace
}  // namespace pv::qt
