// The texts a clock synchronisation reads from outside: a server's Date
// headers, as one request and as a measurement of the clock read them, the
// server's URL, the stored proxy setting and the elevated helper's command
// line. None may crash, and whatever they accept must be well formed. The
// lines of the input are also a server's Date headers, one for each answer
// of a measurement.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "timesync/clock_setting_command.h"
#include "timesync/date_header.h"
#include "timesync/probe_transport.h"
#include "timesync/proxy_text.h"
#include "timesync/server_probing.h"

namespace {

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

// A clock that only moves when asked, and a server that takes 30 ms for
// each answer and says the next line of the input as its Date.
class StepClock : public zenka::ProbeClock {
public:
    zenka::LocalMoment Now() const override { return now; }
    bool WaitUntil(zenka::LocalMoment moment) override {
        now = std::max(now, moment);
        return true;
    }
    zenka::LocalMoment now = zenka::LocalMoment(std::chrono::seconds(1'772'366'400));
};

class LineServer : public zenka::ProbeConnection {
public:
    LineServer(std::vector<std::string> lines, StepClock& clock) : lines_(std::move(lines)), clock_(clock) {}
    zenka::ProbeAnswer Probe(const zenka::ProbeRequest&) override {
        zenka::ProbeAnswer answer;
        answer.status = 200;
        answer.sent = clock_.now;
        clock_.now += std::chrono::milliseconds(30);
        answer.received = clock_.now;
        answer.dates = {lines_[next_++ % lines_.size()]};
        return answer;
    }

private:
    std::vector<std::string> lines_;
    size_t next_ = 0;
    StepClock& clock_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zenka;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    if (const auto time = EvaluateDateHeader(text)) {
        FUZZ_CHECK(IsValidSystemTime(*time) && time->milliseconds == 500 && time->year >= 1 && time->year <= 9999);
        FUZZ_CHECK(FromMilliseconds(ToMilliseconds(*time)) == *time);
    }
    for (const std::string& token : DateHeaderTokens(text)) FUZZ_CHECK(token.size() <= size);

    const SystemTime builtOn = FromMilliseconds(int64_t{1'767'225'600} * 1000);  // 2026-01-01
    const int64_t first = ToMilliseconds(builtOn) / 1000;
    const std::vector<std::string> lines = Lines(text);
    for (const std::vector<std::string>& dates : {std::vector<std::string>{std::string(text)}, lines}) {
        const ServerDate date = ReadServerDate(dates, builtOn);
        FUZZ_CHECK(date.seconds.has_value() == date.reason.empty());
        if (!date.seconds) continue;
        FUZZ_CHECK(dates.size() == 1 && dates[0].size() <= kMaxDateHeaderLength);
        // From the build day up to the end of the day a century later
        // (2126-01-01, 36,525 days on).
        FUZZ_CHECK(*date.seconds >= first && *date.seconds < first + int64_t{36'526} * 86'400);
        FUZZ_CHECK(ReadServerDate({HttpDateText(*date.seconds)}, builtOn).seconds == date.seconds);
    }

    StepClock clock;
    const LocalMoment start = clock.now;
    LineServer server(lines, clock);
    const ServerMeasurement measured = MeasureServer("http://time.example.jp/", server, clock,
                                                     ProbePlan{start + std::chrono::seconds(20), builtOn, 0, false});
    FUZZ_CHECK(measured.measured == measured.reason.empty());
    if (measured.measured) {
        // The answers only ever narrow the first one's interval of a second
        // and a round trip.
        FUZZ_CHECK(measured.answers >= 1 && measured.answers <= kMaxProbes && measured.bound >= Micros(0));
        FUZZ_CHECK(measured.bound <= Micros(515'000));
        FUZZ_CHECK(measured.shortestRoundTrip == std::chrono::milliseconds(30));
        // Within what the first answer allows: its Date was stamped during
        // the 30 ms of its request.
        const int64_t firstDate = *ReadServerDate({lines[0]}, builtOn).seconds;
        const Micros stamped = Micros(firstDate * 1'000'000) - start.time_since_epoch();
        FUZZ_CHECK(measured.offset >= stamped - std::chrono::milliseconds(30) &&
                   measured.offset <= stamped + std::chrono::seconds(1));
    }

    // The server is asked for the URL as stored, without its fragment, or
    // with a query of its own.
    const std::string url = CacheDefeatingUrl(text, size);
    const std::string_view asked = text.substr(0, text.find('#'));
    FUZZ_CHECK(url == text || url == asked ||
          (url.compare(0, asked.size(), asked) == 0 && url.find("?_=") != std::string::npos));

    const ProxyChoice proxy = ParseProxyText(text);
    if (proxy.kind == ProxyChoice::Kind::Proxy) {
        FUZZ_CHECK(!proxy.address.host.empty() && proxy.address.port >= 1);
        FUZZ_CHECK(proxy.address.host.find(':') == std::string::npos);
        FUZZ_CHECK(text.substr(0, proxy.address.host.size() + 1) == proxy.address.host + ":");
    }
    if (proxy.kind == ProxyChoice::Kind::Direct) {
        for (char c : text) FUZZ_CHECK(static_cast<unsigned char>(c) <= 32);
    }

    if (const auto request = ParseClockSettingArguments(Words(text))) {
        FUZZ_CHECK(IsValidSystemTime(request->utc) && request->utc.year >= 1601 && request->ticks >= 0);
        // The option and the time read back exactly; the ticks may have had
        // leading zeros.
        const size_t timeEnd = kClockSettingOption.size() + 1 + 24;
        FUZZ_CHECK(ClockSettingArguments(request->utc, request->ticks).substr(0, timeEnd) == text.substr(0, timeEnd));
        ClockSettingTarget(*request, request->ticks, 10'000'000);
    }
    return 0;
}
