#include "app/console.h"

#include <string>
#include <vector>

#include "players/players.h"
#include "progress/answer_log.h"
#include "progress/report.h"

namespace pv {

namespace {

// Every player's answers, or the one player's, as CSV on out.
int PrintReport(FileSystem& files, const std::filesystem::path& dataFolder,
                const std::string& player, std::ostream& out, std::ostream& err) {
    std::vector<std::string> names = ListPlayers(files, dataFolder);
    if (!player.empty()) {
        std::optional<std::string> found = FindPlayer(files, dataFolder, player);
        if (!found) {
            err << "pondivar: there is no player called " << player << "\n";
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
    err << "pondivar: the report could not be written whole\n";
    return 1;
}

}  // namespace

std::optional<int> AnswerOnConsole(FileSystem& files, const CommandLine& line,
                                   const std::filesystem::path& dataFolder, std::ostream& out,
                                   std::ostream& err) {
    if (!line.error.empty()) {
        err << "pondivar: " << line.error << "\n";
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
            return PrintReport(files, dataFolder, line.player, out, err);
        case CommandLine::Task::Play:
            break;
    }
    return std::nullopt;
}

}  // namespace pv
