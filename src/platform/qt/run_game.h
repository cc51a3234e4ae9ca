// Starting the real program.
#pragma once

#include <functional>
#include <memory>

namespace pv::qt {

class QtPlatform;

// Runs the game to its end and returns the exit code. onFirstShown, when given, is called the
// moment the main window first appears. makePlatform, when given, makes the platform once the
// application exists (a probe's own clock, say).
int RunGame(int argc, char** argv, const std::function<void(QtPlatform&)>& onFirstShown = {},
            const std::function<std::unique_ptr<QtPlatform>()>& makePlatform = {});

}  // namespace pv::qt
