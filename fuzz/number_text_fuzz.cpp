// Numbers as text in every form a caller gives: the reader answers what a
// plain reading with far wider integers answers, for every text.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "calendar/number_text.h"
#include "fuzz/fuzz_check.h"

namespace {

using zenka::NumberForm;

// The same rules read the slow way: digits into a 128-bit number, which
// stops growing far beyond 64 bits.
std::optional<int64_t> Expected(std::string_view text, const NumberForm& form) {
    bool negative = false;
    if (!text.empty() && form.signs.find(text.front()) != std::string_view::npos) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.size() < form.minDigits || text.size() > form.maxDigits) return std::nullopt;
    if (!form.leadingZeros && text.size() > 1 && text.front() == '0') return std::nullopt;
    __int128 value = 0;
    const __int128 ceiling = static_cast<__int128>(1) << 100;
    for (char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (form.base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (form.base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0 || digit >= form.base) return std::nullopt;
        value = value * form.base + digit;
        if (value > ceiling) value = ceiling;
    }
    if (negative) value = -value;
    if (value < form.min) return form.saturate ? std::optional<int64_t>(form.min) : std::nullopt;
    if (value > form.max) return form.saturate ? std::optional<int64_t>(form.max) : std::nullopt;
    return static_cast<int64_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    // Three bytes choose the form, the rest is the text.
    constexpr std::string_view kSigns[] = {"", "-", "+-", "+"};
    constexpr int64_t kLimits[] = {0, 1, 24, 65535, std::numeric_limits<int32_t>::max(),
                                   std::numeric_limits<int64_t>::max()};
    NumberForm form;
    form.signs = kSigns[data[0] & 3];
    form.leadingZeros = (data[0] & 4) == 0;
    form.base = (data[0] & 8) ? 16 : 10;
    form.saturate = (data[0] & 16) != 0;
    form.minDigits = data[1] & 3;
    form.maxDigits = (data[1] >> 2) == 0 ? std::numeric_limits<size_t>::max() : data[1] >> 2;
    const int64_t high = kLimits[(data[2] & 7) % 6];
    const int64_t low = kLimits[((data[2] >> 3) & 7) % 6];
    form.max = high;
    form.min = (data[2] & 64) ? -low - ((data[2] & 128) ? 1 : 0) : 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);

    const std::optional<int64_t> value = zenka::ReadNumber(text, form);
    FUZZ_CHECK(value == Expected(text, form));
    if (value) FUZZ_CHECK(*value >= form.min && *value <= form.max);
    return 0;
}
