#include "app/settings_bulk.h"

#include "app/app_title.h"

#include <algorithm>

namespace zenka {
namespace {

// Sections.
constexpr std::string_view kForm = "Form";
constexpr std::string_view kKoyomi = "Koyomi";
constexpr std::string_view kIcon = "Icon";
constexpr std::string_view kJiho = "Jiho";
constexpr std::string_view kImage = "Image";
constexpr std::string_view kKeikoku = "Keikoku";
constexpr std::string_view kAutoClose = "AutoClose";
constexpr std::string_view kAlarm = "Alarm";
constexpr std::string_view kSync = "Sync";
constexpr std::string_view kColor = "Color";
constexpr std::string_view kKidou = "Kidou";
constexpr std::string_view kMemo = "Memo";

// The main window's caption, stored for older versions that showed it.

std::string PosSection(std::string_view tag) { return "Pos" + std::string(tag); }

std::string Numbered(std::string_view name, size_t slot) { return std::string(name) + std::to_string(slot); }

}  // namespace

std::string ResolutionTag(int32_t width, int32_t height) {
    return std::to_string(width) + "\u00D7" + std::to_string(height);
}

void LoadAllSettings(SettingsStore& store, std::string_view resolutionTag, AppSettings& s, DayLists& lists) {
    const AppSettings d;  // the defaults
    s.form.layer = std::clamp(store.ReadInteger(kForm, "Layer", d.form.layer), 0, 255);
    s.pos = LoadWindowPosition(store, resolutionTag);
    s.koyomiJulius = store.ReadBool(kKoyomi, "Julius", d.koyomiJulius);
    s.form.style = store.ReadBool(kForm, "Style", d.form.style);

    s.jiho.on = store.ReadBool(kJiho, "On", d.jiho.on);
    s.jiho.half = store.ReadBool(kJiho, "Half", d.jiho.half);
    s.jiho.full = store.ReadBool(kJiho, "Full", d.jiho.full);
    s.jiho.file = store.ReadString(kJiho, "File", d.jiho.file);
    s.jiho.file2 = store.ReadString(kJiho, "File2", d.jiho.file2);

    s.keikoku.onOff = store.ReadBool(kKeikoku, "OnOff", d.keikoku.onOff);
    s.keikoku.soundOn = store.ReadBool(kKeikoku, "SoundOn", d.keikoku.soundOn);
    s.keikoku.fileName = store.ReadString(kKeikoku, "FlieName", d.keikoku.fileName);

    s.autoClose.onOff = store.ReadBool(kAutoClose, "OnOff", d.autoClose.onOff);
    s.autoClose.interval = store.ReadInteger(kAutoClose, "Interval", d.autoClose.interval);

    for (size_t n = 0; n < s.alarms.size(); ++n) {
        AlarmSlot& slot = s.alarms[n];
        const AlarmSlot& def = d.alarms[n];
        slot.onOff = store.ReadString(kAlarm, Numbered("OnOff", n), def.onOff);
        slot.mai = store.ReadString(kAlarm, Numbered("mai", n), def.mai);
        slot.h = store.ReadString(kAlarm, Numbered("h", n), def.h);
        slot.m = store.ReadString(kAlarm, Numbered("m", n), def.m);
        slot.sou = store.ReadString(kAlarm, Numbered("sou", n), def.sou);
        slot.mes = store.ReadString(kAlarm, Numbered("mes", n), def.mes);
    }

    s.sync.teiki = store.ReadBool(kSync, "Teiki", d.sync.teiki);
    s.sync.oneday = store.ReadBool(kSync, "Oneday", d.sync.oneday);
    s.sync.oki = store.ReadInteger(kSync, "Oki", d.sync.oki);
    s.sync.syncDay = store.ReadString(kSync, "SyncDay", d.sync.syncDay);
    s.sync.soundOn = store.ReadBool(kSync, "SoundOn", d.sync.soundOn);
    s.sync.tSoundName = store.ReadString(kSync, "TSoundName", d.sync.tSoundName);
    s.sync.dialOnly = store.ReadBool(kSync, "DialOnly", d.sync.dialOnly);
    s.sync.proxy = store.ReadString(kSync, "Proxy", d.sync.proxy);
    s.sync.proxyUserId = store.ReadString(kSync, "ProxyUserID", d.sync.proxyUserId);
    s.sync.proxyPassword = store.ReadString(kSync, "ProxyPassword", d.sync.proxyPassword);
    s.sync.adjustment = store.ReadInteger(kSync, "Adjustment", d.sync.adjustment);
    s.sync.server = store.ReadString(kSync, "Server", d.sync.server);
    s.sync.start = store.ReadBool(kSync, "Start", d.sync.start);

    s.form.autoBackup = store.ReadBool(kForm, "AutoBackup", d.form.autoBackup);
    s.form.deleteRecent = store.ReadBool(kForm, "Delete", d.form.deleteRecent);
    s.form.tmpDelete = store.ReadBool(kForm, "TmpDelete", d.form.tmpDelete);

    s.color.weekday = store.ReadColor(kColor, "Weekday", d.color.weekday);
    s.color.saturday = store.ReadColor(kColor, "Saturday", d.color.saturday);
    s.color.sunday = store.ReadColor(kColor, "Sunday", d.color.sunday);
    s.color.holiday = store.ReadColor(kColor, "Holiday", d.color.holiday);
    s.color.specialday = store.ReadColor(kColor, "Specialday", d.color.specialday);
    s.color.yoteiday = store.ReadColor(kColor, "Yoteiday", d.color.yoteiday);

    s.form.firstDayOfWeek = store.ReadBool(kForm, "FirstDayOfWeek", d.form.firstDayOfWeek);
    s.form.neighbor = store.ReadBool(kForm, "Neighbor", d.form.neighbor);
    s.form.line = store.ReadBool(kForm, "Line", d.form.line);
    s.form.japanese = store.ReadBool(kForm, "Japanese", d.form.japanese);
    s.form.w = store.ReadBool(kForm, "W", d.form.w);
    s.form.big = store.ReadBool(kForm, "Big", d.form.big);

    s.imageHint = store.ReadString(kImage, "Hint", d.imageHint);
    s.form.rokuyo = store.ReadBool(kForm, "Rokuyo", d.form.rokuyo);
    s.form.hotKey1 = store.ReadShortcut(kForm, "HotKey1", d.form.hotKey1);

    lists = LoadDayLists(store.Keys());
}

void LoadStartupDisplay(SettingsStore& store, AppSettings& s) {
    const AppSettings d;
    s.kidou.tray = store.ReadBool(kKidou, "Tray", d.kidou.tray);
    s.kidou.cal = store.ReadBool(kKidou, "Cal", d.kidou.cal);
    s.kidou.w = store.ReadBool(kKidou, "W", d.kidou.w);
}

void LoadStartupWait(SettingsStore& store, AppSettings& s) {
    s.form.wait = std::clamp(store.ReadInteger(kForm, "Wait", AppSettings().form.wait), 0, 60);
}

void LoadTrayChecks(SettingsStore& store, AppSettings& s) {
    const AppSettings d;
    s.icon.tsuki = store.ReadBool(kIcon, "Tsuki", d.icon.tsuki);
    s.icon.youbi = store.ReadBool(kIcon, "Youbi", d.icon.youbi);
    s.icon.loaded = true;
}

void SaveAllSettings(SettingsStore& store, std::string_view resolutionTag, const AppSettings& s,
                     const DayLists& lists) {
    store.WriteInteger(kForm, "Layer", s.form.layer);
    SaveWindowPosition(store, resolutionTag, s.pos);
    store.WriteBool(kKoyomi, "Julius", s.koyomiJulius);
    store.WriteString(kForm, "Name3", kApplicationTitle);
    store.WriteBool(kForm, "Style", s.form.style);

    AppSettings::Icon icon = s.icon;
    if (!icon.loaded) {
        // Written back as stored, so the first run also leaves every value.
        AppSettings stored;
        LoadTrayChecks(store, stored);
        icon = stored.icon;
    }
    store.WriteBool(kIcon, "Tsuki", icon.tsuki);
    store.WriteBool(kIcon, "Youbi", icon.youbi);

    store.WriteBool(kJiho, "On", s.jiho.on);
    store.WriteBool(kJiho, "Half", s.jiho.half);
    store.WriteBool(kJiho, "Full", s.jiho.full);
    store.WriteString(kJiho, "File", s.jiho.file);
    store.WriteString(kJiho, "File2", s.jiho.file2);
    store.WriteString(kImage, "Hint", s.imageHint);
    store.WriteBool(kForm, "Rokuyo", s.form.rokuyo);

    store.WriteBool(kKeikoku, "OnOff", s.keikoku.onOff);
    store.WriteBool(kKeikoku, "SoundOn", s.keikoku.soundOn);
    store.WriteString(kKeikoku, "FlieName", s.keikoku.fileName);

    store.WriteBool(kAutoClose, "OnOff", s.autoClose.onOff);
    store.WriteInteger(kAutoClose, "Interval", s.autoClose.interval);

    for (size_t n = 0; n < s.alarms.size(); ++n) {
        const AlarmSlot& slot = s.alarms[n];
        store.WriteString(kAlarm, Numbered("OnOff", n), slot.onOff);
        store.WriteString(kAlarm, Numbered("mai", n), slot.mai);
        store.WriteString(kAlarm, Numbered("h", n), slot.h);
        store.WriteString(kAlarm, Numbered("m", n), slot.m);
        store.WriteString(kAlarm, Numbered("sou", n), slot.sou);
        store.WriteString(kAlarm, Numbered("mes", n), slot.mes);
    }

    store.WriteBool(kSync, "Teiki", s.sync.teiki);
    store.WriteBool(kSync, "Oneday", s.sync.oneday);
    store.WriteInteger(kSync, "Oki", s.sync.oki);
    store.WriteBool(kSync, "SoundOn", s.sync.soundOn);
    store.WriteString(kSync, "TSoundName", s.sync.tSoundName);
    store.WriteBool(kSync, "DialOnly", s.sync.dialOnly);
    store.WriteString(kSync, "Proxy", s.sync.proxy);
    store.WriteString(kSync, "ProxyUserID", s.sync.proxyUserId);
    store.WriteString(kSync, "ProxyPassword", s.sync.proxyPassword);
    store.WriteInteger(kSync, "Adjustment", s.sync.adjustment);
    store.WriteString(kSync, "Server", s.sync.server);
    store.WriteBool(kSync, "Start", s.sync.start);

    store.WriteBool(kForm, "AutoBackup", s.form.autoBackup);
    store.WriteInteger(kForm, "Wait", s.form.wait);
    store.WriteBool(kForm, "Delete", s.form.deleteRecent);
    store.WriteBool(kForm, "TmpDelete", s.form.tmpDelete);

    store.WriteColor(kColor, "Weekday", s.color.weekday);
    store.WriteColor(kColor, "Saturday", s.color.saturday);
    store.WriteColor(kColor, "Sunday", s.color.sunday);
    store.WriteColor(kColor, "Holiday", s.color.holiday);
    store.WriteColor(kColor, "Specialday", s.color.specialday);
    store.WriteColor(kColor, "Yoteiday", s.color.yoteiday);

    store.WriteBool(kForm, "FirstDayOfWeek", s.form.firstDayOfWeek);
    store.WriteBool(kForm, "Neighbor", s.form.neighbor);
    store.WriteBool(kForm, "Line", s.form.line);
    store.WriteBool(kForm, "Japanese", s.form.japanese);
    store.WriteBool(kForm, "W", s.form.w);
    store.WriteBool(kForm, "Big", s.form.big);
    store.WriteShortcut(kForm, "HotKey1", s.form.hotKey1);

    store.WriteBool(kKidou, "Tray", s.kidou.tray);
    store.WriteBool(kKidou, "Cal", s.kidou.cal);
    store.WriteBool(kKidou, "W", s.kidou.w);

    SaveDayLists(store.Keys(), lists);
}

WindowPosition LoadWindowPosition(SettingsStore& store, std::string_view resolutionTag) {
    const std::string section = PosSection(resolutionTag);
    return {store.ReadInteger(section, "Left", 0), store.ReadInteger(section, "Top", 0)};
}

void SaveWindowPosition(SettingsStore& store, std::string_view resolutionTag, const WindowPosition& position) {
    const std::string section = PosSection(resolutionTag);
    store.WriteInteger(section, "Left", position.left);
    store.WriteInteger(section, "Top", position.top);
}

void SaveSyncDay(SettingsStore& store, std::string_view syncDay) { store.WriteString(kSync, "SyncDay", syncDay); }

MemoBounds LoadMemoBounds(SettingsStore& store, int32_t screenWidth, int32_t screenHeight) {
    MemoBounds bounds;
    bounds.width = store.ReadInteger(kMemo, "Width", bounds.width);
    bounds.height = store.ReadInteger(kMemo, "Height", bounds.height);
    bounds.left = store.ReadInteger(kMemo, "Left", screenWidth / 2 - bounds.width / 2);
    bounds.top = store.ReadInteger(kMemo, "Top", screenHeight / 2 - bounds.height / 2);
    return bounds;
}

void SaveMemoBounds(SettingsStore& store, const MemoBounds& bounds) {
    store.WriteInteger(kMemo, "Left", bounds.left);
    store.WriteInteger(kMemo, "Top", bounds.top);
    store.WriteInteger(kMemo, "Width", bounds.width);
    store.WriteInteger(kMemo, "Height", bounds.height);
}

}  // namespace zenka
