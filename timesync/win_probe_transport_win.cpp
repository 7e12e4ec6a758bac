#include "timesync/win_probe_transport_win.h"

#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <mutex>
#include <string>

#include "common/utf16_win.h"
#include "timesync/response_headers.h"
#include "timesync/win_http_errors_win.h"

namespace zenka {
namespace {

// The server part of a URL, or nothing when it is not http or https.
struct UrlParts {
    bool valid = false;
    bool secure = false;
    std::wstring host;
    INTERNET_PORT port = 0;
    std::wstring path;  // with the query
};

UrlParts CrackUrl(const std::string& url) {
    UrlParts result;
    const std::wstring wide = Widen(url);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (wide.empty() || !WinHttpCrackUrl(wide.c_str(), 0, 0, &parts) || parts.dwHostNameLength == 0 ||
        (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)) {
        return result;
    }
    result.valid = true;
    result.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    result.host.assign(parts.lpszHostName, parts.dwHostNameLength);
    result.port = parts.nPort;
    result.path.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    result.path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (result.path.empty() || result.path[0] != L'/') result.path.insert(0, L"/");
    return result;
}

// What WinHTTP's calls on one request report, from its own threads. The
// request handle's last notice (closing) frees it, so the prober never
// touches it after closing the handle.
struct RequestEvents {
    explicit RequestEvents(ProbeClock& clock) : clock(clock), event(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
    ~RequestEvents() {
        if (event) CloseHandle(event);
    }
    ProbeClock& clock;
    HANDLE event;  // set by every completion
    std::mutex mutex;
    DWORD completed = 0;  // the last completion's notice
    DWORD error = 0;      // with WINHTTP_CALLBACK_STATUS_REQUEST_ERROR
    DWORD bytes = 0;      // of data available or read
    LocalMoment headersAt;
    // The body is read into it and thrown away; WinHTTP may still write it
    // after the request was given up on, until the closing notice.
    char buffer[8192];
};

void CALLBACK OnRequestEvent(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD length) {
    auto* events = reinterpret_cast<RequestEvents*>(context);
    if (!events) return;
    if (status == WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING) {
        delete events;
        return;
    }
    const std::lock_guard lock(events->mutex);
    switch (status) {
        case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE:
            // The moment the answer came, before the prober's thread wakes.
            events->headersAt = events->clock.Now();
            break;
        case WINHTTP_CALLBACK_STATUS_DATA_AVAILABLE:
            events->bytes = info && length >= sizeof(DWORD) ? *static_cast<DWORD*>(info) : 0;
            break;
        case WINHTTP_CALLBACK_STATUS_READ_COMPLETE: events->bytes = length; break;
        case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
            events->error = info ? static_cast<WINHTTP_ASYNC_RESULT*>(info)->dwError : ERROR_WINHTTP_INTERNAL_ERROR;
            break;
        case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE: break;
        default: return;  // progress only
    }
    events->completed = status;
    SetEvent(events->event);
}

constexpr DWORD kNotifications = WINHTTP_CALLBACK_FLAG_ALL_COMPLETIONS | WINHTTP_CALLBACK_FLAG_HANDLES;

// One request in WinHTTP's asynchronous mode, its steps awaited here: the
// waits, not WinHTTP's own time-outs (which each byte that comes restarts),
// hold it to its deadline, and closing the handle abandons it at once.
class ProbeCall {
public:
    ProbeCall(HINTERNET request, RequestEvents* events, ProbeClock& clock, const MeasurementCancel& cancel,
              LocalMoment deadline)
        : request_(request), events_(events), clock_(clock), cancel_(cancel), deadline_(deadline) {}
    ~ProbeCall() { WinHttpCloseHandle(request_); }
    ProbeCall(const ProbeCall&) = delete;
    ProbeCall& operator=(const ProbeCall&) = delete;

    HINTERNET Handle() const { return request_; }
    HttpError Error() const { return error_; }

    // Sends and waits for the response's headers; true when they came.
    bool SendAndReceive(const std::wstring& headers, LocalMoment& sent, LocalMoment& received) {
        sent = clock_.Now();
        if (!WinHttpSendRequest(request_, headers.c_str(), static_cast<DWORD>(-1L), WINHTTP_NO_REQUEST_DATA, 0, 0,
                                reinterpret_cast<DWORD_PTR>(events_))) {
            return Fail(GetLastError());
        }
        if (!Await(WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE)) return false;
        if (!WinHttpReceiveResponse(request_, nullptr)) return Fail(GetLastError());
        if (!Await(WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE)) return false;
        const std::lock_guard lock(events_->mutex);
        received = events_->headersAt;
        return true;
    }

