// The start window: today's caption, date and names, in Japanese.
#pragma once

#include <windows.h>

#include "calendar/day_classifier.h"
#include "calendar/julius.h"

namespace zenka {

extern const wchar_t* const kTodayWindowClass;

// Creates the window (not yet shown) for the given day.
HWND CreateTodayWindow(HINSTANCE instance, const DayRuleSet& rules, const DateTime& today);

// The child that holds the text, for reading it back.
HWND TodayWindowLabel(HWND window);

}  // namespace zenka
