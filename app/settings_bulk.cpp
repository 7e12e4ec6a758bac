#include "app/settings_bulk.h"

#include "common/app_title.h"
#include "timesync/sync_schedule.h"

#include <algorithm>

namespace zenka {
namespace {

std::string PosSection(std::string_view tag) { return std::string(setting::kPosSectionPrefix) + std::string(tag); }

}  // namespace

std::string ResolutionTag(int32_t width, int32_t height) {
    return std::to_string(width) + "\u00D7" + std::to_string(height);
}

void LoadAllSettings(SettingsStore& store, std::string_view resolutionTag, AppSettings& s, DayLists& lists) {
    const AppSettings d;  // the defaults
    s.form.layer = std::clamp(store.ReadInteger(setting::kFormLayer, d.form.layer), 0, 255);
    s.pos = LoadWindowPosition(store, resolutionTag);
    s.koyomiJulius = store.ReadBool(setting::kKoyomiJulius, d.koyomiJulius);
    s.form.style = store.ReadBool(setting::kFormStyle, d.form.style);

    s.jiho.on = store.ReadBool(setting::kJihoOn, d.jiho.on);
    s.jiho.half = store.ReadBool(setting::kJihoHalf, d.jiho.half);
    s.jiho.full = store.ReadString(setting::kJihoFull, d.jiho.full);
    s.jiho.file = store.ReadString(setting::kJihoFile, d.jiho.file);
    s.jiho.file2 = store.ReadString(setting::kJihoFile2, d.jiho.file2);

    s.keikoku.onOff = store.ReadBool(setting::kKeikokuOnOff, d.keikoku.onOff);
    s.keikoku.soundOn = store.ReadBool(setting::kKeikokuSoundOn, d.keikoku.soundOn);
    s.keikoku.fileName = store.ReadString(setting::kKeikokuFileName, d.keikoku.fileName);

    s.autoClose.onOff = store.ReadBool(setting::kAutoCloseOnOff, d.autoClose.onOff);
    s.autoClose.interval = store.ReadInteger(setting::kAutoCloseInterval, d.autoClose.interval);

    for (size_t n = 0; n < s.alarms.size(); ++n) {
        AlarmSlot& slot = s.alarms[n];
        const AlarmSlot& def = d.alarms[n];
        slot.onOff = store.ReadString(setting::kAlarmSection, setting::AlarmValue(setting::kAlarmOnOff, n), def.onOff);
        slot.mai = store.ReadString(setting::kAlarmSection, setting::AlarmValue(setting::kAlarmMai, n), def.mai);
        slot.h = store.ReadString(setting::kAlarmSection, setting::AlarmValue(setting::kAlarmHour, n), def.h);
        slot.m = store.ReadString(setting::kAlarmSection, setting::AlarmValue(setting::kAlarmMinute, n), def.m);
        slot.sou = store.ReadString(setting::kAlarmSection, setting::AlarmValue(setting::kAlarmSound, n), def.sou);
        slot.mes = store.ReadString(setting::kAlarmSection, setting::AlarmValue(setting::kAlarmMessage, n), def.mes);
    }

    s.sync.teiki = store.ReadBool(setting::kSyncTeiki, d.sync.teiki);
    s.sync.oneday = store.ReadBool(setting::kSyncOneday, d.sync.oneday);
    s.sync.oki = ClampSyncInterval(store.ReadInteger(setting::kSyncOki, d.sync.oki));
    s.sync.syncDay = store.ReadString(setting::kSyncSyncDay, d.sync.syncDay);
    s.sync.soundOn = store.ReadBool(setting::kSyncSoundOn, d.sync.soundOn);
    s.sync.tSoundName = store.ReadString(setting::kSyncTSoundName, d.sync.tSoundName);
    s.sync.dialOnly = store.ReadBool(setting::kSyncDialOnly, d.sync.dialOnly);
    s.sync.proxy = store.ReadString(setting::kSyncProxy, d.sync.proxy);
    s.sync.proxyUserId = store.ReadString(setting::kSyncProxyUserId, d.sync.proxyUserId);
    s.sync.proxyPassword = store.ReadString(setting::kSyncProxyPassword, d.sync.proxyPassword);
    s.sync.adjustment = store.ReadInteger(setting::kSyncAdjustment, d.sync.adjustment);
    s.sync.server = store.ReadString(setting::kSyncServer, d.sync.server);
    s.sync.start = store.ReadBool(setting::kSyncStart, d.sync.start);

    s.form.autoBackup = store.ReadBool(setting::kFormAutoBackup, d.form.autoBackup);
    s.form.deleteRecent = store.ReadBool(setting::kFormDelete, d.form.deleteRecent);
    s.form.tmpDelete = store.ReadBool(setting::kFormTmpDelete, d.form.tmpDelete);

    s.color.weekday = store.ReadColor(setting::kColorWeekday, d.color.weekday);
    s.color.saturday = store.ReadColor(setting::kColorSaturday, d.color.saturday);
    s.color.sunday = store.ReadColor(setting::kColorSunday, d.color.sunday);
    s.color.holiday = store.ReadColor(setting::kColorHoliday, d.color.holiday);
    s.color.specialday = store.ReadColor(setting::kColorSpecialday, d.color.specialday);
    s.color.yoteiday = store.ReadColor(setting::kColorYoteiday, d.color.yoteiday);

    s.form.firstDayOfWeek = store.ReadBool(setting::kFormFirstDayOfWeek, d.form.firstDayOfWeek);
    s.form.neighbor = store.ReadBool(setting::kFormNeighbor, d.form.neighbor);
    s.form.line = store.ReadBool(setting::kFormLine, d.form.line);
    s.form.japanese = store.ReadBool(setting::kFormJapanese, d.form.japanese);
    s.form.w = store.ReadBool(setting::kFormW, d.form.w);
    s.form.big = store.ReadBool(setting::kFormBig, d.form.big);

    s.imageHint = store.ReadString(setting::kImageHint, d.imageHint);
    s.form.rokuyo = store.ReadBool(setting::kFormRokuyo, d.form.rokuyo);
    s.form.hotKey1 = store.ReadShortcut(setting::kFormHotKey1, d.form.hotKey1);

    lists = LoadDayLists(store.Keys());
}

void LoadStartupDisplay(SettingsStore& store, AppSettings& s) {
    const AppSettings d;
    s.kidou.tray = store.ReadBool(setting::kKidouTray, d.kidou.tray);
    s.kidou.cal = store.ReadBool(setting::kKidouCal, d.kidou.cal);
    s.kidou.w = store.ReadBool(setting::kKidouW, d.kidou.w);
}

void LoadStartupWait(SettingsStore& store, AppSettings& s) {
    s.form.wait = std::clamp(store.ReadInteger(setting::kFormWait, AppSettings().form.wait), 0, 60);
}

void LoadTrayChecks(SettingsStore& store, AppSettings& s) {
    const AppSettings d;
    s.icon.tsuki = store.ReadBool(setting::kIconTsuki, d.icon.tsuki);
    s.icon.youbi = store.ReadBool(setting::kIconYoubi, d.icon.youbi);
    s.icon.loaded = true;
}

void SaveAllSettings(SettingsStore& store, std::string_view resolutionTag, const AppSettings& s,
                     const DayLists& lists) {
    store.WriteInteger(setting::kFormLayer, s.form.layer);
    SaveWindowPosition(store, resolutionTag, s.pos);
    store.WriteBool(setting::kKoyomiJulius, s.koyomiJulius);
    store.WriteString(setting::kFormName3, kApplicationTitle);
    store.WriteBool(setting::kFormStyle, s.form.style);

    AppSettings::Icon icon = s.icon;
    if (!icon.loaded) {
        // Written back as stored, so the first run also leaves every value.
        AppSettings stored;
        LoadTrayChecks(store, stored);
        icon = stored.icon;
    }
    store.WriteBool(setting::kIconTsuki, icon.tsuki);
    store.WriteBool(setting::kIconYoubi, icon.youbi);

    store.WriteBool(setting::kJihoOn, s.jiho.on);
    store.WriteBool(setting::kJihoHalf, s.jiho.half);
    store.WriteString(setting::kJihoFull, s.jiho.full);
    store.WriteString(setting::kJihoFile, s.jiho.file);
    store.WriteString(setting::kJihoFile2, s.jiho.file2);
    store.WriteString(setting::kImageHint, s.imageHint);
    store.WriteBool(setting::kFormRokuyo, s.form.rokuyo);

    store.WriteBool(setting::kKeikokuOnOff, s.keikoku.onOff);
    store.WriteBool(setting::kKeikokuSoundOn, s.keikoku.soundOn);
    store.WriteString(setting::kKeikokuFileName, s.keikoku.fileName);

    store.WriteBool(setting::kAutoCloseOnOff, s.autoClose.onOff);
    store.WriteInteger(setting::kAutoCloseInterval, s.autoClose.interval);

    for (size_t n = 0; n < s.alarms.size(); ++n) {
        const AlarmSlot& slot = s.alarms[n];
        store.WriteString(setting::kAlarmSection, setting::AlarmValue(setting::kAlarmOnOff, n), slot.onOff);
        store.WriteString(setting::kAlarmSection, setting::AlarmValue(setting::kAlarmMai, n), slot.mai);
        store.WriteString(setting::kAlarmSection, setting::AlarmValue(setting::kAlarmHour, n), slot.h);
        store.WriteString(setting::kAlarmSection, setting::AlarmValue(setting::kAlarmMinute, n), slot.m);
        store.WriteString(setting::kAlarmSection, setting::AlarmValue(setting::kAlarmSound, n), slot.sou);
        store.WriteString(setting::kAlarmSection, setting::AlarmValue(setting::kAlarmMessage, n), slot.mes);
    }

    store.WriteBool(setting::kSyncTeiki, s.sync.teiki);
    store.WriteBool(setting::kSyncOneday, s.sync.oneday);
    store.WriteInteger(setting::kSyncOki, s.sync.oki);
    store.WriteBool(setting::kSyncSoundOn, s.sync.soundOn);
    store.WriteString(setting::kSyncTSoundName, s.sync.tSoundName);
    store.WriteBool(setting::kSyncDialOnly, s.sync.dialOnly);
    store.WriteString(setting::kSyncProxy, s.sync.proxy);
    store.WriteString(setting::kSyncProxyUserId, s.sync.proxyUserId);
    store.WriteString(setting::kSyncProxyPassword, s.sync.proxyPassword);
    store.WriteInteger(setting::kSyncAdjustment, s.sync.adjustment);
    store.WriteString(setting::kSyncServer, s.sync.server);
    store.WriteBool(setting::kSyncStart, s.sync.start);

    store.WriteBool(setting::kFormAutoBackup, s.form.autoBackup);
    store.WriteInteger(setting::kFormWait, s.form.wait);
    store.WriteBool(setting::kFormDelete, s.form.deleteRecent);
    store.WriteBool(setting::kFormTmpDelete, s.form.tmpDelete);

    store.WriteColor(setting::kColorWeekday, s.color.weekday);
    store.WriteColor(setting::kColorSaturday, s.color.saturday);
    store.WriteColor(setting::kColorSunday, s.color.sunday);
    store.WriteColor(setting::kColorHoliday, s.color.holiday);
    store.WriteColor(setting::kColorSpecialday, s.color.specialday);
    store.WriteColor(setting::kColorYoteiday, s.color.yoteiday);

    store.WriteBool(setting::kFormFirstDayOfWeek, s.form.firstDayOfWeek);
    store.WriteBool(setting::kFormNeighbor, s.form.neighbor);
    store.WriteBool(setting::kFormLine, s.form.line);
    store.WriteBool(setting::kFormJapanese, s.form.japanese);
    store.WriteBool(setting::kFormW, s.form.w);
    store.WriteBool(setting::kFormBig, s.form.big);
    store.WriteShortcut(setting::kFormHotKey1, s.form.hotKey1);

    store.WriteBool(setting::kKidouTray, s.kidou.tray);
    store.WriteBool(setting::kKidouCal, s.kidou.cal);
    store.WriteBool(setting::kKidouW, s.kidou.w);

    SaveDayLists(store.Keys(), lists);
}

WindowPosition LoadWindowPosition(SettingsStore& store, std::string_view resolutionTag) {
    const std::string section = PosSection(resolutionTag);
    return {store.ReadInteger(section, setting::kPosLeft, 0), store.ReadInteger(section, setting::kPosTop, 0)};
}

void SaveWindowPosition(SettingsStore& store, std::string_view resolutionTag, const WindowPosition& position) {
    const std::string section = PosSection(resolutionTag);
    store.WriteInteger(section, setting::kPosLeft, position.left);
    store.WriteInteger(section, setting::kPosTop, position.top);
}

void SaveSyncDay(SettingsStore& store, std::string_view syncDay) { store.WriteString(setting::kSyncSyncDay, syncDay); }

MemoBounds LoadMemoBounds(SettingsStore& store, int32_t screenWidth, int32_t screenHeight) {
    MemoBounds bounds;
    bounds.width = store.ReadInteger(setting::kMemoWidth, bounds.width);
    bounds.height = store.ReadInteger(setting::kMemoHeight, bounds.height);
    bounds.left = store.ReadInteger(setting::kMemoLeft, screenWidth / 2 - bounds.width / 2);
    bounds.top = store.ReadInteger(setting::kMemoTop, screenHeight / 2 - bounds.height / 2);
    return bounds;
}

void SaveMemoBounds(SettingsStore& store, const MemoBounds& bounds) {
    store.WriteInteger(setting::kMemoLeft, bounds.left);
    store.WriteInteger(setting::kMemoTop, bounds.top);
    store.WriteInteger(setting::kMemoWidth, bounds.width);
    store.WriteInteger(setting::kMemoHeight, bounds.height);
}

}  // namespace zenka
