#include "timesync/proxy_text.h"

#include <algorithm>

#include "calendar/number_text.h"
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
    const auto number = ReadNumber(port, {.maxDigits = 5, .min = 1, .max = 65535});
    if (host.empty() || !number) return invalid;
    return {ProxyChoice::Kind::Proxy, {host, static_cast<uint16_t>(*number)}};
}

}  // namespace zenka
