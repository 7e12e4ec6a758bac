// A small HTTP server inside the test program, for the time query's tests.
// It listens on 127.0.0.1 only, on a port the system picks; serves one
// request per connection with the reply the test gives; logs each request;
// and stops when the test destroys it, or after a minute at the latest.
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zenka::testing {

// Part of a reply, sent after a pause.
struct ReplyPiece {
    DWORD pauseMs = 0;
    std::string bytes;
};
using Reply = std::vector<ReplyPiece>;

// "HTTP/1.1 <status>" with the headers, the body's length and
// "Connection: close", then the body.
inline std::string HttpMessage(int status, const std::vector<std::string>& headers, const std::string& body = "") {
    std::string text = "HTTP/1.1 " + std::to_string(status) + " Test\r\n";
    for (const std::string& header : headers) text += header + "\r\n";
    text += "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    return text;
}

// The Date header's form of a UTC time.
inline std::string HttpDate(const SYSTEMTIME& utc) {
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[64];
    snprintf(text, sizeof(text), "%s, %02u %s %04u %02u:%02u:%02u GMT", kDays[utc.wDayOfWeek % 7], utc.wDay,
             kMonths[(utc.wMonth + 11) % 12], utc.wYear, utc.wHour, utc.wMinute, utc.wSecond);
    return text;
}

// The Date header's form of the time `offsetMs` from now.
inline std::string HttpDateFromNow(int64_t offsetMs) {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks{{now.dwLowDateTime, now.dwHighDateTime}};
    ticks.QuadPart += static_cast<ULONGLONG>(offsetMs * 10000);
    const FILETIME then{ticks.LowPart, ticks.HighPart};
    SYSTEMTIME utc;
    FileTimeToSystemTime(&then, &utc);
    return HttpDate(utc);
}

// The value of a request header (name matched exactly), or empty.
inline std::string RequestHeader(const std::string& request, const std::string& name) {
    const std::string key = "\r\n" + name + ": ";
    const size_t at = request.find(key);
    if (at == std::string::npos) return {};
    const size_t start = at + key.size();
    return request.substr(start, request.find("\r\n", start) - start);
}

class LocalHttpServer {
public:
    // Called on the server's thread with each request's line and headers.
    using Responder = std::function<Reply(const std::string& request)>;

    explicit LocalHttpServer(Responder responder) : responder_(std::move(responder)) {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        int length = sizeof(address);
        if (listener_ == INVALID_SOCKET || bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            listen(listener_, 8) != 0 || getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            return;
        }
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~LocalHttpServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (listener_ != INVALID_SOCKET) closesocket(listener_);
        WSACleanup();
    }
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    // 0 when the server could not start.
    uint16_t Port() const { return port_; }
    std::string Url(const std::string& host = "127.0.0.1", const std::string& path = "/") const {
        return "http://" + host + ":" + std::to_string(port_) + path;
    }
    std::vector<std::string> Requests() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }

private:
    static constexpr DWORD kLifetimeMs = 60000;

    // Sleeps in short steps, so that a stopping server does not wait.
    bool Pause(DWORD milliseconds) const {
        const ULONGLONG end = GetTickCount64() + milliseconds;
        while (GetTickCount64() < end) {
            if (stop_) return false;
            Sleep(10);
        }
        return !stop_;
    }

    void Serve() {
        const ULONGLONG end = GetTickCount64() + kLifetimeMs;
        while (!stop_ && GetTickCount64() < end) {
            fd_set ready;
            FD_ZERO(&ready);
            FD_SET(listener_, &ready);
            timeval wait{0, 50000};
            if (select(0, &ready, nullptr, nullptr, &wait) != 1) continue;
            SOCKET client = accept(listener_, nullptr, nullptr);
            if (client == INVALID_SOCKET) continue;
            Handle(client);
            shutdown(client, SD_SEND);
            closesocket(client);
        }
    }

    void Handle(SOCKET client) {
        DWORD timeout = 5000;
        setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
        // A client that stops reading a long reply does not hold the server.
        setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
            const int got = recv(client, buffer, sizeof(buffer), 0);
            if (got <= 0) return;
            request.append(buffer, static_cast<size_t>(got));
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            requests_.push_back(request);
        }
        for (const ReplyPiece& piece : responder_(request)) {
            if (!Pause(piece.pauseMs)) return;
            if (send(client, piece.bytes.data(), static_cast<int>(piece.bytes.size()), 0) < 0) return;
        }
    }

    Responder responder_;
    SOCKET listener_ = INVALID_SOCKET;
    uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
};

// Sends a request to 127.0.0.1 at the port and returns all of the answer;
// what a proxy does for the origin behind it.
inline std::string Fetch(uint16_t port, const std::string& request) {
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    DWORD timeout = 5000;
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    std::string answer;
    if (connect(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
        send(s, request.data(), static_cast<int>(request.size()), 0) > 0) {
        char buffer[4096];
        int got;
        while ((got = recv(s, buffer, sizeof(buffer), 0)) > 0) answer.append(buffer, static_cast<size_t>(got));
    }
    closesocket(s);
    return answer;
}

}  // namespace zenka::testing
