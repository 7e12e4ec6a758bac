// A keyboard shortcut as the settings keep it: a virtual-key code with Shift,
// Ctrl and Alt, written as text such as "Shift+Ctrl+J".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zenka {

// The Windows virtual-key codes the shortcut texts name. Letters and digits
// are their upper-case ASCII codes ('A' = 0x41, '0' = 0x30).
namespace vk {
constexpr uint16_t kBack = 0x08;
constexpr uint16_t kTab = 0x09;
constexpr uint16_t kReturn = 0x0D;
constexpr uint16_t kPause = 0x13;
constexpr uint16_t kEscape = 0x1B;
constexpr uint16_t kSpace = 0x20;
constexpr uint16_t kPrior = 0x21;  // Page Up
constexpr uint16_t kNext = 0x22;   // Page Down
constexpr uint16_t kEnd = 0x23;
constexpr uint16_t kHome = 0x24;
constexpr uint16_t kLeft = 0x25;
constexpr uint16_t kUp = 0x26;
constexpr uint16_t kRight = 0x27;
constexpr uint16_t kDown = 0x28;
constexpr uint16_t kInsert = 0x2D;
constexpr uint16_t kDelete = 0x2E;
constexpr uint16_t kNumpad0 = 0x60;  // .. kNumpad0 + 9
constexpr uint16_t kMultiply = 0x6A;
constexpr uint16_t kAdd = 0x6B;
constexpr uint16_t kSubtract = 0x6D;
constexpr uint16_t kDecimal = 0x6E;
constexpr uint16_t kDivide = 0x6F;
constexpr uint16_t kF1 = 0x70;  // .. kF1 + 23 for F24
}  // namespace vk

struct Shortcut {
    uint16_t key = 0;  // 0: no shortcut
    bool shift = false;
    bool ctrl = false;
    bool alt = false;

    bool IsNone() const { return key == 0; }
    bool operator==(const Shortcut&) const = default;
};

// Ctrl+Shift+J, the key that shows and hides the calendar unless the user
// picks another.
constexpr Shortcut kDefaultCalendarHotKey{'J', true, true, false};

// "Shift+", "Ctrl+" and "Alt+" in any order and letter case, then the key's
// name in any letter case. Empty text, and text naming no known key, give
// no shortcut.
Shortcut TextToShortcut(std::string_view text);

// Prefixes in the order Shift, Ctrl, Alt. No shortcut, or a key without a
// name, gives empty text.
std::string ShortcutToText(const Shortcut& shortcut);

// Whether a key can be written as text (and so kept across a restart).
bool HasKeyName(uint16_t key);

}  // namespace zenka
