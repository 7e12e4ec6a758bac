#include "settings/alarm_slots.h"

#include "settings/spin_ranges.h"

namespace zenka {
namespace {

const char* BoxText(bool checked) { return checked ? "1" : "0"; }

size_t TableIndex(int32_t slot) { return static_cast<size_t>(slot - 1); }

}  // namespace

AlarmControls ShowAlarmSlot(const AlarmSlot& slot) {
    return {slot.onOff == "1", slot.mai == "1",  SpinValue(slot.h, kHourSpin),
            SpinValue(slot.m, kMinuteSpin), slot.sou, slot.mes};
}

AlarmSlot StoreAlarmSlot(const AlarmControls& controls) {
    return {BoxText(controls.on),           BoxText(controls.everyDay), std::to_string(controls.hour),
            std::to_string(controls.minute), controls.sound,            controls.message};
}

AlarmControls AlarmControlsOf(const PagesState& state) {
    return {state.alarmOn,     state.alarmEveryDay, state.alarmHour,
            state.alarmMinute, state.alarmSound,    state.alarmMessage};
}

void SetAlarmControls(PagesState& state, const AlarmControls& controls) {
    state.alarmOn = controls.on;
    state.alarmEveryDay = controls.everyDay;
    state.alarmHour = controls.hour;
    state.alarmMinute = controls.minute;
    state.alarmSound = controls.sound;
    state.alarmMessage = controls.message;
}

void StoreCurrentSlot(PagesState& state) {
    state.alarmTable.at(TableIndex(state.currentSlot)) = StoreAlarmSlot(AlarmControlsOf(state));
}

bool SwitchAlarmSlot(PagesState& state, int32_t slot) {
    const AlarmControls before = AlarmControlsOf(state);
    StoreCurrentSlot(state);
    state.currentSlot = slot;
    SetAlarmControls(state, ShowAlarmSlot(state.alarmTable.at(TableIndex(slot))));
    return AlarmControlsOf(state) != before;
}

}  // namespace zenka
