#include "platform/qt/run_game.h"

#include <QApplication>
#include <QStyleFactory>

#include <memory>

#include "app/game.h"
#include "app/main_window.h"
#include "platform/qt/qt_platform.h"

namespace pv::qt {

int RunGame(int argc, char** argv, const std::function<void(QtPlatform&)>& onFirstShown) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pondivar"));
    // One look on every desktop, close to the plain grey controls the game was drawn for.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QtPlatform platform;
    if (onFirstShown) platform.onFirstShown = [&]() { onFirstShown(platform); };
    auto game = std::make_unique<Game>(platform);
    return ProgramStart(*game);
}

}  // namespace pv::qt
