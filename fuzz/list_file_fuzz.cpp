// List files as a user may hand them over: any bytes. The lines read from
// them save and read back the same, whatever their encoding was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "daylists/list_file.h"
#include "daylists/list_file_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto raw = zenka::SplitListFileLines(bytes);
    const zenka::DecodedListFile file = zenka::DecodeListFile(bytes);
    if (file.lines.size() > raw.size() + 1) std::abort();
    for (size_t line : file.unreadableLines) {
        if (line == 0 || line > file.lines.size()) std::abort();
    }
    const zenka::DecodedListFile again = zenka::DecodeListFile(zenka::EncodeListFile(file.lines));
    if (again.lines != file.lines || !again.unreadableLines.empty()) std::abort();
    return 0;
}
