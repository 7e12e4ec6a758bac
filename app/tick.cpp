#include "app/tick.h"

#include "calendar/tolerant_day_kind.h"
#include "calendar/day_description.h"
#include "calendar/julius.h"

namespace zenka {

std::string TickTimeText(uint8_t hour, uint8_t minute) { return std::to_string(hour) + ":" + std::to_string(minute); }

std::string IconColorFolder(Color color) {
    switch (color) {
        case RgbColor(0, 0, 0): return "Black\\";
        case RgbColor(255, 0, 0): return "Red\\";
        case RgbColor(0, 255, 0): return "Green\\";
        case RgbColor(0, 0, 255): return "Blue\\";
        case RgbColor(255, 0, 255): return "Pink\\";
        default: return {};
    }
}

std::string TrimBlanks(const std::string& text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && blank(text[begin])) ++begin;
    while (end > begin && blank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

void PeriodicTick::ClearAlarmAndChimeFlags() {
    state_.alarmFlag = false;
    state_.alarmTime.clear();
    state_.hourChimeFlag = false;
    state_.halfHourChimeFlag = false;
}

void PeriodicTick::Timer1Timer() {
    const uint64_t tick = ++ticks_;
    const DateTime now = services_.clock.Now();
    if (!RingAlarms(now, tick)) return;
    if (!RingChimes(now, tick)) return;
    if (!StartDailySync(now, tick)) return;
    ChangeDate(now);
}

bool PeriodicTick::TryPlay(const std::string& fileName) {
    try {
        services_.sound.PlaySoundFile(fileName);
        return true;
    } catch (const ESoundError&) {
        // The callers show a text in place of the sound, or go on silently.
        return false;
    }
}

bool PeriodicTick::RingAlarms(const DateTime& now, uint64_t tick) {
    const std::string timeText = TickTimeText(now.hour, now.minute);
    for (AlarmSlot& slot : services_.settings.alarms) {
        if (slot.onOff == "1" && !state_.alarmFlag && timeText == slot.h + ":" + slot.m) {
            if (slot.mai == "0") slot.onOff = "0";  // once only; saved at exit
            state_.alarmFlag = true;
            state_.alarmTime = slot.h + ":" + slot.m;
            // Copies: the settings dialog may change the slot while a notice
            // is open.
            const std::string sound = slot.sou;
            const std::string message = slot.mes;
            const std::string spokenTime = slot.h + "時" + slot.m + "分です。";
            const bool played = TryPlay(sound);
            if (!StillCurrent(tick)) return false;
            if (!message.empty()) {
                services_.notice.ShowNotice(message);
            } else if (!played) {
                services_.notice.ShowNotice(spokenTime);
            }
            if (!StillCurrent(tick)) return false;
        }
        if (state_.alarmFlag && timeText != state_.alarmTime) {
            state_.alarmFlag = false;
            state_.alarmTime.clear();
        }
    }
    return true;
}

bool PeriodicTick::RingChimes(const DateTime& now, uint64_t tick) {
    const AppSettings::Jiho& jiho = services_.settings.jiho;
    const std::string hour = std::to_string(now.hour);
    if (jiho.on && !state_.hourChimeFlag && now.minute == 0) {
        state_.hourChimeFlag = true;
        if (!TryPlay(std::string(jiho.file))) services_.notice.ShowNotice(hour + "時0分です。");
        if (!StillCurrent(tick)) return false;
    }
    if (state_.hourChimeFlag && now.minute == 1) state_.hourChimeFlag = false;

    if (jiho.on && jiho.half && !state_.halfHourChimeFlag && now.minute == 30) {
        state_.halfHourChimeFlag = true;
        if (!TryPlay(std::string(jiho.file2))) services_.notice.ShowNotice(hour + "時30分です。");
        if (!StillCurrent(tick)) return false;
    }
    if (state_.halfHourChimeFlag && now.minute == 31) state_.halfHourChimeFlag = false;
    return true;
}

bool PeriodicTick::StartDailySync(const DateTime& now, uint64_t tick) {
    const AppSettings::Sync& sync = services_.settings.sync;
    if (sync.teiki && sync.oneday && services_.shortDate.FormatShortDate(now) != sync.syncDay) {
        services_.timeSync.StartTimeSync();
        // A synchronisation runs the tick again when it ends.
        if (!StillCurrent(tick)) return false;
    }
    return true;
}

void PeriodicTick::LoadDateIcons(const std::string& colorFolder, uint8_t month, uint8_t day, uint8_t weekday) {
    TrayImages& tray = services_.tray;
    // The first file that does not load ends the loading; the icons before
    // it keep their new images. Answers whether the month's picture loaded.
    const auto loadFrom = [&](const std::string& path) {
        if (!tray.LoadTrayIcon(TrayIconKind::Month, path + std::to_string(month) + ".ico")) return false;
        if (tray.LoadTrayIcon(TrayIconKind::Day, path + std::to_string(day) + ".ico")) {
            tray.LoadTrayIcon(TrayIconKind::Weekday, path + "w" + std::to_string(weekday) + ".ico");
        }
        return true;
    };
    // A colour without a folder leaves bare file names, which normally load
    // nothing, so the icons keep the images they have.
    if (colorFolder.empty()) {
        loadFrom({});
        return;
    }
    for (const std::string& set : iconSets_) {
        if (loadFrom(services_.appDir + set + colorFolder)) return;
    }
}

void PeriodicTick::ChangeDate(const DateTime& now) {
    const int32_t y = now.year;
    const uint8_t m = now.month;
    const uint8_t d = now.day;
    const std::string dayText = std::to_string(y) + "/" + std::to_string(m) + "/" + std::to_string(d);
    if (dayText == state_.iconDateCache) return;

    // The day counts as drawn before anything here can open a box (moving
    // the calendar may report a malformed line), so that ticks nested in one
    // stop above and this day's icons and notice come once.
    // After a quiet redraw the cache is empty, but the day it showed is known.
    const std::string quietDay = std::exchange(state_.quietRedrawDay, {});
    const std::string drawnDay = state_.iconDateCache.empty() ? quietDay : state_.iconDateCache;
    const bool newDay = !drawnDay.empty() && drawnDay != dayText;
    state_.iconDateCache = dayText;
    const bool suppressed = std::exchange(state_.noticeSuppress, false) || quietDay == dayText;

    // A shown calendar follows the new day; after a cleared cache the day has
    // not changed and the user's selection stays.
    if (newDay) {
        services_.calendar.GoToday();
        // A tick nested in a box opened there may have drawn a later day.
        if (state_.iconDateCache != dayText) return;
    }

    const TolerantDayKind kind = ClassifyTolerantly(services_.calendar.Rules(), y, m, d);
    LoadDateIcons(IconColorFolder(services_.calendar.Fonts().Font(kind.font).color), m, d,
                  JuliusDayOfWeek(DateToJulius(y, m, d)));
    TrayImages& tray = services_.tray;

    const AppSettings::Form& form = services_.settings.form;
    const std::string tip = DescribeDay(kTrayTooltipParts, DescribedDayOf({y, m, d}, kind.names),
                                        {.eraFirst = form.japanese, .rokuyo = form.rokuyo});
    tray.SetTrayTip(TrayIconKind::Day, tip);
    tray.SetTrayTip(TrayIconKind::Month, tip);
    tray.SetTrayTip(TrayIconKind::Weekday, tip);

    // While a report was open, a tick may have drawn a later day; this day's
    // notice would come too late.
    if (services_.badLines.Tell(kind.badLines) && state_.iconDateCache != dayText) return;

    const AppSettings::Keikoku keikoku = services_.settings.keikoku;
    if (keikoku.onOff && !suppressed && !TrimBlanks(kind.names).empty()) {
        if (keikoku.soundOn && !TrimBlanks(keikoku.fileName).empty()) TryPlay(keikoku.fileName);
        services_.notice.ShowNotice("本日(" + std::to_string(m) + "/" + std::to_string(d) + ")" +
                                    "のスケジュール ：\r\n" + kind.names);
    }
}

}  // namespace zenka
