// The core's profile files against the system's profile functions on the
// same files: what one writes the other reads alike.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "common/utf16_win.h"
#include "common/whole_file.h"
#include "daylists/day_list_storage.h"
#include "daylists/profile_file.h"

namespace zenka {
namespace {

constexpr char kNone[] = "<none>";

struct Query {
    std::string section;
    std::string key;
};

class ProfileAgainstSystem : public ::testing::Test {
protected:
    void SetUp() override {
        if (GetACP() != 932) GTEST_SKIP() << "needs code page 932 as the system's, not " << GetACP();
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        const char* test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder_ = std::wstring(temp) + L"zenka-profile-" + Widen(test) + L"-日本";
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        if (!folder_.empty()) std::filesystem::remove_all(folder_);
    }

    std::string PathOf(const std::string& name) { return Narrow(folder_ + L"\\" + Widen(name)); }

    // Through the ANSI function with a 2048-byte buffer, as the restore reads.
    static std::string SystemGet(const std::string& path, const Query& q) {
        FlushCache(path);
        char buffer[2048];
        GetPrivateProfileStringA(Utf8ToCp932(q.section).c_str(), Utf8ToCp932(q.key).c_str(), kNone, buffer,
                                 sizeof buffer, Utf8ToCp932(path).c_str());
        return Cp932ToUtf8(buffer);
    }
    // Cut as the system's buffer cuts; the core itself reads values whole.
    static std::string OurGet(const std::string& path, const Query& q) {
        const auto value = ProfileFile::Parse(ReadWholeFile(path).value_or("")).Get(q.section, q.key);
        return value ? Cp932Prefix(*value, 2047) : kNone;
    }
    // The system keeps a file it has read in memory; make it read afresh.
    static void FlushCache(const std::string& path) {
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, Widen(path).c_str());
    }

    void ExpectAlike(const std::string& path, const std::vector<Query>& queries) {
        for (const Query& q : queries) {
            EXPECT_EQ(OurGet(path, q), SystemGet(path, q)) << path << " [" << q.section << "] " << q.key;
        }
    }

    std::wstring folder_;
};

std::vector<Query> ListQueries(size_t items) {
    std::vector<Query> queries;
    for (const auto& [section, count] : {std::pair{"ListB", "Max"}, {"ListA", "Max2"}, {"ListC", "KMax"}}) {
        queries.push_back({section, count});
        for (size_t i = 0; i < items; ++i) queries.push_back({section, ItemName(i)});
    }
    return queries;
}

TEST_F(ProfileAgainstSystem, ABackupReadsBackTheSameLinesThroughTheSystem) {
    std::string longJapanese = "1,1,";
    while (Utf8ToCp932(longJapanese).size() < 2047) longJapanese += "祝";  // the cut falls between characters
    const DayLists lists{
        {"1,1,元旦", "2,11,建国記念の日", " leading blank", "trailing blank ", "\"quoted\"", "'single'", ""},
        {"", "2,14,x", "a=b", "[not a section]", "; not a comment", std::string(3000, 'x'), longJapanese},
        {"2026,0,7,7,七夕の集い", "ソ表能", "\t tab "}};
    const std::string path = PathOf("Zenka.bak");
    ASSERT_EQ(BackupDayLists(lists, path).outcome, BackupResult::Written);
    ExpectAlike(path, ListQueries(8));

    // The restore gives back the lines whole, the long ones too.
    DayLists restored;
    std::vector<std::string> messages;
    ASSERT_TRUE(RestoreDayListsFromBackup(path, restored, [&](const std::string& m) { messages.push_back(m); }));
    EXPECT_EQ(restored, lists);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ProfileAgainstSystem, HandWrittenFilesReadAlike) {
    const std::vector<std::string> files{
        Utf8ToCp932("Top=before\r\n[ListB]\r\nMax=1\r\n  item[0]  =  spaced value \t\r\nITEM[0]=second\r\n"
                    "NoEquals\r\nEmpty=\r\nQuoted=\"  kept  \"\r\nSingle='x'\r\nUnpaired=\"x'\r\nLone=\"\r\n"
                    "[listb]\r\nMax=later\r\nOnlyLater=1\r\n[Tail]\r\n[Broken\r\nLf=only\nCr=only\rEnd=no end"),
        Utf8ToCp932("\r\n\r\n[ListC]\r\n\r\nKMax=2\r\n\x1A\r\nItem[0]=全角　\r\nItem[1]=\x1A" "eof\x1A\r\n"
                    "; comment=1\r\n[ ListA ]\r\nMax2=0\r\n[ListA]x\r\nMax2=3\r\n"
                    "[\tTabbed  ]\r\nt=1\r\n[In ner]\r\nn=1\r\n[]\r\ne=1\r\n"),
        "\xEF\xBB\xBF[ListB]\r\nMax=0\r\nItem[0]=" + std::string("ユニコード") + "\r\n",
    };
    const std::vector<Query> queries{
        {"ListB", "Max"},     {"listb", "ITEM[0]"},  {"ListB", "NoEquals"}, {"ListB", "Empty"},
        {"ListB", "Quoted"},  {"ListB", "Single"},   {"ListB", "Unpaired"}, {"ListB", "Lone"},
        {"ListB", "OnlyLater"}, {"ListB", "Top"},    {"Tail", "[Broken"},   {"Tail", "Lf"},
        {"Tail", "Cr"},       {"Tail", "End"},       {"ListC", "KMax"},     {"ListC", "Item[0]"},
        {"ListC", "Item[1]"}, {"ListC", "; comment"}, {"ListA", "Max2"},    {" ListA ", "Max2"},
        {"ListB", " Max "},   {"Missing", "Max"},    {"Tabbed", "t"},      {"In ner", "n"},
        {"", "e"},            {"", "Top"},
    };
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string path = PathOf("crafted" + std::to_string(i) + ".ini");
        ASSERT_TRUE(ReplaceWholeFile(path, files[i]));
        ExpectAlike(path, queries);
    }
}

