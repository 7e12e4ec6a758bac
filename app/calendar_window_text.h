// The calendar window's tooltip: the selected day's rokuyo and names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zenka {

// The rokuyo as the tooltip writes it, "大安 " with one trailing blank, or
// empty for a day outside the old-calendar table.
std::string TooltipRokuyoName(int32_t julius);

// "大安 元旦", "赤口", or empty: the rokuyo (when wanted) and the day's
// names, without blanks at either end.
std::string CalendarHintText(bool withRokuyo, int32_t julius, std::string_view names);

}  // namespace zenka
