// What the settings and the day lists must do on any key store: run
// natively on the in-memory store and under Wine on the real registry.
//
// A Factory provides:
//   std::unique_ptr<KeyStore> Open();  // a new store object on the same data
//   std::vector<std::string> ValueNames(std::string_view section);  // sorted
//   bool HasSection(std::string_view section);
//   void PutWithoutText(std::string_view section, std::string_view name, std::string_view payload);
//       // a value with no text form (binary data in the registry)
//   std::optional<std::string> PayloadWithoutText(std::string_view section, std::string_view name);
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/app_settings.h"
#include "common/key_store.h"
#include "app/settings_bulk.h"
#include "common/settings_store.h"
#include "calendar/default_holidays.h"
#include "daylists/day_list_storage.h"

namespace zenka::contract {

inline const std::string kTag = ResolutionTag(1024, 768);

// Every field away from its default, with Japanese where text is free.
inline AppSettings ChangedSettings() {
    AppSettings s;
    s.form = {100, false, false, false, 30, true, true, true, true, true, false, true, true, true,
              Shortcut{vk::kF1 + 11, false, true, true}};
    s.pos = {-1200, 345};
    s.posKept = true;
    s.koyomiJulius = false;
    s.icon = {true, true, true};
    s.jiho = {true, true, "0", "C:\\音\\時報.wav", "C:\\音\\半.mid"};
    s.imageHint = "ヒント";
    s.keikoku = {true, true, "C:\\音\\予定.wav"};
    s.autoClose = {true, 5000};
    for (size_t n = 0; n < s.alarms.size(); ++n) {
        const std::string number = std::to_string(n);
        s.alarms[n] = {"1", n % 2 ? "1" : "0", std::to_string(n + 7), std::to_string(n * 10 + 5),
                       "C:\\音\\アラーム" + number + ".wav", "会議 " + number};
    }
    s.sync = {true, true, 15, "06/08/09", true, "同期.wav", true, "proxy.example:8080", "ユーザー",
              "パス", -25, "http://127.0.0.1:8080/", true};
    s.color = {clGray, RgbColor(1, 2, 3), clNavy, clMaroon, clAqua, clYellow};
    s.kidou = {false, true, false};
    return s;
}

inline DayLists SomeLists() {
    return {{"1,1,元旦", "5,5,こどもの日"},
            {"2,14,バレンタインデー", "2,14,バレンタインデー", "5,2,1,母の日"},
            {"2026,0,7,7,七夕の集い"}};
}

template <typename Factory>
class KeyStoreContract : public ::testing::Test {
protected:
    Factory factory_;