TEST_F(ProfileAgainstSystem, FilesTheSystemWroteReadAlike) {
    const std::string path = PathOf("system.bak");
    const std::string file = Utf8ToCp932(path);
    auto write = [&](const char* section, const char* key, const std::string& value) {
        ASSERT_TRUE(WritePrivateProfileStringA(section, key, key ? Utf8ToCp932(value).c_str() : nullptr, file.c_str()));
    };
    write("Other", "Keep", "this");
    write("ListB", "Max", "3");
    write("ListB", "Item[0]", "2,14,バレンタイン");
    write("ListB", "Item[1]", "  leading");
    write("ListB", "Item[2]", "trailing  ");
    write("ListB", "Item[3]", "\"q\"");
    write("ListC", "KMax", "0");
    write("ListC", "Item[0]", "1,1,元旦");
    write("ListB", nullptr, "");  // erases the section
    write("ListB", "Max", "0");
    write("ListB", "Item[0]", "again");
    std::vector<Query> queries = ListQueries(4);
    queries.push_back({"Other", "Keep"});
    ExpectAlike(path, queries);
}

TEST_F(ProfileAgainstSystem, ChangesMadeBothWaysReadAlike) {
    const std::string start = Utf8ToCp932(
        "[Other]\r\nKeep=1\r\n[ListB]\r\nMax=5\r\nItem[4]=stale\r\n[Mid]\r\nx=1\r\n[listb]\r\nMax=9\r\nOnlySecond=1\r\n"
        "[ListA]\r\nmax2=1\r\nItem[0]=a\r\n");
    const std::string ours = PathOf("ours.ini");
    const std::string theirs = PathOf("theirs.ini");
    ASSERT_TRUE(ReplaceWholeFile(theirs, start));
    ProfileFile file = ProfileFile::Parse(start);

    struct Change {
        const char* section;
        const char* key;  // nullptr: erase the section
        std::string value;
    };
    const std::vector<Change> changes{
        {"ListB", nullptr, ""},       {"ListB", "Max", "0"},      {"ListB", "Item[0]", "新しい"},
        {"ListA", "MAX2", "2"},       {"ListA", "Item[1]", "b"},  {"ListC", "KMax", "-1"},
        {"Other", "Added", "値"},
    };
    for (const Change& c : changes) {
        if (c.key) {
            file.Set(c.section, c.key, c.value);
        } else {
            file.EraseSection(c.section);
        }
        ASSERT_TRUE(WritePrivateProfileStringA(c.section, c.key, c.key ? Utf8ToCp932(c.value).c_str() : nullptr,
                                               Utf8ToCp932(theirs).c_str()));
    }
    ASSERT_TRUE(ReplaceWholeFile(ours, file.Serialize()));
    std::vector<Query> queries = ListQueries(5);
    queries.insert(queries.end(), {{"Other", "Keep"}, {"Other", "Added"}, {"Mid", "x"}, {"ListB", "OnlySecond"}});
    for (const Query& q : queries) {
        const std::string expected = SystemGet(theirs, q);
        EXPECT_EQ(SystemGet(ours, q), expected) << "[" << q.section << "] " << q.key;
        EXPECT_EQ(OurGet(theirs, q), expected) << "[" << q.section << "] " << q.key;
    }
}

}  // namespace
}  // namespace zenka
