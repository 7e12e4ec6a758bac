#include "settings/pages_load_apply.h"

#include "settings/color_choice.h"
#include "settings/settings_texts.h"

namespace zenka {
namespace {

constexpr uint32_t kLayeredSystemMajorVersion = 5;

}  // namespace

PagesValues LoadPagesValues(PagesHost& host) {
    PagesValues values{host.Settings(), 1, host.OsMajorVersion() == kLayeredSystemMajorVersion};
    for (const ColorGroup& group : ColorGroups()) values.settings.color.*group.setting = host.DayFontColor(group.font);
    values.settings.koyomiJulius = host.AutoEquinox();
    return values;
}

void ApplyPagesValues(const PagesValues& edited, const DayLists& lists, PagesHost& host, ApplyFeedback& feedback) {
    AppSettings& s = host.Settings();
    const bool hotKeyChanged = edited.settings.form.hotKey1 != s.form.hotKey1;
    PagesValues applied{s, edited.alarmSlot, edited.transparencyAllowed};
    applied.settings.alarms = edited.settings.alarms;
    applied.settings.koyomiJulius = edited.settings.koyomiJulius;
    CopyBoundSettings(edited, applied);
    s = applied.settings;

    host.ApplySyncSchedule();
    host.SetCalendarDayLists(lists);
    for (const ColorGroup& group : ColorGroups()) host.SetDayFontColor(group.font, s.color.*group.setting);
    // The registered key itself stays until the next start.
    if (hotKeyChanged) feedback.ShowMessage(kHotKeyNextStartText);
    host.SetAutoEquinox(s.koyomiJulius);
    host.SetAutoCloseInterval(s.autoClose.interval);
    host.RedrawDateIconsQuietly();
    feedback.DisableApply();
    if (edited.transparencyAllowed) host.SetOpacity(static_cast<uint8_t>(s.form.layer));
    host.SaveDayLists();
    if (s.form.autoBackup) host.BackupDayLists();
    host.SettingsApplied();
}

}  // namespace zenka
