// zenka.exe itself, started as a process: one instance, which a second
// start asks to show its calendar, closing and saving, settings carried to
// the next start, the hot key, the position per resolution, and the layered
// window of version 5.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/win/support/local_http_server.h"

#include "app/main_menus.h"
#include "app/main_window_win.h"
#include "calendar/era.h"
#include "common/version.h"
#include "tests/win/support/key_presses.h"
#include "tests/win/support/test_process.h"
#include "tests/win/support/zenka_test_support.h"
#include "timesync/clock_setter_win.h"
#include "timesync/clock_setting_command.h"
#include "timesync/measure_clock_command.h"

namespace zenka {
namespace {

using testing::ClearSettings;
using testing::ClientSize;
using testing::SetSetting;
using testing::Setting;
using testing::PressKeys;
using testing::WindowText;

constexpr DWORD kPatience = testing::kProcessPatience;
using testing::WaitUntil;

std::wstring ZenkaExePath() { return testing::BesideTests(Widen(ZENKA_EXE_FROM_TESTS)); }

struct FoundWindow {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM lParam) {
    auto* found = reinterpret_cast<FoundWindow*>(lParam);
    wchar_t className[32] = {};
    GetClassNameW(hwnd, className, 32);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == found->processId && std::wstring(className) == kMainWindowClass) {
        found->window = hwnd;
        return FALSE;
    }
    return TRUE;
}

int CountMainWindows() {
    int count = 0;
    for (HWND hwnd = FindWindowExW(nullptr, nullptr, kMainWindowClass, nullptr); hwnd;
         hwnd = FindWindowExW(nullptr, hwnd, kMainWindowClass, nullptr)) {
        ++count;
    }
    return count;
}

// One run of zenka.exe; killed at the end of the test if still running.
class ZenkaProcess : public testing::TestProcess {
public:
    explicit ZenkaProcess(const std::string& arguments = "")
        : TestProcess(L"\"" + ZenkaExePath() + L"\"" + (arguments.empty() ? L"" : L" " + Widen(arguments))) {}

    // The main window once the start-up has run to its end (the caption is
    // filled in last), or null.
    HWND Window() {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < kPatience) {
            FoundWindow found{Id(), nullptr};
            EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&found));
            if (found.window && !WindowText(GetDlgItem(found.window, idLabel1)).empty()) return found.window;
            if (Ended()) return nullptr;
            Sleep(20);
        }
        return nullptr;
    }
};

std::string ThisMonthsCaption(bool era) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return CalendarCaption({now.wYear, static_cast<uint8_t>(now.wMonth), static_cast<uint8_t>(now.wDay)}, era);
}

class ZenkaExe : public ::testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override {
        ClearSettings();
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\zenka.exe");
    }
};

TEST_F(ZenkaExe, ASecondStartLeavesOneInstanceShowsItsCalendarAndEndsWithZero) {
    // Tray only: the first instance's window stays hidden.
    ZenkaProcess first;
    ASSERT_TRUE(first.Started());
    HWND window = first.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(GetWindowLongPtrW(GetWindow(window, GW_OWNER), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, WS_EX_TOOLWINDOW)
        << "the hidden owner keeps the program off the taskbar";

    ZenkaProcess second;
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.WaitForExit(), 0u);
    EXPECT_EQ(CountMainWindows(), 1);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }))
        << "a second start shows the running instance's calendar";
    EXPECT_FALSE(first.Ended());
    // Shown already: a third start leaves it shown, and in front.
    {
        ZenkaProcess again;
        ASSERT_TRUE(again.Started());
        EXPECT_EQ(again.WaitForExit(), 0u);
    }
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(CountMainWindows(), 1);

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(), 0u);
    // With the mutex released, the next start runs.
    ZenkaProcess third;
    ASSERT_NE(third.Window(), nullptr);
    PostMessageW(third.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(third.WaitForExit(), 0u);
}

