// The tick driving the real tray icons and icon files through months of
// days (years of them in the long soak), with the process's GDI objects,
// USER objects and handles counted before and after: a long-running tray
// program must not grow.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "app/date_tray_icons_win.h"
#include "app/short_date_win.h"
#include "app/tick.h"
#include "app/tray_placement.h"
#include "calendar/default_holidays.h"
#include "calendar/number_text.h"
#include "common/utf16_win.h"
#include "tests/fakes/fake_clock.h"
#include "tests/fakes/fake_tick_services.h"
#include "tests/win/support/icon_folder.h"
#include "tests/win/support/resource_counts.h"
#include "tests/win/support/tray_test_support.h"

namespace zenka {
namespace {

// Passes every call on to the shell and counts the refusals.
class CountingShell {
public:
    CountingShell() {
        previous_ = SetTrayNotifier([this](DWORD message, const NOTIFYICONDATAW& data) {
            const BOOL answer = Shell_NotifyIconW(message, const_cast<NOTIFYICONDATAW*>(&data));
            ++calls;
            if (!answer) ++refused;
            return answer;
        });
    }
    ~CountingShell() { SetTrayNotifier(std::move(previous_)); }
    size_t calls = 0;
    size_t refused = 0;

private:
    TrayNotifier previous_;
};

size_t CountStartingWith(const EventLog& log, const std::string& prefix) {
    size_t count = 0;
    for (const std::string& event : log) count += event.rfind(prefix, 0) == 0;
    return count;
}

// The days counted after the warm-up: ZENKA_SOAK_DAYS, which the long soak
// sets, or 150.
int SoakDays() {
    const char* days = std::getenv("ZENKA_SOAK_DAYS");
    return days ? ParseDecimal(days).value_or(150) : 150;
}

void SetFontColor(TMonthlyCalendar& calendar, DayFontIndex index, Color color) {
    FontDescription font = calendar.Fonts().Font(index);
    font.color = color;
    calendar.Fonts().SetFont(index, font);
}

TEST(TickSoak, DateChangesWithRealIconsLeakNothing) {
    // Fifty days hold every kind of redraw below, each of them once at least.
    constexpr int kWarmUpDays = 50;
    const int days = SoakDays();

    FakeClock clock{2000, 1, 1};
    EventLog log;
    FakeSoundPlayer sound{log};
    FakeNoticeBox notice{log};
    FakeTimeSync timeSync{log};
    FakeErrorBox errors{log};
    BadLineReport badLines{errors};
    SystemShortDate shortDate;
    TMonthlyCalendar calendar{clock};
    calendar.SetHolidayList(DefaultHolidayLines());
    calendar.SetSpecialDayList({"5,20,記念日"});
    calendar.SetYoteiDayList({"2,2,4,定例会", "x,1,読めない行"});  // and a line that never reads
    const AppSettings::Colors colors;
    SetFontColor(calendar, kFontSaturday, colors.saturday);
    SetFontColor(calendar, kFontHoliday, colors.holiday);
    SetFontColor(calendar, kFontSpecialDay, colors.specialday);
    SetFontColor(calendar, kFontYoteiDay, colors.yoteiday);
    AppSettings settings;
    settings.keikoku.onOff = true;  // the fake notice returns at once
    settings.sync.teiki = true;
    settings.sync.oneday = true;

    CountingShell shell;
    DateTrayIcons icons(nullptr, nullptr, nullptr);
    AppSettings::Icon checks;
    checks.tsuki = true;
    checks.youbi = true;
    TrayPlacement placement(icons.Month(), icons.Day(), icons.Weekday(), checks, true);
    placement.PlaceTrayIcons();
    PeriodicTick tick{TickServices{clock, sound, notice, icons, timeSync, shortDate, badLines, calendar, settings,
                                   Narrow(AppDirOfIcons())}};

    const int32_t first = DateToJulius(2000, 1, 1);
    int day = 0;
    const auto step = [&] {
        const CivilDate date = JuliusToDate(first + day++);
        clock.Set(date.year, date.month, date.day);
        clock.SetTime(0, 0, 5);
        tick.Timer1Timer();
        // The era toggle and the end of a sync redraw the same day again.
        if (day % 10 == 0) {
            settings.form.japanese = !settings.form.japanese;
            tick.ClearIconDateCache();
            tick.Timer1Timer();
        }
        // The synchronisation's progress images come and go.
        if (day % 25 == 0) {
            icons.TaskTray2.SetIcon(LoadIconW(nullptr, IDI_INFORMATION));
            tick.ClearIconDateCache();
            tick.Timer1Timer();
        }
    };
    for (int i = 0; i < kWarmUpDays; ++i) step();
    testing::PumpMessages(200);
    const ResourceCounts before = CountResources();
    const size_t callsBefore = shell.calls;
    const size_t loadsBefore = log.size();
    for (int i = 0; i < days; ++i) step();
    testing::PumpMessages(200);
    const ResourceCounts after = CountResources();

    const CivilDate last = JuliusToDate(first + day - 1);
    std::cout << "[ soak     ] " << days << " days up to " << last.year << "/" << int(last.month) << "/"
              << int(last.day) << ", " << shell.calls - callsBefore << " shell calls\n"
              << "[ soak     ] before: " << before.Text() << "\n"
              << "[ soak     ] after:  " << after.Text() << "\n";
    RecordProperty("before", before.Text());
    RecordProperty("after", after.Text());

    EXPECT_EQ(shell.refused, 0u) << "the shell refused calls";
    EXPECT_GT(shell.calls - callsBefore, static_cast<size_t>(days) * 6) << "three images and three tooltips a day";
    EXPECT_GT(log.size(), loadsBefore) << "notices and syncs ran";
    EXPECT_EQ(CountStartingWith(log, "error:"), 1u) << "the unreadable line was told once, in the warm-up";
    EXPECT_EQ(after.gdi, before.gdi) << "GDI objects grew";
    EXPECT_EQ(after.user, before.user) << "USER objects grew";
    EXPECT_LE(after.handles, before.handles) << "handles grew";
}

}  // namespace
}  // namespace zenka
