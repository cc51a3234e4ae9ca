#include "app/shown_texts.h"

#include "animation/tick.h"
#include "drill/judge.h"
#include "drill/question.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "screens/high_scores.h"

namespace pv {

namespace {

constexpr const char* kAboutLinks =
    "https://pondivar.example.org/\r\n"
    "https://pondivar.example.org/help/";
constexpr const char* kContactAddresses =
    "hello@pondivar.example.org\r\n"
    "\r\n"
    "bugs@pondivar.example.org";

// The colour labels, which always show the bars' components.
void ShowColourLabels(Game& g) {
    const char* formats[] = {PV_TEXT("Colour", "%d red"), PV_TEXT("Colour", "%d green"),
                             PV_TEXT("Colour", "%d blue")};
    const std::uint32_t components[] = {g.bgRed, g.bgGreen, g.bgBlue};
    for (int i = 0; i < 3; ++i) {
        std::string format = TrFormat(g.platform, "Colour", formats[i]);
        char line[64];
        wsprintfA(line, format.c_str(), components[i]);
        g.platform.SetWindowTextA(g.colourLabels[i], line);
    }
}

void ShowAllTexts(Game& g) {
    Platform& p = g.platform;
    p.SetWindowTextA(g.aboutText, AboutText(g).c_str());
    p.SetWindowTextA(g.contactText, ContactText(g).c_str());
    for (HWND ok : {g.aboutOkButton, g.colourOkButton, g.scoresOkButton})
        p.SetWindowTextA(ok, OkText(g).c_str());
    p.SetWindowTextA(g.byeButton, Tr(p, "Memory", "bye").c_str());
    p.SetWindowTextA(g.scoreHeader, ScoresText(g, kScoreHeader).c_str());
    p.SetWindowTextA(g.nameHeader, ScoresText(g, kNameHeader).c_str());
    p.SetWindowTextA(g.yourNameLabel, ScoresText(g, kYourName).c_str());
    if (g.scoresOpen != 0) ShowYourScore(g);
    if (g.colourOpen != 0) ShowColourLabels(g);
    if (g.questionsLeft != 0) ShowQuestionsLeft(g);
    ShowLevelLabel(g);
    // The left face's verdict is its name to a screen reader.
    if (g.currentFace != 0) ShowFace(g, g.currentFace);
}

}  // namespace

std::string AboutText(Game& g) {
    Platform& p = g.platform;
    return Tr(p, "About", PV_TEXT("About", "Copyright (c) 2026 the Pondivar developers")) +
           "\r\n\r\n" +
           Tr(p, "About",
              PV_TEXT("About",
                      "Hi.. Just click on any button.  A happy face means that you "
                      "chose the correct one.. bye")) +
           "\r\n\r\n" + kAboutLinks;
}

std::string ContactText(Game& g) {
    return Tr(g.platform, "About", PV_TEXT("About", "Send comments to:")) + "\r\n\r\n" +
           kContactAddresses;
}

std::string OkText(Game& g) {
    return Tr(g.platform, "Screens", PV_TEXT("Screens", "ok"));
}

std::string ScoresText(Game& g, ScoresLabel label) {
    const char* sources[] = {PV_TEXT("Scores", "SCORE"), PV_TEXT("Scores", "NAME"),
                             PV_TEXT("Scores", "YOUR NAME")};
    return Tr(g.platform, "Scores", sources[label]);
}

void SpeakLanguage(Game& g, const std::string& code) {
    if (code == g.language) return;
    g.language = code;
    if (g.platform.SetLanguage(code) && g.aboutText != 0) ShowAllTexts(g);
}

}  // namespace pv
