// The three date icons, their tray menu and the tick with its real
// services, without the calendar window: to look at and to screenshot.
//
//   zenka-tray-demo [yyyy-mm-dd] [--notice] [--seconds N] [--hover X,Y]
//
// A date fixes the day the icons show (the time of day stays the
// system's); --notice turns the schedule notice on; --seconds ends the
// program after N seconds; --hover puts the pointer at a screen point
// after two seconds, over an icon to show its tooltip.
#include <windows.h>

#include <cwchar>
#include <memory>
#include <string>

#include "common/app_settings.h"
#include "common/clock_win.h"
#include "common/error_report_win.h"
#include "app/main_tray_win.h"
#include "calendar/default_holidays.h"
#include "common/executable_path_win.h"
#include "controls/window_base_win.h"

namespace zenka {
namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT_PTR kEndTimer = 2;
constexpr UINT_PTR kHoverTimer = 3;
POINT hoverPoint{-1, -1};
enum MenuCommand : UINT { K1 = 100, mnuTsuki, mnuYoubi, I1, Exit1 };

// The system's time of day on a day of the user's choosing.
class DemoClock : public Clock {
public:
    DemoClock(int32_t year, uint8_t month, uint8_t day) : year_(year), month_(month), day_(day) {}
    DateTime Now() const override {
        DateTime now = SystemClock().Now();
        if (year_) {
            now.year = year_;
            now.month = month_;
            now.day = day_;
        }
        return now;
    }

private:
    int32_t year_;
    uint8_t month_;
    uint8_t day_;
};

struct Demo {
    Demo(HWND window, const DemoClock& clock, bool newerOrder)
        : owner(window),
          calendar(clock),
          menu(CreatePopupMenu()),
          tray(window, menu, clock, calendar, settings, ExecutableDirectory(), newerOrder),
          placement(tray.placement),
          tick(tray.tick) {
        AppendMenuW(menu, MF_STRING | MF_GRAYED, K1, L"カレンダー起動(&C)");
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, mnuTsuki, L"月を表示(&M)");
        AppendMenuW(menu, MF_STRING, mnuYoubi, L"曜日を表示(&W)");
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, I1, L"アイコンの再配置(&I)");
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, Exit1, L"閉じる(&X)");
        calendar.SetHolidayList(DefaultHolidayLines());
        const AppSettings::Colors& colors = settings.color;
        const std::pair<DayFontIndex, Color> fonts[] = {
            {kFontWeekday, colors.weekday}, {kFontSaturday, colors.saturday},     {kFontSunday, colors.sunday},
            {kFontHoliday, colors.holiday}, {kFontSpecialDay, colors.specialday}, {kFontYoteiDay, colors.yoteiday},
        };
        for (const auto& [index, color] : fonts) {
            FontDescription font = calendar.Fonts().Font(index);
            font.color = color;
            calendar.Fonts().SetFont(index, font);
        }
        settings.icon.tsuki = true;
        settings.icon.youbi = true;
    }
    ~Demo() { DestroyMenu(menu); }

    void Command(UINT id) {
        switch (id) {
            case mnuTsuki: placement.mnuTsukiClick(); break;
            case mnuYoubi: placement.mnuYoubiClick(); break;
            case I1: placement.I1Click(); break;
            case Exit1: DestroyWindow(owner); break;
            default: break;
        }
        CheckMenuItem(menu, mnuTsuki, placement.MonthChecked() ? MF_CHECKED : MF_UNCHECKED);
        CheckMenuItem(menu, mnuYoubi, placement.WeekdayChecked() ? MF_CHECKED : MF_UNCHECKED);
    }

    HWND owner;
    AppSettings settings;
    TMonthlyCalendar calendar;
    HMENU menu;
    MainTray tray;
    TrayPlacement& placement;
    PeriodicTick& tick;
};

// The hidden window that owns the icons and their menu; it goes with the
// menu's close item or when the time is up, and the program with it.
class DemoWindow : public WindowBase {
public:
    bool Create() {
        return CreateWindowOf({L"ZenkaTrayDemo"}, WS_EX_TOOLWINDOW, L"Zenka 2006", WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr);
    }
    Demo* demo = nullptr;

private:
    void OnTimer(UINT_PTR id) override {
        if (id == kTimer1 && demo) demo->tick.Timer1Timer();
        if (id == kEndTimer) DestroyWindow(hwnd_);
        if (id == kHoverTimer) {
            KillTimer(hwnd_, kHoverTimer);
            SetCursorPos(hoverPoint.x, hoverPoint.y);
        }
    }
    void OnCommand(int id, UINT, HWND) override {
        if (demo) demo->Command(static_cast<UINT>(id));
    }
    void OnDestroy() override { PostQuitMessage(0); }
};

}  // namespace
}  // namespace zenka

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace zenka;
    int year = 0, month = 0, day = 0, seconds = 0;
    bool withNotice = false;
    for (int i = 1; i < __argc; ++i) {
        const std::wstring arg = __wargv[i];
        if (arg == L"--notice") {
            withNotice = true;
        } else if (arg == L"--seconds" && i + 1 < __argc) {
            seconds = _wtoi(__wargv[++i]);
        } else if (arg == L"--hover" && i + 1 < __argc) {
            std::swscanf(__wargv[++i], L"%ld,%ld", &hoverPoint.x, &hoverPoint.y);
        } else if (std::swscanf(arg.c_str(), L"%d-%d-%d", &year, &month, &day) != 3) {
            year = 0;
        }
    }

    DemoWindow window;
    if (!window.Create()) return 1;

    const DemoClock clock(year, static_cast<uint8_t>(month), static_cast<uint8_t>(day));
    auto demo = std::make_unique<Demo>(window.Handle(), clock, SystemUsesNewerPlacementOrder());
    window.demo = demo.get();
    demo->settings.keikoku.onOff = withNotice;
    demo->Command(0);  // the check marks
    demo->placement.PlaceTrayIcons();
    SetTimer(window.Handle(), kTimer1, 10000, nullptr);
    if (seconds > 0) SetTimer(window.Handle(), kEndTimer, static_cast<UINT>(seconds) * 1000, nullptr);
    if (hoverPoint.x >= 0) SetTimer(window.Handle(), kHoverTimer, 2000, nullptr);
    ReportErrors(window.Handle(), [&] { demo->tick.Timer1Timer(); });

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    window.demo = nullptr;
    return 0;
}
