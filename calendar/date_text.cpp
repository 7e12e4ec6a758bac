#include "calendar/date_text.h"

#include <optional>
#include <string>

#include "calendar/julius.h"
#include "calendar/number_text.h"

namespace zenka {
namespace {

// Decimal digits, with a minus sign only where allowed; nothing else.
std::optional<int64_t> Number(std::string_view text, bool signedNumber) {
    return ReadNumber(text, {.signs = signedNumber ? "-" : ""});
}

}  // namespace

int32_t ParseDateText(std::string_view text) {
    const auto quoted = [text](const char* message) { return EDateTextError(message + std::string(text)); };
    // The year's own minus sign is no separator.
    const size_t second = text.rfind('-');
    const size_t first = second == std::string_view::npos || second == 0 ? std::string_view::npos
                                                                         : text.rfind('-', second - 1);
    if (first == std::string_view::npos || first == 0) throw quoted("日付は YYYY-MM-DD で指定してください: ");
    const auto year = Number(text.substr(0, first), true);
    const auto month = Number(text.substr(first + 1, second - first - 1), false);
    const auto day = Number(text.substr(second + 1), false);
    if (!year || !month || !day) throw quoted("日付は YYYY-MM-DD で指定してください: ");
    if (!IsSupportedYear(*year)) throw EDateTextError(std::string(kSupportedRangeMessage) + ": " + std::string(text));
    // IsValidDate raises EJuliusError for the dropped days of 1582.
    if (*month < 1 || *month > 12 || *day < 1 || *day > 31 ||
        !IsValidDate(*year, static_cast<uint8_t>(*month), static_cast<uint8_t>(*day))) {
        throw quoted("存在しない日付です: ");
    }
    return DateToJulius(*year, static_cast<uint8_t>(*month), static_cast<uint8_t>(*day));
}

}  // namespace zenka
