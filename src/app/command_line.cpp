#include "app/command_line.h"

#include <string_view>

#include "assets/translatable.h"
#include "players/player_name.h"

namespace pv {

namespace {

// "--name value" or "--name=value"; moves `i` past what it took. An option after "--name" is
// a forgotten value, not the value: "--player --report" must not play as "--report". `missing`
// says what a forgotten value is.
bool TakeValue(int argc, char** argv, int& i, std::string_view name, const char* missing,
               std::string& value, Sentence& error) {
    std::string_view arg = argv[i];
    if (arg.size() > name.size() && arg.substr(0, name.size()) == name && arg[name.size()] == '=') {
        value = std::string(arg.substr(name.size() + 1));
        return true;
    }
    if (arg != name) return false;
    if (i + 1 >= argc || argv[i + 1][0] == '-') {
        error = {"Console", missing, {}};
        return true;
    }
    value = argv[++i];
    return true;
}

// The toolkit's options that take a value, as in "-platform offscreen".
bool TakesValue(std::string_view option) {
    for (std::string_view known :
         {"-platform", "-platformpluginpath", "-platformtheme", "-display", "-style", "-stylesheet",
          "-session", "-qwindowgeometry", "-qwindowtitle", "-qwindowicon"}) {
        if (option == known) return true;
    }
    return false;
}

}  // namespace

std::string UsageText() {
    return PV_TEXT(
        "Help",
        "usage: pondivar [--player NAME] [--report] | --help | --version\n"
        "\n"
        "  --player NAME  play as NAME (made when new); without it, as the player of the\n"
        "                 last run. NAME has 1 to 24 letters, digits, spaces, '-', '_' or\n"
        "                 '.'; it does not start with '.', a space or '-', nor end\n"
        "                 with a space.\n"
        "  --report       print every player's answers per fact as CSV, most often\n"
        "                 missed first, and open no window; with --player, one player's\n"
        "  --help         print this text\n"
        "  --version      print the version\n");
}

CommandLine ParseCommandLine(int argc, char** argv) {
    CommandLine line;
    if (argc > 0) line.toolkitArguments.push_back(argv[0]);
    bool playerGiven = false;
    for (int i = 1; i < argc && line.error.empty(); ++i) {
        std::string_view arg = argv[i];
        std::string folder;
        if (TakeValue(argc, argv, i, "--player", kPlayerNeedsAName, line.player, line.error)) {
            playerGiven = true;
        } else if (TakeValue(argc, argv, i, "--data-folder",
                             PV_TEXT("Console", "--data-folder needs a folder"), folder,
                             line.error)) {
            line.dataFolder = folder;
        } else if (arg == "--launcher-text" && i + 1 < argc) {
            // The installed launcher's own lines, in the desktop's language: the rest is for it.
            line.task = CommandLine::Task::LauncherText;
            line.launcherText = argv[++i];
            if (i + 1 < argc) line.launcherValue = argv[++i];
            break;
        } else if (arg == "--report") {
            line.task = CommandLine::Task::Report;
        } else if (arg == "--check") {
            line.checkOnly = true;
        } else if (arg == "--help" || arg == "-h") {
            line.task = CommandLine::Task::Help;
        } else if (arg == "--version") {
            line.task = CommandLine::Task::Version;
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] != '-') {
            line.toolkitArguments.push_back(argv[i]);
            if (TakesValue(arg) && i + 1 < argc) line.toolkitArguments.push_back(argv[++i]);
        } else {
            line.error = {"Console",
                          PV_TEXT("Console", "unknown argument: %1"),
                          {Sentence::Value(std::string(arg))}};
        }
    }
    if (line.error.empty() && playerGiven) {
        std::string problem = PlayerNameProblem(line.player);
        if (!problem.empty()) {
            line.error = {"Console",
                          PV_TEXT("Console", "cannot use that player name: %1"),
                          {{"Players", problem, {}}}};
        }
    }
    return line;
}

}  // namespace pv
