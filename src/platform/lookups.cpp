// What the windows, menus and objects hold now, for tests and for the widgets that mirror them.
#include "platform/platform.h"

#include <algorithm>

namespace pv {

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
