#include "app/launcher_texts.h"

#include "app/command_line.h"
#include "assets/translatable.h"

namespace pv {

namespace {

struct Line {
    const char* name;
    const char* text;
};

// The launcher names a line by its first words, with the folder it is about as the value.
constexpr Line kLines[] = {
    {"usage",
     PV_TEXT("Console", "usage: pondivar [--player NAME] [--report] | --help | --version")},
    {"need-name", kPlayerNeedsAName},
    {"where-kept",
     PV_TEXT("Console",
             "Settings, high scores and each player's answers are kept in $XDG_DATA_HOME/pondivar\n"
             "(~/.local/share/pondivar when XDG_DATA_HOME is unset), one folder per player.")},
    {"no-home",
     PV_TEXT("Console",
             "cannot find the home folder to keep settings and scores in (HOME is not set)")},
    {"cannot-make", PV_TEXT("Console", "cannot make the data folder %1")},
    {"cannot-write", PV_TEXT("Console", "cannot write to the data folder %1")},
    {"cannot-enter", PV_TEXT("Console", "cannot enter the data folder %1")},
};

}  // namespace

std::optional<Sentence> LauncherText(std::string_view name, const std::string& value) {
    for (const Line& line : kLines) {
        if (name == line.name) return Sentence{"Console", line.text, {Sentence::Value(value)}};
    }
    return std::nullopt;
}

}  // namespace pv
