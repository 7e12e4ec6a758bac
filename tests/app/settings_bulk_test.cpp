// The start-up's reads and the exit's writes, in the settings table's
// order, the values that only some runs read, and the texts written.
#include "app/settings_bulk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/settings_table.h"
#include "tests/fakes/memory_key_store.h"
#include "timesync/time_servers.h"

namespace zenka {
namespace {

const std::string kTag = "800\u00D7600";

// "read Form/Layer", ...: the operations on the rows the table gives the
// moment, in its order.
template <typename Chosen>
std::vector<std::string> RowsAs(const std::string& verb, Chosen chosen) {
    std::vector<std::string> lines;
    for (const SettingRow& row : SettingsTable()) {
        if (chosen(row)) lines.push_back(verb + " " + SectionOf(row, kTag) + "/" + row.name);
    }
    return lines;
}

std::vector<std::string> ReadAtMoment(ReadAt moment) {
    return RowsAs("read", [moment](const SettingRow& row) { return row.readAt == moment; });
}

// The first operation of each list section, in order.
std::vector<std::string> ListSectionsTouched(const std::vector<std::string>& log, size_t from) {
    std::vector<std::string> sections;
    for (size_t i = from; i < log.size(); ++i) {
        for (const char* list : {"ListA", "ListB", "ListC"}) {
            if (log[i].find(std::string(" ") + list) != std::string::npos &&
                (sections.empty() || sections.back() != list)) {
                sections.push_back(list);
            }
        }
    }
    return sections;
}

TEST(LoadAllSettings, ReadsTheRowsOfEachMomentOfTheStartUpInTableOrder) {
    MemoryKeyStore keys;
    SettingsStore store(keys);
    AppSettings s;
    DayLists lists;
    LoadAllSettings(store, kTag, s, lists);

    std::vector<std::string> expected = ReadAtMoment(ReadAt::kStart);
    const std::vector<std::string> last = ReadAtMoment(ReadAt::kStartLast);
    expected.insert(expected.end(), last.begin(), last.end());
    const std::vector<std::string>& log = keys.Log();
    ASSERT_GT(log.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + static_cast<ptrdiff_t>(expected.size())), expected);
    EXPECT_EQ(ListSectionsTouched(log, expected.size()), (std::vector<std::string>{"ListB", "ListA", "ListC"}));
    EXPECT_EQ(expected.front(), "read Form/Layer");
    EXPECT_EQ(expected[1], "read Pos800\u00D7600/Left") << "the window position at the resolution given";

    const struct {
        void (*load)(SettingsStore&, AppSettings&);
        ReadAt moment;
    } later[] = {{LoadStartupDisplay, ReadAt::kStartupDisplay},
                 {LoadStartupWait, ReadAt::kStartupWait},
                 {LoadTrayChecks, ReadAt::kTrayIconsPlaced}};
    for (const auto& step : later) {
        keys.ClearLog();
        step.load(store, s);
        EXPECT_EQ(keys.Log(), ReadAtMoment(step.moment));
        EXPECT_FALSE(keys.Log().empty());
    }
    EXPECT_TRUE(s.icon.loaded);

