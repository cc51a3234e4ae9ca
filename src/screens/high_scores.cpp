#include "screens/high_scores.h"

#include <cstring>

#include "assets/catalogue.h"
#include "audio/sound.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "random/random.h"
#include "screens/screens.h"

namespace pv {

namespace {

constexpr int kNameBuffer = 14;  // 13 characters and the terminator
constexpr LRESULT kKeptLines = 25;
// The one line just entered may be shown below the kept ones, once.
constexpr int kShownLines = kKeptLines + 1;

// The last word of a hint text, in the case the hint animation left it.
const char* LastWord(const char* text) {
    const char* space = std::strrchr(text, ' ');
    return space != nullptr ? space + 1 : text;
}

const char* DefaultName(Game& g) {
    if (Random(g, 2) != 0) return "tivant";
    return LastWord(g.hintTexts[kHintAbout].data());
}

// Enters a line unless the same one, letter case aside, is there already.
void EnterLine(Game& g, const char* line) {
    Platform& p = g.platform;
    LRESULT count = p.SendMessageA(g.scoreStore, LB_GETCOUNT, 0, 0);
    if (count != 0 && count != LB_ERR &&
        p.SendMessageA(g.scoreStore, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(line)) != LB_ERR) {
        return;
    }
    p.SendMessageA(g.scoreStore, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
}

// Highest first: the store keeps them in ascending order.
void FillVisibleList(Game& g) {
    Platform& p = g.platform;
    p.SendMessageA(g.scoreList, LB_RESETCONTENT, 0, 0);
    LRESULT count = p.SendMessageA(g.scoreStore, LB_GETCOUNT, 0, 0);
    char line[256];
    int shown = 0;
    for (LRESULT i = count - 1; i >= 0 && shown < kShownLines; --i, ++shown) {
        // Lines come from the settings file too; one too long for the buffer is not read.
        LRESULT length = p.SendMessageA(g.scoreStore, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length == LB_ERR || length >= static_cast<LRESULT>(sizeof line)) break;
        if (p.SendMessageA(g.scoreStore, LB_GETTEXT, static_cast<WPARAM>(i),
                           reinterpret_cast<LPARAM>(line)) == LB_ERR) {
            break;
        }
        p.SendMessageA(g.scoreList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    }
}

void TrimStore(Game& g) {
    Platform& p = g.platform;
    while (p.SendMessageA(g.scoreStore, LB_GETCOUNT, 0, 0) > kKeptLines) {
        if (p.SendMessageA(g.scoreStore, LB_DELETESTRING, 0, 0) == LB_ERR) break;
    }
}

void ShowScreenControls(Game& g, Visibility show) {
    const HWND controls[] = {g.scoreList,     g.scoresOkButton, g.scoreHeader,   g.nameHeader,
                             g.yourNameLabel, g.nameEdit,       g.yourScoreLabel};
    for (HWND control : controls) g.platform.ShowWindow(control, static_cast<int>(show));
}

}  // namespace

void ShowYourScore(Game& g) {
    std::string line = FillIn(Tr(g.platform, "Scores", PV_TEXT("Scores", "%1 IS YOUR SCORE")),
                              std::to_string(g.score));
    g.platform.SetWindowTextA(g.yourScoreLabel, line.c_str());
}

void OpenScores(Game& g) {
    Platform& p = g.platform;
    PlaySoundEffect(g, Sound::Click);
    ShowDrillScreen(g, Visibility::Hidden);
    // The faces stay to watch the list.
    p.ShowWindow(g.leftFace, SW_SHOWNORMAL);
    p.ShowWindow(g.rightFace, SW_SHOWNORMAL);
    p.EnableMenuItem(g.menu, kHelpMenuPosition, MF_BYPOSITION | MF_DISABLED);

    char name[kNameBuffer];
    p.GetWindowTextA(g.nameEdit, name, kNameBuffer);
    char line[64];
    wsprintfA(line, " %-2.8lu   %s", g.score, name[0] != '\0' ? name : DefaultName(g));
    EnterLine(g, line);
    FillVisibleList(g);
    TrimStore(g);

    ShowYourScore(g);
    ShowScreenControls(g, Visibility::Shown);
    p.SetFocus(g.nameEdit);
    g.scoresOpen = 1;
}

void CloseScores(Game& g) {
    Platform& p = g.platform;
    PlaySoundEffect(g, Sound::Click);
    ShowDrillScreen(g, Visibility::Shown);
    p.EnableMenuItem(g.menu, kHelpMenuPosition, MF_BYPOSITION | MF_ENABLED);
    ShowScreenControls(g, Visibility::Hidden);
    // The typed name stays in its box for the next opening.
    g.scoresOpen = 0;
}

}  // namespace pv
