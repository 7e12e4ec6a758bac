// The settings dialog's three day-list tabs and the entry editor, real
// windows on a recording main window: their controls and commands bound
// to the lists, as a user drives them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calendar/default_holidays.h"
#include "common/cp932.h"
#include "common/whole_file.h"
#include "daylists/day_list_ids.h"
#include "daylists/day_list_texts.h"
#include "daylists/list_file.h"
#include "settings/settings_ids.h"
#include "tests/win/support/accessible_client.h"
#include "tests/win/support/cleanup_sandbox.h"
#include "tests/win/support/dialog_answerer.h"
#include "tests/win/settings/pages_dlg_fixture.h"

namespace zenka {
namespace {

using Lines = std::vector<std::string>;
using testing::DialogAnswerer;
using testing::Sandbox;
using testing::WhenDialogShows;

const std::string kTitle = "Zenka 2006: ";

class DayListTabs : public testing::PagesDialog {
protected:
    DayListPage& Page(PagesTab tab) { return dialog->DayList(tab); }
    HWND Item(PagesTab tab, int id) { return Ctl(tab, id); }
    HWND List(PagesTab tab) { return Page(tab).ListBox(); }
    Lines LinesOf(PagesTab tab) { return Page(tab).Lines(); }
    std::vector<bool> SelectedOf(PagesTab tab) { return Page(tab).ListState().selected; }
    void Select(PagesTab tab, std::initializer_list<int> lines) {
        SendMessageW(List(tab), LB_SETSEL, FALSE, -1);
        for (int line : lines) SendMessageW(List(tab), LB_SETSEL, TRUE, line);
        if (lines.size() > 0) SendMessageW(List(tab), LB_SETCARETINDEX, *lines.begin(), FALSE);
    }
    void Menu(PagesTab tab, int command) { SendMessageW(dialog->Page(tab), WM_COMMAND, command, 0); }
    void Add(PagesTab tab, const std::string& content) {
        Type(Item(tab, IDC_ENTRY_CONTENT), content);
        Click(Item(tab, IDC_DAY_LIST_ADD));
    }
    // A key as it reaches the focused control.
    static void Key(HWND control, WORD key, bool alt = false) {
        SendMessageW(control, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, alt ? (1 << 29) : 0);
    }
    void DisableApply() { EnableWindow(Button(IDC_APPLY), FALSE); }
    // Whether a menu item is there and enabled.
    static bool MenuEnabled(HMENU menu, UINT command) {
        const UINT state = GetMenuState(menu, command, MF_BYCOMMAND);
        return state != static_cast<UINT>(-1) && !(state & MF_GRAYED);
    }
};

TEST_F(DayListTabs, EachTabAddsTheEntryItsControlsCompose) {
    host.selected = {2006, 1, 10};
    host.lists = {{}, {"2,14,バレンタインデー"}, {}};
    Open();

    // "特別日": the date form at the calendar's date, no year.
    EXPECT_FALSE(Checked(Item(kTabSpecial, IDC_ENTRY_YEAR_CHECK)));
    EXPECT_FALSE(Enabled(Item(kTabSpecial, IDC_ENTRY_YEAR_MODE)));
    EXPECT_EQ(Text(Item(kTabSpecial, IDC_ENTRY_YEAR_MODE)), "以降");
    Add(kTabSpecial, "成人式");
    EXPECT_EQ(LinesOf(kTabSpecial), (Lines{"2,14,バレンタインデー", "1,10,成人式"}));
    EXPECT_EQ(SelectedOf(kTabSpecial), (std::vector<bool>{false, true}));
    EXPECT_EQ(Text(Item(kTabSpecial, IDC_ENTRY_CONTENT)), "");
    EXPECT_TRUE(dialog->ApplyEnabled());

    // "休日": a checked year box composes "以降".
    Click(Item(kTabHoliday, IDC_ENTRY_YEAR_CHECK));
    EXPECT_TRUE(Enabled(Item(kTabHoliday, IDC_ENTRY_YEAR_MODE)));
    Add(kTabHoliday, "創立記念日");
    EXPECT_EQ(LinesOf(kTabHoliday), Lines{"2006,2,1,10,創立記念日"});

    // "予定日": the week form with the preset weekday, added by the Down
    // arrow with or without Shift, Ctrl or Alt.
    EXPECT_TRUE(Checked(Item(kTabYotei, IDC_ENTRY_YEAR_CHECK)));
    EXPECT_EQ(Text(Item(kTabYotei, IDC_ENTRY_YEAR_MODE)), "のみ");
    EXPECT_EQ(Text(Item(kTabYotei, IDC_ENTRY_WEEKDAY)), "火") << "10 January 2006 was a Tuesday";
    EXPECT_FALSE(Enabled(Item(kTabYotei, IDC_ENTRY_WEEK_NUMBER)));
    Click(Item(kTabYotei, IDC_ENTRY_WEEK_FORM));
    EXPECT_TRUE(Enabled(Item(kTabYotei, IDC_ENTRY_WEEK_NUMBER)));
    EXPECT_FALSE(Enabled(Item(kTabYotei, IDC_ENTRY_DAY)));
    Type(Item(kTabYotei, IDC_ENTRY_WEEK_MONTH), "5");
    SendMessageW(Item(kTabYotei, IDC_ENTRY_WEEKDAY), CB_SETCURSEL, 0, 0);  // 日
    HWND content = Item(kTabYotei, IDC_ENTRY_CONTENT);
    Type(content, "x");
    Key(content, VK_DOWN);
    EXPECT_EQ(LinesOf(kTabYotei), Lines{"2006,0,5,2,1,x"});
    Click(Item(kTabYotei, IDC_ENTRY_YEAR_CHECK));
    EXPECT_FALSE(Enabled(Item(kTabYotei, IDC_ENTRY_YEAR)));
    Type(content, "y");
    Key(content, VK_DOWN, true);
    Type(content, "z");
    Key(content, VK_DOWN);
    EXPECT_EQ(LinesOf(kTabYotei), (Lines{"2006,0,5,2,1,x", "5,2,1,y", "5,2,1,z"}));

    // Nothing to add, and a comma, change nothing; the comma is told.
    DisableApply();
    Key(content, VK_DOWN);
    Type(content, "a,b");
    Click(Item(kTabYotei, IDC_DAY_LIST_ADD));
    EXPECT_EQ(LinesOf(kTabYotei).size(), 3u);
    EXPECT_EQ(Text(content), "a,b");
    EXPECT_FALSE(dialog->ApplyEnabled());
    EXPECT_EQ(messages, std::vector<std::string>{kTitle + kCommaInContentText});
}

TEST_F(DayListTabs, ThePictureButtonsAreNamedPushButtonsInTheTabOrder) {
    Open();
    const struct {
        int id;
        const char* name;
    } buttons[] = {{IDC_DAY_LIST_ADD, kAddHint},
                   {IDC_DAY_LIST_DELETE, kDeleteHint},
                   {IDC_DAY_LIST_LOAD, kLoadHint},
                   {IDC_DAY_LIST_SAVE, kSaveHint}};
    for (const auto& button : buttons) {
        SCOPED_TRACE(button.name);
        const HWND hwnd = Item(kTabYotei, button.id);
        EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_TABSTOP);
        IAccessible* object = testing::ClientObject(hwnd);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(testing::NameOf(*object), button.name);
        EXPECT_EQ(testing::RoleOf(*object), ROLE_SYSTEM_PUSHBUTTON);
        object->Release();
    }
}

TEST_F(DayListTabs, CommandsActOnTheSelectedLinesAndMarkTheChangesThatApplyTakes) {
    host.lists = {{"h0", "h1"}, {"a", "b", "c", "d", "e"}, {}};
    Open();
    const PagesTab tab = kTabSpecial;

    // Adding while two lines are selected appends and keeps them selected.
    Select(tab, {1, 3});
    Add(tab, "N");
    EXPECT_EQ(LinesOf(tab), (Lines{"a", "b", "c", "d", "e", "1,9,N"}));
    EXPECT_EQ(SelectedOf(tab), (std::vector<bool>{false, true, false, true, false, true}));

    // The menu follows the selection; the import shows on "予定日" only.
    HMENU menu = Page(tab).CreateContextMenu();
    EXPECT_FALSE(MenuEnabled(menu, IDM_LIST_EDIT));
    EXPECT_FALSE(MenuEnabled(menu, IDM_LIST_DELETE));
    EXPECT_TRUE(MenuEnabled(menu, IDM_LIST_DELETE_ALL));
    EXPECT_EQ(GetMenuState(menu, IDM_LIST_IMPORT, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuItemCount(menu), 10);
    DestroyMenu(menu);
    menu = Page(kTabYotei).CreateContextMenu();
    EXPECT_TRUE(MenuEnabled(menu, IDM_LIST_IMPORT));
    EXPECT_FALSE(MenuEnabled(menu, IDM_LIST_DELETE_ALL)) << "an empty list";
    EXPECT_EQ(GetMenuItemCount(menu), 12);
    DestroyMenu(menu);

    // Delete by the button: the line now standing first in their place is selected.
    DisableApply();
    Click(Item(tab, IDC_DAY_LIST_DELETE));
    EXPECT_EQ(LinesOf(tab), (Lines{"a", "c", "e"}));
    EXPECT_EQ(SelectedOf(tab), (std::vector<bool>{false, true, false}));
    EXPECT_TRUE(dialog->ApplyEnabled());

    // Move the one selected line down and up by the menu; it is not selected after.
    menu = Page(tab).CreateContextMenu();
    EXPECT_TRUE(MenuEnabled(menu, IDM_LIST_EDIT) && MenuEnabled(menu, IDM_LIST_UP) && MenuEnabled(menu, IDM_LIST_DOWN));
    DestroyMenu(menu);
    DisableApply();
    Menu(tab, IDM_LIST_DOWN);
    EXPECT_EQ(LinesOf(tab), (Lines{"a", "e", "c"}));
    EXPECT_EQ(Page(tab).ListState().SelectedCount(), 0u);
    EXPECT_TRUE(dialog->ApplyEnabled());
    DisableApply();
    Menu(tab, IDM_LIST_DOWN);  // already last
    EXPECT_FALSE(dialog->ApplyEnabled());
    Select(tab, {0});
    Menu(tab, IDM_LIST_UP);  // already first
    EXPECT_FALSE(dialog->ApplyEnabled());

    // The Delete key in the list, then the menu's "すべて削除".
    Key(List(tab), VK_DELETE);
    EXPECT_EQ(LinesOf(tab), (Lines{"e", "c"}));
    Menu(tab, IDM_LIST_DELETE_ALL);
    EXPECT_TRUE(LinesOf(tab).empty());

    // "休日": reset and the equinox item.
    DisableApply();
    menu = Page(kTabHoliday).CreateContextMenu();
    EXPECT_TRUE(GetMenuState(menu, IDM_LIST_AUTO_EQUINOX, MF_BYCOMMAND) & MF_CHECKED);
    DestroyMenu(menu);
    Menu(kTabHoliday, IDM_LIST_RESET);
    EXPECT_EQ(LinesOf(kTabHoliday), DefaultHolidayLines());
    EXPECT_TRUE(dialog->ApplyEnabled());
    Menu(kTabHoliday, IDM_LIST_AUTO_EQUINOX);
    menu = Page(kTabHoliday).CreateContextMenu();
    EXPECT_FALSE(GetMenuState(menu, IDM_LIST_AUTO_EQUINOX, MF_BYCOMMAND) & MF_CHECKED);
    DestroyMenu(menu);

    // Apply takes all three lists and the equinox item.
    Click(Button(IDC_APPLY));
    EXPECT_EQ(host.lists, (DayLists{DefaultHolidayLines(), {}, {}}));
    EXPECT_FALSE(host.autoEquinox);
}

TEST_F(DayListTabs, ALineDraggedBelowTheLastLineMovesToTheEnd) {
    host.lists = {{"a", "b", "c"}, {}, {}};
    Open();
    dialog->SelectTab(kTabHoliday);
    HWND list = List(kTabHoliday);
    RECT first{}, last{};
    SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    SendMessageW(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&last));
    const int x = 20;
    const int y = (first.top + first.bottom) / 2;
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y + 8));
    SendMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, last.bottom + 10));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(x, last.bottom + 10));
    EXPECT_EQ(LinesOf(kTabHoliday), (Lines{"b", "c", "a"}));
    EXPECT_EQ(SelectedOf(kTabHoliday), (std::vector<bool>{false, false, true}));
    EXPECT_TRUE(dialog->ApplyEnabled());
}

