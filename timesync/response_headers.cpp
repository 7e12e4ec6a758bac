#include "timesync/response_headers.h"

namespace zenka {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (IsBlank(text.front()) || text.front() == '\r')) text.remove_prefix(1);
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

bool IsDateName(std::string_view name) {
    constexpr std::string_view kDate = "date";
    if (name.size() != kDate.size()) return false;
    for (size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != kDate[i]) return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> DateHeaderValues(std::string_view rawHeaders) {
    std::vector<std::string> dates;
    bool continuesDate = false;  // the line before was a Date header
    bool statusLine = true;
    while (!rawHeaders.empty()) {
        const size_t end = rawHeaders.find('\n');
        const std::string_view line = rawHeaders.substr(0, end);
        rawHeaders.remove_prefix(end == std::string_view::npos ? rawHeaders.size() : end + 1);
        if (statusLine) {
            statusLine = false;
            continue;
        }
        if (!line.empty() && IsBlank(line.front())) {
            if (continuesDate) {
                const std::string_view more = Trimmed(line);
                if (!more.empty()) dates.back() += (dates.back().empty() ? "" : " ") + std::string(more);
            }
            continue;
        }
        const size_t colon = line.find(':');
        continuesDate = colon != std::string_view::npos && IsDateName(line.substr(0, colon));
        if (continuesDate) dates.emplace_back(Trimmed(line.substr(colon + 1)));
    }
    return dates;
}

}  // namespace zenka
