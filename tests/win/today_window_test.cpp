#include "app/today_window_win.h"

#include <gtest/gtest.h>

#include <string>

#include "calendar/default_holidays.h"
#include "common/utf16_win.h"

namespace zenka {
namespace {

std::wstring TextOf(HWND hwnd) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

DayRuleSet DefaultRules() {
    DayRuleSet rules;
    rules.HolidayList.Assign(DefaultHolidayLines());
    return rules;
}

TEST(TodayWindow, ShowsCaptionDateRokuyoAndNames) {
    DateTime newYear;
    newYear.year = 2006;
    newYear.month = 1;
    newYear.day = 1;
    HWND window = CreateTodayWindow(GetModuleHandleW(nullptr), DefaultRules(), newYear);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);

    EXPECT_EQ(TextOf(window), L"Zenka 2006");
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    EXPECT_STREQ(className, L"TfrmZenka");
    HWND label = TodayWindowLabel(window);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(Narrow(TextOf(label)), "平成18年1月\r\n1日(日) 先勝\r\n元旦");

    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
}

TEST(TodayWindow, DayWithoutNamesHasTwoLines) {
    DateTime day;
    day.year = 2026;
    day.month = 12;
    day.day = 8;
    HWND window = CreateTodayWindow(GetModuleHandleW(nullptr), DefaultRules(), day);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Narrow(TextOf(TodayWindowLabel(window))).substr(0, std::string("令和8年12月\r\n8日(火)").size()),
              "令和8年12月\r\n8日(火)");
    DestroyWindow(window);
}

}  // namespace
}  // namespace zenka
