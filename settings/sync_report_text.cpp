#include "settings/sync_report_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "timesync/offset_text.h"

namespace zenka {
namespace {

std::string TimeText(const DateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", static_cast<int>(t.year), t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

}  // namespace

std::string OffsetText(double seconds) {
    const long long tenths = std::llround(seconds * 10);
    const long long size = std::llabs(tenths);
    return (tenths < 0 ? "-" : "+") + std::to_string(size / 10) + "." + std::to_string(size % 10) + " 秒";
}

std::string SyncReportText(const std::optional<SyncReport>& report) {
    if (!report) return "まだ時刻合わせをしていません。";
    std::string text = TimeText(report->finishedAt) + (report->succeeded ? "　成功" : "　失敗");
    std::string details;
    if (report->offsetSeconds && report->boundSeconds) {
        details = OffsetWithBoundText(Micros(std::llround(*report->offsetSeconds * 1e6)),
                                      Micros(std::llround(*report->boundSeconds * 1e6)));
    } else if (report->offsetSeconds) {
        details = "時計のずれ " + OffsetText(*report->offsetSeconds);
    }
    if (!report->succeeded && !report->reason.empty()) {
        if (!details.empty()) details += "　";
        details += report->reason;
    }
    if (!details.empty()) text += "\r\n" + details;
    if (!report->servers.empty()) {
        text += "\r\nサーバー:";
        for (const std::string& server : report->servers) text += " " + server;
    }
    return text;
}

std::string MeasuredText(const ClockMeasurement& measurement) {
    const CombinedOffset& combined = measurement.combined;
    if (!combined.found) return "測定できませんでした: " + combined.reason;
    return OffsetWithBoundText(combined.offset, combined.bound);
}

}  // namespace zenka
