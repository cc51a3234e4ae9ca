#include "platform/platform.h"

#include <algorithm>
#include <cstring>

#include "assets/catalogue.h"

namespace pv {

namespace {

constexpr HINSTANCE kInstance = 1;

bool IsControlClass(const std::string& name) {
    return name == "BUTTON" || name == "STATIC" || name == "EDIT" || name == "SCROLLBAR" ||
           name == "LISTBOX";
}

// List-box messages carry their text in lParam, as the system's do.
const char* TextOf(LPARAM lParam) {
    return reinterpret_cast<const char*>(lParam);  // NOLINT(performance-no-int-to-ptr)
}

}  // namespace

Platform::Platform() = default;
Platform::~Platform() = default;

HINSTANCE Platform::GetModuleHandleA(const char* /*name*/) {
    return kInstance;
}

const char* Platform::GetCommandLineA() {
    return "pondivar";
}

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
    return was;
}

BOOL Platform::UpdateWindow(HWND window) {
    return Find(window) != nullptr ? TRUE : FALSE;
}

BOOL Platform::EnableWindow(HWND window, BOOL enable) {
    Window* w = FindMutable(window);
    if (w == nullptr) return FALSE;
    BOOL wasDisabled = w->enabled ? FALSE : TRUE;
    w->enabled = enable != FALSE;
    Reflect(window, Change::Enabled);
    return wasDisabled;
}

BOOL Platform::IsWindowVisible(HWND window) const {
    const Window* w = Find(window);
    return w != nullptr && w->visible ? TRUE : FALSE;
}

BOOL Platform::IsWindowEnabled(HWND window) const {
    const Window* w = Find(window);
    return w != nullptr && w->enabled ? TRUE : FALSE;
}

BOOL Platform::SetWindowTextA(HWND window, const char* text) {
    Window* w = FindMutable(window);
    if (w == nullptr) return FALSE;
    w->text = text != nullptr ? text : "";
    Reflect(window, Change::Text);
    return TRUE;
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

LRESULT Platform::SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = FindMutable(window);
    if (w == nullptr) return 0;
    if (w->windowClass != nullptr) return CallWindowProc(window, message, wParam, lParam);
    return ControlMessage(*w, message, wParam, lParam);
}

LRESULT Platform::SendNotification(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    while (!queue_.empty() && Find(window) != nullptr) {
        MSG earlier = queue_.front();
        queue_.pop_front();
        DispatchMessageA(&earlier);
    }
    // What ran first may have hidden or disabled the control that was clicked (a menu pick
    // made just before the click, both waiting while the program was busy): a control the user
    // can no longer see or use says nothing.
    if (message == WM_COMMAND && lParam != 0 && !Usable(static_cast<HWND>(lParam))) return 0;
    return SendMessageA(window, message, wParam, lParam);
}

bool Platform::Usable(HWND control) const {
    const Window* w = Find(control);
    if (w == nullptr || !w->enabled) return false;
    for (; w != nullptr; w = Find(w->parent)) {
        if (!w->visible) return false;
        if (w->parent == 0) break;
    }
    return true;
}

BOOL Platform::PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != 0 && Find(window) == nullptr) return FALSE;
    queue_.push_back(MSG{window, message, wParam, lParam});
    return TRUE;
}

BOOL Platform::GetMessageA(MSG* message, HWND /*window*/, UINT /*first*/, UINT /*last*/) {
    for (;;) {
        if (PeekMessageA(message)) return message->message == WM_QUIT ? 0 : 1;
        if (!WaitForInput()) return -1;
    }
}

BOOL Platform::PeekMessageA(MSG* message) {
    if (!queue_.empty()) {
        *message = queue_.front();
        queue_.pop_front();
        return TRUE;
    }
    // The quit message comes when nothing else is waiting.
    if (quitPosted_) {
        quitPosted_ = false;
        *message = MSG{0, WM_QUIT, static_cast<WPARAM>(quitCode_), 0};
        return TRUE;
    }
    return FALSE;
}

BOOL Platform::TranslateMessage(const MSG* /*message*/) {
    return FALSE;
}

LRESULT Platform::DispatchMessageA(const MSG* message) {
    if (message == nullptr || message->hwnd == 0) return 0;
    return SendMessageA(message->hwnd, message->message, message->wParam, message->lParam);
}

