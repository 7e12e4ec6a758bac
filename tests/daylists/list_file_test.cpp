// The lines of a day list file.
#include "daylists/list_file.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace zenka {
namespace {

using Lines = std::vector<std::string>;

TEST(ListFile, SplitsAtEveryKindOfLineBreakUpToANul) {
    using namespace std::string_view_literals;
    const struct {
        std::string_view bytes;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"1,1,a", {"1,1,a"}},
        {"1,1,a\r\n", {"1,1,a"}},
        {"1,1,a\r\n2,2,b\r\n", {"1,1,a", "2,2,b"}},
        {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
        {"a\n\rb", {"a", "", "b"}},            // LF then CR: two breaks
        {"a\r\n\r\n", {"a", ""}},              // two final breaks: one empty line
        {"\r\n", {""}},
        {"\r\n1,1,a\r\n", {"", "1,1,a"}},
        {"\n\n\n", {"", "", ""}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\r", {"a"}},
        {"1,1,a\0junk\r\n2,2,b"sv, {"1,1,a"}},  // a NUL ends the text
        {"\0a"sv, {}},
        {"a\r\n\0"sv, {"a"}},
        {"a\r\0\nb"sv, {"a"}},
        // Code page 932 becomes UTF-8; no trail byte is a line break.
        {"1,1,\x8C\xB3\x92\x55\r\n2,11,\x8C\x9A\x8D\x91\x82\xCC\x93\xFA", {"1,1,元旦", "2,11,建国の日"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitListFileLines(c.bytes), c.lines) << ::testing::PrintToString(std::string(c.bytes));
    }
}

}  // namespace
}  // namespace zenka
