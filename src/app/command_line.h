// What the program is asked to do by its arguments: play (as a player), report, or answer
// --help and --version. The installed launcher hands its arguments on unchanged.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/translate.h"

namespace pv {

struct CommandLine {
    enum class Task { Play, Report, Help, Version } task = Task::Play;
    bool checkOnly = false;               // --check: only say whether the arguments are good
    std::string player;                   // --player NAME, as given
    std::filesystem::path dataFolder;     // --data-folder DIR; else the current directory
    Sentence error;                       // one line on what is wrong, when anything is
    std::vector<char*> toolkitArguments;  // argv[0] and the toolkit's own options (-platform x)
};

CommandLine ParseCommandLine(int argc, char** argv);

// The usage text of --help, with a line per option.
std::string UsageText();

}  // namespace pv
