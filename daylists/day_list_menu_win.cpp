#include "daylists/day_list_menu_win.h"

#include <cstdint>
#include <utility>

#include "controls/panel_button_win.h"
#include "daylists/day_list_ids.h"

namespace zenka {
namespace {

// A picture of the flat buttons as a menu item's bitmap, in the menu's
// colours. Opaque: not every system draws a menu bitmap's alpha.
HBITMAP CreateMenuPicture(PanelGlyph glyph) {
    const int size = GetSystemMetrics(SM_CXSMICON);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT rect{0, 0, size, size};
    FillRect(dc, &rect, GetSysColorBrush(COLOR_MENU));
    DrawPanelGlyph(dc, rect, glyph, GetSysColor(COLOR_MENUTEXT), GetSysColor(COLOR_MENU));
    GdiFlush();
    auto* pixel = static_cast<uint32_t*>(bits);
    for (int i = 0; i < size * size; ++i) pixel[i] |= 0xFF000000;
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

// Removes a menu item with the separator before it.
void RemoveWithSeparator(HMENU menu, UINT command) {
    for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
        if (GetMenuItemID(menu, i) != command) continue;
        DeleteMenu(menu, i, MF_BYPOSITION);
        if (i > 0) DeleteMenu(menu, i - 1, MF_BYPOSITION);
        return;
    }
}

void EnableItem(HMENU menu, UINT command, bool enabled) {
    EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

DayListMenuPictures::DayListMenuPictures()
    : open_(CreateMenuPicture(PanelGlyph::Open)), save_(CreateMenuPicture(PanelGlyph::Save)) {}

DayListMenuPictures::~DayListMenuPictures() {
    if (open_) DeleteObject(open_);
    if (save_) DeleteObject(save_);
}

HMENU CreateDayListMenu(DayListKind tab, const ListMenuEnabling& enabling, bool autoEquinox,
                        const DayListMenuPictures& pictures) {
    HMENU bar = LoadMenuW(GetModuleHandleW(nullptr),
                          MAKEINTRESOURCEW(tab == DayListKind::Holiday ? IDR_HOLIDAY_LIST_MENU : IDR_DAY_LIST_MENU));
    if (!bar) return nullptr;
    HMENU menu = GetSubMenu(bar, 0);
    RemoveMenu(bar, 0, MF_BYPOSITION);  // the popup outlives the bar
    DestroyMenu(bar);

    EnableItem(menu, IDM_LIST_EDIT, enabling.edit);
    EnableItem(menu, IDM_LIST_UP, enabling.moveUp);
    EnableItem(menu, IDM_LIST_DOWN, enabling.moveDown);
    EnableItem(menu, IDM_LIST_DELETE, enabling.deleteSelected);
    EnableItem(menu, IDM_LIST_DELETE_ALL, enabling.deleteAll);
    if (!enabling.importShown) RemoveWithSeparator(menu, IDM_LIST_IMPORT);
    if (tab == DayListKind::Holiday) {
        CheckMenuItem(menu, IDM_LIST_AUTO_EQUINOX, MF_BYCOMMAND | (autoEquinox ? MF_CHECKED : MF_UNCHECKED));
    }
    // The open and save items carry the pictures of the flat buttons.
    for (const auto& [command, picture] : {std::pair{IDM_LIST_OPEN, pictures.Open()}, {IDM_LIST_SAVE, pictures.Save()}}) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_BITMAP;
        info.hbmpItem = picture;
        SetMenuItemInfoW(menu, command, FALSE, &info);
    }
    return menu;
}

}  // namespace zenka
