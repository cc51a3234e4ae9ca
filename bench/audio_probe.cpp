// Measures the real audio back end through SDL's disk driver (run by audio.sh):
//   latency    the delay from PlaySoundA to the first non-silent sample in the capture
//   music N [SONG]  the share of one core the whole program uses while music plays for N
//                   seconds (the given song, or the first of the shuffled order)
#include <sys/resource.h>
#include <unistd.h>

#include <SDL_mixer.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "game/game.h"
#include "qt/qt_platform.h"

namespace {

using pv::MSG;

// Runs the game's queue as its message loop does: asleep until something arrives.
void Run(pv::qt::QtPlatform& platform, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    QTimer wake;
    wake.start(20);
    do {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        MSG message;
        while (platform.PeekMessageA(&message)) {
            if (message.message != pv::WM_QUIT) platform.DispatchMessageA(&message);
        }
    } while (clock.elapsed() < milliseconds);
}

std::vector<std::int16_t> Capture(const char* file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::int16_t> samples;
    std::int16_t s = 0;
    while (in.read(reinterpret_cast<char*>(&s), sizeof s)) samples.push_back(s);
    return samples;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The rate the device was opened at.
double Rate() {
    int rate = 0;
    std::uint16_t format = 0;
    int channels = 0;
    return Mix_QuerySpec(&rate, &format, &channels) != 0 ? rate : 44100;
}

int Latency(pv::qt::QtPlatform& platform, const char* capture) {
    platform.PlaySoundA(491, 0, pv::SND_RESOURCE | pv::SND_ASYNC);  // opens the device
    Run(platform, 500);
    std::vector<double> delays;
    for (int round = 0; round < 10; ++round) {
        std::size_t before = Capture(capture).size();
        platform.PlaySoundA(400, 0, pv::SND_RESOURCE | pv::SND_ASYNC | pv::SND_NOWAIT);
        Run(platform, 400);
        std::vector<std::int16_t> after = Capture(capture);
        auto loud = std::find_if(after.begin() + static_cast<long>(before), after.end(),
                                 [](std::int16_t s) { return std::abs(s) > 64; });
        if (loud == after.end()) continue;
        // Stereo frames at the device's rate.
        double frames = static_cast<double>(loud - after.begin() - static_cast<long>(before)) / 2;
        delays.push_back(frames * 1000.0 / Rate());
        Run(platform, 1200);  // let the chime end before the next round
    }
    std::sort(delays.begin(), delays.end());
    if (delays.empty()) {
        std::printf("no sound captured\n");
        return 1;
    }
    std::printf("latency over %zu sounds: median %.1f ms, max %.1f ms\n", delays.size(),
                delays[delays.size() / 2], delays.back());
    return 0;
}

// With song set, that song plays (to compare songs); otherwise the first of the shuffled order.
int MusicCpu(pv::qt::QtPlatform& platform, pv::Game& game, int seconds, pv::UINT song) {
    if (song != 0) game.currentSong = song;
    platform.SendMessageA(game.mainWindow, pv::WM_COMMAND, 1402, 0);  // music on
    Run(platform, 1000);
    double cpu = CpuSeconds();
    QElapsedTimer clock;
    clock.start();
    Run(platform, seconds * 1000);
    double used = CpuSeconds() - cpu;
    double wall = static_cast<double>(clock.elapsed()) / 1000.0;
    std::printf("music for %.1f s: %.2f s of CPU, %.1f %% of one core (device at %.0f Hz)\n", wall,
                used, 100.0 * used / wall, Rate());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const char* capture = std::getenv("SDL_DISKAUDIOFILE");
    pv::qt::QtPlatform platform;
    auto game = std::make_unique<pv::Game>(platform);
    game->instance = platform.GetModuleHandleA(nullptr);
    game->dataFolder = std::filesystem::current_path();
    pv::CreateMainWindow(*game);
    Run(platform, 100);
    std::string mode = argc > 1 ? argv[1] : "latency";
    if (mode == "music") {
        return MusicCpu(platform, *game, argc > 2 ? std::atoi(argv[2]) : 30,
                        argc > 3 ? static_cast<pv::UINT>(std::atoi(argv[3])) : 0);
    }
    return Latency(platform, capture != nullptr ? capture : "");
}