void Platform::PostQuitMessage(int exitCode) {
    quitPosted_ = true;
    quitCode_ = exitCode;
}

LRESULT Platform::DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
        SendMessageA(window, WM_CLOSE, 0, 0);
    } else if (message == WM_CLOSE) {
        DestroyWindow(window);
    }
    return 0;
}

UINT Platform::SetTimer(HWND window, UINT id, UINT milliseconds, void* /*callback*/) {
    if (Find(window) == nullptr || id == 0) return 0;
    timers_[id] = window;
    StartTimer(window, id, milliseconds);
    return id;
}

BOOL Platform::KillTimer(HWND window, UINT id) {
    auto it = timers_.find(id);
    if (it == timers_.end() || it->second != window) return FALSE;
    timers_.erase(it);
    StopTimer(window, id);
    queue_.erase(std::remove_if(queue_.begin(), queue_.end(),
                                [&](const MSG& m) {
                                    return m.message == WM_TIMER && m.hwnd == window &&
                                           m.wParam == id;
                                }),
                 queue_.end());
    return TRUE;
}

bool Platform::TimerRunning(UINT id) const {
    return timers_.count(id) != 0;
}

void Platform::TimerFired(HWND window, UINT id) {
    if (timers_.count(id) == 0) return;
    // Like the system's timer, at most one tick waits in the queue at a time.
    for (const MSG& m : queue_) {
        if (m.message == WM_TIMER && m.hwnd == window && m.wParam == id) return;
    }
    PostMessageA(window, WM_TIMER, id, 0);
}

void Platform::TextTyped(HWND window, const std::string& text) {
    Window* w = FindMutable(window);
    if (w != nullptr) w->text = text;
}

LRESULT Platform::CallWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Window* w = Find(window);
    if (w == nullptr) return 0;
    if (w->windowClass == nullptr || w->windowClass->lpfnWndProc == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return w->windowClass->lpfnWndProc(w->windowClass->context, window, message, wParam, lParam);
}

LRESULT Platform::ControlMessage(Window& control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFONT:
            control.font = static_cast<HFONT>(wParam);
            Reflect(control.handle, Change::Font);
            return 0;
        case STM_SETIMAGE: {
            HANDLE previous = control.image;
            control.image = static_cast<HANDLE>(lParam);
            control.imageType = wParam;
            Reflect(control.handle, Change::Image);
            return static_cast<LRESULT>(previous);
        }
        default:
            if (control.className == "LISTBOX") {
                return ListMessage(control, message, wParam, lParam);
            }
            return 0;
    }
}

LRESULT Platform::ListMessage(Window& control, UINT message, WPARAM wParam, LPARAM lParam) {
    ListBox& list = control.list;
    auto index = static_cast<int>(wParam);
    switch (message) {
        case LB_GETCOUNT:
            return list.Count();
        case LB_ADDSTRING: {
            int at = list.Add(TextOf(lParam) != nullptr ? TextOf(lParam) : "");
            Reflect(control.handle, Change::List);
            return at;
        }
        case LB_FINDSTRINGEXACT:
            return TextOf(lParam) != nullptr ? list.FindExact(TextOf(lParam)) : LB_ERR;
        case LB_RESETCONTENT:
            list.Clear();
            Reflect(control.handle, Change::List);
            return 0;
        case LB_GETTEXTLEN: {
            const std::string* line = list.At(index);
            return line != nullptr ? static_cast<LRESULT>(line->size()) : LB_ERR;
        }
        case LB_GETTEXT: {
            const std::string* line = list.At(index);
            char* out = reinterpret_cast<char*>(lParam);  // NOLINT(performance-no-int-to-ptr)
            if (line == nullptr || out == nullptr) return LB_ERR;
            std::memcpy(out, line->c_str(), line->size() + 1);
            return static_cast<LRESULT>(line->size());
        }
        case LB_DELETESTRING: {
            if (!list.Delete(index)) return LB_ERR;
            Reflect(control.handle, Change::List);
            return list.Count();
        }
        default:
            return 0;
    }
}

