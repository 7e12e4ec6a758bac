// Where the calendar window goes when it is shown or the screen changes:
// the position kept for the screen's resolution, or, while none is kept,
// beside the notification area, as the system's own clock opens there;
// either way inside the work area (the monitor without the taskbar) of the
// monitor the window is on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/app_settings.h"
#include "common/rect.h"
#include "common/settings_store.h"

namespace zenka {

struct WindowSize {
    int32_t width = 0;
    int32_t height = 0;
};

// One monitor in virtual-screen coordinates: a monitor left of the
// primary one has negative ones.
struct MonitorArea {
    Rect monitor;
    Rect work;  // the monitor without the taskbar and other docked bars
};

enum class TaskbarEdge { Left, Top, Right, Bottom };

// What the system tells of the screens; any part of it may be missing.
struct ScreenLayout {
    std::vector<MonitorArea> monitors;  // the primary one first
    // The taskbar's edge and rectangle, when the system tells them. Without
    // the edge, the widest inset of the work area on the taskbar's monitor
    // says it; without any, the bottom, where the system puts it.
    std::optional<TaskbarEdge> taskbarEdge;
    std::optional<Rect> taskbar;
    // The tray icon the calendar opens beside, when the shell tells where
    // it is.
    std::optional<Rect> trayIcon;
};

// Keeps the window inside a work area: its right and bottom edges first,
// then its left and top edges, so that a work area smaller than the window
// shows the window's top-left part.
WindowPosition ClampIntoWorkArea(WindowPosition position, WindowSize window, const Rect& work);

// Clamps the window into the work area of the monitor that holds most of
// it, or of the nearest one when it lies on none; unchanged without
// monitors.
WindowPosition ClampOntoMonitors(WindowPosition position, WindowSize window,
                                 const std::vector<MonitorArea>& monitors);

// The position for a show: the stored one, clamped onto the monitors;
// without one, beside the tray icon along the
// taskbar, or, while the icon's place is unknown, in the corner of the work
// area nearest the notification area (the right end of a horizontal
// taskbar, the bottom of a vertical one). Without any monitor the stored
// position stands as it is (0,0 without one).
WindowPosition PlaceCalendarWindow(const std::optional<WindowPosition>& stored, WindowSize window,
                                   const ScreenLayout& screens);

// The position routine. Writes the window's current position for the
// resolution in use so far, makes the new resolution the one in use, and
// answers the place for it (PlaceCalendarWindow, with the position kept
// for it if any). With the resolution unchanged this writes the position
// and reads it back. Without a current position (the window has had none
// of its own yet) nothing is written.
WindowPosition RepositionForResolution(SettingsStore& store, std::string& tagInUse,
                                       const std::optional<WindowPosition>& current, std::string_view newTag,
                                       WindowSize window, const ScreenLayout& screens);

}  // namespace zenka
