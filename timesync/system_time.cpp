#include "timesync/system_time.h"

#include <chrono>
#include <cstdio>

namespace zenka {
namespace {

using std::chrono::days;
using std::chrono::milliseconds;
using std::chrono::sys_days;

constexpr int64_t kMillisecondsPerDay = 86'400'000;

std::chrono::year_month_day DateOf(const SystemTime& time) {
    return {std::chrono::year(time.year), std::chrono::month(time.month), std::chrono::day(time.day)};
}

}  // namespace

bool IsValidSystemTime(const SystemTime& time) {
    // std::chrono::year holds -32767..32767 only.
    if (time.year < -32767 || time.year > 32767) return false;
    return DateOf(time).ok() && time.hour <= 23 && time.minute <= 59 && time.second <= 59 &&
           time.milliseconds <= 999;
}

int64_t ToMilliseconds(const SystemTime& time) {
    const int64_t dayNumber = sys_days(DateOf(time)).time_since_epoch().count();
    return dayNumber * kMillisecondsPerDay +
           ((time.hour * 60 + time.minute) * 60 + time.second) * int64_t{1000} + time.milliseconds;
}

SystemTime FromMilliseconds(int64_t count) {
    const auto moment = std::chrono::sys_time<milliseconds>(milliseconds(count));
    const sys_days date = std::chrono::floor<days>(moment);
    const std::chrono::year_month_day ymd(date);
    int64_t rest = (moment - date).count();
    SystemTime time;
    time.year = static_cast<int>(ymd.year());
    time.month = static_cast<uint8_t>(static_cast<unsigned>(ymd.month()));
    time.day = static_cast<uint8_t>(static_cast<unsigned>(ymd.day()));
    time.dayOfWeek = static_cast<uint8_t>(std::chrono::weekday(date).c_encoding());
    time.milliseconds = static_cast<uint16_t>(rest % 1000);
    rest /= 1000;
    time.second = static_cast<uint8_t>(rest % 60);
    rest /= 60;
    time.minute = static_cast<uint8_t>(rest % 60);
    time.hour = static_cast<uint8_t>(rest / 60);
    return time;
}

SystemTime AddMilliseconds(const SystemTime& time, int64_t count) {
    return FromMilliseconds(ToMilliseconds(time) + count);
}

SystemTime AddTenthsOfSecond(const SystemTime& time, int32_t tenths) {
    return AddMilliseconds(time, int64_t{tenths} * 100);
}

std::string FormatSystemTime(const SystemTime& time) {
    char text[48];
    std::snprintf(text, sizeof(text), "%04d-%02u-%02uT%02u:%02u:%02u.%03uZ", static_cast<int>(time.year),
                  static_cast<unsigned>(time.month), static_cast<unsigned>(time.day),
                  static_cast<unsigned>(time.hour), static_cast<unsigned>(time.minute),
                  static_cast<unsigned>(time.second), static_cast<unsigned>(time.milliseconds));
    return text;
}

}  // namespace zenka
