// The main window's two popup menus made from their item lists.
#pragma once

#include <windows.h>

#include <span>

#include "app/main_menus.h"

namespace zenka {

// A popup menu with the items in order, separators after the marked ones,
// shortcut letters at the right edge and unavailable items greyed. The
// caller destroys it.
HMENU CreatePopupMenuFrom(std::span<const MenuItemDef> items);

void SetMenuCheck(HMENU menu, MenuCommand command, bool checked);
bool MenuChecked(HMENU menu, MenuCommand command);

}  // namespace zenka
