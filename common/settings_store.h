// Typed access to the settings: every value is kept as text, and each type
// has its reading rule and its default for text that is missing or cannot
// be read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/key_store.h"
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

    KeyStore& Keys() { return keys_; }

private:
    KeyStore& keys_;
};

}  // namespace zenka
