// The periodic tick with a fake clock and recording services.
#include "app/tick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "app/calendar_hint.h"
#include "calendar/default_holidays.h"
#include "tests/fakes/fake_clock.h"
#include "tests/fakes/fake_tick_services.h"

namespace zenka {
namespace {

class TickTest : public ::testing::Test {
protected:
    TickTest() {
        calendar.SetHolidayList(DefaultHolidayLines());
        // The day fonts in the colours a first start gives them.
        const AppSettings::Colors colors;
        SetFontColor(kFontWeekday, colors.weekday);
        SetFontColor(kFontSaturday, colors.saturday);
        SetFontColor(kFontSunday, colors.sunday);
        SetFontColor(kFontHoliday, colors.holiday);
        SetFontColor(kFontSpecialDay, colors.specialday);
        SetFontColor(kFontYoteiDay, colors.yoteiday);
        // An ordinary Wednesday, so that a tick draws the icons and shows no
        // notice unless a test asks for one.
        At(2006, 1, 11, 12, 15);
    }

    void SetFontColor(DayFontIndex index, Color color) {
        FontDescription font = calendar.Fonts().Font(index);
        font.color = color;
        calendar.Fonts().SetFont(index, font);
    }
    void At(int32_t y, uint8_t m, uint8_t d, uint8_t hour, uint8_t minute, uint8_t second = 0) {
        clock.Set(y, m, d);
        clock.SetTime(hour, minute, second);
    }
    void At(uint8_t hour, uint8_t minute, uint8_t second = 0) { clock.SetTime(hour, minute, second); }
    void Tick() { tick.Timer1Timer(); }
    // A first tick that draws today's icons, then an empty log.
    void Settle() {
        Tick();
        log.clear();
    }
    void Arm(size_t slot, const std::string& h, const std::string& m, const std::string& sou = "alarm.wav",
             const std::string& mes = "", const std::string& mai = "1") {
        settings.alarms.at(slot) = AlarmSlot{"1", mai, h, m, sou, mes};
    }
    // The log's entries that start with one of the prefixes.
    EventLog Only(std::initializer_list<std::string> prefixes) const {
        EventLog kept;
        for (const std::string& event : log) {
            for (const std::string& prefix : prefixes) {
                if (event.rfind(prefix, 0) == 0) {
                    kept.push_back(event);
                    break;
                }
            }
        }
        return kept;
    }
    EventLog Sounds() const { return Only({"play:", "no sound:"}); }
    EventLog Notices() const { return Only({"notice:"}); }
    EventLog Loads() const { return Only({"load ", "no icon "}); }

