// How a measured offset of the clock reads, in the settings dialog and on
// the console of the measuring mode.
#pragma once

#include <string>
#include <vector>

#include "timesync/clock_measurement.h"
#include "timesync/local_moment.h"
#include "timesync/server_probing.h"

namespace zenka {

// "時計のずれ +0.734 秒 (±0.008 秒)": seconds with three decimals, the
// offset to the nearest millisecond with its sign always, the bound
// rounded up, so that it still holds.
std::string OffsetWithBoundText(Micros offset, Micros bound);

// "offset=+0.734 bound=0.008", rounded the same way.
std::string OffsetLine(Micros offset, Micros bound);

// What the measuring mode prints: a line for each server, its URL and its
// OffsetLine or "失敗: " and why; then the combined OffsetLine, or
// "失敗: " and why.
std::vector<std::string> MeasurementLines(const ClockMeasurement& measurement);

}  // namespace zenka
