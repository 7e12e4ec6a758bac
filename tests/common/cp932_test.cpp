#include "common/cp932.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

TEST(Cp932, JapaneseTextRoundTrips) {
    const std::string text = "平成18年1月1日(日)元旦 ｱｲｳ ① ～ ＡＢＣ";
    const std::string bytes = Utf8ToCp932(text);
    EXPECT_EQ(Cp932ToUtf8(bytes), text);
    EXPECT_EQ(Utf8ToCp932("元旦"), "\x8C\xB3\x92\x55");
    EXPECT_EQ(Utf8ToCp932("×"), "\x81\x7E") << "the multiplication sign of the resolution tag";
    EXPECT_EQ(Utf8ToCp932("ｱ"), "\xB1");
    EXPECT_EQ(Cp932ToUtf8("\x82\xA0"), "あ");
    EXPECT_EQ(Cp932ToUtf8("\x5C\x7E"), "\\~") << "ASCII stays ASCII";
}

TEST(Cp932, CommaNeverAppearsInsideACharacter) {
    // A trail byte can be 0x40..0xFC but never 0x2C, so comma splitting on
    // bytes stays safe; 0x5C (backslash) does occur as a trail byte.
    EXPECT_EQ(Utf8ToCp932("ソ"), "\x83\x5C");
    EXPECT_EQ(Cp932ToUtf8("\x83\x5C,\x83\x5C"), "ソ,ソ");
}

TEST(Cp932, BadBytesBecomeReplacementCharacters) {
    EXPECT_EQ(Cp932ToUtf8("\x82"), "\xEF\xBF\xBD") << "a lead byte at the end";
    EXPECT_EQ(Cp932ToUtf8("\x82\x20" "A"), "\xEF\xBF\xBD A") << "a lead byte before a byte that cannot trail";
    EXPECT_EQ(Cp932ToUtf8("\x85\x40"), "\xEF\xBF\xBD@") << "an unassigned code";
    EXPECT_EQ(Utf8ToCp932("\xFF" "a"), "?a") << "malformed UTF-8";
    EXPECT_EQ(Utf8ToCp932("😀"), "?") << "a character the code page lacks";
    EXPECT_EQ(Utf8ToCp932(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp932, PrefixCountsCodePageBytesWithoutSplitting) {
    EXPECT_EQ(Cp932Prefix("あいう", 4), "あい");
    EXPECT_EQ(Cp932Prefix("あいう", 5), "あい") << "half a character is dropped";
    EXPECT_EQ(Cp932Prefix("aあ", 2), "a");
    EXPECT_EQ(Cp932Prefix("ｱｲｳ", 2), "ｱｲ") << "half-width katakana is one byte";
    EXPECT_EQ(Cp932Prefix("abc", 10), "abc");
    EXPECT_EQ(Cp932Prefix("", 0), "");
}

}  // namespace
}  // namespace zenka
