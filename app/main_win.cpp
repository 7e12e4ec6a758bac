// Zenka's entry point.
#include <windows.h>

#include "app/clock_win.h"
#include "app/today_window_win.h"
#include "calendar/default_holidays.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    zenka::DayRuleSet rules;
    rules.HolidayList.Assign(zenka::DefaultHolidayLines());
    HWND window = zenka::CreateTodayWindow(instance, rules, zenka::SystemClock().Now());
    if (!window) return 1;
    ShowWindow(window, showCommand);
    MSG msg;
    while (IsWindow(window) && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
