#include "timesync/date_header.h"

#include <array>

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
    const std::vector<std::string> tokens = DateHeaderTokens(header);
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
    if (*year < 1 || *year > 9999 || *day > 31) return std::nullopt;

    SystemTime time;
    time.year = *year;
    time.month = month;
    time.day = static_cast<uint8_t>(*day);
    time.hour = static_cast<uint8_t>(*hour);
    time.minute = static_cast<uint8_t>(*minute);
    time.second = static_cast<uint8_t>(*second);
    time.milliseconds = 500;
    if (*hour > 23 || *minute > 59 || *second > 59 || !IsValidSystemTime(time)) return std::nullopt;
    // Fills in the weekday.
    return FromMilliseconds(ToMilliseconds(time));
}

}  // namespace zenka
