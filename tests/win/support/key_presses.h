// Keys pressed the way the keyboard presses them, through the system's
// input queue: what reaches the window with the focus, or the hot key.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

namespace zenka::testing {

// Presses the keys in order and lets them go in the reverse order, as a
// user holds modifiers around a key.
inline void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    const auto add = [&inputs](WORD key, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (WORD key : keys) add(key, 0);
    for (auto it = keys.end(); it != keys.begin();) add(*--it, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace zenka::testing
