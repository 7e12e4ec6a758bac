// Opening and applying the settings dialog against a recording main window:
// the working copy the dialog takes, what an apply writes back and leaves,
// and in which order the main window hears of it.
#include "settings/pages_load_apply.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "settings/settings_texts.h"
#include "tests/fakes/fake_pages_host.h"

namespace zenka {
namespace {

TEST(PagesLoad, TheWorkingCopyHasTheCalendarsColoursAndEquinoxSwitchAndSlotOne) {
    FakePagesHost host;
    SetNonDefaultSettings(host);
    host.settings.color.sunday = clNavy;  // the calendar's font is lime
    host.settings.koyomiJulius = true;    // the calendar's switch is off
    host.osMajorVersion = 5;
    const PagesValues values = LoadPagesValues(host);
    EXPECT_EQ(values.settings.color.sunday, clLime);
    EXPECT_FALSE(values.settings.koyomiJulius);
    EXPECT_EQ(values.alarmSlot, 1);
    EXPECT_TRUE(values.transparencyAllowed);
    AppSettings rest = values.settings;
    rest.color = host.settings.color;
    rest.koyomiJulius = host.settings.koyomiJulius;
    EXPECT_EQ(rest, host.settings);
    EXPECT_TRUE(host.log.empty()) << "loading changes nothing in the main window";

    host.osMajorVersion = 6;
    EXPECT_FALSE(LoadPagesValues(host).transparencyAllowed) << "only version 5 has a transparent calendar";
}

TEST(PagesApply, TheMainWindowHearsOfEachStepInOrder) {
    FakePagesHost host;
    host.osMajorVersion = 5;
    PagesValues values = LoadPagesValues(host);
    values.settings.sync.teiki = true;
    values.settings.sync.oki = 5;
    values.settings.form.hotKey1 = {'Q', false, true, false};
    values.settings.form.layer = 250;
    values.settings.autoClose.interval = 12000;
    FakeApplyFeedback feedback(host.log);
    ApplyPagesValues(values, host.lists, host, feedback);
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

TEST(PagesApply, TakesWhatTheDialogEditsAndLeavesWhatItDoesNotShow) {
    FakePagesHost host;
    SetNonDefaultSettings(host);
    host.osMajorVersion = 5;
    const AppSettings before = host.settings;
    PagesValues values = LoadPagesValues(host);
    FakeApplyFeedback feedback(host.log);
    ApplyPagesValues(values, host.lists, host, feedback);
    EXPECT_EQ(host.settings, before) << "an apply without changes changes no setting";

    // The main window changes what the dialog does not show while it is open.
    AppSettings& s = host.settings;
    s.sync.syncDay = "06/02/03";
    s.jiho.full = "7";
    s.form.firstDayOfWeek = s.form.neighbor = s.form.line = s.form.big = s.form.w = true;
    s.form.japanese = s.form.style = false;
    s.pos = {5, 6};
    s.icon = {true, true, true};
    s.imageHint = "hint";
    const AppSettings changedByTheMainWindow = s;
    // The dialog changes what it shows.
    values.settings.sync.proxy = "p:1";
    values.settings.alarms[4].mes = "五";
    values.settings.color.weekday = clFuchsia;
    values.settings.koyomiJulius = true;
    values.settings.kidou = {false, false, true};
    values.settings.form.layer = 0;
    ApplyPagesValues(values, {{"1,1,x"}, {}, {}}, host, feedback);

    AppSettings expected = changedByTheMainWindow;
    expected.sync.proxy = "p:1";
    expected.alarms[4].mes = "五";
    expected.color.weekday = clFuchsia;
    expected.koyomiJulius = true;
    expected.kidou = {false, false, true};
    expected.form.layer = 0;
    EXPECT_EQ(s, expected);
    EXPECT_EQ(host.fonts[kFontWeekday], clFuchsia);
    EXPECT_TRUE(host.autoEquinox);
    EXPECT_EQ(host.lists, (DayLists{{"1,1,x"}, {}, {}}));
}

TEST(PagesApply, EdgeCasesOfTheApply) {
    {
        SCOPED_TRACE("the hot key message shows once, and not again for an apply without a change");
        FakePagesHost host;
        PagesValues values = LoadPagesValues(host);
        values.settings.form.hotKey1 = {'Z', true, true, false};
        FakeApplyFeedback feedback(host.log);
        ApplyPagesValues(values, host.lists, host, feedback);
        ApplyPagesValues(values, host.lists, host, feedback);
        EXPECT_EQ(std::count(host.log.begin(), host.log.end(), std::string("message ") + kHotKeyNextStartText), 1);
        EXPECT_EQ(host.settings.form.hotKey1, (Shortcut{'Z', true, true, false}));
    }
    {
        SCOPED_TRACE("on a system other than version 5 Layer stays and no opacity is set");
        FakePagesHost host;
        host.settings.form.layer = 123;
        PagesValues values = LoadPagesValues(host);
        values.settings.form.layer = 20;
        FakeApplyFeedback feedback(host.log);
        ApplyPagesValues(values, host.lists, host, feedback);
        EXPECT_EQ(host.settings.form.layer, 123);
        const auto opacity = [](const std::string& e) { return e.rfind("opacity", 0) == 0; };
        EXPECT_EQ(std::count_if(host.log.begin(), host.log.end(), opacity), 0);
    }
    {
        SCOPED_TRACE("without automatic backup the lists are saved but not backed up");
        FakePagesHost host;
        PagesValues values = LoadPagesValues(host);
        values.settings.form.autoBackup = false;
        FakeApplyFeedback feedback(host.log);
        ApplyPagesValues(values, host.lists, host, feedback);
        EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "save lists"), 1);
        EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "backup lists"), 0);
    }
    {
        SCOPED_TRACE("every alarm of the dialog's table goes over, whichever slot shows");
        FakePagesHost host;
        PagesValues values = LoadPagesValues(host);
        values.settings.alarms[0].mes = "one";
        ASSERT_TRUE(SwitchAlarmSlot(values, 3));
        values.settings.alarms[2] = {"1", "0", "6", "0", "", "three"};
        FakeApplyFeedback feedback(host.log);
        ApplyPagesValues(values, host.lists, host, feedback);
        EXPECT_EQ(host.settings.alarms[2], (AlarmSlot{"1", "0", "6", "0", "", "three"}));
        EXPECT_EQ(host.settings.alarms[0].mes, "one");
    }
}

}  // namespace
}  // namespace zenka
