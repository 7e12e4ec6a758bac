#include "app/single_instance_win.h"

#include "common/app_title.h"
#include "app/main_window_ids.h"
#include "controls/window_base_win.h"

namespace zenka {

const wchar_t* const kInstanceMutexName = L"ZenkaMutex";

namespace {

constexpr wchar_t kApplicationWindowClass[] = L"TApplication";

}  // namespace

HANDLE ClaimSingleInstance() {
    if (HANDLE running = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, kInstanceMutexName)) {
        CloseHandle(running);
        return nullptr;
    }
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        // Another start made it between the two calls.
        CloseHandle(mutex);
        return nullptr;
    }
    return mutex;
}

void ShowFirstInstancesCalendar() {
    HWND window = FindWindowW(kMainWindowClass, nullptr);
    if (!window) return;
    // This start is what the user just did, so it may hand the foreground
    // on; the running instance brings its window forward when it shows it.
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    AllowSetForegroundWindow(processId);
    PostMessageW(window, kShowCalendarMessage, 0, 0);
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner && IsIconic(owner)) SendMessageW(owner, WM_SYSCOMMAND, SC_RESTORE, -1);
}

HWND CreateApplicationWindow(HINSTANCE instance) {
    // Nothing but an owner: the system's default processing is all it does.
    RegisterWindowClass({kApplicationWindowClass}, DefWindowProcW);
    return CreateWindowExW(WS_EX_TOOLWINDOW, kApplicationWindowClass, kApplicationTitleW, WS_POPUP, 0, 0, 0, 0,
                           nullptr, nullptr, instance, nullptr);
}

}  // namespace zenka
