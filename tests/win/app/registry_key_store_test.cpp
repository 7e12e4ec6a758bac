// The settings store on the real registry: the cases every key store must
// pass, the registry's own value types, and a second process reading what
// this one wrote.
#include "app/registry_key_store_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/utf16_win.h"
#include "tests/common/key_store_contract.h"

namespace zenka {
namespace {

const std::wstring kTestRoot = L"Software\\Brindlex\\ZenkaTest";

std::wstring TestKeyPath(const std::wstring& leaf) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return kTestRoot + L"\\" + Widen(test->test_suite_name()) + L"." + Widen(test->name()) + leaf;
}

// Each test works on a key of its own, removed afterwards.
class RegistryFactory {
public:
    RegistryFactory() : path_(TestKeyPath(L"")) { RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str()); }
    ~RegistryFactory() { RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str()); }

    std::unique_ptr<KeyStore> Open() {
        auto store = std::make_unique<RegistryKeyStore>(path_);
        EXPECT_TRUE(store->IsOpen());
        return store;
    }

    std::vector<std::string> ValueNames(std::string_view section) {
        std::vector<std::string> names;
        HKEY key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, (path_ + L"\\" + Widen(section)).c_str(), 0, KEY_READ, &key) != 0) {
            return names;
        }
        for (DWORD i = 0;; ++i) {
            wchar_t name[256];
            DWORD length = 256;
            if (RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            names.push_back(Narrow(std::wstring(name, length)));
        }
        RegCloseKey(key);
        std::sort(names.begin(), names.end());
        return names;
    }

    bool HasSection(std::string_view section) {
        HKEY key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, (path_ + L"\\" + Widen(section)).c_str(), 0, KEY_READ, &key) != 0) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }

    void PutWithoutText(std::string_view section, std::string_view name, std::string_view payload) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (path_ + L"\\" + Widen(section)).c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExW(key, Widen(name).c_str(), 0, REG_BINARY, reinterpret_cast<const BYTE*>(payload.data()),
                                 static_cast<DWORD>(payload.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    std::optional<std::string> PayloadWithoutText(std::string_view section, std::string_view name) {
        char data[256];
        DWORD size = sizeof data;
        DWORD type = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, (path_ + L"\\" + Widen(section)).c_str(), Widen(name).c_str(),
                         RRF_RT_ANY, &type, data, &size) != ERROR_SUCCESS ||
            type != REG_BINARY) {
            return std::nullopt;
        }
        return std::string(data, size);
    }

    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};

}  // namespace

namespace contract {
INSTANTIATE_TYPED_TEST_SUITE_P(Registry, KeyStoreContract, RegistryFactory);
}  // namespace contract