    FakeClock clock{2006, 1, 11};
    EventLog log;
    FakeSoundPlayer sound{log};
    FakeNoticeBox notice{log};
    FakeTrayImages tray{log};
    FakeTimeSync timeSync{log};
    FakeShortDate shortDate;
    FakeErrorBox errors{log};
    BadLineReport badLines{errors};
    TMonthlyCalendar calendar{clock};
    AppSettings settings;
    PeriodicTick tick{TickServices{clock, sound, notice, tray, timeSync, shortDate, badLines, calendar, settings,
                                   "C:\\Zenka\\"}};
};

TEST_F(TickTest, AnAlarmRingsOnceInItsMinuteAndOnceOnlyAlarmsDisarm) {
    Settle();
    Arm(0, "7", "5", "wake.wav", "", "0");  // once only
    Arm(1, "7", "6", "daily.wav");          // every day
    At(7, 4, 50);
    Tick();
    At(7, 5, 0);
    Tick();
    EXPECT_EQ(settings.alarms[0].onOff, "0") << "a once-only alarm disarms itself in the settings, saved at exit";
    EXPECT_TRUE(tick.State().alarmFlag);
    EXPECT_EQ(tick.State().alarmTime, "7:5");
    At(7, 5, 10);
    Tick();
    At(7, 6, 0);
    Tick();
    EXPECT_EQ(tick.State().alarmTime, "7:6");
    At(7, 6, 10);
    Tick();
    At(7, 7, 0);
    Tick();
    EXPECT_FALSE(tick.State().alarmFlag) << "the first tick of another minute clears the flag";
    EXPECT_EQ(Sounds(), (EventLog{"play:wake.wav", "play:daily.wav"}));
    EXPECT_TRUE(Notices().empty()) << "an alarm without a message that played shows nothing";

    // The next day the daily alarm rings again and the disarmed one does not.
    At(2006, 1, 12, 7, 5);
    Tick();
    At(7, 6);
    Tick();
    EXPECT_EQ(Sounds(), (EventLog{"play:wake.wav", "play:daily.wav", "play:daily.wav"}));
    EXPECT_EQ(settings.alarms[1].onOff, "1");
}

TEST_F(TickTest, AlarmTimesAreComparedAsTextsWithoutLeadingZeros) {
    Settle();
    Arm(0, "07", "00", "zero.wav");
    Arm(1, "7", "0", "plain.wav");
    Arm(2, "13", "30", "afternoon.wav");
    At(7, 0);
    Tick();
    At(13, 30);
    Tick();
    EXPECT_EQ(Sounds(), (EventLog{"play:plain.wav", "play:afternoon.wav"})) << "\"07\" never matches 7:0";
}

TEST_F(TickTest, OfTwoAlarmsInOneMinuteOnlyTheFirstArmedSlotRings) {
    Settle();
    Arm(0, "6", "30", "off.wav");
    settings.alarms[0].onOff = "0";  // disarmed, though at the same time
    Arm(2, "6", "30", "second.wav");
    Arm(4, "6", "30", "fourth.wav");
    for (uint8_t second : {0, 10, 20, 30, 40, 50}) {
        At(6, 30, second);
        Tick();
    }
    EXPECT_EQ(Sounds(), (EventLog{"play:second.wav"}));
}

TEST_F(TickTest, AnAlarmInALowerSlotOneMinuteLaterRingsAtTheSecondTickOfItsMinute) {
    Settle();
    Arm(0, "7", "1", "later.wav");
    Arm(1, "7", "0", "earlier.wav");
    At(7, 0, 5);
    Tick();
    At(7, 0, 15);
    Tick();
    At(7, 1, 5);
    Tick();
    EXPECT_EQ(Sounds(), (EventLog{"play:earlier.wav"})) << "slot 0 was passed before the flag was cleared";
    At(7, 1, 15);
    Tick();
    EXPECT_EQ(Sounds(), (EventLog{"play:earlier.wav", "play:later.wav"}));
}

TEST_F(TickTest, AnAlarmThatCannotPlayShowsItsMessageOrTheTime) {
    Settle();
    sound.missing = {"gone.wav"};
    Arm(0, "7", "5", "gone.wav", "起きる時間");
    Arm(1, "8", "9", "gone.wav");
    Arm(2, "9", "0", "");  // no sound file at all
    Arm(3, "10", "0", "bell.wav", "会議");
    for (uint8_t hour : {7, 8, 9, 10}) {
        At(hour, hour == 7 ? 5 : hour == 8 ? 9 : 0);
        Tick();
    }
    EXPECT_EQ(Notices(), (EventLog{"notice:起きる時間", "notice:8時9分です。", "notice:9時0分です。", "notice:会議"}));
    EXPECT_EQ(Sounds(), (EventLog{"no sound:gone.wav", "no sound:gone.wav", "no sound:", "play:bell.wav"}));
}

TEST_F(TickTest, TheHourChimeRingsAtMinuteZeroAndIsReArmedAtMinuteOne) {
    settings.jiho.on = true;
    settings.jiho.file = "hour.wav";
    At(9, 0, 0);
    Tick();  // the start-up tick
    EXPECT_EQ(Sounds(), (EventLog{"play:hour.wav"})) << "the start-up tick at 9:00 chimes at once";
    At(9, 0, 10);
    Tick();
    At(9, 0, 50);
    Tick();
    EXPECT_TRUE(tick.State().hourChimeFlag);
    At(9, 1, 0);
    Tick();
    EXPECT_FALSE(tick.State().hourChimeFlag);
    At(10, 0, 0);
    Tick();
    EXPECT_EQ(Sounds(), (EventLog{"play:hour.wav", "play:hour.wav"}));

    // No tick in minute 1 (the interface was blocked): the flag stays set and
    // the next hour is silent; the minute 1 after that clears it.
    At(10, 2, 0);
    Tick();
    At(11, 0, 0);
    Tick();
    At(11, 1, 0);
    Tick();
    At(12, 0, 0);
    Tick();
    EXPECT_EQ(Sounds(), (EventLog{"play:hour.wav", "play:hour.wav", "play:hour.wav"}));

    // A chime without a playable file says the time instead.
    settings.jiho.file.clear();
    At(12, 1, 0);
    Tick();
    At(13, 0, 0);
    Tick();
    EXPECT_EQ(Notices(), (EventLog{"notice:13時0分です。"}));
}

TEST_F(TickTest, TheHalfHourChimeNeedsTheHourChimeOnAsWell) {
    Settle();
    settings.jiho.half = true;
    settings.jiho.file2 = "half.wav";
    At(9, 30);
    Tick();
    EXPECT_TRUE(Sounds().empty()) << "half past without the hour chime rings nothing";

    settings.jiho.on = true;
    At(10, 30);
    Tick();
    At(10, 30, 40);
    Tick();
    At(10, 31);
    Tick();
    EXPECT_FALSE(tick.State().halfHourChimeFlag);
    At(11, 30);
    Tick();
    EXPECT_EQ(Sounds(), (EventLog{"play:half.wav", "play:half.wav"}));
    EXPECT_TRUE(Notices().empty());
    sound.missing = {"half.wav"};
    At(11, 31);
    Tick();
    At(12, 30);
    Tick();
    EXPECT_EQ(Notices(), (EventLog{"notice:12時30分です。"}));
}

TEST_F(TickTest, AnAlarmOnTheHourIsFollowedByTheChimeWhichStopsItsSound) {
    Settle();
    settings.jiho.on = true;
    settings.jiho.file = "hour.wav";
    Arm(0, "8", "0", "alarm.wav");
    At(8, 0);
    Tick();
    EXPECT_EQ(Sounds(), (EventLog{"play:alarm.wav", "play:hour.wav"})) << "without a message: the same tick";

    // With a message the chime waits for the notice: it plays from a tick
    // that runs while the notice is open, and the outer tick does not ring
    // it a second time.
    log.clear();
    Arm(0, "9", "0", "alarm.wav", "朝礼");
    notice.whileOpen = [this] {
        notice.whileOpen = nullptr;
        At(9, 0, 10);
        Tick();
    };
    At(8, 1);
    Tick();
    At(9, 0);
    Tick();
    EXPECT_EQ(Only({"play:", "notice:"}), (EventLog{"play:alarm.wav", "notice:朝礼", "play:hour.wav"}));

    // Closed before the next tick: the chime follows right after.
    log.clear();
    Arm(0, "10", "0", "alarm.wav", "休憩");
    At(9, 1);
    Tick();
    At(10, 0);
    Tick();
    EXPECT_EQ(Only({"play:", "notice:"}), (EventLog{"play:alarm.wav", "notice:休憩", "play:hour.wav"}));
}

TEST_F(TickTest, TicksNestedInANoticeRepeatNothing) {
    Settle();
    // While a notice is open the timer fires at the times queued here.
    std::vector<DateTime> nestedTicks;
    const auto queue = [&](std::initializer_list<std::array<uint8_t, 3>> times) {
        for (const auto& [hour, minute, second] : times) {
            DateTime at = clock.Now();
            at.hour = hour;
            at.minute = minute;
            at.second = second;
            nestedTicks.push_back(at);
        }
    };
    notice.whileOpen = [&] {
        while (!nestedTicks.empty()) {
            clock.SetNow(nestedTicks.front());
            nestedTicks.erase(nestedTicks.begin());
            Tick();
        }
    };

    Arm(0, "7", "0", "alarm.wav", "起床");
    Arm(1, "7", "1", "second.wav", "二つ目");
    At(7, 0, 0);
    queue({{7, 0, 10}, {7, 0, 20}});
    Tick();
    EXPECT_EQ(Notices(), (EventLog{"notice:起床"}));

    // A notice open into the next minute: the nested tick at 7:01 rings the
    // second alarm. The outer tick, at 7:00 by its own reading, must then
    // leave that alarm's flag alone, or the next tick rings it again.
    At(2006, 1, 12, 6, 59);
    Tick();
    log.clear();
    At(7, 0, 50);
    queue({{7, 1, 0}});
    Tick();
    At(7, 1, 10);
    Tick();
    At(7, 1, 20);
    Tick();
    EXPECT_EQ(Notices(), (EventLog{"notice:起床", "notice:二つ目"}));
    EXPECT_EQ(Sounds(), (EventLog{"play:alarm.wav", "play:second.wav"}));

    // The schedule notice of a new day: the nested ticks find the day drawn.
    log.clear();
    settings.keikoku.onOff = true;
    At(2006, 1, 9, 12, 5);  // 成人の日
    queue({{12, 5, 10}, {12, 5, 20}});
    Tick();
    EXPECT_EQ(Notices(), (EventLog{"notice:本日(1/9)のスケジュール ：\r\n成人の日"}));
    EXPECT_EQ(Loads().size(), 3u) << "the icons are drawn once";

    // The hour chime's spoken time, and the half hour's.
    log.clear();
    settings.jiho.on = true;
    settings.jiho.half = true;
    At(13, 0);
    queue({{13, 0, 10}, {13, 0, 20}});
    Tick();
    At(13, 30);
    queue({{13, 30, 10}});
    Tick();
    EXPECT_EQ(Notices(), (EventLog{"notice:13時0分です。", "notice:13時30分です。"}));
}

TEST_F(TickTest, TheDailySyncStartsWhileTheDayStampIsAnotherDay) {
    Settle();
    settings.sync.teiki = true;
    Tick();
    settings.sync.oneday = true;
    Tick();
    EXPECT_EQ(Only({"sync"}), (EventLog{"sync"})) << "the default stamp 98/01/01 is another day";
    // The synchronisation writes today's stamp and runs the tick at its end;
    // the outer tick then has nothing left to do.
    log.clear();
    tick.ClearIconDateCache();
    timeSync.whileRunning = [this] {
        settings.sync.syncDay = "2006/01/11";
        Tick();
    };
    Tick();
    Tick();
    EXPECT_EQ(Only({"sync"}), (EventLog{"sync"}));
    EXPECT_EQ(Loads().size(), 3u) << "only the nested tick drew the icons";
    settings.sync.teiki = false;
    settings.sync.syncDay = "98/01/01";
    Tick();
    EXPECT_EQ(Only({"sync"}), (EventLog{"sync"}));
}

TEST_F(TickTest, EachNewDayDrawsIconsFromTheFolderOfItsColour) {
    calendar.SetSpecialDayList({"1,20,記念日"});
    calendar.SetYoteiDayList({"2006,0,1,25,歯医者"});
    struct Day {
        uint8_t day;
        const char* folder;
        const char* weekday;
    };
    const Day days[] = {
        {1, "Red", "1"},     // 元日, a Sunday
        {2, "Red", "2"},     // 振替休日
        {3, "Black", "3"},   // an ordinary Tuesday
        {7, "Blue", "7"},    // Saturday
        {20, "Green", "6"},  // a special day
        {25, "Pink", "4"},   // a scheduled day
    };
    for (const Day& day : days) {
        log.clear();
        At(2006, 1, day.day, 0, 0, 5);
        Tick();
        const std::string folder = std::string("C:\\Zenka\\Icon\\") + day.folder + "\\";
        EXPECT_EQ(Loads(), (EventLog{"load month:" + folder + "1.ico",
                                     "load day:" + folder + std::to_string(day.day) + ".ico",
                                     "load weekday:" + folder + "w" + day.weekday + ".ico"}))
            << "on 1/" << int(day.day);
        EXPECT_EQ(tick.State().iconDateCache, "2006/1/" + std::to_string(day.day));
        At(0, 0, 15);
        Tick();
        EXPECT_EQ(Loads().size(), 3u) << "the second tick of the day draws nothing";
    }
}

TEST_F(TickTest, IconsAndTooltipsSurviveFilesThatDoNotLoad) {
    Settle();
    // The first file that fails ends the loading; the icons after it keep
    // yesterday's images, and tooltips, cache and notice go on.
    settings.keikoku.onOff = true;
    calendar.SetYoteiDayList({"1,15,集金"});
    tray.missing = {"C:\\Zenka\\Icon\\Pink\\15.ico"};
    At(2006, 1, 15, 0, 0);
    Tick();
    EXPECT_EQ(Loads(), (EventLog{"load month:C:\\Zenka\\Icon\\Pink\\1.ico", "no icon day:C:\\Zenka\\Icon\\Pink\\15.ico"}));
    EXPECT_EQ(Only({"tip "}).size(), 3u);
    EXPECT_EQ(Notices(), (EventLog{"notice:本日(1/15)のスケジュール ：\r\n集金"}));
    EXPECT_EQ(tick.State().iconDateCache, "2006/1/15");
    EXPECT_EQ(tray.images[1], "C:\\Zenka\\Icon\\Black\\11.ico") << "the day icon keeps yesterday's image";
    EXPECT_EQ(tray.images[2], "C:\\Zenka\\Icon\\Black\\w4.ico");
    Tick();
    EXPECT_EQ(Loads().size(), 2u) << "no retry before the next day";

    // A colour outside the five: bare file names, which normally load nothing.
    log.clear();
    SetFontColor(kFontWeekday, clGreen);
    At(2006, 1, 17, 0, 0);
    Tick();
    EXPECT_EQ(Loads(), (EventLog{"no icon month:1.ico"}));
    EXPECT_EQ(Only({"tip day:"}), (EventLog{"tip day:平成18年(2006年)1月17日(火)大安"}));
}

// On a dark taskbar the pictures come from the dark set; a user who put
// their own pictures into the light set and has no dark one keeps them.
TEST_F(TickTest, IconsComeFromTheFirstSetThatHasThem) {
    tick.SetIconSets({"Icon\\Dark\\", "Icon\\"});
    Tick();
    EXPECT_EQ(Loads(), (EventLog{"load month:C:\\Zenka\\Icon\\Dark\\Black\\1.ico",
                                 "load day:C:\\Zenka\\Icon\\Dark\\Black\\11.ico",
                                 "load weekday:C:\\Zenka\\Icon\\Dark\\Black\\w4.ico"}));

    log.clear();
    tray.missing = {"C:\\Zenka\\Icon\\Dark\\Red\\1.ico"};
    At(2006, 1, 15, 0, 0);
    Tick();
    EXPECT_EQ(Loads(), (EventLog{"no icon month:C:\\Zenka\\Icon\\Dark\\Red\\1.ico",
                                 "load month:C:\\Zenka\\Icon\\Red\\1.ico", "load day:C:\\Zenka\\Icon\\Red\\15.ico",
                                 "load weekday:C:\\Zenka\\Icon\\Red\\w1.ico"}))
        << "all three from the light set";

    // The sets change with the taskbar; the redraw takes the new one.
    log.clear();
    tick.SetIconSets({"Icon\\"});
    tick.RedrawIcons();
    Tick();
    EXPECT_EQ(Loads().front(), "load month:C:\\Zenka\\Icon\\Red\\1.ico");
    EXPECT_TRUE(Notices().empty()) << "a redraw of the same day shows no notice";
}

TEST_F(TickTest, TheScheduleNoticeNamesTheDayAndMayPlayASound) {
    Settle();
    settings.keikoku.onOff = true;
    settings.keikoku.soundOn = true;
    settings.keikoku.fileName = "  ";  // blank: no sound
    calendar.SetYoteiDayList({"1,13,歯医者", "1,13,買い物"});
    At(2006, 1, 12, 0, 0);
    Tick();
    EXPECT_TRUE(Notices().empty()) << "a day without names has no schedule";
    At(2006, 1, 13, 0, 0);
    Tick();
    EXPECT_TRUE(Sounds().empty());
    EXPECT_EQ(Notices(), (EventLog{"notice:本日(1/13)のスケジュール ：\r\n歯医者,買い物"}));

    log.clear();
    settings.keikoku.fileName = "missing.wav";
    sound.missing = {"missing.wav"};
    tick.ClearIconDateCache();
    Tick();
    EXPECT_EQ(Only({"play:", "no sound:", "notice:"}),
              (EventLog{"no sound:missing.wav", "notice:本日(1/13)のスケジュール ：\r\n歯医者,買い物"}))
        << "a sound that fails is passed over in silence";

    log.clear();
    settings.keikoku.onOff = false;
    At(2006, 1, 9, 0, 0);
    Tick();
    EXPECT_TRUE(Notices().empty());
}

TEST_F(TickTest, ClearingTheCacheRedrawsAndTheSuppressFlagWithholdsOneNotice) {
    settings.keikoku.onOff = true;
    At(2006, 1, 1, 8, 0);
    Tick();
    EXPECT_EQ(Notices().size(), 1u) << "the start-up tick shows today's schedule";
    EXPECT_EQ(tray.tips[1], "平成18年(2006年)1月1日(日)先勝 元日");

    // The era display toggle clears the cache only: the next tick shows the
    // notice again, with tooltips in the new form, and leaves the calendar's
    // selection where the user put it.
    log.clear();
    calendar.SetDate(2006, 3, 15);
    settings.form.japanese = false;
    tick.ClearIconDateCache();
    Tick();
    EXPECT_EQ(Notices().size(), 1u);
    EXPECT_EQ(tray.tips[0], "2006年(平成18年)1月1日(日)先勝 元日");
    EXPECT_EQ(calendar.Month(), 3) << "an emptied cache is no new day";

    // Applying the settings dialog also sets the suppress flag: a redraw
    // without a notice, and the flag is used up.
    log.clear();
    tick.ClearIconDateCache();
    tick.SuppressNextNotice();
    Tick();
    EXPECT_EQ(Loads().size(), 3u);
    EXPECT_TRUE(Notices().empty());
    EXPECT_FALSE(tick.State().noticeSuppress);

    // The flag goes with the next redraw even when no notice was due.
    tick.SuppressNextNotice();
    At(2006, 1, 3, 0, 0);
    Tick();
    EXPECT_FALSE(tick.State().noticeSuppress);
    EXPECT_EQ(calendar.Month(), 1) << "a new day moves the calendar to today";
    EXPECT_EQ(calendar.Day(), 3);
    At(2006, 1, 9, 0, 0);
    Tick();
    EXPECT_EQ(Notices(), (EventLog{"notice:本日(1/9)のスケジュール ：\r\n成人の日"}));
}

TEST_F(TickTest, AQuietRedrawBringsTheNoticeOnlyWithANewDay) {
    settings.keikoku.onOff = true;
    At(2006, 1, 9, 8, 0);
    Tick();
    ASSERT_EQ(Notices().size(), 1u);

    // The end of every synchronisation attempt redraws the icons: on the
    // same day without the notice, and without moving the user's date.
    log.clear();
    calendar.SetDate(2006, 3, 15);
    tick.RedrawIcons();
    Tick();
    EXPECT_EQ(Loads().size(), 3u);
    EXPECT_TRUE(Notices().empty());
    EXPECT_EQ(calendar.Month(), 3);

    // An attempt that began before midnight ends on a new day: its redraw is
    // that day's first, with its notice, and the calendar goes to today.
    At(2006, 1, 9, 23, 59);
    tick.RedrawIcons();
    At(2006, 1, 10, 0, 0);
    calendar.SetSpecialDayList({"1,10,記念日"});
    calendar.SetDate(2006, 3, 15);
    log.clear();
    Tick();
    EXPECT_EQ(Notices(), (EventLog{"notice:本日(1/10)のスケジュール ：\r\n記念日"}));
    EXPECT_EQ(calendar.Month(), 1);
    EXPECT_EQ(calendar.Day(), 10);
    log.clear();
    At(2006, 1, 10, 0, 1);
    tick.RedrawIcons();
    Tick();
    EXPECT_TRUE(Notices().empty()) << "the new day's notice came with its first redraw";
}

TEST_F(TickTest, AMalformedListLineIsReportedOnceAndCountsAsNotMatching) {
    Settle();
    settings.keikoku.onOff = true;
    calendar.SetYoteiDayList({"1,20,散髪", "x,1,壊れた行", "1,20,歯医者"});
    // Nested ticks while the report is open find today drawn already.
    errors.whileOpen = [this] { Tick(); };
    At(2006, 1, 20, 0, 0);
    Tick();
    EXPECT_EQ(Only({"error:"}),
              (EventLog{"error:予定日リストの 2 行目 \"x,1,壊れた行\": 'x' は有効な整数ではありません\r\n"
                        "この行は該当しない行として扱います。"}));
    EXPECT_EQ(Loads().size(), 3u);
    EXPECT_EQ(Loads().front(), "load month:C:\\Zenka\\Icon\\Pink\\1.ico") << "the good lines still count";
    EXPECT_EQ(tray.tips[1], "平成18年(2006年)1月20日(金)友引 散髪,歯医者");
    EXPECT_EQ(Notices(), (EventLog{"notice:本日(1/20)のスケジュール ：\r\n散髪,歯医者"}));

    // The same line on later days and redraws: no second report.
    for (uint8_t day : {21, 22, 23}) {
        At(2006, 1, day, 0, 0);
        Tick();
        tick.ClearIconDateCache();
        Tick();
    }
    EXPECT_EQ(Only({"error:"}).size(), 1u);
    EXPECT_EQ(tray.tips[1], "平成18年(2006年)1月23日(月)大安");

    // A second bad line, in another list, is news.
    calendar.SetHolidayList({"1,1,元旦", "1,y,壊れた祝日"});
    At(2006, 1, 24, 0, 0);
    Tick();
    const EventLog reports = Only({"error:"});
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[1].find("休日リストの 2 行目 \"1,y,壊れた祝日\""), std::string::npos) << reports[1];
    EXPECT_EQ(reports[1].find("予定日"), std::string::npos) << "the known line is not told again";
}

TEST_F(TickTest, AMalformedLineMetFirstByTheCalendarHintAtMidnightIsToldOnceWithOneNotice) {
    // The calendar window's hint follows the calendar, as the window wires it.
    CalendarHint hint(calendar);
    calendar.OnDayChange = [&](TCustomCalendarEx2k&, int32_t, uint8_t, uint8_t) { hint.Refresh(true, badLines); };
    At(2006, 1, 19, 23, 59);
    Settle();
    settings.keikoku.onOff = true;
    calendar.SetYoteiDayList({"1,20,散髪", "1,x,壊れた行"});
    // The timer fires while the error box is open.
    errors.whileOpen = [this] { Tick(); };

    At(2006, 1, 20, 0, 0);
    Tick();
    EXPECT_EQ(Only({"error:"}),
              (EventLog{"error:予定日リストの 2 行目 \"1,x,壊れた行\": 'x' は有効な整数ではありません\r\n"
                        "この行は該当しない行として扱います。"}));
    EXPECT_EQ(Notices(), (EventLog{"notice:本日(1/20)のスケジュール ：\r\n散髪"}));
    EXPECT_EQ(Loads().size(), 3u) << "the icons are drawn once";
    EXPECT_EQ(hint.Text(), "友引 散髪") << "the good lines still count";

    // Stepping through the calendar meets the line again: no second report.
    calendar.NextMonth();
    calendar.PrevMonth();
    calendar.SetDay(21);
    EXPECT_EQ(Only({"error:"}).size(), 1u);
    EXPECT_EQ(Notices().size(), 1u);
}

TEST(TickHelpers, TimeTextFolderAndTrim) {
    EXPECT_EQ(TickTimeText(7, 5), "7:5");
    EXPECT_EQ(TickTimeText(0, 0), "0:0");
    EXPECT_EQ(TickTimeText(23, 59), "23:59");
    EXPECT_EQ(IconColorFolder(clBlack), "Black\\");
    EXPECT_EQ(IconColorFolder(clRed), "Red\\");
    EXPECT_EQ(IconColorFolder(clLime), "Green\\");
    EXPECT_EQ(IconColorFolder(clBlue), "Blue\\");
    EXPECT_EQ(IconColorFolder(clFuchsia), "Pink\\");
    EXPECT_EQ(IconColorFolder(clGreen), "") << "dark green is not the green folder";
    EXPECT_EQ(IconColorFolder(clWindow), "");
    EXPECT_EQ(TrimBlanks("\x01 a b \x1f"), "a b");
    EXPECT_EQ(TrimBlanks("\xe3\x80\x80全角\xe3\x80\x80"), "\xe3\x80\x80全角\xe3\x80\x80") << "ideographic blanks stay";
    EXPECT_EQ(TrimBlanks(" \r\n"), "");
}

}  // namespace
}  // namespace zenka
