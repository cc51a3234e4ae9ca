#include "drill/question.h"

#include <algorithm>

#include "assets/catalogue.h"
#include "audio/sound.h"
#include "controls/controls.h"
#include "drill/answer_keeper.h"
#include "drill/judge.h"
#include "game/operations.h"
#include "memory/memory.h"
#include "platform/translate.h"
#include "random/random.h"
#include "screens/screens.h"

namespace pv {

namespace {

// What finishing a level pays. A level with a miss is played again, and the effort still pays
// (more than a clean level, which moves on); going past the last table pays a jackpot on top.
constexpr std::uint32_t kLevelWithMissPoints = 441;
constexpr std::uint32_t kCleanLevelPoints = 123;
constexpr std::uint32_t kAllTablesPoints = 9131;

void EnableOperationItems(Game& g) {
    for (const OperationRow& row : AllOperations()) {
        g.platform.EnableMenuItem(g.menu, row.command, MF_ENABLED);
    }
}

std::uint32_t CountOpenFacts(const Game& g) {
    std::uint32_t open = 0;
    for (std::uint32_t a = 1; a <= g.tableSize; ++a) {
        for (std::uint32_t b = 1; b <= g.tableSize; ++b) {
            if (g.factGrid[a][b] == 0) ++open;
        }
    }
    return open;
}

// Ends a level whose square has no open fact left: a level with a miss is played again from
// where it began, a clean one grows the table (and after the largest, starts over).
void SettleLevel(Game& g) {
    if (g.missedThisRound != 0) {
        g.missedThisRound = 0;
        g.score += kLevelWithMissPoints;
        g.factGrid = g.factGridBackup;
        return;
    }
    g.score += kCleanLevelPoints;
    g.factGridBackup = g.factGrid;
    PlaySoundEffect(g, Sound::LevelDone);
    if (!AnotherScreenOpen(g)) DealMemoryGame(g);
    std::uint32_t limit = g.bigTables != 0 ? kLargestTable : kSmallTables;
    g.tableSize += 1;
    if (g.tableSize > limit) {
        g.score += kAllTablesPoints;
        ResetFactGrid(g);
    }
}

bool Offered(const Game& g, std::uint32_t v) {
    return std::find(g.choices.begin(), g.choices.end(), v) != g.choices.end();
}

}  // namespace

std::uint32_t MarkFactAsked(Game& g, std::uint32_t a, std::uint32_t b, Mark mark) {
    std::uint32_t& cell = g.factGrid[a][b];
    std::uint32_t before = cell;
    if (mark == Mark::Yes) cell = 1;
    return before;
}

TableNumbers FactOnView(const Game& g) {
    return TableFactOf(RowOfByte(g.operation).operation, static_cast<std::uint16_t>(g.operandA),
                       static_cast<std::uint8_t>(g.operandB),
                       static_cast<std::uint16_t>(g.correctAnswer));
}

void ResetFactGrid(Game& g) {
    g.tableSize = 2;
    g.factGrid = {};
    g.factGridBackup = {};
}

void ShowQuestionsLeft(Game& g) {
    std::string shown = TrPlural(g.platform, "Drill", PV_TEXT_N("Drill", "%n questions"),
                                 "%n question", static_cast<long>(g.questionsLeft));
    g.platform.SetWindowTextA(g.questionsLeftLabel, shown.c_str());
}

void NextQuestion(Game& g) {
    ShowFace(g, Face::NewQuestion);

    std::uint32_t open = CountOpenFacts(g);
    while (open == 0) {
        SettleLevel(g);
        open = CountOpenFacts(g);
    }
    g.questionsLeftFormat[11] = open == 1 ? '\0' : 's';
    g.questionsLeft = open;
    ShowQuestionsLeft(g);

    std::uint32_t a = 0;
    std::uint32_t b = 0;
    if (!PracticeFact(g, a, b)) {
        do {
            a = Random(g, g.tableSize) + 1;
            b = Random(g, g.tableSize) + 1;
        } while (MarkFactAsked(g, a, b, Mark::No) != 0);
    }
    // The drill shows the operation's byte itself as the sign.
    const OperationRow& drilled = RowOfByte(g.operation);
    Question question = QuestionOf(drilled.operation, a, b);
    g.operandA = question.left;
    g.operandB = b;
    g.correctAnswer = question.answer;
    g.questionFormat[3] = static_cast<char>(g.operation);
    SetLabelNumber(g, g.questionDisplay, g.questionFormat.data(), g.operandA, g.operandB);

    g.choices = {};
    std::uint32_t range = drilled.choiceRange(g.tableSize);
    while (
        !std::all_of(g.choices.begin(), g.choices.end(), [](std::uint32_t c) { return c != 0; })) {
        std::uint32_t slot = Random(g, 4);
        std::uint32_t v = Random(g, range) + 1;
        if (g.choices[slot] == 0 && !Offered(g, v)) g.choices[slot] = v;
    }
    std::uint32_t slot = Random(g, 4);
    if (!Offered(g, g.correctAnswer)) g.choices[slot] = g.correctAnswer;

    for (std::size_t i = 0; i < 4; ++i) {
        SetLabelNumber(g, g.answerButtons[i], "%d", g.choices[i], 0);
    }
    for (HWND button : g.answerButtons) g.platform.EnableWindow(button, TRUE);
    QuestionShown(g);
}

void SetOperation(Game& g, UINT cmd) {
    EnableOperationItems(g);
    g.platform.EnableMenuItem(g.menu, cmd, MF_GRAYED);
    g.operation = RowOfCommand(cmd).byte;
    g.tableSize = 2;
    g.missedThisRound = 0;
    ResetFactGrid(g);
    NextQuestion(g);
}

void MarkOperationMenu(Game& g) {
    EnableOperationItems(g);
    g.platform.EnableMenuItem(g.menu, RowOfByte(g.operation).command, MF_GRAYED);
}

}  // namespace pv
