// The scheduled days older versions kept under "List2".
#include "daylists/old_layout_import.h"

#include <gtest/gtest.h>

#include "tests/fakes/memory_key_store.h"

namespace zenka {
namespace {

TEST(OldLayoutImport, PutsTheYearModeAfterTheYear) {
    const std::pair<const char*, const char*> cases[] = {
        {"2001,5,5,x", "2001,0,5,5,x"},
        {"1999,12,24,x", "1999,0,12,24,x"},
        {"2001,", "2001,0,"},
        {"200", "2000,"},
        {"", "0,"},
        {"平成13,5,5,x", "平成13,0,5,5,x"},  // five characters, not five bytes
    };
    for (const auto& [old, current] : cases) EXPECT_EQ(CurrentFormOfOldLine(old), current) << old;
}

TEST(OldLayoutImport, ReadsTheOldLinesAndLeavesThemThere) {
    MemoryKeyStore keys;
    EXPECT_EQ(ReadOldLayoutLines(keys), std::nullopt) << "no List2";
    keys.WriteText("List2", "Max2", "1");
    keys.WriteText("List2", "Item[0]", "");
    keys.WriteText("List2", "Item[1]", "2001,5,5,x");
    EXPECT_EQ(ReadOldLayoutLines(keys), std::nullopt) << "an empty first line";

    keys.WriteText("List2", "Item[0]", "1999,12,24,x");
    keys.WriteText("List2", "Max2", "2");  // one line more than stored
    EXPECT_EQ(ReadOldLayoutLines(keys), (std::vector<std::string>{"1999,0,12,24,x", "2001,0,5,5,x", "0,"}));
    EXPECT_EQ(keys.Data().at("List2").size(), 3u);

    // A count that cannot be read, or is below the items, gives every item there.
    for (const char* damaged : {"many", "-1", "0", "2147483647"}) {
        keys.WriteText("List2", "Max2", damaged);
        EXPECT_EQ(ReadOldLayoutLines(keys), (std::vector<std::string>{"1999,0,12,24,x", "2001,0,5,5,x"})) << damaged;
    }
}

}  // namespace
}  // namespace zenka