TEST_F(ZenkaExe, ClosingTheCalendarInCalendarOnlyModeEndsTheProgramAndSavesEverything) {
    SetSetting("Kidou", "Cal", "1");
    ZenkaProcess zenka;
    HWND window = zenka.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(WindowText(window), "Zenka 2006");
    EXPECT_EQ(WindowText(GetDlgItem(window, idLabel1)), ThisMonthsCaption(true));

    // Buttons and keys move the month.
    HWND label = GetDlgItem(window, idLabel1);
    SendMessageW(GetDlgItem(window, idPanelButton4), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(window, idPanelButton2), BM_CLICK, 0, 0);
    SYSTEMTIME now;
    GetLocalTime(&now);
    const int nextYearMonthBefore = now.wMonth == 1 ? 12 : now.wMonth - 1;
    const int year = now.wMonth == 1 ? now.wYear : now.wYear + 1;
    EXPECT_EQ(WindowText(label), CalendarCaption({year, static_cast<uint8_t>(nextYearMonthBefore), 1}, true));
    SendMessageW(GetDlgItem(window, idKoyomi1), WM_KEYDOWN, 'T', 1);
    EXPECT_EQ(WindowText(label), ThisMonthsCaption(true));
    SendMessageW(GetDlgItem(window, idKoyomi1), WM_KEYDOWN, 'V', 1);
    EXPECT_EQ(WindowText(label), CalendarCaption({now.wYear - 1, static_cast<uint8_t>(now.wMonth), 1}, true));

    // Settings changed while running are saved at the close.
    SendMessageW(window, WM_COMMAND, cmdPopLine, 0);
    SendMessageW(window, WM_COMMAND, cmdPopMonStart, 0);
    EXPECT_FALSE(Setting("Form", "Line").has_value());
    PostMessageW(GetDlgItem(window, idPanelButton7), BM_CLICK, 0, 0);
    EXPECT_EQ(zenka.WaitForExit(), 0u);
    EXPECT_EQ(Setting("Form", "Line"), "1");
    EXPECT_EQ(Setting("Form", "FirstDayOfWeek"), "1");
    EXPECT_EQ(Setting("Form", "Name3"), "Zenka 2006");
    EXPECT_EQ(Setting("Sync", "Server"), "https://www.google.co.jp/") << "a first start writes every value";
    EXPECT_FALSE(Setting("Sync", "SyncDay").has_value()) << "only a synchronisation writes its day";
}

TEST_F(ZenkaExe, ViewTogglesAreAppliedAtTheNextStart) {
    SetSetting("Kidou", "Cal", "1");
    {
        ZenkaProcess zenka;
        HWND window = zenka.Window();
        ASSERT_NE(window, nullptr);
        const SIZE normal = ClientSize(window);
        SendMessageW(window, WM_COMMAND, cmdB1, 0);
        const SIZE big = ClientSize(window);
        EXPECT_EQ(big.cx * 116, normal.cx * 144) << "144 / 116 at any DPI";
        SendMessageW(window, WM_COMMAND, cmdPopWareki, 0);
        EXPECT_EQ(WindowText(GetDlgItem(window, idLabel1)), ThisMonthsCaption(false));
        PostMessageW(window, WM_COMMAND, cmdExit2, 0);
        EXPECT_EQ(zenka.WaitForExit(), 0u);
    }
    EXPECT_EQ(Setting("Form", "Big"), "1");
    EXPECT_EQ(Setting("Form", "Japanese"), "0");

    ZenkaProcess again;
    HWND window = again.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(window, idLabel1)), ThisMonthsCaption(false));
    RECT calendar;
    GetClientRect(GetDlgItem(window, idKoyomi1), &calendar);
    EXPECT_GT(calendar.right, 120) << "the enlarged calendar";
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(again.WaitForExit(), 0u);
}

TEST_F(ZenkaExe, ThePositionIsKeptPerResolution) {
    const std::string tag = std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "\u00D7" +
                            std::to_string(GetSystemMetrics(SM_CYSCREEN));
    SetSetting("Kidou", "Cal", "1");
    SetSetting("Pos" + tag, "Left", "30");
    SetSetting("Pos" + tag, "Top", "40");
    ZenkaProcess zenka;
    HWND window = zenka.Window();
    ASSERT_NE(window, nullptr);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 30);
    EXPECT_EQ(rect.top, 40);

    SetWindowPos(window, nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(800, 600));
    EXPECT_EQ(Setting("Pos" + tag, "Left"), "100");
    EXPECT_EQ(Setting("Pos" + tag, "Top"), "120");
    GetWindowRect(window, &rect);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &info);
    EXPECT_TRUE((rect.left == info.rcWork.left || rect.right == info.rcWork.right) &&
                (rect.top == info.rcWork.top || rect.bottom == info.rcWork.bottom))
        << "nothing kept for 800×600 yet: in a corner of the work area, beside the taskbar";
    SetWindowPos(window, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The session's end saves without ending the program.
    EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(Setting("Pos800\u00D7600", "Left"), "10");
    EXPECT_EQ(Setting("Pos800\u00D7600", "Top"), "20");
    EXPECT_FALSE(zenka.Ended());
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(zenka.WaitForExit(), 0u);
}

