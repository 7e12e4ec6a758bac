// The month calendar alone in a window, set up as the calendar window sets
// it up, to look at and to take screenshots of:
//   zenka-calendar-demo [YYYY-MM-DD] [--neighbors] [--lines] [--rokuyo]
//                       [--monday] [--size WxH]
// The window's title shows the selected date; resizing the window resizes
// the calendar.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <exception>
#include <optional>
#include <string>

#include "common/app_title.h"
#include "common/clock_win.h"
#include "calendar/date_text.h"
#include "calendar/default_holidays.h"
#include "common/utf16_win.h"
#include "controls/month_calendar_win.h"
#include "controls/window_base_win.h"

namespace {

using namespace zenka;

constexpr wchar_t kDemoClass[] = L"ZenkaCalendarDemo";
constexpr char kUsage[] =
    "zenka-calendar-demo [YYYY-MM-DD] [--neighbors] [--lines] [--rokuyo] [--monday] [--size WxH]";

struct Options {
    std::optional<int32_t> date;  // Julius day
    bool neighbors = false, lines = false, rokuyo = false, monday = false;
    int width = 115, height = 102;
};

// Fills options from the command line; on a mistake, the text to show.
std::optional<std::string> ParseOptions(int argc, wchar_t** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--neighbors") {
            options.neighbors = true;
        } else if (arg == L"--lines") {
            options.lines = true;
        } else if (arg == L"--rokuyo") {
            options.rokuyo = true;
        } else if (arg == L"--monday") {
            options.monday = true;
        } else if (arg == L"--size" && i + 1 < argc) {
            if (swscanf(argv[++i], L"%dx%d", &options.width, &options.height) != 2 || options.width < 1 ||
                options.height < 1 || options.width > 4000 || options.height > 4000) {
                return kUsage;
            }
        } else if (arg.starts_with(L"--") || options.date) {
            return kUsage;
        } else {
            try {
                options.date = ParseDateText(Narrow(arg));
            } catch (const std::exception& e) {  // no date, or none of the supported range or the calendar
                return std::string(e.what()) + "\n\n" + kUsage;
            }
        }
    }
    return std::nullopt;
}

void ShowDateInTitle(HWND window, const TCustomCalendarEx2k& calendar) {
    // Digits only: a title bar's font may lack Japanese.
    wchar_t title[32];
    swprintf(title, 32, L"%d-%02d-%02d", calendar.Year(), calendar.Month(), calendar.Day());
    SetWindowTextW(window, title);
}

// The window the calendar fills; closing it ends the program.
class DemoWindow : public WindowBase {
public:
    explicit DemoWindow(MonthCalendarControl& calendar) : calendar_(calendar) {}

    bool Create(int clientWidth, int clientHeight) {
        // The calendar draws its sunken edge inside its own size, so the
        // window is made just big enough for the calendar at the asked size.
        const DWORD style = WS_OVERLAPPEDWINDOW;
        RECT frame{0, 0, clientWidth, clientHeight};
        AdjustWindowRectEx(&frame, style, FALSE, 0);
        const WindowClass windowClass{kDemoClass, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
        return CreateWindowOf(windowClass, 0, L"", style, 40, 40, frame.right - frame.left, frame.bottom - frame.top,
                              nullptr, nullptr);
    }

private:
    void OnSize(int width, int height) override {
        if (calendar_.Handle()) MoveWindow(calendar_.Handle(), 0, 0, width, height, TRUE);
    }
    void OnDestroy() override { PostQuitMessage(0); }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_SETFOCUS) return DefaultProcessing(message, wParam, lParam);
        if (calendar_.Handle()) SetFocus(calendar_.Handle());
        return 0;
    }

    MonthCalendarControl& calendar_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    Options options;
    const std::optional<std::string> mistake = argv ? ParseOptions(argc, argv, options) : std::string(kUsage);
    LocalFree(argv);
    if (mistake) {
        MessageBoxW(nullptr, Widen(*mistake).c_str(), kApplicationTitleW, MB_OK | MB_ICONINFORMATION);
        return 2;
    }

    SystemClock clock;
    MonthCalendarControl calendar(clock);
    DemoWindow demo(calendar);
    if (!demo.Create(options.width, options.height)) return 1;
    HWND window = demo.Handle();
    calendar.SetHolidayList(DefaultHolidayLines());
    calendar.SetColor(clWhite);
    calendar.SetDayOfWeekBkColor(clGray);
    calendar.SetAutoResize(false);
    calendar.SetNeighborJump(true);
    calendar.SetShowNeighbor(options.neighbors);
    calendar.SetShowLine(options.lines);
    calendar.SetShowRokuyo(options.rokuyo);
    if (options.monday) calendar.SetFirstDayOfWeek(dowMon);
    if (options.date) calendar.SetJuliusDay(*options.date);
    calendar.OnDayChange = [window](TCustomCalendarEx2k& sender, int32_t, uint8_t, uint8_t) {
        ShowDateInTitle(window, sender);
    };
    RECT client;
    GetClientRect(window, &client);
    if (!calendar.Create(window, 0, 0, client.right, client.bottom)) return 1;
    ShowDateInTitle(window, calendar);
    ShowWindow(window, showCommand);
    SetFocus(calendar.Handle());

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
