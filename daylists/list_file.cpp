#include "daylists/list_file.h"

#include "common/cp932.h"

namespace zenka {

std::vector<std::string> SplitListFileLines(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        // No trail byte of code page 932 is a CR or LF, so the bytes can be
        // split before they are converted.
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        lines.push_back(Cp932ToUtf8(bytes.substr(start, end - start)));
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

}  // namespace zenka
