// List files as a user may hand them over: any bytes. No line holds a line
// break, there are no more lines than breaks allow, nothing after a NUL
// counts, and the lines saved read back the same, whatever the encoding
// they were read in.
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
    const zenka::DecodedListFile file = zenka::DecodeListFile(bytes);
    const std::vector<std::string>& lines = file.lines;
    std::string_view text = bytes.substr(0, bytes.find('\0'));
    const auto breaks = static_cast<size_t>(std::count(text.begin(), text.end(), '\r') +
                                            std::count(text.begin(), text.end(), '\n'));
    FUZZ_CHECK(lines.size() <= breaks + 1);
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // the byte order mark is no line
    FUZZ_CHECK(text.empty() == lines.empty());
    for (const std::string& line : lines) {
        FUZZ_CHECK(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
    }
    for (size_t line : file.unreadableLines) FUZZ_CHECK(line >= 1 && line <= lines.size());
    // A file holding only what comes before its NUL reads the same.
    FUZZ_CHECK(zenka::SplitListFileLines(bytes.substr(0, bytes.find('\0'))) == lines);

    const zenka::DecodedListFile again = zenka::DecodeListFile(zenka::EncodeListFile(lines));
    FUZZ_CHECK(again.lines == lines);
    FUZZ_CHECK(again.unreadableLines.empty());
    return 0;
}
