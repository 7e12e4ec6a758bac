#include "app/calendar_window_input.h"

namespace zenka {

CalendarCommand CommandForKey(uint16_t virtualKey) {
    switch (virtualKey) {
        case 0x0D: return CalendarCommand::Settings;  // Enter
        case 'N': return CalendarCommand::NextMonth;
        case 'B': return CalendarCommand::PrevMonth;
        case 'M': return CalendarCommand::NextYear;
        case 'V': return CalendarCommand::PrevYear;
        case 'T': return CalendarCommand::Today;
        default: return CalendarCommand::None;
    }
}

WheelStep WheelStepFor(int16_t delta) {
    if (delta == 120) return {CalendarCommand::NextMonth, -4};
    if (delta == -120) return {CalendarCommand::PrevMonth, 4};
    return {};
}

}  // namespace zenka
