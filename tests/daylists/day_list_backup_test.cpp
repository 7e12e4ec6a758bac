// The backup file of the day lists: writing it, and reading it back the way
// a restore does.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "calendar/default_holidays.h"
#include "common/cp932.h"
#include "common/whole_file.h"
#include "daylists/day_list_storage.h"
#include "daylists/profile_file.h"
#include "tests/support/scratch_folder.h"

namespace zenka {
namespace {

namespace fs = std::filesystem;
using testing::Utf8;

fs::path PathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

class BackupFile : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder_ / u8"日本語");
        path_ = Utf8(folder_ / u8"日本語" / "Zenka.bak");
    }

    void WriteFile(const std::string& bytes) { ASSERT_TRUE(ReplaceWholeFile(path_, bytes)); }
    std::string FileBytes() { return ReadWholeFile(path_).value_or("(missing)"); }
    // Keeps the message of a backup that did not happen.
    BackupResult Backup(const DayLists& lists, const std::string& path) {
        BackupResult result = BackupDayLists(lists, path);
        if (result.outcome != BackupResult::Written) messages_.push_back(result.message);
        return result;
    }
    bool Backup(const DayLists& lists) { return Backup(lists, path_).outcome == BackupResult::Written; }
    bool Restore(DayLists& lists, const std::string& path) {
        return RestoreDayListsFromBackup(path, lists, [this](const std::string& text) { messages_.push_back(text); });
    }
    bool Restore(DayLists& lists) { return Restore(lists, path_); }

    testing::ScratchFolder scratch_{"backup"};
    const fs::path& folder_ = scratch_.Path();
    std::string path_;
    std::vector<std::string> messages_;
};

TEST(BackupPath, IsTheExecutablesPathWithAnotherExtension) {
    EXPECT_EQ(BackupPathFor("C:\\Program Files\\Zenka\\Zenka.exe"), "C:\\Program Files\\Zenka\\Zenka.bak");
    EXPECT_EQ(BackupPathFor("C:\\ツール\\zenka.EXE"), "C:\\ツール\\zenka.bak");
    EXPECT_EQ(BackupPathFor("C:\\a.b\\zenka"), "C:\\a.b\\zenka.bak");
    EXPECT_EQ(BackupPathFor("/opt/z/zenka.tar.gz"), "/opt/z/zenka.tar.bak");
}

TEST_F(BackupFile, HoldsTheThreeListsAfterTheOtherSections) {
    WriteFile("[Mine]\r\nKeep=this\r\n[ListC]\r\nKMax=4\r\nItem[4]=stale\r\n[listc]\r\nItem[3]=copy\r\n");
    const DayLists lists{{"1,1,元旦"}, {"2,14,x", "2,14,x"}, {}};
    ASSERT_TRUE(Backup(lists));
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(FileBytes(), Utf8ToCp932("[Mine]\r\nKeep=this\r\n"
                                       "[ListB]\r\nMax=1\r\nItem[0]=2,14,x\r\nItem[1]=2,14,x\r\n"
                                       "[ListA]\r\nMax2=-1\r\n"
                                       "[ListC]\r\nKMax=0\r\nItem[0]=1,1,元旦\r\n"));
    EXPECT_FALSE(fs::exists(PathOf(path_ + FreshNameSuffix(0))));
}

