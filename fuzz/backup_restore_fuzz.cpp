// Restoring the day lists from backup-file bytes of any contents, counts in
// every form included: at most one message, none when lists were restored
// and no count was damaged; lists that do not stand keep what they had; and
// restored lists, written as a backup writes them, restore the same.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "daylists/day_list_storage.h"
#include "daylists/profile_file.h"
#include "fuzz/fuzz_check.h"

namespace {

void AddList(zenka::ProfileFile& file, const zenka::DayListPlace& place, const std::vector<std::string>& lines) {
    std::vector<std::pair<std::string, std::string>> entries;
    entries.emplace_back(place.countName, std::to_string(static_cast<int64_t>(lines.size()) - 1));
    for (size_t i = 0; i < lines.size(); ++i) entries.emplace_back(zenka::ItemName(i), lines[i]);
    file.AddSection(place.section, entries);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const zenka::DayLists before{{"before"}, {"before"}, {"before"}};
    zenka::DayLists lists = before;
    std::vector<std::string> told;
    const bool restored = zenka::RestoreDayListsFromBackupBytes(bytes, "fuzz.bak", lists,
                                                                [&](const std::string& text) { told.push_back(text); });
    FUZZ_CHECK(told.size() <= 1);
    if (!restored) {
        FUZZ_CHECK(told.size() == 1);
        FUZZ_CHECK(lists == before);
        return 0;
    }
    for (const auto* list : {&lists.HolidayList, &lists.SpecialDayList, &lists.YoteiDayList}) {
        FUZZ_CHECK(list->size() <= (size + 1) * 101 + 17);
    }

    zenka::ProfileFile file;
    AddList(file, zenka::kSpecialDayListPlace, lists.SpecialDayList);
    AddList(file, zenka::kYoteiDayListPlace, lists.YoteiDayList);
    AddList(file, zenka::kHolidayListPlace, lists.HolidayList);
    zenka::DayLists again{{"x"}, {"x"}, {"x"}};
    told.clear();
    FUZZ_CHECK(zenka::RestoreDayListsFromBackupBytes(file.Serialize(), "fuzz.bak", again,
                                                     [&](const std::string& text) { told.push_back(text); }));
    FUZZ_CHECK(told.empty());
    FUZZ_CHECK(again == lists);
    return 0;
}
