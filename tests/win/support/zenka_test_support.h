// Helpers of the tests that drive the main window, in this process or in a
// started zenka.exe: the settings key, messages, window texts.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/registry_key_store_win.h"
#include "common/utf16_win.h"
#include "tests/win/support/message_pump.h"

namespace zenka::testing {

// Each test starts and ends with no settings at all: the throwaway prefix
// is shared by every test of the run.
inline void ClearSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKeyPath); }

inline void SetSetting(const std::string& section, const std::string& name, const std::string& text) {
    RegistryKeyStore keys;
    keys.WriteText(section, name, text);
}

inline std::optional<std::string> Setting(const std::string& section, const std::string& name) {
    RegistryKeyStore keys;
    return keys.ReadText(section, name);
}

inline std::string WindowText(HWND hwnd) {
    std::wstring text(512, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

inline SIZE ClientSize(HWND hwnd) {
    RECT rect{};
    GetClientRect(hwnd, &rect);
    return {rect.right, rect.bottom};
}

}  // namespace zenka::testing
