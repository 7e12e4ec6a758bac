// The settings dialog's working copy of the settings and the table binding
// its controls to it: each row names a control, its kind and the setting it
// shows, as the member is or through a conversion. The dialog shows every
// row's value in its control when it opens, stores the controls back before
// it uses their values, and an apply takes over what the rows bind, and
// nothing else, into the main window's settings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "common/app_settings.h"
#include "common/setting_field.h"
#include "common/shortcut_text.h"
#include "controls/spin_field.h"
#include "settings/pages_tabs.h"

namespace zenka {

// What the controls edit: the main window's settings as the dialog opened,
// with the calendar's colours and equinox switch.
struct PagesValues {
    AppSettings settings;
    // The slot button that is down, 1..5: the alarm the alarm controls show.
    int32_t alarmSlot = 1;
    // Whether the system has a transparent calendar window.
    bool transparencyAllowed = false;

    size_t AlarmIndex() const { return static_cast<size_t>(alarmSlot - 1); }
    const AlarmSlot& ShownAlarm() const { return settings.alarms.at(AlarmIndex()); }
    AlarmSlot& ShownAlarm() { return settings.alarms.at(AlarmIndex()); }
};

enum class BoundKind {
    Check,   // check box: checked
    Text,    // edit: its text
    Spin,    // spin field: its number
    Radio,   // buttons with consecutive identifiers: the index of the checked one, -1 for none
    HotKey,  // hot key field: its key
    Slider,  // trackbar: its position
};

// A control's value, by its kind: bool, text, number or key.
using ControlValue = std::variant<bool, int32_t, std::string, Shortcut>;

// A setting as a control of value type T shows it: the member itself, or a
// conversion each way.
template <typename T>
struct Bound {
    using Value = T;
    SettingField<T> member = nullptr;
    T (*show)(const PagesValues&) = nullptr;
    void (*store)(PagesValues&, const T& value) = nullptr;
};
using BoundSetting = std::variant<Bound<bool>, Bound<int32_t>, Bound<std::string>, Bound<Shortcut>>;

struct ControlBinding {
    PagesTab tab;
    int control;
    BoundKind kind;
    BoundSetting setting;
    const SpinRange* range = nullptr;  // Spin: its range
    int upDown = 0;                    // Spin: its arrows
    int count = 0;                     // Radio: how many buttons
    // Whether changing the control enables the apply button.
    bool marksChange = true;
};

std::span<const ControlBinding> PagesBindings();

// The row of a control on a page (for buttons, the row of their group).
const ControlBinding* FindBinding(PagesTab tab, int control);

ControlValue ShownValue(const ControlBinding& row, const PagesValues& values);
void StoreValue(const ControlBinding& row, PagesValues& values, const ControlValue& value);

// Every row's setting from one copy into another, as controls showing
// `from` would store it; the settings no row binds stay as they are.
void CopyBoundSettings(const PagesValues& from, PagesValues& to);

// Slot button 1..5: the alarm controls show that slot from now on (their
// values stored into the slot shown so far). True when they show other
// values than before.
bool SwitchAlarmSlot(PagesValues& values, int32_t slot);

}  // namespace zenka