HMENU Platform::LoadMenuA(HINSTANCE /*instance*/, UINT resource) {
    std::size_t count = 0;
    const MenuTemplateItem* items = MenuTemplate(resource, count);
    if (items == nullptr) return 0;
    Menu menu;
    menu.handle = NewHandle();
    menu.resource = resource;
    std::vector<std::vector<MenuItem>*> levels = {&menu.bar};
    for (std::size_t i = 0; i < count; ++i) {
        const MenuTemplateItem& t = items[i];
        if (t.kind == MenuTemplateItem::End) {
            if (levels.size() > 1) levels.pop_back();
            continue;
        }
        MenuItem item;
        item.text = t.text;
        item.id = t.id;
        item.separator = t.kind == MenuTemplateItem::Separator;
        item.popup = t.kind == MenuTemplateItem::Popup;
        levels.back()->push_back(item);
        if (item.popup) levels.push_back(&levels.back()->back().items);
    }
    HMENU handle = menu.handle;
    menus_.emplace(handle, std::move(menu));
    return handle;
}

BOOL Platform::SetMenu(HWND window, HMENU menu) {
    Window* w = FindMutable(window);
    if (w == nullptr || (menu != 0 && FindMenu(menu) == nullptr)) return FALSE;
    w->menu = menu;
    Reflect(window, Change::Menu);
    return TRUE;
}

MenuItem* Platform::FindItem(HMENU menu, UINT idOrPosition, UINT flags) {
    auto it = menus_.find(menu);
    if (it == menus_.end()) return nullptr;
    std::vector<MenuItem>& bar = it->second.bar;
    if ((flags & MF_BYPOSITION) != 0) {
        return idOrPosition < bar.size() ? &bar[idOrPosition] : nullptr;
    }
    // By command: search the whole tree, pop-ups included.
    std::vector<std::vector<MenuItem>*> pending = {&bar};
    while (!pending.empty()) {
        std::vector<MenuItem>* level = pending.back();
        pending.pop_back();
        for (MenuItem& item : *level) {
            if (!item.separator && !item.popup && item.id == idOrPosition) return &item;
            if (item.popup) pending.push_back(&item.items);
        }
    }
    return nullptr;
}

DWORD Platform::CheckMenuItem(HMENU menu, UINT id, UINT check) {
    MenuItem* item = FindItem(menu, id, check);
    if (item == nullptr) return MENU_ITEM_MISSING;
    DWORD previous = item->checked ? MF_CHECKED : MF_UNCHECKED;
    item->checked = (check & MF_CHECKED) != 0;
    ReflectMenu(menu);
    return previous;
}

DWORD Platform::EnableMenuItem(HMENU menu, UINT idOrPosition, UINT enable) {
    MenuItem* item = FindItem(menu, idOrPosition, enable);
    if (item == nullptr) return MENU_ITEM_MISSING;
    DWORD previous = (item->grayed ? MF_GRAYED : 0) | (item->disabled ? MF_DISABLED : 0);
    item->grayed = (enable & MF_GRAYED) != 0;
    item->disabled = (enable & MF_DISABLED) != 0;
    ReflectMenu(menu);
    return previous;
}

HICON Platform::LoadIconA(HINSTANCE /*instance*/, UINT resource) {
    // An icon's handle is its identifier, so the same picture always gives the same value.
    return IsIconResource(resource) ? resource : 0;
}

HANDLE Platform::FindResourceA(HMODULE /*module*/, UINT resource, const char* type) {
    // Songs are the only resources the game copies out, and they are of type "MIDI".
    if (type == nullptr || std::strcmp(type, "MIDI") != 0) return 0;
    if (KindOf(resource) != ResourceKind::Song) return 0;
    return ResourceBytes(resource).data != nullptr ? resource : 0;
}

DWORD Platform::SizeofResource(HMODULE /*module*/, HANDLE found) {
    if (found == 0) return 0;
    return static_cast<DWORD>(ResourceBytes(found).size);
}

HANDLE Platform::LoadResource(HMODULE /*module*/, HANDLE found) {
    return found;
}

const void* Platform::LockResource(HANDLE loaded) {
    return loaded != 0 ? ResourceBytes(loaded).data : nullptr;
}

HCURSOR Platform::LoadCursorA(HINSTANCE /*instance*/, UINT resource) {
    return resource;
}

HBITMAP Platform::LoadBitmapA(HINSTANCE /*instance*/, UINT resource) {
    if (KindOf(resource) != ResourceKind::Bitmap) return 0;
    GdiObject object;
    object.kind = GdiKind::Bitmap;
    object.resource = resource;
    HBITMAP handle = NewHandle();
    objects_.emplace(handle, object);
    return handle;
}

