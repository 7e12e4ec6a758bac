#include "calendar/tolerant_day_kind.h"

#include <optional>

namespace zenka {

namespace {


DayList& ListOf(DayRuleSet& rules, DayListKind kind) {
    switch (kind) {
        case DayListKind::Yotei: return rules.YoteiDayList;
        case DayListKind::Special: return rules.SpecialDayList;
        case DayListKind::Holiday: break;
    }
    return rules.HolidayList;
}

size_t LineCount(const DayRuleSet& rules) {
    return rules.HolidayList.Lines().size() + rules.SpecialDayList.Lines().size() + rules.YoteiDayList.Lines().size();
}

}  // namespace

TolerantDayKind ClassifyTolerantly(const DayRuleSet& rules, int32_t y, uint8_t m, uint8_t d) {
    TolerantDayKind kind;
    // The lists are copied only once a bad line turns up. In the copy the bad
    // line becomes empty, which never matches and keeps the later lines'
    // numbers as the user sees them.
    std::optional<DayRuleSet> mended;
    // Each round blanks one more line, so the lines bound the rounds.
    for (size_t round = 0; round <= LineCount(rules); ++round) {
        const DayRuleSet& current = mended ? *mended : rules;
        try {
            kind.font = GetDayFont(current, y, m, d);
            kind.names = GetDayNames(current, y, m, d);
            return kind;
        } catch (const EDayRuleError& e) {
            kind.badLines.push_back(e);
            if (!mended) mended = rules;
            DayList& list = ListOf(*mended, e.list);
            std::vector<std::string> lines = list.Lines();
            lines.at(e.lineIndex).clear();
            list.Assign(std::move(lines));
        }
    }
    // Unreachable: a blank line cannot raise. Should it happen anyway, the
    // day is shown as an ordinary one rather than not at all.
    kind.font = kFontWeekday;
    kind.names.clear();
    return kind;
}

std::string DescribeBadLine(const EDayRuleError& error) {
    return std::string(DayListName(error.list)) + "リストの " + std::to_string(error.lineIndex + 1) + " 行目 \"" +
           error.line + "\": " + error.what();
}

}  // namespace zenka
