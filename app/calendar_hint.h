// The calendar window's tooltip, which always describes the selected day:
// its rokuyo and solar terms (when wanted) and its names. A day list line that cannot be
// read counts as not matching and is told once per run, as the tick tells
// it, rather than on every step through the calendar.
#pragma once

#include <string>

#include "app/bad_line_report.h"
#include "calendar/day_description.h"
#include "controls/month_calendar.h"

namespace zenka {

class CalendarHint {
public:
    // The calendar must outlive the hint.
    explicit CalendarHint(const TCustomCalendarEx2k& calendar) : calendar_(calendar) {}

    // Takes the text for the selected day, then tells any line not told
    // before through badLines.
    void Refresh(const DayWording& wording, BadLineReport& badLines);
    const std::string& Text() const { return text_; }

private:
    const TCustomCalendarEx2k& calendar_;
    std::string text_;
};

}  // namespace zenka