TEST_F(DayListTabs, TheEditorShowsTheFocusedLineAndPutsItsLineInThatPlace) {
    host.selected = {2006, 12, 23};
    host.lists = {{"1,1,元旦", "2000,2,1,2,2,成人の日", "11,3,文化の日"}, {}, {}};
    Open();
    dialog->SelectTab(kTabHoliday);
    HWND list = List(kTabHoliday);
    Select(kTabHoliday, {1});

    struct Seen {
        bool yearChecked = false, weekForm = false;
        std::string year, mode, weekMonth, weekNumber, weekday, content;
        RECT rect{};
    } seen;
    auto text = [](HWND editor, int id) {
        wchar_t buffer[128] = {};
        GetDlgItemTextW(editor, id, buffer, 128);
        return Narrow(buffer);
    };
    {
        WhenDialogShows editor(GetCurrentThreadId(), testing::TitledAs(Widen(kEditorCaption)), [&](HWND e) {
            seen.yearChecked = IsDlgButtonChecked(e, IDC_ENTRY_YEAR_CHECK) == BST_CHECKED;
            seen.weekForm = IsDlgButtonChecked(e, IDC_ENTRY_WEEK_FORM) == BST_CHECKED;
            seen.year = text(e, IDC_ENTRY_YEAR);
            seen.mode = text(e, IDC_ENTRY_YEAR_MODE);
            seen.weekMonth = text(e, IDC_ENTRY_WEEK_MONTH);
            seen.weekNumber = text(e, IDC_ENTRY_WEEK_NUMBER);
            seen.weekday = text(e, IDC_ENTRY_WEEKDAY);
            seen.content = text(e, IDC_ENTRY_CONTENT);
            GetWindowRect(e, &seen.rect);
            SetDlgItemTextW(e, IDC_ENTRY_CONTENT, L"");
            SendMessageW(e, WM_COMMAND, IDOK, 0);  // refused: no content
            SetDlgItemTextW(e, IDC_ENTRY_CONTENT, L"成人式");
            SendMessageW(e, WM_COMMAND, IDOK, 0);
        });
        SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 5));  // a double click opens it
    }
    EXPECT_TRUE(seen.yearChecked && seen.weekForm);
    EXPECT_EQ(seen.year, "2000");
    EXPECT_EQ(seen.mode, "以降");
    EXPECT_EQ(seen.weekMonth, "1");
    EXPECT_EQ(seen.weekNumber, "2");
    EXPECT_EQ(seen.weekday, "月");
    EXPECT_EQ(seen.content, "成人の日");
    RECT owner{};
    GetWindowRect(dialog->Handle(), &owner);
    EXPECT_EQ(seen.rect.left, owner.left + (owner.right - owner.left) / 2 - (seen.rect.right - seen.rect.left) / 2);
    EXPECT_EQ(seen.rect.top, owner.top + (owner.bottom - owner.top) / 2 - (seen.rect.bottom - seen.rect.top) / 2);
    EXPECT_EQ(messages, std::vector<std::string>{kTitle + kEditorContentText});
    EXPECT_EQ(LinesOf(kTabHoliday), (Lines{"1,1,元旦", "2000,2,1,2,2,成人式", "11,3,文化の日"}));
    EXPECT_EQ(SelectedOf(kTabHoliday), (std::vector<bool>{false, true, false}));
    EXPECT_FALSE(dialog->ApplyEnabled()) << "an edit goes with the next OK or apply";

    // A line of another shape opens whole in the content box; a field that
    // is no number is told and stops the filling; cancel changes nothing.
    Select(kTabHoliday, {2});
    SendMessageW(list, LB_INSERTSTRING, 2, reinterpret_cast<LPARAM>(L"1,x,A"));
    Select(kTabHoliday, {2});
    messages.clear();
    std::string month, content;
    {
        WhenDialogShows editor(GetCurrentThreadId(), testing::TitledAs(Widen(kEditorCaption)), [&](HWND e) {
            for (int i = 0; i < 100 && messages.empty(); ++i) Sleep(20);  // the error shows once the editor does
            month = text(e, IDC_ENTRY_MONTH);
            content = text(e, IDC_ENTRY_CONTENT);
            PostMessageW(e, WM_COMMAND, IDCANCEL, 0);
        });
        Menu(kTabHoliday, IDM_LIST_EDIT);
    }
    EXPECT_EQ(messages, std::vector<std::string>{kTitle + "'x' は整数ではありません"});
    EXPECT_EQ(month, "1");
    EXPECT_EQ(content, "");
    EXPECT_EQ(LinesOf(kTabHoliday).at(2), "1,x,A");
}

