#include "timesync/sync_reasons.h"

#include <cstdio>

#include "timesync/system_time.h"

namespace zenka {
namespace {

std::string DayText(const SystemTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02u/%02u", static_cast<int>(time.year),
                  static_cast<unsigned>(time.month), static_cast<unsigned>(time.day));
    return text;
}

}  // namespace

std::string sync_reason::StatusCode(uint32_t status) {
    return "サーバーが状態コード " + std::to_string(status) + " を返しました。";
}

std::string sync_reason::DateBeforeBuild(const SystemTime& server, const SystemTime& builtOn) {
    return "サーバーの日時 (" + DayText(server) + ") がこの版の作成日 (" + DayText(builtOn) + ") より前でした。";
}

std::string sync_reason::DateFarAhead(const SystemTime& server, const SystemTime& builtOn) {
    return "サーバーの日時 (" + DayText(server) + ") がこの版の作成日 (" + DayText(builtOn) +
           ") の 100 年以上先でした。";
}

std::string sync_reason::TooFewAgree(size_t agreeing, size_t answering) {
    return "サーバーの時刻が食い違っています (一致したのは " + std::to_string(answering) + " 台中 " +
           std::to_string(agreeing) + " 台)。";
}

const char* sync_reason::OfHttpError(HttpError error, bool viaProxy) {
    switch (error) {
        case HttpError::BadUrl: return kBadUrl;
        case HttpError::NameNotResolved: return viaProxy ? kProxyNameNotResolved : kNameNotResolved;
        case HttpError::CannotConnect: return viaProxy ? kNoProxyConnection : kNoConnection;
        case HttpError::Timeout: return kTimeout;
        case HttpError::SecureChannel: return kSecureChannel;
        case HttpError::HeadersTooLarge: return kHeadersTooLarge;
        case HttpError::Cancelled: return kCancelled;
        case HttpError::None:
        case HttpError::Other: break;
    }
    return kHttpFailed;
}

std::string sync_reason::OfStatus(uint32_t status) { return status == 407 ? kProxyRefused : StatusCode(status); }

}  // namespace zenka
