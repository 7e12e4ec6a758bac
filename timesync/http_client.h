// One HTTP GET for the time query: the URL as stored, directly or through a
// named proxy that may ask for Basic credentials, redirects not followed,
// the body read and thrown away, and the whole request ended within its
// time limit whatever the network does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "timesync/proxy_text.h"

namespace zenka {

// A server and the way to it, and what every request to it says.
struct HttpTarget {
    std::string url;
    std::optional<ProxyAddress> proxy;  // none: a direct connection
    std::string proxyUserId;  // answers a proxy's Basic challenge when not empty
    std::string proxyPassword;
    std::string userAgent;
    std::string accept;
};

struct HttpRequest : HttpTarget {
    uint32_t timeLimitMs = 20000;
};

enum class HttpError {
    None,             // a response came, whatever its status
    BadUrl,           // not an http or https URL
    NameNotResolved,  // no such host (or proxy)
    CannotConnect,    // no connection to the server (or proxy)
    Timeout,          // the time limit passed
    SecureChannel,    // the https certificate or handshake failed
    HeadersTooLarge,  // the response's headers passed the size they may have
    Cancelled,        // the program is closing
    Other,
};

struct HttpResponse {
    HttpError error = HttpError::None;
    uint32_t status = 0;  // with HttpError::None
    std::string date;     // the "Date" header's value; empty when missing
};

class HttpClient {
public:
    virtual ~HttpClient() = default;
    virtual HttpResponse Get(const HttpRequest& request) = 0;
};

}  // namespace zenka
