// The start-up display decision, the hot key's registration, and the keys
// and wheel of the calendar window.
#include <gtest/gtest.h>

#include "app/calendar_hot_key.h"
#include "app/calendar_window_input.h"
#include "app/main_menus.h"
#include "app/startup_display.h"

namespace zenka {
namespace {

AppSettings::Kidou Kidou(bool tray, bool cal, bool w) { return {tray, cal, w}; }

TEST(StartupDisplay, CalendarOnlyThenBothThenTrayOnly) {
    // Calendar only: no tray icon in this run, whatever the wait.
    EXPECT_EQ(DecideStartupDisplay(Kidou(false, true, false), 5), (StartupDisplay{true, TrayStart::Never, 0}));
    EXPECT_EQ(DecideStartupDisplay(Kidou(true, true, true), 0), (StartupDisplay{true, TrayStart::Never, 0}))
        << "Cal is tested first";
    // Calendar and tray icons.
    EXPECT_EQ(DecideStartupDisplay(Kidou(false, false, true), 0), (StartupDisplay{true, TrayStart::Now, 0}));
    EXPECT_EQ(DecideStartupDisplay(Kidou(true, false, true), 5),
              (StartupDisplay{true, TrayStart::AfterWait, 5000}));
    // Anything else is tray icons only, even with Kidou/Tray off.
    EXPECT_EQ(DecideStartupDisplay(Kidou(true, false, false), 0), (StartupDisplay{false, TrayStart::Now, 0}));
    EXPECT_EQ(DecideStartupDisplay(Kidou(false, false, false), 0), (StartupDisplay{false, TrayStart::Now, 0}));
    EXPECT_EQ(DecideStartupDisplay(Kidou(true, false, false), 60),
              (StartupDisplay{false, TrayStart::AfterWait, 60000}));
    EXPECT_EQ(DecideStartupDisplay(Kidou(true, false, false), -3), (StartupDisplay{false, TrayStart::Now, 0}))
        << "a wait below one second places at once";
}

TEST(CalendarHotKey, ShortcutBecomesModifierFlagsAndKey) {
    EXPECT_EQ(HotKeyFor(kDefaultCalendarHotKey, false), (HotKeyRegistration{kModShift | kModControl, 'J'}));
    EXPECT_EQ(HotKeyFor(kDefaultCalendarHotKey, false)->modifiers, 6u);
    EXPECT_EQ(HotKeyFor(TextToShortcut("Alt+F1"), false), (HotKeyRegistration{kModAlt, vk::kF1}));
    EXPECT_EQ(HotKeyFor(TextToShortcut("Shift+Alt+Ctrl+Space"), false),
              (HotKeyRegistration{kModShift | kModAlt | kModControl, vk::kSpace}));
    EXPECT_EQ(HotKeyFor(TextToShortcut("Q"), false), (HotKeyRegistration{0, 'Q'}));
    EXPECT_FALSE(HotKeyFor(TextToShortcut(""), false).has_value()) << "empty: nothing registered";
    EXPECT_FALSE(HotKeyFor(TextToShortcut("Ctrl+Nonsense"), false).has_value()) << "no valid key: nothing registered";

    // Where the system can, a key held down is one press, so the calendar
    // does not flicker on and off with the key's repeat.
    EXPECT_EQ(HotKeyFor(kDefaultCalendarHotKey, true), (HotKeyRegistration{0x4000 | 6u, 'J'}));
    EXPECT_FALSE(HotKeyFor(TextToShortcut(""), true).has_value());
    const struct {
        uint32_t major, minor;
        bool noRepeat;
    } versions[] = {{5, 1, false}, {6, 0, false}, {6, 1, true}, {6, 2, true}, {10, 0, true}, {0, 0, true}};
    for (const auto& v : versions) {
        EXPECT_EQ(SystemHasNoRepeatHotKeys(v.major, v.minor), v.noRepeat) << v.major << "." << v.minor;
    }
}

TEST(CalendarWindowInput, LetterKeysNavigateAndEnterOpensTheSettings) {
    EXPECT_EQ(CommandForKey('N'), CalendarCommand::NextMonth);
    EXPECT_EQ(CommandForKey('B'), CalendarCommand::PrevMonth);
    EXPECT_EQ(CommandForKey('M'), CalendarCommand::NextYear);
    EXPECT_EQ(CommandForKey('V'), CalendarCommand::PrevYear);
    EXPECT_EQ(CommandForKey('T'), CalendarCommand::Today);
    EXPECT_EQ(CommandForKey(vk::kReturn), CalendarCommand::Settings);
    for (uint16_t other : {uint16_t{'A'}, uint16_t{'n'}, vk::kLeft, vk::kSpace, uint16_t{0}}) {
        EXPECT_EQ(CommandForKey(other), CalendarCommand::None) << other;
    }
}

TEST(CalendarWindowInput, OnlyWholeWheelNotchesTurnTheMonth) {
    EXPECT_EQ(WheelStepFor(120), (WheelStep{CalendarCommand::NextMonth, -4}));
    EXPECT_EQ(WheelStepFor(-120), (WheelStep{CalendarCommand::PrevMonth, 4}));
    for (int16_t delta : {0, 60, -60, 119, 240, -240, 32767, -32768}) {
        EXPECT_EQ(WheelStepFor(delta), (WheelStep{CalendarCommand::None, 0})) << delta;
    }
}

TEST(MainMenus, ShortcutsRunTheirItems) {
    EXPECT_EQ(MenuShortcutCommand(CalendarMenuItems(), 'O'), cmdK2);
    EXPECT_EQ(MenuShortcutCommand(CalendarMenuItems(), 'G'), cmdPopMemo);
    EXPECT_FALSE(MenuShortcutCommand(CalendarMenuItems(), 'P').has_value());
    EXPECT_FALSE(MenuShortcutCommand(TrayMenuItems(), 'O').has_value()) << "the tray menu has no shortcuts";
}

}  // namespace
}  // namespace zenka
