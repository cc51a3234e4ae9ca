// Built-in resources (icons, cursors, bitmaps, songs) and the graphics objects: fonts, brushes.
#include "platform/platform.h"

#include <cstring>

#include "assets/catalogue.h"

namespace pv {

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

}  // namespace pv
