// zenka-calendar-demo started as a process: the date it is given, and the
// ones it refuses.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "controls/month_calendar_win.h"
#include "tests/win/zenka_test_support.h"

namespace zenka {
namespace {

using testing::WindowText;

constexpr DWORD kPatience = 15000;  // ms; Wine can be slow to start a process

std::wstring DemoExePath() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + Widen(ZENKA_DEMO_EXE_FROM_TESTS);
}

bool WaitUntil(const std::function<bool()>& condition) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kPatience) {
        if (condition()) return true;
        Sleep(20);
    }
    return condition();
}

// One run of the demo; killed at the end of the test if still running.
class DemoProcess {
public:
    explicit DemoProcess(const std::wstring& arguments) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring commandLine = L"\"" + DemoExePath() + L"\" " + arguments;
        started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &info_) != FALSE;
        if (started_) CloseHandle(info_.hThread);
    }
    ~DemoProcess() {
        if (!started_) return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
        CloseHandle(info_.hProcess);
    }
    DemoProcess(const DemoProcess&) = delete;
    DemoProcess& operator=(const DemoProcess&) = delete;

    bool Started() const { return started_; }

    // The process's first visible top-level window of the class, or null.
    HWND WaitForWindow(const wchar_t* className) const {
        struct Search {
            DWORD processId;
            const wchar_t* className;
            HWND found;
        } search{info_.dwProcessId, className, nullptr};
        WaitUntil([&] {
            EnumWindows(
                [](HWND hwnd, LPARAM lParam) -> BOOL {
                    auto* s = reinterpret_cast<Search*>(lParam);
                    wchar_t name[64] = {};
                    GetClassNameW(hwnd, name, 64);
                    DWORD pid = 0;
                    GetWindowThreadProcessId(hwnd, &pid);
                    if (pid != s->processId || std::wstring(name) != s->className || !IsWindowVisible(hwnd)) {
                        return TRUE;
                    }
                    s->found = hwnd;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        });
        return search.found;
    }

    std::optional<DWORD> WaitForExit() const {
        if (WaitForSingleObject(info_.hProcess, kPatience) != WAIT_OBJECT_0) return std::nullopt;
        DWORD code = 0;
        GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION info_{};
    bool started_ = false;
};

std::string BoxText(HWND box) {
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        text += WindowText(child) + "|";
    }
    return text;
}

TEST(CalendarDemo, DatesOutsideTheSupportedRangeAreRefusedWithExitStatus2) {
    for (const wchar_t* date : {L"10000-01-01", L"-4713-12-31", L"2147483647-1-1"}) {
        DemoProcess demo(date);
        ASSERT_TRUE(demo.Started());
        HWND box = demo.WaitForWindow(L"#32770");
        ASSERT_NE(box, nullptr) << Narrow(date);
        EXPECT_NE(BoxText(box).find("日付は -4712-01-01 (紀元前4713年1月1日) から 9999-12-31 までです: " + Narrow(date)),
                  std::string::npos)
            << BoxText(box);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(demo.WaitForExit(), 2u) << Narrow(date);
    }
}

TEST(CalendarDemo, TheLastSupportedDayIsAsFarAsKeysGo) {
    DemoProcess demo(L"9999-12-31");
    ASSERT_TRUE(demo.Started());
    HWND window = demo.WaitForWindow(L"ZenkaCalendarDemo");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), "9999-12-31");
    HWND calendar = FindWindowExW(window, nullptr, kMonthCalendarClass, nullptr);
    ASSERT_NE(calendar, nullptr);
    for (WORD key : {VK_RIGHT, VK_DOWN, VK_NEXT}) SendMessageW(calendar, WM_KEYDOWN, key, 1);
    EXPECT_EQ(WindowText(window), "9999-12-31");
    SendMessageW(calendar, WM_KEYDOWN, VK_LEFT, 1);
    EXPECT_EQ(WindowText(window), "9999-12-30");
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(demo.WaitForExit(), 0u);
}

}  // namespace
}  // namespace zenka
