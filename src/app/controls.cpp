#include "app/controls.h"

#include "assets/catalogue.h"
#include "memory/memory.h"
#include "platform/text.h"
#include "random/random.h"

namespace pv {

namespace {

constexpr UINT kLabelId = 1999;  // shared by the labels and panels that command nothing
constexpr int kPictureSize = 38;
constexpr int kFrameSize = 98;

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

void MakeDrillControls(Game& g, HWND window) {
    g.largeFont = MakeFont(g, 55, 25);
    g.questionDisplay = Finish(g, MakeButton(g, "hi", window, 10, 48, 224, 50, WS_DLGFRAME, 2000),
                               g.largeFont, kDisabled);

    g.mediumFont = MakeFont(g, 28, 10);
    for (int i = 0; i < 4; ++i) {
        g.answerButtons[i] =
            Finish(g, MakeButton(g, "hi", window, 10 + 58 * i, 105, 50, 28, WS_BORDER, 2001 + i),
                   g.mediumFont, kShown);
    }

    g.leftFace = Finish(g, MakePictureButton(g, window, 80, 5, 2012), 0, kDisabled);
    g.rightFace = Finish(g, MakePictureButton(g, window, 126, 5, 2013), 0, kDisabled);

    g.smallFont = MakeFont(g, 15, 18);
    g.levelLabel = Label(g, window, "hi", 56, 159, 133, 21, WS_BORDER, kLabelId, kDisabled);
    g.questionsLeftLabel = Label(g, window, "hi", 56, 177, 133, 21, WS_BORDER, kLabelId, kDisabled);
    g.hintLabel = Label(g, window, "hi", 10, 142, 224, 17, 0, kLabelId, kDisabled);
    g.movesLabel = Label(g, window, "SCORE", 3, 5, 44, 19, 0, 3101, kHidden);
    g.byeButton = Label(g, window, "bye", 197, 5, 44, 19, 0, 3101, kHidden);

    struct Place {
        int x, y;
        UINT id;
    };
    constexpr Place kTools[kToolCount] = {{10, 160, 1401},  {10, 205, 1402},  {56, 205, 2007},
                                          {103, 205, 1403}, {150, 205, 2009}, {196, 205, 2010},
                                          {196, 160, 2011}};
    for (std::size_t i = 0; i < kToolCount; ++i) {
        g.toolButtons[i] = Finish(
            g, MakePictureButton(g, window, kTools[i].x, kTools[i].y, kTools[i].id), 0, kDisabled);
    }
}

void MakeAboutPanel(Game& g, HWND window) {
    g.aboutPicture = Finish(g, MakePictureFrame(g, window, 0, 123, 1801), 0, kHidden);
    g.aboutBitmap = g.platform.LoadBitmapA(g.instance, kAboutBitmap);
    g.platform.SendMessageA(g.aboutPicture, STM_SETIMAGE, IMAGE_BITMAP, g.aboutBitmap);
    g.aboutText =
        Finish(g, MakeTextPanel(g, g.aboutTextContent.data(), 0, 0, 243, 125, window, kLabelId), 0,
               kHidden);
    g.contactText = Finish(
        g, MakeTextPanel(g, g.contactTextContent.data(), 66, 123, 177, 103, window, kLabelId), 0,
        kHidden);
    g.aboutOkButton = Label(g, window, "ok", 0, 224, 243, 28, 0, 1801, kHidden);
}

void MakeCards(Game& g, HWND window) {
    for (int i = 0; i < static_cast<int>(kCardCount); ++i) {
        g.cardButtons[i] = MakePictureButton(g, window, CardX(i), CardY(i), 3000 + i);
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
    g.colourOkButton = Label(g, window, "ok", 15, 215, 215, 25, 0, 2098, kHidden);
}

void MakeScoreScreen(Game& g, HWND window) {
    g.scoreList = Finish(g, MakeScoreList(g, window, 0), 0, kHidden);
    g.scoreStore = Finish(g, MakeScoreList(g, window, 1), 0, kHidden);
    constexpr unsigned kLabel = kDisabled | kHidden;
    g.scoreHeader = Label(g, window, "SCORE", 10, 50, 92, 20, 0, kLabelId, kLabel);
    g.nameHeader = Label(g, window, "NAME", 101, 50, 133, 20, 0, kLabelId, kLabel);
    g.yourScoreLabel = Label(g, window, "IS YOUR SCORE", 10, 165, 224, 20, 0, kLabelId, kLabel);
    g.yourNameLabel = Label(g, window, "YOUR NAME", 10, 185, 99, 27, 0, kLabelId, kLabel);
    g.nameEdit = Finish(g, MakeNameEdit(g, 109, 185, window, kLabelId), 0, kHidden);
    g.scoresOkButton = Label(g, window, "ok", 35, 224, 175, 20, 0, 2097, kHidden);
}

}  // namespace

int CardX(int i) {
    return 3 + 40 * (i % 6);
}
int CardY(int i) {
    return 50 + 40 * (i / 6);
}

HWND MakeButton(Game& g, const char* text, HWND parent, int x, int y, int width, int height,
                DWORD style, UINT id) {
    return g.platform.CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                      height, parent, id, g.instance, nullptr);
}

HWND MakePictureButton(Game& g, HWND parent, int x, int y, UINT id) {
    HWND control = g.platform.CreateWindowExA(
        WS_EX_DLGMODALFRAME, "STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_ICON, x, y,
        kPictureSize, kPictureSize, parent, id, g.instance, nullptr);
    HICON picture = g.platform.LoadIconA(g.instance, kFirstPicture + Random(g, kCartoonPictures));
    g.platform.SendMessageA(control, STM_SETIMAGE, IMAGE_ICON, picture);
    return control;
}

HWND MakePictureFrame(Game& g, HWND parent, int x, int y, UINT id) {
    return g.platform.CreateWindowExA(WS_EX_DLGMODALFRAME, "STATIC", nullptr,
                                      WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_BITMAP, x, y,
                                      kFrameSize, kFrameSize, parent, id, g.instance, nullptr);
}

HWND MakeTextPanel(Game& g, const char* text, int x, int y, int width, int height, HWND parent,
                   UINT id) {
    return g.platform.CreateWindowExA(
        WS_EX_DLGMODALFRAME, "EDIT", text,
        WS_CHILD | WS_VISIBLE | ES_READONLY | ES_AUTOVSCROLL | ES_MULTILINE | ES_CENTER, x, y,
        width, height, parent, id, g.instance, nullptr);
}

HWND MakeNameEdit(Game& g, int x, int y, HWND parent, UINT id) {
    return g.platform.CreateWindowExA(WS_EX_DLGMODALFRAME, "EDIT", nullptr, WS_CHILD | WS_VISIBLE,
                                      x, y, 125, 27, parent, id, g.instance, nullptr);
}

HWND MakeColourBar(Game& g, int x, int y, int width, int height, HWND parent) {
    HWND bar = g.platform.CreateWindowExA(0, "SCROLLBAR", nullptr, WS_CHILD | SBS_HORZ, x, y, width,
                                          height, parent, 0, g.instance, nullptr);
    g.platform.SetScrollRange(bar, SB_CTL, 0, 255, FALSE);
    g.platform.ShowWindow(bar, SW_HIDE);
    return bar;
}

HWND MakeScoreList(Game& g, HWND parent, int sorted) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT |
                  LBS_HASSTRINGS | (sorted != 0 ? LBS_SORT : 0);
    HWND list = g.platform.CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", nullptr, style, 10, 69, 223,
                                           95, parent, 2096, g.instance, nullptr);
    g.platform.SendMessageA(list, WM_SETFONT, g.platform.GetStockObject(ANSI_FIXED_FONT), FALSE);
    return list;
}

void SetLabelNumber(Game& g, HWND control, const char* format, std::uint32_t a, std::uint32_t b) {
    char buffer[200];
    if (b != 0) {
        wsprintfA(buffer, format, a, b);
    } else {
        wsprintfA(buffer, format, a);
    }
    g.platform.SetWindowTextA(control, buffer);
}

LRESULT CreateControls(Game& g, HWND window) {
    MakeDrillControls(g, window);
    MakeAboutPanel(g, window);
    MakeCards(g, window);
    MakeColourPanel(g, window);
    MakeScoreScreen(g, window);
    ShowMemoryBoard(g, 0);
    g.timerId = g.platform.SetTimer(window, 1, 300, nullptr);
    g.platform.PostMessageA(window, WM_COMMAND, 2093, 0);
    return 0;
}

}  // namespace pv
