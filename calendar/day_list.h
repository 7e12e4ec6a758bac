// An ordered list of day rule lines, kept ready for evaluation.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/day_rule.h"

namespace zenka {

enum class DayListKind { Yotei, Special, Holiday };

// "予定日", "特別日", "休日": the names users know the lists by.
std::string_view DayListName(DayListKind kind);

// A malformed line of a list, met while evaluating a date. what() is the
// conversion error of the field; list and line say where it stands.
class EDayRuleError : public EConvertError {
public:
    EDayRuleError(const EConvertError& cause, DayListKind list, size_t lineIndex, std::string line);
    DayListKind list;
    size_t lineIndex;  // 0-based
    std::string line;
};

class DayList {
public:
    explicit DayList(DayListKind kind, std::vector<std::string> lines = {});

    DayListKind Kind() const { return kind_; }
    const std::vector<std::string>& Lines() const { return lines_; }
    void Assign(std::vector<std::string> lines);

    // Calls onMatch(line index, name) for every line matching the date, in
    // list order; raises EDayRuleError where a line cannot be read.
    void ForEachMatch(int32_t year, uint8_t month, uint8_t day,
                      const std::function<void(size_t, const std::string&)>& onMatch) const;
    bool AnyMatch(int32_t year, uint8_t month, uint8_t day) const;

private:
    DayListKind kind_;
    std::vector<std::string> lines_;
    std::vector<DayRule> rules_;
    // Per month 1..12, the lines that a query of that month must look at:
    // those naming the month and those whose month field is not a number
    // (they raise whenever asked). The lines for one year only are kept by
    // year, to be found by a search, the others in list order with the
    // years they can apply in; a query visits both in list order. So a long
    // list of single years costs a query little more than its lines of that
    // year.
    struct SpanLine {
        uint32_t index;
        DayRule::YearSpan years;
    };
    struct OneYearLine {
        int32_t year;
        uint32_t index;
        friend auto operator<=>(const OneYearLine&, const OneYearLine&) = default;
    };
    struct MonthLines {
        std::vector<SpanLine> spans;
        std::vector<OneYearLine> oneYear;  // by year, then index
    };
    std::array<MonthLines, 13> byMonth_;
};

}  // namespace zenka
