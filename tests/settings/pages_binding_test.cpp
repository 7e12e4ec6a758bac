// The settings dialog's binding table without windows: what each control
// shows for the settings, what it stores back, what an apply copies, and
// the alarm slots on one set of controls.
#include "settings/pages_binding.h"

#include <gtest/gtest.h>

#include "settings/settings_ids.h"

namespace zenka {
namespace {

const ControlBinding& Row(PagesTab tab, int control) {
    const ControlBinding* row = FindBinding(tab, control);
    if (!row) throw std::runtime_error("no row for control " + std::to_string(control));
    return *row;
}

ControlValue Shown(const PagesValues& values, PagesTab tab, int control) {
    return ShownValue(Row(tab, control), values);
}

TEST(PagesBinding, WhatTheControlsShowForTheSettings) {
    struct Case {
        const char* what;
        void (*arrange)(PagesValues&);
        PagesTab tab;
        int control;
        ControlValue shown;
    };
    const Case cases[] = {
        {"an alarm box is checked by exactly \"1\"", [](PagesValues& v) { v.settings.alarms[0].onOff = "1"; },
         kTabAlarm, IDC_ALARM_ON, true},
        {"and by nothing else", [](PagesValues& v) { v.settings.alarms[0].mai = "1 "; }, kTabAlarm,
         IDC_ALARM_EVERYDAY, false},
        {"an hour as typed", [](PagesValues& v) { v.settings.alarms[0].h = "07"; }, kTabAlarm, IDC_ALARM_HOUR, 7},
        {"an hour that is no number shows the field's minimum", [](PagesValues& v) { v.settings.alarms[0].h = "x"; },
         kTabAlarm, IDC_ALARM_HOUR, 0},
        {"an hour beyond the field's range its limit", [](PagesValues& v) { v.settings.alarms[0].h = "25"; },
         kTabAlarm, IDC_ALARM_HOUR, 23},
        {"a minute below it", [](PagesValues& v) { v.settings.alarms[0].m = "-3"; }, kTabAlarm, IDC_ALARM_MINUTE, 0},
        {"the alarm of the slot shown",
         [](PagesValues& v) {
             v.settings.alarms[3].mes = "four";
             v.alarmSlot = 4;
         },
         kTabAlarm, IDC_ALARM_MESSAGE, std::string("four")},
        {"auto-close milliseconds as whole seconds", [](PagesValues& v) { v.settings.autoClose.interval = 10999; },
         kTabOther, IDC_AUTO_CLOSE_SECONDS, 10},
        {"an auto-close below a second shows the field's minimum",
         [](PagesValues& v) { v.settings.autoClose.interval = 400; }, kTabOther, IDC_AUTO_CLOSE_SECONDS, 1},
        {"a colour checks its first button", [](PagesValues& v) { v.settings.color.weekday = clLime; }, kTabColor,
         IDC_COLOR_FIRST + 0, 3},
        {"a colour no button has checks the group's default",
         [](PagesValues& v) { v.settings.color.sunday = clNavy; }, kTabColor, IDC_COLOR_FIRST + 10, 2},
        {"and so for scheduled days", [](PagesValues& v) { v.settings.color.yoteiday = RgbColor(1, 2, 3); },
         kTabColor, IDC_COLOR_FIRST + 25, 4},
        {"start-up: tray wins over the calendar and both",
         [](PagesValues& v) { v.settings.kidou = {true, true, true}; }, kTabStartup, IDC_KIDOU_TRAY, 0},
        {"the calendar wins over both", [](PagesValues& v) { v.settings.kidou = {false, true, true}; }, kTabStartup,
         IDC_KIDOU_TRAY, 1},
        {"both alone", [](PagesValues& v) { v.settings.kidou = {false, false, true}; }, kTabStartup, IDC_KIDOU_TRAY,
         2},
        {"none on shows the tray button", [](PagesValues& v) { v.settings.kidou = {false, false, false}; },
         kTabStartup, IDC_KIDOU_TRAY, 0},
        {"version 5 shows 255 - Layer",
         [](PagesValues& v) {
             v.settings.form.layer = 0;
             v.transparencyAllowed = true;
         },
         kTabOther, IDC_TRANSPARENCY, 255},
        {"the slider stays at 0 elsewhere", [](PagesValues& v) { v.settings.form.layer = 100; }, kTabOther,
         IDC_TRANSPARENCY, 0},
        {"an interval as it is, the field keeps it in range", [](PagesValues& v) { v.settings.sync.oki = 20000; },
         kTabSync, IDC_OKI, 20000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PagesValues values;
        c.arrange(values);
        EXPECT_EQ(Shown(values, c.tab, c.control), c.shown);
    }
}

TEST(PagesBinding, WhatTheControlsStoreBack) {
    PagesValues values;
    values.settings.alarms[1] = {"yes", "2", "07", "x", "", ""};
    values.alarmSlot = 2;
    const auto store = [&](PagesTab tab, int control, const ControlValue& value) {
        StoreValue(Row(tab, control), values, value);
    };
    store(kTabAlarm, IDC_ALARM_ON, false);
    store(kTabAlarm, IDC_ALARM_EVERYDAY, true);
    store(kTabAlarm, IDC_ALARM_HOUR, 7);
    store(kTabAlarm, IDC_ALARM_MINUTE, 0);
    EXPECT_EQ(values.settings.alarms[1], (AlarmSlot{"0", "1", "7", "0", "", ""})) << "boxes as \"1\" and \"0\"";
    EXPECT_EQ(values.settings.alarms[0], AlarmSlot{}) << "only the slot shown";

    store(kTabOther, IDC_AUTO_CLOSE_SECONDS, 30);
    EXPECT_EQ(values.settings.autoClose.interval, 30000);
    store(kTabColor, IDC_COLOR_FIRST + 5, 4);
    EXPECT_EQ(values.settings.color.saturday, clFuchsia);
    store(kTabColor, IDC_COLOR_FIRST + 5, -1);
    EXPECT_EQ(values.settings.color.saturday, clFuchsia) << "no button checked: the colour stays";
    store(kTabStartup, IDC_KIDOU_TRAY, 1);
    EXPECT_EQ(values.settings.kidou, (AppSettings::Kidou{false, true, false})) << "exactly one on";
    store(kTabStartup, IDC_KIDOU_TRAY, -1);
    EXPECT_EQ(values.settings.kidou, (AppSettings::Kidou{false, true, false})) << "no button checked: they stay";

    values.settings.form.layer = 123;
    store(kTabOther, IDC_TRANSPARENCY, 200);
    EXPECT_EQ(values.settings.form.layer, 123) << "not version 5: Layer stays";
    values.transparencyAllowed = true;
    store(kTabOther, IDC_TRANSPARENCY, 200);
    EXPECT_EQ(values.settings.form.layer, 55);
}

TEST(PagesBinding, ACopyTakesEveryBoundSettingAndNothingElse) {
    PagesValues from;
    from.transparencyAllowed = true;
    AppSettings& f = from.settings;
    f.alarms[0] = {"1", "1", "7", "30", "wake.wav", "起きて"};
    f.jiho = {true, true, "0", "hour.wav", "half.wav"};
    f.sync = {true, true, 15, "06/01/01", true, "ok.wav", true, "proxy:8080", "me", "secret", -32, "http://x/", true};
    f.color = {clBlue, clRed, clLime, clFuchsia, clBlack, clBlue};
    f.form.deleteRecent = f.form.tmpDelete = true;
    f.form.wait = 30;
    f.form.hotKey1 = {'K', false, true, true};
    f.kidou = {false, true, false};
    f.keikoku = {true, true, "notice.wav"};
    f.form.rokuyo = false;
    f.autoClose = {true, 25000};
    f.form.autoBackup = false;
    f.form.layer = 200;
    f.form.firstDayOfWeek = f.form.big = true;
    f.pos = {1, 2};
    f.imageHint = "hint";

    PagesValues to;
    to.transparencyAllowed = true;
    CopyBoundSettings(from, to);
    for (const ControlBinding& row : PagesBindings()) {
        EXPECT_EQ(ShownValue(row, to), ShownValue(row, from)) << "control " << row.control;
    }
    EXPECT_EQ(to.settings.autoClose.interval, 25000);
    EXPECT_EQ(to.settings.form.layer, 200);
    // What the dialog does not show.
    const AppSettings defaults;
    EXPECT_EQ(to.settings.sync.syncDay, defaults.sync.syncDay);
    EXPECT_EQ(to.settings.jiho.full, defaults.jiho.full);
    EXPECT_EQ(to.settings.form.firstDayOfWeek, defaults.form.firstDayOfWeek);
    EXPECT_EQ(to.settings.form.big, defaults.form.big);
    EXPECT_EQ(to.settings.pos, defaults.pos);
    EXPECT_EQ(to.settings.imageHint, defaults.imageHint);
    EXPECT_EQ(to.settings.koyomiJulius, defaults.koyomiJulius) << "the equinox switch is the holiday tab's";
}

TEST(PagesBinding, SwitchingSlotsShowsEachSlotAndTellsWhetherTheControlsChange) {
    PagesValues values;
    values.settings.alarms[1] = {"1", "0", "12", "0", "noon.wav", "昼"};
    values.settings.alarms[0] = {"1", "1", "6", "45", "typed.wav", "typed"};
    EXPECT_TRUE(SwitchAlarmSlot(values, 2));
    EXPECT_EQ(values.alarmSlot, 2);
    EXPECT_EQ(Shown(values, kTabAlarm, IDC_ALARM_MESSAGE), ControlValue(std::string("昼")));
    EXPECT_TRUE(SwitchAlarmSlot(values, 1));
    EXPECT_EQ(Shown(values, kTabAlarm, IDC_ALARM_HOUR), ControlValue(6));
    EXPECT_FALSE(SwitchAlarmSlot(values, 1)) << "the slot already shown";
    EXPECT_TRUE(SwitchAlarmSlot(values, 4));
    EXPECT_FALSE(SwitchAlarmSlot(values, 5)) << "two empty slots show the same values";

    values.settings.alarms[2].h = "07";
    values.settings.alarms[3].h = "7";
    SwitchAlarmSlot(values, 3);
    EXPECT_FALSE(SwitchAlarmSlot(values, 4)) << "texts that show the same";
}

TEST(PagesBinding, AGroupOfButtonsIsOneRow) {
    EXPECT_EQ(&Row(kTabColor, IDC_COLOR_FIRST + 12), &Row(kTabColor, IDC_COLOR_FIRST + 10));
    EXPECT_NE(&Row(kTabColor, IDC_COLOR_FIRST + 15), &Row(kTabColor, IDC_COLOR_FIRST + 14));
    EXPECT_EQ(&Row(kTabStartup, IDC_KIDOU_BOTH), &Row(kTabStartup, IDC_KIDOU_TRAY));
    EXPECT_EQ(FindBinding(kTabSync, IDC_ALARM_ON), nullptr) << "a control of another tab";
}

}  // namespace
}  // namespace zenka
