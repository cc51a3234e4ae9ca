// Saves what an X server shows of the game's first frame, to compare the look before and after
// a change (see frame.sh). The clock is fixed, so every run draws the same pictures.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdlib>

#include "first_frame.h"
#include "qt/qt_platform.h"
#include "qt/run_game.h"

namespace {

class FixedClock : public pv::qt::QtPlatform {
  public:
    pv::DWORD GetTickCount() override { return 123456; }
};

}  // namespace

int main(int argc, char** argv) {
    const char* out = argc > 1 ? argv[1] : "frame.png";
    return pv::qt::RunGame(
        argc, argv,
        [out](pv::qt::QtPlatform& platform) {
            new pv::bench::FirstFrame(platform.Main(), 0, [out]() {
                QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(out));
            });
        },
        []() { return std::make_unique<FixedClock>(); });
}
