// Whole numbers written as text. Every place that reads one (day rules,
// settings, list counts, dates as typed, the Date header, the clock-setting
// helper's arguments, the proxy's port, number fields, key names, colours)
// reads it here, each with its own rules of what it accepts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace zenka {

// How a field writes its number. The text holds the number and nothing
// else: no blanks, no prefix, no separators.
struct NumberForm {
    // The characters that may stand before the digits as their sign, at
    // most one of them: "" (none), "-" or "+-".
    std::string_view signs = "";
    // How many digits, leading zeros counted.
    size_t minDigits = 1;
    size_t maxDigits = std::numeric_limits<size_t>::max();
    // false: a number of two or more digits may not start with 0.
    bool leadingZeros = true;
    // 10, or 16 for the digits 0-9, a-f and A-F.
    int base = 10;
    // The values taken. A number beyond them is none, or with saturate the
    // nearer of the two.
    int64_t min = std::numeric_limits<int32_t>::min();
    int64_t max = std::numeric_limits<int32_t>::max();
    bool saturate = false;
};

// The number the text stands for in that form; nothing where it is none.
std::optional<int64_t> ReadNumber(std::string_view text, const NumberForm& form);

// The usual form: an optional '+' or '-' and decimal digits within 32 bits.
std::optional<int32_t> ParseDecimal(std::string_view text);

}  // namespace zenka
