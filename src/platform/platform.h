// The windowing, graphics, kernel and multimedia services the game calls, under the names the
// game was written against. This class keeps the state every implementation shares (windows and
// their controls, menus, graphics objects, timers and the message queue) so that the game behaves
// the same in tests and on screen. An implementation mirrors that state on its own widgets
// through Reflect() and supplies what only it can: time, screen size, waiting for input, sound.
// Below it lies only the catalogue of built-in resources; the game stands on it, and the Qt
// implementation in qt/ sits at the very top, where it starts the game.
#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/list_box.h"
#include "platform/win32.h"

namespace pv {

// What changed on a window, so that an implementation can bring its widget up to date.
enum class Change {
    Created,
    Destroyed,
    Visible,
    Enabled,
    Text,
    Font,
    Image,
    Scroll,
    List,
    Focus,
    Geometry,
    Background,
    Menu,
};

// The largest factor a window can be shown at (Platform::SetZoom).
constexpr int kLargestZoom = 4;

struct Window {
    HWND handle = 0;
    std::string className;
    std::string text;
    bool textIsUtf8 = false;  // set through SetWindowTextW: any script, not Windows-1252
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    HWND parent = 0;
    UINT id = 0;
    bool visible = false;
    bool enabled = true;
    bool minimized = false;  // top-level windows: shown only as an icon or in a task bar
    HFONT font = 0;
    HANDLE image = 0;
    WPARAM imageType = IMAGE_ICON;
    int scrollMin = 0;
    int scrollMax = 100;
    int scrollPos = 0;
    ListBox list;
    // Top-level windows only: their class.
    WNDCLASSEXA* windowClass = nullptr;
    HICON icon = 0;
    HBRUSH background = 0;
    HMENU menu = 0;
};

struct FontSpec {
    int height = 0;
    int width = 0;
    int weight = 0;
    bool italic = false;
    DWORD pitchAndFamily = 0;
    std::string face;
};

enum class GdiKind { Font, StockFont, Brush, Bitmap };

struct GdiObject {
    GdiKind kind = GdiKind::Brush;
    COLORREF colour = 0;  // brushes
    FontSpec font;        // fonts
    UINT resource = 0;    // bitmaps
};

struct MenuItem {
    std::string text;
    bool textIsUtf8 = false;  // inserted through InsertMenuW
    UINT id = 0;
    bool separator = false;
    bool checked = false;
    bool grayed = false;
    bool disabled = false;
    std::vector<MenuItem> items;  // a pop-up's items; empty for a command
    bool popup = false;
};

struct Menu {
    HMENU handle = 0;
    UINT resource = 0;
    std::vector<MenuItem> bar;
};

class Platform {
  public:
    Platform();
    virtual ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    // Kernel
    HINSTANCE GetModuleHandleA(const char* name);
    const char* GetCommandLineA();
    virtual DWORD GetTickCount() = 0;
    virtual void GetLocalTime(SYSTEMTIME* time) = 0;
    // Where the game's files are read and written: by default the system's own.
    virtual FileSystem& Files();

    // Windows and controls
    ATOM RegisterClassExA(const WNDCLASSEXA* windowClass);
    HWND CreateWindowExA(DWORD exStyle, const char* className, const char* text, DWORD style, int x,
                         int y, int width, int height, HWND parent, UINT menuOrId,
                         HINSTANCE instance, void* param);
    BOOL DestroyWindow(HWND window);
    BOOL ShowWindow(HWND window, int command);
    BOOL UpdateWindow(HWND window);
    BOOL EnableWindow(HWND window, BOOL enable);
    BOOL IsWindowVisible(HWND window) const;
    BOOL IsWindowEnabled(HWND window) const;
    BOOL IsIconic(HWND window) const;
    // Enabled and shown, with every window it lies in: what a user can click.
    bool Usable(HWND control) const;
    BOOL SetWindowTextA(HWND window, const char* text);
    BOOL SetWindowTextW(HWND window, const wchar_t* text);
    int GetWindowTextA(HWND window, char* buffer, int size) const;
    int GetWindowTextLengthA(HWND window) const;
    HWND GetParent(HWND window) const;
    HWND SetFocus(HWND window);
    HWND GetFocus() const { return focus_; }
    BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
    virtual BOOL GetWindowRect(HWND window, RECT* rect);
    BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
    DWORD SetClassLongA(HWND window, int index, LONG value);
    HBRUSH ClassBackground(HWND window) const;  // the class brush (or system colour + 1)
    virtual int GetSystemMetrics(int index) = 0;
    // The screen that shows the largest part of rect (screens count from 1). With
    // MONITOR_DEFAULTTONULL a rectangle on no screen gives 0; otherwise it gives the primary.
    HMONITOR MonitorFromRect(const RECT* rect, DWORD flags);
    // SPI_GETWORKAREA only: the primary screen less what the desktop keeps for its own panels,
    // into a RECT. By default the whole primary screen.
    virtual BOOL SystemParametersInfoA(UINT action, UINT param, void* data, UINT winIni);
    // How many times its size every window is shown at, 1 to 4. The model keeps its own
    // coordinates: only what is on screen grows.
    virtual void SetZoom(int factor) = 0;
    // The dots per inch the window is drawn at: 96 on an ordinary screen, more where the desktop
    // scales everything up. By default 96.
    virtual UINT GetDpiForWindow(HWND window);

