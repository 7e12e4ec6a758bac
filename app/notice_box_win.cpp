#include "app/notice_box_win.h"

#include <cwchar>
#include <vector>

#include "common/app_title.h"
#include "common/utf16_win.h"

namespace zenka {

namespace {

// The notice boxes of this process, visible or not.
std::vector<HWND> NoticeWindows() {
    std::vector<HWND> found;
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(hwnd, &process);
            if (process != GetCurrentProcessId()) return TRUE;
            wchar_t title[32] = {};
            GetWindowTextW(hwnd, title, static_cast<int>(std::size(title)));
            if (std::wcscmp(title, kNoticeTitleW) == 0) reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// A window of a thread other than the foreground one may not come to the
// top on its own; with the two threads' input attached it may.
void BringToTop(HWND hwnd) {
    const DWORD itsThread = GetWindowThreadProcessId(hwnd, nullptr);
    const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    if (foregroundThread && itsThread != foregroundThread) {
        AttachThreadInput(foregroundThread, itsThread, TRUE);
        BringWindowToTop(hwnd);
        AttachThreadInput(foregroundThread, itsThread, FALSE);
    } else {
        BringWindowToTop(hwnd);
    }
}

}  // namespace

void MessageNoticeBox::ShowNotice(const std::string& text) {
    // An earlier notice still open (one that a tick nested in it interrupts)
    // gives way to this one.
    for (HWND earlier : NoticeWindows()) {
        if (IsWindowVisible(earlier)) SendMessageW(earlier, WM_CLOSE, 0, 0);
    }
    MessageBoxW(owner_, Widen(text).c_str(), kNoticeTitleW, MB_OK);
    // Notices of the ticks this one interrupted, still waiting, come back up.
    for (HWND waiting : NoticeWindows()) {
        if (IsWindowVisible(waiting)) BringToTop(waiting);
    }
}

}  // namespace zenka
