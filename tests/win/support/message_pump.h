// This thread's messages (timers, posted closes, shell notifications)
// handled while a test waits.
#pragma once

#include <windows.h>

#include <functional>

namespace zenka::testing {

// Dispatches messages until done() or the time is up; says whether done.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= end) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// Dispatches messages for a while.
inline void PumpMessages(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

}  // namespace zenka::testing
