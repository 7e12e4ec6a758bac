// Colour texts as the settings keep them: any text reads as a colour or
// none, and a colour writes back as text that reads the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/color_text.h"
#include "fuzz/fuzz_check.h"

using namespace zenka;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto color = TextToColor(text)) {
        FUZZ_CHECK((*color >> 24) == 0);
        FUZZ_CHECK(TextToColor(ColorToText(*color)) == color);
    }
    if (size >= 3) {
        const Color any = static_cast<Color>(data[0] | (data[1] << 8) | (data[2] << 16));
        FUZZ_CHECK(TextToColor(ColorToText(any)) == any);
    }
    return 0;
}