TEST_F(BackupFile, RestoresWhatWasBackedUp) {
    const DayLists lists{{"1,1,元旦", " blank at the start", "blank at the end ", "\"quoted\"", "1,1,元旦"},
                         {"", "2,14,after an empty first line"},
                         {"2026,0,7,7,七夕の集い"}};
    ASSERT_TRUE(Backup(lists));
    DayLists restored{{"a"}, {"b"}, {"c"}};
    EXPECT_TRUE(Restore(restored));
    EXPECT_EQ(restored, lists);

    // Backing up again replaces the file; a shorter list leaves no items behind.
    ASSERT_TRUE(Backup({{}, {"x"}, {"y"}}));
    const ProfileFile file = ProfileFile::Parse(FileBytes());
    EXPECT_EQ(file.Get("ListC", "KMax"), "-1");
    EXPECT_EQ(file.Get("ListC", "Item[0]"), std::nullopt);
    EXPECT_EQ(file.Get("ListB", "Item[1]"), std::nullopt);
    EXPECT_TRUE(Restore(restored));
    EXPECT_EQ(restored, (DayLists{{}, {"x"}, {"y"}}));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(BackupFile, AFailedWriteShowsThePathAndKeepsTheOldFile) {
    // A file marked read-only.
    const std::string readOnly = Utf8(folder_ / "readonly.bak");
    { std::ofstream(PathOf(readOnly)) << "old"; }
    fs::permissions(PathOf(readOnly), fs::perms::owner_read);
    EXPECT_EQ(Backup({}, readOnly).outcome, BackupResult::NotWritten);
    EXPECT_EQ(messages_, std::vector<std::string>{readOnly + " に書き込めません: 読み取り専用になっています"});
    EXPECT_EQ(ReadWholeFile(readOnly), "old");
    fs::permissions(PathOf(readOnly), fs::perms::owner_all);

    // A folder that is not there.
    messages_.clear();
    const std::string nowhere = Utf8(folder_ / "missing" / "Zenka.bak");
    EXPECT_EQ(Backup({}, nowhere).outcome, BackupResult::NotWritten);
    EXPECT_EQ(messages_, std::vector<std::string>{nowhere + " に書き込めません: " +
                                                  WhyNotReplaced({FileReplacement::NotWritten}, nowhere)});

    // Every name of the new file taken by something that is no leftover.
    messages_.clear();
    const std::string crowded = Utf8(folder_ / "crowded.bak");
    for (int n = 0; n < kFreshNameTries; ++n) fs::create_directory(PathOf(crowded + FreshNameSuffix(n)));
    EXPECT_EQ(Backup({}, crowded).outcome, BackupResult::NotWritten);
    EXPECT_EQ(messages_, std::vector<std::string>{crowded + " に書き込めません: 一時ファイルの名前 " + crowded +
                                                  "~zenka.tmp から " + crowded +
                                                  "~zenka99.tmp までがすべて使われていて、空けられません"});
}

TEST_F(BackupFile, AFolderThatCannotBeWrittenSendsTheBackupToTheFallback) {
    // A folder that is not there stands for one that cannot be written.
    const std::string nowhere = Utf8(folder_ / "missing" / "zenka.bak");
    const std::string fallback = Utf8(folder_ / "AppData" / "Zenka" / "zenka.bak");
    const DayLists lists{{"1,1,元旦"}, {"2,14,x"}, {}};
    const BackupResult result = BackupDayLists(lists, nowhere, fallback);
    EXPECT_EQ(result.outcome, BackupResult::Written);
    EXPECT_EQ(result.path, fallback);
    DayLists restored;
    EXPECT_TRUE(RestoreDayListsFromBackup(fallback, restored, [](const std::string&) {}));
    EXPECT_EQ(restored, lists);

    // A file that only refuses (read-only) is the user's word: no fallback.
    const std::string readOnly = Utf8(folder_ / "readonly.bak");
    { std::ofstream(PathOf(readOnly)) << "old"; }
    fs::permissions(PathOf(readOnly), fs::perms::owner_read);
    const std::string unused = Utf8(folder_ / "unused" / "zenka.bak");
    EXPECT_EQ(BackupDayLists(lists, readOnly, unused).outcome, BackupResult::NotWritten);
    fs::permissions(PathOf(readOnly), fs::perms::owner_all);
    EXPECT_FALSE(fs::exists(PathOf(unused)));
}

TEST_F(BackupFile, AFileThatCannotBeReadIsKeptAndReported) {
    // Only a missing file is made afresh: replacing one that is there but
    // could not be read would lose whatever else it holds.
    const auto expectKeptAndReported = [this](const char* what) {
        messages_.clear();
        EXPECT_EQ(Backup({{"1,1,a"}, {}, {}}, path_).outcome, BackupResult::NotRead) << what;
        EXPECT_EQ(messages_, std::vector<std::string>{path_ + " を読み込めないため、バックアップを書き込みませんでした"})
            << what;
        EXPECT_FALSE(fs::exists(PathOf(path_ + FreshNameSuffix(0)))) << what;
    };
    // A link that leads round in a circle, where the system makes links
    // (Wine's does not).
    std::error_code noLinks;
    fs::create_symlink(PathOf(path_), PathOf(path_), noLinks);
    if (!noLinks) {
        expectKeptAndReported("a looping link");
        EXPECT_TRUE(fs::is_symlink(PathOf(path_)));
        EXPECT_EQ(fs::read_symlink(PathOf(path_)), PathOf(path_));
        fs::remove(PathOf(path_));
    }

    // A folder where the file should be.
    fs::create_directory(PathOf(path_));
    { std::ofstream(PathOf(path_) / "inside") << "x"; }
    expectKeptAndReported("a folder");
    EXPECT_TRUE(fs::is_regular_file(PathOf(path_) / "inside"));
}

TEST_F(BackupFile, RestoringLeavesListsTheFileDoesNotHold) {
    const DayLists before{{"h"}, {"s"}, {"y"}};
    WriteFile(Utf8ToCp932("[ListC]\r\nKMax=1\r\nItem[0]=1,1,元旦\r\n"));
    DayLists lists = before;
    EXPECT_TRUE(Restore(lists));
    EXPECT_EQ(lists, (DayLists{{"1,1,元旦", ""}, {"s"}, {"y"}}));

    // No holiday count: the default holidays.
    WriteFile("[ListB]\r\nItem[0]=\r\nMax=junk\r\n[ListA]\r\nMax2=\r\n");
    lists = before;
    EXPECT_TRUE(Restore(lists));
    EXPECT_EQ(lists, (DayLists{DefaultHolidayLines(), {"s"}, {"y"}}));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(BackupFile, AFileThatIsNoBackupChangesNoList) {
    const DayLists before{{"h"}, {"s"}, {"y"}};
    struct Case {
        std::string path;
        std::string message;
    };
    const std::string missing = Utf8(folder_ / "none.bak");
    const std::string folder = Utf8(folder_);
    const std::string foreign = Utf8(folder_ / "foreign.bak");
    const std::string empty = Utf8(folder_ / "empty.bak");
    ASSERT_TRUE(ReplaceWholeFile(foreign, "[Other]\r\nKMax=3\r\n"));
    ASSERT_TRUE(ReplaceWholeFile(empty, ""));
    const Case cases[] = {
        {missing, "ファイル " + missing + " は開けません"},  // a mistyped name
        {folder, "ファイル " + folder + " は開けません"},    // no file to read
        {foreign, "ファイル " + foreign + " には予定日・特別日・休日のリストがありません"},
        {empty, "ファイル " + empty + " には予定日・特別日・休日のリストがありません"},
    };
    for (const Case& c : cases) {
        messages_.clear();
        DayLists lists = before;
        EXPECT_FALSE(Restore(lists, c.path)) << c.path;
        EXPECT_EQ(lists, before) << c.path;
        EXPECT_EQ(messages_, std::vector<std::string>{c.message});
    }
}

TEST_F(BackupFile, CountsMayBeHexadecimal) {
    WriteFile("[ListB]\r\nMax=0x2\r\nItem[0]=a\r\nItem[1]=b\r\nItem[2]=c\r\n"
              "[ListA]\r\nMax2=0X0\r\nItem[0]=d\r\nItem[1]=e\r\n"
              "[ListC]\r\nKMax=0x\r\nItem[0]=f\r\n");
    DayLists lists;
    EXPECT_TRUE(Restore(lists));
    EXPECT_EQ(lists, (DayLists{{"f"}, {"a", "b", "c"}, {"d", "e"}}));
    // The count below the items and the unreadable one are told, in one message.
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].find("予定日・休日リストの件数が壊れていた"), std::string::npos) << messages_[0];

    EXPECT_EQ(ParseBackupCount("0x1F"), 31);
    EXPECT_EQ(ParseBackupCount("0Xff"), 255);
    EXPECT_EQ(ParseBackupCount("0x7FFFFFFF"), INT32_MAX);
    EXPECT_EQ(ParseBackupCount("-3"), -3);
    for (const char* bad : {"0x", "0x80000000", "0x1G", "x10", "$10", " 1", "1e3", ""}) {
        EXPECT_EQ(ParseBackupCount(bad), std::nullopt) << bad;
    }
}

