// The measuring mode of zenka.exe: "zenka.exe --measure-clock [URL ...]"
// measures this computer's clock against the servers named, or against
// those of the settings when none is named, prints a line for each server
// and one for the result on the console it was started from, and never
// sets the clock.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "timesync/clock_measurement.h"

namespace zenka {

inline constexpr std::string_view kMeasureClockOption = "--measure-clock";

// Exit codes: a result was found, or not.
inline constexpr int kMeasureClockFound = 0;
inline constexpr int kMeasureClockFailed = 1;

// True when the command line (the arguments after the program's name)
// starts with the option.
bool IsMeasureClockCommand(const std::vector<std::string>& arguments);

// The URLs after the option; empty when none is named.
std::vector<std::string> MeasureClockServers(const std::vector<std::string>& arguments);

int MeasureClockExitCode(const ClockMeasurement& measurement);

}  // namespace zenka
