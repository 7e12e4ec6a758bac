#include "timesync/date_header.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "common/build_date.h"
#include "timesync/sync_reasons.h"

#include "calendar/number_text.h"

namespace zenka {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool IsSeparator(char c) {
    const auto code = static_cast<unsigned char>(c);
    return c == ',' || (code >= 1 && code <= 32);
}

// Digits only, no sign and no blanks; at most nine.
std::optional<int64_t> DecimalNumber(std::string_view text) { return ReadNumber(text, {.maxDigits = 9}); }

// The fields as the header writes them, each only read as a number.
struct DateFields {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
};

// Day, month name and year from the second, third and fourth token, hour,
// minute and second from the characters 1-2, 4-5 and 7-8 of the fifth.
std::optional<DateFields> ReadFields(const std::vector<std::string>& tokens) {
    if (tokens.size() < 5) return std::nullopt;
    const std::string_view clock = tokens[4];
    if (clock.size() < 8) return std::nullopt;
    const auto day = DecimalNumber(tokens[1]);
    const uint8_t month = MonthFromName(tokens[2]);
    const auto year = DecimalNumber(tokens[3]);
    const auto hour = DecimalNumber(clock.substr(0, 2));
    const auto minute = DecimalNumber(clock.substr(3, 2));
    const auto second = DecimalNumber(clock.substr(6, 2));
    if (!day || month == 0 || !year || !hour || !minute || !second) return std::nullopt;
    // Nine digits at most, so each fits.
    const auto field = [](int64_t value) { return static_cast<int32_t>(value); };
    return DateFields{field(*year), month, field(*day), field(*hour), field(*minute), field(*second)};
}

// The fields as a time, when they name one; years up to 9999.
std::optional<SystemTime> TimeOf(const DateFields& fields) {
    if (fields.year > 9999 || fields.day > 31 || fields.hour > 23 || fields.minute > 59 || fields.second > 59) {
        return std::nullopt;
    }
    SystemTime time;
    time.year = fields.year;
    time.month = static_cast<uint8_t>(fields.month);
    time.day = static_cast<uint8_t>(fields.day);
    time.hour = static_cast<uint8_t>(fields.hour);
    time.minute = static_cast<uint8_t>(fields.minute);
    time.second = static_cast<uint8_t>(fields.second);
    if (!IsValidSystemTime(time)) return std::nullopt;
    // Fills in the weekday.
    return FromMilliseconds(ToMilliseconds(time));
}

// The parts the usual form has and nothing else: a zone that says GMT, or
// none, and a time of two digits each between colons.
bool IsPlainHttpDate(const std::vector<std::string>& tokens) {
    if (tokens.size() > 6) return false;
    if (tokens.size() == 6 && tokens[5] != "GMT" && tokens[5] != "UTC" && tokens[5] != "+0000") return false;
    const std::string& clock = tokens[4];
    return clock.size() == 8 && clock[2] == ':' && clock[5] == ':';
}

// Year, month and day, compared as a date.
auto DayOf(const DateFields& fields) { return std::array<int64_t, 3>{fields.year, fields.month, fields.day}; }

ServerDate Refused(std::string reason) { return {std::nullopt, std::move(reason)}; }

}  // namespace

uint8_t MonthFromName(std::string_view name) {
    for (size_t i = 0; i < kMonthNames.size(); ++i) {
        if (name == kMonthNames[i]) return static_cast<uint8_t>(i + 1);
    }
    return 0;
}

std::vector<std::string> DateHeaderTokens(std::string_view header) {
    std::vector<std::string> tokens;
    size_t at = 0;
    while (at < header.size()) {
        if (IsSeparator(header[at])) {
            ++at;
            continue;
        }
        if (header[at] == '"') {
            const size_t close = header.find('"', at + 1);
            const size_t end = close == std::string_view::npos ? header.size() : close;
            tokens.emplace_back(header.substr(at + 1, end - at - 1));
            at = end + 1;
            continue;
        }
        const size_t start = at;
        while (at < header.size() && !IsSeparator(header[at])) ++at;
        tokens.emplace_back(header.substr(start, at - start));
    }
    return tokens;
}

std::optional<SystemTime> EvaluateDateHeader(std::string_view header) {
    const std::optional<DateFields> fields = ReadFields(DateHeaderTokens(header));
    if (!fields || fields->year < 1) return std::nullopt;
    std::optional<SystemTime> time = TimeOf(*fields);
    if (time) time->milliseconds = 500;
    return time;
}

SystemTime BuildDay() {
    SystemTime day;
    day.year = kBuildYear;
    day.month = kBuildMonth;
    day.day = kBuildDay;
    return FromMilliseconds(ToMilliseconds(day));
}

ServerDate ReadServerDate(const std::vector<std::string>& dates, const SystemTime& builtOn) {
    if (dates.size() > 1) return Refused(sync_reason::kDateDuplicated);
    if (dates.empty() || dates[0].find_first_not_of(" \t") == std::string::npos) {
        return Refused(sync_reason::kNoDate);
    }
    if (dates[0].size() > kMaxDateHeaderLength) return Refused(sync_reason::kDateTooLong);
    const std::vector<std::string> tokens = DateHeaderTokens(dates[0]);
    const std::optional<DateFields> fields = ReadFields(tokens);
    if (!fields || !IsPlainHttpDate(tokens)) return Refused(sync_reason::kDateMalformed);
    if (fields->hour == 23 && fields->minute == 59 && fields->second == 60) return Refused(sync_reason::kLeapSecond);

    SystemTime named;  // for the reasons: the day as written (up to 99)
    named.year = fields->year;
    named.month = static_cast<uint8_t>(fields->month);
    named.day = static_cast<uint8_t>(std::min(fields->day, 99));
    const DateFields built{builtOn.year, builtOn.month, builtOn.day, 0, 0, 0};
    DateFields latest = built;
    latest.year += 100;
    if (DayOf(*fields) > DayOf(latest)) return Refused(sync_reason::DateFarAhead(named, builtOn));
    const std::optional<SystemTime> time = TimeOf(*fields);
    if (!time) return Refused(sync_reason::kDateMalformed);
    if (DayOf(*fields) < DayOf(built)) return Refused(sync_reason::DateBeforeBuild(named, builtOn));
    return {ToMilliseconds(*time) / 1000, {}};
}

std::string HttpDateText(int64_t seconds) {
    static constexpr const char* kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const SystemTime time = FromMilliseconds(seconds * 1000);
    char text[48];
    std::snprintf(text, sizeof text, "%s, %02u %s %04d %02u:%02u:%02u GMT", kWeekdays[time.dayOfWeek % 7],
                  static_cast<unsigned>(time.day), std::string(kMonthNames[time.month - 1]).c_str(),
                  static_cast<int>(time.year), static_cast<unsigned>(time.hour), static_cast<unsigned>(time.minute),
                  static_cast<unsigned>(time.second));
    return text;
}

}  // namespace zenka
