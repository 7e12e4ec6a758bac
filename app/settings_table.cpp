#include "app/settings_table.h"

#include "common/app_title.h"
#include "timesync/sync_schedule.h"

namespace zenka {
namespace {

constexpr std::string_view kAlarmSection = "Alarm";

using enum ReadAt;

// The spellings are those every version wrote ("FlieName" included) and
// must not change.
std::vector<SettingRow> Rows() {
    return {
        {"Form", "Layer", ZENKA_SETTING(form.layer), kStart, {0, 255}},
        {kPosSection, "Left", ZENKA_SETTING(pos.left)},
        {kPosSection, "Top", ZENKA_SETTING(pos.top)},
        {"Koyomi", "Julius", ZENKA_SETTING(koyomiJulius)},
        {kTitleSection, std::string(kTitleName), FixedText{kApplicationTitle}, kNever},
        {"Form", "Style", ZENKA_SETTING(form.style)},
        {"Icon", "Tsuki", ZENKA_SETTING(icon.tsuki), kTrayIconsPlaced},
        {"Icon", "Youbi", ZENKA_SETTING(icon.youbi), kTrayIconsPlaced},
        {"Jiho", "On", ZENKA_SETTING(jiho.on)},
        {"Jiho", "Half", ZENKA_SETTING(jiho.half)},
        {"Jiho", "Full", ZENKA_SETTING(jiho.full)},
        {"Jiho", "File", ZENKA_SETTING(jiho.file)},
        {"Jiho", "File2", ZENKA_SETTING(jiho.file2)},
        {"Image", "Hint", ZENKA_SETTING(imageHint), kStartLast},
        {"Form", "Rokuyo", ZENKA_SETTING(form.rokuyo), kStartLast},
        {"Keikoku", "OnOff", ZENKA_SETTING(keikoku.onOff)},
        {"Keikoku", "SoundOn", ZENKA_SETTING(keikoku.soundOn)},
        {"Keikoku", "FlieName", ZENKA_SETTING(keikoku.fileName)},
        {"AutoClose", "OnOff", ZENKA_SETTING(autoClose.onOff)},
        {"AutoClose", "Interval", ZENKA_SETTING(autoClose.interval)},
        // The alarm table: these rows for each slot in turn.
        {kAlarmSection, "OnOff", ZENKA_ALARM_SETTING(onOff)},
        {kAlarmSection, "mai", ZENKA_ALARM_SETTING(mai)},
        {kAlarmSection, "h", ZENKA_ALARM_SETTING(h)},
        {kAlarmSection, "m", ZENKA_ALARM_SETTING(m)},
        {kAlarmSection, "sou", ZENKA_ALARM_SETTING(sou)},
        {kAlarmSection, "mes", ZENKA_ALARM_SETTING(mes)},
        {"Sync", "Teiki", ZENKA_SETTING(sync.teiki)},
        {"Sync", "Oneday", ZENKA_SETTING(sync.oneday)},
        {"Sync", "Oki", ZENKA_SETTING(sync.oki), kStart, {kMinSyncInterval, kMaxSyncInterval}},
        {"Sync", "SyncDay", ZENKA_SETTING(sync.syncDay), kStart, {}, WriteAt::kSyncAttempt},
        {"Sync", "SoundOn", ZENKA_SETTING(sync.soundOn)},
        {"Sync", "TSoundName", ZENKA_SETTING(sync.tSoundName)},
        {"Sync", "DialOnly", ZENKA_SETTING(sync.dialOnly)},
        {"Sync", "Proxy", ZENKA_SETTING(sync.proxy)},
        {"Sync", "ProxyUserID", ZENKA_SETTING(sync.proxyUserId)},
        {"Sync", "ProxyPassword", ZENKA_SETTING(sync.proxyPassword)},
        {"Sync", "Adjustment", ZENKA_SETTING(sync.adjustment)},
        {"Sync", "Server", ZENKA_SETTING(sync.server)},
        {"Sync", "Server2", ZENKA_SETTING(sync.moreServers[0])},
        {"Sync", "Server3", ZENKA_SETTING(sync.moreServers[1])},
        {"Sync", "Server4", ZENKA_SETTING(sync.moreServers[2])},
        {"Sync", "Server5", ZENKA_SETTING(sync.moreServers[3])},
        {"Sync", "Start", ZENKA_SETTING(sync.start)},
        {"Form", "AutoBackup", ZENKA_SETTING(form.autoBackup)},
        {"Form", "Wait", ZENKA_SETTING(form.wait), kStartupWait, {0, 60}},
        {"Form", "Delete", ZENKA_SETTING(form.deleteRecent)},
        {"Form", "TmpDelete", ZENKA_SETTING(form.tmpDelete)},
        {"Color", "Weekday", ZENKA_SETTING(color.weekday)},
        {"Color", "Saturday", ZENKA_SETTING(color.saturday)},
        {"Color", "Sunday", ZENKA_SETTING(color.sunday)},
        {"Color", "Holiday", ZENKA_SETTING(color.holiday)},
        {"Color", "Specialday", ZENKA_SETTING(color.specialday)},
        {"Color", "Yoteiday", ZENKA_SETTING(color.yoteiday)},
        {"Form", "FirstDayOfWeek", ZENKA_SETTING(form.firstDayOfWeek)},
        {"Form", "Neighbor", ZENKA_SETTING(form.neighbor)},
        {"Form", "Line", ZENKA_SETTING(form.line)},
        {"Form", "Japanese", ZENKA_SETTING(form.japanese)},
        {"Form", "W", ZENKA_SETTING(form.w)},
        {"Form", "Big", ZENKA_SETTING(form.big)},
        {"Form", "HotKey1", ZENKA_SETTING(form.hotKey1), kStartLast},
        {"Kidou", "Tray", ZENKA_SETTING(kidou.tray), kStartupDisplay},
        {"Kidou", "Cal", ZENKA_SETTING(kidou.cal), kStartupDisplay},
        {"Kidou", "W", ZENKA_SETTING(kidou.w), kStartupDisplay},
    };
}

// The alarm table's rows, where they stand, once for every slot.
std::vector<SettingRow> WithEveryAlarmSlot(const std::vector<SettingRow>& rows) {
    std::vector<SettingRow> table;
    for (auto row = rows.begin(); row != rows.end();) {
        auto end = row;
        while (end != rows.end() && end->section == kAlarmSection) ++end;
        if (end == row) {
            table.push_back(*row++);
            continue;
        }
        for (size_t slot = 0; slot < AppSettings().alarms.size(); ++slot) {
            for (auto alarm = row; alarm != end; ++alarm) {
                SettingRow& added = table.emplace_back(*alarm);
                added.name += std::to_string(slot);
                added.alarmSlot = slot;
            }
        }
        row = end;
    }
    return table;
}

}  // namespace

const std::vector<SettingRow>& SettingsTable() {
    static const std::vector<SettingRow> table = WithEveryAlarmSlot(Rows());
    return table;
}

std::string SectionOf(const SettingRow& row, std::string_view resolutionTag) {
    std::string section(row.section);
    if (row.section == kPosSection) section += resolutionTag;
    return section;
}

}  // namespace zenka
