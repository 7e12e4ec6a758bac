// The texts a clock synchronisation reads from outside: a server's Date
// headers, as one request and as a measurement of the clock read them (the
// lines of the input as the headers of one response), the stored proxy
// setting and the elevated helper's command line. None may crash, and
// whatever they accept must be well formed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "timesync/clock_setting_command.h"
#include "timesync/date_header.h"
#include "timesync/proxy_text.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    size_t start = 0;
    for (;;) {
        const size_t blank = text.find(' ', start);
        words.emplace_back(text.substr(start, blank == std::string_view::npos ? std::string_view::npos : blank - start));
        if (blank == std::string_view::npos) return words;
        start = blank + 1;
    }
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1) {
        lines.emplace_back(text.substr(start, end - start));
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zenka;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    if (const auto time = EvaluateDateHeader(text)) {
        Check(IsValidSystemTime(*time) && time->milliseconds == 500 && time->year >= 1 && time->year <= 9999);
        Check(FromMilliseconds(ToMilliseconds(*time)) == *time);
    }
    for (const std::string& token : DateHeaderTokens(text)) Check(token.size() <= size);

    const SystemTime builtOn = FromMilliseconds(int64_t{1'767'225'600} * 1000);  // 2026-01-01
    const int64_t first = ToMilliseconds(builtOn) / 1000;
    const std::vector<std::string> lines = Lines(text);
    for (const std::vector<std::string>& dates : {std::vector<std::string>{std::string(text)}, lines}) {
        const ServerDate date = ReadServerDate(dates, builtOn);
        Check(date.seconds.has_value() == date.reason.empty());
        if (!date.seconds) continue;
        Check(dates.size() == 1 && dates[0].size() <= kMaxDateHeaderLength);
        Check(*date.seconds >= first && *date.seconds < first + int64_t{36'526} * 86'400 + 86'400);
        Check(ReadServerDate({HttpDateText(*date.seconds)}, builtOn).seconds == date.seconds);
    }

    const ProxyChoice proxy = ParseProxyText(text);
    if (proxy.kind == ProxyChoice::Kind::Proxy) {
        Check(!proxy.address.host.empty() && proxy.address.port >= 1);
        Check(proxy.address.host.find(':') == std::string::npos);
        Check(text.substr(0, proxy.address.host.size() + 1) == proxy.address.host + ":");
    }
    if (proxy.kind == ProxyChoice::Kind::Direct) {
        for (char c : text) Check(static_cast<unsigned char>(c) <= 32);
    }

    if (const auto request = ParseClockSettingArguments(Words(text))) {
        Check(IsValidSystemTime(request->utc) && request->utc.year >= 1601 && request->ticks >= 0);
        // The option and the time read back exactly; the ticks may have had
        // leading zeros.
        const size_t timeEnd = kClockSettingOption.size() + 1 + 24;
        Check(ClockSettingArguments(request->utc, request->ticks).substr(0, timeEnd) == text.substr(0, timeEnd));
        ClockSettingTarget(*request, request->ticks, 10'000'000);
    }
    return 0;
}
