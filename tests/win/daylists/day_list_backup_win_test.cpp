// Applying the day lists on Windows: the registry first, then the backup
// file beside the executable, which may not be writable.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/registry_key_store_win.h"
#include "common/utf16_win.h"
#include "common/whole_file.h"
#include "daylists/backup_path_win.h"
#include "daylists/day_list_storage.h"

namespace zenka {
namespace {

TEST(DayListBackup, LivesBesideTheExecutable) {
    wchar_t exe[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, exe, MAX_PATH), 0u);
    std::wstring expected(exe);
    expected.replace(expected.rfind(L'.'), std::wstring::npos, L".bak");
    EXPECT_EQ(ExecutableBackupPath(), Narrow(expected));
}

TEST(DayListBackup, FallsBackToTheUsersApplicationData) {
    wchar_t appData[MAX_PATH];
    ASSERT_GT(GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH), 0u);
    EXPECT_EQ(AppDataBackupPath(), Narrow(std::wstring(appData) + L"\\Zenka\\zenka.bak"));
}

class ApplyDayLists : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"zenka-apply-" +
                  Widen(::testing::UnitTest::GetInstance()->current_test_info()->name()) + L"-予定";
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_)) {
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        SetFileAttributesW(folder_.c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(folder_);
    }

    // What Apply does with the lists: save them, then back them up.
    bool Apply(const DayLists& lists, const std::string& backupPath) {
        RegistryKeyStore keys(kKey);
        EXPECT_TRUE(SaveDayLists(keys, lists));
        const BackupResult result = BackupDayLists(lists, backupPath);
        if (result.outcome != BackupResult::Written) messages_.push_back(result.message);
        return result.outcome == BackupResult::Written;
    }
    DayLists StoredLists() {
        RegistryKeyStore keys(kKey);
        return LoadDayLists(keys);
    }

    static constexpr const wchar_t* kKey = L"Software\\Brindlex\\ZenkaTest\\Apply";
    std::wstring folder_;
    std::vector<std::string> messages_;
};

TEST_F(ApplyDayLists, AReadOnlyBackupShowsTheMessageAndKeepsTheRegistryWritten) {
    const std::string path = Narrow(folder_ + L"\\Zenka.bak");
    const DayLists first{{"1,1,元旦"}, {"2,14,x"}, {}};
    ASSERT_TRUE(Apply(first, path)) << (messages_.empty() ? "" : messages_[0]);
    const std::string before = ReadWholeFile(path).value_or("");
    ASSERT_FALSE(before.empty());
    ASSERT_TRUE(SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_READONLY));

    const DayLists second{{"5,5,こどもの日"}, {}, {"2026,0,7,7,七夕"}};
    EXPECT_FALSE(Apply(second, path));
    EXPECT_EQ(messages_, std::vector<std::string>{path + " に書き込めません: 読み取り専用になっています"});
    EXPECT_EQ(StoredLists(), second);
    EXPECT_EQ(ReadWholeFile(path), before);  // the old backup, whole
    EXPECT_FALSE(std::filesystem::exists(Widen(path + FreshNameSuffix(0))));
}

TEST_F(ApplyDayLists, ABackupAnotherProgramKeepsFromBeingReadIsNeitherReadNorReplaced) {
    const std::string path = Narrow(folder_ + L"\\Zenka.bak");
    const std::string before = "[Mine]\r\nKeep=this\r\n";
    ASSERT_TRUE(ReplaceWholeFile(path, before));
    {
        // Open for reading by none but letting others delete or replace it,
        // as some editors and backup tools hold a file.
        HANDLE held = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        const DayLists lists{{"1,1,元旦"}, {}, {}};
        EXPECT_FALSE(Apply(lists, path));
        CloseHandle(held);
        EXPECT_EQ(StoredLists(), lists);
    }
    EXPECT_EQ(messages_, std::vector<std::string>{path + " を読み込めないため、バックアップを書き込みませんでした"});
    EXPECT_EQ(ReadWholeFile(path), before);
    EXPECT_FALSE(std::filesystem::exists(Widen(path + FreshNameSuffix(0))));
}

TEST_F(ApplyDayLists, TheRestoreStartsFromTheBackupWrittenLast) {
    const std::string beside = Narrow(folder_ + L"\\zenka.bak");
    const std::string appData = Narrow(folder_ + L"\\AppData\\Zenka\\zenka.bak");
    EXPECT_EQ(NewestBackup({beside, appData}), beside) << "neither is there";
    const DayLists lists{{"1,1,元旦"}, {}, {}};
    EXPECT_EQ(BackupDayLists(lists, Narrow(folder_ + L"\\gone\\zenka.bak"), appData).path, appData);
    EXPECT_EQ(NewestBackup({beside, appData}), appData);
    ASSERT_TRUE(ReplaceWholeFile(beside, "[ListC]\r\nKMax=-1\r\n"));
    FILETIME old{};
    old.dwHighDateTime = 0x01000000;  // long ago
    HANDLE file = CreateFileW(Widen(beside).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    SetFileTime(file, nullptr, nullptr, &old);
    CloseHandle(file);
    EXPECT_EQ(NewestBackup({beside, appData}), appData);
    EXPECT_EQ(NewestBackup({beside}), beside);
}

TEST_F(ApplyDayLists, ABackupFolderThatCannotBeWrittenShowsTheMessage) {
    // A folder that is not there stands for one the user may not write to
    // (an administrator's Program Files; Wine run as root writes anywhere).
    const std::string path = Narrow(folder_ + L"\\gone\\Zenka.bak");
    const DayLists lists{{"1,1,元旦"}, {}, {}};
    EXPECT_FALSE(Apply(lists, path));
    EXPECT_EQ(messages_, std::vector<std::string>{path + " に書き込めません: " +
                                                  WhyNotReplaced({FileReplacement::NotWritten}, path)});
    EXPECT_EQ(StoredLists(), lists);
    EXPECT_FALSE(std::filesystem::exists(Widen(path)));
}

}  // namespace
}  // namespace zenka
