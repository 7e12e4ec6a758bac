#include "settings/pages_load_apply.h"

#include <algorithm>

#include "settings/alarm_slots.h"
#include "settings/color_choice.h"
#include "settings/settings_texts.h"
#include "settings/spin_ranges.h"

namespace zenka {
namespace {

constexpr uint32_t kLayeredSystemMajorVersion = 5;
constexpr int32_t kOpaque = 255;

int32_t KidouChoiceOf(const AppSettings::Kidou& kidou) {
    if (kidou.tray) return kKidouTray;
    if (kidou.cal) return kKidouCal;
    if (kidou.w) return kKidouBoth;
    return kKidouTray;
}

}  // namespace

PagesState LoadPagesState(PagesHost& host) {
    const AppSettings& s = host.Settings();
    PagesState state;
    state.alarmTable = s.alarms;

    state.teiki = s.sync.teiki;
    state.oneday = s.sync.oneday;
    state.oki = kOkiSpin.Clamp(s.sync.oki);
    state.syncSoundOn = s.sync.soundOn;
    state.tSoundName = s.sync.tSoundName;
    state.dialOnly = s.sync.dialOnly;
    state.proxy = s.sync.proxy;
    state.proxyUserId = s.sync.proxyUserId;
    state.proxyPassword = s.sync.proxyPassword;
    state.adjustment = s.sync.adjustment;
    state.autoBackup = s.form.autoBackup;
    state.syncStart = s.sync.start;

    state.currentSlot = 1;
    SetAlarmControls(state, ShowAlarmSlot(state.alarmTable[0]));

    state.jihoOn = s.jiho.on;
    state.jihoHalf = s.jiho.half;
    state.jihoFile = s.jiho.file;
    state.jihoFile2 = s.jiho.file2;

    state.lists = host.CalendarDayLists();

    state.wait = kWaitSpin.Clamp(s.form.wait);
    state.deleteRecent = s.form.deleteRecent;
    state.tmpDelete = s.form.tmpDelete;

    for (const ColorGroup& group : ColorGroups()) {
        const int32_t choice = ColorChoiceOf(host.DayFontColor(group.font));
        state.*group.choice = choice != kNoColorChoice ? choice : group.defaultChoice;
    }

    state.kidou = KidouChoiceOf(s.kidou);

    state.hotKey = s.form.hotKey1;
    state.autoEquinox = host.AutoEquinox();

    state.keikokuOn = s.keikoku.onOff;
    state.keikokuSoundOn = s.keikoku.soundOn;
    state.keikokuFile = s.keikoku.fileName;
    state.autoCloseOn = s.autoClose.onOff;
    state.autoCloseSeconds = kAutoCloseSpin.Clamp(s.autoClose.interval / 1000);
    state.rokuyo = s.form.rokuyo;

    state.transparency =
        host.OsMajorVersion() == kLayeredSystemMajorVersion ? std::clamp(kOpaque - s.form.layer, 0, kOpaque) : 0;
    return state;
}

void ApplyPagesState(PagesState& state, PagesHost& host, ApplyFeedback& feedback) {
    AppSettings& s = host.Settings();

    s.sync.teiki = state.teiki;
    s.sync.oneday = state.oneday;
    s.sync.oki = state.oki;
    s.sync.soundOn = state.syncSoundOn;
    s.sync.tSoundName = state.tSoundName;
    s.sync.dialOnly = state.dialOnly;
    s.sync.proxy = state.proxy;
    s.sync.proxyUserId = state.proxyUserId;
    s.sync.proxyPassword = state.proxyPassword;
    s.sync.adjustment = state.adjustment;
    host.ApplySyncSchedule();

    s.form.autoBackup = state.autoBackup;
    s.sync.start = state.syncStart;

    StoreCurrentSlot(state);
    s.alarms = state.alarmTable;

    s.jiho.on = state.jihoOn;
    s.jiho.half = state.jihoHalf;
    s.jiho.file = state.jihoFile;
    s.jiho.file2 = state.jihoFile2;

    host.SetCalendarDayLists(state.lists);

    for (const ColorGroup& group : ColorGroups()) {
        const int32_t choice = state.*group.choice;
        if (choice < 0 || choice >= static_cast<int32_t>(kColorChoices.size())) continue;
        const Color color = kColorChoices[static_cast<size_t>(choice)];
        s.color.*group.setting = color;
        host.SetDayFontColor(group.font, color);
    }

    s.form.wait = state.wait;
    s.form.deleteRecent = state.deleteRecent;
    s.form.tmpDelete = state.tmpDelete;

    if (state.kidou != kKidouNone) {
        s.kidou.tray = state.kidou == kKidouTray;
        s.kidou.cal = state.kidou == kKidouCal;
        s.kidou.w = state.kidou == kKidouBoth;
    }

    if (state.hotKey != s.form.hotKey1) feedback.ShowMessage(kHotKeyNextStartText);
    s.form.hotKey1 = state.hotKey;

    s.koyomiJulius = state.autoEquinox;
    host.SetAutoEquinox(state.autoEquinox);

    s.keikoku.onOff = state.keikokuOn;
    s.keikoku.soundOn = state.keikokuSoundOn;
    s.keikoku.fileName = state.keikokuFile;
    s.autoClose.onOff = state.autoCloseOn;
    s.autoClose.interval = state.autoCloseSeconds * 1000;
    host.SetAutoCloseInterval(s.autoClose.interval);

    host.RedrawDateIconsQuietly();
    feedback.DisableApply();

    s.form.rokuyo = state.rokuyo;

    if (host.OsMajorVersion() == kLayeredSystemMajorVersion) {
        s.form.layer = kOpaque - std::clamp(state.transparency, 0, kOpaque);
        host.SetOpacity(static_cast<uint8_t>(s.form.layer));
    }

    host.SaveDayLists();
    if (s.form.autoBackup) host.BackupDayLists();
    host.SettingsApplied();
}

}  // namespace zenka
