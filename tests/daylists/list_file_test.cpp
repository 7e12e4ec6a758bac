// List files: their line rules, their encodings and the way they are saved.
#include "daylists/list_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/default_holidays.h"
#include "common/cp932.h"
#include "common/whole_file.h"
#include "tests/support/scratch_folder.h"

namespace zenka {
namespace {

namespace fs = std::filesystem;
using testing::Utf8;
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
        {" a ,b\t\r\n", {" a ,b\t"}},          // lines are taken as they are
        // Code page 932 becomes UTF-8; no trail byte is a line break.
        {"1,1,\x8C\xB3\x92\x55\r\n2,11,\x8C\x9A\x8D\x91\x82\xCC\x93\xFA", {"1,1,元旦", "2,11,建国の日"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitListFileLines(c.bytes), c.lines) << ::testing::PrintToString(std::string(c.bytes));
    }
}

TEST(ListFile, CodePage932AndUtf8BothRead) {
    const std::string lines = "1,1,元旦\r\n2,14,バレンタイン\r\n";
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"code page 932", Utf8ToCp932(lines)},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + lines},
        {"UTF-8 without it", lines},
        {"UTF-8 with LF only", "1,1,元旦\n2,14,バレンタイン"},
    };
    for (const Case& c : cases) {
        const DecodedListFile file = DecodeListFile(c.bytes);
        EXPECT_EQ(file.lines, (Lines{"1,1,元旦", "2,14,バレンタイン"})) << c.what;
        EXPECT_TRUE(file.unreadableLines.empty()) << c.what;
    }

    // Half-width katakana, whose code page 932 bytes can pass for UTF-8
    // letters, read as code page 932 unless the file is UTF-8 throughout.
    const DecodedListFile kana = DecodeListFile(Utf8ToCp932("1,1,ﾃｽ\r\n2,2,日本\r\n"));
    EXPECT_EQ(kana.lines, (Lines{"1,1,ﾃｽ", "2,2,日本"}));
    // A UTF-8 file with one damaged line keeps its other lines as UTF-8.
    const DecodedListFile damaged = DecodeListFile("1,1,元旦\r\n2,2,\x93\xFA\x96\x7B\r\n3,3,\xE3\r\n");
    EXPECT_EQ(damaged.lines, (Lines{"1,1,元旦", "2,2,日本", "3,3,\xEF\xBF\xBD"}));
    EXPECT_EQ(damaged.unreadableLines, (std::vector<size_t>{3}));
}

TEST(ListFile, LinesThatAreNeitherReadWithReplacementCharacters) {
    const DecodedListFile cp932 = DecodeListFile("ok\r\n\x81\r\nfine\r\n\x82\x20x\r\n\xEF\x40");
    EXPECT_EQ(cp932.lines, (Lines{"ok", "\xEF\xBF\xBD", "fine", "\xEF\xBF\xBD x", "\xEF\xBF\xBD@"}));
    EXPECT_EQ(cp932.unreadableLines, (std::vector<size_t>{2, 4, 5}));

    const DecodedListFile utf8 = DecodeListFile("\xEF\xBB\xBF" "a\r\n\x93\xFA\r\n");
    EXPECT_EQ(utf8.lines, (Lines{"a", "\xEF\xBF\xBD\xEF\xBF\xBD"}));
    EXPECT_EQ(utf8.unreadableLines, (std::vector<size_t>{2}));
}

TEST(ListFile, WritesCodePage932UnlessALineNeedsMore) {
    EXPECT_EQ(EncodeListFile({}), "");
    EXPECT_EQ(EncodeListFile({"1,1,元旦", ""}), Utf8ToCp932("1,1,元旦\r\n\r\n"));
    // 鷗 and the emoji are not in code page 932; the whole file becomes UTF-8.
    const Lines wide{"1,1,元旦", "1,2,森鷗外", "5,5,\U0001F382"};
    EXPECT_EQ(EncodeListFile(wide), "\xEF\xBB\xBF" "1,1,元旦\r\n1,2,森鷗外\r\n5,5,\U0001F382\r\n");
    EXPECT_EQ(DecodeListFile(EncodeListFile(wide)).lines, wide);

    // Two characters whose code page 932 bytes pass for UTF-8 (for two
    // others) go as UTF-8.
    const Lines lookalike{Cp932ToUtf8("\xE9\x85\x87\x57")};
    EXPECT_EQ(EncodeListFile(lookalike), "\xEF\xBB\xBF" + lookalike[0] + "\r\n");
    EXPECT_EQ(DecodeListFile(EncodeListFile(lookalike)).lines, lookalike);
}

TEST(ListFile, FilesRoundTripByteForByteOrBecomeCrLf) {
    struct Case {
        std::string bytes;
        std::string saved;  // empty: the same bytes
    };
    const Case cases[] = {
        {Utf8ToCp932("1,1,元旦\r\n11,3,文化の日\r\n"), ""},
        {Utf8ToCp932("1,1,元旦\r\n\r\n"), ""},
        {"", ""},
        {Utf8ToCp932("ｱｲｳ\r\n①\r\n"), ""},
        {"a\rb\r", "a\r\nb\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\r\nb", "a\r\nb\r\n"},
        {std::string("a\r\nb\0junk", 9), "a\r\nb\r\n"},
    };
    for (const Case& c : cases) {
        const std::string saved = EncodeListFile(DecodeListFile(c.bytes).lines);
        EXPECT_EQ(saved, c.saved.empty() ? c.bytes : c.saved) << ::testing::PrintToString(c.bytes);
    }
    // Every character code page 932 holds comes back as itself.
    std::string all;
    for (char32_t cp = 0x20; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp < 0xE000) continue;
        std::string one;
        AppendUtf8(one, cp);
        if (Cp932CanHold(one)) all += one;
    }
    EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932(all)), all);
    EXPECT_EQ(DecodeListFile(EncodeListFile({all})).lines, Lines{all});
}

