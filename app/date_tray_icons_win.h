// The main window's three date icons: month (TaskTray1), day (TaskTray2)
// and weekday (TaskTray3). The tick loads their images and tooltips through
// TrayImages, the placement shows and hides them through PlacedIcon, and a
// left press on any of them asks for the calendar.
#pragma once

#include <windows.h>

#include <functional>

#include "app/tray_icon_guid.h"
#include "app/tray_images.h"
#include "app/tray_placement.h"
#include "controls/tray_icon_win.h"

namespace zenka {

// The Win32 form of a UUID.
GUID ToGuid(const Uuid& uuid);

class DateTrayIcons : public TrayImages {
public:
    // owner receives the tray menu's commands. The icons show
    // initialImage until the first tick loads the date images; null gives
    // the system's application icon. They start hidden.
    DateTrayIcons(HWND owner, HMENU trayMenu, HICON initialImage);

    TTrayIcon TaskTray1;  // month
    TTrayIcon TaskTray2;  // day
    TTrayIcon TaskTray3;  // weekday

    TTrayIcon& Icon(TrayIconKind kind);
    PlacedIcon& Month() { return month_; }
    PlacedIcon& Day() { return day_; }
    PlacedIcon& Weekday() { return weekday_; }

    // Any of the three is in the notification area.
    bool AnyVisible() const { return TaskTray1.Visible() || TaskTray2.Visible() || TaskTray3.Visible(); }
    // Takes all three out of the notification area.
    void HideAll();
    // Puts one image on all three, shown or not (a copy each; the caller
    // keeps its own). The tick's next icon loading replaces it.
    void SetAllImages(HICON image);

    // A left press on an icon: show the calendar window beside it.
    std::function<void(TTrayIcon& pressed)> OnShowCalendar;

    bool LoadTrayIcon(TrayIconKind icon, const std::string& path) override;
    void SetTrayTip(TrayIconKind icon, const std::string& text) override;

private:
    class Placed : public PlacedIcon {
    public:
        explicit Placed(TTrayIcon& icon) : icon_(icon) {}
        bool Visible() const override { return icon_.Visible(); }
        void SetVisible(bool value) override { icon_.SetVisible(value); }

    private:
        TTrayIcon& icon_;
    };

    void MouseDown(TTrayIcon& icon, TMouseButton button);

    Placed month_{TaskTray1};
    Placed day_{TaskTray2};
    Placed weekday_{TaskTray3};
};

}  // namespace zenka
