// Where the calendar window goes: beside the notification area at first,
// then the position kept per screen resolution, clamped into the work area
// of its monitor.
#include "app/calendar_window_position.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/fakes/memory_key_store.h"

namespace zenka {
namespace {

constexpr WindowSize kWindow{122, 170};
constexpr Rect kScreen{0, 0, 1024, 768};
constexpr Rect kWork{0, 0, 1024, 738};  // the taskbar at the bottom
// A second monitor left of the primary one, taller, its taskbar at the
// bottom.
constexpr Rect kLeftScreen{-1280, 0, 0, 1024};
constexpr Rect kLeftWork{-1280, 0, 0, 994};

ScreenLayout Monitors(std::vector<MonitorArea> monitors) {
    ScreenLayout layout;
    layout.monitors = std::move(monitors);
    return layout;
}
ScreenLayout OneMonitor(Rect work) { return Monitors({{kScreen, work}}); }
ScreenLayout TwoMonitors() { return Monitors({{kScreen, kWork}, {kLeftScreen, kLeftWork}}); }
ScreenLayout With(ScreenLayout layout, std::optional<Rect> icon, std::optional<TaskbarEdge> edge = {},
                  std::optional<Rect> taskbar = {}) {
    layout.trayIcon = icon;
    layout.taskbarEdge = edge;
    layout.taskbar = taskbar;
    return layout;
}

TEST(CalendarWindowPosition, TheFirstShowOpensBesideTheNotificationArea) {
    struct Case {
        const char* what;
        ScreenLayout screens;
        WindowPosition expected;
    };
    const Case cases[] = {
        // The icon's place unknown: the work area's corner at the
        // notification area.
        {"bottom", OneMonitor(kWork), {902, 568}},
        {"top", OneMonitor({0, 30, 1024, 768}), {902, 30}},
        {"left", OneMonitor({60, 0, 1024, 768}), {60, 598}},
        {"right", OneMonitor({0, 0, 964, 768}), {842, 598}},
        {"no taskbar to see: the bottom", OneMonitor(kScreen), {902, 598}},
        {"an edge the system tells wins", With(OneMonitor(kScreen), {}, TaskbarEdge::Top), {902, 0}},
        // Beside the icon: centred on it along the taskbar, inside the
        // work area.
        {"bottom, icon", With(OneMonitor(kWork), Rect{700, 742, 716, 758}), {647, 568}},
        {"bottom, icon at the corner", With(OneMonitor(kWork), Rect{1000, 742, 1016, 758}), {902, 568}},
        {"top, icon", With(OneMonitor({0, 30, 1024, 768}), Rect{700, 8, 716, 24}), {647, 30}},
        {"left, icon", With(OneMonitor({60, 0, 1024, 768}), Rect{20, 500, 36, 516}), {60, 423}},
        {"left, icon near the top", With(OneMonitor({60, 0, 1024, 768}), Rect{20, 10, 36, 26}), {60, 0}},
        {"right, icon", With(OneMonitor({0, 0, 964, 768}), Rect{990, 500, 1006, 516}), {842, 423}},
        // The taskbar on the monitor left of the primary one.
        {"taskbar on the left monitor",
         With(TwoMonitors(), {}, TaskbarEdge::Bottom, Rect{-1280, 994, 0, 1024}), {-122, 824}},
        {"icon on the left monitor", With(TwoMonitors(), Rect{-100, 1000, -84, 1016}), {-153, 824}},
        {"icon beyond every monitor: the nearest", With(TwoMonitors(), Rect{-2000, 1000, -1984, 1016}),
         {-1280, 824}},
        {"no monitor known: 0,0", ScreenLayout{}, {0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceCalendarWindow(std::nullopt, kWindow, c.screens), c.expected) << c.what;
    }
}

TEST(CalendarWindowPosition, AStoredPositionIsClampedIntoTheWorkAreaOfItsMonitor) {
    struct Case {
        const char* what;
        WindowPosition stored;
        ScreenLayout screens;
        WindowPosition expected;
    };
    const Case cases[] = {
        {"inside: unchanged", {100, 200}, OneMonitor(kWork), {100, 200}},
        {"touching the edges", {902, 568}, OneMonitor(kWork), {902, 568}},
        {"past the right and bottom", {903, 569}, OneMonitor(kWork), {902, 568}},
        {"far out", {5000, -40}, OneMonitor(kWork), {902, 0}},
        {"whatever the registry held", {INT32_MAX, INT32_MIN}, OneMonitor(kWork), {902, 0}},
        {"taskbar at the top", {10, 5}, OneMonitor({0, 30, 1024, 768}), {10, 30}},
        {"taskbar at the left", {0, 0}, OneMonitor({60, 0, 1024, 768}), {60, 0}},
        {"a work area smaller than the window: its top-left corner", {50, 50}, OneMonitor({10, 20, 110, 120}),
         {10, 20}},
        // A second monitor left of the primary one keeps its positions.
        {"on the left monitor", {-600, 300}, TwoMonitors(), {-600, 300}},
        {"mostly on the left monitor, below its work area", {-50, 900}, TwoMonitors(), {-122, 824}},
        {"beyond the left monitor: the nearest", {-3000, 100}, TwoMonitors(), {-1280, 100}},
        {"beyond the primary one", {5000, 5000}, TwoMonitors(), {902, 568}},
        {"no monitor known: as stored", {-7, 9}, ScreenLayout{}, {-7, 9}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceCalendarWindow(c.stored, kWindow, c.screens), c.expected) << c.what;
    }
}

TEST(CalendarWindowPosition, EachResolutionKeepsItsOwnPosition) {
    MemoryKeyStore keys;
    SettingsStore store(keys);
    std::string tag = "1024\u00D7768";

    // Same resolution: the position is written and read back.
    EXPECT_EQ(RepositionForResolution(store, tag, WindowPosition{300, 400}, "1024\u00D7768", kWindow, OneMonitor(kWork)),
              (WindowPosition{300, 400}));
    EXPECT_EQ(keys.Data()["Pos1024\u00D7768"]["Left"], "300");
    EXPECT_EQ(keys.Data()["Pos1024\u00D7768"]["Top"], "400");

    // A new resolution without a position of its own opens beside the
    // notification area; the old resolution's position is written first,
    // under the old tag.
    EXPECT_EQ(RepositionForResolution(store, tag, WindowPosition{310, 410}, "800\u00D7600", kWindow,
                                      Monitors({{{0, 0, 800, 600}, {0, 0, 800, 570}}})),
              (WindowPosition{678, 400}));
    EXPECT_EQ(tag, "800\u00D7600");
    EXPECT_EQ(keys.Data()["Pos1024\u00D7768"]["Left"], "310");
    EXPECT_FALSE(keys.Data().contains("Pos800\u00D7600")) << "reading writes nothing";

    // Back again: the position kept for it returns, clamped into the work
    // area (which the kept value is not).
    keys.Data()["Pos1024\u00D7768"]["Top"] = "700";
    EXPECT_EQ(RepositionForResolution(store, tag, WindowPosition{20, 30}, "1024\u00D7768", kWindow, OneMonitor(kWork)),
              (WindowPosition{310, 568}));
    EXPECT_EQ(keys.Data()["Pos800\u00D7600"]["Left"], "20");
    EXPECT_EQ(keys.Data()["Pos800\u00D7600"]["Top"], "30");
    EXPECT_EQ(keys.Data()["Pos1024\u00D7768"]["Top"], "700") << "the clamp moves the window, not the kept value";

    // A window whose position was never loaded has none to keep: the stored
    // one stays and comes back.
    EXPECT_EQ(RepositionForResolution(store, tag, std::nullopt, "1024\u00D7768", kWindow, OneMonitor(kWork)),
              (WindowPosition{310, 568}));
    EXPECT_EQ(keys.Data()["Pos1024\u00D7768"]["Left"], "310");
    EXPECT_EQ(keys.Data()["Pos1024\u00D7768"]["Top"], "700");
}

}  // namespace
}  // namespace zenka
