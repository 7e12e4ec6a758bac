// Day rule lines: "month,day,name", "month,n,weekday,name",
// "year,mode,month,day,name" and "year,mode,month,n,weekday,name".
#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zenka {

// A field that should hold a whole decimal number does not.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Strict conversion: an optional sign and decimal digits within 32 bits,
// nothing else (no blanks, no prefixes), as ParseDecimal reads them; raises
// EConvertError otherwise.
int32_t StrToInt(std::string_view text);

// Cut at every comma; an empty line is one empty field.
std::vector<std::string_view> SplitFields(std::string_view line);

// Year modes of the year-limited forms.
enum YearMode : int32_t { kOnlyThatYear = 0, kThatYearAndEarlier = 1, kThatYearAndLater = 2 };

struct DayRuleResolution {
    uint8_t month = 13;  // 13: the line does not apply
    uint8_t day = 32;    // 32: the line does not apply
    std::string name;
};

// One line, split once, its numbers converted once. Resolving reads the
// fields in the order of the rule forms, so a malformed field raises only
// when a resolution gets as far as reading it, as if the line were parsed
// afresh each time.
class DayRule {
public:
    explicit DayRule(std::string_view line);

    // requestedMonth 0 asks about any month.
    DayRuleResolution Resolve(int32_t year, uint8_t requestedMonth) const;
    bool Matches(int32_t year, uint8_t month, uint8_t day) const;
    const std::string& Name() const { return name_; }

    // The month field, the first one any resolution reads; not present when
    // the line can never match (a wrong number of fields).
    struct MonthField {
        bool present = false;
        bool isNumber = false;
        int32_t value = 0;
    };
    MonthField Month() const;

    // The years in which a resolution can apply: all of them for a line
    // without a year limit, and for one whose resolution raises before it
    // reaches the year test.
    struct YearSpan {
        int32_t first = INT32_MIN;
        int32_t last = INT32_MAX;
    };
    YearSpan Years() const;

    // The first field a full resolution of some date could fail to convert,
    // or nullopt when the line can never raise.
    std::optional<std::string> FirstBadField() const;

private:
    struct MonthDay {
        bool applies = false;
        uint8_t month = 13;
        uint8_t day = 32;
    };
    MonthDay ResolveMonthDay(int32_t year, uint8_t requestedMonth) const;

    struct Number {
        bool ok = false;
        int32_t value = 0;
        std::string text;
    };
    int32_t Read(size_t field) const;
    uint8_t NthWeekday(int32_t year, uint8_t month, size_t nField, size_t weekdayField) const;

    size_t fieldCount_ = 0;
    std::array<Number, 5> numbers_{};  // every field but the last (the name)
    std::string name_;
};

// Resolves one line afresh; see DayRule.
DayRuleResolution ParseDayRule(std::string_view line, int32_t year, uint8_t requestedMonth);

}  // namespace zenka
