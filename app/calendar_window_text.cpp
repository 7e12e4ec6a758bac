#include "app/calendar_window_text.h"

#include "calendar/old_calendar.h"

namespace zenka {
namespace {

// Blanks and control characters: every byte up to 0x20. Bytes of code page
// 932 and UTF-8 multi-byte characters all lie above it.
std::string_view Trim(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 0x20) text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 0x20) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string TooltipRokuyoName(int32_t julius) {
    const uint8_t index = RokuyoIndex(julius);
    if (index == 0) return {};
    return std::string(RokuyoNames(index)) + " ";
}

std::string CalendarHintText(bool withRokuyo, int32_t julius, std::string_view names) {
    std::string text = withRokuyo ? TooltipRokuyoName(julius) : std::string();
    text += names;
    return std::string(Trim(text));
}

}  // namespace zenka