TEST_F(DayListTabs, OkAsksAboutEntriesLeftTypedAndAddsThemOnYes) {
    host.lists = {{"h"}, {"s"}, {"y"}};
    host.selected = {2006, 2, 3};
    struct Case {
        int answer;
        DayLists listsAfter;
        bool closed;
    };
    const Case cases[] = {
        {IDCANCEL, {{"h"}, {"s"}, {"y"}}, false},
        {IDNO, {{"h"}, {"s"}, {"y"}}, true},
        {IDYES, {{"h", "2,3,休み"}, {"s", "2,3,記念日"}, {"y", "2006,0,2,3,会議"}}, true},
    };
    for (const Case& c : cases) {
        dialog.reset();
        host.lists = {{"h"}, {"s"}, {"y"}};
        host.log.clear();
        messages.clear();
        destroyed = 0;
        Open();
        Type(Item(kTabYotei, IDC_ENTRY_CONTENT), "会議");
        Type(Item(kTabSpecial, IDC_ENTRY_CONTENT), "記念日");
        Type(Item(kTabHoliday, IDC_ENTRY_CONTENT), "休み");
        answer = c.answer;
        Click(Button(IDOK));
        EXPECT_EQ(messages, std::vector<std::string>{kTitle + kPendingEntriesQuestion}) << c.answer;
        EXPECT_EQ(host.lists, c.listsAfter) << c.answer;
        EXPECT_EQ(destroyed, c.closed ? 1 : 0) << c.answer;
        const auto applies = std::count(host.log.begin(), host.log.end(), "lists");
        EXPECT_EQ(applies, c.answer == IDYES ? 2 : 1) << "OK applied before it asked, and again after adding";
    }

    // An entry that cannot be added keeps the dialog open, the entry typed.
    dialog.reset();
    host.lists = {{"h"}, {"s"}, {"y"}};
    messages.clear();
    destroyed = 0;
    Open();
    Type(Item(kTabYotei, IDC_ENTRY_CONTENT), "ok");
    Type(Item(kTabSpecial, IDC_ENTRY_CONTENT), "a,b");
    answer = IDYES;
    Click(Button(IDOK));
    EXPECT_EQ(messages, (std::vector<std::string>{kTitle + kPendingEntriesQuestion, kTitle + kCommaInContentText}));
    EXPECT_EQ(host.lists.YoteiDayList, (Lines{"y", "2006,0,2,3,ok"}));
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(Text(Item(kTabSpecial, IDC_ENTRY_CONTENT)), "a,b");
}

