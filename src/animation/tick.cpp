#include "animation/tick.h"

#include "assets/catalogue.h"
#include "controls/controls.h"
#include "drill/question.h"
#include "memory/memory.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "random/random.h"
#include "screens/screens.h"

namespace pv {

namespace {

bool Recorded(const Game& g, std::uint32_t picture) {
    for (std::size_t i = 0; g.toolIcons[i] != 0; ++i) {
        if (g.toolIcons[i] == picture) return true;
    }
    return false;
}

// A new picture for one tool button, unlike any picture a tick has already given out.
void ChangeToolPicture(Game& g) {
    std::uint32_t slot = Random(g, kToolCount);
    std::uint32_t candidate = 0;
    do {
        candidate = kFirstPicture + Random(g, g.highColour != 0 ? kAllPictures : kCartoonPictures);
    } while (Recorded(g, candidate));
    g.toolIcons[slot] = candidate;
    HICON picture = g.platform.LoadIconA(g.instance, candidate);
    g.platform.SendMessageA(g.toolButtons[slot], STM_SETIMAGE, IMAGE_ICON, picture);
}

// The sound and music hints name what a click would do now.
void UpdateToggleHints(Game& g) {
    Hotspot& sound = g.hotspots[HotspotOf(Command::SoundToggle)];
    Hotspot& music = g.hotspots[HotspotOf(Command::MusicToggle)];
    sound.text = g.soundOn != 0 ? kHintSoundOff : kHintSoundOn;
    music.text = g.musicOn != 0 ? kHintMusicOff : kHintMusicOn;
    if (g.currentHint == kHintSoundOn || g.currentHint == kHintSoundOff) {
        g.currentHint = sound.text;
    } else if (g.currentHint == kHintMusicOn || g.currentHint == kHintMusicOff) {
        g.currentHint = music.text;
    }
}

void FlipCase(const Game& g, char* text) {
    if (g.hintCasePhase != 0) {
        CharLowerA(text);
    } else {
        CharUpperA(text);
    }
}

// The hint flashes by changing the stored text's case itself; the settings block and the
// default score name see that case too.
void ShowHint(Game& g) {
    Platform& p = g.platform;
    if (g.hoverActive == 0 || AnotherScreenOpen(g)) {
        p.ShowWindow(g.hintLabel, SW_HIDE);
        return;
    }
    g.hintCasePhase = ~g.hintCasePhase;
    char* text = g.hintTexts[g.currentHint].data();
    FlipCase(g, text);
    // In English the stored bytes themselves are shown; another language flips its own copy.
    const char* source = kHintSources[g.currentHint];
    std::string shown = Tr(p, "Hint", source);
    if (shown == source) {
        p.SetWindowTextA(g.hintLabel, text);
    } else {
        FlipCase(g, shown.data());
        p.SetWindowTextA(g.hintLabel, shown.c_str());
    }
    p.ShowWindow(g.hintLabel, SW_SHOWNORMAL);
}

// About one tick in seven the right face changes, and one change in eleven the left face
// copies it: each when a draw from 0 .. range-1 comes out at the number given.
constexpr std::uint32_t kFaceChangeRange = 7;
constexpr std::uint32_t kFaceChangeDraw = 5;
constexpr std::uint32_t kLeftFaceCopiesRange = 11;
constexpr std::uint32_t kLeftFaceCopiesDraw = 8;

void AnimateFaces(Game& g) {
    if (Random(g, kFaceChangeRange) != kFaceChangeDraw) return;
    // Before any face has been set the resting face stands in for the current one.
    std::uint32_t current = g.currentFace != 0 ? g.currentFace : Face::Neutral;
    std::uint32_t candidateA = Face::WrongAgain;
    std::uint32_t candidateB = Face::NewQuestion;
    switch (current) {
        case Face::NewQuestion:
        case Face::Right:
            candidateA = Face::NewQuestion;
            candidateB = Face::Neutral;
            break;
        case Face::Wrong:
            candidateA = Face::Neutral;
            candidateB = Face::WrongAgain;
            break;
        case Face::WrongAgain:
            candidateA = Face::Neutral;
            candidateB = Face::NewQuestion;
            break;
        default:
            break;
    }
    std::uint32_t r = Random(g, 3);
    std::uint32_t face = r == 0 ? candidateA : r == 1 ? current : candidateB;
    if (g.highColour == 0) face += kLowColourFace;
    HICON picture = g.platform.LoadIconA(g.instance, face);
    g.platform.SendMessageA(g.rightFace, STM_SETIMAGE, IMAGE_ICON, picture);
    if (Random(g, kLeftFaceCopiesRange) == kLeftFaceCopiesDraw) {
        g.platform.SendMessageA(g.leftFace, STM_SETIMAGE, IMAGE_ICON, picture);
    }
}

void RunDelayedActions(Game& g) {
    g.actionDelay -= 1;
    if (g.actionDelay >= 0) return;
    g.actionDelay = 0;
    if (g.pendingQuestion != 0) {
        g.pendingQuestion = 0;
        NextQuestion(g);
    }
    if (g.pendingBoardRedraw != 0) {
        // A redraw that falls due under the about panel or after leaving the game is dropped.
        g.pendingBoardRedraw = 0;
        if (g.memoryOpen != 0 && g.aboutOpen == 0) ShowMemoryBoard(g, Visibility::Shown);
    }
}

void SwitchLevelLabel(Game& g) {
    g.labelDelay -= 1;
    if (g.labelDelay >= 0) return;
    g.labelDelay = 7;
    g.labelPhase = ~g.labelPhase;
    ShowLevelLabel(g);
}

}  // namespace

void ShowLevelLabel(Game& g) {
    Platform& p = g.platform;
    if (g.labelPhase != 0) {
        SetLabelNumber(g, g.levelLabel, TrFormat(p, "Drill", PV_TEXT("Drill", "level %d")).c_str(),
                       g.tableSize - 1, 0);
    } else {
        SetLabelNumber(g, g.levelLabel, TrFormat(p, "Drill", PV_TEXT("Drill", "score %d")).c_str(),
                       g.score, 0);
    }
}

void OnTick(Game& g) {
    ChangeToolPicture(g);
    UpdateToggleHints(g);
    ShowHint(g);
    AnimateFaces(g);
    RunDelayedActions(g);
    SwitchLevelLabel(g);
    if (g.score > 99999999) {
        g.score = 99999999;
    } else if (g.score == 0) {
        g.score = 1;
    }
}

}  // namespace pv
