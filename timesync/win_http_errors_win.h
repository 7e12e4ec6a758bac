// WinHTTP's error codes as the time query's errors.
#pragma once

#include <windows.h>
#include <winhttp.h>

#include "timesync/http_client.h"

namespace zenka {

inline HttpError HttpErrorOf(DWORD code) {
    switch (code) {
        case ERROR_WINHTTP_TIMEOUT: return HttpError::Timeout;
        case ERROR_WINHTTP_NAME_NOT_RESOLVED: return HttpError::NameNotResolved;
        case ERROR_WINHTTP_CANNOT_CONNECT:
        case ERROR_WINHTTP_CONNECTION_ERROR: return HttpError::CannotConnect;
        case ERROR_WINHTTP_SECURE_FAILURE:
        case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
        case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
        case ERROR_WINHTTP_SECURE_INVALID_CA:
        case ERROR_WINHTTP_SECURE_CERT_REV_FAILED:
        case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
        case ERROR_WINHTTP_SECURE_INVALID_CERT:
        case ERROR_WINHTTP_SECURE_CERT_REVOKED:
        case ERROR_WINHTTP_SECURE_CERT_WRONG_USAGE: return HttpError::SecureChannel;
        case ERROR_WINHTTP_INVALID_URL:
        case ERROR_WINHTTP_UNRECOGNIZED_SCHEME: return HttpError::BadUrl;
        case ERROR_WINHTTP_HEADER_SIZE_OVERFLOW: return HttpError::HeadersTooLarge;
        default: return HttpError::Other;
    }
}

}  // namespace zenka
