#include "calendar/julius.h"

namespace zenka {

const char* const kJuliusGapMessage = "1582/10/5-10/14は存在しません。";
const char* const kSupportedRangeMessage = "日付は -4712-01-01 (紀元前4713年1月1日) から 9999-12-31 までです";

EJuliusError::EJuliusError() : std::runtime_error(kJuliusGapMessage) {}

namespace {

// Truncation toward zero of a value computed in double precision. The
// constants below are part of the definition: changing them moves the edges.
// The integer steps are done in 64 bits, which no input can overflow; within
// the supported range every value fits 32 bits, so the results are those of
// 32-bit arithmetic.
int64_t Trunc(double v) { return static_cast<int64_t>(v); }

constexpr uint8_t kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

enum class Calendar { Julian, Gregorian };

Calendar CalendarOf(int32_t y, uint8_t m, uint8_t d) {
    if (y != 1582) return y < 1582 ? Calendar::Julian : Calendar::Gregorian;
    if (m != 10) return m < 10 ? Calendar::Julian : Calendar::Gregorian;
    if (d < 5) return Calendar::Julian;
    if (d > 14) return Calendar::Gregorian;
    throw EJuliusError();
}

}  // namespace

int32_t DateToJulius(int32_t y, uint8_t m, uint8_t d) {
    const Calendar cal = CalendarOf(y, m, d);
    int64_t Y = y;
    int64_t M = m;
    if (m < 3) {
        Y = Y - 1;
        M = M + 12;
    }
    const auto year = static_cast<double>(Y);
    const int64_t yearTerm = y <= 0 ? Trunc(365.25 * year - 0.75) : Trunc(365.25 * year);
    int64_t jd = yearTerm + Trunc(30.6001 * static_cast<double>(M + 1)) + d + 1720995;
    if (cal == Calendar::Gregorian) {
        const int64_t a = Trunc(year / 100.0);
        jd += 2 - a + Trunc(static_cast<double>(a) / 4.0);
    }
    // Far outside the supported range the day number wraps; see the header.
    return static_cast<int32_t>(jd);
}

CivilDate JuliusToDate(int32_t z) {
    int64_t bv;
    if (z <= 2299160) {
        bv = int64_t{z} + 1524;
    } else {
        const int64_t alpha = Trunc((z - 1867216.25) / 36524.25);
        bv = z + alpha - Trunc(static_cast<double>(alpha) / 4.0) + 1525;
    }
    const int64_t c = Trunc((static_cast<double>(bv) - 122.1) / 365.25);
    const int64_t d = Trunc(365.25 * static_cast<double>(c));
    const int64_t e = Trunc(static_cast<double>(bv - d) / 30.6001);
    CivilDate out;
    out.day = static_cast<uint8_t>(bv - d - Trunc(30.6001 * static_cast<double>(e)));
    out.month = static_cast<uint8_t>(e < 13.5 ? e - 1 : e - 13);
    out.year = static_cast<int32_t>(out.month > 2.5 ? c - 4716 : c - 4715);
    return out;
}

uint8_t JuliusDayOfWeek(int32_t jd) {
    // The floor remainder, so that days before day 0 continue the cycle.
    const int64_t r = (int64_t{jd} + 1) % 7;
    return static_cast<uint8_t>((r < 0 ? r + 7 : r) + 1);
}

bool IsJuliusLeapYear(int32_t y) {
    if (y >= 1582) {
        if (y % 4000 == 0) return false;
        return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    }
    return (static_cast<int64_t>(y) + 4712) % 4 == 0;
}

uint8_t DaysInMonth(int32_t y, uint8_t m) {
    if (m < 1 || m > 12) return 0;
    uint8_t days = kMonthLength[m - 1];
    if (m == 2 && IsJuliusLeapYear(y)) ++days;
    return days;
}

bool IsValidDate(int32_t y, uint8_t m, uint8_t d) {
    const CivilDate back = JuliusToDate(DateToJulius(y, m, d));
    return back.year == y && back.month == m && back.day == d;
}

int32_t DateTimeToJulius(const DateTime& now) {
    return DateToJulius(now.year, now.month, now.day);
}

}  // namespace zenka
