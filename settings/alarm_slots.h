// The five alarms on one set of controls: the dialog keeps the table of
// their texts, and the controls show the slot whose button is down.
#pragma once

#include <cstdint>
#include <string>

#include "common/app_settings.h"
#include "settings/pages_state.h"

namespace zenka {

// The alarm controls' values.
struct AlarmControls {
    bool on = false;
    bool everyDay = false;
    int32_t hour = 0;
    int32_t minute = 0;
    std::string sound;
    std::string message;
    bool operator==(const AlarmControls&) const = default;
};

// A slot's texts as the controls show them: "1" checks a box, anything
// else leaves it clear; an hour or minute that is not a number shows the
// field's minimum.
AlarmControls ShowAlarmSlot(const AlarmSlot& slot);
// The controls' values as the slot's texts.
AlarmSlot StoreAlarmSlot(const AlarmControls& controls);

AlarmControls AlarmControlsOf(const PagesState& state);
void SetAlarmControls(PagesState& state, const AlarmControls& controls);

// The controls go into the table at the current slot.
void StoreCurrentSlot(PagesState& state);

// Slot button 1..5: stores the controls into the current slot, makes the
// given slot current and shows it. True when the controls show other
// values than before.
bool SwitchAlarmSlot(PagesState& state, int32_t slot);

}  // namespace zenka
