#include "timesync/probe_transport.h"

#include <cstdio>

namespace zenka {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != prefix[i]) return false;
    }
    return true;
}

}  // namespace

std::string CacheDefeatingUrl(std::string_view url, uint64_t nonce) {
    size_t afterScheme = 0;
    for (std::string_view scheme : {std::string_view("http://"), std::string_view("https://")}) {
        if (StartsWithNoCase(url, scheme)) afterScheme = scheme.size();
    }
    if (afterScheme == 0) return std::string(url);
    url = url.substr(0, url.find('#'));
    const size_t pathStart = url.find_first_of("/?", afterScheme);
    if (url.find('?', afterScheme) != std::string_view::npos) return std::string(url);

    std::string result(url);
    if (pathStart == std::string_view::npos) result += '/';
    char query[32];
    std::snprintf(query, sizeof query, "?_=%llx", static_cast<unsigned long long>(nonce));
    return result + query;
}

}  // namespace zenka