    // Messages
    LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Returns 1 for a message, 0 for WM_QUIT, -1 when no message can come any more.
    BOOL GetMessageA(MSG* message, HWND window, UINT first, UINT last);
    BOOL PeekMessageA(MSG* message);
    BOOL TranslateMessage(const MSG* message);
    LRESULT DispatchMessageA(const MSG* message);
    void PostQuitMessage(int exitCode);
    LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    UINT SetTimer(HWND window, UINT id, UINT milliseconds, void* callback);
    BOOL KillTimer(HWND window, UINT id);

    // Menus
    HMENU LoadMenuA(HINSTANCE instance, UINT resource);
    BOOL SetMenu(HWND window, HMENU menu);
    DWORD CheckMenuItem(HMENU menu, UINT id, UINT check);
    DWORD EnableMenuItem(HMENU menu, UINT idOrPosition, UINT enable);
    // MF_BYCOMMAND only: the new item goes before the item `before` in its pop-up.
    BOOL InsertMenuW(HMENU menu, UINT before, UINT flags, UINT id, const wchar_t* text);
    // Adds an item at the end of a pop-up: with MF_BYPOSITION the bar's pop-up at that place,
    // else the pop-up item appended with that id. With MF_POPUP the new item is itself an empty
    // pop-up, known by `id`, for the items appended to it in turn.
    BOOL AppendMenuW(HMENU menu, UINT popup, UINT flags, UINT id, const wchar_t* text);
    BOOL DeleteMenu(HMENU menu, UINT id, UINT flags);
    // Shows the window's menu again after items came or went, once for all of them.
    BOOL DrawMenuBar(HWND window);
    // What a user can pick: the command item `id` of the window's menu, with the item and every
    // menu above it enabled, in a usable window.
    bool MenuItemUsable(HWND window, UINT id) const;

    // Dialogs, modal: the owner is disabled while one is open. AskTextW is the one dialog box
    // that would be built from a template: a caption, a prompt and a line to type into, with OK
    // and Cancel. False when cancelled.
    int MessageBoxW(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
    bool AskTextW(HWND owner, const wchar_t* caption, const wchar_t* prompt, std::wstring& answer);

    // Resources and graphics
    HICON LoadIconA(HINSTANCE instance, UINT resource);
    HCURSOR LoadCursorA(HINSTANCE instance, UINT resource);
    HBITMAP LoadBitmapA(HINSTANCE instance, UINT resource);
    HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                      DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                      DWORD outPrecision, DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily,
                      const char* face);
    HGDIOBJ GetStockObject(int index);
    HBRUSH CreateSolidBrush(COLORREF colour);
    BOOL DeleteObject(HGDIOBJ object);

    // Scroll bars
    BOOL SetScrollRange(HWND bar, int which, int minimum, int maximum, BOOL redraw);
    int SetScrollPos(HWND bar, int which, int position, BOOL redraw);
    int GetScrollPos(HWND bar, int which) const;

    // Resources that the game copies out: the songs. A resource handle is its identifier.
    HANDLE FindResourceA(HMODULE module, UINT resource, const char* type);
    DWORD SizeofResource(HMODULE module, HANDLE found);
    HANDLE LoadResource(HMODULE module, HANDLE found);
    const void* LockResource(HANDLE loaded);

