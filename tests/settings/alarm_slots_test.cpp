// The five alarms on one set of controls.
#include "settings/alarm_slots.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

TEST(AlarmSlots, TextsShowAsControlsAndStoreBack) {
    struct Case {
        AlarmSlot slot;
        AlarmControls shown;
        AlarmSlot stored;
    };
    const Case cases[] = {
        {{"1", "1", "7", "30", "a.wav", "朝"}, {true, true, 7, 30, "a.wav", "朝"}, {"1", "1", "7", "30", "a.wav", "朝"}},
        {{"0", "0", "0", "0", "", ""}, {false, false, 0, 0, "", ""}, {"0", "0", "0", "0", "", ""}},
        // Only "1" is on; anything else is off and is stored back as "0".
        {{"", "2", "07", "5", "", ""}, {false, false, 7, 5, "", ""}, {"0", "0", "7", "5", "", ""}},
        {{"yes", "1 ", "x", "", "", ""}, {false, false, 0, 0, "", ""}, {"0", "0", "0", "0", "", ""}},
        // Beyond the fields' ranges: the nearest limit.
        {{"1", "0", "25", "-3", "", ""}, {true, false, 23, 0, "", ""}, {"1", "0", "23", "0", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot.onOff + "/" + c.slot.mai + "/" + c.slot.h + "/" + c.slot.m);
        EXPECT_EQ(ShowAlarmSlot(c.slot), c.shown);
        EXPECT_EQ(StoreAlarmSlot(ShowAlarmSlot(c.slot)), c.stored);
    }
}

TEST(AlarmSlots, SwitchingKeepsWhatWasTypedInEachSlot) {
    PagesState state;
    state.alarmTable[1] = {"1", "0", "12", "0", "noon.wav", "昼"};
    SetAlarmControls(state, ShowAlarmSlot(state.alarmTable[0]));

    SetAlarmControls(state, {true, true, 6, 45, "typed.wav", "typed"});
    EXPECT_TRUE(SwitchAlarmSlot(state, 2));
    EXPECT_EQ(state.currentSlot, 2);
    EXPECT_EQ(AlarmControlsOf(state), (AlarmControls{true, false, 12, 0, "noon.wav", "昼"}));

    EXPECT_TRUE(SwitchAlarmSlot(state, 1));
    EXPECT_EQ(AlarmControlsOf(state), (AlarmControls{true, true, 6, 45, "typed.wav", "typed"}))
        << "slot 1 shows what was typed, without an apply";

    EXPECT_FALSE(SwitchAlarmSlot(state, 1)) << "the slot already shown stores and shows the same values";
    EXPECT_FALSE(SwitchAlarmSlot(state, 4) && SwitchAlarmSlot(state, 5))
        << "two empty slots show the same values";
    EXPECT_EQ(state.alarmTable[0], (AlarmSlot{"1", "1", "6", "45", "typed.wav", "typed"}));
}

}  // namespace
}  // namespace zenka
