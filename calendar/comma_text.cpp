#include "calendar/comma_text.h"

namespace zenka {

namespace {

bool NeedsQuotes(const std::string& name) {
    for (unsigned char c : name) {
        if (c <= ' ' || c == 0x7F || c == ',' || c == '"') return true;
    }
    return false;
}

std::string Quoted(const std::string& name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

}  // namespace

std::string JoinCommaText(const std::vector<std::string>& names) {
    if (names.size() == 1 && names.front().empty()) return "\"\"";
    std::string out;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0) out += ',';
        out += NeedsQuotes(names[i]) ? Quoted(names[i]) : names[i];
    }
    return out;
}

}  // namespace zenka
