// The lines of a list file: whatever the bytes, no line holds a line break,
// there are no more lines than breaks allow, and nothing after a NUL counts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "daylists/list_file.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = zenka::SplitListFileLines(bytes);
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    const auto breaks = static_cast<size_t>(std::count(text.begin(), text.end(), '\r') +
                                            std::count(text.begin(), text.end(), '\n'));
    FUZZ_CHECK(lines.size() <= breaks + 1);
    FUZZ_CHECK(text.empty() == lines.empty());
    for (const std::string& line : lines) {
        FUZZ_CHECK(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
    }
    // A file holding only what comes before its NUL reads the same.
    FUZZ_CHECK(zenka::SplitListFileLines(text) == lines);
    return 0;
}
