// Loading every setting and list from a key store of any contents, through
// the settings table: what was loaded, saved into a new store, loads again
// the same, a window position not kept aside.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/settings_bulk.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_key_store.h"

namespace {

const std::string kTag = zenka::ResolutionTag(1024, 768);

void LoadEverything(zenka::KeyStore& keys, zenka::AppSettings& settings, zenka::DayLists& lists, int& told) {
    zenka::SettingsStore store(keys);
    zenka::LoadAllSettings(store, kTag, settings, lists, [&](const std::string&) { ++told; });
    zenka::LoadStartupDisplay(store, settings);
    zenka::LoadStartupWait(store, settings);
    zenka::LoadTrayChecks(store, settings);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    zenka::fuzz::FuzzKeyStore keys(input);
    zenka::AppSettings settings;
    zenka::DayLists lists;
    int told = 0;
    LoadEverything(keys, settings, lists, told);
    FUZZ_CHECK(told <= 1);
    zenka::SettingsStore store(keys);
    (void)zenka::LoadMemoBounds(store, 1024, 768);

    zenka::fuzz::FuzzKeyStore saved;
    {
        zenka::SettingsStore out(saved);
        zenka::SaveAllSettings(out, kTag, settings, lists);
        zenka::SaveSyncDay(out, settings.sync.syncDay);
    }
    zenka::AppSettings again;
    zenka::DayLists againLists;
    told = 0;
    LoadEverything(saved, again, againLists, told);
    // A position of which only one value was stored is not the window's
    // own (posKept): it is not saved, and none loads again.
    if (!settings.posKept) again.pos = settings.pos;
    FUZZ_CHECK(again == settings);
    FUZZ_CHECK(againLists == lists);
    FUZZ_CHECK(told == 0);
    return 0;
}
