// Starts the real game and reports how long its window took to appear, and the memory then
// resident (see first_frame.h). Then it leaves at once.
// With PV_PROBE_MUSIC_ON set it instead switches music on and closes the game, which leaves a
// settings file with music on in the current directory.
#include <QAction>
#include <QTimer>

#include <cstdlib>

#include "first_frame.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/run_game.h"

int main(int argc, char** argv) {
    long long launched = pv::bench::LaunchNanoseconds();
    bool musicOn = std::getenv("PV_PROBE_MUSIC_ON") != nullptr;
    return pv::qt::RunGame(argc, argv, [launched, musicOn](pv::qt::QtPlatform& platform) {
        if (!musicOn) {
            new pv::bench::FirstFrame(platform.Main(), launched);
            return;
        }
        QTimer::singleShot(0, [&platform]() {
            platform.MenuAction(1402)->trigger();
            platform.Main()->close();
        });
    });
}
