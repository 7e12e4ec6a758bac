// The embedded table of solar longitude days against a computation of its
// own: a short published series for the Sun instead of the planetary theory
// the table was made with, and a ΔT of its own.
#include "calendar/sekki_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <numbers>
#include <set>
#include <string>
#include <utility>

#include "calendar/julius.h"

namespace zenka {
namespace {

double CosDeg(double degrees) { return std::cos(std::fmod(degrees, 360.0) * std::numbers::pi / 180.0); }

// The Sun's apparent longitude in degrees (not reduced to one turn) by the
// short series of eighteen terms used for almanac work in Japan, good to
// about 0.002 degree, that is three minutes of the Sun's motion; t in
// Julian centuries of Terrestrial Time from J2000.0. The two terms
// with arguments 1934t and 72002t are the nutation in longitude, whose
// amplitude is constant; only the equation of the centre's correction is
// multiplied by t.
double ShortSeriesLongitude(double jde) {
    struct Term {
        double amplitude, rate, phase;
    };
    static constexpr Term kTerms[] = {
        {1.9147, 35999.05, 267.52}, {0.0200, 71998.1, 265.1}, {0.0020, 32964.0, 158.0}, {0.0018, 19.0, 159.0},
        {0.0018, 445267.0, 208.0},  {0.0015, 45038.0, 254.0}, {0.0013, 22519.0, 352.0}, {0.0007, 65929.0, 45.0},
        {0.0007, 3035.0, 110.0},    {0.0007, 9038.0, 64.0},   {0.0006, 33718.0, 316.0}, {0.0005, 155.0, 118.0},
        {0.0005, 2281.0, 221.0},    {0.0004, 29930.0, 48.0},  {0.0004, 31557.0, 161.0}, {0.0048, 1934.0, 145.0},
        {-0.0004, 72002.0, 111.0},
    };
    const double t = (jde - 2451545.0) / 36525.0;
    double longitude = 280.4602 + 36000.7695 * t - 0.0048 * t * CosDeg(35999.0 * t + 268.0);
    for (const Term& term : kTerms) longitude += term.amplitude * CosDeg(term.rate * t + term.phase);
    return longitude;
}

// ΔT in seconds: the observed values every five years from 1900 to 2020,
// read between linearly; after 2020 the long-term parabola of Morrison and
// Stephenson, -20 + 32 u² with u in centuries from 1820, moved to meet the
// value of 2020.
double DeltaT(double year) {
    static constexpr double kObserved[] = {-2.79, 3.86,  10.46, 17.20, 21.16, 23.62, 24.02, 23.93, 24.33,
                                           26.77, 29.15, 31.07, 33.15, 35.73, 40.18, 45.48, 50.54, 54.34,
                                           56.86, 60.78, 63.83, 64.69, 66.07, 67.64, 69.36};
    constexpr double kFirst = 1900, kLast = 2020;
    const auto parabola = [](double y) {
        const double u = (y - 1820) / 100;
        return -20 + 32 * u * u;
    };
    if (year >= kLast) return parabola(year) - parabola(kLast) + kObserved[std::size(kObserved) - 1];
    const double at = std::max(0.0, (year - kFirst) / 5);
    const size_t i = static_cast<size_t>(at);
    return kObserved[i] + (kObserved[i + 1] - kObserved[i]) * (at - static_cast<double>(i));
}

// The instant in Universal Time (Julian Date) at which the short series
// reaches `longitude` in `year`, found by Newton's method from the mean Sun.
double ShortSeriesInstantUt(int32_t year, int longitude) {
    constexpr double kDegreesPerDay = 36000.7695 / 36525.0;
    double jde = 2451545.0 + ((year - 2000) + std::fmod(longitude - 280.0 + 360.0, 360.0) / 360.0) * 365.2422;
    for (int i = 0; i < 50; ++i) {
        const double off = std::remainder(ShortSeriesLongitude(jde) - longitude, 360.0);
        jde -= off / kDegreesPerDay;
        if (std::abs(off) < 1e-9) break;
    }
    const double decimalYear = 2000.0 + (jde - 2451544.5) / 365.2425;
    return jde - DeltaT(decimalYear) / 86400.0;
}

// Japan Standard Time is nine hours ahead; a Julius day runs from the Julian
// Date d - 0.5 to d + 0.5.
double JapanLocal(double jdUt) { return jdUt + 0.5 + 9.0 / 24.0; }

std::string DateText(int32_t julius) {
    const CivilDate d = JuliusToDate(julius);
    return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

// Over these two centuries the short series strays up to 0.0022 degree
// from the planetary theory, 3.1 minutes of the Sun's motion, and the two
// ΔT part by up to 20 seconds: within three and a half minutes of midnight
// the two computations may put an arrival on different days.
constexpr double kNearMidnightMinutes = 3.5;

struct NearMidnight {
    int32_t year;
    int longitude;
    const char* tableDay;  // the day the table gives
    const char* why;
};
// Every arrival the short series puts that near midnight, with the instants
// in Japan Standard Time of both computations.
constexpr NearMidnight kNearMidnight[] = {
    {1910, 75, "1910-6-6", "芒種: 23:56:28 by the planetary theory, 23:57:14 by the short series"},
    {1916, 240, "1916-11-22", "小雪: 23:57:52 by the planetary theory, 23:57:43 by the short series"},
    {1917, 180, "1917-9-24", "秋分: 00:00:14 by the planetary theory, 00:00:26 by the short series"},
    {1919, 135, "1919-8-8", "立秋: 23:58:05 by the planetary theory, 23:58:15 by the short series"},
    {1927, 0, "1927-3-21", "春分: 23:59:08 by the planetary theory, 23:58:36 by the short series"},
    {1950, 300, "1950-1-20", "大寒: 23:59:42 by the planetary theory, 00:00:30 by the short series"},
    {1953, 285, "1953-1-6", "小寒: 00:02:11 by the planetary theory, 00:02:43 by the short series"},
    {1964, 330, "1964-2-19", "雨水: 23:57:23 by the planetary theory, 23:57:24 by the short series"},
    {1964, 165, "1964-9-7", "白露: 23:59:27 by the planetary theory, 00:00:14 by the short series"},
    {1967, 80, "1967-6-12", "入梅: 00:01:27 by the planetary theory, 00:02:04 by the short series"},
    {1981, 135, "1981-8-7", "立秋: 23:57:13 by the planetary theory, 23:56:43 by the short series"},
    {1982, 195, "1982-10-9", "寒露: 00:02:08 by the planetary theory, 00:03:05 by the short series"},
    {1987, 30, "1987-4-20", "穀雨: 23:57:39 by the planetary theory, 23:58:13 by the short series"},
    {1991, 255, "1991-12-7", "大雪: 23:56:01 by the planetary theory, 23:56:51 by the short series"},
    {1998, 210, "1998-10-23", "霜降: 23:58:37 by the planetary theory, 23:59:41 by the short series"},
    {2001, 117, "2001-7-20", "土用の入り: 00:03:06 by the planetary theory, 00:02:19 by the short series"},
    {2013, 15, "2013-4-5", "清明: 00:02:29 by the planetary theory, 00:02:47 by the short series"},
    {2019, 240, "2019-11-22", "小雪: 23:58:53 by the planetary theory, 23:59:17 by the short series"},
    {2021, 315, "2021-2-3", "立春: 23:58:46 by the planetary theory, 23:59:50 by the short series"},
    {2023, 90, "2023-6-21", "夏至: 23:57:46 by the planetary theory, 23:58:16 by the short series"},
    {2030, 330, "2030-2-18", "雨水: 23:59:40 by the planetary theory, 23:59:47 by the short series"},
    {2030, 117, "2030-7-19", "土用の入り: 23:58:12 by the planetary theory, 23:58:24 by the short series"},
    {2053, 300, "2053-1-19", "大寒: 23:58:51 by the planetary theory, 23:59:30 by the short series"},
    {2061, 297, "2061-1-17", "土用の入り: 00:00:33 by the planetary theory, 00:01:23 by the short series"},
    {2064, 225, "2064-11-7", "立冬: 00:01:17 by the planetary theory, 00:01:08 by the short series"},
    {2095, 270, "2095-12-22", "冬至: 00:00:27 by the planetary theory, 00:00:30 by the short series"},
};

TEST(SekkiTable, AgreesWithAShortSeriesOnEveryDayExceptTheNamedOnesAtMidnight) {
    std::set<std::pair<int32_t, int>> named;
    for (const NearMidnight& n : kNearMidnight) named.insert({n.year, n.longitude});
    std::set<std::pair<int32_t, int>> found;
    for (int32_t year = kFirstSekkiYear; year <= kLastSekkiYear; ++year) {
        for (const int longitude : kSekkiLongitudes) {
            const auto day = DayOfSolarLongitude(year, longitude);
            ASSERT_TRUE(day) << year << " longitude " << longitude << " is missing";
            const double local = JapanLocal(ShortSeriesInstantUt(year, longitude));
            const double minutes = (local - std::round(local)) * 1440.0;
            const int32_t computed = static_cast<int32_t>(std::floor(local));
            if (std::abs(minutes) < kNearMidnightMinutes) {
                found.insert({year, longitude});
                EXPECT_TRUE(named.count({year, longitude}))
                    << year << " longitude " << longitude << ": " << minutes << " min from midnight, table "
                    << DateText(*day) << ", series " << DateText(computed) << ", not named";
                const int32_t other = minutes >= 0 ? computed - 1 : computed + 1;
                EXPECT_TRUE(*day == computed || *day == other) << year << " longitude " << longitude;
            } else {
                EXPECT_EQ(*day, computed)
                    << year << " longitude " << longitude << ": the table gives " << DateText(*day)
                    << ", the short series " << DateText(computed) << " (" << minutes << " min from midnight)";
            }
        }
    }
    for (const NearMidnight& n : kNearMidnight) {
        EXPECT_TRUE(found.count({n.year, n.longitude}))
            << n.year << " " << n.longitude << " is named but not near midnight";
        const auto day = DayOfSolarLongitude(n.year, n.longitude);
        ASSERT_TRUE(day);
        EXPECT_EQ(DateText(*day), n.tableDay) << n.year << " " << n.longitude << ": " << n.why;
    }
}

TEST(SekkiTable, HoldsThirtyLongitudesForEachYearAndNothingElse) {
    const std::string_view text = JdSekkiText();
    size_t lines = 0;
    for (const char c : text) lines += c == '\n';
    EXPECT_EQ(lines, 201u * std::size(kSekkiLongitudes));
    EXPECT_TRUE(text.ends_with("\r\n"));
    EXPECT_FALSE(DayOfSolarLongitude(1899, 0));
    EXPECT_FALSE(DayOfSolarLongitude(2101, 0));
    EXPECT_FALSE(DayOfSolarLongitude(2026, 10)) << "not a longitude of the table";
    // In order of time, from 小寒 of 1900 to 冬至 of 2100.
    EXPECT_TRUE(text.starts_with(std::to_string(*DayOfSolarLongitude(1900, 285)) + ",285\r\n"));
    EXPECT_TRUE(text.ends_with("\n" + std::to_string(*DayOfSolarLongitude(2100, 270)) + ",270\r\n"));
}

}  // namespace
}  // namespace zenka
