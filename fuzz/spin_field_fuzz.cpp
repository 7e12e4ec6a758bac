// Text typed or pasted into a number field: whatever it is, the field
// stands for a number within its range, what it shows on leaving stands for
// that same number, and the arrows stay within the range.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "controls/spin_field.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // The first two bytes pick a range, the rest is the text.
    const auto a = static_cast<int32_t>(static_cast<int8_t>(data[0])) * 100;
    const auto b = static_cast<int32_t>(data[1]) * 50;
    const zenka::SpinRange ranges[] = {{0, 0}, {a < b ? a : b, a < b ? b : a}};
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    for (const zenka::SpinRange& range : ranges) {
        const int32_t value = zenka::SpinValue(text, range);
        if (!range.Unbounded() && (value < range.min || value > range.max)) std::abort();
        if (zenka::SpinValue(zenka::SpinTextOnExit(text, range), range) != value) std::abort();
        for (int32_t delta : {-1, 1}) {
            const int32_t stepped = zenka::SpinStep(text, range, delta);
            if (!range.Unbounded() && (stepped < range.min || stepped > range.max)) std::abort();
        }
    }
    return 0;
}
