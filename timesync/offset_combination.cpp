#include "timesync/offset_combination.h"

#include <algorithm>

#include "timesync/sync_reasons.h"

namespace zenka {

CombinedOffset CombineOffsets(const std::vector<ServerMeasurement>& servers) {
    CombinedOffset combined;
    std::vector<Micros> offsets;
    for (const ServerMeasurement& server : servers) {
        if (server.measured) offsets.push_back(server.offset);
    }
    if (offsets.empty()) {
        if (servers.empty()) {
            combined.reason = sync_reason::kNoServer;
        } else {
            combined.reason = servers.size() == 1 ? servers[0].reason : sync_reason::kNoServerAnswered;
        }
        return combined;
    }
    std::sort(offsets.begin(), offsets.end());
    const size_t middle = offsets.size() / 2;
    const Micros median =
        offsets.size() % 2 == 1 ? offsets[middle] : offsets[middle - 1] + (offsets[middle] - offsets[middle - 1]) / 2;

    Micros offsetSum{0};
    Micros boundSum{0};
    for (size_t i = 0; i < servers.size(); ++i) {
        const ServerMeasurement& server = servers[i];
        if (!server.measured || std::chrono::abs(server.offset - median) > kAgreementMargin) continue;
        combined.used.push_back(i);
        offsetSum += server.offset;
        boundSum += server.bound;
    }
    const auto agreeing = static_cast<int64_t>(combined.used.size());
    if (combined.used.size() * 2 < offsets.size()) {
        combined.reason = sync_reason::TooFewAgree(combined.used.size(), offsets.size());
        combined.used.clear();
        return combined;
    }
    combined.found = true;
    combined.offset = offsetSum / agreeing;
    combined.bound = (boundSum + Micros(agreeing - 1)) / agreeing;
    return combined;
}

SystemTime ClockSettingTime(LocalMoment atSetting, Micros offset, int32_t adjustmentTenths) {
    return ToSystemTime(atSetting + offset + Micros(int64_t{adjustmentTenths} * 100'000));
}

}  // namespace zenka
