#include "daylists/profile_file.h"

#include <gtest/gtest.h>

#include <string>

#include "common/cp932.h"

namespace zenka {
namespace {

TEST(ProfileFile, FindsSectionsAndKeysTheWayTheWindowsFunctionsDo) {
    const ProfileFile file = ProfileFile::Parse(
        "Top=before any section\r\n"
        "[ListB]\r\n"
        "Max=1\r\n"
        "  item[0]  =  spaced value \t\r\n"
        "ITEM[0]=second of two\r\n"
        "NoEquals\r\n"
        "Empty=\r\n"
        "Quoted=\"  kept  \"\r\n"
        "Single='x'\r\n"
        "Unpaired=\"x'\r\n"
        "Lone=\"\r\n"
        "[listb]\r\n"
        "Max=later section of the same name\r\n"
        "[Tail]\r\n"
        "[Broken\r\n"
        "Lf=only\nCr=only\rEnd=no line end");
    EXPECT_EQ(file.Get("LISTB", "max"), "1");
    EXPECT_EQ(file.Get("ListB", "Item[0]"), "spaced value");
    EXPECT_EQ(file.Get(" ListB ", " Item[0] "), "spaced value");
    EXPECT_EQ(file.Get("ListB", "NoEquals"), std::nullopt);
    EXPECT_EQ(file.Get("ListB", "Empty"), "");
    EXPECT_EQ(file.Get("ListB", "Quoted"), "  kept  ");
    EXPECT_EQ(file.Get("ListB", "Single"), "x");
    EXPECT_EQ(file.Get("ListB", "Unpaired"), "\"x'");
    EXPECT_EQ(file.Get("ListB", "Lone"), "\"");
    EXPECT_EQ(file.Get("ListB", "Missing"), std::nullopt);
    EXPECT_EQ(file.Get("ListA", "Max"), std::nullopt);
    EXPECT_EQ(file.Get("ListB", "Top"), std::nullopt);
    EXPECT_EQ(file.Get("", "Top"), "before any section");
    // A header without its bracket is a key line of the section before it.
    EXPECT_EQ(file.Get("Tail", "[Broken"), std::nullopt);
    EXPECT_EQ(file.Get("Tail", "Lf"), "only");
    EXPECT_EQ(file.Get("Tail", "Cr"), "only");
    EXPECT_EQ(file.Get("Tail", "End"), "no line end");
    EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"ListB", "listb", "Tail"}));
}

TEST(ProfileFile, ReadsCodePage932AndFilesWithAByteOrderMark) {
    const std::string line = "2,11,建国記念の日";
    const ProfileFile ansi = ProfileFile::Parse(Utf8ToCp932("[休日]\r\nItem[0]=" + line + "\r\n"));
    EXPECT_EQ(ansi.Get("休日", "Item[0]"), line);

    const ProfileFile utf8 = ProfileFile::Parse("\xEF\xBB\xBF[ListC]\r\nItem[0]=" + line + "\r\n");
    EXPECT_EQ(utf8.Get("ListC", "Item[0]"), line);

    std::string utf16{'\xFF', '\xFE'};
    for (char c : std::string("[ListC]\r\nItem[0]=\x01\x02")) {
        utf16 += c;
        utf16 += '\0';
    }
    utf16.replace(utf16.size() - 4, 4, std::string("\x86\x51\x3D\xD8\x00\xDE", 6));  // 円 and U+1F600
    const ProfileFile wide = ProfileFile::Parse(utf16);
    EXPECT_EQ(wide.Get("ListC", "Item[0]"), "円\U0001F600");
}

TEST(ProfileFile, LongValuesComeBackWhole) {
    const std::string ascii(3000, 'a');
    std::string japanese = "a";
    for (int i = 0; i < 1500; ++i) japanese += "日";  // 1 + 2 * 1500 bytes in code page 932
    const ProfileFile file = ProfileFile::Parse("[S]\r\nA=" + ascii + "\r\nJ=" + Utf8ToCp932(japanese) + "\r\n");
    EXPECT_EQ(file.Get("S", "A"), ascii);
    EXPECT_EQ(file.Get("S", "J"), japanese);
}

TEST(ProfileFile, ChangesTouchOnlyWhatTheyChange) {
    const std::string original =
        "; a comment\r\n"
        "[Other]\r\n"
        "Key = value  \r\n"
        "Name=\x83\x5C\r\n"  // ソ, whose second byte is a backslash
        "\r\n"
        "[ListB]\r\n"
        "max=0\r\n"
        "Item[0]=old\r\n"
        "\r\n"
        "[After]\r\n"
        "X=1\r\n";
    ProfileFile file = ProfileFile::Parse(original);
    EXPECT_EQ(file.Serialize(), original);

    file.Set("LISTB", "Max", "1");
    file.Set("ListB", "Item[1]", "new");
    file.Set("ListA", "Max2", "-1");
    EXPECT_EQ(file.Serialize(),
              "; a comment\r\n"
              "[Other]\r\n"
              "Key = value  \r\n"
              "Name=\x83\x5C\r\n"
              "\r\n"
              "[ListB]\r\n"
              "max=1\r\n"
              "Item[0]=old\r\n"
              "Item[1]=new\r\n"
              "\r\n"
              "[After]\r\n"
              "X=1\r\n"
              "[ListA]\r\n"
              "Max2=-1\r\n");

    file.EraseSection("listb");
    file.EraseSection("Missing");
    EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"Other", "After", "ListA"}));
    EXPECT_EQ(file.Get("Other", "Name"), "ソ");
}

TEST(ProfileFile, ErasingASectionLetsALaterOneOfTheSameNameAnswer) {
    ProfileFile file = ProfileFile::Parse("[A]\r\nx=1\r\n[B]\r\ny=2\r\n[a]\r\nz=3\r\n");
    file.EraseSection("A");
    EXPECT_EQ(file.Serialize(), "[B]\r\ny=2\r\n[a]\r\nz=3\r\n");
    EXPECT_EQ(file.Get("A", "z"), "3");
    file.EraseSection("A");
    EXPECT_FALSE(file.HasSection("a"));
}

TEST(ProfileFile, WrittenValuesReadBackAsTheyWere) {
    const std::string values[] = {"plain", "", " leading", "trailing ", "\tboth\t", "\"quoted\"", "'single'",
                                  "\"", "\"\"", "\"half", "a=b=c", "[not a section]", "ソ表", "; not a comment"};
    ProfileFile file;
    for (size_t i = 0; i < std::size(values); ++i) file.Set("S", "K" + std::to_string(i), values[i]);
    file.Set("S", "Breaks", "one\r\ntwo\nthree");
    const ProfileFile reread = ProfileFile::Parse(file.Serialize());
    for (size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(reread.Get("S", "K" + std::to_string(i)), values[i]) << i;
    }
    // A line break would start a new line of the file: it becomes a blank.
    EXPECT_EQ(reread.Get("S", "Breaks"), "one  two three");
    EXPECT_EQ(reread.SectionNames(), std::vector<std::string>{"S"});
}

}  // namespace
}  // namespace zenka