HFONT Platform::CreateFontA(int height, int width, int /*escapement*/, int /*orientation*/,
                            int weight, DWORD italic, DWORD /*underline*/, DWORD /*strikeOut*/,
                            DWORD /*charSet*/, DWORD /*outPrecision*/, DWORD /*clipPrecision*/,
                            DWORD /*quality*/, DWORD pitchAndFamily, const char* face) {
    GdiObject object;
    object.kind = GdiKind::Font;
    object.font =
        FontSpec{height, width, weight, italic != 0, pitchAndFamily, face != nullptr ? face : ""};
    HFONT handle = NewHandle();
    objects_.emplace(handle, object);
    return handle;
}

HGDIOBJ Platform::GetStockObject(int index) {
    if (index != ANSI_FIXED_FONT) return 0;
    for (const auto& [handle, object] : objects_) {
        if (object.kind == GdiKind::StockFont) return handle;
    }
    GdiObject object;
    object.kind = GdiKind::StockFont;
    object.font = FontSpec{12, 8, 400, false, 0, "fixed"};
    HGDIOBJ handle = NewHandle();
    objects_.emplace(handle, object);
    return handle;
}

HBRUSH Platform::CreateSolidBrush(COLORREF colour) {
    GdiObject object;
    object.kind = GdiKind::Brush;
    object.colour = colour & 0x00FFFFFF;
    HBRUSH handle = NewHandle();
    objects_.emplace(handle, object);
    return handle;
}

BOOL Platform::DeleteObject(HGDIOBJ object) {
    auto it = objects_.find(object);
    if (it == objects_.end()) return FALSE;
    if (it->second.kind != GdiKind::StockFont) objects_.erase(it);  // stock objects stay
    return TRUE;
}

BOOL Platform::SetScrollRange(HWND bar, int /*which*/, int minimum, int maximum, BOOL /*redraw*/) {
    Window* w = FindMutable(bar);
    if (w == nullptr) return FALSE;
    w->scrollMin = minimum;
    w->scrollMax = maximum;
    w->scrollPos = std::clamp(w->scrollPos, minimum, std::max(minimum, maximum));
    Reflect(bar, Change::Scroll);
    return TRUE;
}

int Platform::SetScrollPos(HWND bar, int /*which*/, int position, BOOL /*redraw*/) {
    Window* w = FindMutable(bar);
    if (w == nullptr) return 0;
    int previous = w->scrollPos;
    w->scrollPos = std::clamp(position, w->scrollMin, std::max(w->scrollMin, w->scrollMax));
    Reflect(bar, Change::Scroll);
    return previous;
}

int Platform::GetScrollPos(HWND bar, int /*which*/) const {
    const Window* w = Find(bar);
    return w != nullptr ? w->scrollPos : 0;
}

const Window* Platform::Find(HWND window) const {
    auto it = windows_.find(window);
    return it != windows_.end() ? &it->second : nullptr;
}

Window* Platform::FindMutable(HWND window) {
    auto it = windows_.find(window);
    return it != windows_.end() ? &it->second : nullptr;
}

const Menu* Platform::FindMenu(HMENU menu) const {
    auto it = menus_.find(menu);
    return it != menus_.end() ? &it->second : nullptr;
}

const MenuItem* Platform::FindMenuItem(HMENU menu, UINT id) const {
    return const_cast<Platform*>(this)->FindItem(menu, id, MF_BYCOMMAND);
}

const GdiObject* Platform::FindObject(HGDIOBJ object) const {
    auto it = objects_.find(object);
    return it != objects_.end() ? &it->second : nullptr;
}

std::size_t Platform::CountObjects(GdiKind kind) const {
    return static_cast<std::size_t>(
        std::count_if(objects_.begin(), objects_.end(),
                      [&](const auto& entry) { return entry.second.kind == kind; }));
}

const std::vector<HWND>& Platform::Children(HWND parent) const {
    static const std::vector<HWND> kNone;
    auto it = children_.find(parent);
    return it != children_.end() ? it->second : kNone;
}

HWND Platform::FindChild(HWND parent, UINT id) const {
    for (HWND child : Children(parent)) {
        if (Find(child)->id == id) return child;
    }
    return 0;
}

}  // namespace pv
