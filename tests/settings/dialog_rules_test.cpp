// The settings dialog's rules that depend on nothing but the values of its
// controls: enabling, colours, the hot key field, the tabs'
// help topics, the synchronisation account and the about box's links.
#include <gtest/gtest.h>

#include "settings/about_links.h"
#include "settings/color_choice.h"
#include "settings/hot_key_field.h"
#include "settings/pages_enabling.h"
#include "settings/pages_tabs.h"
#include "settings/sync_report_text.h"

namespace zenka {
namespace {

TEST(PagesEnabling, DependentControlsFollowTheirBoxes) {
    struct Case {
        const char* what;
        void (*arrange)(PagesValues&);
        bool PagesEnabling::*control;
        bool enabled;
    };
    using V = PagesValues;
    const Case cases[] = {
        {"alarm off", [](V& v) { v.settings.alarms[0].onOff = "0"; }, &PagesEnabling::alarmControls, false},
        {"alarm on", [](V& v) { v.settings.alarms[0].onOff = "1"; }, &PagesEnabling::alarmControls, true},
        {"the alarm shown", [](V& v) { v.settings.alarms[2].onOff = "1"; v.alarmSlot = 3; },
         &PagesEnabling::alarmControls, true},
        {"chime off", [](V& v) { v.settings.jiho.on = false; v.settings.jiho.half = true; },
         &PagesEnabling::jihoControls, false},
        {"chime off keeps the half hour off though checked",
         [](V& v) { v.settings.jiho.on = false; v.settings.jiho.half = true; }, &PagesEnabling::jihoHalfControls,
         false},
        {"chime on", [](V& v) { v.settings.jiho.on = true; }, &PagesEnabling::jihoControls, true},
        {"chime on, half hour unchecked", [](V& v) { v.settings.jiho.on = true; v.settings.jiho.half = false; },
         &PagesEnabling::jihoHalfControls, false},
        {"chime on, half hour checked", [](V& v) { v.settings.jiho.on = true; v.settings.jiho.half = true; },
         &PagesEnabling::jihoHalfControls, true},
        {"A: no automatic sync", [](V& v) { v.settings.sync.teiki = false; }, &PagesEnabling::oneday, false},
        {"A: no automatic sync, no interval",
         [](V& v) { v.settings.sync.teiki = false; v.settings.sync.oneday = false; }, &PagesEnabling::okiControls,
         false},
        {"A: automatic", [](V& v) { v.settings.sync.teiki = true; v.settings.sync.oneday = true; },
         &PagesEnabling::oneday, true},
        {"A: once a day has no interval", [](V& v) { v.settings.sync.teiki = true; v.settings.sync.oneday = true; },
         &PagesEnabling::okiControls, false},
        {"A: by interval", [](V& v) { v.settings.sync.teiki = true; v.settings.sync.oneday = false; },
         &PagesEnabling::okiControls, true},
        {"B: no success sound", [](V& v) { v.settings.sync.soundOn = false; v.settings.sync.teiki = true; },
         &PagesEnabling::syncSoundControls, false},
        {"B: success sound, even without automatic sync", [](V& v) { v.settings.sync.soundOn = true; },
         &PagesEnabling::syncSoundControls, true},
        {"C: no notice", [](V& v) { v.settings.keikoku.onOff = false; v.settings.keikoku.soundOn = true; },
         &PagesEnabling::keikokuSoundBox, false},
        {"C: no notice, no sound", [](V& v) { v.settings.keikoku.onOff = false; v.settings.keikoku.soundOn = true; },
         &PagesEnabling::keikokuSoundControls, false},
        {"C: notice", [](V& v) { v.settings.keikoku.onOff = true; }, &PagesEnabling::keikokuSoundBox, true},
        {"C/D: notice with its sound box unchecked",
         [](V& v) { v.settings.keikoku.onOff = true; v.settings.keikoku.soundOn = false; },
         &PagesEnabling::keikokuSoundControls, false},
        {"D: notice with sound", [](V& v) { v.settings.keikoku.onOff = true; v.settings.keikoku.soundOn = true; },
         &PagesEnabling::keikokuSoundControls, true},
        {"E: no auto-close", [](V& v) { v.settings.autoClose.onOff = false; }, &PagesEnabling::autoCloseControls,
         false},
        {"E: auto-close", [](V& v) { v.settings.autoClose.onOff = true; }, &PagesEnabling::autoCloseControls, true},
        {"the slider where the calendar can be transparent", [](V& v) { v.transparencyAllowed = true; },
         &PagesEnabling::transparencyControls, true},
        {"and nowhere else", [](V& v) { v.transparencyAllowed = false; }, &PagesEnabling::transparencyControls,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PagesValues values;
        c.arrange(values);
        EXPECT_EQ(EnablingOf(values).*c.control, c.enabled);
    }
}

TEST(ColorChoice, TheFirstButtonOfTheColour) {
    EXPECT_EQ(ColorChoiceOf(clBlack), 0);
    EXPECT_EQ(ColorChoiceOf(clBlue), 1);
    EXPECT_EQ(ColorChoiceOf(clRed), 2);
    EXPECT_EQ(ColorChoiceOf(clLime), 3);
    EXPECT_EQ(ColorChoiceOf(clFuchsia), 4);
    EXPECT_EQ(ColorChoiceOf(clGreen), kNoColorChoice) << "green (0,128,0) is not lime";
    EXPECT_EQ(ColorChoiceOf(clWindow), kNoColorChoice);
}

TEST(HotKeyField, WhatTheFieldKeepsOfAPressedKey) {
    const Shortcut previous{'J', true, true, false};
    struct Case {
        const char* what;
        Shortcut typed;
        Shortcut kept;
    };
    const Case cases[] = {
        {"a plain key is taken with Ctrl+Shift", {'K', false, false, false}, {'K', true, true, false}},
        {"a plain function key too", {uint16_t(vk::kF1 + 11), false, false, false}, {uint16_t(vk::kF1 + 11), true, true, false}},
        {"Shift alone too", {'K', true, false, false}, {'K', true, true, false}},
        {"Ctrl stays as pressed", {'K', false, true, false}, {'K', false, true, false}},
        {"Alt stays as pressed", {uint16_t(vk::kF1 + 4), false, false, true}, {uint16_t(vk::kF1 + 4), false, false, true}},
        {"all three", {'1', true, true, true}, {'1', true, true, true}},
        {"no key empties the field", {0, true, true, false}, {}},
        {"a key without a name is refused", {0xBA, false, true, false}, previous},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(TypedHotKey(c.typed, previous), c.kept);
    }
}

TEST(PagesTabs, CaptionsAndHelpTopicsInOrder) {
    const char* captions[] = {"予定日", "特別日", "休日", "アラーム･時報", "時刻合わせ", "カラー", "起動オプション", "その他"};
    const uint32_t topics[] = {6, 6, 6, 7, 8, 4, 9, 10};
    for (int32_t tab = 0; tab < kTabCount; ++tab) {
        EXPECT_STREQ(PagesTabs()[static_cast<size_t>(tab)].caption, captions[tab]);
        EXPECT_EQ(HelpContextOfTab(tab), topics[tab]) << captions[tab];
    }
    EXPECT_EQ(HelpContextOfTab(-1), 6u);
    EXPECT_EQ(HelpContextOfTab(kTabCount), 6u);
}

TEST(SyncReportText, TheLastAttemptInTwoLines) {
    EXPECT_EQ(SyncReportText(std::nullopt), "まだ時刻合わせをしていません。");
    SyncReport ok{{2006, 1, 9, 7, 5, 3}, true, "", 1.25};
    EXPECT_EQ(SyncReportText(ok), "2006/01/09 07:05:03　成功\r\n時計のずれ +1.3 秒");
    SyncReport failed{{2006, 12, 31, 23, 59, 59}, false, "サーバーに接続できません。", std::nullopt};
    EXPECT_EQ(SyncReportText(failed), "2006/12/31 23:59:59　失敗\r\nサーバーに接続できません。");
    SyncReport refused{{2006, 1, 9, 0, 0, 0}, false, "時計を合わせる権限がありません。", -3600.04};
    EXPECT_EQ(SyncReportText(refused), "2006/01/09 00:00:00　失敗\r\n時計のずれ -3600.0 秒　時計を合わせる権限がありません。");
    SyncReport measured{{2006, 1, 9, 7, 5, 3}, true, "", 0.7342, 0.0075};
    EXPECT_EQ(SyncReportText(measured), "2006/01/09 07:05:03　成功\r\n時計のずれ +0.734 秒 (±0.008 秒)");
    SyncReport named{{2006, 1, 9, 7, 5, 3}, true, "", 0.7342, 0.0075, {"https://a.jp/", "http://b.jp/"}};
    EXPECT_EQ(SyncReportText(named),
              "2006/01/09 07:05:03　成功\r\n時計のずれ +0.734 秒 (±0.008 秒)\r\nサーバー: https://a.jp/ http://b.jp/");
    SyncReport bare{{2006, 1, 9, 0, 0, 0}, true, "", std::nullopt};
    EXPECT_EQ(SyncReportText(bare), "2006/01/09 00:00:00　成功");
    EXPECT_EQ(OffsetText(-0.04), "+0.0 秒");
    EXPECT_EQ(OffsetText(-0.06), "-0.1 秒");
}

TEST(AboutLinks, TheMakersAddressesOrTheirStandIns) {
    EXPECT_EQ(MailLink("info@brindlex.example", "Zenka 2006 Version 6.7"),
              (AboutLink{"info@brindlex.example", "mailto:info@brindlex.example", "メールを出す"}));
    EXPECT_EQ(MailLink("", "Zenka 2006 Version 6.7"),
              (AboutLink{"新しいメールを作成", "mailto:?subject=Zenka%202006%20Version%206.7", "メールを出す"}));
    EXPECT_EQ(WebLink("http://www.brindlex.example/", "C:\\Zenka\\"),
              (AboutLink{"http://www.brindlex.example/", "http://www.brindlex.example/", "Brindlexのホームページへ"}));
    EXPECT_EQ(WebLink("", "C:\\Program Files\\Zenka\\"),
              (AboutLink{"Zenkaのフォルダーを開く", "C:\\Program Files\\Zenka\\", "C:\\Program Files\\Zenka\\"}));
}

}  // namespace
}  // namespace zenka
