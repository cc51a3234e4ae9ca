#include "drill/answer_keeper.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "game/operations.h"
#include "game/say_once.h"
#include "players/players.h"
#include "progress/answer_log.h"
#include "progress/practice.h"
#include "progress/today.h"
#include "random/random.h"

namespace pv {

struct AnswerKeeper {
    AnswerKeeper(FileSystem& files, const std::filesystem::path& folder)
        : files(files), folder(folder), log(files, folder) {}
    FileSystem& files;
    std::filesystem::path folder;
    AnswerLog log;
    // Built from the answer log at the first answer of a run, which also sets a file of another
    // kind aside before anything is added to it; the start of the game does not wait for it.
    std::optional<WeakFactTracker> weak;
    // False when the answer log could not be read: nothing is added to it until a later start.
    bool recording = false;
};

namespace {

Operation DrilledOperation(const Game& g) {
    return RowOfByte(g.operation).operation;
}

WeakFactTracker& Checked(AnswerKeeper& keeper) {
    if (!keeper.weak) {
        AnswerReading reading = ReadAnswers(keeper.files, keeper.folder, ReadFor::Recording);
        keeper.weak.emplace(reading.answers);
        keeper.recording = reading.appendable;
        if (!reading.complaint.empty()) std::cerr << "pondivar: " << reading.complaint << "\n";
    }
    return *keeper.weak;
}

// Why an answer could not be kept is said once a run, not at every answer.
void Keep(AnswerKeeper& keeper, const Answer& answer) {
    if (keeper.log.Append(answer) || keeper.log.Problem().empty()) return;
    SayOnce((keeper.folder / kAnswerLogName).string() + ": " + keeper.log.Problem());
}

void LogAnswer(Game& g) {
    Answer answer;
    answer.day = Today(g.platform);
    answer.operation = DrilledOperation(g);
    answer.left = static_cast<std::uint16_t>(g.operandA);
    answer.right = static_cast<std::uint8_t>(g.operandB);
    answer.answer = static_cast<std::uint16_t>(g.correctAnswer);
    answer.wrongClicks = g.wrongClicks;
    answer.rightFirstTime = g.wrongClicks == 0;
    answer.firstClickMs = g.firstClickMs;
    WeakFactTracker& weak = Checked(*g.answerKeeper);
    if (g.answerKeeper->recording &&
        KeepPlayerFolder(g.platform.Files(), g.playersRoot, g.playerName)) {
        Keep(*g.answerKeeper, answer);
    }
    weak.Add(answer);
}

}  // namespace

void OpenAnswerKeeper(Game& g) {
    g.answerKeeper.reset();
    if (!g.playersRoot.empty() && !g.dataFolder.empty()) {
        g.answerKeeper = std::make_shared<AnswerKeeper>(g.platform.Files(), g.dataFolder);
    }
}

void QuestionShown(Game& g) {
    g.questionSeenMs = 0;
    g.questionInView = false;
    FollowQuestionClock(g);
    g.answerClicks = 0;
    g.wrongClicks = 0;
    g.firstClickMs = 0;
}

void FollowQuestionClock(Game& g) {
    bool inView = g.platform.IsIconic(g.mainWindow) == FALSE &&
                  std::any_of(g.answerButtons.begin(), g.answerButtons.end(),
                              [&g](HWND button) { return g.platform.Usable(button); });
    if (inView == g.questionInView) return;
    DWORD now = g.platform.GetTickCount();
    if (inView) {
        g.questionInViewSince = now;
    } else {
        g.questionSeenMs += now - g.questionInViewSince;
    }
    g.questionInView = inView;
}

void NoteAnswerClick(Game& g, bool right) {
    if (g.answerClicks == 0) {
        g.firstClickMs = g.questionSeenMs;
        if (g.questionInView) g.firstClickMs += g.platform.GetTickCount() - g.questionInViewSince;
    }
    if (g.answerClicks < 255) ++g.answerClicks;
    if (!right) {
        if (g.wrongClicks < 255) ++g.wrongClicks;
        return;
    }
    if (g.answerKeeper) LogAnswer(g);
}

bool PracticeFact(Game& g, std::uint32_t& a, std::uint32_t& b) {
    if (g.practiceOn == 0 || !g.answerKeeper) return false;
    if (Random(g, 3) != 0 || !g.answerKeeper->weak) return false;
    // The weak facts come most missed first; the one just asked is not asked again at once.
    for (const Fact& fact : g.answerKeeper->weak->WeakFacts(DrilledOperation(g), g.tableSize)) {
        TableNumbers numbers = TableFactOf(fact.operation, fact.left, fact.right, fact.answer);
        if (numbers.a == g.lastPractised[0] && numbers.b == g.lastPractised[1]) continue;
        a = numbers.a;
        b = numbers.b;
        g.lastPractised = {a, b};
        return true;
    }
    return false;
}

}  // namespace pv
