#include "calendar/old_calendar.h"

#include <algorithm>
#include <charconv>
#include <vector>

extern "C" const char kJdOldCalData[];
extern "C" const unsigned kJdOldCalSize;

namespace zenka {

namespace {

struct MonthStart {
    int32_t julius;
    uint8_t month;
};

// The table is fixed data built into the program, so it is parsed once and
// searched by bisection; the answers are those of a linear scan of its lines.
std::vector<MonthStart> ParseTable(std::string_view text) {
    std::vector<MonthStart> rows;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        pos = end + 1;
        if (line.empty()) continue;
        const size_t comma = line.find(',');
        MonthStart row{};
        int month = 0;
        std::from_chars(line.data(), line.data() + comma, row.julius);
        std::from_chars(line.data() + comma + 1, line.data() + line.size(), month);
        row.month = static_cast<uint8_t>(month);
        rows.push_back(row);
    }
    return rows;
}

const std::vector<MonthStart>& Table() {
    static const std::vector<MonthStart> table = ParseTable(JdOldCalText());
    return table;
}

constexpr std::string_view kRokuyoNames[7] = {"不明", "先勝", "友引", "先負", "仏滅", "大安", "赤口"};

}  // namespace

std::string_view JdOldCalText() { return {kJdOldCalData, kJdOldCalSize}; }

OldDate OldCalendarLookup(int32_t j) {
    const auto& table = Table();
    // The last line only closes the table: its own day is not covered.
    if (table.size() < 2 || j < table.front().julius || j >= table.back().julius) return {};
    const auto next = std::upper_bound(table.begin(), table.end(), j,
                                       [](int32_t v, const MonthStart& row) { return v < row.julius; });
    const MonthStart& start = *(next - 1);
    return {start.month, static_cast<uint8_t>(j - start.julius + 1)};
}

OldCalendarWalk::OldCalendarWalk(int32_t julius) : julius_(julius), date_(OldCalendarLookup(julius)) {
    if (date_.month == 0) return;
    const auto& table = Table();
    nextMonthStart_ = std::upper_bound(table.begin(), table.end(), julius,
                                       [](int32_t v, const MonthStart& row) { return v < row.julius; })
                          ->julius;
}

void OldCalendarWalk::Next() {
    ++julius_;
    if (date_.month != 0 && julius_ < nextMonthStart_) {
        ++date_.day;
        return;
    }
    // A new month, or a day before the table: look it up afresh.
    *this = OldCalendarWalk(julius_);
}

uint8_t RokuyoIndex(int32_t j) { return RokuyoOf(OldCalendarLookup(j)); }

uint8_t RokuyoOf(const OldDate& old) {
    if (old.month == 0) return 0;
    const int month = old.month > 100 ? old.month - 100 : old.month;
    return static_cast<uint8_t>(((month - 1) + (old.day - 1)) % 6 + 1);
}

std::string_view RokuyoNames(uint8_t index) { return index < 7 ? kRokuyoNames[index] : std::string_view{}; }

}  // namespace zenka
