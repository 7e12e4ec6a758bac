// One offset from the measurements of several servers, and the time the
// clock is set to from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "timesync/local_moment.h"
#include "timesync/server_probing.h"
#include "timesync/system_time.h"

namespace zenka {

// Servers further than this from the median are false tickers.
inline constexpr Micros kAgreementMargin{500'000};

struct CombinedOffset {
    bool found = false;
    Micros offset{0};  // server time minus local time
    Micros bound{0};
    std::vector<size_t> used;  // the servers that agreed, by their place in the list
    std::string reason;        // when not found
};

// Of the servers measured: the median of their offsets, and the mean of
// the offsets within kAgreementMargin of it, their bound the mean of their
// bounds. Fewer than half of them agreeing is a failure that says so. When
// none was measured, the reason is the one server's own, or that none
// answered.
CombinedOffset CombineOffsets(const std::vector<ServerMeasurement>& servers);

// The time to set the clock to: the local clock's reading at the moment of
// setting, moved by the offset and the user's adjustment (tenths of a
// second), to the nearest millisecond.
SystemTime ClockSettingTime(LocalMoment atSetting, Micros offset, int32_t adjustmentTenths);

}  // namespace zenka
