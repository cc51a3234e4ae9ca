#include "platform/qt/run_game.h"

int main(int argc, char** argv) {
    return pv::qt::RunGame(argc, argv);
}
