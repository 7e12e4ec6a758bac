// The time synchronisation tab's account of the last attempt.
#pragma once

#include <optional>
#include <string>

#include "timesync/clock_measurement.h"
#include "timesync/sync_report.h"

namespace zenka {

// Up to three lines: when the attempt ended and whether it succeeded; how
// far the clock was off (to the millisecond with its bound, when that is
// known), and for a failure why; the servers whose time was used. Before
// the first attempt, one line saying there was none.
std::string SyncReportText(const std::optional<SyncReport>& report);

// What the tab's measuring button found: "時計のずれ +0.734 秒 (±0.008 秒)",
// or "測定できませんでした: " and why.
std::string MeasuredText(const ClockMeasurement& measurement);
inline constexpr char kMeasuringText[] = "測定しています…";

// "+1.2 秒": the server's time minus the clock's, rounded to tenths.
std::string OffsetText(double seconds);

}  // namespace zenka
