#include "controls/controls.h"

#include "assets/catalogue.h"
#include "platform/text.h"
#include "random/random.h"

namespace pv {

namespace {

constexpr int kPictureSize = 38;
constexpr int kFrameSize = 98;

}  // namespace

int CardX(int i) {
    return 3 + 40 * (i % kCardColumns);
}
int CardY(int i) {
    return 50 + 40 * (i / kCardColumns);
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

HWND MakeScoreList(Game& g, HWND parent, Sorted sorted) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT |
                  LBS_HASSTRINGS | (sorted == Sorted::Yes ? LBS_SORT : 0);
    HWND list = g.platform.CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", nullptr, style, 10, 69, 223,
                                           95, parent, kScoreListId, g.instance, nullptr);
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

}  // namespace pv
