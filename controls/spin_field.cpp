#include "controls/spin_field.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "calendar/number_text.h"

namespace zenka {
namespace {

// A sign and decimal digits, nothing else; numbers too large for 64 bits
// stop at its ends, which lie beyond every range.
std::optional<int64_t> ParseSaturating(std::string_view text) {
    return ReadNumber(text, {.signs = "+-", .min = std::numeric_limits<int64_t>::min(),
                             .max = std::numeric_limits<int64_t>::max(), .saturate = true});
}

}  // namespace

int32_t SpinRange::Clamp(int64_t value) const {
    if (Unbounded()) {
        return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                        std::numeric_limits<int32_t>::max()));
    }
    return static_cast<int32_t>(std::clamp<int64_t>(value, min, max));
}

bool SpinAcceptsChar(char32_t c, char32_t decimalSeparator) {
    return (c >= U'0' && c <= U'9') || c == U'+' || c == U'-' || c == decimalSeparator;
}

int32_t SpinValue(std::string_view text, const SpinRange& range) {
    const std::optional<int64_t> number = ParseSaturating(text);
    return range.Clamp(number.value_or(range.min));
}

std::string SpinTextOnExit(std::string_view text, const SpinRange& range) {
    const std::optional<int64_t> number = ParseSaturating(text);
    if (number && range.Clamp(*number) == *number) return std::string(text);
    return std::to_string(SpinValue(text, range));
}

int32_t SpinStep(std::string_view text, const SpinRange& range, int32_t delta) {
    return range.Clamp(static_cast<int64_t>(SpinValue(text, range)) + delta);
}

}  // namespace zenka