TEST_F(ZenkaExe, TheHotKeyShowsAndHidesTheCalendarOnceTrayIconsWouldBeThere) {
    ZenkaProcess zenka;
    HWND window = zenka.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    PressKeys({VK_CONTROL, VK_SHIFT, 'J'});
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));
    PressKeys({VK_CONTROL, VK_SHIFT, 'J'});
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) == FALSE; }));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(zenka.WaitForExit(), 0u);
}

TEST_F(ZenkaExe, AHotKeyHeldElsewhereGivesAWarningAndTheProgramRuns) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_SHIFT, 'J'));
    SetSetting("Kidou", "Cal", "1");
    ZenkaProcess zenka;
    HWND box = nullptr;
    std::string text;
    // The box is found by its title while it may still be making its
    // controls: its text is read once it is there.
    EXPECT_TRUE(WaitUntil([&] {
        box = FindWindowW(L"#32770", L"警告");
        text.clear();
        for (HWND child = box ? GetWindow(box, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT)) {
            text += WindowText(child) + "|";
        }
        return text.find("カレンダーの起動・終了に設定したキーは他のアプリケーションで") != std::string::npos;
    })) << text;
    UnregisterHotKey(nullptr, 1);
    ASSERT_NE(box, nullptr);
    DWORD owner = 0;
    GetWindowThreadProcessId(box, &owner);
    EXPECT_EQ(owner, zenka.Id());
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    HWND window = zenka.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(zenka.WaitForExit(), 0u);
}

TEST_F(ZenkaExe, OnVersion5TheWindowIsLayeredWithTheStoredOpacity) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\zenka.exe", 0, nullptr, 0,
                              KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"winxp"), sizeof(L"winxp"));
    RegCloseKey(key);
    SetSetting("Kidou", "Cal", "1");
    SetSetting("Form", "Layer", "180");
    ZenkaProcess zenka;
    HWND window = zenka.Window();
    ASSERT_NE(window, nullptr);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    EXPECT_FALSE(exStyle & WS_EX_TOOLWINDOW);
    COLORREF colorKey = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    // The window shows before the start-up sets its opacity.
    const DWORD start = GetTickCount();
    while (!GetLayeredWindowAttributes(window, &colorKey, &alpha, &flags) && GetTickCount() - start < kPatience) {
        Sleep(20);
    }
    ASSERT_TRUE(GetLayeredWindowAttributes(window, &colorKey, &alpha, &flags));
    EXPECT_EQ(colorKey, RGB(0, 128, 0));
    EXPECT_EQ(alpha, 180);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(zenka.WaitForExit(), 0u);
    EXPECT_EQ(Setting("Form", "Layer"), "180");
}

// The current UTC time and a reading of the monotonic counter, as a
// synchronisation hands them to the elevated helper.
SystemTime UtcNow() { return SystemClockSetter().UtcNow(); }
int64_t CounterNow() {
    LARGE_INTEGER ticks;
    QueryPerformanceCounter(&ticks);
    return ticks.QuadPart;
}

// Only the current time is ever sent: Wine takes a time within half a
// second of its clock as set, without changing anything, and refuses any
// other.
TEST_F(ZenkaExe, TheStartUpSynchronisationAsksTheServerAndStampsTheDay) {
    // The current time, so that the time set is the current one (within
    // the measurement's few milliseconds), which Wine takes as no change.
    testing::LocalHttpServer server([](const std::string&) {
        return testing::Reply{{0, testing::HttpMessage(200, {"Date: " + testing::HttpDateFromNow(0)}, "<html></html>")}};
    });
    SetSetting("Sync", "Start", "1");
    SetSetting("Sync", "Server", server.Url());
    ZenkaProcess zenka;
    HWND window = zenka.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return Setting("Sync", "SyncDay").has_value(); }));
    const std::vector<std::string> requests = server.Requests();
    ASSERT_GE(requests.size(), 1u);
    EXPECT_EQ(testing::RequestHeader(requests[0], "User-Agent"), std::string("Zenka/") + kVersionText);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(zenka.WaitForExit(), 0u);
}

