// The requests of a clock measurement: one connection to a server, kept
// open, and one small request at a time on it, each telling when it left
// and when its answer came by the measurement's own clock.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "timesync/http_client.h"
#include "timesync/local_moment.h"

namespace zenka {

enum class ProbeMethod { Head, Get };

// Sent with every request, so that no cache on the way answers in the
// server's place with a Date of its own or an old one.
inline constexpr char kNoCacheHeaders[] = "Cache-Control: no-cache\r\nPragma: no-cache\r\n";

struct ProbeRequest {
    ProbeMethod method = ProbeMethod::Head;
    // The server's URL as CacheDefeatingUrl makes it for this request;
    // always on the connection's host.
    std::string url;
    // The request ends by then, answered or not (HttpError::Timeout).
    LocalMoment deadline;
};

struct ProbeAnswer {
    HttpError error = HttpError::None;  // None: a response came, whatever its status
    uint32_t status = 0;
    // The value of every "Date" header of the response, in order.
    std::vector<std::string> dates;
    // Read from the measurement's clock just before the request was sent
    // and just after the response's headers came: the server's Date was
    // stamped in between.
    LocalMoment sent;
    LocalMoment received;
};

// One connection, used by one thread. Redirects are not followed; a body
// is read and thrown away, and the response's headers are read up to a
// size of their own (HttpError::HeadersTooLarge beyond it).
class ProbeConnection {
public:
    virtual ~ProbeConnection() = default;
    // Sends at once, with kNoCacheHeaders, and waits for the answer.
    virtual ProbeAnswer Probe(const ProbeRequest& request) = 0;
};

class ProbeTransport {
public:
    virtual ~ProbeTransport() = default;
    // A connection to target.url's server (opened by the first probe, and
    // opened again by a probe that finds it closed). Callable from several
    // threads at once, one connection for each.
    virtual std::unique_ptr<ProbeConnection> Open(const HttpTarget& target) = 0;
};

// `url` with a query of its own that changes from request to request
// (nonce, in hexadecimal), so that no cache can answer for the server:
// "http://host/" or "http://host" gives "http://host/?_=1f". A URL that
// has a query already is left as it is, since the server may need it
// exactly; a fragment is dropped, as it is never sent. Anything but an
// http or https URL is returned unchanged, for the transport to refuse.
std::string CacheDefeatingUrl(std::string_view url, uint64_t nonce);

}  // namespace zenka
