// The month schedule view opened from the main window in this process: its
// window, its fill and refills, its place and size, its drawing, the double
// click and Enter.
#include "app/month_schedule_win.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_menus.h"
#include "app/main_window_win.h"
#include "tests/win/support/accessible_client.h"
#include "tests/win/support/captured_image.h"
#include "tests/win/app/main_window_fixture.h"
#include "tests/win/support/zenka_test_support.h"

namespace zenka {
namespace {

using testing::Image;
using testing::MainWindow;
using testing::PrintClient;
using testing::PumpMessages;
using testing::SetSetting;
using testing::Setting;
using testing::WindowText;

class MonthScheduleView : public MainWindow {
protected:
    TfrmMemo& Open() {
        Menu(cmdPopMemo);
        TfrmMemo* memo = window->MonthSchedule();
        EXPECT_NE(memo, nullptr);
        return *memo;
    }
    HWND Memo() const { return window->MonthSchedule() ? window->MonthSchedule()->Handle() : nullptr; }
    HWND List() const { return window->MonthSchedule()->Child(idMemoListBox1); }
    std::string MemoCaption() const { return WindowText(window->MonthSchedule()->Child(idMemoLabel1)); }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        const LRESULT count = SendMessageW(List(), LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            wchar_t text[64] = {};
            SendMessageW(List(), LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            lines.push_back(Narrow(text));
        }
        return lines;
    }
    RECT MemoRect() const {
        RECT rect{};
        GetWindowRect(Memo(), &rect);
        return rect;
    }
};

TEST_F(MonthScheduleView, OpensFromTheMenuOnceWithTheMonthsDays) {
    StartCalendarOnly();
    EXPECT_EQ(Memo(), nullptr);
    TfrmMemo& memo = Open();
    ASSERT_NE(Memo(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Memo()));
    wchar_t className[32] = {};
    GetClassNameW(Memo(), className, 32);
    EXPECT_STREQ(className, L"TfrmMemo");
    EXPECT_EQ(WindowText(Memo()), "Zenka 2006");
    const LONG_PTR style = GetWindowLongPtrW(Memo(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_THICKFRAME) << "sizeable";
    EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) << "no title-bar buttons";
    EXPECT_TRUE(GetWindowLongPtrW(Memo(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    EXPECT_EQ(MemoCaption(), "平成18年1月");
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[0], " 1(日)元日");
    EXPECT_EQ(lines[1], " 2(月)振替休日");
    EXPECT_EQ(lines[8], " 9(月)成人の日");
    EXPECT_EQ(lines[30], "31(火)");
    wchar_t status[64] = {};
    SendMessageW(memo.Child(idMemoStatusBar1), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(status));
    EXPECT_EQ(Narrow(status), "Enterキーで閉じる");

    // Again from the menu, or by its letter: the same view.
    const HWND first = Memo();
    Menu(cmdPopMemo);
    Key('G');
    EXPECT_EQ(Memo(), first);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MonthScheduleView, OnlyTheNavigationButtonsAndTheirKeysRefillIt) {
    StartCalendarOnly();
    Open();
    Click(idPanelButton3);
    EXPECT_EQ(MemoCaption(), "平成18年2月");
    EXPECT_EQ(Lines().size(), 28u);
    Key('N');
    EXPECT_EQ(MemoCaption(), "平成18年3月");
    EXPECT_EQ(Lines().at(20), "21(火)春分の日");
    Key('V');
    EXPECT_EQ(MemoCaption(), "平成17年3月");

    // The calendar's own keys move the date but not the view.
    Key(VK_NEXT);
    Key(VK_RIGHT);
    EXPECT_EQ(Selected(), "2005-4-2");
    EXPECT_EQ(MemoCaption(), "平成17年3月");
    EXPECT_EQ(Lines().size(), 31u);

    Key('T');
    EXPECT_EQ(MemoCaption(), "平成18年1月");
    Key('M');
    Key('B');
    EXPECT_EQ(MemoCaption(), "平成18年12月");
    EXPECT_EQ(Lines().at(22), "23(土)天皇誕生日");
}

TEST_F(MonthScheduleView, KeepsItsPlaceAndSizeAcrossCloseAndReopen) {
    StartCalendarOnly();
    Open();
    // Unless stored: 180 by 261 in the middle of the screen.
    const RECT first = MemoRect();
    EXPECT_EQ(first.right - first.left, 180);
    EXPECT_EQ(first.bottom - first.top, 261);
    EXPECT_EQ(first.left, GetSystemMetrics(SM_CXSCREEN) / 2 - 90);

    SetWindowPos(Memo(), nullptr, 300, 200, 230, 320, SWP_NOZORDER);
    // The close button stays at the right edge.
    RECT client{};
    GetClientRect(Memo(), &client);
    RECT close{};
    GetWindowRect(window->MonthSchedule()->Child(idMemoPanelButton7), &close);
    MapWindowPoints(nullptr, Memo(), reinterpret_cast<POINT*>(&close), 2);
    EXPECT_EQ(close.left, client.right - 21);

    SendMessageW(List(), WM_KEYDOWN, VK_RETURN, 1);
    PumpMessages(50);
    EXPECT_EQ(Memo(), nullptr) << "Enter closes the view";
    EXPECT_EQ(Setting("Memo", "Left"), "300");
    EXPECT_EQ(Setting("Memo", "Top"), "200");
    EXPECT_EQ(Setting("Memo", "Width"), "230");
    EXPECT_EQ(Setting("Memo", "Height"), "320");

    Open();
    EXPECT_EQ(MemoRect().left, 300);
    EXPECT_EQ(MemoRect().top, 200);
    EXPECT_EQ(MemoRect().right, 530);
    EXPECT_EQ(MemoRect().bottom, 520);

    // The close button closes it; the end of the program too, each writing
    // where it was.
    SendMessageW(window->MonthSchedule()->Child(idMemoPanelButton7), BM_CLICK, 0, 0);
    PumpMessages(50);
    EXPECT_EQ(Memo(), nullptr);
    Open();
    SetWindowPos(Memo(), nullptr, 310, 210, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    window.reset();
    EXPECT_EQ(Setting("Memo", "Left"), "310");

    // A place kept from a larger screen is pulled back onto this one.
    SetSetting("Memo", "Left", "5000");
    SetSetting("Memo", "Top", "-40");
    Start();
    Open();
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(MemoRect().right, work.right - work.left);
    EXPECT_EQ(MemoRect().top, 0);
}

TEST_F(MonthScheduleView, ASelectedRedLineIsFilledInItsReadableShadeWithWhiteText) {
    StartCalendarOnly();
    Open();
    SendMessageW(List(), LB_SETCURSEL, 0, 0);
    const Image image = PrintClient(List(), clFuchsia);
    const auto item = [this](int index) {
        RECT rect{};
        SendMessageW(List(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
        return Rect{rect.left, rect.top, rect.right, rect.bottom};
    };
    const Rect selected = item(0);
    const int area = (selected.right - selected.left) * (selected.bottom - selected.top);
    ASSERT_EQ(selected.bottom - selected.top, 13) << "a line as tall as its characters";
    // Red in the shade that reads on white, as the calendar's selected day.
    const Color red = PaletteFor(ThemeState{}).DayText(clRed, clWhite);
    ASSERT_NE(red, clRed);
    EXPECT_GT(image.Count(selected, red) * 10, area * 7) << "the day's shade fills the line";
    EXPECT_GT(image.Count(selected, clWhite), 10) << "the text takes the ground";

    const Rect holiday = item(8);  // 9th, 成人の日
    EXPECT_GT(image.Count(holiday, clWhite) * 10, area * 7);
    EXPECT_GT(image.Count(holiday, red), 10);
    const Rect weekday = item(2);  // Tuesday the 3rd
    EXPECT_GT(image.Count(weekday, clBlack), 10);
    EXPECT_EQ(image.Count(weekday, clRed), 0);
    EXPECT_EQ(image.Count({0, item(30).bottom, image.width, image.height}, clFuchsia), 0)
        << "white below the last line";
}

TEST_F(MonthScheduleView, ADoubleClickOpensTheDayInTheCalendar) {
    StartCalendarOnly();
    Open();
    Click(idPanelButton3);
    RECT line{};
    SendMessageW(List(), LB_GETITEMRECT, 19, reinterpret_cast<LPARAM>(&line));
    const LPARAM at = MAKELPARAM(line.left + 5, line.top + 5);
    SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(List(), WM_LBUTTONUP, 0, at);
    SendMessageW(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(List(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(Selected(), "2006-2-20");
    EXPECT_EQ(Caption(), "平成18年2月");
}

TEST_F(MonthScheduleView, OpensWithTheCalendarWhenSoSet) {
    SetSetting("Form", "W", "1");
    StartCalendarOnly();
    ASSERT_NE(Memo(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Memo()));
    EXPECT_EQ(Lines().size(), 31u);
}

TEST_F(MonthScheduleView, AMalformedLineIsToldOnceAndTheRestIsListed) {
    StartCalendarOnly();
    window->koyomi1.SetYoteiDayList({"1,x,壊れた行", "1,20,散髪"});
    Open();
    EXPECT_EQ(Lines().at(19), "20(金)散髪");
    const auto told = [this] {
        int count = 0;
        for (const std::string& error : errors) count += error.find("予定日リストの 1 行目 \"1,x,壊れた行\"") != std::string::npos;
        return count;
    };
    EXPECT_EQ(told(), 1);
    Click(idPanelButton3);
    Click(idPanelButton2);
    EXPECT_EQ(Lines().at(19), "20(金)散髪");
    EXPECT_EQ(told(), 1) << "told once";
}


// A screen reader hears the list named by its month and each line's day in
// full, as the calendar's days; the lines' places find them again.
TEST_F(MonthScheduleView, AReaderReadsEachLineOfTheList) {
    StartCalendarOnly();
    Open();
    IAccessible* list = testing::ClientObject(List());
    ASSERT_NE(list, nullptr);
    long count = 0;
    ASSERT_EQ(list->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 31);
    EXPECT_EQ(testing::NameOf(*list, 1), "平成18年(2006年)1月1日(日)先勝 元日");
    EXPECT_EQ(testing::NameOf(*list, 9), "平成18年(2006年)1月9日(月)先負 成人の日");
    EXPECT_EQ(testing::NameOf(*list), "平成18年1月");
    EXPECT_EQ(testing::RoleOf(*list, 9), ROLE_SYSTEM_LISTITEM);
    const VARIANT nine = testing::ChildVariant(9);
    long left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(list->accLocation(&left, &top, &width, &height, nine), S_OK);
    VARIANT hit;
    ASSERT_EQ(list->accHitTest(left + width / 2, top + height / 2, &hit), S_OK);
    EXPECT_EQ(hit.lVal, 9);
    // The selected line is the selection; a reader's default action opens
    // its day, as a double click does.
    SendMessageW(List(), LB_SETCURSEL, 4, 0);
    VARIANT selection;
    ASSERT_EQ(list->get_accSelection(&selection), S_OK);
    EXPECT_EQ(selection.lVal, 5);
    // Tab goes to the close button and back.
    SetFocus(List());
    SendMessageW(List(), WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(GetFocus(), window->MonthSchedule()->Child(idMemoPanelButton7));
    SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(GetFocus(), List());
    ASSERT_EQ(list->accDoDefaultAction(nine), S_OK);
    PumpMessages(100);
    EXPECT_EQ(Selected(), "2006-1-9");
    list->Release();
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace zenka
