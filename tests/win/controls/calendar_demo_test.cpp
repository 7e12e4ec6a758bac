// zenka-calendar-demo started as a process: the date it is given, and the
// ones it refuses.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "controls/month_calendar_win.h"
#include "tests/win/support/test_process.h"
#include "tests/win/support/zenka_test_support.h"

namespace zenka {
namespace {

using testing::WindowText;

// One run of the demo; killed at the end of the test if still running.
class DemoProcess : public testing::TestProcess {
public:
    explicit DemoProcess(const std::wstring& arguments)
        : TestProcess(L"\"" + testing::BesideTests(Widen(ZENKA_DEMO_EXE_FROM_TESTS)) + L"\" " + arguments) {}

    // The process's first visible top-level window of the class, or null.
    HWND WaitForWindow(const wchar_t* className) const {
        struct Search {
            DWORD processId;
            const wchar_t* className;
            HWND found;
        } search{Id(), className, nullptr};
        testing::WaitUntil([&] {
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
