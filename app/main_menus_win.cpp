#include "app/main_menus_win.h"

#include <string>

#include "common/utf16_win.h"

namespace zenka {

HMENU CreatePopupMenuFrom(std::span<const MenuItemDef> items) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    for (const MenuItemDef& item : items) {
        std::wstring caption = Widen(item.caption);
        if (item.shortcut != 0) caption += L'\t' + std::wstring(1, static_cast<wchar_t>(item.shortcut));
        AppendMenuW(menu, MF_STRING, item.command, caption.c_str());
        if (item.separatorAfter) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    }
    return menu;
}

void SetMenuCheck(HMENU menu, MenuCommand command, bool checked) {
    CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool MenuChecked(HMENU menu, MenuCommand command) {
    return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

}  // namespace zenka
