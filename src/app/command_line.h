// What the program is asked to do by its arguments: play (as a player), report, or answer
// --help and --version. The installed launcher hands its arguments on unchanged.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "assets/translatable.h"
#include "platform/translate.h"

namespace pv {

struct CommandLine {
    enum class Task { Play, Report, Help, Version, LauncherText } task = Task::Play;
    bool checkOnly = false;               // --check: only say whether the arguments are good
    std::string player;                   // --player NAME, as given
    std::filesystem::path dataFolder;     // --data-folder DIR; else the current directory
    Sentence error;                       // one line on what is wrong, when anything is
    std::vector<char*> toolkitArguments;  // argv[0] and the toolkit's own options (-platform x)
    std::string launcherText;             // --launcher-text NAME [VALUE]: a line the launcher says
    std::string launcherValue;
};

// A forgotten name after --player, which the launcher says too.
inline constexpr const char* kPlayerNeedsAName = PV_TEXT("Console", "--player needs a name");

CommandLine ParseCommandLine(int argc, char** argv);

// The usage text of --help, with a line per option.
std::string UsageText();

}  // namespace pv
