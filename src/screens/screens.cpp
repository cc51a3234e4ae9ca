#include "screens/screens.h"

#include "assets/catalogue.h"
#include "assets/commands.h"
#include "colour/colour.h"

namespace pv {

namespace {}  // namespace

bool AnotherScreenOpen(const GameState& g) {
    return g.aboutOpen != 0 || g.memoryOpen != 0 || g.colourOpen != 0 || g.scoresOpen != 0;
}

void ShowDrillScreen(Game& g, Visibility show) {
    Platform& p = g.platform;
    // With random colours every change of screen brings a new background, hiding included.
    if (g.randomColours != 0) ApplyColour(g);

    const HWND controls[] = {
        g.toolButtons[1],   g.toolButtons[2],     g.toolButtons[3],   g.toolButtons[4],
        g.toolButtons[5],   g.toolButtons[0],     g.toolButtons[6],   g.hintLabel,
        g.levelLabel,       g.questionsLeftLabel, g.answerButtons[0], g.answerButtons[1],
        g.answerButtons[2], g.answerButtons[3],   g.questionDisplay,  g.leftFace,
        g.rightFace,
    };
    for (HWND control : controls) p.ShowWindow(control, static_cast<int>(show));

    if (show == Visibility::Shown) {
        p.EnableMenuItem(g.menu, Command::RandomColoursToggle, MF_BYCOMMAND | MF_ENABLED);
        p.EnableMenuItem(g.menu, Command::ViewScores, MF_BYCOMMAND | MF_ENABLED);
        p.EnableMenuItem(g.menu, kDrillMenuPosition, MF_BYPOSITION | MF_ENABLED);
    } else {
        // The bar item is only disabled, so the bar keeps its look.
        p.EnableMenuItem(g.menu, kDrillMenuPosition, MF_BYPOSITION | MF_DISABLED);
        p.EnableMenuItem(g.menu, Command::RandomColoursToggle, MF_GRAYED);
        p.EnableMenuItem(g.menu, Command::ViewScores, MF_GRAYED);
    }
}

}  // namespace pv
