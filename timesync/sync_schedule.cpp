#include "timesync/sync_schedule.h"

#include <algorithm>

namespace zenka {

int32_t ClampSyncInterval(int32_t minutes) { return std::clamp(minutes, kMinSyncInterval, kMaxSyncInterval); }

SyncTimerSetting SyncTimerFor(const AppSettings::Sync& sync) {
    // 10000 minutes are 600,000,000 ms: within 32 bits, but not its
    // product in 32-bit arithmetic before the clamp.
    const int64_t milliseconds = int64_t{ClampSyncInterval(sync.oki)} * 60'000;
    return {sync.teiki && !sync.oneday, static_cast<uint32_t>(milliseconds)};
}

void SyncSchedule::ApplySyncSchedule(const AppSettings::Sync& sync) {
    const SyncTimerSetting wanted = SyncTimerFor(sync);
    if (!wanted.enabled) {
        if (current_.enabled) tmrOki_.Stop();
    } else if (!current_.enabled || current_.intervalMs != wanted.intervalMs) {
        tmrOki_.Start(wanted.intervalMs);
    }
    current_ = wanted;
}

}  // namespace zenka
