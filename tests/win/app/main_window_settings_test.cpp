// The main window with its settings dialog, help and about box: the
// commands that open them, the dialog applying into the main window and,
// at exit, into the registry, and the help topics asked for.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/main_menus_win.h"
#include "calendar/default_holidays.h"
#include "common/executable_path_win.h"
#include "common/whole_file.h"
#include "daylists/day_list_box.h"
#include "daylists/day_list_ids.h"
#include "daylists/profile_file.h"
#include "settings/settings_ids.h"
#include "settings/settings_texts.h"
#include "tests/win/support/caption_width.h"
#include "tests/win/support/cleanup_sandbox.h"
#include "tests/win/support/key_presses.h"
#include "tests/win/app/main_window_fixture.h"
#include "tests/win/support/zenka_test_support.h"

namespace zenka {
namespace {

using testing::MainWindow;
using testing::PressKeys;
using testing::PumpMessages;
using testing::SetSetting;
using testing::Setting;
using testing::WindowText;

// The settings dialogs of this process that show.
int VisibleSettingsDialogs() {
    int count = 0;
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(hwnd, &process);
            if (process == GetCurrentProcessId() && IsWindowVisible(hwnd) && WindowText(hwnd) == kPagesDlgCaption) {
                ++*reinterpret_cast<int*>(param);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

HWND PageControl(TfrmZenka& window, PagesTab tab, int id) { return GetDlgItem(window.PagesDlg()->Page(tab), id); }
void ClickButton(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
bool Checked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Runs this thread's messages the way the program's message loop does.
void RunMessageLoop(TfrmZenka& window, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (window.PreTranslateMessage(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

TEST_F(MainWindow, EverySettingsCommandOpensTheOneDialogAndBringsItForward) {
    StartCalendarOnly();
    for (MenuCommand item : {cmdKO1, cmdK3, cmdPopAbout, cmdK2}) {
        const HMENU menu = item == cmdK2 ? window->PopupMenu2() : window->PopupMenu1();
        EXPECT_FALSE(GetMenuState(menu, item, MF_BYCOMMAND) & MF_GRAYED) << item;
    }
    EXPECT_EQ(window->PagesDlg(), nullptr);
    Menu(cmdKO1);
    TPagesDlg* dialog = window->PagesDlg();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(VisibleSettingsDialogs(), 1);
    const EntryControls entry = dialog->DayList(kTabYotei).Entry();
    EXPECT_EQ(CivilDate(entry.year, entry.month, entry.day), (CivilDate{2006, 1, 1}));
    EXPECT_FALSE(dialog->ApplyEnabled());

    Click(idPanelButton3);  // to February
    Menu(cmdK2);
    Key(VK_RETURN);
    SendMessageW(window->koyomi1.Handle(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    SendMessageW(window->koyomi1.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpMessages(50);
    EXPECT_EQ(window->PagesDlg(), dialog) << "no second dialog";
    EXPECT_EQ(VisibleSettingsDialogs(), 1);
    EXPECT_EQ(dialog->DayList(kTabHoliday).Entry().month, 2) << "the entry fields took the calendar's date";
    EXPECT_EQ(GetForegroundWindow(), dialog->Handle()) << "the dialog came forward";

    SendMessageW(dialog->Handle(), WM_COMMAND, IDCANCEL, 0);
    PumpMessages(50);
    EXPECT_EQ(window->PagesDlg(), nullptr) << "the main window let go of the closed dialog";
    Menu(cmdKO1);
    EXPECT_NE(window->PagesDlg(), nullptr) << "and opens a new one";
}

TEST_F(MainWindow, AppliedSettingsGoToTheMainWindowAndToTheRegistryAtExitWhileTheListsStay) {
    SetSetting("Sync", "Proxy", "proxy:3128");
    SetSetting("Color", "Sunday", "clBlue");
    SetSetting("Kidou", "Cal", "1");
    SetSetting("Form", "HotKey1", "Ctrl+Alt+K");
    SetSetting("Alarm", "mes0", "朝");
    // The backup would go beside the test program.
    SetSetting("Form", "AutoBackup", "0");
    Start();
    Menu(cmdKO1);
    TPagesDlg& dialog = *window->PagesDlg();
    EXPECT_FALSE(dialog.ApplyEnabled()) << "non-default settings open with apply disabled";
    EXPECT_EQ(WindowText(PageControl(*window, kTabSync, IDC_PROXY)), "proxy:3128");
    EXPECT_TRUE(Checked(PageControl(*window, kTabColor, IDC_COLOR_FIRST + 10 + 1))) << "Sunday blue";
    EXPECT_EQ(WindowText(PageControl(*window, kTabAlarm, IDC_ALARM_MESSAGE)), "朝");

    ClickButton(PageControl(*window, kTabAlarm, IDC_JIHO_ON));
    ClickButton(PageControl(*window, kTabAlarm, IDC_JIHO_HALF));
    ClickButton(PageControl(*window, kTabSync, IDC_TEIKI));
    ClickButton(PageControl(*window, kTabColor, IDC_COLOR_FIRST + 5 * 5 + 3));  // scheduled days green
    ClickButton(PageControl(*window, kTabStartup, IDC_KIDOU_BOTH));
    SetWindowTextW(PageControl(*window, kTabOther, IDC_AUTO_CLOSE_SECONDS), L"42");
    ClickButton(PageControl(*window, kTabOther, IDC_ROKUYO));
    ASSERT_TRUE(dialog.ApplyEnabled());
    ClickButton(GetDlgItem(dialog.Handle(), IDC_APPLY));

    const AppSettings& s = window->Settings();
    EXPECT_TRUE(s.jiho.on && s.jiho.half);
    EXPECT_TRUE(s.sync.teiki);
    EXPECT_EQ(s.kidou, (AppSettings::Kidou{false, false, true}));
    EXPECT_EQ(s.autoClose.interval, 42000);
    EXPECT_FALSE(s.form.rokuyo);
    EXPECT_EQ(window->koyomi1.Fonts().YoteiDay().color, clLime);
    EXPECT_EQ(window->koyomi1.Fonts().Sunday().color, clBlue);
    EXPECT_EQ(window->koyomi1.HolidayList().Lines(), DefaultHolidayLines()) << "the lists went back unchanged";
    EXPECT_TRUE(window->koyomi1.AutoEquinox());
    EXPECT_TRUE(messages.empty()) << "the hot key did not change";
    const std::string holidayCount = std::to_string(DefaultHolidayLines().size() - 1);
    EXPECT_EQ(Setting("ListC", "KMax"), holidayCount) << "apply saved the lists";

    // A change not applied is dropped by cancel.
    ClickButton(PageControl(*window, kTabAlarm, IDC_JIHO_ON));
    SendMessageW(dialog.Handle(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(window->Settings().jiho.on);

    SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(Setting("Jiho", "Half"), "1");
    EXPECT_EQ(Setting("Jiho", "On"), "1");
    EXPECT_EQ(Setting("Sync", "Teiki"), "1");
    EXPECT_EQ(Setting("Color", "Yoteiday"), "clLime");
    EXPECT_EQ(Setting("Kidou", "W"), "1");
    EXPECT_EQ(Setting("Kidou", "Cal"), "0");
    EXPECT_EQ(Setting("AutoClose", "Interval"), "42000");
    EXPECT_EQ(Setting("Form", "Rokuyo"), "0");
    EXPECT_EQ(Setting("Form", "HotKey1"), "Ctrl+Alt+K");
    EXPECT_EQ(Setting("Koyomi", "Julius"), "1");
    EXPECT_EQ(Setting("ListC", "KMax"), holidayCount);
}

TEST_F(MainWindow, OkPutsTheTabsListsIntoTheCalendarTheRegistryAndTheBackupFile) {
    testing::Sandbox sandbox;
    const std::string backup = sandbox.Path("Zenka.bak");
    moreServices = [&backup](MainWindowServices& services) { services.backupPath = backup; };
    StartCalendarOnly();
    Menu(cmdKO1);
    TPagesDlg& dialog = *window->PagesDlg();
    SetWindowTextW(PageControl(*window, kTabSpecial, IDC_ENTRY_CONTENT), L"成人式");
    ClickButton(PageControl(*window, kTabSpecial, IDC_DAY_LIST_ADD));
    SendMessageW(dialog.Page(kTabHoliday), WM_COMMAND, IDM_LIST_AUTO_EQUINOX, 0);
    SendMessageW(dialog.Page(kTabHoliday), WM_COMMAND, IDM_LIST_DELETE_ALL, 0);
    ClickButton(GetDlgItem(dialog.Handle(), IDOK));
    PumpMessages(50);
    EXPECT_EQ(window->PagesDlg(), nullptr);

    const std::vector<std::string> special{"1,1,成人式"};  // the calendar's date, 1 January
    EXPECT_EQ(window->koyomi1.SpecialDayList().Lines(), special);
    EXPECT_TRUE(window->koyomi1.HolidayList().Lines().empty());
    EXPECT_FALSE(window->koyomi1.AutoEquinox());
    EXPECT_EQ(Setting("ListB", "Max"), "0");
    EXPECT_EQ(Setting("ListB", "Item[0]"), "1,1,成人式");
    EXPECT_EQ(Setting("ListC", "KMax"), "-1");
    const ProfileFile file = ProfileFile::Parse(ReadWholeFile(backup).value_or(""));
    EXPECT_EQ(file.Get("ListB", "Item[0]"), "1,1,成人式");
    EXPECT_EQ(file.Get("ListC", "KMax"), "-1");
    EXPECT_EQ(file.Get("ListA", "Max2"), "-1");
}

TEST_F(MainWindow, AClickOnTheCalendarSelectsTheDaysLinesInTheOpenDialog) {
    StartCalendarOnly();
    MonthCalendarControl& calendar = window->koyomi1;
    // A press on the cell of 8 January 2007, the second Monday: 成人の日.
    auto clickOnSecondMondayOf2007 = [&calendar] {
        calendar.SetDate(2007, 1, 1);
        const int32_t day = DateToJulius(2007, 1, 8);
        for (int row = 1; row < calendar.RowCount(); ++row) {
            for (int column = 0; column < 7; ++column) {
                if (calendar.CellDay(column, row) != day) continue;
                const Rect cell = calendar.CellRect(column, row);
                const LPARAM point = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
                SendMessageW(calendar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
                SendMessageW(calendar.Handle(), WM_LBUTTONUP, 0, point);
            }
        }
    };
    clickOnSecondMondayOf2007();  // no dialog: nothing to do
    Menu(cmdKO1);
    TPagesDlg& dialog = *window->PagesDlg();
    dialog.SelectTab(kTabHoliday);
    clickOnSecondMondayOf2007();
    ASSERT_EQ(Selected(), "2007-1-8");

    const ListBoxState holidays = dialog.DayList(kTabHoliday).ListState();
    ASSERT_EQ(holidays.SelectedCount(), 1u);
    const auto line = std::find(holidays.selected.begin(), holidays.selected.end(), true) - holidays.selected.begin();
    EXPECT_EQ(holidays.lines[line], "2000,2,1,2,2,成人の日");
}

TEST_F(MainWindow, HelpOpensTheTopicOfTheTrayMenuTheCalendarAndEachSettingsTab) {
    StartCalendarOnly();
    Menu(cmdK3);
    SetForegroundWindow(Hwnd());
    SetFocus(window->koyomi1.Handle());
    RunMessageLoop(*window, 30);
    PressKeys({VK_F1});
    RunMessageLoop(*window, 150);
    EXPECT_EQ(help.contexts, (std::vector<uint32_t>{1, 5}));

    // F1 pressed on each tab, through the program's message loop.
    help.contexts.clear();
    Menu(cmdKO1);
    TPagesDlg& dialog = *window->PagesDlg();
    for (int32_t tab = 0; tab < kTabCount; ++tab) {
        dialog.SelectTab(tab);
        SetForegroundWindow(dialog.Handle());
        SetFocus(GetDlgItem(dialog.Handle(), IDCANCEL));
        RunMessageLoop(*window, 30);
        PressKeys({VK_F1});
        RunMessageLoop(*window, 150);
    }
    EXPECT_EQ(help.contexts, (std::vector<uint32_t>{6, 6, 6, 7, 8, 4, 9, 10}));
}

TEST_F(MainWindow, TheAboutBoxShowsTheVersionAndOpensTheLinks) {
    StartCalendarOnly();
    std::vector<std::string> texts;
    HWND owner = nullptr;
    bool hasIcon = false;
    std::vector<std::string> clipped;
    aboutShown = [&](HWND box) {
        owner = GetWindow(box, GW_OWNER);
        for (int id : {IDC_ABOUT_PRODUCT, IDC_ABOUT_VERSION, IDC_ABOUT_NOTICE, IDC_ABOUT_MAIL, IDC_ABOUT_WEB}) {
            texts.push_back(WindowText(GetDlgItem(box, id)));
        }
        texts.push_back(WindowText(box));
        hasIcon = SendDlgItemMessageW(box, IDC_ABOUT_ICON, STM_GETICON, 0, 0) != 0;
        clipped = testing::ClippedCaptions(box);
        SendMessageW(box, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_MAIL, STN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, IDC_ABOUT_MAIL)));
        SendMessageW(box, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_WEB, STN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, IDC_ABOUT_WEB)));
    };
    Menu(cmdPopAbout);
    const std::string folder = ExecutableDirectory();
    EXPECT_EQ(texts, (std::vector<std::string>{"Zenka 2006", "Version 6.7", "Copyright (C) Brindlex", "新しいメールを作成",
                                               "Zenkaのフォルダーを開く", "バージョン情報"}))
        << "the web link says what it does, not a local path";
    EXPECT_EQ(owner, Hwnd()) << "modal over the main window";
    EXPECT_TRUE(hasIcon);
    EXPECT_TRUE(clipped.empty()) << ::testing::PrintToString(clipped);
    EXPECT_EQ(openedLinks, (std::vector<std::string>{"mailto:?subject=Zenka%202006%20Version%206.7", folder}));
}

}  // namespace
}  // namespace zenka
