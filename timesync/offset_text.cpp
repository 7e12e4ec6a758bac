#include "timesync/offset_text.h"

#include <cstdio>

namespace zenka {
namespace {

// Milliseconds as seconds with three decimals, the sign when asked for.
std::string SecondsText(std::chrono::milliseconds milliseconds, bool withSign) {
    const long long count = milliseconds.count();
    const unsigned long long size = count < 0 ? 0ULL - static_cast<unsigned long long>(count) : count;
    char text[40];
    std::snprintf(text, sizeof text, "%s%llu.%03llu", withSign ? (count < 0 ? "-" : "+") : "", size / 1000,
                  size % 1000);
    return text;
}

std::string OffsetSeconds(Micros offset) { return SecondsText(std::chrono::round<std::chrono::milliseconds>(offset), true); }
std::string BoundSeconds(Micros bound) { return SecondsText(std::chrono::ceil<std::chrono::milliseconds>(bound), false); }

}  // namespace

std::string OffsetWithBoundText(Micros offset, Micros bound) {
    return "時計のずれ " + OffsetSeconds(offset) + " 秒 (±" + BoundSeconds(bound) + " 秒)";
}

std::string OffsetLine(Micros offset, Micros bound) {
    return "offset=" + OffsetSeconds(offset) + " bound=" + BoundSeconds(bound);
}

std::vector<std::string> MeasurementLines(const ClockMeasurement& measurement) {
    std::vector<std::string> lines;
    for (const ServerMeasurement& server : measurement.servers) {
        lines.push_back(server.server + " " +
                        (server.measured ? OffsetLine(server.offset, server.bound) : "失敗: " + server.reason));
    }
    const CombinedOffset& combined = measurement.combined;
    lines.push_back(combined.found ? OffsetLine(combined.offset, combined.bound) : "失敗: " + combined.reason);
    return lines;
}

}  // namespace zenka
