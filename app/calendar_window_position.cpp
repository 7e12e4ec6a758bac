#include "app/calendar_window_position.h"

#include <algorithm>

#include "app/settings_bulk.h"

namespace zenka {
namespace {

// In 64 bits: stored positions are whatever the registry held.
int32_t ClampEdge(int32_t edge, int32_t size, int32_t low, int32_t high) {
    int64_t value = edge;
    value = std::min(value, int64_t{high} - size);
    value = std::max(value, int64_t{low});
    return static_cast<int32_t>(value);
}

// A rectangle in 64 bits, which a window at a stored position may need.
struct Box {
    int64_t left, top, right, bottom;
};

Box BoxOf(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

int64_t Overlap(int64_t a0, int64_t a1, int64_t b0, int64_t b1) {
    return std::max<int64_t>(0, std::min(a1, b1) - std::max(a0, b0));
}

int64_t Gap(int64_t a0, int64_t a1, int64_t b0, int64_t b1) { return std::max<int64_t>({0, b0 - a1, a0 - b1}); }

// The monitor holding most of the box, else the nearest; the first of
// equals.
const MonitorArea* MonitorOf(const std::vector<MonitorArea>& monitors, const Box& r) {
    const MonitorArea* best = nullptr;
    int64_t bestArea = 0;
    for (const MonitorArea& m : monitors) {
        const int64_t area = Overlap(r.left, r.right, m.monitor.left, m.monitor.right) *
                             Overlap(r.top, r.bottom, m.monitor.top, m.monitor.bottom);
        if (area > bestArea) {
            best = &m;
            bestArea = area;
        }
    }
    if (best) return best;
    // In floating point: a square of a gap up to 2^33 does not fit 64 bits.
    double bestDistance = 0;
    for (const MonitorArea& m : monitors) {
        const auto dx = static_cast<double>(Gap(r.left, r.right, m.monitor.left, m.monitor.right));
        const auto dy = static_cast<double>(Gap(r.top, r.bottom, m.monitor.top, m.monitor.bottom));
        const double distance = dx * dx + dy * dy;
        if (!best || distance < bestDistance) {
            best = &m;
            bestDistance = distance;
        }
    }
    return best;
}

TaskbarEdge TaskbarEdgeOf(const MonitorArea& area) {
    const std::pair<int64_t, TaskbarEdge> insets[] = {
        {int64_t{area.monitor.bottom} - area.work.bottom, TaskbarEdge::Bottom},
        {int64_t{area.work.left} - area.monitor.left, TaskbarEdge::Left},
        {int64_t{area.work.top} - area.monitor.top, TaskbarEdge::Top},
        {int64_t{area.monitor.right} - area.work.right, TaskbarEdge::Right},
    };
    auto widest = insets[0];
    for (const auto& inset : insets) {
        if (inset.first > widest.first) widest = inset;
    }
    return widest.second;
}

// Where the calendar goes while no position is kept: on the taskbar's
// monitor, flush with the work area's edge at the taskbar, centred on the
// icon along it or in the notification area's corner.
WindowPosition BesideTheTray(WindowSize window, const ScreenLayout& screens) {
    const Rect* anchor = screens.trayIcon ? &*screens.trayIcon : screens.taskbar ? &*screens.taskbar : nullptr;
    const MonitorArea& area = anchor ? *MonitorOf(screens.monitors, BoxOf(*anchor)) : screens.monitors.front();
    const TaskbarEdge edge = screens.taskbarEdge.value_or(TaskbarEdgeOf(area));
    const Rect& work = area.work;
    WindowPosition p;
    switch (edge) {
        case TaskbarEdge::Left: p = {work.left, work.bottom - window.height}; break;
        case TaskbarEdge::Top: p = {work.right - window.width, work.top}; break;
        case TaskbarEdge::Right:
        case TaskbarEdge::Bottom: p = {work.right - window.width, work.bottom - window.height}; break;
    }
    if (const auto& icon = screens.trayIcon) {
        const bool horizontal = edge == TaskbarEdge::Top || edge == TaskbarEdge::Bottom;
        if (horizontal) {
            p.left = static_cast<int32_t>((int64_t{icon->left} + icon->right - window.width) / 2);
        } else {
            p.top = static_cast<int32_t>((int64_t{icon->top} + icon->bottom - window.height) / 2);
        }
    }
    return ClampIntoWorkArea(p, window, work);
}

}  // namespace

WindowPosition ClampIntoWorkArea(WindowPosition p, WindowSize window, const Rect& work) {
    return {ClampEdge(p.left, window.width, work.left, work.right),
            ClampEdge(p.top, window.height, work.top, work.bottom)};
}

WindowPosition ClampOntoMonitors(WindowPosition position, WindowSize window,
                                 const std::vector<MonitorArea>& monitors) {
    const Box box{position.left, position.top, int64_t{position.left} + window.width,
                  int64_t{position.top} + window.height};
    const MonitorArea* monitor = MonitorOf(monitors, box);
    return monitor ? ClampIntoWorkArea(position, window, monitor->work) : position;
}

WindowPosition PlaceCalendarWindow(const std::optional<WindowPosition>& stored, WindowSize window,
                                   const ScreenLayout& screens) {
    if (stored) return ClampOntoMonitors(*stored, window, screens.monitors);
    return screens.monitors.empty() ? WindowPosition{} : BesideTheTray(window, screens);
}

WindowPosition RepositionForResolution(SettingsStore& store, std::string& tagInUse,
                                       const std::optional<WindowPosition>& current, std::string_view newTag,
                                       WindowSize window, const ScreenLayout& screens) {
    if (current) SaveWindowPosition(store, tagInUse, *current);
    tagInUse = std::string(newTag);
    return PlaceCalendarWindow(LoadWindowPosition(store, tagInUse), window, screens);
}

}  // namespace zenka
