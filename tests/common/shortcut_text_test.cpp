#include "common/shortcut_text.h"

#include <gtest/gtest.h>

#include "common/color_text.h"

namespace zenka {
namespace {

TEST(ShortcutText, PrefixesAreReadInAnyOrderAndCase) {
    const Shortcut ctrlShiftJ{'J', true, true, false};
    for (const char* text : {"Ctrl+Shift+J", "Shift+Ctrl+J", "shift+ctrl+j", "CTRL+SHIFT+j", "Ctrl+Shift+Ctrl+J"}) {
        EXPECT_EQ(TextToShortcut(text), ctrlShiftJ) << text;
    }
    EXPECT_EQ(TextToShortcut("Alt+Ctrl+Shift+F24"), (Shortcut{vk::kF1 + 23, true, true, true}));
    EXPECT_EQ(TextToShortcut("Q"), (Shortcut{'Q', false, false, false}));
    EXPECT_EQ(TextToShortcut("Alt+7"), (Shortcut{'7', false, false, true}));
}

TEST(ShortcutText, KeysAreKnownByTheirWindowsNames) {
    const std::pair<const char*, uint16_t> names[] = {
        {"F1", vk::kF1},        {"f10", vk::kF1 + 9},  {"F24", vk::kF1 + 23}, {"Space", vk::kSpace},
        {"Enter", vk::kReturn}, {"Esc", vk::kEscape},  {"Tab", vk::kTab},     {"BkSp", vk::kBack},
        {"PgUp", vk::kPrior},   {"pgdn", vk::kNext},   {"End", vk::kEnd},     {"Home", vk::kHome},
        {"Left", vk::kLeft},    {"Up", vk::kUp},       {"Right", vk::kRight}, {"Down", vk::kDown},
        {"Ins", vk::kInsert},   {"DEL", vk::kDelete},  {"Num 5", vk::kNumpad0 + 5}, {"Num +", vk::kAdd},
    };
    for (const auto& [name, key] : names) {
        EXPECT_EQ(TextToShortcut(std::string("Ctrl+") + name), (Shortcut{key, false, true, false})) << name;
    }
}

TEST(ShortcutText, TextNamingNoKeyIsNoShortcut) {
    for (const char* text : {"", "Ctrl+", "Ctrl+Shift+", "F0", "F25", "F01", "Ctrl+JJ", "Ctrl J", "Ctrl-J",
                             "Ctrl+Foo", " Ctrl+J", "Ctrl+J ", "Ctrl+ＪＪ", "Win+J"}) {
        EXPECT_TRUE(TextToShortcut(text).IsNone()) << '"' << text << '"';
    }
}

TEST(ShortcutText, WritingPutsShiftCtrlAltInThatOrderAndReadsBack) {
    EXPECT_EQ(ShortcutToText(kDefaultCalendarHotKey), "Shift+Ctrl+J");
    EXPECT_EQ(ShortcutToText({vk::kDelete, true, true, true}), "Shift+Ctrl+Alt+Del");
    EXPECT_EQ(ShortcutToText({vk::kF1 + 4, false, false, true}), "Alt+F5");
    EXPECT_EQ(ShortcutToText({}), "");
    EXPECT_EQ(ShortcutToText({0xE2, false, true, false}), "");  // a key without a name
    int named = 0;
    for (uint16_t key = 1; key < 0x100; ++key) {
        if (!HasKeyName(key)) continue;
        ++named;
        const Shortcut shortcut{key, key % 2 == 0, key % 3 == 0, key % 5 == 0};
        EXPECT_EQ(TextToShortcut(ShortcutToText(shortcut)), shortcut) << ShortcutToText(shortcut);
    }
    EXPECT_EQ(named, 26 + 10 + 24 + 16 + 15);
}

TEST(ColorText, NamesAndHexadecimalValues) {
    EXPECT_EQ(TextToColor("clBlack"), clBlack);
    EXPECT_EQ(TextToColor("clFuchsia"), clFuchsia);
    EXPECT_EQ(TextToColor("CLLIME"), clLime);
    EXPECT_EQ(TextToColor("clSilver"), clSilver);
    EXPECT_EQ(TextToColor("$000000FF"), clRed);
    EXPECT_EQ(TextToColor("$00abCDef"), RgbColor(0xEF, 0xCD, 0xAB));
    for (const char* bad : {"", "clPink", "red", "$FF", "$0000FF", "$0000000FF", "$01000000", "$FF000005",
                            "$0000GG00", "0x000000FF", "255", " clRed"}) {
        EXPECT_EQ(TextToColor(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(ColorToText(clBlue), "clBlue");
    EXPECT_EQ(ColorToText(clYellow), "clYellow");
    EXPECT_EQ(ColorToText(RgbColor(1, 2, 3)), "$00030201");
    EXPECT_EQ(TextToColor(ColorToText(RgbColor(1, 2, 3))), RgbColor(1, 2, 3));
}

}  // namespace
}  // namespace zenka
