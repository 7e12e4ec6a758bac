// Where the calendar window goes: the clamp into the work area and the
// position kept per screen resolution.
#include "app/calendar_window_position.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/fakes/memory_key_store.h"

namespace zenka {
namespace {

constexpr WindowSize kWindow{122, 170};
constexpr WindowSize kWork{1024, 738};

TEST(CalendarWindowPosition, ClampKeepsTheWindowInsideTheWorkArea) {
    EXPECT_EQ(ClampIntoWorkArea({100, 200}, kWindow, kWork), (WindowPosition{100, 200})) << "inside: unchanged";
    EXPECT_EQ(ClampIntoWorkArea({902, 568}, kWindow, kWork), (WindowPosition{902, 568})) << "touching the edges";
    EXPECT_EQ(ClampIntoWorkArea({903, 569}, kWindow, kWork), (WindowPosition{902, 568}));
    EXPECT_EQ(ClampIntoWorkArea({5000, -40}, kWindow, kWork), (WindowPosition{902, 0}));
    EXPECT_EQ(ClampIntoWorkArea({-1, 9000}, kWindow, kWork), (WindowPosition{0, 568}));
    // A work area smaller than the window: the left and top edges win.
    EXPECT_EQ(ClampIntoWorkArea({50, 50}, kWindow, WindowSize{100, 100}), (WindowPosition{0, 0}));
    // Whatever the registry held.
    EXPECT_EQ(ClampIntoWorkArea({INT32_MAX, INT32_MIN}, kWindow, kWork), (WindowPosition{902, 0}));
}

TEST(CalendarWindowPosition, EachResolutionKeepsItsOwnPosition) {
    MemoryKeyStore keys;
    SettingsStore store(keys);
    std::string tag = "1024\u00D7768";

    // Same resolution: the position is written and read back.
    EXPECT_EQ(RepositionForResolution(store, tag, WindowPosition{300, 400}, "1024\u00D7768", kWindow, kWork),
              (WindowPosition{300, 400}));
    EXPECT_EQ(keys.Data()["Pos1024\u00D7768"]["Left"], "300");
    EXPECT_EQ(keys.Data()["Pos1024\u00D7768"]["Top"], "400");

    // A new resolution without a position of its own starts at 0,0; the old
    // resolution's position is written first, under the old tag.
    EXPECT_EQ(RepositionForResolution(store, tag, WindowPosition{310, 410}, "800\u00D7600", kWindow, {800, 570}),
              (WindowPosition{0, 0}));
    EXPECT_EQ(tag, "800\u00D7600");
    EXPECT_EQ(keys.Data()["Pos1024\u00D7768"]["Left"], "310");
    EXPECT_FALSE(keys.Data().contains("Pos800\u00D7600")) << "reading writes nothing";

    // Back again: the position kept for it returns, clamped into the work
    // area (which the kept value is not).
    keys.Data()["Pos1024\u00D7768"]["Top"] = "700";
    EXPECT_EQ(RepositionForResolution(store, tag, WindowPosition{20, 30}, "1024\u00D7768", kWindow, kWork),
              (WindowPosition{310, 568}));
    EXPECT_EQ(keys.Data()["Pos800\u00D7600"]["Left"], "20");
    EXPECT_EQ(keys.Data()["Pos800\u00D7600"]["Top"], "30");
    EXPECT_EQ(keys.Data()["Pos1024\u00D7768"]["Top"], "700") << "the clamp moves the window, not the kept value";

    // A window whose position was never loaded has none to keep: the stored
    // one stays and comes back.
    EXPECT_EQ(RepositionForResolution(store, tag, std::nullopt, "1024\u00D7768", kWindow, kWork),
              (WindowPosition{310, 568}));
    EXPECT_EQ(keys.Data()["Pos1024\u00D7768"]["Left"], "310");
    EXPECT_EQ(keys.Data()["Pos1024\u00D7768"]["Top"], "700");
}

}  // namespace
}  // namespace zenka
