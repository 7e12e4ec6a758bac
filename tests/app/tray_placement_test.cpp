// Placing the three date icons, with icons that record what the shell
// would be told.
#include "app/tray_placement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zenka {
namespace {

class RecordingIcon : public PlacedIcon {
public:
    RecordingIcon(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
    bool Visible() const override { return visible_; }
    void SetVisible(bool value) override {
        if (value == visible_) return;
        visible_ = value;
        log_.push_back((value ? "+" : "-") + name_);
    }

private:
    std::string name_;
    std::vector<std::string>& log_;
    bool visible_ = false;
};

using Log = std::vector<std::string>;

struct Tray {
    explicit Tray(bool newer, bool tsuki = false, bool youbi = false) : placement(month, day, weekday, checks, newer) {
        checks.tsuki = tsuki;
        checks.youbi = youbi;
    }
    Log TakeLog() { return std::exchange(log, {}); }

    Log log;
    RecordingIcon month{"month", log};
    RecordingIcon day{"day", log};
    RecordingIcon weekday{"weekday", log};
    AppSettings::Icon checks;
    TrayPlacement placement;
};

TEST(TrayPlacement, TheVersionDecidesTheOrder) {
    EXPECT_FALSE(UsesNewerPlacementOrder(4, 10));
    EXPECT_FALSE(UsesNewerPlacementOrder(5, 0));
    EXPECT_TRUE(UsesNewerPlacementOrder(5, 1));
    EXPECT_TRUE(UsesNewerPlacementOrder(5, 2));
    EXPECT_TRUE(UsesNewerPlacementOrder(6, 0)) << "later versions with minor 0 are newer too";
    EXPECT_TRUE(UsesNewerPlacementOrder(10, 0));
}

TEST(TrayPlacement, StartUpAddsTheWantedIconsInTheVersionsOrder) {
    struct Case {
        bool tsuki, youbi, newer;
        Log added;
    };
    const Case cases[] = {
        {true, true, true, {"+weekday", "+day", "+month"}},
        {true, true, false, {"+month", "+day", "+weekday"}},
        {true, false, true, {"+day", "+month"}},
        {true, false, false, {"+month", "+day"}},
        {false, true, true, {"+weekday", "+day"}},
        {false, true, false, {"+day", "+weekday"}},
        {false, false, true, {"+day"}},
        {false, false, false, {"+day"}},
    };
    for (const Case& c : cases) {
        Tray tray(c.newer, c.tsuki, c.youbi);
        tray.placement.PlaceTrayIcons();
        EXPECT_EQ(tray.TakeLog(), c.added) << "month " << c.tsuki << ", weekday " << c.youbi << ", newer " << c.newer;
    }
}

TEST(TrayPlacement, PlacingAgainReaddsIconsThatWouldStandOutOfOrder) {
    Tray tray(true, true, true);
    tray.placement.PlaceTrayIcons();
    tray.TakeLog();
    tray.placement.PlaceTrayIcons();
    // The month icon stays; day and weekday go and come back before it.
    EXPECT_EQ(tray.TakeLog(), (Log{"-day", "-weekday", "+weekday", "+day"}));
}

TEST(TrayPlacement, TheMonthToggleKeepsThePlacementOrder) {
    Tray tray(true, false, false);
    tray.placement.PlaceTrayIcons();
    tray.TakeLog();
    tray.placement.mnuTsukiClick();
    EXPECT_TRUE(tray.checks.tsuki);
    EXPECT_EQ(tray.TakeLog(), (Log{"-day", "+day", "+month"}));
    tray.placement.mnuTsukiClick();
    EXPECT_FALSE(tray.checks.tsuki);
    EXPECT_EQ(tray.TakeLog(), (Log{"-month"})) << "unchecking hides only the month icon";

    // With the weekday shown, all three come back in order.
    tray.placement.mnuYoubiClick();
    tray.TakeLog();
    tray.placement.mnuTsukiClick();
    EXPECT_EQ(tray.TakeLog(), (Log{"-day", "-weekday", "+weekday", "+day", "+month"}));

    Tray older(false, false, true);
    older.placement.PlaceTrayIcons();
    older.TakeLog();
    older.placement.mnuTsukiClick();
    EXPECT_EQ(older.TakeLog(), (Log{"-day", "-weekday", "+month", "+day", "+weekday"}));
    Tray olderAlone(false);
    olderAlone.placement.PlaceTrayIcons();
    olderAlone.TakeLog();
    olderAlone.placement.mnuTsukiClick();
    EXPECT_EQ(olderAlone.TakeLog(), (Log{"-day", "+month", "+day"}));
}

TEST(TrayPlacement, TheWeekdayToggleKeepsThePlacementOrder) {
    Tray tray(true);
    tray.placement.PlaceTrayIcons();
    tray.TakeLog();
    tray.placement.mnuYoubiClick();
    EXPECT_TRUE(tray.checks.youbi);
    EXPECT_EQ(tray.TakeLog(), (Log{"-day", "+weekday", "+day"}));
    tray.placement.mnuYoubiClick();
    EXPECT_EQ(tray.TakeLog(), (Log{"-weekday"}));

    Tray older(false, true, false);
    older.placement.PlaceTrayIcons();
    older.TakeLog();
    older.placement.mnuYoubiClick();
    EXPECT_EQ(older.TakeLog(), (Log{"-day", "-month", "+month", "+day", "+weekday"}));
    Tray olderAlone(false);
    olderAlone.placement.PlaceTrayIcons();
    olderAlone.TakeLog();
    olderAlone.placement.mnuYoubiClick();
    EXPECT_EQ(olderAlone.TakeLog(), (Log{"-day", "+day", "+weekday"}));
}

TEST(TrayPlacement, RearrangingReaddsTheShownIconsInOrder) {
    Tray tray(true, true, true);
    tray.placement.PlaceTrayIcons();
    tray.TakeLog();
    tray.placement.I1Click();
    EXPECT_EQ(tray.TakeLog(), (Log{"-weekday", "+weekday", "-day", "+day", "-month", "+month"}));

    Tray older(false, false, true);
    older.placement.PlaceTrayIcons();
    older.TakeLog();
    older.placement.I1Click();
    EXPECT_EQ(older.TakeLog(), (Log{"-day", "+day", "-weekday", "+weekday"})) << "hidden icons stay hidden";
}

}  // namespace
}  // namespace zenka
