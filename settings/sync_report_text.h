// The time synchronisation tab's account of the last attempt.
#pragma once

#include <optional>
#include <string>

#include "timesync/sync_report.h"

namespace zenka {

// Two lines: when the attempt ended and whether it succeeded; then how far
// the clock was off (to the millisecond with its bound, when that is
// known), and for a failure why. Before the first attempt, one
// line saying there was none.
std::string SyncReportText(const std::optional<SyncReport>& report);

// "+1.2 秒": the server's time minus the clock's, rounded to tenths.
std::string OffsetText(double seconds);

}  // namespace zenka