    void Write(std::string_view section, std::string_view name, std::string_view text) {
        ASSERT_TRUE(factory_.Open()->WriteText(section, name, text)) << section << "/" << name;
    }
    std::optional<std::string> Read(std::string_view section, std::string_view name) {
        return factory_.Open()->ReadText(section, name);
    }
    DayLists LoadLists() { return LoadDayLists(*factory_.Open()); }
    void SaveLists(const DayLists& lists) { ASSERT_TRUE(SaveDayLists(*factory_.Open(), lists)); }
    AppSettings LoadEverything() {
        auto keys = factory_.Open();
        SettingsStore store(*keys);
        AppSettings s;
        DayLists lists;
        LoadAllSettings(store, kTag, s, lists);
        LoadStartupDisplay(store, s);
        LoadStartupWait(store, s);
        LoadTrayChecks(store, s);
        return s;
    }
};

TYPED_TEST_SUITE_P(KeyStoreContract);

TYPED_TEST_P(KeyStoreContract, AnEmptyStoreGivesEveryDefault) {
    auto keys = this->factory_.Open();
    SettingsStore store(*keys);
    AppSettings s;
    s.form.layer = 1;  // so that a missed read shows
    s.kidou.tray = false;
    DayLists lists{{"x"}, {"y"}, {"z"}};
    LoadAllSettings(store, kTag, s, lists);
    LoadStartupDisplay(store, s);
    LoadStartupWait(store, s);
    LoadTrayChecks(store, s);
    AppSettings expected;
    expected.icon.loaded = true;
    EXPECT_EQ(s, expected);
    EXPECT_EQ(ShortcutToText(s.form.hotKey1), "Shift+Ctrl+J");
    EXPECT_EQ(s.sync.server, kDefaultTimeServer);
    EXPECT_EQ(lists, (DayLists{DefaultHolidayLines(), {}, {}}));
    EXPECT_EQ(LoadMemoBounds(store, 1024, 768), (MemoBounds{1024 / 2 - 90, 768 / 2 - 130, 180, 261}));
}

TYPED_TEST_P(KeyStoreContract, TheFirstExitWritesEveryValueOfTheTable) {
    {
        auto keys = this->factory_.Open();
        SettingsStore store(*keys);
        AppSettings s;
        DayLists lists;
        LoadAllSettings(store, kTag, s, lists);
        s.posKept = true;  // the calendar was shown, which gave the window its position
        SaveAllSettings(store, kTag, s, lists);  // tray checks not loaded yet: their stored (default) values
    }
    using Names = std::vector<std::string>;
    auto sorted = [](Names names) {
        std::sort(names.begin(), names.end());
        return names;
    };
    Names alarm;
    for (const char* name : {"OnOff", "mai", "h", "m", "sou", "mes"}) {
        for (int n = 0; n < 5; ++n) alarm.push_back(name + std::to_string(n));
    }
    Names holidays{"KMax"};
    for (size_t i = 0; i < DefaultHolidayLines().size(); ++i) holidays.push_back(ItemName(i));
    const std::vector<std::pair<std::string, Names>> table{
        {"Form", {"Layer", "Name3", "Style", "Rokuyo", "AutoBackup", "Wait", "Delete", "TmpDelete", "FirstDayOfWeek",
                  "Neighbor", "Line", "Japanese", "W", "Big", "Sekki", "HotKey1"}},
        {"Pos" + kTag, {"Left", "Top"}},
        {"Koyomi", {"Julius"}},
        {"Icon", {"Tsuki", "Youbi"}},
        {"Jiho", {"On", "Half", "Full", "File", "File2"}},
        {"Image", {"Hint"}},
        {"Keikoku", {"OnOff", "SoundOn", "FlieName"}},
        {"AutoClose", {"OnOff", "Interval"}},
        {"Alarm", alarm},
        {"Sync", {"Teiki", "Oneday", "Oki", "SoundOn", "TSoundName", "DialOnly", "Proxy", "ProxyUserID",
                  "ProxyPassword", "Adjustment", "Server", "Server2", "Server3", "Server4", "Server5", "Start"}},
        {"Color", {"Weekday", "Saturday", "Sunday", "Holiday", "Specialday", "Yoteiday"}},
        {"Kidou", {"Tray", "Cal", "W"}},
        {"ListA", {"Max2"}},
        {"ListB", {"Max"}},
        {"ListC", holidays},
    };
    for (const auto& [section, names] : table) {
        EXPECT_EQ(this->factory_.ValueNames(section), sorted(names)) << section;
    }
    EXPECT_FALSE(this->factory_.HasSection("Memo"));
    EXPECT_FALSE(this->factory_.HasSection("ListC.new"));

    const std::vector<std::tuple<std::string, std::string, std::string>> texts{
        {"Form", "Layer", "255"},       {"Form", "Name3", "Zenka 2006"},       {"Form", "HotKey1", "Shift+Ctrl+J"},
        {"Form", "Style", "1"},         {"Icon", "Tsuki", "0"},                {"Jiho", "File", ""},
        {"Jiho", "Full", "1"},
        {"AutoClose", "Interval", "10000"}, {"Alarm", "OnOff3", "0"},          {"Sync", "Server", kDefaultTimeServer},
        {"Sync", "Server2", kDefaultTimeServer2}, {"Sync", "Server5", ""},
        {"Color", "Weekday", "clBlack"}, {"Color", "Saturday", "clBlue"},      {"Color", "Sunday", "clRed"},
        {"Color", "Holiday", "clRed"},  {"Color", "Specialday", "clLime"},     {"Color", "Yoteiday", "clFuchsia"},
        {"Kidou", "Tray", "1"},         {"Pos" + kTag, "Left", "0"},           {"ListA", "Max2", "-1"},
        {"ListB", "Max", "-1"},         {"ListC", "KMax", std::to_string(DefaultHolidayLines().size() - 1)},
        {"ListC", "Item[0]", DefaultHolidayLines()[0]},
    };
    for (const auto& [section, name, text] : texts) {
        EXPECT_EQ(this->Read(section, name), text) << section << "/" << name;
    }
}

TYPED_TEST_P(KeyStoreContract, EverySavedValueComesBack) {
    AppSettings changed = ChangedSettings();
    const DayLists lists = SomeLists();
    {
        auto keys = this->factory_.Open();
        SettingsStore store(*keys);
        SaveAllSettings(store, kTag, changed, lists);
        SaveSyncDay(store, changed.sync.syncDay);
        SaveMemoBounds(store, {-5, 6, 300, 400});
    }
    EXPECT_EQ(this->LoadEverything(), changed);
    EXPECT_EQ(this->LoadLists(), lists);
    auto keys = this->factory_.Open();
    SettingsStore store(*keys);
    EXPECT_EQ(LoadMemoBounds(store, 1024, 768), (MemoBounds{-5, 6, 300, 400}));

    // The day stamp is its own writer's: saving everything leaves it.
    SaveSyncDay(store, "07/01/02");
    SaveAllSettings(store, kTag, changed, lists);
    EXPECT_EQ(this->Read("Sync", "SyncDay"), "07/01/02");
}

TYPED_TEST_P(KeyStoreContract, ValuesAreReadByTheirTypesRules) {
    this->Write("Form", "Style", "2");     // any number but 0 is true
    this->Write("Form", "Japanese", "yes");  // not a number: the default (true)
    this->Write("Form", "Big", "yes");       // the default (false)
    this->Write("Form", "Line", "-1");
    this->Write("Form", "Layer", " 200");    // blanks are not part of a number
    this->Write("AutoClose", "Interval", "-2147483648");
    this->Write("Sync", "Oki", "2147483648");  // beyond 32 bits
    this->Write("Sync", "Adjustment", "+7");
    this->Write("Jiho", "Full", "yes");        // kept as it was, whatever it says
    this->Write("Image", "Hint", " 0 ");
    this->Write("Color", "Weekday", "$00FF8000");
    this->Write("Color", "Saturday", "clred");
    this->Write("Color", "Sunday", "red");     // no such form: the default
    this->Write("Color", "Holiday", "$FF000005");
    this->Write("Form", "HotKey1", "alt+SHIFT+pgup");
    AppSettings s = this->LoadEverything();
    EXPECT_TRUE(s.form.style);
    EXPECT_TRUE(s.form.japanese);
    EXPECT_FALSE(s.form.big);
    EXPECT_TRUE(s.form.line);
    EXPECT_EQ(s.form.layer, 255);
    EXPECT_EQ(s.autoClose.interval, INT32_MIN);
    EXPECT_EQ(s.sync.oki, 60);
    EXPECT_EQ(s.sync.adjustment, 7);
    EXPECT_EQ(s.jiho.full, "yes");
    EXPECT_EQ(s.imageHint, " 0 ");
    EXPECT_EQ(s.color.weekday, RgbColor(0, 0x80, 0xFF));
    EXPECT_EQ(s.color.saturday, clRed);
    EXPECT_EQ(s.color.sunday, clRed);
    EXPECT_EQ(s.color.holiday, clRed);
    EXPECT_EQ(s.form.hotKey1, (Shortcut{vk::kPrior, true, false, true}));

    auto keys = this->factory_.Open();
    SettingsStore store(*keys);
    SaveAllSettings(store, kTag, s, {});
    EXPECT_EQ(this->Read("Jiho", "Full"), "yes");
    EXPECT_EQ(this->Read("Image", "Hint"), " 0 ");
    for (const char* stored : {"0", "2", "-1", ""}) {
        this->Write("Jiho", "Full", stored);
        SaveAllSettings(store, kTag, this->LoadEverything(), {});
        EXPECT_EQ(this->Read("Jiho", "Full"), stored) << "Jiho/Full is written back as it was read";
    }
    EXPECT_EQ(this->Read("Form", "HotKey1"), "Shift+Alt+PgUp");
    EXPECT_EQ(this->Read("Color", "Weekday"), "$00FF8000");
    EXPECT_EQ(this->Read("Form", "Style"), "1");

    // Empty text is no hot key, and stays so.
    this->Write("Form", "HotKey1", "");
    s = this->LoadEverything();
    EXPECT_TRUE(s.form.hotKey1.IsNone());
    SaveAllSettings(store, kTag, s, {});
    EXPECT_EQ(this->Read("Form", "HotKey1"), "");
}

TYPED_TEST_P(KeyStoreContract, NamesMatchWhateverTheirLetterCase) {
    this->Write("form", "LAYER", "17");
    this->Write("LISTB", "max", "0");
    this->Write("listb", "ITEM[0]", "2,14,バレンタインデー");
    EXPECT_EQ(this->LoadEverything().form.layer, 17);
    EXPECT_EQ(this->LoadLists().SpecialDayList, std::vector<std::string>{"2,14,バレンタインデー"});
}

TYPED_TEST_P(KeyStoreContract, TheWindowPositionIsKeptPerResolution) {
    auto keys = this->factory_.Open();
    SettingsStore store(*keys);
    const std::string wide = ResolutionTag(1280, 1024);
    EXPECT_EQ(wide, "1280\u00D71024");
    SaveWindowPosition(store, kTag, {10, 20});
    EXPECT_EQ(LoadWindowPosition(store, wide), std::nullopt);
    SaveWindowPosition(store, wide, {300, 400});
    EXPECT_EQ(LoadWindowPosition(store, kTag), (WindowPosition{10, 20}));
    EXPECT_EQ(LoadWindowPosition(store, wide), (WindowPosition{300, 400}));
    EXPECT_EQ(this->factory_.ValueNames("Pos1024\u00D7768"), (std::vector<std::string>{"Left", "Top"}));
}

TYPED_TEST_P(KeyStoreContract, AStoredHolidayListWinsOverTheDefaultWhileItHasItemsOrItsCountStands) {
    this->SaveLists({{}, {}, {}});
    EXPECT_EQ(this->factory_.ValueNames("ListC"), std::vector<std::string>{"KMax"});
    EXPECT_EQ(this->Read("ListC", "KMax"), "-1");
    EXPECT_EQ(this->LoadLists().HolidayList, std::vector<std::string>{});

    // A count that is gone or damaged does not cost the stored holidays.
    this->SaveLists({{"1,1,元旦"}, {}, {}});
    ASSERT_TRUE(this->factory_.Open()->EraseValue("ListC", "KMax"));
    EXPECT_EQ(this->LoadLists().HolidayList, std::vector<std::string>{"1,1,元旦"});
    this->Write("ListC", "KMax", "abc");
    EXPECT_EQ(this->LoadLists().HolidayList, std::vector<std::string>{"1,1,元旦"});

    ASSERT_TRUE(this->factory_.Open()->EraseValue("ListC", "Item[0]"));
    EXPECT_EQ(this->LoadLists().HolidayList, DefaultHolidayLines());
}

TYPED_TEST_P(KeyStoreContract, ListsComeBackLineForLine) {
    const std::vector<std::string> five{"b", "a", "b", "", "  blanks kept  "};
    this->SaveLists({five, five, five});
    EXPECT_EQ(this->LoadLists(), (DayLists{five, five, five}));

    // Shrinking leaves no items behind, and no trace of the save.
    this->SaveLists({{"x", "y"}, {"x", "y"}, {"x", "y"}});
    EXPECT_EQ(this->factory_.ValueNames("ListC"), (std::vector<std::string>{"Item[0]", "Item[1]", "KMax"}));
    EXPECT_EQ(this->factory_.ValueNames("ListB"), (std::vector<std::string>{"Item[0]", "Item[1]", "Max"}));
    EXPECT_EQ(this->factory_.ValueNames("ListA"), (std::vector<std::string>{"Item[0]", "Item[1]", "Max2"}));
    EXPECT_EQ(this->Read("ListB", "Max"), "1");
    for (const char* pending : {"ListA.new", "ListB.new", "ListC.new"}) {
        EXPECT_FALSE(this->factory_.HasSection(pending)) << pending;
    }

    // A list that begins with an empty line keeps all of its lines.
    this->SaveLists({{"1,1,元旦"}, {"", "2,14,x"}, {"", "3,3,y"}});
    EXPECT_EQ(this->LoadLists(), (DayLists{{"1,1,元旦"}, {"", "2,14,x"}, {"", "3,3,y"}}));
}

TYPED_TEST_P(KeyStoreContract, DamagedCountsAndValuesWithoutTextCostNoLine) {
    // A count a little beyond the stored items gives empty lines for the rest.
    this->Write("ListB", "Max", "5");
    for (int i = 0; i < 3; ++i) this->Write("ListB", ItemName(i), "5," + std::to_string(i + 1) + ",x");
    // A count below the items, or one without text, gives every item there.
    this->Write("ListA", "Max2", "0");
    this->Write("ListA", "Item[0]", "a");
    this->Write("ListA", "Item[1]", "b");
    this->factory_.PutWithoutText("ListC", "KMax", "count");
    this->Write("ListC", "Item[0]", "1,1,元旦");
    this->factory_.PutWithoutText("ListC", "Item[1]", "item");
    this->Write("ListC", "Item[2]", "2,11,建国の日");
    std::vector<std::string> told;
    DayLists lists = LoadDayLists(*this->factory_.Open(), [&](const std::string& text) { told.push_back(text); });
    EXPECT_EQ(lists.SpecialDayList, (std::vector<std::string>{"5,1,x", "5,2,x", "5,3,x", "", "", ""}));
    EXPECT_EQ(lists.YoteiDayList, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(lists.HolidayList, (std::vector<std::string>{"1,1,元旦", "", "2,11,建国の日"}));
    EXPECT_EQ(told.size(), 1u);

    // Saved back, the counts stand, and the item without text is kept as it was.
    this->SaveLists(lists);
    EXPECT_EQ(this->Read("ListA", "Max2"), "1");
    EXPECT_EQ(this->Read("ListC", "KMax"), "2");
    EXPECT_EQ(this->factory_.PayloadWithoutText("ListC", "Item[1]"), "item");
    EXPECT_EQ(this->LoadLists(), lists);
    EXPECT_FALSE(this->factory_.HasSection("ListC.new"));
}

TYPED_TEST_P(KeyStoreContract, ErasingASectionRemovesAllItHolds) {
    this->Write("Gone", "A", "1");
    this->Write("Gone", "B", "2");
    this->Write("Kept", "A", "3");
    auto keys = this->factory_.Open();
    EXPECT_TRUE(keys->EraseSection("gone"));
    EXPECT_TRUE(keys->EraseSection("Gone"));  // already gone: fine
    EXPECT_TRUE(keys->EraseValue("Gone", "A"));
    EXPECT_FALSE(this->factory_.HasSection("Gone"));
    EXPECT_EQ(keys->ReadText("Gone", "A"), std::nullopt);
    EXPECT_EQ(keys->ReadText("Kept", "A"), "3");
}

REGISTER_TYPED_TEST_SUITE_P(KeyStoreContract, AnEmptyStoreGivesEveryDefault, TheFirstExitWritesEveryValueOfTheTable,
                            EverySavedValueComesBack, ValuesAreReadByTheirTypesRules,
                            NamesMatchWhateverTheirLetterCase, TheWindowPositionIsKeptPerResolution,
                            AStoredHolidayListWinsOverTheDefaultWhileItHasItemsOrItsCountStands,
                            ListsComeBackLineForLine, DamagedCountsAndValuesWithoutTextCostNoLine, ErasingASectionRemovesAllItHolds);

}  // namespace zenka::contract
