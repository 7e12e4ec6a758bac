// The vernal and autumnal equinox days, by a closed formula valid for any year.
#pragma once

#include <cstdint>

namespace zenka {

int32_t VernalEquinoxJulius(int32_t year);
int32_t AutumnalEquinoxJulius(int32_t year);

// Compare month and day only, against the computed day of the given year.
bool IsVernalEquinoxDay(int32_t year, uint8_t month, uint8_t day);
bool IsAutumnalEquinoxDay(int32_t year, uint8_t month, uint8_t day);

}  // namespace zenka
