// Code page 932 to UTF-8 and back: any bytes convert; what comes out is
// well-formed; a prefix cut to a byte count never splits a character and
// never exceeds the count.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/cp932.h"
#include "fuzz/fuzz_check.h"

using namespace zenka;

namespace {

// Every character decodes whole; only a real U+FFFD decodes to U+FFFD.
bool IsWellFormedUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        size_t length = 0;
        const char32_t cp = DecodeUtf8(text, i, length);
        if (cp == 0xFFFD && text.substr(i, 3) != "\xEF\xBF\xBD") return false;
        i += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The bytes as code page 932.
    const std::string utf8 = Cp932ToUtf8(bytes);
    FUZZ_CHECK(IsWellFormedUtf8(utf8));
    const std::string back = Utf8ToCp932(utf8);
    FUZZ_CHECK(Cp932ToUtf8(back) == Cp932ToUtf8(Utf8ToCp932(Cp932ToUtf8(back))));

    // The bytes as UTF-8, possibly malformed.
    const std::string cp932 = Utf8ToCp932(bytes);
    FUZZ_CHECK(IsWellFormedUtf8(Cp932ToUtf8(cp932)));
    const size_t limit = size == 0 ? 0 : data[0] % (size + 1);
    const std::string prefix = Cp932Prefix(bytes, limit);
    FUZZ_CHECK(bytes.starts_with(prefix));
    FUZZ_CHECK(Utf8ToCp932(prefix).size() <= limit);
    FUZZ_CHECK(cp932.starts_with(Utf8ToCp932(prefix)));
    return 0;
}
