// Typed access to the settings: every value is kept as text, and each type
// has its reading rule and its default for text that is missing or cannot
// be read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/key_store.h"
#include "common/setting_names.h"
#include "common/shortcut_text.h"
#include "common/color.h"

namespace zenka {

class SettingsStore {
public:
    explicit SettingsStore(KeyStore& keys) : keys_(keys) {}

    int32_t ReadInteger(std::string_view section, std::string_view name, int32_t defaultValue);
    // Read as an integer with the default 1 or 0; any number but 0 is true.
    bool ReadBool(std::string_view section, std::string_view name, bool defaultValue);
    std::string ReadString(std::string_view section, std::string_view name, std::string_view defaultValue);
    Color ReadColor(std::string_view section, std::string_view name, Color defaultValue);
    // Empty text is no shortcut; so is text naming no key.
    Shortcut ReadShortcut(std::string_view section, std::string_view name, const Shortcut& defaultValue);

    // Writes report nothing: a value that cannot be written keeps what it had.
    void WriteInteger(std::string_view section, std::string_view name, int32_t value);
    void WriteBool(std::string_view section, std::string_view name, bool value);
    void WriteString(std::string_view section, std::string_view name, std::string_view value);
    void WriteColor(std::string_view section, std::string_view name, Color value);
    void WriteShortcut(std::string_view section, std::string_view name, const Shortcut& value);

    void EraseSection(std::string_view section);

    // The same, for a setting named by its constant.
    int32_t ReadInteger(const SettingName& n, int32_t d) { return ReadInteger(n.section, n.value, d); }
    bool ReadBool(const SettingName& n, bool d) { return ReadBool(n.section, n.value, d); }
    std::string ReadString(const SettingName& n, std::string_view d) { return ReadString(n.section, n.value, d); }
    Color ReadColor(const SettingName& n, Color d) { return ReadColor(n.section, n.value, d); }
    Shortcut ReadShortcut(const SettingName& n, const Shortcut& d) { return ReadShortcut(n.section, n.value, d); }
    void WriteInteger(const SettingName& n, int32_t v) { WriteInteger(n.section, n.value, v); }
    void WriteBool(const SettingName& n, bool v) { WriteBool(n.section, n.value, v); }
    void WriteString(const SettingName& n, std::string_view v) { WriteString(n.section, n.value, v); }
    void WriteColor(const SettingName& n, Color v) { WriteColor(n.section, n.value, v); }
    void WriteShortcut(const SettingName& n, const Shortcut& v) { WriteShortcut(n.section, n.value, v); }

    KeyStore& Keys() { return keys_; }

private:
    KeyStore& keys_;
};

}  // namespace zenka
