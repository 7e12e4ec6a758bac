// Japanese era years for the calendar caption and the tray tooltip.
#pragma once

#include <cstdint>
#include <string>

namespace zenka {

// "昭和元", "平成18", "令和8", or the year alone before 1926.
std::string EraYearText(int32_t year);

// The calendar caption: "令和8年12月", or "2026年12月" with the era display off.
std::string CalendarCaption(int32_t year, uint8_t month, bool eraDisplay);

// The tooltip's year: "令和8年(2026年)", or "2026年(令和8年)" with the era
// display off; "1925年" either way before Showa.
std::string TooltipEraText(int32_t year, bool eraDisplay);

}  // namespace zenka
