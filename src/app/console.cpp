#include "app/console.h"

namespace pv {

std::optional<int> AnswerOnConsole(const CommandLine& line,
                                   const std::filesystem::path& /*dataFolder*/, std::ostream& out,
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
            err << "pondivar: the report is not available\n";
            return 1;
        case CommandLine::Task::Play:
            break;
    }
    return std::nullopt;
}

}  // namespace pv