TEST_F(DayListTabs, ListFilesAreSavedAndLoadedThroughTheSystemsDialogs) {
    Sandbox sandbox;
    realFileDialogs = true;
    host.lists = {DefaultHolidayLines(), {"1,2,森鷗外"}, {}};
    Open();
    const std::string saved = sandbox.Path("休日の写し");
    {
        DialogAnswerer answer(GetCurrentThreadId(), Widen(saved));
        Click(Item(kTabHoliday, IDC_DAY_LIST_SAVE));
        EXPECT_EQ(answer.seenProposal, "休日リスト");
    }
    std::string expected;
    for (const std::string& line : DefaultHolidayLines()) expected += Utf8ToCp932(line) + "\r\n";
    EXPECT_EQ(ReadWholeFile(saved + ".txt"), expected) << "the default extension was added";
    EXPECT_FALSE(dialog->ApplyEnabled()) << "saving changes no list";

    // A line code page 932 cannot hold goes as UTF-8.
    {
        DialogAnswerer answer(GetCurrentThreadId(), Widen(sandbox.Path("special.txt")));
        Menu(kTabSpecial, IDM_LIST_SAVE);
    }
    EXPECT_EQ(ReadWholeFile(sandbox.Path("special.txt")), "\xEF\xBB\xBF" "1,2,森鷗外\r\n");

    // Loading replaces the list, LF-only UTF-8 included, and enables apply.
    ASSERT_TRUE(ReplaceWholeFile(sandbox.Path("mine.txt"), "1,1,元旦\n2,2,鷗\n"));
    {
        DialogAnswerer answer(GetCurrentThreadId(), Widen(sandbox.Path("mine.txt")));
        Click(Item(kTabYotei, IDC_DAY_LIST_LOAD));
    }
    EXPECT_EQ(LinesOf(kTabYotei), (Lines{"1,1,元旦", "2,2,鷗"}));
    EXPECT_TRUE(dialog->ApplyEnabled());
    {
        DialogAnswerer answer(GetCurrentThreadId(), Widen(saved + ".txt"));
        Menu(kTabSpecial, IDM_LIST_OPEN);
        EXPECT_EQ(answer.seenProposal, "mine.txt") << "the open dialog proposes the file chosen last";
    }
    EXPECT_EQ(LinesOf(kTabSpecial), DefaultHolidayLines());
    EXPECT_TRUE(messages.empty());
}