class ListFileOnDisk : public ::testing::Test {
protected:
    ShowMessage Collect() {
        return [this](const std::string& text) { messages_.push_back(text); };
    }

    testing::ScratchFolder scratch_{"listfile"};
    const fs::path& folder_ = scratch_.Path();
    std::vector<std::string> messages_;
};

TEST_F(ListFileOnDisk, SavedListsLoadBackAndSavingReplacesWithoutAQuestion) {
    const std::string path = Utf8(folder_ / "休日リスト.txt");
    ASSERT_TRUE(SaveListFile(path, DefaultHolidayLines(), Collect()));
    EXPECT_EQ(LoadListFile(path, Collect()), DefaultHolidayLines());
    ASSERT_TRUE(SaveListFile(path, {"1,1,元旦"}, Collect()));
    EXPECT_EQ(ReadWholeFile(path), Utf8ToCp932("1,1,元旦\r\n"));
    ASSERT_TRUE(SaveListFile(path, {}, Collect()));
    EXPECT_EQ(ReadWholeFile(path), "");
    EXPECT_EQ(LoadListFile(path, Collect()), Lines{});
    EXPECT_TRUE(messages_.empty());
    EXPECT_FALSE(fs::exists(fs::path(folder_ / ("休日リスト.txt" + FreshNameSuffix(0)))));
}

TEST_F(ListFileOnDisk, SavingRemovesItsOwnLeftoversAndNoOtherName) {
    // Every name of the new file left behind by saves that ended half-way,
    // beside a user's own "name~" and "name~1" and another file's leftover.
    const std::string path = Utf8(folder_ / "list.txt");
    for (int n = 0; n < kFreshNameTries; ++n) ASSERT_TRUE(ReplaceWholeFile(path + FreshNameSuffix(n), "half"));
    const std::vector<std::string> others{path + "~", path + "~1", Utf8(folder_ / "other.txt") + FreshNameSuffix(0)};
    for (const std::string& other : others) ASSERT_TRUE(ReplaceWholeFile(other, "mine\r\n"));

    ASSERT_TRUE(SaveListFile(path, {"1,1,元旦"}, Collect()));
    EXPECT_EQ(ReadWholeFile(path), Utf8ToCp932("1,1,元旦\r\n"));
    for (int n = 0; n < kFreshNameTries; ++n) EXPECT_FALSE(fs::exists(folder_ / ("list.txt" + FreshNameSuffix(n)))) << n;
    for (const std::string& other : others) EXPECT_EQ(ReadWholeFile(other), "mine\r\n") << other;
    EXPECT_TRUE(messages_.empty());
}

TEST_F(ListFileOnDisk, AFailedSaveKeepsTheOldFileAndSaysWhichFile) {
    // A read-only file stands for one that cannot be replaced.
    const std::string path = Utf8(folder_ / "old.txt");
    ASSERT_TRUE(ReplaceWholeFile(path, "old\r\n"));
    fs::permissions(folder_ / "old.txt", fs::perms::owner_read);
    EXPECT_FALSE(SaveListFile(path, {"new"}, Collect()));
    fs::permissions(folder_ / "old.txt", fs::perms::owner_all);
    EXPECT_EQ(ReadWholeFile(path), "old\r\n");

    const std::string nowhere = Utf8(folder_ / "missing" / "x.txt");
    EXPECT_FALSE(SaveListFile(nowhere, {"new"}, Collect()));
    EXPECT_EQ(messages_,
              (std::vector<std::string>{"ファイル " + path + " を作成できません: 読み取り専用になっています",
                                        "ファイル " + nowhere + " を作成できません: 同じフォルダに一時ファイルを書き込めません "
                                                                "(書き込みが許されていないか、ディスクがいっぱいです)"}));
}

TEST_F(ListFileOnDisk, LoadingSaysWhatItCouldNotRead) {
    const std::string missing = Utf8(folder_ / "無い.txt");
    EXPECT_EQ(LoadListFile(missing, Collect()), std::nullopt);
    EXPECT_EQ(LoadListFile(Utf8(folder_), Collect()), std::nullopt);

    const std::string damaged = Utf8(folder_ / "damaged.txt");
    std::string bytes;
    for (int i = 1; i <= 12; ++i) bytes += i % 2 ? "\x81\r\n" : "ok\r\n";
    ASSERT_TRUE(ReplaceWholeFile(damaged, bytes));
    const auto lines = LoadListFile(damaged, Collect());
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), 12u);
    EXPECT_EQ(messages_, (std::vector<std::string>{
                             "ファイル " + missing + " は開けません",
                             "ファイル " + Utf8(folder_) + " は開けません",
                             "ファイル " + damaged + " の 1, 3, 5, 7, 9, 11 行目には読めない文字があります。"
                                                     "読めない文字は「\xEF\xBF\xBD」に置き換えて読み込みました。",
                         }));
}

TEST(ListFile, ProposedNamesAndFilter) {
    EXPECT_EQ(ProposedListFileName(DayListKind::Yotei), "予定日リスト");
    EXPECT_EQ(ProposedListFileName(DayListKind::Special), "特別日リスト");
    EXPECT_EQ(ProposedListFileName(DayListKind::Holiday), "休日リスト");
    EXPECT_STREQ(kListFileFilter, "テキスト ファイル(*.txt)|*.txt");
}

}  // namespace
}  // namespace zenka
