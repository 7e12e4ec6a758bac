#include "controls/hot_key_control_win.h"

#include <commctrl.h>

namespace zenka {
namespace {

// Keys the field names after the navigation block rather than the number
// pad.
bool IsExtendedKey(uint16_t key) {
    return (key >= vk::kPrior && key <= vk::kDown) || key == vk::kInsert || key == vk::kDelete ||
           key == vk::kDivide;
}

}  // namespace

Shortcut HotKeyFieldValue(HWND field) {
    const auto value = static_cast<WORD>(SendMessageW(field, HKM_GETHOTKEY, 0, 0));
    const BYTE modifiers = HIBYTE(value);
    Shortcut shortcut;
    shortcut.key = LOBYTE(value);
    if (shortcut.key == 0) return {};
    shortcut.shift = (modifiers & HOTKEYF_SHIFT) != 0;
    shortcut.ctrl = (modifiers & HOTKEYF_CONTROL) != 0;
    shortcut.alt = (modifiers & HOTKEYF_ALT) != 0;
    return shortcut;
}

void SetHotKeyFieldValue(HWND field, const Shortcut& shortcut) {
    BYTE modifiers = 0;
    if (shortcut.shift) modifiers |= HOTKEYF_SHIFT;
    if (shortcut.ctrl) modifiers |= HOTKEYF_CONTROL;
    if (shortcut.alt) modifiers |= HOTKEYF_ALT;
    if (IsExtendedKey(shortcut.key)) modifiers |= HOTKEYF_EXT;
    SendMessageW(field, HKM_SETHOTKEY, MAKEWORD(static_cast<BYTE>(shortcut.key), modifiers), 0);
}

}  // namespace zenka
