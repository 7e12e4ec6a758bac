#include "app/calendar_hint.h"

#include "app/calendar_window_text.h"
#include "calendar/tolerant_day_kind.h"

namespace zenka {

void CalendarHint::Refresh(bool withRokuyo, BadLineReport& badLines) {
    const TolerantDayKind kind =
        ClassifyTolerantly(calendar_.Rules(), calendar_.Year(), calendar_.Month(), calendar_.Day());
    text_ = CalendarHintText(withRokuyo, calendar_.JuliusDay(), kind.names);
    badLines.Tell(kind.badLines);
}

}  // namespace zenka
