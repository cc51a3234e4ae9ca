#include "qt/run_game.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

#include <filesystem>
#include <memory>
#include <system_error>

#include "app/main_window.h"
#include "game/game.h"
#include "qt/progress/qt_progress.h"
#include "qt/qt_platform.h"
#include "qt/quit_signals.h"

namespace pv::qt {

namespace {

// The player's files are in the directory the game starts in: the launcher of the installed game
// starts it in the player's data folder. None when it cannot be known.
std::filesystem::path StartingDirectory() {
    std::error_code error;
    std::filesystem::path here = std::filesystem::current_path(error);
    return error ? std::filesystem::path{} : here;
}

}  // namespace

int RunGame(int argc, char** argv, const std::function<void(QtPlatform&)>& onFirstShown,
            const std::function<std::unique_ptr<QtPlatform>()>& makePlatform,
            const GameStart* start) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pondivar"));
    // One look on every desktop, close to the plain grey controls the game was drawn for.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The question and the labels are disabled buttons; their grey text must stay easy to read.
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(96, 96, 96));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(96, 96, 96));
    QApplication::setPalette(palette);
    std::unique_ptr<QtPlatform> made =
        makePlatform ? makePlatform() : std::make_unique<QtPlatform>();
    QtPlatform& platform = *made;
    if (onFirstShown) platform.onFirstShown = [&]() { onFirstShown(platform); };
    QtProgressView progress(platform);
    platform.onLanguageChanged = [&progress]() { progress.Close(); };
    auto game = std::make_unique<Game>(platform);
    game->progressView = &progress;
    game->dataFolder = StartingDirectory();
    if (start != nullptr && !start->folder.empty()) {
        game->playersRoot = start->playersRoot;
        game->playerName = start->player;
        game->dataFolder = start->folder;
    }
    Game& played = *game;
    QuitSignals quit(
        [&platform]() {
            if (platform.Main() != nullptr) platform.Main()->close();
        },
        // The close did not get through: destroying the window saves and ends the game as a
        // close would, with or without the window on screen.
        [&platform, &played]() {
            if (!platform.DestroyWindow(played.mainWindow)) platform.PostQuitMessage(0);
        });
    return ProgramStart(*game);
}

}  // namespace pv::qt
