// How many GDI objects, USER objects and kernel handles this process holds.
// Windows answers GetGuiResources and GetProcessHandleCount; Wine answers
// 0 to both, so there the tables are probed: Wine takes a handle's index
// alone (without its generation) as the handle, so every index can be asked
// whether it is alive.
#pragma once

#include <windows.h>

#include <string>

namespace zenka {

struct ResourceCounts {
    DWORD gdi = 0;
    DWORD user = 0;
    DWORD handles = 0;
    bool probed = false;  // counted by probing, not by the system's counters

    std::string Text() const {
        return "GDI " + std::to_string(gdi) + ", USER " + std::to_string(user) + ", handles " +
               std::to_string(handles) + (probed ? " (probed)" : "");
    }
};

namespace resource_probe {

inline DWORD GdiObjects() {
    DWORD count = 0;
    for (ULONG_PTR i = 1; i < 0x10000; ++i) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(i))) ++count;
    }
    return count;
}

// Icons, menus and this process's windows: the USER objects a tray program
// makes.
inline DWORD UserObjects() {
    DWORD count = 0;
    const DWORD self = GetCurrentProcessId();
    for (ULONG_PTR i = 0x20; i < 0x10000; i += 2) {
        const auto handle = reinterpret_cast<HANDLE>(i);
        if (IsWindow(static_cast<HWND>(handle))) {
            DWORD process = 0;
            GetWindowThreadProcessId(static_cast<HWND>(handle), &process);
            if (process == self) ++count;
            continue;
        }
        if (IsMenu(static_cast<HMENU>(handle))) {
            ++count;
            continue;
        }
        ICONINFO info{};
        if (GetIconInfo(static_cast<HICON>(handle), &info)) {
            if (info.hbmColor) DeleteObject(info.hbmColor);
            if (info.hbmMask) DeleteObject(info.hbmMask);
            ++count;
        }
    }
    return count;
}

inline DWORD KernelHandles() {
    DWORD count = 0;
    for (ULONG_PTR i = 4; i < 0x10000; i += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(i), &flags)) ++count;
    }
    return count;
}

}  // namespace resource_probe

inline ResourceCounts CountResources() {
    ResourceCounts counts;
    counts.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    counts.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    GetProcessHandleCount(GetCurrentProcess(), &counts.handles);
    if (counts.gdi == 0 && counts.user == 0 && counts.handles == 0) {
        counts.probed = true;
        counts.gdi = resource_probe::GdiObjects();
        counts.user = resource_probe::UserObjects();
        counts.handles = resource_probe::KernelHandles();
    }
    return counts;
}

}  // namespace zenka