TEST_F(DayListTabs, FilesThatCannotBeReadOrWrittenAreToldAndChangeNothing) {
    Sandbox sandbox;
    Open();
    const Lines before = LinesOf(kTabYotei);
    choice = sandbox.Path("missing.txt");
    Click(Item(kTabYotei, IDC_DAY_LIST_LOAD));
    choice = sandbox.Path("no folder\\x.txt");
    Click(Item(kTabYotei, IDC_DAY_LIST_SAVE));
    EXPECT_EQ(messages, (std::vector<std::string>{kTitle + "ファイル " + sandbox.Path("missing.txt") + " は開けません",
                                                  kTitle + "ファイル " + sandbox.Path("no folder\\x.txt") +
                                                      " を作成できません: " +
                                                      WhyNotReplaced({FileReplacement::NotWritten},
                                                                     sandbox.Path("no folder\\x.txt"))}));
    EXPECT_EQ(LinesOf(kTabYotei), before);
    EXPECT_FALSE(dialog->ApplyEnabled());
    EXPECT_EQ(filters, (std::vector<std::string>{kListFileFilter, kListFileFilter}));
    EXPECT_EQ(proposed.back(), "予定日リスト");
}

TEST_F(DayListTabs, RestoringABackupWithOnlyTheHolidaysReplacesThatListAlone) {
    Sandbox sandbox;
    const std::string backup = sandbox.Path("Zenka.bak");
    ASSERT_TRUE(ReplaceWholeFile(backup, Utf8ToCp932("[ListC]\r\nKMax=0x1\r\nItem[0]=1,1,元旦\r\nItem[1]=12,31,大晦日\r\n")));
    host.backupPath = backup;
    Open();
    const DayLists before{host.lists.HolidayList, host.lists.SpecialDayList, host.lists.YoteiDayList};

    answer = IDNO;
    Click(Ctl(kTabOther, IDC_RESTORE));
    EXPECT_TRUE(filters.empty()) << "no: nothing more";

    answer = IDYES;
    choice = sandbox.Path("none.bak");
    Click(Ctl(kTabOther, IDC_RESTORE));
    EXPECT_EQ(LinesOf(kTabHoliday), before.HolidayList) << "a missing file changes no list";

    choice = backup;
    messages.clear();
    Click(Ctl(kTabOther, IDC_RESTORE));
    EXPECT_EQ(messages, std::vector<std::string>{kTitle + kRestoreQuestion});
    EXPECT_EQ(filters.back(), kBackupFileFilter);
    EXPECT_EQ(proposed.back(), backup);
    EXPECT_EQ(LinesOf(kTabHoliday), (Lines{"1,1,元旦", "12,31,大晦日"}));
    EXPECT_EQ(LinesOf(kTabSpecial), before.SpecialDayList);
    EXPECT_EQ(LinesOf(kTabYotei), before.YoteiDayList);
    EXPECT_FALSE(dialog->ApplyEnabled()) << "OK takes a restore";
    Click(Button(IDOK));
    EXPECT_EQ(host.lists.HolidayList, (Lines{"1,1,元旦", "12,31,大晦日"}));
}

