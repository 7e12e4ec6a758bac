// Loading the day lists from a key store of any contents (damaged counts,
// values without text, half-written saves): no list grows beyond the items
// there, a damage is told at most once, and what was loaded, once saved,
// loads again the same without a word.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/default_holidays.h"
#include "daylists/day_list_storage.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_key_store.h"

namespace {

// Items stand at most this far apart, and a count at most this far beyond
// the last one, for their lines to be read.
constexpr size_t kGap = 101;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    zenka::fuzz::FuzzKeyStore keys(input);
    // An empty store loads the default holidays.
    const size_t bound = (keys.Values().size() + 1) * kGap + zenka::DefaultHolidayLines().size();
    int told = 0;
    const zenka::DayLists lists = zenka::LoadDayLists(keys, [&](const std::string&) { ++told; });
    FUZZ_CHECK(told <= 1);
    for (const auto* list : {&lists.HolidayList, &lists.SpecialDayList, &lists.YoteiDayList}) {
        FUZZ_CHECK(list->size() <= bound);
    }

    FUZZ_CHECK(zenka::SaveDayLists(keys, lists));
    told = 0;
    FUZZ_CHECK(zenka::LoadDayLists(keys, [&](const std::string&) { ++told; }) == lists);
    FUZZ_CHECK(told == 0);
    return 0;
}
