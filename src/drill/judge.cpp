#include "drill/judge.h"

#include "assets/catalogue.h"
#include "audio/sound.h"
#include "controls/controls.h"
#include "drill/answer_keeper.h"
#include "drill/question.h"
#include "platform/translate.h"
#include "random/random.h"

namespace pv {

namespace {

// Every right answer scores; one right the first time scores more and masters its fact.
constexpr std::uint32_t kRightAnswerPoints = 113;
constexpr std::uint32_t kFirstTryPoints = 73;
// A wrong click costs points, but only from a score above this one: however often a child
// misses, the score never runs out.
constexpr std::uint32_t kWrongClickCost = 42;
constexpr std::uint32_t kScoreSparedFromCost = 45;

// The 16-colour set lies a fixed step above the full-colour one.
HICON LoadFace(Game& g, std::uint32_t id) {
    return g.platform.LoadIconA(g.instance, g.highColour != 0 ? id : id + kLowColourFace);
}

// What the left face says: a picture control's text is its name to a screen reader, so the
// verdict is heard, not only seen. The resting faces say nothing.
const char* Verdict(std::uint32_t face) {
    switch (face) {
        case Face::Right:
            return PV_TEXT("Drill", "Right!");
        case Face::Wrong:
            return PV_TEXT("Drill", "Not quite, try again");
        case Face::WrongAgain:
            return PV_TEXT("Drill", "Still not that one");
        default:
            return "";
    }
}

void RightAnswer(Game& g, std::uint32_t value) {
    Platform& p = g.platform;
    ShowFace(g, Face::Right);
    for (HWND button : g.answerButtons) p.EnableWindow(button, FALSE);
    // A blank button is a wrong click on this question: only a first try masters the fact.
    bool firstTry = true;
    for (HWND button : g.answerButtons) {
        if (p.GetWindowTextLengthA(button) == 0) {
            firstTry = false;
            break;
        }
    }
    if (firstTry) {
        TableNumbers fact = FactOnView(g);
        MarkFactAsked(g, fact.a, fact.b, Mark::Yes);
        g.score += kFirstTryPoints;
    }
    PlaySoundEffect(g, Sound::Right);
    for (HWND button : g.answerButtons) SetLabelNumber(g, button, "%d", value, 0);
    g.actionDelay = 4;
    g.pendingQuestion = 1;
    g.score += kRightAnswerPoints;
}

void WrongAnswer(Game& g, HWND button) {
    g.missedThisRound = 1;
    if (g.score > kScoreSparedFromCost) g.score -= kWrongClickCost;
    if (g.platform.GetWindowTextLengthA(button) == 0) {
        PlaySoundEffect(g, Sound::Click);
        ShowFace(g, Face::WrongAgain);
    } else {
        // The button stays enabled: clicking it again only repeats the penalty.
        PlaySoundEffect(g, Sound::Wrong);
        ShowFace(g, Face::Wrong);
        g.platform.SetWindowTextA(button, "");
    }
}

}  // namespace

void AnswerClicked(Game& g, HWND button, std::uint32_t value) {
    NoteAnswerClick(g, value == g.correctAnswer);
    if (value == g.correctAnswer) {
        RightAnswer(g, value);
    } else {
        WrongAnswer(g, button);
    }
}

void ShowFace(Game& g, std::uint32_t id) {
    // A verdict is told again even when the face already shows it: each answer deserves one.
    const char* verdict = Verdict(id);
    if (id != g.currentFace || verdict[0] != '\0') {
        g.platform.SetWindowTextA(g.leftFace, Tr(g.platform, "Drill", verdict).c_str());
    }
    if (id == g.currentFace) return;
    g.currentFace = id;
    HICON left = LoadFace(g, id);
    g.platform.SendMessageA(g.leftFace, STM_SETIMAGE, IMAGE_ICON, left);
    HICON right = Random(g, 2) != 0 ? LoadFace(g, Face::Neutral) : left;
    g.platform.SendMessageA(g.rightFace, STM_SETIMAGE, IMAGE_ICON, right);
}

}  // namespace pv
