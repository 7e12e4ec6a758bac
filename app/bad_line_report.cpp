#include "app/bad_line_report.h"

#include "calendar/tolerant_day_kind.h"

namespace zenka {

namespace {

constexpr char kBadLineFollowUp[] = "この行は該当しない行として扱います。";

}  // namespace

bool BadLineReport::Tell(const std::vector<EDayRuleError>& lines) {
    std::string report;
    for (const EDayRuleError& bad : lines) {
        if (!told_.emplace(static_cast<int>(bad.list), bad.line).second) continue;
        report += DescribeBadLine(bad) + "\r\n";
    }
    if (report.empty()) return false;
    errors_.ShowError(report + kBadLineFollowUp);
    return true;
}

}  // namespace zenka