TEST_F(DayListTabs, TheOldLayoutIsAppendedToTheScheduledDays) {
    Open();
    Menu(kTabYotei, IDM_LIST_IMPORT);
    EXPECT_EQ(messages, std::vector<std::string>{kTitle + kNoOldLayoutText});
    EXPECT_EQ(LinesOf(kTabYotei), host.lists.YoteiDayList);

    host.keys.WriteText("List2", "Max2", "1");
    host.keys.WriteText("List2", "Item[0]", "1999,12,24,x");
    host.keys.WriteText("List2", "Item[1]", "2001,5,5,旅行");
    Menu(kTabYotei, IDM_LIST_IMPORT);
    Lines expected = host.lists.YoteiDayList;
    expected.insert(expected.end(), {"1999,0,12,24,x", "2001,0,5,5,旅行"});
    EXPECT_EQ(LinesOf(kTabYotei), expected);
    EXPECT_FALSE(dialog->ApplyEnabled());
}

TEST_F(DayListTabs, AClickOnTheCalendarSelectsTheDaysLinesOfTheActiveTab) {
    host.lists = {DefaultHolidayLines(), {"1,1,a", "11,1,b", "1,15,c", "x,y"}, {}};
    Open();
    dialog->SelectTab(kTabSpecial);
    Select(kTabSpecial, {3});
    dialog->SelectLinesOfDate({2006, 1, 1});
    EXPECT_EQ(SelectedOf(kTabSpecial), (std::vector<bool>{true, false, false, true}));
    EXPECT_EQ(Page(kTabHoliday).ListState().SelectedCount(), 0u) << "another tab is left alone";

    dialog->SelectTab(kTabHoliday);
    dialog->SelectLinesOfDate({2006, 12, 23});
    const ListBoxState holidays = Page(kTabHoliday).ListState();
    ASSERT_EQ(holidays.SelectedCount(), 1u);
    const auto line = std::find(holidays.selected.begin(), holidays.selected.end(), true) - holidays.selected.begin();
    EXPECT_EQ(holidays.lines[line], "2006,0,12,23,天皇誕生日");
    EXPECT_GE(line, holidays.top);
    EXPECT_LT(line, holidays.top + Page(kTabHoliday).VisibleRows()) << "brought into view";
    EXPECT_FALSE(dialog->ApplyEnabled());
}

}  // namespace
}  // namespace zenka
