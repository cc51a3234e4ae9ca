// The types, constants and records of the windowing layer. The game was written against these
// names, so they are kept: the code reads the same as the routines it implements.
#pragma once

#include <cstdint>

namespace pv {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using LONG = std::int32_t;
using BOOL = int;
using ATOM = std::uint16_t;
// A command's wParam is matched as a whole 32-bit word; lParam may carry a text pointer
// (list-box messages), so it is pointer-sized.
using WPARAM = std::uint32_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = std::uint32_t;

// Handles are small numbers; 0 is the null handle. Each implementation maps them to its own
// objects.
using HANDLE = std::uint32_t;
using HWND = HANDLE;
using HMENU = HANDLE;
using HICON = HANDLE;
using HBITMAP = HANDLE;
using HFONT = HANDLE;
using HBRUSH = HANDLE;
using HGDIOBJ = HANDLE;
using HCURSOR = HANDLE;
using HINSTANCE = HANDLE;
using HMODULE = HANDLE;
using HMONITOR = HANDLE;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

constexpr WORD LOWORD(std::uintptr_t v) {
    return static_cast<WORD>(v & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t v) {
    return static_cast<WORD>((v >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi) {
    return static_cast<LPARAM>(static_cast<DWORD>(lo) | (static_cast<DWORD>(hi) << 16));
}

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

struct SYSTEMTIME {
    WORD wYear = 0;
    WORD wMonth = 0;  // 1..12
    WORD wDayOfWeek = 0;
    WORD wDay = 0;  // 1..31
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
};

struct MSG {
    HWND hwnd = 0;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// The window procedure gets the game it belongs to as its first argument: the game is passed
// explicitly rather than found through a global.
using WNDPROC = LRESULT (*)(void* context, HWND, UINT, WPARAM, LPARAM);

struct WNDCLASSEXA {
    UINT cbSize = sizeof(WNDCLASSEXA);
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    void* context = nullptr;  // handed back to lpfnWndProc on every call
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = 0;
    HICON hIcon = 0;
    HCURSOR hCursor = 0;
    HBRUSH hbrBackground = 0;
    const char* lpszMenuName = nullptr;
    const char* lpszClassName = nullptr;
    HICON hIconSm = 0;
};

// Messages
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_ENABLE = 0x000A;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_SETFONT = 0x0030;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_MOUSEMOVE = 0x0200;

// WM_SIZE's wParam.
constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM SIZE_MINIMIZED = 1;

// A key message's lParam: in its high word, this bit is set when the key was already down
// (an auto-repeat).
constexpr WORD KF_REPEAT = 0x4000;

// Virtual keys
constexpr WPARAM VK_RETURN = 0x0D;
constexpr WPARAM VK_ESCAPE = 0x1B;
constexpr WPARAM VK_SPACE = 0x20;
constexpr WPARAM VK_LEFT = 0x25;
constexpr WPARAM VK_UP = 0x26;
constexpr WPARAM VK_RIGHT = 0x27;
constexpr WPARAM VK_DOWN = 0x28;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT MM_MCINOTIFY = 0x03B9;
constexpr UINT STM_SETIMAGE = 0x0172;
constexpr UINT LB_ADDSTRING = 0x0180;
constexpr UINT LB_DELETESTRING = 0x0182;
constexpr UINT LB_RESETCONTENT = 0x0184;
constexpr UINT LB_GETTEXT = 0x0189;
constexpr UINT LB_GETTEXTLEN = 0x018A;
constexpr UINT LB_GETCOUNT = 0x018B;
constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;
constexpr LRESULT LB_ERR = -1;

constexpr WPARAM SC_CLOSE = 0xF060;
constexpr DWORD MCI_NOTIFY_SUCCESSFUL = 1;
constexpr DWORD MCI_NOTIFY_SUPERSEDED = 2;
constexpr DWORD MCI_NOTIFY_ABORTED = 4;
constexpr DWORD MCI_NOTIFY_FAILURE = 8;
constexpr DWORD MCIERR_UNRECOGNIZED_COMMAND = 261;
constexpr DWORD MCIERR_HARDWARE = 262;
constexpr DWORD MCIERR_DEVICE_NOT_READY = 263;
constexpr DWORD MCIERR_FILE_NOT_FOUND = 275;
constexpr DWORD MCIERR_DUPLICATE_ALIAS = 289;
constexpr DWORD MCIERR_INVALID_FILE = 296;

// Show commands
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWDEFAULT = 10;

// Window styles
constexpr DWORD WS_OVERLAPPED = 0x00000000;
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_HSCROLL = 0x00100000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_DLGFRAME = 0x00400000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_EX_DLGMODALFRAME = 0x00000001;
constexpr DWORD WS_EX_WINDOWEDGE = 0x00000100;
constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;
constexpr DWORD BS_PUSHBUTTON = 0x00000000;
constexpr DWORD SS_ICON = 0x00000003;
constexpr DWORD SS_BITMAP = 0x0000000E;
constexpr DWORD SS_NOTIFY = 0x00000100;
constexpr DWORD ES_CENTER = 0x0001;
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_AUTOVSCROLL = 0x0040;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD SBS_HORZ = 0x0000;
constexpr DWORD LBS_SORT = 0x0002;
constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;
constexpr DWORD LBS_HASSTRINGS = 0x0040;
constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;
constexpr UINT CS_BYTEALIGNWINDOW = 0x2000;

// Menus
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_POPUP = 0x0010;

// Message boxes
constexpr UINT USER_DEFAULT_SCREEN_DPI = 96;
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_ICONINFORMATION = 0x0040;
constexpr int IDOK = 1;
constexpr DWORD MENU_ITEM_MISSING = 0xFFFFFFFF;  // what the menu calls return for no such item

// Images, fonts, GDI
constexpr WPARAM IMAGE_BITMAP = 0;
constexpr WPARAM IMAGE_ICON = 1;
constexpr int FW_HEAVY = 900;
constexpr DWORD DEFAULT_CHARSET = 1;
constexpr DWORD OUT_DEFAULT_PRECIS = 0;
constexpr DWORD CLIP_DEFAULT_PRECIS = 0;
constexpr DWORD PROOF_QUALITY = 2;
constexpr DWORD DEFAULT_PITCH = 0;
constexpr DWORD FF_ROMAN = 0x10;
constexpr int ANSI_FIXED_FONT = 11;
constexpr int GCL_HBRBACKGROUND = -10;
constexpr LONG COLOR_BTNSHADOW_BRUSH = 17;  // COLOR_BTNSHADOW + 1: a system colour as a brush

// Scroll bars
constexpr int SB_CTL = 2;
constexpr int SB_LINELEFT = 0;
constexpr int SB_LINERIGHT = 1;
constexpr int SB_PAGELEFT = 2;
constexpr int SB_PAGERIGHT = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_LEFT = 6;
constexpr int SB_RIGHT = 7;
constexpr int SB_ENDSCROLL = 8;

// System metrics and parameters
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr UINT SPI_GETWORKAREA = 0x0030;

// Sound
constexpr DWORD SND_SYNC = 0x0000;
constexpr DWORD SND_ASYNC = 0x0001;
constexpr DWORD SND_NOSTOP = 0x0010;
constexpr DWORD SND_NOWAIT = 0x00002000;
constexpr DWORD SND_RESOURCE = 0x00040004;

// Cursor
constexpr UINT IDC_ARROW = 32512;

// Screens
constexpr DWORD MONITOR_DEFAULTTONULL = 0;
constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 1;

}  // namespace pv
