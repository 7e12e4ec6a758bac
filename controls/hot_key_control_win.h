// The system's hot key field (msctls_hotkey32) read and written as a
// shortcut.
#pragma once

#include <windows.h>

#include "common/shortcut_text.h"

namespace zenka {

Shortcut HotKeyFieldValue(HWND field);
void SetHotKeyFieldValue(HWND field, const Shortcut& shortcut);

}  // namespace zenka
