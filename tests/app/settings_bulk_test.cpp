// The order in which the start-up reads and the exit writes the settings,
// and the values that only some runs read.
#include "app/settings_bulk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/memory_key_store.h"

namespace zenka {
namespace {

std::vector<std::string> Prefixed(const std::string& verb, const std::string& section,
                                  const std::vector<std::string>& names) {
    std::vector<std::string> lines;
    for (const auto& name : names) lines.push_back(verb + " " + section + "/" + name);
    return lines;
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
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

TEST(LoadAllSettings, ReadsInTheOrderTheStartUpAppliesThem) {
    MemoryKeyStore keys;
    SettingsStore store(keys);
    AppSettings s;
    DayLists lists;
    LoadAllSettings(store, "800\u00D7600", s, lists);

    std::vector<std::string> expected{"read Form/Layer", "read Pos800\u00D7600/Left", "read Pos800\u00D7600/Top",
                                      "read Koyomi/Julius", "read Form/Style"};
    Append(expected, Prefixed("read", "Jiho", {"On", "Half", "Full", "File", "File2"}));
    Append(expected, Prefixed("read", "Keikoku", {"OnOff", "SoundOn", "FlieName"}));
    Append(expected, Prefixed("read", "AutoClose", {"OnOff", "Interval"}));
    for (int n = 0; n < 5; ++n) {
        const std::string d = std::to_string(n);
        Append(expected, Prefixed("read", "Alarm", {"OnOff" + d, "mai" + d, "h" + d, "m" + d, "sou" + d, "mes" + d}));
    }
    Append(expected, Prefixed("read", "Sync", {"Teiki", "Oneday", "Oki", "SyncDay", "SoundOn", "TSoundName",
                                               "DialOnly", "Proxy", "ProxyUserID", "ProxyPassword", "Adjustment",
                                               "Server", "Start"}));
    Append(expected, Prefixed("read", "Form", {"AutoBackup", "Delete", "TmpDelete"}));
    Append(expected, Prefixed("read", "Color", {"Weekday", "Saturday", "Sunday", "Holiday", "Specialday", "Yoteiday"}));
    Append(expected, Prefixed("read", "Form", {"FirstDayOfWeek", "Neighbor", "Line", "Japanese", "W", "Big"}));
    Append(expected, {"read Image/Hint", "read Form/Rokuyo", "read Form/HotKey1"});

    const std::vector<std::string>& log = keys.Log();
    ASSERT_GT(log.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + static_cast<ptrdiff_t>(expected.size())), expected);
    EXPECT_EQ(ListSectionsTouched(log, expected.size()), (std::vector<std::string>{"ListB", "ListA", "ListC"}));

    keys.ClearLog();
    LoadStartupDisplay(store, s);
    LoadStartupWait(store, s);
    LoadTrayChecks(store, s);
    EXPECT_EQ(keys.Log(), (std::vector<std::string>{"read Kidou/Tray", "read Kidou/Cal", "read Kidou/W",
                                                    "read Form/Wait", "read Icon/Tsuki", "read Icon/Youbi"}));
}

TEST(SaveAllSettings, WritesInTheExitOrderThenTheLists) {
    MemoryKeyStore keys;
    SettingsStore store(keys);
    AppSettings s;
    s.icon.loaded = true;
    SaveAllSettings(store, "800\u00D7600", s, {});

    std::vector<std::string> expected{"Form/Layer", "Pos800\u00D7600/Left", "Pos800\u00D7600/Top", "Koyomi/Julius",
                                      "Form/Name3", "Form/Style", "Icon/Tsuki", "Icon/Youbi", "Jiho/On", "Jiho/Half",
                                      "Jiho/Full", "Jiho/File", "Jiho/File2", "Image/Hint", "Form/Rokuyo",
                                      "Keikoku/OnOff", "Keikoku/SoundOn", "Keikoku/FlieName", "AutoClose/OnOff",
                                      "AutoClose/Interval"};
    for (int n = 0; n < 5; ++n) {
        for (const char* name : {"OnOff", "mai", "h", "m", "sou", "mes"}) {
            expected.push_back("Alarm/" + std::string(name) + std::to_string(n));
        }
    }
    for (const char* name : {"Teiki", "Oneday", "Oki", "SoundOn", "TSoundName", "DialOnly", "Proxy", "ProxyUserID",
                             "ProxyPassword", "Adjustment", "Server", "Start"}) {
        expected.push_back("Sync/" + std::string(name));
    }
    for (const char* name : {"AutoBackup", "Wait", "Delete", "TmpDelete"}) {
        expected.push_back("Form/" + std::string(name));
    }
    for (const char* name : {"Weekday", "Saturday", "Sunday", "Holiday", "Specialday", "Yoteiday"}) {
        expected.push_back("Color/" + std::string(name));
    }
    for (const char* name : {"FirstDayOfWeek", "Neighbor", "Line", "Japanese", "W", "Big", "HotKey1"}) {
        expected.push_back("Form/" + std::string(name));
    }
    for (const char* name : {"Tray", "Cal", "W"}) expected.push_back("Kidou/" + std::string(name));

    std::vector<std::string> written;
    for (const std::string& line : keys.Log()) {
        if (line.starts_with("write ")) written.push_back(line.substr(6, line.find('=') - 6));
    }
    ASSERT_GT(written.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(written.begin(), written.begin() + static_cast<ptrdiff_t>(expected.size())),
              expected);
    size_t firstList = 0;
    while (keys.Log()[firstList].find("List") == std::string::npos) ++firstList;
    EXPECT_EQ(ListSectionsTouched(keys.Log(), firstList), (std::vector<std::string>{"ListB", "ListA", "ListC"}));
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
    s.form = {100, false, false, false, 30, true, true, true, true, true, false, true, true,
              Shortcut{vk::kF1 + 11, false, true, true}};
    s.pos = {-1200, 345};
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
        if (!line.starts_with("read ")) text += line + "\n";
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
        saved += "[the defaults, tray check marks not loaded]\n" + Writes(keys);
    }
    EXPECT_EQ(saved, kSavedGolden.substr(1));  // the file's first line break belongs to its frame
}

}  // namespace
}  // namespace zenka
