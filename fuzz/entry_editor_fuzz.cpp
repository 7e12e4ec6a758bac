// The entry editor filled from any line a list may hold, on any date the
// calendar may show: the controls stay within their ranges, and the line
// the editor writes, opened again and left alone, is written the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "daylists/entry_editor.h"
#include "fuzz/fuzz_check.h"

namespace {

bool InRange(const zenka::EntryControls& c) {
    using namespace zenka;
    const auto within = [](int32_t v, const SpinRange& r) { return v >= r.min && v <= r.max; };
    return within(c.year, kYearBox) && within(c.month, kMonthBox) && within(c.weekMonth, kMonthBox) &&
           within(c.day, kDayBox) && within(c.weekNumber, kWeekNumberBox) && c.weekday >= 1 && c.weekday <= 7 &&
           (!c.yearMode || (*c.yearMode >= 0 && *c.yearMode <= 2));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    // The first three bytes pick the calendar's date: 1900..2155, a month, a day that exists.
    const zenka::CivilDate date{1900 + data[0], static_cast<uint8_t>(1 + data[1] % 12), static_cast<uint8_t>(1 + data[2] % 28)};
    const std::string_view line(reinterpret_cast<const char*>(data + 3), size - 3);
    const zenka::EditorFilling filling = zenka::FillEditorControls(line, date);
    FUZZ_CHECK(InRange(filling.controls));
    if (const auto composed = zenka::EditorLine(filling.controls); composed && !filling.error) {
        const zenka::EditorFilling again = zenka::FillEditorControls(*composed, date);
        FUZZ_CHECK(!again.error);
        FUZZ_CHECK(zenka::EditorLine(again.controls) == composed);
    }
    return 0;
}