    // Reads the body to its end and throws it away.
    bool DrainBody() {
        for (;;) {
            // A body that keeps coming is held to the deadline too.
            if (clock_.Now() >= deadline_) {
                error_ = HttpError::Timeout;
                return false;
            }
            if (!WinHttpQueryDataAvailable(request_, nullptr)) return Fail(GetLastError());
            if (!Await(WINHTTP_CALLBACK_STATUS_DATA_AVAILABLE)) return false;
            DWORD available;
            {
                const std::lock_guard lock(events_->mutex);
                available = events_->bytes;
            }
            if (available == 0) return true;
            if (!WinHttpReadData(request_, events_->buffer, std::min<DWORD>(available, sizeof(events_->buffer)), nullptr)) {
                return Fail(GetLastError());
            }
            if (!Await(WINHTTP_CALLBACK_STATUS_READ_COMPLETE)) return false;
            const std::lock_guard lock(events_->mutex);
            if (events_->bytes == 0) return true;
        }
    }

private:
    bool Fail(DWORD code) {
        error_ = cancel_.Cancelled() ? HttpError::Cancelled
                 : clock_.Now() >= deadline_ ? HttpError::Timeout
                                             : HttpErrorOf(code);
        return false;
    }

    // Waits for the completion of the call just made, until the deadline.
    bool Await(DWORD completion) {
        for (;;) {
            {
                const std::lock_guard lock(events_->mutex);
                if (events_->completed == WINHTTP_CALLBACK_STATUS_REQUEST_ERROR) return Fail(events_->error);
                if (events_->completed == completion) {
                    events_->completed = 0;
                    return true;
                }
            }
            const int64_t left = std::chrono::ceil<std::chrono::milliseconds>(deadline_ - clock_.Now()).count();
            if (left <= 0) {
                error_ = HttpError::Timeout;
                return false;
            }
            const HANDLE handles[] = {events_->event, cancel_.Event()};
            const DWORD woke = WaitForMultipleObjects(2, handles, FALSE, static_cast<DWORD>(std::min<int64_t>(left, 0x7FFFFFFF)));
            if (woke == WAIT_OBJECT_0 + 1) {
                error_ = HttpError::Cancelled;
                return false;
            }
        }
    }

    HINTERNET request_;
    RequestEvents* events_;
    ProbeClock& clock_;
    const MeasurementCancel& cancel_;
    LocalMoment deadline_;
    HttpError error_ = HttpError::None;
};

uint32_t StatusOf(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof(status);
    WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX,
                        &status, &size, WINHTTP_NO_HEADER_INDEX);
    return status;
}

// The response's headers as they came, status line first; nothing when
// they cannot be read.
std::wstring RawHeaders(HINTERNET request) {
    DWORD bytes = 0;
    WinHttpQueryHeaders(request, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX,
                        WINHTTP_NO_OUTPUT_BUFFER, &bytes, WINHTTP_NO_HEADER_INDEX);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || bytes == 0) return {};
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX, text.data(),
                             &bytes, WINHTTP_NO_HEADER_INDEX)) {
        return {};
    }
    text.resize(bytes / sizeof(wchar_t));
    return text;
}

class WinHttpProbeConnection : public ProbeConnection {
public:
    WinHttpProbeConnection(const HttpTarget& target, ProbeClock& clock, const MeasurementCancel& cancel)
        : target_(target), server_(CrackUrl(target.url)), clock_(clock), cancel_(cancel) {}
    ~WinHttpProbeConnection() override {
        if (connection_) WinHttpCloseHandle(connection_);
        if (session_) WinHttpCloseHandle(session_);
    }
    WinHttpProbeConnection(const WinHttpProbeConnection&) = delete;
    WinHttpProbeConnection& operator=(const WinHttpProbeConnection&) = delete;

    ProbeAnswer Probe(const ProbeRequest& request) override {
        ProbeAnswer answer;
        answer.sent = answer.received = clock_.Now();
        if (cancel_.Cancelled()) return Failed(answer, HttpError::Cancelled);
        const UrlParts url = CrackUrl(request.url);
        if (!server_.valid || !url.valid) return Failed(answer, HttpError::BadUrl);
        if (!connection_ && !Connect()) return Failed(answer, HttpErrorOf(GetLastError()));

        const wchar_t* verb = request.method == ProbeMethod::Head ? L"HEAD" : L"GET";
        HINTERNET handle = WinHttpOpenRequest(connection_, verb, url.path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                              WINHTTP_DEFAULT_ACCEPT_TYPES,
                                              WINHTTP_FLAG_REFRESH | (server_.secure ? WINHTTP_FLAG_SECURE : 0));
        if (!handle) return Failed(answer, HttpErrorOf(GetLastError()));
        auto* events = new RequestEvents(clock_);
        if (WinHttpSetStatusCallback(handle, OnRequestEvent, kNotifications, 0) == WINHTTP_INVALID_STATUS_CALLBACK) {
            delete events;
            WinHttpCloseHandle(handle);
            return Failed(answer, HttpError::Other);
        }
        // From here on the handle's closing notice frees the events.
        DWORD_PTR context = reinterpret_cast<DWORD_PTR>(events);
        WinHttpSetOption(handle, WINHTTP_OPTION_CONTEXT_VALUE, &context, sizeof(context));
        ProbeCall call(handle, events, clock_, cancel_, request.deadline);
        SetOptions(handle, request.deadline);

        const std::wstring headers = L"Accept: " + Widen(target_.accept) + L"\r\n" + Widen(kNoCacheHeaders);
        if (basicToProxy_) SetProxyCredentials(handle);
        if (!call.SendAndReceive(headers, answer.sent, answer.received)) return Failed(answer, call.Error());
        answer.status = StatusOf(handle);
        if (answer.status == HTTP_STATUS_PROXY_AUTH_REQ && !basicToProxy_ && ProxyAcceptsBasic(handle)) {
            // The challenge's body goes first, so the connection can serve
            // the answer; later requests send the credentials at once.
            if (!call.DrainBody()) return Failed(answer, call.Error());
            basicToProxy_ = true;
            SetProxyCredentials(handle);
            if (!call.SendAndReceive(headers, answer.sent, answer.received)) return Failed(answer, call.Error());
            answer.status = StatusOf(handle);
        }
        const std::string raw = Narrow(RawHeaders(handle));
        if (raw.size() > kMaxResponseHeaderBytes) return Failed(answer, HttpError::HeadersTooLarge);
        answer.dates = DateHeaderValues(raw);
        // The connection serves the next request once this answer has all come.
        if (!call.DrainBody()) return Failed(answer, call.Error());
        return answer;
    }

private:
    static ProbeAnswer Failed(ProbeAnswer answer, HttpError error) {
        answer.error = error;
        answer.status = 0;
        answer.dates.clear();
        return answer;
    }

