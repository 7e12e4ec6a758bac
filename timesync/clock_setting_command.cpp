#include "timesync/clock_setting_command.h"

#include <limits>

#include "calendar/number_text.h"

namespace zenka {
namespace {

// The system clock holds no earlier year.
constexpr int32_t kFirstYear = 1601;

// Decimal digits only, as many as given, within 64 bits.
std::optional<int64_t> Digits(std::string_view text, size_t minimum, size_t maximum) {
    return ReadNumber(text, {.minDigits = minimum, .maxDigits = maximum, .min = 0,
                             .max = std::numeric_limits<int64_t>::max()});
}

// "YYYY-MM-DDTHH:MM:SS.mmmZ" and nothing else.
std::optional<SystemTime> ParseTime(std::string_view text) {
    if (text.size() != 24) return std::nullopt;
    constexpr std::pair<size_t, char> kPunctuation[] = {{4, '-'},  {7, '-'},  {10, 'T'}, {13, ':'},
                                                         {16, ':'}, {19, '.'}, {23, 'Z'}};
    for (const auto& [at, c] : kPunctuation) {
        if (text[at] != c) return std::nullopt;
    }
    const auto year = Digits(text.substr(0, 4), 4, 4);
    const auto month = Digits(text.substr(5, 2), 2, 2);
    const auto day = Digits(text.substr(8, 2), 2, 2);
    const auto hour = Digits(text.substr(11, 2), 2, 2);
    const auto minute = Digits(text.substr(14, 2), 2, 2);
    const auto second = Digits(text.substr(17, 2), 2, 2);
    const auto milliseconds = Digits(text.substr(20, 3), 3, 3);
    if (!year || !month || !day || !hour || !minute || !second || !milliseconds) return std::nullopt;
    if (*year < kFirstYear || *month > 12 || *day > 31 || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    SystemTime time;
    time.year = static_cast<int32_t>(*year);
    time.month = static_cast<uint8_t>(*month);
    time.day = static_cast<uint8_t>(*day);
    time.hour = static_cast<uint8_t>(*hour);
    time.minute = static_cast<uint8_t>(*minute);
    time.second = static_cast<uint8_t>(*second);
    time.milliseconds = static_cast<uint16_t>(*milliseconds);
    if (!IsValidSystemTime(time)) return std::nullopt;
    return FromMilliseconds(ToMilliseconds(time));
}

}  // namespace

std::string ClockSettingArguments(const SystemTime& utc, int64_t ticks) {
    return std::string(kClockSettingOption) + " " + FormatSystemTime(utc) + " " + std::to_string(ticks);
}

bool IsClockSettingCommand(const std::vector<std::string>& arguments) {
    return !arguments.empty() && arguments.front() == kClockSettingOption;
}

std::optional<ClockSettingRequest> ParseClockSettingArguments(const std::vector<std::string>& arguments) {
    if (arguments.size() != 3 || arguments[0] != kClockSettingOption) return std::nullopt;
    const std::optional<SystemTime> utc = ParseTime(arguments[1]);
    const std::optional<int64_t> ticks = Digits(arguments[2], 1, 19);
    if (!utc || !ticks) return std::nullopt;
    return ClockSettingRequest{*utc, *ticks};
}

std::optional<SystemTime> ClockSettingTarget(const ClockSettingRequest& request, int64_t nowTicks,
                                             int64_t ticksPerSecond) {
    if (ticksPerSecond <= 0 || nowTicks < request.ticks) return std::nullopt;
    const int64_t elapsed = nowTicks - request.ticks;
    // In two steps, so that a fast counter cannot overflow.
    const int64_t elapsedMs = elapsed / ticksPerSecond * 1000 + elapsed % ticksPerSecond * 1000 / ticksPerSecond;
    if (elapsedMs > kClockSetMaxDelayMs) return std::nullopt;
    return AddMilliseconds(request.utc, elapsedMs);
}

}  // namespace zenka
