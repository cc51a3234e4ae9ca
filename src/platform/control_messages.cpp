// What controls answer on their own: fonts and pictures, list-box messages, scroll bars.
#include "platform/platform.h"

#include <algorithm>
#include <cstring>

namespace pv {

namespace {

// List-box messages carry their text in lParam, as the system's do.
const char* TextOf(LPARAM lParam) {
    return reinterpret_cast<const char*>(lParam);  // NOLINT(performance-no-int-to-ptr)
}

}  // namespace

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

}  // namespace pv