    bool Connect() {
        // No proxy means a direct connection, not the system's proxy.
        const std::wstring proxy = target_.proxy ? Widen(target_.proxy->host) + L":" +
                                                       std::to_wstring(target_.proxy->port)
                                                 : std::wstring();
        if (!session_) {
            session_ = WinHttpOpen(Widen(target_.userAgent).c_str(),
                                   target_.proxy ? WINHTTP_ACCESS_TYPE_NAMED_PROXY : WINHTTP_ACCESS_TYPE_NO_PROXY,
                                   target_.proxy ? proxy.c_str() : WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS,
                                   WINHTTP_FLAG_ASYNC);
            if (!session_) return false;
        }
        connection_ = WinHttpConnect(session_, server_.host.c_str(), server_.port, 0);
        return connection_ != nullptr;
    }

    void SetOptions(HINTERNET handle, LocalMoment deadline) const {
        // A redirect is an answer of its own, not a way to another server.
        DWORD feature = WINHTTP_DISABLE_REDIRECTS;
        WinHttpSetOption(handle, WINHTTP_OPTION_DISABLE_FEATURE, &feature, sizeof(feature));
        DWORD headerCap = kMaxResponseHeaderBytes;
        WinHttpSetOption(handle, WINHTTP_OPTION_MAX_RESPONSE_HEADER_SIZE, &headerCap, sizeof(headerCap));
        // WinHTTP's own time-outs only free its threads from a request given
        // up on: the deadline itself is kept by the waits.
        const int left = static_cast<int>(std::clamp<int64_t>(
            std::chrono::ceil<std::chrono::milliseconds>(deadline - clock_.Now()).count() + 1000, 1000, 0x7FFFFFFF));
        WinHttpSetTimeouts(handle, left, left, left, left);
        if (server_.secure) {
            // A clock far off (the very reason to synchronise) makes every
            // certificate look expired or not yet valid. Only that check is
            // waived; the chain and the host name are still checked.
            DWORD flags = SECURITY_FLAG_IGNORE_CERT_DATE_INVALID;
            WinHttpSetOption(handle, WINHTTP_OPTION_SECURITY_FLAGS, &flags, sizeof(flags));
        }
    }

    bool ProxyAcceptsBasic(HINTERNET handle) const {
        if (!target_.proxy || target_.proxyUserId.empty()) return false;
        DWORD supported = 0, first = 0, authTarget = 0;
        return WinHttpQueryAuthSchemes(handle, &supported, &first, &authTarget) &&
               (supported & WINHTTP_AUTH_SCHEME_BASIC) != 0;
    }

    void SetProxyCredentials(HINTERNET handle) const {
        WinHttpSetCredentials(handle, WINHTTP_AUTH_TARGET_PROXY, WINHTTP_AUTH_SCHEME_BASIC,
                              Widen(target_.proxyUserId).c_str(), Widen(target_.proxyPassword).c_str(), nullptr);
    }

    const HttpTarget target_;
    const UrlParts server_;
    ProbeClock& clock_;
    const MeasurementCancel& cancel_;
    HINTERNET session_ = nullptr;
    HINTERNET connection_ = nullptr;
    bool basicToProxy_ = false;  // the proxy asked for Basic credentials once
};

}  // namespace

std::unique_ptr<ProbeConnection> WinHttpProbeTransport::Open(const HttpTarget& target) {
    return std::make_unique<WinHttpProbeConnection>(target, clock_, cancel_);
}

}  // namespace zenka
