// Menus: loaded from their templates, attached to a window, their items checked and enabled.
#include "platform/platform.h"

#include <utility>
#include <vector>

#include "assets/catalogue.h"
#include "platform/text.h"

namespace pv {

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

namespace {

// Whether the command item `id` lies among `items` with itself and every pop-up above it enabled.
bool Reachable(const std::vector<MenuItem>& items, UINT id) {
    for (const MenuItem& item : items) {
        if (item.grayed || item.disabled || item.separator) continue;
        if (item.popup ? Reachable(item.items, id) : item.id == id) return true;
    }
    return false;
}

}  // namespace

bool Platform::MenuItemUsable(HWND window, UINT id) const {
    const Window* w = Find(window);
    const Menu* menu = w != nullptr ? FindMenu(w->menu) : nullptr;
    return menu != nullptr && Usable(window) && Reachable(menu->bar, id);
}

namespace {

// The items that hold the command item `id`, pop-ups searched too, and its place among them.
std::pair<std::vector<MenuItem>*, std::size_t> Holder(std::vector<MenuItem>& items, UINT id) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        MenuItem& item = items[i];
        if (item.popup) {
            auto found = Holder(item.items, id);
            if (found.first != nullptr) return found;
        } else if (!item.separator && item.id == id) {
            return {&items, i};
        }
    }
    return {nullptr, 0};
}

}  // namespace

BOOL Platform::InsertMenuW(HMENU menu, UINT before, UINT flags, UINT id, const wchar_t* text) {
    auto it = menus_.find(menu);
    if (it == menus_.end() || (flags & MF_BYPOSITION) != 0) return FALSE;
    auto [items, at] = Holder(it->second.bar, before);
    if (items == nullptr) return FALSE;
    MenuItem item;
    item.separator = (flags & MF_SEPARATOR) != 0;
    item.id = item.separator ? 0 : id;
    item.checked = (flags & MF_CHECKED) != 0;
    item.grayed = (flags & MF_GRAYED) != 0;
    item.text = WideToUtf8(text != nullptr ? text : L"");
    item.textIsUtf8 = true;
    items->insert(items->begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    return TRUE;
}

namespace {

std::vector<MenuItem>* PopupItems(std::vector<MenuItem>& items, UINT id) {
    for (MenuItem& item : items) {
        if (!item.popup) continue;
        if (item.id == id) return &item.items;
        if (std::vector<MenuItem>* found = PopupItems(item.items, id)) return found;
    }
    return nullptr;
}

}  // namespace

BOOL Platform::AppendMenuW(HMENU menu, UINT popup, UINT flags, UINT id, const wchar_t* text) {
    auto it = menus_.find(menu);
    if (it == menus_.end()) return FALSE;
    std::vector<MenuItem>& bar = it->second.bar;
    std::vector<MenuItem>* items = nullptr;
    if ((flags & MF_BYPOSITION) != 0) {
        if (popup < bar.size() && bar[popup].popup) items = &bar[popup].items;
    } else {
        items = PopupItems(bar, popup);
    }
    if (items == nullptr) return FALSE;
    MenuItem item;
    item.separator = (flags & MF_SEPARATOR) != 0;
    item.popup = (flags & MF_POPUP) != 0;
    item.id = item.separator ? 0 : id;
    item.checked = (flags & MF_CHECKED) != 0;
    item.text = WideToUtf8(text != nullptr ? text : L"");
    item.textIsUtf8 = true;
    items->push_back(std::move(item));
    return TRUE;
}

BOOL Platform::DeleteMenu(HMENU menu, UINT id, UINT flags) {
    auto it = menus_.find(menu);
    if (it == menus_.end() || (flags & MF_BYPOSITION) != 0) return FALSE;
    auto [items, at] = Holder(it->second.bar, id);
    if (items == nullptr) return FALSE;
    items->erase(items->begin() + static_cast<std::ptrdiff_t>(at));
    return TRUE;
}

BOOL Platform::DrawMenuBar(HWND window) {
    const Window* w = Find(window);
    if (w == nullptr || w->menu == 0) return FALSE;
    Reflect(window, Change::Menu);
    return TRUE;
}

}  // namespace pv