    // Language: the translation of a text a person sees or hears, as UTF-8, looked up by its
    // context and English source; by default the source itself (platform/translate.h).
    virtual std::string Translate(const char* context, const char* text);
    // A text with %n in the form for n, %n replaced by n; by default the English, `one` for 1.
    virtual std::string TranslatePlural(const char* context, const char* text, const char* one,
                                        long n);
    // Speak one of Languages() from now on; "" for the desktop's. True when that changes the
    // texts, which the game then sets again. By default nothing changes.
    virtual bool SetLanguage(const std::string& code);
    // The languages the game has catalogues for, English among them, by code in a steady order
    // ("de", "en", "pt_BR"); by default English alone.
    virtual std::vector<std::string> Languages();
    // A language named in its own words ("Deutsch"), for the menu that offers it.
    virtual std::string LanguageName(const std::string& code);

    // Sound
    virtual BOOL PlaySoundA(UINT resource, HMODULE module, DWORD flags) = 0;
    virtual DWORD mciSendStringA(const char* command, char* result, UINT resultSize,
                                 HWND notify) = 0;

    // What the windows, menus and objects hold now: for tests and for the widgets that
    // mirror them.
    const Window* Find(HWND window) const;
    const Menu* FindMenu(HMENU menu) const;
    const MenuItem* FindMenuItem(HMENU menu, UINT id) const;
    const GdiObject* FindObject(HGDIOBJ object) const;
    std::size_t CountObjects(GdiKind kind) const;
    const std::vector<HWND>& Children(HWND parent) const;
    HWND FindChild(HWND parent, UINT id) const;  // the first child with that identifier
    std::size_t QueuedMessages() const { return queue_.size(); }
    bool TimerRunning(UINT id) const;

    // Input from the user's side, queued as the messages the window procedure expects.
    void TimerFired(HWND window, UINT id);
    void TextTyped(HWND window, const std::string& text);  // the user edited a control's text
    void Minimized(HWND window, bool minimized);  // the user minimised or restored the window

  protected:
    // A control's notification (lParam names the control) or a menu pick (WM_COMMAND with lParam
    // 0), handed to the window procedure at once, as the control's own window procedure sends it:
    // the input that follows then meets the controls as the game left them (a button disabled by
    // its first click takes no second). Whatever was queued before it runs first, as the input
    // that caused it came later. A click or pick the user could not make says nothing.
    LRESULT SendNotification(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // The dialogs themselves, shown and answered while their owner is disabled.
    virtual int RunMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption,
                              UINT type) = 0;
    virtual bool RunTextDialog(HWND owner, const wchar_t* caption, const wchar_t* prompt,
                               std::wstring& answer) = 0;

    // The screens' rectangles in virtual-desktop coordinates, the primary first. By default one
    // screen of the size GetSystemMetrics reports.
    virtual std::vector<RECT> Screens();

    // The bytes of a built-in song, or none.
    struct Bytes {
        const void* data = nullptr;
        std::size_t size = 0;
    };
    virtual Bytes ResourceBytes(UINT resource) = 0;

    // Bring the widget of a window up to date after a change of the model.
    virtual void Reflect(HWND window, Change what) = 0;
    virtual void ReflectMenu(HMENU menu) = 0;
    // Wait for the user's side to queue something. Returns false when nothing more can come.
    virtual bool WaitForInput() = 0;
    virtual void StartTimer(HWND window, UINT id, UINT milliseconds) = 0;
    virtual void StopTimer(HWND window, UINT id) = 0;

    Window* FindMutable(HWND window);

  private:
    HANDLE NewHandle() { return nextHandle_++; }
    LRESULT CallWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Keys go to the focus: a control that hides or is disabled while it (or a control in it) has
    // the focus hands it to its top-level window, so that keys reach the game again.
    void FocusBackFrom(HWND control);
    bool CouldMake(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;
    LRESULT ControlMessage(Window& control, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT ListMessage(Window& control, UINT message, WPARAM wParam, LPARAM lParam);
    MenuItem* FindItem(HMENU menu, UINT idOrPosition, UINT flags);
    BOOL SetText(HWND window, std::string text, bool utf8);

    HANDLE nextHandle_ = 0x10000;
    std::map<std::string, WNDCLASSEXA> classes_;
    std::map<HWND, Window> windows_;
    std::map<HWND, std::vector<HWND>> children_;
    std::map<HMENU, Menu> menus_;
    std::map<HGDIOBJ, GdiObject> objects_;
    std::map<UINT, HWND> timers_;
    std::deque<MSG> queue_;
    HWND focus_ = 0;
    bool quitPosted_ = false;
    int quitCode_ = 0;
};

}  // namespace pv
