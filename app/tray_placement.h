// Where the three date icons stand in the notification area. The shell
// lines icons up by the order in which they were added, and the order that
// shows month, day and weekday side by side differs before and after
// version 5.1. So every placement adds the wanted icons in the order of the
// running version, and re-adds icons already there when a new one has to go
// between them.
#pragma once

#include <cstdint>

#include "common/app_settings.h"

namespace zenka {

// One icon as placement sees it: shown or not. Showing an icon that is
// shown, or hiding one that is hidden, changes nothing.
class PlacedIcon {
public:
    virtual ~PlacedIcon() = default;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool value) = 0;
};

// True from version 5.1 on, where icons are added weekday, day, month;
// before it month, day, weekday.
bool UsesNewerPlacementOrder(uint32_t majorVersion, uint32_t minorVersion);

class TrayPlacement {
public:
    // The tray menu's check marks, whether the month and weekday icons are
    // wanted, live in the settings (Icon/Tsuki, Icon/Youbi), which are saved
    // from them. The icons and the settings must outlive the placement.
    TrayPlacement(PlacedIcon& month, PlacedIcon& day, PlacedIcon& weekday, AppSettings::Icon& checks,
                  bool newerOrder);

    bool MonthChecked() const { return checks_.tsuki; }
    bool WeekdayChecked() const { return checks_.youbi; }

    // Shows the day icon and the wanted ones, in the order of the version.
    void PlaceTrayIcons();
    // "月を表示(&M)" and "曜日を表示(&W)": toggle the check mark and the icon,
    // keeping the order.
    void mnuTsukiClick();
    void mnuYoubiClick();
    // "アイコンの再配置(&I)": re-adds every shown icon in the order of the
    // version, after the shell (or the user) mixed them up.
    void I1Click();

private:
    void Show(PlacedIcon& icon) { icon.SetVisible(true); }
    void Hide(PlacedIcon& icon) { icon.SetVisible(false); }
    void ShowAllInOrder();
    // Shows the day icon and one other in the order of the version.
    void ShowDayWith(PlacedIcon& other);

    PlacedIcon& month_;
    PlacedIcon& day_;
    PlacedIcon& weekday_;
    AppSettings::Icon& checks_;
    bool newerOrder_;
};

}  // namespace zenka