namespace {

void SetRaw(const std::wstring& keyPath, const wchar_t* name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST(RegistryKeyStore, ValuesOfOtherTypesReadAsTheirTextOrAsMissing) {
    RegistryFactory factory;
    const std::wstring form = factory.Path() + L"\\Form";
    const DWORD layer = 100;
    const DWORD big = 4000000000u;
    const uint64_t huge = 12345678901234ull;
    const BYTE bytes[] = {1, 2, 3};
    const wchar_t multi[] = L"a\0b\0";
    const wchar_t unterminated[] = {L'a', L'b', L'c'};
    const wchar_t expand[] = L"%TEMP%\\x.wav";
    SetRaw(form, L"Layer", REG_DWORD, &layer, sizeof layer);
    SetRaw(form, L"Big", REG_DWORD, &big, sizeof big);
    SetRaw(form, L"Q", REG_QWORD, &huge, sizeof huge);
    SetRaw(form, L"Bin", REG_BINARY, bytes, sizeof bytes);
    SetRaw(form, L"Multi", REG_MULTI_SZ, multi, sizeof multi);
    SetRaw(form, L"Open", REG_SZ, unterminated, sizeof unterminated);
    SetRaw(form, L"Expand", REG_EXPAND_SZ, expand, sizeof expand);
    SetRaw(form, L"Inner", REG_SZ, L"ab\0cd", 12);

    RegistryKeyStore keys(factory.Path());
    EXPECT_EQ(keys.ReadText("Form", "Layer"), "100");
    EXPECT_EQ(keys.ReadText("Form", "Big"), "4000000000");
    EXPECT_EQ(keys.ReadText("Form", "Q"), "12345678901234");
    EXPECT_EQ(keys.ReadText("Form", "Bin"), std::nullopt);
    EXPECT_TRUE(keys.HasValue("Form", "Bin"));
    EXPECT_FALSE(keys.HasValue("Form", "Absent"));
    EXPECT_EQ(keys.ReadText("Form", "Multi"), "a");
    EXPECT_EQ(keys.ReadText("Form", "Open"), "abc");
    EXPECT_EQ(keys.ReadText("Form", "Expand"), "%TEMP%\\x.wav");
    EXPECT_EQ(keys.ReadText("Form", "Inner"), "ab");

    // A DWORD setting is its number; one beyond 32 signed bits is unreadable.
    SettingsStore store(keys);
    EXPECT_EQ(store.ReadInteger("Form", "Layer", 255), 100);
    EXPECT_EQ(store.ReadInteger("Form", "Big", 7), 7);
    EXPECT_TRUE(store.ReadBool("Form", "Layer", false));
    EXPECT_EQ(store.ReadInteger("Form", "Bin", 9), 9);

    // Long texts come back whole.
    const std::string longText(5000, 'z');
    ASSERT_TRUE(keys.WriteText("Jiho", "File", longText));
    EXPECT_EQ(keys.ReadText("Jiho", "File"), longText);
}

TEST(RegistryKeyStore, ListCountsAndItemsOfOtherTypesCostNoLine) {
    RegistryFactory factory;
    const std::wstring listB = factory.Path() + L"\\ListB";
    const DWORD damaged = 0xFFFFFFFFu;
    const wchar_t multi[] = L"5,5,x\0ignored\0";
    const BYTE bytes[] = {0x81, 0x40, 0};
    SetRaw(listB, L"Max", REG_DWORD, &damaged, sizeof damaged);
    SetRaw(listB, L"Item[0]", REG_SZ, L"2,14,a", 14);
    SetRaw(listB, L"Item[1]", REG_MULTI_SZ, multi, sizeof multi);
    SetRaw(listB, L"Item[2]", REG_BINARY, bytes, sizeof bytes);
    SetRaw(listB, L"Item[3]", REG_SZ, L"3,3,c", 12);

    DayLists lists;
    {
        RegistryKeyStore keys(factory.Path());
        lists = LoadDayLists(keys);
        EXPECT_EQ(lists.SpecialDayList, (std::vector<std::string>{"2,14,a", "5,5,x", "", "3,3,c"}));
        ASSERT_TRUE(SaveDayLists(keys, lists));
    }
    BYTE kept[8] = {};
    DWORD size = sizeof kept;
    DWORD type = 0;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, listB.c_str(), L"Item[2]", RRF_RT_ANY, &type, kept, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(std::vector<BYTE>(kept, kept + size), std::vector<BYTE>(bytes, bytes + sizeof bytes));
    RegistryKeyStore keys(factory.Path());
    EXPECT_EQ(keys.ReadText("ListB", "Max"), "3");
    EXPECT_EQ(keys.ReadText("ListB", "Item[1]"), "5,5,x");
}

TEST(RegistryKeyStore, EverySettingIsAUnicodeStringValue) {
    RegistryFactory factory;
    {
        RegistryKeyStore keys(factory.Path());
        SettingsStore store(keys);
        SaveAllSettings(store, contract::kTag, contract::ChangedSettings(), contract::SomeLists());
    }
    HKEY root;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, factory.Path().c_str(), 0, KEY_READ, &root), ERROR_SUCCESS);
    int values = 0;
    for (DWORD s = 0;; ++s) {
        wchar_t sectionName[256];
        DWORD sectionLength = 256;
        if (RegEnumKeyExW(root, s, sectionName, &sectionLength, nullptr, nullptr, nullptr, nullptr) != 0) break;
        HKEY section;
        ASSERT_EQ(RegOpenKeyExW(root, sectionName, 0, KEY_READ, &section), ERROR_SUCCESS);
        for (DWORD v = 0;; ++v) {
            wchar_t name[256];
            DWORD length = 256;
            DWORD type = 0;
            if (RegEnumValueW(section, v, name, &length, nullptr, &type, nullptr, nullptr) != 0) break;
            EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << Narrow(sectionName) << "/" << Narrow(name);
            ++values;
        }
        RegCloseKey(section);
    }
    RegCloseKey(root);
    EXPECT_EQ(values, 16 + 2 + 1 + 2 + 5 + 1 + 3 + 2 + 30 + 16 + 6 + 3 + (1 + 2) + (1 + 3) + (1 + 1));

