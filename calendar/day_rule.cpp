#include "calendar/day_rule.h"

#include "calendar/julius.h"
#include "calendar/number_text.h"

namespace zenka {

int32_t StrToInt(std::string_view text) {
    if (const auto value = ParseDecimal(text)) return *value;
    throw EConvertError("'" + std::string(text) + "' は有効な整数ではありません");
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (;;) {
        const size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
}

DayRule::DayRule(std::string_view line) {
    const auto fields = SplitFields(line);
    fieldCount_ = fields.size();
    if (fieldCount_ < 3 || fieldCount_ > 6) return;
    for (size_t i = 0; i + 1 < fieldCount_; ++i) {
        Number& n = numbers_[i];
        n.text = fields[i];
        const std::optional<int32_t> value = ParseDecimal(n.text);
        n.ok = value.has_value();
        n.value = value.value_or(0);
    }
    name_ = fields.back();
}

int32_t DayRule::Read(size_t field) const {
    const Number& n = numbers_[field];
    if (!n.ok) StrToInt(n.text);  // raises the conversion error for this field
    return n.value;
}

uint8_t DayRule::NthWeekday(int32_t year, uint8_t month, size_t nField, size_t weekdayField) const {
    const int32_t weekday = Read(weekdayField);
    const int32_t firstWeekday = JuliusDayOfWeek(DateToJulius(year, month, 1));
    // 32-bit wrap-around as in the original arithmetic; only the low 8 bits survive.
    const auto offset = static_cast<int32_t>(static_cast<uint32_t>(weekday) + 7u - static_cast<uint32_t>(firstWeekday));
    const uint32_t n = static_cast<uint32_t>(Read(nField));
    return static_cast<uint8_t>(1u + static_cast<uint32_t>(offset % 7) + 7u * (n - 1u));
}

DayRule::MonthDay DayRule::ResolveMonthDay(int32_t year, uint8_t requested) const {
    const auto asked = [requested](int32_t month) { return requested == 0 || month == requested; };
    MonthDay out;
    switch (fieldCount_) {
        case 3:
        case 4: {
            const int32_t month = Read(0);
            if (!asked(month)) return out;
            const auto resolved = static_cast<uint8_t>(month);
            out.day = fieldCount_ == 3 ? static_cast<uint8_t>(Read(1)) : NthWeekday(year, resolved, 1, 2);
            out.month = resolved;
            out.applies = true;
            return out;
        }
        case 5:
        case 6: {
            const int32_t month = Read(2);
            if (!asked(month)) return out;
            const int32_t mode = Read(1);
            if (mode == kOnlyThatYear || mode == kThatYearAndEarlier || mode == kThatYearAndLater) {
                const int32_t ruleYear = Read(0);
                if (mode == kOnlyThatYear && year != ruleYear) return out;
                if (mode == kThatYearAndEarlier && year > ruleYear) return out;
                if (mode == kThatYearAndLater && year < ruleYear) return out;
            }
            const auto resolved = static_cast<uint8_t>(month);
            out.day = fieldCount_ == 5 ? static_cast<uint8_t>(Read(3)) : NthWeekday(year, resolved, 3, 4);
            out.month = resolved;
            out.applies = true;
            return out;
        }
        default:
            return out;
    }
}

DayRuleResolution DayRule::Resolve(int32_t year, uint8_t requestedMonth) const {
    const MonthDay md = ResolveMonthDay(year, requestedMonth);
    DayRuleResolution out;
    out.month = md.month;
    out.day = md.day;
    if (md.applies) out.name = name_;
    return out;
}

bool DayRule::Matches(int32_t year, uint8_t month, uint8_t day) const {
    const MonthDay md = ResolveMonthDay(year, month);
    return md.applies && md.month == month && md.day == day;
}

DayRule::MonthField DayRule::Month() const {
    MonthField field;
    if (fieldCount_ < 3 || fieldCount_ > 6) return field;
    const Number& n = numbers_[fieldCount_ <= 4 ? 0 : 2];
    field.present = true;
    field.isNumber = n.ok;
    field.value = n.value;
    return field;
}

DayRule::YearSpan DayRule::Years() const {
    if (fieldCount_ != 5 && fieldCount_ != 6) return {};
    // A field that is no number raises when it is read, so the line must be
    // looked at whatever the year.
    const Number& year = numbers_[0];
    const Number& mode = numbers_[1];
    const Number& month = numbers_[2];
    if (!month.ok || !mode.ok || !year.ok) return {};
    switch (mode.value) {
        case kOnlyThatYear: return {year.value, year.value};
        case kThatYearAndEarlier: return {INT32_MIN, year.value};
        case kThatYearAndLater: return {year.value, INT32_MAX};
        default: return {};
    }
}

std::optional<std::string> DayRule::FirstBadField() const {
    if (fieldCount_ < 3 || fieldCount_ > 6) return std::nullopt;
    std::vector<size_t> order;
    switch (fieldCount_) {
        case 3: order = {0, 1}; break;
        case 4: order = {0, 2, 1}; break;
        default: {
            order = {2, 1};
            if (numbers_[1].ok && numbers_[1].value >= 0 && numbers_[1].value <= 2) order.push_back(0);
            if (fieldCount_ == 5) {
                order.push_back(3);
            } else {
                order.insert(order.end(), {4, 3});
            }
        }
    }
    for (size_t i : order) {
        if (!numbers_[i].ok) return numbers_[i].text;
    }
    return std::nullopt;
}

DayRuleResolution ParseDayRule(std::string_view line, int32_t year, uint8_t requestedMonth) {
    return DayRule(line).Resolve(year, requestedMonth);
}

}  // namespace zenka
