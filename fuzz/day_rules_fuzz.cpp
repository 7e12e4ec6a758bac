// Day rule lines as a list file may hold them, and the classification of
// the dates they name: nothing but the errors the rules define (a field that
// is no number, a date of the 1582 gap) may come out, and a line that the
// list check passes never raises.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/day_classifier.h"
#include "calendar/day_rule.h"
#include "calendar/day_walk.h"
#include "calendar/julius.h"
#include "daylists/list_file.h"
#include "fuzz/fuzz_check.h"

using namespace zenka;

namespace {

constexpr size_t kLinesClassified = 32;

// A list looks only at the lines of the month and year asked about: it
// finds what a look at every line finds and raises at the same line.
void CheckListIndex(const DayList& list, int32_t y, uint8_t m, uint8_t d) {
    std::vector<size_t> everyLine, indexed;
    std::optional<size_t> everyLineRaisedAt, indexedRaisedAt;
    for (size_t i = 0; i < list.Lines().size(); ++i) {
        try {
            if (DayRule(list.Lines()[i]).Matches(y, m, d)) everyLine.push_back(i);
        } catch (const EConvertError&) {
            everyLineRaisedAt = i;
            break;
        }
    }
    try {
        list.ForEachMatch(y, m, d, [&indexed](size_t i, const std::string&) { indexed.push_back(i); });
    } catch (const EDayRuleError& e) {
        indexedRaisedAt = e.lineIndex;
    }
    FUZZ_CHECK(everyLine == indexed);
    FUZZ_CHECK(everyLineRaisedAt == indexedRaisedAt);
}

// Classifies a date the way the grid, the tooltip and the notice do, and
// the way a walk over the days does: both give the same answer.
void Classify(const DayRuleSet& rules, int32_t y, uint8_t m, uint8_t d) {
    try {
        if (!IsSupportedYear(y) || !IsValidDate(y, m, d)) return;
    } catch (const EJuliusError&) {
        return;
    }
    CheckListIndex(rules.HolidayList, y, m, d);
    const WalkDay day = WalkDayOf(DateToJulius(y, m, d));
    bool raised = false;
    DayClassification walked;
    try {
        walked = ClassifyDay(rules, day);
    } catch (const EDayRuleError&) {
        raised = true;  // a malformed line met on the way: the caller reports it
    }
    try {
        const uint8_t flags = GetDayAttributes(rules, y, m, d);
        FUZZ_CHECK(!raised);
        FUZZ_CHECK((flags & ~0x3F) == 0);
        FUZZ_CHECK(((flags & dfSunday) != 0) == (day.weekday == 1));
        FUZZ_CHECK(((flags & dfSaturday) != 0) == (day.weekday == 7));
        FUZZ_CHECK(flags == walked.flags);
        FUZZ_CHECK(GetDayNameList(rules, y, m, d) == walked.names);
    } catch (const EDayRuleError&) {
        FUZZ_CHECK(raised);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // The first two bytes pick a year of the supported range to resolve
    // every line for; the rest is the list file.
    const int32_t span = kLastSupportedYear - kFirstSupportedYear + 1;
    const int32_t year = kFirstSupportedYear + ((data[0] << 8) | data[1]) % span;
    const std::vector<std::string> lines =
        SplitListFileLines(std::string_view(reinterpret_cast<const char*>(data) + 2, size - 2));

    DayRuleSet rules;
    rules.HolidayList.Assign(lines);
    rules.SpecialDayList.Assign(std::vector<std::string>(lines.begin(), lines.begin() + lines.size() / 2));
    rules.AutoEquinox = (data[0] & 1) != 0;
    rules.AutoFurikae = (data[1] & 1) != 0;

    for (size_t i = 0; i < lines.size() && i < kLinesClassified; ++i) {
        const DayRule rule(lines[i]);
        const bool checked = !rule.FirstBadField();
        // The chosen year, and the year a year-limited line names.
        std::vector<int32_t> years{year};
        const std::vector<std::string_view> fields = SplitFields(lines[i]);
        if (fields.size() >= 5) {
            try {
                const int32_t ruleYear = StrToInt(fields[0]);
                if (IsSupportedYear(ruleYear)) years.push_back(ruleYear);
            } catch (const EConvertError&) {
            }
        }
        // Any month, which reads every field the line has, and one month.
        const auto asked = static_cast<uint8_t>(i < size ? data[i] % 13 : 0);
        for (const int32_t y : years) {
            for (const uint8_t month : {uint8_t{0}, asked}) {
                try {
                    const DayRuleResolution r = rule.Resolve(y, month);
                    // Asked about one month, a line answers for that month or none.
                    FUZZ_CHECK(month == 0 || r.month == month || (r.month == 13 && r.day == 32));
                    if (r.month >= 1 && r.month <= 12) Classify(rules, y, r.month, r.day);
                } catch (const EConvertError&) {
                    FUZZ_CHECK(!checked);  // the list check would have named this line
                }
            }
        }
    }
    // Every day of the year's first month, as a month grid shows it.
    for (uint8_t day = 1; day <= 31; ++day) Classify(rules, year, 1, day);
    return 0;
}
