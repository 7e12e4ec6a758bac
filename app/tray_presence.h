// What the calendar window needs to know about the tray icons: whether the
// hot key may show it and whether closing it ends the application.
#pragma once

namespace zenka {

class TrayPresence {
public:
    virtual ~TrayPresence() = default;
    // The day icon (TaskTray2) is in the notification area. It is whenever
    // any icon is; closing the calendar then only hides it.
    virtual bool DayIconVisible() const = 0;
    // Any of the three icons is; the hot key works only then.
    virtual bool AnyIconVisible() const = 0;
    // Places the icons: during the start-up, or when its wait ends.
    virtual void PlaceTrayIcons() = 0;
};

// Stands in for the tray icons until they exist. Placing them only notes
// that they would be there, so the hot key works exactly when it will with
// real icons (not in calendar-only start-up, not during the start-up wait).
// Nothing is in the notification area, though, and without an icon there
// is no tray menu to end the application from, so closing the calendar
// still ends it, as it does when no icon has been placed.
class TrayStandIn : public TrayPresence {
public:
    bool DayIconVisible() const override { return false; }
    bool AnyIconVisible() const override { return placed_; }
    void PlaceTrayIcons() override { placed_ = true; }

private:
    bool placed_ = false;
};

}  // namespace zenka
