// Dates typed on a command line: any text is a date of the supported range
// or a clear refusal, and a date read is the date written.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/date_text.h"
#include "calendar/julius.h"
#include "fuzz/fuzz_check.h"

using namespace zenka;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const int32_t julius = ParseDateText(text);
        FUZZ_CHECK(IsSupportedDay(julius));
        const CivilDate date = JuliusToDate(julius);
        const std::string written =
            std::to_string(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day);
        FUZZ_CHECK(ParseDateText(written) == julius);
    } catch (const EDateTextError& e) {
        // The message quotes the text; what() ends at a NUL, as C text does.
        FUZZ_CHECK(std::string_view(e.what()).ends_with(text.substr(0, text.find('\0'))));
    } catch (const EJuliusError&) {
        // A day of the 1582 gap.
    }
    return 0;
}
