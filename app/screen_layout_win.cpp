#include "app/screen_layout_win.h"

#include <shellapi.h>

namespace zenka {
namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM context) {
    auto& monitors = *reinterpret_cast<std::vector<MonitorArea>*>(context);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    const MonitorArea area{ToRect(info.rcMonitor), ToRect(info.rcWork)};
    if (info.dwFlags & MONITORINFOF_PRIMARY) {
        monitors.insert(monitors.begin(), area);
    } else {
        monitors.push_back(area);
    }
    return TRUE;
}

std::optional<TaskbarEdge> EdgeOf(UINT edge) {
    switch (edge) {
        case ABE_LEFT: return TaskbarEdge::Left;
        case ABE_TOP: return TaskbarEdge::Top;
        case ABE_RIGHT: return TaskbarEdge::Right;
        case ABE_BOTTOM: return TaskbarEdge::Bottom;
    }
    return std::nullopt;
}

}  // namespace

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

ScreenLayout CurrentScreenLayout(const std::optional<RECT>& trayIcon) {
    ScreenLayout layout;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&layout.monitors));
    if (layout.monitors.empty()) {
        const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        RECT work = screen;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        layout.monitors.push_back({ToRect(screen), ToRect(work)});
    }
    // A shell without a taskbar (or one that does not say) leaves the edge
    // to the work areas.
    APPBARDATA bar{};
    bar.cbSize = sizeof(bar);
    if (SHAppBarMessage(ABM_GETTASKBARPOS, &bar) && bar.rc.right > bar.rc.left && bar.rc.bottom > bar.rc.top) {
        layout.taskbarEdge = EdgeOf(bar.uEdge);
        layout.taskbar = ToRect(bar.rc);
    }
    if (trayIcon) layout.trayIcon = ToRect(*trayIcon);
    return layout;
}

}  // namespace zenka
