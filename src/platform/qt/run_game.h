// Starting the real program.
#pragma once

#include <functional>

namespace pv::qt {

class QtPlatform;

// Runs the game to its end and returns the exit code. onFirstShown, when given, is called the
// moment the main window first appears.
int RunGame(int argc, char** argv, const std::function<void(QtPlatform&)>& onFirstShown = {});

}  // namespace pv::qt