    // The section of the position carries the multiplication sign itself, and
    // Japanese text is stored as such, whatever the system's code page.
    HKEY pos;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, (factory.Path() + L"\\Pos1024\u00D7768").c_str(), 0, KEY_READ, &pos),
              ERROR_SUCCESS);
    RegCloseKey(pos);
    wchar_t text[64] = {};
    DWORD size = sizeof text;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, (factory.Path() + L"\\Alarm").c_str(), L"mes2", RRF_RT_REG_SZ, nullptr,
                           text, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(text, L"会議 2");
}

TEST(RegistryKeyStore, OpensTheApplicationsKeyWhateverItsLetterCase) {
    HKEY existing;
    const bool existed = RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &existing) == ERROR_SUCCESS;
    if (existed) RegCloseKey(existing);
    {
        RegistryKeyStore keys;
        ASSERT_TRUE(keys.IsOpen());
        ASSERT_TRUE(keys.WriteText("ZenkaTestProbe", "Value", "1"));
    }
    EXPECT_EQ(RegistryKeyStore(L"Software\\BrindLex\\Zenka").ReadText("zenkatestprobe", "value"), "1");
    RegistryKeyStore keys;
    EXPECT_TRUE(keys.EraseSection("ZenkaTestProbe"));
    EXPECT_FALSE(keys.EraseSection(""));  // never the whole key
    if (!existed) RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKeyPath);
}

// Runs only as the second process of the test below: copies every setting
// and list from one key to another through Load all and Save all.
TEST(RegistrySecondProcess, DISABLED_CopiesTheSettings) {
    const char* from = std::getenv("ZENKA_TEST_COPY_FROM");
    const char* to = std::getenv("ZENKA_TEST_COPY_TO");
    if (!from || !to) GTEST_SKIP() << "only as a second process";
    AppSettings s;
    DayLists lists;
    {
        RegistryKeyStore keys(Widen(from));
        SettingsStore store(keys);
        LoadAllSettings(store, contract::kTag, s, lists);
        LoadStartupDisplay(store, s);
        LoadStartupWait(store, s);
        LoadTrayChecks(store, s);
    }
    RegistryKeyStore keys(Widen(to));
    SettingsStore store(keys);
    SaveAllSettings(store, contract::kTag, s, lists);
    SaveSyncDay(store, s.sync.syncDay);
}

TEST(RegistrySecondProcess, ReadsWhatThisProcessWrote) {
    const std::wstring from = TestKeyPath(L".from");
    const std::wstring to = TestKeyPath(L".to");
    RegDeleteTreeW(HKEY_CURRENT_USER, from.c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, to.c_str());
    const AppSettings settings = contract::ChangedSettings();
    const DayLists lists = contract::SomeLists();
    {
        RegistryKeyStore keys(from);
        SettingsStore store(keys);
        SaveAllSettings(store, contract::kTag, settings, lists);
        SaveSyncDay(store, settings.sync.syncDay);
    }

    wchar_t exe[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, exe, MAX_PATH), 0u);
    std::wstring command = L"\"" + std::wstring(exe) +
                           L"\" --gtest_also_run_disabled_tests --gtest_filter=RegistrySecondProcess.DISABLED_*";
    SetEnvironmentVariableW(L"ZENKA_TEST_COPY_FROM", from.c_str());
    SetEnvironmentVariableW(L"ZENKA_TEST_COPY_TO", to.c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                        &process);
    SetEnvironmentVariableW(L"ZENKA_TEST_COPY_FROM", nullptr);
    SetEnvironmentVariableW(L"ZENKA_TEST_COPY_TO", nullptr);
    ASSERT_TRUE(started);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u);

    AppSettings copied;
    DayLists copiedLists;
    {
        RegistryKeyStore keys(to);
        SettingsStore store(keys);
        LoadAllSettings(store, contract::kTag, copied, copiedLists);
        LoadStartupDisplay(store, copied);
        LoadStartupWait(store, copied);
        LoadTrayChecks(store, copied);
    }
    EXPECT_EQ(copied, settings);
    EXPECT_EQ(copiedLists, lists);
    RegDeleteTreeW(HKEY_CURRENT_USER, from.c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, to.c_str());
}

}  // namespace
}  // namespace zenka
