// The settings dialog's real window on a recording main window: what its
// controls show when it opens, what they write back, the rules between
// them, and its buttons and keys.
#include "settings/pages_dlg_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "controls/hot_key_control_win.h"
#include "settings/color_choice.h"
#include "settings/settings_texts.h"
#include "settings/sync_report_text.h"
#include "timesync/sync_reasons.h"
#include "timesync/time_servers.h"
#include "tests/win/support/caption_width.h"
#include "tests/win/support/key_presses.h"
#include "tests/win/settings/pages_dlg_fixture.h"

namespace zenka {
namespace {

using testing::PagesDialog;

constexpr int kColor = IDC_COLOR_FIRST;  // + 5 * group + button

std::vector<std::string> ListLines(HWND list) {
    std::vector<std::string> lines;
    const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        lines.push_back(Narrow(text));
    }
    return lines;
}

TEST_F(PagesDialog, OpensOnTheFirstTabShowingTheMainWindowsValuesWithApplyDisabled) {
    SetNonDefaultSettings(host);
    host.osMajorVersion = 5;
    Open();
    EXPECT_EQ(Text(dialog->Handle()), "Zenka 2006 - [設定]");
    HWND tab = GetDlgItem(dialog->Handle(), IDC_PAGES_TAB);
    const char* captions[] = {"予定日", "特別日", "休日", "アラーム･時報", "時刻合わせ", "カラー", "起動オプション", "その他"};
    ASSERT_EQ(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), 8);
    for (int i = 0; i < 8; ++i) {
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(tab, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(Narrow(text), captions[i]);
    }
    EXPECT_TRUE(GetWindowLongPtrW(tab, GWL_STYLE) & TCS_MULTILINE);
    EXPECT_EQ(dialog->CurrentTab(), 0);
    EXPECT_TRUE(IsWindowVisible(dialog->Page(kTabYotei)));
    EXPECT_FALSE(IsWindowVisible(dialog->Page(kTabAlarm)));
    EXPECT_FALSE(dialog->ApplyEnabled()) << "loading is no change";
    EXPECT_EQ(Text(Button(IDC_APPLY)), "更新(&A)");
    EXPECT_EQ(Text(Button(IDCANCEL)), "キャンセル");
    EXPECT_EQ(LOWORD(SendMessageW(dialog->Handle(), DM_GETDEFID, 0, 0)), IDOK);

    // Every bound control, by its identifier.
    struct Field {
        PagesTab tab;
        int id;
        const char* text;
    };
    const Field fields[] = {
        {kTabAlarm, IDC_ALARM_HOUR, "7"},           {kTabAlarm, IDC_ALARM_MINUTE, "30"},
        {kTabAlarm, IDC_ALARM_SOUND, "wake.wav"},   {kTabAlarm, IDC_ALARM_MESSAGE, "起きて"},
        {kTabAlarm, IDC_JIHO_FILE, "hour.wav"},     {kTabAlarm, IDC_JIHO_FILE2, "half.wav"},
        {kTabSync, IDC_OKI, "15"},                  {kTabSync, IDC_SYNC_SOUND, "ok.wav"},
        {kTabSync, IDC_ADJUSTMENT, "-32"},          {kTabSync, IDC_PROXY, "proxy:8080"},
        {kTabSync, IDC_PROXY_USER, "me"},           {kTabSync, IDC_PROXY_PASSWORD, "secret"},
        {kTabStartup, IDC_TRAY_WAIT, "30"},         {kTabOther, IDC_KEIKOKU_SOUND, "notice.wav"},
        {kTabOther, IDC_AUTO_CLOSE_SECONDS, "25"},
    };
    for (const Field& f : fields) EXPECT_EQ(Text(Ctl(f.tab, f.id)), f.text) << f.id;
    struct Box {
        PagesTab tab;
        int id;
        bool checked;
    };
    const Box boxes[] = {
        {kTabAlarm, IDC_SLOT1, true},         {kTabAlarm, IDC_SLOT1 + 1, false},   {kTabAlarm, IDC_ALARM_ON, true},
        {kTabAlarm, IDC_ALARM_EVERYDAY, true}, {kTabAlarm, IDC_JIHO_ON, true},      {kTabAlarm, IDC_JIHO_HALF, true},
        {kTabSync, IDC_TEIKI, true},          {kTabSync, IDC_ONEDAY, true},        {kTabSync, IDC_SYNC_SOUND_ON, true},
        {kTabSync, IDC_DIAL_ONLY, true},      {kTabColor, kColor + 1, true},       {kTabColor, kColor + 0, false},
        {kTabColor, kColor + 5 + 2, true},    {kTabColor, kColor + 10 + 3, true},  {kTabColor, kColor + 15 + 4, true},
        {kTabColor, kColor + 20 + 0, true},   {kTabColor, kColor + 25 + 1, true},  {kTabColor, kColor + 25 + 4, false},
        {kTabStartup, IDC_DELETE_RECENT, true}, {kTabStartup, IDC_TMP_DELETE, true}, {kTabStartup, IDC_SYNC_START, true},
        {kTabStartup, IDC_KIDOU_TRAY, false}, {kTabStartup, IDC_KIDOU_CAL, true},  {kTabStartup, IDC_KIDOU_BOTH, false},
        {kTabOther, IDC_KEIKOKU_ON, true},    {kTabOther, IDC_KEIKOKU_SOUND_ON, true}, {kTabOther, IDC_ROKUYO, false},
        {kTabOther, IDC_AUTO_CLOSE, true},    {kTabOther, IDC_AUTO_BACKUP, false},
    };
    for (const Box& b : boxes) EXPECT_EQ(Checked(Ctl(b.tab, b.id)), b.checked) << b.id;
    EXPECT_EQ(HotKeyFieldValue(Ctl(kTabStartup, IDC_HOTKEY)), (Shortcut{'K', false, true, true}));
    EXPECT_EQ(SendMessageW(Ctl(kTabOther, IDC_TRANSPARENCY), TBM_GETPOS, 0, 0), 55);

    // The enabling rules hold for the loaded values.
    EXPECT_TRUE(Enabled(Ctl(kTabSync, IDC_ONEDAY)));
    EXPECT_FALSE(Enabled(Ctl(kTabSync, IDC_OKI))) << "once a day has no interval";
    EXPECT_TRUE(Enabled(Ctl(kTabAlarm, IDC_JIHO_FILE2)));
    EXPECT_TRUE(Enabled(Ctl(kTabOther, IDC_KEIKOKU_SOUND)));
    EXPECT_TRUE(Enabled(Ctl(kTabOther, IDC_TRANSPARENCY))) << "version 5";
    EXPECT_TRUE(Enabled(Ctl(kTabOther, IDC_RESTORE)));

    // The list tabs show their working copies in a fixed-pitch font, where
    // several lines can be selected.
    EXPECT_EQ(ListLines(dialog->DayList(kTabYotei).ListBox()), host.lists.YoteiDayList);
    EXPECT_EQ(ListLines(dialog->DayList(kTabSpecial).ListBox()), host.lists.SpecialDayList);
    EXPECT_EQ(ListLines(dialog->DayList(kTabHoliday).ListBox()), host.lists.HolidayList);
    HWND list = dialog->DayList(kTabHoliday).ListBox();
    EXPECT_TRUE(GetWindowLongPtrW(list, GWL_STYLE) & LBS_EXTENDEDSEL);
    EXPECT_EQ(SendMessageW(list, LB_GETSELCOUNT, 0, 0), 0);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_EQ(font.lfPitchAndFamily & 3, FIXED_PITCH);
    EXPECT_EQ(Text(GetDlgItem(dialog->Page(kTabHoliday), IDC_DAY_LIST_LABEL)), "休日リスト：");
    const EntryControls entry = dialog->DayList(kTabYotei).Entry();
    EXPECT_EQ(CivilDate(entry.year, entry.month, entry.day), (CivilDate{2006, 1, 9}));

    EXPECT_EQ(Text(Ctl(kTabSync, IDC_SYNC_REPORT)), "まだ時刻合わせをしていません。");
    EXPECT_TRUE(host.log.empty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(PagesDialog, EveryCaptionFitsItsControl) {
    SetNonDefaultSettings(host);
    Open();
    std::vector<HWND> windows{dialog->Handle()};
    for (int32_t tab = 0; tab < kTabCount; ++tab) windows.push_back(dialog->Page(tab));
    for (HWND window : windows) {
        for (const std::string& clipped : testing::ClippedCaptions(window)) ADD_FAILURE() << "clipped: " << clipped;
    }
}

TEST_F(PagesDialog, ValuesChangedOnEveryTabReachTheMainWindowOnApplyAndTheListsStayAsTheyWere) {
    host.osMajorVersion = 5;
    host.syncReport = SyncReport{{2006, 1, 9, 7, 5, 3}, true, "", 1.25};
    Open();
    EXPECT_EQ(Text(Ctl(kTabSync, IDC_SYNC_REPORT)), "2006/01/09 07:05:03　成功\r\n時計のずれ +1.3 秒");

    Click(Ctl(kTabAlarm, IDC_ALARM_ON));
    EXPECT_TRUE(dialog->ApplyEnabled());
    Type(Ctl(kTabAlarm, IDC_ALARM_HOUR), "6");
    Type(Ctl(kTabAlarm, IDC_ALARM_MINUTE), "45");
    Click(Ctl(kTabAlarm, IDC_ALARM_EVERYDAY));
    Type(Ctl(kTabAlarm, IDC_ALARM_SOUND), "C:\\alarm.wav");
    Type(Ctl(kTabAlarm, IDC_ALARM_MESSAGE), "起床");
    Click(Ctl(kTabAlarm, IDC_JIHO_ON));
    Click(Ctl(kTabAlarm, IDC_JIHO_HALF));
    Type(Ctl(kTabAlarm, IDC_JIHO_FILE), "h.wav");
    Type(Ctl(kTabAlarm, IDC_JIHO_FILE2), "m.wav");
    Click(Ctl(kTabSync, IDC_TEIKI));
    Type(Ctl(kTabSync, IDC_OKI), "5");
    Click(Ctl(kTabSync, IDC_SYNC_SOUND_ON));
    Type(Ctl(kTabSync, IDC_SYNC_SOUND), "ok.wav");
    Click(Ctl(kTabSync, IDC_DIAL_ONLY));
    Type(Ctl(kTabSync, IDC_ADJUSTMENT), "-3");
    Type(Ctl(kTabSync, IDC_PROXY), "proxy:3128");
    Type(Ctl(kTabSync, IDC_PROXY_USER), "user");
    Type(Ctl(kTabSync, IDC_PROXY_PASSWORD), "pw");
    Click(Ctl(kTabColor, kColor + 4));            // weekdays pink
    Click(Ctl(kTabColor, kColor + 25 + 0));       // scheduled days black
    Click(Ctl(kTabStartup, IDC_DELETE_RECENT));
    Click(Ctl(kTabStartup, IDC_TMP_DELETE));
    Click(Ctl(kTabStartup, IDC_SYNC_START));
    Type(Ctl(kTabStartup, IDC_TRAY_WAIT), "12");
    SetHotKeyFieldValue(Ctl(kTabStartup, IDC_HOTKEY), {'Q', true, false, true});
    Click(Ctl(kTabStartup, IDC_KIDOU_BOTH));
    Click(Ctl(kTabOther, IDC_KEIKOKU_ON));
    Click(Ctl(kTabOther, IDC_KEIKOKU_SOUND_ON));
    Type(Ctl(kTabOther, IDC_KEIKOKU_SOUND), "n.wav");
    Click(Ctl(kTabOther, IDC_ROKUYO));
    Click(Ctl(kTabOther, IDC_AUTO_CLOSE));
    Type(Ctl(kTabOther, IDC_AUTO_CLOSE_SECONDS), "30");
    Click(Ctl(kTabOther, IDC_AUTO_BACKUP));
    SendMessageW(Ctl(kTabOther, IDC_TRANSPARENCY), TBM_SETPOS, TRUE, 100);
    messages.clear();

    Click(Button(IDC_APPLY));
    EXPECT_FALSE(dialog->ApplyEnabled());
    const AppSettings& s = host.settings;
    EXPECT_EQ(s.alarms[0], (AlarmSlot{"1", "1", "6", "45", "C:\\alarm.wav", "起床"}));
    EXPECT_EQ(s.jiho, (AppSettings::Jiho{true, true, "1", "h.wav", "m.wav"}));
    EXPECT_TRUE(s.sync.teiki && s.sync.soundOn && s.sync.dialOnly && s.sync.start);
    EXPECT_FALSE(s.sync.oneday);
    EXPECT_EQ(s.sync.oki, 5);
    EXPECT_EQ(s.sync.tSoundName, "ok.wav");
    EXPECT_EQ(s.sync.adjustment, -3);
    EXPECT_EQ(s.sync.proxy, "proxy:3128");
    EXPECT_EQ(s.sync.proxyUserId, "user");
    EXPECT_EQ(s.sync.proxyPassword, "pw");
    EXPECT_EQ(host.fonts[kFontWeekday], clFuchsia);
    EXPECT_EQ(host.fonts[kFontYoteiDay], clBlack);
    EXPECT_EQ(host.fonts[kFontSunday], clRed);
    EXPECT_TRUE(s.form.deleteRecent && s.form.tmpDelete);
    EXPECT_EQ(s.form.wait, 12);
    EXPECT_EQ(s.form.hotKey1, (Shortcut{'Q', true, false, true}));
    EXPECT_EQ(s.kidou, (AppSettings::Kidou{false, false, true}));
    EXPECT_EQ(s.keikoku, (AppSettings::Keikoku{true, true, "n.wav"}));
    EXPECT_FALSE(s.form.rokuyo);
    EXPECT_EQ(s.autoClose, (AppSettings::AutoClose{true, 30000}));
    EXPECT_FALSE(s.form.autoBackup);
    EXPECT_EQ(s.form.layer, 155);
    EXPECT_EQ(messages, (std::vector<std::string>{std::string("Zenka 2006: ") + kHotKeyNextStartText}));

    // The lists and the equinox switch went back as they were loaded.
    EXPECT_EQ(host.lists, FakePagesHost().lists);
    EXPECT_TRUE(host.autoEquinox);
    EXPECT_NE(std::find(host.log.begin(), host.log.end(), "save lists"), host.log.end());
    EXPECT_EQ(std::find(host.log.begin(), host.log.end(), "backup lists"), host.log.end()) << "backup was switched off";
    EXPECT_TRUE(errors.empty());
}

TEST_F(PagesDialog, ChangingAnyBoundControlEnablesApplyButTheBackupBox) {
    // Every box on, so that no control is disabled.
    AppSettings& s = host.settings;
    s.alarms[0].onOff = "1";
    s.jiho.on = s.jiho.half = s.sync.teiki = s.sync.soundOn = true;
    s.keikoku.onOff = s.keikoku.soundOn = s.autoClose.onOff = true;
    host.osMajorVersion = 5;
    Open();
    for (const ControlBinding& row : PagesBindings()) {
        ASSERT_FALSE(dialog->ApplyEnabled());
        HWND page = dialog->Page(row.tab);
        HWND control = Ctl(row.tab, row.control);
        switch (row.kind) {
            case BoundKind::Check:
                Click(control);
                Click(control);  // back, so that what depends on the box stays enabled
                break;
            case BoundKind::Radio:
                for (int i = 0; i < row.count; ++i) {
                    if (!Checked(Ctl(row.tab, row.control + i))) {
                        Click(Ctl(row.tab, row.control + i));
                        break;
                    }
                }
                break;
            case BoundKind::Text:
            case BoundKind::Spin: Type(control, "7"); break;
            case BoundKind::HotKey: SendMessageW(control, WM_SETFOCUS, 0, 0); break;
            case BoundKind::Slider:
                SendMessageW(page, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(control));
                EXPECT_FALSE(dialog->ApplyEnabled()) << "the end of a drag is no change of its own";
                SendMessageW(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 9), reinterpret_cast<LPARAM>(control));
                break;
        }
        EXPECT_EQ(dialog->ApplyEnabled(), row.marksChange) << "control " << row.control;
        if (dialog->ApplyEnabled()) Click(Button(IDC_APPLY));
    }
}

TEST_F(PagesDialog, CancelDropsWhatWasNotAppliedAndOkAppliesAndCloses) {
    Open();
    Click(Ctl(kTabOther, IDC_ROKUYO));
    Click(Button(IDCANCEL));
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(dialog->Handle(), nullptr);
    EXPECT_TRUE(host.settings.form.rokuyo);
    EXPECT_TRUE(host.log.empty());

    Open();
    EXPECT_TRUE(Checked(Ctl(kTabOther, IDC_ROKUYO))) << "each opening starts from the main window's values";
    Click(Ctl(kTabOther, IDC_ROKUYO));
    Click(Button(IDC_APPLY));
    Click(Ctl(kTabOther, IDC_AUTO_BACKUP));  // no change of its own
    EXPECT_FALSE(dialog->ApplyEnabled()) << "the backup box enables nothing";
    Click(Button(IDCANCEL));
    EXPECT_FALSE(host.settings.form.rokuyo) << "an earlier apply stays";
    EXPECT_TRUE(host.settings.form.autoBackup);

    Open();
    Click(Ctl(kTabOther, IDC_AUTO_BACKUP));
    host.log.clear();
    SendMessageW(dialog->Handle(), WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(host.settings.form.autoBackup) << "OK takes the backup box over";
    EXPECT_EQ(host.log.back(), "applied");
    EXPECT_EQ(destroyed, 3);

    Open();
    SendMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(destroyed, 4) << "the close box cancels";
}

TEST_F(PagesDialog, DependentControlsFollowTheBoxesTheyDependOn) {
    Open();
    HWND teiki = Ctl(kTabSync, IDC_TEIKI);
    HWND oneday = Ctl(kTabSync, IDC_ONEDAY);
    HWND oki = Ctl(kTabSync, IDC_OKI);
    EXPECT_FALSE(Enabled(oneday) || Enabled(oki) || Enabled(Ctl(kTabSync, IDC_OKI_LABEL)));
    Click(teiki);
    EXPECT_TRUE(Enabled(oneday) && Enabled(oki) && Enabled(Ctl(kTabSync, IDC_OKI_SPIN)));
    Click(oneday);
    EXPECT_FALSE(Enabled(oki));
    Click(teiki);
    EXPECT_FALSE(Enabled(oneday) || Enabled(oki));
    EXPECT_TRUE(Checked(oneday)) << "disabled, not cleared";

    EXPECT_FALSE(Enabled(Ctl(kTabAlarm, IDC_ALARM_MESSAGE)));
    Click(Ctl(kTabAlarm, IDC_ALARM_ON));
    for (int id : {IDC_ALARM_EVERYDAY, IDC_ALARM_HOUR, IDC_ALARM_MINUTE, IDC_ALARM_SOUND_LABEL, IDC_ALARM_SOUND,
                   IDC_ALARM_OPEN, IDC_ALARM_PLAY, IDC_ALARM_MESSAGE_LABEL, IDC_ALARM_MESSAGE}) {
        EXPECT_TRUE(Enabled(Ctl(kTabAlarm, id))) << id;
    }

    HWND half = Ctl(kTabAlarm, IDC_JIHO_HALF);
    EXPECT_FALSE(Enabled(half));
    Click(Ctl(kTabAlarm, IDC_JIHO_ON));
    EXPECT_TRUE(Enabled(half) && Enabled(Ctl(kTabAlarm, IDC_JIHO_FILE)));
    EXPECT_FALSE(Enabled(Ctl(kTabAlarm, IDC_JIHO_FILE2)));
    Click(half);
    EXPECT_TRUE(Enabled(Ctl(kTabAlarm, IDC_JIHO_PLAY2)));
    Click(Ctl(kTabAlarm, IDC_JIHO_ON));
    EXPECT_FALSE(Enabled(half) || Enabled(Ctl(kTabAlarm, IDC_JIHO_FILE2)));
    Click(Ctl(kTabAlarm, IDC_JIHO_ON));
    EXPECT_TRUE(Enabled(Ctl(kTabAlarm, IDC_JIHO_FILE2))) << "the half-hour box stayed checked";

    Click(Ctl(kTabSync, IDC_SYNC_SOUND_ON));
    EXPECT_TRUE(Enabled(Ctl(kTabSync, IDC_SYNC_SOUND)) && Enabled(Ctl(kTabSync, IDC_SYNC_PLAY)));

    HWND notice = Ctl(kTabOther, IDC_KEIKOKU_ON);
    HWND noticeSound = Ctl(kTabOther, IDC_KEIKOKU_SOUND_ON);
    Click(notice);
    EXPECT_TRUE(Enabled(noticeSound));
    EXPECT_FALSE(Enabled(Ctl(kTabOther, IDC_KEIKOKU_SOUND)));
    Click(notice);
    Click(notice);
    EXPECT_FALSE(Enabled(Ctl(kTabOther, IDC_KEIKOKU_SOUND))) << "off and on again with the sound box unchecked";
    Click(noticeSound);
    EXPECT_TRUE(Enabled(Ctl(kTabOther, IDC_KEIKOKU_OPEN)));

    Click(Ctl(kTabOther, IDC_AUTO_CLOSE));
    EXPECT_TRUE(Enabled(Ctl(kTabOther, IDC_AUTO_CLOSE_SECONDS)) && Enabled(Ctl(kTabOther, IDC_AUTO_CLOSE_LABEL)));
    EXPECT_FALSE(Enabled(Ctl(kTabOther, IDC_TRANSPARENCY))) << "not version 5";
    EXPECT_FALSE(Enabled(Ctl(kTabOther, IDC_TRANSPARENCY_LABEL)));
    EXPECT_EQ(SendMessageW(Ctl(kTabOther, IDC_TRANSPARENCY), TBM_GETPOS, 0, 0), 0);
}

TEST_F(PagesDialog, SlotButtonsStoreAndShowTheAlarms) {
    host.settings.alarms[1] = {"1", "0", "12", "0", "noon.wav", "昼"};
    Open();
    Type(Ctl(kTabAlarm, IDC_ALARM_MESSAGE), "typed");
    Click(Button(IDC_APPLY));
    Click(Ctl(kTabAlarm, IDC_SLOT1 + 1));
    EXPECT_TRUE(dialog->ApplyEnabled()) << "slot 2 shows other values";
    EXPECT_EQ(Text(Ctl(kTabAlarm, IDC_ALARM_MESSAGE)), "昼");
    EXPECT_TRUE(Checked(Ctl(kTabAlarm, IDC_ALARM_ON)));
    EXPECT_TRUE(Enabled(Ctl(kTabAlarm, IDC_ALARM_HOUR)));
    Type(Ctl(kTabAlarm, IDC_ALARM_HOUR), "13");
    Click(Ctl(kTabAlarm, IDC_SLOT1));
    EXPECT_EQ(Text(Ctl(kTabAlarm, IDC_ALARM_MESSAGE)), "typed");
    EXPECT_FALSE(Enabled(Ctl(kTabAlarm, IDC_ALARM_HOUR)));
    Click(Ctl(kTabAlarm, IDC_SLOT1 + 1));
    EXPECT_EQ(Text(Ctl(kTabAlarm, IDC_ALARM_HOUR)), "13") << "slot 2 kept what was typed, without an apply";
    Click(Button(IDC_APPLY));
    EXPECT_EQ(host.settings.alarms[1], (AlarmSlot{"1", "0", "13", "0", "noon.wav", "昼"}));
    EXPECT_EQ(host.settings.alarms[0].mes, "typed");

    Click(Ctl(kTabAlarm, IDC_SLOT1 + 3));
    Click(Button(IDC_APPLY));
    Click(Ctl(kTabAlarm, IDC_SLOT1 + 4));
    EXPECT_FALSE(dialog->ApplyEnabled()) << "two empty slots show the same values";
}

TEST_F(PagesDialog, NumberFieldsTakeOnlyNumbersAndKeepToTheirRanges) {
    Open();
    HWND oki = Ctl(kTabSync, IDC_OKI);
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case& c : {Case{"0", "1"}, Case{"20000", "10000"}, Case{"abc", "1"}, Case{"250", "250"}}) {
        Type(oki, c.typed);
        Leave(oki);
        EXPECT_EQ(Text(oki), c.shown) << c.typed;
    }
    HWND adjustment = Ctl(kTabSync, IDC_ADJUSTMENT);
    Type(adjustment, "-32");
    Leave(adjustment);
    EXPECT_EQ(Text(adjustment), "-32") << "no range";

    HWND wait = Ctl(kTabStartup, IDC_TRAY_WAIT);
    Type(wait, "");
    for (wchar_t c : std::wstring(L"4x2.")) SendMessageW(wait, WM_CHAR, c, 0);
    EXPECT_EQ(Text(wait), "42.") << "letters are refused, the decimal separator is not";
    Leave(wait);
    EXPECT_EQ(Text(wait), "0") << "not a number: the minimum";
    Type(wait, "59");
    SendMessageW(wait, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(Text(wait), "60");
    SendMessageW(wait, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(Text(wait), "60") << "the arrows stop at the range";
    SendMessageW(wait, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Text(wait), "59");

    Type(Ctl(kTabOther, IDC_AUTO_CLOSE_SECONDS), "5000");
    Click(Button(IDC_APPLY));
    EXPECT_EQ(host.settings.autoClose.interval, 999000) << "an apply takes the value within the range";
    EXPECT_EQ(host.settings.sync.oki, 250);
}

// Presses the keys in order and lets them go in the reverse order, as a
// user would, and handles what arrives the way the program's loop does.
void PressKeys(TPagesDlg& dialog, std::initializer_list<WORD> keys) {
    testing::PressKeys(keys);
    for (int round = 0; round < 20; ++round) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (dialog.PreTranslateMessage(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

TEST_F(PagesDialog, TheHotKeyFieldAndItsNextStartMessage) {
    Open();
    dialog->SelectTab(kTabStartup);
    SetForegroundWindow(dialog->Handle());
    HWND field = Ctl(kTabStartup, IDC_HOTKEY);
    SetFocus(field);
    PressKeys(*dialog, {});
    EXPECT_TRUE(dialog->ApplyEnabled()) << "entering the field counts as a change";
    PressKeys(*dialog, {'K'});
    EXPECT_EQ(HotKeyFieldValue(field), (Shortcut{'K', true, true, false})) << "a key alone is taken with Ctrl+Shift";
    PressKeys(*dialog, {VK_CONTROL, VK_OEM_1});
    EXPECT_EQ(HotKeyFieldValue(field), (Shortcut{'K', true, true, false})) << "a key the settings cannot name";
    Click(Button(IDC_APPLY));
    Click(Button(IDC_APPLY));
    EXPECT_EQ(messages, (std::vector<std::string>{std::string("Zenka 2006: ") + kHotKeyNextStartText}))
        << "once, for the apply that changed it";
    EXPECT_EQ(host.settings.form.hotKey1, (Shortcut{'K', true, true, false}));
}

TEST_F(PagesDialog, TheTemporaryFolderWarningFollowsACheckingMouseClickOnly) {
    Open();
    HWND box = Ctl(kTabStartup, IDC_TMP_DELETE);
    const auto mouse = [box](UINT down, UINT up) {
        SendMessageW(box, down, 0, MAKELPARAM(2, 2));
        SendMessageW(box, up, 0, MAKELPARAM(2, 2));
    };
    const std::string warning = std::string("情報: ") + kTempFolderWarningText;
    mouse(WM_LBUTTONDOWN, WM_LBUTTONUP);
    EXPECT_TRUE(Checked(box));
    EXPECT_EQ(messages, std::vector<std::string>{warning});
    EXPECT_TRUE(dialog->ApplyEnabled());
    mouse(WM_LBUTTONDOWN, WM_LBUTTONUP);
    EXPECT_EQ(messages.size(), 1u) << "unchecking shows nothing";
    // From the keyboard: the space bar, and the access key, which clicks.
    SendMessageW(box, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(box, WM_KEYUP, VK_SPACE, 0);
    EXPECT_TRUE(Checked(box));
    Click(box);
    Click(box);
    EXPECT_TRUE(Checked(box));
    EXPECT_EQ(messages.size(), 1u) << "the keyboard shows nothing";
    mouse(WM_RBUTTONDOWN, WM_RBUTTONUP);
    EXPECT_EQ(messages.size(), 2u) << "any mouse button released over a checked box";
}

TEST_F(PagesDialog, ColourButtonsDrawTheirColoursAndTheResetWaitsForApply) {
    host.fonts[kFontSunday] = clBlue;
    Open();
    HWND page = dialog->Page(kTabColor);
    HDC dc = CreateCompatibleDC(nullptr);
    for (int button = 0; button < 5; ++button) {
        SendMessageW(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(Ctl(kTabColor, kColor + 10 + button)));
        EXPECT_EQ(GetTextColor(dc), kColorChoices[static_cast<size_t>(button)]) << button;
    }
    DeleteDC(dc);

    EXPECT_TRUE(Checked(Ctl(kTabColor, kColor + 10 + 1)));
    SendMessageW(page, WM_COMMAND, IDM_COLOR_RESET, 0);
    EXPECT_TRUE(Checked(Ctl(kTabColor, kColor + 10 + 2))) << "Sundays back to red";
    EXPECT_FALSE(Checked(Ctl(kTabColor, kColor + 10 + 1)));
    EXPECT_TRUE(dialog->ApplyEnabled());
    Click(Button(IDCANCEL));
    EXPECT_EQ(host.fonts[kFontSunday], clBlue) << "the calendar changes only on apply";
}

TEST_F(PagesDialog, SoundFilesAreChosenWithTheOpenDialogAndPlayedForTrial) {
    Open();
    HWND field = Ctl(kTabAlarm, IDC_ALARM_SOUND);
    choice = std::nullopt;
    Click(Ctl(kTabAlarm, IDC_ALARM_OPEN));
    EXPECT_EQ(Text(field), "");
    EXPECT_FALSE(dialog->ApplyEnabled()) << "a cancelled file dialog changes nothing";
    EXPECT_EQ(filters, std::vector<std::string>{kSoundFileFilter});

    choice = "C:\\sounds\\wake.wav";
    Click(Ctl(kTabAlarm, IDC_ALARM_OPEN));
    EXPECT_EQ(Text(field), "C:\\sounds\\wake.wav");
    EXPECT_TRUE(dialog->ApplyEnabled());
    choice = "C:\\sounds\\notice.mid";
    Click(Ctl(kTabOther, IDC_KEIKOKU_OPEN));
    EXPECT_EQ(Text(Ctl(kTabOther, IDC_KEIKOKU_SOUND)), "C:\\sounds\\notice.mid");
    EXPECT_EQ(proposed, (std::vector<std::string>{"", "", "C:\\sounds\\wake.wav"}))
        << "the dialog proposes the file chosen last";

    // Trial playback plays only a file that is there.
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring file =
        std::wstring(temp) + L"zenka-pages-test-" + std::to_wstring(GetCurrentProcessId()) + L".wav";
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(handle);
    const std::string path = Narrow(file);
    Click(Ctl(kTabAlarm, IDC_ALARM_PLAY));
    EXPECT_TRUE(host.log.empty()) << "no file of that name: nothing";
    Type(field, path);
    Click(Ctl(kTabAlarm, IDC_ALARM_PLAY));
    EXPECT_EQ(host.log, (EventLog{"play:" + path}));
    host.sound.missing.insert(path);
    Click(Ctl(kTabAlarm, IDC_ALARM_PLAY));
    EXPECT_EQ(errors, std::vector<std::string>{"cannot open " + path}) << "the player's error in the error box";
    DeleteFileW(file.c_str());
}

TEST_F(PagesDialog, TheSyncTabsServerListMeasureButtonAndAccount) {
    host.settings.sync.server = "https://a.example.jp/";
    host.settings.sync.moreServers = {"http://b.example.jp/", "", "", ""};
    host.syncReport = SyncReport{{2006, 1, 9, 7, 5, 3}, true, "", 0.7342, 0.0075, {"https://a.example.jp/"}};
    Open();
    const HWND servers = Ctl(kTabSync, IDC_SYNC_SERVERS);
    EXPECT_EQ(Text(servers), "https://a.example.jp/\r\nhttp://b.example.jp/") << "one URL a line";
    EXPECT_EQ(Text(Ctl(kTabSync, IDC_SYNC_REPORT)),
              "2006/01/09 07:05:03　成功\r\n時計のずれ +0.734 秒 (±0.008 秒)\r\nサーバー: https://a.example.jp/");

    // The button measures the list as it stands, applied or not, and shows
    // what was found; the settings stay as they were.
    Type(servers, "http://c.example.jp/\r\n\r\n http://d.example.jp/ ");
    EXPECT_TRUE(dialog->ApplyEnabled());
    const HWND measure = Ctl(kTabSync, IDC_SYNC_MEASURE);
    Click(measure);
    ASSERT_EQ(host.measuringFor.size(), 1u);
    EXPECT_EQ(SyncServers(host.measuringFor[0]),
              (std::vector<std::string>{"http://c.example.jp/", "http://d.example.jp/"}));
    EXPECT_FALSE(Enabled(measure)) << "one measurement at a time";
    EXPECT_EQ(Text(Ctl(kTabSync, IDC_SYNC_MEASURED)), kMeasuringText);
    ClockMeasurement found;
    found.combined.found = true;
    found.combined.offset = Micros(734'200);
    found.combined.bound = Micros(7'500);
    host.measured(found);
    EXPECT_EQ(Text(Ctl(kTabSync, IDC_SYNC_MEASURED)), "時計のずれ +0.734 秒 (±0.008 秒)");
    EXPECT_TRUE(Enabled(measure));
    Click(measure);
    ClockMeasurement failed;
    failed.combined.reason = sync_reason::kTimeout;
    host.measured(failed);
    EXPECT_EQ(Text(Ctl(kTabSync, IDC_SYNC_MEASURED)), std::string("測定できませんでした: ") + sync_reason::kTimeout);
    EXPECT_EQ(host.settings.sync.server, "https://a.example.jp/") << "measuring applies nothing";

    Click(Button(IDC_APPLY));
    EXPECT_EQ(host.settings.sync.server, "http://c.example.jp/");
    EXPECT_EQ(host.settings.sync.moreServers, (std::array<std::string, 4>{"http://d.example.jp/", "", "", ""}));

    // A measurement still running when the dialog goes is given up.
    Click(measure);
    ASSERT_TRUE(host.measured);
    dialog.reset();
    EXPECT_FALSE(host.measured);
}

}  // namespace
}  // namespace zenka
