#include "settings/pages_binding.h"

#include <algorithm>

#include "settings/color_choice.h"
#include "settings/settings_ids.h"
#include "settings/spin_ranges.h"
#include "timesync/time_servers.h"

namespace zenka {
namespace {

constexpr int32_t kOpaque = 255;

ControlBinding Check(PagesTab tab, int control, Bound<bool> setting, bool marksChange = true) {
    return {tab, control, BoundKind::Check, setting, nullptr, 0, 0, marksChange};
}
ControlBinding Check(PagesTab tab, int control, SettingField<bool> member, bool marksChange = true) {
    return Check(tab, control, Bound<bool>{member}, marksChange);
}
ControlBinding Text(PagesTab tab, int control, SettingField<std::string> member) {
    return {tab, control, BoundKind::Text, Bound<std::string>{member}};
}
ControlBinding Spin(PagesTab tab, int control, int upDown, Bound<int32_t> setting, const SpinRange& range) {
    return {tab, control, BoundKind::Spin, setting, &range, upDown};
}
ControlBinding Spin(PagesTab tab, int control, int upDown, SettingField<int32_t> member, const SpinRange& range) {
    return Spin(tab, control, upDown, Bound<int32_t>{member}, range);
}
ControlBinding Radio(PagesTab tab, int first, int count, Bound<int32_t> setting) {
    return {tab, first, BoundKind::Radio, setting, nullptr, 0, count};
}

// An alarm's box: checked when its text is exactly "1"; stored as "1" or "0".
template <std::string AlarmSlot::*text>
ControlBinding AlarmBox(int control) {
    return Check(kTabAlarm, control,
                 {nullptr, [](const PagesValues& v) { return v.ShownAlarm().*text == "1"; },
                  [](PagesValues& v, const bool& on) { v.ShownAlarm().*text = on ? "1" : "0"; }});
}

// An alarm's hour or minute: text that is no number shows the field's
// minimum; stored in decimal.
template <std::string AlarmSlot::*text, const SpinRange& range>
ControlBinding AlarmNumber(int control, int upDown) {
    return Spin(kTabAlarm, control, upDown,
                {nullptr, [](const PagesValues& v) { return SpinValue(v.ShownAlarm().*text, range); },
                 [](PagesValues& v, const int32_t& number) { v.ShownAlarm().*text = std::to_string(number); }},
                range);
}

// Whole seconds in the field, milliseconds in the settings.
const Bound<int32_t> kAutoCloseSeconds{
    nullptr, [](const PagesValues& v) { return kAutoCloseSpin.Clamp(v.settings.autoClose.interval / 1000); },
    [](PagesValues& v, const int32_t& seconds) { v.settings.autoClose.interval = seconds * 1000; }};

// A group of colour buttons (the group of ColorGroups()): the first button
// of the colour, or of the group's default colour when no button has it.
// With no button checked the colour stays.
template <size_t group>
ControlBinding ColorButtons() {
    constexpr int count = static_cast<int>(kColorChoices.size());
    return Radio(kTabColor, IDC_COLOR_FIRST + count * static_cast<int>(group), count,
                 {nullptr,
                  [](const PagesValues& v) {
                      const auto color = ColorGroups()[group].setting;
                      const int32_t choice = ColorChoiceOf(v.settings.color.*color);
                      return choice != kNoColorChoice ? choice : ColorChoiceOf(AppSettings().color.*color);
                  },
                  [](PagesValues& v, const int32_t& choice) {
                      if (choice < 0 || choice >= count) return;
                      v.settings.color.*ColorGroups()[group].setting = kColorChoices[static_cast<size_t>(choice)];
                  }});
}

// The start-up buttons: tray icons, calendar, both. The first setting that
// is on checks its button, the tray's when none is; a checked button turns
// its setting on and the other two off, none leaves them.
const Bound<int32_t> kKidouButtons{nullptr,
                                   [](const PagesValues& v) {
                                       const AppSettings::Kidou& kidou = v.settings.kidou;
                                       return kidou.tray ? 0 : kidou.cal ? 1 : kidou.w ? 2 : 0;
                                   },
                                   [](PagesValues& v, const int32_t& choice) {
                                       if (choice >= 0) v.settings.kidou = {choice == 0, choice == 1, choice == 2};
                                   }};

// The slider shows 255 - Layer where the calendar window can be
// transparent; elsewhere it stays at 0 and Layer stays as it is.
const Bound<int32_t> kTransparency{
    nullptr,
    [](const PagesValues& v) {
        return v.transparencyAllowed ? std::clamp(kOpaque - v.settings.form.layer, 0, kOpaque) : 0;
    },
    [](PagesValues& v, const int32_t& transparency) {
        if (v.transparencyAllowed) v.settings.form.layer = kOpaque - std::clamp(transparency, 0, kOpaque);
    }};

// The servers one URL a line: Sync/Server and the four after it.
const ControlBinding kServerList{kTabSync, IDC_SYNC_SERVERS, BoundKind::Text,
                                 Bound<std::string>{nullptr,
                                                    [](const PagesValues& v) { return ServerListText(v.settings.sync); },
                                                    [](PagesValues& v, const std::string& text) {
                                                        StoreServerListText(v.settings.sync, text);
                                                    }}};

const ControlBinding kBindings[] = {
    AlarmBox<&AlarmSlot::onOff>(IDC_ALARM_ON),
    AlarmNumber<&AlarmSlot::h, kHourSpin>(IDC_ALARM_HOUR, IDC_ALARM_HOUR_SPIN),
    AlarmNumber<&AlarmSlot::m, kMinuteSpin>(IDC_ALARM_MINUTE, IDC_ALARM_MINUTE_SPIN),
    AlarmBox<&AlarmSlot::mai>(IDC_ALARM_EVERYDAY),
    Text(kTabAlarm, IDC_ALARM_SOUND, ZENKA_ALARM_SETTING(sou)),
    Text(kTabAlarm, IDC_ALARM_MESSAGE, ZENKA_ALARM_SETTING(mes)),
    Check(kTabAlarm, IDC_JIHO_ON, ZENKA_SETTING(jiho.on)),
    Check(kTabAlarm, IDC_JIHO_HALF, ZENKA_SETTING(jiho.half)),
    Text(kTabAlarm, IDC_JIHO_FILE, ZENKA_SETTING(jiho.file)),
    Text(kTabAlarm, IDC_JIHO_FILE2, ZENKA_SETTING(jiho.file2)),

    Check(kTabSync, IDC_TEIKI, ZENKA_SETTING(sync.teiki)),
    Check(kTabSync, IDC_ONEDAY, ZENKA_SETTING(sync.oneday)),
    Spin(kTabSync, IDC_OKI, IDC_OKI_SPIN, ZENKA_SETTING(sync.oki), kOkiSpin),
    Check(kTabSync, IDC_SYNC_SOUND_ON, ZENKA_SETTING(sync.soundOn)),
    Text(kTabSync, IDC_SYNC_SOUND, ZENKA_SETTING(sync.tSoundName)),
    Check(kTabSync, IDC_DIAL_ONLY, ZENKA_SETTING(sync.dialOnly)),
    Spin(kTabSync, IDC_ADJUSTMENT, IDC_ADJUSTMENT_SPIN, ZENKA_SETTING(sync.adjustment), kAdjustmentSpin),
    Text(kTabSync, IDC_PROXY, ZENKA_SETTING(sync.proxy)),
    Text(kTabSync, IDC_PROXY_USER, ZENKA_SETTING(sync.proxyUserId)),
    Text(kTabSync, IDC_PROXY_PASSWORD, ZENKA_SETTING(sync.proxyPassword)),
    kServerList,

    ColorButtons<0>(),
    ColorButtons<1>(),
    ColorButtons<2>(),
    ColorButtons<3>(),
    ColorButtons<4>(),
    ColorButtons<5>(),

    Check(kTabStartup, IDC_DELETE_RECENT, ZENKA_SETTING(form.deleteRecent)),
    Check(kTabStartup, IDC_TMP_DELETE, ZENKA_SETTING(form.tmpDelete)),
    Check(kTabStartup, IDC_SYNC_START, ZENKA_SETTING(sync.start)),
    Spin(kTabStartup, IDC_TRAY_WAIT, IDC_TRAY_WAIT_SPIN, ZENKA_SETTING(form.wait), kWaitSpin),
    {kTabStartup, IDC_HOTKEY, BoundKind::HotKey, Bound<Shortcut>{ZENKA_SETTING(form.hotKey1)}},
    Radio(kTabStartup, IDC_KIDOU_TRAY, 3, kKidouButtons),

    Check(kTabOther, IDC_KEIKOKU_ON, ZENKA_SETTING(keikoku.onOff)),
    Check(kTabOther, IDC_KEIKOKU_SOUND_ON, ZENKA_SETTING(keikoku.soundOn)),
    Text(kTabOther, IDC_KEIKOKU_SOUND, ZENKA_SETTING(keikoku.fileName)),
    Check(kTabOther, IDC_ROKUYO, ZENKA_SETTING(form.rokuyo)),
    Check(kTabOther, IDC_AUTO_CLOSE, ZENKA_SETTING(autoClose.onOff)),
    Spin(kTabOther, IDC_AUTO_CLOSE_SECONDS, IDC_AUTO_CLOSE_SPIN, kAutoCloseSeconds, kAutoCloseSpin),
    // Taken over by the next apply, but changing it alone enables nothing.
    Check(kTabOther, IDC_AUTO_BACKUP, ZENKA_SETTING(form.autoBackup), false),
    {kTabOther, IDC_TRANSPARENCY, BoundKind::Slider, kTransparency},
};

}  // namespace

std::span<const ControlBinding> PagesBindings() { return kBindings; }

const ControlBinding* FindBinding(PagesTab tab, int control) {
    for (const ControlBinding& b : kBindings) {
        if (b.tab != tab) continue;
        const int last = b.kind == BoundKind::Radio ? b.control + b.count - 1 : b.control;
        if (control >= b.control && control <= last) return &b;
    }
    return nullptr;
}

ControlValue ShownValue(const ControlBinding& row, const PagesValues& values) {
    return std::visit(
        [&](const auto& bound) {
            constexpr auto type = std::in_place_type<typename std::decay_t<decltype(bound)>::Value>;
            if (!bound.member) return ControlValue(type, bound.show(values));
            // The member is only read here.
            return ControlValue(type, bound.member(const_cast<AppSettings&>(values.settings), values.AlarmIndex()));
        },
        row.setting);
}

void StoreValue(const ControlBinding& row, PagesValues& values, const ControlValue& value) {
    std::visit(
        [&](const auto& bound) {
            const auto& typed = std::get<typename std::decay_t<decltype(bound)>::Value>(value);
            if (bound.member) {
                bound.member(values.settings, values.AlarmIndex()) = typed;
            } else {
                bound.store(values, typed);
            }
        },
        row.setting);
}

void CopyBoundSettings(const PagesValues& from, PagesValues& to) {
    for (const ControlBinding& row : kBindings) StoreValue(row, to, ShownValue(row, from));
}

bool SwitchAlarmSlot(PagesValues& values, int32_t slot) {
    const PagesValues before = values;
    values.alarmSlot = slot;
    return std::any_of(std::begin(kBindings), std::end(kBindings), [&](const ControlBinding& row) {
        return row.tab == kTabAlarm && ShownValue(row, values) != ShownValue(row, before);
    });
}

}  // namespace zenka
