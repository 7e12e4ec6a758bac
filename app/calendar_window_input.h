// What keys and the mouse wheel do in the calendar window, beyond what the
// month calendar does with them itself.
#pragma once

#include <cstdint>

namespace zenka {

enum class CalendarCommand {
    None,
    PrevYear,   // PanelButton1
    PrevMonth,  // PanelButton2
    Today,      // PanelButton5
    NextMonth,  // PanelButton3
    NextYear,   // PanelButton4
    Settings,   // the calendar's double-click action
};

// Enter, N, B, M, V and T, whatever Shift, Ctrl or Alt; None for any other
// virtual-key code.
CalendarCommand CommandForKey(uint16_t virtualKey);

struct WheelStep {
    CalendarCommand command = CalendarCommand::None;
    intptr_t result = 0;  // the wheel message's answer
    bool operator==(const WheelStep&) const = default;
};

// Exactly one notch forward (+120) goes to the next month, one notch back
// (-120) to the previous; finer wheels' smaller steps do nothing, as do
// several notches at once.
WheelStep WheelStepFor(int16_t delta);

}  // namespace zenka
