#include "common/settings_store.h"

#include "calendar/number_text.h"
#include "common/color_text.h"

namespace zenka {

int32_t SettingsStore::ReadInteger(std::string_view section, std::string_view name, int32_t defaultValue) {
    const std::optional<std::string> text = keys_.ReadText(section, name);
    if (!text) return defaultValue;
    return ParseDecimal(*text).value_or(defaultValue);
}

bool SettingsStore::ReadBool(std::string_view section, std::string_view name, bool defaultValue) {
    return ReadInteger(section, name, defaultValue ? 1 : 0) != 0;
}

std::string SettingsStore::ReadString(std::string_view section, std::string_view name,
                                      std::string_view defaultValue) {
    return keys_.ReadText(section, name).value_or(std::string(defaultValue));
}

Color SettingsStore::ReadColor(std::string_view section, std::string_view name, Color defaultValue) {
    const std::optional<std::string> text = keys_.ReadText(section, name);
    if (!text) return defaultValue;
    return TextToColor(*text).value_or(defaultValue);
}

Shortcut SettingsStore::ReadShortcut(std::string_view section, std::string_view name,
                                     const Shortcut& defaultValue) {
    const std::optional<std::string> text = keys_.ReadText(section, name);
    if (!text) return defaultValue;
    return TextToShortcut(*text);
}

void SettingsStore::WriteInteger(std::string_view section, std::string_view name, int32_t value) {
    keys_.WriteText(section, name, std::to_string(value));
}

void SettingsStore::WriteBool(std::string_view section, std::string_view name, bool value) {
    keys_.WriteText(section, name, value ? "1" : "0");
}

void SettingsStore::WriteString(std::string_view section, std::string_view name, std::string_view value) {
    keys_.WriteText(section, name, value);
}

void SettingsStore::WriteColor(std::string_view section, std::string_view name, Color value) {
    keys_.WriteText(section, name, ColorToText(value));
}

void SettingsStore::WriteShortcut(std::string_view section, std::string_view name, const Shortcut& value) {
    keys_.WriteText(section, name, ShortcutToText(value));
}

void SettingsStore::EraseSection(std::string_view section) { keys_.EraseSection(section); }

}  // namespace zenka
