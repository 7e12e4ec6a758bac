#include "calendar/julius.h"

namespace zenka {

const char* const kJuliusGapMessage = "1582/10/5-10/14は存在しません。";

EJuliusError::EJuliusError() : std::runtime_error(kJuliusGapMessage) {}

namespace {

// Truncation toward zero of a value computed in double precision. The
// constants below are part of the definition: changing them moves the edges.
int32_t Trunc(double v) { return static_cast<int32_t>(v); }

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
    int32_t Y = y;
    int32_t M = m;
    if (m < 3) {
        Y = y - 1;
        M = m + 12;
    }
    const int32_t yearTerm = y <= 0 ? Trunc(365.25 * Y - 0.75) : Trunc(365.25 * Y);
    int32_t jd = yearTerm + Trunc(30.6001 * (M + 1)) + d + 1720995;
    if (cal == Calendar::Gregorian) {
        const int32_t a = Trunc(Y / 100.0);
        jd += 2 - a + Trunc(a / 4.0);
    }
    return jd;
}

CivilDate JuliusToDate(int32_t z) {
    int32_t bv;
    if (z <= 2299160) {
        bv = z + 1524;
    } else {
        const int32_t alpha = Trunc((z - 1867216.25) / 36524.25);
        bv = z + alpha - Trunc(alpha / 4.0) + 1525;
    }
    const int32_t c = Trunc((bv - 122.1) / 365.25);
    const int32_t d = Trunc(365.25 * c);
    const int32_t e = Trunc((bv - d) / 30.6001);
    CivilDate out;
    out.day = static_cast<uint8_t>(bv - d - Trunc(30.6001 * e));
    out.month = static_cast<uint8_t>(e < 13.5 ? e - 1 : e - 13);
    out.year = out.month > 2.5 ? c - 4716 : c - 4715;
    return out;
}

uint8_t JuliusDayOfWeek(int32_t jd) {
    // int64 keeps jd + 1 from overflowing at the top of the range.
    return static_cast<uint8_t>((static_cast<int64_t>(jd) + 1) % 7 + 1);
}

bool IsJuliusLeapYear(int32_t y) {
    if (y >= 1582) {
        if (y % 4000 == 0) return false;
        return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    }
    return (static_cast<int64_t>(y) + 4712) % 4 == 0;
}

uint8_t DaysInMonth(int32_t y, uint8_t m) {
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
