// Opening and applying the settings dialog against a recording main window:
// what the dialog shows for the settings, what an apply writes back, and in
// which order the main window hears of it.
#include "settings/pages_load_apply.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "settings/alarm_slots.h"
#include "settings/color_choice.h"
#include "settings/settings_texts.h"
#include "tests/fakes/fake_pages_host.h"

namespace zenka {
namespace {

TEST(PagesLoad, ControlsShowTheMainWindowsValuesWithSlotOneOfTheAlarms) {
    FakePagesHost host;
    SetNonDefaultSettings(host);
    host.osMajorVersion = 5;
    const PagesState state = LoadPagesState(host);

    EXPECT_TRUE(state.teiki && state.oneday && state.syncSoundOn && state.dialOnly && state.syncStart);
    EXPECT_EQ(state.oki, 15);
    EXPECT_EQ(state.tSoundName, "ok.wav");
    EXPECT_EQ(state.proxy, "proxy:8080");
    EXPECT_EQ(state.proxyUserId, "me");
    EXPECT_EQ(state.proxyPassword, "secret");
    EXPECT_EQ(state.adjustment, -32);
    EXPECT_FALSE(state.autoBackup);

    EXPECT_EQ(state.alarmTable, host.settings.alarms);
    EXPECT_EQ(state.currentSlot, 1);
    EXPECT_EQ(AlarmControlsOf(state), (AlarmControls{true, true, 7, 30, "wake.wav", "起きて"}));
    EXPECT_TRUE(state.jihoOn && state.jihoHalf);
    EXPECT_EQ(state.jihoFile, "hour.wav");
    EXPECT_EQ(state.jihoFile2, "half.wav");

    EXPECT_EQ(state.lists, host.lists);
    EXPECT_FALSE(state.autoEquinox);
    EXPECT_EQ(state.wait, 30);
    EXPECT_TRUE(state.deleteRecent && state.tmpDelete);
    EXPECT_EQ(state.colorWeekday, 1);
    EXPECT_EQ(state.colorSaturday, 2);
    EXPECT_EQ(state.colorSunday, 3);
    EXPECT_EQ(state.colorHoliday, 4);
    EXPECT_EQ(state.colorSpecialday, 0);
    EXPECT_EQ(state.colorYoteiday, 1);
    EXPECT_EQ(state.kidou, kKidouCal);
    EXPECT_EQ(state.hotKey, (Shortcut{'K', false, true, true}));
    EXPECT_TRUE(state.keikokuOn && state.keikokuSoundOn && state.autoCloseOn);
    EXPECT_EQ(state.keikokuFile, "notice.wav");
    EXPECT_EQ(state.autoCloseSeconds, 25);
    EXPECT_FALSE(state.rokuyo);
    EXPECT_EQ(state.transparency, 55);
    EXPECT_TRUE(host.log.empty()) << "loading changes nothing in the main window";
}

TEST(PagesLoad, ConversionsAndFallbacks) {
    struct Case {
        const char* what;
        void (*arrange)(FakePagesHost&);
        void (*check)(const PagesState&);
    };
    const Case cases[] = {
        {"auto-close milliseconds become whole seconds",
         [](FakePagesHost& h) { h.settings.autoClose.interval = 10999; },
         [](const PagesState& s) { EXPECT_EQ(s.autoCloseSeconds, 10); }},
        {"an auto-close below a second shows the field's minimum",
         [](FakePagesHost& h) { h.settings.autoClose.interval = 400; },
         [](const PagesState& s) { EXPECT_EQ(s.autoCloseSeconds, 1); }},
        {"an interval beyond the field's range shows its limit",
         [](FakePagesHost& h) { h.settings.sync.oki = 0; },
         [](const PagesState& s) { EXPECT_EQ(s.oki, 1); }},
        {"a colour no button has leaves the group's default",
         [](FakePagesHost& h) { h.fonts[kFontSunday] = clNavy; h.fonts[kFontYoteiDay] = RgbColor(1, 2, 3); },
         [](const PagesState& s) { EXPECT_EQ(s.colorSunday, 2); EXPECT_EQ(s.colorYoteiday, 4); }},
        {"tray wins over the calendar and both",
         [](FakePagesHost& h) { h.settings.kidou = {true, true, true}; },
         [](const PagesState& s) { EXPECT_EQ(s.kidou, kKidouTray); }},
        {"the calendar wins over both",
         [](FakePagesHost& h) { h.settings.kidou = {false, true, true}; },
         [](const PagesState& s) { EXPECT_EQ(s.kidou, kKidouCal); }},
        {"both alone",
         [](FakePagesHost& h) { h.settings.kidou = {false, false, true}; },
         [](const PagesState& s) { EXPECT_EQ(s.kidou, kKidouBoth); }},
        {"none on leaves the tray button",
         [](FakePagesHost& h) { h.settings.kidou = {false, false, false}; },
         [](const PagesState& s) { EXPECT_EQ(s.kidou, kKidouTray); }},
        {"the slider stays at 0 on a system other than version 5",
         [](FakePagesHost& h) { h.settings.form.layer = 100; h.osMajorVersion = 6; },
         [](const PagesState& s) { EXPECT_EQ(s.transparency, 0); }},
        {"version 5 shows 255 - Layer",
         [](FakePagesHost& h) { h.settings.form.layer = 0; h.osMajorVersion = 5; },
         [](const PagesState& s) { EXPECT_EQ(s.transparency, 255); }},
        {"an alarm hour that is no number shows the field's minimum",
         [](FakePagesHost& h) { h.settings.alarms[0].h = "seven"; h.settings.alarms[0].m = ""; },
         [](const PagesState& s) { EXPECT_EQ(s.alarmHour, 0); EXPECT_EQ(s.alarmMinute, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakePagesHost host;
        c.arrange(host);
        c.check(LoadPagesState(host));
    }
}

TEST(PagesApply, TheMainWindowHearsOfEachStepInOrder) {
    FakePagesHost host;
    host.osMajorVersion = 5;
    PagesState state = LoadPagesState(host);
    state.teiki = true;
    state.oki = 5;
    state.hotKey = {'Q', false, true, false};
    state.transparency = 5;
    state.autoCloseSeconds = 12;
    FakeApplyFeedback feedback(host.log);
    ApplyPagesState(state, host, feedback);
    const EventLog expected{
        "sync schedule teiki=1 oneday=0 oki=5",
        "lists",
        "font 0", "font 1", "font 2", "font 4", "font 5", "font 7",
        std::string("message ") + kHotKeyNextStartText,
        "equinox on",
        "auto-close 12000",
        "redraw icons quietly",
        "apply disabled",
        "opacity 250",
        "save lists",
        "backup lists",
        "applied",
    };
    EXPECT_EQ(host.log, expected);
}

TEST(PagesApply, EveryValueReachesTheSettingsAndLoadingItAgainShowsTheSame) {
    FakePagesHost host;
    SetNonDefaultSettings(host);
    host.osMajorVersion = 5;
    const AppSettings before = host.settings;
    PagesState state = LoadPagesState(host);
    FakeApplyFeedback feedback(host.log);
    ApplyPagesState(state, host, feedback);
    EXPECT_EQ(host.settings, before) << "an apply without changes changes no setting";
    EXPECT_EQ(host.lists, FakePagesHost().lists);
    EXPECT_FALSE(host.autoEquinox);

    // Now every value changed.
    state.teiki = false;
    state.oneday = false;
    state.oki = 10000;
    state.syncSoundOn = false;
    state.tSoundName = "n.wav";
    state.dialOnly = false;
    state.proxy = "p:1";
    state.proxyUserId = "u";
    state.proxyPassword = "p";
    state.adjustment = 7;
    state.autoBackup = true;
    state.syncStart = false;
    SetAlarmControls(state, {false, false, 12, 5, "noon.wav", "昼"});
    state.jihoOn = false;
    state.jihoHalf = false;
    state.jihoFile = "h2.wav";
    state.jihoFile2 = "";
    state.lists.SpecialDayList.push_back("3,3,ひな祭り");
    state.autoEquinox = true;
    state.colorWeekday = 4;
    state.colorSaturday = 0;
    state.wait = 0;
    state.deleteRecent = false;
    state.tmpDelete = false;
    state.kidou = kKidouBoth;
    state.hotKey = {};
    state.keikokuOn = false;
    state.keikokuSoundOn = false;
    state.keikokuFile = "k.wav";
    state.rokuyo = true;
    state.autoCloseOn = false;
    state.autoCloseSeconds = 999;
    state.transparency = 255;
    ApplyPagesState(state, host, feedback);

    const AppSettings& s = host.settings;
    EXPECT_EQ(s.sync.teiki, false);
    EXPECT_EQ(s.sync.oki, 10000);
    EXPECT_EQ(s.sync.tSoundName, "n.wav");
    EXPECT_EQ(s.sync.proxy, "p:1");
    EXPECT_EQ(s.sync.proxyUserId, "u");
    EXPECT_EQ(s.sync.proxyPassword, "p");
    EXPECT_EQ(s.sync.adjustment, 7);
    EXPECT_EQ(s.sync.server, "http://x/") << "the dialog does not show the server";
    EXPECT_EQ(s.sync.syncDay, "06/01/01") << "nor the day stamp";
    EXPECT_TRUE(s.form.autoBackup);
    EXPECT_FALSE(s.sync.start);
    EXPECT_EQ(s.alarms[0], (AlarmSlot{"0", "0", "12", "5", "noon.wav", "昼"}));
    EXPECT_EQ(s.alarms[4], before.alarms[4]);
    EXPECT_EQ(s.jiho, (AppSettings::Jiho{false, false, "0", "h2.wav", ""})) << "Jiho/Full is kept";
    EXPECT_EQ(host.lists.SpecialDayList.back(), "3,3,ひな祭り");
    EXPECT_TRUE(host.autoEquinox);
    EXPECT_TRUE(s.koyomiJulius);
    EXPECT_EQ(host.fonts[kFontWeekday], clFuchsia);
    EXPECT_EQ(s.color.weekday, clFuchsia);
    EXPECT_EQ(host.fonts[kFontSaturday], clBlack);
    EXPECT_EQ(s.form.wait, 0);
    EXPECT_FALSE(s.form.deleteRecent || s.form.tmpDelete);
    EXPECT_EQ(s.kidou, (AppSettings::Kidou{false, false, true}));
    EXPECT_TRUE(s.form.hotKey1.IsNone());
    EXPECT_EQ(s.keikoku, (AppSettings::Keikoku{false, false, "k.wav"}));
    EXPECT_TRUE(s.form.rokuyo);
    EXPECT_EQ(s.autoClose, (AppSettings::AutoClose{false, 999000}));
    EXPECT_EQ(s.form.layer, 0);
}

TEST(PagesApply, EdgeCasesOfTheApply) {
    {
        SCOPED_TRACE("the hot key message shows once, and not again for an apply without a change");
        FakePagesHost host;
        PagesState state = LoadPagesState(host);
        state.hotKey = {'Z', true, true, false};
        FakeApplyFeedback feedback(host.log);
        ApplyPagesState(state, host, feedback);
        ApplyPagesState(state, host, feedback);
        EXPECT_EQ(std::count(host.log.begin(), host.log.end(), std::string("message ") + kHotKeyNextStartText), 1);
        EXPECT_EQ(host.settings.form.hotKey1, (Shortcut{'Z', true, true, false}));
    }
    {
        SCOPED_TRACE("on a system other than version 5 Layer stays and no opacity is set");
        FakePagesHost host;
        host.settings.form.layer = 123;
        PagesState state = LoadPagesState(host);
        state.transparency = 200;
        FakeApplyFeedback feedback(host.log);
        ApplyPagesState(state, host, feedback);
        EXPECT_EQ(host.settings.form.layer, 123);
        const auto opacity = [](const std::string& e) { return e.rfind("opacity", 0) == 0; };
        EXPECT_EQ(std::count_if(host.log.begin(), host.log.end(), opacity), 0);
    }
    {
        SCOPED_TRACE("without automatic backup the lists are saved but not backed up");
        FakePagesHost host;
        PagesState state = LoadPagesState(host);
        state.autoBackup = false;
        FakeApplyFeedback feedback(host.log);
        ApplyPagesState(state, host, feedback);
        EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "save lists"), 1);
        EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "backup lists"), 0);
    }
    {
        SCOPED_TRACE("a group with no checked button and no start-up button leave their settings");
        FakePagesHost host;
        host.settings.kidou = {false, true, false};
        PagesState state = LoadPagesState(host);
        state.colorSunday = kNoColorChoice;
        state.kidou = kKidouNone;
        host.fonts[kFontSunday] = clNavy;
        FakeApplyFeedback feedback(host.log);
        ApplyPagesState(state, host, feedback);
        EXPECT_EQ(host.fonts[kFontSunday], clNavy);
        EXPECT_EQ(host.settings.kidou, (AppSettings::Kidou{false, true, false}));
    }
    {
        SCOPED_TRACE("the alarm controls go into the slot whose button is down");
        FakePagesHost host;
        PagesState state = LoadPagesState(host);
        SwitchAlarmSlot(state, 3);
        SetAlarmControls(state, {true, false, 6, 0, "", "three"});
        FakeApplyFeedback feedback(host.log);
        ApplyPagesState(state, host, feedback);
        EXPECT_EQ(host.settings.alarms[2], (AlarmSlot{"1", "0", "6", "0", "", "three"}));
        EXPECT_EQ(host.settings.alarms[0], AlarmSlot{});
    }
}

}  // namespace
}  // namespace zenka
