// The embedded JDSEKKI table: the day in Japan on which the Sun's apparent
// longitude reaches each of the longitudes the solar terms and the 雑節 are
// reckoned from, for every year from 1900 to 2100.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zenka {

constexpr int32_t kFirstSekkiYear = 1900;
constexpr int32_t kLastSekkiYear = 2100;

// The longitudes the table holds, ascending: every multiple of 15 degrees
// (the solar terms, 315 being 立春), 27, 117, 207 and 297 (the beginnings of
// 土用), 80 (入梅) and 100 (半夏生).
inline constexpr int kSekkiLongitudes[] = {0,   15,  27,  30,  45,  60,  75,  80,  90,  100, 105, 117, 120, 135, 150,
                                           165, 180, 195, 207, 210, 225, 240, 255, 270, 285, 297, 300, 315, 330, 345};

// The table text: lines "JD,longitude" with CR LF, in order of time.
std::string_view JdSekkiText();

// The Julius day in `year` on which the Sun reaches `longitude`, one of
// kSekkiLongitudes; nothing for a year outside the table or another
// longitude.
std::optional<int32_t> DayOfSolarLongitude(int32_t year, int longitude);

}  // namespace zenka
