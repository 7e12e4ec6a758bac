// The time query's WinHTTP client against a server in this process: the
// time limit, a proxy asking for Basic credentials, addresses that lead
// nowhere, and https certificates. What it sends and how each answer ends
// are tested through the main window (main_window_sync_test.cpp).
#include "tests/win/support/local_http_server.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "timesync/time_sync.h"
#include "timesync/win_http_client_win.h"

namespace zenka {
namespace {

using testing::HttpMessage;
using testing::LocalHttpServer;
using testing::Reply;
using testing::RequestHeader;

constexpr char kDate[] = "Sun, 06 Nov 1994 08:49:37 GMT";

HttpRequest RequestFor(const std::string& url, uint32_t timeLimitMs = 5000) {
    HttpRequest request;
    request.url = url;
    request.userAgent = SyncUserAgent();
    request.accept = kSyncAccept;
    request.timeLimitMs = timeLimitMs;
    return request;
}

TEST(WinHttpClient, ASlowServerEndsTheRequestWithinItsTimeLimit) {
    const std::string headers = "HTTP/1.1 200 OK\r\nDate: " + std::string(kDate) + "\r\nContent-Length: 20\r\n\r\n";
    Reply trickle{{0, headers}};
    for (int i = 0; i < 20; ++i) trickle.push_back({250, "x"});
    const struct {
        const char* what;
        Reply reply;
    } cases[] = {
        {"no answer at all", {{5000, HttpMessage(200, {"Date: " + std::string(kDate)})}}},
        {"a body that trickles in", trickle},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LocalHttpServer server([&](const std::string&) { return c.reply; });
        WinHttpClient client;
        const ULONGLONG start = GetTickCount64();
        const HttpResponse response = client.Get(RequestFor(server.Url(), 1500));
        const ULONGLONG took = GetTickCount64() - start;
        EXPECT_EQ(response.error, HttpError::Timeout);
        EXPECT_GE(took, 1400u);
        EXPECT_LT(took, 2500u) << "the whole request, not each step, is bounded";
    }
}

// Wine cannot reach a proxy and an origin of the same host name, so the
// proxy is 127.0.0.1 and the origin localhost.
TEST(WinHttpClient, AProxyThatAsksForBasicCredentialsGetsThemOnce) {
    LocalHttpServer origin([](const std::string&) { return Reply{{0, HttpMessage(200, {"Date: " + std::string(kDate)})}}; });
    const std::string expected = "Basic dGFybzpzM2NyZXQ=";  // taro:s3cret
    LocalHttpServer proxy([&](const std::string& request) {
        if (RequestHeader(request, "Proxy-Authorization") != expected) {
            return Reply{{0, HttpMessage(407, {"Proxy-Authenticate: Basic realm=\"zenka\""}, "who are you")}};
        }
        return Reply{{0, testing::Fetch(origin.Port(), "GET / HTTP/1.1\r\nHost: localhost:" +
                                                           std::to_string(origin.Port()) +
                                                           "\r\nConnection: close\r\n\r\n")}};
    });
    const struct {
        const char* user;
        const char* password;
        uint32_t status;
        const char* authorization;  // what the answer to the challenge carries
    } cases[] = {
        {"taro", "s3cret", 200, "Basic dGFybzpzM2NyZXQ="},
        {"taro", "wrong", 407, "Basic dGFybzp3cm9uZw=="},
        {"", "", 407, nullptr},  // no user: the challenge is the answer
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.user) + ":" + c.password);
        const size_t before = proxy.Requests().size();
        const size_t originBefore = origin.Requests().size();
        HttpRequest request = RequestFor(origin.Url("localhost"));
        request.proxy = ProxyAddress{"127.0.0.1", proxy.Port()};
        request.proxyUserId = c.user;
        request.proxyPassword = c.password;
        WinHttpClient client;
        const HttpResponse response = client.Get(request);
        EXPECT_EQ(response.error, HttpError::None);
        EXPECT_EQ(response.status, c.status);
        const std::vector<std::string> seen = proxy.Requests();
        const size_t count = seen.size() - before;
        ASSERT_GE(count, 1u);
        EXPECT_EQ(seen[before].substr(0, seen[before].find("\r\n")),
                  "GET http://localhost:" + std::to_string(origin.Port()) + "/ HTTP/1.1");
        EXPECT_EQ(RequestHeader(seen[before], "Proxy-Authorization"), "") << "credentials only when asked";
        if (c.authorization) {
            // Windows answers the challenge at once; Wine first asks once
            // more without credentials on a new connection.
            EXPECT_TRUE(count == 2 || count == 3) << count << " requests";
            EXPECT_EQ(RequestHeader(seen.back(), "Proxy-Authorization"), c.authorization);
        } else {
            EXPECT_EQ(count, 1u);
        }
        if (c.status == 200) {
            EXPECT_EQ(response.date, kDate);
            EXPECT_EQ(origin.Requests().size() - originBefore, 1u);
        }
    }
}

TEST(WinHttpClient, NoServerOrNoUsableAddressGivesAnErrorAndNoResponse) {
    // A port nobody listens on: a server made and stopped again.
    uint16_t closedPort = 0;
    {
        LocalHttpServer gone([](const std::string&) { return Reply{}; });
        closedPort = gone.Port();
    }
    const struct {
        std::string url;
        HttpError error;
    } cases[] = {
        {"http://127.0.0.1:" + std::to_string(closedPort) + "/", HttpError::CannotConnect},
        {"", HttpError::BadUrl},
        {"ftp://127.0.0.1/", HttpError::BadUrl},
        {"time server", HttpError::BadUrl},
    };
    for (const auto& c : cases) {
        WinHttpClient client;
        const HttpResponse response = client.Get(RequestFor(c.url));
        EXPECT_EQ(response.error, c.error) << c.url;
        EXPECT_EQ(response.status, 0u) << c.url;
    }
}

// Against the TLS servers that tests/win/timesync/https_servers.sh starts outside
// Wine, which cannot serve TLS itself: the port of one with an expired
// certificate for "localhost", and of one with a current certificate of an
// authority nobody trusts. Skipped when run without them. (Wine, unlike
// Windows, does not look at the authority once it overlooks the dates, so
// the expired certificate's authority need not be trusted here.)
TEST(WinHttpsClient, OnlyTheCertificatesDatesAreOverlooked) {
    const char* ports = std::getenv("ZENKA_TEST_HTTPS_PORTS");
    if (!ports) GTEST_SKIP() << "needs the servers of tests/win/timesync/https_servers.sh";
    const std::string text = ports;
    const std::string expired = text.substr(0, text.find(','));
    const std::string current = text.substr(text.find(',') + 1);
    const struct {
        std::string url;
        HttpError error;
    } cases[] = {
        // A clock far off makes a certificate look expired: still answered.
        {"https://localhost:" + expired + "/time.html", HttpError::None},
        // The name is still checked...
        {"https://127.0.0.1:" + expired + "/time.html", HttpError::SecureChannel},
        // ...and so is the authority.
        {"https://localhost:" + current + "/time.html", HttpError::SecureChannel},
    };
    for (const auto& c : cases) {
        WinHttpClient client;
        const HttpResponse response = client.Get(RequestFor(c.url));
        EXPECT_EQ(response.error, c.error) << c.url;
        EXPECT_EQ(response.status, c.error == HttpError::None ? 200u : 0u) << c.url;
    }
}

}  // namespace
}  // namespace zenka
