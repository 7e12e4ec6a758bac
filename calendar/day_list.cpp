#include "calendar/day_list.h"

#include <algorithm>

namespace zenka {

std::string_view DayListName(DayListKind kind) {
    switch (kind) {
        case DayListKind::Yotei: return "予定日";
        case DayListKind::Special: return "特別日";
        case DayListKind::Holiday: return "休日";
    }
    return {};
}

EDayRuleError::EDayRuleError(const EConvertError& cause, DayListKind list, size_t lineIndex, std::string line)
    : EConvertError(cause.what()), list(list), lineIndex(lineIndex), line(std::move(line)) {}

DayList::DayList(DayListKind kind, std::vector<std::string> lines) : kind_(kind) { Assign(std::move(lines)); }

void DayList::Assign(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    rules_.clear();
    rules_.reserve(lines_.size());
    for (auto& bucket : byMonth_) bucket = {};
    const auto file = [this](int month, uint32_t index, const DayRule::YearSpan& years) {
        MonthLines& bucket = byMonth_[month];
        if (years.first == years.last) {
            bucket.oneYear.push_back({years.first, index});
        } else {
            bucket.spans.push_back({index, years});
        }
    };
    for (size_t i = 0; i < lines_.size(); ++i) {
        rules_.emplace_back(lines_[i]);
        const DayRule::MonthField month = rules_.back().Month();
        if (!month.present) continue;
        const auto index = static_cast<uint32_t>(i);
        const DayRule::YearSpan years = rules_.back().Years();
        if (!month.isNumber) {
            for (int m = 1; m <= 12; ++m) file(m, index, years);
        } else if (month.value >= 1 && month.value <= 12) {
            file(month.value, index, years);
        }
    }
    for (MonthLines& bucket : byMonth_) std::sort(bucket.oneYear.begin(), bucket.oneYear.end());
}

void DayList::ForEachMatch(int32_t year, uint8_t month, uint8_t day,
                           const std::function<void(size_t, const std::string&)>& onMatch) const {
    const auto visit = [&](size_t i) {
        bool matches = false;
        try {
            matches = rules_[i].Matches(year, month, day);
        } catch (const EConvertError& e) {
            throw EDayRuleError(e, kind_, i, lines_[i]);
        }
        if (matches) onMatch(i, rules_[i].Name());
    };
    if (month >= 1 && month <= 12) {
        const MonthLines& lines = byMonth_[month];
        auto span = lines.spans.begin();
        auto one = std::lower_bound(lines.oneYear.begin(), lines.oneYear.end(), OneYearLine{year, 0});
        for (;;) {
            while (span != lines.spans.end() && (year < span->years.first || year > span->years.last)) ++span;
            const bool oneLeft = one != lines.oneYear.end() && one->year == year;
            if (span == lines.spans.end() && !oneLeft) break;
            if (!oneLeft || (span != lines.spans.end() && span->index < one->index)) {
                visit((span++)->index);
            } else {
                visit((one++)->index);
            }
        }
    } else {
        // Not a date the calendar produces: look at every line.
        for (size_t i = 0; i < rules_.size(); ++i) visit(i);
    }
}

bool DayList::AnyMatch(int32_t year, uint8_t month, uint8_t day) const {
    bool any = false;
    ForEachMatch(year, month, day, [&any](size_t, const std::string&) { any = true; });
    return any;
}

}  // namespace zenka
