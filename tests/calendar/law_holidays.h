// The public holidays of Japan from 1949 to 2050 as the holiday law and its
// amendments gave them, written out here from the law's history with no
// help from the holiday list or the equinox code, to check them against.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "calendar/julius.h"

namespace zenka::law {

struct Holiday {
    std::string name;
    bool substitute = false;  // 振替休日, which the calendar flags apart
};

// Day number -> holiday.
using Holidays = std::map<int32_t, Holiday>;

inline constexpr int32_t kFirstYear = 1949;
inline constexpr int32_t kLastYear = 2050;

namespace detail {

inline int32_t Day(int32_t y, int m, int d) { return DateToJulius(y, static_cast<uint8_t>(m), static_cast<uint8_t>(d)); }

inline int32_t NthMonday(int32_t y, int m, int n) {
    const int32_t first = Day(y, m, 1);
    const int offset = (2 - JuliusDayOfWeek(first) + 7) % 7;  // 2 = Monday
    return first + offset + 7 * (n - 1);
}

// The day of the month of the vernal and autumnal equinoxes in Japan time,
// by the almanac's approximation for 1900-2099.
inline int VernalEquinoxDay(int32_t y) {
    const int t = y - 1980;
    if (y <= 1979) return static_cast<int>(20.8357 + 0.242194 * t - (y - 1983) / 4);
    return static_cast<int>(20.8431 + 0.242194 * t - (y - 1980) / 4);
}
inline int AutumnalEquinoxDay(int32_t y) {
    const int t = y - 1980;
    if (y <= 1979) return static_cast<int>(23.2588 + 0.242194 * t - (y - 1983) / 4);
    return static_cast<int>(23.2488 + 0.242194 * t - (y - 1980) / 4);
}

// The days each law named, year by year.
inline std::map<int32_t, std::string> NamedDays() {
    std::map<int32_t, std::string> days;
    // A day named twice would show as both names.
    const auto add = [&days](int32_t julius, const char* name) {
        const auto [it, fresh] = days.emplace(julius, name);
        if (!fresh) it->second += std::string(",") + name;
    };
    for (int32_t y = kFirstYear; y <= kLastYear; ++y) {
        // The law of 1948-07-20.
        add(Day(y, 1, 1), "元日");
        add(y <= 1999 ? Day(y, 1, 15) : NthMonday(y, 1, 2), "成人の日");  // a Monday from 2000
        add(Day(y, 3, VernalEquinoxDay(y)), "春分の日");
        add(Day(y, 4, 29), y <= 1988 ? "天皇誕生日" : y <= 2006 ? "みどりの日" : "昭和の日");
        add(Day(y, 5, 3), "憲法記念日");
        add(Day(y, 5, 5), "こどもの日");
        add(Day(y, 9, AutumnalEquinoxDay(y)), "秋分の日");
        add(Day(y, 11, 3), "文化の日");
        add(Day(y, 11, 23), "勤労感謝の日");
        // 1966: 敬老の日 and 体育の日, 建国記念の日 from 1967.
        if (y >= 1966) add(y <= 2002 ? Day(y, 9, 15) : NthMonday(y, 9, 3), "敬老の日");
        if (y >= 1966 && y <= 2019) add(y <= 1999 ? Day(y, 10, 10) : NthMonday(y, 10, 2), "体育の日");
        if (y >= 1967) add(Day(y, 2, 11), "建国記念の日");
        // 1989: the emperor's birthday moves with the reign, and again in 2020.
        if (y >= 1989 && y <= 2018) add(Day(y, 12, 23), "天皇誕生日");
        if (y >= 2020) add(Day(y, 2, 23), "天皇誕生日");
        // 1996: 海の日; a Monday from 2003.
        if (y >= 1996 && y != 2020 && y != 2021) add(y <= 2002 ? Day(y, 7, 20) : NthMonday(y, 7, 3), "海の日");
        // 2007: みどりの日 moves to 4 May.
        if (y >= 2007) add(Day(y, 5, 4), "みどりの日");
        // 2016: 山の日.
        if (y >= 2016 && y != 2020 && y != 2021) add(Day(y, 8, 11), "山の日");
        // 2020: 体育の日 becomes スポーツの日.
        if (y >= 2022) add(NthMonday(y, 10, 2), "スポーツの日");
    }
    // The Games of 2020 and, put off, 2021 moved three holidays.
    add(Day(2020, 7, 23), "海の日");
    add(Day(2020, 7, 24), "スポーツの日");
    add(Day(2020, 8, 10), "山の日");
    add(Day(2021, 7, 22), "海の日");
    add(Day(2021, 7, 23), "スポーツの日");
    add(Day(2021, 8, 8), "山の日");
    // Days of the imperial house made holidays by laws of their own.
    add(Day(1959, 4, 10), "皇太子明仁親王の結婚の儀");
    add(Day(1989, 2, 24), "昭和天皇の大喪の礼");
    add(Day(1990, 11, 12), "即位礼正殿の儀");
    add(Day(1993, 6, 9), "皇太子徳仁親王の結婚の儀");
    add(Day(2019, 5, 1), "即位の日");
    add(Day(2019, 10, 22), "即位礼正殿の儀");
    return days;
}

}  // namespace detail

// Every holiday from 1949-01-01 to 2050-12-31, with the days the law derives
// from the named ones: from 1973-04-12 the Monday after a holiday Sunday
// (from 2007 the first day after it that is no holiday), and from
// 1985-12-27 a day between two named holidays that is neither a Sunday nor
// a substitute holiday.
inline Holidays AllHolidays() {
    using detail::Day;
    const std::map<int32_t, std::string> named = detail::NamedDays();
    const auto isNamed = [&named](int32_t j) { return named.count(j) > 0; };
    Holidays holidays;
    for (const auto& [julius, name] : named) holidays[julius] = {name, false};
    for (int32_t j = Day(kFirstYear, 1, 1); j <= Day(kLastYear, 12, 31); ++j) {
        if (isNamed(j)) continue;
        bool substitute = false;
        if (j >= Day(1973, 4, 12) && j < Day(2007, 1, 1)) {
            substitute = JuliusDayOfWeek(j) == 2 && isNamed(j - 1);
        } else if (j >= Day(2007, 1, 1)) {
            for (int32_t k = j - 1; isNamed(k); --k) {
                if (JuliusDayOfWeek(k) == 1) substitute = true;
            }
        }
        if (substitute) {
            holidays[j] = {"振替休日", true};
        } else if (j >= Day(1985, 12, 27) && JuliusDayOfWeek(j) != 1 && isNamed(j - 1) && isNamed(j + 1)) {
            holidays[j] = {"国民の休日", false};
        }
    }
    return holidays;
}

}  // namespace zenka::law
