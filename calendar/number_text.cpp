#include "calendar/number_text.h"

namespace zenka {
namespace {

int DigitValue(char c, int base) {
    int value = base;
    if (c >= '0' && c <= '9') value = c - '0';
    if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

std::optional<int64_t> ReadNumber(std::string_view text, const NumberForm& form) {
    bool negative = false;
    if (!text.empty() && form.signs.find(text.front()) != std::string_view::npos) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.size() < form.minDigits || text.size() > form.maxDigits) return std::nullopt;
    if (!form.leadingZeros && text.size() > 1 && text.front() == '0') return std::nullopt;

    // The number's size, grown no further once it is beyond every value of
    // 64 bits; the digits after that are still checked.
    constexpr uint64_t kLargest = uint64_t{1} << 63;  // the size of INT64_MIN
    constexpr uint64_t kTooLarge = kLargest + 1;
    const auto base = static_cast<uint64_t>(form.base);
    uint64_t size = 0;
    for (char c : text) {
        const int digit = DigitValue(c, form.base);
        if (digit < 0) return std::nullopt;
        const auto d = static_cast<uint64_t>(digit);
        if (size != kTooLarge) size = size > (kTooLarge - d) / base ? kTooLarge : size * base + d;
    }

    const auto outside = [&form](bool low) {
        return form.saturate ? std::optional<int64_t>(low ? form.min : form.max) : std::nullopt;
    };
    if (negative ? size > kLargest : size >= kLargest) return outside(negative);
    const int64_t value = !negative          ? static_cast<int64_t>(size)
                          : size == kLargest ? INT64_MIN
                                             : -static_cast<int64_t>(size);
    if (value < form.min) return outside(true);
    if (value > form.max) return outside(false);
    return value;
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
    const std::optional<int64_t> value = ReadNumber(text, {.signs = "+-"});
    if (!value) return std::nullopt;
    return static_cast<int32_t>(*value);
}

}  // namespace zenka
