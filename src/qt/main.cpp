#include <filesystem>
#include <iostream>
#include <system_error>

#include "app/command_line.h"
#include "app/console.h"
#include "app/who_plays.h"
#include "qt/language/console_texts.h"
#include "qt/run_game.h"

int main(int argc, char** argv) {
    pv::CommandLine line = pv::ParseCommandLine(argc, argv);
    std::filesystem::path data = line.dataFolder;
    std::error_code error;
    if (data.empty()) data = std::filesystem::current_path(error);
    // Before the game, and so its platform, exists: the system's own files.
    pv::FileSystem& files = pv::RealFileSystem();
    if (line.error.empty() && !line.checkOnly && line.task == pv::CommandLine::Task::Help) {
        std::cout << pv::qt::HelpText();
        return 0;
    }
    const pv::Translation said = pv::qt::DesktopCatalogue();
    if (std::optional<int> answered =
            pv::AnswerOnConsole(files, line, data, std::cout, std::cerr, said)) {
        return *answered;
    }
    pv::qt::GameStart start;
    if (!data.empty()) {
        pv::PlayStart settled = pv::SettleStart(files, data, line.player, std::cerr, said);
        if (settled.exitCode) return *settled.exitCode;
        start = {settled.playersRoot, settled.player, settled.folder};
    }
    int count = static_cast<int>(line.toolkitArguments.size());
    return pv::qt::RunGame(count, line.toolkitArguments.data(), {}, {}, &start);
}
