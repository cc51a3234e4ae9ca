// Starts the real game and reports how long its window took to appear, and the memory then
// resident (see first_frame.h). Then it leaves at once.
// With PV_PROBE_MUSIC_ON set it instead switches music on and closes the game, which leaves a
// settings file with music on in the current directory.
#include <QAction>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

#include "first_frame.h"
#include "players/players.h"
#include "qt/qt_platform.h"
#include "qt/run_game.h"

int main(int argc, char** argv) {
    long long launched = pv::bench::LaunchNanoseconds();
    bool musicOn = std::getenv("PV_PROBE_MUSIC_ON") != nullptr;
    // With PV_PROBE_PLAYER set, the game starts as that player of the current directory, as the
    // installed game starts in its data folder.
    pv::qt::GameStart start;
    if (const char* player = std::getenv("PV_PROBE_PLAYER")) {
        std::filesystem::path data = std::filesystem::current_path();
        pv::SettledPlayer settled = pv::SettlePlayer(pv::RealFileSystem(), data, player);
        start = {data, settled.name, settled.folder};
    }
    return pv::qt::RunGame(
        argc, argv,
        [launched, musicOn](pv::qt::QtPlatform& platform) {
            if (!musicOn) {
                new pv::bench::FirstFrame(platform.Main(), launched);
                return;
            }
            QTimer::singleShot(0, [&platform]() {
                platform.MenuAction(1402)->trigger();
                platform.Main()->close();
            });
        },
        {}, &start);
}
