// The main window's tray icons and tick in this process: placement at
// start-up and by the tray menu, the start-up tick's tooltips, the date
// change and the era toggle at the next tick, a left press on an icon, and
// closing with and without the day icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_menus.h"
#include "app/main_window_win.h"
#include "controls/tray_icon_win.h"
#include "tests/win/app/main_window_fixture.h"
#include "tests/win/support/tray_test_support.h"
#include "tests/win/support/zenka_test_support.h"

namespace zenka {
namespace {

using testing::MainWindow;
using testing::PumpMessages;
using testing::SetSetting;
using testing::Setting;

class MainWindowTray : public MainWindow {
protected:
    DateTrayIcons& Icons() { return window->Tray()->icons; }
    UINT MonthId() { return static_cast<UINT>(Icons().TaskTray1.Identifier()); }
    UINT DayId() { return static_cast<UINT>(Icons().TaskTray2.Identifier()); }
    UINT WeekdayId() { return static_cast<UINT>(Icons().TaskTray3.Identifier()); }
    bool Checked(MenuCommand command) {
        return (GetMenuState(window->PopupMenu1(), command, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    void Tick() { SendMessageW(Hwnd(), WM_TIMER, idTimer1, 0); }
    void PressIcon(UINT id, UINT mouseMessage) {
        SendMessageW(TTrayIcon::CallbackWindow(), kTrayCallbackMessage, id, mouseMessage);
    }

    TrayRecorder shell;
};

TEST_F(MainWindowTray, StartUpPlacesTheWantedIconsInOrderAndTheMenuTogglesThem) {
    SetSetting("Icon", "Tsuki", "1");
    SetSetting("Icon", "Youbi", "1");
    Start();
    // Wine reports a version after 5.1: weekday, day, month.
    EXPECT_EQ(shell.Ids(NIM_ADD), (std::vector<UINT>{WeekdayId(), DayId(), MonthId()}));
    EXPECT_TRUE(Checked(cmdMnuTsuki));
    EXPECT_TRUE(Checked(cmdMnuYoubi));
    for (const ShellCall& call : shell.calls) EXPECT_EQ(call.callbackMessage, kTrayCallbackMessage);

    // Unchecking the month hides only the month icon; checking it again
    // re-adds the day and weekday icons so the order holds.
    shell.calls.clear();
    Menu(cmdMnuTsuki);
    EXPECT_EQ(shell.Ids(NIM_DELETE), (std::vector<UINT>{MonthId()}));
    EXPECT_FALSE(Checked(cmdMnuTsuki));
    EXPECT_TRUE(Icons().TaskTray2.Visible());
    shell.calls.clear();
    Menu(cmdMnuTsuki);
    EXPECT_EQ(shell.Ids(NIM_ADD), (std::vector<UINT>{WeekdayId(), DayId(), MonthId()}));
    EXPECT_TRUE(Checked(cmdMnuTsuki));

    shell.calls.clear();
    Menu(cmdMnuYoubi);
    EXPECT_EQ(shell.Ids(NIM_DELETE), (std::vector<UINT>{WeekdayId()}));
    shell.calls.clear();
    Menu(cmdI1);
    EXPECT_EQ(shell.Ids(NIM_ADD), (std::vector<UINT>{DayId(), MonthId()})) << "re-placed in order";

    // The check marks are saved at close, and the icons leave with the
    // window.
    shell.calls.clear();
    SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Setting("Icon", "Tsuki"), "1");
    EXPECT_EQ(Setting("Icon", "Youbi"), "0");
    EXPECT_EQ(shell.Count(NIM_DELETE), 2u);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindowTray, CalendarOnlyPlacesNoIconAndTheWaitPlacesThemLater) {
    StartCalendarOnly();
    EXPECT_EQ(shell.Count(NIM_ADD), 0u);
    EXPECT_FALSE(Icons().TaskTray2.Visible());

    testing::ClearSettings();
    SetSetting("Form", "Wait", "1");
    Start();
    EXPECT_EQ(shell.Count(NIM_ADD), 0u);
    // The check marks are read when the wait ends, as they are stored then.
    SetSetting("Icon", "Youbi", "1");
    PumpMessages(1300);
    EXPECT_EQ(shell.Ids(NIM_ADD), (std::vector<UINT>{WeekdayId(), DayId()}));
    EXPECT_TRUE(Checked(cmdMnuYoubi));
}

TEST_F(MainWindowTray, TheTickDrawsTheTooltipsAndFollowsTheDateAndTheEraToggle) {
    SetSetting("Icon", "Tsuki", "1");
    SetSetting("Icon", "Youbi", "1");
    Start();
    const std::string newYear = "平成18年(2006年)1月1日(日)先勝 元日";
    EXPECT_EQ(Icons().TaskTray1.TipHelp(), newYear);
    EXPECT_EQ(Icons().TaskTray2.TipHelp(), newYear);
    EXPECT_EQ(Icons().TaskTray3.TipHelp(), newYear);
    EXPECT_EQ(window->Tray()->tick.State().iconDateCache, "2006/1/1");

    // The era toggle takes effect at the next tick.
    Menu(cmdPopWareki);
    EXPECT_EQ(Icons().TaskTray2.TipHelp(), newYear);
    Tick();
    EXPECT_EQ(Icons().TaskTray2.TipHelp(), "2006年(平成18年)1月1日(日)先勝 元日");

    // A new day: the tooltips change and the calendar selects today.
    window->koyomi1.SetDate(2006, 3, 3);
    clock.Set(2006, 1, 2);
    Tick();
    EXPECT_EQ(Icons().TaskTray2.TipHelp(), "2006年(平成18年)1月2日(月)友引 振替休日");
    EXPECT_EQ(Selected(), "2006-1-2");
    EXPECT_TRUE(errors.empty());
}

// The calendar's caption and both tooltips name the era in force on the day
// itself, on the last day of an era and the first of the next.
TEST_F(MainWindowTray, AtAChangeOfEraTheCaptionAndBothTooltipsTakeTheEraOfTheDay) {
    struct Case {
        int32_t year;
        uint8_t month, day;
        const char* caption;
        const char* hint;
        const char* tip;
    };
    const Case cases[] = {
        {1989, 1, 7, "昭和64年1月", "仏滅", "昭和64年(1989年)1月7日(土)仏滅"},
        {1989, 1, 8, "平成元年1月", "赤口", "平成元年(1989年)1月8日(日)赤口"},
        {2019, 4, 30, "平成31年4月", "仏滅 国民の休日", "平成31年(2019年)4月30日(火)仏滅 国民の休日"},
        {2019, 5, 1, "令和元年5月", "大安 即位の日", "令和元年(2019年)5月1日(水)大安 即位の日"},
    };
    clock.Set(1989, 1, 6);
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.year << "-" << int{c.month} << "-" << int{c.day});
        clock.Set(c.year, c.month, c.day);
        Tick();
        EXPECT_EQ(Caption(), c.caption);
        EXPECT_EQ(window->Hint(), c.hint);
        EXPECT_EQ(Icons().TaskTray2.TipHelp(), c.tip);
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindowTray, ALeftPressShowsTheCalendarAndClosingOnlyHidesItWhileTheDayIconIsThere) {
    Start();
    ASSERT_TRUE(Icons().TaskTray2.Added());
    EXPECT_FALSE(Visible());
    PressIcon(DayId(), WM_LBUTTONDOWN);
    EXPECT_TRUE(Visible());

    Click(idPanelButton7);
    EXPECT_FALSE(Visible());
    PumpMessages(50);
    EXPECT_EQ(destroyed, 0) << "the program stays in the notification area";

    // The tray menu's K1 shows it again; Exit1 ends the program.
    Menu(cmdK1);
    EXPECT_TRUE(Visible());
    Menu(cmdExit1);
    PumpMessages(50);
    EXPECT_EQ(destroyed, 1);
    EXPECT_FALSE(Icons().TaskTray2.Added());
}

// Presses one key as the keyboard does, once the menu loop runs, and ends
// the menu from a later timer if the key did not; says whether it had to.
class KeyIntoMenu {
public:
    explicit KeyIntoMenu(WORD key) {
        current_ = this;
        key_ = key;
        press_ = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            INPUT inputs[2] = {};
            for (INPUT& in : inputs) {
                in.type = INPUT_KEYBOARD;
                in.ki.wVk = current_->key_;
            }
            inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(2, inputs, sizeof(INPUT));
        });
        rescue_ = SetTimer(nullptr, 0, 2500, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            current_->ended_ = true;
            EndMenu();
        });
    }
    ~KeyIntoMenu() {
        KillTimer(nullptr, press_);
        KillTimer(nullptr, rescue_);
        current_ = nullptr;
    }
    KeyIntoMenu(const KeyIntoMenu&) = delete;
    KeyIntoMenu& operator=(const KeyIntoMenu&) = delete;
    bool MenuHadToBeEnded() const { return ended_; }

private:
    static inline KeyIntoMenu* current_ = nullptr;
    WORD key_ = 0;
    UINT_PTR press_ = 0;
    UINT_PTR rescue_ = 0;
    bool ended_ = false;
};

TEST_F(MainWindowTray, TheTrayMenuTakesTheKeyboardAfterTheCalendarWasShownAndHidden) {
    Start();
    ASSERT_TRUE(Icons().TaskTray2.Added());
    for (int round = 0; round < 2; ++round) {
        PressIcon(DayId(), WM_LBUTTONDOWN);
        ASSERT_TRUE(Visible());
        Click(idPanelButton7);
        ASSERT_FALSE(Visible());
        PumpMessages(100);
        KeyIntoMenu escape(VK_ESCAPE);
        PressIcon(DayId(), WM_RBUTTONDOWN);
        EXPECT_FALSE(escape.MenuHadToBeEnded()) << "Esc did not close the menu, round " << round;
        PumpMessages(100);
    }
    // An access key: "閉じる(&X)" ends the program.
    PressIcon(DayId(), WM_LBUTTONDOWN);
    Click(idPanelButton7);
    PumpMessages(100);
    KeyIntoMenu exit('X');
    PressIcon(DayId(), WM_RBUTTONDOWN);
    EXPECT_FALSE(exit.MenuHadToBeEnded()) << "X did not choose its item";
    PumpMessages(100);
    EXPECT_EQ(destroyed, 1);
}

}  // namespace
}  // namespace zenka
