// The rules of a number field with up and down arrows (a spin field):
// which characters may be typed, what number a text stands for, and what
// the field shows when the focus leaves it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zenka {

struct SpinRange {
    int32_t min = 0;
    int32_t max = 0;
    // Both limits 0: any number the setting can hold.
    bool Unbounded() const { return min == 0 && max == 0; }
    int32_t Clamp(int64_t value) const;

    bool operator==(const SpinRange&) const = default;
};

// Digits, the plus and minus signs and the decimal separator; every other
// character typed into the field is refused.
bool SpinAcceptsChar(char32_t c, char32_t decimalSeparator);

// The number the text stands for: a decimal integer with an optional sign,
// brought into the range; text that is no such number stands for the
// minimum.
int32_t SpinValue(std::string_view text, const SpinRange& range);

// What the field shows once the focus has left it: the text as typed when
// it is a number within the range, otherwise the number it stands for.
std::string SpinTextOnExit(std::string_view text, const SpinRange& range);

// The number after one press of an arrow (+1 up, -1 down), within the range.
int32_t SpinStep(std::string_view text, const SpinRange& range, int32_t delta);

}  // namespace zenka
