#include "timesync/proxy_text.h"

#include <algorithm>

#include "timesync/divide.h"

namespace zenka {

ProxyChoice ParseProxyText(std::string_view text) {
    const bool blank = std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= 32; });
    if (blank) return {};

    const ProxyChoice invalid{ProxyChoice::Kind::Invalid, {}};
    const TDivide pieces(text, ':');
    if (pieces.Count() != 2) return invalid;
    const std::string& host = pieces.Items()[0];
    const std::string& port = pieces.Items()[1];
    if (host.empty() || port.empty() || port.size() > 5) return invalid;
    uint32_t number = 0;
    for (char c : port) {
        if (c < '0' || c > '9') return invalid;
        number = number * 10 + static_cast<uint32_t>(c - '0');
    }
    if (number < 1 || number > 65535) return invalid;
    return {ProxyChoice::Kind::Proxy, {host, static_cast<uint16_t>(number)}};
}

}  // namespace zenka
