#include "timesync/win_http_client_win.h"

#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <string>
#include <utility>

#include "common/utf16_win.h"
#include "timesync/win_http_errors_win.h"

namespace zenka {
namespace {

// Closes a WinHTTP handle when it goes.
class Handle {
public:
    explicit Handle(HINTERNET handle) : handle_(handle) {}
    ~Handle() {
        if (handle_) WinHttpCloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HINTERNET get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HINTERNET handle_;
};

// The request's time limit, shared out among its steps: each blocking call
// may take only what is left.
class Deadline {
public:
    explicit Deadline(uint32_t milliseconds) : end_(GetTickCount64() + milliseconds) {}
    bool Passed() const { return GetTickCount64() >= end_; }
    int Left() const {
        const ULONGLONG now = GetTickCount64();
        return now >= end_ ? 1 : static_cast<int>(std::min<ULONGLONG>(end_ - now, 0x7FFFFFFF));
    }
    // Bounds the next call on the request (name resolution, connection,
    // sending and each receipt) by what is left.
    void Apply(HINTERNET request) const {
        const int left = Left();
        WinHttpSetTimeouts(request, left, left, left, left);
        DWORD responseLeft = static_cast<DWORD>(left);
        WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &responseLeft, sizeof(responseLeft));
    }

private:
    ULONGLONG end_;
};

HttpResponse Failed(HttpError error) { return {error, 0, {}}; }

// The last WinHTTP error, as a timeout when the time limit has passed
// (whatever the step that ran out of time reports).
HttpResponse LastError(const Deadline& deadline) {
    const DWORD code = GetLastError();
    if (deadline.Passed()) return Failed(HttpError::Timeout);
    return Failed(HttpErrorOf(code));
}

// The header's raw text, or empty when it is missing.
std::wstring QueryHeader(HINTERNET request, DWORD info) {
    DWORD bytes = 0;
    WinHttpQueryHeaders(request, info, WINHTTP_HEADER_NAME_BY_INDEX, WINHTTP_NO_OUTPUT_BUFFER, &bytes,
                        WINHTTP_NO_HEADER_INDEX);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || bytes == 0) return {};
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    if (!WinHttpQueryHeaders(request, info, WINHTTP_HEADER_NAME_BY_INDEX, text.data(), &bytes,
                             WINHTTP_NO_HEADER_INDEX)) {
        return {};
    }
    text.resize(bytes / sizeof(wchar_t));
    return text;
}

uint32_t StatusOf(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof(status);
    WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX,
                        &status, &size, WINHTTP_NO_HEADER_INDEX);
    return status;
}

// Reads the body to its end and throws it away. Each read takes only what
// has come, so that a body that trickles in cannot hold a read beyond the
// time limit.
bool DrainBody(HINTERNET request, const Deadline& deadline) {
    char buffer[8192];
    for (;;) {
        if (deadline.Passed()) return false;
        deadline.Apply(request);
        DWORD available = 0;
        if (!WinHttpQueryDataAvailable(request, &available)) return false;
        if (available == 0) return true;
        DWORD read = 0;
        if (!WinHttpReadData(request, buffer, std::min<DWORD>(available, sizeof(buffer)), &read)) return false;
        if (read == 0) return true;
    }
}

// Sends the request and waits for the response's headers.
bool SendAndReceive(HINTERNET request, const std::wstring& headers, const Deadline& deadline) {
    deadline.Apply(request);
    if (!WinHttpSendRequest(request, headers.c_str(), static_cast<DWORD>(-1L), WINHTTP_NO_REQUEST_DATA, 0, 0, 0)) {
        return false;
    }
    if (deadline.Passed()) {
        SetLastError(ERROR_WINHTTP_TIMEOUT);
        return false;
    }
    deadline.Apply(request);
    return WinHttpReceiveResponse(request, nullptr) != FALSE;
}

}  // namespace

HttpResponse WinHttpClient::Get(const HttpRequest& request) {
    const Deadline deadline(request.timeLimitMs);

    std::wstring url = Widen(request.url);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (url.empty() || !WinHttpCrackUrl(url.c_str(), 0, 0, &parts) || parts.dwHostNameLength == 0 ||
        (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)) {
        return Failed(HttpError::BadUrl);
    }
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
    path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (path.empty()) path = L"/";
    const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;

    // No proxy means a direct connection, not the system's proxy.
    const std::wstring proxy =
        request.proxy ? Widen(request.proxy->host) + L":" + std::to_wstring(request.proxy->port) : std::wstring();
    const Handle session(WinHttpOpen(Widen(request.userAgent).c_str(),
                                     request.proxy ? WINHTTP_ACCESS_TYPE_NAMED_PROXY : WINHTTP_ACCESS_TYPE_NO_PROXY,
                                     request.proxy ? proxy.c_str() : WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS,
                                     0));
    if (!session) return LastError(deadline);
    const Handle connection(WinHttpConnect(session.get(), host.c_str(), parts.nPort, 0));
    if (!connection) return LastError(deadline);
    const Handle handle(WinHttpOpenRequest(connection.get(), L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                           WINHTTP_DEFAULT_ACCEPT_TYPES,
                                           WINHTTP_FLAG_REFRESH | (secure ? WINHTTP_FLAG_SECURE : 0)));
    if (!handle) return LastError(deadline);

    // A redirect is an answer of its own, not a way to another server.
    DWORD feature = WINHTTP_DISABLE_REDIRECTS;
    WinHttpSetOption(handle.get(), WINHTTP_OPTION_DISABLE_FEATURE, &feature, sizeof(feature));
    if (secure) {
        // A clock far off (the very reason to synchronise) makes every
        // certificate look expired or not yet valid. Only that check is
        // waived; the chain and the host name are still checked.
        DWORD flags = SECURITY_FLAG_IGNORE_CERT_DATE_INVALID;
        WinHttpSetOption(handle.get(), WINHTTP_OPTION_SECURITY_FLAGS, &flags, sizeof(flags));
    }
    const std::wstring headers = L"Accept: " + Widen(request.accept) + L"\r\n";

    if (!SendAndReceive(handle.get(), headers, deadline)) return LastError(deadline);
    uint32_t status = StatusOf(handle.get());
    if (status == HTTP_STATUS_PROXY_AUTH_REQ && request.proxy && !request.proxyUserId.empty()) {
        DWORD supported = 0, first = 0, target = 0;
        if (WinHttpQueryAuthSchemes(handle.get(), &supported, &first, &target) &&
            (supported & WINHTTP_AUTH_SCHEME_BASIC) != 0) {
            // The challenge's body goes first, so the connection can serve
            // the answer.
            if (!DrainBody(handle.get(), deadline)) return LastError(deadline);
            WinHttpSetCredentials(handle.get(), WINHTTP_AUTH_TARGET_PROXY, WINHTTP_AUTH_SCHEME_BASIC,
                                  Widen(request.proxyUserId).c_str(), Widen(request.proxyPassword).c_str(), nullptr);
            if (!SendAndReceive(handle.get(), headers, deadline)) return LastError(deadline);
            status = StatusOf(handle.get());
        }
    }

    HttpResponse response;
    response.status = status;
    response.date = Narrow(QueryHeader(handle.get(), WINHTTP_QUERY_DATE));
    // The response counts once all of it has come.
    if (!DrainBody(handle.get(), deadline)) return LastError(deadline);
    return response;
}

}  // namespace zenka
