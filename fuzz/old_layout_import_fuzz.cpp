// The old-layout import from a key store of any contents: the old lines are
// read without growing beyond the items there, each in the current form, and
// the store is left as it was.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "daylists/day_list_storage.h"
#include "daylists/old_layout_import.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_key_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    zenka::fuzz::FuzzKeyStore keys(input);
    const zenka::fuzz::FuzzKeyStore::Contents before = keys.Values();
    const auto lines = zenka::ReadOldLayoutLines(keys);
    FUZZ_CHECK(keys.Values() == before);
    if (!lines) return 0;
    FUZZ_CHECK(!lines->empty());
    FUZZ_CHECK(lines->size() <= (before.size() + 1) * 101);
    for (size_t i = 0; i < lines->size(); ++i) {
        const std::optional<std::string> old = keys.ReadText("List2", zenka::ItemName(i));
        FUZZ_CHECK((*lines)[i] == zenka::CurrentFormOfOldLine(old.value_or("")));
    }
    return 0;
}
