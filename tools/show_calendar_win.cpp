// zenka-show-calendar: for the run script. Waits for a running Zenka to
// finish starting, and if its calendar window is hidden, presses the hot
// key the settings name, as the user would, until the window shows (the
// hot key does nothing during the start-up wait). Exits 0 once the
// calendar is visible, 1 when it could not be shown.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "app/calendar_hot_key.h"
#include "app/main_window_ids.h"
#include "app/registry_key_store_win.h"
#include "common/settings_store.h"

namespace {

using namespace zenka;

constexpr DWORD kStartPatience = 30000;  // ms
constexpr DWORD kShowPatience = 65000;   // longer than the longest start-up wait

HWND StartedZenkaWindow() {
    HWND window = FindWindowW(kMainWindowClass, nullptr);
    if (!window) return nullptr;
    // The caption is filled in at the end of the start-up.
    return GetWindowTextLengthW(GetDlgItem(window, idLabel1)) > 0 ? window : nullptr;
}

void AddKey(std::vector<INPUT>& inputs, WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
}

void Press(const HotKeyRegistration& hotKey) {
    std::vector<WORD> modifiers;
    if (hotKey.modifiers & kModControl) modifiers.push_back(VK_CONTROL);
    if (hotKey.modifiers & kModShift) modifiers.push_back(VK_SHIFT);
    if (hotKey.modifiers & kModAlt) modifiers.push_back(VK_MENU);
    std::vector<INPUT> inputs;
    for (WORD key : modifiers) AddKey(inputs, key, false);
    AddKey(inputs, hotKey.key, false);
    AddKey(inputs, hotKey.key, true);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) AddKey(inputs, *it, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

int main() {
    HWND window = nullptr;
    for (DWORD waited = 0; !(window = StartedZenkaWindow()) && waited < kStartPatience; waited += 100) Sleep(100);
    if (!window) {
        std::fprintf(stderr, "zenka-show-calendar: Zenka is not running\n");
        return 1;
    }
    RegistryKeyStore keys;
    SettingsStore store(keys);
    const auto hotKey = HotKeyFor(store.ReadShortcut("Form", "HotKey1", kDefaultCalendarHotKey), false);
    for (DWORD waited = 0; waited < kShowPatience; waited += 1000) {
        if (IsWindowVisible(window)) return 0;
        if (!hotKey) break;
        Press(*hotKey);
        Sleep(1000);
    }
    if (IsWindowVisible(window)) return 0;
    std::fprintf(stderr, "zenka-show-calendar: the calendar did not show; is a hot key set (Form/HotKey1)?\n");
    return 1;
}
