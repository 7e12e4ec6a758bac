// Why a synchronisation attempt, or the measurement of one server, failed,
// in the words the settings dialog shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "timesync/http_client.h"

namespace zenka {

struct SystemTime;

namespace sync_reason {
inline constexpr char kProxyText[] = "プロキシの指定が「ホスト名:ポート番号」の形になっていません。";
inline constexpr char kBadUrl[] = "時刻を問い合わせるサーバーのアドレスが正しくありません。";
inline constexpr char kNoServer[] = "時刻を問い合わせるサーバーが指定されていません。";
inline constexpr char kNameNotResolved[] = "サーバーが見つかりませんでした。";
inline constexpr char kProxyNameNotResolved[] = "プロキシサーバーが見つかりませんでした。";
inline constexpr char kNoConnection[] = "サーバーに接続できませんでした。";
inline constexpr char kNoProxyConnection[] = "プロキシサーバーに接続できませんでした。";
inline constexpr char kTimeout[] = "サーバーが時間内に応答しませんでした。";
inline constexpr char kSecureChannel[] = "サーバーの証明書を確かめられませんでした。";
inline constexpr char kHttpFailed[] = "サーバーに時刻を問い合わせられませんでした。";
inline constexpr char kHeadersTooLarge[] = "サーバーの応答のヘッダーが大きすぎます。";
inline constexpr char kProxyRefused[] = "プロキシサーバーに接続を拒否されました。";
inline constexpr char kNoDate[] = "サーバーの応答に使える日時 (Date ヘッダー) がありませんでした。";
inline constexpr char kDateMalformed[] = "サーバーの応答の日時 (Date ヘッダー) を読み取れませんでした。";
inline constexpr char kDateDuplicated[] = "サーバーの応答に日時 (Date ヘッダー) が複数ありました。";
inline constexpr char kDateTooLong[] = "サーバーの応答の日時 (Date ヘッダー) が長すぎます。";
inline constexpr char kLeapSecond[] = "サーバーの日時がうるう秒 (23:59:60) だったので使いませんでした。";
inline constexpr char kDatesDisagree[] = "サーバーの日時が問い合わせのたびに食い違いました。";
inline constexpr char kNoServerAnswered[] = "どのサーバーからも時刻を得られませんでした。";
inline constexpr char kCancelled[] = "時刻合わせを途中でやめました。";
inline constexpr char kNotPermitted[] = "時計を合わせる権限がありません。";
inline constexpr char kClockRefused[] = "時計を合わせられませんでした。";
inline constexpr char kUnexpected[] = "時刻合わせの途中で思わぬエラーが起きました。";

// "サーバーが状態コード 404 を返しました。"
std::string StatusCode(uint32_t status);
// "サーバーの日時 (1601/01/01) がこの版の作成日 (2026/01/05) より前でした。"
std::string DateBeforeBuild(const SystemTime& server, const SystemTime& builtOn);
// "サーバーの日時 (30827/12/31) がこの版の作成日 (2026/01/05) の 100 年以上先でした。"
std::string DateFarAhead(const SystemTime& server, const SystemTime& builtOn);
// "サーバーの時刻が食い違っています (一致したのは 3 台中 1 台)。"
std::string TooFewAgree(size_t agreeing, size_t answering);

// The reason for a request that got no response, or for a response whose
// status is not a success (407: the proxy refused the credentials).
const char* OfHttpError(HttpError error, bool viaProxy);
std::string OfStatus(uint32_t status);
}  // namespace sync_reason

}  // namespace zenka
