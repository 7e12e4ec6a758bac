#include "app/calendar_hint.h"

#include "calendar/day_description.h"
#include "calendar/tolerant_day_kind.h"

namespace zenka {

void CalendarHint::Refresh(bool withRokuyo, BadLineReport& badLines) {
    const CivilDate date{calendar_.Year(), calendar_.Month(), calendar_.Day()};
    const TolerantDayKind kind = ClassifyTolerantly(calendar_.Rules(), date.year, date.month, date.day);
    text_ = DescribeDay(kCalendarHintParts, DescribedDayOf(date, kind.names), {.rokuyo = withRokuyo});
    badLines.Tell(kind.badLines);
}

}  // namespace zenka
