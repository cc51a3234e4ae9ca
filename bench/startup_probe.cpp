// Starts the real game and reports, the moment its window first appears, how long that took
// since the launch time in PV_LAUNCH_NS (nanoseconds, CLOCK_REALTIME, set just before exec) and
// how much memory is resident. Then it leaves at once.
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/qt/run_game.h"

namespace {

long long NowNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    const char* launch = std::getenv("PV_LAUNCH_NS");
    long long launched = launch != nullptr ? std::atoll(launch) : NowNanoseconds();
    return pv::qt::RunGame(argc, argv, [launched](pv::qt::QtPlatform&) {
        double ms = static_cast<double>(NowNanoseconds() - launched) / 1e6;
        std::printf("shown_ms=%.1f rss_kb=%ld\n", ms, ResidentKilobytes());
        std::fflush(stdout);
        _exit(0);
    });
}