TEST_F(BackupFile, LongLinesComeBackWhole) {
    std::string japanese = "1,1,";
    for (int i = 0; i < 1500; ++i) japanese += "祝";  // 3004 bytes in code page 932
    const DayLists lists{{"1,1," + std::string(3000, 'x')}, {japanese}, {std::string(70000, 'y')}};
    ASSERT_TRUE(Backup(lists));
    DayLists restored;
    EXPECT_TRUE(Restore(restored));
    EXPECT_EQ(restored, lists);
}

TEST_F(BackupFile, TextBeyondCodePage932IsWrittenAsUtf8AndReadBack) {
    // A section of someone else's holding such text is kept as well.
    WriteFile("\xEF\xBB\xBF[Mine]\r\nName=森鷗外\r\n");
    const DayLists lists{{"1,1,元旦"}, {"5,5,\U0001F382 誕生日"}, {"2026,0,7,7,七夕"}};
    ASSERT_TRUE(Backup(lists));
    const std::string bytes = FileBytes();
    EXPECT_TRUE(bytes.starts_with("\xEF\xBB\xBF[Mine]\r\nName=森鷗外\r\n[ListB]\r\n")) << bytes;
    DayLists restored;
    EXPECT_TRUE(Restore(restored));
    EXPECT_EQ(restored, lists);
    EXPECT_EQ(ProfileFile::Parse(bytes).Get("Mine", "Name"), "森鷗外");

    // Once every text fits code page 932 again, the file is code page 932.
    WriteFile("[Mine]\r\nName=ok\r\n");
    ASSERT_TRUE(Backup({{"1,1,元旦"}, {}, {}}));
    EXPECT_EQ(FileBytes(), Utf8ToCp932("[Mine]\r\nName=ok\r\n[ListB]\r\nMax=-1\r\n[ListA]\r\nMax2=-1\r\n"
                                       "[ListC]\r\nKMax=0\r\nItem[0]=1,1,元旦\r\n"));
}

}  // namespace
}  // namespace zenka