    // The window has a position of its own only when both values are kept.
    EXPECT_FALSE(s.posKept);
    keys.Data()["Pos800\u00D7600"]["Left"] = "5";
    LoadAllSettings(store, kTag, s, lists);
    EXPECT_FALSE(s.posKept) << "half a position is none";
    keys.Data()["Pos800\u00D7600"]["Top"] = "6";
    LoadAllSettings(store, kTag, s, lists);
    EXPECT_TRUE(s.posKept);
    EXPECT_EQ(s.pos, (WindowPosition{5, 6}));
}

TEST(SaveAllSettings, WritesTheExitsRowsInTableOrderThenTheLists) {
    MemoryKeyStore keys;
    SettingsStore store(keys);
    AppSettings s;
    s.icon.loaded = true;
    s.posKept = true;
    SaveAllSettings(store, kTag, s, {});

    const std::vector<std::string> expected =
        RowsAs("write", [](const SettingRow& row) { return row.writeAt == WriteAt::kExit; });
    std::vector<std::string> written;
    for (const std::string& line : keys.Log()) {
        if (line.starts_with("write ")) written.push_back(line.substr(0, line.find('=')));
    }
    ASSERT_GT(written.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(written.begin(), written.begin() + static_cast<ptrdiff_t>(expected.size())),
              expected);
    EXPECT_EQ(std::count(expected.begin(), expected.end(), "write Sync/SyncDay"), 0) << "the day stamp's own writer";
    size_t firstList = 0;
    while (keys.Log()[firstList].find("List") == std::string::npos) ++firstList;
    EXPECT_EQ(ListSectionsTouched(keys.Log(), firstList), (std::vector<std::string>{"ListB", "ListA", "ListC"}));
}

TEST(SettingsTable, TheAlarmTableSlotBySlotWithTheSlotsDigit) {
    std::vector<std::string> alarm;
    for (const SettingRow& row : SettingsTable()) {
        if (row.section == "Alarm") alarm.push_back(row.name);
    }
    ASSERT_EQ(alarm.size(), 30u);
    EXPECT_EQ(std::vector<std::string>(alarm.begin(), alarm.begin() + 7),
              (std::vector<std::string>{"OnOff0", "mai0", "h0", "m0", "sou0", "mes0", "OnOff1"}));
    EXPECT_EQ(alarm.back(), "mes4");

    MemoryKeyStore keys;
    SettingsStore store(keys);
    keys.WriteText("Alarm", "sou3", "three.wav");
    keys.WriteText("Alarm", "h4", "23");
    AppSettings s;
    DayLists lists;
    LoadAllSettings(store, kTag, s, lists);
    EXPECT_EQ(s.alarms[3].sou, "three.wav");
    EXPECT_EQ(s.alarms[4].h, "23");
    EXPECT_EQ(s.alarms[0], AlarmSlot{});
}

TEST(SaveAllSettings, TrayCheckMarksNotYetLoadedKeepTheirStoredValues) {
    MemoryKeyStore keys;
    SettingsStore store(keys);
    keys.WriteText("Icon", "Tsuki", "1");
    AppSettings s;  // exit during the start-up wait: the marks are unknown
    SaveAllSettings(store, "800\u00D7600", s, {});
    EXPECT_EQ(keys.ReadText("Icon", "Tsuki"), "1");
    EXPECT_EQ(keys.ReadText("Icon", "Youbi"), "0");

    LoadTrayChecks(store, s);
    s.icon.tsuki = false;
    SaveAllSettings(store, "800\u00D7600", s, {});
    EXPECT_EQ(keys.ReadText("Icon", "Tsuki"), "0");
}

TEST(LoadAllSettings, RangedIntegersAreKeptWithinTheirRange) {
    MemoryKeyStore keys;
    SettingsStore store(keys);
    keys.WriteText("Form", "Layer", "300");
    keys.WriteText("Form", "Wait", "-5");
    keys.WriteText("Sync", "Oki", "0");
    AppSettings s;
    DayLists lists;
    LoadAllSettings(store, "800\u00D7600", s, lists);
    LoadStartupWait(store, s);
    EXPECT_EQ(s.form.layer, 255);
    EXPECT_EQ(s.form.wait, 0);
    EXPECT_EQ(s.sync.oki, 1) << "an interval of 0 minutes would fire continuously";
    keys.WriteText("Form", "Layer", "-1");
    keys.WriteText("Form", "Wait", "61");
    keys.WriteText("Sync", "Oki", "2147483647");
    LoadAllSettings(store, "800\u00D7600", s, lists);
    LoadStartupWait(store, s);
    EXPECT_EQ(s.form.layer, 0);
    EXPECT_EQ(s.form.wait, 60);
    EXPECT_EQ(s.sync.oki, 10000);
}

// Every value away from its default, Japanese where text is free, and a
// colour no name stands for.
AppSettings EveryValueChanged() {
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
        s.alarms[n] = {"1", "1", std::to_string(n + 7), std::to_string(n * 10 + 5), "C:\\音\\アラーム" + number + ".wav",
                       "会議 " + number};
    }
    s.sync = {true, true, 15, "06/08/09", true, "同期.wav", true, "proxy.example:8080", "ユーザー",
              "パス", -25, "http://127.0.0.1:8080/", true};
    s.color = {clGray, RgbColor(1, 2, 3), clNavy, clMaroon, clAqua, clYellow};
    s.kidou = {false, true, true};
    return s;
}

// What the store is given, in order: every write and erase, no reads.
std::string Writes(const MemoryKeyStore& keys) {
    std::string text;
    for (const std::string& line : keys.Log()) {
        if (!line.starts_with("read ") && !line.starts_with("has ")) text += line + "\n";  // writes only
    }
    return text;
}

// The bytes every earlier version wrote, kept in a file so that a change of
// the writing code cannot change them unnoticed.
constexpr std::string_view kSavedGolden =
#include "tests/app/data/saved_settings.golden"
    ;

TEST(SaveAllSettings, WritesTheSameTextsAsEveryEarlierVersion) {
    std::string saved;
    {
        MemoryKeyStore keys;
        SettingsStore store(keys);
        const AppSettings s = EveryValueChanged();
        SaveAllSettings(store, "1024\u00D7768", s, {{"1,1,元旦"}, {"2,14,バレンタインデー"}, {"2026,0,7,7,七夕の集い"}});
        SaveSyncDay(store, s.sync.syncDay);
        SaveWindowPosition(store, "800\u00D7600", {12, -34});
        SaveMemoBounds(store, {-5, 6, 300, 400});
        saved += "[every value changed]\n" + Writes(keys);
    }
    {
        MemoryKeyStore keys;
        SettingsStore store(keys);
        SaveAllSettings(store, "1024\u00D7768", AppSettings{}, {});
        saved += "[the defaults, tray check marks not loaded, no window position of its own]\n" + Writes(keys);
    }
    EXPECT_EQ(saved, kSavedGolden.substr(1));  // the file's first line break belongs to its frame
}

}  // namespace
}  // namespace zenka

namespace zenka {
namespace {

TEST(LoadAllSettings, OlderSettingsThatNameTheirOwnServerKeepItAlone) {
    const struct {
        std::vector<std::pair<std::string, std::string>> stored;  // Sync values
        std::vector<std::string> servers;
    } cases[] = {
        {{}, {kDefaultTimeServer, kDefaultTimeServer2, kDefaultTimeServer3}},
        {{{"Server", "http://ntp.example.jp/"}}, {"http://ntp.example.jp/"}},
        {{{"Server", "http://a.example.jp/"}, {"Server2", ""}}, {"http://a.example.jp/"}},
        {{{"Server", "http://a.example.jp/"}, {"Server2", " "}, {"Server4", "http://b.example.jp/"}},
         {"http://a.example.jp/", "http://b.example.jp/"}},
    };
    for (const auto& c : cases) {
        MemoryKeyStore keys;
        for (const auto& [name, text] : c.stored) keys.WriteText("Sync", name, text);
        SettingsStore store(keys);
        AppSettings s;
        DayLists lists;
        LoadAllSettings(store, kTag, s, lists);
        EXPECT_EQ(SyncServers(s.sync), c.servers) << c.stored.size() << " values stored";
    }
}

}  // namespace
}  // namespace zenka
