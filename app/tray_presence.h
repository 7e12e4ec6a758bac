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

}  // namespace zenka
