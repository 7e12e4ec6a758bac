// The headers of an HTTP response as the clock measurement reads them from
// the HTTP stack's raw text: the Date values picked out of the lines, and
// the server's time read from them against the build day. Every value is
// one header's, without line ends or the blanks around it; a text beyond
// the size headers may have is refused before it is read, as the
// measurement does.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "timesync/date_header.h"
#include "timesync/response_headers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    if (raw.size() > zenka::kMaxResponseHeaderBytes) return 0;
    const std::vector<std::string> dates = zenka::DateHeaderValues(raw);
    size_t total = 0;
    for (const std::string& value : dates) {
        FUZZ_CHECK(value.find('\n') == std::string::npos);
        if (!value.empty()) {
            FUZZ_CHECK(value.front() != ' ' && value.front() != '\t');
            FUZZ_CHECK(value.back() != ' ' && value.back() != '\t' && value.back() != '\r');
        }
        total += value.size();
    }
    FUZZ_CHECK(total <= raw.size());
    FUZZ_CHECK(dates.size() <= raw.size() / 6 + 1);  // each at least "\nDate:"

    static const zenka::SystemTime builtOn = zenka::BuildDay();
    const zenka::ServerDate date = zenka::ReadServerDate(dates, builtOn);
    FUZZ_CHECK(date.seconds.has_value() != !date.reason.empty());
    if (date.seconds) {
        FUZZ_CHECK(dates.size() == 1);
        // The second it names, written back, reads as the same second.
        const zenka::ServerDate again = zenka::ReadServerDate({zenka::HttpDateText(*date.seconds)}, builtOn);
        FUZZ_CHECK(again.seconds == date.seconds);
    }
    return 0;
}
