// What the program answers on the console, without a window: a refused argument, --help,
// --version, --check and the report.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>

#include "app/command_line.h"
#include "platform/file_system.h"

namespace pv {

// The exit code when the command line is answered here, or none when the game is to be played.
std::optional<int> AnswerOnConsole(FileSystem& files, const CommandLine& line,
                                   const std::filesystem::path& dataFolder, std::ostream& out,
                                   std::ostream& err);

}  // namespace pv
