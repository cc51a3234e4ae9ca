#include <filesystem>
#include <iostream>
#include <system_error>

#include "app/command_line.h"
#include "app/console.h"
#include "platform/qt/run_game.h"
#include "players/players.h"

int main(int argc, char** argv) {
    pv::CommandLine line = pv::ParseCommandLine(argc, argv);
    std::filesystem::path data = line.dataFolder;
    std::error_code error;
    if (data.empty()) data = std::filesystem::current_path(error);
    if (std::optional<int> answered = pv::AnswerOnConsole(line, data, std::cout, std::cerr)) {
        return *answered;
    }
    pv::qt::GameStart start;
    if (!data.empty()) {
        pv::SettledPlayer player = pv::SettlePlayer(data, line.player);
        if (player.name.empty()) {
            std::cerr << "pondivar: " << player.problem << "\n";
            return 1;
        }
        start = {data, player.name, player.folder};
    }
    int count = static_cast<int>(line.toolkitArguments.size());
    return pv::qt::RunGame(count, line.toolkitArguments.data(), {}, {}, &start);
}
