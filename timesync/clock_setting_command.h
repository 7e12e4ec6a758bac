// The clock-setting mode of zenka.exe: "zenka.exe --set-clock <UTC time>
// <ticks>". A manual synchronisation that may not set the clock itself
// starts the program elevated in this mode. The time is the one computed
// from the server; the ticks are a reading of the system-wide monotonic
// counter taken at that moment, so the helper can add the time that passed
// until it runs (the user answering the privilege prompt, say). The mode
// does nothing else and shows no window; its exit code tells the result.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "timesync/system_time.h"

namespace zenka {

inline constexpr std::string_view kClockSettingOption = "--set-clock";

// Exit codes. Success has a code of its own, so that nothing else (a
// crash, a cancelled prompt, an older program without the mode) passes for
// it.
inline constexpr int kClockSetSucceeded = 0x5A53;
inline constexpr int kClockSetBadArguments = 2;
inline constexpr int kClockSetTooLate = 3;
inline constexpr int kClockSetRefused = 4;

// The helper sets nothing when more than this has passed since the
// reading, or when the reading lies in the future.
inline constexpr int64_t kClockSetMaxDelayMs = 5 * 60 * 1000;

struct ClockSettingRequest {
    SystemTime utc;
    int64_t ticks = 0;
    bool operator==(const ClockSettingRequest&) const = default;
};

// The arguments after the program's name: the option, the time as
// "2026-01-05T08:49:37.500Z" and the ticks in decimal.
std::string ClockSettingArguments(const SystemTime& utc, int64_t ticks);

// True when the command line (the arguments after the program's name)
// asks for the clock-setting mode, well formed or not.
bool IsClockSettingCommand(const std::vector<std::string>& arguments);

// Exactly the option, a valid time of the form above from the year 1601
// on, and ticks of 1 to 19 digits; anything else is nothing.
std::optional<ClockSettingRequest> ParseClockSettingArguments(const std::vector<std::string>& arguments);

// The time to set now: the request's time plus what passed since its
// reading, given the counter now and its ticks per second. Nothing when the
// reading is in the future or older than kClockSetMaxDelayMs.
std::optional<SystemTime> ClockSettingTarget(const ClockSettingRequest& request, int64_t nowTicks,
                                             int64_t ticksPerSecond);

}  // namespace zenka
