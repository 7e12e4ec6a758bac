#include "common/shortcut_text.h"

#include <cctype>

#include "calendar/number_text.h"

namespace zenka {
namespace {

struct NamedKey {
    uint16_t key;
    std::string_view name;
};

// Keys besides letters, digits and F1..F24, by the names Windows shortcut
// texts give them.
constexpr NamedKey kNamedKeys[] = {
    {vk::kBack, "BkSp"},
    {vk::kTab, "Tab"},
    {vk::kReturn, "Enter"},
    {vk::kPause, "Pause"},
    {vk::kEscape, "Esc"},
    {vk::kSpace, "Space"},
    {vk::kPrior, "PgUp"},
    {vk::kNext, "PgDn"},
    {vk::kEnd, "End"},
    {vk::kHome, "Home"},
    {vk::kLeft, "Left"},
    {vk::kUp, "Up"},
    {vk::kRight, "Right"},
    {vk::kDown, "Down"},
    {vk::kInsert, "Ins"},
    {vk::kDelete, "Del"},
    {vk::kNumpad0 + 0, "Num 0"},
    {vk::kNumpad0 + 1, "Num 1"},
    {vk::kNumpad0 + 2, "Num 2"},
    {vk::kNumpad0 + 3, "Num 3"},
    {vk::kNumpad0 + 4, "Num 4"},
    {vk::kNumpad0 + 5, "Num 5"},
    {vk::kNumpad0 + 6, "Num 6"},
    {vk::kNumpad0 + 7, "Num 7"},
    {vk::kNumpad0 + 8, "Num 8"},
    {vk::kNumpad0 + 9, "Num 9"},
    {vk::kMultiply, "Num *"},
    {vk::kAdd, "Num +"},
    {vk::kSubtract, "Num -"},
    {vk::kDecimal, "Num ."},
    {vk::kDivide, "Num /"},
};

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Upper(a[i]) != Upper(b[i])) return false;
    }
    return true;
}

bool ConsumePrefix(std::string_view& text, std::string_view prefix) {
    if (text.size() < prefix.size() || !EqualsIgnoringCase(text.substr(0, prefix.size()), prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

std::string KeyName(uint16_t key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= vk::kF1 && key < vk::kF1 + 24) return "F" + std::to_string(key - vk::kF1 + 1);
    for (const auto& named : kNamedKeys) {
        if (named.key == key) return std::string(named.name);
    }
    return {};
}

uint16_t KeyOfName(std::string_view name) {
    // Empty text, or prefixes with nothing after them ("Ctrl+"), name no key.
    if (name.empty()) return 0;
    if (name.size() == 1) {
        const char c = Upper(name[0]);
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<uint16_t>(c);
        return 0;
    }
    if (name.size() <= 3 && Upper(name[0]) == 'F') {
        // "F01" is not a name Windows gives.
        const auto number = ReadNumber(name.substr(1), {.leadingZeros = false, .min = 1, .max = 24});
        return number ? static_cast<uint16_t>(vk::kF1 + *number - 1) : 0;
    }
    for (const auto& named : kNamedKeys) {
        if (EqualsIgnoringCase(named.name, name)) return named.key;
    }
    return 0;
}

}  // namespace

Shortcut TextToShortcut(std::string_view text) {
    Shortcut shortcut;
    for (;;) {
        if (ConsumePrefix(text, "Shift+")) {
            shortcut.shift = true;
        } else if (ConsumePrefix(text, "Ctrl+")) {
            shortcut.ctrl = true;
        } else if (ConsumePrefix(text, "Alt+")) {
            shortcut.alt = true;
        } else {
            break;
        }
    }
    shortcut.key = KeyOfName(text);
    return shortcut.key == 0 ? Shortcut{} : shortcut;
}

std::string ShortcutToText(const Shortcut& shortcut) {
    std::string name = KeyName(shortcut.key);
    if (shortcut.IsNone() || name.empty()) return {};
    std::string text;
    if (shortcut.shift) text += "Shift+";
    if (shortcut.ctrl) text += "Ctrl+";
    if (shortcut.alt) text += "Alt+";
    return text + name;
}

bool HasKeyName(uint16_t key) { return key != 0 && !KeyName(key).empty(); }

}  // namespace zenka
