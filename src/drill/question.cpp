#include "drill/question.h"

namespace pv {

namespace {

UINT OperationItem(std::uint8_t operation) {
    switch (operation) {
        case '+':
            return 1301;
        case '-':
            return 1302;
        case 'x':
            return 1303;
        default:
            return 1304;
    }
}

void EnableOperationItems(Game& g) {
    for (UINT item = 1301; item <= 1304; ++item) {
        g.platform.EnableMenuItem(g.menu, item, MF_ENABLED);
    }
}

}  // namespace

std::uint32_t FactCell(Game& /*g*/, std::uint32_t /*a*/, std::uint32_t /*b*/,
                       std::uint32_t /*mark*/) {
    return 0;
}
void ResetFactGrid(Game& /*g*/) {}
void NextQuestion(Game& /*g*/) {}
void SetOperation(Game& /*g*/, UINT /*cmd*/) {}

void MarkOperationMenu(Game& g) {
    EnableOperationItems(g);
    g.platform.EnableMenuItem(g.menu, OperationItem(g.operation), MF_GRAYED);
}

}  // namespace pv
