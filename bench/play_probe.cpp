// Plays the real game at random, fast, with sound and music on, and prints the resident memory
// every 250 actions: what the caches hold after long play (see play.sh).
//   play_probe [actions]   (default 4000)
#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <vector>

#include "app/main_window.h"
#include "first_frame.h"
#include "game/game.h"
#include "qt/qt_platform.h"

namespace {

void Run(pv::qt::QtPlatform& platform, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        pv::MSG message;
        while (platform.PeekMessageA(&message)) {
            if (message.message != pv::WM_QUIT) platform.DispatchMessageA(&message);
        }
    } while (clock.elapsed() < milliseconds);
}

void Click(QWidget* widget) {
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->click();
        return;
    }
    QPointF centre = QRectF(widget->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

void Report(int actions) {
    struct mallinfo2 heap = mallinfo2();
    std::printf("actions=%d rss_kb=%ld allocated_kb=%zu\n", actions, pv::bench::ResidentKilobytes(),
                (heap.uordblks + heap.hblkhd) / 1024);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int actions = argc > 1 ? std::atoi(argv[1]) : 4000;
    pv::qt::QtPlatform platform;
    auto game = std::make_unique<pv::Game>(platform);
    game->instance = platform.GetModuleHandleA(nullptr);
    game->dataFolder = std::filesystem::current_path();
    pv::CreateMainWindow(*game);
    Run(platform, 300);
    auto command = [&](pv::UINT id) {
        platform.SendMessageA(game->mainWindow, pv::WM_COMMAND, id, 0);
    };
    command(1401);  // sound on
    command(1402);  // music on
    Run(platform, 1000);
    Report(0);
    std::mt19937 random(12345);
    // Menu commands that keep the game running; music is switched off and on again now and then,
    // which starts the next song.
    const std::vector<pv::UINT> commands = {1301, 1302, 1303, 1304, 1403, 1404,
                                            1406, 2109, 2011, 2009, 2011, 1900};
    for (int done = 1; done <= actions; ++done) {
        std::uint32_t pick = random() % 100;
        if (pick < 2) {
            command(1402);
            Run(platform, 20);
            command(1402);
        } else if (pick < 12) {
            command(commands[random() % commands.size()]);
        } else {
            std::vector<QWidget*> live;
            for (QWidget* child : platform.Main()->findChildren<QWidget*>()) {
                if (child->isVisible() && child->isEnabled() &&
                    (qobject_cast<QPushButton*>(child) != nullptr ||
                     qobject_cast<QFrame*>(child) != nullptr)) {
                    live.push_back(child);
                }
            }
            if (!live.empty()) Click(live[random() % live.size()]);
        }
        Run(platform, 10);
        if (done % 250 == 0) {
            Report(done);
        }
    }
    return 0;
}
