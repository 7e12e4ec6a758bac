#include "timesync/measure_clock_command.h"

namespace zenka {

bool IsMeasureClockCommand(const std::vector<std::string>& arguments) {
    return !arguments.empty() && arguments[0] == kMeasureClockOption;
}

std::vector<std::string> MeasureClockServers(const std::vector<std::string>& arguments) {
    if (!IsMeasureClockCommand(arguments)) return {};
    return {arguments.begin() + 1, arguments.end()};
}

int MeasureClockExitCode(const ClockMeasurement& measurement) {
    return measurement.combined.found ? kMeasureClockFound : kMeasureClockFailed;
}

}  // namespace zenka
