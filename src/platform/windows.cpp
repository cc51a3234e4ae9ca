// Windows and controls: their classes, creation and destruction, and what the game sets on them
// (visibility, enabling, text, focus, position); the screens they lie on.
#include "platform/platform.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "platform/text.h"

namespace pv {

namespace {

bool IsControlClass(const std::string& name) {
    return name == "BUTTON" || name == "STATIC" || name == "EDIT" || name == "SCROLLBAR" ||
           name == "LISTBOX";
}

}  // namespace

ATOM Platform::RegisterClassExA(const WNDCLASSEXA* windowClass) {
    if (windowClass == nullptr || windowClass->lpszClassName == nullptr) return 0;
    classes_[windowClass->lpszClassName] = *windowClass;
    return static_cast<ATOM>(classes_.size());
}

HWND Platform::CreateWindowExA(DWORD exStyle, const char* className, const char* text, DWORD style,
                               int x, int y, int width, int height, HWND parent, UINT menuOrId,
                               HINSTANCE /*instance*/, void* /*param*/) {
    std::string name = className != nullptr ? className : "";
    auto registered = classes_.find(name);
    if (registered == classes_.end() && !IsControlClass(name)) return 0;
    if (parent != 0 && Find(parent) == nullptr) return 0;

    Window w;
    w.handle = NewHandle();
    w.className = name;
    w.text = text != nullptr ? text : "";
    w.style = style;
    w.exStyle = exStyle;
    w.x = x;
    w.y = y;
    w.width = width;
    w.height = height;
    w.parent = parent;
    w.id = (style & WS_CHILD) != 0 ? menuOrId : 0;
    w.visible = (style & WS_VISIBLE) != 0;
    w.enabled = (style & WS_DISABLED) == 0;
    w.list = ListBox(name == "LISTBOX" && (style & LBS_SORT) != 0);
    if (registered != classes_.end()) {
        w.windowClass = &registered->second;
        w.icon = registered->second.hIcon;
    }
    HWND handle = w.handle;
    windows_.emplace(handle, std::move(w));
    if (parent != 0) children_[parent].push_back(handle);
    Reflect(handle, Change::Created);

    if (registered != classes_.end() && CallWindowProc(handle, WM_CREATE, 0, 0) == -1) {
        DestroyWindow(handle);
        return 0;
    }
    return handle;
}

BOOL Platform::DestroyWindow(HWND window) {
    Window* w = FindMutable(window);
    if (w == nullptr) return FALSE;
    // A window is hidden before it hears of its destruction, and its children still exist
    // while it does.
    if (w->visible) {
        w->visible = false;
        Reflect(window, Change::Visible);
    }
    CallWindowProc(window, WM_DESTROY, 0, 0);
    for (auto it = timers_.begin(); it != timers_.end();) {
        if (it->second == window) {
            StopTimer(window, it->first);
            it = timers_.erase(it);
        } else {
            ++it;
        }
    }
    std::vector<HWND> kids = Children(window);
    for (HWND child : kids) DestroyWindow(child);
    Reflect(window, Change::Destroyed);
    HWND parent = Find(window)->parent;
    if (parent != 0) {
        auto& siblings = children_[parent];
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    }
    children_.erase(window);
    windows_.erase(window);
    if (focus_ == window) focus_ = 0;
    return TRUE;
}

BOOL Platform::ShowWindow(HWND window, int command) {
    Window* w = FindMutable(window);
    if (w == nullptr) return FALSE;
    BOOL was = w->visible ? TRUE : FALSE;
    w->visible = command != SW_HIDE;
    Reflect(window, Change::Visible);
    if (command == SW_HIDE) FocusBackFrom(window);
    return was;
}

BOOL Platform::UpdateWindow(HWND window) {
    return Find(window) != nullptr ? TRUE : FALSE;
}

BOOL Platform::EnableWindow(HWND window, BOOL enable) {
    Window* w = FindMutable(window);
    if (w == nullptr) return FALSE;
    bool was = w->enabled;
    w->enabled = enable != FALSE;
    Reflect(window, Change::Enabled);
    // As on the desktop, a window hears when it is enabled or disabled (a dialog over it).
    if (was != (enable != FALSE))
        SendMessageA(window, WM_ENABLE, enable != FALSE ? TRUE : FALSE, 0);
    if (enable == FALSE) FocusBackFrom(window);
    return was ? FALSE : TRUE;
}

BOOL Platform::IsWindowVisible(HWND window) const {
    const Window* w = Find(window);
    return w != nullptr && w->visible ? TRUE : FALSE;
}

BOOL Platform::IsWindowEnabled(HWND window) const {
    const Window* w = Find(window);
    return w != nullptr && w->enabled ? TRUE : FALSE;
}

BOOL Platform::IsIconic(HWND window) const {
    const Window* w = Find(window);
    return w != nullptr && w->minimized ? TRUE : FALSE;
}

BOOL Platform::SetText(HWND window, std::string text, bool utf8) {
    Window* w = FindMutable(window);
    if (w == nullptr) return FALSE;
    w->text = std::move(text);
    w->textIsUtf8 = utf8;
    Reflect(window, Change::Text);
    return TRUE;
}

BOOL Platform::SetWindowTextA(HWND window, const char* text) {
    return SetText(window, text != nullptr ? text : "", false);
}

BOOL Platform::SetWindowTextW(HWND window, const wchar_t* text) {
    return SetText(window, WideToUtf8(text != nullptr ? text : L""), true);
}

int Platform::GetWindowTextA(HWND window, char* buffer, int size) const {
    const Window* w = Find(window);
    if (buffer == nullptr || size <= 0) return 0;
    if (w == nullptr) {
        buffer[0] = '\0';
        return 0;
    }
    std::size_t n = std::min(w->text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, w->text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

int Platform::GetWindowTextLengthA(HWND window) const {
    const Window* w = Find(window);
    return w != nullptr ? static_cast<int>(w->text.size()) : 0;
}

void Platform::TextTyped(HWND window, const std::string& text) {
    Window* w = FindMutable(window);
    if (w != nullptr) w->text = text;
}

void Platform::Minimized(HWND window, bool minimized) {
    Window* w = FindMutable(window);
    if (w == nullptr || w->minimized == minimized) return;
    w->minimized = minimized;
    PostMessageA(window, WM_SIZE, minimized ? SIZE_MINIMIZED : SIZE_RESTORED,
                 MAKELPARAM(static_cast<WORD>(w->width), static_cast<WORD>(w->height)));
}

HWND Platform::GetParent(HWND window) const {
    const Window* w = Find(window);
    return w != nullptr ? w->parent : 0;
}

HWND Platform::SetFocus(HWND window) {
    HWND previous = focus_;
    if (Find(window) == nullptr) return 0;
    focus_ = window;
    Reflect(window, Change::Focus);
    return previous;
}

void Platform::FocusBackFrom(HWND control) {
    if (GetParent(control) == 0) return;
    bool inside = false;
    for (HWND w = focus_; w != 0 && !inside; w = GetParent(w)) inside = w == control;
    if (!inside) return;
    HWND top = control;
    while (GetParent(top) != 0) top = GetParent(top);
    SetFocus(top);
}

BOOL Platform::MoveWindow(HWND window, int x, int y, int width, int height, BOOL /*repaint*/) {
    Window* w = FindMutable(window);
    if (w == nullptr) return FALSE;
    w->x = x;
    w->y = y;
    w->width = width;
    w->height = height;
    Reflect(window, Change::Geometry);
    return TRUE;
}

BOOL Platform::GetWindowRect(HWND window, RECT* rect) {
    const Window* w = Find(window);
    if (w == nullptr || rect == nullptr) return FALSE;
    *rect = RECT{w->x, w->y, w->x + w->width, w->y + w->height};
    return TRUE;
}

HMONITOR Platform::MonitorFromRect(const RECT* rect, DWORD flags) {
    std::vector<RECT> screens = Screens();
    if (rect == nullptr || screens.empty()) return 0;
    HMONITOR found = 0;
    std::int64_t largest = 0;
    for (std::size_t i = 0; i < screens.size(); ++i) {
        const RECT& s = screens[i];
        // In 64 bits: a rectangle read from a file may lie anywhere.
        std::int64_t width = std::int64_t{std::min(rect->right, s.right)} -
                             std::int64_t{std::max(rect->left, s.left)};
        std::int64_t height = std::int64_t{std::min(rect->bottom, s.bottom)} -
                              std::int64_t{std::max(rect->top, s.top)};
        if (width > 0 && height > 0 && width * height > largest) {
            largest = width * height;
            found = static_cast<HMONITOR>(i + 1);
        }
    }
    if (found != 0 || flags == MONITOR_DEFAULTTONULL) return found;
    return 1;
}

std::vector<RECT> Platform::Screens() {
    return {RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}};
}

BOOL Platform::SystemParametersInfoA(UINT action, UINT /*param*/, void* data, UINT /*winIni*/) {
    if (action != SPI_GETWORKAREA || data == nullptr) return FALSE;
    std::vector<RECT> screens = Screens();
    if (screens.empty()) return FALSE;
    *static_cast<RECT*>(data) = screens.front();
    return TRUE;
}

UINT Platform::GetDpiForWindow(HWND window) {
    return Find(window) != nullptr ? USER_DEFAULT_SCREEN_DPI : 0;
}

BOOL Platform::InvalidateRect(HWND window, const RECT* /*rect*/, BOOL /*erase*/) {
    if (Find(window) == nullptr) return FALSE;
    Reflect(window, Change::Background);
    return TRUE;
}

DWORD Platform::SetClassLongA(HWND window, int index, LONG value) {
    Window* w = FindMutable(window);
    if (w == nullptr || w->windowClass == nullptr || index != GCL_HBRBACKGROUND) return 0;
    DWORD previous = w->windowClass->hbrBackground;
    w->windowClass->hbrBackground = static_cast<HBRUSH>(value);
    return previous;
}

HBRUSH Platform::ClassBackground(HWND window) const {
    const Window* w = Find(window);
    return w != nullptr && w->windowClass != nullptr ? w->windowClass->hbrBackground : 0;
}

}  // namespace pv
