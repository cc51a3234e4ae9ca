#include "app/create_controls.h"

#include "animation/tick.h"
#include "app/main_window.h"
#include "app/shown_texts.h"
#include "assets/catalogue.h"
#include "assets/commands.h"
#include "controls/controls.h"
#include "memory/memory.h"
#include "platform/translate.h"

namespace pv {

namespace {

HFONT MakeFont(Game& g, int height, int width) {
    return g.platform.CreateFontA(height, width, 0, 0, FW_HEAVY, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  PROOF_QUALITY, DEFAULT_PITCH | FF_ROMAN, "courier");
}

void SetFont(Game& g, HWND control, HFONT font) {
    g.platform.SendMessageA(control, WM_SETFONT, font, TRUE);
}

// What happens to a control right after it is made: its font first, then its state.
enum State : unsigned { kShown = 0, kDisabled = 1, kHidden = 2 };

HWND Finish(Game& g, HWND control, HFONT font, unsigned state) {
    if (font != 0) SetFont(g, control, font);
    if ((state & kDisabled) != 0) g.platform.EnableWindow(control, FALSE);
    if ((state & kHidden) != 0) g.platform.ShowWindow(control, SW_HIDE);
    return control;
}

HWND Label(Game& g, HWND window, const char* text, int x, int y, int width, int height, DWORD style,
           UINT id, unsigned state) {
    return Finish(g, MakeButton(g, text, window, x, y, width, height, style, id), g.smallFont,
                  state);
}

HWND MakeFaceButton(Game& g, HWND window, std::uint32_t command) {
    const PictureButton& face = kPictureButtons[HotspotOf(command)];
    return MakePictureButton(g, window, face.x, face.y, face.command);
}

void MakeDrillControls(Game& g, HWND window) {
    g.largeFont = MakeFont(g, 55, 25);
    g.questionDisplay = Finish(
        g, MakeButton(g, "hi", window, 10, 48, 224, 50, WS_DLGFRAME, Command::QuestionDisplay),
        g.largeFont, kDisabled);

    g.mediumFont = MakeFont(g, 28, 10);
    for (int i = 0; i < 4; ++i) {
        g.answerButtons[i] = Finish(g,
                                    MakeButton(g, "hi", window, 10 + 58 * i, 105, 50, 28, WS_BORDER,
                                               Command::FirstAnswer + i),
                                    g.mediumFont, kShown);
    }

    g.leftFace = Finish(g, MakeFaceButton(g, window, Command::LeftFace), 0, kDisabled);
    g.rightFace = Finish(g, MakeFaceButton(g, window, Command::RightFace), 0, kDisabled);

    g.smallFont = MakeFont(g, 15, 18);
    g.levelLabel = Label(g, window, "hi", 56, 159, 133, 21, WS_BORDER, kLabelId, kDisabled);
    g.questionsLeftLabel = Label(g, window, "hi", 56, 177, 133, 21, WS_BORDER, kLabelId, kDisabled);
    g.hintLabel = Label(g, window, "hi", 10, 142, 224, 17, 0, kLabelId, kDisabled);
    g.movesLabel = Label(g, window, "SCORE", 3, 5, 44, 19, 0, Command::LeaveMemoryGame, kHidden);
    g.byeButton = Label(g, window, Tr(g.platform, "Memory", PV_TEXT("Memory", "bye")).c_str(), 197,
                        5, 44, 19, 0, Command::LeaveMemoryGame, kHidden);

    for (std::size_t i = 0; i < kToolCount; ++i) {
        const PictureButton& tool = Tool(i);
        g.toolButtons[i] =
            Finish(g, MakePictureButton(g, window, tool.x, tool.y, tool.command), 0, kDisabled);
    }
}

void MakeAboutPanel(Game& g, HWND window) {
    g.aboutPicture =
        Finish(g, MakePictureFrame(g, window, 0, 123, Command::CloseAbout), 0, kHidden);
    g.aboutBitmap = g.platform.LoadBitmapA(g.instance, kAboutBitmap);
    g.platform.SendMessageA(g.aboutPicture, STM_SETIMAGE, IMAGE_BITMAP, g.aboutBitmap);
    g.aboutText =
        Finish(g, MakeTextPanel(g, AboutText(g).c_str(), 0, 0, kClientWidth, 125, window, kLabelId),
               0, kHidden);
    g.contactText =
        Finish(g, MakeTextPanel(g, ContactText(g).c_str(), 66, 123, 177, 103, window, kLabelId), 0,
               kHidden);
    g.aboutOkButton = Label(g, window, OkText(g).c_str(), 0, 224, kClientWidth, 28, 0,
                            Command::CloseAbout, kHidden);
}

void MakeCards(Game& g, HWND window) {
    for (int i = 0; i < static_cast<int>(kCardCount); ++i) {
        g.cardButtons[i] = MakePictureButton(g, window, CardX(i), CardY(i), Command::FirstCard + i);
    }
}

void MakeColourPanel(Game& g, HWND window) {
    for (int i = 0; i < 3; ++i) {
        g.colourBars[i] = MakeColourBar(g, 15, 120 + 25 * i, 115, 20, window);
    }
    for (int i = 0; i < 3; ++i) {
        g.colourLabels[i] =
            Label(g, window, "hi", 130, 120 + 25 * i, 100, 20, 0, kLabelId, kDisabled | kHidden);
    }
    g.colourOkButton = Label(g, window, OkText(g).c_str(), 15, 215, 215, 25, 0,
                             Command::CloseColourPanel, kHidden);
}

void MakeScoreScreen(Game& g, HWND window) {
    g.scoreList = Finish(g, MakeScoreList(g, window, Sorted::No), 0, kHidden);
    g.scoreStore = Finish(g, MakeScoreList(g, window, Sorted::Yes), 0, kHidden);
    constexpr unsigned kLabel = kDisabled | kHidden;
    g.scoreHeader =
        Label(g, window, ScoresText(g, kScoreHeader).c_str(), 10, 50, 92, 20, 0, kLabelId, kLabel);
    g.nameHeader =
        Label(g, window, ScoresText(g, kNameHeader).c_str(), 101, 50, 133, 20, 0, kLabelId, kLabel);
    g.yourScoreLabel = Label(g, window, "IS YOUR SCORE", 10, 165, 224, 20, 0, kLabelId, kLabel);
    g.yourNameLabel =
        Label(g, window, ScoresText(g, kYourName).c_str(), 10, 185, 99, 27, 0, kLabelId, kLabel);
    g.nameEdit = Finish(g, MakeNameEdit(g, 109, 185, window, kLabelId), 0, kHidden);
    g.scoresOkButton =
        Label(g, window, OkText(g).c_str(), 35, 224, 175, 20, 0, Command::CloseScores, kHidden);
}

}  // namespace

LRESULT CreateControls(Game& g, HWND window) {
    MakeDrillControls(g, window);
    MakeAboutPanel(g, window);
    MakeCards(g, window);
    MakeColourPanel(g, window);
    MakeScoreScreen(g, window);
    ShowMemoryBoard(g, Visibility::Hidden);
    g.timerId = g.platform.SetTimer(window, kTickTimer, kTickMilliseconds, nullptr);
    g.platform.PostMessageA(window, WM_COMMAND, Command::LoadAndStart, 0);
    return 0;
}

}  // namespace pv
