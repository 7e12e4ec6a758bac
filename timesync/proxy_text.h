// The proxy setting's text, "host:port". Blank means a direct connection;
// anything else must cut into exactly two pieces at ":", the host taken as
// it stands and the port a decimal number.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zenka {

struct ProxyAddress {
    std::string host;
    uint16_t port = 0;
    bool operator==(const ProxyAddress&) const = default;
};

struct ProxyChoice {
    enum class Kind { Direct, Proxy, Invalid };
    Kind kind = Kind::Direct;
    ProxyAddress address;  // for Kind::Proxy
    bool operator==(const ProxyChoice&) const = default;
};

// Blank: only characters up to 32. The port must be 1..65535 and the host
// must not be empty, or the text is Invalid.
ProxyChoice ParseProxyText(std::string_view text);

}  // namespace zenka
