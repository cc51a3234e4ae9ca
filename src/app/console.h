// What the program answers on the console, without a window: a refused argument, --help,
// --version, --check and the report.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>

#include "app/command_line.h"
#include "platform/file_system.h"
#include "platform/translate.h"

namespace pv {

// Writes "pondivar: " and the sentence, in the language of `translate`, as one line on err.
void Complain(std::ostream& err, const Sentence& why, const Translation& translate);

// The exit code when the command line is answered here, or none when the game is to be played.
// What it says goes through `translate` (English without one); the report's CSV never does.
std::optional<int> AnswerOnConsole(FileSystem& files, const CommandLine& line,
                                   const std::filesystem::path& dataFolder, std::ostream& out,
                                   std::ostream& err, const Translation& translate = nullptr);

}  // namespace pv
