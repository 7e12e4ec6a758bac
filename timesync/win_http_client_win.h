// The time query's HTTP client on WinHTTP.
#pragma once

#include "timesync/http_client.h"

namespace zenka {

class WinHttpClient : public HttpClient {
public:
    HttpResponse Get(const HttpRequest& request) override;
};

}  // namespace zenka
