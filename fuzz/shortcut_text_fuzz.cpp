// Shortcut texts as the settings keep them: any text reads as a shortcut or
// none, and a shortcut read writes back as text that reads the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/shortcut_text.h"
#include "fuzz/fuzz_check.h"

using namespace zenka;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Shortcut shortcut = TextToShortcut(text);
    if (!shortcut.IsNone()) {
        FUZZ_CHECK(HasKeyName(shortcut.key));
        FUZZ_CHECK(TextToShortcut(ShortcutToText(shortcut)) == shortcut);
    }
    // The first bytes as a shortcut to write.
    if (size >= 3) {
        const Shortcut any{static_cast<uint16_t>(data[0] | (data[1] << 8)), (data[2] & 1) != 0, (data[2] & 2) != 0,
                           (data[2] & 4) != 0};
        const Shortcut read = TextToShortcut(ShortcutToText(any));
        FUZZ_CHECK(HasKeyName(any.key) ? read == any : read.IsNone());
    }
    return 0;
}
