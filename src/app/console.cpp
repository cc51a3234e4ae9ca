#include "app/console.h"

#include <string>
#include <vector>

#include "app/launcher_texts.h"
#include "assets/translatable.h"
#include "players/players.h"
#include "progress/answer_log.h"
#include "progress/report.h"

namespace pv {

namespace {

// Every player's answers, or the one player's, as CSV on out.
int PrintReport(FileSystem& files, const std::filesystem::path& dataFolder,
                const std::string& player, std::ostream& out, std::ostream& err,
                const Translation& translate) {
    std::vector<std::string> names = ListPlayers(files, dataFolder);
    if (!player.empty()) {
        std::optional<std::string> found = FindPlayer(files, dataFolder, player);
        if (!found) {
            Complain(err,
                     {"Console",
                      PV_TEXT("Console", "there is no player called %1"),
                      {Sentence::Value(player)}},
                     translate);
            return 1;
        }
        names = {*found};
    }
    std::vector<PlayerAnswers> players;
    for (const std::string& name : names) {
        AnswerReading reading =
            ReadAnswers(files, PlayerFolder(dataFolder, name), ReadFor::Viewing);
        players.push_back({name, std::move(reading.answers)});
        if (!reading.complaint.empty()) err << "pondivar: " << reading.complaint << "\n";
    }
    WriteReport(out, players);
    out.flush();
    if (out) return 0;
    // A full disk or a closed pipe: the report is not whole, which must not pass unsaid.
    Complain(err, {"Console", PV_TEXT("Console", "the report could not be written whole"), {}},
             translate);
    return 1;
}

}  // namespace

void Complain(std::ostream& err, const Sentence& why, const Translation& translate) {
    err << "pondivar: " << Say(why, translate) << "\n";
}

std::optional<int> AnswerOnConsole(FileSystem& files, const CommandLine& line,
                                   const std::filesystem::path& dataFolder, std::ostream& out,
                                   std::ostream& err, const Translation& translate) {
    if (!line.error.empty()) {
        Complain(err, line.error, translate);
        return 2;
    }
    if (line.checkOnly) return 0;
    switch (line.task) {
        case CommandLine::Task::Help:
            out << UsageText();
            return 0;
        case CommandLine::Task::Version:
            out << "Pondivar " << PV_VERSION << "\n";
            return 0;
        case CommandLine::Task::Report:
            return PrintReport(files, dataFolder, line.player, out, err, translate);
        case CommandLine::Task::LauncherText:
            if (std::optional<Sentence> text =
                    LauncherText(line.launcherText, line.launcherValue)) {
                out << Say(*text, translate) << "\n";
                return 0;
            }
            return 2;
        case CommandLine::Task::Play:
            break;
    }
    return std::nullopt;
}

}  // namespace pv