TEST_F(ZenkaExe, TheClockSettingModeTakesOnlyItsExactArgumentsAndNeedsNoWindow) {
    // A running Zenka does not stop the helper: it comes before the
    // single-instance check.
    ZenkaProcess running;
    ASSERT_NE(running.Window(), nullptr);
    LARGE_INTEGER perSecond;
    QueryPerformanceFrequency(&perSecond);
    const struct {
        std::string arguments;
        DWORD exitCode;
    } cases[] = {
        {ClockSettingArguments(UtcNow(), CounterNow()), kClockSetSucceeded},
        {ClockSettingArguments(UtcNow(), CounterNow() - 600 * perSecond.QuadPart), kClockSetTooLate},
        {ClockSettingArguments(UtcNow(), CounterNow()) + " more", kClockSetBadArguments},
        {"--set-clock 2026-01-05T08:49:37Z 12", kClockSetBadArguments},
        {"--set-clock", kClockSetBadArguments},
    };
    for (const auto& c : cases) {
        ZenkaProcess helper(c.arguments);
        ASSERT_TRUE(helper.Started());
        EXPECT_EQ(helper.WaitForExit(), c.exitCode) << c.arguments;
    }
    EXPECT_EQ(CountMainWindows(), 1);
    PostMessageW(running.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(running.WaitForExit(), 0u);
}

// What zenka.exe wrote to its output (a pipe) and its exit code, once it
// has ended.
struct CapturedRun {
    std::optional<DWORD> exitCode;
    std::string output;
};
CapturedRun RunCapturing(const std::string& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {};
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = writeEnd;
    std::wstring command = L"\"" + ZenkaExePath() + L"\" " + Widen(arguments);
    PROCESS_INFORMATION info{};
    const bool started =
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info);
    CloseHandle(writeEnd);
    CapturedRun run;
    if (started) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0) run.output.append(buffer, got);
        if (WaitForSingleObject(info.hProcess, kPatience) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(info.hProcess, &code);
            run.exitCode = code;
        }
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    CloseHandle(readEnd);
    return run;
}

TEST_F(ZenkaExe, TheMeasuringModePrintsEachServerAndTheResultAndNeedsNoWindow) {
    // A running Zenka does not stop it: it comes before the single-instance
    // check. Its servers are the ones named; the clock is never set.
    ZenkaProcess running;
    ASSERT_NE(running.Window(), nullptr);
    testing::LocalHttpServer ahead([](const std::string&) {
        return testing::Reply{{0, testing::HttpMessage(200, {"Date: " + testing::HttpDateFromNow(3'300)})}};
    });
    uint16_t closedPort = 0;
    {
        testing::LocalHttpServer gone([](const std::string&) { return testing::Reply{}; });
        closedPort = gone.Port();
    }
    const std::string nobody = "http://127.0.0.1:" + std::to_string(closedPort) + "/";

    const CapturedRun found = RunCapturing("--measure-clock " + ahead.Url());
    EXPECT_EQ(found.exitCode, std::optional<DWORD>(kMeasureClockFound));
    EXPECT_TRUE(found.output.starts_with(ahead.Url() + " offset=+3.")) << found.output;
    const size_t result = found.output.find("\r\noffset=");  // the last line, the combined result
    ASSERT_NE(result, std::string::npos) << found.output;
    EXPECT_NEAR(std::stod(found.output.substr(result + 9)), 3.3, 0.05) << found.output;

    const CapturedRun failed = RunCapturing("--measure-clock " + nobody);
    EXPECT_EQ(failed.exitCode, std::optional<DWORD>(kMeasureClockFailed));
    EXPECT_TRUE(failed.output.starts_with(nobody + " 失敗: ")) << failed.output;
    EXPECT_EQ(failed.output.find("offset="), std::string::npos) << failed.output;

    EXPECT_EQ(CountMainWindows(), 1);
    PostMessageW(running.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(running.WaitForExit(), 0u);
}

TEST_F(ZenkaExe, TheManifestCarriesTheProgramsVersion) {
    HMODULE exe = LoadLibraryExW(ZenkaExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    HRSRC found = FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(exe, found))),
                               SizeofResource(exe, found));
    FreeLibrary(exe);
    const std::string version =
        "name=\"Zenka\" version=\"" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + ".0.0\"";
    EXPECT_NE(manifest.find(version), std::string::npos) << manifest;
    EXPECT_EQ(std::string(kVersionText), std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor));
}

TEST_F(ZenkaExe, TheElevatedHelperIsStartedWithRunasAndItsAnswerCounts) {
    RunasClockSetter elevated(ZenkaExePath());
    EXPECT_TRUE(elevated.SetClockElevated(UtcNow()));
    RunasClockSetter missing(ZenkaExePath() + L".missing");
    EXPECT_FALSE(missing.SetClockElevated(UtcNow()));
}

}  // namespace
}  // namespace zenka
